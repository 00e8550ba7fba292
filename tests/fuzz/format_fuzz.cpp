// Format with any format text: it either formats or raises EConvertError, and what it formats
// follows the text.
#include <string>

#include "FuzzSupport.h"
#include "rtl/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 9) return 0;
  int64_t number = 0;
  for (int k = 0; k < 8; ++k) number = static_cast<int64_t>(static_cast<uint64_t>(number) << 8 | data[k]);
  const uint8_t order = data[8];
  const std::wstring format = fuzz::Latin1Of(data + 9, size - 9);

  // Any format text against arguments of every kind, in an order the input picks.
  const rtl::TFormatArg kinds[] = {number, static_cast<uint64_t>(number), static_cast<double>(number),
                                   std::wstring(L"text"), static_cast<const void*>(data)};
  try {
    const std::wstring out = rtl::FormatArgs(format, {kinds[order % 5], kinds[order / 5 % 5], kinds[order / 25 % 5]});
    FUZZ_CHECK(format.find(L'%') != std::wstring::npos || out == format);
  } catch (const rtl::EConvertError&) {
    // A directive the arguments do not fit: reported, never formatted wrongly.
  }

  // Text with every "%" doubled formats to itself; "%d" gives the number as written.
  std::wstring literal;
  for (wchar_t c : format) literal += c == L'%' ? std::wstring(L"%%") : std::wstring(1, c);
  FUZZ_CHECK(rtl::Format(literal) == format);
  FUZZ_CHECK(rtl::Format(literal + L"%d", number) == format + std::to_wstring(number));
  return 0;
}
