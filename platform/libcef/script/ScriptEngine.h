#pragma once
// Internals of the script layer: the per-thread Duktape heap, the runtime structures for
// contexts, values, exceptions and stack traces, and the conversions between them.
//
// Duktape reports errors by longjmp, which skips C++ destructors: every Duktape call that can
// throw runs inside duk_safe_call, in a frame that holds no object with a destructor, and native
// functions called by script throw only from frames without such objects.
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/libcef/Cef.Common.h"
#include "platform/libcef/script/ScriptBlockPool.h"
#include "platform/libcef/script/ScriptHost.h"
#include "duktape.h"

namespace standin::script {

class TContext;

// ---- Strings: the layer's text is UTF-16; Duktape keeps CESU-8 internally.
std::string ToCesu(const wchar_t* s, size_t n);
inline std::string ToCesu(const std::wstring& s) { return ToCesu(s.data(), s.size()); }
inline std::string ToCesu(const cef_string_t* s) {
  return s && s->str ? ToCesu(reinterpret_cast<const wchar_t*>(s->str), s->length) : std::string();
}
std::wstring FromCesu(const char* s, size_t n);
// The string at `idx` (no coercion: non-strings give empty text).
std::wstring GetWString(duk_context* ctx, duk_idx_t idx);
void PushWString(duk_context* ctx, const std::wstring& s);

// Parses window.open's features text (pure).
TWindowFeatures ParseWindowFeatures(const std::wstring& text);

// ---- The heap of this render thread.
struct TEngine {
  TBlockPool blocks;            // the heap's memory
  duk_context* heap = nullptr;  // the heap's first thread; used when no script runs
  DWORD thread = 0;             // the render thread (0 before the first context)
  uint32_t generation = 0;      // bumped per heap, so values of a destroyed heap turn invalid
  uint32_t nextStashKey = 1;
  std::vector<uint32_t> freeStashKeys;  // slots given back, taken first so that the slots stay dense
  void* stashSlots = nullptr;           // the array of the slots (kept by the heap stash)
  void* infoFinalizer = nullptr;        // the one finalizer of objects with info (kept by the heap stash)
  // The keys every native function gets, interned once (kept by the heap stash): pushed by
  // pointer they cost no hashing and string-table search per function.
  void* nameKey = nullptr;
  void* functionKey = nullptr;
  // The info objects of native functions by handler and name (see PushNativeFunction).
  struct TFunctionKeyLess {
    using is_transparent = void;
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
      if (a.first != b.first) return std::less<>()(a.first, b.first);
      return std::wstring_view(a.second) < std::wstring_view(b.second);
    }
  };
  struct TFunctionInfoSlot {
    uint32_t slot;      // of the info object in the stash
    uint32_t nameSlot;  // of the name, an interned string, in the stash
    void* name;
  };
  std::map<std::pair<cef_v8handler_t*, std::wstring>, TFunctionInfoSlot, TFunctionKeyLess> functionInfos;
  int nextContextId = 1;
  std::map<int, TContext*> contexts;    // live contexts by id (weak)
  std::vector<TContext*> entered;       // enter/exit and running script; each holds a reference
  std::vector<duk_context*> running;    // threads inside a native call, innermost last
  int nativeDepth = 0;
  bool pendingThrow = false;            // a rethrown exception waits in the stash ("pending")
  int lastThrowLine = 0;                // where the last non-error value was thrown
  std::wstring lastThrowFile;
  std::mutex releaseLock;
  std::vector<uint32_t> deferredReleases;  // stash keys released on other threads
  std::vector<int> deferredContexts;       // contexts destroyed on other threads
  // Set after either list grows: the render thread's many calls take the lock only then.
  std::atomic<bool> deferredPending{false};
};
TEngine& Engine();
// The live contexts, without those destroyed on other threads meanwhile.
std::map<int, TContext*>& LiveContexts();
// True on the render thread while the heap exists (or before any heap: primitives only).
bool OnScriptThread();
bool HeapAlive();
// The thread to run Duktape calls on now: the innermost running native call, else the heap's.
duk_context* CurrentDuk();
void FlushDeferredReleases();

