// The stand-in runtime (libcef.dll) called through the C declarations, as the binding calls it:
// the DLL is loaded at run time and every function comes from GetProcAddress. This executable
// is also the runtime's render process (--type=renderer) and, as child roles, further browser
// processes.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/TestSupport.h"
#include "unit/RuntimeTestSupport.h"

using namespace testing_support;

namespace {

// ---- the application of every process of this test ---------------------------------------

const wchar_t kEchoPrefix[] = L"echo:";
const wchar_t kTestSwitch[] = L"standin-test-switch";

std::mutex gLock;
std::vector<std::wstring> gRenderExtra;  // render side: extra info it was started with

// Render side: every message comes back as "echo:<name>" with its arguments copied, followed by
// facts about the render process (pid, extra info, whether it saw the browser's switch).
int CEF_CALLBACK RenderMessage(cef_render_process_handler_t*, cef_browser_t* browser, cef_process_id_t source,
                               cef_process_message_t* message) {
  auto& c = Cef();
  const std::wstring name = Take(message->get_name(message));
  cef_process_message_t* copy = message->copy(message);
  const std::wstring replyName = kEchoPrefix + name;
  cef_string_t rn = View(replyName);
  cef_process_message_t* reply = c.cef_process_message_create(&rn);
  cef_list_value_t* in = copy->get_argument_list(copy);
  cef_list_value_t* out = reply->get_argument_list(reply);
  const int n = static_cast<int>(in->get_size(in));
  for (int i = 0; i < n; ++i) out->set_value(out, i, in->get_value(in, i));
  out->set_int(out, n, static_cast<int>(GetCurrentProcessId()));
  std::wstring extra;
  {
    std::lock_guard<std::mutex> l(gLock);
    for (const auto& e : gRenderExtra) extra += e;
  }
  cef_string_t ex = View(extra);
  out->set_string(out, n + 1, &ex);
  cef_command_line_t* global = c.cef_command_line_get_global();
  const std::wstring sw = kTestSwitch;
  cef_string_t swv = View(sw);
  const std::wstring seen = Take(global->get_switch_value(global, &swv));
  Release(global);
  cef_string_t seenv = View(seen);
  out->set_string(out, n + 2, &seenv);
  out->set_bool(out, n + 3, source == PID_BROWSER && c.cef_currently_on(TID_RENDERER));
  Release(in);
  Release(out);
  Release(copy);
  Release(message);
  browser->send_process_message(browser, PID_BROWSER, reply);
  Release(browser);
  return 1;
}

void CEF_CALLBACK RenderThreadCreated(cef_render_process_handler_t*, cef_list_value_t* extra) {
  std::lock_guard<std::mutex> l(gLock);
  for (size_t i = 0; i < extra->get_size(extra); ++i) gRenderExtra.push_back(Take(extra->get_string(extra, static_cast<int>(i))));
  Release(extra);
}

void CEF_CALLBACK BrowserThreadExtra(cef_browser_process_handler_t*, cef_list_value_t* extra) {
  const std::wstring text = L"extra from the browser";
  cef_string_t v = View(text);
  extra->set_string(extra, 0, &v);
  Release(extra);
}

void CEF_CALLBACK AddTestSwitch(cef_app_t*, const cef_string_t* processType, cef_command_line_t* commandLine) {
  // Only the browser process adds it; render processes must inherit it.
  if (!processType || processType->length == 0) {
    const std::wstring name = kTestSwitch, value = L"42";
    cef_string_t n = View(name), v = View(value);
    commandLine->append_switch_with_value(commandLine, &n, &v);
  }
  Release(commandLine);
}

TOwn<cef_render_process_handler_t>* gRenderHandler = [] {
  auto* h = new TOwn<cef_render_process_handler_t>();
  h->s.on_process_message_received = &RenderMessage;
  h->s.on_render_thread_created = &RenderThreadCreated;
  return h;
}();
std::atomic<int> gContextInitialized{0};
TOwn<cef_browser_process_handler_t>* gBrowserHandler = [] {
  auto* h = new TOwn<cef_browser_process_handler_t>();
  h->s.on_render_process_thread_created = &BrowserThreadExtra;
  h->s.on_context_initialized = [](cef_browser_process_handler_t*) CEF_CALLBACK { ++gContextInitialized; };
  return h;
}();
TOwn<cef_app_t>* gApp = [] {
  auto* a = new TOwn<cef_app_t>();
  a->s.on_before_command_line_processing = &AddTestSwitch;
  a->s.get_render_process_handler = [](cef_app_t*) CEF_CALLBACK { return gRenderHandler->Wrap(); };
  a->s.get_browser_process_handler = [](cef_app_t*) CEF_CALLBACK { return gBrowserHandler->Wrap(); };
  return a;
}();

int RendererMain() {
  if (!Cef().cef_execute_process) return 97;
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  return Cef().cef_execute_process(&args, gApp->Wrap(), nullptr);
}
const bool gRendererRegistered = RegisterProcessTypeMain(&RendererMain);

// The browser side's client: keeps every process message it receives.
struct TReceived {
  std::wstring name;
  cef_list_value_t* args = nullptr;  // one reference
};
std::vector<TReceived> gReceived;

TOwn<cef_client_t>* NewClient() {
  auto* c = new TOwn<cef_client_t>();
  c->s.on_process_message_received = [](cef_client_t*, cef_browser_t* browser, cef_process_id_t source,
                                        cef_process_message_t* message) CEF_CALLBACK -> int {
    EXPECT_EQ(PID_RENDERER, source);
    EXPECT_EQ(1, Cef().cef_currently_on(TID_UI)) << "process messages arrive on the UI thread";
    gReceived.push_back({Take(message->get_name(message)), message->get_argument_list(message)});
    Release(message);
    Release(browser);
    return 1;
  };
  return c;
}

bool InitializeRuntime(bool singleProcess, const std::wstring& cachePath) {
  cef_settings_t settings{};
  settings.size = sizeof(settings);
  settings.single_process = singleProcess ? 1 : 0;
  settings.no_sandbox = 1;
  settings.log_severity = LOGSEVERITY_DISABLE;
  settings.cache_path = View(cachePath);
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  // A browser process: cef_execute_process says so first.
  if (Cef().cef_execute_process(&args, gApp->Wrap(), nullptr) != -1) return false;
  return Cef().cef_initialize(&args, &settings, gApp->Wrap(), nullptr) == 1;
}

// A message with every kind of list value; the echo must bring all of them back.
cef_process_message_t* RichMessage(const std::wstring& name) {
  auto& c = Cef();
  cef_string_t n = View(name);
  cef_process_message_t* m = c.cef_process_message_create(&n);
  cef_list_value_t* l = m->get_argument_list(m);
  const std::wstring text = L"文本 with \"quotes\"\n";
  cef_string_t t = View(text);
  l->set_string(l, 0, &t);
  l->set_int(l, 1, -123456789);
  l->set_double(l, 2, 2.5e-3);
  l->set_bool(l, 3, 1);
  l->set_null(l, 4);
  cef_list_value_t* inner = c.cef_list_value_create();
  inner->set_int(inner, 0, 7);
  l->set_list(l, 5, inner);
  cef_dictionary_value_t* d = c.cef_dictionary_value_create();
  const std::wstring key = L"key";
  cef_string_t k = View(key);
  d->set_double(d, &k, -1.25);
  l->set_dictionary(l, 6, d);
  const char bytes[] = {0, 1, 2, '\xff'};
  l->set_binary(l, 7, c.cef_binary_value_create(bytes, sizeof bytes));
  Release(l);
  return m;
}

void ExpectRichArguments(cef_list_value_t* l) {
  ASSERT_NE(nullptr, l);
  EXPECT_EQ(VTYPE_STRING, l->get_type(l, 0));
  EXPECT_EQ(L"文本 with \"quotes\"\n", Take(l->get_string(l, 0)));
  EXPECT_EQ(-123456789, l->get_int(l, 1));
  EXPECT_DOUBLE_EQ(2.5e-3, l->get_double(l, 2));
  EXPECT_EQ(VTYPE_BOOL, l->get_type(l, 3));
  EXPECT_EQ(1, l->get_bool(l, 3));
  EXPECT_EQ(VTYPE_NULL, l->get_type(l, 4));
  cef_list_value_t* inner = l->get_list(l, 5);
  ASSERT_NE(nullptr, inner);
  EXPECT_EQ(7, inner->get_int(inner, 0));
  Release(inner);
  cef_dictionary_value_t* d = l->get_dictionary(l, 6);
  ASSERT_NE(nullptr, d);
  const std::wstring key = L"key";
  cef_string_t k = View(key);
  EXPECT_DOUBLE_EQ(-1.25, d->get_double(d, &k));
  Release(d);
  cef_binary_value_t* b = l->get_binary(l, 7);
  ASSERT_NE(nullptr, b);
  char got[8] = {};
  EXPECT_EQ(4u, b->get_data(b, got, sizeof got, 0));
  EXPECT_EQ('\xff', got[3]);
  Release(b);
}

// The process-message round trip, from this (browser) process through a render side and back.
// Returns the render side's process id, 0 on failure.
DWORD RoundTrip(cef_browser_t* browser) {
  gReceived.clear();
  if (!browser->send_process_message(browser, PID_RENDERER, RichMessage(L"ping"))) return 0;
  if (!PumpUntil([] { return !gReceived.empty(); })) return 0;
  EXPECT_EQ(L"echo:ping", gReceived[0].name);
  cef_list_value_t* l = gReceived[0].args;
  ExpectRichArguments(l);
  EXPECT_EQ(L"extra from the browser", Take(l->get_string(l, 9))) << "extra info reaches on_render_thread_created";
  EXPECT_EQ(L"42", Take(l->get_string(l, 10))) << "the render side sees the switch the application added";
  EXPECT_EQ(1, l->get_bool(l, 11)) << "render-side messages arrive on the render thread";
  const DWORD pid = static_cast<DWORD>(l->get_int(l, 8));
  for (auto& r : gReceived) Release(r.args);
  gReceived.clear();
  return pid;
}

cef_browser_t* CreateBrowser(TOwn<cef_client_t>* client) {
  const std::wstring url = L"about:blank";
  cef_string_t u = View(url);
  cef_browser_settings_t bs{};
  bs.size = sizeof(bs);
  return Cef().cef_browser_host_create_browser_sync(nullptr, client->Wrap(), &u, &bs, nullptr);
}

bool ProcessEnds(DWORD pid, DWORD ms) {
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!h) return true;  // already gone
  const bool ended = WaitForSingleObject(h, ms) == WAIT_OBJECT_0;
  CloseHandle(h);
  return ended;
}

