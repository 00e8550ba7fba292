#include "toolkit/Controls.h"

#include <algorithm>

#include "rtl/SysUtils.h"
#include "rtl/WindowClass.h"
#include "toolkit/Forms.h"

namespace toolkit {

namespace {

const wchar_t kControlProp[] = L"TavloToolkitControl";

// The control whose window CreateWindowExW is making right now: messages that arrive before
// WM_NCCREATE (WM_GETMINMAXINFO for top-level windows) reach it through this.
thread_local TWinControl* gCreating = nullptr;

UINT_PTR NextChildId() {
  static UINT_PTR id = 1000;
  return ++id;
}

}  // namespace

TWinControl::TWinControl(TWinControl* parent) {
  FWindowProc = [this](TMessage& msg) { WndProc(msg); };
  if (parent) SetParent(parent);
}

TWinControl::~TWinControl() {
  FDestroying = true;
  if (TForm* form = GetParentForm(); form && form != this && form->FActiveControl == this)
    form->FActiveControl = nullptr;
  DestroyHandle();
  for (TWinControl* child : FControls) child->FParent = nullptr;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    auto& tabs = FParent->FTabList;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    auto& tabs = FParent->FTabList;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  }
  FParent = parent;
  if (!parent) {
    if (FHandle) ::SetParent(FHandle, nullptr);
    return;
  }
  parent->FControls.push_back(this);
  if (FTabStop) parent->FTabList.push_back(this);
  if (FHandle) {
    if (parent->FHandle) ::SetParent(FHandle, parent->FHandle);
    else DestroyHandle();  // made again with the parent's window
  } else if (parent->FHandle && !parent->FChildrenPending) {
    // Usually called from a constructor, where the subclass's creation parameters are not
    // there yet: the window is made from the parent's message loop, or by an earlier Handle().
    parent->FChildrenPending = true;
    PostMessageW(parent->FHandle, CM_CREATECHILDREN, 0, 0);
  }
  parent->Realign();
}

HWND TWinControl::Handle() {
  if (!FHandle && !FDestroying) {
    if (FParent) FParent->Handle();  // makes this one too, among its children
    if (!FHandle) CreateWnd();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FCaption;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | (FVisible ? WS_VISIBLE : 0) |
                 (FTabStop ? WS_TABSTOP : 0) | (FEnabled ? 0 : WS_DISABLED);
  params.X = FBounds.left;
  params.Y = FBounds.top;
  params.Width = FBounds.right - FBounds.left;
  params.Height = FBounds.bottom - FBounds.top;
  params.WndParent = FParent ? FParent->FHandle : nullptr;
  params.WinClassName = L"TavloControl";
}

void TWinControl::RegisterOwnClass(const TCreateParams& params) {
  if (!rtl::RegisterWindowClass({.Name = params.WinClassName.c_str(),
                                 .Proc = &TWinControl::StaticWndProc,
                                 .Style = CS_DBLCLKS,
                                 .Cursor = LoadCursorW(nullptr, IDC_ARROW),
                                 .Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}))
    throw rtl::EOSError(L"Cannot register window class " + params.WinClassName, GetLastError());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw rtl::Exception(L"Control has no parent window");
  if (!params.SystemClass) RegisterOwnClass(params);
  HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(NextChildId()) : nullptr;
  TWinControl* saved = gCreating;
  gCreating = params.SystemClass ? nullptr : this;
  HWND wnd = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, id, GetModuleHandleW(nullptr), this);
  gCreating = saved;
  if (!wnd) throw rtl::EOSError(L"Cannot create window " + params.WinClassName, GetLastError());
  if (params.SystemClass) {
    Attach(wnd);
    FDefWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StaticWndProc)));
    FSubclassed = true;
  } else if (!FHandle) {
    Attach(wnd);
  }
  HandleCreated();
  for (TWinControl* child : std::vector<TWinControl*>(FControls))
    if (!child->FHandle) child->CreateWnd();
  ApplyTabOrder();
  Realign();
}

void TWinControl::HandleCreated() {
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  if (FParent) FParent->ApplyTabOrder();
}

