// TApp against a real window whose handle stands in the shared block: each function sends its
// message synchronously, with its text in buffer 1, and returns what the window answered.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "bridge/JSEx.h"
#include "bridge/mapshare.h"
#include "support/TestSupport.h"

using namespace std::chrono_literals;
using testing_support::WaitFor;

namespace {

struct TReceived {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  std::wstring Text1;  // buffer 1 as the handler saw it
};

// A hidden top-level window standing in for the main window. It answers every bridge message
// with a result of its own (id * 2, negative for 8129) so that passing the result back is seen,
// and swallows WM_CLOSE.
class TTestWindow {
public:
  TTestWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TappTestWindow";
    RegisterClassW(&wc);
    FWnd = CreateWindowExW(0, wc.lpszClassName, L"tapp test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                           wc.hInstance, nullptr);
    SetWindowLongPtrW(FWnd, GWLP_USERDATA, LONG_PTR(this));
  }
  ~TTestWindow() {
    if (FWnd) DestroyWindow(FWnd);
  }
  HWND Handle() const { return FWnd; }
  void Destroy() {
    DestroyWindow(FWnd);
    FWnd = nullptr;
  }
  std::vector<TReceived> Received() {
    std::lock_guard g(FLock);
    return FReceived;
  }
  void Clear() {
    std::lock_guard g(FLock);
    FReceived.clear();
  }

private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TTestWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self && (msg == WM_CLOSE || (msg >= 8125 && msg <= 8133))) {
      std::lock_guard g(self->FLock);
      self->FReceived.push_back({msg, wp, lp, ReadShareText()});
      return msg == WM_BRIDGE_PAUSE ? -8129 : LRESULT(msg) * 2;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
  }

  HWND FWnd = nullptr;
  std::mutex FLock;
  std::vector<TReceived> FReceived;
};

struct TCall {
  const wchar_t* Name;
  UINT Msg;
  const wchar_t* Text;  // null: the function takes no text
};
const TCall Calls[] = {
    {L"hWMove", WM_BRIDGE_MOVE, nullptr},       {L"hWMin", WM_BRIDGE_MINIMIZE, nullptr},
    {L"hWMax", WM_BRIDGE_MAXIMIZE, nullptr},    {L"hExitApp", WM_CLOSE, nullptr},
    {L"hDwon", WM_BRIDGE_DOWNLOAD, L"tavloaHR0cDovL3gveS56aXA="},
    {L"hDwonPause", WM_BRIDGE_PAUSE, nullptr},  {L"hDwonStart", WM_BRIDGE_RESUME, nullptr},
    {L"hOpenUrl", WM_BRIDGE_OPENURL, L"http://127.0.0.1/\u5F71"},
    {L"hSearch", WM_BRIDGE_SEARCH, L"\u7535\u5F71 search"}, {L"hOpenDir", WM_BRIDGE_OPENDIR, nullptr},
};

// Calls a TApp function the way the script extension does: through its description.
int32_t CallTApp(const TCall& call) {
  const rtl::TMethodInfo* m = TApp::StaticClassInfo()->GetMethod(call.Name, rtl::PublicAndPublished);
  if (!m) throw rtl::Exception(std::wstring(L"no method ") + call.Name);
  std::vector<rtl::TValue> args;
  if (call.Text) args.push_back(rtl::TValue::From(std::wstring(call.Text)));
  return m->Invoke(rtl::TValue::FromClass(TApp::StaticClassInfo()), args).AsType<int32_t>();
}

// Runs the call on another thread, as a render thread would, while this thread serves the window.
int32_t CallFromOtherThread(const TCall& call) {
  std::atomic<bool> done{false};
  int32_t result = 0;
  std::thread caller([&] {
    result = CallTApp(call);
    done = true;
  });
  const bool finished = WaitFor([&] { return done.load(); }, 10s);
  caller.join();  // the call cannot end without this thread pumping, so a hang would show above
  EXPECT_TRUE(finished) << "call did not return";
  return result;
}

class TAppTest : public ::testing::Test {
protected:
  void SetUp() override {
    OpenShareBlock();
    ASSERT_NE(ShareBlock, nullptr);
    ASSERT_NE(FWindow.Handle(), nullptr);
    WriteShareMainWindow(FWindow.Handle());
    WriteShareText(L"");
  }
  void TearDown() override { WriteShareMainWindow(nullptr); }
  TTestWindow FWindow;
};

}  // namespace

