// The runtime binding against the stand-in runtime (libcef.dll beside the test) and against
// small fake runtime structures where a test needs to count what crosses the boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "support/TestSupport.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Handler.BrowserProcess.h"
#include "vorad/cef3/VoraD.Handler.ResourceBundle.h"
#include "vorad/cef3/VoraD.Utils.h"

using namespace testing_support;
using rtl::TRef;
using rtl::TVariant;

namespace {

// The function table bound to the stand-in without initialising it, for the tests that only
// need its strings, lists and values.
void BindRuntimeTable() {
  static HMODULE library = [] {
    HMODULE m = LoadLibraryW(L"libcef.dll");
    if (m) CefApi.Resolve(m);
    return m;
  }();
  ASSERT_NE(library, nullptr) << "libcef.dll not found beside the test";
}

// A runtime structure made by the test: `s` first, so the structure pointer is the fake.
template <class T>
struct TFake {
  T s{};
  std::atomic<int> refs{1};  // the reference handed over with the structure
  std::atomic<int> releases{0};

  TFake() {
    auto* base = reinterpret_cast<cef_base_t*>(&s);
    base->size = sizeof(T);
    base->add_ref = [](cef_base_t* self) CALLBACK { ++From(self)->refs; };
    base->release = [](cef_base_t* self) CALLBACK -> int {
      ++From(self)->releases;
      return --From(self)->refs == 0 ? 1 : 0;
    };
    base->has_one_ref = [](cef_base_t* self) CALLBACK -> int { return From(self)->refs == 1; };
  }
  static TFake* From(void* p) { return reinterpret_cast<TFake*>(p); }
  T* Handed() {  // the structure with one more reference, as the runtime returns it
    ++refs;
    return &s;
  }
};

// ---- reference counting

std::atomic<int> gTasksDestroyed{0};

class TCountedTask : public TCefTaskOwn {
public:
  ~TCountedTask() override { ++gTasksDestroyed; }
  void Execute() override {}
};

TEST(BindingRefCounting, OwnObjectsShareOneCountWithTheRuntime) {
  gTasksDestroyed = 0;
  TRef<ICefTask> task(new TCountedTask());
  auto* data = static_cast<cef_task_t*>(dynamic_cast<TCefBaseOwn*>(task.Get())->Data());
  auto* base = &data->base;
  EXPECT_EQ(base->size, sizeof(cef_task_t));
  EXPECT_EQ(base->has_one_ref(base), 1) << "one interface reference";
  EXPECT_EQ(TCefBaseOwn::ObjectOf(data), static_cast<ICefBase*>(task.Get()));

  // Wrap, then the runtime's release: back where it was.
  EXPECT_EQ(task->Wrap(), data);
  EXPECT_EQ(base->has_one_ref(base), 0);
  EXPECT_EQ(base->release(base), 0) << "not the last reference";
  EXPECT_EQ(base->has_one_ref(base), 1);

  // Handed once to the runtime and dropped by the program: the runtime's release destroys it.
  TCef3Helper::CefGetData(task);
  task.Reset();
  EXPECT_EQ(gTasksDestroyed, 0);
  EXPECT_EQ(base->release(base), 1) << "release reports the last reference";
  EXPECT_EQ(gTasksDestroyed, 1);
}

TEST(BindingRefCounting, RefWrapperReturnsExactlyItsOneReference) {
  TFake<cef_process_message_t> fake;
  {
    TRef<ICefProcessMessage> message = TCefProcessMessageRef::UnWrap(&fake.s);
    ASSERT_TRUE(message);
    EXPECT_EQ(fake.refs, 1) << "the wrapper adopts, it adds nothing";
    void* wrapped = TCef3Helper::CefGetData(message);
    EXPECT_EQ(wrapped, &fake.s);
    EXPECT_EQ(fake.refs, 2);
    fake.s.base.release(&fake.s.base);  // the receiver of Wrap is done with it
    // An entry the structure does not have gives the default answer instead of a call.
    EXPECT_FALSE(message->IsValid());
    EXPECT_EQ(message->GetName(), L"");
  }
  EXPECT_EQ(fake.refs, 0);
  EXPECT_EQ(fake.releases, 2);
  EXPECT_FALSE(TCefProcessMessageRef::UnWrap(nullptr));
}

// Structure sizes and the entries left null, for every Own class.
template <class Own>
void ExpectOwnLayout(size_t entries, std::initializer_list<size_t> nullEntries) {
  TRef<Own> own(new Own());
  auto* base = reinterpret_cast<cef_base_t*>(own->Data());
  ASSERT_EQ(base->size, sizeof(cef_base_t) + entries * sizeof(void*));
  auto** fn = reinterpret_cast<void**>(reinterpret_cast<char*>(base) + sizeof(cef_base_t));
  for (size_t i = 0; i < entries; ++i) {
    const bool expectNull = std::find(nullEntries.begin(), nullEntries.end(), i + 1) != nullEntries.end();
    EXPECT_EQ(fn[i] == nullptr, expectNull) << "entry " << i + 1;
  }
}

TEST(BindingRefCounting, OwnStructuresHaveTheirSizesAndNullEntries) {
  ExpectOwnLayout<TCefClientOwn>(15, {});
  ExpectOwnLayout<TCefLifeSpanHandlerOwn>(5, {3});
  ExpectOwnLayout<TCefLoadHandlerOwn>(4, {});
  ExpectOwnLayout<TCefRequestHandlerOwn>(15, {3});
  ExpectOwnLayout<TCefDisplayHandlerOwn>(7, {});
  ExpectOwnLayout<TCefFocusHandlerOwn>(3, {});
  ExpectOwnLayout<TCefKeyboardHandlerOwn>(2, {});
  ExpectOwnLayout<TCefJsDialogHandlerOwn>(4, {});
  ExpectOwnLayout<TCefContextMenuHandlerOwn>(4, {});
  ExpectOwnLayout<TCefDialogHandlerOwn>(1, {});
  ExpectOwnLayout<TCefDownloadHandlerOwn>(2, {});
  ExpectOwnLayout<TCefGeolocationHandlerOwn>(2, {});
  ExpectOwnLayout<TCefRenderHandlerOwn>(11, {4});
  ExpectOwnLayout<TCefDragHandlerOwn>(2, {});
  ExpectOwnLayout<TCefFindHandlerOwn>(1, {});
  ExpectOwnLayout<TCefAppOwn>(5, {});
  ExpectOwnLayout<TCefBrowserProcessHandlerOwn>(4, {4});
  ExpectOwnLayout<TCefRenderProcessHandlerOwn>(11, {});
  ExpectOwnLayout<TCefResourceBundleHandlerOwn>(3, {});
  ExpectOwnLayout<TCefResourceHandlerOwn>(6, {});
  ExpectOwnLayout<TCefSchemeHandlerFactoryOwn>(1, {});
  ExpectOwnLayout<TCefUrlrequestClientOwn>(5, {});
  ExpectOwnLayout<TCefv8HandlerOwn>(1, {});
  ExpectOwnLayout<TCefV8AccessorOwn>(2, {});
  ExpectOwnLayout<TCefDomVisitorOwn>(1, {});
  ExpectOwnLayout<TCefStringVisitorOwn>(1, {});
  ExpectOwnLayout<TCefCookieVisitorOwn>(1, {});
  ExpectOwnLayout<TCefSetCookieCallbackOwn>(1, {});
  ExpectOwnLayout<TCefDeleteCookiesCallbackOwn>(1, {});
  ExpectOwnLayout<TCefCompletionCallbackOwn>(1, {});
  ExpectOwnLayout<TCefRunFileDialogCallbackOwn>(1, {});
  ExpectOwnLayout<TCefWebPluginInfoVisitorOwn>(1, {});
  ExpectOwnLayout<TCefWebPluginUnstableCallbackOwn>(1, {});
  ExpectOwnLayout<TCefNavigationEntryVisitorOwn>(1, {});
  ExpectOwnLayout<TCefPdfPrintCallbackOwn>(1, {});
}

// ---- the script handler adapter

class TRecordingHandler : public TCefv8HandlerOwn {
public:
  size_t seenArguments = 99;
  TRef<ICefv8Value> answer;
  std::wstring exceptionText;
  bool raise = false;
  bool Execute(const std::wstring& name, const TRef<ICefv8Value>& /*object*/, const TCefv8ValueArray& arguments,
               TRef<ICefv8Value>& retval, std::wstring& exception) override {
    if (raise) throw rtl::Exception(L"handler failed");
    seenArguments = arguments.size();
    lastName = name;
    retval = answer;
    exception = exceptionText;
    return true;
  }
  std::wstring lastName;
};

TEST(BindingAdapters, ScriptHandlerDeliversValueAndExceptionWithZeroArguments) {
  BindRuntimeTable();
  TFake<cef_v8value_t> result;
  TRef<TRecordingHandler> handler(new TRecordingHandler());
  handler->answer = TCefv8ValueRef::UnWrap(result.Handed());
  handler->exceptionText = L"boom";
  auto* s = static_cast<cef_v8handler_t*>(handler->Data());

  const std::wstring name = L"native";
  const cef_string_t nameView = TCef3Helper::CefString(name);
  cef_v8value_t* retval = nullptr;
  cef_string_t exception{};
  EXPECT_EQ(s->execute(s, &nameView, nullptr, 0, nullptr, &retval, &exception), 1);
  EXPECT_EQ(handler->seenArguments, 0u);
  EXPECT_EQ(handler->lastName, L"native");
  EXPECT_EQ(retval, &result.s);
  EXPECT_EQ(TCef3Helper::CefStringClearAndGet(&exception), L"boom");
  handler->answer.Reset();
  EXPECT_EQ(result.refs, 2) << "the out value carries one reference for the runtime (plus ours)";
  result.s.base.release(&result.s.base);
}

TEST(BindingAdapters, AnExceptionStopsAtTheBoundaryWithTheDefaultAnswer) {
  BindRuntimeTable();
  std::wstring seenEntry, seenMessage;
  TCef3Helper::OnAdapterException = [&](const std::wstring& e, const std::wstring& m) {
    seenEntry = e;
    seenMessage = m;
  };
  TRef<TRecordingHandler> handler(new TRecordingHandler());
  handler->raise = true;
  auto* s = static_cast<cef_v8handler_t*>(handler->Data());
  TFake<cef_v8value_t> argument;
  cef_v8value_t* args[] = {argument.Handed()};
  cef_v8value_t* retval = nullptr;
  cef_string_t exception{};
  EXPECT_EQ(s->execute(s, nullptr, nullptr, 1, args, &retval, &exception), 0);
  TCef3Helper::OnAdapterException = nullptr;
  EXPECT_EQ(seenEntry, L"cef_v8handler_t.execute");
  EXPECT_EQ(seenMessage, L"handler failed");
  EXPECT_EQ(retval, nullptr);
  EXPECT_EQ(argument.refs, 1) << "the argument's reference was returned on the way out";
}

// In/out object arguments: when the handler raises, the slot still holds an object with one
// reference for the runtime, so the runtime's later release frees nothing the program holds.
class TRaisingPopupHandler : public TCefLifeSpanHandlerOwn {
public:
  TRef<ICefClient> replacement;
  bool OnBeforePopup(const TRef<ICefBrowser>&, const TRef<ICefFrame>&, const std::wstring&, const std::wstring&,
                     cef_window_open_disposition_t, bool, const cef_popup_features_t*, cef_window_info_t*,
                     TRef<ICefClient>& client, cef_browser_settings_t*, int&) override {
    if (replacement) client = replacement;
    throw rtl::Exception(L"popup handler failed");
  }
};

class TRaisingAccessor : public TCefV8AccessorOwn {
public:
  TRef<ICefv8Value> replacement;
  bool Get(const std::wstring&, const TRef<ICefv8Value>&, TRef<ICefv8Value>& retval, std::wstring&) override {
    if (replacement) retval = replacement;
    throw rtl::Exception(L"accessor failed");
  }
};

TEST(BindingAdapters, InOutObjectsEndAsTheRuntimeExpectsWhenTheHandlerRaises) {
  BindRuntimeTable();
  TCef3Helper::OnAdapterException = [](const std::wstring&, const std::wstring&) {};
  TRef<TRaisingPopupHandler> popup(new TRaisingPopupHandler());
  auto* life = static_cast<cef_life_span_handler_t*>(popup->Data());
  TRef<TCefClientOwn> client(new TCefClientOwn()), other(new TCefClientOwn());
  cef_client_t* slot = static_cast<cef_client_t*>(client->Wrap());  // the runtime's reference
  EXPECT_EQ(life->on_before_popup(life, nullptr, nullptr, nullptr, nullptr, WOD_NEW_POPUP, 0, nullptr, nullptr, &slot,
                                  nullptr, nullptr),
            0);
  EXPECT_EQ(slot, client->Data());
  EXPECT_EQ(client->RefCount(), 2) << "ours and the runtime's, still in the slot";
  // A handler that put another client in before it raised: that one goes to the runtime.
  popup->replacement = other;
  EXPECT_EQ(life->on_before_popup(life, nullptr, nullptr, nullptr, nullptr, WOD_NEW_POPUP, 0, nullptr, nullptr, &slot,
                                  nullptr, nullptr),
            0);
  popup->replacement.Reset();
  EXPECT_EQ(slot, other->Data());
  EXPECT_EQ(client->RefCount(), 1);
  EXPECT_EQ(other->RefCount(), 2);
  if (slot == other->Data()) slot->base.release(&slot->base);  // the runtime is done with it

  // The script handler's and the accessor's return value: the runtime's object goes back.
  TFake<cef_v8value_t> in, out;
  TRef<TRecordingHandler> handler(new TRecordingHandler());
  handler->raise = true;
  auto* h = static_cast<cef_v8handler_t*>(handler->Data());
  cef_v8value_t* retval = in.Handed();
  cef_string_t exception{};
  EXPECT_EQ(h->execute(h, nullptr, nullptr, 0, nullptr, &retval, &exception), 0);
  EXPECT_EQ(retval, &in.s);
  EXPECT_EQ(in.refs, 2) << "the runtime's reference is back in the slot";

  TRef<TRaisingAccessor> accessor(new TRaisingAccessor());
  accessor->replacement = TCefv8ValueRef::UnWrap(out.Handed());
  auto* a = static_cast<cef_v8accessor_t*>(accessor->Data());
  EXPECT_EQ(a->get(a, nullptr, nullptr, &retval, &exception), 0);
  accessor->replacement.Reset();
  EXPECT_EQ(retval, &out.s);
  EXPECT_EQ(out.refs, 2) << "the handler's value carries one reference for the runtime";
  EXPECT_EQ(in.refs, 1) << "the runtime's value was given up once";
  TCef3Helper::OnAdapterException = nullptr;
  out.s.base.release(&out.s.base);
  EXPECT_EQ(out.refs, 1);
}

// ---- one call of one entry: what each kind of argument and result does at the boundary

cef_domnode_t* gSameSeen = nullptr;
TFake<cef_domnode_t>* gParent = nullptr;
std::atomic<int> gUserFreeFrees{0};
cef_string_userfree_utf16_free_fn gRealUserFreeFree = nullptr;
void CEF_EXPORT CountingUserFreeFree(cef_string_userfree_utf16_t text) {
  ++gUserFreeFrees;
  gRealUserFreeFree(text);
}

TEST(BindingCallEntry, ArgumentsAndResultsConvertByTheirTypes) {
  BindRuntimeTable();
  TFake<cef_domnode_t> node, other;
  TRef<ICefDomNode> nodeRef = TCefDomNodeRef::UnWrap(node.Handed());
  TRef<ICefDomNode> otherRef = TCefDomNodeRef::UnWrap(other.Handed());

  // A missing entry answers the default and hands nothing over.
  EXPECT_FALSE(nodeRef->IsSame(otherRef));
  EXPECT_EQ(other.refs, 2);
  EXPECT_FALSE(nodeRef->GetParent());

  // A structure goes in with one added reference, which the runtime's side releases; any
  // non-zero answer is true.
  node.s.is_same = [](cef_domnode_t*, cef_domnode_t* that) CALLBACK -> int {
    gSameSeen = that;
    that->base.release(&that->base);
    return 7;
  };
  EXPECT_TRUE(nodeRef->IsSame(otherRef));
  EXPECT_EQ(gSameSeen, &other.s);
  EXPECT_EQ(other.refs, 2);

  // A returned structure is adopted: its reference goes with the wrapper.
  gParent = &other;
  node.s.get_parent = [](cef_domnode_t*) CALLBACK { return gParent->Handed(); };
  {
    TRef<ICefDomNode> got = nodeRef->GetParent();
    ASSERT_TRUE(got);
    EXPECT_EQ(other.refs, 3) << "adopted, nothing added";
  }
  EXPECT_EQ(other.refs, 2) << "the wrapper returned its reference";

  // A string goes in as a view and comes back user-free, copied and freed once.
  node.s.get_element_attribute = [](cef_domnode_t*, const cef_string_t* name) CALLBACK {
    return TCef3Helper::CefUserFreeString(L"value of " + TCef3Helper::CefString(name));
  };
  gRealUserFreeFree = CefApi.cef_string_userfree_utf16_free;
  CefApi.cef_string_userfree_utf16_free = &CountingUserFreeFree;
  gUserFreeFrees = 0;
  const std::wstring attribute = nodeRef->GetElementAttribute(L"href");
  CefApi.cef_string_userfree_utf16_free = gRealUserFreeFree;
  EXPECT_EQ(attribute, L"value of href");
  EXPECT_EQ(gUserFreeFrees, 1);

  // Scalar out-arguments are written through.
  TFake<cef_menu_model_t> menu;
  TRef<ICefMenuModel> menuRef = TCefMenuModelRef::UnWrap(menu.Handed());
  menu.s.get_accelerator = [](cef_menu_model_t*, int command, int* key, int* shift, int* ctrl,
                              int* alt) CALLBACK -> int {
    *key = command + 1;
    *shift = 0;
    *ctrl = 1;
    *alt = 0;
    return 1;
  };
  int key = 0, shift = 5, ctrl = 0, alt = 5;
  EXPECT_TRUE(menuRef->GetAccelerator(64, key, shift, ctrl, alt));
  EXPECT_EQ(std::vector<int>({key, shift, ctrl, alt}), std::vector<int>({65, 0, 1, 0}));
}

// Out-slots and counted out-arrays: what the runtime wrote comes back copied or adopted, its
// strings cleared once; nothing is touched when the entry is missing.
std::atomic<int> gStringClears{0};
cef_string_utf16_clear_fn gRealStringClear = nullptr;
void CEF_EXPORT CountingStringClear(cef_string_utf16_t* text) {
  ++gStringClears;
  gRealStringClear(text);
}
TFake<cef_v8value_t>* gEvalResult = nullptr;
TFake<cef_post_data_element_t>* gElement = nullptr;

TEST(BindingCallEntry, OutSlotsAndCountedOutArraysComeBackConverted) {
  BindRuntimeTable();
  TFake<cef_request_context_t> context;
  TRef<ICefRequestContext> contextRef = TCefRequestContextRef::UnWrap(context.Handed());
  std::wstring error = L"untouched";
  EXPECT_FALSE(contextRef->SetPreference(L"p", nullptr, error));
  EXPECT_EQ(error, L"untouched");
  context.s.set_preference = [](cef_request_context_t*, const cef_string_t* name, cef_value_t*,
                                cef_string_t* text) CALLBACK -> int {
    TCef3Helper::CefStringSet(text, L"no " + TCef3Helper::CefString(name));
    return 0;
  };
  gRealStringClear = CefApi.cef_string_utf16_clear;
  CefApi.cef_string_utf16_clear = &CountingStringClear;
  gStringClears = 0;
  EXPECT_FALSE(contextRef->SetPreference(L"p", nullptr, error));
  CefApi.cef_string_utf16_clear = gRealStringClear;
  EXPECT_EQ(error, L"no p");
  EXPECT_EQ(gStringClears, 1);

  TFake<cef_v8context_t> script;
  TFake<cef_v8value_t> value;
  TRef<ICefv8Context> scriptRef = TCefv8ContextRef::UnWrap(script.Handed());
  TRef<ICefv8Value> retval = TCefv8ValueRef::UnWrap(value.Handed());
  TRef<ICefV8Exception> exception;
  ICefv8Value* before = retval.Get();
  EXPECT_FALSE(scriptRef->Eval(L"1", retval, exception));
  EXPECT_EQ(retval.Get(), before) << "kept";
  EXPECT_EQ(value.refs, 2);
  gEvalResult = &value;
  script.s.eval = [](cef_v8context_t*, const cef_string_t*, cef_v8value_t** result,
                     cef_v8exception_t** raised) CALLBACK -> int {
    *result = gEvalResult->Handed();
    *raised = nullptr;
    return 1;
  };
  EXPECT_TRUE(scriptRef->Eval(L"1", retval, exception));
  ASSERT_TRUE(retval);
  EXPECT_FALSE(exception);
  EXPECT_EQ(value.refs, 2) << "the earlier wrapper released, the new one adopted";
  retval = nullptr;
  EXPECT_EQ(value.refs, 1);

  // Sized by the count entry; only as many as the entry reports it wrote are kept.
  TFake<cef_post_data_t> post;
  TFake<cef_post_data_element_t> element;
  TRef<ICefPostData> postRef = TCefPostDataRef::UnWrap(post.Handed());
  std::vector<TRef<ICefPostDataElement>> elements(4);
  postRef->GetElements(elements);
  EXPECT_EQ(elements.size(), 4u) << "no entry, no change";
  gElement = &element;
  post.s.get_element_count = [](cef_post_data_t*) CALLBACK -> size_t { return 3; };
  post.s.get_elements = [](cef_post_data_t*, size_t* count, cef_post_data_element_t** items) CALLBACK {
    if (*count != 3) return;
    items[0] = gElement->Handed();
    items[1] = gElement->Handed();
    *count = 2;
  };
  postRef->GetElements(elements);
  EXPECT_EQ(elements.size(), 2u);
  EXPECT_EQ(element.refs, 3) << "each adopted";
  elements.clear();
  EXPECT_EQ(element.refs, 1);

  TFake<cef_browser_t> browser;
  TRef<ICefBrowser> browserRef = TCefBrowserRef::UnWrap(browser.Handed());
  browser.s.get_frame_count = [](cef_browser_t*) CALLBACK -> size_t { return 2; };
  browser.s.get_frame_identifiers = [](cef_browser_t*, size_t* count, int64_t* ids) CALLBACK {
    for (size_t i = 0; i < *count; ++i) ids[i] = 10 + static_cast<int64_t>(i);
  };
  std::vector<int64_t> identifiers;
  browserRef->GetFrameIdentifiers(identifiers);
  EXPECT_EQ(identifiers, (std::vector<int64_t>{10, 11}));
}

// Entries made from the table: each argument and result crosses by its type, in/out strings go
// back only after an operation that succeeded, and a failure names the entry it happened in.
class TTooltipHandler : public TCefDisplayHandlerOwn {
public:
  bool answer = false;
  std::vector<std::wstring> icons;
  bool OnTooltip(const TRef<ICefBrowser>&, std::wstring& text) override {
    text += L" (changed)";
    return answer;
  }
  void OnFaviconUrlchange(const TRef<ICefBrowser>&, const std::vector<std::wstring>& urls) override { icons = urls; }
};

class TRaisingLoadHandler : public TCefLoadHandlerOwn {
public:
  void OnLoadEnd(const TRef<ICefBrowser>&, const TRef<ICefFrame>&, int) override {
    throw rtl::Exception(L"load handler failed");
  }
};

class TShortcutHandler : public TCefKeyboardHandlerOwn {
public:
  bool OnPreKeyEvent(const TRef<ICefBrowser>& browser, const cef_key_event_t*, cef_event_handle_t,
                     int& is_keyboard_shortcut) override {
    is_keyboard_shortcut = 1;
    return !browser;
  }
};

class TLoadClient : public TCefClientOwn {
public:
  TRef<ICefLoadHandler> load;
  TRef<ICefLoadHandler> GetLoadHandler() override { return load; }
};

TEST(BindingAdapters, TableEntriesConvertByTypeAndNameTheirEntryOnFailure) {
  BindRuntimeTable();
  TRef<TTooltipHandler> display(new TTooltipHandler());
  auto* d = display->Data();
  const std::wstring original = L"tip";
  for (const bool answer : {false, true}) {
    display->answer = answer;
    cef_string_t text = TCef3Helper::CefStringAlloc(original);
    TFake<cef_browser_t> browser;
    EXPECT_EQ(d->on_tooltip(d, browser.Handed(), &text), answer ? 1 : 0);
    EXPECT_EQ(TCef3Helper::CefStringClearAndGet(&text), answer ? L"tip (changed)" : L"tip");
    EXPECT_EQ(browser.refs, 1) << "the argument's reference was returned";
  }
  TCefStringListArg icons({L"a.ico", L"b.ico"});
  d->on_favicon_urlchange(d, nullptr, icons.Handle());
  EXPECT_EQ(display->icons, (std::vector<std::wstring>{L"a.ico", L"b.ico"}));

  TRef<TShortcutHandler> keys(new TShortcutHandler());
  auto* k = keys->Data();
  int shortcut = 0;
  EXPECT_EQ(k->on_pre_key_event(k, nullptr, nullptr, nullptr, &shortcut), 1);
  EXPECT_EQ(shortcut, 1);
  EXPECT_EQ(k->on_pre_key_event(k, nullptr, nullptr, nullptr, nullptr), 1) << "a null slot is no fault";
  // What a subclass leaves alone answers the interface's default.
  EXPECT_EQ(k->on_key_event(k, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(d->on_console_message(d, nullptr, nullptr, nullptr, 1), 0);

  TRef<TLoadClient> client(new TLoadClient());
  TRef<TRaisingLoadHandler> load(new TRaisingLoadHandler());
  client->load = load;
  auto* c = client->Data();
  cef_load_handler_t* handed = c->get_load_handler(c);
  EXPECT_EQ(handed, load->Data());
  EXPECT_EQ(c->get_dialog_handler(c), nullptr);
  EXPECT_EQ(load->RefCount(), 3) << "ours, the client's and one for the runtime";

  std::wstring seenEntry;
  TCef3Helper::OnAdapterException = [&](const std::wstring& e, const std::wstring&) { seenEntry = e; };
  handed->on_load_end(handed, nullptr, nullptr, 200);
  TCef3Helper::OnAdapterException = nullptr;
  EXPECT_EQ(seenEntry, L"cef_load_handler_t.on_load_end");
  handed->base.release(&handed->base);
  EXPECT_EQ(load->RefCount(), 2);
}

// ---- strings and lists

std::atomic<int> gListFrees{0};
cef_string_list_free_fn gRealListFree = nullptr;
void CEF_EXPORT CountingListFree(cef_string_list_t list) {
  ++gListFrees;
  gRealListFree(list);
}

TEST(BindingStrings, EmptyAndNullStringsAndEmptyLists) {
  BindRuntimeTable();
  const cef_string_t view = TCef3Helper::CefString(std::wstring());
  EXPECT_EQ(view.length, 0u);
  EXPECT_EQ(view.dtor, nullptr);
  const cef_string_t alloc = TCef3Helper::CefStringAlloc(L"");
  EXPECT_EQ(alloc.str, nullptr);
  EXPECT_EQ(alloc.length, 0u);
  EXPECT_EQ(TCef3Helper::CefString(static_cast<const cef_string_t*>(nullptr)), L"");
  EXPECT_EQ(TCef3Helper::CefStringFreeAndGet(nullptr), L"");

  // A runtime list with no elements: an empty native list, and the runtime list is freed.
  TRef<ICefCommandLine> commandLine = TCefCommandLineRef::New();
  ASSERT_TRUE(commandLine);
  gRealListFree = CefApi.cef_string_list_free;
  CefApi.cef_string_list_free = &CountingListFree;
  gListFrees = 0;
  std::vector<std::wstring> arguments{L"stale"};
  commandLine->GetArguments(arguments);
  CefApi.cef_string_list_free = gRealListFree;
  EXPECT_TRUE(arguments.empty());
  EXPECT_EQ(gListFrees, 1);

  // Both directions through the runtime: a list we pass comes back as it was.
  commandLine->AppendArgument(L"eins");
  commandLine->AppendArgument(L"zwei 二");
  commandLine->GetArguments(arguments);
  EXPECT_EQ(arguments, (std::vector<std::wstring>{L"eins", L"zwei 二"}));
}

TEST(BindingStrings, UserFreeStringsAndOwnedCopiesRoundTripThroughTheRuntime) {
  BindRuntimeTable();
  // Our user-free string is freed by the runtime through our destructor.
  cef_string_userfree_t ours = TCef3Helper::CefUserFreeString(L"Grüße");
  ASSERT_NE(ours, nullptr);
  EXPECT_EQ(ours->length, 5u);
  EXPECT_EQ(TCef3Helper::CefStringFreeAndGet(ours), L"Grüße");

  cef_string_t owned{};
  TCef3Helper::CefStringSet(&owned, L"kept");
  EXPECT_NE(owned.dtor, nullptr) << "the runtime owns the copy";
  EXPECT_EQ(TCef3Helper::CefStringClearAndGet(&owned), L"kept");
  EXPECT_EQ(owned.length, 0u);
  TCef3Helper::CefStringSet(nullptr, L"ignored");
}

TEST(BindingStrings, ParseUrlLeavesPartsAloneOnFailureAndSpecAloneOnSuccess) {
  BindRuntimeTable();
  TUrlParts parts;
  parts.spec = L"old spec";
  parts.host = L"old host";
  parts.query = L"old query";
  EXPECT_FALSE(TCef3Helper::CefParseUrl(L"not a url at all", parts));
  EXPECT_EQ(parts.spec, L"old spec");
  EXPECT_EQ(parts.host, L"old host");
  EXPECT_EQ(parts.query, L"old query");

  ASSERT_TRUE(TCef3Helper::CefParseUrl(L"http://user:pw@example.test:8080/a/b?x=1", parts));
  EXPECT_EQ(parts.spec, L"old spec");
  EXPECT_EQ(parts.scheme, L"http");
  EXPECT_EQ(parts.username, L"user");
  EXPECT_EQ(parts.password, L"pw");
  EXPECT_EQ(parts.host, L"example.test");
  EXPECT_EQ(parts.port, L"8080");
  EXPECT_EQ(parts.path, L"/a/b");
  EXPECT_EQ(parts.query, L"x=1");

  parts.spec.clear();  // a spec would take precedence over the parts
  const std::wstring url = TCef3Helper::CefCreateUrl(parts);
  EXPECT_NE(url.find(L"example.test:8080/a/b"), std::wstring::npos) << std::string(url.begin(), url.end());
  EXPECT_EQ(TCef3Helper::CefCreateUrl(TUrlParts{}), L"");
}

// ---- values

TEST(BindingValues, VariantsToListValuesAndBack) {
  BindRuntimeTable();
  TRef<ICefListValue> list = TCefListValueRef::New();
  ASSERT_TRUE(list);
  list->SetSize(9);
  VariantToListValue(list, 0, TVariant(int32_t(-7)));
  VariantToListValue(list, 1, TVariant(int64_t(5)));
  VariantToListValue(list, 2, TVariant(int64_t(1) << 40));  // too wide for an integer entry
  VariantToListValue(list, 3, TVariant(2.5));
  VariantToListValue(list, 4, TVariant(true));
  VariantToListValue(list, 5, TVariant(std::wstring(L"文字")));
  VariantToListValue(list, 6, TVariant(std::string("ansi")));
  VariantToListValue(list, 7, TVariant());  // nothing stored
  VariantToListValue(list, 8, TVariant(rtl::TVariantArray{TVariant(1)}));

  EXPECT_EQ(list->GetType(0), VTYPE_INT);
  EXPECT_EQ(list->GetType(1), VTYPE_INT);
  EXPECT_EQ(list->GetType(2), VTYPE_DOUBLE);
  EXPECT_NE(list->GetType(7), VTYPE_INT);
  EXPECT_NE(list->GetType(8), VTYPE_LIST);

  std::vector<TVariant> back(9);
  for (int i = 0; i < 9; ++i) ListValueToVariant(back[i], list, i);
  EXPECT_EQ(back[0], TVariant(int32_t(-7)));
  EXPECT_EQ(back[1], TVariant(int32_t(5)));
  EXPECT_EQ(back[2], TVariant(double(int64_t(1) << 40)));
  EXPECT_EQ(back[3], TVariant(2.5));
  EXPECT_EQ(back[4], TVariant(true));
  EXPECT_EQ(back[5], TVariant(std::wstring(L"文字")));
  EXPECT_EQ(back[6], TVariant(std::wstring(L"ansi")));
  EXPECT_TRUE(back[7].IsEmpty());

  TVariant untouched(int32_t(42));
  ListValueToVariant(untouched, list, 7);
  EXPECT_EQ(untouched, TVariant(int32_t(42)));
}

// A script value made by the test: enough of cef_v8value_t for the conversion.
struct TFakeV8 {
  enum TKind { Undefined, Null, Bool, Int, UInt, Double, String, Function, Array, Object, Date };
  TFake<cef_v8value_t> fake;
  TKind kind = Undefined;
  bool b = false;
  int32_t i = 0;
  uint32_t u = 0;
  double d = 0;
  std::wstring text;
  std::vector<TFakeV8*> items;
  std::vector<std::pair<std::wstring, TFakeV8*>> props;

  static TFakeV8* Of(cef_v8value_t* s) { return reinterpret_cast<TFakeV8*>(s); }
  explicit TFakeV8(TKind k) : kind(k) {
    cef_v8value_t& v = fake.s;
    v.is_undefined = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Undefined; };
    v.is_null = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Null; };
    v.is_bool = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Bool; };
    // Small non-negative integers are both int and uint, as in the runtime.
    v.is_int = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Int; };
    v.is_uint = [](cef_v8value_t* s) CALLBACK -> int {
      return Of(s)->kind == UInt || (Of(s)->kind == Int && Of(s)->i >= 0);
    };
    v.is_double = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Double || Of(s)->kind == Int; };
    v.is_date = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Date; };
    v.is_string = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == String; };
    v.is_object = [](cef_v8value_t* s) CALLBACK -> int {
      const TKind k = Of(s)->kind;
      return k == Object || k == Array || k == Function;
    };
    v.is_array = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Array; };
    v.is_function = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->kind == Function; };
    v.get_bool_value = [](cef_v8value_t* s) CALLBACK -> int { return Of(s)->b; };
    v.get_int_value = [](cef_v8value_t* s) CALLBACK -> int32_t { return Of(s)->i; };
    v.get_uint_value = [](cef_v8value_t* s) CALLBACK -> uint32_t { return Of(s)->u; };
    v.get_double_value = [](cef_v8value_t* s) CALLBACK -> double { return Of(s)->d; };
    v.get_string_value = [](cef_v8value_t* s) CALLBACK -> cef_string_userfree_t {
      return TCef3Helper::CefUserFreeString(Of(s)->text);
    };
    v.get_function_name = [](cef_v8value_t* s) CALLBACK -> cef_string_userfree_t {
      return TCef3Helper::CefUserFreeString(Of(s)->text);
    };
    v.get_array_length = [](cef_v8value_t* s) CALLBACK -> int { return int(Of(s)->items.size()); };
    v.get_value_byindex = [](cef_v8value_t* s, int index) CALLBACK -> cef_v8value_t* {
      return Of(s)->items.at(size_t(index))->fake.Handed();
    };
    v.get_keys = [](cef_v8value_t* s, cef_string_list_t keys) CALLBACK -> int {
      for (auto& p : Of(s)->props) {
        const cef_string_t k = TCef3Helper::CefString(p.first);
        CefApi.cef_string_list_append(keys, &k);
      }
      return 1;
    };
    v.get_value_bykey = [](cef_v8value_t* s, const cef_string_t* key) CALLBACK -> cef_v8value_t* {
      for (auto& p : Of(s)->props)
        if (p.first == TCef3Helper::CefString(key)) return p.second->fake.Handed();
      return nullptr;
    };
    v.is_same = [](cef_v8value_t* s, cef_v8value_t* that) CALLBACK -> int {
      if (that) that->base.release(&that->base);  // the argument's reference is the callee's
      return s == that;
    };
  }
  TRef<ICefv8Value> Ref() { return TCefv8ValueRef::UnWrap(fake.Handed()); }
};

