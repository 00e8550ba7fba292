// The heap of the render thread, stash slots, object info, conversions between Duktape values
// and runtime values, error descriptions and the native-call trampolines.
#include "platform/libcef/script/ScriptEngine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace standin::script {

namespace {

const char* const kInfoKey = DUK_HIDDEN_SYMBOL("info");
const char* const kFunctionKey = DUK_HIDDEN_SYMBOL("function");
constexpr size_t kMaxFunctionInfos = 256;
const char* const kDateKey = DUK_HIDDEN_SYMBOL("Date");

duk_ret_t RunTrampoline(duk_context* c) {
  auto fn = reinterpret_cast<duk_ret_t (*)(duk_context*, void*)>(duk_get_pointer(c, -2));
  void* udata = duk_get_pointer(c, -1);
  duk_pop_2(c);
  return fn(c, udata);
}

}  // namespace

duk_int_t ProtectedRun(duk_context* ctx, duk_idx_t nargs, duk_ret_t (*fn)(duk_context*, void*),
                       void* udata) {
  // A light function is a plain value: the many protected runs allocate nothing for it.
  duk_push_c_lightfunc(ctx, &RunTrampoline, DUK_VARARGS, 0, 0);
  duk_insert(ctx, -(nargs + 1));
  duk_push_pointer(ctx, reinterpret_cast<void*>(fn));
  duk_push_pointer(ctx, udata);
  return duk_pcall(ctx, nargs + 2);
}

// ---- Strings

