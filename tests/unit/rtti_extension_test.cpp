// The RTTI script extension and the render-process handler.
//
// In-process cases: the stand-in's script layer is linked into this executable (its context API
// is internal to the runtime DLL) and the binding's function table points at it, so page script
// reaches TCefRTTIExtension exactly as in a render process.
#include "platform/libcef/script/ScriptHost.h"  // first: it declares the layer's exports

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "bridge/JSEx.h"
#include "bridge/mapshare.h"
#include "rtl/RttiBuilder.h"
#include "rtl/StrConv.h"
#include "rtl/Variant.h"
#include "support/TestSupport.h"
#include "vorad/cef3/VoraD.Core.App.h"

using rtl::TRef;
using rtl::TValue;
using namespace testing_support;

// ---- test types

namespace {

enum class TColor : uint8_t { Red, Green, Blue };

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  std::wstring Label;
};

}  // namespace

namespace rtl {
template <>
struct TTypeInfoOf<TColor, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t = MakeEnumType<TColor>(L"TColor", {L"Red", L"Green", L"Blue"});
    return t;
  }
};
template <>
struct TTypeInfoOf<TPoint, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t =
        MakeRecordType<TPoint>(L"TPoint").Field(L"X", &TPoint::X).Field(L"Y", &TPoint::Y).Field(L"Label", &TPoint::Label).Build();
    return t;
  }
};
}  // namespace rtl

namespace {

class TShape : public rtl::TObject {
  RTL_CLASSINFO
public:
  int32_t FSize = 3;
  TPoint FOrigin{1, 2, L"o"};
  TShape* FPeer = nullptr;
  std::wstring FSecret = L"hidden";
  int32_t FWidth = 10;
  TColor FColor = TColor::Green;
  int Resizes = 0;

  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t v) { FWidth = v; }
  std::wstring Name() const { return L"shape"; }
  TColor Color() const { return FColor; }
  void SetColor(TColor c) { FColor = c; }
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(TPoint p) { FOrigin = p; }
  int32_t Area() const { return FWidth * FSize; }
  void Resize(int32_t w) {
    FWidth = w;
    ++Resizes;
  }
  std::wstring Join(const std::wstring& a, int32_t n, bool flag) const {
    return a + L":" + std::to_wstring(n) + (flag ? L":yes" : L":no");
  }
  int32_t Boom() { throw rtl::Exception(L"boom"); }
  int32_t Secret() const { return 42; }
  static int32_t Count(rtl::TClass) { return 5; }
};

rtl::TClass TShape::StaticClassInfo() {
  static const rtl::TClass info = rtl::DescribeClass<TShape, rtl::TObject>(L"TShape", L"Test", [](rtl::TClassBuilder<TShape>& c) {
    c.Visibility(rtl::TMemberVisibility::Private)
        .Field(L"FSecret", &TShape::FSecret)
        .Method(L"Secret", &TShape::Secret)
        .Property(L"Hidden", &TShape::Width);
    c.Visibility(rtl::TMemberVisibility::Protected).Field(L"FWidth", &TShape::FWidth);
    c.Visibility(rtl::TMemberVisibility::Public)
        .Field(L"FSize", &TShape::FSize)
        .Field(L"FOrigin", &TShape::FOrigin)
        .Field(L"FPeer", &TShape::FPeer)
        .Property(L"Width", &TShape::Width, &TShape::SetWidth)
        .Property(L"Name", &TShape::Name)
        .Property(L"Origin", &TShape::Origin, &TShape::SetOrigin)
        .Method(L"Area", &TShape::Area)
        .Method(L"Resize", &TShape::Resize, {L"w"})
        .Method(L"Join", &TShape::Join, {L"a", L"n", L"flag"})
        .Method(L"Boom", &TShape::Boom)
        .ClassMethod(L"Count", &TShape::Count);
    c.Visibility(rtl::TMemberVisibility::Published).Property(L"Color", &TShape::Color, &TShape::SetColor);
  });
  return info;
}

const rtl::TOrdinalTypeInfo* PercentType() {
  static const rtl::TOrdinalTypeInfo* t = rtl::MakeIntegerType<uint8_t>(L"TPercent", 0, 100);
  return t;
}

TShape& Shape() {
  static TShape* shape = new TShape();  // outlives every page that can reach it
  return *shape;
}

// ---- the binding's function table on the in-process script layer

void BindScriptLayer() {
#define BIND(name) CefApi.name = &::name;
  BIND(cef_string_utf16_set) BIND(cef_string_utf16_clear) BIND(cef_string_userfree_utf16_alloc)
  BIND(cef_string_userfree_utf16_free) BIND(cef_string_wide_to_utf16) BIND(cef_string_utf16_to_wide)
  BIND(cef_string_list_alloc) BIND(cef_string_list_size) BIND(cef_string_list_value)
  BIND(cef_string_list_append) BIND(cef_string_list_free)
  BIND(cef_v8value_create_undefined) BIND(cef_v8value_create_null) BIND(cef_v8value_create_bool)
  BIND(cef_v8value_create_int) BIND(cef_v8value_create_uint) BIND(cef_v8value_create_double)
  BIND(cef_v8value_create_date) BIND(cef_v8value_create_string) BIND(cef_v8value_create_object)
  BIND(cef_v8value_create_array) BIND(cef_v8value_create_function)
  BIND(cef_v8context_get_current_context) BIND(cef_v8context_get_entered_context)
  BIND(cef_register_extension)
#undef BIND
}

// Published once per process, as a render process does when its script engine starts.
TCefRTTIExtension* gPercentExtension = nullptr;

void Publish(const std::wstring& name, TValue value, TCefRTTIExtension** keep = nullptr) {
  auto* ext = new TCefRTTIExtension(std::move(value));
  const TRef<ICefv8Handler> handler(ext);
  if (keep) *keep = ext;
  const std::wstring script = RttiExtensionScript(name);
  const cef_string_t n = TCef3Helper::CefString(name), c = TCef3Helper::CefString(script);
  ASSERT_EQ(1, CefApi.cef_register_extension(&n, &c, static_cast<cef_v8handler_t*>(TCef3Helper::CefGetData(handler))));
}

void PublishOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  BindScriptLayer();
  Publish(L"TApp", TValue::FromClass(TApp::StaticClassInfo()));
  Publish(L"Shape", TValue::FromObject(&Shape()));
  Publish(L"Percent", TValue::FromOrdinal(PercentType(), 50), &gPercentExtension);
}

