#pragma once
// Ref classes. Values and lists: value, list, dictionary, binary, process message.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefProcessMessageRef : public TCefRef<cef_process_message_t, ICefProcessMessage> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefProcessMessage> New(const std::wstring& name) {
    return CallExport(CefApi.cef_process_message_create, name);
  }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  rtl::TRef<ICefProcessMessage> Copy() override { return Call<&C::copy>(); }
  std::wstring GetName() override { return Call<&C::get_name>(); }
  rtl::TRef<ICefListValue> GetArgumentList() override { return Call<&C::get_argument_list>(); }
};

class TCefListValueRef : public TCefRef<cef_list_value_t, ICefListValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefListValue> New() { return CallExport(CefApi.cef_list_value_create); }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsOwned() override { return Call<&C::is_owned>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  bool IsSame(const rtl::TRef<ICefListValue>& that) override { return Call<&C::is_same>(that); }
  bool IsEqual(const rtl::TRef<ICefListValue>& that) override { return Call<&C::is_equal>(that); }
  rtl::TRef<ICefListValue> Copy() override { return Call<&C::copy>(); }
  bool SetSize(size_t size) override { return Call<&C::set_size>(size); }
  size_t GetSize() override { return Call<&C::get_size>(); }
  bool Clear() override { return Call<&C::clear>(); }
  bool Remove(int index) override { return Call<&C::remove>(index); }
  cef_value_type_t GetType(int index) override { return Call<&C::get_type>(index); }
  rtl::TRef<ICefValue> GetValue(int index) override { return Call<&C::get_value>(index); }
  bool GetBool(int index) override { return Call<&C::get_bool>(index); }
  int GetInt(int index) override { return Call<&C::get_int>(index); }
  double GetDouble(int index) override { return Call<&C::get_double>(index); }
  std::wstring GetString(int index) override { return Call<&C::get_string>(index); }
  rtl::TRef<ICefBinaryValue> GetBinary(int index) override { return Call<&C::get_binary>(index); }
  rtl::TRef<ICefDictionaryValue> GetDictionary(int index) override { return Call<&C::get_dictionary>(index); }
  rtl::TRef<ICefListValue> GetList(int index) override { return Call<&C::get_list>(index); }
  bool SetValue(int index, const rtl::TRef<ICefValue>& value) override {
    return Call<&C::set_value>(index, value);
  }
  bool SetNull(int index) override { return Call<&C::set_null>(index); }
  bool SetBool(int index, int value) override { return Call<&C::set_bool>(index, value); }
  bool SetInt(int index, int value) override { return Call<&C::set_int>(index, value); }
  bool SetDouble(int index, double value) override { return Call<&C::set_double>(index, value); }
  bool SetString(int index, const std::wstring& value) override { return Call<&C::set_string>(index, value); }
  bool SetBinary(int index, const rtl::TRef<ICefBinaryValue>& value) override {
    return Call<&C::set_binary>(index, value);
  }
  bool SetDictionary(int index, const rtl::TRef<ICefDictionaryValue>& value) override {
    return Call<&C::set_dictionary>(index, value);
  }
  bool SetList(int index, const rtl::TRef<ICefListValue>& value) override {
    return Call<&C::set_list>(index, value);
  }
};

class TCefValueRef : public TCefRef<cef_value_t, ICefValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefValue> New() { return CallExport(CefApi.cef_value_create); }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsOwned() override { return Call<&C::is_owned>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  bool IsSame(const rtl::TRef<ICefValue>& that) override { return Call<&C::is_same>(that); }
  bool IsEqual(const rtl::TRef<ICefValue>& that) override { return Call<&C::is_equal>(that); }
  rtl::TRef<ICefValue> Copy() override { return Call<&C::copy>(); }
  cef_value_type_t GetType() override { return Call<&C::get_type>(); }
  bool GetBool() override { return Call<&C::get_bool>(); }
  int GetInt() override { return Call<&C::get_int>(); }
  double GetDouble() override { return Call<&C::get_double>(); }
  std::wstring GetString() override { return Call<&C::get_string>(); }
  rtl::TRef<ICefBinaryValue> GetBinary() override { return Call<&C::get_binary>(); }
  rtl::TRef<ICefDictionaryValue> GetDictionary() override { return Call<&C::get_dictionary>(); }
  rtl::TRef<ICefListValue> GetList() override { return Call<&C::get_list>(); }
  bool SetNull() override { return Call<&C::set_null>(); }
  bool SetBool(int value) override { return Call<&C::set_bool>(value); }
  bool SetInt(int value) override { return Call<&C::set_int>(value); }
  bool SetDouble(double value) override { return Call<&C::set_double>(value); }
  bool SetString(const std::wstring& value) override { return Call<&C::set_string>(value); }
  bool SetBinary(const rtl::TRef<ICefBinaryValue>& value) override { return Call<&C::set_binary>(value); }
  bool SetDictionary(const rtl::TRef<ICefDictionaryValue>& value) override {
    return Call<&C::set_dictionary>(value);
  }
  bool SetList(const rtl::TRef<ICefListValue>& value) override { return Call<&C::set_list>(value); }
};