std::string ToCesu(const wchar_t* s, size_t n) {
  // Keys and names are nearly always ASCII: one pass writes them byte for byte.
  size_t ascii = 0;
  while (ascii < n && static_cast<unsigned short>(s[ascii]) < 0x80) ++ascii;
  std::string out(ascii, '\0');
  for (size_t i = 0; i < ascii; ++i) out[i] = static_cast<char>(s[i]);
  if (ascii == n) return out;
  out.reserve(ascii + (n - ascii) * 3);
  for (size_t i = ascii; i < n; ++i) {
    unsigned c = static_cast<unsigned short>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      // Surrogates are encoded one by one, as Duktape stores them.
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromCesu(const char* s, size_t n) {
  std::wstring out;
  out.reserve(n);
  const auto* p = reinterpret_cast<const unsigned char*>(s);
  size_t i = 0;
  while (i < n) {
    unsigned c = p[i];
    unsigned cp = 0xFFFD;
    size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < n) {
      cp = ((c & 0x1F) << 6) | (p[i + 1] & 0x3F);
      len = 2;
    } else if ((c & 0xF0) == 0xE0 && i + 2 < n) {
      cp = ((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F);
      len = 3;
    } else if ((c & 0xF8) == 0xF0 && i + 3 < n) {
      cp = ((c & 0x07) << 18) | ((p[i + 1] & 0x3F) << 12) | ((p[i + 2] & 0x3F) << 6) |
           (p[i + 3] & 0x3F);
      len = 4;
    }
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      out += static_cast<wchar_t>(0xD800 | (cp >> 10));
      out += static_cast<wchar_t>(0xDC00 | (cp & 0x3FF));
    } else {
      out += static_cast<wchar_t>(cp > 0xFFFF ? 0xFFFD : cp);
    }
    i += len;
  }
  return out;
}

std::wstring GetWString(duk_context* ctx, duk_idx_t idx) {
  duk_size_t len = 0;
  const char* s = duk_get_lstring(ctx, idx, &len);
  return s ? FromCesu(s, len) : std::wstring();
}

void PushWString(duk_context* ctx, const std::wstring& s) {
  std::string c = ToCesu(s);
  duk_push_lstring(ctx, c.data(), c.size());
}

namespace {
duk_ret_t InfoFinalizer(duk_context* ctx);
}  // namespace

// ---- Engine

TEngine& Engine() {
  static TEngine engine;
  return engine;
}

bool HeapAlive() { return Engine().heap != nullptr; }

std::map<int, TContext*>& LiveContexts() {
  TEngine& e = Engine();
  std::vector<int> gone;
  {
    std::lock_guard<std::mutex> lock(e.releaseLock);
    gone.swap(e.deferredContexts);
  }
  for (int id : gone) e.contexts.erase(id);
  return e.contexts;
}

bool OnScriptThread() {
  const TEngine& e = Engine();
  return e.thread == 0 || e.thread == GetCurrentThreadId();
}

duk_context* CurrentDuk() {
  TEngine& e = Engine();
  return e.running.empty() ? e.heap : e.running.back();
}

TRunningScope::TRunningScope(duk_context* ctx) {
  Engine().running.push_back(ctx);
  ++Engine().nativeDepth;
}

TRunningScope::~TRunningScope() {
  --Engine().nativeDepth;
  Engine().running.pop_back();
}

void FlushDeferredReleases() {
  TEngine& e = Engine();
  if (!e.deferredPending.exchange(false, std::memory_order_acquire)) return;
  std::vector<uint32_t> keys;
  LiveContexts();
  {
    std::lock_guard<std::mutex> lock(e.releaseLock);
    keys.swap(e.deferredReleases);
  }
  for (uint32_t k : keys) StashDrop(k);
}

void InstallStash(duk_context* ctx) {
  TEngine& e = Engine();
  e.nextStashKey = 1;
  e.freeStashKeys.clear();
  e.functionInfos.clear();
  duk_push_heap_stash(ctx);
  duk_push_array(ctx);
  e.stashSlots = duk_get_heapptr(ctx, -1);
  duk_put_prop_string(ctx, -2, "slots");
  duk_push_c_function(ctx, &InfoFinalizer, 1);
  e.infoFinalizer = duk_get_heapptr(ctx, -1);
  duk_put_prop_string(ctx, -2, "infoFinalizer");
  duk_push_string(ctx, "name");
  e.nameKey = duk_get_heapptr(ctx, -1);
  duk_put_prop_string(ctx, -2, "nameKey");
  duk_push_string(ctx, kFunctionKey);
  e.functionKey = duk_get_heapptr(ctx, -1);
  duk_put_prop_string(ctx, -2, "functionKey");
  duk_pop(ctx);
}

uint32_t StashPut(duk_context* ctx, duk_idx_t idx) {
  TEngine& e = Engine();
  idx = duk_normalize_index(ctx, idx);
  if (!e.stashSlots || !duk_check_stack(ctx, 2)) return 0;
  uint32_t key;
  if (!e.freeStashKeys.empty()) {
    key = e.freeStashKeys.back();
    e.freeStashKeys.pop_back();
  } else {
    if (e.nextStashKey >= 0x7FFFFFFFu) return 0;
    key = e.nextStashKey++;
  }
  duk_push_heapptr(ctx, e.stashSlots);
  duk_dup(ctx, idx);
  duk_put_prop_index(ctx, -2, key);
  duk_pop(ctx);
  return key;
}

void StashPush(duk_context* ctx, uint32_t key) {
  TEngine& e = Engine();
  if (!e.stashSlots) {
    duk_push_undefined(ctx);
    return;
  }
  duk_push_heapptr(ctx, e.stashSlots);
  duk_get_prop_index(ctx, -1, key);
  duk_remove(ctx, -2);
}

void StashDrop(uint32_t key) {
  TEngine& e = Engine();
  if (!key || !e.heap || !e.stashSlots) return;
  if (e.thread != GetCurrentThreadId()) {
    std::lock_guard<std::mutex> lock(e.releaseLock);
    e.deferredReleases.push_back(key);
    e.deferredPending.store(true, std::memory_order_release);
    return;
  }
  duk_context* ctx = CurrentDuk();
  if (!duk_check_stack(ctx, 2)) return;
  duk_push_heapptr(ctx, e.stashSlots);
  // Only objects are kept: an empty slot given back twice would be handed out twice.
  duk_get_prop_index(ctx, -1, key);
  const bool held = !duk_is_undefined(ctx, -1);
  duk_pop(ctx);
  if (held) {
    duk_push_undefined(ctx);
    duk_put_prop_index(ctx, -2, key);
    e.freeStashKeys.push_back(key);
  }
  duk_pop(ctx);
}

// ---- Object info

namespace {

void FreeInfo(TObjectInfo* info) {
  if (!info) return;
  if (info->userData && info->userData->release) info->userData->release(info->userData);
  if (info->accessor && info->accessor->base.release)
    info->accessor->base.release(&info->accessor->base);
  if (info->handler && info->handler->base.release)
    info->handler->base.release(&info->handler->base);
  delete info;
}

duk_ret_t InfoFinalizer(duk_context* ctx) {
  duk_get_prop_string(ctx, 0, kInfoKey);
  auto* info = static_cast<TObjectInfo*>(duk_get_pointer(ctx, -1));
  duk_pop(ctx);
  if (info) {
    duk_push_string(ctx, kInfoKey);
    duk_push_pointer(ctx, nullptr);
    duk_def_prop(ctx, 0, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
  }
  try {
    FreeInfo(info);
  } catch (...) {
  }
  return 0;
}

}  // namespace

TObjectInfo* ObjectInfo(duk_context* ctx, duk_idx_t idx, bool create) {
  if (!duk_is_object(ctx, idx) || !duk_check_stack(ctx, 4)) return nullptr;
  idx = duk_normalize_index(ctx, idx);
  duk_get_prop_string(ctx, idx, kInfoKey);
  auto* info = static_cast<TObjectInfo*>(duk_get_pointer(ctx, -1));
  duk_pop(ctx);
  if (info || !create) return info;
  info = new TObjectInfo();
  duk_push_string(ctx, kInfoKey);
  duk_push_pointer(ctx, info);
  duk_def_prop(ctx, idx, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
  duk_push_heapptr(ctx, Engine().infoFinalizer);
  duk_set_finalizer(ctx, idx);
  return info;
}

void PushNativeFunction(duk_context* ctx, cef_v8handler_t* handler, std::wstring_view name) {
  TEngine& e = Engine();
  auto it = e.functionInfos.find(std::make_pair(handler, name));
  if (it != e.functionInfos.end()) {
    StashPush(ctx, it->second.slot);
    duk_push_heapptr(ctx, it->second.name);
  } else {
    if (e.functionInfos.size() >= kMaxFunctionInfos) {
      // Functions made meanwhile keep theirs; only the sharing starts over.
      for (const auto& [key, info] : e.functionInfos) {
        StashDrop(info.slot);
        StashDrop(info.nameSlot);
      }
      e.functionInfos.clear();
    }
    duk_push_bare_object(ctx);
    TObjectInfo* info = ObjectInfo(ctx, -1, true);
    info->userCreated = true;
    handler->base.add_ref(&handler->base);
    info->handler = handler;
    info->functionName = name;
    PushWString(ctx, info->functionName);
    const uint32_t slot = StashPut(ctx, -2), nameSlot = slot ? StashPut(ctx, -1) : 0;
    if (nameSlot)
      e.functionInfos.emplace(std::make_pair(handler, info->functionName),
                              TEngine::TFunctionInfoSlot{slot, nameSlot, duk_get_heapptr(ctx, -1)});
    else if (slot)
      StashDrop(slot);
  }
  // [info, name]
  duk_push_c_function(ctx, &NativeFunctionCall, DUK_VARARGS);
  duk_push_heapptr(ctx, e.nameKey);
  duk_pull(ctx, -3);
  duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
  duk_push_heapptr(ctx, e.functionKey);
  duk_pull(ctx, -3);
  duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
}

const TObjectInfo* FunctionInfo(duk_context* ctx, duk_idx_t idx) {
  if (!duk_is_function(ctx, idx) || !duk_check_stack(ctx, 4)) return nullptr;
  duk_get_prop_string(ctx, idx, kFunctionKey);
  const TObjectInfo* info = ObjectInfo(ctx, -1, false);
  duk_pop(ctx);  // the function keeps its info object
  return info;
}

// ---- Values from and to the stack

namespace {

// Date detection that works across contexts (each has its own Date) and ignores globals the
// page may have replaced: the heap stash keeps the original Object.prototype.toString
// ("toString") and Date.prototype.getTime ("getTime").
bool IsDate(duk_context* ctx, duk_idx_t idx, double* ms) {
  if (!duk_check_stack(ctx, 4)) return false;
  duk_dup(ctx, idx);
  double result = 0;
  bool isDate = false;
  auto body = [&](duk_context* c) -> duk_ret_t {
    duk_push_heap_stash(c);
    duk_get_prop_string(c, -1, "toString");
    duk_dup(c, 0);
    duk_call_method(c, 0);
    const char* cls = duk_get_string(c, -1);
    if (!cls || std::strcmp(cls, "[object Date]") != 0) return 0;
    duk_get_prop_string(c, 1, "getTime");
    duk_dup(c, 0);
    duk_call_method(c, 0);
    result = duk_get_number(c, -1);
    isDate = true;
    return 0;
  };
  duk_int_t rc = SafeRun(ctx, 1, body);
  duk_pop(ctx);
  if (rc != DUK_EXEC_SUCCESS || !isDate) return false;
  *ms = result;
  return true;
}

}  // namespace

cef_v8value_t* TValue::FromStack(duk_context* ctx, duk_idx_t idx, TContext* owner) {
  idx = duk_normalize_index(ctx, idx);
  switch (duk_get_type(ctx, idx)) {
    case DUK_TYPE_NULL:
      return NewPrimitive(TKind::Null);
    case DUK_TYPE_BOOLEAN:
      return NewBool(duk_get_boolean(ctx, idx) != 0);
    case DUK_TYPE_NUMBER: {
      double d = duk_get_number(ctx, idx);
      if (std::isfinite(d) && d == std::trunc(d) && !(d == 0 && std::signbit(d))) {
        if (d >= -2147483648.0 && d <= 2147483647.0) return NewInt(static_cast<int32_t>(d));
        if (d >= 0 && d <= 4294967295.0) return NewUInt(static_cast<uint32_t>(d));
      }
      return NewDouble(d);
    }
    case DUK_TYPE_STRING:
      return NewString(GetWString(ctx, idx));
    case DUK_TYPE_OBJECT: {
      // The date test is a script call of its own. Functions, arrays, the context's global and
      // the objects the program made (the receiver of every call of a published object's
      // function) are never dates and skip it.
      void* ptr = duk_get_heapptr(ctx, idx);
      const bool isArray = duk_is_array(ctx, idx) != 0, isFunction = duk_is_function(ctx, idx) != 0;
      double ms = 0;
      if (!isFunction && !isArray && !(owner && ptr == owner->FGlobal)) {
        const TObjectInfo* info = ObjectInfo(ctx, idx, false);
        if (!(info && info->userCreated) && IsDate(ctx, idx, &ms)) return NewDate(ms);
      }
      uint32_t key = StashPut(ctx, idx);
      if (!ptr || !key) return NewPrimitive(TKind::Undefined);
      auto* v = new TValue();
      v->FKind = TKind::Object;
      v->FStash = key;
      v->FHeapPtr = ptr;
      v->FIsArray = isArray;
      v->FIsFunction = isFunction;
      v->FGeneration = Engine().generation;
      if (owner) v->FContext = TCRef<cef_v8context_t>::Share(owner->Struct());
      return v->Struct();
    }
    default:
      return NewPrimitive(TKind::Undefined);
  }
}

void TValue::Push(duk_context* ctx) const {
  switch (FKind) {
    case TKind::Undefined:
      duk_push_undefined(ctx);
      break;
    case TKind::Null:
      duk_push_null(ctx);
      break;
    case TKind::Bool:
      duk_push_boolean(ctx, FBool);
      break;
    case TKind::Int:
      duk_push_int(ctx, FInt);
      break;
    case TKind::UInt:
      duk_push_uint(ctx, FUInt);
      break;
    case TKind::Double:
      duk_push_number(ctx, FDouble);
      break;
    case TKind::String:
      PushWString(ctx, FString);
      break;
    case TKind::Date:
      // The running context's own Date (kept before page script could replace it), so
      // `instanceof Date` holds in its script and no page code runs here.
      duk_push_global_object(ctx);
      duk_get_prop_string(ctx, -1, kDateKey);
      duk_remove(ctx, -2);
      if (!duk_is_function(ctx, -1)) {
        duk_pop(ctx);
        duk_push_heap_stash(ctx);
        duk_get_prop_string(ctx, -1, "Date");
        duk_remove(ctx, -2);
      }
      duk_push_number(ctx, FDouble);
      duk_new(ctx, 1);
      break;
    case TKind::Object:
      if (Valid())
        duk_push_heapptr(ctx, FHeapPtr);
      else
        duk_push_undefined(ctx);
      break;
  }
}

bool TValue::Valid() const {
  if (!OnScriptThread()) return false;
  if (FKind != TKind::Object) return true;
  if (FGeneration != Engine().generation || !HeapAlive()) return false;
  TContext* c = TContext::From(FContext.Get());
  return !c || c->Valid();
}

TValue::~TValue() {
  if (FStash && FGeneration == Engine().generation) StashDrop(FStash);
}

namespace {

// Released values' storage, last in first out, so the next value reuses memory still in the
// cache. Values are released on any thread, hence the spin lock (held for a few instructions).
struct TValueStore {
  static constexpr size_t kKept = 64;
  std::atomic_flag busy = ATOMIC_FLAG_INIT;
  void* kept[kKept];
  size_t count = 0;
  void Lock() {
    while (busy.test_and_set(std::memory_order_acquire)) std::this_thread::yield();
  }
  void Unlock() { busy.clear(std::memory_order_release); }
};
TValueStore gValueStore;

}  // namespace

void* TValue::operator new(size_t size) {
  TValueStore& s = gValueStore;
  if (size == sizeof(TValue)) {
    s.Lock();
    void* p = s.count ? s.kept[--s.count] : nullptr;
    s.Unlock();
    if (p) return p;
  }
  return ::operator new(size);
}

void TValue::operator delete(void* p) {
  if (!p) return;
  TValueStore& s = gValueStore;
  s.Lock();
  const bool kept = s.count < TValueStore::kKept;
  if (kept) s.kept[s.count++] = p;
  s.Unlock();
  if (!kept) ::operator delete(p);
}

// ---- Exceptions

namespace {

template <class T, class S, std::wstring TErrorInfo::*Field>
cef_string_userfree_t CEF_CALLBACK ErrorText(S* self) {
  return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(T::From(self)->FInfo.*Field); });
}
template <class T, class S, int TErrorInfo::*Field>
int CEF_CALLBACK ErrorNumber(S* self) {
  return T::From(self)->FInfo.*Field;
}

}  // namespace

TException::TException(TErrorInfo info) : FInfo(std::move(info)) {
  using S = cef_v8exception_t;
  FStruct.get_message = &ErrorText<TException, S, &TErrorInfo::message>;
  FStruct.get_source_line = &ErrorText<TException, S, &TErrorInfo::sourceLine>;
  FStruct.get_script_resource_name = &ErrorText<TException, S, &TErrorInfo::resourceName>;
  FStruct.get_line_number = &ErrorNumber<TException, S, &TErrorInfo::line>;
  FStruct.get_start_position = &ErrorNumber<TException, S, &TErrorInfo::startPosition>;
  FStruct.get_end_position = &ErrorNumber<TException, S, &TErrorInfo::endPosition>;
  FStruct.get_start_column = &ErrorNumber<TException, S, &TErrorInfo::startColumn>;
  FStruct.get_end_column = &ErrorNumber<TException, S, &TErrorInfo::endColumn>;
}

TErrorInfo DescribeError(duk_context* ctx, TContext* context) {
  TErrorInfo info;
  if (!duk_check_stack(ctx, 8)) return info;
  duk_dup(ctx, -1);
  // [text, line, file]
  auto body = [](duk_context* c) -> duk_ret_t {
    duk_push_array(c);
    duk_dup(c, 0);
    duk_safe_to_string(c, -1);
    duk_put_prop_index(c, 1, 0);
    if (duk_is_object(c, 0)) {
      duk_get_prop_string(c, 0, "lineNumber");
      duk_put_prop_index(c, 1, 1);
      duk_get_prop_string(c, 0, "fileName");
      duk_put_prop_index(c, 1, 2);
    }
    return 1;
  };
  if (SafeRun(ctx, 1, body) == DUK_EXEC_SUCCESS) {
    duk_get_prop_index(ctx, -1, 0);
    info.message = L"Uncaught " + GetWString(ctx, -1);
    duk_get_prop_index(ctx, -2, 1);
    info.line = duk_is_number(ctx, -1) ? static_cast<int>(duk_get_number(ctx, -1)) : 0;
    duk_get_prop_index(ctx, -3, 2);
    info.resourceName = GetWString(ctx, -1);
    duk_pop_3(ctx);
  } else {
    info.message = L"Uncaught exception";
  }
  duk_pop(ctx);
  if (TEngine& e = Engine(); e.lastThrowLine > 0 && info.line == 0) {
    // A thrown value that is not an error object carries no position; the throw hook noted it.
    info.line = e.lastThrowLine;
    if (info.resourceName.empty()) info.resourceName = e.lastThrowFile;
  }
  if (context && info.line > 0) {
    int lineStart = 0;
    info.sourceLine = context->SourceLine(info.resourceName, info.line, &lineStart);
    size_t first = info.sourceLine.find_first_not_of(L" \t");
    info.startColumn = first == std::wstring::npos ? 0 : static_cast<int>(first);
    info.endColumn = static_cast<int>(info.sourceLine.size());
    info.startPosition = lineStart + info.startColumn;
    info.endPosition = lineStart + info.endColumn;
  }
  return info;
}

// ---- Stack traces

namespace {

class TStackFrame : public TCefObject<TStackFrame, cef_v8stack_frame_t> {
public:
  explicit TStackFrame(TFrameInfo info) : FInfo(std::move(info)) {
    FStruct.is_valid = &IsValid;
    FStruct.get_script_name = &ScriptName;
    FStruct.get_script_name_or_source_url = &ScriptName;
    FStruct.get_function_name = &FunctionName;
    FStruct.get_line_number = &Line;
    FStruct.get_column = &Column;
    FStruct.is_eval = &IsEval;
    FStruct.is_constructor = &IsConstructor;
  }
  TFrameInfo FInfo;

private:
  using S = cef_v8stack_frame_t;
  static int CEF_CALLBACK IsValid(S*) { return 1; }
  static cef_string_userfree_t CEF_CALLBACK ScriptName(S* self) {
    return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FInfo.scriptName); });
  }
  static cef_string_userfree_t CEF_CALLBACK FunctionName(S* self) {
    return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FInfo.functionName); });
  }
  static int CEF_CALLBACK Line(S* self) { return From(self)->FInfo.line; }
  static int CEF_CALLBACK Column(S* self) { return From(self)->FInfo.column; }
  static int CEF_CALLBACK IsEval(S* self) { return From(self)->FInfo.isEval ? 1 : 0; }
  static int CEF_CALLBACK IsConstructor(S* self) { return From(self)->FInfo.isConstructor ? 1 : 0; }
};

