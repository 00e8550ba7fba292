// The browser component against the stand-in runtime: a form hosting a TVoraDBrowser, pages
// from tests/pages served by the local test server, message boxes and dialogs driven from a
// second thread. The runtime runs in single-process mode inside this test process.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "rtl/StrConv.h"
#include "support/TestSupport.h"
#include "integration/ComponentRuntime.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.CefBrowserWrapper.h"
#include "vorad/core/VoraD.Core.BrowserHandler.h"
#include "vorad/core/VoraD.Core.BrowserView.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.DevToolsView.h"
#include "vorad/core/VoraD.Core.EventSink.h"
#include "vorad/core/VoraD.Core.VoraDBrowser.h"
#include "vorad/core/VoraD.Handler.Basic.h"
#include "vorad/core/VoraD.Handler.Focus.h"
#include "vorad/core/VoraD.Handler.Keyboard.h"
#include "vorad/core/VoraD.Handler.LifeSpan.h"
#include "vorad/core/VoraD.Locker.h"
#include "vorad/core/VoraD.Settings.h"

using namespace testing_support;
using namespace component_testing;
using namespace std::chrono_literals;

namespace {

const wchar_t kAppTitle[] = L"Component Test";
const wchar_t kScriptCaptionSuffix[] = L" \u4E0A\u7684\u7F51\u9875\u663E\u793A";
const wchar_t kLeaveCaption[] = L"\u786E\u8BA4\u5BFC\u822A";
const wchar_t kLeaveQuestion[] = L"\u786E\u5B9A\u8981\u79BB\u5F00\u6B64\u9875\u5417\uFF1F";

struct RuntimeEnvironment : ::testing::Environment {
  TTempDir cache;
  void SetUp() override { StartComponentRuntime(kAppTitle, true, cache.Path() + L"cache"); }
  void TearDown() override { StopComponentRuntime(); }
};
const auto* const kRuntime = ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment);

void PumpFor(std::chrono::milliseconds span) {
  WaitFor([] { return false; }, span, true);
}

// A form with a browser control filling it; every event of interest is logged.
struct TPageHost {
  toolkit::TForm form;
  std::unique_ptr<TVoraDBrowser> browser;
  std::vector<std::wstring> log;
  std::vector<int> loadEnds;
  std::vector<int> loadErrors;
  std::vector<std::pair<TBrowserIdArray, int>> closes;
  std::vector<TCloseBrowserType> closeTypes;

  TPageHost() {
    form.SetBounds(50, 50, 800, 600);
    browser = std::make_unique<TVoraDBrowser>(&form);
    browser->SetAlign(toolkit::TAlign::alClient);
    browser->OnAddBrowser = [this](PBrowser b) { log.push_back(L"add " + std::to_wstring(b->GetIdentifier())); };
    browser->OnStateChange = [this](PBrowser, TBrowserDataChangeKind kind, const std::wstring& v) {
      if (kind == BrowserDataChange_Address) log.push_back(L"address " + v);
      if (kind == BrowserDataChange_Title) log.push_back(L"title " + v);
    };
    browser->OnLoadStart = [this](PBrowser, PFrame) { log.push_back(L"loadstart"); };
    browser->OnLoadEnd = [this](PBrowser, PFrame, int32_t status) {
      log.push_back(L"loadend " + std::to_wstring(status));
      loadEnds.push_back(status);
    };
    browser->OnLoadError = [this](PBrowser, PFrame, int32_t code, const std::wstring&, const std::wstring&, bool&) {
      log.push_back(L"loaderror " + std::to_wstring(code));
      loadErrors.push_back(code);
    };
    browser->OnBeforeCloseBrowser = [this](const TBrowserIdArray&, TCloseBrowserType type, int32_t&) {
      closeTypes.push_back(type);
    };
    browser->OnCloseBrowser = [this](const TBrowserIdArray& ids, int32_t show) { closes.push_back({ids, show}); };
    form.Show();
  }
  ~TPageHost() { browser.reset(); }

  size_t Count(const std::wstring& entry) const { return std::count(log.begin(), log.end(), entry); }
  bool Has(const std::wstring& entry) const { return Count(entry) > 0; }
  size_t IndexOf(const std::wstring& entry) const {
    return size_t(std::find(log.begin(), log.end(), entry) - log.begin());
  }
  // Opens a page and waits for it to finish loading; its id, or -1.
  int Open(const std::wstring& url) {
    const size_t ends = loadEnds.size();
    browser->AddPage(url);
    if (!Pump([&] { return loadEnds.size() > ends; })) return -1;
    return browser->ActiveBrowserId();
  }
  HWND View() { return browser->BrowserView()->Handle(); }
};

HWND PageWindow(const rtl::TRef<ICefBrowser>& b) { return b ? b->GetHost()->GetWindowHandle() : nullptr; }

// The page loads the stand-in must support for most tests; checked once.
bool PagesLoad(std::wstring& why) {
  if (!gRuntimeUp) {
    why = L"runtime not started: " + gRuntimeProblem;
    return false;
  }
  if (HttpServerPort() == 0) {
    why = L"test HTTP server not running";
    return false;
  }
  static int state = -1;
  if (state < 0) {
    TPageHost host;
    state = host.Open(HttpUrl(L"/pages/component_a.html")) >= 0 ? 1 : 0;
  }
  if (!state) why = L"a local page did not load";
  return state == 1;
}

#define REQUIRE_PAGES()                                                              \
  do {                                                                               \
    std::wstring why__;                                                              \
    ASSERT_TRUE(PagesLoad(why__)) << rtl::Utf16ToUtf8(why__);                       \
  } while (0)

#define REQUIRE_RUNTIME()                                                            \
  do {                                                                               \
    ASSERT_TRUE(gRuntimeUp) << "runtime not started: " << rtl::Utf16ToUtf8(gRuntimeProblem); \
  } while (0)

