#include "Cef.PageView.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "Cef.Protocol.h"

namespace standin {

namespace {

constexpr int kWheelStep = 48;  // pixels per wheel notch
constexpr int kLineStep = 20;   // pixels per scroll-bar arrow click

COLORREF Rgb(std::uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void FillColor(HDC dc, const RECT& r, std::uint32_t argb) {
  SetBkColor(dc, Rgb(argb));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);  // a fill without a brush
}

int ClientHeight(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc.bottom - rc.top;
}

int MaxScroll(const std::shared_ptr<TBrowserState>& st) {
  if (!st->display || !st->window) return 0;
  return std::max(0, st->display->height - ClientHeight(st->window));
}

// The scroll bar shows when the page is taller than the window, at the page's position.
void UpdateScrollBar(const std::shared_ptr<TBrowserState>& st) {
  if (!st->window) return;
  const int height = st->display ? st->display->height : 0;
  st->scrollY = std::clamp(st->scrollY, 0, MaxScroll(st));
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = std::max(0, height - 1);
  si.nPage = static_cast<UINT>(ClientHeight(st->window));
  si.nPos = st->scrollY;
  const bool needed = height > ClientHeight(st->window);
  ShowScrollBar(st->window, SB_VERT, needed);
  if (needed) SetScrollInfo(st->window, SB_VERT, &si, TRUE);
}

void ScrollTo(const std::shared_ptr<TBrowserState>& st, int y) {
  const int clamped = std::clamp(y, 0, MaxScroll(st));
  if (clamped == st->scrollY) return;
  st->scrollY = clamped;
  UpdateScrollBar(st);
  InvalidateRect(st->window, nullptr, FALSE);
}

void PaintTitleAndText(const std::shared_ptr<TBrowserState>& st, HDC dc, const RECT& rc) {
  std::wstring title, text;
  {
    std::lock_guard<std::mutex> l(st->lock);
    title = st->title;
    text = st->text;
  }
  FillColor(dc, rc, 0xFFFFFFFF);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(dc, PageFont(22, true));
  RECT head = {rc.left + 12, rc.top + 10, rc.right - 12, rc.top + 44};
  DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &head, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, PageFont(14, false));
  RECT body = {rc.left + 12, rc.top + 50, rc.right - 12, rc.bottom - 8};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &body, DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
}

}  // namespace