class TStackTrace : public TCefObject<TStackTrace, cef_v8stack_trace_t> {
public:
  explicit TStackTrace(std::vector<TFrameInfo> frames) : FFrames(std::move(frames)) {
    FStruct.is_valid = &IsValid;
    FStruct.get_frame_count = &FrameCount;
    FStruct.get_frame = &Frame;
  }
  std::vector<TFrameInfo> FFrames;

private:
  using S = cef_v8stack_trace_t;
  static int CEF_CALLBACK IsValid(S*) { return 1; }
  static int CEF_CALLBACK FrameCount(S* self) { return static_cast<int>(From(self)->FFrames.size()); }
  static cef_v8stack_frame_t* CEF_CALLBACK Frame(S* self, int index) {
    return Guard<cef_v8stack_frame_t*>(nullptr, [&]() -> cef_v8stack_frame_t* {
      auto& frames = From(self)->FFrames;
      if (index < 0 || index >= static_cast<int>(frames.size())) return nullptr;
      return (new TStackFrame(frames[index]))->Struct();
    });
  }
};

}  // namespace

cef_v8stack_trace_t* NewStackTrace(std::vector<TFrameInfo> frames) {
  return (new TStackTrace(std::move(frames)))->Struct();
}

std::vector<TFrameInfo> CurrentFrames(duk_context* ctx, int limit) {
  std::vector<TFrameInfo> frames;
  if (limit <= 0 || !duk_check_stack(ctx, 8)) return frames;
  duk_push_int(ctx, limit);
  // Collects [file, function name, line] triples of script frames into one array.
  auto body = [](duk_context* c) -> duk_ret_t {
    int max = duk_get_int(c, 0);
    duk_push_array(c);  // 1
    int count = 0;
    for (int level = -1; level > -1000 && count < max; --level) {
      duk_inspect_callstack_entry(c, level);
      if (duk_is_undefined(c, -1)) {
        duk_pop(c);
        break;
      }
      duk_get_prop_string(c, -1, "function");
      bool script = duk_is_ecmascript_function(c, -1);
      if (script) {
        duk_get_prop_string(c, -1, "fileName");
        const char* file = duk_get_string(c, -1);
        bool internal = file && std::strcmp(file, kInternalFile) == 0;
        if (!internal) {
          duk_push_array(c);
          duk_dup(c, -2);
          duk_put_prop_index(c, -2, 0);
          duk_get_prop_string(c, -3, "name");
          duk_put_prop_index(c, -2, 1);
          duk_get_prop_string(c, -4, "lineNumber");
          duk_put_prop_index(c, -2, 2);
          duk_put_prop_index(c, 1, count++);
        }
        duk_pop(c);
      }
      duk_pop_2(c);
    }
    return 1;
  };
  if (SafeRun(ctx, 1, body) == DUK_EXEC_SUCCESS) {
    duk_size_t n = duk_get_length(ctx, -1);
    for (duk_size_t i = 0; i < n; ++i) {
      duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
      TFrameInfo f;
      duk_get_prop_index(ctx, -1, 0);
      f.scriptName = GetWString(ctx, -1);
      duk_get_prop_index(ctx, -2, 1);
      f.functionName = GetWString(ctx, -1);
      duk_get_prop_index(ctx, -3, 2);
      f.line = duk_get_int(ctx, -1);
      duk_pop_n(ctx, 4);
      frames.push_back(std::move(f));
    }
  }
  duk_pop(ctx);
  return frames;
}

