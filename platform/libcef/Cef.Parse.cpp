// Parser exports: URLs, base64, URI escaping, JSON, mime types, CSS colours.
#include "Cef.Parse.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "Cef.Fetch.h"
#include "Cef.Values.h"

namespace standin {

namespace {

// ---- JSON ------------------------------------------------------------------------------------

class TJsonParser {
public:
  TJsonParser(const std::string& text, bool allowTrailingCommas)
      : FText(text), FAllowTrailing(allowTrailingCommas) {}

  bool Parse(TValueData& out) {
    SkipSpace();
    if (!Value(out, 0)) return false;
    SkipSpace();
    if (FPos != FText.size()) return Fail(JSON_UNEXPECTED_DATA_AFTER_ROOT);
    return true;
  }
  cef_json_parser_error_t Error() const { return FError; }
  std::wstring Message() const {
    static const char* const kTexts[] = {"",
                                         "Invalid escape sequence.",
                                         "Syntax error.",
                                         "Unexpected token.",
                                         "Trailing comma not allowed.",
                                         "Too much nesting.",
                                         "Unexpected data after root element.",
                                         "Unsupported encoding. JSON must be UTF-8.",
                                         "Dictionary keys must be quoted."};
    if (FError == JSON_NO_ERROR) return {};
    return L"Line: " + std::to_wstring(FErrLine) + L", column: " + std::to_wstring(FErrCol) + L", " +
           FromUtf8(kTexts[FError]);
  }

private:
  bool Fail(cef_json_parser_error_t e) {
    if (FError == JSON_NO_ERROR) {
      FError = e;
      FErrLine = 1;
      FErrCol = 1;
      for (size_t i = 0; i < FPos && i < FText.size(); ++i) {
        if (FText[i] == '\n') {
          ++FErrLine;
          FErrCol = 1;
        } else {
          ++FErrCol;
        }
      }
    }
    return false;
  }
  void SkipSpace() {
    for (;;) {
      while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t' || FText[FPos] == '\r' || FText[FPos] == '\n'))
        ++FPos;
      // Comments are accepted, as the runtime's reader does.
      if (FText.compare(FPos, 2, "//") == 0) {
        while (FPos < FText.size() && FText[FPos] != '\n') ++FPos;
      } else if (FText.compare(FPos, 2, "/*") == 0) {
        const size_t end = FText.find("*/", FPos + 2);
        FPos = end == std::string::npos ? FText.size() : end + 2;
      } else {
        return;
      }
    }
  }
  bool Literal(const char* word) {
    const size_t n = std::strlen(word);
    if (FText.compare(FPos, n, word) != 0) return Fail(JSON_SYNTAX_ERROR);
    FPos += n;
    return true;
  }
  bool Value(TValueData& v, int depth) {
    if (depth > 100) return Fail(JSON_TOO_MUCH_NESTING);
    if (FPos >= FText.size()) return Fail(JSON_SYNTAX_ERROR);
    v = TValueData{};
    const char c = FText[FPos];
    if (c == '{') return Object(v, depth);
    if (c == '[') return Array(v, depth);
    if (c == '"') {
      v.type = VTYPE_STRING;
      return String(v.s);
    }
    if (c == 't') {
      v.type = VTYPE_BOOL;
      v.b = true;
      return Literal("true");
    }
    if (c == 'f') {
      v.type = VTYPE_BOOL;
      return Literal("false");
    }
    if (c == 'n') return Literal("null");
    if (c == '-' || (c >= '0' && c <= '9')) return Number(v);
    return Fail(JSON_UNEXPECTED_TOKEN);
  }
  bool Number(TValueData& v) {
    const size_t start = FPos;
    if (FText[FPos] == '-') ++FPos;
    auto digits = [&] {
      const size_t s = FPos;
      while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
      return FPos > s;
    };
    if (!digits()) return Fail(JSON_SYNTAX_ERROR);
    bool isInt = true;
    if (FPos < FText.size() && FText[FPos] == '.') {
      ++FPos;
      isInt = false;
      if (!digits()) return Fail(JSON_SYNTAX_ERROR);
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
      ++FPos;
      isInt = false;
      if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-')) ++FPos;
      if (!digits()) return Fail(JSON_SYNTAX_ERROR);
    }
    const std::string num = FText.substr(start, FPos - start);
    if (isInt) {
      long long n = 0;
      auto [p, ec] = std::from_chars(num.data(), num.data() + num.size(), n);
      if (ec == std::errc() && n >= INT32_MIN && n <= INT32_MAX) {
        v.type = VTYPE_INT;
        v.i = static_cast<int>(n);
        return true;
      }
    }
    v.type = VTYPE_DOUBLE;
    v.d = std::strtod(num.c_str(), nullptr);
    if (!std::isfinite(v.d)) return Fail(JSON_SYNTAX_ERROR);
    return true;
  }
  bool Hex4(unsigned& u) {
    if (FText.size() - FPos < 4) return Fail(JSON_INVALID_ESCAPE);
    u = 0;
    for (int k = 0; k < 4; ++k) {
      const int h = HexValue(FText[FPos + k]);
      if (h < 0) return Fail(JSON_INVALID_ESCAPE);
      u = u * 16 + static_cast<unsigned>(h);
    }
    FPos += 4;
    return true;
  }
  bool String(std::wstring& out) {
    ++FPos;  // opening quote
    std::string utf8;
    std::wstring result;
    auto flush = [&] {
      result += FromUtf8(utf8);
      utf8.clear();
    };
    while (FPos < FText.size()) {
      const char c = FText[FPos];
      if (c == '"') {
        ++FPos;
        flush();
        // Invalid UTF-8 gives an empty conversion of a non-empty input.
        out = std::move(result);
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return Fail(JSON_SYNTAX_ERROR);
      if (c != '\\') {
        utf8 += c;
        ++FPos;
        continue;
      }
      ++FPos;
      if (FPos >= FText.size()) return Fail(JSON_INVALID_ESCAPE);
      const char e = FText[FPos++];
      switch (e) {
        case '"': utf8 += '"'; break;
        case '\\': utf8 += '\\'; break;
        case '/': utf8 += '/'; break;
        case 'b': utf8 += '\b'; break;
        case 'f': utf8 += '\f'; break;
        case 'n': utf8 += '\n'; break;
        case 'r': utf8 += '\r'; break;
        case 't': utf8 += '\t'; break;
        case 'u': {
          unsigned u = 0;
          if (!Hex4(u)) return false;
          flush();
          result += static_cast<wchar_t>(u);
          break;
        }
        default: --FPos; return Fail(JSON_INVALID_ESCAPE);
      }
    }
    return Fail(JSON_SYNTAX_ERROR);
  }
  bool Array(TValueData& v, int depth) {
    ++FPos;
    v.type = VTYPE_LIST;
    v.list = std::make_shared<TListData>();
    SkipSpace();
    if (FPos < FText.size() && FText[FPos] == ']') {
      ++FPos;
      return true;
    }
    for (;;) {
      SkipSpace();
      TValueData item;
      if (!Value(item, depth + 1)) return false;
      v.list->items.push_back(std::move(item));
      SkipSpace();
      if (FPos >= FText.size()) return Fail(JSON_SYNTAX_ERROR);
      if (FText[FPos] == ']') {
        ++FPos;
        return true;
      }
      if (FText[FPos] != ',') return Fail(JSON_SYNTAX_ERROR);
      ++FPos;
      SkipSpace();
      if (FPos < FText.size() && FText[FPos] == ']') {
        if (!FAllowTrailing) return Fail(JSON_TRAILING_COMMA);
        ++FPos;
        return true;
      }
    }
  }
  bool Object(TValueData& v, int depth) {
    ++FPos;
    v.type = VTYPE_DICTIONARY;
    v.dict = std::make_shared<TDictData>();
    SkipSpace();
    if (FPos < FText.size() && FText[FPos] == '}') {
      ++FPos;
      return true;
    }
    for (;;) {
      SkipSpace();
      if (FPos >= FText.size()) return Fail(JSON_SYNTAX_ERROR);
      if (FText[FPos] != '"') return Fail(JSON_UNQUOTED_DICTIONARY_KEY);
      std::wstring key;
      if (!String(key)) return false;
      SkipSpace();
      if (FPos >= FText.size() || FText[FPos] != ':') return Fail(JSON_SYNTAX_ERROR);
      ++FPos;
      SkipSpace();
      TValueData item;
      if (!Value(item, depth + 1)) return false;
      v.dict->items[key] = std::move(item);
      SkipSpace();
      if (FPos >= FText.size()) return Fail(JSON_SYNTAX_ERROR);
      if (FText[FPos] == '}') {
        ++FPos;
        return true;
      }
      if (FText[FPos] != ',') return Fail(JSON_SYNTAX_ERROR);
      ++FPos;
      SkipSpace();
      if (FPos < FText.size() && FText[FPos] == '}') {
        if (!FAllowTrailing) return Fail(JSON_TRAILING_COMMA);
        ++FPos;
        return true;
      }
    }
  }

  const std::string& FText;
  size_t FPos = 0;
  bool FAllowTrailing;
  cef_json_parser_error_t FError = JSON_NO_ERROR;
  int FErrLine = 0, FErrCol = 0;
};

void WriteJsonString(const std::wstring& s, std::string& out) {
  out += '"';
  const std::string u = ToUtf8(s);
  for (unsigned char c : u) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '<': out += "\\u003C"; break;  // keeps the text safe inside a <script> block
      default:
        if (c < 0x20) {
          char buf[8];
          snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

bool WriteJson(const TValueData& v, int options, int indent, std::string& out) {
  const bool pretty = options & JSON_WRITER_PRETTY_PRINT;
  const char* eol = "\r\n";
  auto pad = [&](int n) { out.append(static_cast<size_t>(n) * 3, ' '); };
  switch (v.type) {
    case VTYPE_NULL: out += "null"; return true;
    case VTYPE_BOOL: out += v.b ? "true" : "false"; return true;
    case VTYPE_INT: out += std::to_string(v.i); return true;
    case VTYPE_DOUBLE: {
      if (!std::isfinite(v.d)) return false;
      char buf[64];
      auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v.d);
      std::string num(buf, end);
      // A double keeps looking like one unless asked otherwise.
      if (!(options & JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION) && num.find_first_of(".eE") == std::string::npos)
        num += ".0";
      out += num;
      return true;
    }
    case VTYPE_STRING: WriteJsonString(v.s, out); return true;
    case VTYPE_BINARY: return false;
    case VTYPE_LIST: {
      out += '[';
      bool first = true;
      if (v.list)
        for (const auto& item : v.list->items) {
          if (item.type == VTYPE_BINARY && (options & JSON_WRITER_OMIT_BINARY_VALUES)) continue;
          if (!first) out += ',';
          if (pretty) out += !first ? " " : "";
          first = false;
          if (!WriteJson(item, options, indent + 1, out)) return false;
        }
      out += ']';
      return true;
    }
    case VTYPE_DICTIONARY: {
      out += '{';
      if (pretty) out += eol;
      bool first = true;
      if (v.dict)
        for (const auto& [k, item] : v.dict->items) {
          if (item.type == VTYPE_BINARY && (options & JSON_WRITER_OMIT_BINARY_VALUES)) continue;
          if (!first) {
            out += ',';
            if (pretty) out += eol;
          }
          first = false;
          if (pretty) pad(indent + 1);
          WriteJsonString(k, out);
          out += pretty ? ": " : ":";
          if (!WriteJson(item, options, indent + 1, out)) return false;
        }
      if (pretty) {
        if (!first) out += eol;
        pad(indent);
      }
      out += '}';
      return true;
    }
    default: return false;
  }
}

// ---- CSS colours -----------------------------------------------------------------------------

struct TNamedColor {
  const wchar_t* name;
  cef_color_t rgb;
};
const TNamedColor kNamedColors[] = {
    {L"black", 0x000000}, {L"silver", 0xC0C0C0}, {L"gray", 0x808080}, {L"grey", 0x808080}, {L"white", 0xFFFFFF},
    {L"maroon", 0x800000}, {L"red", 0xFF0000}, {L"purple", 0x800080}, {L"fuchsia", 0xFF00FF}, {L"magenta", 0xFF00FF},
    {L"green", 0x008000}, {L"lime", 0x00FF00}, {L"olive", 0x808000}, {L"yellow", 0xFFFF00}, {L"navy", 0x000080},
    {L"blue", 0x0000FF}, {L"teal", 0x008080}, {L"aqua", 0x00FFFF}, {L"cyan", 0x00FFFF}, {L"orange", 0xFFA500},
    {L"pink", 0xFFC0CB}, {L"brown", 0xA52A2A}, {L"gold", 0xFFD700}, {L"indigo", 0x4B0082}, {L"violet", 0xEE82EE},
    {L"darkgray", 0xA9A9A9}, {L"lightgray", 0xD3D3D3}, {L"darkred", 0x8B0000}, {L"darkgreen", 0x006400},
    {L"darkblue", 0x00008B}, {L"lightblue", 0xADD8E6}, {L"skyblue", 0x87CEEB}, {L"beige", 0xF5F5DC},
    {L"tomato", 0xFF6347}, {L"coral", 0xFF7F50}, {L"salmon", 0xFA8072}, {L"khaki", 0xF0E68C},
    {L"crimson", 0xDC143C}, {L"chocolate", 0xD2691E}, {L"tan", 0xD2B48C}, {L"ivory", 0xFFFFF0},
    {L"lavender", 0xE6E6FA}, {L"plum", 0xDDA0DD}, {L"orchid", 0xDA70D6}, {L"turquoise", 0x40E0D0},
    {L"steelblue", 0x4682B4}, {L"slategray", 0x708090}, {L"whitesmoke", 0xF5F5F5}, {L"rebeccapurple", 0x663399},
};

bool ParseHexColor(const std::wstring& hex, cef_color_t& color) {
  if (hex.size() != 3 && hex.size() != 6) return false;
  unsigned v = 0;
  for (wchar_t c : hex) {
    const int h = HexValue(static_cast<int>(c));
    if (h < 0 || c > 0x7F) return false;
    v = v * 16 + static_cast<unsigned>(h);
  }
  if (hex.size() == 3) v = ((v & 0xF00) * 0x1100) | ((v & 0x0F0) * 0x110) | ((v & 0x00F) * 0x11);
  color = 0xFF000000u | v;
  return true;
}

}  // namespace

bool ParseCssColor(std::wstring text, bool strict, cef_color_t& color) {
  size_t a = 0, b = text.size();
  while (a < b && iswspace(text[a])) ++a;
  while (b > a && iswspace(text[b - 1])) --b;
  text = Lower(text.substr(a, b - a));
  if (text.empty()) return false;
  if (text[0] == L'#') return ParseHexColor(text.substr(1), color);
  if (text == L"transparent") {
    color = 0;
    return true;
  }
  for (const auto& n : kNamedColors)
    if (text == n.name) {
      color = 0xFF000000u | n.rgb;
      return true;
    }
  const bool rgba = text.rfind(L"rgba(", 0) == 0;
  if (rgba || text.rfind(L"rgb(", 0) == 0) {
    if (text.back() != L')') return false;
    const std::wstring inner = text.substr(rgba ? 5 : 4, text.size() - (rgba ? 6 : 5));
    std::vector<std::wstring> items;
    size_t s = 0;
    for (;;) {
      const size_t c = inner.find(L',', s);
      items.push_back(inner.substr(s, c == std::wstring::npos ? std::wstring::npos : c - s));
      if (c == std::wstring::npos) break;
      s = c + 1;
    }
    if (items.size() != (rgba ? 4u : 3u)) return false;
    unsigned rgb[3];
    for (int k = 0; k < 3; ++k) {
      wchar_t* end = nullptr;
      const double d = wcstod(items[k].c_str(), &end);
      std::wstring rest = end;
      rest.erase(0, rest.find_first_not_of(L" "));
      double v = d;
      if (!rest.empty() && rest[0] == L'%') {
        v = d * 255.0 / 100.0;
        rest.erase(0, 1);
      }
      rest.erase(0, rest.find_first_not_of(L" "));
      if (end == items[k].c_str() || !rest.empty()) return false;
      rgb[k] = static_cast<unsigned>(std::lround(std::clamp(v, 0.0, 255.0)));
    }
    unsigned alpha = 255;
    if (rgba) {
      wchar_t* end = nullptr;
      const double d = wcstod(items[3].c_str(), &end);
      if (end == items[3].c_str()) return false;
      alpha = static_cast<unsigned>(std::lround(std::clamp(d, 0.0, 1.0) * 255.0));
    }
    color = (alpha << 24) | (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
    return true;
  }
  // Quirks mode takes hex digits without the '#'.
  return !strict && ParseHexColor(text, color);
}

namespace {

void FillPart(cef_string_t& field, const std::wstring& value) { SetCefString(&field, value); }

}  // namespace

}  // namespace standin

using namespace standin;

extern "C" {

int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts) {
  return Guard(0, [&] {
    TUrlParts p;
    if (!parts || !ParseUrl(ToW(url), p)) return 0;
    FillPart(parts->spec, p.spec);
    FillPart(parts->scheme, p.scheme);
    FillPart(parts->username, p.username);
    FillPart(parts->password, p.password);
    FillPart(parts->host, p.host);
    FillPart(parts->port, p.port);
    FillPart(parts->origin, p.origin);
    FillPart(parts->path, p.path);
    FillPart(parts->query, p.query);
    return 1;
  });
}

int cef_create_url(const cef_urlparts_t* parts, cef_string_t* url) {
  return Guard(0, [&] {
    if (!parts || !url) return 0;
    const std::wstring spec = ToW(&parts->spec), host = ToW(&parts->host);
    std::wstring text;
    if (!spec.empty()) {
      text = spec;
    } else if (!host.empty()) {
      std::wstring scheme = ToW(&parts->scheme);
      if (scheme.empty()) scheme = L"http";
      const std::wstring user = ToW(&parts->username), pass = ToW(&parts->password), port = ToW(&parts->port);
      std::wstring path = ToW(&parts->path);
      const std::wstring query = ToW(&parts->query);
      if (!path.empty() && path[0] != L'/') path = L"/" + path;
      text = scheme + L"://";
      if (!user.empty()) text += user + (pass.empty() ? L"" : L":" + pass) + L"@";
      text += host + (port.empty() ? L"" : L":" + port) + path + (query.empty() ? L"" : L"?" + query);
    } else {
      return 0;
    }
    TUrlParts p;
    if (!ParseUrl(text, p)) return 0;
    SetCefString(url, p.spec);
    return 1;
  });
}

cef_string_userfree_t cef_format_url_for_security_display(const cef_string_t* origin_url, const cef_string_t* languages) {
  (void)languages;
  return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
    TUrlParts p;
    const std::wstring text = ToW(origin_url);
    if (!ParseUrl(text, p)) return NewUserFree(text);
    if (p.origin.empty()) return NewUserFree(p.spec);
    return NewUserFree(p.scheme + L"://" + p.host + (p.port.empty() ? L"" : L":" + p.port));
  });
}

cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension) {
  return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
    std::wstring ext = ToW(extension);
    if (!ext.empty() && ext[0] == L'.') ext.erase(0, 1);
    const std::wstring mime = MimeTypeForExtension(ext);
    return mime.empty() ? nullptr : NewUserFree(mime);
  });
}

