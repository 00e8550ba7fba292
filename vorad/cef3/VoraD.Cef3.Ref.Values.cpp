// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Values.h"

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