HFONT PageFont(int size, bool bold) {
  static std::mutex lock;
  static auto* fonts = new std::map<std::pair<int, bool>, HFONT>();
  size = std::clamp(size, 1, 400);
  std::lock_guard<std::mutex> l(lock);
  HFONT& f = (*fonts)[{size, bold}];
  if (!f)
    f = CreateFontW(-size, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
  return f;
}

TGdiMeasure::TGdiMeasure() : FDc(CreateCompatibleDC(nullptr)) {}
TGdiMeasure::~TGdiMeasure() = default;

int TGdiMeasure::Width(const std::wstring& text, int fontSize, bool bold) {
  SIZE size{};
  if (!FDc || text.empty()) return 0;
  SelectObject(FDc.Get(), PageFont(fontSize, bold));
  GetTextExtentPoint32W(FDc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int TGdiMeasure::LineHeight(int fontSize) {
  TEXTMETRICW tm{};
  if (!FDc) return fontSize + 4;
  SelectObject(FDc.Get(), PageFont(fontSize, false));
  GetTextMetricsW(FDc.Get(), &tm);
  return std::max<int>(tm.tmHeight + tm.tmExternalLeading, fontSize) + 2;
}

void PaintDisplayList(HDC dc, const TDisplayList& list, int scrollY, const RECT& client) {
  FillColor(dc, client, list.canvas);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, PageFont(16, false));
  for (const auto& it : list.items) {
    RECT r = {it.x, it.y - scrollY, it.x + it.w, it.y - scrollY + it.h};
    if (r.bottom < client.top || r.top > client.bottom) continue;
    if (it.kind == TDisplayItem::Fill) {
      FillColor(dc, r, it.color);
      SetBkMode(dc, TRANSPARENT);
      continue;
    }
    SelectObject(dc, PageFont(it.fontSize, it.bold));
    SetTextColor(dc, Rgb(it.color));
    ExtTextOutW(dc, it.x, it.y - scrollY + 1, 0, nullptr, it.text.c_str(), static_cast<UINT>(it.text.size()), nullptr);
  }
  SelectObject(dc, oldFont);
}

void PageViewPaint(const std::shared_ptr<TBrowserState>& st, HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  // Painted off screen first, so a repaint does not flicker.
  {
    rtl::TMemoryDC mem(CreateCompatibleDC(dc));
    rtl::TGdiObject<HBITMAP> bmp(CreateCompatibleBitmap(dc, std::max(1L, rc.right), std::max(1L, rc.bottom)));
    HGDIOBJ oldBmp = SelectObject(mem.Get(), bmp.Get());
    if (st && st->display) PaintDisplayList(mem.Get(), *st->display, st->scrollY, rc);
    else if (st) PaintTitleAndText(st, mem.Get(), rc);
    else FillColor(mem.Get(), rc, 0xFFFFFFFF);
    BitBlt(dc, 0, 0, rc.right, rc.bottom, mem.Get(), 0, 0, SRCCOPY);
    SelectObject(mem.Get(), oldBmp);  // a bitmap still selected could not be deleted
  }
  EndPaint(hwnd, &ps);
}

void PageViewDisplayList(const std::shared_ptr<TBrowserState>& st, const std::string& wire) {
  auto list = std::make_shared<TDisplayList>();
  size_t pos = 0;
  if (!DecodeDisplayList(wire, pos, *list)) return;
  st->display = std::move(list);
  UpdateScrollBar(st);
  if (st->window) InvalidateRect(st->window, nullptr, FALSE);
}

void PageViewClear(const std::shared_ptr<TBrowserState>& st) {
  st->display.reset();
  st->scrollY = 0;
  UpdateScrollBar(st);
  if (st->window) InvalidateRect(st->window, nullptr, FALSE);
}

void PageViewSize(const std::shared_ptr<TBrowserState>& st) {
  if (!st->window) return;
  RECT rc{};
  GetClientRect(st->window, &rc);
  UpdateScrollBar(st);
  if (st->host && st->host->Alive())
    st->host->Send(TFrameWriter(TFrameKind::Viewport).I32(st->id).I32(rc.right - rc.left).I32(rc.bottom - rc.top).Take());
}

void PageViewScroll(const std::shared_ptr<TBrowserState>& st, UINT msg, WPARAM wp) {
  if (msg == WM_MOUSEWHEEL) {
    ScrollTo(st, st->scrollY - static_cast<short>(HIWORD(wp)) * kWheelStep / WHEEL_DELTA);
    return;
  }
  const int page = std::max(kLineStep, ClientHeight(st->window) - kLineStep);
  switch (LOWORD(wp)) {
    case SB_LINEUP: ScrollTo(st, st->scrollY - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(st, st->scrollY + kLineStep); break;
    case SB_PAGEUP: ScrollTo(st, st->scrollY - page); break;
    case SB_PAGEDOWN: ScrollTo(st, st->scrollY + page); break;
    case SB_TOP: ScrollTo(st, 0); break;
    case SB_BOTTOM: ScrollTo(st, MaxScroll(st)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(st->window, SB_VERT, &si);
      ScrollTo(st, si.nTrackPos);
      break;
    }
    default: break;
  }
}

void PageViewMouse(const std::shared_ptr<TBrowserState>& st, UINT msg, LPARAM lp) {
  if (!st->host || !st->host->Alive()) return;
  const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp)) + st->scrollY;
  st->host->Send(
      TFrameWriter(TFrameKind::MouseInput).I32(st->id).U32(msg == WM_LBUTTONDOWN ? 0 : 1).I32(x).I32(y).Take());
}

}  // namespace standin
