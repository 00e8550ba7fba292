#include "bridge/mapshare.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "rtl/Handles.h"

TMapShareBlock* ShareBlock = nullptr;

namespace {

// This module's process-wide handles.
rtl::TFileMapping ShareMapping;
rtl::TUniqueHandle InstanceMutex;

wchar_t* BufferStart(TShareBuffer buffer) {
  return buffer == TShareBuffer::Text2 ? ShareBlock->Text2 : ShareBlock->Text1;
}

size_t BufferUnits(TShareBuffer buffer) {
  return buffer == TShareBuffer::Text2 ? std::size(ShareBlock->Text2) : std::size(ShareBlock->Text1);
}

}  // namespace

void OpenShareBlock() {
  if (ShareBlock) return;
  ShareMapping.Reset(OpenFileMappingW(FILE_MAP_WRITE, FALSE, ShareBlockName));
  if (!ShareMapping)
    ShareMapping.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(TMapShareBlock), ShareBlockName));
  rtl::TMappedView view;
  if (ShareMapping) view.Reset(MapViewOfFile(ShareMapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  // Another process may have created a smaller block under the name first: a view that does not
  // hold the whole format counts as no view, or the first write would run past it.
  MEMORY_BASIC_INFORMATION region{};
  if (view && (!VirtualQuery(view.Get(), &region, sizeof region) || region.RegionSize < sizeof(TMapShareBlock)))
    view.Reset();
  // Unmapped by CloseShareBlock only: threads may use the block until the process ends.
  ShareBlock = static_cast<TMapShareBlock*>(view.Release());
  if (!ShareBlock) {
    ShareMapping.Reset();
    ExitProcess(0);  // no block, no process, and no message
  }
}

void CloseShareBlock() {
  rtl::TMappedView(std::exchange(ShareBlock, nullptr)).Reset();
  ShareMapping.Reset();
}

bool WriteShareText(std::wstring_view text, TShareBuffer buffer) {
  if (!ShareBlock) return false;
  wchar_t* start = BufferStart(buffer);
  size_t length = text.size();
  const bool whole = length <= ShareTextMaxLength;
  if (!whole) {
    length = ShareTextMaxLength;
    if (text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
  }
  std::memset(start, 0, ShareTextClearedBytes);
  std::memcpy(start, text.data(), length * sizeof(wchar_t));
  return whole;
}

std::wstring ReadShareText(TShareBuffer buffer) {
  if (!ShareBlock) return {};
  const wchar_t* start = BufferStart(buffer);
  const size_t units = BufferUnits(buffer);
  size_t length = 0;
  while (length < units && start[length] != 0) ++length;
  return std::wstring(start, length);
}

void WriteShareMainWindow(HWND window) {
  if (ShareBlock) ShareBlock->MainWindow = uint32_t(reinterpret_cast<uintptr_t>(window));
}

HWND ReadShareMainWindow() {
  if (!ShareBlock) return nullptr;
  return reinterpret_cast<HWND>(intptr_t(int32_t(ShareBlock->MainWindow)));
}

bool AcquireInstanceMutex() {
  SetLastError(0);
  HANDLE mutex = CreateMutexW(nullptr, TRUE, InstanceMutexName);
  const DWORD error = GetLastError();  // ERROR_ALREADY_EXISTS when another instance holds it
  InstanceMutex.Reset(mutex);
  return mutex && error == 0;
}

void ReleaseInstanceMutex() { InstanceMutex.Reset(); }
