#pragma once
// The root of the Ref classes: a runtime structure the program holds. A wrapper adopts the one
// reference the runtime handed over and returns it when destroyed; each operation is one call
// of one entry of the structure through CallEntry (VoraD.Cef3.Call.h), each factory one call of
// one export of the runtime's table through CallExport.
#include <utility>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Api.Table.h"
#include "vorad/cef3/VoraD.Cef3.Call.h"
#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefBaseRef : public rtl::TInterfacedObject, public virtual ICefBase {
public:
  // Adopts the reference `data` carries; `data` must not be null (UnWrap maps null to null).
  explicit TCefBaseRef(void* data);
  ~TCefBaseRef() override;
  void* Wrap() override;

protected:
  void* FData;
};

// A new wrapper adopting the reference a structure carries, one per wrapped structure (each
// defined in its area's source); null gives null. CallEntry adopts structure results by these.
rtl::TRef<ICefBrowserHost> UnWrap(cef_browser_host_t* data);
rtl::TRef<ICefBrowser> UnWrap(cef_browser_t* data);
rtl::TRef<ICefFrame> UnWrap(cef_frame_t* data);
rtl::TRef<ICefPostData> UnWrap(cef_post_data_t* data);
rtl::TRef<ICefPostDataElement> UnWrap(cef_post_data_element_t* data);
rtl::TRef<ICefRequest> UnWrap(cef_request_t* data);
rtl::TRef<ICefv8Value> UnWrap(cef_v8value_t* data);
rtl::TRef<ICefv8Context> UnWrap(cef_v8context_t* data);
rtl::TRef<ICefV8StackFrame> UnWrap(cef_v8stack_frame_t* data);
rtl::TRef<ICefV8StackTrace> UnWrap(cef_v8stack_trace_t* data);
rtl::TRef<ICefv8Handler> UnWrap(cef_v8handler_t* data);
rtl::TRef<ICefRequestCallback> UnWrap(cef_request_callback_t* data);
rtl::TRef<ICefCallback> UnWrap(cef_callback_t* data);
rtl::TRef<ICefTaskRunner> UnWrap(cef_task_runner_t* data);
rtl::TRef<ICefDomDocument> UnWrap(cef_domdocument_t* data);
rtl::TRef<ICefDomNode> UnWrap(cef_domnode_t* data);
rtl::TRef<ICefResponse> UnWrap(cef_response_t* data);
rtl::TRef<ICefV8Exception> UnWrap(cef_v8exception_t* data);
rtl::TRef<ICefCookieManager> UnWrap(cef_cookie_manager_t* data);
rtl::TRef<ICefWebPluginInfo> UnWrap(cef_web_plugin_info_t* data);
rtl::TRef<ICefProcessMessage> UnWrap(cef_process_message_t* data);
rtl::TRef<ICefDownloadItem> UnWrap(cef_download_item_t* data);
rtl::TRef<ICefBeforeDownloadCallback> UnWrap(cef_before_download_callback_t* data);
rtl::TRef<ICefDownloadItemCallback> UnWrap(cef_download_item_callback_t* data);
rtl::TRef<ICefAuthCallback> UnWrap(cef_auth_callback_t* data);
rtl::TRef<ICefJsDialogCallback> UnWrap(cef_jsdialog_callback_t* data);
rtl::TRef<ICefCommandLine> UnWrap(cef_command_line_t* data);
rtl::TRef<ICefSchemeRegistrar> UnWrap(cef_scheme_registrar_t* data);
rtl::TRef<ICefGeolocationCallback> UnWrap(cef_geolocation_callback_t* data);
rtl::TRef<ICefContextMenuParams> UnWrap(cef_context_menu_params_t* data);
rtl::TRef<ICefMenuModel> UnWrap(cef_menu_model_t* data);
rtl::TRef<ICefListValue> UnWrap(cef_list_value_t* data);
rtl::TRef<ICefValue> UnWrap(cef_value_t* data);
rtl::TRef<ICefBinaryValue> UnWrap(cef_binary_value_t* data);
rtl::TRef<ICefDictionaryValue> UnWrap(cef_dictionary_value_t* data);
rtl::TRef<ICefUrlRequest> UnWrap(cef_urlrequest_t* data);
rtl::TRef<ICefFileDialogCallback> UnWrap(cef_file_dialog_callback_t* data);
rtl::TRef<ICefDragData> UnWrap(cef_drag_data_t* data);
rtl::TRef<ICefRequestContext> UnWrap(cef_request_context_t* data);
rtl::TRef<ICefRequestContextHandler> UnWrap(cef_request_context_handler_t* data);
rtl::TRef<ICefNavigationEntry> UnWrap(cef_navigation_entry_t* data);
rtl::TRef<ICefSslCertPrincipal> UnWrap(cef_sslcert_principal_t* data);
rtl::TRef<ICefSslInfo> UnWrap(cef_sslinfo_t* data);
rtl::TRef<ICefRunContextMenuCallback> UnWrap(cef_run_context_menu_callback_t* data);

// The program's own objects coming back from the runtime: their reference is taken over.
inline rtl::TRef<ICefClient> UnWrap(cef_client_t* data) { return TCefBaseOwn::Adopt<ICefClient>(data); }
inline rtl::TRef<ICefUrlrequestClient> UnWrap(cef_urlrequest_client_t* data) {
  return TCefBaseOwn::Adopt<ICefUrlrequestClient>(data);
}

// An X line of an interface's operation list as a Ref operation: one call of its entry. A W line
// is written out in the Ref class.
#define VORAD_CEF3_FORWARD(R, Name, P, Entry, A) \
  R Name P override { return Call<&C::Entry> A; }
#define VORAD_CEF3_WRITTEN_OUT(...)

// The typed base of a Ref class for structure `S` behind interface `I`.
template <class S, class I>
class TCefRef : public TCefBaseRef, public I {
public:
  using C = S;
  explicit TCefRef(S* data) : TCefBaseRef(data) {}
  static rtl::TRef<I> UnWrap(S* data) { return ::UnWrap(data); }
  S* Data() const { return static_cast<S*>(FData); }

protected:
  // Calls `Entry` of this structure: `Call<&C::is_text>()`.
  template <auto Entry, class... A>
  auto Call(A&&... args) const {
    return CallEntry<Entry>(Data(), std::forward<A>(args)...);
  }
  // Reads a counted out-array: `CallCounted<&C::get_elements, &C::get_element_count>(elements)`.
  template <auto Entry, auto CountEntry, class T>
  void CallCounted(std::vector<T>& out) const {
    CallCountedOut<CountEntry>(Data(), Data()->*Entry, out);
  }
};
