// Cross-process script access against real pages of the stand-in runtime. This process is the
// browser process in multi-process mode; the runtime starts it again as the render process
// (RendererMain), where the component's render side answers. The render role also writes every
// request it receives to a log file (SCRIPT_ACCESS_REQUEST_LOG) and answers one variable twice,
// so the browser side can be checked against what really crossed the pipe. The single-process
// path of RunInRenderProcess runs in a child role with a runtime of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <tuple>

#include "rtl/StrConv.h"
#include "support/TestSupport.h"
#include "integration/ComponentRuntime.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Core.VoraDBrowser.h"
#include "vorad/core/VoraD.Locker.h"

using namespace testing_support;
using namespace component_testing;
using namespace std::chrono_literals;

namespace {

const wchar_t kAppTitle[] = L"Script Access Test";
const wchar_t kLogVariable[] = L"SCRIPT_ACCESS_REQUEST_LOG";
const wchar_t kNotConvertible[] = L"指定的JavaScript变量无法转换为 Variant";
const wchar_t kSingleProcessOnly[] = L"暂时只支持单进程模式";

std::wstring MissingText(const std::wstring& name) { return L"变量 " + name + L" 不存在或类型不匹配"; }

// ---- the render role ---------------------------------------------------------------------------

void AppendLine(const std::wstring& path, const std::wstring& line) {
  HANDLE f = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  const std::string bytes = rtl::Utf16ToUtf8(line + L"\n");
  DWORD written = 0;
  WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

std::wstring EnvText(const wchar_t* name) {
  wchar_t buf[1024];
  const DWORD n = GetEnvironmentVariableW(name, buf, 1024);
  return n > 0 && n < 1024 ? std::wstring(buf, n) : std::wstring();
}

// One line per request: name, id, kind, entry count, type of entry 3.
void LogRequest(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message) {
  const std::wstring log = EnvText(kLogVariable);
  if (!message) return;
  const auto args = message->GetArgumentList();
  const std::wstring name = message->GetName();
  std::wstring line = name;
  if (args && args->GetSize() >= 3) {
    line += L"\t" + args->GetString(0) + L"\t" + std::to_wstring(args->GetInt(1)) + L"\t" +
            std::to_wstring(args->GetSize()) + L"\t" + std::to_wstring(args->GetSize() > 3 ? int(args->GetType(3)) : -1) +
            L"\t" + args->GetString(2);
  }
  if (!log.empty()) AppendLine(log, line);
  // A render side that answers twice: the same id comes back once more with another value.
  if (browser && args && name == kToRenderJsExtentionMessage && args->GetString(2) == L"duplicateReply") {
    auto again = TCefProcessMessageRef::New(kToBrowserJsExtentionMessage);
    auto out = again->GetArgumentList();
    out->SetSize(3);
    out->SetString(0, args->GetString(0));
    out->SetString(1, L"second");
    out->SetString(2, L"");
    browser->SendProcessMessage(PID_BROWSER, again);
  }
}

int RendererMain() {
  // Which process to kill when a test lets the render process die.
  if (const std::wstring log = EnvText(kLogVariable); !log.empty())
    AppendLine(log, L"renderer\t" + std::to_wstring(GetCurrentProcessId()));
  InitVoraDCoreJsExtention();
  SetMainThreadId(GetCurrentThreadId());
  VoraDBindingStart();
  VoraDApp->SetOnProcessMessageReceived(
      [](const rtl::TRef<ICefBrowser>& browser, TCefProcessId, const rtl::TRef<ICefProcessMessage>& message,
         bool&) { LogRequest(browser, message); });
  int code = 0;
  try {
    if (VoraDApp->Init()) code = 97;  // must not become a browser process
  } catch (...) {
    code = 96;
  }
  VoraDBindingEnd();
  FinalVoraDCoreJsExtention();
  return code;
}
const bool gRendererRegistered = RegisterProcessTypeMain(&RendererMain);

// ---- the browser process -----------------------------------------------------------------------

TTempDir* gTemp = nullptr;

std::wstring RequestLogPath() { return gTemp ? gTemp->Path() + L"requests.log" : std::wstring(); }

void StartRuntime(bool singleProcess, TTempDir& cache) {
  StartComponentRuntime(kAppTitle, singleProcess, cache.Path() + L"cache");
}
void StopRuntime() { StopComponentRuntime(); }

struct RuntimeEnvironment : ::testing::Environment {
  std::unique_ptr<TTempDir> temp;
  void SetUp() override {
    temp = std::make_unique<TTempDir>();
    gTemp = temp.get();
    // Inherited by the render process the runtime starts.
    SetEnvironmentVariableW(kLogVariable, RequestLogPath().c_str());
    StartRuntime(false, *temp);
  }
  void TearDown() override {
    StopRuntime();
    gTemp = nullptr;
    temp.reset();
  }
};
const auto* const kRuntime = ::testing::AddGlobalTestEnvironment(new RuntimeEnvironment);


// A form with a browser control showing the test page.
struct TPageHost {
  toolkit::TForm form;
  std::unique_ptr<TVoraDBrowser> browser;
  int loadEnds = 0;

  TPageHost() {
    form.SetBounds(40, 40, 640, 480);
    browser = std::make_unique<TVoraDBrowser>(&form);
    browser->SetAlign(toolkit::TAlign::alClient);
    browser->OnLoadEnd = [this](PBrowser, PFrame, int32_t) { ++loadEnds; };
    form.Show();
  }
  ~TPageHost() { browser.reset(); }

  bool Open(const std::wstring& path) {
    browser->AddPage(HttpUrl(path));
    return Pump([&] { return loadEnds > 0; }) && browser->ActiveBrowser();
  }
  rtl::TRef<ICefBrowser> Page() const { return browser->ActiveBrowser(); }
  TVoraDJsExtention& Js() const { return *browser->JsExtention(); }
};

// Closes this process's message boxes with the application's caption from a second thread and
// keeps their texts: the page manager's error reporting.
class TBoxWatcher {
public:
  TBoxWatcher() : FThread([this] { Run(); }) {}
  ~TBoxWatcher() {
    FStop = true;
    FThread.join();
  }
  std::vector<std::wstring> Texts() {
    std::lock_guard<std::mutex> l(FLock);
    return FTexts;
  }
  // Waits (pumping) until `count` boxes were seen.
  bool WaitCount(size_t count, std::chrono::milliseconds timeout = 10s) {
    return Pump([&] { return Texts().size() >= count; }, timeout);
  }

private:
  void Run() {
    const auto end = std::chrono::steady_clock::now() + 240s;
    while (!FStop && std::chrono::steady_clock::now() < end) {
      HWND box = nullptr;
      EnumWindows(
          [](HWND w, LPARAM p) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            // Nothing here may send to another thread's window: that thread may be busy.
            wchar_t cls[16] = {}, caption[64] = {};
            GetClassNameW(w, cls, 16);
            InternalGetWindowText(w, caption, 64);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w) && wcscmp(cls, L"#32770") == 0 &&
                wcscmp(caption, kAppTitle) == 0) {
              *reinterpret_cast<HWND*>(p) = w;
              return FALSE;
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&box));
      if (box && box != FLast) {
        wchar_t text[2048] = {};
        // The message box's text control (its thread runs the box's modal loop).
        if (HWND label = GetDlgItem(box, 0xFFFF))
          SendMessageTimeoutW(label, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
        if (!text[0]) {
          // Otherwise the longest static text of the box.
          EnumChildWindows(
              box,
              [](HWND c, LPARAM p) -> BOOL {
                wchar_t cls[16] = {}, t[2048] = {};
                GetClassNameW(c, cls, 16);
                InternalGetWindowText(c, t, 2048);
                auto* best = reinterpret_cast<wchar_t*>(p);
                if (_wcsicmp(cls, L"Static") == 0 && wcslen(t) > wcslen(best)) wcscpy(best, t);
                return TRUE;
              },
              reinterpret_cast<LPARAM>(text));
        }
        {
          std::lock_guard<std::mutex> l(FLock);
          FTexts.push_back(text);
        }
        FLast = box;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
      std::this_thread::sleep_for(30ms);
    }
  }
  std::atomic<bool> FStop{false};
  std::mutex FLock;
  std::vector<std::wstring> FTexts;
  HWND FLast = nullptr;
  std::thread FThread;
};

// Ends the process with a message when a blocking call has not returned in time: without an
// answer it would wait for ever, and a hanging test says nothing.
class TWatchdog {
public:
  explicit TWatchdog(const char* what) : FThread([this, what] {
    std::unique_lock<std::mutex> l(FLock);
    if (!FDone.wait_for(l, 60s, [this] { return FReturned; })) {
      std::fprintf(stderr, "watchdog: %s did not return\n", what);
      std::fflush(stderr);
      ExitProcess(3);
    }
  }) {}
  ~TWatchdog() {
    {
      std::lock_guard<std::mutex> l(FLock);
      FReturned = true;
    }
    FDone.notify_all();
    FThread.join();
  }

private:
  std::mutex FLock;
  std::condition_variable FDone;
  bool FReturned = false;
  std::thread FThread;
};

// A non-blocking procedure that writes its answers down.
struct TRecorder : rtl::TInterfacedObject, TJsExtentionProc {
  std::vector<std::pair<rtl::TVariant, std::wstring>> calls;
  void Invoke(const rtl::TVariant& value, const std::wstring& errorText) override {
    calls.emplace_back(value, errorText);
  }
};

class ScriptAccess : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gRuntimeUp) << "runtime not started: " << rtl::Utf16ToUtf8(gRuntimeProblem);
    ASSERT_NE(HttpServerPort(), 0) << "test HTTP server not running";
    host = std::make_unique<TPageHost>();
    ASSERT_TRUE(host->Open(L"/pages/script_access.html")) << "the test page did not load";
  }
  void TearDown() override { host.reset(); }

  TVoraDJsExtention& Js() { return host->Js(); }
  rtl::TRef<ICefBrowser> Page() { return host->Page(); }
  std::unique_ptr<TPageHost> host;
};