// Marks `ctx` as the thread running a native call for the scope, so calls back into the layer
// made meanwhile use it.
class TRunningScope {
public:
  explicit TRunningScope(duk_context* ctx);
  ~TRunningScope();
  TRunningScope(const TRunningScope&) = delete;
  TRunningScope& operator=(const TRunningScope&) = delete;
};

// Runs fn(c, udata) as a protected call whose arguments are the `nargs` values on the stack
// top (index 0 onwards in its frame); its one result (undefined when it returns 0) replaces
// them. Returns DUK_EXEC_SUCCESS, or DUK_EXEC_ERROR with the error in place of the result.
duk_int_t ProtectedRun(duk_context* ctx, duk_idx_t nargs, duk_ret_t (*fn)(duk_context*, void*),
                       void* udata);
template <class F>
duk_int_t SafeRun(duk_context* ctx, duk_idx_t nargs, F& body) {
  return ProtectedRun(
      ctx, nargs, [](duk_context* c, void* u) -> duk_ret_t { return (*static_cast<F*>(u))(c); },
      &body);
}

// Stash slots keep Duktape objects alive for the C side: the elements of one array, whose
// indices are reused, so that a slot costs no property name of its own.
void InstallStash(duk_context* ctx);  // on a new heap
uint32_t StashPut(duk_context* ctx, duk_idx_t idx);  // 0 on failure
void StashPush(duk_context* ctx, uint32_t key);
void StashDrop(uint32_t key);

// Extra data of an object the C side touched: user data, accessor, native handler.
struct TObjectInfo {
  cef_base_t* userData = nullptr;
  cef_v8accessor_t* accessor = nullptr;
  cef_v8handler_t* handler = nullptr;
  std::wstring functionName;
  bool userCreated = false;
  int externalMemory = 0;
};
// The object's info; null when it has none and `create` is false.
TObjectInfo* ObjectInfo(duk_context* ctx, duk_idx_t idx, bool create);
// Pushes a new function that calls `handler` (the caller keeps its reference) as `name`. Its
// handler and name are the info of a hidden object shared by the functions made with the same
// pair: a function costs no info and no finalizer of its own (a page builds many per call).
void PushNativeFunction(duk_context* ctx, cef_v8handler_t* handler, std::wstring_view name);
// The handler and name of a function PushNativeFunction made; null for any other value.
const TObjectInfo* FunctionInfo(duk_context* ctx, duk_idx_t idx);

// Registered extensions (process-wide, any thread).
struct TExtension {
  std::wstring name;
  std::string code;  // rewritten, CESU-8
  std::wstring original;
  cef_v8handler_t* handler = nullptr;
};
std::vector<TExtension> ExtensionsSnapshot();
cef_v8handler_t* ExtensionHandler(int index);  // with an added reference, or null
// `native function NAME();` becomes a script function that calls the extension's handler.
std::wstring RewriteNativeDeclarations(const std::wstring& code, int extensionIndex);

// ---- Values
enum class TKind { Undefined, Null, Bool, Int, UInt, Double, Date, String, Object };

class TValue : public TCefObject<TValue, cef_v8value_t> {
public:
  TValue();
  ~TValue();
  // Values come and go by the dozen per call of a native function (every read of a published
  // global builds an object of fresh functions): their storage is reused.
  static void* operator new(size_t size);
  static void operator delete(void* p);
  static cef_v8value_t* NewPrimitive(TKind kind);
  static cef_v8value_t* NewBool(bool v);
  static cef_v8value_t* NewInt(int32_t v);
  static cef_v8value_t* NewUInt(uint32_t v);
  static cef_v8value_t* NewDouble(double v);
  static cef_v8value_t* NewDate(double msSinceEpoch);
  static cef_v8value_t* NewString(const std::wstring& s);
  // The value at `idx` of `ctx`; objects are kept in the stash. Safe (never throws into Duktape).
  static cef_v8value_t* FromStack(duk_context* ctx, duk_idx_t idx, TContext* owner);
  // Pushes the value; an invalid one pushes undefined. Can throw only on memory exhaustion.
  void Push(duk_context* ctx) const;
  bool Valid() const;