// ---- Contexts

TContext* TContext::FromId(int id) {
  auto& all = LiveContexts();
  auto it = all.find(id);
  return it == all.end() ? nullptr : it->second;
}

duk_context* TContext::Duk() const {
  if (!Valid() || !FThread) return nullptr;
  if (FRunDepth == 0) return FThread;
  // Running: Duktape can only go on with it while it is the innermost running thread.
  const auto& running = Engine().running;
  return !running.empty() && running.back() == FThread ? FThread : nullptr;
}

void TContext::RememberSource(const std::wstring& url, int startLine, const std::wstring& code) {
  constexpr size_t kMaxSources = 64;
  for (auto it = FSources.begin(); it != FSources.end(); ++it) {
    if (it->url == url) {
      FSources.erase(it);
      break;
    }
  }
  if (FSources.size() >= kMaxSources) FSources.erase(FSources.begin());
  FSources.push_back({url, code, startLine < 1 ? 1 : startLine});
}

std::wstring TContext::SourceLine(const std::wstring& url, int line, int* lineStart) const {
  *lineStart = 0;
  for (auto it = FSources.rbegin(); it != FSources.rend(); ++it) {
    if (it->url != url) continue;
    int index = line - it->startLine;
    if (index < 0) return {};
    size_t pos = 0;
    for (int i = 0; i < index; ++i) {
      pos = it->code.find(L'\n', pos);
      if (pos == std::wstring::npos) return {};
      ++pos;
    }
    size_t end = it->code.find(L'\n', pos);
    std::wstring text = it->code.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    if (!text.empty() && text.back() == L'\r') text.pop_back();
    *lineStart = static_cast<int>(pos);
    return text;
  }
  return {};
}

