#pragma once
// Interfaces over the runtime structures: values, lists, dictionaries, binaries, messages.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_process_message_t: runtime object.
class ICefProcessMessage : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual rtl::TRef<ICefProcessMessage> Copy() = 0;
  virtual std::wstring GetName() = 0;
  virtual rtl::TRef<ICefListValue> GetArgumentList() = 0;
};

// cef_list_value_t: runtime object.
class ICefListValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefListValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefListValue>& that) = 0;
  virtual rtl::TRef<ICefListValue> Copy() = 0;
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(int index) = 0;
  virtual cef_value_type_t GetType(int index) = 0;
  virtual rtl::TRef<ICefValue> GetValue(int index) = 0;
  virtual bool GetBool(int index) = 0;
  virtual int GetInt(int index) = 0;
  virtual double GetDouble(int index) = 0;
  virtual std::wstring GetString(int index) = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary(int index) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary(int index) = 0;
  virtual rtl::TRef<ICefListValue> GetList(int index) = 0;
  virtual bool SetValue(int index, const rtl::TRef<ICefValue>& value) = 0;
  virtual bool SetNull(int index) = 0;
  virtual bool SetBool(int index, int value) = 0;
  virtual bool SetInt(int index, int value) = 0;
  virtual bool SetDouble(int index, double value) = 0;
  virtual bool SetString(int index, const std::wstring& value) = 0;
  virtual bool SetBinary(int index, const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(int index, const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(int index, const rtl::TRef<ICefListValue>& value) = 0;
};

// cef_value_t: runtime object.
class ICefValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefValue>& that) = 0;
  virtual rtl::TRef<ICefValue> Copy() = 0;
  virtual cef_value_type_t GetType() = 0;
  virtual bool GetBool() = 0;
  virtual int GetInt() = 0;
  virtual double GetDouble() = 0;
  virtual std::wstring GetString() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary() = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary() = 0;
  virtual rtl::TRef<ICefListValue> GetList() = 0;
  virtual bool SetNull() = 0;
  virtual bool SetBool(int value) = 0;
  virtual bool SetInt(int value) = 0;
  virtual bool SetDouble(double value) = 0;
  virtual bool SetString(const std::wstring& value) = 0;
  virtual bool SetBinary(const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(const rtl::TRef<ICefListValue>& value) = 0;
};

// cef_binary_value_t: runtime object.
class ICefBinaryValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsSame(const rtl::TRef<ICefBinaryValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefBinaryValue>& that) = 0;
  virtual rtl::TRef<ICefBinaryValue> Copy() = 0;
  virtual size_t GetSize() = 0;
  virtual size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) = 0;
};

// cef_dictionary_value_t: runtime object.
class ICefDictionaryValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefDictionaryValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefDictionaryValue>& that) = 0;
  virtual rtl::TRef<ICefDictionaryValue> Copy(bool exclude_empty_children) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool HasKey(const std::wstring& key) = 0;
  virtual bool GetKeys(std::vector<std::wstring>& keys) = 0;
  virtual bool Remove(const std::wstring& key) = 0;
  virtual cef_value_type_t GetType(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefValue> GetValue(const std::wstring& key) = 0;
  virtual bool GetBool(const std::wstring& key) = 0;
  virtual int GetInt(const std::wstring& key) = 0;
  virtual double GetDouble(const std::wstring& key) = 0;
  virtual std::wstring GetString(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefListValue> GetList(const std::wstring& key) = 0;
  virtual bool SetValue(const std::wstring& key, const rtl::TRef<ICefValue>& value) = 0;
  virtual bool SetNull(const std::wstring& key) = 0;
  virtual bool SetBool(const std::wstring& key, int value) = 0;
  virtual bool SetInt(const std::wstring& key, int value) = 0;
  virtual bool SetDouble(const std::wstring& key, double value) = 0;
  virtual bool SetString(const std::wstring& key, const std::wstring& value) = 0;
  virtual bool SetBinary(const std::wstring& key, const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(const std::wstring& key,
      const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(const std::wstring& key, const rtl::TRef<ICefListValue>& value) = 0;
};
