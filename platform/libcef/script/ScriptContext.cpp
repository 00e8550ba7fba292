// cef_v8context_t, the heap's life, registered extensions, the context API and the context
// exports.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/libcef/script/ScriptEngine.h"

namespace standin::script {

namespace {

using S = cef_v8context_t;

TContext* C(S* self) { return TContext::From(self); }

void FatalHandler(void*, const char* msg) {
  OutputDebugStringA(msg ? msg : "script heap: fatal error");
  std::fprintf(stderr, "script heap: fatal error: %s\n", msg ? msg : "");
  std::abort();
}

// Notes where a value that is not an error object was thrown: such a value has no position.
duk_ret_t ThrowHook(duk_context* ctx) {
  duk_set_top(ctx, 1);
  if (!duk_is_error(ctx, 0) && duk_check_stack(ctx, 4)) {
    duk_inspect_callstack_entry(ctx, -2);
    int line = 0;
    if (duk_is_object(ctx, -1)) {
      duk_get_prop_string(ctx, -1, "lineNumber");
      line = duk_get_int(ctx, -1);
      duk_get_prop_string(ctx, -2, "function");
      duk_get_prop_string(ctx, -1, "fileName");
    } else {
      duk_push_undefined(ctx);
      duk_push_undefined(ctx);
      duk_push_undefined(ctx);
    }
    try {
      Engine().lastThrowLine = line;
      Engine().lastThrowFile = GetWString(ctx, -1);
    } catch (...) {
    }
    duk_set_top(ctx, 1);
  }
  return 1;
}

bool EnsureHeap() {
  TEngine& e = Engine();
  if (e.heap) return e.thread == GetCurrentThreadId();
  e.heap = duk_create_heap(&TBlockPool::DukAlloc, &TBlockPool::DukRealloc, &TBlockPool::DukFree, &e.blocks,
                           &FatalHandler);
  if (!e.heap) return false;
  e.thread = GetCurrentThreadId();
  ++e.generation;
  duk_context* ctx = e.heap;
  duk_push_heap_stash(ctx);
  duk_get_global_string(ctx, "Date");
  duk_get_prop_string(ctx, -1, "prototype");
  duk_get_prop_string(ctx, -1, "getTime");
  duk_put_prop_string(ctx, -4, "getTime");
  duk_pop(ctx);
  duk_put_prop_string(ctx, -2, "Date");
  duk_get_global_string(ctx, "Object");
  duk_get_prop_string(ctx, -1, "prototype");
  duk_get_prop_string(ctx, -1, "toString");
  duk_put_prop_string(ctx, -4, "toString");
  duk_pop_2(ctx);
  duk_push_c_function(ctx, &ThrowHook, 1);
  duk_put_prop_string(ctx, -2, "throwHook");
  duk_pop(ctx);
  InstallStash(ctx);
  return true;
}

// Compiles and runs `code` in the context. Page script (retval null) reports an uncaught
// exception to the host; eval hands back the result or the exception.
bool RunCode(TContext* c, const std::wstring& code, const std::wstring& url, int startLine,
             bool evalMode, cef_v8value_t** retval, TErrorInfo* error,
             const std::wstring* shownSource = nullptr) {
  duk_context* ctx = c ? c->Duk() : nullptr;
  if (!ctx || !duk_check_stack(ctx, 8)) return false;
  FlushDeferredReleases();
  if (startLine < 1) startLine = 1;
  // Source lines of exceptions come from the text as its author wrote it.
  c->RememberSource(url, startLine, shownSource ? *shownSource : code);
  // Duktape counts lines from 1: leading newlines move the script to its start line.
  std::string src(static_cast<size_t>(std::min(startLine - 1, 1000000)), '\n');
  src += ToCesu(code);
  std::string file = ToCesu(url);
  TContextScope scope(c);
  duk_push_lstring(ctx, file.data(), file.size());
  bool ok = duk_pcompile_lstring_filename(ctx, evalMode ? DUK_COMPILE_EVAL : 0, src.data(),
                                          src.size()) == 0;
  if (ok) {
    duk_push_global_object(ctx);
    ok = ProtectedCallMethod(ctx, 0) == DUK_EXEC_SUCCESS;
  }
  if (ok) {
    if (retval) *retval = TValue::FromStack(ctx, -1, c);
  } else if (error) {
    *error = DescribeError(ctx, c);
  } else {
    ReportUncaught(ctx, c);
  }
  duk_pop(ctx);
  return ok;
}

}  // namespace

bool CallPageHelper(TContext* c, const char* name, const std::function<int(duk_context*)>& args,
                    duk_context** out, const char* object) {
  duk_context* ctx = c ? c->Duk() : nullptr;
  if (!ctx || !c->FPageStash || !duk_check_stack(ctx, 8)) return false;
  StashPush(ctx, c->FPageStash);
  if (object) {
    duk_get_prop_string(ctx, -1, object);
    duk_swap_top(ctx, -2);
    duk_pop(ctx);
  }
  duk_get_prop_string(ctx, -1, name);
  duk_swap_top(ctx, -2);
  int n = args(ctx);
  TContextScope scope(c);
  if (ProtectedCallMethod(ctx, n) != DUK_EXEC_SUCCESS) {
    ReportUncaught(ctx, c);
    duk_pop(ctx);
    return false;
  }
  *out = ctx;
  return true;
}

namespace {

// ---- cef_v8context_t entries

cef_task_runner_t* CEF_CALLBACK GetTaskRunner(S* self) {
  return Guard<cef_task_runner_t*>(nullptr, [&]() -> cef_task_runner_t* {
    TContext* c = C(self);
    return c->Valid() && c->FHost ? c->FHost->TaskRunner() : nullptr;
  });
}
int CEF_CALLBACK IsValid(S* self) {
  return Guard(0, [&] { return OnScriptThread() && C(self)->Valid() ? 1 : 0; });
}
cef_browser_t* CEF_CALLBACK GetBrowser(S* self) {
  return Guard<cef_browser_t*>(nullptr, [&]() -> cef_browser_t* {
    TContext* c = C(self);
    return c->Valid() && c->FHost ? c->FHost->Browser() : nullptr;
  });
}
cef_frame_t* CEF_CALLBACK GetFrame(S* self) {
  return Guard<cef_frame_t*>(nullptr, [&]() -> cef_frame_t* {
    TContext* c = C(self);
    return c->Valid() && c->FHost ? c->FHost->Frame() : nullptr;
  });
}
cef_v8value_t* CEF_CALLBACK GetGlobal(S* self) {
  return Guard<cef_v8value_t*>(nullptr, [&]() -> cef_v8value_t* {
    TContext* c = C(self);
    if (!OnScriptThread() || !c->Valid() || !c->FGlobal) return nullptr;
    duk_context* ctx = CurrentDuk();
    if (!duk_check_stack(ctx, 2)) return nullptr;
    duk_push_heapptr(ctx, c->FGlobal);
    cef_v8value_t* v = TValue::FromStack(ctx, -1, c);
    duk_pop(ctx);
    return v;
  });
}
int CEF_CALLBACK Enter(S* self) {
  return Guard(0, [&] {
    TContext* c = C(self);
    if (!OnScriptThread() || !c->Valid()) return 0;
    c->AddRef();
    Engine().entered.push_back(c);
    return 1;
  });
}
int CEF_CALLBACK Exit(S* self) {
  return Guard(0, [&] {
    TContext* c = C(self);
    auto& entered = Engine().entered;
    if (!OnScriptThread() || entered.empty() || entered.back() != c) return 0;
    entered.pop_back();
    c->Release();
    return 1;
  });
}
int CEF_CALLBACK IsSame(S* self, S* that) {
  TCRef<S> hold = TCRef<S>::Adopt(that);
  return self == that ? 1 : 0;
}
int CEF_CALLBACK Eval(S* self, const cef_string_t* code, cef_v8value_t** retval,
                      cef_v8exception_t** exception) {
  return Guard(0, [&] {
    if (retval) *retval = nullptr;
    if (exception) *exception = nullptr;
    TContext* c = C(self);
    if (!OnScriptThread() || !c->Valid()) return 0;
    cef_v8value_t* result = nullptr;
    TErrorInfo error;
    if (RunCode(c, ToW(code), L"", 1, true, &result, &error)) {
      if (retval)
        *retval = result;
      else if (result)
        result->base.release(&result->base);
      return 1;
    }
    if (exception) *exception = (new TException(std::move(error)))->Struct();
    return 0;
  });
}

}  // namespace

// ---- Contexts

TContext::TContext(IScriptHost* host) : FHost(host) {
  FStruct.get_task_runner = &GetTaskRunner;
  FStruct.is_valid = &IsValid;
  FStruct.get_browser = &GetBrowser;
  FStruct.get_frame = &GetFrame;
  FStruct.get_global = &GetGlobal;
  FStruct.enter = &Enter;
  FStruct.exit = &Exit;
  FStruct.is_same = &IsSame;
  FStruct.eval = &Eval;
}

TContext::~TContext() {
  TEngine& e = Engine();
  if (OnScriptThread()) {
    e.contexts.erase(FId);
    DropStashes();
    return;
  }
  // The last reference went on another thread: the render thread lets go on its next call.
  std::lock_guard<std::mutex> lock(e.releaseLock);
  if (FGeneration == e.generation) {
    for (uint32_t key : {FPageStash, FGlobalStash, FThreadStash})
      if (key) e.deferredReleases.push_back(key);
  }
  e.deferredContexts.push_back(FId);
  e.deferredPending.store(true, std::memory_order_release);
}

void TContext::Invalidate() {
  FValid = false;
  FHost = nullptr;
  if (FRunDepth == 0) DropStashes();
}

void TContext::DropStashes(bool later) {
  TEngine& e = Engine();
  if (FGeneration == e.generation && HeapAlive() && OnScriptThread()) {
    for (uint32_t key : {FPageStash, FGlobalStash, FThreadStash}) {
      if (!key) continue;
      if (later) {
        std::lock_guard<std::mutex> lock(e.releaseLock);
        e.deferredReleases.push_back(key);
        e.deferredPending.store(true, std::memory_order_release);
      } else {
        StashDrop(key);
      }
    }
  }
  FPageStash = FGlobalStash = FThreadStash = 0;
  FThread = nullptr;
  FGlobal = nullptr;
}

// ---- Extensions

namespace {

std::mutex& ExtensionLock() {
  static std::mutex lock;
  return lock;
}
std::vector<TExtension>& Extensions() {
  static std::vector<TExtension> list;
  return list;
}

bool IsIdentChar(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
         c == L'_' || c == L'$' || c > 0x7F;
}

}  // namespace

std::vector<TExtension> ExtensionsSnapshot() {
  std::lock_guard<std::mutex> lock(ExtensionLock());
  return Extensions();
}

cef_v8handler_t* ExtensionHandler(int index) {
  std::lock_guard<std::mutex> lock(ExtensionLock());
  auto& list = Extensions();
  if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
  cef_v8handler_t* h = list[index].handler;
  if (h && h->base.add_ref) h->base.add_ref(&h->base);
  return h;
}

std::wstring RewriteNativeDeclarations(const std::wstring& code, int extensionIndex) {
  std::wstring out;
  out.reserve(code.size() + 64);
  const size_t n = code.size();
  size_t i = 0;
  auto skipSpace = [&](size_t p) {
    while (p < n && (code[p] == L' ' || code[p] == L'\t' || code[p] == L'\r' || code[p] == L'\n'))
      ++p;
    return p;
  };
  while (i < n) {
    wchar_t c = code[i];
    // Strings and comments are copied as they are.
    if (c == L'\'' || c == L'"') {
      size_t j = i + 1;
      while (j < n && code[j] != c && code[j] != L'\n') j += code[j] == L'\\' ? 2 : 1;
      j = std::min(j + 1, n);
      out.append(code, i, j - i);
      i = j;
      continue;
    }
    if (c == L'/' && i + 1 < n && code[i + 1] == L'/') {
      size_t j = code.find(L'\n', i);
      j = j == std::wstring::npos ? n : j;
      out.append(code, i, j - i);
      i = j;
      continue;
    }
    if (c == L'/' && i + 1 < n && code[i + 1] == L'*') {
      size_t j = code.find(L"*/", i + 2);
      j = j == std::wstring::npos ? n : j + 2;
      out.append(code, i, j - i);
      i = j;
      continue;
    }
    bool boundary = i == 0 || !IsIdentChar(code[i - 1]);
    if (boundary && code.compare(i, 6, L"native") == 0) {
      size_t p = i + 6;
      size_t q = skipSpace(p);
      if (q > p && code.compare(q, 8, L"function") == 0) {
        size_t r = skipSpace(q + 8);
        size_t nameStart = r;
        while (r < n && IsIdentChar(code[r])) ++r;
        size_t nameEnd = r;
        r = skipSpace(r);
        if (nameEnd > nameStart && r < n && code[r] == L'(') {
          size_t close = code.find(L')', r);
          if (close != std::wstring::npos &&
              code.find(L'\n', r) >= close) {  // keeps line numbers: one line only
            size_t end = skipSpace(close + 1);
            if (end < n && code[end] == L';') ++end;
            else end = close + 1;
            std::wstring name = code.substr(nameStart, nameEnd - nameStart);
            out += L"function " + name + L"(){return __nativeCall(" +
                   std::to_wstring(extensionIndex) + L",'" + name + L"',this,arguments);}";
            i = end;
            continue;
          }
        }
      }
    }
    out += c;
    ++i;
  }
  return out;
}

}  // namespace standin::script

