#include "Cef.Input.h"

#include <vector>

#include "Cef.Trace.h"

namespace standin {

namespace {

struct TMenuItem;
using TItems = std::vector<TMenuItem>;

struct TMenuItem {
  cef_menu_item_type_t type = MENUITEMTYPE_COMMAND;
  int id = 0;
  std::wstring label;
  int group = -1;
  bool visible = true, enabled = true, checked = false;
  bool hasAccel = false;
  int key = 0, shift = 0, ctrl = 0, alt = 0;
  std::shared_ptr<TItems> sub;
};

class TMenuModel : public TCefObject<TMenuModel, cef_menu_model_t> {
public:
  explicit TMenuModel(std::shared_ptr<TItems> items) : FItems(std::move(items)) {
    auto& s = FStruct;
    s.clear = [](cef_menu_model_t* self) CALLBACK -> int {
      From(self)->FItems->clear();
      return 1;
    };
    s.get_count = [](cef_menu_model_t* self) CALLBACK -> int { return static_cast<int>(From(self)->FItems->size()); };
    s.add_separator = [](cef_menu_model_t* self) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(-1, MENUITEMTYPE_SEPARATOR, -1, nullptr, -1); });
    };
    s.add_item = [](cef_menu_model_t* self, int id, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(-1, MENUITEMTYPE_COMMAND, id, label, -1); });
    };
    s.add_check_item = [](cef_menu_model_t* self, int id, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(-1, MENUITEMTYPE_CHECK, id, label, -1); });
    };
    s.add_radio_item = [](cef_menu_model_t* self, int id, const cef_string_t* label, int group) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(-1, MENUITEMTYPE_RADIO, id, label, group); });
    };
    s.add_sub_menu = [](cef_menu_model_t* self, int id, const cef_string_t* label) CALLBACK -> cef_menu_model_t* {
      return Guard<cef_menu_model_t*>(nullptr, [&] { return From(self)->InsertSub(-1, id, label); });
    };
    s.insert_separator_at = [](cef_menu_model_t* self, int index) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(index, MENUITEMTYPE_SEPARATOR, -1, nullptr, -1); });
    };
    s.insert_item_at = [](cef_menu_model_t* self, int index, int id, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(index, MENUITEMTYPE_COMMAND, id, label, -1); });
    };
    s.insert_check_item_at = [](cef_menu_model_t* self, int index, int id, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(index, MENUITEMTYPE_CHECK, id, label, -1); });
    };
    s.insert_radio_item_at = [](cef_menu_model_t* self, int index, int id, const cef_string_t* label, int group) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Insert(index, MENUITEMTYPE_RADIO, id, label, group); });
    };
    s.insert_sub_menu_at = [](cef_menu_model_t* self, int index, int id, const cef_string_t* label) CALLBACK -> cef_menu_model_t* {
      return Guard<cef_menu_model_t*>(nullptr, [&] { return From(self)->InsertSub(index, id, label); });
    };
    s.remove = [](cef_menu_model_t* self, int id) CALLBACK -> int { return From(self)->RemoveAt(From(self)->IndexOf(id)); };
    s.remove_at = [](cef_menu_model_t* self, int index) CALLBACK -> int { return From(self)->RemoveAt(index); };
    s.get_index_of = [](cef_menu_model_t* self, int id) CALLBACK -> int { return From(self)->IndexOf(id); };
    s.get_command_id_at = [](cef_menu_model_t* self, int index) CALLBACK -> int {
      TMenuItem* i = From(self)->At(index);
      return i ? i->id : -1;
    };
    s.set_command_id_at = [](cef_menu_model_t* self, int index, int id) CALLBACK -> int {
      TMenuItem* i = From(self)->At(index);
      if (!i) return 0;
      i->id = id;
      return 1;
    };
    s.get_label = [](cef_menu_model_t* self, int id) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
        TMenuItem* i = From(self)->ById(id);
        return i ? NewUserFree(i->label) : nullptr;
      });
    };
    s.get_label_at = [](cef_menu_model_t* self, int index) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
        TMenuItem* i = From(self)->At(index);
        return i ? NewUserFree(i->label) : nullptr;
      });
    };
    s.set_label = [](cef_menu_model_t* self, int id, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return Set(From(self)->ById(id), [&](TMenuItem& i) { i.label = ToW(label); }); });
    };
    s.set_label_at = [](cef_menu_model_t* self, int index, const cef_string_t* label) CALLBACK -> int {
      return Guard(0, [&] { return Set(From(self)->At(index), [&](TMenuItem& i) { i.label = ToW(label); }); });
    };
    s.get_type = [](cef_menu_model_t* self, int id) CALLBACK -> cef_menu_item_type_t {
      TMenuItem* i = From(self)->ById(id);
      return i ? i->type : MENUITEMTYPE_NONE;
    };
    s.get_type_at = [](cef_menu_model_t* self, int index) CALLBACK -> cef_menu_item_type_t {
      TMenuItem* i = From(self)->At(index);
      return i ? i->type : MENUITEMTYPE_NONE;
    };
    s.get_group_id = [](cef_menu_model_t* self, int id) CALLBACK -> int {
      TMenuItem* i = From(self)->ById(id);
      return i ? i->group : -1;
    };
    s.get_group_id_at = [](cef_menu_model_t* self, int index) CALLBACK -> int {
      TMenuItem* i = From(self)->At(index);
      return i ? i->group : -1;
    };
    s.set_group_id = [](cef_menu_model_t* self, int id, int g) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.group = g; });
    };
    s.set_group_id_at = [](cef_menu_model_t* self, int index, int g) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.group = g; });
    };
    s.get_sub_menu = [](cef_menu_model_t* self, int id) CALLBACK -> cef_menu_model_t* {
      return Guard<cef_menu_model_t*>(nullptr, [&] { return Sub(From(self)->ById(id)); });
    };
    s.get_sub_menu_at = [](cef_menu_model_t* self, int index) CALLBACK -> cef_menu_model_t* {
      return Guard<cef_menu_model_t*>(nullptr, [&] { return Sub(From(self)->At(index)); });
    };
    s.is_visible = [](cef_menu_model_t* self, int id) CALLBACK -> int { return Get(From(self)->ById(id), &TMenuItem::visible); };
    s.is_visible_at = [](cef_menu_model_t* self, int index) CALLBACK -> int { return Get(From(self)->At(index), &TMenuItem::visible); };
    s.set_visible = [](cef_menu_model_t* self, int id, int v) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.visible = v != 0; });
    };
    s.set_visible_at = [](cef_menu_model_t* self, int index, int v) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.visible = v != 0; });
    };
    s.is_enabled = [](cef_menu_model_t* self, int id) CALLBACK -> int { return Get(From(self)->ById(id), &TMenuItem::enabled); };
    s.is_enabled_at = [](cef_menu_model_t* self, int index) CALLBACK -> int { return Get(From(self)->At(index), &TMenuItem::enabled); };
    s.set_enabled = [](cef_menu_model_t* self, int id, int v) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.enabled = v != 0; });
    };
    s.set_enabled_at = [](cef_menu_model_t* self, int index, int v) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.enabled = v != 0; });
    };
    s.is_checked = [](cef_menu_model_t* self, int id) CALLBACK -> int { return Get(From(self)->ById(id), &TMenuItem::checked); };
    s.is_checked_at = [](cef_menu_model_t* self, int index) CALLBACK -> int { return Get(From(self)->At(index), &TMenuItem::checked); };
    s.set_checked = [](cef_menu_model_t* self, int id, int v) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.checked = v != 0; });
    };
    s.set_checked_at = [](cef_menu_model_t* self, int index, int v) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.checked = v != 0; });
    };
    s.has_accelerator = [](cef_menu_model_t* self, int id) CALLBACK -> int { return Get(From(self)->ById(id), &TMenuItem::hasAccel); };
    s.has_accelerator_at = [](cef_menu_model_t* self, int index) CALLBACK -> int { return Get(From(self)->At(index), &TMenuItem::hasAccel); };
    s.set_accelerator = [](cef_menu_model_t* self, int id, int key, int sh, int ct, int al) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.hasAccel = true, i.key = key, i.shift = sh, i.ctrl = ct, i.alt = al; });
    };
    s.set_accelerator_at = [](cef_menu_model_t* self, int index, int key, int sh, int ct, int al) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.hasAccel = true, i.key = key, i.shift = sh, i.ctrl = ct, i.alt = al; });
    };
    s.remove_accelerator = [](cef_menu_model_t* self, int id) CALLBACK -> int {
      return Set(From(self)->ById(id), [&](TMenuItem& i) { i.hasAccel = false; });
    };
    s.remove_accelerator_at = [](cef_menu_model_t* self, int index) CALLBACK -> int {
      return Set(From(self)->At(index), [&](TMenuItem& i) { i.hasAccel = false; });
    };
    s.get_accelerator = [](cef_menu_model_t* self, int id, int* key, int* sh, int* ct, int* al) CALLBACK -> int {
      return Accel(From(self)->ById(id), key, sh, ct, al);
    };
    s.get_accelerator_at = [](cef_menu_model_t* self, int index, int* key, int* sh, int* ct, int* al) CALLBACK -> int {
      return Accel(From(self)->At(index), key, sh, ct, al);
    };
  }

  int Insert(int index, cef_menu_item_type_t type, int id, const cef_string_t* label, int group) {
    if (index > static_cast<int>(FItems->size())) return 0;
    TMenuItem item;
    item.type = type;
    item.id = id;
    item.label = ToW(label);
    item.group = group;
    FItems->insert(index < 0 ? FItems->end() : FItems->begin() + index, std::move(item));
    return 1;
  }
  cef_menu_model_t* InsertSub(int index, int id, const cef_string_t* label) {
    if (!Insert(index, MENUITEMTYPE_SUBMENU, id, label, -1)) return nullptr;
    TMenuItem& item = index < 0 ? FItems->back() : (*FItems)[static_cast<size_t>(index)];
    item.sub = std::make_shared<TItems>();
    return (new TMenuModel(item.sub))->Struct();
  }
  int IndexOf(int id) const {
    for (size_t k = 0; k < FItems->size(); ++k)
      if ((*FItems)[k].id == id) return static_cast<int>(k);
    return -1;
  }
  TMenuItem* At(int index) {
    return index >= 0 && static_cast<size_t>(index) < FItems->size() ? &(*FItems)[static_cast<size_t>(index)] : nullptr;
  }
  TMenuItem* ById(int id) { return At(IndexOf(id)); }
  int RemoveAt(int index) {
    if (!At(index)) return 0;
    FItems->erase(FItems->begin() + index);
    return 1;
  }
  template <class F>
  static int Set(TMenuItem* i, F&& f) {
    if (!i) return 0;
    f(*i);
    return 1;
  }
  static int Get(TMenuItem* i, bool TMenuItem::*field) { return i && i->*field ? 1 : 0; }
  static cef_menu_model_t* Sub(TMenuItem* i) { return i && i->sub ? (new TMenuModel(i->sub))->Struct() : nullptr; }
  static int Accel(TMenuItem* i, int* key, int* sh, int* ct, int* al) {
    if (!i || !i->hasAccel) return 0;
    if (key) *key = i->key;
    if (sh) *sh = i->shift;
    if (ct) *ct = i->ctrl;
    if (al) *al = i->alt;
    return 1;
  }

  std::shared_ptr<TItems> FItems;
};

