// The stand-in runtime's script layer, driven through its C structures as the binding drives
// them, with a test host in place of the browser side.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "platform/libcef/script/ScriptEngine.h"  // internal: the pure helpers
#include "platform/libcef/script/ScriptHost.h"

using namespace standin;
using namespace standin::script;

namespace {

// ---- Program-side structures, reference counted as the binding's Own objects are

template <class CStruct, class Self>
struct TCounted {
  CStruct s{};
  std::atomic<int> refs{1};
  TCounted() {
    s.base.size = sizeof(CStruct);
    s.base.add_ref = &AddRef;
    s.base.release = &Release;
    s.base.has_one_ref = &HasOneRef;
  }
  static Self* Of(void* p) { return reinterpret_cast<Self*>(p); }
  static void CEF_CALLBACK AddRef(cef_base_t* b) { ++Of(b)->refs; }
  static int CEF_CALLBACK Release(cef_base_t* b) {
    if (--Of(b)->refs == 0) {
      delete Of(b);
      return 1;
    }
    return 0;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_t* b) { return Of(b)->refs == 1; }
};

std::wstring Take(cef_string_userfree_t s) {
  if (!s) return {};
  std::wstring w(s->str ? s->str : L"", s->length);
  cef_string_userfree_utf16_free(s);
  return w;
}

void SetOut(cef_string_t* out, const std::wstring& text) {
  cef_string_utf16_set(text.c_str(), text.size(), out, 1);
}

using TV = TCRef<cef_v8value_t>;
using TArgs = std::vector<TV>;
// (name, receiver, arguments, out return value, out exception) -> handled
using THandlerFn = std::function<bool(const std::wstring&, cef_v8value_t*, const TArgs&, TV&,
                                      std::wstring&)>;

struct THandler : TCounted<cef_v8handler_t, THandler> {
  THandlerFn fn;
  explicit THandler(THandlerFn f) : fn(std::move(f)) { s.execute = &Execute; }
  static int CEF_CALLBACK Execute(cef_v8handler_t* self, const cef_string_t* name,
                                  cef_v8value_t* object, size_t argc, cef_v8value_t* const* argv,
                                  cef_v8value_t** retval, cef_string_t* exception) {
    TV receiver = TV::Adopt(object);
    TArgs args;
    for (size_t i = 0; i < argc; ++i) args.push_back(TV::Adopt(argv[i]));
    TV result;
    std::wstring error;
    bool handled = Of(self)->fn(std::wstring(name->str, name->length), object, args, result, error);
    if (!error.empty()) SetOut(exception, error);
    *retval = result.Wrap();
    return handled ? 1 : 0;
  }
};

cef_v8handler_t* NewHandler(THandlerFn fn) { return &(new THandler(std::move(fn)))->s; }

struct TAccessor : TCounted<cef_v8accessor_t, TAccessor> {
  std::function<bool(const std::wstring&, TV&, std::wstring&)> get;
  std::function<bool(const std::wstring&, cef_v8value_t*, std::wstring&)> set;
  TAccessor() {
    s.get = &Get;
    s.set = &Set;
  }
  static int CEF_CALLBACK Get(cef_v8accessor_t* self, const cef_string_t* name,
                              cef_v8value_t* object, cef_v8value_t** retval,
                              cef_string_t* exception) {
    TV receiver = TV::Adopt(object);
    TV result;
    std::wstring error;
    bool handled = Of(self)->get(std::wstring(name->str, name->length), result, error);
    if (!error.empty()) SetOut(exception, error);
    *retval = result.Wrap();
    return handled;
  }
  static int CEF_CALLBACK Set(cef_v8accessor_t* self, const cef_string_t* name,
                              cef_v8value_t* object, cef_v8value_t* value,
                              cef_string_t* exception) {
    TV receiver = TV::Adopt(object);
    TV v = TV::Adopt(value);
    std::wstring error;
    bool handled = Of(self)->set(std::wstring(name->str, name->length), v.Get(), error);
    if (!error.empty()) SetOut(exception, error);
    return handled;
  }
};

// User data is a bare cef_base_t.
struct TUserData {
  cef_base_t base{};
  std::atomic<int> refs{1};
  static inline int destroyed = 0;
  TUserData() {
    base.size = sizeof(cef_base_t);
    base.add_ref = &AddRef;
    base.release = &Release;
    base.has_one_ref = &HasOneRef;
  }
  ~TUserData() { ++destroyed; }
  cef_base_t* Base() { return &base; }
  static TUserData* Of(cef_base_t* b) { return reinterpret_cast<TUserData*>(b); }
  static void CEF_CALLBACK AddRef(cef_base_t* b) { ++Of(b)->refs; }
  static int CEF_CALLBACK Release(cef_base_t* b) {
    if (--Of(b)->refs == 0) {
      delete Of(b);
      return 1;
    }
    return 0;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_t* b) { return Of(b)->refs == 1; }
};

// ---- The test host: records every request; timers run on a virtual clock.

struct TTestHost : IScriptHost {
  struct TTask {
    int64_t due;
    int seq;
    std::function<void()> task;
  };
  std::vector<TTask> tasks;
  int64_t now = 0;
  int seq = 0;
  std::vector<std::wstring> trace;
  struct TConsole {
    TConsoleLevel level;
    std::wstring message, source;
    int line;
  };
  std::vector<TConsole> console;
  struct TDialog {
    TDialogKind kind;
    std::wstring message, defaultText;
  };
  std::vector<TDialog> dialogs;
  TDialogResult answer{true, L"typed"};
  struct TOpen {
    std::wstring url, name;
    TWindowFeatures features;
  };
  std::vector<TOpen> opened;
  bool allowPopups = true;
  int closes = 0;
  std::vector<std::wstring> titles;
  std::wstring pageTitle = L"From <title>";
  std::vector<std::wstring> uncaught;
  std::function<void()> onDialog;

  void PostDelayed(std::function<void()> task, int64_t delayMs) override {
    tasks.push_back({now + delayMs, seq++, std::move(task)});
  }
  void Trace(const std::wstring& line) override { trace.push_back(line); }
  void Console(TConsoleLevel level, const std::wstring& message, const std::wstring& source,
               int line) override {
    console.push_back({level, message, source, line});
  }
  TDialogResult Dialog(TDialogKind kind, const std::wstring& message,
                       const std::wstring& defaultText) override {
    dialogs.push_back({kind, message, defaultText});
    if (onDialog) onDialog();
    return answer;
  }
  bool OpenWindow(const std::wstring& url, const std::wstring& name,
                  const TWindowFeatures& features) override {
    opened.push_back({url, name, features});
    return allowPopups;
  }
  void CloseWindow() override { ++closes; }
  void SetTitle(const std::wstring& title) override { titles.push_back(title); }
  void UncaughtException(cef_v8context_t* context, cef_v8exception_t* exception,
                         cef_v8stack_trace_t* trace) override {
    EXPECT_TRUE(context && exception && trace);
    uncaught.push_back(Take(exception->get_message(exception)));
  }
  std::wstring Url() override { return L"http://127.0.0.1/page.html"; }
  std::wstring Title() override { return pageTitle; }