struct TQuietHost : standin::script::IScriptHost {
  std::vector<std::wstring> console;
  void PostDelayed(std::function<void()>, int64_t) override {}
  void Trace(const std::wstring&) override {}
  void Console(standin::script::TConsoleLevel, const std::wstring& message, const std::wstring&, int) override {
    console.push_back(message);
  }
  standin::script::TDialogResult Dialog(standin::script::TDialogKind, const std::wstring&,
                                        const std::wstring&) override {
    return {};
  }
  bool OpenWindow(const std::wstring&, const std::wstring&, const standin::script::TWindowFeatures&) override {
    return false;
  }
  void CloseWindow() override {}
  void SetTitle(const std::wstring&) override {}
};

// A window that stands in for the main window: records the bridge messages it receives.
struct TBridgeWindow {
  HWND hwnd = nullptr;
  static inline std::vector<UINT> received;
  static inline std::vector<std::wstring> texts;
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg >= WM_BRIDGE_MOVE && msg <= WM_BRIDGE_SEARCH) || msg == WM_CLOSE) {
      received.push_back(msg);
      texts.push_back(ReadShareText());
      return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }
  TBridgeWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"RttiExtensionTestWindow";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    received.clear();
    texts.clear();
  }
  ~TBridgeWindow() { DestroyWindow(hwnd); }
};

class RttiScript : public ::testing::Test {
protected:
  void SetUp() override {
    PublishOnce();
    FRaw = standin::script::CreateContext(&FHost);
    ASSERT_NE(FRaw, nullptr);
    FRaw->base.add_ref(&FRaw->base);
    Ctx = TCefv8ContextRef::UnWrap(FRaw);
  }
  void TearDown() override {
    Ctx.Reset();
    standin::script::ReleaseContext(FRaw);
    FRaw->base.release(&FRaw->base);
    standin::script::Shutdown();
  }
  TRef<ICefv8Value> Eval(const std::wstring& code) {
    TRef<ICefv8Value> ret;
    TRef<ICefV8Exception> exc;
    if (!Ctx->Eval(code, ret, exc)) {
      ADD_FAILURE() << "script failed: " << rtl::Utf16ToUtf8(code) << ": "
                    << rtl::Utf16ToUtf8(exc ? exc->GetMessage() : L"?");
      return nullptr;
    }
    return ret;
  }
  // The script's value as text (String(...)), "<failed>" when it threw.
  std::wstring Str(const std::wstring& code) {
    const TRef<ICefv8Value> v = Eval(L"String(" + code + L")");
    return v ? v->GetStringValue() : L"<failed>";
  }

  TQuietHost FHost;
  cef_v8context_t* FRaw = nullptr;
  TRef<ICefv8Context> Ctx;
};

// ---- published class references: TApp

TEST_F(RttiScript, TAppReadsAsAFreshObjectWithItsClassFunctions) {
  EXPECT_EQ(Str(L"typeof TApp.hDwon"), L"function");
  EXPECT_EQ(Str(L"TApp.ClassName()"), L"TApp");
  EXPECT_EQ(Str(L"TApp === TApp"), L"false") << "every read builds a new object";
  EXPECT_EQ(Str(L"Object.keys(TApp).sort().join()"),
            L"ClassName,ClassNameIs,ClassParent,InheritsFrom,InstanceSize,UnitName,hDwon,hDwonPause,hDwonStart,"
            L"hExitApp,hOpenDir,hOpenUrl,hSearch,hWMax,hWMin,hWMove")
      << "class functions only, inherited ones included; no instance method (ToString)";
  EXPECT_EQ(Str(L"Object.keys(TApp).join() === Object.keys(TApp).join()"), L"true");
  // Class references travel both ways.
  EXPECT_EQ(Str(L"TApp.ClassParent().ClassName()"), L"TObject");
  EXPECT_EQ(Str(L"TApp.InheritsFrom(TApp.ClassParent())"), L"true");
  EXPECT_EQ(Str(L"TApp.ClassNameIs('TApp')"), L"true");
  EXPECT_EQ(Str(L"Object.keys(TApp.ClassParent().ClassParent()).length"), L"0") << "an empty class has no functions";
  // Assigning something else to the global leaves it published as it was.
  EXPECT_EQ(Str(L"(TApp = 5, TApp.ClassName())"), L"TApp");
}

TEST_F(RttiScript, TAppCallsSendTheirMessageToTheWindowInTheBlock) {
  OpenShareBlock();
  ASSERT_NE(ShareBlock, nullptr);
  TBridgeWindow window;
  WriteShareMainWindow(window.hwnd);

  EXPECT_EQ(Str(L"TApp.hDwon('tavloaHR0cDovL3gvYQ==')"), L"0");
  ASSERT_EQ(TBridgeWindow::received, std::vector<UINT>{WM_BRIDGE_DOWNLOAD});
  EXPECT_EQ(TBridgeWindow::texts[0], L"tavloaHR0cDovL3gvYQ==") << "the link is in buffer 1 while the window handles it";

  const std::pair<const wchar_t*, UINT> others[] = {
      {L"hWMove()", WM_BRIDGE_MOVE},         {L"hWMin()", WM_BRIDGE_MINIMIZE},   {L"hWMax()", WM_BRIDGE_MAXIMIZE},
      {L"hExitApp()", WM_CLOSE},             {L"hDwonPause()", WM_BRIDGE_PAUSE}, {L"hDwonStart()", WM_BRIDGE_RESUME},
      {L"hOpenUrl('http://x/')", WM_BRIDGE_OPENURL}, {L"hSearch('words')", WM_BRIDGE_SEARCH},
      {L"hOpenDir()", WM_BRIDGE_OPENDIR}};
  for (const auto& [call, id] : others) {
    TBridgeWindow::received.clear();
    EXPECT_EQ(Str(std::wstring(L"TApp.") + call), L"0") << rtl::Utf16ToUtf8(call);
    EXPECT_EQ(TBridgeWindow::received, std::vector<UINT>{id}) << rtl::Utf16ToUtf8(call);
  }
  TBridgeWindow::received.clear();
  Str(L"TApp.hOpenUrl('http://kept/'), TApp.hWMin()");
  ASSERT_EQ(TBridgeWindow::texts.size(), 12u);
  EXPECT_EQ(TBridgeWindow::texts.back(), L"http://kept/") << "a call without text leaves buffer 1 alone";

  // Wrong argument count or kind: nothing native runs, script sees an unhandled call.
  TBridgeWindow::received.clear();
  for (const wchar_t* bad : {L"TApp.hDwon()", L"TApp.hDwon(5)", L"TApp.hDwon('a', 'b')", L"TApp.hWMin(1)"})
    EXPECT_EQ(Str(bad), L"undefined") << rtl::Utf16ToUtf8(bad);
  // A function taken away from its object: the receiver carries no user data.
  EXPECT_EQ(Str(L"(function(){ var f = TApp.hDwon; return f('x'); })()"), L"undefined");
  EXPECT_EQ(Str(L"TApp.hDwon.call({}, 'x')"), L"undefined");
  EXPECT_EQ(Str(L"TApp.hDwon.call(Shape, 'x')"), L"undefined") << "TShape has no hDwon";
  EXPECT_TRUE(TBridgeWindow::received.empty());

  // No window in the block: every call answers 0 and nothing is delivered.
  WriteShareMainWindow(nullptr);
  EXPECT_EQ(Str(L"[TApp.hDwon('a'), TApp.hWMin(), TApp.hExitApp()].join()"), L"0,0,0");
  EXPECT_TRUE(TBridgeWindow::received.empty());
  CloseShareBlock();
}

