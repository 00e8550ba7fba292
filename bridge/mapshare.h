#pragma once
// The shared window block and the instance mutex.
//
// Every process of the program maps one named block of shared memory at start (OpenShareBlock,
// module initialisation). The browser process writes the main window's handle into it; a render
// process that serves a page call writes the call's text into text buffer 1 and then sends one
// of the bridge messages below, synchronously, to that handle. The block has no lock: the
// synchronous send keeps buffer 1 owned by one call until the handler returns.
//
// All operations run on the thread that calls them; the block itself is process-wide state.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Kernel object names, used as they stand in the caller's session namespace.
inline constexpr wchar_t ShareBlockName[] = L"{3DA9050B-6F59-44A3-A7F1-6686382465DA}";
inline constexpr wchar_t InstanceMutexName[] = L"{723A412A-5016-499D-847F-CB9C0338DC3C}";

static_assert(sizeof(wchar_t) == 2, "the block holds UTF-16 code units");

#pragma pack(push, 1)
// The cross-process format: exactly 400,016 bytes, little-endian, no header. A block created by
// this process starts all zero.
struct TMapShareBlock {
  uint32_t MainWindow;     // 32-bit window handle; 0 until the main window is created
  uint32_t Reserved;       // never read or written
  wchar_t Text1[100001];   // 200,002 bytes: UTF-16LE, ended by a zero code unit
  wchar_t Text2[100003];   // 200,006 bytes: same form; reserved, unused by the system
};
#pragma pack(pop)

static_assert(sizeof(TMapShareBlock) == 400016, "TMapShareBlock is a 400,016-byte format");
static_assert(offsetof(TMapShareBlock, MainWindow) == 0, "main window handle at offset 0");
static_assert(offsetof(TMapShareBlock, Reserved) == 4, "reserved field at offset 4");
static_assert(offsetof(TMapShareBlock, Text1) == 8, "text buffer 1 at offset 8");
static_assert(offsetof(TMapShareBlock, Text2) == 200010, "text buffer 2 at offset 200,010");
static_assert(sizeof(TMapShareBlock::Text1) == 200002, "text buffer 1 is 200,002 bytes");
static_assert(sizeof(TMapShareBlock::Text2) == 200006, "text buffer 2 is 200,006 bytes");

// The writer clears this many bytes of a buffer (50,000 code units) ...
inline constexpr size_t ShareTextClearedBytes = 100000;
// ... so a text of up to this many code units is stored and read back exactly.
inline constexpr size_t ShareTextMaxLength = ShareTextClearedBytes / sizeof(wchar_t) - 1;  // 49,999

// Bridge messages: sent by TApp to the handle at offset 0 with both parameters 0;
// the text argument, where there is one, is in buffer 1. Handlers leave the result 0.
inline constexpr UINT WM_BRIDGE_MOVE = 8125;       // hWMove: move the window with the mouse
inline constexpr UINT WM_BRIDGE_MINIMIZE = 8126;   // hWMin: minimise
inline constexpr UINT WM_BRIDGE_MAXIMIZE = 8127;   // hWMax: restore if maximised, else maximise
inline constexpr UINT WM_BRIDGE_DOWNLOAD = 8128;   // hDwon: buffer 1 holds the download link
inline constexpr UINT WM_BRIDGE_PAUSE = 8129;      // hDwonPause: pause the current task
inline constexpr UINT WM_BRIDGE_RESUME = 8130;     // hDwonStart: resume the current task
inline constexpr UINT WM_BRIDGE_OPENURL = 8131;    // hOpenUrl: buffer 1 holds the web address
inline constexpr UINT WM_BRIDGE_OPENDIR = 8132;    // hOpenDir: open the download folder
inline constexpr UINT WM_BRIDGE_SEARCH = 8133;     // hSearch: buffer 1 holds the search words
inline constexpr UINT WM_BRIDGE_EXIT = WM_CLOSE;   // hExitApp: close the main window (16)

// One row of the bridge message table.
struct TBridgeMessage {
  UINT Id;
  const wchar_t* Sender;  // the TApp function that sends it
  bool CarriesText;       // true when buffer 1 holds the call's text argument
};
inline constexpr TBridgeMessage BridgeMessages[] = {
    {WM_BRIDGE_MOVE, L"hWMove", false},         {WM_BRIDGE_MINIMIZE, L"hWMin", false},
    {WM_BRIDGE_MAXIMIZE, L"hWMax", false},      {WM_BRIDGE_DOWNLOAD, L"hDwon", true},
    {WM_BRIDGE_PAUSE, L"hDwonPause", false},    {WM_BRIDGE_RESUME, L"hDwonStart", false},
    {WM_BRIDGE_OPENURL, L"hOpenUrl", true},     {WM_BRIDGE_OPENDIR, L"hOpenDir", false},
    {WM_BRIDGE_SEARCH, L"hSearch", true},       {WM_BRIDGE_EXIT, L"hExitApp", false},
};

// The mapped view; null before OpenShareBlock and after CloseShareBlock.
extern TMapShareBlock* ShareBlock;

// Module initialisation, every process: opens the existing block or creates it (paging-file
// backed, 400,016 bytes, all zero) and maps a read-write view of it. If the block can be neither
// opened nor created, or the view cannot be mapped or is smaller than TMapShareBlock (another
// process created a smaller block under the name), the process ends at once with exit code 0.
// Calling it again while the block is mapped does nothing.
void OpenShareBlock();
// Module finalisation: unmaps the view if there is one, closes the mapping handle if there is one.
void CloseShareBlock();

enum class TShareBuffer { Text1 = 1, Text2 = 2 };

// Clears the first 100,000 bytes of the selected buffer and copies the text's code units to its
// start without a terminator (the cleared area supplies it).
//
// Over-long texts are CUT, never written past the cleared area: a text of more than 49,999 code
// units (ShareTextMaxLength) is stored as its first 49,999 code units, or 49,998 when the
// 49,999th is a high surrogate, so that the stored text never ends in half a surrogate pair.
// Nothing beyond the first 100,000 bytes of the selected buffer is ever touched (buffer 2 stays
// as it was when buffer 1 is written). Cutting rather than refusing keeps the receiver from
// reading the previous call's text, and any text longer than that is no valid argument anyway
// (a download address has at most 2,083 code units).
// Returns true when the whole text was stored, false when it was cut or no block is mapped.
bool WriteShareText(std::wstring_view text, TShareBuffer buffer = TShareBuffer::Text1);

// The receiver's side: the text of the buffer up to its first zero code unit (never reading past
// the buffer). Empty when no block is mapped.
std::wstring ReadShareText(TShareBuffer buffer = TShareBuffer::Text1);

// The handle at offset 0. Window handles have 32 significant bits on 32- and 64-bit Windows, so
// the 32-bit field carries them both ways (sign-extended on the way back, as LongToHandle does).
void WriteShareMainWindow(HWND window);
HWND ReadShareMainWindow();

// Main block, browser process: creates the instance mutex, initially owned, and keeps its
// handle. True only when a handle was returned and the last-error value right after the call is
// 0; a mutex that already existed or a failed call gives false, and the handle (if any) then
// stays open until ReleaseInstanceMutex or the end of the process.
bool AcquireInstanceMutex();
// After the message loop: closes the mutex handle if there is one (without releasing the mutex
// first) and forgets it.
void ReleaseInstanceMutex();