TContextScope::TContextScope(TContext* context) : FContext(context) {
  if (FContext) {
    FContext->AddRef();
    Engine().entered.push_back(FContext);
  }
}

TContextScope::~TContextScope() {
  if (!FContext) return;
  auto& entered = Engine().entered;
  auto it = std::find(entered.rbegin(), entered.rend(), FContext);
  if (it != entered.rend()) entered.erase(std::next(it).base());
  FContext->Release();
}

TContext* CurrentContext() {
  auto& entered = Engine().entered;
  return entered.empty() ? nullptr : entered.back();
}

void ReportUncaught(duk_context* ctx, TContext* context) {
  if (!context || !context->FHost) return;
  TErrorInfo info = DescribeError(ctx, context);
  IScriptHost* host = context->FHost;
  host->Trace(L"script uncaught " + info.message + L" at " + info.resourceName + L":" +
              std::to_wstring(info.line));
  host->Console(TConsoleLevel::Error, info.message, info.resourceName, info.line);
  TFrameInfo frame;
  frame.scriptName = info.resourceName;
  frame.line = info.line;
  frame.column = info.startColumn + 1;
  TCRef<cef_v8exception_t> exception = TCRef<cef_v8exception_t>::Adopt((new TException(info))->Struct());
  TCRef<cef_v8stack_trace_t> trace = TCRef<cef_v8stack_trace_t>::Adopt(NewStackTrace({frame}));
  host->UncaughtException(context->Struct(), exception.Get(), trace.Get());
}

