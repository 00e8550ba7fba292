#pragma once
// The password dialog of HTTP authentication: user name and password, "OK" (Enter) and
// "Cancel" (Esc or the close box). Made without owner, shown modally and freed right after, on
// the main thread; the fields start empty every time.
#include "toolkit/StdCtrls.h"


class TPasswordDlg : public toolkit::TForm {
public:
  TPasswordDlg();

  // Published controls in their stored order; the tab order is edtusername, edtPassword,
  // OKBtn, CancelBtn.
  toolkit::TLabel Label1;
  toolkit::TEdit edtPassword;
  toolkit::TButton OKBtn;
  toolkit::TButton CancelBtn;
  toolkit::TLabel Label2;
  toolkit::TEdit edtusername;
};

