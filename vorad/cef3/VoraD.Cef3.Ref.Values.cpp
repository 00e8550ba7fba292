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

// Out-slots: the error code and the error text.
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
