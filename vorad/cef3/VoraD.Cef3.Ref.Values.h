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

  VORAD_CEF3_PROCESS_MESSAGE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefListValueRef : public TCefRef<cef_list_value_t, ICefListValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefListValue> New() { return CallExport(CefApi.cef_list_value_create); }

  VORAD_CEF3_LIST_VALUE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefValueRef : public TCefRef<cef_value_t, ICefValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefValue> New() { return CallExport(CefApi.cef_value_create); }

  VORAD_CEF3_VALUE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefBinaryValueRef : public TCefRef<cef_binary_value_t, ICefBinaryValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefBinaryValue> New(const void* data, size_t dataSize) {
    return CallExport(CefApi.cef_binary_value_create, data, dataSize);
  }

  VORAD_CEF3_BINARY_VALUE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefDictionaryValueRef : public TCefRef<cef_dictionary_value_t, ICefDictionaryValue> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefDictionaryValue> New() {
    return CallExport(CefApi.cef_dictionary_value_create);
  }

  VORAD_CEF3_DICTIONARY_VALUE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
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
