#pragma once
// The download engine xldl.dll as its callers see it: the two fixed-layout records and the six
// calls. The executable binds the DLL by import at load time (import library from
// platform/xldl). The engine includes this header too, so both sides share one layout.
//
// Threads: every call is made on the one thread that owns the engine (the UI thread); transfers
// run on the engine's own worker threads, and no call waits on the network.
//
// Files: a task saves into <SavePath><FileName>.part and renames that file to <SavePath><FileName>
// only once all bytes are in and the size matches; a paused or failed task leaves only the
// .part file. A path separator is added when SavePath lacks one. An existing file is never
// overwritten: when <SavePath><FileName> (or its .part) already exists at the first start, the
// task takes the next free name "stem (1).ext", "stem (2).ext", ... (the extension is the text
// after the last dot; a name whose only dot is its first character has none), and the same rule
// applies again at the rename if the chosen name was taken meanwhile. TXlTaskInfo::SavedName
// tells the name chosen.
//
// Resume after a restart: while a task downloads from a server that tells the size and accepts
// ranges, a control file <name>.part.ctl sits beside the .part. It is UTF-8 text, one item a
// line: "xldl-resume 1", "url <address as given to XL_CreateTask>", "total <bytes>",
// "etag <ETag or empty>", "modified <Last-Modified or empty>", one "done <first> <end>" per
// byte range [first, end) already in the .part, and "end" as the last line. It is rewritten
// about once a second, and at a pause, a failure and XL_UnInit, always after the .part's bytes
// are flushed to disk, and always as a whole (written to <name>.part.ctl.tmp, then renamed over
// it), so a crash or power cut costs at most a second or so of data and never leaves it half
// written. It is removed when the file completes (and with the .part when a task fails before
// any byte arrived). When a task's first start finds, under the name it would take, a .part
// whose control file names the same address and size, the task takes that .part over: it asks
// for the first missing range with If-Range and goes on with the saved ranges when the answer
// has the same size, ETag and Last-Modified; otherwise (the resource changed, or the server gives
// no validators) it downloads afresh into the same .part. A control file that is unreadable or
// for another address is left alone, and the task takes the next free name as above.
#include <cstddef>
#include <cstdint>

// Task status, byte 0 of TXlTaskInfo.
enum : std::uint8_t {
  XL_STATUS_CREATED = 0,      // created, never started
  XL_STATUS_WAITING = 1,      // started: connecting or waiting for the server's first answer
  XL_STATUS_PAUSED = 2,       // stopped by XL_StopTask; XL_StartTask resumes it
  XL_STATUS_DOWNLOADING = 3,  // receiving data (total size 0 or less while unknown)
  XL_STATUS_COMPLETE = 4,     // the file is complete under its final name
  XL_STATUS_FAILED = 5,       // given up; FailCode says why; XL_StartTask tries again
};

// TXlTaskInfo::FailCode: 0 while nothing failed, an HTTP status (100..599) when the server's
// answer ended the task, or one of these.
enum : std::int32_t {
  XL_FAIL_NONE = 0,
  // Connection failed, lost, reset or stalled, retries exhausted: a segment has five tries, and
  // only a try that gets further than every try before it (since the last start) earns new ones;
  // a 503 or 429 with Retry-After waits as asked (at most a minute) before the next.
  XL_FAIL_NETWORK = 1001,
  XL_FAIL_REDIRECTS = 1002,       // too many redirects, or a redirect to an unusable address
  XL_FAIL_BAD_RESPONSE = 1003,    // the server's answer was malformed or inconsistent
  XL_FAIL_FILE = 1004,            // the .part file could not be opened, written or renamed
  XL_FAIL_SIZE_MISMATCH = 1005,   // the data received does not match the announced size
};

using TXlTaskHandle = std::uint32_t;  // 0 is never a task

#pragma pack(push, 1)

// Filled with zero bytes by the caller, then the named fields are set. Texts are UTF-16 and
// zero-terminated within their area; a text that fills its area without a terminator makes
// XL_CreateTask refuse the record.
struct TXlTaskParam {
  std::int32_t Reserved0;           // 0
  wchar_t TaskUrl[2084];            // http:// or https:// address
  wchar_t RefUrl[2084];             // Referer sent with every request (unless empty or with controls)
  std::uint8_t Reserved1[8192];
  wchar_t FileName[520];            // name to save under (no path)
  wchar_t SavePath[392];            // folder to save in
  std::int32_t Reserved2;           // 0
  std::uint8_t Reserved3[8];
  std::int32_t MaxConnections;      // -1 or 0: the engine's choice; 1..16: at most that many
  std::uint8_t Reserved4[8192];
};

