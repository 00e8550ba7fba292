#pragma once
// Ref classes. Script values: value, context, stack trace and frame, exception, function handler.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefv8ValueRef : public TCefRef<cef_v8value_t, ICefv8Value> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefv8Value> NewUndefined() {
    return CallExport(CefApi.cef_v8value_create_undefined);
  }
  static rtl::TRef<ICefv8Value> NewNull() { return CallExport(CefApi.cef_v8value_create_null); }
  static rtl::TRef<ICefv8Value> NewBool(bool value) {
    return CallExport(CefApi.cef_v8value_create_bool, value);
  }
  static rtl::TRef<ICefv8Value> NewInt(int32_t value) {
    return CallExport(CefApi.cef_v8value_create_int, value);
  }
  static rtl::TRef<ICefv8Value> NewUInt(uint32_t value) {
    return CallExport(CefApi.cef_v8value_create_uint, value);
  }
  static rtl::TRef<ICefv8Value> NewDouble(double value) {
    return CallExport(CefApi.cef_v8value_create_double, value);
  }
  static rtl::TRef<ICefv8Value> NewDate(const TCefTime& value) {
    return CallExport(CefApi.cef_v8value_create_date, value);
  }
  static rtl::TRef<ICefv8Value> NewString(const std::wstring& value) {
    return CallExport(CefApi.cef_v8value_create_string, value);
  }
  static rtl::TRef<ICefv8Value> NewObject(const rtl::TRef<ICefV8Accessor>& accessor) {
    return CallExport(CefApi.cef_v8value_create_object, accessor);
  }
  static rtl::TRef<ICefv8Value> NewObjectProc(const TCefV8AccessorGetterProc& getter,
      const TCefV8AccessorSetterProc& setter);
  static rtl::TRef<ICefv8Value> NewArray(int32_t len) {
    return CallExport(CefApi.cef_v8value_create_array, len);
  }
  static rtl::TRef<ICefv8Value> NewFunction(const std::wstring& name,
      const rtl::TRef<ICefv8Handler>& handler) {
    return CallExport(CefApi.cef_v8value_create_function, name, handler);
  }

  VORAD_CEF3_V8VALUE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
  rtl::TRef<ICefv8Value> ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments) override;
  rtl::TRef<ICefv8Value> ExecuteFunctionWithContext(const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefv8Value>& object, const TCefv8ValueArray& arguments) override;
};

class TCefv8ContextRef : public TCefRef<cef_v8context_t, ICefv8Context> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefv8Context> Current() {
    return CallExport(CefApi.cef_v8context_get_current_context);
  }
  static rtl::TRef<ICefv8Context> Entered() {
    return CallExport(CefApi.cef_v8context_get_entered_context);
  }

  VORAD_CEF3_V8CONTEXT_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefV8StackFrameRef : public TCefRef<cef_v8stack_frame_t, ICefV8StackFrame> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_V8STACK_FRAME_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefV8StackTraceRef : public TCefRef<cef_v8stack_trace_t, ICefV8StackTrace> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefV8StackTrace> Current(int frameLimit) {
    return CallExport(CefApi.cef_v8stack_trace_get_current, frameLimit);
  }

  VORAD_CEF3_V8STACK_TRACE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefv8HandlerRef : public TCefRef<cef_v8handler_t, ICefv8Handler> {
public:
  using TCefRef::TCefRef;
  bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) override;
};

class TCefV8ExceptionRef : public TCefRef<cef_v8exception_t, ICefV8Exception> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_V8EXCEPTION_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};