class TCefBinaryValueRef : public TCefRef<cef_binary_value_t, ICefBinaryValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefBinaryValue> New(const void* data, size_t dataSize) {
    return CallExport(CefApi.cef_binary_value_create, data, dataSize);
  }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsOwned() override { return Call<&C::is_owned>(); }
  bool IsSame(const rtl::TRef<ICefBinaryValue>& that) override { return Call<&C::is_same>(that); }
  bool IsEqual(const rtl::TRef<ICefBinaryValue>& that) override { return Call<&C::is_equal>(that); }
  rtl::TRef<ICefBinaryValue> Copy() override { return Call<&C::copy>(); }
  size_t GetSize() override { return Call<&C::get_size>(); }
  size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) override {
    return Call<&C::get_data>(buffer, buffer_size, data_offset);
  }
};

class TCefDictionaryValueRef : public TCefRef<cef_dictionary_value_t, ICefDictionaryValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefDictionaryValue> New() {
    return CallExport(CefApi.cef_dictionary_value_create);
  }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsOwned() override { return Call<&C::is_owned>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  bool IsSame(const rtl::TRef<ICefDictionaryValue>& that) override { return Call<&C::is_same>(that); }
  bool IsEqual(const rtl::TRef<ICefDictionaryValue>& that) override { return Call<&C::is_equal>(that); }
  rtl::TRef<ICefDictionaryValue> Copy(bool exclude_empty_children) override {
    return Call<&C::copy>(exclude_empty_children);
  }
  size_t GetSize() override { return Call<&C::get_size>(); }
  bool Clear() override { return Call<&C::clear>(); }
  bool HasKey(const std::wstring& key) override { return Call<&C::has_key>(key); }
  bool GetKeys(std::vector<std::wstring>& keys) override { return Call<&C::get_keys>(keys); }
  bool Remove(const std::wstring& key) override { return Call<&C::remove>(key); }
  cef_value_type_t GetType(const std::wstring& key) override { return Call<&C::get_type>(key); }
  rtl::TRef<ICefValue> GetValue(const std::wstring& key) override { return Call<&C::get_value>(key); }
  bool GetBool(const std::wstring& key) override { return Call<&C::get_bool>(key); }
  int GetInt(const std::wstring& key) override { return Call<&C::get_int>(key); }
  double GetDouble(const std::wstring& key) override { return Call<&C::get_double>(key); }
  std::wstring GetString(const std::wstring& key) override { return Call<&C::get_string>(key); }
  rtl::TRef<ICefBinaryValue> GetBinary(const std::wstring& key) override { return Call<&C::get_binary>(key); }
  rtl::TRef<ICefDictionaryValue> GetDictionary(const std::wstring& key) override {
    return Call<&C::get_dictionary>(key);
  }
  rtl::TRef<ICefListValue> GetList(const std::wstring& key) override { return Call<&C::get_list>(key); }
  bool SetValue(const std::wstring& key, const rtl::TRef<ICefValue>& value) override {
    return Call<&C::set_value>(key, value);
  }
  bool SetNull(const std::wstring& key) override { return Call<&C::set_null>(key); }
  bool SetBool(const std::wstring& key, int value) override { return Call<&C::set_bool>(key, value); }
  bool SetInt(const std::wstring& key, int value) override { return Call<&C::set_int>(key, value); }
  bool SetDouble(const std::wstring& key, double value) override { return Call<&C::set_double>(key, value); }
  bool SetString(const std::wstring& key, const std::wstring& value) override {
    return Call<&C::set_string>(key, value);
  }
  bool SetBinary(const std::wstring& key, const rtl::TRef<ICefBinaryValue>& value) override {
    return Call<&C::set_binary>(key, value);
  }
  bool SetDictionary(const std::wstring& key, const rtl::TRef<ICefDictionaryValue>& value) override {
    return Call<&C::set_dictionary>(key, value);
  }
  bool SetList(const std::wstring& key, const rtl::TRef<ICefListValue>& value) override {
    return Call<&C::set_list>(key, value);
  }
};

// The runtime's utilities that answer a value; null when the export is missing or fails.
inline rtl::TRef<ICefBinaryValue> CefBase64Decode(const std::wstring& data) {
  return CallExport(CefApi.cef_base64decode, data);
}
inline rtl::TRef<ICefValue> CefParseJson(const std::wstring& jsonString,
                                        cef_json_parser_options_t options) {
  return CallExport(CefApi.cef_parse_json, jsonString, options);
}
// The runtime's message for a failure goes to errorMsgOut (empty on success).
rtl::TRef<ICefValue> CefParseJsonAndReturnError(const std::wstring& jsonString,
                                                cef_json_parser_options_t options,
                                                cef_json_parser_error_t& errorCodeOut,
                                                std::wstring& errorMsgOut);