// ---- Context API

namespace standin::script {

cef_v8context_t* CreateContext(IScriptHost* host) {
  return Guard<cef_v8context_t*>(nullptr, [&]() -> cef_v8context_t* {
    if (!EnsureHeap()) return nullptr;
    FlushDeferredReleases();
    TEngine& e = Engine();
    duk_context* base = CurrentDuk();
    if (!duk_check_stack(base, 4)) return nullptr;
    auto* c = new TContext(host);
    TCRef<S> hold = TCRef<S>::Adopt(c->Struct());
    c->FId = e.nextContextId++;
    c->FGeneration = e.generation;
    duk_push_thread_new_globalenv(base);
    c->FThread = duk_get_context(base, -1);
    c->FThreadStash = StashPut(base, -1);
    duk_pop(base);
    duk_push_global_object(c->FThread);
    c->FGlobal = duk_get_heapptr(c->FThread, -1);
    c->FGlobalStash = StashPut(c->FThread, -1);
    duk_pop(c->FThread);
    c->FValid = true;
    e.contexts[c->FId] = c;
    if (!InstallPage(c->FThread, c)) {
      c->Invalidate();
      return nullptr;
    }
    if (host) host->Trace(L"script context created");
    // Extensions run before any page script, in registration order.
    std::vector<TExtension> extensions = ExtensionsSnapshot();
    for (size_t i = 0; i < extensions.size(); ++i) {
      const TExtension& x = extensions[i];
      std::wstring code = FromCesu(x.code.data(), x.code.size());
      if (!RunCode(c, code, x.name, 1, false, nullptr, nullptr, &x.original) && host)
        host->Trace(L"script extension failed " + x.name);
    }
    return hold.Wrap();
  });
}

bool RunScript(cef_v8context_t* context, const std::wstring& code, const std::wstring& sourceUrl,
               int startLine) {
  return Guard(false, [&] {
    TContext* c = TContext::From(context);
    if (!c || !OnScriptThread() || !c->Valid()) return false;
    if (c->FHost)
      c->FHost->Trace(L"script run " + sourceUrl + L":" + std::to_wstring(startLine < 1 ? 1 : startLine));
    return RunCode(c, code, sourceUrl, startLine, false, nullptr, nullptr);
  });
}

void FireEvent(cef_v8context_t* context, bool atDocument, const std::wstring& type) {
  GuardVoid([&] {
    TContext* c = TContext::From(context);
    if (!c || !OnScriptThread() || !c->Valid()) return;
    duk_context* ctx = nullptr;
    if (CallPageHelper(c, "fire", [&](duk_context* d) {
          duk_push_boolean(d, atDocument);
          PushWString(d, type);
          return 2;
        }, &ctx))
      duk_pop(ctx);
  });
}

bool AskBeforeUnload(cef_v8context_t* context, std::wstring& message) {
  return Guard(false, [&] {
    TContext* c = TContext::From(context);
    if (!c || !OnScriptThread() || !c->Valid()) return false;
    duk_context* ctx = nullptr;
    if (!CallPageHelper(c, "beforeUnload", [](duk_context*) { return 0; }, &ctx)) return false;
    bool ask = duk_is_string(ctx, -1) != 0;
    if (ask) message = GetWString(ctx, -1);
    duk_pop(ctx);
    return ask;
  });
}

void ReleaseContext(cef_v8context_t* context) {
  GuardVoid([&] {
    TContext* c = TContext::From(context);
    if (!c || !OnScriptThread()) return;
    if (c->FHost) c->FHost->Trace(L"script context released");
    c->Invalidate();
    Engine().contexts.erase(c->FId);
  });
}

void Shutdown() {
  GuardVoid([&] {
    TEngine& e = Engine();
    if (!e.heap || e.thread != GetCurrentThreadId() || !e.running.empty()) return;
    for (auto& [id, c] : LiveContexts()) {
      if (c->FRunDepth > 0) return;
    }
    std::vector<TContext*> entered;
    entered.swap(e.entered);
    for (TContext* c : entered) c->Release();
    std::map<int, TContext*> contexts;
    contexts.swap(e.contexts);
    for (auto& [id, c] : contexts) c->Invalidate();
    {
      std::lock_guard<std::mutex> lock(e.releaseLock);
      e.deferredReleases.clear();
    }
    duk_context* heap = e.heap;
    // Finalizers run while the heap goes; values they release must not touch it any more.
    ++e.generation;
    duk_destroy_heap(heap);
    e.blocks.Release();
    e.heap = nullptr;
    e.stashSlots = e.infoFinalizer = e.nameKey = e.functionKey = nullptr;
    e.functionInfos.clear();
    e.thread = 0;
    e.pendingThrow = false;
  });
}

}  // namespace standin::script