// ---- child roles: further browser processes ---------------------------------------------------

// Plays a browser process whose render process must end when it goes away: writes the render
// process id to the file named by args[0], then exits without cef_shutdown. args[1]: cache folder.
TAVLO_CHILD(abandoning_browser) {
  if (!InitializeRuntime(false, args.at(1))) return 2;
  cef_browser_t* browser = CreateBrowser(NewClient());
  if (!browser) return 3;
  const DWORD pid = RoundTrip(browser);
  if (!pid) return 4;
  WriteFileBytes(args.at(0), std::to_string(pid));
  ExitProcess(0);
}

// The same round trip with the render side on a thread of this process.
TAVLO_CHILD(single_process_browser) {
  TTempDir cache;
  if (!InitializeRuntime(true, cache.Path() + L"cache")) return 2;
  cef_browser_t* browser = CreateBrowser(NewClient());
  if (!browser) return 3;
  const DWORD pid = RoundTrip(browser);
  Release(browser);
  Cef().cef_shutdown();
  return pid == GetCurrentProcessId() ? 0 : 5;
}

}  // namespace

// ---- exports --------------------------------------------------------------------------------

TEST(RuntimeExports, EveryNameResolvesAndTheMissingVariantLacksOne) {
  HMODULE lib = LoadLibraryW(L"libcef.dll");
  ASSERT_NE(nullptr, lib);
  int resolved = 0;
#define X(ret, name, params)                                                       \
  if (GetProcAddress(lib, #name)) ++resolved;                                      \
  else ADD_FAILURE() << #name << " is not exported";
  VORAD_CEF3_EXPORTS(X)
  VORAD_CEF3_OTHER_EXPORTS(X)
#undef X
  EXPECT_EQ(VORAD_CEF3_EXPORT_COUNT + VORAD_CEF3_OTHER_EXPORT_COUNT, resolved);
  // And nothing else: the export table holds the listed names only (a stray dllexport would add
  // a name no client of the real runtime could rely on).
  const auto* base = reinterpret_cast<const BYTE*>(lib);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& exports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(0u, exports.VirtualAddress);
  const auto* table = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exports.VirtualAddress);
  EXPECT_EQ(static_cast<DWORD>(VORAD_CEF3_EXPORT_COUNT + VORAD_CEF3_OTHER_EXPORT_COUNT), table->NumberOfNames);
  EXPECT_EQ(table->NumberOfNames, table->NumberOfFunctions);

  // The binding's version check needs a library that lacks one name.
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir(exe);
  dir.resize(dir.find_last_of(L'\\') + 1);
  HMODULE missing = LoadLibraryExW((dir + L"missing\\libcef.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  ASSERT_NE(nullptr, missing);
  EXPECT_NE(lib, missing);
  int present = 0;
#define X(ret, name, params) \
  if (GetProcAddress(missing, #name)) ++present;
  VORAD_CEF3_EXPORTS(X)
#undef X
  EXPECT_EQ(VORAD_CEF3_EXPORT_COUNT - 1, present);
  FreeLibrary(missing);
}

// An export as the function type it has (through void(*)() so that no cast warning fires).
template <class F>
F Proc(HMODULE lib, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(lib, name)));
}

TEST(RuntimeExports, VersionAndTranslatorTests) {
  HMODULE lib = LoadLibraryW(L"libcef.dll");
  ASSERT_NE(nullptr, lib);
  auto version = Proc<cef_version_info_fn>(lib, "cef_version_info");
  auto hash = Proc<cef_api_hash_fn>(lib, "cef_api_hash");
  ASSERT_TRUE(version && hash);
  const int expected[] = {3, 1401, 49, 0, 2623, 110};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], version(i)) << i;
  EXPECT_EQ(0, version(6));
  EXPECT_EQ(0, version(-1));
  ASSERT_NE(nullptr, hash(0));
  EXPECT_EQ(40u, strlen(hash(0)));
  EXPECT_NE(nullptr, hash(1));
  EXPECT_EQ(nullptr, hash(2));
  using TCreate = void* (*)(int, int, int);  // extra arguments are harmless under __cdecl
  for (const char* name : {"cef_translator_test_create", "cef_translator_test_object_create",
                           "cef_translator_test_object_child_create", "cef_translator_test_object_child_child_create"}) {
    auto create = Proc<TCreate>(lib, name);
    ASSERT_NE(nullptr, create) << name;
    EXPECT_EQ(nullptr, create(1, 2, 3)) << name;
  }
}

TEST(RuntimeExports, TimeConversions) {
  HMODULE lib = LoadLibraryW(L"libcef.dll");
  ASSERT_NE(nullptr, lib);
  auto now = Proc<cef_time_now_fn>(lib, "cef_time_now");
  auto delta = Proc<cef_time_delta_fn>(lib, "cef_time_delta");
  auto toTimet = Proc<cef_time_to_timet_fn>(lib, "cef_time_to_timet");
  auto fromTimet = Proc<cef_time_from_timet_fn>(lib, "cef_time_from_timet");
  auto toDouble = Proc<cef_time_to_doublet_fn>(lib, "cef_time_to_doublet");
  auto fromDouble = Proc<cef_time_from_doublet_fn>(lib, "cef_time_from_doublet");
  ASSERT_TRUE(now && delta && toTimet && fromTimet && toDouble && fromDouble);

  // 2016-02-29 12:34:56.789 UTC, a Monday: 1456749296 s since 1970.
  cef_time_t t{};
  ASSERT_EQ(1, fromDouble(1456749296.789, &t));
  EXPECT_EQ(2016, t.year);
  EXPECT_EQ(2, t.month);
  EXPECT_EQ(29, t.day_of_month);
  EXPECT_EQ(1, t.day_of_week);
  EXPECT_EQ(12, t.hour);
  EXPECT_EQ(34, t.minute);
  EXPECT_EQ(56, t.second);
  EXPECT_EQ(789, t.millisecond);
  int64_t secs = 0;
  ASSERT_EQ(1, toTimet(&t, &secs));
  EXPECT_EQ(1456749296, secs);
  double d = 0;
  ASSERT_EQ(1, toDouble(&t, &d));
  EXPECT_DOUBLE_EQ(1456749296.789, d);

  // Before 1970: 1969-12-31 23:59:59, a Wednesday.
  cef_time_t early{};
  ASSERT_EQ(1, fromTimet(-1, &early));
  EXPECT_EQ(1969, early.year);
  EXPECT_EQ(12, early.month);
  EXPECT_EQ(31, early.day_of_month);
  EXPECT_EQ(3, early.day_of_week);
  EXPECT_EQ(59, early.second);
  long long ms = 0;
  ASSERT_EQ(1, delta(&early, &t, &ms));
  EXPECT_EQ(1456749297789LL, ms);  // the second time minus the first
  ASSERT_EQ(1, delta(&t, &early, &ms));
  EXPECT_EQ(-1456749297789LL, ms);

  // Invalid fields fail and leave the output alone.
  cef_time_t bad = t;
  bad.day_of_month = 30;  // 30 February
  secs = 7;
  EXPECT_EQ(0, toTimet(&bad, &secs));
  EXPECT_EQ(7, secs);
  bad = t;
  bad.hour = 24;
  EXPECT_EQ(0, toDouble(&bad, &d));
  EXPECT_EQ(0, delta(&bad, &t, &ms));
  EXPECT_EQ(0, toTimet(nullptr, &secs));
  EXPECT_EQ(0, fromDouble(1e300, &t));

  cef_time_t current{};
  ASSERT_EQ(1, now(&current));
  ASSERT_EQ(1, toTimet(&current, &secs));
  EXPECT_GT(secs, 1700000000);  // later than the time this test was written
}

// ---- strings --------------------------------------------------------------------------------

TEST(RuntimeStrings, OwnershipFollowsCopyAndDestructor) {
  auto& c = Cef();
  ASSERT_NE(nullptr, c.lib);
  std::wstring source = L"héllo";
  cef_string_t copied{};
  ASSERT_EQ(1, c.cef_string_utf16_set(source.c_str(), source.size(), &copied, 1));
  EXPECT_NE(nullptr, copied.dtor) << "a copy owns its characters";
  EXPECT_NE(source.c_str(), copied.str);
  source[0] = L'j';
  EXPECT_EQ(L"héllo", W(copied)) << "a copy does not follow its source";

  cef_string_t view{};
  ASSERT_EQ(1, c.cef_string_utf16_set(source.c_str(), source.size(), &view, 0));
  EXPECT_EQ(nullptr, view.dtor);
  EXPECT_EQ(source.c_str(), view.str) << "without copy the string only refers to the source";

  // Setting again frees the old value first; clearing empties without freeing the record.
  ASSERT_EQ(1, c.cef_string_utf16_set(source.c_str(), 2, &copied, 1));
  EXPECT_EQ(L"jé", W(copied));
  c.cef_string_utf16_clear(&copied);
  EXPECT_EQ(nullptr, copied.str);
  EXPECT_EQ(0u, copied.length);
  EXPECT_EQ(nullptr, copied.dtor);

  cef_string_userfree_t uf = c.cef_string_userfree_utf16_alloc();
  ASSERT_NE(nullptr, uf);
  c.cef_string_utf16_set(L"abc", 3, uf, 1);
  c.cef_string_userfree_utf16_free(uf);

  // Conversions keep text beyond ASCII intact.
  const std::wstring cjk = L"下载 ✓";
  cef_string_utf8_t u8{};
  ASSERT_EQ(1, c.cef_string_utf16_to_utf8(cjk.c_str(), cjk.size(), &u8));
  EXPECT_EQ(std::string("\xe4\xb8\x8b\xe8\xbd\xbd \xe2\x9c\x93"), std::string(u8.str, u8.length));
  cef_string_t back{};
  ASSERT_EQ(1, c.cef_string_utf8_to_utf16(u8.str, u8.length, &back));
  EXPECT_EQ(cjk, W(back));
  c.cef_string_utf8_clear(&u8);
  c.cef_string_utf16_clear(&back);
  cef_string_t ascii{};
  c.cef_string_ascii_to_utf16("plain", 5, &ascii);
  EXPECT_EQ(L"plain", W(ascii));

  const std::wstring abc = L"abc", abd = L"abd", abShort = L"ab";
  cef_string_t a = View(abc), b = View(abd), ab = View(abShort);
  EXPECT_LT(c.cef_string_utf16_cmp(&a, &b), 0);
  EXPECT_GT(c.cef_string_utf16_cmp(&a, &ab), 0);
  EXPECT_EQ(0, c.cef_string_utf16_cmp(&a, &a));
  c.cef_string_utf16_clear(&ascii);
}

TEST(RuntimeStrings, ListsMapsAndMultimapsOwnCopies) {
  auto& c = Cef();
  cef_string_list_t list = c.cef_string_list_alloc();
  std::wstring item = L"first";
  cef_string_t v = View(item);
  c.cef_string_list_append(list, &v);
  item = L"xxxxx";  // the list keeps its own copy
  const std::wstring second = L"second";
  cef_string_t v2 = View(second);
  c.cef_string_list_append(list, &v2);
  cef_string_list_t copy = c.cef_string_list_copy(list);
  c.cef_string_list_clear(list);
  EXPECT_EQ(0, c.cef_string_list_size(list));
  ASSERT_EQ(2, c.cef_string_list_size(copy));
  cef_string_t out{};
  ASSERT_EQ(1, c.cef_string_list_value(copy, 0, &out));
  EXPECT_EQ(L"first", W(out));
  ASSERT_EQ(1, c.cef_string_list_value(copy, 1, &out));
  EXPECT_EQ(L"second", W(out));
  EXPECT_EQ(0, c.cef_string_list_value(copy, 2, &out));
  EXPECT_EQ(0, c.cef_string_list_value(copy, -1, &out));
  c.cef_string_utf16_clear(&out);
  c.cef_string_list_free(list);
  c.cef_string_list_free(copy);

  // Maps keep their keys sorted; a second value for a key does not replace the first.
  cef_string_map_t map = c.cef_string_map_alloc();
  const std::wstring kb = L"b", ka = L"a", v1 = L"1", v2s = L"2", v3 = L"3";
  cef_string_t skb = View(kb), ska = View(ka), s1 = View(v1), s2 = View(v2s), s3 = View(v3);
  c.cef_string_map_append(map, &skb, &s1);
  c.cef_string_map_append(map, &ska, &s2);
  c.cef_string_map_append(map, &skb, &s3);
  ASSERT_EQ(2, c.cef_string_map_size(map));
  c.cef_string_map_key(map, 0, &out);
  EXPECT_EQ(L"a", W(out));
  ASSERT_EQ(1, c.cef_string_map_find(map, &skb, &out));
  EXPECT_EQ(L"1", W(out));
  const std::wstring none = L"none";
  cef_string_t snone = View(none);
  EXPECT_EQ(0, c.cef_string_map_find(map, &snone, &out));
  c.cef_string_map_free(map);

  // Multimaps keep every value of a key in the order they came.
  cef_string_multimap_t mm = c.cef_string_multimap_alloc();
  c.cef_string_multimap_append(mm, &skb, &s1);
  c.cef_string_multimap_append(mm, &ska, &s2);
  c.cef_string_multimap_append(mm, &skb, &s3);
  EXPECT_EQ(3, c.cef_string_multimap_size(mm));
  EXPECT_EQ(2, c.cef_string_multimap_find_count(mm, &skb));
  ASSERT_EQ(1, c.cef_string_multimap_enumerate(mm, &skb, 1, &out));
  EXPECT_EQ(L"3", W(out));
  EXPECT_EQ(0, c.cef_string_multimap_enumerate(mm, &skb, 2, &out));
  c.cef_string_multimap_value(mm, 0, &out);
  EXPECT_EQ(L"2", W(out)) << "key a sorts first";
  c.cef_string_utf16_clear(&out);
  c.cef_string_multimap_free(mm);
}

// ---- values ---------------------------------------------------------------------------------

TEST(RuntimeValues, ContainersShareChildrenAndCopyWhatIsPutIn) {
  auto& c = Cef();
  cef_list_value_t* list = c.cef_list_value_create();
  cef_list_value_t* child = c.cef_list_value_create();
  child->set_int(child, 0, 1);
  ASSERT_EQ(1, list->set_list(list, 0, AddRef(child)));
  child->set_int(child, 0, 2);
  cef_list_value_t* view = list->get_list(list, 0);
  EXPECT_EQ(1, view->get_int(view, 0)) << "set_list stores a copy";
  EXPECT_EQ(1, view->is_owned(view));
  view->set_int(view, 1, 5);  // a child fetched from a parent is a view of it
  cef_list_value_t* again = list->get_list(list, 0);
  EXPECT_EQ(5, again->get_int(again, 1));
  EXPECT_EQ(1, again->is_same(again, AddRef(view)));

  // Setting past the end grows with nulls; reading the wrong type gives the empty value.
  ASSERT_EQ(1, list->set_string(list, 3, nullptr));
  EXPECT_EQ(4u, list->get_size(list));
  EXPECT_EQ(VTYPE_NULL, list->get_type(list, 1));
  EXPECT_EQ(VTYPE_INVALID, list->get_type(list, 9));
  EXPECT_EQ(0, list->get_int(list, 3));
  EXPECT_EQ(nullptr, list->get_dictionary(list, 0));

  cef_list_value_t* copy = list->copy(list);
  EXPECT_EQ(1, copy->is_equal(copy, AddRef(list)));
  EXPECT_EQ(0, copy->is_same(copy, AddRef(list)));
  copy->remove(copy, 0);
  EXPECT_EQ(4u, list->get_size(list)) << "a copy is independent";

  cef_dictionary_value_t* dict = c.cef_dictionary_value_create();
  const std::wstring kz = L"z", ka = L"a";
  cef_string_t z = View(kz), a = View(ka);
  dict->set_bool(dict, &z, 1);
  dict->set_list(dict, &a, AddRef(child));
  cef_string_list_t keys = c.cef_string_list_alloc();
  dict->get_keys(dict, keys);
  ASSERT_EQ(2, c.cef_string_list_size(keys));
  cef_string_t k0{};
  c.cef_string_list_value(keys, 0, &k0);
  EXPECT_EQ(L"a", W(k0));
  c.cef_string_utf16_clear(&k0);
  c.cef_string_list_free(keys);
  EXPECT_EQ(VTYPE_LIST, dict->get_type(dict, &a));
  EXPECT_EQ(1, dict->remove(dict, &a));
  EXPECT_EQ(0, dict->has_key(dict, &a));

  cef_value_t* value = c.cef_value_create();
  EXPECT_EQ(VTYPE_NULL, value->get_type(value));
  value->set_dictionary(value, AddRef(dict));
  cef_dictionary_value_t* inside = value->get_dictionary(value);
  EXPECT_EQ(1, inside->get_bool(inside, &z));

  const unsigned char bytes[] = {9, 8, 7, 6, 5};
  cef_binary_value_t* bin = c.cef_binary_value_create(bytes, sizeof bytes);
  unsigned char part[3] = {};
  EXPECT_EQ(3u, bin->get_data(bin, part, 3, 2));
  EXPECT_EQ(7, part[0]);
  EXPECT_EQ(0u, bin->get_data(bin, part, 3, 5));

  for (auto* p : {view, again, copy, child, list}) Release(p);
  Release(inside);
  Release(dict);
  Release(value);
  Release(bin);
}

TEST(RuntimeValues, ProcessMessagesCarryNameAndArguments) {
  auto& c = Cef();
  cef_process_message_t* m = RichMessage(L"@name");
  EXPECT_EQ(L"@name", Take(m->get_name(m)));
  EXPECT_EQ(0, m->is_read_only(m));
  cef_list_value_t* args = m->get_argument_list(m);
  ExpectRichArguments(args);
  cef_process_message_t* copy = m->copy(m);
  args->clear(args);
  cef_list_value_t* copied = copy->get_argument_list(copy);
  ExpectRichArguments(copied);
  Release(copied);
  Release(args);
  Release(copy);
  Release(m);
  (void)c;
}

// ---- parsers --------------------------------------------------------------------------------

TEST(RuntimeParsers, ParseUrlFillsTheFieldsAndRefusesNonUrls) {
  auto& c = Cef();
  cef_urlparts_t parts{};
  const std::wstring url = L"HTTP://User:Pw@Example.COM:8080/a/./b/../c?x=1&y=2#frag";
  cef_string_t u = View(url);
  ASSERT_EQ(1, c.cef_parse_url(&u, &parts));
  EXPECT_EQ(L"http", W(parts.scheme));
  EXPECT_EQ(L"User", W(parts.username));
  EXPECT_EQ(L"Pw", W(parts.password));
  EXPECT_EQ(L"example.com", W(parts.host));
  EXPECT_EQ(L"8080", W(parts.port));
  EXPECT_EQ(L"/a/c", W(parts.path));
  EXPECT_EQ(L"x=1&y=2", W(parts.query));
  EXPECT_EQ(L"http://example.com:8080/", W(parts.origin));
  EXPECT_EQ(L"http://User:Pw@example.com:8080/a/c?x=1&y=2#frag", W(parts.spec));

  cef_string_t back{};
  cef_urlparts_t build{};
  const std::wstring host = L"127.0.0.1", path = L"/p q", query = L"a=b";
  build.host = View(host);
  build.path = View(path);
  build.query = View(query);
  ASSERT_EQ(1, c.cef_create_url(&build, &back));
  EXPECT_EQ(L"http://127.0.0.1/p%20q?a=b", W(back));
  c.cef_string_utf16_clear(&back);
  cef_urlparts_t empty{};
  EXPECT_EQ(0, c.cef_create_url(&empty, &back));

  for (const wchar_t* bad : {L"", L"not a url", L"http://", L"http://exa mple.com/", L"http://host:99999/",
                             L"://nohost", L"1http://x/"}) {
    cef_urlparts_t p{};
    const std::wstring text = bad;
    cef_string_t t = View(text);
    EXPECT_EQ(0, c.cef_parse_url(&t, &p)) << "accepted: " << std::string(text.begin(), text.end());
  }
  const std::wstring blank = L"about:blank";
  cef_string_t bl = View(blank);
  cef_urlparts_t p2{};
  ASSERT_EQ(1, c.cef_parse_url(&bl, &p2));
  EXPECT_EQ(L"about", W(p2.scheme));
  EXPECT_EQ(L"blank", W(p2.path));
  for (cef_string_t* s : {&parts.spec, &parts.scheme, &parts.username, &parts.password, &parts.host, &parts.port,
                          &parts.origin, &parts.path, &parts.query, &p2.spec, &p2.scheme, &p2.path})
    c.cef_string_utf16_clear(s);
}

TEST(RuntimeParsers, Base64UriJsonMimeAndColours) {
  auto& c = Cef();
  const char raw[] = "\x00\xfftavlo";
  EXPECT_EQ(L"AP90YXZsbw==", Take(c.cef_base64encode(raw, 7)));
  const std::wstring enc = L"AP90YXZsbw==";
  cef_string_t e = View(enc);
  cef_binary_value_t* bin = c.cef_base64decode(&e);
  ASSERT_NE(nullptr, bin);
  EXPECT_EQ(7u, bin->get_size(bin));
  Release(bin);
  const std::wstring junk = L"@@@";
  cef_string_t j = View(junk);
  EXPECT_EQ(nullptr, c.cef_base64decode(&j));

  const std::wstring text = L"a b&c=d/é";
  cef_string_t t = View(text);
  const std::wstring encoded = Take(c.cef_uriencode(&t, 1));
  EXPECT_EQ(L"a+b%26c%3Dd/%C3%A9", encoded);
  const std::wstring spaced = L"a%20b%26%C3%A9";
  cef_string_t sp = View(spaced);
  EXPECT_EQ(L"a b%26é", Take(c.cef_uridecode(&sp, 1, static_cast<cef_uri_unescape_rule_t>(UU_NORMAL | UU_SPACES))));

  const std::wstring json = L"{\"b\": [1, 2.5, true, null, \"x\\u4e0b\"], \"a\": {\"n\": -3}}";
  cef_string_t js = View(json);
  cef_value_t* v = c.cef_parse_json(&js, JSON_PARSER_RFC);
  ASSERT_NE(nullptr, v);
  ASSERT_EQ(VTYPE_DICTIONARY, v->get_type(v));
  EXPECT_EQ(L"{\"a\":{\"n\":-3},\"b\":[1,2.5,true,null,\"x下\"]}", Take(c.cef_write_json(AddRef(v), JSON_WRITER_DEFAULT)));
  Release(v);
  const std::wstring badJson = L"[1,\n 2,]";
  cef_string_t bj = View(badJson);
  cef_json_parser_error_t code = JSON_NO_ERROR;
  cef_string_t msg{};
  EXPECT_EQ(nullptr, c.cef_parse_jsonand_return_error(&bj, JSON_PARSER_RFC, &code, &msg));
  EXPECT_EQ(JSON_TRAILING_COMMA, code);
  EXPECT_EQ(L"Line: 2, column: 4, Trailing comma not allowed.", W(msg));
  c.cef_string_utf16_clear(&msg);
  cef_value_t* lenient = c.cef_parse_json(&bj, JSON_PARSER_ALLOW_TRAILING_COMMAS);
  EXPECT_NE(nullptr, lenient);
  Release(lenient);

  const std::wstring ext = L"html";
  cef_string_t ex = View(ext);
  EXPECT_EQ(L"text/html", Take(c.cef_get_mime_type(&ex)));

  cef_color_t color = 0;
  const std::wstring hex = L"#0a0", rgba = L"rgba(255, 0, 16, 0.5)", bare = L"ff8000";
  cef_string_t h = View(hex), r = View(rgba), b = View(bare);
  ASSERT_EQ(1, c.cef_parse_csscolor(&h, 1, &color));
  EXPECT_EQ(0xFF00AA00u, color);
  ASSERT_EQ(1, c.cef_parse_csscolor(&r, 1, &color));
  EXPECT_EQ(0x80FF0010u, color);
  EXPECT_EQ(0, c.cef_parse_csscolor(&b, 1, &color)) << "strict needs the #";
  ASSERT_EQ(1, c.cef_parse_csscolor(&b, 0, &color));
  EXPECT_EQ(0xFFFF8000u, color);
}

TEST(RuntimeCommandLine, SwitchesWithValuesAndArguments) {
  auto& c = Cef();
  cef_command_line_t* cl = c.cef_command_line_create();
  const std::wstring text = L"\"C:\\Program Files\\app.exe\" --Flag --name=\"two words\" file.txt -- --not-a-switch";
  cef_string_t t = View(text);
  cl->init_from_string(cl, &t);
  EXPECT_EQ(L"C:\\Program Files\\app.exe", Take(cl->get_program(cl)));
  const std::wstring flag = L"flag", name = L"name";
  cef_string_t f = View(flag), n = View(name);
  EXPECT_EQ(1, cl->has_switch(cl, &f));
  EXPECT_EQ(L"two words", Take(cl->get_switch_value(cl, &n)));
  cef_string_list_t args = c.cef_string_list_alloc();
  cl->get_arguments(cl, args);
  ASSERT_EQ(2, c.cef_string_list_size(args));
  cef_string_t a1{};
  c.cef_string_list_value(args, 1, &a1);
  EXPECT_EQ(L"--not-a-switch", W(a1));
  c.cef_string_utf16_clear(&a1);
  c.cef_string_list_free(args);
  const std::wstring added = L"added", value = L"1";
  cef_string_t ad = View(added), va = View(value);
  cl->append_switch_with_value(cl, &ad, &va);
  cef_command_line_t* copy = cl->copy(cl);
  const std::wstring lineText = Take(copy->get_command_line_string(copy));
  cef_command_line_t* reparsed = c.cef_command_line_create();
  cef_string_t lt = View(lineText);
  reparsed->init_from_string(reparsed, &lt);
  EXPECT_EQ(L"1", Take(reparsed->get_switch_value(reparsed, &ad))) << lineText.size();
  EXPECT_EQ(L"two words", Take(reparsed->get_switch_value(reparsed, &n)));
  EXPECT_EQ(1, reparsed->has_arguments(reparsed));
  Release(reparsed);
  Release(copy);
  Release(cl);
}

// ---- the runtime in this process (browser process), with real render processes --------------

class RuntimeProcess : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    ASSERT_NE(nullptr, Cef().lib);
    FCache = new TTempDir();
    FUp = InitializeRuntime(false, FCache->Path() + L"deep\\cache\\folder");
  }
  static void TearDownTestSuite() {
    if (FUp) Cef().cef_shutdown();
    FUp = false;
    delete FCache;
  }
  static inline bool FUp = false;
  static inline TTempDir* FCache = nullptr;
  static inline DWORD FRenderPid = 0;
};

