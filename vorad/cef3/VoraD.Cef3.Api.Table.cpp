#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

TCefApi CefApi;

namespace {

// The UTF-16 to/from UTF-16 string operations: a copying set.
int CEF_EXPORT StringCopyUtf16(const cef_char_t* src, size_t src_len, cef_string_utf16_t* output) {
  return CefApi.cef_string_utf16_set ? CefApi.cef_string_utf16_set(src, src_len, output, 1) : 0;
}

}  // namespace

const char* TCefApi::Resolve(HMODULE library) {
  const char* missing = nullptr;
#define VORAD_CEF3_RESOLVE(ret, name, params)                                     \
  name = reinterpret_cast<name##_fn>(reinterpret_cast<void*>(GetProcAddress(library, #name))); \
  if (!name && !missing) missing = #name;
  VORAD_CEF3_EXPORTS(VORAD_CEF3_RESOLVE)
#undef VORAD_CEF3_RESOLVE
  cef_string_set = cef_string_utf16_set;
  cef_string_clear = cef_string_utf16_clear;
  cef_string_userfree_alloc = cef_string_userfree_utf16_alloc;
  cef_string_userfree_free = cef_string_userfree_utf16_free;
  cef_string_from_ascii = cef_string_ascii_to_utf16;
  cef_string_to_utf8 = cef_string_utf16_to_utf8;
  cef_string_from_utf8 = cef_string_utf8_to_utf16;
  cef_string_to_wide = cef_string_utf16_to_wide;
  cef_string_from_wide = cef_string_wide_to_utf16;
  cef_string_to_utf16 = &StringCopyUtf16;
  cef_string_from_utf16 = &StringCopyUtf16;
  return missing;
}
