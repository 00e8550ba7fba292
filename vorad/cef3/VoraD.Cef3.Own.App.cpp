// The table of each Own class (FillEntries): each entry made from its operation (Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.App.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

namespace {

// Written out: the runtime passes the script arguments as a count and an array, which the
// operation takes as one list.
int CEF_CALLBACK v8handler_execute(cef_v8handler_t* self, const cef_string_t* name, cef_v8value_t* object,
    size_t argumentsCount, cef_v8value_t* const* arguments, cef_v8value_t** retval, cef_string_t* exception) {
  using namespace cef3own;
  return AdapterGuard(EntryName<&cef_v8handler_t::execute>.data(), [&]() -> int {
    auto* owner = static_cast<TCefv8HandlerOwn*>(TCefBaseOwn::OwnerOf(self));
    TArg<const cef_string_t*, const std::wstring&> name_(name);
    TArg<cef_v8value_t*, const rtl::TRef<ICefv8Value>&> object_(object);
    TCefv8ValueArray arguments_;
    arguments_.reserve(argumentsCount);
    for (size_t i = 0; i < argumentsCount; ++i) arguments_.push_back(TCefv8ValueRef::UnWrap(arguments[i]));
    TArg<cef_v8value_t**, rtl::TRef<ICefv8Value>&> retval_(retval);
    TArg<cef_string_t*, std::wstring&> exception_(exception);
    const bool result =
        owner->Execute(name_.Get(), object_.Get(), arguments_, retval_.Get(), exception_.Get());
    exception_.Commit(result);
    return result ? 1 : 0;
  });
}

}  // namespace

void FillEntries(TCefAppOwn* self) {
  using S = cef_app_t;
  using T = TCefAppOwn;
  Fill<&S::on_before_command_line_processing, &T::OnBeforeCommandLineProcessing>(self);
  Fill<&S::on_register_custom_schemes, &T::OnRegisterCustomSchemes>(self);
  Fill<&S::get_resource_bundle_handler, &T::GetResourceBundleHandler>(self);
  Fill<&S::get_browser_process_handler, &T::GetBrowserProcessHandler>(self);
  Fill<&S::get_render_process_handler, &T::GetRenderProcessHandler>(self);
}

void FillEntries(TCefBrowserProcessHandlerOwn* self) {
  using S = cef_browser_process_handler_t;
  using T = TCefBrowserProcessHandlerOwn;
  Fill<&S::on_context_initialized, &T::OnContextInitialized>(self);
  Fill<&S::on_before_child_process_launch, &T::OnBeforeChildProcessLaunch>(self);
  Fill<&S::on_render_process_thread_created, &T::OnRenderProcessThreadCreated>(self);
  // get_print_handler stays null: the runtime uses its own default
}

void FillEntries(TCefRenderProcessHandlerOwn* self) {
  using S = cef_render_process_handler_t;
  using T = TCefRenderProcessHandlerOwn;
  Fill<&S::on_render_thread_created, &T::OnRenderThreadCreated>(self);
  Fill<&S::on_web_kit_initialized, &T::OnWebKitInitialized>(self);
  Fill<&S::on_browser_created, &T::OnBrowserCreated>(self);
  Fill<&S::on_browser_destroyed, &T::OnBrowserDestroyed>(self);
  Fill<&S::get_load_handler, &T::GetLoadHandler>(self);
  Fill<&S::on_before_navigation, &T::OnBeforeNavigation>(self);
  Fill<&S::on_context_created, &T::OnContextCreated>(self);
  Fill<&S::on_context_released, &T::OnContextReleased>(self);
  Fill<&S::on_uncaught_exception, &T::OnUncaughtException>(self);
  Fill<&S::on_focused_node_changed, &T::OnFocusedNodeChanged>(self);
  Fill<&S::on_process_message_received, &T::OnProcessMessageReceived>(self);
}

void FillEntries(TCefResourceBundleHandlerOwn* self) {
  using S = cef_resource_bundle_handler_t;
  using T = TCefResourceBundleHandlerOwn;
  Fill<&S::get_localized_string, &T::GetLocalizedString>(self);
  Fill<&S::get_data_resource, &T::GetDataResource>(self);
  Fill<&S::get_data_resource_for_scale, &T::GetDataResourceForScale>(self);
}

void FillEntries(TCefOwn<cef_resource_handler_t, ICefResourceHandler>* self) {
  using S = cef_resource_handler_t;
  using T = ICefResourceHandler;
  Fill<&S::process_request, &T::ProcessRequest>(self);
  Fill<&S::get_response_headers, &T::GetResponseHeaders>(self);
  Fill<&S::read_response, &T::ReadResponse>(self);
  Fill<&S::can_get_cookie, &T::CanGetCookie>(self);
  Fill<&S::can_set_cookie, &T::CanSetCookie>(self);
  Fill<&S::cancel, &T::Cancel>(self);
}

void FillEntries(TCefOwn<cef_scheme_handler_factory_t, ICefSchemeHandlerFactory>* self) {
  Fill<&cef_scheme_handler_factory_t::create, &ICefSchemeHandlerFactory::Create>(self);
}

void FillEntries(TCefOwn<cef_v8handler_t, ICefv8Handler>* self) {
  self->Data()->execute = &v8handler_execute;
}

void FillEntries(TCefV8AccessorOwn* self) {
  using S = cef_v8accessor_t;
  using T = TCefV8AccessorOwn;
  Fill<&S::get, &T::Get>(self);
  Fill<&S::set, &T::Set>(self);
}

// ---- the two Own classes with construction data

TCefSchemeHandlerFactoryOwn::TCefSchemeHandlerFactoryOwn(TCefResourceHandlerClass handlerClass)
    : FClass(std::move(handlerClass)) {}

rtl::TRef<ICefResourceHandler> TCefSchemeHandlerFactoryOwn::Create(const rtl::TRef<ICefBrowser>& browser,
                                                                   const rtl::TRef<ICefFrame>& frame,
                                                                   const std::wstring& scheme_name,
                                                                   const rtl::TRef<ICefRequest>& request) {
  return FClass ? FClass(browser, frame, scheme_name, request) : nullptr;
}

TCefResourceHandlerOwn::TCefResourceHandlerOwn(const rtl::TRef<ICefBrowser>& /*browser*/,
                                               const rtl::TRef<ICefFrame>& /*frame*/,
                                               const std::wstring& /*schemeName*/,
                                               const rtl::TRef<ICefRequest>& /*request*/)
    : TCefResourceHandlerOwn() {}
