#include "toolkit/Forms.h"

#include <algorithm>

#include "rtl/StrConv.h"
#include "rtl/SysUtils.h"
#include "rtl/WindowClass.h"
#include "toolkit/StdCtrls.h"

namespace toolkit {

// ---- TForm ----

TForm::TForm() {
  FVisible = false;
  SetBounds(100, 100, 320, 240);
}

TForm::~TForm() {
  FDestroying = true;
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
  DestroyHandle();  // before FFont goes: no window may still use it
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"TavloForm";
  params.Style = WS_CLIPCHILDREN | (FEnabled ? 0 : WS_DISABLED);
  params.ExStyle = 0;
  switch (BorderStyle) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.Style |= WS_CAPTION; break;
    case TFormBorderStyle::bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (BorderStyle != TFormBorderStyle::bsNone) {
    if (BorderIcons & biSystemMenu) params.Style |= WS_SYSMENU;
    if (BorderStyle != TFormBorderStyle::bsDialog) {
      if (BorderIcons & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (BorderIcons & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  // The main form is not owned, so it has its own taskbar button; other forms belong to it.
  TForm* mainForm = Application().MainForm();
  if (mainForm && mainForm != this && mainForm->HandleAllocated()) {
    params.WndParent = mainForm->Handle();
  } else {
    params.WndParent = nullptr;
    if (Application().MainFormOnTaskbar) params.ExStyle |= WS_EX_APPWINDOW;
  }
}

HFONT TForm::ControlFont() {
  if (!FFont) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, FontName.c_str(), LF_FACESIZE);
    FFont.Reset(CreateFontIndirectW(&lf));
  }
  return FFont ? FFont.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TForm::PlaceOnScreen() {
  if (FPlaced) return;
  FPlaced = true;
  if (Position == TPosition::poDesigned) return;
  const int w = Width(), h = Height();
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  SetBounds((sw - w) / 2, (sh - h) / 2, w, h);
}

void TForm::SetVisible(bool visible) {
  if (!visible) {
    FVisible = false;
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  HWND wnd = Handle();
  PlaceOnScreen();
  FVisible = true;
  int show = SW_SHOW;
  if (FWindowState == TWindowState::wsMaximized) show = SW_SHOWMAXIMIZED;
  else if (FWindowState == TWindowState::wsMinimized) show = SW_SHOWMINIMIZED;
  ShowWindow(wnd, show);
  SetForegroundWindow(wnd);
  if (!FActiveControl) {
    if (HWND first = GetNextDlgTabItem(wnd, nullptr, FALSE))
      FActiveControl = FindControl(first);
  }
  if (FActiveControl && FActiveControl->HandleAllocated() && FActiveControl->CanFocus())
    ::SetFocus(FActiveControl->Handle());
}

TWindowState TForm::WindowState() {
  if (!HandleAllocated()) return FWindowState;
  if (IsIconic(Handle())) return TWindowState::wsMinimized;
  if (IsZoomed(Handle())) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
  FWindowState = state;
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  switch (state) {
    case TWindowState::wsNormal: ShowWindow(Handle(), SW_RESTORE); break;
    case TWindowState::wsMinimized: ShowWindow(Handle(), SW_MINIMIZE); break;
    case TWindowState::wsMaximized: ShowWindow(Handle(), SW_MAXIMIZE); break;
  }
}

void TForm::SetActiveControl(TWinControl* control) {
  FActiveControl = control;
  if (control && HandleAllocated() && IsWindowVisible(Handle()) && control->CanFocus())
    ::SetFocus(control->Handle());
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  if (FModal) {
    FModalResult = mrCancel;
  } else if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    Hide();
  }
}

namespace {

struct TDisabledWindows {
  HWND Keep;
  std::vector<HWND> Windows;
};

BOOL CALLBACK DisableWindow(HWND wnd, LPARAM param) {
  auto* list = reinterpret_cast<TDisabledWindows*>(param);
  if (wnd != list->Keep && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    list->Windows.push_back(wnd);
  }
  return TRUE;
}

}  // namespace

TModalResult TForm::ShowModal() {
  if (FModal || Visible()) throw rtl::Exception(L"Cannot make a visible window modal");
  HWND wnd = Handle();
  HWND previous = GetActiveWindow();
  // Only the modal form takes input; the thread's other windows wait.
  TDisabledWindows disabled{wnd, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  FModal = true;
  FModalResult = mrNone;
  try {
    Show();
    while (FModalResult == mrNone) {
      if (!Application().HandleMessage() || !IsWindow(wnd)) FModalResult = mrCancel;
    }
  } catch (...) {
    FModalResult = mrCancel;
    Application().HandleException();
  }
  for (HWND w : disabled.Windows)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  if (HandleAllocated()) Hide();
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  FModal = false;
  return FModalResult;
}

TButton* TForm::FindButton(bool isDefault) {
  std::vector<TWinControl*> pending(Controls().begin(), Controls().end());
  while (!pending.empty()) {
    TWinControl* c = pending.back();
    pending.pop_back();
    if (auto* button = dynamic_cast<TButton*>(c)) {
      if ((isDefault ? button->Default : button->Cancel) && button->Visible() && button->Enabled())
        return button;
    }
    pending.insert(pending.end(), c->Controls().begin(), c->Controls().end());
  }
  return nullptr;
}

bool TForm::DialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0) return false;
  if (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE && msg.wParam != VK_TAB) return false;
  if (TWinControl* focused = FindControl(GetFocus()); focused && focused != this &&
      focused->Perform(CM_WANTSPECIALKEY, msg.wParam, 0) != 0)
    return false;
  switch (msg.wParam) {
    case VK_RETURN: {
      TButton* target = dynamic_cast<TButton*>(FindControl(GetFocus()));
      if (target && target->GetParentForm() != this) target = nullptr;
      if (!target) target = FindButton(true);
      if (!target) return false;
      target->Click();
      return true;
    }
    case VK_ESCAPE: {
      TButton* target = FindButton(false);
      if (!target) return false;
      target->Click();
      return true;
    }
    case VK_TAB: {
      if (BorderStyle != TFormBorderStyle::bsDialog && !FModal) return false;
      HWND next = GetNextDlgTabItem(Handle(), GetFocus(), GetKeyState(VK_SHIFT) < 0);
      if (!next) return false;
      if (TWinControl* c = FindControl(next)) c->SetFocus();
      else ::SetFocus(next);
      return true;
    }
    default: return false;
  }
}

void TForm::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_CLOSE: WMClose(msg); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(msg); break;
    case WM_ACTIVATE: WMActivate(msg); break;
    default: TWinControl::WndProc(msg); break;
  }
}

void TForm::WMClose(TMessage& msg) {
  msg.Result = 0;
  Close();
}

void TForm::WMGetMinMaxInfo(TMessage& msg) {
  DefaultHandler(msg);
  auto* info = reinterpret_cast<MINMAXINFO*>(msg.LParam);
  if (Constraints.MinWidth > 0) info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, Constraints.MinWidth);
  if (Constraints.MinHeight > 0) info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, Constraints.MinHeight);
  if (Constraints.MaxWidth > 0) info->ptMaxTrackSize.x = Constraints.MaxWidth;
  if (Constraints.MaxHeight > 0) info->ptMaxTrackSize.y = Constraints.MaxHeight;
  msg.Result = 0;
}