HFONT TWinControl::ControlFont() {
  TForm* form = GetParentForm();
  if (form && form != this) return form->ControlFont();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TWinControl::Attach(HWND wnd) {
  FHandle = wnd;
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropW(wnd, kControlProp, reinterpret_cast<HANDLE>(this));
}

void TWinControl::Detach() {
  if (!FHandle) return;
  RemovePropW(FHandle, kControlProp);
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  if (FSubclassed) {
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
    FSubclassed = false;
  }
  FDefWndProc = nullptr;
  FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  // Remember what the window shows, so that a later window looks the same.
  if (!FDestroying) {
    FCaption = Caption();
    FBounds = RECT{Left(), Top(), Left() + Width(), Top() + Height()};
  }
  HWND wnd = FHandle;
  // Children are told by their WM_NCDESTROY; this control no longer hears its own window.
  Detach();
  DestroyWindow(wnd);
}

TWinControl* TWinControl::FindControl(HWND wnd) {
  if (!wnd) return nullptr;
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != GetCurrentProcessId()) return nullptr;
  return reinterpret_cast<TWinControl*>(GetPropW(wnd, kControlProp));
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) {
    if (msg == WM_NCCREATE) self = static_cast<TWinControl*>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    else if (gCreating && !gCreating->FHandle) self = gCreating;
    if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
    self->Attach(wnd);
    gCreating = nullptr;
  }
  if (msg == WM_NCDESTROY) {
    WNDPROC def = self->FDefWndProc ? self->FDefWndProc : DefWindowProcW;
    self->Detach();
    return CallWindowProcW(def, wnd, msg, wParam, lParam);
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    if (self->FWindowProc) self->FWindowProc(m);
    else self->WndProc(m);
  } catch (...) {
    Application().HandleException();
    m.Result = 0;
  }
  return m.Result;
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (FWindowProc) FWindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TWinControl::DefaultHandler(TMessage& msg) {
  if (!FHandle) {
    msg.Result = 0;
    return;
  }
  msg.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, msg.Msg,
                               msg.WParam, msg.LParam);
}

void TWinControl::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_SETFOCUS: WMSetFocus(msg); break;
    case WM_SIZE: WMSize(msg); break;
    case WM_COMMAND: WMCommand(msg); break;
    case WM_NOTIFY: WMNotify(msg); break;
    case CM_CREATECHILDREN: CMCreateChildren(msg); break;
    default: DefaultHandler(msg); break;
  }
}

void TWinControl::WMSetFocus(TMessage& msg) {
  DefaultHandler(msg);
  TForm* form = GetParentForm();
  if (form && form != this) form->FActiveControl = this;
}

void TWinControl::WMSize(TMessage& msg) {
  DefaultHandler(msg);
  Realign();
}

void TWinControl::WMCommand(TMessage& msg) {
  if (TWinControl* sender = FindControl(reinterpret_cast<HWND>(msg.LParam)); sender && sender != this)
    sender->CNCommand(msg, HIWORD(msg.WParam));
  else
    DefaultHandler(msg);
}

void TWinControl::WMNotify(TMessage& msg) {
  auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
  if (TWinControl* sender = header ? FindControl(header->hwndFrom) : nullptr; sender && sender != this)
    sender->CNNotify(msg, header);
  else
    DefaultHandler(msg);
}

void TWinControl::CMCreateChildren(TMessage& msg) {
  msg.Result = 0;
  FChildrenPending = false;
  bool made = false;
  for (TWinControl* child : std::vector<TWinControl*>(FControls)) {
    if (!child->FHandle) {
      child->CreateWnd();
      made = true;
    }
  }
  if (made) {
    ApplyTabOrder();
    Realign();
  }
}

void TWinControl::CNCommand(TMessage& msg, WORD) { msg.Result = 0; }
void TWinControl::CNNotify(TMessage& msg, NMHDR*) { msg.Result = 0; }

int TWinControl::Left() const {
  if (!FHandle) return FBounds.left;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (HWND parent = (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) ? GetParent(FHandle) : nullptr)
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r.left;
}