  // Runs due tasks in time order (posting order for equal times); bounded.
  int RunTasks(int limit = 100) {
    int ran = 0;
    while (!tasks.empty() && ran < limit) {
      auto it = std::min_element(tasks.begin(), tasks.end(), [](const TTask& a, const TTask& b) {
        return a.due != b.due ? a.due < b.due : a.seq < b.seq;
      });
      TTask t = std::move(*it);
      tasks.erase(it);
      now = std::max(now, t.due);
      t.task();
      ++ran;
    }
    return ran;
  }
};

// Extensions are registered once per process, as the render-process handler does at start.
THandler* gExtensionHandler = nullptr;
std::vector<std::wstring> gExtensionCalls;

void RegisterTestExtensions() {
  static bool done = false;
  if (done) return;
  done = true;
  gExtensionHandler = new THandler([](const std::wstring& name, cef_v8value_t* object,
                                      const TArgs& args, TV& ret, std::wstring& error) {
    gExtensionCalls.push_back(name);
    if (name == L"add" && args.size() == 2) {
      ret = TV::Adopt(cef_v8value_create_int(args[0]->get_int_value(args[0].Get()) +
                                             args[1]->get_int_value(args[1].Get())));
      return true;
    }
    if (name == L"fail") {
      error = L"bad thing";
      return true;
    }
    if (name == L"$g") {
      // The receiver of a published global is the global object: no user data.
      EXPECT_EQ(object->get_user_data(object), nullptr);
      cef_string_t text{const_cast<wchar_t*>(L"published"), 9, nullptr};
      ret = TV::Adopt(cef_v8value_create_string(&text));
      return true;
    }
    return false;  // not handled: script sees undefined
  });
  gExtensionHandler->refs++;  // the test keeps one
  cef_string_t name{const_cast<wchar_t*>(L"test/ext"), 8, nullptr};
  std::wstring code =
      L"var ext = {};\n"
      L"(function () {\n"
      L"  ext.add = function (a, b) { native function add(); return add(a, b); };\n"
      L"  ext.fail = function () { native function fail(); return fail(); };\n"
      L"  ext.unknown = function () { native function unknown(); return unknown(); };\n"
      L"  var s = \"native function notReplaced();\";\n"
      L"})();";
  cef_string_t js{const_cast<wchar_t*>(code.c_str()), code.size(), nullptr};
  ASSERT_EQ(cef_register_extension(&name, &js, &gExtensionHandler->s), 1);
  // The getter and setter pair the binding registers for a published native value.
  cef_string_t name2{const_cast<wchar_t*>(L"TPub"), 4, nullptr};
  std::wstring code2 =
      L"__defineSetter__('TPub', function(v){native function $s();$s(v)});"
      L"__defineGetter__('TPub', function(){native function $g();return $g()});";
  cef_string_t js2{const_cast<wchar_t*>(code2.c_str()), code2.size(), nullptr};
  gExtensionHandler->refs++;
  ASSERT_EQ(cef_register_extension(&name2, &js2, &gExtensionHandler->s), 1);
  // A second registration under a taken name is refused (and its reference released).
  gExtensionHandler->refs++;
  EXPECT_EQ(cef_register_extension(&name2, &js2, &gExtensionHandler->s), 0);
}

class ScriptTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestExtensions();
    context = TCRef<cef_v8context_t>::Adopt(CreateContext(&host));
    ASSERT_TRUE(context);
  }
  void TearDown() override {
    ReleaseContext(context.Get());
    context.Reset();
    Shutdown();
  }
  // Evaluates; on failure `exception` receives the exception.
  TV Eval(const std::wstring& code, TCRef<cef_v8exception_t>* exception = nullptr) {
    cef_string_t js{const_cast<wchar_t*>(code.c_str()), code.size(), nullptr};
    cef_v8value_t* ret = nullptr;
    cef_v8exception_t* exc = nullptr;
    int ok = context->eval(context.Get(), &js, &ret, &exc);
    EXPECT_EQ(ok != 0, ret != nullptr);
    if (exception) *exception = TCRef<cef_v8exception_t>::Adopt(exc);
    else if (exc) exc->base.release(&exc->base);
    return TV::Adopt(ret);
  }
  std::wstring EvalString(const std::wstring& code) {
    TV v = Eval(code);
    return v ? Take(v->get_string_value(v.Get())) : L"<failed>";
  }
  TV Global() { return TV::Adopt(context->get_global(context.Get())); }
  void SetGlobal(const wchar_t* name, TV value) {
    TV global = Global();
    cef_string_t key{const_cast<wchar_t*>(name), wcslen(name), nullptr};
    ASSERT_EQ(global->set_value_bykey(global.Get(), &key, value.Wrap(), V8_PROPERTY_ATTRIBUTE_NONE), 1);
  }

  TTestHost host;
  TCRef<cef_v8context_t> context;
};

cef_string_t View(const wchar_t* s) { return {const_cast<wchar_t*>(s), wcslen(s), nullptr}; }

}  // namespace