// Drives the modal boxes of this process from a second thread: each step waits for a visible
// top-level window whose caption satisfies `match`, records its caption and text, then acts.
class TDialogDriver {
public:
  struct TStep {
    std::function<bool(const std::wstring& caption)> match;
    std::function<void(HWND)> act;
  };
  explicit TDialogDriver(std::vector<TStep> steps) : FSteps(std::move(steps)) {
    FThread = std::thread([this] { Run(); });
  }
  ~TDialogDriver() {
    FStop = true;
    FThread.join();
  }
  size_t Done() const { return FDone.load(); }
  std::vector<std::wstring> Seen() {
    std::lock_guard<std::mutex> l(FLock);
    return FSeen;
  }

  static void ClickButton(HWND dialog, const std::wstring& text) {
    HWND found = nullptr;
    EnumChildWindows(dialog, [](HWND w, LPARAM p) -> BOOL {
      auto* want = reinterpret_cast<std::pair<const std::wstring*, HWND*>*>(p);
      wchar_t cls[32], t[64];
      GetClassNameW(w, cls, 32);
      GetWindowTextW(w, t, 64);
      std::wstring label = t;
      label.erase(std::remove(label.begin(), label.end(), L'&'), label.end());
      if (_wcsicmp(cls, L"Button") == 0 && label == *want->first) {
        *want->second = w;
        return FALSE;
      }
      return TRUE;
    }, reinterpret_cast<LPARAM>(new std::pair<const std::wstring*, HWND*>(&text, &found)));
    if (found) PostMessageW(found, BM_CLICK, 0, 0);
    else PostMessageW(dialog, WM_COMMAND, text == L"OK" ? IDOK : IDCANCEL, 0);
  }
  // Sets the edits of a dialog in creation order (password edits marked with ES_PASSWORD).
  static void SetEdit(HWND dialog, bool password, const std::wstring& text) {
    std::vector<HWND> edits;
    EnumChildWindows(dialog, [](HWND w, LPARAM p) -> BOOL {
      wchar_t cls[32];
      GetClassNameW(w, cls, 32);
      if (_wcsicmp(cls, L"Edit") == 0) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
      return TRUE;
    }, reinterpret_cast<LPARAM>(&edits));
    for (HWND e : edits) {
      const bool isPassword = (GetWindowLongW(e, GWL_STYLE) & ES_PASSWORD) != 0 ||
                              SendMessageW(e, EM_GETPASSWORDCHAR, 0, 0) != 0;
      if (isPassword == password) {
        SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
      }
    }
  }
  static std::wstring BoxText(HWND box) {
    wchar_t t[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, t, 1024);
    return t;
  }

private:
  void Run() {
    const auto deadline = std::chrono::steady_clock::now() + 40s;
    size_t step = 0;
    while (!FStop && step < FSteps.size() && std::chrono::steady_clock::now() < deadline) {
      HWND found = FindTopLevel(FSteps[step].match);
      if (found) {
        wchar_t caption[512] = {};
        GetWindowTextW(found, caption, 512);
        {
          std::lock_guard<std::mutex> l(FLock);
          FSeen.push_back(std::wstring(caption) + L"|" + BoxText(found));
        }
        std::this_thread::sleep_for(100ms);
        FSteps[step].act(found);
        ++step;
        FDone = step;
        std::this_thread::sleep_for(300ms);  // let the box go before looking again
      } else {
        std::this_thread::sleep_for(50ms);
      }
    }
  }
  static HWND FindTopLevel(const std::function<bool(const std::wstring&)>& match) {
    struct TFind {
      const std::function<bool(const std::wstring&)>* match;
      HWND found = nullptr;
    } f{&match};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
      auto* f = reinterpret_cast<TFind*>(p);
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid != GetCurrentProcessId() || !IsWindowVisible(w)) return TRUE;
      wchar_t caption[512] = {};
      GetWindowTextW(w, caption, 512);
      if ((*f->match)(caption)) {
        f->found = w;
        return FALSE;
      }
      return TRUE;
    }, reinterpret_cast<LPARAM>(&f));
    return f.found;
  }

  std::vector<TStep> FSteps;
  std::thread FThread;
  std::atomic<bool> FStop{false};
  std::atomic<size_t> FDone{0};
  std::mutex FLock;
  std::vector<std::wstring> FSeen;
};

