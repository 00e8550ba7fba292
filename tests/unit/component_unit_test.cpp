// Pure rules of the browser component: zoom table, unique download names, favicon choice,
// error page text, built-in keys, the parent-form move rule and the icon header check.
#include <gtest/gtest.h>

#include <set>

#include "rtl/StrConv.h"
#include "support/TestSupport.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

TEST(ZoomRules, TableBoundsAndNumbers) {
  EXPECT_EQ(ZoomLevelToText(0), L"100%");
  EXPECT_EQ(ZoomLevelToText(MaxZoomLevel), L"500%");
  EXPECT_EQ(ZoomLevelToText(MinZoomLevel), L"25%");
  EXPECT_EQ(ZoomLevelToText(-1), L"90%");
  EXPECT_EQ(ZoomLevelToText(8), L"400%");
  // Levels outside the table read as numbers in the default number format.
  EXPECT_EQ(ZoomLevelToText(0.5), L"0.5");
  EXPECT_EQ(ZoomLevelToText(-1.25), L"-1.25");
  EXPECT_EQ(ZoomLevelToText(10), L"10");
  std::wstring text = L"untouched";
  EXPECT_FALSE(FindZoomLevel(0.5, text));
  EXPECT_EQ(text, L"untouched");
  // Every row is reachable and the table is strictly ascending.
  for (size_t i = 1; i < 16; ++i) EXPECT_LT(ZoomLevelTable[i - 1].Level, ZoomLevelTable[i].Level);
}

TEST(UniqueFileName, CountsPastNinetyNine) {
  std::set<std::wstring> files;
  auto exists = [&](const std::wstring& p) { return files.count(p) != 0; };
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a.zip");
  files = {L"C:\\d\\a.zip", L"C:\\d\\a(1).zip"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a(2).zip");
  files = {L"C:\\d\\movie.part.mp4"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\movie.part.mp4", exists), L"C:\\d\\movie.part(1).mp4");
  files = {L"C:\\d\\readme"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\readme", exists), L"C:\\d\\(1).readme");
  // All of 1..99 taken: the next free number, never an existing name.
  files = {L"C:\\d\\a.zip"};
  for (int i = 1; i <= 99; ++i) files.insert(L"C:\\d\\a(" + std::to_wstring(i) + L").zip");
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a(100).zip");
}

TEST(UniqueFileName, RealFolder) {
  testing_support::TTempDir dir;
  testing_support::WriteFileBytes(dir.Path() + L"a.zip", "x");
  testing_support::WriteFileBytes(dir.Path() + L"a(1).zip", "x");
  EXPECT_EQ(MakeUniqueFileName(dir.Path() + L"a.zip"), dir.Path() + L"a(2).zip");
  EXPECT_EQ(MakeUniqueFileName(dir.Path() + L"b.zip"), dir.Path() + L"b.zip");
}

TEST(TextRules, LastPosAndFavicon) {
  EXPECT_EQ(LastPos(L".", L"a.b.c"), 4u);
  EXPECT_EQ(LastPos(L"", L"abc"), 0u);
  EXPECT_EQ(LastPos(L"abcd", L"abc"), 0u);
  EXPECT_EQ(LastPos(L"x", L"abc"), 0u);
  EXPECT_EQ(SelectFaviconUrl({L"http://h/a.png", L"http://h/b.ico", L"http://h/c.ico?x"}),
            L"http://h/c.ico?x");
  EXPECT_EQ(SelectFaviconUrl({L"http://h/a.png", L"http://h/b.gif"}), L"");
  EXPECT_EQ(SelectFaviconUrl({}), L"");
}

TEST(TextRules, ErrorPage) {
  EXPECT_EQ(BuildLoadErrorPage(L"http://x/", -102, true, L"NET_ERROR_CONNECTION_REFUSED", L"Refused."),
            L"<html><body><h2>Failed to load URL http://x/ with error -102</h2>"
            L"<p>Error Name: NET_ERROR_CONNECTION_REFUSED</p><p>Error Description: Refused.</p>"
            L"</body></html>");
  EXPECT_EQ(BuildLoadErrorPage(L"http://x/", -9999, false, L"", L""),
            L"<html><body><h2>Failed to load URL http://x/ with error -9999</h2></body></html>");
  // A URL carrying format directives is text, not a format.
  EXPECT_NE(BuildLoadErrorPage(L"http://x/%s%d", 1, false, L"", L"").find(L"http://x/%s%d"),
            std::wstring::npos);
  // An address is text: markup in it (here after the '#', which no server sees) cannot run.
  const std::wstring page =
      BuildLoadErrorPage(L"http://h/#<script>alert('x&y')</script>\"", -105, true, L"N<b>", L"D>");
  EXPECT_EQ(page.find(L"<script"), std::wstring::npos) << rtl::Utf16ToUtf8(page);
  EXPECT_NE(page.find(L"http://h/#&lt;script&gt;alert(&#39;x&amp;y&#39;)&lt;/script&gt;&quot;"),
            std::wstring::npos)
      << rtl::Utf16ToUtf8(page);
  EXPECT_NE(page.find(L"<p>Error Name: N&lt;b&gt;</p><p>Error Description: D&gt;</p>"), std::wstring::npos);
}

TEST(KeyRules, BuiltinKeys) {
  const int rawDown = 0, keyUp = 2;
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 0, VK_F12).ShowDevTools);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F12).ShowDevTools);
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 0, VK_F5).Reload);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F5).Reload);
  EXPECT_TRUE(BuiltinKeyActions(rawDown, 4, 'F').Search);
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 4, 'F').Search);
  EXPECT_FALSE(BuiltinKeyActions(keyUp, 0, 'F').Search);
  const auto altF4 = BuiltinKeyActions(rawDown, 8, VK_F4);
  EXPECT_TRUE(altF4.Cancel);
  EXPECT_FALSE(altF4.ShowDevTools || altF4.Reload || altF4.Search);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F4).Cancel);
  EXPECT_EQ(LoadingBits(true, true, false), 3);
  EXPECT_EQ(LoadingBits(false, false, true), 4);
}