// ---- reading -----------------------------------------------------------------------------------

TEST_F(ScriptAccess, BlockingReadsOfExistingGlobalsGiveTheirValues) {
  TBoxWatcher boxes;
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
  EXPECT_EQ(Js().GetAsInteger(Page(), L"count"), 42);
  EXPECT_TRUE(Js().GetAsBoolean(Page(), L"flag"));
  EXPECT_DOUBLE_EQ(Js().GetAsFloat(Page(), L"ratio"), 2.5);
  // Not a key of the global object: read through evaluation.
  EXPECT_EQ(Js().GetAsString(Page(), L"nested.inner"), L"deep");
  EXPECT_EQ(Js().GetAsInteger(Page(), L"nested.num"), 7);
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_EQ(Js().PendingCount(), 0u);
}

TEST_F(ScriptAccess, MissingVariableGivesEmptyResultsAndIsReportedWhileTheCallWaits) {
  TBoxWatcher boxes;
  EXPECT_EQ(Js().GetAsString(Page(), L"nosuch"), L"");
  // The box is shown inside the call: it has been seen (and closed) by the time the call returns.
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0], MissingText(L"nosuch"));
  EXPECT_EQ(Js().GetAsInteger(Page(), L"nosuch"), 0);
  EXPECT_FALSE(Js().GetAsBoolean(Page(), L"nosuch.deeper"));
  EXPECT_DOUBLE_EQ(Js().GetAsFloat(Page(), L"nosuch"), 0.0);
  const auto texts = boxes.Texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2], MissingText(L"nosuch.deeper"));
  // A procedure gets the text itself; nothing is reported.
  rtl::TRef<TRecorder> rec(new TRecorder());
  Js().GetAsStringProc(Page(), L"nosuch", rec);
  ASSERT_TRUE(Pump([&] { return !rec->calls.empty(); }));
  EXPECT_TRUE(rec->calls[0].first.IsEmpty());
  EXPECT_EQ(rec->calls[0].second, MissingText(L"nosuch"));
  EXPECT_EQ(boxes.Texts().size(), 4u);
}

