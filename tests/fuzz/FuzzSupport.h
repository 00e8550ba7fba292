#pragma once
// Shared by the fuzz targets: turning the fuzzer's bytes into the inputs of the pure units, and
// a property check that stops the run with the input's finding when it fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Aborts (a finding, with the input saved by the fuzzer) when a property does not hold.
#define FUZZ_CHECK(cond)                                                                \
  do {                                                                                  \
    if (!(cond)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                     \
    }                                                                                   \
  } while (0)

namespace fuzz {

// Bytes as text of UTF-16 code units (two bytes each, little end first), as Windows holds text:
// every unit, lone surrogates included, can appear. An odd last byte is one more unit.
inline std::wstring Utf16Of(const uint8_t* data, size_t size) {
  std::wstring out;
  out.reserve(size / 2 + 1);
  for (size_t i = 0; i < size; i += 2)
    out.push_back(static_cast<wchar_t>(data[i] | (i + 1 < size ? data[i + 1] << 8 : 0)));
  return out;
}

// Bytes as text of the characters U+0000-U+00FF, one per byte: for parsers whose input is mostly
// ASCII, so the fuzzer's dictionary words arrive as written.
inline std::wstring Latin1Of(const uint8_t* data, size_t size) { return std::wstring(data, data + size); }

// The input split in two at its first NUL byte (the second part empty when there is none).
inline std::pair<std::string_view, std::string_view> SplitAtNul(const uint8_t* data, size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const size_t nul = all.find('\0');
  if (nul == std::string_view::npos) return {all, {}};
  return {all.substr(0, nul), all.substr(nul + 1)};
}

inline bool IsSurrogate(uint32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace fuzz
