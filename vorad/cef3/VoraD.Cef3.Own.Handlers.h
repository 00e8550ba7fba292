#pragma once
// Own classes the browser side calls: the client and the handlers it hands out.
//
// Each is TCefOwn of its structure and interface (VoraD.Cef3.Own.Base.h), with FillEntries, the
// table that fills the entries from the interface's operations, in the area's source. The
// interface's default bodies do nothing and answer false, null or empty until overridden.
#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

using TCefClientOwn = TCefOwn<cef_client_t, ICefClient>;
void FillEntries(TCefClientOwn* self);
using TCefLifeSpanHandlerOwn = TCefOwn<cef_life_span_handler_t, ICefLifeSpanHandler>;
void FillEntries(TCefLifeSpanHandlerOwn* self);
using TCefLoadHandlerOwn = TCefOwn<cef_load_handler_t, ICefLoadHandler>;
void FillEntries(TCefLoadHandlerOwn* self);
using TCefRequestHandlerOwn = TCefOwn<cef_request_handler_t, ICefRequestHandler>;
void FillEntries(TCefRequestHandlerOwn* self);
using TCefDisplayHandlerOwn = TCefOwn<cef_display_handler_t, ICefDisplayHandler>;
void FillEntries(TCefDisplayHandlerOwn* self);
using TCefFocusHandlerOwn = TCefOwn<cef_focus_handler_t, ICefFocusHandler>;
void FillEntries(TCefFocusHandlerOwn* self);
using TCefKeyboardHandlerOwn = TCefOwn<cef_keyboard_handler_t, ICefKeyboardHandler>;
void FillEntries(TCefKeyboardHandlerOwn* self);
using TCefJsDialogHandlerOwn = TCefOwn<cef_jsdialog_handler_t, ICefJsDialogHandler>;
void FillEntries(TCefJsDialogHandlerOwn* self);
using TCefContextMenuHandlerOwn = TCefOwn<cef_context_menu_handler_t, ICefContextMenuHandler>;
void FillEntries(TCefContextMenuHandlerOwn* self);
using TCefDialogHandlerOwn = TCefOwn<cef_dialog_handler_t, ICefDialogHandler>;
void FillEntries(TCefDialogHandlerOwn* self);
using TCefDownloadHandlerOwn = TCefOwn<cef_download_handler_t, ICefDownloadHandler>;
void FillEntries(TCefDownloadHandlerOwn* self);
using TCefGeolocationHandlerOwn = TCefOwn<cef_geolocation_handler_t, ICefGeolocationHandler>;
void FillEntries(TCefGeolocationHandlerOwn* self);
using TCefRenderHandlerOwn = TCefOwn<cef_render_handler_t, ICefRenderHandler>;
void FillEntries(TCefRenderHandlerOwn* self);
using TCefDragHandlerOwn = TCefOwn<cef_drag_handler_t, ICefDragHandler>;
void FillEntries(TCefDragHandlerOwn* self);
using TCefFindHandlerOwn = TCefOwn<cef_find_handler_t, ICefFindHandler>;
void FillEntries(TCefFindHandlerOwn* self);
