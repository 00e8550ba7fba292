#pragma once
// What a laid-out page paints: filled rectangles and text runs in page coordinates, in paint
// order, with the page's size and canvas colour. Made on the render side, sent over the pipe in
// the wire form below, painted by the page window. Pure logic.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

struct TDisplayItem {
  enum TKind : std::uint8_t { Fill = 1, Text = 2 } kind = Fill;
  int x = 0, y = 0, w = 0, h = 0;
  std::uint32_t color = 0;  // ARGB
  // Text only.
  std::wstring text;
  int fontSize = 0;
  bool bold = false;
};

struct TDisplayList {
  int width = 0, height = 0;          // the page's extent
  std::uint32_t canvas = 0xFFFFFFFF;  // colour behind everything
  std::vector<TDisplayItem> items;
};

// The wire form: u32 width, height, canvas, count, then per item u32 kind, x, y, w, h, color and
// for text u32 size, u32 bold, string. Decoding refuses truncated or oversized lists.
// Items that would take the form past `maxBytes` are left out (a page that large is cut short).
void EncodeDisplayList(const TDisplayList& list, std::string& out, size_t maxBytes = 32u << 20);
bool DecodeDisplayList(const std::string& in, size_t& pos, TDisplayList& list);

// Where input lands: the border boxes of elements and the runs of text nodes, by the node's key,
// in paint order.
struct THitBox {
  int x = 0, y = 0, w = 0, h = 0;
  int key = -1;
};
// The key of the topmost box at (x, y) in page coordinates, -1 for none.
int HitTest(const std::vector<THitBox>& boxes, int x, int y);
// The next (or previous) key in `order` after `current`; from the start (end) when `current`
// is not in it; -1 past the end (start).
int NextFocus(const std::vector<int>& order, int current, bool forward);

}  // namespace standin
