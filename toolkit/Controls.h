#pragma once
// The windowed-control base of the toolkit. Every control owns at most one window; the window is
// made lazily (on the first Handle(), or when its parent's window is made), so that subclasses
// can change the creation parameters and set properties first. All of it runs on the UI thread.
//
// Each window stores its control in GWLP_USERDATA and reaches it through one window procedure,
// which dispatches by message id (WndProc, overridden by subclasses) and catches every exception
// a handler throws: it is shown by the application object and the message gets result 0.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace toolkit {

class TForm;

// One window message as the toolkit's handlers see it; Result is what the window procedure returns.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// A replaceable window procedure: a control's WindowProc can be swapped and restored by whoever
// needs to see every message of a form before it does (the browser control's form hook).
using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(class TObject* Sender)>;

class TObject {
public:
  virtual ~TObject() = default;
  intptr_t Tag = 0;
};

// Asked of the focused control before Enter, Esc, Tab or an arrow key is taken as a dialog key;
// a non-zero result means the control handles the key itself (WParam: the virtual key).
inline constexpr UINT CM_WANTSPECIALKEY = 0xB01E;
// Posted to a window whose children were added after it was made: it makes their windows.
inline constexpr UINT CM_CREATECHILDREN = 0xB100;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::wstring WinClassName;
  // Set for the system's own window classes (BUTTON, EDIT ...): the window is made from that
  // class and then subclassed; otherwise the toolkit registers WinClassName itself.
  bool SystemClass = false;
};

// Minimum and maximum outer size; 0 means no limit.
struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TWinControl : public TObject {
public:
  explicit TWinControl(TWinControl* parent = nullptr);
  ~TWinControl() override;
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;

  // The window, made on first use (with the parent's window first).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  TWinControl* Parent() const { return FParent; }
  void SetParent(TWinControl* parent);
  const std::vector<TWinControl*>& Controls() const { return FControls; }

  // Position relative to the parent's client area (the screen for top-level windows).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  virtual void SetBounds(int left, int top, int width, int height);
  int ClientWidth();
  int ClientHeight();
  void SetClientSize(int width, int height);
  RECT ClientRect();

  TSizeConstraints Constraints;
  // Clamps an outer size to Constraints.
  void ConstrainSize(int& width, int& height) const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  // Lays the aligned children out in the client area: top, bottom, left, right, then client.
  void Realign();

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  // Tab order among the parent's children that take part in it (TabStop); -1 for none.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v);
  int TabOrder() const;
  void SetTabOrder(int order);

  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();

  // The form that contains this control (itself when it is a form), nil when there is none.
  TForm* GetParentForm();

  TWndMethod WindowProc() const { return FWindowProc; }
  void SetWindowProc(TWndMethod proc) { FWindowProc = std::move(proc); }

  // Sends a message through WindowProc, as the window would receive it.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // The control whose window this is, when the window was made by the toolkit.
  static TWinControl* FindControl(HWND wnd);

  bool Destroying() const { return FDestroying; }

protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called right after the window was made, before its children: properties go in here.
  virtual void HandleCreated();
  virtual void WndProc(TMessage& msg);
  // The window class's own processing (DefWindowProc, or the system class's procedure).
  void DefaultHandler(TMessage& msg);

  // Notifications the parent reflects to the control that sent them.
  virtual void CNCommand(TMessage& msg, WORD code);
  virtual void CNNotify(TMessage& msg, NMHDR* header);

  virtual HFONT ControlFont();

  void WMSetFocus(TMessage& msg);
  void WMSize(TMessage& msg);
  void WMCommand(TMessage& msg);
  void WMNotify(TMessage& msg);
  void CMCreateChildren(TMessage& msg);

  bool FDestroying = false;

private:
  friend class TForm;
  static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static void RegisterOwnClass(const TCreateParams& params);
  void Attach(HWND wnd);
  void Detach();
  void ApplyTabOrder();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  TWinControl* FParent = nullptr;
  std::vector<TWinControl*> FControls;  // in creation order
  std::vector<TWinControl*> FTabList;   // children with a tab order, in that order
  TWndMethod FWindowProc;
  TAlign FAlign = TAlign::alNone;
  RECT FBounds{0, 0, 0, 0};  // left, top, right, bottom while there is no window
  std::wstring FCaption;
  bool FVisible = true;
  bool FEnabled = true;
  bool FTabStop = false;
  bool FSubclassed = false;
  bool FChildrenPending = false;
  bool FRealigning = false;
};

}  // namespace toolkit
