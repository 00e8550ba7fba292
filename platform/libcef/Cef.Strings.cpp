// Strings, string lists, maps and multimaps with the runtime's ownership rules: a string owns
// its characters when it carries a destructor; lists and maps own copies of what was put in.
#include <algorithm>
#include <map>
#include <new>
#include <vector>

#include "Cef.Common.h"

namespace standin {

namespace {

template <class Ch>
void FreeChars(Ch* str) {
  delete[] str;
}

// One routine for the three string types: clear, then copy or reference.
template <class S, class Ch>
int SetString(const Ch* src, size_t len, S* output, int copy) {
  if (!output) return 0;
  if (output->dtor && output->str) output->dtor(output->str);
  output->str = nullptr;
  output->length = 0;
  output->dtor = nullptr;
  if (copy) {
    if (src && len > 0) {
      Ch* buf = new (std::nothrow) Ch[len + 1];
      if (!buf) return 0;
      std::copy(src, src + len, buf);
      buf[len] = 0;
      output->str = buf;
      output->length = len;
      output->dtor = &FreeChars<Ch>;
    }
  } else {
    output->str = const_cast<Ch*>(src);
    output->length = src ? len : 0;
  }
  return 1;
}

template <class S>
void ClearString(S* s) {
  if (!s) return;
  if (s->dtor && s->str) s->dtor(s->str);
  s->str = nullptr;
  s->length = 0;
  s->dtor = nullptr;
}

template <class S, class U>
int CompareString(const S* a, const S* b) {
  const size_t la = a ? a->length : 0, lb = b ? b->length : 0;
  const size_t n = std::min(la, lb);
  for (size_t i = 0; i < n; ++i) {
    const U ca = static_cast<U>(a->str[i]), cb = static_cast<U>(b->str[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return la == lb ? 0 : (la < lb ? -1 : 1);
}

std::wstring Utf8ToWide(const char* s, size_t n, bool* ok) {
  *ok = true;
  if (!s || n == 0) return {};
  const int len = MultiByteToWideChar(CP_UTF8, 0, s, static_cast<int>(n), nullptr, 0);
  if (len <= 0) {
    *ok = false;
    return {};
  }
  std::wstring w(static_cast<size_t>(len), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s, static_cast<int>(n), w.data(), len);
  return w;
}

std::string WideToUtf8(const wchar_t* s, size_t n) {
  if (!s || n == 0) return {};
  const int len = WideCharToMultiByte(CP_UTF8, 0, s, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
  if (len <= 0) return {};
  std::string out(static_cast<size_t>(len), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s, static_cast<int>(n), out.data(), len, nullptr, nullptr);
  return out;
}

// Keys order by UTF-16 code units, as the runtime's sorted maps do.
struct TKeyLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) {
                                          return static_cast<unsigned short>(x) <
                                                 static_cast<unsigned short>(y);
                                        });
  }
};

using TStringList = std::vector<std::wstring>;
using TStringMap = std::map<std::wstring, std::wstring, TKeyLess>;
using TStringMultimap = std::multimap<std::wstring, std::wstring, TKeyLess>;

TStringList* AsList(cef_string_list_t l) { return static_cast<TStringList*>(l); }
TStringMap* AsMap(cef_string_map_t m) { return static_cast<TStringMap*>(m); }
TStringMultimap* AsMultimap(cef_string_multimap_t m) { return static_cast<TStringMultimap*>(m); }

template <class M>
const typename M::value_type* Nth(const M& m, int index) {
  if (index < 0 || static_cast<size_t>(index) >= m.size()) return nullptr;
  auto it = m.begin();
  std::advance(it, index);
  return &*it;
}

}  // namespace

std::wstring ToW(const cef_string_t* s) {
  if (!s || !s->str || s->length == 0) return {};
  return std::wstring(reinterpret_cast<const wchar_t*>(s->str), s->length);
}

void SetCefString(cef_string_t* out, const std::wstring& value) {
  SetString(reinterpret_cast<const cef_char_t*>(value.data()), value.size(), out, 1);
}

cef_string_userfree_t NewUserFree(const std::wstring& value) {
  cef_string_userfree_t s = new (std::nothrow) cef_string_t{};
  if (s) SetCefString(s, value);
  return s;
}

cef_string_t ViewOf(const std::wstring& value) {
  cef_string_t s{};
  s.str = reinterpret_cast<cef_char_t*>(const_cast<wchar_t*>(value.data()));
  s.length = value.size();
  return s;
}

std::string ToUtf8(const std::wstring& w) { return WideToUtf8(w.data(), w.size()); }
std::wstring FromUtf8(const std::string& s) {
  bool ok = false;
  return Utf8ToWide(s.data(), s.size(), &ok);
}

}  // namespace standin

