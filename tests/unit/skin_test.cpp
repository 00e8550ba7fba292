// The skinned form: the hit-test table as a pure function, a real frameless window that answers
// the non-client messages itself and fills the monitor when maximised, and real pointer input
// that resizes it from its edges over the page and moves it while the button is held.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "skin/CometSkin.h"
#include "support/TestSupport.h"

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

// ---- the pointer, as a user drives it: real mouse input sent from a second thread while the
// window's thread handles its messages (the system's size and move loops run on that thread).

namespace {

using namespace std::chrono_literals;

using testing_support::InMoveSizeLoop;
using testing_support::PointerTo;
void ButtonDown() { testing_support::LeftButton(true); }
void ButtonUp() { testing_support::LeftButton(false); }

// Runs `steps` on a thread of its own; the test's thread pumps messages meanwhile (WaitFor).
class TInputThread {
public:
  explicit TInputThread(std::function<void()> steps)
      : FThread([this, steps] {
          steps();
          FDone = true;
        }) {}
  ~TInputThread() { FThread.join(); }
  bool Done() const { return FDone; }

private:
  std::atomic<bool> FDone{false};
  std::thread FThread;
};

RECT WindowRect(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}
bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
std::string Show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

// A press at `from`, a drag to `to`, a release; true once the window has `expected` as its
// rectangle and the size loop has ended. The input comes from a second thread, as the loop runs
// on this one. A window of a test running beside this one can take the pointer mid-drag and
// leave the window part way: the same edge is then taken again where it has got to (`from`
// keeps its distance to the nearer side of the window), and dragged to the same point.
bool Drag(HWND wnd, POINT from, POINT to, const RECT& expected) {
  const RECT start = WindowRect(wnd);
  const auto follow = [](LONG p, LONG lo, LONG hi, LONG nowLo, LONG nowHi) {
    return p - lo <= hi - p ? nowLo + (p - lo) : nowHi - (hi - p);
  };
  for (int attempt = 0; attempt < 3; ++attempt) {
    const RECT now = WindowRect(wnd);
    const POINT at{follow(from.x, start.left, start.right, now.left, now.right),
                   follow(from.y, start.top, start.bottom, now.top, now.bottom)};
    std::atomic<bool> dragged{false};
    TInputThread input([&] {
      dragged = testing_support::DragWindow(wnd, at, to, [&] { return SameRect(WindowRect(wnd), expected); });
    });
    if (!testing_support::WaitFor([&] { return input.Done(); }, 60s)) return false;
    if (dragged) return true;
  }
  return false;
}

// Stands for the page: a window of a class of its own, owned by nobody in the toolkit.
HWND CreatePageLikeWindow(HWND parent) {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"SkinTestPage";
    return RegisterClassW(&wc);
  }();
  RECT r{};
  GetClientRect(parent, &r);
  return CreateWindowExW(0, MAKEINTATOM(atom), L"page", WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, parent,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Like the main window: the border style stored with it gives no sizing frame of its own, and
// its whole area is covered by a control that is covered in turn by the page's window.
class TCoveredSkinForm : public TSkinFormEx {
public:
  TCoveredSkinForm() : Content(this) {
    BorderStyle = toolkit::TFormBorderStyle::bsSingle;
    BorderIcons = toolkit::biSystemMenu | toolkit::biMinimize;
    Content.SetAlign(toolkit::TAlign::alClient);
  }
  void Open(int left, int top, int width, int height) {
    SetBounds(left, top, width, height);
    Show();
    // Above the windows of tests running beside this one, which would take the pointer.
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Page = CreatePageLikeWindow(Content.Handle());
  }
  void FitPage() {
    RECT r{};
    GetClientRect(Content.Handle(), &r);
    MoveWindow(Page, 0, 0, r.right, r.bottom, TRUE);
  }

  toolkit::TWinControl Content;
  HWND Page = nullptr;
};

}  // namespace

TEST(SkinForm, EdgesAndCornersResizeWithThePointerDownToTheMinimumSize) {
  TCoveredSkinForm form;
  form.Constraints.MinWidth = 600;
  form.Constraints.MinHeight = 400;
  form.Open(200, 150, 800, 500);
  HWND wnd = form.Handle();
  ASSERT_TRUE(IsWindowVisible(form.Page));
  RECT r = WindowRect(wnd);
  ASSERT_TRUE(SameRect(r, RECT{200, 150, 1000, 650})) << Show(r);

  // The pointer over the page near an edge is over the frame's band.
  POINT corner{r.right - 2, r.bottom - 2};
  EXPECT_TRUE(Drag(wnd, corner, POINT{corner.x + 60, corner.y + 40}, RECT{200, 150, 1060, 690}))
      << "bottom-right corner: " << Show(WindowRect(wnd));
  form.FitPage();
  EXPECT_TRUE(Drag(wnd, POINT{202, 400}, POINT{172, 420}, RECT{170, 150, 1060, 690}))
      << "left edge: " << Show(WindowRect(wnd));
  form.FitPage();
  EXPECT_TRUE(Drag(wnd, POINT{600, 152}, POINT{600, 132}, RECT{170, 130, 1060, 690}))
      << "top edge: " << Show(WindowRect(wnd));
  form.FitPage();
  // The top-right corner resizes horizontally only.
  EXPECT_TRUE(Drag(wnd, POINT{1058, 132}, POINT{1078, 100}, RECT{170, 130, 1080, 690}))
      << "top-right corner: " << Show(WindowRect(wnd));
  form.FitPage();
  // Never smaller than the minimum, whatever the drag.
  EXPECT_TRUE(Drag(wnd, POINT{1078, 688}, POINT{500, 300}, RECT{170, 130, 770, 530}))
      << "shrunk past the minimum: " << Show(WindowRect(wnd));

  // Still no frame: the client area is the whole window.
  RECT client{};
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 400);
  // Inside the band the pointer belongs to the page, and on a maximised window the edges too.
  form.FitPage();
  EXPECT_EQ(WindowFromPoint(POINT{400, 300}), form.Page);
  EXPECT_EQ(WindowFromPoint(POINT{768, 528}), wnd);
  ShowWindow(wnd, SW_MAXIMIZE);
  form.FitPage();
  MONITORINFO mi{sizeof(mi)};
  GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &mi);
  EXPECT_EQ(WindowFromPoint(POINT{mi.rcWork.right - 2, mi.rcWork.bottom - 2}), form.Page);
  ShowWindow(wnd, SW_RESTORE);
}

