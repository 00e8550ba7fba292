// The skinned form: the hit-test table as a pure function, and a real frameless window that
// answers the non-client messages itself and fills the monitor when maximised.
#include <gtest/gtest.h>

#include "skin/CometSkin.h"

namespace {

// A window at 100, 50 of 200 × 120: right band x ≥ 296, bottom band y ≥ 166, left band
// x ≤ 104, top band y ≤ 54.
constexpr int L = 100, T = 50, W = 200, H = 120;

int Hit(int x, int y) { return SkinHitTest(x, y, L, T, W, H).value_or(-1); }

}  // namespace

TEST(SkinHitTest, TableAndCorners) {
  EXPECT_EQ(Hit(L + W - 3, T + H - 3), HTBOTTOMRIGHT);  // 3 pixels inside the corner
  EXPECT_EQ(Hit(L + W - 3, T + 3), HTRIGHT);            // no top-right code
  EXPECT_EQ(Hit(L + 2, T + 2), HTTOPLEFT);
  EXPECT_EQ(Hit(L + 2, T + H - 2), HTBOTTOMLEFT);
  EXPECT_EQ(Hit(L + W - 1, T + 60), HTRIGHT);
  EXPECT_EQ(Hit(L + 1, T + 60), HTLEFT);
  EXPECT_EQ(Hit(L + 100, T + H - 1), HTBOTTOM);
  EXPECT_EQ(Hit(L + 100, T + 1), HTTOP);
  EXPECT_EQ(Hit(L + 100, T + 60), -1);  // the form's own hit test

  // Band widths: 5 pixels left and top (L .. L+4), 4 right and bottom.
  EXPECT_EQ(Hit(L + 4, T + 60), HTLEFT);
  EXPECT_EQ(Hit(L + 5, T + 60), -1);
  EXPECT_EQ(Hit(L + 100, T + 4), HTTOP);
  EXPECT_EQ(Hit(L + 100, T + 5), -1);
  EXPECT_EQ(Hit(L + W - 4, T + 60), HTRIGHT);
  EXPECT_EQ(Hit(L + W - 5, T + 60), -1);
  EXPECT_EQ(Hit(L + 100, T + H - 4), HTBOTTOM);
  EXPECT_EQ(Hit(L + 100, T + H - 5), -1);

  // Order decides where bands overlap: bottom-right before top-left in a tiny window.
  EXPECT_EQ(SkinHitTest(2, 2, 0, 0, 6, 6).value_or(-1), HTBOTTOMRIGHT);
  // Negative screen positions (a monitor left of the primary one).
  EXPECT_EQ(SkinHitTest(-1598, -2, -1600, -5, 800, 600).value_or(-1), HTTOPLEFT);
}

TEST(SkinHitTest, MaximisedClientRectFitsAnyMonitor) {
  // Primary monitor at 0: the window overhangs by its frame on every side.
  RECT work{0, 0, 1600, 960};
  RECT r = SkinMaximizedClientRect(RECT{-8, -8, 1608, 968}, work);
  EXPECT_TRUE(EqualRect(&r, &work));
  // A monitor to the right: insetting by |left| (1592) would leave nothing.
  RECT right{1600, 0, 3200, 1000};
  r = SkinMaximizedClientRect(RECT{1592, -8, 3208, 1008}, right);
  EXPECT_TRUE(EqualRect(&r, &right));
  // A taskbar on the left: the work area, not the monitor, is the limit.
  RECT besideBar{60, 0, 1600, 1000};
  r = SkinMaximizedClientRect(RECT{52, -8, 1608, 1008}, besideBar);
  EXPECT_TRUE(EqualRect(&r, &besideBar));
}

TEST(SkinForm, FramelessWindowAnswersTheNonClientMessages) {
  TSkinFormEx form;
  form.SetBounds(120, 80, 640, 400);
  form.Show();
  HWND wnd = form.Handle();

  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"QRUI_Frame_Ex");
  // The system puts WS_CAPTION back on every overlapped window; no caption shows all the same,
  // because the whole window is client area.
  const LONG style = GetWindowLongW(wnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS), WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
  EXPECT_TRUE(style & WS_THICKFRAME);  // the system still sizes the window
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  RECT client, outer;
  GetClientRect(wnd, &client);
  GetWindowRect(wnd, &outer);
  EXPECT_EQ(client.right, outer.right - outer.left);  // no non-client area
  EXPECT_EQ(client.bottom, outer.bottom - outer.top);

  auto hit = [&](int x, int y) { return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(outer.right - 3, outer.bottom - 3), HTBOTTOMRIGHT);
  EXPECT_EQ(hit(outer.right - 3, outer.top + 3), HTRIGHT);
  EXPECT_EQ(hit(outer.left + 1, outer.top + 1), HTTOPLEFT);
  EXPECT_EQ(hit(outer.left + 200, outer.bottom - 1), HTBOTTOM);
  EXPECT_EQ(hit(outer.left + 200, outer.top + 200), HTCLIENT);

  EXPECT_EQ(SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_EQ(SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_EQ(SendMessageW(wnd, WM_NCPAINT, 1, 0), 1);
  EXPECT_EQ(SendMessageW(wnd, 174, 0, 0), 1);
  EXPECT_EQ(SendMessageW(wnd, 175, 0, 0), 1);

  // Maximised, the client area is exactly the monitor's work area: no hidden strip.
  ShowWindow(wnd, SW_MAXIMIZE);
  MONITORINFO mi{sizeof(mi)};
  GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &mi);
  GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  EXPECT_EQ(client.right, mi.rcWork.right - mi.rcWork.left);
  EXPECT_EQ(client.bottom, mi.rcWork.bottom - mi.rcWork.top);
  EXPECT_EQ(origin.x, mi.rcWork.left);
  EXPECT_EQ(origin.y, mi.rcWork.top);
  ShowWindow(wnd, SW_RESTORE);
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 400);
}
