#pragma once
// Load-error descriptions. For a network error code of the runtime, a symbolic name
// (NET_ERROR_...) and an English description whose lines are separated by a carriage return
// (no line feed). Main thread only: the table is built lazily, without a lock, on the first
// lookup.
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

// One row of the error table, in the order of insertion.
struct TCefErrorEntry {
  int32_t Code;
  const wchar_t* Name;
  const wchar_t* Description;
};
inline constexpr size_t CefErrorEntryCount = 164;
// The table's rows (static data), in the order BuildErrorTable inserts them.
std::span<const TCefErrorEntry> CefErrorEntries();

class TCefErrorManager {
public:
  TCefErrorManager() = default;
  ~TCefErrorManager() = default;  // frees FErrorData when it exists
  TCefErrorManager(const TCefErrorManager&) = delete;
  TCefErrorManager& operator=(const TCefErrorManager&) = delete;

  // Builds the table on first use. For a known code: the name and the description, true. For an
  // unknown code (positive numbers, -132, -144, -209 ...): false, both outputs left untouched.
  bool GetErrorDescription(int32_t aErrCode, std::wstring& aErrorName, std::wstring& aErrorDescription);
  // True exactly for -3 (NET_ERROR_ABORTED); never builds the table.
  bool IsUserAborted(int32_t aErrCode) const;

  // For tests: whether the table is built, and its number of entries (0 while not built).
  bool IsTableBuilt() const { return FErrorData != nullptr; }
  size_t EntryCount() const { return FErrorData ? FErrorData->size() : 0; }

private:
  void BuildErrorTable();
  void AddErrorEntry(int32_t code, const wchar_t* name, const wchar_t* description);

  // Error code -> string list of two lines: the name, then the description. Owns its lists.
  std::unique_ptr<std::map<int32_t, std::vector<std::wstring>>> FErrorData;
};

// The process-wide instance: created by InitVoraDCoreCefErr (unit initialisation; the table is
// not built then), freed by FinalVoraDCoreCefErr (unit finalisation).
extern std::unique_ptr<TCefErrorManager> CefErrorManager;
void InitVoraDCoreCefErr();
void FinalVoraDCoreCefErr();