TEST_F(ScriptTest, EvalResultsOfEveryType) {
  TV u = Eval(L"undefined");
  EXPECT_TRUE(u->is_undefined(u.Get()));
  EXPECT_FALSE(u->is_null(u.Get()));
  TV n = Eval(L"null");
  EXPECT_TRUE(n->is_null(n.Get()));
  TV b = Eval(L"1 < 2");
  EXPECT_TRUE(b->is_bool(b.Get()));
  EXPECT_TRUE(b->get_bool_value(b.Get()));

  TV i = Eval(L"6 * 7");
  EXPECT_TRUE(i->is_int(i.Get()) && i->is_uint(i.Get()) && i->is_double(i.Get()));
  EXPECT_EQ(i->get_int_value(i.Get()), 42);
  TV neg = Eval(L"-7");
  EXPECT_TRUE(neg->is_int(neg.Get()));
  EXPECT_FALSE(neg->is_uint(neg.Get()));
  EXPECT_EQ(neg->get_int_value(neg.Get()), -7);
  // Beyond int32 but within uint32: an unsigned integer only, read back exactly.
  TV big = Eval(L"3000000000");
  EXPECT_FALSE(big->is_int(big.Get()));
  EXPECT_TRUE(big->is_uint(big.Get()));
  EXPECT_EQ(big->get_uint_value(big.Get()), 3000000000u);
  TV d = Eval(L"1.5");
  EXPECT_TRUE(d->is_double(d.Get()));
  EXPECT_FALSE(d->is_int(d.Get()) || d->is_uint(d.Get()));
  EXPECT_DOUBLE_EQ(d->get_double_value(d.Get()), 1.5);

  // UTF-16 text survives the round trip, surrogate pairs included.
  TV s = Eval(L"'\u661f\u9645 ' + String.fromCharCode(0xD83D, 0xDE00) + ' \\uD83D\\uDE00'.length");
  EXPECT_TRUE(s->is_string(s.Get()));
  EXPECT_EQ(Take(s->get_string_value(s.Get())), L"\u661f\u9645 \xD83D\xDE00" L"3");
  EXPECT_EQ(EvalString(L"'\xD83D\xDE00'.length + ''"), L"2");

  TV date = Eval(L"new Date(Date.UTC(2020, 1, 29, 3, 4, 5, 6))");
  ASSERT_TRUE(date->is_date(date.Get()));
  EXPECT_FALSE(date->is_object(date.Get()));
  cef_time_t t = date->get_date_value(date.Get());
  EXPECT_EQ(t.year, 2020);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day_of_month, 29);
  EXPECT_EQ(t.day_of_week, 6);  // a Saturday
  EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 30405);
  EXPECT_EQ(t.millisecond, 6);

  TV o = Eval(L"({a: 1, b: 'x'})");
  EXPECT_TRUE(o->is_object(o.Get()));
  EXPECT_FALSE(o->is_array(o.Get()) || o->is_function(o.Get()));
  cef_string_list_t keys = cef_string_list_alloc();
  EXPECT_EQ(o->get_keys(o.Get(), keys), 1);
  ASSERT_EQ(cef_string_list_size(keys), 2);
  cef_string_t k{};
  cef_string_list_value(keys, 1, &k);
  EXPECT_EQ(std::wstring(k.str, k.length), L"b");
  cef_string_utf16_clear(&k);
  cef_string_list_free(keys);

  TV a = Eval(L"[1, 'a', true]");
  EXPECT_TRUE(a->is_array(a.Get()) && a->is_object(a.Get()));
  EXPECT_EQ(a->get_array_length(a.Get()), 3);
  TV a1 = TV::Adopt(a->get_value_byindex(a.Get(), 1));
  EXPECT_EQ(Take(a1->get_string_value(a1.Get())), L"a");
  TV a2 = TV::Adopt(a->get_value_byindex(a.Get(), 2));
  EXPECT_TRUE(a2->is_bool(a2.Get()));

  TV f = Eval(L"(function named(x) { return x; })");
  EXPECT_TRUE(f->is_function(f.Get()) && f->is_object(f.Get()));
  EXPECT_EQ(Take(f->get_function_name(f.Get())), L"named");
  EXPECT_EQ(f->get_function_handler(f.Get()), nullptr);

  // Identity: the same object read twice is the same; equal primitives are the same.
  TV g1 = Global(), g2 = Eval(L"window");
  EXPECT_TRUE(g1->is_same(g1.Get(), g2.Wrap()));
  EXPECT_FALSE(g1->is_same(g1.Get(), o.Wrap()));
  EXPECT_TRUE(i->is_same(i.Get(), cef_v8value_create_int(42)));
}

TEST_F(ScriptTest, ExceptionsCarryMessageLineColumnAndSourceLine) {
  TCRef<cef_v8exception_t> e;
  EXPECT_FALSE(Eval(L"var a = 1;\n  missing.call();\nvar b;", &e));
  ASSERT_TRUE(e);
  std::wstring message = Take(e->get_message(e.Get()));
  EXPECT_EQ(message.rfind(L"Uncaught ReferenceError", 0), 0u) << message;
  EXPECT_NE(message.find(L"missing"), std::wstring::npos);
  EXPECT_EQ(e->get_line_number(e.Get()), 2);
  EXPECT_EQ(Take(e->get_source_line(e.Get())), L"  missing.call();");
  EXPECT_EQ(e->get_start_column(e.Get()), 2);
  EXPECT_EQ(e->get_end_column(e.Get()), 17);
  EXPECT_EQ(e->get_start_position(e.Get()), 11 + 2);

  EXPECT_FALSE(Eval(L"1;\n\nthrow 'plain text';", &e));
  EXPECT_EQ(Take(e->get_message(e.Get())), L"Uncaught plain text");
  EXPECT_EQ(e->get_line_number(e.Get()), 3);

  EXPECT_FALSE(Eval(L"var ok = 1;\nvar broken = ;", &e));
  EXPECT_EQ(Take(e->get_message(e.Get())).rfind(L"Uncaught SyntaxError", 0), 0u);
  EXPECT_EQ(e->get_line_number(e.Get()), 2);

  // Page script: the host hears about it with the script's address and its real line.
  EXPECT_FALSE(RunScript(context.Get(), L"var x = 1;\nnope();", L"http://127.0.0.1/a.js", 10));
  ASSERT_EQ(host.console.size(), 1u);
  EXPECT_EQ(host.console[0].level, TConsoleLevel::Error);
  EXPECT_EQ(host.console[0].source, L"http://127.0.0.1/a.js");
  EXPECT_EQ(host.console[0].line, 11);
  ASSERT_EQ(host.uncaught.size(), 1u);
  EXPECT_EQ(host.uncaught[0], host.console[0].message);
  // Script after the failed one still runs, and what the failed one defined first stays.
  EXPECT_TRUE(RunScript(context.Get(), L"var y = x + 1;", L"http://127.0.0.1/b.js", 1));
  EXPECT_EQ(Eval(L"y")->get_int_value(Eval(L"y").Get()), 2);
}

TEST_F(ScriptTest, ExtensionNativeFunctionsReachTheHandler) {
  gExtensionCalls.clear();
  TV sum = Eval(L"ext.add(2, 3)");
  ASSERT_TRUE(sum);
  EXPECT_EQ(sum->get_int_value(sum.Get()), 5);
  EXPECT_EQ(EvalString(L"try { ext.fail(); 'no' } catch (e) { e.message + '|' + (e instanceof Error) }"),
            L"bad thing|true");
  TCRef<cef_v8exception_t> e;
  EXPECT_FALSE(Eval(L"\n\next.fail();", &e));
  EXPECT_EQ(Take(e->get_message(e.Get())), L"Uncaught Error: bad thing");
  // Thrown where the native function was called: in the extension's own code.
  EXPECT_EQ(Take(e->get_script_resource_name(e.Get())), L"test/ext");
  EXPECT_EQ(e->get_line_number(e.Get()), 4);
  EXPECT_EQ(Take(e->get_source_line(e.Get())),
            L"  ext.fail = function () { native function fail(); return fail(); };");
  // Not handled: undefined. A declaration inside a string literal is left alone.
  TV u = Eval(L"ext.unknown()");
  EXPECT_TRUE(u->is_undefined(u.Get()));
  EXPECT_EQ(gExtensionCalls, (std::vector<std::wstring>{L"add", L"fail", L"fail", L"unknown"}));

  // The published-value pattern: a bare global __defineGetter__ / __defineSetter__.
  EXPECT_EQ(EvalString(L"TPub"), L"published");
  gExtensionCalls.clear();
  Eval(L"TPub = 5");
  EXPECT_EQ(gExtensionCalls, (std::vector<std::wstring>{L"$s"}));
  // Extensions ran before any page script: page script sees them at once.
  EXPECT_TRUE(RunScript(context.Get(), L"var seen = typeof ext.add;", L"http://127.0.0.1/", 1));
  EXPECT_EQ(EvalString(L"seen"), L"function");
}