// ---- published object references

TEST_F(RttiScript, ObjectShowsMethodsAndGetterSetterPairsOfPublicMembersOnly) {
  TShape& s = Shape();
  s.FWidth = 10;
  s.FSize = 3;
  EXPECT_EQ(Str(L"[typeof Shape.Area, typeof Shape.Count, typeof Shape.ToString].join()"), L"function,function,function");
  EXPECT_EQ(Str(L"[typeof Shape.Secret, typeof Shape.Hidden, typeof Shape.FSecret, typeof Shape.FWidth].join()"),
            L"undefined,undefined,undefined,undefined")
      << "private and protected members are not mirrored";
  EXPECT_EQ(Str(L"Shape === Shape"), L"false");

  // Properties: readable and writable as declared.
  EXPECT_EQ(Str(L"Shape.Width"), L"10");
  EXPECT_EQ(Str(L"(Shape.Width = 4, Shape.Area())"), L"12");
  EXPECT_EQ(s.FWidth, 4);
  EXPECT_EQ(Str(L"Shape.Name"), L"shape");
  EXPECT_EQ(Str(L"(Shape.Name = 'x', Shape.Name)"), L"shape") << "no setter";
  EXPECT_EQ(Str(L"Shape.Color"), L"1");
  EXPECT_EQ(Str(L"(Shape.Color = 2, Shape.Color)"), L"2");
  EXPECT_EQ(Str(L"(Shape.Color = 3, Shape.Color)"), L"2") << "outside the enumeration";
  EXPECT_EQ(Str(L"(Shape.Width = 2.5, Shape.Width)"), L"4") << "not an integer";
  EXPECT_EQ(Str(L"(Shape.Width = 'x', Shape.Width)"), L"4");

  // Fields are always both.
  EXPECT_EQ(Str(L"(Shape.FSize = 5, Shape.FSize)"), L"5");
  EXPECT_EQ(s.FSize, 5);

  // Records: a plain object with every field, converted when it is read.
  EXPECT_EQ(Str(L"JSON.stringify(Shape.FOrigin)"), L"{\"X\":1,\"Y\":2,\"Label\":\"o\"}");
  EXPECT_EQ(Str(L"(Shape.Origin = {X: 7, Y: 8, Label: 'p'}, JSON.stringify(Shape.Origin))"),
            L"{\"X\":7,\"Y\":8,\"Label\":\"p\"}");
  EXPECT_EQ(s.FOrigin.Label, L"p");
  EXPECT_EQ(Str(L"(Shape.Origin = {X: 9}, Shape.Origin.X)"), L"7") << "a record with a missing field fails";
  EXPECT_EQ(Str(L"(Shape.FOrigin = {X: 1, Y: 'no', Label: ''}, Shape.FOrigin.Y)"), L"8");

  // Object references: mirrors of the same object, and only of the right class.
  EXPECT_EQ(Str(L"(Shape.FPeer = Shape, Shape.FPeer.Width)"), L"4");
  EXPECT_EQ(s.FPeer, &s);
  EXPECT_EQ(Str(L"(Shape.FPeer = TApp, Shape.FPeer.Name)"), L"shape") << "a class is no object";
  EXPECT_EQ(Str(L"(Shape.FPeer = {}, Shape.FPeer.Name)"), L"shape");
  s.FPeer = nullptr;
  EXPECT_EQ(Str(L"typeof Shape.FPeer.Area"), L"function") << "nil is mirrored as an object too";
  EXPECT_EQ(Str(L"Shape.FPeer.Area()"), L"undefined") << "an instance method needs an instance";
  EXPECT_EQ(Str(L"Shape.FPeer.Count()"), L"5") << "a class function does not";
}

TEST_F(RttiScript, MethodCallsNeedTheExactArgumentsAndNeverThrowIntoScript) {
  TShape& s = Shape();
  s.Resizes = 0;
  EXPECT_EQ(Str(L"Shape.Join('a', 2, true)"), L"a:2:yes");
  EXPECT_EQ(Str(L"Shape.Join('a', -7, false)"), L"a:-7:no");
  for (const wchar_t* bad : {L"Shape.Join('a', 2)", L"Shape.Join('a', 2, true, 1)", L"Shape.Join(1, 2, true)",
                             L"Shape.Join('a', 2.5, true)", L"Shape.Join('a', 3000000000, true)",
                             L"Shape.Join('a', '2', true)"})
    EXPECT_EQ(Str(bad), L"undefined") << rtl::Utf16ToUtf8(bad);
  EXPECT_EQ(Str(L"Shape.Join('a', 1, 0)"), L"a:1:no") << "Boolean is an enumeration: 0 and 1 are in its range";
  EXPECT_EQ(Str(L"Shape.Join('a', 1, 2)"), L"undefined");
  EXPECT_EQ(Str(L"[Shape.Resize(), Shape.Resize(1, 2)].join()"), L",");
  EXPECT_EQ(s.Resizes, 0) << "nothing native runs for a wrong call";
  EXPECT_EQ(Str(L"Shape.Resize(6)"), L"undefined");
  EXPECT_EQ(s.Resizes, 1);
  EXPECT_EQ(s.FWidth, 6);
  // A native error ends as an unhandled call: no exception, no text.
  EXPECT_EQ(Str(L"(function(){ try { return String(Shape.Boom()); } catch (e) { return 'threw ' + e; } })()"),
            L"undefined");
  EXPECT_EQ(Str(L"Shape.ToString()"), L"TShape");
  EXPECT_EQ(Str(L"Shape.Area.call(TApp)"), L"undefined") << "TApp has no Area";
}