TEST(BindingValues, ScriptValuesToVariantsByTheFirstTestThatHolds) {
  BindRuntimeTable();
  TFakeV8 one(TFakeV8::Int), letter(TFakeV8::String), yes(TFakeV8::Bool), big(TFakeV8::UInt),
      real(TFakeV8::Double), undef(TFakeV8::Undefined), null(TFakeV8::Null), fn(TFakeV8::Function),
      array(TFakeV8::Array), empty(TFakeV8::Array), object(TFakeV8::Object), bare(TFakeV8::Object),
      date(TFakeV8::Date), nested(TFakeV8::Array);
  one.i = 1;
  letter.text = L"a";
  yes.b = true;
  big.u = 4000000000u;
  real.d = 0.5;
  fn.text = L"onClick";
  array.items = {&one, &letter, &yes};
  object.props = {{L"n", &one}, {L"f", &fn}, {L"s", &letter}};
  nested.items = {&date};

  TVariant v;
  V8ValueToVariant(one.Ref(), v);
  EXPECT_EQ(v, TVariant(int32_t(1))) << "integer and unsigned: signed wins";
  V8ValueToVariant(big.Ref(), v);
  EXPECT_EQ(v, TVariant(uint32_t(4000000000u)));
  V8ValueToVariant(real.Ref(), v);
  EXPECT_EQ(v, TVariant(0.5));
  V8ValueToVariant(undef.Ref(), v);
  EXPECT_TRUE(v.IsEmpty());
  V8ValueToVariant(null.Ref(), v);
  EXPECT_TRUE(v.IsNull());
  V8ValueToVariant(fn.Ref(), v);
  EXPECT_EQ(v, TVariant(L"onClick"));
  V8ValueToVariant(array.Ref(), v);
  EXPECT_EQ(v, TVariant(rtl::TVariantArray{TVariant(int32_t(1)), TVariant(L"a"), TVariant(true)}));
  V8ValueToVariant(empty.Ref(), v);
  EXPECT_TRUE(v.IsArray());
  EXPECT_EQ(v.ArrayLength(), 0u);
  V8ValueToVariant(object.Ref(), v);
  EXPECT_EQ(v, TVariant(rtl::TVariantArray{TVariant(L"n"), TVariant(int32_t(1)), TVariant(L"s"), TVariant(L"a")}));
  V8ValueToVariant(bare.Ref(), v);
  EXPECT_EQ(v.ArrayLength(), 0u);

  // A kind the conversion does not know (here a date that is no object) raises, nested too.
  try {
    V8ValueToVariant(nested.Ref(), v);
    FAIL() << "no exception";
  } catch (const rtl::Exception& e) {
    EXPECT_EQ(e.Message(), L"指定的JavaScript变量无法转换为 Variant");
  }
  // Every reference the conversion took was returned.
  for (TFakeV8* f : {&one, &letter, &yes, &fn, &date, &array, &object})
    EXPECT_EQ(f->fake.refs, 1) << "kind " << f->kind;
}

