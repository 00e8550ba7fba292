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

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsUndefined() override { return Call<&C::is_undefined>(); }
  bool IsNull() override { return Call<&C::is_null>(); }
  bool IsBool() override { return Call<&C::is_bool>(); }
  bool IsInt() override { return Call<&C::is_int>(); }
  bool IsUint() override { return Call<&C::is_uint>(); }
  bool IsDouble() override { return Call<&C::is_double>(); }
  bool IsDate() override { return Call<&C::is_date>(); }
  bool IsString() override { return Call<&C::is_string>(); }
  bool IsObject() override { return Call<&C::is_object>(); }
  bool IsArray() override { return Call<&C::is_array>(); }
  bool IsFunction() override { return Call<&C::is_function>(); }
  bool IsSame(const rtl::TRef<ICefv8Value>& that) override { return Call<&C::is_same>(that); }
  bool GetBoolValue() override { return Call<&C::get_bool_value>(); }
  int32_t GetIntValue() override { return Call<&C::get_int_value>(); }
  uint32_t GetUintValue() override { return Call<&C::get_uint_value>(); }
  double GetDoubleValue() override { return Call<&C::get_double_value>(); }
  cef_time_t GetDateValue() override { return Call<&C::get_date_value>(); }
  std::wstring GetStringValue() override { return Call<&C::get_string_value>(); }
  bool IsUserCreated() override { return Call<&C::is_user_created>(); }
  bool HasException() override { return Call<&C::has_exception>(); }
  rtl::TRef<ICefV8Exception> GetException() override { return Call<&C::get_exception>(); }
  bool ClearException() override { return Call<&C::clear_exception>(); }
  bool WillRethrowExceptions() override { return Call<&C::will_rethrow_exceptions>(); }
  bool SetRethrowExceptions(bool rethrow) override { return Call<&C::set_rethrow_exceptions>(rethrow); }
  bool HasValueBykey(const std::wstring& key) override { return Call<&C::has_value_bykey>(key); }
  bool HasValueByindex(int index) override { return Call<&C::has_value_byindex>(index); }
  bool DeleteValueBykey(const std::wstring& key) override { return Call<&C::delete_value_bykey>(key); }
  bool DeleteValueByindex(int index) override { return Call<&C::delete_value_byindex>(index); }
  rtl::TRef<ICefv8Value> GetValueBykey(const std::wstring& key) override {
    return Call<&C::get_value_bykey>(key);
  }
  rtl::TRef<ICefv8Value> GetValueByindex(int index) override { return Call<&C::get_value_byindex>(index); }
  bool SetValueBykey(const std::wstring& key, const rtl::TRef<ICefv8Value>& value,
      cef_v8_propertyattribute_t attribute) override {
    return Call<&C::set_value_bykey>(key, value, attribute);
  }
  bool SetValueByindex(int index, const rtl::TRef<ICefv8Value>& value) override {
    return Call<&C::set_value_byindex>(index, value);
  }
  bool SetValueByaccessor(const std::wstring& key, cef_v8_accesscontrol_t settings,
      cef_v8_propertyattribute_t attribute) override {
    return Call<&C::set_value_byaccessor>(key, settings, attribute);
  }
  bool GetKeys(std::vector<std::wstring>& keys) override { return Call<&C::get_keys>(keys); }
  bool SetUserData(cef_base_t* user_data) override { return Call<&C::set_user_data>(user_data); }
  cef_base_t* GetUserData() override { return Call<&C::get_user_data>(); }
  int GetExternallyAllocatedMemory() override { return Call<&C::get_externally_allocated_memory>(); }
  int AdjustExternallyAllocatedMemory(int change_in_bytes) override {
    return Call<&C::adjust_externally_allocated_memory>(change_in_bytes);
  }
  int GetArrayLength() override { return Call<&C::get_array_length>(); }
  std::wstring GetFunctionName() override { return Call<&C::get_function_name>(); }
  rtl::TRef<ICefv8Handler> GetFunctionHandler() override { return Call<&C::get_function_handler>(); }
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

  rtl::TRef<ICefTaskRunner> GetTaskRunner() override { return Call<&C::get_task_runner>(); }
  bool IsValid() override { return Call<&C::is_valid>(); }
  rtl::TRef<ICefBrowser> GetBrowser() override { return Call<&C::get_browser>(); }
  rtl::TRef<ICefFrame> GetFrame() override { return Call<&C::get_frame>(); }
  rtl::TRef<ICefv8Value> GetGlobal() override { return Call<&C::get_global>(); }
  bool Enter() override { return Call<&C::enter>(); }
  bool Exit() override { return Call<&C::exit>(); }
  bool IsSame(const rtl::TRef<ICefv8Context>& that) override { return Call<&C::is_same>(that); }
  bool Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
      rtl::TRef<ICefV8Exception>& exception) override {
    return Call<&C::eval>(code, retval, exception);
  }
};

class TCefV8StackFrameRef : public TCefRef<cef_v8stack_frame_t, ICefV8StackFrame> {
public:
  using TCefRef::TCefRef;
  bool IsValid() override { return Call<&C::is_valid>(); }
  std::wstring GetScriptName() override { return Call<&C::get_script_name>(); }
  std::wstring GetScriptNameOrSourceUrl() override { return Call<&C::get_script_name_or_source_url>(); }
  std::wstring GetFunctionName() override { return Call<&C::get_function_name>(); }
  int GetLineNumber() override { return Call<&C::get_line_number>(); }
  int GetColumn() override { return Call<&C::get_column>(); }
  bool IsEval() override { return Call<&C::is_eval>(); }
  bool IsConstructor() override { return Call<&C::is_constructor>(); }
};

class TCefV8StackTraceRef : public TCefRef<cef_v8stack_trace_t, ICefV8StackTrace> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefV8StackTrace> Current(int frameLimit) {
    return CallExport(CefApi.cef_v8stack_trace_get_current, frameLimit);
  }

  bool IsValid() override { return Call<&C::is_valid>(); }
  int GetFrameCount() override { return Call<&C::get_frame_count>(); }
  rtl::TRef<ICefV8StackFrame> GetFrame(int index) override { return Call<&C::get_frame>(index); }
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
  std::wstring GetMessage() override { return Call<&C::get_message>(); }
  std::wstring GetSourceLine() override { return Call<&C::get_source_line>(); }
  std::wstring GetScriptResourceName() override { return Call<&C::get_script_resource_name>(); }
  int GetLineNumber() override { return Call<&C::get_line_number>(); }
  int GetStartPosition() override { return Call<&C::get_start_position>(); }
  int GetEndPosition() override { return Call<&C::get_end_position>(); }
  int GetStartColumn() override { return Call<&C::get_start_column>(); }
  int GetEndColumn() override { return Call<&C::get_end_column>(); }
};