TEST_F(ScriptTest, NativeFunctionsAndExecuteFunction) {
  EXPECT_EQ(context->enter(context.Get()), 1);
  EXPECT_TRUE(cef_v8context_in_context());
  cef_v8handler_t* handler = NewHandler([&](const std::wstring& name, cef_v8value_t* object,
                                            const TArgs& args, TV& ret, std::wstring& error) {
    EXPECT_EQ(name, L"twice");
    // Called from script: the current context is ours, the receiver is what script used.
    TCRef<cef_v8context_t> current = TCRef<cef_v8context_t>::Adopt(cef_v8context_get_current_context());
    EXPECT_TRUE(current && current->is_same(current.Get(), context.Wrap()));
    EXPECT_TRUE(object->is_object(object));
    if (args.size() != 1 || !args[0]->is_int(args[0].Get())) {
      error = L"twice wants one integer";
      return true;
    }
    TCRef<cef_v8stack_trace_t> trace = TCRef<cef_v8stack_trace_t>::Adopt(cef_v8stack_trace_get_current(10));
    EXPECT_GE(trace->get_frame_count(trace.Get()), 1);
    ret = TV::Adopt(cef_v8value_create_int(2 * args[0]->get_int_value(args[0].Get())));
    return true;
  });
  cef_string_t name = View(L"twice");
  TV fn = TV::Adopt(cef_v8value_create_function(&name, handler));
  ASSERT_TRUE(fn);
  EXPECT_TRUE(fn->is_function(fn.Get()) && fn->is_user_created(fn.Get()));
  EXPECT_EQ(Take(fn->get_function_name(fn.Get())), L"twice");
  cef_v8handler_t* back = fn->get_function_handler(fn.Get());
  EXPECT_EQ(back, handler);
  back->base.release(&back->base);
  SetGlobal(L"twice", fn);
  EXPECT_EQ(Eval(L"twice(21)")->get_int_value(Eval(L"twice(21)").Get()), 42);
  EXPECT_EQ(EvalString(L"try { twice('x') } catch (e) { e.message }"), L"twice wants one integer");

  // Script functions called from the C side, with a receiver and arguments.
  TV mul = Eval(L"(function (a, b) { return this.k * a * b; })");
  TV recv = Eval(L"({k: 10})");
  cef_v8value_t* args[] = {cef_v8value_create_int(2), cef_v8value_create_double(1.5)};
  TV r = TV::Adopt(mul->execute_function(mul.Get(), recv.Wrap(), 2, args));
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->get_double_value(r.Get()), 30.0);
  // A throwing function: null result, the exception kept on the function value.
  TV thrower = Eval(L"(function () { throw new TypeError('nope'); })");
  EXPECT_EQ(thrower->execute_function(thrower.Get(), nullptr, 0, nullptr), nullptr);
  ASSERT_TRUE(thrower->has_exception(thrower.Get()));
  cef_v8exception_t* ex = thrower->get_exception(thrower.Get());
  EXPECT_EQ(Take(ex->get_message(ex)), L"Uncaught TypeError: nope");
  ex->base.release(&ex->base);
  EXPECT_TRUE(thrower->clear_exception(thrower.Get()));
  EXPECT_FALSE(thrower->has_exception(thrower.Get()));
  EXPECT_EQ(context->exit(context.Get()), 1);
  EXPECT_FALSE(cef_v8context_in_context());
  // Outside any context no object can be made.
  EXPECT_EQ(cef_v8value_create_object(nullptr), nullptr);
}

TEST_F(ScriptTest, DatesArriveAsDatesWhateverCarriesThemAndMadeObjectsAsObjects) {
  std::vector<std::wstring> seen;
  auto kind = [](cef_v8value_t* v) -> std::wstring {
    if (!v) return L"none";
    if (v->is_date(v)) return L"date " + std::to_wstring(v->get_date_value(v).millisecond);
    return v->is_object(v) ? L"object" : L"other";
  };
  cef_v8handler_t* handler = NewHandler([&](const std::wstring&, cef_v8value_t* object, const TArgs& args, TV& ret,
                                            std::wstring&) {
    seen.push_back(kind(object) + L"/" + (args.empty() ? L"-" : kind(args[0].Get())));
    ret = TV::Adopt(cef_v8value_create_int(0));
    return true;
  });
  context->enter(context.Get());
  cef_string_t name = View(L"f");
  TV fn = TV::Adopt(cef_v8value_create_function(&name, handler));
  TV made = TV::Adopt(cef_v8value_create_object(nullptr));
  ASSERT_TRUE(made->set_value_bykey(made.Get(), &name, fn.Wrap(), V8_PROPERTY_ATTRIBUTE_NONE));
  context->exit(context.Get());
  SetGlobal(L"made", made);
  // Dates of the page stay dates, as receivers and as arguments, whatever properties they have.
  TV page = Eval(L"var d = new Date(9); d.extra = 1; d");
  ASSERT_TRUE(page && page->is_date(page.Get()));
  Eval(L"made.f(new Date(5)); made.f.call(new Date(7)); made.f.call(d, d); made.f.call(made, made); "
       L"made.f.call(this, this)");
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"object/date 5", L"date 7/-", L"date 9/date 9", L"object/object",
                                             L"object/object"}));
}

TEST_F(ScriptTest, RethrownExceptionsReachTheCallingScript) {
  TV inner = Eval(L"(function () { throw new RangeError('deep'); })");
  inner->set_rethrow_exceptions(inner.Get(), 1);
  cef_v8handler_t* handler = NewHandler([&](const std::wstring&, cef_v8value_t*, const TArgs&,
                                            TV& ret, std::wstring&) {
    EXPECT_EQ(inner->execute_function(inner.Get(), nullptr, 0, nullptr), nullptr);
    ret = TV::Adopt(cef_v8value_create_int(1));
    return true;
  });
  context->enter(context.Get());
  cef_string_t name = View(L"callInner");
  SetGlobal(L"callInner", TV::Adopt(cef_v8value_create_function(&name, handler)));
  context->exit(context.Get());
  EXPECT_EQ(EvalString(L"try { callInner(); 'returned' } catch (e) { e.name + ': ' + e.message }"),
            L"RangeError: deep");
}

