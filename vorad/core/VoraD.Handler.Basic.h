#pragma once
// What the per-area handlers and the page manager share: the client-handler interface, the
// WM_VORAD_ message ids and the payload records of the marshalled callbacks.
//
// A payload record lives on the sending handler's heap for the length of one SendMessage; the
// page manager reads and writes through its pointers during the send and keeps nothing. Pointer
// fields point at the sending callback's own arguments and locals. Flags are 1-byte Booleans in
// the record itself; every other field is pointer-sized (4 bytes in the shipped 32-bit build).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.Events.h"

// {E76F6888-D9C3-4FCE-9C23-E89659820A36}
class ICefClientHandler : public virtual rtl::IInterface {
public:
  virtual void ReleaseHandlers() = 0;
  virtual void StartTimer() = 0;
};

inline constexpr UINT WM_VORAD_LOADINGSTATE = WM_USER + 1;
inline constexpr UINT WM_VORAD_POPUPCHECK = WM_USER + 2;
inline constexpr UINT WM_VORAD_BEFOREPOPUP = WM_USER + 3;
inline constexpr UINT WM_VORAD_AFTERCREATED = WM_USER + 4;
inline constexpr UINT WM_VORAD_LOADSTART = WM_USER + 5;
inline constexpr UINT WM_VORAD_LOADEND = WM_USER + 6;
inline constexpr UINT WM_VORAD_LOADERROR = WM_USER + 7;
inline constexpr UINT WM_VORAD_FOCUSVIEW = WM_USER + 8;  // the page manager's own
inline constexpr UINT WM_VORAD_GOTFOCUS = WM_USER + 9;
inline constexpr UINT WM_VORAD_CONTEXTMENUCOMMAND = WM_USER + 13;
inline constexpr UINT WM_VORAD_FILEDIALOG = WM_USER + 15;
inline constexpr UINT WM_VORAD_ADDRESSCHANGE = WM_USER + 18;
inline constexpr UINT WM_VORAD_CONSOLEMESSAGE = WM_USER + 19;
inline constexpr UINT WM_VORAD_STATUSMESSAGE = WM_USER + 20;
inline constexpr UINT WM_VORAD_TITLECHANGE = WM_USER + 21;
inline constexpr UINT WM_VORAD_TOOLTIP = WM_USER + 22;
inline constexpr UINT WM_VORAD_BEFOREDOWNLOAD = WM_USER + 23;
inline constexpr UINT WM_VORAD_JSDIALOG = WM_USER + 27;
inline constexpr UINT WM_VORAD_BEFOREUNLOADDIALOG = WM_USER + 28;
inline constexpr UINT WM_VORAD_DOCLOSE = WM_USER + 31;
inline constexpr UINT WM_VORAD_BEFORECLOSE = WM_USER + 32;
inline constexpr UINT WM_VORAD_GETAUTHCREDENTIALS = WM_USER + 38;
inline constexpr UINT WM_VORAD_SHOWDEVTOOLSKEY = WM_USER + 46;
inline constexpr UINT WM_VORAD_RELOADKEY = WM_USER + 47;
inline constexpr UINT WM_VORAD_SEARCHKEY = WM_USER + 48;
inline constexpr UINT WM_VORAD_UNREGISTERJSHANDLER = WM_USER + 49;
inline constexpr UINT WM_VORAD_FAVICONURLCHANGE = WM_USER + 51;
inline constexpr UINT WM_VORAD_FULLSCREENMODECHANGE = WM_USER + 52;

using TStringListRef = std::vector<std::wstring>;

struct TPopupParams {
  const rtl::TRef<ICefFrame>* frame;
  const std::wstring* targetUrl;
  const std::wstring* targetFrameName;
  cef_window_open_disposition_t* targetDisposition;
  bool* userGesture;
  const cef_popup_features_t* popupFeatures;
  cef_window_info_t* windowInfo;
  rtl::TRef<ICefClient>* client;
  cef_browser_settings_t* settings;
  bool* noJavascriptAccess;
  bool* Result;
  bool CancelDefaultEvent;
};

struct TLoadEndParams {
  const rtl::TRef<ICefFrame>* frame;
  int32_t httpStatusCode;
};

struct TLoadErrorParams {
  const rtl::TRef<ICefFrame>* frame;
  int32_t errorCode;
  const std::wstring* errorText;
  const std::wstring* failedUrl;
  bool CancelDefaultEvent;
};

struct TContextMenuCommandParams {
  const rtl::TRef<ICefFrame>* frame;
  const rtl::TRef<ICefContextMenuParams>* params;
  int32_t commandId;
  cef_event_flags_t* eventFlags;
  bool* Result;
};