bool EndsWith(const std::wstring& s, const std::wstring& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

// ---- pages, events and the page window

TEST(ComponentPages, AddPageRaisesEventsInOrderAndFillsTheView) {
  REQUIRE_PAGES();
  TPageHost host;
  const std::wstring url = HttpUrl(L"/pages/component_a.html");
  const int id = host.Open(url);
  ASSERT_GE(id, 0);
  ASSERT_TRUE(Pump([&] { return host.Has(L"title Page A"); }));
  const size_t add = host.IndexOf(L"add " + std::to_wstring(id));
  ASSERT_LT(add, host.log.size());
  EXPECT_LT(add, host.IndexOf(L"address " + url));
  EXPECT_LT(add, host.IndexOf(L"loadstart"));
  EXPECT_LT(host.IndexOf(L"loadstart"), host.IndexOf(L"loadend 200"));
  EXPECT_LT(host.IndexOf(L"address " + url), host.log.size());
  EXPECT_EQ(host.browser->BrowserCount(), 1);
  EXPECT_EQ(host.browser->URL(), url);
  EXPECT_EQ(host.browser->title(), L"Page A");
  EXPECT_FALSE(host.browser->IsLoading());

  // The page window fills the view's client area.
  HWND page = PageWindow(host.browser->ActiveBrowser());
  ASSERT_TRUE(page);
  EXPECT_EQ(GetParent(page), host.View());
  RECT view{}, pr{};
  GetClientRect(host.View(), &view);
  GetWindowRect(page, &pr);
  MapWindowPoints(nullptr, host.View(), reinterpret_cast<POINT*>(&pr), 2);
  EXPECT_EQ(pr.left, 0);
  EXPECT_EQ(pr.top, 0);
  EXPECT_EQ(pr.right - pr.left, view.right);
  EXPECT_EQ(pr.bottom - pr.top, view.bottom);
  EXPECT_TRUE(IsWindowVisible(page));
}

TEST(ComponentPages, ClosedPagesReopenFirstClosedFirst) {
  REQUIRE_PAGES();
  TPageHost host;
  const std::wstring names[] = {L"a", L"b", L"c"};
  std::vector<int> ids;
  for (const auto& n : names) ids.push_back(host.Open(HttpUrl(L"/pages/component_" + n + L".html")));
  ASSERT_EQ(std::count(ids.begin(), ids.end(), -1), 0);
  for (int id : ids) EXPECT_TRUE(host.browser->CloseBrowser(id, -1));
  EXPECT_EQ(host.browser->BrowserCount(), 0);
  EXPECT_EQ(host.browser->ClosedUrlCount(), 3);
  int expectedCount = 2;
  for (const auto& n : names) {
    const size_t ends = host.loadEnds.size();
    host.browser->ReOpenClosedPage();
    EXPECT_EQ(host.browser->ClosedUrlCount(), expectedCount--);
    ASSERT_TRUE(Pump([&] { return host.loadEnds.size() > ends; }));
    EXPECT_EQ(host.browser->URL(), HttpUrl(L"/pages/component_" + n + L".html"));
  }
  host.browser->ReOpenClosedPage();  // nothing left
  EXPECT_EQ(host.browser->BrowserCount(), 3);
}

TEST(ComponentPages, CloseShowsTheNamedPageAndTabsFollow) {
  REQUIRE_PAGES();
  TPageHost host;
  host.browser->CreateDefaultTabsControl(24);
  const int a = host.Open(HttpUrl(L"/pages/component_a.html"));
  const int b = host.Open(HttpUrl(L"/pages/component_b.html"));
  const int c = host.Open(HttpUrl(L"/pages/component_c.html"));
  ASSERT_TRUE(a >= 0 && b >= 0 && c >= 0);
  toolkit::TPageControl* tabs = host.browser->DefaultTabControl();
  ASSERT_EQ(tabs->PageCount(), 3);
  ASSERT_TRUE(Pump([&] { return tabs->Pages(2)->Caption() == L"Page C"; }));
  EXPECT_EQ(tabs->ActivePage()->Tag, c);

  // Closing the active page without naming another: nothing visible, the id stays.
  const rtl::TRef<ICefBrowser> pageB = host.browser->GetWrapperBrowsers(b)->Browser();
  const rtl::TRef<ICefBrowser> pageA = host.browser->GetWrapperBrowsers(a)->Browser();
  EXPECT_TRUE(host.browser->CloseBrowser(c, -1));
  EXPECT_EQ(host.browser->ActiveBrowserId(), c);
  EXPECT_FALSE(IsWindowVisible(PageWindow(pageA)));
  EXPECT_FALSE(IsWindowVisible(PageWindow(pageB)));
  EXPECT_EQ(tabs->PageCount(), 2);
  ASSERT_EQ(host.closes.size(), 1u);
  EXPECT_EQ(host.closes[0].first, TBrowserIdArray{c});
  EXPECT_EQ(host.closes[0].second, -1);

  // Closing a with b to show: b becomes active and its address and title are replayed.
  host.log.clear();
  EXPECT_TRUE(host.browser->CloseBrowser(a, b));
  EXPECT_EQ(host.browser->ActiveBrowserId(), b);
  EXPECT_TRUE(IsWindowVisible(PageWindow(pageB)));
  EXPECT_TRUE(host.Has(L"address " + HttpUrl(L"/pages/component_b.html")));
  EXPECT_TRUE(host.Has(L"title Page B"));
  EXPECT_EQ(tabs->PageCount(), 1);
  EXPECT_EQ(tabs->ActivePage()->Tag, b);

  // Closing all others passes -1 as the page to show whatever the first event chose.
  const int d = host.Open(HttpUrl(L"/pages/component_c.html"));
  ASSERT_GE(d, 0);
  host.browser->OnBeforeCloseBrowser = [](const TBrowserIdArray&, TCloseBrowserType, int32_t& show) { show = 999; };
  host.closes.clear();
  EXPECT_TRUE(host.browser->CloseAllOtherBrowser(b));
  ASSERT_EQ(host.closes.size(), 1u);
  EXPECT_EQ(host.closes[0].first, TBrowserIdArray{d});
  EXPECT_EQ(host.closes[0].second, -1);
  EXPECT_EQ(host.browser->BrowserCount(), 1);
  EXPECT_EQ(tabs->PageCount(), 1);
  EXPECT_EQ(tabs->Pages(0)->Tag, b);
}

TEST(ComponentPages, ZoomStepsAndNumbers) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  EXPECT_EQ(host.browser->ZoomLevel(), L"100%");
  for (int i = 0; i < 9; ++i) host.browser->AddZoomLevel();
  EXPECT_EQ(host.browser->ZoomLevel(), L"500%");
  host.browser->AddZoomLevel();
  EXPECT_EQ(host.browser->ZoomLevel(), L"500%");
  host.browser->ResetZoomLevel();
  EXPECT_EQ(host.browser->ZoomLevel(), L"100%");
  for (int i = 0; i < 7; ++i) host.browser->ReduceZoomLevel();
  EXPECT_EQ(host.browser->ZoomLevel(), L"25%");
  host.browser->ActiveBrowser()->GetHost()->SetZoomLevel(0.5);
  EXPECT_EQ(host.browser->ZoomLevel(), L"0.5");
  host.browser->AddZoomLevel();  // still one step from where the page is
  EXPECT_EQ(host.browser->ZoomLevel(), L"1.5");
}

TEST(ComponentPages, SourceInNewPageAndCopies) {
  REQUIRE_PAGES();
  TPageHost host;
  const std::wstring url = HttpUrl(L"/pages/component_a.html");
  const int a = host.Open(url);
  ASSERT_GE(a, 0);
  host.browser->CopyBrowser(a);
  ASSERT_TRUE(Pump([&] { return host.browser->BrowserCount() == 2; }));
  EXPECT_NE(host.browser->ActiveBrowserId(), a);
  // The copy shows the same address once its load committed.
  ASSERT_TRUE(Pump([&] { return host.browser->URL() == url; }));
  const int copy = host.browser->ActiveBrowserId();
  host.browser->GetSourceInNewPage();
  ASSERT_TRUE(Pump([&] { return host.browser->BrowserCount() == 3; }));
  EXPECT_NE(host.browser->ActiveBrowserId(), copy);
  EXPECT_TRUE(Pump([&] { return host.browser->URL() == L"view-source:" + url; }));
}

// ---- load errors