TEST_F(ScriptTest, ObjectsWithUserDataAndAccessors) {
  context->enter(context.Get());
  auto* accessor = new TAccessor();
  std::vector<std::wstring> sets;
  int stored = 7;
  accessor->get = [&](const std::wstring& name, TV& ret, std::wstring& error) {
    if (name == L"broken") {
      error = L"cannot read broken";
      return true;
    }
    ret = TV::Adopt(cef_v8value_create_int(stored));
    return true;
  };
  accessor->set = [&](const std::wstring& name, cef_v8value_t* value, std::wstring&) {
    sets.push_back(name);
    stored = value->get_int_value(value);
    return true;
  };
  accessor->refs++;  // kept by the test to watch its count
  TV obj = TV::Adopt(cef_v8value_create_object(&accessor->s));
  ASSERT_TRUE(obj);
  EXPECT_TRUE(obj->is_user_created(obj.Get()));
  cef_string_t x = View(L"x"), broken = View(L"broken"), ro = View(L"ro"), plain = View(L"plain");
  EXPECT_EQ(obj->set_value_byaccessor(obj.Get(), &x, V8_ACCESS_CONTROL_DEFAULT, V8_PROPERTY_ATTRIBUTE_NONE), 1);
  EXPECT_EQ(obj->set_value_byaccessor(obj.Get(), &broken, V8_ACCESS_CONTROL_DEFAULT, V8_PROPERTY_ATTRIBUTE_NONE), 1);
  EXPECT_EQ(obj->set_value_bykey(obj.Get(), &ro, cef_v8value_create_int(1), V8_PROPERTY_ATTRIBUTE_READONLY), 1);
  EXPECT_EQ(obj->set_value_bykey(obj.Get(), &plain, cef_v8value_create_string(&x), V8_PROPERTY_ATTRIBUTE_NONE), 1);

  auto* data = new TUserData();
  int destroyedBefore = TUserData::destroyed;
  EXPECT_EQ(obj->set_user_data(obj.Get(), data->Base()), 1);
  cef_base_t* got = obj->get_user_data(obj.Get());
  EXPECT_EQ(got, data->Base());
  got->release(got);
  context->exit(context.Get());

  SetGlobal(L"obj", obj);
  EXPECT_EQ(Eval(L"obj.x")->get_int_value(Eval(L"obj.x").Get()), 7);
  Eval(L"obj.x = 9");
  EXPECT_EQ(sets, std::vector<std::wstring>{L"x"});
  EXPECT_EQ(stored, 9);
  EXPECT_EQ(EvalString(L"try { obj.broken } catch (e) { e.message }"), L"cannot read broken");
  EXPECT_EQ(EvalString(L"obj.ro = 5; String(obj.ro) + obj.plain"), L"1x");
  // Another value for the same object sees the same user data; the C side reads accessors too.
  TV again = Eval(L"obj");
  got = again->get_user_data(again.Get());
  EXPECT_EQ(got, data->Base());
  got->release(got);
  TV viaKey = TV::Adopt(again->get_value_bykey(again.Get(), &x));
  EXPECT_EQ(viaKey->get_int_value(viaKey.Get()), 9);
  EXPECT_TRUE(again->has_value_bykey(again.Get(), &plain));
  EXPECT_TRUE(again->delete_value_bykey(again.Get(), &plain));
  EXPECT_FALSE(again->has_value_bykey(again.Get(), &plain));
  // A getter that fails on the C side: no value, the exception on the object's value.
  EXPECT_EQ(again->get_value_bykey(again.Get(), &broken), nullptr);
  EXPECT_TRUE(again->has_exception(again.Get()));

  // Everything the object held is released once it is gone.
  obj.Reset();
  again.Reset();
  viaKey.Reset();
  ReleaseContext(context.Get());
  context.Reset();
  Shutdown();
  EXPECT_EQ(TUserData::destroyed, destroyedBefore + 1);
  EXPECT_EQ(accessor->refs.load(), 1);
  accessor->s.base.release(&accessor->s.base);
  context = TCRef<cef_v8context_t>::Adopt(CreateContext(&host));
}

TEST_F(ScriptTest, ArraysFromBothSides) {
  context->enter(context.Get());
  TV arr = TV::Adopt(cef_v8value_create_array(2));
  ASSERT_TRUE(arr);
  EXPECT_EQ(arr->get_array_length(arr.Get()), 2);
  EXPECT_EQ(arr->set_value_byindex(arr.Get(), 0, cef_v8value_create_int(5)), 1);
  cef_string_t s = View(L"two");
  EXPECT_EQ(arr->set_value_byindex(arr.Get(), 3, cef_v8value_create_string(&s)), 1);
  EXPECT_EQ(arr->get_array_length(arr.Get()), 4);
  EXPECT_TRUE(arr->has_value_byindex(arr.Get(), 3));
  EXPECT_FALSE(arr->has_value_byindex(arr.Get(), 1));
  context->exit(context.Get());
  SetGlobal(L"arr", arr);
  EXPECT_EQ(EvalString(L"Array.isArray(arr) + ':' + arr.join(',')"), L"true:5,,,two");
  EXPECT_TRUE(arr->delete_value_byindex(arr.Get(), 0));
  EXPECT_EQ(EvalString(L"String(arr[0])"), L"undefined");
  TV nested = Eval(L"[[1, 2], {k: [3]}]");
  TV inner = TV::Adopt(nested->get_value_byindex(nested.Get(), 0));
  EXPECT_TRUE(inner->is_array(inner.Get()));
  EXPECT_EQ(inner->get_array_length(inner.Get()), 2);
  EXPECT_EQ(nested->get_value_byindex(nested.Get(), -1), nullptr);
}

TEST_F(ScriptTest, TimersRunInOrderThroughTheHost) {
  RunScript(context.Get(),
            L"var log = [];\n"
            L"setTimeout(function () { log.push('late'); }, 30);\n"
            L"setTimeout(function (a, b) { log.push('early' + a + b); }, 10, 1, 2);\n"
            L"var cancelled = setTimeout(function () { log.push('cancelled'); }, 5);\n"
            L"clearTimeout(cancelled);\n"
            L"var n = 0, iv = setInterval(function () { log.push('tick' + (++n)); if (n == 3) clearInterval(iv); }, 8);\n"
            L"setTimeout(\"log.push('string')\", 0);\n"
            L"setTimeout(function () { throw new Error('timer failed'); }, 40);\n"
            L"setTimeout(function () { log.push('after failure'); }, 50);\n",
            L"http://127.0.0.1/timers.js", 1);
  host.RunTasks(50);
  EXPECT_EQ(EvalString(L"log.join(' ')"),
            L"string tick1 early12 tick2 tick3 late after failure");
  EXPECT_TRUE(host.tasks.empty());
  ASSERT_EQ(host.uncaught.size(), 1u);
  EXPECT_EQ(host.uncaught[0], L"Uncaught Error: timer failed");
  EXPECT_EQ(host.console.back().line, 8);

  // Timers of a released context never run.
  RunScript(context.Get(), L"setTimeout(function () { log.push('gone'); }, 1);", L"x.js", 1);
  ReleaseContext(context.Get());
  EXPECT_FALSE(context->is_valid(context.Get()));
  EXPECT_EQ(host.RunTasks(10), 1);
  EXPECT_FALSE(Eval(L"1"));
}

