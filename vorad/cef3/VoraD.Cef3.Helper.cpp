#include "vorad/cef3/VoraD.Cef3.Helper.h"

#include <cstring>
#include <new>
#include <utility>

#include "rtl/StrConv.h"
#include "rtl/SysUtils.h"
#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

std::function<void(const std::wstring&, const std::wstring&)> TCef3Helper::OnAdapterException;

namespace {

// Destructor of the characters of a CefUserFreeString result: they come from our allocator.
void ProgramStringDtor(cef_char_t* str) {
  delete[] str;
}

std::wstring Copy(const cef_char_t* str, size_t length) {
  if (!str || !length) return {};
  return std::wstring(reinterpret_cast<const wchar_t*>(str), length);
}

// The nine strings of a URL-parts record and of TUrlParts, pair by pair in record order.
#define VORAD_URL_PART(name) {&TUrlParts::name, &cef_urlparts_t::name}
constexpr std::pair<std::wstring TUrlParts::*, cef_string_t cef_urlparts_t::*> kUrlParts[] = {
    VORAD_URL_PART(spec),     VORAD_URL_PART(scheme), VORAD_URL_PART(username),
    VORAD_URL_PART(password), VORAD_URL_PART(host),   VORAD_URL_PART(port),
    VORAD_URL_PART(origin),   VORAD_URL_PART(path),   VORAD_URL_PART(query)};
#undef VORAD_URL_PART

// The fields of a runtime time and of a SYSTEMTIME, pair by pair.
constexpr std::pair<int TCefTime::*, WORD SYSTEMTIME::*> kTimeFields[] = {
    {&TCefTime::year, &SYSTEMTIME::wYear},
    {&TCefTime::month, &SYSTEMTIME::wMonth},
    {&TCefTime::day_of_week, &SYSTEMTIME::wDayOfWeek},
    {&TCefTime::day_of_month, &SYSTEMTIME::wDay},
    {&TCefTime::hour, &SYSTEMTIME::wHour},
    {&TCefTime::minute, &SYSTEMTIME::wMinute},
    {&TCefTime::second, &SYSTEMTIME::wSecond},
    {&TCefTime::millisecond, &SYSTEMTIME::wMilliseconds}};

// Days between 1899-12-30 and 1970-01-01.
constexpr double kUnixEpochDays = 25569.0;

}  // namespace

// ---- objects

void TCef3Helper::ReleaseStruct(void* data) {
  auto* base = static_cast<cef_base_t*>(data);
  if (base && base->release) base->release(base);
}

// ---- strings

cef_string_t TCef3Helper::CefString(const std::wstring& text) {
  return cef_string_t{const_cast<cef_char_t*>(reinterpret_cast<const cef_char_t*>(text.c_str())), text.size(), nullptr};
}

std::wstring TCef3Helper::CefString(const cef_string_t* text) {
  return text ? Copy(text->str, text->length) : std::wstring();
}

cef_string_t TCef3Helper::CefStringAlloc(const std::wstring& text) {
  cef_string_t s{};
  if (!text.empty() && CefApi.cef_string_wide_to_utf16)
    CefApi.cef_string_wide_to_utf16(text.c_str(), text.size(), &s);
  return s;
}

void TCef3Helper::CefStringSet(cef_string_t* target, const std::wstring& text) {
  if (!target || !CefApi.cef_string_utf16_set) return;
  CefApi.cef_string_utf16_set(reinterpret_cast<const cef_char_t*>(text.c_str()), text.size(), target, 1);
}

std::wstring TCef3Helper::CefStringClearAndGet(cef_string_t* text) {
  std::wstring result = CefString(text);
  CefStringFree(text);
  return result;
}

void TCef3Helper::CefStringFree(cef_string_t* text) {
  if (text && CefApi.cef_string_utf16_clear) CefApi.cef_string_utf16_clear(text);
}

std::wstring TCef3Helper::CefStringFreeAndGet(cef_string_userfree_t text) {
  if (!text) return {};
  std::wstring result = Copy(text->str, text->length);
  if (CefApi.cef_string_userfree_utf16_free) CefApi.cef_string_userfree_utf16_free(text);
  return result;
}

cef_string_userfree_t TCef3Helper::CefUserFreeString(const std::wstring& text) {
  if (!CefApi.cef_string_userfree_utf16_alloc) return nullptr;
  cef_string_userfree_t s = CefApi.cef_string_userfree_utf16_alloc();
  if (!s) return nullptr;
  s->length = text.size();
  s->str = nullptr;
  s->dtor = nullptr;
  if (!text.empty()) {
    s->str = new cef_char_t[text.size()];
    std::memcpy(s->str, text.data(), text.size() * sizeof(cef_char_t));
    s->dtor = &ProgramStringDtor;
  }
  return s;
}

// ---- string lists