TEST_F(RuntimeProcess, InitializeRecordsSettingsAndRunsTheHandlers) {
  ASSERT_TRUE(FUp);
  EXPECT_EQ(1, gContextInitialized.load());
  const DWORD attrs = GetFileAttributesW((FCache->Path() + L"deep\\cache\\folder").c_str());
  EXPECT_TRUE(attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY)) << "cache path with parents";
  EXPECT_EQ(1, Cef().cef_currently_on(TID_UI));
  EXPECT_EQ(0, Cef().cef_currently_on(TID_IO));
  // A second initialisation is refused.
  cef_settings_t s{};
  s.size = sizeof(s);
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  EXPECT_EQ(0, Cef().cef_initialize(&args, &s, gApp->Wrap(), nullptr));
}

TEST_F(RuntimeProcess, TasksRunOnTheirThreadInOrder) {
  ASSERT_TRUE(FUp);
  auto& c = Cef();
  std::mutex lock;
  std::vector<std::pair<int, int>> ran;  // (task, thread it was on)
  auto task = [&](int id, cef_thread_id_t thread) {
    return NewTask([&, id, thread] {
      std::lock_guard<std::mutex> l(lock);
      ran.push_back({id, c.cef_currently_on(thread) ? static_cast<int>(thread) : -1});
    });
  };
  const int destroyedBefore = gOwnDestroyed;
  ASSERT_EQ(1, c.cef_post_task(TID_UI, task(1, TID_UI)));
  ASSERT_EQ(1, c.cef_post_delayed_task(TID_UI, task(3, TID_UI), 150));
  ASSERT_EQ(1, c.cef_post_task(TID_UI, task(2, TID_UI)));
  Sleep(50);
  {
    std::lock_guard<std::mutex> l(lock);
    EXPECT_TRUE(ran.empty()) << "UI work runs only inside the message loop work";
  }
  std::thread([&c] { c.cef_do_message_loop_work(); }).join();
  {
    std::lock_guard<std::mutex> l(lock);
    EXPECT_TRUE(ran.empty()) << "the message loop work does UI work on the UI thread only";
  }
  ASSERT_TRUE(PumpUntil([&] {
    std::lock_guard<std::mutex> l(lock);
    return ran.size() == 3;
  }));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, TID_UI}, {2, TID_UI}, {3, TID_UI}}), ran);

  ran.clear();
  for (int i = 0; i < 20; ++i) ASSERT_EQ(1, c.cef_post_task(i % 2 ? TID_IO : TID_FILE, task(i, i % 2 ? TID_IO : TID_FILE)));
  ASSERT_TRUE(PumpUntil([&] {
    std::lock_guard<std::mutex> l(lock);
    return ran.size() == 20;
  }));
  std::vector<int> io, file;
  for (auto [id, thread] : ran) {
    EXPECT_NE(-1, thread) << "task " << id << " ran on another thread";
    (thread == TID_IO ? io : file).push_back(id);
  }
  EXPECT_TRUE(std::is_sorted(io.begin(), io.end()));
  EXPECT_TRUE(std::is_sorted(file.begin(), file.end()));
  EXPECT_EQ(destroyedBefore + 23, gOwnDestroyed.load()) << "each task is released after it ran";

  // Task runners post to their thread; render-thread posts fail in the browser process.
  cef_task_runner_t* io_runner = c.cef_task_runner_get_for_thread(TID_IO);
  ASSERT_NE(nullptr, io_runner);
  EXPECT_EQ(0, io_runner->belongs_to_current_thread(io_runner));
  ran.clear();
  ASSERT_EQ(1, io_runner->post_task(io_runner, task(7, TID_IO)));
  ASSERT_TRUE(PumpUntil([&] {
    std::lock_guard<std::mutex> l(lock);
    return ran.size() == 1;
  }));
  EXPECT_EQ(TID_IO, ran[0].second);
  Release(io_runner);
  cef_task_t* orphan = task(8, TID_RENDERER);
  EXPECT_EQ(0, c.cef_post_task(TID_RENDERER, orphan));
}