struct TMenuParamsData {
  int x = 0, y = 0;
  std::wstring pageUrl;
};

class TMenuParams : public TCefObject<TMenuParams, cef_context_menu_params_t> {
public:
  explicit TMenuParams(TMenuParamsData d) : FData(std::move(d)) {
    auto& s = FStruct;
    s.get_xcoord = [](cef_context_menu_params_t* self) CALLBACK -> int { return From(self)->FData.x; };
    s.get_ycoord = [](cef_context_menu_params_t* self) CALLBACK -> int { return From(self)->FData.y; };
    s.get_type_flags = [](cef_context_menu_params_t*) CALLBACK -> cef_context_menu_type_flags_t { return CM_TYPEFLAG_PAGE; };
    s.get_link_url = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return nullptr; };
    s.get_unfiltered_link_url = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return nullptr; };
    s.get_source_url = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return nullptr; };
    s.has_image_contents = [](cef_context_menu_params_t*) CALLBACK -> int { return 0; };
    s.get_page_url = [](cef_context_menu_params_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.pageUrl); };
    s.get_frame_url = [](cef_context_menu_params_t* self) CALLBACK -> cef_string_userfree_t { return NewUserFree(From(self)->FData.pageUrl); };
    s.get_frame_charset = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return NewUserFree(L"UTF-8"); };
    s.get_media_type = [](cef_context_menu_params_t*) CALLBACK -> cef_context_menu_media_type_t { return CM_MEDIATYPE_NONE; };
    s.get_media_state_flags = [](cef_context_menu_params_t*) CALLBACK -> cef_context_menu_media_state_flags_t { return CM_MEDIAFLAG_NONE; };
    s.get_selection_text = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return nullptr; };
    s.get_misspelled_word = [](cef_context_menu_params_t*) CALLBACK -> cef_string_userfree_t { return nullptr; };
    s.get_dictionary_suggestions = [](cef_context_menu_params_t*, cef_string_list_t) CALLBACK -> int { return 0; };
    s.is_editable = [](cef_context_menu_params_t*) CALLBACK -> int { return 0; };
    s.is_spell_check_enabled = [](cef_context_menu_params_t*) CALLBACK -> int { return 0; };
    s.get_edit_state_flags = [](cef_context_menu_params_t*) CALLBACK -> cef_context_menu_edit_state_flags_t { return CM_EDITFLAG_NONE; };
    s.is_custom_menu = [](cef_context_menu_params_t*) CALLBACK -> int { return 0; };
    s.is_pepper_menu = [](cef_context_menu_params_t*) CALLBACK -> int { return 0; };
  }
  TMenuParamsData FData;
};