namespace {

// Answers WM_APP with DragMove, as the main window answers the page's move request.
class TMovableSkinForm : public TCoveredSkinForm {
protected:
  void WndProc(toolkit::TMessage& msg) override {
    if (msg.Msg == WM_APP) msg.Result = DragMove();
    else TCoveredSkinForm::WndProc(msg);
  }
};

// The page's move request: a synchronous send from another thread, like the page's from its
// process. Its result, or -1 when it had not returned after 5 s; a move loop still running
// then is ended by a click, so the test goes on.
class TMoveRequest {
public:
  explicit TMoveRequest(HWND wnd)
      : FThread([this, wnd] {
          DWORD_PTR result = 0;
          FResult = SendMessageTimeoutW(wnd, WM_APP, 0, 0, SMTO_NORMAL, 5000, &result) ? int(result) : -1;
          if (FResult == -1) {
            ButtonDown();
            ButtonUp();
          }
          FDone = true;
        }) {}
  ~TMoveRequest() { FThread.join(); }
  bool Done() const { return FDone; }
  int Result() const { return FResult; }

private:
  std::atomic<int> FResult{-2};
  std::atomic<bool> FDone{false};
  std::thread FThread;
};

}  // namespace

TEST(SkinForm, DragMoveFollowsThePointerOnlyWhileTheButtonIsDown) {
  TMovableSkinForm form;
  form.Open(200, 150, 700, 450);
  HWND wnd = form.Handle();
  const DWORD uiThread = GetCurrentThreadId();

  // The button is already up (a quick click): the call returns at once and nothing moves.
  TInputThread release([] {
    PointerTo(POINT{500, 300});
    ButtonUp();
  });
  ASSERT_TRUE(testing_support::WaitFor([&] { return release.Done(); }, 5s));
  {
    TMoveRequest request(wnd);
    ASSERT_TRUE(testing_support::WaitFor([&] { return request.Done(); }, 15s));
    EXPECT_EQ(request.Result(), 0) << "-1: the call did not return";
  }
  EXPECT_TRUE(SameRect(WindowRect(wnd), RECT{200, 150, 900, 600})) << Show(WindowRect(wnd));

  // Pressed on the page: the window follows the pointer until the button is released, and
  // only then does the call return.
  std::atomic<bool> inLoop{false}, returnedEarly{false};
  std::unique_ptr<TMoveRequest> request;
  TInputThread drag([&] {
    PointerTo(POINT{500, 300});
    ButtonDown();
    Sleep(100);
    request = std::make_unique<TMoveRequest>(wnd);
    for (int i = 0; i < 500 && !InMoveSizeLoop(uiThread); ++i) Sleep(10);
    inLoop = InMoveSizeLoop(uiThread);
    PointerTo(POINT{540, 280});
    Sleep(50);
    PointerTo(POINT{580, 260});
    Sleep(300);
    returnedEarly = request->Done();
    ButtonUp();
  });
  ASSERT_TRUE(testing_support::WaitFor([&] { return drag.Done() && request->Done(); }, 15s));
  EXPECT_TRUE(inLoop);
  EXPECT_FALSE(returnedEarly);
  EXPECT_EQ(request->Result(), 1);
  EXPECT_TRUE(SameRect(WindowRect(wnd), RECT{280, 110, 980, 560})) << Show(WindowRect(wnd));
  EXPECT_FALSE(InMoveSizeLoop(uiThread));
}