// Filled completely by a successful XL_QueryTaskInfoEx.
struct TXlTaskInfo {
  std::uint8_t Status;              // XL_STATUS_*
  std::uint8_t Reserved0[3];
  std::int32_t FailCode;            // XL_FAIL_* or an HTTP status, when Status is XL_STATUS_FAILED
  wchar_t SavedName[520];           // the name chosen at the first start (see the note above)
  std::int64_t TotalSize;           // bytes; 0 or less while unknown
  std::int64_t Received;            // bytes so far
  std::int64_t Speed;               // bytes per second, recent average
  std::int32_t Connections;         // connections open now
  std::uint8_t Reserved1[360];
};

#pragma pack(pop)

// The engine's binary interface on Windows. The native fuzz build (4-byte wchar_t) compiles the
// records only for the pure functions that read them, and skips the layout checks.
#ifdef _WIN32
static_assert(sizeof(wchar_t) == 2, "the records hold UTF-16 text");
// The records hold no pointers, so the layout is the same for 32-bit and 64-bit code.
static_assert(sizeof(TXlTaskParam) == 26564, "TXlTaskParam size");
static_assert(offsetof(TXlTaskParam, Reserved0) == 0, "TXlTaskParam leading zero");
static_assert(offsetof(TXlTaskParam, TaskUrl) == 4, "TXlTaskParam address");
static_assert(sizeof(TXlTaskParam::TaskUrl) == 4168, "TXlTaskParam address area");
static_assert(offsetof(TXlTaskParam, RefUrl) == 4172, "TXlTaskParam second text");
static_assert(sizeof(TXlTaskParam::RefUrl) == 4168, "TXlTaskParam second text area");
static_assert(offsetof(TXlTaskParam, FileName) == 16532, "TXlTaskParam file name");
static_assert(sizeof(TXlTaskParam::FileName) == 1040, "TXlTaskParam file name area");
static_assert(offsetof(TXlTaskParam, SavePath) == 17572, "TXlTaskParam folder");
static_assert(sizeof(TXlTaskParam::SavePath) == 784, "TXlTaskParam folder area");
static_assert(offsetof(TXlTaskParam, Reserved2) == 18356, "TXlTaskParam zero field");
static_assert(offsetof(TXlTaskParam, MaxConnections) == 18368, "TXlTaskParam -1 field");

static_assert(sizeof(TXlTaskInfo) == 1436, "TXlTaskInfo size");
static_assert(offsetof(TXlTaskInfo, Status) == 0, "TXlTaskInfo status");
static_assert(offsetof(TXlTaskInfo, FailCode) == 4, "TXlTaskInfo fail code");
static_assert(offsetof(TXlTaskInfo, SavedName) == 8, "TXlTaskInfo saved name");
static_assert(offsetof(TXlTaskInfo, TotalSize) == 1048, "TXlTaskInfo total size");
static_assert(offsetof(TXlTaskInfo, Received) == 1056, "TXlTaskInfo bytes so far");
static_assert(offsetof(TXlTaskInfo, Speed) == 1064, "TXlTaskInfo speed");
static_assert(offsetof(TXlTaskInfo, Connections) == 1072, "TXlTaskInfo connections");
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define XLDL_CALL __cdecl
#else
#define XLDL_CALL
#endif

// Results of type bool are read by their low 8 bits, as the C ABI returns them.
extern "C" {
// Prepares the engine; true when it is ready. A second call while ready is harmless.
bool XLDL_CALL XL_Init();
// Stops every task and joins every engine thread before it returns; every handle becomes
// unknown. Paused, failed and interrupted tasks keep their .part files.
bool XLDL_CALL XL_UnInit();
// Copies the record; 0 when the engine is not ready or a text lacks its terminator.
TXlTaskHandle XLDL_CALL XL_CreateTask(const TXlTaskParam* param);
// Starts or resumes on a worker thread and returns at once (a failed task again, with fresh
// tries): true when the task is now waiting or downloading; false for an unknown handle, an engine not ready, an address that is
// not http/https, an empty or invalid file name or folder, or a task already complete.
bool XLDL_CALL XL_StartTask(TXlTaskHandle task);
// Pauses: the transfer stops within a fraction of a second, received data stays in the .part
// file, and XL_StartTask resumes with a Range request where the server allows it (from the
// start where it does not). False for an unknown handle and for complete or failed tasks.
bool XLDL_CALL XL_StopTask(TXlTaskHandle task);
// Fills the whole record from the task's current state without waiting on the network.
bool XLDL_CALL XL_QueryTaskInfoEx(TXlTaskHandle task, TXlTaskInfo* info);
}
