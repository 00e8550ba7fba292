#pragma once
// The runtime function table: one pointer per export of VORAD_CEF3_EXPORTS, named as the
// export, plus the native string operations bound to their UTF-16 forms. The bottom of the
// binding: it knows only the C declarations, so every unit above may call the runtime through it.
// Filled by TVoraDApp::Init, cleared by its CefShutDown; read from any thread in between.
#include <windows.h>

#include "vorad/cef3/VoraD.Cef3.Api.h"

struct TCefApi {
#define VORAD_CEF3_TABLE_ENTRY(ret, name, params) name##_fn name = nullptr;
  VORAD_CEF3_EXPORTS(VORAD_CEF3_TABLE_ENTRY)
#undef VORAD_CEF3_TABLE_ENTRY

  using TStringCopy = int(CEF_EXPORT*)(const cef_char_t* src, size_t src_len, cef_string_utf16_t* output);
  cef_string_utf16_set_fn cef_string_set = nullptr;
  cef_string_utf16_clear_fn cef_string_clear = nullptr;
  cef_string_userfree_utf16_alloc_fn cef_string_userfree_alloc = nullptr;
  cef_string_userfree_utf16_free_fn cef_string_userfree_free = nullptr;
  cef_string_ascii_to_utf16_fn cef_string_from_ascii = nullptr;
  cef_string_utf16_to_utf8_fn cef_string_to_utf8 = nullptr;
  cef_string_utf8_to_utf16_fn cef_string_from_utf8 = nullptr;
  cef_string_utf16_to_wide_fn cef_string_to_wide = nullptr;
  cef_string_wide_to_utf16_fn cef_string_from_wide = nullptr;
  TStringCopy cef_string_to_utf16 = nullptr;
  TStringCopy cef_string_from_utf16 = nullptr;

  // Resolves every export of `library`; returns the first name that is missing, or null.
  const char* Resolve(HMODULE library);
  void Clear() { *this = TCefApi(); }
};
extern TCefApi CefApi;
