// Options of the browser control and the password dialog (a real modal window, driven by keys).
#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "tests/unit/ToolkitTestSupport.h"
#include "vorad/core/VoraD.CustomDialog.h"
#include "vorad/core/VoraD.Settings.h"

using testing_support::TTempDir;
using toolkit_test::TDialogDriver;

TEST(VoraDOptions, DefaultsAndDownLoadPathRules) {
  TVoraDOptions options;
  const std::wstring exe = testing_support::ExecutablePath();
  EXPECT_EQ(options.DownLoadPath(), exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Download\\");
  EXPECT_FALSE(options.DevToolsEnable());
  EXPECT_FALSE(options.PopupNewWin());
  EXPECT_FALSE(options.CloseWPagesClosed());
  EXPECT_FALSE(options.AutoDown());
  EXPECT_FALSE(options.ShowLoadError());
  EXPECT_TRUE(TVoraDOptions::DevToolsEnableStoredDefault);
  EXPECT_TRUE(TVoraDOptions::CloseWPagesClosedStoredDefault);

  TTempDir dir;  // ends with "\"
  const std::wstring bare = dir.Path().substr(0, dir.Path().size() - 1);
  options.SetDownLoadPath(bare);
  EXPECT_EQ(options.DownLoadPath(), dir.Path());
  options.SetDownLoadPath(dir.Path() + L"missing");
  EXPECT_EQ(options.DownLoadPath(), dir.Path());
  options.SetDownLoadPath(L"");
  EXPECT_EQ(options.DownLoadPath(), dir.Path());
  testing_support::WriteFileBytes(dir.Path() + L"file.txt", "x");
  options.SetDownLoadPath(dir.Path() + L"file.txt");  // a file is not a folder
  EXPECT_EQ(options.DownLoadPath(), dir.Path());
  CreateDirectoryW((dir.Path() + L"sub").c_str(), nullptr);
  options.SetDownLoadPath(dir.Path() + L"sub\\");
  EXPECT_EQ(options.DownLoadPath(), dir.Path() + L"sub\\");
}

TEST(VoraDOptions, BrowserAndFontOptionDefaults) {
  TChromiumOptions chromium;
  EXPECT_EQ(chromium.WindowlessFrameRate(), 30);
  EXPECT_EQ(chromium.BackgroundColor(), 0u);
  EXPECT_TRUE(chromium.AcceptLanguageList().empty());
  for (TCefState s : chromium.States()) EXPECT_EQ(s, STATE_DEFAULT);
  chromium.SetJavascript(STATE_ENABLED);
  chromium.SetPlugins(STATE_DISABLED);
  chromium.SetWebgl(STATE_DISABLED);
  const auto states = chromium.States();
  EXPECT_EQ(states[0], STATE_ENABLED);
  EXPECT_EQ(states[6], STATE_DISABLED);
  EXPECT_EQ(states[17], STATE_DISABLED);
  EXPECT_EQ(states[1], STATE_DEFAULT);

  TChromiumFontOptions fonts;
  EXPECT_TRUE(fonts.StandardFontFamily().empty());
  EXPECT_TRUE(fonts.FixedFontFamily().empty());
  EXPECT_EQ(fonts.DefaultFontSize(), 0);
  EXPECT_EQ(fonts.MinimumLogicalFontSize(), 0);
  EXPECT_EQ(fonts.RemoteFonts(), STATE_DEFAULT);
}

TEST(PasswordDlg, LayoutAndTabOrder) {
  TPasswordDlg dlg;
  dlg.Handle();
  EXPECT_EQ(dlg.Caption(), L"Authentication");
  EXPECT_EQ(dlg.ClientWidth(), 233);
  EXPECT_EQ(dlg.ClientHeight(), 128);
  EXPECT_EQ(dlg.edtusername.TabOrder(), 0);
  EXPECT_EQ(dlg.edtPassword.TabOrder(), 1);
  EXPECT_EQ(dlg.OKBtn.TabOrder(), 2);
  EXPECT_EQ(dlg.CancelBtn.TabOrder(), 3);
  EXPECT_EQ(SendMessageW(dlg.edtPassword.Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(SendMessageW(dlg.edtusername.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_EQ(dlg.edtPassword.Left(), 24);
  EXPECT_EQ(dlg.edtPassword.Top(), 68);
  EXPECT_EQ(dlg.OKBtn.Left(), 62);
  EXPECT_EQ(dlg.CancelBtn.Left(), 150);
  EXPECT_EQ(dlg.Label2.Caption(), L"Username");
  EXPECT_EQ(dlg.Label1.Caption(), L"Password");
  // The system's focus order follows the tab order.
  HWND first = GetNextDlgTabItem(dlg.Handle(), nullptr, FALSE);
  EXPECT_EQ(first, dlg.edtusername.Handle());
  EXPECT_EQ(GetNextDlgTabItem(dlg.Handle(), first, FALSE), dlg.edtPassword.Handle());
}

namespace {

HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// The dialog is visible a moment before its first field gets the focus. A window of a test
// running beside this one may take the foreground (and the focus) away: the dialog is made the
// foreground again, as a person would click it.
HWND FocusedEdit(DWORD thread, HWND dialog) {
  for (int i = 0; i < 500; ++i) {
    HWND focus = FocusOf(thread);
    wchar_t cls[16] = {};
    if (focus && GetParent(focus) == dialog && GetClassNameW(focus, cls, 16) && !lstrcmpiW(cls, L"Edit"))
      return focus;
    if (!focus && i % 50 == 49) SetForegroundWindow(dialog);
    Sleep(10);
  }
  return nullptr;
}

void Type(HWND wnd, const wchar_t* text) {
  for (const wchar_t* p = text; *p; ++p) SendMessageW(wnd, WM_CHAR, *p, 1);
}

}  // namespace

TEST(PasswordDlg, EnterGivesOkWithBothTextsEscGivesCancel) {
  const DWORD ui = GetCurrentThreadId();
  {
    TPasswordDlg dlg;
    HWND userField = dlg.edtusername.Handle();
    TDialogDriver driver(L"TavloForm", L"Authentication", [ui, userField](HWND wnd) {
      HWND user = FocusedEdit(ui, wnd);
      if (user != userField) {
        PostMessageW(wnd, WM_CLOSE, 0, 0);
        return std::wstring(L"user name field not focused");
      }
      Type(user, L"alice");
      // Tab again only while the focus is still on the user name: a focus lost to another
      // window is taken back first, and a Tab that did move it is not repeated.
      HWND password = nullptr;
      for (int attempt = 0; attempt < 3 && !password; ++attempt) {
        HWND focus = FocusedEdit(ui, wnd);
        if (focus && focus != user) password = focus;
        if (focus != user) continue;
        PostMessageW(user, WM_KEYDOWN, VK_TAB, 0);
        for (int i = 0; i < 200 && FocusOf(ui) == user; ++i) Sleep(10);
      }
      if (!password) {
        PostMessageW(wnd, WM_CLOSE, 0, 0);
        return std::wstring(L"stuck");
      }
      Type(password, L"s3cret");
      PostMessageW(password, WM_KEYDOWN, VK_RETURN, 0);
      return std::wstring(L"moved");
    });
    EXPECT_EQ(dlg.ShowModal(), toolkit::mrOk);
    EXPECT_EQ(driver.Result(), L"moved");
    EXPECT_EQ(dlg.edtusername.Text(), L"alice");
    EXPECT_EQ(dlg.edtPassword.Text(), L"s3cret");
  }
  {
    TPasswordDlg dlg;  // a new dialog starts empty
    TDialogDriver driver(L"TavloForm", L"Authentication", [ui](HWND wnd) {
      HWND focus = FocusedEdit(ui, wnd);
      Type(focus, L"bob");
      PostMessageW(focus ? focus : wnd, WM_KEYDOWN, VK_ESCAPE, 0);
      return std::wstring();
    });
    EXPECT_EQ(dlg.edtusername.Text(), L"");
    EXPECT_EQ(dlg.ShowModal(), toolkit::mrCancel);
  }
  {
    TPasswordDlg dlg;
    TDialogDriver driver(L"TavloForm", L"Authentication", [](HWND wnd) {
      PostMessageW(wnd, WM_CLOSE, 0, 0);  // the close box
      return std::wstring();
    });
    EXPECT_EQ(dlg.ShowModal(), toolkit::mrCancel);
  }
}