TEST(MoveRules, ParentFormMove) {
  EXPECT_FALSE(ShouldNotifyMove(10, 20, 10, 20, 100, false, 1600));   // no change
  EXPECT_TRUE(ShouldNotifyMove(11, 20, 10, 20, 100, false, 1600));
  EXPECT_FALSE(ShouldNotifyMove(11, 20, 10, 20, 100, true, 1600));    // re-entrant
  EXPECT_FALSE(ShouldNotifyMove(11, 20, -5, 20, 100, false, 1600));   // left of the screen
  EXPECT_FALSE(ShouldNotifyMove(11, 20, 1550, 20, 100, false, 1600)); // past the last monitor
}

TEST(IconRules, Header) {
  EXPECT_TRUE(IsIconBytes(std::string("\0\0\1\0\1\0", 6)));
  EXPECT_TRUE(IsIconBytes(std::string("\0\0\0\0\1\0", 6)));
  EXPECT_FALSE(IsIconBytes(std::string("\0\0\2\0\1\0", 6)));  // a cursor file
  EXPECT_TRUE(IsIconBytes(std::string("\0\0", 2)));           // too short: loading decides
}

// ---- parts of the component that need no page: the registry's favicon rule, the client
// handler's pump and handler lifetime, the control before any page.

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "rtl/Streams.h"
#include "toolkit/ExtCtrls.h"
#include "vorad/core/VoraD.CefBrowserWrapper.h"
#include "vorad/core/VoraD.Core.BrowserHandler.h"
#include "vorad/core/VoraD.Core.BrowserView.h"
#include "vorad/core/VoraD.Core.EventSink.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Core.VoraDBrowser.h"
#include "vorad/core/VoraD.Locker.h"
#include "vorad/core/VoraD.Settings.h"

