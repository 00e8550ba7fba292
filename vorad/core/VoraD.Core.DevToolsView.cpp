#include "vorad/core/VoraD.Core.DevToolsView.h"

#include <map>

#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Locker.h"

namespace {

const wchar_t DevToolsWindowName[] = L"DevTools";

// DevToolsLocker, also when a tools window closes after the unit's end (runtime shutdown).
class TDevToolsLock {
public:
  TDevToolsLock() : FLocker(DevToolsLocker.get()) {
    if (FLocker) FLocker->Enter();
  }
  ~TDevToolsLock() {
    if (FLocker) FLocker->Exit();
  }
  TDevToolsLock(const TDevToolsLock&) = delete;
  TDevToolsLock& operator=(const TDevToolsLock&) = delete;

private:
  TVoraDLocker* FLocker;
};

}  // namespace

// Each entry carries the number of the tools window opened for it: a window that closes late
// (after CloseDevTools and a new ShowDevTools) removes nothing but its own entry.
class TDevToolsTable : public rtl::TInterfacedObject {
public:
  struct TEntry {
    rtl::TRef<ICefBrowser> browser;
    uint32_t window;
  };
  std::map<int32_t, TEntry> Entries;
  uint32_t LastWindow = 0;

  void WindowClosed(int32_t browserId, uint32_t window) {
    TDevToolsLock hold;
    const auto it = Entries.find(browserId);
    if (it != Entries.end() && it->second.window == window) Entries.erase(it);
  }
};

namespace {

class TDevToolsLifeSpanHandler : public TCefLifeSpanHandlerOwn {
public:
  TDevToolsLifeSpanHandler(const rtl::TRef<TDevToolsTable>& table, int32_t browserId, uint32_t window)
      : FTable(table), FBrowserId(browserId), FWindow(window) {}
  // UI thread: the tools window is going, whoever closed it.
  void OnBeforeClose(const rtl::TRef<ICefBrowser>& /*browser*/) override { FTable->WindowClosed(FBrowserId, FWindow); }

private:
  rtl::TRef<TDevToolsTable> FTable;
  int32_t FBrowserId;
  uint32_t FWindow;
};

// The tools window's client: no handlers but the one that notices the window's end.
class TDevToolsClient : public TCefClientOwn {
public:
  explicit TDevToolsClient(const rtl::TRef<ICefLifeSpanHandler>& lifeSpan) : FLifeSpan(lifeSpan) {}
  rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() override { return FLifeSpan; }

private:
  rtl::TRef<ICefLifeSpanHandler> FLifeSpan;
};

}  // namespace

cef_window_info_t NewDevToolsWindowInfo(const std::wstring& windowName) {
  cef_window_info_t info{};
  info.style = DevToolsWindowStyle;
  info.x = 0;
  info.y = 0;
  info.width = GetSystemMetrics(SM_CXSCREEN);
  info.height = GetSystemMetrics(SM_CYSCREEN);
  // A view of the caller's text: the runtime copies it during the call.
  info.window_name.str = const_cast<wchar_t*>(windowName.c_str());
  info.window_name.length = windowName.size();
  info.window_name.dtor = nullptr;
  info.parent_window = nullptr;
  return info;
}

TDevToolsView::TDevToolsView(toolkit::TWinControl* owner) : TWinControl(owner), FBrowserDic(new TDevToolsTable()) {}

TDevToolsView::~TDevToolsView() {
  FDestroying = true;
  TDevToolsLock hold;
  FBrowserDic->Entries.clear();
}

void TDevToolsView::OpenDevToolsWindow(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt,
                                       uint32_t windowNumber) {
  const std::wstring name = DevToolsWindowName;
  const cef_window_info_t windowInfo = NewDevToolsWindowInfo(name);
  cef_browser_settings_t settings{};
  settings.size = sizeof(settings);
  rtl::TRef<ICefClient> client(new TDevToolsClient(rtl::TRef<ICefLifeSpanHandler>(
      new TDevToolsLifeSpanHandler(FBrowserDic, browser->GetIdentifier(), windowNumber))));
  if (auto host = browser->GetHost()) host->ShowDevTools(&windowInfo, client, &settings, inspectElementAt);
}

void TDevToolsView::ShowDevTools(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt) {
  if (!browser) return;
  TDevToolsLock hold;
  const int32_t id = browser->GetIdentifier();
  // Already opened for this page: nothing. Showing the page's own window here would put a
  // hidden page over the active one.
  if (FBrowserDic->Entries.count(id)) return;
  const uint32_t window = ++FBrowserDic->LastWindow;
  // In the table before the window exists: a window that closes at once removes its entry.
  FBrowserDic->Entries[id] = TDevToolsTable::TEntry{browser, window};
  OpenDevToolsWindow(browser, inspectElementAt, window);
}

void TDevToolsView::CloseDevTools(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return;
  if (auto host = browser->GetHost()) host->CloseDevTools();
  TDevToolsLock hold;
  FBrowserDic->Entries.erase(browser->GetIdentifier());
}

bool TDevToolsView::IsOpenedFor(int32_t browserId) {
  TDevToolsLock hold;
  return FBrowserDic->Entries.count(browserId) != 0;
}