uint32_t Modifiers() {
  uint32_t m = 0;
  if (GetKeyState(VK_SHIFT) & 0x8000) m |= EVENTFLAG_SHIFT_DOWN;
  if (GetKeyState(VK_CONTROL) & 0x8000) m |= EVENTFLAG_CONTROL_DOWN;
  if (GetKeyState(VK_MENU) & 0x8000) m |= EVENTFLAG_ALT_DOWN;
  if (GetKeyState(VK_CAPITAL) & 1) m |= EVENTFLAG_CAPS_LOCK_ON;
  if (GetKeyState(VK_NUMLOCK) & 1) m |= EVENTFLAG_NUM_LOCK_ON;
  return m;
}

HMENU BuildMenu(const TItems& items) {
  HMENU menu = CreatePopupMenu();
  for (const auto& i : items) {
    if (!i.visible) continue;
    if (i.type == MENUITEMTYPE_SEPARATOR) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (i.type == MENUITEMTYPE_SUBMENU && i.sub) {
      AppendMenuW(menu, MF_POPUP | (i.enabled ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(BuildMenu(*i.sub)), i.label.c_str());
    } else {
      AppendMenuW(menu, MF_STRING | (i.enabled ? 0 : MF_GRAYED) | (i.checked ? MF_CHECKED : 0), static_cast<UINT_PTR>(i.id),
                  i.label.c_str());
    }
  }
  return menu;
}

void DefaultCommand(const std::shared_ptr<TBrowserState>& st, int id) {
  switch (id) {
    case MENU_ID_BACK: PageGo(st, -1); break;
    case MENU_ID_FORWARD: PageGo(st, 1); break;
    case MENU_ID_RELOAD:
    case MENU_ID_RELOAD_NOCACHE: PageReload(st); break;
    case MENU_ID_STOPLOAD: PageStop(st); break;
    case MENU_ID_VIEW_SOURCE: PageLoad(st, L"view-source:" + st->Url()); break;
    default: break;
  }
}

}  // namespace