namespace {
struct TFetched {
  std::string body;
  int completed = 0;
  cef_urlrequest_status_t status = UR_UNKNOWN;
  cef_errorcode_t error = ERR_NONE;
  int httpStatus = 0;
  bool onCreatingThread = true;
};
TFetched Fetch(const std::wstring& url) {
  auto& c = Cef();
  TFetched result;
  auto* client = new TOwn<cef_urlrequest_client_t>();
  static TFetched* current = nullptr;
  current = &result;
  client->s.on_download_data = [](cef_urlrequest_client_t*, cef_urlrequest_t* r, const void* data, size_t n) CEF_CALLBACK {
    current->body.append(static_cast<const char*>(data), n);
    current->onCreatingThread = current->onCreatingThread && Cef().cef_currently_on(TID_UI);
    Release(r);
  };
  client->s.on_request_complete = [](cef_urlrequest_client_t*, cef_urlrequest_t* r) CEF_CALLBACK {
    ++current->completed;
    current->status = r->get_request_status(r);
    current->error = r->get_request_error(r);
    cef_response_t* resp = r->get_response(r);
    current->httpStatus = resp ? resp->get_status(resp) : 0;
    Release(resp);
    Release(r);
  };
  cef_request_t* request = c.cef_request_create();
  cef_string_t u = View(url);
  request->set_url(request, &u);
  cef_urlrequest_t* running = c.cef_urlrequest_create(request, client->Wrap(), nullptr);
  EXPECT_NE(nullptr, running);
  if (running) PumpUntil([&] { return result.completed > 0; }, 30000);
  Release(running);
  Release(&client->s);  // our own reference
  current = nullptr;
  return result;
}
}  // namespace