void cef_get_extensions_for_mime_type(const cef_string_t* mime_type, cef_string_list_t extensions) {
  GuardVoid([&] {
    if (!extensions) return;
    for (const auto& e : ExtensionsForMimeType(ToW(mime_type))) {
      cef_string_t v = ViewOf(e);
      cef_string_list_append(extensions, &v);
    }
  });
}

cef_string_userfree_t cef_base64encode(const void* data, size_t data_size) {
  return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
    if (!data && data_size) return nullptr;
    return NewUserFree(FromUtf8(Base64Encode(data, data_size)));
  });
}

cef_binary_value_t* cef_base64decode(const cef_string_t* data) {
  return Guard<cef_binary_value_t*>(nullptr, [&]() -> cef_binary_value_t* {
    std::string bytes;
    const std::wstring text = ToW(data);
    for (wchar_t c : text)
      if (c > 0x7F) return nullptr;
    if (!Base64Decode(ToUtf8(text), bytes)) return nullptr;
    return cef_binary_value_create(bytes.data(), bytes.size());
  });
}

cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus) {
  return Guard<cef_string_userfree_t>(nullptr, [&] {
    const std::string utf8 = ToUtf8(ToW(text));
    std::wstring out;
    for (unsigned char c : utf8) {
      if (isalnum(c) || (c && std::strchr("!()*,-./:_~", c))) {
        out += static_cast<wchar_t>(c);
      } else if (c == ' ' && use_plus) {
        out += L'+';
      } else {
        wchar_t buf[4];
        swprintf(buf, 4, L"%%%02X", c);
        out += buf;
      }
    }
    return NewUserFree(out);
  });
}