namespace {

// A 16x16, 32-bit icon file; `type` goes into the header (1 icon, 2 cursor).
std::string IconFile(uint16_t type) {
  const uint32_t xorBytes = 16 * 16 * 4, andBytes = 16 * 4, imageSize = 40 + xorBytes + andBytes;
  std::string f(6 + 16 + imageSize, '\0');
  auto put16 = [&](size_t at, uint16_t v) { f[at] = char(v & 255); f[at + 1] = char(v >> 8); };
  auto put32 = [&](size_t at, uint32_t v) { put16(at, uint16_t(v & 0xFFFF)); put16(at + 2, uint16_t(v >> 16)); };
  put16(2, type);
  put16(4, 1);
  f[6] = 16; f[7] = 16;
  put16(6 + 4, 1);
  put16(6 + 6, 32);
  put32(6 + 8, imageSize);
  put32(6 + 12, 22);
  put32(22, 40);
  put32(22 + 4, 16);
  put32(22 + 8, 32);  // XOR and AND masks
  put16(22 + 12, 1);
  put16(22 + 14, 32);
  for (uint32_t i = 0; i < xorBytes; i += 4) f[22 + 40 + i + 3] = char(255);  // opaque
  return f;
}

rtl::TMemoryStream StreamOf(const std::string& bytes) {
  rtl::TMemoryStream s;
  s.Write(bytes.data(), bytes.size());
  s.SetPosition(0);
  return s;
}

struct LockersEnvironment : ::testing::Environment {
  void SetUp() override { InitVoraDLocker(); }
  void TearDown() override { FinalVoraDLocker(); }
};
const auto* const kLockers = ::testing::AddGlobalTestEnvironment(new LockersEnvironment);

}  // namespace

TEST(PageRegistry, FaviconIsTakenOnlyForTheLatestIconUrl) {
  TVoraDBrowser control;
  int events = 0;
  std::wstring eventUrl;
  TFavIcon* eventIcon = nullptr;
  control.OnFavIconChange = [&](PBrowser, const std::wstring& url, TFavIcon* icon) {
    ++events;
    eventUrl = url;
    eventIcon = icon;
  };
  TBrowserWrapperDic dic{rtl::TRef<IVoraDBrowser>(&control)};
  TCefBrowserWrapper record(nullptr, &dic);
  EXPECT_EQ(record.LastTitle(), L"\u6B63\u5728\u52A0\u8F7D");
  EXPECT_EQ(record.LoadingState(), 1);

  // A record that has not asked for an icon waits for the empty URL; other URLs are stale.
  auto icon = StreamOf(IconFile(1));
  record.FaviconLoaded(L"http://127.0.0.1:9/old.ico", icon);
  EXPECT_EQ(events, 0);
  auto cursor = StreamOf(IconFile(2));
  record.FaviconLoaded(L"", cursor);  // a cursor file is no icon
  EXPECT_EQ(events, 0);
  EXPECT_EQ(record.Favicon(), nullptr);
  auto rewound = StreamOf(IconFile(1));
  record.FaviconLoaded(L"", rewound);
  EXPECT_EQ(events, 1);
  ASSERT_NE(record.Favicon(), nullptr);
  EXPECT_EQ(eventIcon, record.Favicon());
  EXPECT_EQ(eventUrl, L"");
  EXPECT_FALSE(record.Favicon()->Empty());
  // Data that passes the header check but is no loadable icon: no event, an empty icon kept.
  auto broken = StreamOf(std::string("\0\0\1\0\1\0", 6));
  record.FaviconLoaded(L"", broken);
  EXPECT_EQ(events, 1);
  ASSERT_NE(record.Favicon(), nullptr);
  EXPECT_TRUE(record.Favicon()->Empty());

  dic.Add(nullptr);  // nil browsers are not registered
  EXPECT_EQ(dic.Count(), 0u);
}

TEST(PageRegistry, IconHeaderAndLoading) {
  auto ico = StreamOf(IconFile(1));
  auto cur = StreamOf(IconFile(2));
  EXPECT_TRUE(IsIconStream(ico));
  EXPECT_FALSE(IsIconStream(cur));
  TFavIcon icon;
  EXPECT_TRUE(icon.LoadFromBytes(IconFile(1)));
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 16);
  TFavIcon bad;
  EXPECT_FALSE(bad.LoadFromBytes(std::string("\0\0\1\0", 4)));
  EXPECT_TRUE(bad.Empty());
}