TEST_F(ScriptTest, PageFacilitiesReachTheHost) {
  EXPECT_TRUE(RunScript(context.Get(),
                        L"console.log('hello', 1, true);\n"
                        L"console.warn('careful');\n"
                        L"console.error('broken');\n"
                        L"alert('hi');\n"
                        L"var c = confirm('sure?');\n"
                        L"var p = prompt('name?', 'guest');\n"
                        L"var w = window.open('http://127.0.0.1/pop.html', 'pop', 'left=10, top=20,width=300,height=200px');\n"
                        L"var before = document.title;\n"
                        L"document.title = 'New title';\n"
                        L"window.close();\n",
                        L"http://127.0.0.1/page.html", 5));
  ASSERT_EQ(host.console.size(), 3u);
  EXPECT_EQ(host.console[0].message, L"hello 1 true");
  EXPECT_EQ(host.console[0].level, TConsoleLevel::Log);
  EXPECT_EQ(host.console[0].source, L"http://127.0.0.1/page.html");
  EXPECT_EQ(host.console[0].line, 5);
  EXPECT_EQ(host.console[1].level, TConsoleLevel::Warn);
  EXPECT_EQ(host.console[2].level, TConsoleLevel::Error);
  EXPECT_EQ(host.console[2].line, 7);
  ASSERT_EQ(host.dialogs.size(), 3u);
  EXPECT_EQ(host.dialogs[0].kind, TDialogKind::Alert);
  EXPECT_EQ(host.dialogs[0].message, L"hi");
  EXPECT_EQ(host.dialogs[1].kind, TDialogKind::Confirm);
  EXPECT_EQ(host.dialogs[2].kind, TDialogKind::Prompt);
  EXPECT_EQ(host.dialogs[2].defaultText, L"guest");
  EXPECT_EQ(EvalString(L"c + ':' + p"), L"true:typed");
  ASSERT_EQ(host.opened.size(), 1u);
  EXPECT_EQ(host.opened[0].url, L"http://127.0.0.1/pop.html");
  EXPECT_EQ(host.opened[0].name, L"pop");
  const TWindowFeatures& f = host.opened[0].features;
  EXPECT_TRUE(f.xSet && f.ySet && f.widthSet && f.heightSet);
  EXPECT_EQ(f.x, 10);
  EXPECT_EQ(f.y, 20);
  EXPECT_EQ(f.width, 300);
  EXPECT_EQ(f.height, 200);
  EXPECT_EQ(EvalString(L"w === null ? 'null' : typeof w.close"), L"function");
  EXPECT_EQ(EvalString(L"before"), L"From <title>");
  EXPECT_EQ(host.titles, std::vector<std::wstring>{L"New title"});
  EXPECT_EQ(EvalString(L"document.title"), L"New title");
  EXPECT_EQ(host.closes, 1);

  // Cancelled dialogs and blocked popups.
  host.answer = {false, L""};
  host.allowPopups = false;
  EXPECT_EQ(EvalString(L"String(confirm('again')) + String(prompt('x')) + String(window.open('/p'))"),
            L"falsenullnull");
  // While a dialog is open the host may run script in the same page (for example a reply).
  host.onDialog = [&] { EXPECT_TRUE(RunScript(context.Get(), L"var nested = 1;", L"n.js", 1)); };
  Eval(L"alert('wait')");
  EXPECT_EQ(EvalString(L"String(nested)"), L"1");
}

TEST_F(ScriptTest, PageEventsAndLeavePrompt) {
  std::wstring message;
  EXPECT_FALSE(AskBeforeUnload(context.Get(), message));
  RunScript(context.Get(),
            L"var events = [];\n"
            L"window.onload = function (e) { events.push('onload:' + e.type); };\n"
            L"window.addEventListener('load', function () { events.push('listener'); });\n"
            L"window.addEventListener('load', function () { throw new Error('listener failed'); });\n"
            L"window.addEventListener('load', function () { events.push('after'); });\n"
            L"document.addEventListener('DOMContentLoaded', function () { events.push('dom:' + document.readyState); });\n"
            L"window.onbeforeunload = function () { return 'Leave this page?'; };\n",
            L"http://127.0.0.1/events.js", 1);
  FireEvent(context.Get(), true, L"DOMContentLoaded");
  FireEvent(context.Get(), false, L"load");
  EXPECT_EQ(EvalString(L"events.join(' ')"), L"dom:interactive onload:load listener after");
  EXPECT_EQ(host.uncaught, std::vector<std::wstring>{L"Uncaught Error: listener failed"});
  EXPECT_TRUE(AskBeforeUnload(context.Get(), message));
  EXPECT_EQ(message, L"Leave this page?");
  RunScript(context.Get(), L"window.onbeforeunload = null; window.addEventListener('beforeunload', function (e) { e.returnValue = 'Via listener'; });", L"e.js", 1);
  EXPECT_TRUE(AskBeforeUnload(context.Get(), message));
  EXPECT_EQ(message, L"Via listener");
}

TEST_F(ScriptTest, ContextsAreSeparateAndReleaseInvalidates) {
  TTestHost otherHost;
  TCRef<cef_v8context_t> other = TCRef<cef_v8context_t>::Adopt(CreateContext(&otherHost));
  ASSERT_TRUE(other);
  EXPECT_FALSE(other->is_same(other.Get(), context.Wrap()));
  RunScript(context.Get(), L"var mine = 1;", L"a.js", 1);
  cef_string_t code = View(L"typeof mine");
  cef_v8value_t* r = nullptr;
  cef_v8exception_t* e = nullptr;
  ASSERT_EQ(other->eval(other.Get(), &code, &r, &e), 1);
  EXPECT_EQ(Take(r->get_string_value(r)), L"undefined");
  r->base.release(&r->base);

  // Values keep working across contexts while both live; a released context's values do not.
  TV obj = Eval(L"({v: 3})");
  TV otherGlobal = TV::Adopt(other->get_global(other.Get()));
  cef_string_t key = View(L"borrowed");
  EXPECT_EQ(otherGlobal->set_value_bykey(otherGlobal.Get(), &key, obj.Wrap(), V8_PROPERTY_ATTRIBUTE_NONE), 1);
  code = View(L"borrowed.v");
  ASSERT_EQ(other->eval(other.Get(), &code, &r, &e), 1);
  EXPECT_EQ(r->get_int_value(r), 3);
  r->base.release(&r->base);
  ReleaseContext(other.Get());
  EXPECT_FALSE(other->is_valid(other.Get()));
  EXPECT_FALSE(otherGlobal->is_valid(otherGlobal.Get()));
  EXPECT_TRUE(obj->is_valid(obj.Get()));
  EXPECT_EQ(other->eval(other.Get(), &code, &r, &e), 0);
  EXPECT_EQ(r, nullptr);

  // Values are bound to the render thread.
  std::thread([&] {
    EXPECT_FALSE(obj->is_valid(obj.Get()));
    EXPECT_EQ(obj->get_value_bykey(obj.Get(), &key), nullptr);
    EXPECT_EQ(cef_v8context_get_current_context(), nullptr);
  }).join();
}