cef_menu_model_t* NewMenuModel() { return (new TMenuModel(std::make_shared<TItems>()))->Struct(); }

bool PageKey(const std::shared_ptr<TBrowserState>& st, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto handler = HandlerOf(st->client, &cef_client_t::get_keyboard_handler);
  cef_key_event_t e{};
  e.type = (msg == WM_KEYUP || msg == WM_SYSKEYUP) ? KEYEVENT_KEYUP
                                                   : (msg == WM_CHAR || msg == WM_SYSCHAR) ? KEYEVENT_CHAR : KEYEVENT_RAWKEYDOWN;
  e.modifiers = Modifiers();
  // A system key message says in its context bit whether Alt is held, whatever the key state.
  if ((msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_SYSCHAR) && (lp & (1 << 29)))
    e.modifiers |= EVENTFLAG_ALT_DOWN;
  e.windows_key_code = static_cast<int>(wp);
  e.native_key_code = static_cast<int>(lp);
  e.is_system_key = msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_SYSCHAR;
  if (e.type == KEYEVENT_CHAR) e.character = e.unmodified_character = static_cast<cef_char_t>(wp);
  MSG os{};
  os.hwnd = hwnd;
  os.message = msg;
  os.wParam = wp;
  os.lParam = lp;
  os.time = static_cast<DWORD>(GetMessageTime());
  bool consumed = false;
  if (STANDIN_HAS(handler.Get(), on_pre_key_event)) {
    int shortcut = 0;
    Trace("callback", L"on_pre_key_event " + std::to_wstring(e.type) + L" " + std::to_wstring(e.windows_key_code));
    consumed = handler->on_pre_key_event(handler.Get(), NewBrowserStruct(st), &e, &os, &shortcut) != 0;
  }
  if (!consumed && STANDIN_HAS(handler.Get(), on_key_event)) {
    Trace("callback", L"on_key_event " + std::to_wstring(e.type) + L" " + std::to_wstring(e.windows_key_code));
    consumed = handler->on_key_event(handler.Get(), NewBrowserStruct(st), &e, &os) != 0;
  }
  if (consumed || e.is_system_key) return consumed;
  const bool shift = (e.modifiers & EVENTFLAG_SHIFT_DOWN) != 0;
  // The page's document gets the key: events, typing, and Tab among its focusable elements
  // (past the last one the render side answers TakeFocus). Without a render side Tab leaves.
  if (st->host && st->host->Alive()) {
    const std::uint32_t kind = e.type == KEYEVENT_KEYUP ? 1 : e.type == KEYEVENT_CHAR ? 2 : 0;
    st->host->Send(
        TFrameWriter(TFrameKind::KeyInput).I32(st->id).U32(kind).I32(static_cast<int>(wp)).U32(shift ? 1 : 0).Take());
  } else if (e.type == KEYEVENT_RAWKEYDOWN && wp == VK_TAB) {
    PageTakeFocus(st, !shift);
  }
  return consumed;
}