TEST(ClientHandler, OneTimerForAllHandlersAndNilGettersAfterRelease) {
  ASSERT_EQ(HandlerCount.load(), 0);
  ASSERT_EQ(MessageLoopTimer, nullptr);
  TVoraDBrowser control;
  {
    rtl::TRef<TVoraDHandler> first(new TVoraDHandler(false, rtl::TRef<IVoraDBrowser>(&control)));
    toolkit::TTimer* timer = MessageLoopTimer;
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 15u);
    {
      rtl::TRef<TVoraDHandler> second(new TVoraDHandler(true, rtl::TRef<IVoraDBrowser>(&control)));
      EXPECT_EQ(MessageLoopTimer, timer);
      EXPECT_EQ(HandlerCount.load(), 2);
      EXPECT_TRUE(second->GetRenderHandler());
      second->StartTimer();
      EXPECT_TRUE(timer->Enabled());
    }
    // One handler left: the timer keeps running for it.
    EXPECT_EQ(MessageLoopTimer, timer);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_FALSE(first->GetRenderHandler());
    EXPECT_TRUE(first->GetLoadHandler());
    EXPECT_TRUE(first->GetLifeSpanHandler());
    first->ReleaseHandlers();
    EXPECT_FALSE(first->GetLoadHandler() || first->GetFocusHandler() || first->GetContextMenuHandler() ||
                 first->GetDialogHandler() || first->GetKeyboardHandler() || first->GetDisplayHandler() ||
                 first->GetDownloadHandler() || first->GetGeolocationHandler() || first->GetJsdialogHandler() ||
                 first->GetLifeSpanHandler() || first->GetRenderHandler() || first->GetRequestHandler() ||
                 first->GetDragHandler() || first->GetFindHandler());
  }
  EXPECT_EQ(HandlerCount.load(), 0);
  EXPECT_EQ(MessageLoopTimer, nullptr);
  // A tick without handlers does nothing (and needs no runtime).
  MessageLoopTimerTick();
  EXPECT_FALSE(InMessageLoopWork);
}

TEST(ClientHandler, TheLastHandlerEndingOnARuntimeThreadLeavesTheTimerToTheMainThread) {
  using namespace std::chrono_literals;
  ASSERT_EQ(HandlerCount.load(), 0);
  TVoraDBrowser control;
  rtl::TRef<TVoraDHandler> handler(new TVoraDHandler(false, control.EventSink()));
  handler->StartTimer();
  toolkit::TTimer* timer = MessageLoopTimer;
  ASSERT_TRUE(timer && timer->Enabled());
  std::atomic<bool> released{false};
  std::thread io([&] {
    handler = nullptr;
    released = true;
  });
  // The runtime thread neither waits for the main thread nor touches the timer's window...
  EXPECT_TRUE(testing_support::WaitFor([&] { return released.load(); }, 5s, false));
  EXPECT_EQ(MessageLoopTimer, timer);
  EXPECT_EQ(HandlerCount.load(), 0);
  // ...which the main thread frees when it next handles its messages.
  EXPECT_TRUE(testing_support::WaitFor([] { return MessageLoopTimer == nullptr; }, 5s, true));
  io.join();
}

TEST(ClientHandler, HandlersCopiedOnAnotherThreadWhileReleased) {
  TVoraDBrowser control;
  // A runtime thread copying the handlers of whichever client is current, without a pause.
  std::atomic<TVoraDHandler*> current{nullptr};
  std::atomic<bool> done{false};
  std::atomic<int> copies{0}, passes{0};
  std::thread io([&] {
    while (!done) {
      if (TVoraDHandler* handler = current.load()) {
        rtl::TRef<ICefRequestHandler> request = handler->GetRequestHandler();
        rtl::TRef<ICefLoadHandler> load = handler->GetLoadHandler();
        rtl::TRef<ICefDisplayHandler> display = handler->GetDisplayHandler();
        if (request || load || display) ++copies;
      } else {
        std::this_thread::yield();
      }
      ++passes;
    }
  });
  auto waitFor = [](const std::function<bool()>& cond) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!cond() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  };
  for (int round = 0; round < 100; ++round) {
    rtl::TRef<TVoraDHandler> handler(new TVoraDHandler(false, control.EventSink()));
    const int before = copies.load();
    current = handler.Get();
    // Released while the other thread is busy copying.
    waitFor([&] { return copies.load() != before; });
    handler->ReleaseHandlers();
    current = nullptr;
    // The pass that may still hold the pointer ends before the handler goes.
    const int seen = passes.load();
    waitFor([&] { return passes.load() != seen; });
    EXPECT_FALSE(handler->GetRequestHandler() || handler->GetLoadHandler() || handler->GetDisplayHandler());
  }
  done = true;
  io.join();
}