TEST_F(ScriptAccess, DefinedCountsOnlyTheGlobalObjectsOwnKeys) {
  EXPECT_TRUE(Js().GetDefined(Page(), L"greeting"));
  EXPECT_TRUE(Js().GetDefined(Page(), L"nested"));
  EXPECT_FALSE(Js().GetDefined(Page(), L"nosuch"));
  EXPECT_FALSE(Js().GetDefined(Page(), L"inner"));
  EXPECT_FALSE(Js().GetDefined(Page(), L"nested.inner"));
}

// ---- writing -----------------------------------------------------------------------------------

TEST_F(ScriptAccess, WritesReachThePageWithTheirTypes) {
  TBoxWatcher boxes;
  Js().SetAsString(Page(), L"x", L"abc");
  EXPECT_EQ(Js().GetAsString(Page(), L"x"), L"abc");
  Js().SetAsBoolean(Page(), L"b", true);
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"b === true"), rtl::TVariant(true));
  Js().SetAsFloat(Page(), L"f", 0.25);
  EXPECT_DOUBLE_EQ(Js().GetAsFloat(Page(), L"f"), 0.25);
  Js().SetAsInteger(Page(), L"i", -123);
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"i"), rtl::TVariant(int32_t(-123)));
  // Overwrites an existing global of another type.
  Js().SetAsString(Page(), L"count", L"now text");
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"typeof count"), rtl::TVariant(std::wstring(L"string")));
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ScriptAccess, IntegerBeyondThirtyTwoBitsArrivesAsTheSameNumber) {
  TBoxWatcher boxes;
  const int64_t big = int64_t(1) << 40;
  Js().SetAsInteger(Page(), L"big", big);
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"big === 1099511627776"), rtl::TVariant(true));
  EXPECT_DOUBLE_EQ(Js().GetAsFloat(Page(), L"big"), 1099511627776.0);
  // It does not fit the 32-bit result: 0, the caller released, the conversion error reported.
  EXPECT_EQ(Js().GetAsInteger(Page(), L"big"), 0);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_FALSE(boxes.Texts()[0].empty());
}

// ---- running script ----------------------------------------------------------------------------

