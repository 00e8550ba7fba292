#pragma once
// The program's view of the runtime's reference-counted structures: one interface per
// structure. A runtime object reaches the program as a Ref wrapper implementing its interface;
// a program object the runtime calls (client, handlers, visitors) is an Own object implementing
// its interface (VoraD.Cef3.Classes.h).
//
// Conversions at the boundary: strings are std::wstring (UTF-16); string lists are
// std::vector<std::wstring>; objects are counted references, null for none; an `int*` or other
// scalar out-argument is a reference; records (cef_*_t structs without a header) keep their C
// type. Structures that have no wrapper here pass as raw C pointers: when the runtime hands one
// to a callback, the reference it carries is the callee's to keep or release.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Api.h"

// Root of every wrapper interface.
class ICefBase : public virtual rtl::IInterface {
public:
  // The runtime structure behind the object, with one reference added for the receiver.
  virtual void* Wrap() = 0;
};

// The interfaces named before the area that defines them.
class ICefBrowser;
class ICefFrame;
class ICefPostDataElement;
class ICefRequest;
class ICefv8Value;
class ICefv8Context;
class ICefv8Handler;
class ICefTaskRunner;
class ICefDomDocument;
class ICefDomNode;
class ICefV8Exception;
class ICefWebPluginInfo;
class ICefProcessMessage;
class ICefListValue;
class ICefValue;
class ICefBinaryValue;
class ICefDictionaryValue;
class ICefDragData;
class ICefRequestContext;
class ICefRequestContextHandler;
class ICefNavigationEntry;
class ICefClient;
class ICefLifeSpanHandler;
class ICefLoadHandler;
class ICefRequestHandler;
class ICefDisplayHandler;
class ICefFocusHandler;
class ICefKeyboardHandler;
class ICefJsDialogHandler;
class ICefContextMenuHandler;
class ICefDialogHandler;
class ICefDownloadHandler;
class ICefGeolocationHandler;
class ICefRenderHandler;
class ICefDragHandler;
class ICefFindHandler;
class ICefBrowserProcessHandler;
class ICefRenderProcessHandler;
class ICefResourceBundleHandler;
class ICefResourceHandler;
class ICefSchemeHandlerFactory;
class ICefUrlrequestClient;
class ICefDomVisitor;
class ICefStringVisitor;
class ICefCookieVisitor;
class ICefSetCookieCallback;
class ICefDeleteCookiesCallback;
class ICefCompletionCallback;
class ICefRunFileDialogCallback;
class ICefNavigationEntryVisitor;
class ICefPdfPrintCallback;
class ICefTask;

using TCefv8ValueArray = std::vector<rtl::TRef<ICefv8Value>>;
using TCefTime = cef_time_t;  // UTC
using TCefWindowInfo = cef_window_info_t;
using TCefBrowserSettings = cef_browser_settings_t;

// The nine parts of a URL, in the order of the runtime's URL-parts record.
struct TUrlParts {
  std::wstring spec, scheme, username, password, host, port, origin, path, query;
};

// Makes the resource handler a scheme handler factory hands out for one request.
using TCefResourceHandlerClass = std::function<rtl::TRef<ICefResourceHandler>(
    const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
    const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request)>;

// Callables behind the callable wrappers (TCefFast*), with the signature of the operation
// they stand for.
using TCefCompletionCallbackProc = std::function<void()>;
using TCefCookieVisitorProc = std::function<bool(const cef_cookie_t*, int, int, int&)>;
using TCefSetCookieCallbackProc = std::function<void(bool)>;
using TCefDeleteCookiesCallbackProc = std::function<void(int)>;
using TCefDomVisitorProc = std::function<void(const rtl::TRef<ICefDomDocument>&)>;
using TCefStringVisitorProc = std::function<void(const std::wstring&)>;
using TCefV8AccessorGetterProc = std::function<bool(const std::wstring&,
    const rtl::TRef<ICefv8Value>&, rtl::TRef<ICefv8Value>&, std::wstring&)>;
using TCefV8AccessorSetterProc = std::function<bool(const std::wstring&,
    const rtl::TRef<ICefv8Value>&, const rtl::TRef<ICefv8Value>&, std::wstring&)>;
using TCefRunFileDialogCallbackProc = std::function<void(int, const std::vector<std::wstring>&)>;
using TCefWebPluginInfoVisitorProc = std::function<bool(const rtl::TRef<ICefWebPluginInfo>&, int,
    int)>;
using TCefWebPluginIsUnstableProc = std::function<void(const std::wstring&, bool)>;
using TCefNavigationEntryVisitorProc = std::function<bool(const rtl::TRef<ICefNavigationEntry>&,
    bool, int, int)>;
using TOnPdfPrintFinishedProc = std::function<void(const std::wstring&, bool)>;

// ---- Interfaces over the runtime structures, by area. Each operation is the structure entry
// of the same name in CamelCase (get_main_frame: GetMainFrame).
//
// A runtime object's operations are one list, VORAD_CEF3_<STRUCTURE>_OPS(X, W) above its
// interface, one line an operation:
//   X(result, Operation, (parameters), entry, (arguments))   the Ref class calls the entry
//   W(result, Operation, (parameters))                        the Ref class writes it out
// The interface declares every line; its Ref class defines the X lines from the same list
// (VORAD_CEF3_FORWARD, VoraD.Cef3.Ref.h).
#define VORAD_CEF3_DECLARE(R, Name, P, ...) virtual R Name P = 0;

#include "vorad/cef3/VoraD.Cef3.Interfaces.Browser.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Script.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Dom.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Values.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Request.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Misc.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.Handlers.h"