int TWinControl::Top() const {
  if (!FHandle) return FBounds.top;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (HWND parent = (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) ? GetParent(FHandle) : nullptr)
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

int TWinControl::Width() const {
  if (!FHandle) return FBounds.right - FBounds.left;
  RECT r;
  GetWindowRect(FHandle, &r);
  return r.right - r.left;
}

int TWinControl::Height() const {
  if (!FHandle) return FBounds.bottom - FBounds.top;
  RECT r;
  GetWindowRect(FHandle, &r);
  return r.bottom - r.top;
}

void TWinControl::ConstrainSize(int& width, int& height) const {
  if (Constraints.MaxWidth > 0) width = std::min(width, Constraints.MaxWidth);
  if (Constraints.MaxHeight > 0) height = std::min(height, Constraints.MaxHeight);
  width = std::max(width, Constraints.MinWidth);
  height = std::max(height, Constraints.MinHeight);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  ConstrainSize(width, height);
  FBounds = RECT{left, top, left + width, top + height};
  if (FHandle)
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() {
  RECT r{0, 0, 0, 0};
  if (FHandle) {
    GetClientRect(FHandle, &r);
    return r;
  }
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  r.right = std::max<LONG>(0, Width() - (frame.right - frame.left));
  r.bottom = std::max<LONG>(0, Height() - (frame.bottom - frame.top));
  return r;
}

int TWinControl::ClientWidth() { return ClientRect().right; }
int TWinControl::ClientHeight() { return ClientRect().bottom; }

void TWinControl::SetClientSize(int width, int height) {
  const RECT client = ClientRect();
  SetBounds(Left(), Top(), width + Width() - client.right, height + Height() - client.bottom);
}

void TWinControl::SetAlign(TAlign align) {
  FAlign = align;
  if (FParent) FParent->Realign();
}

void TWinControl::Realign() {
  if (!FHandle || FRealigning) return;
  FRealigning = true;
  RECT r;
  GetClientRect(FHandle, &r);
  auto place = [&](TAlign which) {
    for (TWinControl* c : FControls) {
      if (c->FAlign != which || !c->FVisible) continue;
      const int w = c->Width(), h = c->Height();
      switch (which) {
        case TAlign::alTop: c->SetBounds(r.left, r.top, r.right - r.left, h); r.top += h; break;
        case TAlign::alBottom: c->SetBounds(r.left, r.bottom - h, r.right - r.left, h); r.bottom -= h; break;
        case TAlign::alLeft: c->SetBounds(r.left, r.top, w, r.bottom - r.top); r.left += w; break;
        case TAlign::alRight: c->SetBounds(r.right - w, r.top, w, r.bottom - r.top); r.right -= w; break;
        case TAlign::alClient: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
        case TAlign::alNone: break;
      }
    }
  };
  try {
    for (TAlign a : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient})
      place(a);
  } catch (...) {
    FRealigning = false;
    throw;
  }
  FRealigning = false;
}

void TWinControl::SetVisible(bool visible) {
  FVisible = visible;
  if (FHandle) ShowWindow(FHandle, visible ? SW_SHOW : SW_HIDE);
  if (FParent) FParent->Realign();
}

void TWinControl::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FHandle) EnableWindow(FHandle, enabled);
}

std::wstring TWinControl::Caption() const {
  if (!FHandle) return FCaption;
  std::wstring text(size_t(GetWindowTextLengthW(FHandle)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(FHandle, text.data(), int(text.size()))));
  return text;
}

void TWinControl::SetCaption(const std::wstring& caption) {
  FCaption = caption;
  if (FHandle) SetWindowTextW(FHandle, caption.c_str());
}

void TWinControl::SetTabStop(bool v) {
  if (v == FTabStop) return;
  FTabStop = v;
  if (FParent) {
    auto& tabs = FParent->FTabList;
    if (v) tabs.push_back(this);
    else tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  }
  if (FHandle) {
    LONG style = GetWindowLongW(FHandle, GWL_STYLE);
    SetWindowLongW(FHandle, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
  if (FParent) FParent->ApplyTabOrder();
}

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  const auto& tabs = FParent->FTabList;
  auto it = std::find(tabs.begin(), tabs.end(), this);
  return it == tabs.end() ? -1 : int(it - tabs.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!FParent || !FTabStop) return;
  auto& tabs = FParent->FTabList;
  tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
  order = std::clamp(order, 0, int(tabs.size()));
  tabs.insert(tabs.begin() + order, this);
  FParent->ApplyTabOrder();
}

// The system moves the focus along the z-order, so the windows are stacked in tab order.
void TWinControl::ApplyTabOrder() {
  if (!FHandle) return;
  HWND after = HWND_TOP;
  for (TWinControl* c : FTabList) {
    if (!c->FHandle) continue;
    SetWindowPos(c->FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = c->FHandle;
  }
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->FParent)
    if (!c->FVisible || !c->FEnabled) return false;
  return true;
}

void TWinControl::SetFocus() {
  TForm* form = GetParentForm();
  if (form && form != this) form->FActiveControl = this;
  if (HWND wnd = Handle()) ::SetFocus(wnd);
}

TForm* TWinControl::GetParentForm() {
  for (TWinControl* c = this; c; c = c->FParent)
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

}  // namespace toolkit
