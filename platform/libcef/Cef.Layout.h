#pragma once
// Layout of a page on the render side: normal flow of block and inline boxes (lines of words
// and inline blocks, wrapped at the containing width), list markers, tables as rows of cells,
// text inputs with their value and caret. Produces the display list, the hit boxes and the
// order in which Tab visits the focusable elements. Pure logic; text is measured by the caller.
#include <string>
#include <vector>

#include "Cef.DisplayList.h"
#include "Cef.Dom.h"

namespace standin {

class ITextMeasure {
public:
  virtual ~ITextMeasure() = default;
  virtual int Width(const std::wstring& text, int fontSize, bool bold) = 0;
  virtual int LineHeight(int fontSize) = 0;
};

struct TLayout {
  TDisplayList list;
  std::vector<THitBox> boxes;
  std::vector<int> focusOrder;  // keys of the focusable elements shown, in document order
  int focused = -1;             // key of the focused element, -1 for none
};

// `html` is the document element (as from ParseDocument or a snapshot of script's tree).
TLayout LayoutDocument(const TDomNode& html, int viewportWidth, ITextMeasure& measure);

}  // namespace standin
