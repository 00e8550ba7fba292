#include "vorad/core/VoraD.Core.DevToolsView.h"

#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Locker.h"

namespace {

const wchar_t DevToolsWindowName[] = L"DevTools";

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

TDevToolsView::TDevToolsView(toolkit::TWinControl* owner) : TWinControl(owner) {}

TDevToolsView::~TDevToolsView() {
  FDestroying = true;
  TLockHold hold(*DevToolsLocker);
  FBrowserDic.clear();
}

void TDevToolsView::OpenDevToolsWindow(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt) {
  const std::wstring name = DevToolsWindowName;
  const cef_window_info_t windowInfo = NewDevToolsWindowInfo(name);
  cef_browser_settings_t settings{};
  settings.size = sizeof(settings);
  rtl::TRef<ICefClient> client(new TCefClientOwn());
  if (auto host = browser->GetHost()) host->ShowDevTools(&windowInfo, client, &settings, inspectElementAt);
}

void TDevToolsView::ShowDevTools(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt) {
  if (!browser) return;
  TLockHold hold(*DevToolsLocker);
  const int32_t id = browser->GetIdentifier();
  const auto it = FBrowserDic.find(id);
  // Already opened for this page: nothing. Showing the page's own window here would put a
  // hidden page over the active one.
  if (it != FBrowserDic.end()) return;
  OpenDevToolsWindow(browser, inspectElementAt);
  FBrowserDic.emplace(id, browser);
}

void TDevToolsView::CloseDevTools(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return;
  if (auto host = browser->GetHost()) host->CloseDevTools();
  TLockHold hold(*DevToolsLocker);
  FBrowserDic.erase(browser->GetIdentifier());
}

bool TDevToolsView::IsOpenedFor(int32_t browserId) {
  TLockHold hold(*DevToolsLocker);
  return FBrowserDic.count(browserId) != 0;
}