TEST_F(RuntimeProcess, UrlRequestDeliversBodyAndStatus) {
  ASSERT_TRUE(FUp);
  ASSERT_NE(0, HttpServerPort()) << "the local test server is not running";
  TFetched ok = Fetch(HttpUrl(L"/bytes/100000"));
  EXPECT_EQ(1, ok.completed);
  EXPECT_EQ(UR_SUCCESS, ok.status);
  EXPECT_EQ(200, ok.httpStatus);
  ASSERT_EQ(100000u, ok.body.size());
  bool same = true;
  for (size_t i = 0; i < ok.body.size(); ++i)
    same = same && static_cast<unsigned char>(ok.body[i]) == ((i * 131 + i / 65536) & 255);
  EXPECT_TRUE(same) << "the body arrives intact and in order";
  EXPECT_TRUE(ok.onCreatingThread);

  // An HTTP error is a completed request with that status; a refused connection is a failure.
  TFetched missing = Fetch(HttpUrl(L"/pages/no-such-file.html"));
  EXPECT_EQ(UR_SUCCESS, missing.status);
  EXPECT_EQ(404, missing.httpStatus);
  TFetched refused = Fetch(L"http://127.0.0.1:1/");
  EXPECT_EQ(UR_FAILED, refused.status);
  EXPECT_EQ(ERR_CONNECTION_REFUSED, refused.error);
}

