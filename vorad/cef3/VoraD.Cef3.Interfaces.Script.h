#pragma once
// Interfaces over the runtime structures: script values, contexts, stacks, exceptions, handlers.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_v8value_t: runtime object.
#define VORAD_CEF3_V8VALUE_OPS(X, W)                                                              \
  X(bool, IsValid, (), is_valid, ())                                                              \
  X(bool, IsUndefined, (), is_undefined, ())                                                      \
  X(bool, IsNull, (), is_null, ())                                                                \
  X(bool, IsBool, (), is_bool, ())                                                                \
  X(bool, IsInt, (), is_int, ())                                                                  \
  X(bool, IsUint, (), is_uint, ())                                                                \
  X(bool, IsDouble, (), is_double, ())                                                            \
  X(bool, IsDate, (), is_date, ())                                                                \
  X(bool, IsString, (), is_string, ())                                                            \
  X(bool, IsObject, (), is_object, ())                                                            \
  X(bool, IsArray, (), is_array, ())                                                              \
  X(bool, IsFunction, (), is_function, ())                                                        \
  X(bool, IsSame, (const rtl::TRef<ICefv8Value>& that), is_same, (that))                          \
  X(bool, GetBoolValue, (), get_bool_value, ())                                                   \
  X(int32_t, GetIntValue, (), get_int_value, ())                                                  \
  X(uint32_t, GetUintValue, (), get_uint_value, ())                                               \
  X(double, GetDoubleValue, (), get_double_value, ())                                             \
  X(cef_time_t, GetDateValue, (), get_date_value, ())                                             \
  X(std::wstring, GetStringValue, (), get_string_value, ())                                       \
  X(bool, IsUserCreated, (), is_user_created, ())                                                 \
  X(bool, HasException, (), has_exception, ())                                                    \
  X(rtl::TRef<ICefV8Exception>, GetException, (), get_exception, ())                              \
  X(bool, ClearException, (), clear_exception, ())                                                \
  X(bool, WillRethrowExceptions, (), will_rethrow_exceptions, ())                                 \
  X(bool, SetRethrowExceptions, (bool rethrow), set_rethrow_exceptions, (rethrow))                \
  X(bool, HasValueBykey, (const std::wstring& key), has_value_bykey, (key))                       \
  X(bool, HasValueByindex, (int index), has_value_byindex, (index))                               \
  X(bool, DeleteValueBykey, (const std::wstring& key), delete_value_bykey, (key))                 \
  X(bool, DeleteValueByindex, (int index), delete_value_byindex, (index))                         \
  X(rtl::TRef<ICefv8Value>, GetValueBykey, (const std::wstring& key), get_value_bykey, (key))     \
  X(rtl::TRef<ICefv8Value>, GetValueByindex, (int index), get_value_byindex, (index))             \
  X(bool, SetValueBykey, (const std::wstring& key, const rtl::TRef<ICefv8Value>& value,           \
      cef_v8_propertyattribute_t attribute), set_value_bykey, (key, value, attribute))            \
  X(bool, SetValueByindex, (int index, const rtl::TRef<ICefv8Value>& value),                      \
      set_value_byindex, (index, value))                                                          \
  X(bool, SetValueByaccessor, (const std::wstring& key, cef_v8_accesscontrol_t settings,          \
      cef_v8_propertyattribute_t attribute), set_value_byaccessor, (key, settings, attribute))    \
  X(bool, GetKeys, (std::vector<std::wstring>& keys), get_keys, (keys))                           \
  X(bool, SetUserData, (cef_base_t* user_data), set_user_data, (user_data))                       \
  X(cef_base_t*, GetUserData, (), get_user_data, ())                                              \
  X(int, GetExternallyAllocatedMemory, (), get_externally_allocated_memory, ())                   \
  X(int, AdjustExternallyAllocatedMemory, (int change_in_bytes),                                  \
      adjust_externally_allocated_memory, (change_in_bytes))                                      \
  X(int, GetArrayLength, (), get_array_length, ())                                                \
  X(std::wstring, GetFunctionName, (), get_function_name, ())                                     \
  X(rtl::TRef<ICefv8Handler>, GetFunctionHandler, (), get_function_handler, ())                   \
  W(rtl::TRef<ICefv8Value>, ExecuteFunction, (const rtl::TRef<ICefv8Value>& object,               \
      const TCefv8ValueArray& arguments))                                                         \
  W(rtl::TRef<ICefv8Value>, ExecuteFunctionWithContext, (const rtl::TRef<ICefv8Context>& context, \
      const rtl::TRef<ICefv8Value>& object, const TCefv8ValueArray& arguments))