TEST(BindingValues, CyclesRepeatsAndDeepNestingEndAsNull) {
  BindRuntimeTable();
  // o = {a: 1, self: o, list: [shared, shared]}: the cycle and the second appearance are cut.
  TFakeV8 one(TFakeV8::Int), o(TFakeV8::Object), list(TFakeV8::Array), shared(TFakeV8::Array);
  one.i = 1;
  shared.items = {&one};
  list.items = {&shared, &shared};
  o.props = {{L"a", &one}, {L"self", &o}, {L"list", &list}};
  using A = rtl::TVariantArray;
  TVariant v;
  V8ValueToVariant(o.Ref(), v);
  EXPECT_EQ(v, TVariant(A{TVariant(L"a"), TVariant(int32_t(1)), TVariant(L"self"), TVariant::Null(), TVariant(L"list"),
                          TVariant(A{TVariant(A{TVariant(int32_t(1))}), TVariant::Null()})}));

  // Arrays nested 40 deep: the 32 outer levels, then null.
  std::vector<std::unique_ptr<TFakeV8>> chain;
  for (int i = 0; i < 40; ++i) {
    chain.push_back(std::make_unique<TFakeV8>(TFakeV8::Array));
    if (i > 0) chain[size_t(i) - 1]->items = {chain.back().get()};
  }
  V8ValueToVariant(chain.front()->Ref(), v);
  int levels = 0;
  const TVariant* at = &v;
  while (at->IsArray() && at->ArrayLength() == 1) {
    ++levels;
    at = &(*at)[0];
  }
  EXPECT_EQ(levels, 32);
  EXPECT_TRUE(at->IsNull());

  // Every reference the conversion took was returned.
  for (TFakeV8* f : {&one, &o, &list, &shared}) EXPECT_EQ(f->fake.refs, 1) << "kind " << f->kind;
  for (const auto& f : chain) EXPECT_EQ(f->fake.refs, 1);
}

