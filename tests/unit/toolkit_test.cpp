// The window toolkit with real windows: sizes and constraints, the replaceable window procedure,
// exceptions from handlers, the timer, the tab strip, message boxes and modal dialogs. Dialogs
// are driven the way a user would: a second thread finds them by caption and sends keys.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "rtl/SysUtils.h"
#include "rtl/WindowClass.h"
#include "support/TestSupport.h"
#include "tests/unit/ToolkitTestSupport.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"

using namespace toolkit;
using namespace std::chrono_literals;
using testing_support::WaitFor;
using toolkit_test::TDialogDriver;
using toolkit_test::WindowText;

namespace {

SIZE OuterSize(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

TEST(WindowClass, RegistersOnceWithItsAttributesAndAgainIsNoError) {
  const rtl::TWindowClass cls{.Name = L"TavloWindowClassTest",
                              .Proc = &DefWindowProcW,
                              .Style = CS_DBLCLKS,
                              .Cursor = LoadCursorW(nullptr, IDC_ARROW),
                              .Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  ASSERT_TRUE(rtl::RegisterWindowClass(cls));
  EXPECT_TRUE(rtl::RegisterWindowClass(cls)) << "a class registered before counts as registered";
  WNDCLASSEXW info{sizeof(info)};
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), cls.Name, &info));
  EXPECT_EQ(info.style, UINT(CS_DBLCLKS));
  EXPECT_EQ(info.hCursor, cls.Cursor);
  EXPECT_EQ(info.hbrBackground, cls.Background);
  const HWND wnd =
      CreateWindowExW(0, cls.Name, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_TRUE(wnd);
  if (wnd) DestroyWindow(wnd);
  EXPECT_TRUE(UnregisterClassW(cls.Name, GetModuleHandleW(nullptr)));
}

TEST(Toolkit, MinimumSizeHoldsForCodeAndTheSystem) {
  TForm form;
  form.SetBounds(20, 20, 1100, 640);
  form.Constraints.MinWidth = 1100;
  form.Constraints.MinHeight = 640;
  form.Show();
  HWND wnd = form.Handle();

  form.SetBounds(20, 20, 600, 300);
  EXPECT_EQ(form.Width(), 1100);
  EXPECT_EQ(form.Height(), 640);

  // What the system does while the user drags a border: it asks WM_GETMINMAXINFO.
  SetWindowPos(wnd, nullptr, 0, 0, 500, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(OuterSize(wnd).cx, 1100);
  EXPECT_EQ(OuterSize(wnd).cy, 640);
  MINMAXINFO info{};
  SendMessageW(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 1100);
  EXPECT_EQ(info.ptMinTrackSize.y, 640);

  // No maximum: larger is fine.
  form.SetBounds(20, 20, 1200, 700);
  EXPECT_EQ(OuterSize(wnd).cx, 1200);
  EXPECT_EQ(OuterSize(wnd).cy, 700);
}

TEST(Toolkit, GeometryAlignmentAndFocus) {
  TForm form;
  form.SetClientSize(400, 300);
  form.Position = TPosition::poScreenCenter;
  TPageControl strip(&form);
  strip.SetHeight(30);
  strip.SetAlign(TAlign::alTop);
  TWinControl panel(&form);
  panel.SetAlign(TAlign::alClient);
  TEdit first(&panel), second(&panel);
  second.SetBounds(10, 40, 100, 21);
  form.Show();

  EXPECT_EQ(form.ClientWidth(), 400);
  EXPECT_EQ(form.ClientHeight(), 300);
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(form.Left(), (sw - form.Width()) / 2, 1);
  EXPECT_NEAR(form.Top(), (sh - form.Height()) / 2, 1);
  EXPECT_EQ(strip.Top(), 0);
  EXPECT_EQ(strip.Width(), 400);
  EXPECT_EQ(panel.Top(), 30);
  EXPECT_EQ(panel.Height(), 270);
  form.SetClientSize(500, 350);
  EXPECT_EQ(panel.Width(), 500);
  EXPECT_EQ(panel.Height(), 320);
  EXPECT_EQ(second.Left(), 10);
  EXPECT_EQ(second.Top(), 40);

  EXPECT_EQ(second.GetParentForm(), &form);
  second.SetFocus();
  EXPECT_TRUE(second.Focused());
  EXPECT_EQ(form.ActiveControl(), &second);
  SetFocus(first.Handle());  // focus given by the system, not through the toolkit
  EXPECT_EQ(form.ActiveControl(), &first);

  form.SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
  form.SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
}

TEST(Toolkit, ControlAddedToAShownFormGetsItsOwnKindOfWindow) {
  TForm form;
  form.Show();
  TButton late(&form);  // the form's window exists already
  late.SetCaption(L"late");
  late.SetBounds(10, 10, 80, 24);
  EXPECT_TRUE(WaitFor([&] { return late.HandleAllocated(); }, 5s));
  wchar_t cls[32] = {};
  GetClassNameW(late.Handle(), cls, 32);
  EXPECT_STREQ(cls, L"Button");
  EXPECT_EQ(GetParent(late.Handle()), form.Handle());
  EXPECT_EQ(toolkit_test::WindowText(late.Handle()), L"late");
  EXPECT_TRUE(IsWindowVisible(late.Handle()));
  int clicks = 0;
  late.OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(late.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST(Toolkit, WindowProcCanBeReplacedAndRestored) {
  TForm form;
  form.Show();
  int moves = 0;
  TWndMethod saved = form.WindowProc();
  form.SetWindowProc([&](TMessage& msg) {
    if (msg.Msg == WM_MOVE) ++moves;
    saved(msg);
  });
  form.SetLeft(150);
  EXPECT_GT(moves, 0);
  EXPECT_EQ(form.Left(), 150);  // the form still handled it
  form.SetWindowProc(saved);
  const int seen = moves;
  form.SetLeft(180);
  EXPECT_EQ(moves, seen);
  EXPECT_EQ(form.Left(), 180);
}

namespace {

constexpr UINT WM_THROW = WM_APP + 1;
constexpr UINT WM_AFTER = WM_APP + 2;

class TThrowingForm : public TForm {
public:
  bool After = false;

protected:
  void WndProc(TMessage& msg) override {
    switch (msg.Msg) {
      case WM_THROW: throw rtl::Exception(L"处理失败: handler fault");
      case WM_AFTER: After = true; msg.Result = 7; break;
      default: TForm::WndProc(msg); break;
    }
  }
};

}  // namespace

TEST(Toolkit, ExceptionInHandlerIsShownAndTheLoopGoesOn) {
  Application().Title = L"Toolkit test title";
  TThrowingForm form;
  form.Show();
  TDialogDriver driver(L"#32770", L"Toolkit test title", [](HWND box) {
    const std::wstring text = toolkit_test::StaticTexts(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
  });
  PostMessageW(form.Handle(), WM_THROW, 0, 0);
  PostMessageW(form.Handle(), WM_AFTER, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return form.After; }, 15s));
  EXPECT_EQ(driver.Result(), L"处理失败: handler fault");
  // A sent message that throws returns 0 to its sender; the next one is handled normally.
  TDialogDriver again(L"#32770", L"Toolkit test title", [](HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return std::wstring(L"pressed");
  });
  EXPECT_EQ(SendMessageW(form.Handle(), WM_THROW, 0, 0), 0);
  EXPECT_EQ(again.Result(), L"pressed");
  EXPECT_EQ(SendMessageW(form.Handle(), WM_AFTER, 0, 0), 7);
}

TEST(Toolkit, TimerTicksOnTheUiThreadAndStopsWhenDisabled) {
  TTimer timer;
  timer.SetEnabled(false);
  timer.SetInterval(20);
  std::atomic<int> ticks{0};
  std::atomic<bool> otherThread{false};
  const DWORD uiThread = GetCurrentThreadId();
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (GetCurrentThreadId() != uiThread) otherThread = true;
    if (++ticks == 3) timer.SetEnabled(false);
  };
  EXPECT_FALSE(WaitFor([&] { return ticks > 0; }, 200ms));
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitFor([&] { return ticks >= 3; }, 5s));
  WaitFor([] { return false; }, 300ms);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(otherThread);
  timer.SetEnabled(true);
  EXPECT_TRUE(WaitFor([&] { return ticks >= 4; }, 5s));
  timer.SetInterval(0);  // stops it too
  const int seen = ticks;
  WaitFor([] { return false; }, 200ms);
  EXPECT_EQ(ticks, seen);

  // Timers side by side each hear their own ticks, and one gone leaves the other ticking.
  TTimer fresh;  // runs from the start, as placed on a form
  fresh.SetInterval(20);
  auto other = std::make_unique<TTimer>();
  other->SetInterval(20);
  int freshTicks = 0, otherTicks = 0;
  fresh.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &fresh);
    ++freshTicks;
  };
  other->OnTimer = [&, self = other.get()](TObject* sender) {
    EXPECT_EQ(sender, self);
    ++otherTicks;
  };
  EXPECT_TRUE(WaitFor([&] { return freshTicks > 0 && otherTicks > 0; }, 5s));
  other.reset();
  const int otherSeen = otherTicks, freshSeen = freshTicks;
  EXPECT_TRUE(WaitFor([&] { return freshTicks >= freshSeen + 3; }, 5s));
  EXPECT_EQ(otherTicks, otherSeen);
}