// ---- Exports

using namespace standin;
using namespace standin::script;

extern "C" {

cef_v8context_t* CEF_EXPORT cef_v8context_get_current_context(void) {
  return Guard<cef_v8context_t*>(nullptr, []() -> cef_v8context_t* {
    if (!OnScriptThread()) return nullptr;
    TContext* c = CurrentContext();
    return c ? c->Wrap() : nullptr;
  });
}

cef_v8context_t* CEF_EXPORT cef_v8context_get_entered_context(void) {
  return Guard<cef_v8context_t*>(nullptr, []() -> cef_v8context_t* {
    if (!OnScriptThread()) return nullptr;
    auto& entered = Engine().entered;
    return entered.empty() ? nullptr : entered.front()->Wrap();
  });
}

int CEF_EXPORT cef_v8context_in_context(void) {
  return Guard(0, [] { return OnScriptThread() && CurrentContext() ? 1 : 0; });
}

cef_v8stack_trace_t* CEF_EXPORT cef_v8stack_trace_get_current(int frame_limit) {
  return Guard<cef_v8stack_trace_t*>(nullptr, [&]() -> cef_v8stack_trace_t* {
    if (!OnScriptThread()) return nullptr;
    TEngine& e = Engine();
    std::vector<TFrameInfo> frames;
    if (!e.running.empty()) frames = CurrentFrames(e.running.back(), frame_limit);
    return NewStackTrace(std::move(frames));
  });
}

int CEF_EXPORT cef_register_extension(const cef_string_t* extension_name,
                                      const cef_string_t* javascript_code,
                                      cef_v8handler_t* handler) {
  TCRef<cef_v8handler_t> hold = TCRef<cef_v8handler_t>::Adopt(handler);
  return Guard(0, [&] {
    std::wstring name = ToW(extension_name);
    std::wstring code = ToW(javascript_code);
    if (name.empty() || code.empty()) return 0;
    std::lock_guard<std::mutex> lock(ExtensionLock());
    auto& list = Extensions();
    for (const TExtension& x : list)
      if (x.name == name) return 0;
    TExtension x;
    x.name = name;
    x.code = ToCesu(RewriteNativeDeclarations(code, static_cast<int>(list.size())));
    x.original = code;
    x.handler = hold.Wrap();  // kept for the life of the process, as the runtime does
    list.push_back(std::move(x));
    return 1;
  });
}

}  // extern "C"