constexpr int kOk = 0;  // what a child role answers when everything held

// Single process: the render side's page script, converted where the render-process handler
// gets its context.
struct TScriptValues {
  std::atomic<bool> done{false};
  bool evaluated = false;
  std::vector<TVariant> values;
  std::wstring problem;
};
TScriptValues* gScriptValues = nullptr;

TAVLO_CHILD(binding_script_values) {
  TTempDir temp;
  TScriptValues results;
  gScriptValues = &results;
  VoraDBindingStart();
  VoraDApp->SetCefSingleProcess(true);
  VoraDApp->SetCefCache(temp.Path() + L"cache");
  VoraDApp->SetOnContextCreated([](const TRef<ICefBrowser>&, const TRef<ICefFrame>&, const TRef<ICefv8Context>& context) {
    TScriptValues& r = *gScriptValues;
    if (r.done) return;
    TRef<ICefv8Value> list;
    TRef<ICefV8Exception> exception;
    r.evaluated = context->Eval(
        L"[7, -2147483648, 4294967295, 2.5, 'text', true, null, undefined, [1, 'x', [true]],"
        L" {n: 1, s: 'a', f: function () {}}, function named() {}]",
        list, exception);
    try {
      for (int i = 0; r.evaluated && list && i < list->GetArrayLength(); ++i) {
        TVariant v;
        V8ValueToVariant(list->GetValueByindex(i), v);
        r.values.push_back(std::move(v));
      }
    } catch (const rtl::Exception& e) {
      r.problem = e.Message();
    }
    r.done = true;
  });
  if (!VoraDApp->Init()) return 50;
  TCefWindowInfo info{};
  info.style = WS_OVERLAPPEDWINDOW;
  TCefBrowserSettings settings{};
  settings.size = sizeof(settings);
  TRef<ICefBrowser> browser =
      VoraDApp->CefBrowserHostCreateSync(info, TRef<ICefClient>(new TCefClientOwn()), L"about:blank", settings, nullptr);
  if (!browser) return 51;
  const bool done = WaitFor([&] {
    VoraDApp->CefDoMessageLoopWork();
    return results.done.load();
  }, std::chrono::seconds(20));
  browser->GetHost()->CloseBrowser(true);
  browser.Reset();
  VoraDBindingEnd();
  if (!done) return 52;
  if (!results.evaluated) return 53;
  if (!results.problem.empty()) return 54;
  using A = rtl::TVariantArray;
  const std::vector<TVariant> expected = {
      TVariant(int32_t(7)), TVariant(int32_t(-2147483647 - 1)), TVariant(uint32_t(4294967295u)), TVariant(2.5),
      TVariant(L"text"), TVariant(true), TVariant::Null(), TVariant(),
      TVariant(A{TVariant(int32_t(1)), TVariant(L"x"), TVariant(A{TVariant(true)})}),
      // An object becomes name, value, name, value...; its functions are left out.
      TVariant(A{TVariant(L"n"), TVariant(int32_t(1)), TVariant(L"s"), TVariant(L"a")}), TVariant(L"named")};
  if (results.values.size() != expected.size()) return 55;
  for (size_t i = 0; i < expected.size(); ++i)
    if (!(results.values[i] == expected[i])) return 60 + static_cast<int>(i);
  return kOk;
}