duk_int_t ProtectedCallMethod(duk_context* ctx, duk_idx_t nargs) {
  TContext* context = nullptr;
  for (auto& [id, c] : LiveContexts())
    if (c->FThread == ctx) context = c;
  if (context) {
    context->AddRef();
    ++context->FRunDepth;
  }
  Engine().lastThrowLine = 0;
  duk_int_t rc = duk_pcall_method(ctx, nargs);
  if (context) {
    // A context released while its script ran lets go of its thread only now.
    // The caller still reads the result from the thread, so the slots go later.
    if (--context->FRunDepth == 0 && !context->FValid) context->DropStashes(true);
    context->Release();
  }
  return rc;
}

// ---- Native calls

int InvokeHandler(duk_context* ctx, cef_v8handler_t* handler, const std::wstring& name,
                  duk_idx_t thisIdx, duk_idx_t firstArg, duk_idx_t count) {
  try {
    if (!duk_check_stack(ctx, 8)) {
      duk_push_string(ctx, "too many arguments");
      return -1;
    }
    thisIdx = duk_normalize_index(ctx, thisIdx);
    firstArg = count > 0 ? duk_normalize_index(ctx, firstArg) : 0;
    TContext* owner = CurrentContext();
    if (duk_is_null_or_undefined(ctx, thisIdx)) {
      // A plain call: the receiver is the global object, as sloppy script sees it.
      duk_push_global_object(ctx);
      duk_replace(ctx, thisIdx);
    }
    std::vector<cef_v8value_t*> args(static_cast<size_t>(count));
    for (duk_idx_t i = 0; i < count; ++i) args[i] = TValue::FromStack(ctx, firstArg + i, owner);
    cef_v8value_t* object = TValue::FromStack(ctx, thisIdx, owner);
    cef_string_t nameView = ViewOf(name);
    cef_v8value_t* retval = nullptr;
    cef_string_t exception{};
    int handled = 0;
    if (STANDIN_HAS(handler, execute)) {
      TRunningScope running(ctx);
      try {
        handled = handler->execute(handler, &nameView, object, args.size(), args.data(),
                                   &retval, &exception);
      } catch (...) {
      }
    } else {
      for (cef_v8value_t* a : args) a->base.release(&a->base);
      object->base.release(&object->base);
    }
    TCRef<cef_v8value_t> result = TCRef<cef_v8value_t>::Adopt(retval);
    return PushHandlerOutcome(ctx, exception, handled ? result.Get() : nullptr);
  } catch (...) {
    duk_push_string(ctx, "native call failed");
    return -1;
  }
}

