#pragma once
// Frames between the browser process and a render side. Every frame starts with its kind;
// fields follow in the order each kind lists them (u32 little-endian, strings as u32 count +
// UTF-16 units, values in the wire form of Cef.Values.h).
#include <cstdint>
#include <string>

#include "Cef.Values.h"

namespace standin {

enum class TFrameKind : std::uint8_t {
  // render -> browser
  Hello = 1,           // u32 process id
  ToBrowserMessage,    // i32 browser id, string name, value (list) arguments
  DocumentReady,       // i32 browser id, u32 load sequence: page script and load events ran
  ConsoleMessage,      // i32 browser id, u32 level, string message, string source, i32 line
  DialogRequest,       // i32 browser id, u32 dialog id, u32 kind, string message, string default, string url
  TitleChange,         // i32 browser id, string title
  OpenWindow,          // i32 browser id, string url, string name, string features, 8 x i32 (x, xSet, y, ySet, w, wSet, h, hSet)
  CloseWindow,         // i32 browser id
  BeforeUnloadReply,   // i32 browser id, u32 request id, u32 ask the user, string message
  DisplayList,         // i32 browser id, u32 load sequence, bytes: the page laid out (Cef.DisplayList.h)
  FollowLink,          // i32 browser id, string url: a link was clicked
  TakeFocus,           // i32 browser id, u32 next: Tab went past the page's last (first) element
  // browser -> render
  Init = 32,           // value (list) extra info for on_render_thread_created
  BrowserCreated,      // i32 browser id, u32 is popup, string url
  BrowserDestroyed,    // i32 browser id
  ToRenderMessage,     // i32 browser id, string name, value (list) arguments
  Shutdown,            // (nothing): the render side ends
  Navigate,            // i32 browser id, u32 load sequence, string url, string html, u32 n, n x (string url, string code, i32 line)
  ExecuteScript,       // i32 browser id, string code, string url, i32 start line
  DialogReply,         // u32 dialog id, u32 ok, string text
  BeforeUnload,        // i32 browser id, u32 request id: ask the page's onbeforeunload
  Viewport,            // i32 browser id, i32 width, i32 height: the page window's client size
  MouseInput,          // i32 browser id, u32 0 press / 1 release (left button), i32 x, i32 y (page)
  KeyInput,            // i32 browser id, u32 0 down / 1 up / 2 character, i32 key code or character, u32 shift
};

class TFrameWriter {
public:
  explicit TFrameWriter(TFrameKind kind) { FData += static_cast<char>(kind); }
  TFrameWriter& U32(std::uint32_t v) {
    EncodeU32(v, FData);
    return *this;
  }
  TFrameWriter& I32(int v) { return U32(static_cast<std::uint32_t>(v)); }
  TFrameWriter& I64(std::int64_t v) {
    EncodeU32(static_cast<std::uint32_t>(v & 0xFFFFFFFF), FData);
    EncodeU32(static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) >> 32) & 0xFFFFFFFF), FData);
    return *this;
  }
  TFrameWriter& Str(const std::wstring& s) {
    EncodeString(s, FData);
    return *this;
  }
  TFrameWriter& Value(const TValueData& v) {
    EncodeValue(v, FData);
    return *this;
  }
  TFrameWriter& Bytes(const std::string& b) {
    EncodeU32(static_cast<std::uint32_t>(b.size()), FData);
    FData += b;
    return *this;
  }
  std::string Take() { return std::move(FData); }

private:
  std::string FData;
};

// Reads fields in order; after a malformed field every later read fails too and Ok() is false.
class TFrameReader {
public:
  explicit TFrameReader(const std::string& frame) : FData(frame), FPos(1), FOk(!frame.empty()) {}
  TFrameKind Kind() const { return FData.empty() ? TFrameKind{} : static_cast<TFrameKind>(FData[0]); }
  std::uint32_t U32() {
    std::uint32_t v = 0;
    FOk = FOk && DecodeU32(FData, FPos, v);
    return v;
  }
  int I32() { return static_cast<int>(U32()); }
  std::int64_t I64() {
    const std::uint64_t lo = U32(), hi = U32();
    return static_cast<std::int64_t>(lo | (hi << 32));
  }
  std::wstring Str() {
    std::wstring s;
    FOk = FOk && DecodeString(FData, FPos, s);
    return s;
  }
  TValueData Value() {
    TValueData v;
    FOk = FOk && DecodeValue(FData, FPos, v);
    return v;
  }
  std::string Bytes() {
    const std::uint32_t n = U32();
    if (!FOk || FData.size() - FPos < n) {
      FOk = false;
      return {};
    }
    std::string b = FData.substr(FPos, n);
    FPos += n;
    return b;
  }
  bool Ok() const { return FOk; }

private:
  const std::string& FData;
  size_t FPos;
  bool FOk;
};

// A list's arguments as a wire value and back.
inline TValueData ListValue(std::shared_ptr<TListData> list) {
  TValueData v;
  v.type = VTYPE_LIST;
  v.list = list ? std::move(list) : std::make_shared<TListData>();
  return v;
}

}  // namespace standin