  TKind FKind = TKind::Undefined;
  bool FBool = false;
  int32_t FInt = 0;
  uint32_t FUInt = 0;
  double FDouble = 0;  // also the date, in ms since 1970 UTC
  std::wstring FString;
  uint32_t FStash = 0;       // objects
  void* FHeapPtr = nullptr;  // objects: identity
  bool FIsArray = false, FIsFunction = false;
  uint32_t FGeneration = 0;
  TCRef<cef_v8context_t> FContext;  // objects: the context they came from
  // Exceptions of execute_function on this (function) value.
  TCRef<cef_v8exception_t> FException;
  bool FRethrow = false;
};

// ---- Exceptions and stack traces (snapshots)
struct TErrorInfo {
  std::wstring message, sourceLine, resourceName;
  int line = 0, startPosition = 0, endPosition = 0, startColumn = 0, endColumn = 0;
};
class TException : public TCefObject<TException, cef_v8exception_t> {
public:
  explicit TException(TErrorInfo info);
  TErrorInfo FInfo;
};
// Describes the thrown value at the stack top (left in place); `context` supplies source lines.
TErrorInfo DescribeError(duk_context* ctx, TContext* context);

struct TFrameInfo {
  std::wstring scriptName, functionName;
  int line = 0, column = 0;
  bool isEval = false, isConstructor = false;
};
cef_v8stack_trace_t* NewStackTrace(std::vector<TFrameInfo> frames);
// The script frames of the current call stack, innermost first.
std::vector<TFrameInfo> CurrentFrames(duk_context* ctx, int limit);

// ---- Contexts
class TContext : public TCefObject<TContext, cef_v8context_t> {
public:
  explicit TContext(IScriptHost* host);
  ~TContext();
  static TContext* FromId(int id);  // live context or null
  bool Valid() const { return FValid && FGeneration == Engine().generation && HeapAlive(); }
  // The Duktape thread of this context, or null when it cannot run now (invalid, or running
  // further out in the native-call chain).
  duk_context* Duk() const;
  void Invalidate();
  // Lets go of the thread and helper objects; `later` defers it to the next outer call.
  void DropStashes(bool later = false);
  void RememberSource(const std::wstring& url, int startLine, const std::wstring& code);
  std::wstring SourceLine(const std::wstring& url, int line, int* lineStart) const;

  int FId = 0;
  IScriptHost* FHost = nullptr;
  duk_context* FThread = nullptr;
  uint32_t FThreadStash = 0;  // keeps the thread alive
  uint32_t FPageStash = 0;    // the page helper object returned by the bootstrap
  uint32_t FGlobalStash = 0;
  void* FGlobal = nullptr;
  uint32_t FGeneration = 0;
  bool FValid = false;
  int FRunDepth = 0;
  struct TSource {
    std::wstring url, code;
    int startLine = 1;
  };
  std::vector<TSource> FSources;  // bounded
};

// Marks `context` current for the scope (the entered stack).
class TContextScope {
public:
  explicit TContextScope(TContext* context);
  ~TContextScope();
  TContextScope(const TContextScope&) = delete;
  TContextScope& operator=(const TContextScope&) = delete;

private:
  TContext* FContext;
};
TContext* CurrentContext();  // borrowed; null outside any context

// Reports an uncaught exception (at the stack top of `ctx`, left there) to the context's host.
void ReportUncaught(duk_context* ctx, TContext* context);