TEST(ScriptPure, WindowFeatures) {
  TWindowFeatures f = ParseWindowFeatures(L"width=640,HEIGHT=480 , left = -5;top=abc,menubar=no");
  EXPECT_TRUE(f.widthSet && f.heightSet && f.xSet);
  EXPECT_EQ(f.width, 640);
  EXPECT_EQ(f.height, 480);
  EXPECT_EQ(f.x, -5);
  EXPECT_FALSE(f.ySet);
  EXPECT_FALSE(ParseWindowFeatures(L"").widthSet);
}

TEST(ScriptPure, KeysTurnIntoCesuWhereverTheirFirstNonAsciiCharacterStands) {
  EXPECT_EQ(ToCesu(std::wstring()), "");
  EXPECT_EQ(ToCesu(std::wstring(L"hWMin")), "hWMin");
  EXPECT_EQ(ToCesu(std::wstring(L"\u00e9a")), "\xC3\xA9" "a");
  // A surrogate pair is two three-byte sequences, as Duktape keeps it.
  EXPECT_EQ(ToCesu(std::wstring(L"ab\u00e9\u661f\xD83D\xDE00z")),
            "ab\xC3\xA9\xE6\x98\x9F\xED\xA0\xBD\xED\xB8\x80z");
}

TEST(ScriptPure, NativeDeclarationsKeepLinesAndSkipStrings) {
  std::wstring code = L"a();\nnative function go();\n'native function no();' // native function no2();\nb();";
  std::wstring out = RewriteNativeDeclarations(code, 3);
  EXPECT_EQ(std::count(out.begin(), out.end(), L'\n'), 3);
  EXPECT_NE(out.find(L"function go(){return __nativeCall(3,'go',this,arguments);}"), std::wstring::npos);
  EXPECT_NE(out.find(L"'native function no();'"), std::wstring::npos);
  EXPECT_NE(out.find(L"// native function no2();"), std::wstring::npos);
  EXPECT_EQ(RewriteNativeDeclarations(L"nativefunction x();", 0), L"nativefunction x();");
}

// The script heap's memory: blocks keep their contents through every kind of resize, freed small
// blocks come back for the next request of their size, and the chunks go when nothing is in use.
TEST(ScriptPure, BlockPoolKeepsContentsAndReusesFreedBlocks) {
  TBlockPool pool;
  auto fill = [](void* p, size_t n, unsigned char seed) {
    for (size_t i = 0; i < n; ++i) static_cast<unsigned char*>(p)[i] = static_cast<unsigned char>(seed + i);
  };
  auto holds = [](const void* p, size_t n, unsigned char seed) {
    for (size_t i = 0; i < n; ++i)
      if (static_cast<const unsigned char*>(p)[i] != static_cast<unsigned char>(seed + i)) return false;
    return true;
  };
  // Small to larger small, to large, to larger large, back to small (cut), and to zero.
  void* p = pool.Allocate(10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 8, 0u);
  fill(p, 10, 1);
  p = pool.Reallocate(p, 100);
  ASSERT_TRUE(p && holds(p, 10, 1));
  fill(p, 100, 2);
  p = pool.Reallocate(p, 5000);
  ASSERT_TRUE(p && holds(p, 100, 2));
  fill(p, 5000, 3);
  p = pool.Reallocate(p, 70000);
  ASSERT_TRUE(p && holds(p, 5000, 3));
  p = pool.Reallocate(p, 33);
  ASSERT_TRUE(p && holds(p, 33, 3));
  p = pool.Reallocate(p, 0);
  ASSERT_NE(p, nullptr);  // a usable block, never "freed and null"
  pool.Free(p);
  void* zero = pool.Allocate(0);
  EXPECT_NE(zero, nullptr);
  pool.Free(zero);
  pool.Free(nullptr);
  void* fresh = pool.Reallocate(nullptr, 24);
  ASSERT_NE(fresh, nullptr);

  // A freed block is the next one of its class; a block of another class is not.
  pool.Free(fresh);
  void* again = pool.Allocate(32);  // 24 and 32 share a class
  EXPECT_EQ(again, fresh);
  void* other = pool.Allocate(48);
  EXPECT_NE(other, fresh);
  pool.Free(again);
  pool.Free(other);

  // Blocks freed come back before new memory is taken; the chunks go only once nothing is in
  // use.
  std::vector<void*> blocks(20000);
  for (void*& b : blocks) ASSERT_NE(b = pool.Allocate(16), nullptr);
  const size_t chunks = pool.Chunks();
  EXPECT_GE(chunks * TBlockPool::kChunkBytes, blocks.size() * 16);
  for (void* b : blocks) pool.Free(b);
  for (void*& b : blocks) ASSERT_NE(b = pool.Allocate(16), nullptr);
  EXPECT_EQ(pool.Chunks(), chunks);
  EXPECT_FALSE(pool.Release());
  for (void* b : blocks) pool.Free(b);
  EXPECT_EQ(pool.BlocksInUse(), 0u);
  EXPECT_TRUE(pool.Release());
  EXPECT_EQ(pool.Chunks(), 0u);
}

TEST_F(ScriptTest, HostilePageScriptCannotBreakTheBoundary) {
  // Replaced built-ins: dates made on the C side still work and are the context's own kind.
  RunScript(context.Get(), L"var RealDate = Date; Date = function () { throw new Error('no'); };",
            L"h.js", 1);
  context->enter(context.Get());
  cef_time_t when{2021, 7, 0, 4, 12, 30, 0, 0};
  SetGlobal(L"when", TV::Adopt(cef_v8value_create_date(&when)));
  context->exit(context.Get());
  EXPECT_EQ(EvalString(L"(when instanceof RealDate) + ':' + when.getUTCHours()"), L"true:12");
  // The extension entry called directly with an arguments object that throws.
  EXPECT_EQ(EvalString(L"try { __nativeCall(0, 'add', this, new Proxy({}, { get: function () "
                       L"{ throw new Error('trap'); } })); 'no' } catch (e) { e.message }"),
            L"trap");
  EXPECT_EQ(EvalString(L"__nativeCall = null; typeof __nativeCall"), L"function");
  // A getter that throws, read from the C side; a thrown value whose toString throws.
  TV obj = Eval(L"({ get bad() { throw new Error('getter'); } })");
  cef_string_t bad = View(L"bad");
  EXPECT_EQ(obj->get_value_bykey(obj.Get(), &bad), nullptr);
  ASSERT_TRUE(obj->has_exception(obj.Get()));
  cef_v8exception_t* ex = obj->get_exception(obj.Get());
  EXPECT_EQ(Take(ex->get_message(ex)), L"Uncaught Error: getter");
  ex->base.release(&ex->base);
  TCRef<cef_v8exception_t> e;
  EXPECT_FALSE(Eval(L"throw { toString: function () { throw 1; } };", &e));
  EXPECT_TRUE(e);
  EXPECT_EQ(EvalString(L"'still ' + 'running'"), L"still running");
}