// A transfer still running at cef_shutdown ends before it returns: the program then unloads
// the DLL, and a transfer thread left behind would run on in unloaded code.
TAVLO_CHILD(shutdown_during_transfer) {
  TTempDir cache;
  if (!InitializeRuntime(true, cache.Path() + L"cache")) return 2;
  auto& c = Cef();
  static std::atomic<size_t> received{0};
  auto* client = new TOwn<cef_urlrequest_client_t>();
  client->s.on_download_data = [](cef_urlrequest_client_t*, cef_urlrequest_t* r, const void*, size_t n) CEF_CALLBACK {
    received += n;
    Release(r);
  };
  cef_request_t* request = c.cef_request_create();
  const std::wstring url = args.at(0);
  cef_string_t u = View(url);
  request->set_url(request, &u);
  cef_urlrequest_t* running = c.cef_urlrequest_create(request, client->Wrap(), nullptr);
  Release(&client->s);
  if (!running) return 3;
  if (!PumpUntil([] { return received.load() > 0; }, 20000)) return 4;
  Release(running);
  c.cef_shutdown();
  FreeLibrary(c.lib);
  Sleep(1500);  // a transfer thread left behind faults in the unloaded code meanwhile
  return 0;
}

TEST(RuntimeShutdown, NoTransferOutlivesTheRuntime) {
  ASSERT_NE(0, HttpServerPort()) << "the local test server is not running";
  EXPECT_EQ(0, RunChild(L"shutdown_during_transfer", {HttpUrl(L"/bytes/50000000?throttle=100000")}, 60000));
}

