#include "Cef.DisplayList.h"

#include <algorithm>

#include "Cef.Values.h"

namespace standin {

namespace {

// More would be no page a person reads; the bound keeps a hostile render side from making the
// browser side allocate without end.
constexpr std::uint32_t kMaxItems = 1000000;

void I32(int v, std::string& out) { EncodeU32(static_cast<std::uint32_t>(v), out); }

bool ReadI32(const std::string& in, size_t& pos, int& v) {
  std::uint32_t u = 0;
  if (!DecodeU32(in, pos, u)) return false;
  v = static_cast<int>(u);
  return true;
}

}  // namespace

void EncodeDisplayList(const TDisplayList& list, std::string& out, size_t maxBytes) {
  I32(list.width, out);
  I32(list.height, out);
  EncodeU32(list.canvas, out);
  const size_t countAt = out.size();
  EncodeU32(0, out);
  std::uint32_t count = 0;
  for (const auto& it : list.items) {
    if (out.size() > maxBytes || count == kMaxItems) break;
    ++count;
    EncodeU32(it.kind, out);
    I32(it.x, out);
    I32(it.y, out);
    I32(it.w, out);
    I32(it.h, out);
    EncodeU32(it.color, out);
    if (it.kind == TDisplayItem::Text) {
      I32(it.fontSize, out);
      EncodeU32(it.bold ? 1 : 0, out);
      EncodeString(it.text, out);
    }
  }
  std::string n;
  EncodeU32(count, n);
  out.replace(countAt, n.size(), n);
}

bool DecodeDisplayList(const std::string& in, size_t& pos, TDisplayList& list) {
  list = TDisplayList{};
  std::uint32_t n = 0;
  if (!ReadI32(in, pos, list.width) || !ReadI32(in, pos, list.height) || !DecodeU32(in, pos, list.canvas) ||
      !DecodeU32(in, pos, n) || n > kMaxItems || n > (in.size() - pos) / 24)
    return false;
  list.items.resize(n);
  for (auto& it : list.items) {
    std::uint32_t kind = 0, bold = 0;
    if (!DecodeU32(in, pos, kind) || (kind != TDisplayItem::Fill && kind != TDisplayItem::Text) ||
        !ReadI32(in, pos, it.x) || !ReadI32(in, pos, it.y) || !ReadI32(in, pos, it.w) || !ReadI32(in, pos, it.h) ||
        !DecodeU32(in, pos, it.color))
      return false;
    it.kind = static_cast<TDisplayItem::TKind>(kind);
    if (it.kind == TDisplayItem::Text &&
        (!ReadI32(in, pos, it.fontSize) || !DecodeU32(in, pos, bold) || !DecodeString(in, pos, it.text)))
      return false;
    it.bold = bold != 0;
  }
  return true;
}

int HitTest(const std::vector<THitBox>& boxes, int x, int y) {
  for (auto it = boxes.rbegin(); it != boxes.rend(); ++it)
    if (x >= it->x && x < it->x + it->w && y >= it->y && y < it->y + it->h) return it->key;
  return -1;
}

int NextFocus(const std::vector<int>& order, int current, bool forward) {
  auto at = std::find(order.begin(), order.end(), current);
  if (at == order.end()) return order.empty() ? -1 : forward ? order.front() : order.back();
  if (forward) return at + 1 == order.end() ? -1 : *(at + 1);
  return at == order.begin() ? -1 : *(at - 1);
}

}  // namespace standin