TEST(Toolkit, TheLoopStillTurnsKeysIntoCharacters) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  PostMessageW(edit, WM_KEYDOWN, 'A', 0x001E0001);  // the A key's scan code, pressed once
  Application().ProcessMessages();
  EXPECT_EQ(WindowText(edit), L"a");
  DestroyWindow(edit);
}

namespace {

void ClickTab(TPageControl& strip, int index) {
  RECT r{};
  SendMessageW(strip.Handle(), TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(strip.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(strip.Handle(), WM_LBUTTONUP, 0, at);
}

}  // namespace

TEST(Toolkit, TabStripEventsFollowTheUserOnly) {
  TForm form;
  form.SetClientSize(400, 200);
  TPageControl strip(&form);
  strip.SetAlign(TAlign::alTop);
  strip.SetHeight(28);
  int changes = 0, changings = 0;
  bool allow = true;
  strip.OnChange = [&](TObject*) { ++changes; };
  strip.OnChanging = [&](TObject*, bool& allowChange) {
    ++changings;
    allowChange = allow;
  };
  strip.AddSheet(L"one", 11);
  strip.AddSheet(L"two", 22);
  form.Show();
  TTabSheet* third = strip.AddSheet(L"", 33);
  third->SetCaption(L"three");

  strip.SetActivePage(third);
  EXPECT_EQ(strip.ActivePageIndex(), 2);
  EXPECT_EQ(changes + changings, 0);

  ClickTab(strip, 1);
  EXPECT_EQ(changings, 1);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(strip.ActivePage(), nullptr);
  EXPECT_EQ(strip.ActivePage()->Tag, 22);

  allow = false;
  ClickTab(strip, 0);
  EXPECT_EQ(changings, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(strip.ActivePageIndex(), 1);

  TCITEMW item{};
  wchar_t text[32] = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(strip.Handle(), TCM_GETITEMW, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"three");

  // Freeing the active sheet leaves none active; the others keep their places.
  strip.FreeSheet(strip.ActivePage());
  EXPECT_EQ(strip.PageCount(), 2);
  EXPECT_EQ(strip.ActivePage(), nullptr);
  EXPECT_EQ(strip.Pages(1)->Tag, 33);
  EXPECT_EQ(strip.Pages(1)->PageIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST(Toolkit, MessageBoxIsOwnedAndReportsTheButton) {
  TForm owner;
  owner.Show();
  HWND ownerWnd = owner.Handle();
  TDialogDriver driver(L"#32770", L"确认导航", [ownerWnd](HWND box) {
    const bool owned = GetWindow(box, GW_OWNER) == ownerWnd;
    const std::wstring text = toolkit_test::StaticTexts(box);
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    return (owned ? L"owned:" : L"unowned:") + text;
  });
  EXPECT_EQ(toolkit::MessageBox(ownerWnd, L"leave?", L"确认导航", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(driver.Result(), L"owned:leave?");

  TDialogDriver ok(L"#32770", L"确认导航", [](HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return std::wstring();
  });
  EXPECT_EQ(toolkit::MessageBox(ownerWnd, L"again", L"确认导航", MB_OKCANCEL), IDOK);
}

TEST(Toolkit, InputQueryReturnsTheEditedValueOnOkOnly) {
  std::wstring value = L"default";
  TDialogDriver typed(L"TavloForm", L"http://127.0.0.1/ 上的网页显示", [](HWND dlg) {
    HWND edit = FindWindowExW(dlg, nullptr, L"Edit", nullptr);
    std::wstring shown = WindowText(edit) + L"|" + toolkit_test::StaticTexts(dlg);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed answer"));
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    return shown;
  });
  EXPECT_TRUE(InputQuery(L"http://127.0.0.1/ 上的网页显示", L"Your name?", value));
  EXPECT_EQ(value, L"typed answer");
  EXPECT_EQ(typed.Result(), L"default|Your name?");

  TDialogDriver escaped(L"TavloForm", L"ask", [](HWND dlg) {
    HWND edit = FindWindowExW(dlg, nullptr, L"Edit", nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"dropped"));
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    return std::wstring();
  });
  EXPECT_FALSE(InputQuery(L"ask", L"prompt", value));
  EXPECT_EQ(value, L"typed answer");

  TDialogDriver closed(L"TavloForm", L"ask", [](HWND dlg) {
    PostMessageW(dlg, WM_CLOSE, 0, 0);
    return std::wstring();
  });
  EXPECT_FALSE(InputQuery(L"ask", L"prompt", value));
}

namespace {

void CALLBACK EndLoopTimer(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "WM_CLOSE to the application window did not end the loop";
  Application().Terminate();
}

}  // namespace

TEST(Toolkit, ApplicationWindowCloseEndsTheLoopAndOnlyOtherFormsAreOwned) {
  Application().ResetTerminated();
  TForm* main = Application().CreateForm<TForm>();
  TForm* other = Application().CreateForm<TForm>();
  ASSERT_EQ(Application().MainForm(), main);
  main->Show();
  other->Show();
  EXPECT_EQ(GetWindow(main->Handle(), GW_OWNER), nullptr);
  EXPECT_TRUE(GetWindowLongW(main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(other->Handle(), GW_OWNER), main->Handle());
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));

  // Closing another form hides it; the application goes on.
  SendMessageW(other->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  EXPECT_FALSE(Application().Terminated());

  PostMessageW(Application().Handle(), WM_CLOSE, 0, 0);
  // Bounded: if the close never arrives, a timer ends the loop and the check fails.
  const UINT_PTR guard = SetTimer(nullptr, 0, 10000, &EndLoopTimer);
  Application().Run();
  KillTimer(nullptr, guard);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_TRUE(IsWindow(main->Handle()));  // closing ends the loop, it does not destroy
  HWND mainWnd = main->Handle();
  Application().DestroyForms();
  EXPECT_FALSE(IsWindow(mainWnd));
  EXPECT_EQ(Application().MainForm(), nullptr);
  Application().ResetTerminated();
}
