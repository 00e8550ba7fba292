// The load-error table lookup: any code gives a known entry or nothing.
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "vorad/core/VoraD.Core.CefErr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TCefErrorManager manager;
  static const std::set<int32_t> known = [] {
    std::set<int32_t> codes;
    for (const TCefErrorEntry& e : CefErrorEntries()) codes.insert(e.Code);
    return codes;
  }();
  for (size_t i = 0; i + 4 <= size; i += 4) {
    const int32_t code = static_cast<int32_t>(static_cast<uint32_t>(data[i]) | data[i + 1] << 8 | data[i + 2] << 16 |
                                              static_cast<uint32_t>(data[i + 3]) << 24);
    std::wstring name = L"untouched", description = L"untouched";
    const bool found = manager.GetErrorDescription(code, name, description);
    FUZZ_CHECK(found == (known.count(code) == 1));
    if (found) {
      FUZZ_CHECK(name.rfind(L"NET_ERROR_", 0) == 0);
      FUZZ_CHECK(!description.empty() && description.find(L'\n') == std::wstring::npos);
    } else {
      FUZZ_CHECK(name == L"untouched" && description == L"untouched");
    }
    FUZZ_CHECK(manager.IsUserAborted(code) == (code == -3));
    FUZZ_CHECK(manager.EntryCount() == CefErrorEntryCount);
  }
  return 0;
}