TEST_F(ScriptTest, UserDataMayBeAScriptValue) {
  // The binding keeps a script array as an object's hidden user data.
  context->enter(context.Get());
  TV obj = TV::Adopt(cef_v8value_create_object(nullptr));
  TV data = TV::Adopt(cef_v8value_create_array(2));
  data->set_value_byindex(data.Get(), 0, cef_v8value_create_int(77));
  EXPECT_EQ(obj->set_user_data(obj.Get(), reinterpret_cast<cef_base_t*>(data.Wrap())), 1);
  context->exit(context.Get());
  SetGlobal(L"holder", obj);
  obj.Reset();
  data.Reset();
  TV again = Eval(L"holder");
  auto* back = reinterpret_cast<cef_v8value_t*>(again->get_user_data(again.Get()));
  ASSERT_TRUE(back);
  TV first = TV::Adopt(back->get_value_byindex(back, 0));
  EXPECT_EQ(first->get_int_value(first.Get()), 77);
  back->base.release(&back->base);
  // Dropping the object lets both go (collected with the garbage), with no harm to the heap.
  again.Reset();
  Eval(L"holder = null; Duktape.gc(); Duktape.gc();");
  EXPECT_EQ(EvalString(L"'alive'"), L"alive");
}

TEST_F(ScriptTest, NativeFunctionsMadeInBulkStayDistinctAndLetTheirHandlerGo) {
  // A published object gets fresh functions on every read, most of them with a handler and a
  // name made before: each is still an object of its own, calling its handler by its name.
  std::vector<std::wstring> calls;
  auto* handler = new THandler([&](const std::wstring& name, cef_v8value_t*, const TArgs&, TV& ret, std::wstring&) {
    calls.push_back(name);
    ret = TV::Adopt(cef_v8value_create_int(int32_t(calls.size())));
    return true;
  });
  context->enter(context.Get());
  auto make = [&](const std::wstring& name) {
    cef_string_t n{const_cast<wchar_t*>(name.c_str()), name.size(), nullptr};
    handler->refs++;  // the runtime takes one
    return TV::Adopt(cef_v8value_create_function(&n, &handler->s));
  };
  TV a = make(L"go"), b = make(L"go"), c = make(L"stop");
  ASSERT_TRUE(a && b && c);
  EXPECT_FALSE(a->is_same(a.Get(), b.Wrap()));
  EXPECT_TRUE(b->is_user_created(b.Get()));
  auto* data = new TUserData();
  EXPECT_EQ(b->set_user_data(b.Get(), data->Base()), 1);  // b's own info; its handler stays
  cef_v8handler_t* back = b->get_function_handler(b.Get());
  EXPECT_EQ(back, &handler->s);
  if (back) back->base.release(&back->base);
  EXPECT_EQ(Take(c->get_function_name(c.Get())), L"stop");
  EXPECT_EQ(a->get_user_data(a.Get()), nullptr);
  // More names than the runtime shares at once: every function keeps its own.
  std::vector<TV> many;
  for (int i = 0; i < 300; ++i) many.push_back(make(L"f" + std::to_wstring(i)));
  context->exit(context.Get());
  SetGlobal(L"a", a);
  SetGlobal(L"b", b);
  SetGlobal(L"c", c);
  TV list = Eval(L"[]");
  for (int i = 0; i < 300; ++i) ASSERT_EQ(list->set_value_byindex(list.Get(), i, many[size_t(i)].Wrap()), 1);
  SetGlobal(L"list", list);
  EXPECT_EQ(EvalString(L"a.x = 1; [a !== b, b.x === undefined, a.name, b.name, c.name, list[0].name, "
                       L"list[299].name].join()"),
            L"true,true,go,go,stop,f0,f299");
  EXPECT_EQ(EvalString(L"String([a(), b(), c(), list[0](), list[299](), list[150]()])"), L"1,2,3,4,5,6");
  EXPECT_EQ(calls, (std::vector<std::wstring>{L"go", L"go", L"stop", L"f0", L"f299", L"f150"}));

  // Once every function is gone, so are the runtime's references to the handler.
  a.Reset();
  b.Reset();
  c.Reset();
  list.Reset();
  many.clear();
  const int destroyed = TUserData::destroyed;
  Eval(L"a = b = c = list = null; Duktape.gc(); Duktape.gc();");
  ReleaseContext(context.Get());
  context.Reset();
  Shutdown();
  EXPECT_EQ(TUserData::destroyed, destroyed + 1);
  EXPECT_EQ(handler->refs.load(), 1);
  handler->s.base.release(&handler->s.base);
  context = TCRef<cef_v8context_t>::Adopt(CreateContext(&host));
}

TEST_F(ScriptTest, ValuesKeepTheirObjectsWhileOthersComeAndGo) {
  // Values released in between free their slots for new ones; no value loses its object.
  std::vector<TV> kept, dropped;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 100; ++i)
      (i % 2 ? dropped : kept).push_back(Eval(L"({n: " + std::to_wstring(round * 100 + i) + L"})"));
    dropped.clear();
  }
  ASSERT_EQ(kept.size(), 150u);
  for (size_t k = 0; k < kept.size(); ++k) {
    const int expected = int(k / 50) * 100 + int(k % 50) * 2;
    cef_string_t key = View(L"n");
    TV n = TV::Adopt(kept[k]->get_value_bykey(kept[k].Get(), &key));
    ASSERT_TRUE(n);
    EXPECT_EQ(n->get_int_value(n.Get()), expected) << k;
  }
}

TEST_F(ScriptTest, AValueReleasedOnAnotherThreadGivesItsSlotBackOnTheNextCall) {
  TV obj = Eval(L"({})");
  ASSERT_TRUE(obj);
  const size_t free = Engine().freeStashKeys.size();
  std::thread([&] { obj.Reset(); }).join();
  EXPECT_EQ(Engine().freeStashKeys.size(), free);  // the render thread lets go, not this one
  EXPECT_EQ(EvalString(L"'next'"), L"next");
  EXPECT_EQ(Engine().freeStashKeys.size(), free + 1);
}

TEST_F(ScriptTest, TheHeapsSmallBlocksComeFromItsPoolAndAllGoBackWithIt) {
  EXPECT_EQ(EvalString(L"var o = {}; for (var i = 0; i < 2000; i++) o['k' + i] = {v: i}; String(o.k1999.v)"),
            L"1999");
  EXPECT_GT(Engine().blocks.BlocksInUse(), 2000u);
  EXPECT_GT(Engine().blocks.Chunks(), 0u);
  ReleaseContext(context.Get());
  context.Reset();
  Shutdown();
  EXPECT_EQ(Engine().heap, nullptr);
  EXPECT_EQ(Engine().blocks.BlocksInUse(), 0u);
  EXPECT_EQ(Engine().blocks.Chunks(), 0u);
  context = TCRef<cef_v8context_t>::Adopt(CreateContext(&host));
  EXPECT_EQ(EvalString(L"String(1 + 1)"), L"2");
}