TEST_F(RttiScript, AssigningThePublishedNameConvertsOrKeepsTheValue) {
  EXPECT_EQ(Str(L"Percent"), L"50");
  EXPECT_EQ(Str(L"(Percent = 60, Percent)"), L"60");
  EXPECT_EQ(Str(L"(Percent = 101, Percent)"), L"60") << "outside 0..100";
  EXPECT_EQ(Str(L"(Percent = -1, Percent)"), L"60");
  EXPECT_EQ(Str(L"(Percent = 'x', Percent)"), L"60");
  EXPECT_EQ(Str(L"(Percent = true, Percent)"), L"1") << "a Boolean converts to the integer type";
  ASSERT_NE(gPercentExtension, nullptr);
  EXPECT_EQ(gPercentExtension->Value().TypeInfo(), PercentType());
}

// ---- the two conversion tables, value by value

class RttiConversion : public RttiScript {
protected:
  void SetUp() override {
    RttiScript::SetUp();
    Ext = TRef<TCefRTTIExtension>(new TCefRTTIExtension(TValue()));
    ASSERT_TRUE(Ctx->Enter());
  }
  void TearDown() override {
    Ctx->Exit();
    Ext.Reset();
    RttiScript::TearDown();
  }
  // The native value in script, described by JSON-ish text: typeof and value.
  std::wstring ToScript(const TValue& v) {
    TRef<ICefv8Value> out;
    if (!Ext->NativeToScript(v, out)) return L"<fails>";
    const TRef<ICefv8Value> global = Ctx->GetGlobal();
    global->SetValueBykey(L"probe", out, V8_PROPERTY_ATTRIBUTE_NONE);
    return Str(L"typeof probe + ' ' + (probe instanceof Date ? probe.getTime() : probe)");
  }
  bool ToNative(const std::wstring& script, const rtl::TTypeInfo* type, TValue& out) {
    const TRef<ICefv8Value> v = Eval(script);
    return v && Ext->ScriptToNative(v, type, out);
  }
  TRef<TCefRTTIExtension> Ext;
};

TEST_F(RttiConversion, NativeToScript) {
  EXPECT_EQ(ToScript(TValue::From<int8_t>(-5)), L"number -5");
  EXPECT_EQ(ToScript(TValue::From<int16_t>(-300)), L"number -300");
  EXPECT_EQ(ToScript(TValue::From<int32_t>(-2147483647 - 1)), L"number -2147483648");
  EXPECT_EQ(ToScript(TValue::From<uint32_t>(4000000000u)), L"number 4000000000") << "no wrap to negative";
  EXPECT_EQ(ToScript(TValue::From<wchar_t>(L'Ж')), L"string Ж");
  EXPECT_EQ(ToScript(TValue::From<char>('c')), L"string c");
  EXPECT_EQ(ToScript(TValue::From<std::string>("ansi")), L"string ansi");
  const std::wstring wide = L"wide";
  EXPECT_EQ(ToScript(TValue::Make(rtl::WideStringType(), &wide)), L"string wide");
  EXPECT_EQ(ToScript(TValue::From<std::wstring>(L"文本")), L"string 文本");
  EXPECT_EQ(ToScript(TValue::From(true)), L"boolean true");
  EXPECT_EQ(ToScript(TValue::From(TColor::Blue)), L"number 2");
  EXPECT_EQ(ToScript(TValue::From(1.5f)), L"number 1.5");
  EXPECT_EQ(ToScript(TValue::From(0.25)), L"number 0.25");
  EXPECT_EQ(ToScript(TValue::From<long double>(2.5L)), L"number 2.5");
  EXPECT_EQ(ToScript(TValue::From(rtl::TCurrency{12345})), L"number 1.2345");
  EXPECT_EQ(ToScript(TValue::From(rtl::TComp{42})), L"number 42");
  EXPECT_EQ(ToScript(TValue::From<int64_t>(-1234567890123LL)), L"number -1234567890123");
  EXPECT_EQ(ToScript(TValue::From<uint64_t>(1ULL << 40)), L"number 1099511627776");
  // 2020-01-02 00:00 local as a script date: its local day is kept.
  const std::wstring date = ToScript(TValue::From(rtl::TDateTime{43832.0}));
  EXPECT_EQ(date.rfind(L"object ", 0), 0u);
  EXPECT_EQ(Str(L"[probe.getFullYear(), probe.getMonth(), probe.getDate(), probe.getHours()].join()"), L"2020,0,2,0");
  EXPECT_EQ(ToScript(TValue::From(TPoint{3, -4, L"r"})), L"object [object Object]");
  EXPECT_EQ(Str(L"JSON.stringify(probe)"), L"{\"X\":3,\"Y\":-4,\"Label\":\"r\"}");
  // ICefv8Value passes through as itself.
  const TRef<ICefv8Value> original = Eval(L"({tag: 'same'})");
  EXPECT_EQ(ToScript(Cefv8ValueTypeInfo()->FromPointer(original.Get())), L"object [object Object]");
  EXPECT_EQ(Str(L"probe.tag"), L"same");

  // Variants by content.
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant())), L"undefined undefined");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant::Null())), L"object null");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(int32_t(-9)))), L"number -9");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(uint32_t(4000000000u)))), L"number 4000000000");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(int64_t(1) << 33))), L"number 8589934592");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(0.5))), L"number 0.5");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(std::string("narrow")))), L"string narrow");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(L"wide"))), L"string wide");
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant(true))), L"boolean true");
  // The failure rows.
  EXPECT_EQ(ToScript(TValue::From(rtl::TVariant::ArrayOf(2))), L"<fails>");
  EXPECT_EQ(ToScript(TValue()), L"<fails>");
  EXPECT_EQ(ToScript(TValue::From<void*>(nullptr)), L"<fails>");
  const auto* smallSet = rtl::MakeSetType<uint8_t>(L"TColors", rtl::TypeInfoOf<TColor>());
  EXPECT_EQ(ToScript(TValue::FromOrdinal(smallSet, 5)), L"<fails>");
}

