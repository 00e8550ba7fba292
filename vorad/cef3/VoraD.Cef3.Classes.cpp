// The two roots of the wrapper family and the factory operations of the Ref classes.
#include "vorad/cef3/VoraD.Cef3.Classes.h"

#include <cstring>
#include <new>

#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

// ---- TCefBaseOwn: the structure's header works on the object's own count.

namespace {

TCefBaseOwn* OwnerOfBase(cef_base_t* self) {
  return TCef3Helper::CefGetOwner(self);
}

void CEF_CALLBACK OwnAddRef(cef_base_t* self) {
  OwnerOfBase(self)->AddRef();
}

// 1 when this dropped the last reference (the object is gone), else 0, as the runtime expects.
int CEF_CALLBACK OwnRelease(cef_base_t* self) {
  return OwnerOfBase(self)->Release() == 0 ? 1 : 0;
}

int CEF_CALLBACK OwnHasOneRef(cef_base_t* self) {
  return OwnerOfBase(self)->RefCount() == 1 ? 1 : 0;
}

}  // namespace

TCefBaseOwn::TCefBaseOwn(size_t size) {
  // One block: the owner pointer, then the structure.
  char* block = static_cast<char*>(::operator new(sizeof(void*) + size));
  *reinterpret_cast<TCefBaseOwn**>(block) = this;
  FData = block + sizeof(void*);
  std::memset(FData, 0, size);
  auto* base = static_cast<cef_base_t*>(FData);
  base->size = size;
  base->add_ref = &OwnAddRef;
  base->release = &OwnRelease;
  base->has_one_ref = &OwnHasOneRef;
}

TCefBaseOwn::~TCefBaseOwn() {
  ::operator delete(static_cast<char*>(FData) - sizeof(void*));
}

void* TCefBaseOwn::Wrap() {
  auto* base = static_cast<cef_base_t*>(FData);
  base->add_ref(base);
  return FData;
}

// ---- TCefBaseRef

TCefBaseRef::TCefBaseRef(void* data) : FData(data) {}

TCefBaseRef::~TCefBaseRef() {
  auto* base = static_cast<cef_base_t*>(FData);
  if (base && base->release) base->release(base);
}

void* TCefBaseRef::Wrap() {
  auto* base = static_cast<cef_base_t*>(FData);
  if (base->add_ref) base->add_ref(base);
  return FData;
}

// ---- factory operations: create or fetch through an export and adopt the result

rtl::TRef<ICefPostData> TCefPostDataRef::New() {
  return CefApi.cef_post_data_create ? UnWrap(CefApi.cef_post_data_create()) : nullptr;
}

rtl::TRef<ICefPostDataElement> TCefPostDataElementRef::New() {
  return CefApi.cef_post_data_element_create ? UnWrap(CefApi.cef_post_data_element_create()) : nullptr;
}