std::vector<std::wstring> TCef3Helper::CefStringListRead(cef_string_list_t list) {
  std::vector<std::wstring> result;
  if (!list || !CefApi.cef_string_list_size || !CefApi.cef_string_list_value) return result;
  const int count = CefApi.cef_string_list_size(list);
  for (int i = 0; i < count; ++i) {
    cef_string_t item{};
    CefApi.cef_string_list_value(list, i, &item);
    result.push_back(CefStringClearAndGet(&item));
  }
  return result;
}

TCefStringListArg::TCefStringListArg()
    : FList(CefApi.cef_string_list_alloc ? CefApi.cef_string_list_alloc() : nullptr) {}

TCefStringListArg::TCefStringListArg(const std::vector<std::wstring>& strings) : TCefStringListArg() {
  if (!FList || !CefApi.cef_string_list_append) return;
  for (const auto& s : strings) {
    const cef_string_t view = TCef3Helper::CefString(s);
    CefApi.cef_string_list_append(FList, &view);
  }
}

TCefStringListArg::~TCefStringListArg() {
  if (FList && CefApi.cef_string_list_free) CefApi.cef_string_list_free(FList);
}

// ---- threads and tasks

bool TCef3Helper::CefCurrentlyOn(cef_thread_id_t threadId) {
  return CefApi.cef_currently_on && CefApi.cef_currently_on(threadId) != 0;
}

void TCef3Helper::CefPostTask(cef_thread_id_t threadId, const rtl::TRef<ICefTask>& task) {
  if (!CefApi.cef_post_task) return;
  CefApi.cef_post_task(threadId, static_cast<cef_task_t*>(CefGetData(task)));
}

void TCef3Helper::CefPostDelayedTask(cef_thread_id_t threadId, const rtl::TRef<ICefTask>& task,
                                     int64_t delayMs) {
  if (!CefApi.cef_post_delayed_task) return;
  CefApi.cef_post_delayed_task(threadId, static_cast<cef_task_t*>(CefGetData(task)), delayMs);
}

// ---- times

void TCef3Helper::CefTimeToSystemTime(const TCefTime& time, SYSTEMTIME& result) {
  for (const auto& [cef, system] : kTimeFields) result.*system = WORD(time.*cef);
}

void TCef3Helper::SystemTimeToCefTime(const SYSTEMTIME& time, TCefTime& result) {
  for (const auto& [cef, system] : kTimeFields) result.*cef = time.*system;
}

TDateTime TCef3Helper::CefTimeToDateTime(const TCefTime& time) {
  SYSTEMTIME utc{}, local{};
  CefTimeToSystemTime(time, utc);
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
  FILETIME ft{};
  if (!SystemTimeToFileTime(&local, &ft)) return 0;
  const uint64_t ticks = (uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;  // 100 ns since 1601
  const double unixMs = (double(ticks) - 116444736000000000.0) / 10000.0;
  return kUnixEpochDays + unixMs / 86400000.0;
}

TCefTime TCef3Helper::DateTimeToCefTime(TDateTime time) {
  const double unixMs = (time - kUnixEpochDays) * 86400000.0;
  const double ticks = unixMs * 10000.0 + 116444736000000000.0;
  TCefTime result{};
  if (!(ticks >= 0)) return result;
  const uint64_t t = uint64_t(ticks + 0.5);
  FILETIME ft{DWORD(t & 0xFFFFFFFFu), DWORD(t >> 32)};
  SYSTEMTIME local{}, utc{};
  if (!FileTimeToSystemTime(&ft, &local)) return result;
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc)) utc = local;
  SystemTimeToCefTime(utc, result);
  return result;
}

// ---- URLs and text utilities

bool TCef3Helper::CefParseUrl(const std::wstring& url, TUrlParts& parts) {
  if (!CefApi.cef_parse_url) return false;
  cef_urlparts_t record{};
  const cef_string_t view = CefString(url);
  if (!CefApi.cef_parse_url(&view, &record)) {
    for (const auto& [native, member] : kUrlParts) CefStringFree(&(record.*member));
    return false;
  }
  // `spec` stays as the caller had it; the rest is taken over.
  for (const auto& [native, member] : kUrlParts) {
    std::wstring value = CefStringClearAndGet(&(record.*member));
    if (native != &TUrlParts::spec) parts.*native = std::move(value);
  }
  return true;
}

std::wstring TCef3Helper::CefCreateUrl(const TUrlParts& parts) {
  if (!CefApi.cef_create_url) return {};
  cef_urlparts_t record{};
  for (const auto& [native, member] : kUrlParts) record.*member = CefString(parts.*native);
  cef_string_t url{};
  const bool ok = CefApi.cef_create_url(&record, &url) != 0;
  std::wstring result = CefStringClearAndGet(&url);
  return ok ? result : std::wstring();
}

