#pragma once
// Input of a page window, UI thread: keys to the keyboard handler, focus to the focus handler,
// the right mouse button to the context-menu handler with a menu model.
#include <memory>

#include "Cef.Browser.h"

namespace standin {

// True when the handler consumed the key (the window then does nothing more with it).
bool PageKey(const std::shared_ptr<TBrowserState>& st, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// The focus leaves the page: on_take_focus (next: Tab, else Shift+Tab).
void PageTakeFocus(const std::shared_ptr<TBrowserState>& st, bool next);
// The page window got the focus. False when the handler refused it.
bool PageGotFocus(const std::shared_ptr<TBrowserState>& st);
// A committed navigation focuses the page when its window is in the active window, unless
// on_set_focus (FOCUS_SOURCE_NAVIGATION) refuses.
void PageNavigationFocus(const std::shared_ptr<TBrowserState>& st);
void PageContextMenu(const std::shared_ptr<TBrowserState>& st, HWND hwnd, int x, int y);

cef_menu_model_t* NewMenuModel();

}  // namespace standin