cef_string_userfree_t cef_uridecode(const cef_string_t* text, int convert_to_utf8, cef_uri_unescape_rule_t rule) {
  return Guard<cef_string_userfree_t>(nullptr, [&] {
    const std::wstring input = ToW(text);
    if (rule == UU_NONE) return NewUserFree(input);
    std::string bytes;    // the decoded text as UTF-8 bytes, for the UTF-8 reading
    std::wstring plain;   // the decoded text with one character per unescaped byte
    bool highBytes = false;
    for (size_t i = 0; i < input.size(); ++i) {
      const wchar_t c = input[i];
      if (c == L'+' && (rule & UU_REPLACE_PLUS_WITH_SPACE)) {
        bytes += ' ';
        plain += L' ';
        continue;
      }
      if (c == L'%' && i + 2 < input.size() && HexValue(input[i + 1]) >= 0 && HexValue(input[i + 2]) >= 0) {
        const int v = HexValue(input[i + 1]) * 16 + HexValue(input[i + 2]);
        const bool keep = (v == ' ' && !(rule & UU_SPACES)) ||
                          (v < 0x20 && !(rule & UU_CONTROL_CHARS)) ||
                          (v && std::strchr("#$&+,/:;=?@%", v) && !(rule & UU_URL_SPECIAL_CHARS));
        if (!keep) {
          bytes += static_cast<char>(v);
          plain += static_cast<wchar_t>(v);
          if (v >= 0x80) highBytes = true;
          i += 2;
          continue;
        }
      }
      bytes += ToUtf8(std::wstring(1, c));
      plain += c;
    }
    if (!convert_to_utf8 || !highBytes) return NewUserFree(plain);
    // Bytes that are no valid UTF-8 are returned as decoded, one character per byte.
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return NewUserFree(plain);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return NewUserFree(out);
  });
}