TEST_F(RttiConversion, ScriptToNative) {
  TValue v;
  // Integers within the declared range, stored in the type's width; Booleans become Booleans.
  ASSERT_TRUE(ToNative(L"100", PercentType(), v));
  EXPECT_EQ(v.TypeInfo(), PercentType());
  EXPECT_EQ(v.AsOrdinal(), 100);
  EXPECT_FALSE(ToNative(L"101", PercentType(), v));
  EXPECT_FALSE(ToNative(L"1.5", rtl::TypeInfoOf<int32_t>(), v));
  EXPECT_FALSE(ToNative(L"'1'", rtl::TypeInfoOf<int32_t>(), v));
  ASSERT_TRUE(ToNative(L"4000000000", rtl::TypeInfoOf<uint32_t>(), v));
  EXPECT_EQ(v.AsOrdinal(), 4000000000LL);
  ASSERT_TRUE(ToNative(L"true", rtl::TypeInfoOf<bool>(), v));
  EXPECT_TRUE(v.AsBoolean());
  ASSERT_TRUE(ToNative(L"2", rtl::TypeInfoOf<TColor>(), v));
  EXPECT_EQ(v.AsRaw<TColor>(), TColor::Blue);
  EXPECT_FALSE(ToNative(L"3", rtl::TypeInfoOf<TColor>(), v));

  // Floating point: numbers and dates; comp rounds, currency scales.
  ASSERT_TRUE(ToNative(L"2.75", rtl::TypeInfoOf<float>(), v));
  EXPECT_FLOAT_EQ(v.AsRaw<float>(), 2.75f);
  ASSERT_TRUE(ToNative(L"7", rtl::TypeInfoOf<double>(), v));
  EXPECT_DOUBLE_EQ(v.AsRaw<double>(), 7.0);
  ASSERT_TRUE(ToNative(L"2.6", rtl::TypeInfoOf<rtl::TComp>(), v));
  EXPECT_EQ(v.AsRaw<rtl::TComp>().Value, 3);
  ASSERT_TRUE(ToNative(L"1.23456", rtl::TypeInfoOf<rtl::TCurrency>(), v));
  EXPECT_EQ(v.AsRaw<rtl::TCurrency>().Scaled, 12346);
  ASSERT_TRUE(ToNative(L"new Date(2020, 0, 2, 12, 0, 0)", rtl::DateTimeType(), v));
  EXPECT_NEAR(v.AsRaw<rtl::TDateTime>().Value, 43832.5, 1e-6) << "a date is its local date-time number";
  EXPECT_FALSE(ToNative(L"'2.5'", rtl::TypeInfoOf<double>(), v));
  EXPECT_FALSE(ToNative(L"true", rtl::TypeInfoOf<double>(), v));

  // Sets, strings, 64-bit integers (decimal text only).
  const auto* set = rtl::MakeSetType<uint8_t>(L"TColorSet", rtl::TypeInfoOf<TColor>());
  ASSERT_TRUE(ToNative(L"5", set, v));
  EXPECT_EQ(v.AsOrdinal(), 5);
  EXPECT_FALSE(ToNative(L"256", set, v)) << "more bits than the set has";
  ASSERT_TRUE(ToNative(L"'abc'", rtl::TypeInfoOf<std::string>(), v));
  EXPECT_EQ(v.AsRaw<std::string>(), "abc");
  ASSERT_TRUE(ToNative(L"'wide 文'", rtl::WideStringType(), v));
  EXPECT_EQ(v.AsString(), L"wide 文");
  EXPECT_FALSE(ToNative(L"5", rtl::TypeInfoOf<std::wstring>(), v));
  ASSERT_TRUE(ToNative(L"'-9223372036854775808'", rtl::TypeInfoOf<int64_t>(), v));
  EXPECT_EQ(v.AsInt64(), INT64_MIN);
  ASSERT_TRUE(ToNative(L"'18446744073709551615'", rtl::TypeInfoOf<uint64_t>(), v));
  EXPECT_EQ(uint64_t(v.AsInt64()), UINT64_MAX);
  for (const wchar_t* bad : {L"5", L"'9223372036854775808'", L"'12x'", L"''", L"' 1'", L"'-'"})
    EXPECT_FALSE(ToNative(bad, rtl::TypeInfoOf<int64_t>(), v)) << rtl::Utf16ToUtf8(bad);
  EXPECT_FALSE(ToNative(L"'-1'", rtl::TypeInfoOf<uint64_t>(), v));

  // Objects, classes and script values.
  ASSERT_TRUE(ToNative(L"Shape", rtl::TypeInfoOf<TShape*>(), v));
  EXPECT_EQ(v.AsObject(), &Shape());
  ASSERT_TRUE(ToNative(L"Shape", rtl::TObject::StaticClassInfo(), v)) << "an ancestor class takes it";
  EXPECT_FALSE(ToNative(L"TApp.ClassParent()", rtl::TypeInfoOf<TShape*>(), v));
  EXPECT_FALSE(ToNative(L"({})", rtl::TypeInfoOf<TShape*>(), v));
  ASSERT_TRUE(ToNative(L"TApp", rtl::TypeInfoOf<rtl::TClass>(), v));
  EXPECT_EQ(v.AsClass(), TApp::StaticClassInfo());
  EXPECT_FALSE(ToNative(L"Shape", rtl::TypeInfoOf<rtl::TClass>(), v));
  EXPECT_FALSE(ToNative(L"TApp", TShape::StaticClassInfo()->ClassRefType(), v)) << "TApp is no TShape class";
  ASSERT_TRUE(ToNative(L"[1, 2]", Cefv8ValueTypeInfo(), v));
  EXPECT_EQ(static_cast<ICefv8Value*>(Cefv8ValueTypeInfo()->PointerOf(v))->GetArrayLength(), 2);

  // Records: every field from the property of its name.
  ASSERT_TRUE(ToNative(L"({X: 1, Y: 2, Label: 'l', extra: true})", rtl::TypeInfoOf<TPoint>(), v));
  EXPECT_EQ(v.AsRaw<TPoint>().Label, L"l");
  EXPECT_FALSE(ToNative(L"({X: 1, Y: 2})", rtl::TypeInfoOf<TPoint>(), v));
  EXPECT_FALSE(ToNative(L"5", rtl::TypeInfoOf<TPoint>(), v));

  // Variants by script kind.
  const rtl::TTypeInfo* var = rtl::TypeInfoOf<rtl::TVariant>();
  auto variant = [&](const wchar_t* script) {
    TValue out;
    if (!ToNative(script, var, out)) return rtl::TVariant(L"<fails>");
    return out.AsRaw<rtl::TVariant>();
  };
  EXPECT_EQ(variant(L"'s'"), rtl::TVariant(L"s"));
  EXPECT_EQ(variant(L"false"), rtl::TVariant(false));
  EXPECT_EQ(variant(L"-3"), rtl::TVariant(int32_t(-3)));
  EXPECT_EQ(variant(L"0.5"), rtl::TVariant(0.5));
  EXPECT_EQ(variant(L"undefined"), rtl::TVariant());
  EXPECT_EQ(variant(L"null"), rtl::TVariant::Null());
  EXPECT_EQ(variant(L"[1, 'a', [true]]"),
            rtl::TVariant(rtl::TVariantArray{int32_t(1), L"a", rtl::TVariant(rtl::TVariantArray{true})}));
  EXPECT_EQ(variant(L"new Date()"), rtl::TVariant(L"<fails>"));
  EXPECT_EQ(variant(L"({})"), rtl::TVariant(L"<fails>"));
  EXPECT_EQ(variant(L"(function(){ var a = [1]; a[1] = a; return a; })()"), rtl::TVariant(L"<fails>"))
      << "a cyclic array fails instead of recursing without end";
  EXPECT_FALSE(ToNative(L"5", rtl::TypeInfoOf<void*>(), v));
}