TEST(BindingValues, ScriptValuesOfThePageScript) {
  EXPECT_EQ(RunChild(L"binding_script_values", {}, 60000), kOk)
      << "50 no runtime, 51 no browser, 52 no context, 53 eval failed, 54 conversion raised, 55 count, "
         "60 + n value n differs";
}

// ---- process helpers

TEST(BindingUtils, NewGuidStringIsBracedUpperCase) {
  const std::wstring a = NewGuidString(), b = NewGuidString();
  ASSERT_EQ(a.size(), 38u);
  EXPECT_EQ(a.front(), L'{');
  EXPECT_EQ(a.back(), L'}');
  for (size_t i : {9u, 14u, 19u, 24u}) EXPECT_EQ(a[i], L'-');
  for (wchar_t c : a.substr(1, 36)) EXPECT_TRUE(c == L'-' || iswdigit(c) || (c >= L'A' && c <= L'F')) << int(c);
  EXPECT_NE(a, b);
}

TEST(BindingUtils, WaitEventWithMessagesHonoursItsTimeOutInTotal) {
  SetMainThreadId(GetCurrentThreadId());
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitEventWithMessages(event, 0), TWaitResult::wrTimeout);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(200));

  // Messages keep arriving for far longer than the time-out: the wait still ends on time and
  // they are dispatched meanwhile.
  const DWORD self = GetCurrentThreadId();
  MSG probe;
  PeekMessageW(&probe, nullptr, 0, 0, PM_NOREMOVE);  // make sure this thread has a queue
  std::atomic<bool> stop{false};
  std::thread poster([&] {
    for (int i = 0; i < 300 && !stop; ++i) {
      PostThreadMessageW(self, WM_APP + 1, 0, 0);
      Sleep(10);
    }
  });
  started = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitEventWithMessages(event, 400), TWaitResult::wrTimeout);
  const auto waited = std::chrono::steady_clock::now() - started;
  stop = true;
  poster.join();
  EXPECT_LT(waited, std::chrono::milliseconds(400 + 300));
  EXPECT_GE(waited, std::chrono::milliseconds(350));
  ProcessPendingMessages();
  EXPECT_FALSE(PeekMessageW(&probe, nullptr, 0, 0, PM_NOREMOVE)) << "queue emptied";

  SetEvent(event);
  EXPECT_EQ(WaitEventWithMessages(event, 1000), TWaitResult::wrSignaled);
  CloseHandle(event);
}