struct TFileDialogParams {
  uint8_t* mode;  // a 1-byte copy of the dialog mode
  const std::wstring* title;
  const std::wstring* defaultFilePath;
  const TStringListRef* acceptFilters;
  int32_t* selectedAcceptFilter;
  const rtl::TRef<ICefFileDialogCallback>* callback;
  bool* Result;
};

struct TConsoleMessageParams {
  const std::wstring* message;
  const std::wstring* source;
  int32_t line;
  bool* Result;
};

struct TTooltipParams {
  std::wstring* text;  // the page manager may replace it; the new text goes back to the runtime
  bool* Result;
};

struct TBeforeDownloadParams {
  const rtl::TRef<ICefDownloadItem>* downloadItem;
  const std::wstring* suggestedName;
  const rtl::TRef<ICefBeforeDownloadCallback>* callback;
  bool CancelDefaultEvent;
};

struct TJsDialogParams {
  const std::wstring* originUrl;
  const std::wstring* acceptLang;
  cef_jsdialog_type_t* dialogType;
  const std::wstring* messageText;
  const std::wstring* defaultPromptText;
  const rtl::TRef<ICefJsDialogCallback>* callback;
  bool* suppressMessage;
  bool* Result;
  bool CancelDefaultEvent;
};

struct TBeforeUnloadParams {
  const std::wstring* messageText;
  bool isReload;
  const rtl::TRef<ICefJsDialogCallback>* callback;
  bool* Result;
  bool CancelDefaultEvent;
};

struct TAuthCredentialsParams {
  const rtl::TRef<ICefFrame>* frame;
  bool* isProxy;
  const std::wstring* host;
  int32_t* port;
  const std::wstring* realm;
  const std::wstring* scheme;
  const rtl::TRef<ICefAuthCallback>* callback;
  bool* Result;  // starts true: the request waits for the authentication callback
  bool CancelDefaultEvent;
};

struct TJsReplyParams {
  const std::wstring* id;
  const rtl::TVariant* value;
  const std::wstring* errorText;
};

// Field offsets of the shipped 32-bit build: every field 4 bytes, flags 1 byte.
#if defined(__i386__)
static_assert(offsetof(TPopupParams, Result) == 40 && offsetof(TPopupParams, CancelDefaultEvent) == 44,
              "TPopupParams layout");
static_assert(offsetof(TLoadEndParams, httpStatusCode) == 4 && sizeof(TLoadEndParams) == 8, "TLoadEndParams layout");
static_assert(offsetof(TLoadErrorParams, CancelDefaultEvent) == 16, "TLoadErrorParams layout");
static_assert(offsetof(TContextMenuCommandParams, Result) == 16, "TContextMenuCommandParams layout");
static_assert(offsetof(TFileDialogParams, Result) == 24, "TFileDialogParams layout");
static_assert(offsetof(TConsoleMessageParams, line) == 8 && offsetof(TConsoleMessageParams, Result) == 12,
              "TConsoleMessageParams layout");
static_assert(sizeof(TTooltipParams) == 8, "TTooltipParams layout");
static_assert(offsetof(TBeforeDownloadParams, CancelDefaultEvent) == 12, "TBeforeDownloadParams layout");
static_assert(offsetof(TJsDialogParams, Result) == 28 && offsetof(TJsDialogParams, CancelDefaultEvent) == 32,
              "TJsDialogParams layout");
static_assert(offsetof(TBeforeUnloadParams, isReload) == 4 && offsetof(TBeforeUnloadParams, callback) == 8 &&
                  offsetof(TBeforeUnloadParams, CancelDefaultEvent) == 16,
              "TBeforeUnloadParams layout");
static_assert(offsetof(TAuthCredentialsParams, Result) == 28 &&
                  offsetof(TAuthCredentialsParams, CancelDefaultEvent) == 32,
              "TAuthCredentialsParams layout");
static_assert(sizeof(TJsReplyParams) == 12, "TJsReplyParams layout");
#endif

// One marshalled callback: the record on the heap for the length of the send, freed on every
// path. False when the page manager answered 1.
template <class TRecord>
bool SendRecord(const rtl::TRef<ICefBrowser>& browser, UINT msg, const TRecord& init) {
  const auto record = std::make_unique<TRecord>(init);
  return SendToBrowserWindow(browser, msg, reinterpret_cast<LPARAM>(record.get()));
}

// The shape every per-area handler shares: its Own base and the control's event sink.
template <class TOwnBase>
class TVoraDHandlerBase : public TOwnBase {
public:
  explicit TVoraDHandlerBase(const rtl::TRef<IVoraDBrowser>& events) : FEvents(events) {}
  ~TVoraDHandlerBase() override { FEvents = nullptr; }

protected:
  rtl::TRef<IVoraDBrowser> FEvents;
};
