#include "skin/CometSkin.h"

#include <uxtheme.h>

#include <algorithm>

namespace {
// Sent by the system's theme code to draw the caption and the frame of non-client areas.
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
constexpr UINT WM_NCUAHDRAWFRAME = 0xAF;
}  // namespace

std::optional<int> SkinHitTest(int x, int y, int L, int T, int W, int H) {
  const bool right = x >= L + W - 4, bottom = y >= T + H - 4;
  const bool left = x <= L + 4, top = y <= T + 4;
  if (right && bottom) return HTBOTTOMRIGHT;
  if (left && top) return HTTOPLEFT;
  if (left && bottom) return HTBOTTOMLEFT;
  if (right) return HTRIGHT;
  if (left) return HTLEFT;
  if (bottom) return HTBOTTOM;
  if (top) return HTTOP;
  return std::nullopt;
}

RECT SkinMaximizedClientRect(const RECT& proposed, const RECT& workArea) {
  RECT r;
  if (!IntersectRect(&r, &proposed, &workArea)) return proposed;
  return r;
}

TSkinFormEx::TSkinFormEx() = default;

void TSkinFormEx::CreateParams(toolkit::TCreateParams& params) {
  TForm::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.Style &= ~WS_CAPTION;
  params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WinClassName = L"QRUI_Frame_Ex";
}

void TSkinFormEx::WndProc(toolkit::TMessage& msg) {
  switch (msg.Msg) {
    case WM_CREATE: WMCreate(msg); break;
    case WM_NCCALCSIZE: WMNCCalcSize(msg); break;
    case WM_NCHITTEST: WMNCHitTest(msg); break;
    case WM_NCPAINT: WMNCPaint(msg); break;
    case WM_NCACTIVATE: WMNCActivate(msg); break;
    case WM_NCUAHDRAWCAPTION: WMNCUahDrawCaption(msg); break;
    case WM_NCUAHDRAWFRAME: WMNCUahDrawFrame(msg); break;
    default: TForm::WndProc(msg); break;
  }
}

void TSkinFormEx::WMCreate(toolkit::TMessage& msg) {
  TForm::WndProc(msg);
  SetWindowTheme(Handle(), L"", L"");
}

void TSkinFormEx::WMNCCalcSize(toolkit::TMessage& msg) {
  auto* rects = reinterpret_cast<RECT*>(msg.LParam);  // NCCALCSIZE_PARAMS starts with rgrc[3]
  if (IsZoomed(Handle())) {
    // Inset by the overhang past the work area of the monitor the window is on, not by the left
    // coordinate: that only fits a monitor whose left edge is at 0.
    MONITORINFO mi{sizeof(mi)};
    if (GetMonitorInfoW(MonitorFromRect(&rects[0], MONITOR_DEFAULTTONEAREST), &mi))
      rects[0] = SkinMaximizedClientRect(rects[0], mi.rcWork);
  }
  if (msg.WParam) {
    rects[2] = rects[1];
    rects[1] = rects[0];
  }
  msg.Result = 1;
}

void TSkinFormEx::WMNCHitTest(toolkit::TMessage& msg) {
  const int x = short(LOWORD(msg.LParam)), y = short(HIWORD(msg.LParam));
  RECT r;
  GetWindowRect(Handle(), &r);
  if (auto code = SkinHitTest(x, y, r.left, r.top, r.right - r.left, r.bottom - r.top))
    msg.Result = *code;
  else
    TForm::WndProc(msg);
}

void TSkinFormEx::WMNCPaint(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCActivate(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCUahDrawCaption(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCUahDrawFrame(toolkit::TMessage& msg) { msg.Result = 1; }