TEST(BindingUtils, WaitEventWithMessagesOffTheMainThreadDispatchesNothing) {
  SetMainThreadId(GetCurrentThreadId());
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  bool stillQueued = false;
  TWaitResult result = TWaitResult::wrError;
  std::thread worker([&] {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 2, 0, 0);
    result = WaitEventWithMessages(event, 50);
    stillQueued = PeekMessageW(&msg, nullptr, WM_APP + 2, WM_APP + 2, PM_REMOVE) != 0;
  });
  worker.join();
  EXPECT_EQ(result, TWaitResult::wrTimeout);
  EXPECT_TRUE(stillQueued);
  CloseHandle(event);
}

// A browser whose window sits in a host window that answers what the test asks for.
LRESULT gAnswer = 0;
int gSeenIdentifier = 0;
HWND gPageWindow = nullptr;

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP + 7) {
    auto* browser = reinterpret_cast<TRef<ICefBrowser>*>(wParam);
    gSeenIdentifier = (*browser)->GetIdentifier() + int(lParam);
    return gAnswer;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST(BindingUtils, SendToBrowserWindowFailsOnlyForAnAnswerOfOne) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BindingTestHost";
  RegisterClassW(&wc);
  HWND host = CreateWindowExW(0, L"BindingTestHost", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                              wc.hInstance, nullptr);
  ASSERT_NE(host, nullptr);
  gPageWindow = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, host, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(gPageWindow, nullptr);

  static TFake<cef_browser_host_t> fakeHost;
  static TFake<cef_browser_t> fakeBrowser;
  fakeHost.s.get_window_handle = [](cef_browser_host_t*) CALLBACK -> HWND { return gPageWindow; };
  fakeBrowser.s.get_host = [](cef_browser_t*) CALLBACK -> cef_browser_host_t* { return fakeHost.Handed(); };
  fakeBrowser.s.get_identifier = [](cef_browser_t*) CALLBACK -> int { return 7; };
  TRef<ICefBrowser> browser = TCefBrowserRef::UnWrap(fakeBrowser.Handed());

  EXPECT_EQ(BrowserParentWindow(browser), host);
  for (LRESULT answer : {0, 1, 2, -1}) {
    gAnswer = answer;
    gSeenIdentifier = 0;
    EXPECT_EQ(SendToBrowserWindow(browser, WM_APP + 7, 100), answer != 1) << "answer " << answer;
    EXPECT_EQ(gSeenIdentifier, 107) << "wParam holds the browser, lParam passes unchanged";
  }
  browser.Reset();
  EXPECT_EQ(fakeBrowser.refs, 1);
  EXPECT_EQ(fakeHost.refs, 1);
  DestroyWindow(host);
}

// ---- the loader and the application object (each in a process of its own)

TAVLO_CHILD(binding_app_browser) {
  const std::wstring cache = args.at(0), trace = args.at(1);
  SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", trace.c_str());
  VoraDBindingStart();
  std::wstring seenPath, seenVersion;
  GlobalOnBeforeCommandLineProcessing = [&](const std::wstring&, const TRef<ICefCommandLine>& cl) {
    // The runtime keeps the name as given or drops its dashes; either way it is there.
    seenPath = cl->HasSwitch(L"ppapi-flash-path") ? cl->GetSwitchValue(L"ppapi-flash-path")
                                                  : cl->GetSwitchValue(L"--ppapi-flash-path");
    seenVersion = cl->HasSwitch(L"ppapi-flash-version") ? cl->GetSwitchValue(L"ppapi-flash-version")
                                                        : cl->GetSwitchValue(L"--ppapi-flash-version");
  };
  bool contextInitialized = false;
  VoraDApp->SetOnContextInitialized([&] { contextInitialized = true; });
  VoraDApp->SetCefSingleProcess(false);
  VoraDApp->SetCefCache(cache);
  if (!VoraDApp->IsNeedInitInMainProcess()) return 10;
  if (!VoraDApp->Init()) return 11;
  if (VoraDApp->IsNeedInitInMainProcess() || !VoraDApp->IsMainProcess()) return 12;
  if (seenPath != L"PepperFlash\\pepflashplayer.dll" || seenVersion != L"23.0.0.205") return 13;
  if (!contextInitialized) return 14;
  if (GetFileAttributesW(cache.c_str()) == INVALID_FILE_ATTRIBUTES) return 15;  // made by the runtime

  // The record the runtime got, as it traced it.
  const std::string traced = ReadFileBytes(trace);
  if (traced.find(" settings multi_threaded_message_loop=0 persist_user_preferences=0 log_severity=99 "
                  "accept_language_list= cache_path=") == std::string::npos)
    return 19;
  const cef_settings_t s = VoraDApp->BuildSettings();
  if (s.size != sizeof(cef_settings_t) || s.multi_threaded_message_loop != 0 || s.persist_user_preferences != 0 ||
      s.accept_language_list.length != 0 || s.log_severity != 99 || s.single_process != 0)
    return 16;

  // A second Init does not reach the runtime.
  static bool touched = false;
  const auto realExecute = CefApi.cef_execute_process;
  const auto realInitialize = CefApi.cef_initialize;
  CefApi.cef_execute_process = [](const cef_main_args_t*, cef_app_t*, void*) -> int { touched = true; return 0; };
  CefApi.cef_initialize = [](const cef_main_args_t*, const cef_settings_t*, cef_app_t*, void*) -> int {
    touched = true;
    return 0;
  };
  const bool again = VoraDApp->Init();
  CefApi.cef_execute_process = realExecute;
  CefApi.cef_initialize = realInitialize;
  if (!again || touched) return 17;

  VoraDBindingEnd();
  if (CefApi.cef_initialize || VoraDApp) return 18;  // shut down, unbound and freed
  return kOk;
}