TEST(ClientHandler, ScriptReplyNameIsMatchedWithoutCase) {
  TVoraDBrowser control;
  rtl::TRef<TVoraDHandler> handler(new TVoraDHandler(false, rtl::TRef<IVoraDBrowser>(&control)));
  // Without a message there is nothing to answer.
  EXPECT_FALSE(handler->OnProcessMessageReceived(nullptr, PID_RENDERER, nullptr));
}

TEST(BrowserControl, BeforeAnyPage) {
  TVoraDBrowser control;
  EXPECT_FALSE(control.ActiveBrowser());
  EXPECT_EQ(control.ActiveBrowserId(), -1);
  EXPECT_EQ(control.BrowserCount(), 0);
  EXPECT_EQ(control.ClosedUrlCount(), 0);
  EXPECT_FALSE(control.IsLoading() || control.CanGoBack() || control.CanGoForward());
  EXPECT_EQ(control.URL(), L"");
  EXPECT_EQ(control.title(), L"");
  EXPECT_EQ(control.ZoomLevel(), L"");
  EXPECT_EQ(control.DefaultURL(), L"about:blank");
  std::wstring text = L"kept";
  EXPECT_FALSE(control.GetSource(text, 100));
  EXPECT_FALSE(control.GetText(text, 100));
  EXPECT_EQ(text, L"kept");
  control.ShowDevTools(nullptr);
  EXPECT_EQ(control.DevToolsView(), nullptr);
  // Operations on the active page do nothing without one.
  control.GoBack();
  control.AddZoomLevel();
  control.ExecuteJavaScript(L"1");
  control.ReOpenClosedPage();
  EXPECT_FALSE(control.CloseBrowser(5, -1));
  EXPECT_FALSE(control.ShowBrowser(5));
  EXPECT_FALSE(control.ShowBrowser(rtl::TRef<ICefBrowser>()));
  EXPECT_EQ(control.GetWrapperBrowsers(5), nullptr);

  // Raisers without assigned events keep their outputs, with the two documented exceptions.
  TCefReturnValue rv = RV_CANCEL;
  control.DoBeforeResourceLoad(nullptr, nullptr, nullptr, nullptr, rv);
  EXPECT_EQ(rv, RV_CONTINUE);
  cef_response_filter_t* filter = reinterpret_cast<cef_response_filter_t*>(1);
  control.DoGetResourceResponseFilter(nullptr, nullptr, nullptr, nullptr, filter);
  EXPECT_EQ(filter, nullptr);
  bool cancel = true;
  control.DoKeyEvent(nullptr, nullptr, nullptr, cancel);
  EXPECT_TRUE(cancel);
}

TEST(BrowserControl, BrowserSettingsFromOptions) {
  TVoraDBrowser control;
  control.ChromiumOptions()->SetJavascript(STATE_DISABLED);
  control.ChromiumOptions()->SetWebgl(STATE_ENABLED);
  control.ChromiumOptions()->SetBackgroundColor(0xFF112233u);
  control.ChromiumFontOptions()->SetFixedFontFamily(L"Courier New");
  control.ChromiumFontOptions()->SetDefaultFontSize(17);
  control.SetDefaultEncoding(L"GBK");
  cef_browser_settings_t s = NewBrowserSettings();
  EXPECT_EQ(s.size, sizeof(cef_browser_settings_t));
  control.GetBrowserSettings(s);
  EXPECT_EQ(s.windowless_frame_rate, 30);
  EXPECT_EQ(s.javascript, STATE_DISABLED);
  EXPECT_EQ(s.webgl, STATE_ENABLED);
  EXPECT_EQ(s.plugins, STATE_DEFAULT);
  EXPECT_EQ(s.background_color, 0xFF112233u);
  EXPECT_EQ(std::wstring(s.fixed_font_family.str, s.fixed_font_family.length), L"Courier New");
  EXPECT_EQ(s.fixed_font_family.dtor, nullptr);  // a view, not a copy
  EXPECT_EQ(s.standard_font_family.length, 0u);
  EXPECT_EQ(s.default_font_size, 17);
  EXPECT_EQ(std::wstring(s.default_encoding.str, s.default_encoding.length), L"GBK");
  EXPECT_EQ(s.accept_language_list.length, 0u);
}