int cef_parse_csscolor(const cef_string_t* string, int strict, cef_color_t* color) {
  return Guard(0, [&] {
    cef_color_t c = 0;
    if (!color || !ParseCssColor(ToW(string), strict != 0, c)) return 0;
    *color = c;
    return 1;
  });
}

cef_value_t* cef_parse_jsonand_return_error(const cef_string_t* json_string, cef_json_parser_options_t options,
                                            cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out) {
  return Guard<cef_value_t*>(nullptr, [&]() -> cef_value_t* {
    const std::string text = ToUtf8(ToW(json_string));
    TJsonParser parser(text, (options & JSON_PARSER_ALLOW_TRAILING_COMMAS) != 0);
    TValueData v;
    const bool ok = parser.Parse(v);
    if (error_code_out) *error_code_out = ok ? JSON_NO_ERROR : parser.Error();
    if (error_msg_out) SetCefString(error_msg_out, ok ? L"" : parser.Message());
    return ok ? NewValue(std::make_shared<TValueData>(std::move(v))) : nullptr;
  });
}

cef_value_t* cef_parse_json(const cef_string_t* json_string, cef_json_parser_options_t options) {
  return cef_parse_jsonand_return_error(json_string, options, nullptr, nullptr);
}

cef_string_userfree_t cef_write_json(cef_value_t* node, cef_json_writer_options_t options) {
  auto held = TCRef<cef_value_t>::Adopt(node);
  return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
    auto data = ValueDataOf(node);
    if (!data) return nullptr;
    std::string out;
    if (!WriteJson(*data, options, 0, out)) return nullptr;
    if (options & JSON_WRITER_PRETTY_PRINT) out += "\r\n";
    return NewUserFree(FromUtf8(out));
  });
}

}  // extern "C"