// The test executable started by hand as a runtime sub-process ("--type=utility"): the runtime
// runs that role, Init answers false and the end of the binding only unloads the library.
int BindingSubProcessMain() {
  VoraDBindingStart();
  if (VoraDApp->Init()) return 20;
  if (VoraDApp->IsMainProcess() || !VoraDApp->Loaded()) return 21;
  static bool shutdownCalled = false;
  CefApi.cef_shutdown = [] { shutdownCalled = true; };
  VoraDBindingEnd();
  if (shutdownCalled) return 22;
  if (CefApi.cef_initialize) return 23;
  return kOk;
}
const bool gSubProcessRegistered = RegisterProcessTypeMain(&BindingSubProcessMain);

TAVLO_CHILD(binding_app_bad_library) {
  VoraDBindingStart();
  const std::wstring exe = ExecutablePath();
  VoraDApp->SetCefLibrary(exe.substr(0, exe.find_last_of(L'\\') + 1) + L"missing\\libcef.dll");
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      VoraDApp->Init();
      return 30 + attempt;
    } catch (const ECefException& e) {
      if (e.Message() != L"Invalid CEF Library version") return 32;
    }
    if (VoraDApp->Loaded()) return 33;
  }
  VoraDApp->SetCefLibrary(L"no-such-runtime.dll");
  try {
    VoraDApp->Init();
    return 34;
  } catch (const rtl::EOSError& e) {
    if (e.Message().rfind(L"System Error.  Code: 126.\r\n", 0) != 0) return 35;
  }
  try {
    VoraDApp->CefClearSchemeHandlerFactories();
    return 36;
  } catch (const rtl::Exception& e) {
    if (e.Message() != L"TVoraDApp.LoadLib must be called first") return 37;
  }
  VoraDApp->CefDoMessageLoopWork();  // not loaded: nothing happens
  VoraDBindingEnd();
  return kOk;
}

TEST(BindingApp, InitInTheBrowserProcess) {
  TTempDir dir;
  EXPECT_EQ(RunChild(L"binding_app_browser", {dir.Path() + L"made\\by\\runtime", dir.Path() + L"trace.txt"}), kOk)
      << "19: the runtime did not get the settings record asked for";
}

TEST(BindingApp, InitInASubProcessRunsTheRoleAndOnlyUnloads) {
  TChildProcess child = StartProcess(QuoteArg(ExecutablePath()) + L" --type=utility");
  ASSERT_TRUE(child.Valid());
  EXPECT_EQ(child.Wait(30000), kOk);
}

TEST(BindingApp, WrongOrMissingLibrary) {
  EXPECT_EQ(RunChild(L"binding_app_bad_library"), kOk);
}

TEST(BindingApp, FlashSwitchesComeBeforeTheUserHook) {
  BindRuntimeTable();
  TRef<ICefCommandLine> commandLine = TCefCommandLineRef::New();
  ASSERT_TRUE(commandLine);
  int hookCalls = 0;
  bool hadBoth = false;
  GlobalOnBeforeCommandLineProcessing = [&](const std::wstring& type, const TRef<ICefCommandLine>& cl) {
    ++hookCalls;
    const std::wstring text = cl->GetCommandLineString();
    hadBoth = type == L"renderer" && text.find(L"ppapi-flash-path=PepperFlash\\pepflashplayer.dll") != std::wstring::npos &&
              text.find(L"ppapi-flash-version=23.0.0.205") != std::wstring::npos;
  };
  TRef<ICefApp> app(new TInternalApp());
  auto* s = static_cast<cef_app_t*>(TCef3Helper::CefGetData(app));
  const std::wstring type = L"renderer";
  const cef_string_t typeView = TCef3Helper::CefString(type);
  s->on_before_command_line_processing(s, &typeView, static_cast<cef_command_line_t*>(commandLine->Wrap()));
  s->base.release(&s->base);
  GlobalOnBeforeCommandLineProcessing = nullptr;
  EXPECT_EQ(hookCalls, 1);
  EXPECT_TRUE(hadBoth);
}

std::wstring SettingText(const cef_string_t& text) {
  return TCef3Helper::CefString(&text);
}

TEST(BindingApp, SettingsRecordTakesEveryPropertyAsAViewAndTheFixedValues) {
  TVoraDApp app;
  cef_settings_t s = app.BuildSettings();
  EXPECT_EQ(s.size, sizeof(cef_settings_t));
  EXPECT_EQ(s.single_process, 1);
  EXPECT_EQ(s.log_severity, LOGSEVERITY_DISABLE);
  EXPECT_EQ(s.no_sandbox + s.windowless_rendering_enabled + s.command_line_args_disabled +
                s.persist_session_cookies + s.pack_loading_disabled + s.remote_debugging_port +
                s.uncaught_exception_stack_size + s.context_safety_implementation + s.ignore_certificate_errors,
            0);
  EXPECT_EQ(s.background_color, 0u);
  EXPECT_EQ(s.cache_path.length + s.user_agent.length + s.locale.length + s.browser_subprocess_path.length, 0u);

  app.SetCefBrowserSubprocessPath(L"sub.exe");
  app.SetCefCache(L"cache");
  app.SetCefUserAgent(L"agent");
  app.SetCefProductVersion(L"product/1");
  app.SetCefLocale(L"zh-CN");
  app.SetCefLogFile(L"debug.log");
  app.SetCefJavaScriptFlags(L"--flags");
  app.SetCefResourcesDirPath(L"res");
  app.SetCefLocalesDirPath(L"locales");
  app.SetCefSingleProcess(false);
  app.SetCefNoSandbox(true);
  app.SetCefWindowlessRenderingEnabled(true);
  app.SetCefCommandLineArgsDisabled(true);
  app.SetCefPersistSessionCookies(true);
  app.SetCefPackLoadingDisabled(true);
  app.SetCefIgnoreCertificateErrors(true);
  app.SetCefRemoteDebuggingPort(9222);
  app.SetCefUncaughtExceptionStackSize(7);
  app.SetCefContextSafetyImplementation(-1);
  app.SetCefBackgroundColor(0xFF102030u);
  s = app.BuildSettings();
  EXPECT_EQ(SettingText(s.browser_subprocess_path), L"sub.exe");
  EXPECT_EQ(SettingText(s.cache_path), L"cache");
  EXPECT_EQ(SettingText(s.user_agent), L"agent");
  EXPECT_EQ(SettingText(s.product_version), L"product/1");
  EXPECT_EQ(SettingText(s.locale), L"zh-CN");
  EXPECT_EQ(SettingText(s.log_file), L"debug.log");
  EXPECT_EQ(SettingText(s.javascript_flags), L"--flags");
  EXPECT_EQ(SettingText(s.resources_dir_path), L"res");
  EXPECT_EQ(SettingText(s.locales_dir_path), L"locales");
  EXPECT_EQ(s.user_data_path.length, 0u);
  EXPECT_EQ(s.accept_language_list.length, 0u);
  // Views of the object's own strings, which the runtime must not free.
  EXPECT_EQ(reinterpret_cast<const wchar_t*>(s.cache_path.str), app.CefCache().c_str());
  EXPECT_EQ(s.cache_path.dtor, nullptr);
  EXPECT_EQ(s.single_process, 0);
  EXPECT_EQ(s.no_sandbox, 1);
  EXPECT_EQ(s.windowless_rendering_enabled, 1);
  EXPECT_EQ(s.command_line_args_disabled, 1);
  EXPECT_EQ(s.persist_session_cookies, 1);
  EXPECT_EQ(s.pack_loading_disabled, 1);
  EXPECT_EQ(s.ignore_certificate_errors, 1);
  EXPECT_EQ(s.remote_debugging_port, 9222);
  EXPECT_EQ(s.uncaught_exception_stack_size, 7);
  EXPECT_EQ(s.context_safety_implementation, -1);
  EXPECT_EQ(s.background_color, 0xFF102030u);
  EXPECT_EQ(s.multi_threaded_message_loop + s.persist_user_preferences, 0);
}