// ---- the 32-bit slots

TEST(RttiAddresses, PackedAddressesComeBack) {
  int probe[2];
  for (const void* p : {static_cast<const void*>(&probe[0]), static_cast<const void*>(&probe[1]),
                        static_cast<const void*>(TApp::StaticClassInfo())}) {
    const int32_t packed = PackNativeAddress(p);
    EXPECT_EQ(UnpackNativeAddress(packed), p);
    EXPECT_EQ(PackNativeAddress(p), packed) << "the same address keeps its number";
  }
  EXPECT_EQ(PackNativeAddress(nullptr), 0);
  EXPECT_EQ(UnpackNativeAddress(0), nullptr);
  if (sizeof(void*) > 4) {
    EXPECT_EQ(UnpackNativeAddress(0x7FFFFFF0), nullptr) << "an unknown id names nothing";
  }
}

TEST(RttiScriptText, NameIsInsertedTwiceAndCannotEndItsString) {
  EXPECT_EQ(RttiExtensionScript(L"TApp"),
            L"__defineSetter__('TApp', function(v){native function $s();$s(v)});"
            L"__defineGetter__('TApp', function(){native function $g();return $g()});");
  EXPECT_NE(RttiExtensionScript(L"a');evil('").find(L"'a\\');evil(\\''"), std::wstring::npos);
  // Every character that could end the literal or the script it sits in is escaped, not only
  // the quote around it.
  EXPECT_NE(RttiExtensionScript(L"a\"\tb\x01\x7F</script>").find(L"'a\\\"\\tb\\u0001\\u007F\\u003C/script>'"),
            std::wstring::npos);
}

// ---- the registration list and the handler's own rules

TEST(RttiRegistration, NameAndCodeTogetherKeepAnEntryUnique) {
  ClearRegisteredExtentions();
  TVoraDApp app;
  app.RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo()});
  app.RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo(), TShape::StaticClassInfo()});
  app.RegisterClasses(TRegExtentionParArray{{L"TApp", L"var x;", nullptr, TValue()},  // other code: its own entry
                                            {L"ext", L"var y;", nullptr, TValue()},
                                            {L"ext", L"var y;", nullptr, TValue()}});  // earlier in the same call
  const TRegExtentionParArray list = RegisteredExtentions();
  std::vector<std::wstring> seen;
  for (const auto& par : list) seen.push_back(par.name + L"|" + par.code);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"TApp|", L"TShape|", L"TApp|var x;", L"ext|var y;"}));
  EXPECT_EQ(list[0].value.AsClass(), TApp::StaticClassInfo());
  EXPECT_FALSE(list[0].Handler);
  ClearRegisteredExtentions();
  EXPECT_TRUE(RegisteredExtentions().empty());

  // Without the runtime library both registrations raise the loader's error.
  for (int overload = 0; overload < 2; ++overload) {
    try {
      if (overload == 0) app.CefRegisterExtension(L"TApp", TValue::FromClass(TApp::StaticClassInfo()));
      else app.CefRegisterExtension(L"ext", L"var z;", nullptr);
      ADD_FAILURE() << "overload " << overload << " did not raise";
    } catch (const rtl::Exception& e) {
      EXPECT_EQ(e.Message(), L"TVoraDApp.LoadLib must be called first");
    }
  }
}

// A process message made by the program, as the runtime would hand one over.
class TTestMessage : public rtl::TInterfacedObject, public ICefProcessMessage {
public:
  explicit TTestMessage(std::wstring name) : FName(std::move(name)) {}
  void* Wrap() override { return nullptr; }
  bool IsValid() override { return true; }
  bool IsReadOnly() override { return true; }
  TRef<ICefProcessMessage> Copy() override { return nullptr; }
  std::wstring GetName() override { return FName; }
  TRef<ICefListValue> GetArgumentList() override { return nullptr; }

private:
  std::wstring FName;
};

TEST(RttiRenderHandler, ProtocolNamesDecideAndTheEventHasTheLastWord) {
  TRef<TVoraDRenderProcessHandler> handler(new TVoraDRenderProcessHandler());
  std::vector<std::wstring> routed;
  const auto saveJs = GlobalHandleJsRequest, saveRun = GlobalHandleRunInRender;
  auto receive = [&](const wchar_t* name) {
    return handler->OnProcessMessageReceived(nullptr, PID_BROWSER, TRef<ICefProcessMessage>(new TTestMessage(name)));
  };

  // No route installed: nothing is handled.
  GlobalHandleJsRequest = nullptr;
  GlobalHandleRunInRender = nullptr;
  EXPECT_FALSE(receive(kToRenderJsExtentionMessage));

  GlobalHandleJsRequest = [&](const TRef<ICefBrowser>&, const TRef<ICefProcessMessage>& m) { routed.push_back(L"js " + m->GetName()); };
  GlobalHandleRunInRender = [&](const TRef<ICefBrowser>&, const TRef<ICefProcessMessage>&) {
    routed.push_back(L"run");
    throw rtl::Exception(L"route failed");
  };
  EXPECT_TRUE(receive(L"@voradbrowser_torender_jsextention"));
  EXPECT_TRUE(receive(L"@voradbrowser_runinrender")) << "a failing route still took the message";
  EXPECT_FALSE(receive(L"@VoradBrowser_ToRender_JsExtention")) << "names compare exactly";
  EXPECT_FALSE(receive(L"@voradbrowser_tobrowser_jsextention"));
  EXPECT_EQ(routed, (std::vector<std::wstring>{L"js @voradbrowser_torender_jsextention", L"run"}));

  // The event sees the decision as Cancel and may change it.
  std::vector<std::wstring> seen;
  handler->SetOnProcessMessageReceived([&](const TRef<ICefBrowser>&, TCefProcessId source, const TRef<ICefProcessMessage>& m,
                                           bool& cancel) {
    seen.push_back(m->GetName() + (cancel ? L" 1" : L" 0") + (source == PID_BROWSER ? L" browser" : L" ?"));
    cancel = m->GetName() == L"mine";
  });
  EXPECT_FALSE(receive(kToRenderJsExtentionMessage));
  EXPECT_TRUE(receive(L"mine"));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"@voradbrowser_torender_jsextention 1 browser", L"mine 0 browser"}));
  GlobalHandleJsRequest = saveJs;
  GlobalHandleRunInRender = saveRun;

  // Navigation goes on unless the event says otherwise.
  EXPECT_FALSE(handler->OnBeforeNavigation(nullptr, nullptr, nullptr, NAVIGATION_LINK_CLICKED, false));
  handler->SetOnBeforeNavigation([](const TRef<ICefBrowser>&, const TRef<ICefFrame>&, const TRef<ICefRequest>&,
                                    TCefNavigationType, bool redirect, bool& cancel) { cancel = redirect; });
  EXPECT_FALSE(handler->OnBeforeNavigation(nullptr, nullptr, nullptr, NAVIGATION_LINK_CLICKED, false));
  EXPECT_TRUE(handler->OnBeforeNavigation(nullptr, nullptr, nullptr, NAVIGATION_LINK_CLICKED, true));
  EXPECT_FALSE(handler->GetLoadHandler());
}

