// Ref operations whose contract the call template does not cover: a list of script values goes
// as a count and an array, two parameters of the entry for one argument of the operation. The
// entry is checked first: with it missing, nothing is handed over and no out-slot is touched.
#include "vorad/cef3/VoraD.Cef3.Ref.Script.h"

#include "vorad/cef3/VoraD.Cef3.Own.App.h"

// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
rtl::TRef<ICefv8Value> UnWrap(cef_v8value_t* data) { return data ? new TCefv8ValueRef(data) : nullptr; }
rtl::TRef<ICefv8Context> UnWrap(cef_v8context_t* data) { return data ? new TCefv8ContextRef(data) : nullptr; }
rtl::TRef<ICefV8StackFrame> UnWrap(cef_v8stack_frame_t* data) {
  return data ? new TCefV8StackFrameRef(data) : nullptr;
}
rtl::TRef<ICefV8StackTrace> UnWrap(cef_v8stack_trace_t* data) {
  return data ? new TCefV8StackTraceRef(data) : nullptr;
}
rtl::TRef<ICefv8Handler> UnWrap(cef_v8handler_t* data) { return data ? new TCefv8HandlerRef(data) : nullptr; }
rtl::TRef<ICefV8Exception> UnWrap(cef_v8exception_t* data) {
  return data ? new TCefV8ExceptionRef(data) : nullptr;
}

namespace {

// Script arguments go as a counted array, each with one added reference for the runtime.
std::vector<cef_v8value_t*> ArgumentArray(const TCefv8ValueArray& arguments) {
  std::vector<cef_v8value_t*> result;
  result.reserve(arguments.size());
  for (const auto& v : arguments)
    result.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v)));
  return result;
}

}  // namespace

// A counted argument array.
rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  if (!Data()->execute_function) return nullptr;
  std::vector<cef_v8value_t*> arguments_ = ArgumentArray(arguments);
  return Call<&C::execute_function>(object, arguments_.size(), arguments_.data());
}

// A counted argument array.
rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunctionWithContext(
    const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  if (!Data()->execute_function_with_context) return nullptr;
  std::vector<cef_v8value_t*> arguments_ = ArgumentArray(arguments);
  return Call<&C::execute_function_with_context>(context, object, arguments_.size(),
                                                 arguments_.data());
}

// A counted argument array.
bool TCefv8HandlerRef::Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval, std::wstring& exception) {
  if (!Data()->execute) return false;
  std::vector<cef_v8value_t*> arguments_ = ArgumentArray(arguments);
  return Call<&C::execute>(name, object, arguments_.size(), arguments_.data(), retval, exception);
}

// ---- factory operations over a callable: its wrapper made here, where the Own classes are known

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewObjectProc(const TCefV8AccessorGetterProc& getter,
                                                     const TCefV8AccessorSetterProc& setter) {
  return NewObject(rtl::TRef<ICefV8Accessor>(new TCefFastV8Accessor(getter, setter)));
}