TEST(ComponentErrors, ErrorPageOnlyWhenAskedForAndNotCancelled) {
  REQUIRE_PAGES();
  TPageHost host;
  host.browser->VoraDOptions()->SetShowLoadError(true);
  const std::wstring refused = L"http://127.0.0.1:9/nothing-listens-here";
  host.browser->AddPage(refused);
  ASSERT_TRUE(Pump([&] { return !host.loadErrors.empty(); }));
  EXPECT_EQ(host.loadErrors[0], -102);
  // The error page is loaded into the page: another load completes.
  const bool errorPage = Pump([&] { return host.loadEnds.size() >= 1; }, 10s);
  EXPECT_TRUE(errorPage);

  // Cancelled by the application: nothing is loaded over the failed page.
  TPageHost quiet;
  quiet.browser->VoraDOptions()->SetShowLoadError(true);
  quiet.browser->OnLoadError = [&](PBrowser, PFrame, int32_t code, const std::wstring&, const std::wstring&,
                                   bool& cancel) {
    quiet.loadErrors.push_back(code);
    cancel = true;
  };
  quiet.browser->AddPage(refused);
  ASSERT_TRUE(Pump([&] { return !quiet.loadErrors.empty(); }));
  PumpFor(1500ms);
  EXPECT_TRUE(quiet.loadEnds.empty() || quiet.loadEnds.size() == 1u);
  const size_t after = quiet.Count(L"loadstart");
  PumpFor(500ms);
  EXPECT_EQ(quiet.Count(L"loadstart"), after);
}

TEST(ComponentErrors, UserAbortsAndUnknownCodes) {
  REQUIRE_PAGES();
  TPageHost host;
  host.browser->VoraDOptions()->SetShowLoadError(true);
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  const rtl::TRef<ICefFrame> frame = page->GetMainFrame();
  const std::wstring text = L"failed", url = HttpUrl(L"/pages/nowhere.html");
  auto raise = [&](int code) {
    TLoadErrorParams p{&frame, code, &text, &url, false};
    SendToBrowserWindow(page, WM_VORAD_LOADERROR, reinterpret_cast<LPARAM>(&p));
  };
  // A load the user stopped: no error page, nothing loaded over the page.
  const size_t starts = host.Count(L"loadstart");
  raise(-3);
  PumpFor(1000ms);
  EXPECT_EQ(host.Count(L"loadstart"), starts);
  EXPECT_EQ(host.browser->URL(), HttpUrl(L"/pages/component_a.html"));
  // A code the table does not know still gets the error page (heading only).
  raise(-9999);
  EXPECT_TRUE(Pump([&] { return host.browser->URL() == url; }, 10s));
}

TEST(ComponentFocus, FocusReturningWithActivationIsNotAToolkitFocusChange) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  TBrowserView* view = host.browser->BrowserView();
  view->SetIsActivating(true);
  int gotFocus = 0;
  host.browser->OnGotFocus = [&](PBrowser, bool&) { ++gotFocus; };
  SendToBrowserWindow(page, WM_VORAD_GOTFOCUS, 0);
  EXPECT_EQ(gotFocus, 1);
  EXPECT_FALSE(view->IsActivating());
  SetFocus(nullptr);
  SendToBrowserWindow(page, WM_VORAD_GOTFOCUS, 0);
  EXPECT_EQ(gotFocus, 2);
  EXPECT_EQ(GetFocus(), view->Handle());
}

TEST(ComponentFocus, ANavigationTakesTheFocusOnlyWhenTheApplicationLetsIt) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  int gotFocus = 0;
  host.browser->OnGotFocus = [&](PBrowser, bool&) { ++gotFocus; };
  HWND form = host.form.Handle();
  // A navigation only focuses a page in the active window, and other test processes may take
  // the activation at any moment: a round counts only when the form stayed active through it.
  auto navigate = [&](bool& tookFocus) {
    const wchar_t* pages[] = {L"/pages/component_b.html", L"/pages/component_c.html"};
    for (int round = 0; round < 6; ++round) {
      SetForegroundWindow(form);
      SetFocus(host.View());
      if (GetActiveWindow() != form || GetFocus() != host.View()) continue;
      gotFocus = 0;
      const size_t ends = host.loadEnds.size();
      host.browser->Load(HttpUrl(pages[round % 2]));
      if (!Pump([&] { return host.loadEnds.size() > ends; })) return false;
      PumpFor(200ms);
      if (GetActiveWindow() != form) continue;
      tookFocus = gotFocus > 0;
      return true;
    }
    return false;
  };
  bool tookFocus = true;
  ASSERT_TRUE(navigate(tookFocus)) << "the form never stayed active through a load";
  EXPECT_FALSE(tookFocus) << "the navigation took the focus";
  EXPECT_EQ(GetFocus(), host.View());

  host.browser->OnSetFocus = [](PBrowser, TCefFocusSource, bool&, bool& cancelDefault) { cancelDefault = true; };
  ASSERT_TRUE(navigate(tookFocus)) << "the form never stayed active through a load";
  EXPECT_TRUE(tookFocus) << "the page did not get the focus it was allowed";
}

// ---- popups

