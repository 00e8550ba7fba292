#include "vorad/core/VoraD.CustomDialog.h"


TPasswordDlg::TPasswordDlg()
    : Label1(this), edtPassword(this), OKBtn(this), CancelBtn(this), Label2(this),
      edtusername(this) {
  using namespace toolkit;
  BorderStyle = TFormBorderStyle::bsDialog;
  Position = TPosition::poScreenCenter;
  SetCaption(L"Authentication");
  SetBounds(245, 108, Width(), Height());
  SetClientSize(233, 128);

  Label2.SetBounds(8, 3, 48, 13);
  Label2.SetCaption(L"Username");
  edtusername.SetBounds(24, 22, 201, 21);
  Label1.SetBounds(8, 49, 46, 13);
  Label1.SetCaption(L"Password");
  edtPassword.SetBounds(24, 68, 201, 21);
  edtPassword.SetPasswordChar(L'*');
  OKBtn.SetBounds(62, 95, 75, 25);
  OKBtn.SetCaption(L"OK");
  OKBtn.Default = true;
  OKBtn.ModalResult = mrOk;
  CancelBtn.SetBounds(150, 95, 75, 25);
  CancelBtn.SetCaption(L"Cancel");
  CancelBtn.Cancel = true;
  CancelBtn.ModalResult = mrCancel;

  edtusername.SetTabOrder(0);
  edtPassword.SetTabOrder(1);
  OKBtn.SetTabOrder(2);
  CancelBtn.SetTabOrder(3);
}

