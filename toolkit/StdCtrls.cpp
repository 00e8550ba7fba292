#include "toolkit/StdCtrls.h"

#include <algorithm>

#include "rtl/Handles.h"

namespace toolkit {

TButton::TButton(TWinControl* parent) : TWinControl(parent) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CNCommand(TMessage& msg, WORD code) {
  msg.Result = 0;
  if (code == BN_CLICKED) Click();
}

void TButton::Click() {
  if (ModalResult != mrNone)
    if (TForm* form = GetParentForm()) form->SetModalResult(ModalResult);
  if (OnClick) OnClick(this);
}

TEdit::TEdit(TWinControl* parent) : TWinControl(parent) {
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"EDIT";
  params.SystemClass = true;
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FPasswordChar) params.Style |= ES_PASSWORD;
}

void TEdit::HandleCreated() {
  TWinControl::HandleCreated();
  SendMessageW(Handle(), EM_SETPASSWORDCHAR, FPasswordChar, 0);
}

void TEdit::SetPasswordChar(wchar_t ch) {
  FPasswordChar = ch;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, ch, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

TLabel::TLabel(TWinControl* parent) : TWinControl(parent) { SetBounds(0, 0, 65, 13); }

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"STATIC";
  params.SystemClass = true;
  params.Style |= SS_LEFT;
}

void TLabel::HandleCreated() {
  TWinControl::HandleCreated();
  AdjustSize();
}

void TLabel::SetCaption(const std::wstring& caption) {
  TWinControl::SetCaption(caption);
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!AutoSize || !HandleAllocated()) return;
  const std::wstring text = Caption();
  const rtl::TWindowDC dc(Handle());
  HGDIOBJ old = SelectObject(dc.Get(), ControlFont());
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), int(text.size()), &size);
  SelectObject(dc.Get(), old);
  SetBounds(Left(), Top(), size.cx, std::max<int>(Height(), size.cy));
}

}  // namespace toolkit