TEST(ScriptAccess, RepliesReachTheirProcedureOnce) {
  struct TProc : rtl::TInterfacedObject, TJsExtentionProc {
    int calls = 0;
    rtl::TVariant value;
    std::wstring error;
    void Invoke(const rtl::TVariant& v, const std::wstring& e) override {
      ++calls;
      value = v;
      error = e;
    }
  };
  rtl::TRef<TVoraDJsExtention> ext(new TVoraDJsExtention());
  rtl::TRef<TProc> proc(new TProc());
  ext->RegisterHandler(L"{A}", rtl::TRef<TJsExtentionProc>(proc.Get()));
  ext->UnRegisterHandler(L"{a}", L"", rtl::TVariant(int32_t(1)));  // ids compare exactly
  EXPECT_EQ(proc->calls, 0);
  ext->UnRegisterHandler(L"{A}", L"oops", rtl::TVariant(int32_t(7)));
  ext->UnRegisterHandler(L"{A}", L"", rtl::TVariant(int32_t(8)));
  EXPECT_EQ(proc->calls, 1);
  EXPECT_EQ(proc->value, rtl::TVariant(int32_t(7)));
  EXPECT_EQ(proc->error, L"oops");
  EXPECT_EQ(ext->PendingCount(), 0u);
}

// ---- the control's event sink and the page manager's window

TEST(EventSink, DetachWaitsForOtherThreadsOnlyAndHandlesTheirSends) {
  using namespace std::chrono_literals;
  toolkit::TForm form;
  const HWND mainWindow = form.Handle();
  TVoraDBrowser control;
  rtl::TRef<TVoraDEventSink> sink(new TVoraDEventSink(&control));
  std::atomic<bool> entered{false}, detaching{false}, finished{false};
  std::atomic<int> calls{0};
  control.OnTakeFocus = [&](PBrowser, bool) {
    ++calls;
    entered = true;
    testing_support::WaitFor([&] { return detaching.load(); }, 5s, false);
    // An event on a runtime thread may well send to the main thread's windows.
    SendMessageW(mainWindow, WM_NULL, 0, 0);
    Sleep(50);
    finished = true;
  };
  std::thread io([&] { sink->DoTakeFocus(nullptr, true); });
  ASSERT_TRUE(testing_support::WaitFor([&] { return entered.load(); }, 5s, false));
  detaching = true;
  sink->Detach();
  EXPECT_TRUE(finished);
  io.join();
  // Later events find no control.
  sink->DoTakeFocus(nullptr, true);
  EXPECT_EQ(calls, 1);

  // An event of the detaching thread itself, further up its stack, is not waited for.
  rtl::TRef<TVoraDEventSink> nested(new TVoraDEventSink(&control));
  int nestedCalls = 0;
  control.OnTakeFocus = [&](PBrowser, bool) {
    ++nestedCalls;
    nested->Detach();
  };
  nested->DoTakeFocus(nullptr, true);
  nested->DoTakeFocus(nullptr, true);
  EXPECT_EQ(nestedCalls, 1);
}

TEST(PageManagerMessages, OnlyTheComponentsOwnSendsAreDispatched) {
  toolkit::TForm form;
  form.SetBounds(10, 10, 300, 200);
  TVoraDBrowser control(&form);
  control.SetAlign(toolkit::TAlign::alClient);
  form.Show();
  int events = 0;
  control.OnLoadingStateChange = [&](PBrowser, bool, bool, bool) { ++events; };
  control.OnStateChange = [&](PBrowser, TBrowserDataChangeKind, const std::wstring&) { ++events; };
  const HWND view = control.BrowserView()->Handle();
  ASSERT_TRUE(view);
  // Payloads of the right shape, but nobody of the component is sending them.
  const rtl::TRef<ICefBrowser> none;
  const std::wstring title = L"forged";
  SendMessageW(view, WM_VORAD_LOADINGSTATE, reinterpret_cast<WPARAM>(&none), 1);
  SendMessageW(view, WM_VORAD_TITLECHANGE, reinterpret_cast<WPARAM>(&none), reinterpret_cast<LPARAM>(&title));
  EXPECT_EQ(events, 0);
  // Another program's DM_SETDEFID (WM_USER + 1) carries a button id, not an address.
  EXPECT_EQ(SendMessageW(view, DM_SETDEFID, 0x4711, 0), 0);
  EXPECT_EQ(events, 0);
}
