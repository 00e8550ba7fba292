#include "skin/CometSkin.h"

#include <uxtheme.h>

#include <algorithm>

namespace {
// Sent by the system's theme code to draw the caption and the frame of non-client areas.
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;
constexpr UINT WM_NCUAHDRAWFRAME = 0xAF;

constexpr wchar_t kBandProcProp[] = L"TavloSkinBandProc";

bool IsSizingCode(LRESULT code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }

void MakeBandTransparent(HWND wnd);

// Window procedure put in front of every window inside a skinned form: the content covers the
// whole form, so without it the pointer over the edges would belong to the page and the band
// would never be hit.
LRESULT CALLBACK BandTransparentProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto next = reinterpret_cast<WNDPROC>(GetPropW(wnd, kBandProcProp));
  if (!next) return DefWindowProcW(wnd, msg, wParam, lParam);
  if (msg == WM_NCHITTEST && IsSizingCode(SendMessageW(GetAncestor(wnd, GA_ROOT), msg, wParam, lParam)))
    return HTTRANSPARENT;  // the system then asks the windows beneath, up to the form
  if (msg == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) MakeBandTransparent(reinterpret_cast<HWND>(lParam));
  if (msg == WM_NCDESTROY) RemovePropW(wnd, kBandProcProp);
  return CallWindowProcW(next, wnd, msg, wParam, lParam);
}

// Windows of other threads never get the hit test from this thread's input, so only the
// form's own thread's windows are taken. A window tells only its parent about a new child, so
// each window taken passes the rule on to the children made inside it later.
void MakeBandTransparent(HWND wnd) {
  if (!IsWindow(wnd) || GetPropW(wnd, kBandProcProp) ||
      GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId())
    return;
  const LONG_PTR previous = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  SetPropW(wnd, kBandProcProp, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BandTransparentProc));
}
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
  // The system sizes only windows with a sizing frame, whatever border the form stores; the
  // frame is never seen, as the whole window is client area.
  params.Style |= WS_THICKFRAME;
  params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WinClassName = L"QRUI_Frame_Ex";
}

bool TSkinFormEx::DragMove() {
  // The move loop ends only on a button release it sees itself: started after the release it
  // would hold the window to the pointer, and this thread, until the next click.
  const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  if (!(GetAsyncKeyState(button) & 0x8000)) return false;
  ReleaseCapture();
  SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
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
    case WM_PARENTNOTIFY: WMParentNotify(msg); break;
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
  // A maximised window is not sized: its edges belong to the page.
  std::optional<int> code;
  if (!IsZoomed(Handle())) code = SkinHitTest(x, y, r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (code)
    msg.Result = *code;
  else
    TForm::WndProc(msg);
}

void TSkinFormEx::WMParentNotify(toolkit::TMessage& msg) {
  // Sent for windows created at any depth inside the form.
  if (LOWORD(msg.WParam) == WM_CREATE) MakeBandTransparent(reinterpret_cast<HWND>(msg.LParam));
  TForm::WndProc(msg);
}

void TSkinFormEx::WMNCPaint(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCActivate(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCUahDrawCaption(toolkit::TMessage& msg) { msg.Result = 1; }
void TSkinFormEx::WMNCUahDrawFrame(toolkit::TMessage& msg) { msg.Result = 1; }