TEST_F(RuntimeProcess, ValuesRoundTripThroughARenderProcess) {
  ASSERT_TRUE(FUp);
  cef_browser_t* browser = CreateBrowser(NewClient());
  ASSERT_NE(nullptr, browser);
  FRenderPid = RoundTrip(browser);
  ASSERT_NE(0u, FRenderPid);
  EXPECT_NE(GetCurrentProcessId(), FRenderPid) << "the render side is a process of its own";
  // A second browser shares the render process; messages keep their order.
  cef_browser_t* second = CreateBrowser(NewClient());
  ASSERT_NE(nullptr, second);
  EXPECT_NE(browser->get_identifier(browser), second->get_identifier(second));
  gReceived.clear();
  for (int i = 0; i < 20; ++i) {
    const std::wstring name = L"m" + std::to_wstring(i);
    cef_string_t n = View(name);
    second->send_process_message(second, PID_RENDERER, Cef().cef_process_message_create(&n));
  }
  ASSERT_TRUE(PumpUntil([] { return gReceived.size() == 20; }));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(L"echo:m" + std::to_wstring(i), gReceived[i].name);
  for (auto& r : gReceived) Release(r.args);
  gReceived.clear();
  // Messages to the wrong side are refused.
  EXPECT_EQ(0, browser->send_process_message(browser, PID_BROWSER, RichMessage(L"nowhere")));
  Release(second);
  Release(browser);
}