void PageTakeFocus(const std::shared_ptr<TBrowserState>& st, bool next) {
  auto focus = HandlerOf(st->client, &cef_client_t::get_focus_handler);
  if (STANDIN_HAS(focus.Get(), on_take_focus)) {
    Trace("callback", std::string("on_take_focus"));
    focus->on_take_focus(focus.Get(), NewBrowserStruct(st), next ? 1 : 0);
  }
}

namespace {
bool gFocusAsked = false;  // the focus being given was agreed to already
}  // namespace

void PageNavigationFocus(const std::shared_ptr<TBrowserState>& st) {
  HWND w = st->window;
  if (!w || !IsWindowVisible(w) || GetFocus() == w || GetActiveWindow() != GetAncestor(w, GA_ROOT)) return;
  auto focus = HandlerOf(st->client, &cef_client_t::get_focus_handler);
  if (STANDIN_HAS(focus.Get(), on_set_focus)) {
    Trace("callback", std::string("on_set_focus navigation"));
    if (focus->on_set_focus(focus.Get(), NewBrowserStruct(st), FOCUS_SOURCE_NAVIGATION)) return;
  }
  gFocusAsked = true;
  SetFocus(w);
  gFocusAsked = false;
}

bool PageGotFocus(const std::shared_ptr<TBrowserState>& st) {
  auto focus = HandlerOf(st->client, &cef_client_t::get_focus_handler);
  if (!gFocusAsked && STANDIN_HAS(focus.Get(), on_set_focus)) {
    Trace("callback", std::string("on_set_focus"));
    if (focus->on_set_focus(focus.Get(), NewBrowserStruct(st), FOCUS_SOURCE_SYSTEM)) return false;
  }
  if (STANDIN_HAS(focus.Get(), on_got_focus)) {
    Trace("callback", std::string("on_got_focus"));
    focus->on_got_focus(focus.Get(), NewBrowserStruct(st));
  }
  return true;
}

void PageContextMenu(const std::shared_ptr<TBrowserState>& st, HWND hwnd, int x, int y) {
  auto items = std::make_shared<TItems>();
  auto add = [&](int id, const wchar_t* label) {
    TMenuItem i;
    i.id = id;
    i.label = label;
    items->push_back(i);
  };
  add(MENU_ID_BACK, L"&Back");
  items->back().enabled = st->canGoBack;
  add(MENU_ID_FORWARD, L"&Forward");
  items->back().enabled = st->canGoForward;
  items->push_back(TMenuItem{MENUITEMTYPE_SEPARATOR});
  add(MENU_ID_PRINT, L"&Print...");
  add(MENU_ID_VIEW_SOURCE, L"View s&ource");
  TMenuParamsData pd{x, y, st->Url()};
  auto handler = HandlerOf(st->client, &cef_client_t::get_context_menu_handler);
  auto* model = new TMenuModel(items);  // our reference
  if (STANDIN_HAS(handler.Get(), on_before_context_menu)) {
    Trace("callback", std::string("on_before_context_menu"));
    handler->on_before_context_menu(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st),
                                    (new TMenuParams(pd))->Struct(), model->Wrap());
  }
  // An empty model shows nothing.
  if (!items->empty() && !st->closed) {
    POINT pt{x, y};
    ClientToScreen(hwnd, &pt);
    HMENU menu = BuildMenu(*items);
    const int id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, nullptr);
    DestroyMenu(menu);
    if (id && !st->closed) {
      bool handled = false;
      if (STANDIN_HAS(handler.Get(), on_context_menu_command))
        handled = handler->on_context_menu_command(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st),
                                                   (new TMenuParams(pd))->Struct(), id, EVENTFLAG_NONE) != 0;
      if (!handled) DefaultCommand(st, id);
    }
    if (STANDIN_HAS(handler.Get(), on_context_menu_dismissed) && !st->closed)
      handler->on_context_menu_dismissed(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st));
  }
  model->Release();
}

}  // namespace standin