TEST_F(TAppTest, DescriptionListsTheTenClassFunctions) {
  rtl::TClass cls = TApp::StaticClassInfo();
  EXPECT_EQ(cls->Name(), L"TApp");
  EXPECT_EQ(cls->Parent(), rtl::TObject::StaticClassInfo());
  for (const TCall& c : Calls) {
    const rtl::TMethodInfo* m = cls->GetMethod(c.Name);
    ASSERT_NE(m, nullptr) << c.Name;
    EXPECT_EQ(m->MethodKind(), rtl::TMethodKind::ClassFunction) << c.Name;
    EXPECT_EQ(m->Visibility(), rtl::TMemberVisibility::Public);
    EXPECT_EQ(m->ReturnType(), rtl::TypeInfoOf<int32_t>());
    ASSERT_EQ(m->Parameters().size(), c.Text ? 1u : 0u) << c.Name;
    if (c.Text) {
      EXPECT_EQ(m->Parameters()[0].Type->Kind(), rtl::TTypeKind::UnicodeString);
      EXPECT_EQ(m->Parameters()[0].Name, std::wstring(c.Name) == L"hDwon" ? L"url" : L"k");
    }
  }
  // The ten and the inherited class functions, nothing else.
  EXPECT_EQ(cls->GetClassMethods(rtl::PublicAndPublished).size(), 10u + rtl::TObject::StaticClassInfo()->GetClassMethods().size());
  EXPECT_EQ(cls->GetMethod(L"ClassName")->Invoke(rtl::TValue::FromClass(cls), {}).AsString(), L"TApp");
}

TEST_F(TAppTest, EachFunctionSendsItsMessageSynchronously) {
  for (const TCall& c : Calls) {
    FWindow.Clear();
    const int32_t result = CallFromOtherThread(c);
    // Received before the call returned: the send waited for the handler.
    const auto got = FWindow.Received();
    ASSERT_EQ(got.size(), 1u) << c.Name;
    EXPECT_EQ(got[0].Msg, c.Msg) << c.Name;
    EXPECT_EQ(got[0].WParam, 0u);
    EXPECT_EQ(got[0].LParam, 0);
    if (c.Text) {
      EXPECT_EQ(got[0].Text1, c.Text) << c.Name;
    }
    EXPECT_EQ(result, c.Msg == WM_BRIDGE_PAUSE ? -8129 : int32_t(c.Msg) * 2) << c.Name;
  }
}

TEST_F(TAppTest, FunctionsWithoutTextLeaveBufferOneAlone) {
  CallTApp(Calls[7]);  // hOpenUrl
  FWindow.Clear();
  CallTApp(Calls[1]);  // hWMin
  const auto got = FWindow.Received();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].Msg, WM_BRIDGE_MINIMIZE);
  EXPECT_EQ(got[0].Text1, Calls[7].Text);
  EXPECT_EQ(ReadShareText(), Calls[7].Text);
  // A shorter text after a longer one leaves nothing of the longer behind.
  TApp::hDwon(L"ab");
  EXPECT_EQ(ReadShareText(), L"ab");
}

TEST_F(TAppTest, NoWindowMeansNothingIsDelivered) {
  WriteShareMainWindow(nullptr);
  for (const TCall& c : Calls) EXPECT_EQ(CallFromOtherThread(c), 0) << c.Name;
  // A window that has gone away, and a broadcast handle written into the block, deliver nothing.
  TTestWindow gone;
  WriteShareMainWindow(gone.Handle());
  gone.Destroy();
  EXPECT_EQ(TApp::hWMin(), 0);
  WriteShareMainWindow(HWND_BROADCAST);
  EXPECT_EQ(TApp::hWMax(), 0);
  WaitFor([] { return false; }, 200ms);  // let anything stray arrive
  EXPECT_TRUE(FWindow.Received().empty());
}

TEST_F(TAppTest, WrongArgumentsReachNoWindow) {
  const rtl::TMethodInfo* hDwon = TApp::StaticClassInfo()->GetMethod(L"hDwon");
  const rtl::TValue cls = rtl::TValue::FromClass(TApp::StaticClassInfo());
  EXPECT_THROW(hDwon->Invoke(cls, {}), rtl::EInvocationError);
  EXPECT_THROW(hDwon->Invoke(cls, {rtl::TValue::From(int32_t(5))}), rtl::EInvalidCast);
  EXPECT_THROW(hDwon->Invoke(cls, {rtl::TValue::From(std::wstring(L"a")), rtl::TValue::From(std::wstring(L"b"))}),
               rtl::EInvocationError);
  EXPECT_TRUE(FWindow.Received().empty());
}

// A render process of its own: opens the block and calls every function in order; its exit
// code is the number of calls that returned what the window answers.
TAVLO_CHILD(tapp_caller) {
  OpenShareBlock();
  int ok = 0;
  for (const TCall& c : Calls)
    if (CallTApp(c) == (c.Msg == WM_BRIDGE_PAUSE ? -8129 : int32_t(c.Msg) * 2)) ++ok;
  return ok;
}

TEST_F(TAppTest, CallsFromAnotherProcess) {
  testing_support::TChildProcess child = testing_support::StartChild(L"tapp_caller");
  ASSERT_TRUE(child.Valid());
  int code = -1;
  WaitFor([&] { return (code = child.Wait(0)) != -1; }, 30s);
  EXPECT_EQ(code, int(std::size(Calls)));
  const auto got = FWindow.Received();
  ASSERT_EQ(got.size(), std::size(Calls));
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].Msg, Calls[i].Msg);
    if (Calls[i].Text) {
      EXPECT_EQ(got[i].Text1, Calls[i].Text);
    }
  }
}
