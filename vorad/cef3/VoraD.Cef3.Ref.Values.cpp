// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Values.h"

#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

rtl::TRef<ICefProcessMessage> UnWrap(cef_process_message_t* data) {
  return data ? new TCefProcessMessageRef(data) : nullptr;
}
rtl::TRef<ICefListValue> UnWrap(cef_list_value_t* data) {
  return data ? new TCefListValueRef(data) : nullptr;
}
rtl::TRef<ICefValue> UnWrap(cef_value_t* data) { return data ? new TCefValueRef(data) : nullptr; }
rtl::TRef<ICefBinaryValue> UnWrap(cef_binary_value_t* data) {
  return data ? new TCefBinaryValueRef(data) : nullptr;
}
rtl::TRef<ICefDictionaryValue> UnWrap(cef_dictionary_value_t* data) {
  return data ? new TCefDictionaryValueRef(data) : nullptr;
}

// ---- factory operations: create or fetch through an export and adopt the result

rtl::TRef<ICefProcessMessage> TCefProcessMessageRef::New(const std::wstring& name) {
  return CallExport(CefApi.cef_process_message_create, name);
}

rtl::TRef<ICefListValue> TCefListValueRef::New() {
  return CallExport(CefApi.cef_list_value_create);
}

rtl::TRef<ICefValue> TCefValueRef::New() {
  return CallExport(CefApi.cef_value_create);
}

rtl::TRef<ICefBinaryValue> TCefBinaryValueRef::New(const void* data, size_t dataSize) {
  return CallExport(CefApi.cef_binary_value_create, data, dataSize);
}

rtl::TRef<ICefDictionaryValue> TCefDictionaryValueRef::New() {
  return CallExport(CefApi.cef_dictionary_value_create);
}

// ---- the runtime's utilities that answer a value

rtl::TRef<ICefBinaryValue> CefBase64Decode(const std::wstring& data) {
  return CallExport(CefApi.cef_base64decode, data);
}

rtl::TRef<ICefValue> CefParseJson(const std::wstring& jsonString, cef_json_parser_options_t options) {
  return CallExport(CefApi.cef_parse_json, jsonString, options);
}

rtl::TRef<ICefValue> CefParseJsonAndReturnError(const std::wstring& jsonString,
                                                cef_json_parser_options_t options,
                                                cef_json_parser_error_t& errorCodeOut,
                                                std::wstring& errorMsgOut) {
  errorMsgOut.clear();
  if (!CefApi.cef_parse_jsonand_return_error) return nullptr;
  const cef_string_t j = TCef3Helper::CefString(jsonString);
  cef_string_t message{};
  auto result = UnWrap(CefApi.cef_parse_jsonand_return_error(&j, options, &errorCodeOut, &message));
  errorMsgOut = TCef3Helper::CefStringClearAndGet(&message);
  return result;
}