using namespace standin;

extern "C" {

int cef_string_wide_set(const wchar_t* src, size_t src_len, cef_string_wide_t* output, int copy) {
  return Guard(0, [&] { return SetString(src, src_len, output, copy); });
}
int cef_string_utf8_set(const char* src, size_t src_len, cef_string_utf8_t* output, int copy) {
  return Guard(0, [&] { return SetString(src, src_len, output, copy); });
}
int cef_string_utf16_set(const cef_char_t* src, size_t src_len, cef_string_utf16_t* output, int copy) {
  return Guard(0, [&] { return SetString(src, src_len, output, copy); });
}
void cef_string_wide_clear(cef_string_wide_t* str) { ClearString(str); }
void cef_string_utf8_clear(cef_string_utf8_t* str) { ClearString(str); }
void cef_string_utf16_clear(cef_string_utf16_t* str) { ClearString(str); }

int cef_string_wide_cmp(const cef_string_wide_t* a, const cef_string_wide_t* b) {
  return CompareString<cef_string_wide_t, unsigned short>(a, b);
}
int cef_string_utf8_cmp(const cef_string_utf8_t* a, const cef_string_utf8_t* b) {
  return CompareString<cef_string_utf8_t, unsigned char>(a, b);
}
int cef_string_utf16_cmp(const cef_string_utf16_t* a, const cef_string_utf16_t* b) {
  return CompareString<cef_string_utf16_t, unsigned short>(a, b);
}

int cef_string_wide_to_utf8(const wchar_t* src, size_t src_len, cef_string_utf8_t* output) {
  return Guard(0, [&] {
    const std::string s = WideToUtf8(src, src_len);
    return SetString(s.data(), s.size(), output, 1);
  });
}
int cef_string_utf8_to_wide(const char* src, size_t src_len, cef_string_wide_t* output) {
  return Guard(0, [&] {
    bool ok = false;
    const std::wstring w = Utf8ToWide(src, src_len, &ok);
    return SetString(w.data(), w.size(), output, 1) && ok ? 1 : 0;
  });
}
int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len, cef_string_utf16_t* output) {
  return Guard(0, [&] {
    return SetString(reinterpret_cast<const cef_char_t*>(src), src_len, output, 1);
  });
}
int cef_string_utf16_to_wide(const cef_char_t* src, size_t src_len, cef_string_wide_t* output) {
  return Guard(0, [&] {
    return SetString(reinterpret_cast<const wchar_t*>(src), src_len, output, 1);
  });
}
int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  return Guard(0, [&] {
    bool ok = false;
    const std::wstring w = Utf8ToWide(src, src_len, &ok);
    return SetString(reinterpret_cast<const cef_char_t*>(w.data()), w.size(), output, 1) && ok ? 1 : 0;
  });
}
int cef_string_utf16_to_utf8(const cef_char_t* src, size_t src_len, cef_string_utf8_t* output) {
  return Guard(0, [&] {
    const std::string s = WideToUtf8(reinterpret_cast<const wchar_t*>(src), src_len);
    return SetString(s.data(), s.size(), output, 1);
  });
}
int cef_string_ascii_to_wide(const char* src, size_t src_len, cef_string_wide_t* output) {
  return Guard(0, [&] {
    std::wstring w;
    for (size_t i = 0; src && i < src_len; ++i) w += static_cast<wchar_t>(static_cast<unsigned char>(src[i]));
    return SetString(w.data(), w.size(), output, 1);
  });
}
int cef_string_ascii_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  return Guard(0, [&] {
    std::wstring w;
    for (size_t i = 0; src && i < src_len; ++i) w += static_cast<wchar_t>(static_cast<unsigned char>(src[i]));
    return SetString(reinterpret_cast<const cef_char_t*>(w.data()), w.size(), output, 1);
  });
}

cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void) {
  return new (std::nothrow) cef_string_wide_t{};
}
cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void) {
  return new (std::nothrow) cef_string_utf8_t{};
}
cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return new (std::nothrow) cef_string_utf16_t{};
}
void cef_string_userfree_wide_free(cef_string_userfree_wide_t str) {
  ClearString(str);
  delete str;
}
void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str) {
  ClearString(str);
  delete str;
}
void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  ClearString(str);
  delete str;
}

