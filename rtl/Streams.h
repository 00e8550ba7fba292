#pragma once
// TMemoryStream: bytes in memory with a read/write position.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace rtl {

class TMemoryStream {
public:
  // Writes at the position (growing the stream as needed) and moves past what was written.
  void Write(const void* data, size_t count) {
    if (!count) return;
    if (FPosition + count > FData.size()) FData.resize(FPosition + count);
    std::memcpy(FData.data() + FPosition, data, count);
    FPosition += count;
  }
  // Reads up to `count` bytes from the position; returns how many were read.
  size_t Read(void* buffer, size_t count) {
    const size_t n = std::min(count, FData.size() - std::min(FPosition, FData.size()));
    if (n) std::memcpy(buffer, FData.data() + FPosition, n);
    FPosition += n;
    return n;
  }
  size_t Position() const { return FPosition; }
  void SetPosition(size_t position) { FPosition = std::min(position, FData.size()); }
  size_t Size() const { return FData.size(); }
  const uint8_t* Memory() const { return FData.data(); }
  std::string Bytes() const { return std::string(FData.begin(), FData.end()); }
  void Clear() {
    FData.clear();
    FPosition = 0;
  }

private:
  std::vector<uint8_t> FData;
  size_t FPosition = 0;
};

}  // namespace rtl