// Several events share one signature, so only raising each shows that it went to its own slot.
TEST(BindingApp, EachEventIsStoredInAndRaisedByItsOwnHandler) {
  VoraDBindingStart();
  std::vector<std::string> raised;
  auto mark = [&raised](const char* name) { return [&raised, name](auto&&...) { raised.push_back(name); }; };
  VoraDApp->SetOnGetLocalizedString(mark("GetLocalizedString"));
  VoraDApp->SetOnGetDataResource(mark("GetDataResource"));
  VoraDApp->SetOnGetDataResourceForScale(mark("GetDataResourceForScale"));
  VoraDApp->SetOnContextInitialized(mark("ContextInitialized"));
  VoraDApp->SetOnBeforeChildProcessLaunch(mark("BeforeChildProcessLaunch"));
  VoraDApp->SetOnRenderProcessThreadCreated(mark("RenderProcessThreadCreated"));
  VoraDApp->SetOnRenderThreadCreated(mark("RenderThreadCreated"));
  VoraDApp->SetOnWebKitInitialized(mark("WebKitInitialized"));
  VoraDApp->SetOnBrowserCreated(mark("BrowserCreated"));
  VoraDApp->SetOnBrowserDestroyed(mark("BrowserDestroyed"));
  VoraDApp->SetOnBeforeNavigation(mark("BeforeNavigation"));
  VoraDApp->SetOnContextCreated(mark("ContextCreated"));
  VoraDApp->SetOnContextReleased(mark("ContextReleased"));
  VoraDApp->SetOnUncaughtException(mark("UncaughtException"));
  VoraDApp->SetOnFocusedNodeChanged(mark("FocusedNodeChanged"));
  VoraDApp->SetOnProcessMessageReceived(mark("ProcessMessageReceived"));

  TRef<ICefApp> app(new TInternalApp());
  const TRef<ICefResourceBundleHandler> bundle = app->GetResourceBundleHandler();
  const TRef<ICefBrowserProcessHandler> browserProcess = app->GetBrowserProcessHandler();
  const TRef<ICefRenderProcessHandler> render = app->GetRenderProcessHandler();
  ASSERT_TRUE(bundle && browserProcess && render);
  std::wstring text;
  void* data = nullptr;
  size_t size = 0;
  bundle->GetLocalizedString(1, text);
  bundle->GetDataResource(1, data, size);
  bundle->GetDataResourceForScale(1, SCALE_FACTOR_NONE, data, size);
  browserProcess->OnContextInitialized();
  browserProcess->OnBeforeChildProcessLaunch(nullptr);
  browserProcess->OnRenderProcessThreadCreated(nullptr);
  render->OnRenderThreadCreated(nullptr);
  render->OnWebKitInitialized();
  render->OnBrowserCreated(nullptr);
  render->OnBrowserDestroyed(nullptr);
  render->OnBeforeNavigation(nullptr, nullptr, nullptr, NAVIGATION_OTHER, false);
  render->OnContextCreated(nullptr, nullptr, nullptr);
  render->OnContextReleased(nullptr, nullptr, nullptr);
  render->OnUncaughtException(nullptr, nullptr, nullptr, nullptr, nullptr);
  render->OnFocusedNodeChanged(nullptr, nullptr, nullptr);
  render->OnProcessMessageReceived(nullptr, PID_BROWSER, nullptr);
  const std::vector<std::string> expected = {
      "GetLocalizedString", "GetDataResource", "GetDataResourceForScale", "ContextInitialized",
      "BeforeChildProcessLaunch", "RenderProcessThreadCreated", "RenderThreadCreated", "WebKitInitialized",
      "BrowserCreated", "BrowserDestroyed", "BeforeNavigation", "ContextCreated", "ContextReleased",
      "UncaughtException", "FocusedNodeChanged", "ProcessMessageReceived"};
  EXPECT_EQ(raised, expected);

  // The application object's getters read the same slots.
  raised.clear();
  VoraDApp->OnBrowserDestroyed()(nullptr);
  VoraDApp->OnContextReleased()(nullptr, nullptr, nullptr);
  VoraDApp->OnRenderProcessThreadCreated()(nullptr);
  bool cancel = false;
  VoraDApp->OnGetDataResource()(1, data, size, cancel);
  EXPECT_EQ(raised, (std::vector<std::string>{"BrowserDestroyed", "ContextReleased", "RenderProcessThreadCreated",
                                               "GetDataResource"}));
  app.Reset();
  VoraDBindingEnd();
  EXPECT_EQ(VoraDApp, nullptr);
}

// ---- the favicon getter

// A runtime URL request that never completes: it holds its client, as the runtime does, until
// its last reference goes.
struct TNeverEndingRequest {
  cef_urlrequest_t s{};
  std::atomic<int> refs{0};
  cef_urlrequest_client_t* client = nullptr;
  int cancels = 0;

  static TNeverEndingRequest* From(void* p) { return reinterpret_cast<TNeverEndingRequest*>(p); }
  TNeverEndingRequest() {
    s.base.size = sizeof(s);
    s.base.add_ref = [](cef_base_t* self) CALLBACK { ++From(self)->refs; };
    s.base.release = [](cef_base_t* self) CALLBACK -> int {
      TNeverEndingRequest* r = From(self);
      if (--r->refs > 0) return 0;
      if (cef_urlrequest_client_t* c = std::exchange(r->client, nullptr)) c->base.release(&c->base);
      return 1;
    };
    s.base.has_one_ref = [](cef_base_t* self) CALLBACK -> int { return From(self)->refs == 1; };
    s.cancel = [](cef_urlrequest_t* self) CALLBACK { ++From(self)->cancels; };
  }
};
TNeverEndingRequest* gNeverEnding = nullptr;

TEST(BindingFavicon, CancelAndShutdownLetGoOfARequestThatNeverCompletes) {
  BindRuntimeTable();
  const auto realCreate = CefApi.cef_urlrequest_create;
  CefApi.cef_urlrequest_create = [](cef_request_t* request, cef_urlrequest_client_t* client,
                                    cef_request_context_t*) -> cef_urlrequest_t* {
    if (request) request->base.release(&request->base);
    gNeverEnding->client = client;
    ++gNeverEnding->refs;
    return &gNeverEnding->s;
  };
  int calls = 0;
  const auto count = [&](const std::wstring&, rtl::TMemoryStream&) { ++calls; };
  TNeverEndingRequest cancelled, shutDown;
  gNeverEnding = &cancelled;
  TRef<TFaviconGetter> first = TFaviconGetter::Create(L"http://127.0.0.1:9/a.ico", count);
  gNeverEnding = &shutDown;
  TRef<TFaviconGetter> second = TFaviconGetter::Create(L"http://127.0.0.1:9/b.ico", count);
  CefApi.cef_urlrequest_create = realCreate;
  gNeverEnding = nullptr;
  ASSERT_TRUE(first->Started() && second->Started());
  EXPECT_EQ(first->RefCount(), 2) << "ours and the request's";

  // A cancelled getter lets go of its request at once: the cycle is gone, nothing else holds it.
  first->Cancel();
  EXPECT_EQ(cancelled.cancels, 1);
  EXPECT_EQ(cancelled.refs, 0);
  EXPECT_EQ(first->RefCount(), 1);
  EXPECT_FALSE(first->HasStream());
  // The end of the runtime cancels what still runs; a cancelled getter is not cancelled twice.
  CancelFaviconGetters();
  EXPECT_EQ(cancelled.cancels, 1);
  EXPECT_EQ(shutDown.cancels, 1);
  EXPECT_EQ(shutDown.refs, 0);
  EXPECT_EQ(second->RefCount(), 1);
  EXPECT_EQ(calls, 0);
}

// ---- the favicon getter (browser process with the runtime running)

TAVLO_CHILD(binding_favicon) {
  const std::wstring good = args.at(0), refused = args.at(1);
  VoraDBindingStart();
  if (!VoraDApp->Init()) return 40;
  std::string received;
  std::wstring receivedUrl;
  int calls = 0, cancelledCalls = 0, failedCalls = 0;
  auto getter = TFaviconGetter::Create(good, [&](const std::wstring& url, rtl::TMemoryStream& stream) {
    ++calls;
    receivedUrl = url;
    received.resize(stream.Size() - stream.Position());
    stream.Read(received.data(), received.size());
    throw rtl::Exception(L"consumer failed");  // swallowed by the getter
  });
  auto cancelled = TFaviconGetter::Create(good, [&](const std::wstring&, rtl::TMemoryStream&) { ++cancelledCalls; });
  cancelled->Cancel();
  auto failing = TFaviconGetter::Create(refused, [&](const std::wstring&, rtl::TMemoryStream&) { ++failedCalls; });
  if (!getter->Started()) return 46;  // the runtime made no request

  const bool done = WaitFor([&] {
    VoraDApp->CefDoMessageLoopWork();
    return !getter->HasStream() && !failing->HasStream() && !cancelled->HasStream();
  }, std::chrono::seconds(20));
  VoraDApp->CefDoMessageLoopWork();
  if (!done) return 41;
  if (calls != 1 || receivedUrl != good) return 42;
  std::string expected(1500, '\0');
  for (size_t i = 0; i < expected.size(); ++i) expected[i] = char((i * 131 + i / 65536) & 255);
  if (received != expected) return 43;
  if (cancelledCalls != 0) return 44;
  if (failedCalls != 0) return 45;
  getter.Reset();
  cancelled.Reset();
  failing.Reset();
  VoraDBindingEnd();
  return kOk;
}

TEST(BindingFavicon, DeliversTheIconOnceAndNeverAfterCancel) {
  ASSERT_NE(HttpServerPort(), 0) << "test HTTP server not running";
  const int code = RunChild(L"binding_favicon", {HttpUrl(L"/bytes/1500?type=image/x-icon"), L"http://127.0.0.1:9/favicon.ico"},
                            60000);
  // Port 9 on this machine: nothing listens there, so that request fails.
  EXPECT_EQ(code, kOk);
}

}  // namespace