TEST_F(ScriptAccess, ScriptResultsAndScriptExceptions) {
  TBoxWatcher boxes;
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"1+1"), rtl::TVariant(int32_t(2)));
  EXPECT_EQ(Js().GetExecuteScriptResult(Page(), L"greeting + ' world'"), rtl::TVariant(std::wstring(L"hello world")));
  EXPECT_TRUE(Js().GetExecuteScriptResult(Page(), L"undefined").IsEmpty());
  EXPECT_TRUE(boxes.Texts().empty());

  const rtl::TVariant thrown = Js().GetExecuteScriptResult(Page(), L"var q = 1;\nthrow new Error('boom');");
  EXPECT_TRUE(thrown.IsEmpty());
  ASSERT_EQ(boxes.Texts().size(), 1u);
  const std::wstring text = boxes.Texts()[0];
  // Message boxes show the text as given; the line breaks are CR LF.
  EXPECT_EQ(text.rfind(L"执行脚本时发生异常：\r\n信息：", 0), 0u) << rtl::Utf16ToUtf8(text);
  EXPECT_NE(text.find(L"boom"), std::wstring::npos);
  EXPECT_NE(text.find(L"\r\n位置:第 2 行 "), std::wstring::npos) << rtl::Utf16ToUtf8(text);
  EXPECT_NE(text.find(L" 列\r\n脚本:\r\nthrow new Error('boom');"), std::wstring::npos) << rtl::Utf16ToUtf8(text);

  rtl::TRef<TRecorder> rec(new TRecorder());
  Js().GetExecuteScriptResultProc(Page(), L"nosuchFunction()", rec);
  ASSERT_TRUE(Pump([&] { return !rec->calls.empty(); }));
  EXPECT_TRUE(rec->calls[0].first.IsEmpty());
  EXPECT_NE(rec->calls[0].second.find(L"\r\n脚本:\r\nnosuchFunction()"), std::wstring::npos)
      << rtl::Utf16ToUtf8(rec->calls[0].second);
}

// ---- values and replies that do not convert ----------------------------------------------------

TEST_F(ScriptAccess, UnconvertibleValuesAnswerWithAnErrorAndReleaseTheCaller) {
  TBoxWatcher boxes;
  // A date has no variant form: the render side answers with the conversion's text.
  rtl::TRef<TRecorder> rec(new TRecorder());
  Js().GetAsStringProc(Page(), L"stamp", rec);
  Js().GetExecuteScriptResultProc(Page(), L"new Date(5)", rec);
  ASSERT_TRUE(Pump([&] { return rec->calls.size() == 2; }));
  for (const auto& call : rec->calls) {
    EXPECT_TRUE(call.first.IsEmpty());
    EXPECT_EQ(call.second, kNotConvertible);
  }
  EXPECT_TRUE(Js().GetExecuteScriptResult(Page(), L"[new Date(1)]").IsEmpty());
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0], kNotConvertible);

  // Text that is no number asked for as an integer: 0, released, reported.
  EXPECT_EQ(Js().GetAsInteger(Page(), L"letters"), 0);
  EXPECT_DOUBLE_EQ(Js().GetAsFloat(Page(), L"letters"), 0.0);
  ASSERT_EQ(boxes.Texts().size(), 3u);
  // Values a list cannot carry arrive empty, without an error.
  EXPECT_TRUE(Js().GetExecuteScriptResult(Page(), L"nested").IsEmpty());
  EXPECT_TRUE(Js().GetExecuteScriptResult(Page(), L"null").IsEmpty());
  EXPECT_EQ(boxes.Texts().size(), 3u);
  // The page still answers.
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
}

TEST_F(ScriptAccess, CyclicValuesAndTheWindowAreAnsweredLikeAnyObject) {
  TBoxWatcher boxes;
  rtl::TRef<TRecorder> rec(new TRecorder());
  Js().GetExecuteScriptResultProc(Page(), L"var o = {a: 1, list: [1, 2]}; o.self = o; o.list.push(o); o", rec);
  Js().GetExecuteScriptResultProc(Page(), L"window", rec);
  ASSERT_TRUE(Pump([&] { return rec->calls.size() == 2; }, 30s)) << "no answer";
  // An object cannot travel in a process message: empty, without an error.
  EXPECT_TRUE(rec->calls[0].first.IsEmpty());
  EXPECT_EQ(rec->calls[0].second, L"");
  // The window holds a date here, which has no variant form: that error, if any, and no other.
  EXPECT_TRUE(rec->calls[1].first.IsEmpty());
  EXPECT_TRUE(rec->calls[1].second.empty() || rec->calls[1].second == kNotConvertible)
      << rtl::Utf16ToUtf8(rec->calls[1].second);
  // The page goes on answering.
  TWatchdog watchdog("GetAsString after a cyclic value");
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
  EXPECT_TRUE(boxes.Texts().empty());
}

