#pragma once
// Forms and the application object. A form is a top-level window: the main form has its own
// taskbar button; other forms are owned by the main form. Modal forms run a message loop of
// their own until their ModalResult is set. UI thread only.
#include <memory>

#include "rtl/Handles.h"
#include "toolkit/Controls.h"

namespace toolkit {

class TButton;

// Modal results: the values of the system's dialog-box commands.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;          // 1
inline constexpr TModalResult mrCancel = IDCANCEL;  // 2

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

class TForm : public TWinControl {
public:
  TForm();
  ~TForm() override;

  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  // Font of the form, given to every control on it.
  std::wstring FontName = L"Tahoma";
  int FontHeight = -11;

  TWindowState WindowState();
  void SetWindowState(TWindowState state);

  void SetVisible(bool visible) override;
  // WM_CLOSE's path: a modal form ends with mrCancel, the main form ends the application, any
  // other form is hidden. OnCloseQuery may refuse.
  void Close();
  std::function<void(TForm* sender, bool& canClose)> OnCloseQuery;

  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }
  bool Modal() const { return FModal; }

  // The control that has (or last had) the focus inside this form.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);

  // Enter clicks the default button (or the focused button), Esc the cancel button, Tab moves
  // the focus in dialog forms. True when the key was taken.
  bool DialogKey(const MSG& msg);

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;
  HFONT ControlFont() override;

  void WMClose(TMessage& msg);
  void WMGetMinMaxInfo(TMessage& msg);
  void WMActivate(TMessage& msg);

private:
  friend class TWinControl;
  void PlaceOnScreen();
  TButton* FindButton(bool isDefault);

  rtl::TGdiObject<HFONT> FFont;
  TWinControl* FActiveControl = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  TWindowState FWindowState = TWindowState::wsNormal;
  bool FPlaced = false;
};

class TApplication {
public:
  TApplication();
  ~TApplication();

  void Initialize();
  // The caption of the application's message boxes.
  std::wstring Title;
  bool MainFormOnTaskbar = true;

  // The application's own hidden window; WM_CLOSE sent to it closes the main form.
  HWND Handle();

  // The application owns the forms made here; the first one becomes the main form.
  template <class T, class... A>
  T* CreateForm(A&&... args) {
    auto form = std::make_unique<T>(std::forward<A>(args)...);
    T* raw = form.get();
    AddForm(std::move(form));
    return raw;
  }
  void AddForm(std::unique_ptr<TForm> form);
  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }

  // Shows the main form and handles messages until the application is terminated.
  void Run();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Waits for one message and handles it; false once the application is terminated.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Makes the application runnable again after Terminate (tests run several loops).
  void ResetTerminated() { FTerminated = false; }

  // Shows the exception being handled (call inside a catch block) in a message box with the
  // application title as caption. Never throws.
  void HandleException() noexcept;
  // A message box owned by the active form; an empty caption means Title.
  int MessageBox(const std::wstring& text, const std::wstring& caption = L"",
                 UINT flags = MB_OK);

  // Frees every form the application owns (the main form last).
  void DestroyForms();

private:
  bool ProcessMessage(MSG& msg);
  static LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND FHandle = nullptr;
  std::vector<std::unique_ptr<TForm>> FForms;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The one application object of the process.
TApplication& Application();

// The text of the exception being handled, for messages (call inside a catch block).
std::wstring CurrentExceptionText();

}  // namespace toolkit
