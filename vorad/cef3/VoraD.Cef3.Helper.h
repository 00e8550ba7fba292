#pragma once
// TCef3Helper: the conversions every wrapper uses (strings, string lists, objects, times) and
// the runtime's utility functions with native arguments. Stateless; any thread.
//
// String rules:
//   view            native -> runtime for the length of a call: points into the native string,
//                   no destructor (CefString(const std::wstring&)).
//   copy            runtime -> native, the runtime string untouched (CefString(const cef_string_t*)).
//   copy-and-clear  copy, then cef_string_utf16_clear on the record (CefStringClearAndGet).
//   copy-and-free   for a user-free result: copy, then cef_string_userfree_utf16_free
//                   (CefStringFreeAndGet); null is the empty string.
//   owned copy      native -> runtime for strings that outlive the call: the runtime allocates
//                   (CefStringSet, CefStringAlloc).
#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

// Local date and time as days since 1899-12-30, the fraction being the time of day.
using TDateTime = double;

class TCef3Helper {
public:
  TCef3Helper() = delete;

  // ---- objects
  // The structure behind an object with one added reference for the receiver; null for none.
  static void* CefGetData(ICefBase* object) { return object ? object->Wrap() : nullptr; }
  template <class I>
  static void* CefGetData(const rtl::TRef<I>& object) { return CefGetData(object.Get()); }
  static void ReleaseStruct(void* data);

  // ---- strings
  static cef_string_t CefString(const std::wstring& text);  // view
  static std::wstring CefString(const cef_string_t* text);  // copy; null gives empty
  static cef_string_t CefStringAlloc(const std::wstring& text);  // owned copy; empty: all zero
  static void CefStringSet(cef_string_t* target, const std::wstring& text);  // owned copy
  static std::wstring CefStringClearAndGet(cef_string_t* text);
  static void CefStringFree(cef_string_t* text);
  static std::wstring CefStringFreeAndGet(cef_string_userfree_t text);
  // A user-free string whose characters come from the program's allocator and are freed by the
  // program's own destructor.
  static cef_string_userfree_t CefUserFreeString(const std::wstring& text);

  // ---- string lists
  // The strings of a runtime list, which stays as it is (for lists the runtime lends).
  static std::vector<std::wstring> CefStringListRead(cef_string_list_t list);

  // ---- threads and tasks
  static bool CefCurrentlyOn(cef_thread_id_t threadId);
  static void CefPostTask(cef_thread_id_t threadId, const rtl::TRef<ICefTask>& task);
  static void CefPostDelayedTask(cef_thread_id_t threadId, const rtl::TRef<ICefTask>& task,
                                 int64_t delayMs);

  // ---- times (TCefTime is UTC)
  static void CefTimeToSystemTime(const TCefTime& time, SYSTEMTIME& result);
  static void SystemTimeToCefTime(const SYSTEMTIME& time, TCefTime& result);
  static TDateTime CefTimeToDateTime(const TCefTime& time);
  static TCefTime DateTimeToCefTime(TDateTime time);

  // ---- URLs and text utilities of the runtime
  // On success fills every part except `spec` and returns true; on failure leaves `parts` as
  // it was.
  static bool CefParseUrl(const std::wstring& url, TUrlParts& parts);
  static std::wstring CefCreateUrl(const TUrlParts& parts);  // empty on failure
  static std::wstring CefFormatUrlForSecurityDisplay(const std::wstring& originUrl,
                                                     const std::wstring& languages);
  static std::wstring CefGetMimeType(const std::wstring& extension);
  static void CefGetExtensionsForMimeType(const std::wstring& mimeType,
                                          std::vector<std::wstring>& extensions);
  static std::wstring CefBase64Encode(const void* data, size_t dataSize);
  static std::wstring CefUriEncode(const std::wstring& text, bool usePlus);
  static std::wstring CefUriDecode(const std::wstring& text, bool convertToUtf8,
                                   cef_uri_unescape_rule_t unescapeRule);
  static bool CefParseCssColor(const std::wstring& text, bool strict, cef_color_t& color);
  static std::wstring CefWriteJson(const rtl::TRef<ICefValue>& node,
                                   cef_json_writer_options_t options);
  static bool CefGetPath(cef_path_key_t key, std::wstring& path);
  static bool CefBeginTracing(const std::wstring& categories,
                              const rtl::TRef<ICefCompletionCallback>& callback);
  // The callback is a raw structure (no wrapper); its reference goes to the runtime.
  static bool CefEndTracing(const std::wstring& tracingFile, cef_end_tracing_callback_t* callback);
  static int64_t CefNowFromSystemTraceTime();
  static bool CefGetGeolocation(cef_get_geolocation_callback_t* callback);

  // ---- the boundary
  // Called when an exception reached an Own adapter; the runtime got the entry's default answer.
  static void AdapterFailed(const char* entry, std::exception_ptr error) noexcept;
  // Receives (entry, message) of such exceptions; empty: the text goes to OutputDebugStringW.
  static std::function<void(const std::wstring& entry, const std::wstring& message)> OnAdapterException;
};

// A runtime string list for the length of a call: allocated on construction (filled with
// `strings` in order, each passed as a view the runtime copies) and freed on destruction in
// every case. Strings() reads what the runtime put in it.
class TCefStringListArg {
public:
  TCefStringListArg();
  explicit TCefStringListArg(const std::vector<std::wstring>& strings);
  ~TCefStringListArg();
  TCefStringListArg(const TCefStringListArg&) = delete;
  TCefStringListArg& operator=(const TCefStringListArg&) = delete;

  cef_string_list_t Handle() const { return FList; }
  std::vector<std::wstring> Strings() const { return TCef3Helper::CefStringListRead(FList); }

private:
  cef_string_list_t FList;
};