// ---- requests and replies ----------------------------------------------------------------------

TEST_F(ScriptAccess, WithoutABrowserNothingIsSentAndBlockingFormsReturnAtOnce) {
  TBoxWatcher boxes;
  const size_t pending = Js().PendingCount();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Js().GetAsString(nullptr, L"greeting"), L"");
  EXPECT_EQ(Js().GetAsInteger(nullptr, L"count"), 0);
  EXPECT_TRUE(Js().GetExecuteScriptResult(nullptr, L"1+1").IsEmpty());
  Js().SetAsString(nullptr, L"x", L"y");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_EQ(Js().PendingCount(), pending);
  // The non-blocking form keeps its procedure registered, never called.
  rtl::TRef<TRecorder> rec(new TRecorder());
  Js().GetAsStringProc(nullptr, L"greeting", rec);
  EXPECT_EQ(Js().PendingCount(), pending + 1);
  WaitFor([] { return false; }, 300ms, true);
  EXPECT_TRUE(rec->calls.empty());
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ScriptAccess, ASecondReplyWithTheSameIdDoesNothing) {
  TBoxWatcher boxes;
  rtl::TRef<TRecorder> rec(new TRecorder());
  const size_t pending = Js().PendingCount();
  Js().GetAsStringProc(Page(), L"duplicateReply", rec);
  ASSERT_TRUE(Pump([&] { return !rec->calls.empty(); }));
  // Another request behind the duplicate: once it is answered the duplicate has been delivered.
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
  WaitFor([] { return false; }, 300ms, true);
  ASSERT_EQ(rec->calls.size(), 1u);
  EXPECT_EQ(rec->calls[0].first, rtl::TVariant(std::wstring(L"first")));
  EXPECT_EQ(Js().PendingCount(), pending);
  EXPECT_TRUE(boxes.Texts().empty());
}

std::vector<std::vector<std::wstring>> LoggedRequests() {
  std::vector<std::vector<std::wstring>> rows;
  const std::wstring text = rtl::Utf8ToUtf16(ReadFileBytes(RequestLogPath()));
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(L'\n', pos);
    if (end == std::wstring::npos) end = text.size();
    std::vector<std::wstring> fields;
    size_t f = pos;
    while (f <= end) {
      size_t tab = text.find(L'\t', f);
      if (tab == std::wstring::npos || tab > end) tab = end;
      fields.push_back(text.substr(f, tab - f));
      f = tab + 1;
    }
    rows.push_back(fields);
    pos = end + 1;
  }
  return rows;
}

TEST_F(ScriptAccess, RequestsCarryGuidIdsAndTheirArgumentLists) {
  Js().GetAsString(Page(), L"greeting");
  Js().GetDefined(Page(), L"greeting");
  Js().GetExecuteScriptResult(Page(), L"1+1");
  Js().SetAsString(Page(), L"s", L"t");
  Js().SetAsBoolean(Page(), L"s2", false);
  Js().SetAsFloat(Page(), L"s3", 1.5);
  Js().SetAsInteger(Page(), L"s4", 9);
  std::map<std::wstring, std::vector<std::wstring>> byName;
  std::set<std::wstring> ids;
  for (const auto& row : LoggedRequests()) {
    if (row.size() < 6 || row[0] != kToRenderJsExtentionMessage) continue;
    const std::wstring& id = row[1];
    EXPECT_EQ(id.size(), 38u);
    EXPECT_EQ(id.front(), L'{');
    EXPECT_EQ(id.back(), L'}');
    for (size_t i : {9u, 14u, 19u, 24u}) EXPECT_EQ(id[i], L'-') << rtl::Utf16ToUtf8(id);
    for (wchar_t c : id) EXPECT_TRUE(wcschr(L"{}-0123456789ABCDEF", c)) << rtl::Utf16ToUtf8(id);
    ids.insert(id);
    byName[row[5]] = row;
  }
  EXPECT_GE(ids.size(), 7u);
  // name -> kind, entry count, type of entry 3 (VTYPE_BOOL 2, INT 3, DOUBLE 4, STRING 5).
  const std::vector<std::tuple<std::wstring, std::wstring, std::wstring, std::wstring>> want = {
      {L"greeting", L"0", L"3", L"-1"}, {L"1+1", L"3", L"3", L"-1"}, {L"s", L"1", L"4", L"5"},
      {L"s2", L"1", L"4", L"2"},        {L"s3", L"1", L"4", L"4"},    {L"s4", L"1", L"4", L"3"}};
  for (const auto& [name, kind, count, type] : want) {
    ASSERT_TRUE(byName.count(name)) << rtl::Utf16ToUtf8(name);
    const auto& row = byName[name];
    if (name != L"greeting") {  // asked for twice: read and defined
      EXPECT_EQ(row[2], kind) << rtl::Utf16ToUtf8(name);
    }
    EXPECT_EQ(row[3], count) << rtl::Utf16ToUtf8(name);
    EXPECT_EQ(row[4], type) << rtl::Utf16ToUtf8(name);
  }
}