void TForm::WMActivate(TMessage& msg) {
  if (LOWORD(msg.WParam) == WA_INACTIVE) {
    if (TWinControl* c = FindControl(GetFocus()); c && c != this && c->GetParentForm() == this)
      FActiveControl = c;
    DefaultHandler(msg);
    return;
  }
  DefaultHandler(msg);  // gives the form itself the focus
  if (FActiveControl && FActiveControl->HandleAllocated() && FActiveControl->CanFocus() &&
      !HIWORD(msg.WParam))
    ::SetFocus(FActiveControl->Handle());
}

// ---- TApplication ----

TApplication::TApplication() = default;

TApplication::~TApplication() {
  DestroyForms();
  if (FHandle) DestroyWindow(FHandle);
}

void TApplication::Initialize() { Handle(); }

HWND TApplication::Handle() {
  if (!FHandle) {
    static const bool registered =
        rtl::RegisterWindowClass({.Name = L"TavloApplication", .Proc = &TApplication::AppWndProc});
    (void)registered;
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, L"TavloApplication", Title.c_str(), WS_POPUP, 0,
                              0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  return FHandle;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    switch (msg) {
      case WM_CLOSE:
        if (TForm* form = Application().MainForm()) form->Close();
        return 0;
      default: break;
    }
  } catch (...) {
    Application().HandleException();
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
  if (!FMainForm) FMainForm = form.get();
  FForms.push_back(std::move(form));
}

void TApplication::DestroyForms() {
  // The other forms are owned windows of the main form: they go first.
  while (!FForms.empty()) {
    auto it = std::find_if(FForms.rbegin(), FForms.rend(),
                           [&](const auto& f) { return f.get() != FMainForm; });
    if (it == FForms.rend()) {
      FMainForm = nullptr;
      FForms.clear();
      break;
    }
    std::unique_ptr<TForm> form = std::move(*it);
    FForms.erase(std::next(it).base());
    form.reset();
  }
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  try {
    if (msg.message == WM_KEYDOWN) {
      HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
      if (auto* form = dynamic_cast<TForm*>(TWinControl::FindControl(root)); form && form->DialogKey(msg))
        return true;
    }
    // Only key messages have anything to translate, and the 15 ms pump's ticks pass here all day:
    // the others skip the call into the window system.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) TranslateMessage(&msg);
    DispatchMessageW(&msg);
  } catch (...) {
    HandleException();
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!ProcessMessage(msg)) break;
}

bool TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    FTerminated = true;
    return false;
  }
  ProcessMessage(msg);
  return !FTerminated;
}

void TApplication::Terminate() {
  // No WM_QUIT: a quit message left in the queue would end the next modal loop as well.
  FTerminated = true;
  PostMessageW(Handle(), WM_NULL, 0, 0);
}

std::wstring CurrentExceptionText() {
  if (!std::current_exception()) return L"";
  try {
    throw;
  } catch (const rtl::Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return rtl::Utf8ToUtf16(e.what());
  } catch (...) {
    return L"Unknown error";
  }
}

void TApplication::HandleException() noexcept {
  try {
    const std::wstring text = CurrentExceptionText();
    ::MessageBoxW(GetActiveWindow(), text.c_str(), Title.c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    // Nothing may leave here: this runs inside window procedures.
  }
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  const std::wstring& shown = caption.empty() ? Title : caption;
  return ::MessageBoxW(GetActiveWindow(), text.c_str(), shown.c_str(), flags);
}

TApplication& Application() {
  static TApplication app;
  return app;
}

}  // namespace toolkit