class ICefv8Value : public virtual ICefBase {
public:
  VORAD_CEF3_V8VALUE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_v8context_t: runtime object.
#define VORAD_CEF3_V8CONTEXT_OPS(X, W)                                         \
  X(rtl::TRef<ICefTaskRunner>, GetTaskRunner, (), get_task_runner, ())         \
  X(bool, IsValid, (), is_valid, ())                                           \
  X(rtl::TRef<ICefBrowser>, GetBrowser, (), get_browser, ())                   \
  X(rtl::TRef<ICefFrame>, GetFrame, (), get_frame, ())                         \
  X(rtl::TRef<ICefv8Value>, GetGlobal, (), get_global, ())                     \
  X(bool, Enter, (), enter, ())                                                \
  X(bool, Exit, (), exit, ())                                                  \
  X(bool, IsSame, (const rtl::TRef<ICefv8Context>& that), is_same, (that))     \
  X(bool, Eval, (const std::wstring& code, rtl::TRef<ICefv8Value>& retval,     \
      rtl::TRef<ICefV8Exception>& exception), eval, (code, retval, exception))
class ICefv8Context : public virtual ICefBase {
public:
  VORAD_CEF3_V8CONTEXT_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_v8stack_frame_t: runtime object.
#define VORAD_CEF3_V8STACK_FRAME_OPS(X, W)                                         \
  X(bool, IsValid, (), is_valid, ())                                               \
  X(std::wstring, GetScriptName, (), get_script_name, ())                          \
  X(std::wstring, GetScriptNameOrSourceUrl, (), get_script_name_or_source_url, ()) \
  X(std::wstring, GetFunctionName, (), get_function_name, ())                      \
  X(int, GetLineNumber, (), get_line_number, ())                                   \
  X(int, GetColumn, (), get_column, ())                                            \
  X(bool, IsEval, (), is_eval, ())                                                 \
  X(bool, IsConstructor, (), is_constructor, ())
class ICefV8StackFrame : public virtual ICefBase {
public:
  VORAD_CEF3_V8STACK_FRAME_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_v8stack_trace_t: runtime object.
#define VORAD_CEF3_V8STACK_TRACE_OPS(X, W)                                  \
  X(bool, IsValid, (), is_valid, ())                                        \
  X(int, GetFrameCount, (), get_frame_count, ())                            \
  X(rtl::TRef<ICefV8StackFrame>, GetFrame, (int index), get_frame, (index))
class ICefV8StackTrace : public virtual ICefBase {
public:
  VORAD_CEF3_V8STACK_TRACE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_v8handler_t: runtime or program object.
class ICefv8Handler : public virtual ICefBase {
public:
  virtual bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) = 0;
};

// cef_v8exception_t: runtime object.
#define VORAD_CEF3_V8EXCEPTION_OPS(X, W)                                   \
  X(std::wstring, GetMessage, (), get_message, ())                         \
  X(std::wstring, GetSourceLine, (), get_source_line, ())                  \
  X(std::wstring, GetScriptResourceName, (), get_script_resource_name, ()) \
  X(int, GetLineNumber, (), get_line_number, ())                           \
  X(int, GetStartPosition, (), get_start_position, ())                     \
  X(int, GetEndPosition, (), get_end_position, ())                         \
  X(int, GetStartColumn, (), get_start_column, ())                         \
  X(int, GetEndColumn, (), get_end_column, ())
class ICefV8Exception : public virtual ICefBase {
public:
  VORAD_CEF3_V8EXCEPTION_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