TEST_F(RuntimeProcess, ShutdownEndsTheRenderProcess) {
  ASSERT_TRUE(FUp);
  ASSERT_NE(0u, FRenderPid);
  Cef().cef_shutdown();
  FUp = false;
  EXPECT_TRUE(ProcessEnds(FRenderPid, 10000));
  EXPECT_EQ(0, Cef().cef_currently_on(TID_UI));
}

TEST(RuntimeRoles, ARenderProcessEndsWhenItsBrowserProcessEnds) {
  TTempDir dir;
  const std::wstring pidFile = dir.Path() + L"render.pid";
  ASSERT_EQ(0, RunChild(L"abandoning_browser", {pidFile, dir.Path() + L"cache"}, 60000));
  const DWORD pid = static_cast<DWORD>(std::stoul(ReadFileBytes(pidFile)));
  ASSERT_NE(0u, pid);
  EXPECT_TRUE(ProcessEnds(pid, 15000));
}

TEST(RuntimeRoles, SingleProcessModeRunsTheRenderSideOnAThread) {
  EXPECT_EQ(0, RunChild(L"single_process_browser", {}, 60000));
}

TEST(RuntimeRoles, ExecuteProcessIsMinusOneInTheBrowserProcess) {
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  EXPECT_EQ(-1, Cef().cef_execute_process(&args, nullptr, nullptr));
}
