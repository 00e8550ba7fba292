// Link decoding: the portal's base64, the lenient UTF-8 decoding and the file name from an address.
#include <string>

#include "FuzzSupport.h"
#include "app/LinkDecode.h"
#include "rtl/StrConv.h"

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Encode(std::string_view bytes, bool pad) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
    unsigned v = 0;
    for (size_t k = 0; k < 3; ++k) v = v << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0);
    for (size_t k = 0; k < 4; ++k) {
      if (k <= n) out += kAlphabet[(v >> (18 - 6 * k)) & 63];
      else if (pad) out += '=';
    }
  }
  return out;
}

std::string WithoutTrailingZeros(std::string s) {
  while (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}

bool IsValidUtf16(const std::wstring& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    const uint32_t c = static_cast<uint32_t>(s[i]);
    if (c >= 0xDC00 && c <= 0xDFFF) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The filter keeps exactly the alphabet and "=", in order, and is idempotent.
  const std::string filtered = FilterBase64Chars(bytes);
  FUZZ_CHECK(filtered.size() <= bytes.size());
  FUZZ_CHECK(FilterBase64Chars(filtered) == filtered);

  // Any text decodes to 3 bytes per full group of four, and a partial group of two or three
  // characters to one or two bytes (a single leftover character carries none).
  const std::string decoded = Base64DecodeText(bytes, false);
  const size_t leftover = filtered.size() % 4;
  FUZZ_CHECK(decoded.size() == filtered.size() / 4 * 3 + (leftover >= 2 ? leftover - 1 : 0));
  FUZZ_CHECK(Base64DecodeText(bytes, true) == WithoutTrailingZeros(decoded));

  // Standard base64 of any bytes decodes back (padding becomes trailing zeros), also with line
  // breaks and blanks between the characters.
  const std::string padded = Encode(bytes, true);
  FUZZ_CHECK(Base64DecodeText(padded, true) == WithoutTrailingZeros(std::string(bytes)));
  std::string broken;
  for (size_t i = 0; i < padded.size(); ++i) broken += (i % 7 == 6 ? "\r\n " : "") + std::string(1, padded[i]);
  FUZZ_CHECK(Base64DecodeText(broken, false) == Base64DecodeText(padded, false));
  // Without padding the bytes come back exactly.
  FUZZ_CHECK(Base64DecodeText(Encode(bytes, false), false) == bytes);

  // The address is always valid UTF-16, and valid UTF-8 comes back unchanged.
  const std::wstring address = DecodeLinkAddress(bytes);
  FUZZ_CHECK(IsValidUtf16(address));
  FUZZ_CHECK(rtl::Utf8ToUtf16(rtl::Utf16ToUtf8(address)) == address);
  const std::wstring text = rtl::Utf8ToUtf16(bytes);
  FUZZ_CHECK(IsValidUtf16(text));
  if (text.find(0xFFFD) == std::wstring::npos) FUZZ_CHECK(rtl::Utf16ToUtf8(text) == bytes);

  // A file name holds no folder and no drive, escaped or not, whatever the address; the query
  // and fragment never reach it.
  for (const std::wstring& from : {address, fuzz::Utf16Of(data, size)}) {
    const std::wstring name = FileNameFromAddress(from);
    FUZZ_CHECK(name.find_first_of(L"\\/:") == std::wstring::npos);
    FUZZ_CHECK(name.size() <= from.size());
    const size_t query = from.find_first_of(L"?#");
    if (query != std::wstring::npos) FUZZ_CHECK(FileNameFromAddress(from.substr(0, query)) == name);
  }
  return 0;
}