TEST(ComponentPopups, PopupDefaultsAndCancelDefaultEvent) {
  REQUIRE_PAGES();
  TPageHost host;
  const int opener = host.Open(HttpUrl(L"/pages/component_a.html"));
  ASSERT_GE(opener, 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  rtl::TRef<TVoraDLifeSpanHandler> life(new TVoraDLifeSpanHandler(rtl::TRef<IVoraDBrowser>(host.browser.get())));

  cef_popup_features_t features{};
  features.x = 30;
  features.y = 40;
  features.width = 300;
  features.height = 200;
  cef_window_info_t supplied{};
  supplied.style = WS_OVERLAPPEDWINDOW;
  supplied.x = supplied.y = supplied.width = supplied.height = int(CW_USEDEFAULT);
  cef_browser_settings_t settings = NewBrowserSettings();
  rtl::TRef<ICefClient> client;
  int noScript = 0;
  bool eventSawCancel = false;

  // Default: the popup becomes a child page of the view at the requested place.
  host.browser->OnBeforePopup = [&](PBrowser, PFrame, const std::wstring&, const std::wstring&,
                                    TCefWindowOpenDisposition, bool, TCefPopupFeatures&, TCefWindowInfo&,
                                    rtl::TRef<ICefClient>&, TCefBrowserSettings&, bool&, bool& cancel, bool&) {
    cancel = true;  // does not stop the popup
    eventSawCancel = true;
  };
  cef_window_info_t info = supplied;
  EXPECT_FALSE(life->OnBeforePopup(page, page->GetMainFrame(), L"http://x/", L"w", WOD_NEW_POPUP, true, &features,
                                   &info, client, &settings, noScript));
  EXPECT_TRUE(eventSawCancel);
  EXPECT_EQ(info.style, PageWindowStyle);
  EXPECT_EQ(info.x, 30);
  EXPECT_EQ(info.y, 40);
  EXPECT_EQ(info.width, 300);
  EXPECT_EQ(info.height, 200);
  EXPECT_EQ(info.parent_window, host.View());

  // CancelDefaultEvent: the window information stays as the runtime supplied it.
  host.browser->OnBeforePopup = [&](PBrowser, PFrame, const std::wstring&, const std::wstring&,
                                    TCefWindowOpenDisposition, bool, TCefPopupFeatures&, TCefWindowInfo&,
                                    rtl::TRef<ICefClient>&, TCefBrowserSettings&, bool&, bool&,
                                    bool& cancelDefault) { cancelDefault = true; };
  info = supplied;
  EXPECT_FALSE(life->OnBeforePopup(page, page->GetMainFrame(), L"http://x/", L"w", WOD_NEW_POPUP, true, &features,
                                   &info, client, &settings, noScript));
  EXPECT_EQ(std::memcmp(&info, &supplied, sizeof info), 0);
}

TEST(ComponentPopups, WindowOpenMakesAnActiveChildPage) {
  REQUIRE_PAGES();
  TPageHost host;
  const int opener = host.Open(HttpUrl(L"/pages/component_a.html"));
  ASSERT_GE(opener, 0);
  const rtl::TRef<ICefBrowser> openerPage = host.browser->ActiveBrowser();
  host.browser->Load(HttpUrl(L"/pages/component_popup.html"));
  ASSERT_TRUE(Pump([&] { return host.browser->BrowserCount() == 2; }, 10s));
  const rtl::TRef<ICefBrowser> popup = host.browser->ActiveBrowser();
  ASSERT_TRUE(popup);
  EXPECT_NE(popup->GetIdentifier(), opener);
  // A child page of the view; shown maximised like every page, it fills the view.
  HWND wnd = PageWindow(popup);
  EXPECT_EQ(GetParent(wnd), host.View());
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_NE(host.browser->GetWrapperBrowsers(popup->GetIdentifier()), nullptr);
  EXPECT_FALSE(IsWindowVisible(PageWindow(openerPage)));
}

// ---- dialogs

TEST(ComponentDialogs, ScriptDialogsShowTheBoxesAndAnswerThePage) {
  REQUIRE_PAGES();
  TPageHost host;
  const std::wstring appTitle = kAppTitle;
  TDialogDriver driver({
      {[&](const std::wstring& c) { return c == appTitle; },
       [](HWND w) { TDialogDriver::ClickButton(w, L"OK"); }},
      {[](const std::wstring& c) { return EndsWith(c, kScriptCaptionSuffix); },
       [](HWND w) { TDialogDriver::ClickButton(w, L"OK"); }},
      {[](const std::wstring& c) { return EndsWith(c, kScriptCaptionSuffix); },
       [](HWND w) {
         TDialogDriver::SetEdit(w, false, L"bob");
         TDialogDriver::ClickButton(w, L"OK");
       }},
  });
  host.browser->AddPage(HttpUrl(L"/pages/component_dialogs.html"));
  const bool answered = Pump([&] { return host.Has(L"title confirm=true;prompt=bob"); }, 30s);
  EXPECT_TRUE(answered);
  const auto seen = driver.Seen();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], appTitle + L"|hello from the page");
  EXPECT_NE(seen[1].find(L"|really?"), std::wstring::npos);
}

TEST(ComponentDialogs, LeavePageDialogAsksWithItsCaption) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_unload.html")), 0);
  TDialogDriver driver({{[](const std::wstring& c) { return c == kLeaveCaption; },
                         [](HWND w) { TDialogDriver::ClickButton(w, L"OK"); }}});
  host.browser->Load(HttpUrl(L"/pages/component_b.html"));
  const bool left = Pump([&] { return host.Has(L"title Page B"); }, 20s);
  EXPECT_TRUE(left);
  const auto seen = driver.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find(std::wstring(L"\r\n") + kLeaveQuestion), std::wstring::npos);
}

TEST(ComponentDialogs, PasswordDialogAnswersTheServer) {
  REQUIRE_PAGES();
  TPageHost host;
  TDialogDriver driver({{[](const std::wstring& c) { return c == L"Authentication"; },
                         [](HWND w) {
                           TDialogDriver::SetEdit(w, false, L"user");
                           TDialogDriver::SetEdit(w, true, L"secret");
                           TDialogDriver::ClickButton(w, L"OK");
                         }}});
  host.browser->AddPage(HttpUrl(L"/pages/component_a.html?auth=user:secret"));
  const bool loaded = Pump([&] { return host.Has(L"title Page A"); }, 30s);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(driver.Done(), 1u);
}

TEST(ComponentDownloads, AutoDownPicksTheNextFreeName) {
  REQUIRE_PAGES();
  TTempDir dir;
  WriteFileBytes(dir.Path() + L"a.zip", "old");
  WriteFileBytes(dir.Path() + L"a(1).zip", "old");
  TPageHost host;
  host.browser->VoraDOptions()->SetAutoDown(true);
  host.browser->VoraDOptions()->SetDownLoadPath(dir.Path());
  std::wstring suggested;
  host.browser->OnBeforeDownload = [&](PBrowser, const rtl::TRef<ICefDownloadItem>&, const std::wstring& name,
                                       const rtl::TRef<ICefBeforeDownloadCallback>&, bool&) { suggested = name; };
  host.browser->AddPage(HttpUrl(L"/bytes/100?attachment=a.zip"));
  ASSERT_TRUE(Pump([&] { return !suggested.empty(); }, 15s));
  EXPECT_EQ(suggested, L"a.zip");
  EXPECT_TRUE(Pump([&] { return ReadFileBytes(dir.Path() + L"a(2).zip").size() == 100; }, 15s));
  EXPECT_EQ(ReadFileBytes(dir.Path() + L"a.zip"), "old");
  EXPECT_EQ(ReadFileBytes(dir.Path() + L"a(1).zip"), "old");
}