rtl::TRef<ICefRequest> TCefRequestRef::New() {
  return CefApi.cef_request_create ? UnWrap(CefApi.cef_request_create()) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewUndefined() {
  return CefApi.cef_v8value_create_undefined ? UnWrap(CefApi.cef_v8value_create_undefined()) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewNull() {
  return CefApi.cef_v8value_create_null ? UnWrap(CefApi.cef_v8value_create_null()) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewBool(bool value) {
  return CefApi.cef_v8value_create_bool ? UnWrap(CefApi.cef_v8value_create_bool(value ? 1 : 0)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewInt(int32_t value) {
  return CefApi.cef_v8value_create_int ? UnWrap(CefApi.cef_v8value_create_int(value)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewUInt(uint32_t value) {
  return CefApi.cef_v8value_create_uint ? UnWrap(CefApi.cef_v8value_create_uint(value)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewDouble(double value) {
  return CefApi.cef_v8value_create_double ? UnWrap(CefApi.cef_v8value_create_double(value)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewDate(const TCefTime& value) {
  return CefApi.cef_v8value_create_date ? UnWrap(CefApi.cef_v8value_create_date(&value)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewString(const std::wstring& value) {
  if (!CefApi.cef_v8value_create_string) return nullptr;
  const cef_string_t v = TCef3Helper::CefString(value);
  return UnWrap(CefApi.cef_v8value_create_string(&v));
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewObject(const rtl::TRef<ICefV8Accessor>& accessor) {
  if (!CefApi.cef_v8value_create_object) return nullptr;
  return UnWrap(CefApi.cef_v8value_create_object(
      static_cast<cef_v8accessor_t*>(TCef3Helper::CefGetData(accessor))));
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewObjectProc(const TCefV8AccessorGetterProc& getter,
                                                     const TCefV8AccessorSetterProc& setter) {
  return NewObject(rtl::TRef<ICefV8Accessor>(new TCefFastV8Accessor(getter, setter)));
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewArray(int32_t len) {
  return CefApi.cef_v8value_create_array ? UnWrap(CefApi.cef_v8value_create_array(len)) : nullptr;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::NewFunction(const std::wstring& name,
                                                   const rtl::TRef<ICefv8Handler>& handler) {
  if (!CefApi.cef_v8value_create_function) return nullptr;
  const cef_string_t n = TCef3Helper::CefString(name);
  return UnWrap(CefApi.cef_v8value_create_function(
      &n, static_cast<cef_v8handler_t*>(TCef3Helper::CefGetData(handler))));
}

rtl::TRef<ICefv8Context> TCefv8ContextRef::Current() {
  return CefApi.cef_v8context_get_current_context ? UnWrap(CefApi.cef_v8context_get_current_context())
                                                  : nullptr;
}

rtl::TRef<ICefv8Context> TCefv8ContextRef::Entered() {
  return CefApi.cef_v8context_get_entered_context ? UnWrap(CefApi.cef_v8context_get_entered_context())
                                                  : nullptr;
}

rtl::TRef<ICefV8StackTrace> TCefV8StackTraceRef::Current(int frameLimit) {
  return CefApi.cef_v8stack_trace_get_current ? UnWrap(CefApi.cef_v8stack_trace_get_current(frameLimit))
                                              : nullptr;
}

rtl::TRef<ICefTaskRunner> TCefTaskRunnerRef::GetForCurrentThread() {
  return CefApi.cef_task_runner_get_for_current_thread
             ? UnWrap(CefApi.cef_task_runner_get_for_current_thread())
             : nullptr;
}

rtl::TRef<ICefTaskRunner> TCefTaskRunnerRef::GetForThread(cef_thread_id_t threadId) {
  return CefApi.cef_task_runner_get_for_thread ? UnWrap(CefApi.cef_task_runner_get_for_thread(threadId))
                                               : nullptr;
}

rtl::TRef<ICefResponse> TCefResponseRef::New() {
  return CefApi.cef_response_create ? UnWrap(CefApi.cef_response_create()) : nullptr;
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::Global(const rtl::TRef<ICefCompletionCallback>& callback) {
  if (!CefApi.cef_cookie_manager_get_global_manager) return nullptr;
  return UnWrap(CefApi.cef_cookie_manager_get_global_manager(
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback))));
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::GlobalProc(const TCefCompletionCallbackProc& callback) {
  return Global(rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::New(const std::wstring& path, bool persistSessionCookies,
                                                       const rtl::TRef<ICefCompletionCallback>& callback) {
  if (!CefApi.cef_cookie_manager_create_manager) return nullptr;
  const cef_string_t p = TCef3Helper::CefString(path);
  return UnWrap(CefApi.cef_cookie_manager_create_manager(
      &p, persistSessionCookies ? 1 : 0,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback))));
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::NewProc(const std::wstring& path, bool persistSessionCookies,
                                                           const TCefCompletionCallbackProc& callback) {
  return New(path, persistSessionCookies,
             rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}

rtl::TRef<ICefProcessMessage> TCefProcessMessageRef::New(const std::wstring& name) {
  if (!CefApi.cef_process_message_create) return nullptr;
  const cef_string_t n = TCef3Helper::CefString(name);
  return UnWrap(CefApi.cef_process_message_create(&n));
}

rtl::TRef<ICefCommandLine> TCefCommandLineRef::New() {
  return CefApi.cef_command_line_create ? UnWrap(CefApi.cef_command_line_create()) : nullptr;
}

rtl::TRef<ICefCommandLine> TCefCommandLineRef::Global() {
  return CefApi.cef_command_line_get_global ? UnWrap(CefApi.cef_command_line_get_global()) : nullptr;
}

rtl::TRef<ICefListValue> TCefListValueRef::New() {
  return CefApi.cef_list_value_create ? UnWrap(CefApi.cef_list_value_create()) : nullptr;
}

rtl::TRef<ICefValue> TCefValueRef::New() {
  return CefApi.cef_value_create ? UnWrap(CefApi.cef_value_create()) : nullptr;
}

rtl::TRef<ICefBinaryValue> TCefBinaryValueRef::New(const void* data, size_t dataSize) {
  return CefApi.cef_binary_value_create ? UnWrap(CefApi.cef_binary_value_create(data, dataSize)) : nullptr;
}

rtl::TRef<ICefDictionaryValue> TCefDictionaryValueRef::New() {
  return CefApi.cef_dictionary_value_create ? UnWrap(CefApi.cef_dictionary_value_create()) : nullptr;
}

rtl::TRef<ICefUrlRequest> TCefUrlRequestRef::New(const rtl::TRef<ICefRequest>& request,
                                                 const rtl::TRef<ICefUrlrequestClient>& client,
                                                 const rtl::TRef<ICefRequestContext>& requestContext) {
  if (!CefApi.cef_urlrequest_create) return nullptr;
  return UnWrap(CefApi.cef_urlrequest_create(
      static_cast<cef_request_t*>(TCef3Helper::CefGetData(request)),
      static_cast<cef_urlrequest_client_t*>(TCef3Helper::CefGetData(client)),
      static_cast<cef_request_context_t*>(TCef3Helper::CefGetData(requestContext))));
}

rtl::TRef<ICefDragData> TCefDragDataRef::New() {
  return CefApi.cef_drag_data_create ? UnWrap(CefApi.cef_drag_data_create()) : nullptr;
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::Global() {
  return CefApi.cef_request_context_get_global_context
             ? UnWrap(CefApi.cef_request_context_get_global_context())
             : nullptr;
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::New(const cef_request_context_settings_t& settings,
                                                         const rtl::TRef<ICefRequestContextHandler>& handler) {
  if (!CefApi.cef_request_context_create_context) return nullptr;
  return UnWrap(CefApi.cef_request_context_create_context(
      &settings, static_cast<cef_request_context_handler_t*>(TCef3Helper::CefGetData(handler))));
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::Shared(const rtl::TRef<ICefRequestContext>& other,
                                                            const rtl::TRef<ICefRequestContextHandler>& handler) {
  if (!CefApi.create_context_shared) return nullptr;
  return UnWrap(CefApi.create_context_shared(
      static_cast<cef_request_context_t*>(TCef3Helper::CefGetData(other)),
      static_cast<cef_request_context_handler_t*>(TCef3Helper::CefGetData(handler))));
}

// ---- the two Own classes with construction data

TCefSchemeHandlerFactoryOwn::TCefSchemeHandlerFactoryOwn(TCefResourceHandlerClass handlerClass)
    : TCefSchemeHandlerFactoryOwn() {
  FClass = std::move(handlerClass);
}

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
