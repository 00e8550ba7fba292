#pragma once
// What the page window shows and how its pointer input reaches the render side (browser side,
// UI thread), and the fonts and text measures both sides share, so text is laid out with the
// widths it is painted with.
#include <windows.h>

#include <memory>
#include <string>

#include "Cef.Browser.h"
#include "Cef.DisplayList.h"
#include "Cef.Layout.h"
#include "rtl/Handles.h"

namespace standin {

// The font for a page's text (any thread; cached, never freed before the process ends).
HFONT PageFont(int size, bool bold);

// Text measured with PageFont on a memory device context (the thread that made it).
class TGdiMeasure : public ITextMeasure {
public:
  TGdiMeasure();
  ~TGdiMeasure() override;
  TGdiMeasure(const TGdiMeasure&) = delete;
  TGdiMeasure& operator=(const TGdiMeasure&) = delete;
  int Width(const std::wstring& text, int fontSize, bool bold) override;
  int LineHeight(int fontSize) override;

private:
  rtl::TMemoryDC FDc;
};

// Paints the list into `dc` with the page scrolled down by `scrollY`.
void PaintDisplayList(HDC dc, const TDisplayList& list, int scrollY, const RECT& client);

// ---- the page window (browser side, UI thread)

// WM_PAINT: the page's display list once it has one, else its title and text.
void PageViewPaint(const std::shared_ptr<TBrowserState>& st, HWND hwnd);
// A new display list from the render side (its wire form).
void PageViewDisplayList(const std::shared_ptr<TBrowserState>& st, const std::string& wire);
// The window's client size to the render side, which lays the page out to its width.
void PageViewSize(const std::shared_ptr<TBrowserState>& st);
// WM_MOUSEWHEEL and WM_VSCROLL.
void PageViewScroll(const std::shared_ptr<TBrowserState>& st, UINT msg, WPARAM wp);
// WM_LBUTTONDOWN and WM_LBUTTONUP, to the render side at their page position.
void PageViewMouse(const std::shared_ptr<TBrowserState>& st, UINT msg, LPARAM lp);
// The page's display list is gone (a new document, an error page).
void PageViewClear(const std::shared_ptr<TBrowserState>& st);

}  // namespace standin
