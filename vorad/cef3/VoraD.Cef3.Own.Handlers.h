#pragma once
// Own classes the browser side calls: the client and the handlers it hands out.
//
// Each class is its constructor, which fills the structure's entries from the operations of
// the interface (VoraD.Cef3.Adapter.h shows how); the interface's default bodies do nothing and
// answer false, null or empty until a subclass overrides them.
#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefClientOwn : public TCefOwn<cef_client_t>, public virtual ICefClient {
public:
  TCefClientOwn();
};

class TCefLifeSpanHandlerOwn : public TCefOwn<cef_life_span_handler_t>, public virtual ICefLifeSpanHandler {
public:
  TCefLifeSpanHandlerOwn();
};

class TCefLoadHandlerOwn : public TCefOwn<cef_load_handler_t>, public virtual ICefLoadHandler {
public:
  TCefLoadHandlerOwn();
};

class TCefRequestHandlerOwn : public TCefOwn<cef_request_handler_t>, public virtual ICefRequestHandler {
public:
  TCefRequestHandlerOwn();
};

class TCefDisplayHandlerOwn : public TCefOwn<cef_display_handler_t>, public virtual ICefDisplayHandler {
public:
  TCefDisplayHandlerOwn();
};

class TCefFocusHandlerOwn : public TCefOwn<cef_focus_handler_t>, public virtual ICefFocusHandler {
public:
  TCefFocusHandlerOwn();
};

class TCefKeyboardHandlerOwn : public TCefOwn<cef_keyboard_handler_t>, public virtual ICefKeyboardHandler {
public:
  TCefKeyboardHandlerOwn();
};

class TCefJsDialogHandlerOwn : public TCefOwn<cef_jsdialog_handler_t>, public virtual ICefJsDialogHandler {
public:
  TCefJsDialogHandlerOwn();
};

class TCefContextMenuHandlerOwn : public TCefOwn<cef_context_menu_handler_t>,
    public virtual ICefContextMenuHandler {
public:
  TCefContextMenuHandlerOwn();
};

class TCefDialogHandlerOwn : public TCefOwn<cef_dialog_handler_t>, public virtual ICefDialogHandler {
public:
  TCefDialogHandlerOwn();
};

class TCefDownloadHandlerOwn : public TCefOwn<cef_download_handler_t>, public virtual ICefDownloadHandler {
public:
  TCefDownloadHandlerOwn();
};

class TCefGeolocationHandlerOwn : public TCefOwn<cef_geolocation_handler_t>,
    public virtual ICefGeolocationHandler {
public:
  TCefGeolocationHandlerOwn();
};

class TCefRenderHandlerOwn : public TCefOwn<cef_render_handler_t>, public virtual ICefRenderHandler {
public:
  TCefRenderHandlerOwn();
};

class TCefDragHandlerOwn : public TCefOwn<cef_drag_handler_t>, public virtual ICefDragHandler {
public:
  TCefDragHandlerOwn();
};

class TCefFindHandlerOwn : public TCefOwn<cef_find_handler_t>, public virtual ICefFindHandler {
public:
  TCefFindHandlerOwn();
};
