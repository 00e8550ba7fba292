#include "toolkit/Dialogs.h"

#include "toolkit/StdCtrls.h"

namespace toolkit {

int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void ShowMessage(const std::wstring& text) { Application().MessageBox(text, L"", MB_OK); }

namespace {

class TInputQueryForm : public TForm {
public:
  TInputQueryForm(const std::wstring& caption, const std::wstring& prompt)
      : Prompt(this), Value(this), OkButton(this), CancelButton(this) {
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetCaption(caption);
    SetClientSize(300, 96);
    Prompt.SetBounds(8, 8, 284, 13);
    Prompt.SetCaption(prompt);
    Value.SetBounds(8, 26, 284, 21);
    OkButton.SetBounds(136, 62, 75, 25);
    OkButton.SetCaption(L"OK");
    OkButton.Default = true;
    OkButton.ModalResult = mrOk;
    CancelButton.SetBounds(217, 62, 75, 25);
    CancelButton.SetCaption(L"Cancel");
    CancelButton.Cancel = true;
    CancelButton.ModalResult = mrCancel;
  }
  TLabel Prompt;
  TEdit Value;
  TButton OkButton;
  TButton CancelButton;
};

}  // namespace

bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value) {
  TInputQueryForm form(caption, prompt);
  form.Value.SetText(value);
  form.Handle();
  form.Value.SelectAll();
  if (form.ShowModal() != mrOk) return false;
  value = form.Value.Text();
  return true;
}

}  // namespace toolkit