// Lists.
cef_string_list_t cef_string_list_alloc(void) { return new (std::nothrow) TStringList(); }
int cef_string_list_size(cef_string_list_t list) {
  return list ? static_cast<int>(AsList(list)->size()) : 0;
}
int cef_string_list_value(cef_string_list_t list, int index, cef_string_t* value) {
  return Guard(0, [&] {
    if (!list || !value || index < 0 || static_cast<size_t>(index) >= AsList(list)->size()) return 0;
    SetCefString(value, (*AsList(list))[static_cast<size_t>(index)]);
    return 1;
  });
}
void cef_string_list_append(cef_string_list_t list, const cef_string_t* value) {
  GuardVoid([&] {
    if (list) AsList(list)->push_back(ToW(value));
  });
}
void cef_string_list_clear(cef_string_list_t list) {
  if (list) AsList(list)->clear();
}
void cef_string_list_free(cef_string_list_t list) { delete AsList(list); }
cef_string_list_t cef_string_list_copy(cef_string_list_t list) {
  return Guard<cef_string_list_t>(nullptr, [&]() -> cef_string_list_t {
    if (!list) return nullptr;
    return new TStringList(*AsList(list));
  });
}

// Maps: sorted by key, a second append of a key keeps the first value.
cef_string_map_t cef_string_map_alloc(void) { return new (std::nothrow) TStringMap(); }
int cef_string_map_size(cef_string_map_t map) {
  return map ? static_cast<int>(AsMap(map)->size()) : 0;
}
int cef_string_map_find(cef_string_map_t map, const cef_string_t* key, cef_string_t* value) {
  return Guard(0, [&] {
    if (!map || !value) return 0;
    auto it = AsMap(map)->find(ToW(key));
    if (it == AsMap(map)->end()) return 0;
    SetCefString(value, it->second);
    return 1;
  });
}
int cef_string_map_key(cef_string_map_t map, int index, cef_string_t* key) {
  return Guard(0, [&] {
    const auto* e = map && key ? Nth(*AsMap(map), index) : nullptr;
    if (!e) return 0;
    SetCefString(key, e->first);
    return 1;
  });
}
int cef_string_map_value(cef_string_map_t map, int index, cef_string_t* value) {
  return Guard(0, [&] {
    const auto* e = map && value ? Nth(*AsMap(map), index) : nullptr;
    if (!e) return 0;
    SetCefString(value, e->second);
    return 1;
  });
}
int cef_string_map_append(cef_string_map_t map, const cef_string_t* key, const cef_string_t* value) {
  return Guard(0, [&] {
    if (!map) return 0;
    AsMap(map)->emplace(ToW(key), ToW(value));
    return 1;
  });
}
void cef_string_map_clear(cef_string_map_t map) {
  if (map) AsMap(map)->clear();
}
void cef_string_map_free(cef_string_map_t map) { delete AsMap(map); }

// Multimaps: sorted by key; the values of one key keep their order of appending.
cef_string_multimap_t cef_string_multimap_alloc(void) { return new (std::nothrow) TStringMultimap(); }
int cef_string_multimap_size(cef_string_multimap_t map) {
  return map ? static_cast<int>(AsMultimap(map)->size()) : 0;
}
int cef_string_multimap_find_count(cef_string_multimap_t map, const cef_string_t* key) {
  return Guard(0, [&] { return map ? static_cast<int>(AsMultimap(map)->count(ToW(key))) : 0; });
}
int cef_string_multimap_enumerate(cef_string_multimap_t map, const cef_string_t* key,
                                  int value_index, cef_string_t* value) {
  return Guard(0, [&] {
    if (!map || !value || value_index < 0) return 0;
    auto range = AsMultimap(map)->equal_range(ToW(key));
    for (int i = 0; range.first != range.second; ++range.first, ++i) {
      if (i == value_index) {
        SetCefString(value, range.first->second);
        return 1;
      }
    }
    return 0;
  });
}
int cef_string_multimap_key(cef_string_multimap_t map, int index, cef_string_t* key) {
  return Guard(0, [&] {
    const auto* e = map && key ? Nth(*AsMultimap(map), index) : nullptr;
    if (!e) return 0;
    SetCefString(key, e->first);
    return 1;
  });
}
int cef_string_multimap_value(cef_string_multimap_t map, int index, cef_string_t* value) {
  return Guard(0, [&] {
    const auto* e = map && value ? Nth(*AsMultimap(map), index) : nullptr;
    if (!e) return 0;
    SetCefString(value, e->second);
    return 1;
  });
}
int cef_string_multimap_append(cef_string_multimap_t map, const cef_string_t* key,
                               const cef_string_t* value) {
  return Guard(0, [&] {
    if (!map) return 0;
    AsMultimap(map)->emplace(ToW(key), ToW(value));
    return 1;
  });
}
void cef_string_multimap_clear(cef_string_multimap_t map) {
  if (map) AsMultimap(map)->clear();
}
void cef_string_multimap_free(cef_string_multimap_t map) { delete AsMultimap(map); }

}  // extern "C"
