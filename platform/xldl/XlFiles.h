#pragma once
// File rules of the download engine: what a valid name and folder are, the numbered names that
// keep existing files untouched, and a positioned-write file.
#include <windows.h>

#include <cstdint>
#include <string>

#include "rtl/Handles.h"

namespace xldl {

// A plain file name: not empty, no path, no character Windows refuses, no trailing dot or
// space (Windows would drop them), not a device name such as "CON" or "nul.txt".
bool IsValidFileName(const std::wstring& name);
// An absolute folder: "X:\..." or "\\server\share...", no characters Windows refuses.
bool IsValidFolder(const std::wstring& folder);
// The folder with a trailing separator.
std::wstring WithSeparator(const std::wstring& folder);
// "stem (n).ext" for n >= 1; the name itself for n == 0.
std::wstring NumberedName(const std::wstring& name, int n);
// The path with the "\\?\" prefix when it is too long for the plain Windows calls.
std::wstring LongPath(const std::wstring& path);

// A file written at explicit offsets from several threads at once.
class TPartFile {
public:
  TPartFile() = default;
  ~TPartFile() { Close(); }
  TPartFile(const TPartFile&) = delete;
  TPartFile& operator=(const TPartFile&) = delete;

  // CREATE_NEW: fails when the file exists. Returns false and leaves GetLastError.
  bool Create(const std::wstring& path);
  // Opens an existing file; false when it is gone.
  bool Open(const std::wstring& path);
  bool IsOpen() const { return FHandle.Valid(); }
  bool WriteAt(std::int64_t offset, const char* data, std::size_t size);
  bool SetSize(std::int64_t size);
  // Down to the disk: what is written survives a power cut.
  bool Flush() { return FlushFileBuffers(FHandle.Get()) != 0; }
  // Once every byte is written the file need not stay sparse.
  void ClearSparse();
  std::int64_t Size() const;
  void Close();

private:
  rtl::TFileHandle FHandle;
};

}  // namespace xldl
