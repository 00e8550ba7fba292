#pragma once
// Standard controls made from the system's own window classes: push button, single-line edit
// and label. UI thread only.
#include "toolkit/Forms.h"

namespace toolkit {

class TButton : public TWinControl {
public:
  explicit TButton(TWinControl* parent = nullptr);
  // Default: Enter clicks it; Cancel: Esc clicks it (in the form that contains it).
  bool Default = false;
  bool Cancel = false;
  // When not mrNone, a click sets the containing form's ModalResult.
  TModalResult ModalResult = mrNone;
  TNotifyEvent OnClick;
  // What a click of the user does: the form's modal result, then OnClick.
  void Click();

protected:
  void CreateParams(TCreateParams& params) override;
  void CNCommand(TMessage& msg, WORD code) override;
};

class TEdit : public TWinControl {
public:
  explicit TEdit(TWinControl* parent = nullptr);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  // Shown in place of every character; 0 shows the text.
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t ch);
  void SelectAll();

protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

private:
  wchar_t FPasswordChar = 0;
};

class TLabel : public TWinControl {
public:
  explicit TLabel(TWinControl* parent = nullptr);
  // The label takes the width of its text in its font once it has a window, so a caption
  // never shows cut off where the font is wider than the one the layout was made with.
  bool AutoSize = true;
  void SetCaption(const std::wstring& caption);

protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

private:
  void AdjustSize();
};

}  // namespace toolkit