std::wstring TCef3Helper::CefFormatUrlForSecurityDisplay(const std::wstring& originUrl,
                                                         const std::wstring& languages) {
  if (!CefApi.cef_format_url_for_security_display) return {};
  const cef_string_t u = CefString(originUrl), l = CefString(languages);
  return CefStringFreeAndGet(CefApi.cef_format_url_for_security_display(&u, &l));
}

std::wstring TCef3Helper::CefGetMimeType(const std::wstring& extension) {
  if (!CefApi.cef_get_mime_type) return {};
  const cef_string_t e = CefString(extension);
  return CefStringFreeAndGet(CefApi.cef_get_mime_type(&e));
}

void TCef3Helper::CefGetExtensionsForMimeType(const std::wstring& mimeType,
                                              std::vector<std::wstring>& extensions) {
  if (!CefApi.cef_get_extensions_for_mime_type) return;
  const cef_string_t m = CefString(mimeType);
  TCefStringListArg list;
  CefApi.cef_get_extensions_for_mime_type(&m, list.Handle());
  for (auto& s : list.Strings()) extensions.push_back(std::move(s));
}

std::wstring TCef3Helper::CefBase64Encode(const void* data, size_t dataSize) {
  if (!CefApi.cef_base64encode) return {};
  return CefStringFreeAndGet(CefApi.cef_base64encode(data, dataSize));
}

std::wstring TCef3Helper::CefUriEncode(const std::wstring& text, bool usePlus) {
  if (!CefApi.cef_uriencode) return {};
  const cef_string_t t = CefString(text);
  return CefStringFreeAndGet(CefApi.cef_uriencode(&t, usePlus ? 1 : 0));
}

std::wstring TCef3Helper::CefUriDecode(const std::wstring& text, bool convertToUtf8,
                                       cef_uri_unescape_rule_t unescapeRule) {
  if (!CefApi.cef_uridecode) return {};
  const cef_string_t t = CefString(text);
  return CefStringFreeAndGet(CefApi.cef_uridecode(&t, convertToUtf8 ? 1 : 0, unescapeRule));
}

bool TCef3Helper::CefParseCssColor(const std::wstring& text, bool strict, cef_color_t& color) {
  if (!CefApi.cef_parse_csscolor) return false;
  const cef_string_t t = CefString(text);
  return CefApi.cef_parse_csscolor(&t, strict ? 1 : 0, &color) != 0;
}

std::wstring TCef3Helper::CefWriteJson(const rtl::TRef<ICefValue>& node, cef_json_writer_options_t options) {
  if (!CefApi.cef_write_json) return {};
  return CefStringFreeAndGet(CefApi.cef_write_json(static_cast<cef_value_t*>(CefGetData(node)), options));
}

bool TCef3Helper::CefGetPath(cef_path_key_t key, std::wstring& path) {
  if (!CefApi.cef_get_path) return false;
  cef_string_t p{};
  const bool ok = CefApi.cef_get_path(key, &p) != 0;
  path = CefStringClearAndGet(&p);
  return ok;
}

bool TCef3Helper::CefBeginTracing(const std::wstring& categories,
                                  const rtl::TRef<ICefCompletionCallback>& callback) {
  if (!CefApi.cef_begin_tracing) return false;
  const cef_string_t c = CefString(categories);
  return CefApi.cef_begin_tracing(&c, static_cast<cef_completion_callback_t*>(CefGetData(callback))) != 0;
}

bool TCef3Helper::CefEndTracing(const std::wstring& tracingFile, cef_end_tracing_callback_t* callback) {
  if (!CefApi.cef_end_tracing) return false;
  const cef_string_t f = CefString(tracingFile);
  return CefApi.cef_end_tracing(&f, callback) != 0;
}

int64_t TCef3Helper::CefNowFromSystemTraceTime() {
  return CefApi.cef_now_from_system_trace_time ? CefApi.cef_now_from_system_trace_time() : 0;
}

bool TCef3Helper::CefGetGeolocation(cef_get_geolocation_callback_t* callback) {
  return CefApi.cef_get_geolocation && CefApi.cef_get_geolocation(callback) != 0;
}

// ---- the boundary

void TCef3Helper::AdapterFailed(const char* entry, std::exception_ptr error) noexcept {
  try {
    std::wstring message = L"unknown exception";
    try {
      std::rethrow_exception(error);
    } catch (const rtl::Exception& e) {
      message = e.Message();
    } catch (const std::exception& e) {
      message = rtl::Utf8ToUtf16(e.what());
    } catch (...) {
    }
    const std::wstring where = rtl::Utf8ToUtf16(entry ? entry : "");
    if (OnAdapterException) {
      OnAdapterException(where, message);
    } else {
      OutputDebugStringW((L"exception stopped at runtime callback " + where + L": " + message).c_str());
    }
  } catch (...) {
  }
}