// ---- keys, focus, developer tools

TEST(ComponentKeys, BuiltinKeysFocusRuleAndDevTools) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  const rtl::TRef<IVoraDBrowser> sink(host.browser.get());
  rtl::TRef<TVoraDKeyboardHandler> keys(new TVoraDKeyboardHandler(sink));
  auto key = [&](cef_key_event_type_t type, uint32_t modifiers, int code) {
    cef_key_event_t e{};
    e.type = type;
    e.modifiers = modifiers;
    e.windows_key_code = code;
    int shortcut = 0;
    return keys->OnPreKeyEvent(page, &e, nullptr, shortcut);
  };

  // F12 without DevToolsEnable: nothing; with it: developer tools once, on the release.
  EXPECT_FALSE(key(KEYEVENT_KEYUP, 0, VK_F12));
  EXPECT_EQ(host.browser->DevToolsView(), nullptr);
  host.browser->VoraDOptions()->SetDevToolsEnable(true);
  EXPECT_FALSE(key(KEYEVENT_RAWKEYDOWN, 0, VK_F12));
  EXPECT_EQ(host.browser->DevToolsView(), nullptr);
  EXPECT_FALSE(key(KEYEVENT_KEYUP, 0, VK_F12));
  ASSERT_NE(host.browser->DevToolsView(), nullptr);
  EXPECT_TRUE(host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier()));
  EXPECT_FALSE(key(KEYEVENT_KEYUP, 0, VK_F12));  // a second time opens nothing new
  HWND tools = nullptr;
  Pump([&] { return (tools = FindWindowW(nullptr, L"DevTools")) != nullptr; }, 3s);
  if (tools) {
    const LONG style = GetWindowLongW(tools, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
  }
  host.browser->CloseDevTools(nullptr);
  EXPECT_FALSE(host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier()));

  // F5 released reloads the page.
  const size_t starts = host.Count(L"loadstart");
  EXPECT_FALSE(key(KEYEVENT_RAWKEYDOWN, 0, VK_F5));
  PumpFor(300ms);
  EXPECT_EQ(host.Count(L"loadstart"), starts);
  EXPECT_FALSE(key(KEYEVENT_KEYUP, 0, VK_F5));
  EXPECT_TRUE(Pump([&] { return host.Count(L"loadstart") > starts; }, 10s));

  // Alt+F4 is swallowed; an application that takes over disables the built-in keys.
  EXPECT_TRUE(key(KEYEVENT_RAWKEYDOWN, EVENTFLAG_ALT_DOWN, VK_F4));
  host.browser->OnPreKeyEvent = [](PBrowser, PCefKeyEvent, PMsg, bool&, bool&, bool& cancelDefault) {
    cancelDefault = true;
  };
  EXPECT_FALSE(key(KEYEVENT_RAWKEYDOWN, EVENTFLAG_ALT_DOWN, VK_F4));

  // Focus from a navigation is refused by default, focus from the system taken.
  rtl::TRef<TVoraDFocusHandler> focus(new TVoraDFocusHandler(sink));
  EXPECT_TRUE(focus->OnSetFocus(page, FOCUS_SOURCE_NAVIGATION));
  EXPECT_FALSE(focus->OnSetFocus(page, FOCUS_SOURCE_SYSTEM));
  host.browser->OnSetFocus = [](PBrowser, TCefFocusSource, bool&, bool& cancelDefault) { cancelDefault = true; };
  EXPECT_FALSE(focus->OnSetFocus(page, FOCUS_SOURCE_NAVIGATION));
}

// The same keys as window input of the page: through the runtime's keyboard callbacks.
TEST(ComponentKeys, KeysPressedInThePageWindow) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  HWND wnd = PageWindow(page);
  ASSERT_NE(wnd, nullptr);
  auto press = [&](UINT down, UINT up, WPARAM key, LPARAM context) {
    PostMessageW(wnd, down, key, 1 | context);
    PostMessageW(wnd, up, key, 0xC0000001 | context);
    PumpFor(100ms);
  };
  host.browser->VoraDOptions()->SetDevToolsEnable(true);
  press(WM_KEYDOWN, WM_KEYUP, VK_F12, 0);
  EXPECT_TRUE(Pump([&] {
    return host.browser->DevToolsView() && host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier());
  }, 5s));
  host.browser->CloseDevTools(nullptr);

  const size_t starts = host.Count(L"loadstart");
  press(WM_KEYDOWN, WM_KEYUP, VK_F5, 0);
  EXPECT_TRUE(Pump([&] { return host.Count(L"loadstart") > starts; }, 10s));

  // Alt+F4 in the page would close the form through the default window procedure.
  press(WM_SYSKEYDOWN, WM_SYSKEYUP, VK_F4, 1 << 29);
  PumpFor(300ms);
  EXPECT_TRUE(IsWindow(host.form.Handle()) && IsWindowVisible(host.form.Handle()));
  EXPECT_EQ(host.browser->BrowserCount(), 1);
}