// Calls the function at the stack top - 1 - nargs with `this` at top - nargs ... as
// duk_pcall_method does, tracking the running thread. Returns DUK_EXEC_SUCCESS or DUK_EXEC_ERROR
// with the result or the error in place.
duk_int_t ProtectedCallMethod(duk_context* ctx, duk_idx_t nargs);

// The file name of the layer's own script (bootstrap), left out of stack traces.
extern const char* const kInternalFile;

// ---- Page facilities (ScriptPage.cpp)
// Runs the bootstrap in a fresh context: global helpers, window, document, console, timers,
// dialogs. Leaves nothing on the stack; false on failure.
bool InstallPage(duk_context* ctx, TContext* context);
// The live context whose thread `ctx` is, or null.
TContext* ContextOf(duk_context* ctx);
// A native's body with its context and host; natives never throw into Duktape: they only read
// their (script-converted) arguments and push plain results, so C++ objects in their frames
// are safe.
template <class F>
duk_ret_t HostNative(duk_context* ctx, F&& body) {
  try {
    TContext* c = ContextOf(ctx);
    if (!c || !c->FHost) return 0;
    return body(c, c->FHost);
  } catch (...) {
    return 0;
  }
}
// Native called by extension code: __nativeCall(index, name, this, arguments).
duk_ret_t NativeExtensionCall(duk_context* ctx);
// The trampoline of functions created by cef_v8value_create_function.
duk_ret_t NativeFunctionCall(duk_context* ctx);

// Runs body(c) protected, with the value pushed at index 0 of its frame; the body leaves one
// result. On success the result sits on the stack top of `ctx` (the caller pops it); on failure
// the value records the exception (and hands it on for rethrow when asked) and false returns.
bool ObjectCall(TValue* value, duk_context*& ctx, duk_ret_t (*body)(duk_context*, void*),
                void* udata);
// Records the error at the stack top (popping it) as the value's exception.
void RecordException(duk_context* ctx, TValue* value);

// ---- The document tree (ScriptDom.cpp)
// Pushes the function that builds a context's document (see ScriptDom.js.h); false on failure.
bool PushDomInstaller(duk_context* ctx);
// Natives of the tree: parse(html, fragment) -> nested arrays, html() -> the document's text,
// changed() -> the host hears the document changed, resolve(url) -> an absolute URL.
duk_ret_t NativeParseHtml(duk_context* ctx);
duk_ret_t NativeDocumentHtml(duk_context* ctx);
duk_ret_t NativeDocumentChanged(duk_context* ctx);
duk_ret_t NativeResolveUrl(duk_context* ctx);
// Calls helper.<name>(args...) of the context's page helper, or helper.<object>.<name>(...);
// leaves the result on the stack of *out (the caller pops it). An exception is reported as
// uncaught; false then.
bool CallPageHelper(TContext* c, const char* name, const std::function<int(duk_context*)>& args,
                    duk_context** out, const char* object = nullptr);

// Time conversions between the runtime's UTC record and ms since 1970.
double TimeToMs(const cef_time_t& t);
cef_time_t MsToTime(double ms);

// Calls a handler: builds the argument values, runs `execute`, and leaves on the stack top the
// return value (returns 1), the exception message (returns -1), or the pending rethrown error
// (returns -2). The receiver is at `thisIdx`, the arguments at `firstArg`..+count.
int InvokeHandler(duk_context* ctx, cef_v8handler_t* handler, const std::wstring& name,
                  duk_idx_t thisIdx, duk_idx_t firstArg, duk_idx_t count);
// After a native handler or accessor ran: pushes the error it rethrew, its exception text, or
// `result` (undefined when null), and returns InvokeHandler's code for it. Clears `exception`.
int PushHandlerOutcome(duk_context* ctx, cef_string_t& exception, cef_v8value_t* result);
// Ends a native call from InvokeHandler's result; never returns for errors.
duk_ret_t FinishNative(duk_context* ctx, int result);

}  // namespace standin::script
