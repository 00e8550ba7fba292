#pragma once
// The tab strip: a row of tabs, one per sheet. OnChanging and OnChange follow the user's choice
// of a tab only; setting the active sheet from code raises neither. UI thread only.
#include <memory>

#include "toolkit/Controls.h"

namespace toolkit {

class TPageControl;

class TTabSheet : public TObject {
public:
  std::wstring Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption);
  TPageControl* PageControl() const { return FPageControl; }
  int PageIndex() const;

private:
  friend class TPageControl;
  explicit TTabSheet(TPageControl* owner) : FPageControl(owner) {}
  TPageControl* FPageControl;
  std::wstring FCaption;
};

class TPageControl : public TWinControl {
public:
  explicit TPageControl(TWinControl* parent = nullptr);
  ~TPageControl() override;

  // A new sheet at the end; the page control owns it.
  TTabSheet* AddSheet(const std::wstring& caption = L"", intptr_t tag = 0);
  // Removes the sheet and frees it. When it was the active sheet no sheet is active after.
  void FreeSheet(TTabSheet* sheet);
  int PageCount() const { return int(FSheets.size()); }
  TTabSheet* Pages(int index) const;

  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* sheet);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  TNotifyEvent OnChange;
  std::function<void(TObject* sender, bool& allowChange)> OnChanging;

protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void CNNotify(TMessage& msg, NMHDR* header) override;

private:
  friend class TTabSheet;
  void UpdateTab(int index);

  std::vector<std::unique_ptr<TTabSheet>> FSheets;
  int FActiveIndex = -1;  // while there is no window
};

}  // namespace toolkit
