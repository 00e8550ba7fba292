// The download engine's file rules: a name it accepts is a plain file name Windows keeps as it is.
#include <string>

#include "FuzzSupport.h"
#include "platform/xldl/XlFiles.h"

namespace {

bool IsDevice(const std::wstring& name) {
  std::wstring stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (auto& c : stem) c = c >= L'a' && c <= L'z' ? wchar_t(c - L'a' + L'A') : c;
  for (const wchar_t* d : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (stem == d) return true;
  if (stem.size() != 4 || (stem.compare(0, 3, L"COM") != 0 && stem.compare(0, 3, L"LPT") != 0)) return false;
  const wchar_t n = stem[3];
  // Windows opens "COM¹" and "LPT³" as devices too.
  return (n >= L'1' && n <= L'9') || n == 0xB9 || n == 0xB2 || n == 0xB3;
}

void CheckName(const std::wstring& name) {
  if (!xldl::IsValidFileName(name)) return;
  FUZZ_CHECK(!name.empty() && name.size() <= 255);
  FUZZ_CHECK(name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos);
  for (wchar_t c : name) FUZZ_CHECK(c >= 0x20);
  FUZZ_CHECK(name.back() != L'.' && name.back() != L' ');
  FUZZ_CHECK(!IsDevice(name));
  // The numbered names that keep an existing file are valid too.
  for (int n : {1, 2, 10, 999})
    if (name.size() < 240) FUZZ_CHECK(xldl::IsValidFileName(xldl::NumberedName(name, n)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = fuzz::Utf16Of(data, size), latin = fuzz::Latin1Of(data, size);
  CheckName(text);
  CheckName(latin);
  for (const std::wstring& folder : {text, latin}) {
    if (!xldl::IsValidFolder(folder)) continue;
    const bool drive = folder.size() >= 3 && folder[1] == L':';
    FUZZ_CHECK(drive || (folder[0] == L'\\' || folder[0] == L'/'));
    const std::wstring with = xldl::WithSeparator(folder);
    FUZZ_CHECK(with.back() == L'\\' || with.back() == L'/');
    FUZZ_CHECK(xldl::IsValidFolder(with));
  }
  return 0;
}