// Developer tools closed by the user (their close box) open again on the next request.
TEST(ComponentDevTools, TheyOpenAgainAfterTheUserClosedTheirWindow) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
  const auto toolsWindows = [] {
    std::vector<HWND> found;
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
      wchar_t caption[32] = {};
      GetWindowTextW(w, caption, 32);
      if (wcscmp(caption, L"DevTools") == 0) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
      return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
  };
  ASSERT_TRUE(toolsWindows().empty());
  for (int round = 0; round < 3; ++round) {
    host.browser->ShowDevTools(nullptr);
    ASSERT_TRUE(host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier()));
    ASSERT_TRUE(Pump([&] { return toolsWindows().size() == 1; }, 5s)) << "round " << round;
    // The close box: the system menu's close command.
    PostMessageW(toolsWindows()[0], WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(Pump([&] { return toolsWindows().empty(); }, 5s)) << "round " << round;
    EXPECT_FALSE(host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier())) << "round " << round;
  }
  // Closed by the program, then opened again.
  host.browser->ShowDevTools(nullptr);
  host.browser->CloseDevTools(nullptr);
  host.browser->ShowDevTools(nullptr);
  PumpFor(300ms);
  EXPECT_TRUE(host.browser->DevToolsView()->IsOpenedFor(page->GetIdentifier()));
  EXPECT_EQ(toolsWindows().size(), 1u);
  host.browser->CloseDevTools(nullptr);
  EXPECT_TRUE(Pump([&] { return toolsWindows().empty(); }, 5s));
}

TEST(ComponentClose, ScriptCloseClosesThePageAsJs) {
  REQUIRE_PAGES();
  TPageHost host;
  ASSERT_GE(host.Open(HttpUrl(L"/pages/component_a.html")), 0);
  host.browser->AddPage(HttpUrl(L"/pages/component_close.html"));
  ASSERT_TRUE(Pump([&] { return !host.closeTypes.empty(); }, 10s));
  EXPECT_EQ(host.closeTypes[0], CLOSETYPE_JS);
  EXPECT_EQ(host.browser->BrowserCount(), 1);
  ASSERT_EQ(host.closes.size(), 1u);
  EXPECT_EQ(host.closes[0].second, -1);
}

TEST(ComponentFavicon, TheLastIcoUrlIsFetchedAndRaised) {
  REQUIRE_PAGES();
  TPageHost host;
  std::wstring iconUrl;
  TFavIcon* icon = nullptr;
  host.browser->OnFavIconChange = [&](PBrowser, const std::wstring& url, TFavIcon* i) {
    iconUrl = url;
    icon = i;
  };
  host.browser->AddPage(HttpUrl(L"/pages/component_icon.html"));
  ASSERT_TRUE(Pump([&] { return !iconUrl.empty(); }, 15s));
  EXPECT_TRUE(EndsWith(iconUrl, L"/pages/component_icon.ico"));
  ASSERT_NE(icon, nullptr);
  EXPECT_FALSE(icon->Empty());
}

// ---- a page closed inside the close events

TEST(ComponentClose, APageClosedInsideTheCloseEventsIsNotShown) {
  REQUIRE_PAGES();
  TPageHost host;
  const int a = host.Open(HttpUrl(L"/pages/component_a.html"));
  const int b = host.Open(HttpUrl(L"/pages/component_b.html"));
  const int c = host.Open(HttpUrl(L"/pages/component_c.html"));
  ASSERT_TRUE(a >= 0 && b >= 0 && c >= 0);
  const rtl::TRef<ICefBrowser> pageC = host.browser->ActiveBrowser();
  // Closing a with b to show, the application closes b itself first.
  host.browser->OnBeforeCloseBrowser = [&](const TBrowserIdArray& ids, TCloseBrowserType, int32_t&) {
    if (ids == TBrowserIdArray{a}) host.browser->CloseBrowser(b, -1);
  };
  EXPECT_TRUE(host.browser->CloseBrowser(a, b));
  EXPECT_EQ(host.browser->BrowserCount(), 1);
  EXPECT_EQ(host.browser->ActiveBrowserId(), c);
  EXPECT_TRUE(IsWindowVisible(PageWindow(pageC)));
}

// ---- lifetimes across threads

namespace {

// A document whose body takes about two seconds to arrive.
std::wstring SlowPageUrl() { return HttpUrl(L"/bytes/6144?throttle=3072&type=text/html"); }

// A control that says when its destruction begins: its own destructor runs before the
// component's.
struct TTrackedBrowser : TVoraDBrowser {
  TTrackedBrowser(toolkit::TWinControl* owner, std::atomic<bool>* destroying)
      : TVoraDBrowser(owner), FDestroyingFlag(destroying) {}
  ~TTrackedBrowser() override { *FDestroyingFlag = true; }
  std::atomic<bool>* FDestroyingFlag;
};

struct TLifetimeHost {
  toolkit::TForm form;
  std::atomic<bool> destroying{false};
  std::unique_ptr<TTrackedBrowser> browser;
  TLifetimeHost() {
    form.SetBounds(60, 60, 640, 480);
    browser = std::make_unique<TTrackedBrowser>(&form, &destroying);
    browser->SetAlign(toolkit::TAlign::alClient);
    form.Show();
  }
};

// Every reference the runtime took goes back once the pages are gone: the client handlers (and
// with them the pump timer), their per-area handlers and the event sinks those hold.
bool RuntimeLetGo() {
  return Pump(
      [] { return HandlerCount.load() == 0 && MessageLoopTimer == nullptr && TVoraDEventSink::LiveCount() == 0; },
      20s);
}

}  // namespace

TEST(ComponentLifetime, DestroyingTheControlWaitsForAnIoEventInFlight) {
  REQUIRE_PAGES();
  for (int round = 0; round < 4; ++round) {
    TLifetimeHost host;
    TTrackedBrowser* control = host.browser.get();
    std::atomic<bool> entered{false}, finished{false}, finishedLate{false}, destroyed{false};
    control->OnResourceResponse = [&, control](PBrowser, PFrame, PRequest, PResponse, bool&) {
      if (GetCurrentThreadId() == MainThreadId() || entered.exchange(true)) return;
      // Still running when the destruction begins, then using the control.
      WaitFor([&] { return host.destroying.load(); }, 5s, false);
      Sleep(100);
      const std::wstring url = control->DefaultURL();
      finishedLate = destroyed.load();
      finished = !url.empty();
    };
    control->AddPage(SlowPageUrl());
    ASSERT_TRUE(Pump([&] { return entered.load(); })) << "round " << round;
    host.browser.reset();
    destroyed = true;
    EXPECT_TRUE(finished) << "round " << round;
    EXPECT_FALSE(finishedLate) << "round " << round;
  }
  EXPECT_TRUE(RuntimeLetGo());
}