// ---- pages that go while requests wait ---------------------------------------------------------

// The render process that serves the pages now (the last one started).
DWORD RenderProcessId() {
  DWORD pid = 0;
  for (const auto& row : LoggedRequests())
    if (row.size() >= 2 && row[0] == L"renderer") pid = DWORD(std::stoul(row[1]));
  return pid;
}

void KillProcess(DWORD pid) {
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid)) {
    TerminateProcess(process, 9);
    CloseHandle(process);
  }
}

// Keeps the page's render side busy for `ms` milliseconds: requests sent meanwhile wait there.
void MakeBusy(const rtl::TRef<ICefBrowser>& page, int ms) {
  page->GetMainFrame()->ExecuteJavaScript(
      L"var busyUntil = Date.now() + " + std::to_wstring(ms) + L"; while (Date.now() < busyUntil) {}", L"about:blank", 0);
}

TEST_F(ScriptAccess, ABlockingReadIsAnsweredWhenTheRenderProcessDies) {
  TBoxWatcher boxes;
  const DWORD pid = RenderProcessId();
  ASSERT_NE(pid, 0u) << "the render process did not log its id";
  const size_t pending = Js().PendingCount();
  rtl::TRef<TRecorder> rec(new TRecorder());
  MakeBusy(Page(), 30000);
  Js().GetAsStringProc(Page(), L"greeting", rec);
  // Killed while the blocking read below waits: both requests are pending by then.
  std::thread killer([&] {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (Js().PendingCount() < pending + 2 && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(300ms);
    KillProcess(pid);
  });
  std::wstring value = L"unset";
  {
    TWatchdog watchdog("GetAsString after the render process died");
    value = Js().GetAsString(Page(), L"greeting");
  }
  killer.join();
  EXPECT_EQ(value, L"");
  ASSERT_TRUE(boxes.WaitCount(1));
  EXPECT_EQ(boxes.Texts()[0], kJsRequestPageGone);
  ASSERT_TRUE(Pump([&] { return !rec->calls.empty(); }));
  WaitFor([] { return false; }, 500ms, true);
  ASSERT_EQ(rec->calls.size(), 1u) << "the procedure is called once";
  EXPECT_TRUE(rec->calls[0].first.IsEmpty());
  EXPECT_EQ(rec->calls[0].second, kJsRequestPageGone);
  EXPECT_EQ(Js().PendingCount(), pending);
  EXPECT_EQ(boxes.Texts().size(), 1u);

  // A new page gets a new render process, which answers.
  host = std::make_unique<TPageHost>();
  ASSERT_TRUE(host->Open(L"/pages/script_access.html"));
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
}

TEST_F(ScriptAccess, ABlockingReadIsAnsweredWhenItsPageCloses) {
  TBoxWatcher boxes;
  const size_t pending = Js().PendingCount();
  const int32_t pageId = host->browser->ActiveBrowserId();
  rtl::TRef<TRecorder> rec(new TRecorder());
  MakeBusy(Page(), 2000);
  Js().GetAsStringProc(Page(), L"greeting", rec);
  // Closed from a timer that fires while the read waits (its wait dispatches messages).
  toolkit::TTimer closer;
  closer.SetInterval(300);
  closer.OnTimer = [&](toolkit::TObject*) {
    closer.SetEnabled(false);
    host->browser->CloseBrowser(pageId, -1);
  };
  std::wstring value = L"unset";
  {
    TWatchdog watchdog("GetAsString after its page closed");
    value = Js().GetAsString(Page(), L"greeting");
  }
  EXPECT_EQ(value, L"");
  EXPECT_EQ(host->browser->BrowserCount(), 0);
  ASSERT_TRUE(boxes.WaitCount(1));
  EXPECT_EQ(boxes.Texts()[0], kJsRequestPageGone);
  ASSERT_EQ(rec->calls.size(), 1u);
  EXPECT_EQ(rec->calls[0].second, kJsRequestPageGone);
  EXPECT_EQ(Js().PendingCount(), pending);
  // The render side answers the closed page's requests once it is free again: nothing comes of it.
  WaitFor([] { return false; }, 2500ms, true);
  EXPECT_EQ(rec->calls.size(), 1u);
  EXPECT_EQ(boxes.Texts().size(), 1u);
}

// Rounds of back-to-back reads, blocking and not, on a page whose render process is killed at a
// different moment each round: no crash, no hang, every procedure answered exactly once (by the
// destruction of the control at the latest), every report the page-gone text.
TEST_F(ScriptAccess, StressKillingTheRenderProcessDuringBlockingReads) {
  TBoxWatcher boxes;
  const int killAfterMs[] = {50, 250, 600};
  std::vector<rtl::TRef<TRecorder>> recorders;
  for (const int delay : killAfterMs) {
    if (!host) {
      host = std::make_unique<TPageHost>();
      ASSERT_TRUE(host->Open(L"/pages/script_access.html")) << "round " << delay;
    }
    const DWORD pid = RenderProcessId();
    ASSERT_NE(pid, 0u);
    std::atomic<bool> reading{false};
    std::thread killer([&] {
      const auto end = std::chrono::steady_clock::now() + 20s;
      while (!reading && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(5ms);
      std::this_thread::sleep_for(std::chrono::milliseconds(delay));
      KillProcess(pid);
    });
    {
      TWatchdog watchdog("reads of a page whose render process was killed");
      reading = true;
      for (int i = 0; i < 60; ++i) {
        rtl::TRef<TRecorder> rec(new TRecorder());
        recorders.push_back(rec);
        Js().GetAsStringProc(Page(), L"greeting", rec);
        const std::wstring value = Js().GetAsString(Page(), L"greeting");
        EXPECT_TRUE(value == L"hello" || value.empty()) << rtl::Utf16ToUtf8(value);
      }
    }
    killer.join();
    // Requests that could not be sent wait until the control goes.
    host.reset();
  }
  for (const auto& rec : recorders) {
    ASSERT_EQ(rec->calls.size(), 1u);
    const auto& [value, error] = rec->calls[0];
    EXPECT_TRUE((value == rtl::TVariant(std::wstring(L"hello")) && error.empty()) ||
                (value.IsEmpty() && error == kJsRequestPageGone))
        << rtl::Utf16ToUtf8(error);
  }
  for (const auto& text : boxes.Texts()) EXPECT_EQ(text, kJsRequestPageGone);
  // A page opened afterwards answers.
  host = std::make_unique<TPageHost>();
  ASSERT_TRUE(host->Open(L"/pages/script_access.html"));
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
}

// ---- running a procedure in the render side ----------------------------------------------------

struct TRenderProc : rtl::TInterfacedObject, TRenderProcessCallbackA {
  static std::atomic<int>* destroyed;
  std::atomic<int> calls{0};
  std::atomic<int> pageId{-1};
  std::atomic<bool> contextSeen{false};
  std::atomic<void*> data{nullptr};
  std::wstring greeting;  // read through the context, on the render thread
  ~TRenderProc() override {
    if (destroyed) ++*destroyed;
  }
  void Invoke(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefv8Context>& context, void* d) override {
    pageId = browser ? browser->GetIdentifier() : -2;
    if (context && context->Enter()) {
      contextSeen = true;
      if (auto global = context->GetGlobal())
        if (auto v = global->GetValueBykey(L"greeting")) greeting = v->GetStringValue();
      context->Exit();
    }
    data = d;
    ++calls;
  }
};
std::atomic<int>* TRenderProc::destroyed = nullptr;

TEST_F(ScriptAccess, RunInRenderProcessIsRefusedOutsideSingleProcessMode) {
  rtl::TRef<TRenderProcessCallbackA> proc(new TRenderProc());
  try {
    host->browser->RunInRenderProcess(proc, nullptr);
    ADD_FAILURE() << "no error in multi-process mode";
  } catch (const rtl::Exception& e) {
    EXPECT_EQ(e.Message(), kSingleProcessOnly);
  }
  // A forged message with addresses of this process is ignored by the render process: the page
  // goes on answering.
  auto message = TCefProcessMessageRef::New(kRunInRenderMessage);
  auto args = message->GetArgumentList();
  args->SetString(0, L"DEADBEE0");
  args->SetString(1, L"DEADBEE8");
  args->SetString(2, L"0010");
  ASSERT_TRUE(Page()->SendProcessMessage(PID_RENDERER, message));
  ASSERT_TRUE(Pump([] {
    for (const auto& row : LoggedRequests())
      if (!row.empty() && row[0] == kRunInRenderMessage) return true;
    return false;
  }));
  EXPECT_EQ(Js().GetAsString(Page(), L"greeting"), L"hello");
}

// Single-process mode in a process of its own: exit code 0 when every check held.
TAVLO_CHILD(run_in_render_single_process) {
  TTempDir temp;
  StartRuntime(true, temp);
  int code = 0;
  if (!gRuntimeUp) code = 10;
  std::atomic<int> destroyed{0};
  TRenderProc::destroyed = &destroyed;
  if (!code) {
    TPageHost host;
    int data = 0;
    if (!host.Open(L"/pages/script_access.html")) code = 11;
    rtl::TRef<TRenderProc> proc(new TRenderProc());
    if (!code) {
      host.browser->RunInRenderProcess(rtl::TRef<TRenderProcessCallbackA>(proc.Get()), &data);
      if (!Pump([&] { return proc->calls.load() > 0; })) code = 12;
    }
    if (!code) {
      // The receiver has let go of the reference the sender added.
      if (!Pump([&] { return proc->RefCount() == 1; }, 5s)) code = 13;
      else if (proc->pageId.load() != host.browser->ActiveBrowserId()) code = 14;
      else if (!proc->contextSeen.load() || proc->greeting != L"hello") code = 15;
      else if (proc->data.load() != &data) code = 16;
      else if (proc->calls.load() != 1) code = 17;
    }
    proc.Reset();
    if (!code && destroyed.load() != 1) code = 18;
  }
  TRenderProc::destroyed = nullptr;
  StopRuntime();
  return code;
}

TEST(ScriptAccessSingleProcess, RunInRenderProcessRunsTheProcedureWithThePageContextAndData) {
  ASSERT_NE(HttpServerPort(), 0) << "test HTTP server not running";
  EXPECT_EQ(RunChild(L"run_in_render_single_process", {}, 90000), 0)
      << "10 no runtime, 11 no page, 12 not run, 13 reference kept, 14 wrong page, 15 no context, 16 wrong data, "
         "17 run twice, 18 not freed";
}

// Holds the render thread until released: what is sent after it waits behind it.
struct TBlockingRenderProc : rtl::TInterfacedObject, TRenderProcessCallbackA {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> started{false};
  ~TBlockingRenderProc() override { CloseHandle(release); }
  void Invoke(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefv8Context>&, void*) override {
    started = true;
    WaitForSingleObject(release, 30000);
  }
};

long RefCountOf(const rtl::TRef<ICefBrowser>& page) {
  const auto* counted = dynamic_cast<const rtl::TInterfacedObject*>(page.Get());
  return counted ? counted->RefCount() : -1;
}

TAVLO_CHILD(run_in_render_holds_its_references) {
  TTempDir temp;
  StartRuntime(true, temp);
  int code = gRuntimeUp ? 0 : 20;
  if (!code) {
    TPageHost host;
    rtl::TRef<TBlockingRenderProc> blocker(new TBlockingRenderProc());
    rtl::TRef<TRenderProc> proc(new TRenderProc());
    if (!host.Open(L"/pages/script_access.html")) code = 21;
    if (!code) {
      host.browser->RunInRenderProcess(rtl::TRef<TRenderProcessCallbackA>(blocker.Get()), nullptr);
      if (!Pump([&] { return blocker->started.load(); })) code = 22;
    }
    if (!code) {
      // The message holds a reference on the page until the procedure has run, so the page may
      // close before the render thread gets to it.
      const int32_t pageId = host.browser->ActiveBrowserId();
      const long before = RefCountOf(host.browser->ActiveBrowser());
      host.browser->RunInRenderProcess(rtl::TRef<TRenderProcessCallbackA>(proc.Get()), nullptr);
      if (RefCountOf(host.browser->ActiveBrowser()) != before + 1) code = 23;
      host.browser->CloseBrowser(pageId, -1);
      SetEvent(blocker->release);
      if (!code && !Pump([&] { return proc->calls.load() > 0; })) code = 24;
      if (!code && proc->pageId.load() != pageId) code = 25;
    }
    if (!code) {
      // A page whose runtime browser is gone refuses the message: both references come back.
      host.loadEnds = 0;
      if (!host.Open(L"/pages/script_access.html")) code = 26;
    }
    if (!code) {
      const rtl::TRef<ICefBrowser> page = host.browser->ActiveBrowser();
      page->GetHost()->CloseBrowser(true);
      const long before = RefCountOf(page);
      rtl::TRef<TRenderProc> refused(new TRenderProc());
      host.browser->RunInRenderProcess(rtl::TRef<TRenderProcessCallbackA>(refused.Get()), nullptr);
      if (refused->RefCount() != 1) code = 27;
      if (RefCountOf(page) != before) code = 28;
    }
    if (!code && !Pump([&] { return proc->RefCount() == 1 && blocker->RefCount() == 1; }, 5s)) code = 29;
  }
  StopRuntime();
  return code;
}

TEST(ScriptAccessSingleProcess, RunInRenderProcessHoldsThePageAndGivesBackWhatARefusedSendTook) {
  ASSERT_NE(HttpServerPort(), 0) << "test HTTP server not running";
  EXPECT_EQ(RunChild(L"run_in_render_holds_its_references", {}, 90000), 0)
      << "20 no runtime, 21 no page, 22 blocker not run, 23 page not held by the message, 24 not run, 25 wrong page, "
         "26 no second page, 27 procedure reference leaked, 28 page reference leaked, 29 references kept";
}

}  // namespace