TEST(RttiRenderHandler, EmptyListPublishesNothingAndStillFiresTheEvent) {
  ClearRegisteredExtentions();
  TRef<TVoraDRenderProcessHandler> handler(new TVoraDRenderProcessHandler());
  int fired = 0;
  handler->SetOnWebKitInitialized([&] { ++fired; });
  handler->OnWebKitInitialized();
  EXPECT_EQ(fired, 1);
}

// ---- real render processes of the stand-in runtime
//
// This executable is also the runtime's render process. The browser side (a child role) tells
// it the scenario through the environment, which render processes inherit.

constexpr wchar_t kScenarioVariable[] = L"TAVLO_RTTI_SCENARIO";
constexpr wchar_t kProbeCode[] =
    L"var probe = {};\n"
    L"(function () { probe.hello = function () { native function hello(); return hello(); }; })();\n";

std::vector<std::wstring> gRegistrations;  // render side: "name=result", in the order made
bool gWebKitFired = false;
cef_register_extension_fn gRuntimeRegister = nullptr;

int CEF_EXPORT RecordingRegister(const cef_string_t* name, const cef_string_t* code, cef_v8handler_t* handler) {
  const int accepted = gRuntimeRegister(name, code, handler);
  gRegistrations.push_back(TCef3Helper::CefString(name) + L"=" + std::to_wstring(accepted));
  return accepted;
}

class TProbeHandler : public TCefv8HandlerOwn {
public:
  bool Execute(const std::wstring& name, const TRef<ICefv8Value>&, const TCefv8ValueArray&, TRef<ICefv8Value>& retval,
               std::wstring&) override {
    if (name != L"hello") return false;
    retval = TCefv8ValueRef::NewString(L"hi");
    return true;
  }
};

void SendStrings(const TRef<ICefBrowser>& browser, const std::wstring& name, const std::vector<std::wstring>& items) {
  const TRef<ICefProcessMessage> m = TCefProcessMessageRef::New(name);
  const TRef<ICefListValue> list = m->GetArgumentList();
  for (size_t i = 0; i < items.size(); ++i) list->SetString(int(i), items[i]);
  browser->SendProcessMessage(PID_BROWSER, m);
}

std::wstring Joined(const std::vector<std::wstring>& items, const wchar_t* separator = L",") {
  std::wstring out;
  for (const auto& item : items) out += (out.empty() ? L"" : separator) + item;
  return out;
}

int RendererMain() {
  OpenShareBlock();
  VoraDBindingStart();
  wchar_t scenario[32] = {};
  GetEnvironmentVariableW(kScenarioVariable, scenario, 32);
  if (std::wstring(scenario) == L"published") {
    // The first one is refused by the runtime (no code); the rest must still be published.
    VoraDApp->RegisterClasses(
        TRegExtentionParArray{{L"v8/broken", L"", TRef<ICefv8Handler>(new TProbeHandler()), TValue()},
                              {L"v8/probe", kProbeCode, TRef<ICefv8Handler>(new TProbeHandler()), TValue()}});
    VoraDApp->RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo()});
    VoraDApp->RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo()});
  }
  // The function table is bound by now: watch what the handler registers, in order.
  VoraDApp->SetOnRenderThreadCreated([](const TRef<ICefListValue>&) {
    gRuntimeRegister = CefApi.cef_register_extension;
    CefApi.cef_register_extension = &RecordingRegister;
  });
  VoraDApp->SetOnWebKitInitialized([] { gWebKitFired = true; });
  VoraDApp->SetOnBrowserCreated([](const TRef<ICefBrowser>& browser) {
    SendStrings(browser, L"rtti/report", {gWebKitFired ? L"fired" : L"not fired", Joined(gRegistrations)});
  });
  GlobalHandleJsRequest = [](const TRef<ICefBrowser>& browser, const TRef<ICefProcessMessage>& m) {
    SendStrings(browser, L"rtti/routed", {m->GetArgumentList()->GetString(0)});
  };
  VoraDApp->SetOnProcessMessageReceived(
      [](const TRef<ICefBrowser>& browser, TCefProcessId, const TRef<ICefProcessMessage>& m, bool& cancel) {
        SendStrings(browser, L"rtti/event", {m->GetName(), cancel ? L"1" : L"0"});
      });
  VoraDApp->SetCefSingleProcess(false);
  const bool browserProcess = VoraDApp->Init();
  VoraDBindingEnd();
  CloseShareBlock();
  return browserProcess ? 90 : 0;
}
const bool gRendererRegistered = RegisterProcessTypeMain(&RendererMain);

// Browser side: a client that keeps the page's title and every process message.
struct TBrowserSide {
  std::wstring title;
  std::vector<std::wstring> messages;  // "name: arg0 | arg1 ..."
};
TBrowserSide* gSide = nullptr;

class TTitleHandler : public TCefDisplayHandlerOwn {
public:
  void OnTitleChange(const TRef<ICefBrowser>&, const std::wstring& title) override { gSide->title = title; }
};