TEST(ComponentLifetime, NoEventOnceDestructionHasBegun) {
  REQUIRE_PAGES();
  int late = 0;
  std::atomic<bool> started{false};
  // Counts the events raised once `going` is set; stopping a page whose document is still
  // arriving reports a load error and loading states.
  auto watch = [&](TVoraDBrowser& b, const std::atomic<bool>& going) {
    b.OnResourceResponse = [&](PBrowser, PFrame, PRequest, PResponse, bool&) { started = true; };
    b.OnLoadError = [&](PBrowser, PFrame, int32_t, const std::wstring&, const std::wstring&, bool&) { late += going; };
    b.OnLoadingStateChange = [&](PBrowser, bool, bool, bool) { late += going; };
    b.OnStateChange = [&](PBrowser, TBrowserDataChangeKind, const std::wstring&) { late += going; };
    b.OnLoadEnd = [&](PBrowser, PFrame, int32_t) { late += going; };
  };
  {
    TLifetimeHost host;
    watch(*host.browser, host.destroying);
    host.browser->AddPage(SlowPageUrl());
    ASSERT_TRUE(Pump([&] { return started.load(); }));
    host.browser.reset();
    ASSERT_TRUE(host.destroying);
    EXPECT_EQ(late, 0) << "the control";
  }
  {
    // A page manager on its own, with an event sink that outlives it.
    late = 0;
    started = false;
    std::atomic<bool> going{false};
    toolkit::TForm form;
    form.SetBounds(60, 60, 640, 480);
    TVoraDBrowser sink(&form);
    watch(sink, going);
    TVoraDOptions options;
    auto view = std::make_unique<TBrowserView>(&form, sink.EventSink(), &options);
    view->SetParent(&form);
    view->SetAlign(toolkit::TAlign::alClient);
    form.Show();
    view->AddPage(SlowPageUrl(), L"");
    ASSERT_TRUE(Pump([&] { return started.load(); }));
    going = true;
    view.reset();
    EXPECT_EQ(late, 0) << "the page manager";
  }
  EXPECT_TRUE(RuntimeLetGo());
}

// Rounds of pages opened and closed while slow pages keep the IO thread busy in the control's
// events, each round ending with the control destroyed under one of them. Nothing may crash or
// hang, and every reference the runtime held goes back.
TEST(ComponentLifetime, StressPagesClosesAndDestructionWithEventsInFlight) {
  REQUIRE_PAGES();
  for (int round = 0; round < 6; ++round) {
    TLifetimeHost host;
    TTrackedBrowser* control = host.browser.get();
    std::atomic<int> ioEvents{0};
    std::atomic<bool> hold{false}, held{false};
    auto ioEvent = [&] {
      if (GetCurrentThreadId() == MainThreadId()) return;
      ++ioEvents;
      if (hold && !held.exchange(true)) WaitFor([&] { return host.destroying.load(); }, 5s, false);
      Sleep(5 + 10 * (round % 3));
    };
    control->OnGetResourceHandler = [&](PBrowser, PFrame, PRequest, rtl::TRef<ICefResourceHandler>&) { ioEvent(); };
    control->OnResourceResponse = [&](PBrowser, PFrame, PRequest, PResponse, bool&) { ioEvent(); };
    control->OnResourceLoadComplete = [&](PBrowser, PFrame, PRequest, PResponse, TCefUrlRequestStatus, int64_t) {
      ioEvent();
    };
    std::vector<int32_t> added;
    control->OnAddBrowser = [&](PBrowser b) { added.push_back(b->GetIdentifier()); };
    control->AddPage(HttpUrl(L"/pages/component_a.html"));
    control->AddPage(SlowPageUrl());
    ASSERT_TRUE(Pump([&] { return added.size() == 2 && ioEvents.load() > 0; })) << "round " << round;
    control->CloseBrowser(added[0], added[1]);
    control->AddPage(SlowPageUrl());
    if (round % 2) control->AddPage(HttpUrl(L"/pages/component_b.html"));
    Pump([&] { return ioEvents.load() > 4; }, 3s);
    control->CloseAllOtherBrowser(control->ActiveBrowserId());
    // Render processes killed during blocking script reads need the multi-process runtime:
    // ScriptAccess.StressKillingTheRenderProcessDuringBlockingReads.
    hold = true;
    control->Load(SlowPageUrl());
    ASSERT_TRUE(Pump([&] { return held.load(); })) << "round " << round;
    host.browser.reset();
  }
  EXPECT_TRUE(RuntimeLetGo());
}

// ---- two page managers, one pump

TEST(ComponentPump, TwoPageManagersShareOneTimer) {
  REQUIRE_PAGES();
  {
    TPageHost first, second;
    ASSERT_GE(first.Open(HttpUrl(L"/pages/component_a.html")), 0);
    ASSERT_GE(second.Open(HttpUrl(L"/pages/component_b.html")), 0);
    EXPECT_GE(HandlerCount.load(), 2);
    ASSERT_NE(MessageLoopTimer, nullptr);
    EXPECT_TRUE(MessageLoopTimer->Enabled());
    EXPECT_NE(first.browser->BrowserView()->Handler().Get(), second.browser->BrowserView()->Handler().Get());
  }
  // The runtime lets go of the clients once their pages are gone; the timer goes with the last.
  EXPECT_TRUE(Pump([] { return HandlerCount.load() == 0 && MessageLoopTimer == nullptr; }, 10s));
}

TEST(ComponentErrors, LoadingBeforeTheRuntimeRaisesTheLoaderError) {
  REQUIRE_RUNTIME();
  // Single-process mode with the runtime loaded: no error; the multi-process check is the
  // loader's own (IsNeedInitInMainProcess).
  EXPECT_FALSE(VoraDApp->IsNeedInitInMainProcess());
  TPageHost host;
  VoraDApp->SetCefSingleProcess(false);
  rtl::TRef<TRenderProcessCallbackA> none;
  try {
    host.browser->RunInRenderProcess(none, nullptr);
    ADD_FAILURE() << "no error outside single-process mode";
  } catch (const rtl::Exception& e) {
    EXPECT_EQ(e.Message(), L"\u6682\u65F6\u53EA\u652F\u6301\u5355\u8FDB\u7A0B\u6A21\u5F0F");
  }
  VoraDApp->SetCefSingleProcess(true);
}
