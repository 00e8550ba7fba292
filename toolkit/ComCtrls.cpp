#include "toolkit/ComCtrls.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

namespace toolkit {

int TTabSheet::PageIndex() const {
  for (int i = 0; i < FPageControl->PageCount(); ++i)
    if (FPageControl->Pages(i) == this) return i;
  return -1;
}

void TTabSheet::SetCaption(const std::wstring& caption) {
  FCaption = caption;
  FPageControl->UpdateTab(PageIndex());
}

TPageControl::TPageControl(TWinControl* parent) : TWinControl(parent) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 24);
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)initialised;
}

TPageControl::~TPageControl() = default;

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = WC_TABCONTROLW;
  params.SystemClass = true;
  params.Style |= WS_CLIPSIBLINGS;
}

void TPageControl::HandleCreated() {
  TWinControl::HandleCreated();
  for (int i = 0; i < PageCount(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(FSheets[size_t(i)]->FCaption.c_str());
    SendMessageW(Handle(), TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(FActiveIndex), 0);
}

TTabSheet* TPageControl::AddSheet(const std::wstring& caption, intptr_t tag) {
  FSheets.push_back(std::unique_ptr<TTabSheet>(new TTabSheet(this)));
  TTabSheet* sheet = FSheets.back().get();
  sheet->FCaption = caption;
  sheet->Tag = tag;
  if (HandleAllocated()) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(sheet->FCaption.c_str());
    SendMessageW(Handle(), TCM_INSERTITEMW, WPARAM(PageCount() - 1), reinterpret_cast<LPARAM>(&item));
  }
  return sheet;
}

void TPageControl::FreeSheet(TTabSheet* sheet) {
  const int index = sheet ? sheet->PageIndex() : -1;
  if (index < 0) return;
  if (HandleAllocated()) {
    SendMessageW(Handle(), TCM_DELETEITEM, WPARAM(index), 0);
  } else if (FActiveIndex == index) {
    FActiveIndex = -1;
  } else if (FActiveIndex > index) {
    --FActiveIndex;
  }
  FSheets.erase(FSheets.begin() + index);
}

TTabSheet* TPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? FSheets[size_t(index)].get() : nullptr;
}

int TPageControl::ActivePageIndex() const {
  if (HandleAllocated())
    return int(SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
  return FActiveIndex;
}

TTabSheet* TPageControl::ActivePage() const { return Pages(ActivePageIndex()); }

void TPageControl::SetActivePage(TTabSheet* sheet) {
  SetActivePageIndex(sheet ? sheet->PageIndex() : -1);
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < -1 || index >= PageCount()) index = -1;
  FActiveIndex = index;
  // TCM_SETCURSEL sends no TCN_SELCHANGING / TCN_SELCHANGE: code does not raise the events.
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, WPARAM(index), 0);
}

void TPageControl::UpdateTab(int index) {
  if (index < 0 || !HandleAllocated()) return;
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(FSheets[size_t(index)]->FCaption.c_str());
  SendMessageW(Handle(), TCM_SETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
}

void TPageControl::CNNotify(TMessage& msg, NMHDR* header) {
  msg.Result = 0;
  switch (header->code) {
    case TCN_SELCHANGING: {
      bool allow = true;
      if (OnChanging) OnChanging(this, allow);
      msg.Result = allow ? FALSE : TRUE;
      break;
    }
    case TCN_SELCHANGE:
      FActiveIndex = ActivePageIndex();
      if (OnChange) OnChange(this);
      break;
    default: break;
  }
}

}  // namespace toolkit
