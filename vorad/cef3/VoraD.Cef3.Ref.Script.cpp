// Ref operations whose contract the call template does not cover, each with the reason.
#include "vorad/cef3/VoraD.Cef3.Ref.Script.h"

// The arguments go as a counted array, one added reference each.
rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  cef_v8value_t* self_ = Data();
  if (!self_->execute_function) return nullptr;
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  auto result_ = self_->execute_function(self_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data());
  auto converted_ = ::UnWrap(result_);
  return converted_;
}

// The arguments go as a counted array, one added reference each.
rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunctionWithContext(
    const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  cef_v8value_t* self_ = Data();
  if (!self_->execute_function_with_context) return nullptr;
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  auto result_ = self_->execute_function_with_context(self_,
      static_cast<cef_v8context_t*>(TCef3Helper::CefGetData(context.Get())),
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data());
  auto converted_ = ::UnWrap(result_);
  return converted_;
}

// Out-slots: the result and the exception come back as references, each adopted.
bool TCefv8ContextRef::Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
    rtl::TRef<ICefV8Exception>& exception) {
  cef_v8context_t* self_ = Data();
  if (!self_->eval) return false;
  const cef_string_t code_ = TCef3Helper::CefString(code);
  cef_v8value_t* retval_ = nullptr;
  cef_v8exception_t* exception_ = nullptr;
  auto result_ = self_->eval(self_, &code_, &retval_, &exception_);
  retval = ::UnWrap(retval_);
  exception = ::UnWrap(exception_);
  return result_ != 0;
}

// A counted argument array and out-slots for the result (adopted) and the exception text.
bool TCefv8HandlerRef::Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval, std::wstring& exception) {
  cef_v8handler_t* self_ = Data();
  if (!self_->execute) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  cef_v8value_t* retval_ = nullptr;
  cef_string_t exception_{};
  auto result_ = self_->execute(self_, &name_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data(), &retval_, &exception_);
  retval = ::UnWrap(retval_);
  exception = TCef3Helper::CefStringClearAndGet(&exception_);
  return result_ != 0;
}