class TTestClient : public TCefClientOwn {
public:
  TRef<ICefDisplayHandler> GetDisplayHandler() override { return FDisplay; }
  bool OnProcessMessageReceived(const TRef<ICefBrowser>&, cef_process_id_t, const TRef<ICefProcessMessage>& m) override {
    std::vector<std::wstring> items;
    const TRef<ICefListValue> list = m->GetArgumentList();
    for (size_t i = 0; list && i < list->GetSize(); ++i) items.push_back(list->GetString(int(i)));
    gSide->messages.push_back(m->GetName() + L": " + Joined(items, L" | "));
    return true;
  }

private:
  TRef<ICefDisplayHandler> FDisplay{new TTitleHandler()};
};

bool Pump(const std::function<bool()>& cond, int ms = 30000) {
  return WaitFor([&] {
    VoraDApp->CefDoMessageLoopWork();
    return cond();
  }, std::chrono::milliseconds(ms));
}

std::string Narrow(const std::wstring& w) { return rtl::Utf16ToUtf8(w); }

// args: scenario, cache folder, report file. The report holds what did not hold.
TAVLO_CHILD(rtti_render_browser) {
  const std::wstring scenario = args.at(0);
  SetEnvironmentVariableW(kScenarioVariable, scenario.c_str());
  OpenShareBlock();
  TBridgeWindow window;
  WriteShareMainWindow(window.hwnd);
  VoraDBindingStart();
  VoraDApp->SetCefSingleProcess(false);
  VoraDApp->SetCefCache(args.at(1));
  if (!VoraDApp->Init()) return 2;

  TBrowserSide side;
  gSide = &side;
  std::string failures;
  auto check = [&](bool ok, const std::string& what) {
    if (!ok) failures += what + "\n";
  };
  auto hasMessage = [&](const std::wstring& text) {
    return std::find(side.messages.begin(), side.messages.end(), text) != side.messages.end();
  };

  TCefWindowInfo info{};
  info.style = WS_OVERLAPPEDWINDOW;
  info.width = 400;
  info.height = 300;
  TCefBrowserSettings settings{};
  settings.size = sizeof(settings);
  TRef<ICefBrowser> browser = VoraDApp->CefBrowserHostCreateSync(
      info, TRef<ICefClient>(new TTestClient()), HttpUrl(L"/pages/rtti_extension.html"), settings, nullptr);
  check(bool(browser), "no browser");
  if (browser) {
    check(Pump([&] { return side.title.rfind(L"done ", 0) == 0; }), "the page did not finish: " + Narrow(side.title));
    check(Pump([&] {
      for (const auto& m : side.messages)
        if (m.rfind(L"rtti/report", 0) == 0) return true;
      return false;
    }), "no report from the render process");
    if (scenario == L"published") {
      check(hasMessage(L"rtti/report: fired | v8/broken=0,v8/probe=1,TApp=1"),
            "registrations: " + Narrow(Joined(side.messages, L" ; ")));
      check(side.title == L"done typeof=object;fn=function;name=TApp;fresh=true;down=0;none=undefined;num=undefined;"
                          L"two=undefined;away=undefined;open=0;min=0;rest=0 0 0 0 0 0 0;probe=hi",
            "page: " + Narrow(side.title));
      const std::vector<UINT> expected = {WM_BRIDGE_DOWNLOAD, WM_BRIDGE_OPENURL, WM_BRIDGE_MINIMIZE, WM_BRIDGE_MOVE,
                                          WM_BRIDGE_MAXIMIZE, WM_CLOSE,          WM_BRIDGE_PAUSE,    WM_BRIDGE_RESUME,
                                          WM_BRIDGE_SEARCH,   WM_BRIDGE_OPENDIR};
      check(TBridgeWindow::received == expected, "messages: " + std::to_string(TBridgeWindow::received.size()));
      if (TBridgeWindow::texts.size() == expected.size()) {
        check(TBridgeWindow::texts[0] == L"tavloaHR0cDovL3gvYQ==", "link: " + Narrow(TBridgeWindow::texts[0]));
        check(TBridgeWindow::texts[2] == L"http://kept/", "hWMin after hOpenUrl: " + Narrow(TBridgeWindow::texts[2]));
      }

      // Handle 0 in the block: the calls answer 0 and nothing arrives.
      TBridgeWindow::received.clear();
      WriteShareMainWindow(nullptr);
      browser->GetMainFrame()->ExecuteJavaScript(
          L"document.title = 'zero ' + [TApp.hDwon('a'), TApp.hWMin(), TApp.hExitApp()].join();", L"about:blank", 0);
      check(Pump([&] { return side.title.rfind(L"zero ", 0) == 0; }), "no answer with handle 0");
      check(side.title == L"zero 0,0,0", "handle 0: " + Narrow(side.title));
      check(TBridgeWindow::received.empty(), "something was delivered with handle 0");
    } else {
      check(hasMessage(L"rtti/report: fired | "), "registrations: " + Narrow(Joined(side.messages, L" ; ")));
      check(side.title == L"done typeof=undefined;probe=none", "page: " + Narrow(side.title));
    }

    // The protocol's messages go through the route; every message reaches the event.
    const TRef<ICefProcessMessage> request = TCefProcessMessageRef::New(kToRenderJsExtentionMessage);
    request->GetArgumentList()->SetString(0, L"{REQUEST}");
    browser->SendProcessMessage(PID_RENDERER, request);
    browser->SendProcessMessage(PID_RENDERER, TCefProcessMessageRef::New(L"rtti/other"));
    check(Pump([&] { return hasMessage(L"rtti/event: rtti/other | 0"); }), "no event for another message");
    check(hasMessage(L"rtti/routed: {REQUEST}"), "the request was not routed");
    check(hasMessage(L"rtti/event: @voradbrowser_torender_jsextention | 1"),
          "event for the request: " + Narrow(Joined(side.messages, L" ; ")));

    browser->GetHost()->CloseBrowser(true);
    Pump([] { return false; }, 300);
  }
  browser.Reset();  // before the runtime goes: the reference is the runtime's to take back
  gSide = nullptr;
  WriteFileBytes(args.at(2), failures);
  VoraDBindingEnd();
  CloseShareBlock();
  return failures.empty() ? 0 : 1;
}

void RunRenderScenario(const wchar_t* scenario) {
  ASSERT_NE(0, HttpServerPort()) << "the local test server is not running";
  TTempDir dir;
  const std::wstring report = dir.Path() + L"report.txt";
  EXPECT_EQ(RunChild(L"rtti_render_browser", {scenario, dir.Path() + L"cache", report}, 120000), 0);
  EXPECT_EQ(ReadFileBytes(report), "");
}

TEST(RttiRenderProcess, TAppAndAnExtensionArePublishedInListOrder) { RunRenderScenario(L"published"); }

TEST(RttiRenderProcess, EmptyListPublishesNothing) { RunRenderScenario(L"empty"); }

}  // namespace