int PushHandlerOutcome(duk_context* ctx, cef_string_t& exception, cef_v8value_t* result) {
  TEngine& e = Engine();
  if (e.pendingThrow) {
    e.pendingThrow = false;
    cef_string_utf16_clear(&exception);
    duk_push_heap_stash(ctx);
    duk_get_prop_string(ctx, -1, "pending");
    duk_del_prop_string(ctx, -2, "pending");
    duk_remove(ctx, -2);
    return -2;
  }
  if (exception.length > 0) {
    std::wstring text(exception.str, exception.length);
    cef_string_utf16_clear(&exception);
    PushWString(ctx, text);
    return -1;
  }
  cef_string_utf16_clear(&exception);
  if (TValue* value = TValue::From(result))
    value->Push(ctx);
  else
    duk_push_undefined(ctx);
  return 1;
}

duk_ret_t FinishNative(duk_context* ctx, int result) {
  if (result == -1) {
    // No file and line: Duktape takes the position of the calling script.
    duk_push_error_object_raw(ctx, DUK_ERR_ERROR, nullptr, 0, "%s", duk_get_string(ctx, -1));
    duk_throw(ctx);
  }
  if (result == -2) duk_throw(ctx);
  return 1;
}

namespace {

int InvokeFunctionHandler(duk_context* ctx, duk_idx_t argc) {
  // [args..., this, function]
  const TObjectInfo* info = FunctionInfo(ctx, -1);
  if (!info || !info->handler) {
    duk_push_undefined(ctx);
    return 1;
  }
  TCRef<cef_v8handler_t> handler = TCRef<cef_v8handler_t>::Share(info->handler);
  std::wstring name = info->functionName;
  return InvokeHandler(ctx, handler.Get(), name, argc, 0, argc);
}

int InvokeExtension(duk_context* ctx) {
  // (index, name, this, arguments)
  duk_set_top(ctx, 4);
  // A plain copy of the arguments object, made protected: page script can call this with
  // anything, and nothing may throw past the C++ frames here.
  duk_dup(ctx, 3);
  auto copy = [](duk_context* c) -> duk_ret_t {
    duk_push_array(c);
    duk_size_t n = duk_is_object(c, 0) ? duk_get_length(c, 0) : 0;
    if (n > 10000) n = 10000;
    for (duk_size_t i = 0; i < n; ++i) {
      duk_get_prop_index(c, 0, static_cast<duk_uarridx_t>(i));
      duk_put_prop_index(c, 1, static_cast<duk_uarridx_t>(i));
    }
    return 1;
  };
  if (SafeRun(ctx, 1, copy) != DUK_EXEC_SUCCESS) return -2;  // rethrows the error in place
  duk_replace(ctx, 3);
  duk_size_t argc = duk_get_length(ctx, 3);
  if (!duk_check_stack(ctx, static_cast<duk_idx_t>(argc) + 8)) {
    duk_push_string(ctx, "too many arguments");
    return -1;
  }
  for (duk_size_t i = 0; i < argc; ++i) duk_get_prop_index(ctx, 3, static_cast<duk_uarridx_t>(i));
  int index = duk_get_int(ctx, 0);
  TCRef<cef_v8handler_t> handler = TCRef<cef_v8handler_t>::Adopt(ExtensionHandler(index));
  std::wstring name = GetWString(ctx, 1);
  if (!handler) {
    duk_push_undefined(ctx);
    return 1;
  }
  return InvokeHandler(ctx, handler.Get(), name, 2, 4, static_cast<duk_idx_t>(argc));
}

}  // namespace

duk_ret_t NativeFunctionCall(duk_context* ctx) {
  duk_idx_t argc = duk_get_top(ctx);
  duk_push_this(ctx);
  duk_push_current_function(ctx);
  return FinishNative(ctx, InvokeFunctionHandler(ctx, argc));
}

duk_ret_t NativeExtensionCall(duk_context* ctx) { return FinishNative(ctx, InvokeExtension(ctx)); }

}  // namespace standin::script
