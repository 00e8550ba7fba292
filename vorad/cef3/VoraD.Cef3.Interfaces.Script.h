#pragma once
// Interfaces over the runtime structures: script values, contexts, stacks, exceptions, handlers.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_v8value_t: runtime object.
class ICefv8Value : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsUndefined() = 0;
  virtual bool IsNull() = 0;
  virtual bool IsBool() = 0;
  virtual bool IsInt() = 0;
  virtual bool IsUint() = 0;
  virtual bool IsDouble() = 0;
  virtual bool IsDate() = 0;
  virtual bool IsString() = 0;
  virtual bool IsObject() = 0;
  virtual bool IsArray() = 0;
  virtual bool IsFunction() = 0;
  virtual bool IsSame(const rtl::TRef<ICefv8Value>& that) = 0;
  virtual bool GetBoolValue() = 0;
  virtual int32_t GetIntValue() = 0;
  virtual uint32_t GetUintValue() = 0;
  virtual double GetDoubleValue() = 0;
  virtual cef_time_t GetDateValue() = 0;
  virtual std::wstring GetStringValue() = 0;
  virtual bool IsUserCreated() = 0;
  virtual bool HasException() = 0;
  virtual rtl::TRef<ICefV8Exception> GetException() = 0;
  virtual bool ClearException() = 0;
  virtual bool WillRethrowExceptions() = 0;
  virtual bool SetRethrowExceptions(bool rethrow) = 0;
  virtual bool HasValueBykey(const std::wstring& key) = 0;
  virtual bool HasValueByindex(int index) = 0;
  virtual bool DeleteValueBykey(const std::wstring& key) = 0;
  virtual bool DeleteValueByindex(int index) = 0;
  virtual rtl::TRef<ICefv8Value> GetValueBykey(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefv8Value> GetValueByindex(int index) = 0;
  virtual bool SetValueBykey(const std::wstring& key, const rtl::TRef<ICefv8Value>& value,
      cef_v8_propertyattribute_t attribute) = 0;
  virtual bool SetValueByindex(int index, const rtl::TRef<ICefv8Value>& value) = 0;
  virtual bool SetValueByaccessor(const std::wstring& key, cef_v8_accesscontrol_t settings,
      cef_v8_propertyattribute_t attribute) = 0;
  virtual bool GetKeys(std::vector<std::wstring>& keys) = 0;
  virtual bool SetUserData(cef_base_t* user_data) = 0;
  virtual cef_base_t* GetUserData() = 0;
  virtual int GetExternallyAllocatedMemory() = 0;
  virtual int AdjustExternallyAllocatedMemory(int change_in_bytes) = 0;
  virtual int GetArrayLength() = 0;
  virtual std::wstring GetFunctionName() = 0;
  virtual rtl::TRef<ICefv8Handler> GetFunctionHandler() = 0;
  virtual rtl::TRef<ICefv8Value> ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments) = 0;
  virtual rtl::TRef<ICefv8Value> ExecuteFunctionWithContext(const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefv8Value>& object, const TCefv8ValueArray& arguments) = 0;
};

// cef_v8context_t: runtime object.
class ICefv8Context : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefTaskRunner> GetTaskRunner() = 0;
  virtual bool IsValid() = 0;
  virtual rtl::TRef<ICefBrowser> GetBrowser() = 0;
  virtual rtl::TRef<ICefFrame> GetFrame() = 0;
  virtual rtl::TRef<ICefv8Value> GetGlobal() = 0;
  virtual bool Enter() = 0;
  virtual bool Exit() = 0;
  virtual bool IsSame(const rtl::TRef<ICefv8Context>& that) = 0;
  virtual bool Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
      rtl::TRef<ICefV8Exception>& exception) = 0;
};

// cef_v8stack_frame_t: runtime object.
class ICefV8StackFrame : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual std::wstring GetScriptName() = 0;
  virtual std::wstring GetScriptNameOrSourceUrl() = 0;
  virtual std::wstring GetFunctionName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetColumn() = 0;
  virtual bool IsEval() = 0;
  virtual bool IsConstructor() = 0;
};

// cef_v8stack_trace_t: runtime object.
class ICefV8StackTrace : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual int GetFrameCount() = 0;
  virtual rtl::TRef<ICefV8StackFrame> GetFrame(int index) = 0;
};

// cef_v8handler_t: runtime or program object.
class ICefv8Handler : public virtual ICefBase {
public:
  virtual bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) = 0;
};

// cef_v8exception_t: runtime object.
class ICefV8Exception : public virtual ICefBase {
public:
  virtual std::wstring GetMessage() = 0;
  virtual std::wstring GetSourceLine() = 0;
  virtual std::wstring GetScriptResourceName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetStartPosition() = 0;
  virtual int GetEndPosition() = 0;
  virtual int GetStartColumn() = 0;
  virtual int GetEndColumn() = 0;
};
