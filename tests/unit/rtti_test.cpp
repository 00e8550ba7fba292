// Type descriptions and TValue: what the script extension relies on to mirror native classes.
#include <gtest/gtest.h>

#include <algorithm>

#include "rtl/RttiBuilder.h"

using namespace rtl;
using namespace std::string_literals;

namespace {

struct TPoint {
  int16_t X = 0;
  uint8_t Tag = 0;
  uint8_t Guard = 0;  // next to Tag: a 1-byte write must not reach it
  std::wstring Label;
};

enum class TShapeKind : uint8_t { skBox, skRound };

}  // namespace

template <>
struct rtl::TTypeInfoOf<TPoint, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t = MakeRecordType<TPoint>(L"TPoint")
                                    .Field(L"X", &TPoint::X)
                                    .Field(L"Tag", &TPoint::Tag)
                                    .Field(L"Guard", &TPoint::Guard)
                                    .Field(L"Label", &TPoint::Label)
                                    .Build();
    return t;
  }
};
template <>
struct rtl::TTypeInfoOf<TShapeKind, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t = MakeEnumType<TShapeKind>(L"TShapeKind", {L"skBox", L"skRound"});
    return t;
  }
};

namespace {

class TShape : public TObject {
  RTL_CLASSINFO
public:
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t w) { FWidth = w; }
  TShapeKind GetKind() const { return FKind; }
  double Area() const { return FWidth * 2.0; }
  void Resize(int32_t w, int8_t step) { FWidth = w * step; }
  std::wstring Describe(const std::wstring& prefix, TPoint at) const {
    return prefix + L":" + std::to_wstring(at.X) + L"," + at.Label;
  }
  static int32_t Count() { return ++Counter; }
  static std::wstring Kindly(TClass cls, int32_t n) { return cls->Name() + std::to_wstring(n); }
  void Secret() {}

  int32_t FWidth = 1;
  TShapeKind FKind = TShapeKind::skBox;
  TShape* FOwner = nullptr;
  TPoint FOrigin;
  std::wstring FName;
  static inline int32_t Counter = 0;
};

class TCircle : public TShape {
  RTL_CLASSINFO
public:
  double Area() const { return FRadius * 3; }
  double FRadius = 2;
};

class TSquare : public TShape {};  // no description of its own: described as TShape

class TOther : public TObject {
  RTL_CLASSINFO
};

// TObject is not the first base here, so a TMixed* and its TObject* differ.
struct TPad {
  virtual ~TPad() = default;
  int64_t Padding = 0;
};
class TMixed : public TPad, public TObject {
  RTL_CLASSINFO
public:
  TMixed* Swap(TMixed* other) {
    TMixed* old = FPeer;
    FPeer = other;
    return old;
  }
  TMixed* FPeer = nullptr;
};

}  // namespace

TClass TShape::StaticClassInfo() {
  static const TClass info = DescribeClass<TShape, TObject>(L"TShape", L"Shapes", [](TClassBuilder<TShape>& c) {
    c.Visibility(TMemberVisibility::Private).Field(L"FWidth", &TShape::FWidth).Method(L"Secret", &TShape::Secret);
    c.Visibility(TMemberVisibility::Protected).Property(L"Kind", &TShape::GetKind);
    c.Visibility(TMemberVisibility::Public)
        .Method(L"Area", &TShape::Area)
        .Method(L"Resize", &TShape::Resize, {L"w", L"step"})
        .Method(L"Describe", &TShape::Describe, {L"prefix", L"at"})
        .ClassMethod(L"Count", &TShape::Count)
        .ClassMethod(L"Kindly", &TShape::Kindly, {L"n"})
        .Property(L"Width", &TShape::GetWidth, &TShape::SetWidth)
        .Property(L"Owner", &TShape::FOwner)  // a property of the class's own type
        .Property(L"Origin", &TShape::FOrigin)
        .Field(L"FName", &TShape::FName)
        .CustomMethod(L"Create", TMethodKind::Constructor, {}, TypeInfoOf<TShape*>(),
                      [](const TValue&, std::span<const TValue>) -> TValue { return TValue(); });
    c.Visibility(TMemberVisibility::Published).Property(L"Name", &TShape::FName);
  });
  return info;
}

TClass TCircle::StaticClassInfo() {
  static const TClass info = DescribeClass<TCircle, TShape>(L"TCircle", L"Shapes", [](TClassBuilder<TCircle>& c) {
    c.Method(L"Area", &TCircle::Area).Field(L"FRadius", &TCircle::FRadius);
    // Hides the public field of TShape under the same name as a private one.
    c.Visibility(TMemberVisibility::Private).Field(L"FName", &TShape::FName);
  });
  return info;
}

TClass TOther::StaticClassInfo() {
  static const TClass info = DescribeClass<TOther, TObject>(L"TOther", L"Shapes", [](TClassBuilder<TOther>&) {});
  return info;
}

TClass TMixed::StaticClassInfo() {
  static const TClass info = DescribeClass<TMixed, TObject>(L"TMixed", L"Shapes", [](TClassBuilder<TMixed>& c) {
    c.Method(L"Swap", &TMixed::Swap, {L"other"}).Property(L"Peer", &TMixed::FPeer).Field(L"FPeer", &TMixed::FPeer);
  });
  return info;
}

namespace {

template <class M>
std::vector<std::wstring> Names(const std::vector<const M*>& members) {
  std::vector<std::wstring> names;
  for (auto* m : members) names.push_back(m->Name());
  return names;
}

bool Has(const std::vector<std::wstring>& v, const wchar_t* name) { return std::find(v.begin(), v.end(), name) != v.end(); }

}  // namespace

TEST(Rtti, InheritedMembersAndHiding) {
  TClass circle = TCircle::StaticClassInfo();
  EXPECT_EQ(circle->Parent(), TShape::StaticClassInfo());
  EXPECT_EQ(circle->Parent()->Parent(), TObject::StaticClassInfo());
  EXPECT_TRUE(circle->InheritsFrom(TObject::StaticClassInfo()));
  EXPECT_FALSE(TShape::StaticClassInfo()->InheritsFrom(circle));

  const auto methods = circle->GetMethods();
  const auto names = Names(methods);
  // Own first, then the ancestors'; the redeclared Area appears once, as TCircle's.
  ASSERT_FALSE(methods.empty());
  EXPECT_EQ(methods[0]->Name(), L"Area");
  EXPECT_EQ(methods[0]->Parent(), circle);
  EXPECT_EQ(std::count(names.begin(), names.end(), L"Area"), 1);
  for (const wchar_t* n : {L"Resize", L"Describe", L"Count", L"Kindly", L"ClassName", L"ClassNameIs", L"ToString"})
    EXPECT_TRUE(Has(names, n)) << n;

  // Class methods only: no constructors, no instance methods.
  const auto classMethods = Names(circle->GetClassMethods(PublicAndPublished));
  EXPECT_TRUE(Has(classMethods, L"Count") && Has(classMethods, L"ClassName") && Has(classMethods, L"InheritsFrom"));
  EXPECT_FALSE(Has(classMethods, L"Create") || Has(classMethods, L"Area") || Has(classMethods, L"ToString"));

  const auto props = Names(circle->GetProperties());
  EXPECT_TRUE(Has(props, L"Width") && Has(props, L"Owner") && Has(props, L"Name") && Has(props, L"Kind"));
  // TCircle's private FName hides TShape's public one.
  const TFieldInfo* name = circle->GetField(L"FName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->Visibility(), TMemberVisibility::Private);
  EXPECT_EQ(circle->GetField(L"FName", PublicAndPublished), nullptr);
  EXPECT_TRUE(Has(Names(TShape::StaticClassInfo()->GetFields(PublicAndPublished)), L"FName"));

  // A class without a description of its own is described as its nearest described ancestor.
  TSquare square;
  EXPECT_EQ(square.ClassType(), TShape::StaticClassInfo());
  EXPECT_EQ(TRttiContext().FindClass(L"TCircle"), circle);
  EXPECT_EQ(TRttiContext().TypeById(circle->Id()), circle);
}

TEST(Rtti, VisibilityFilter) {
  TClass shape = TShape::StaticClassInfo();
  const auto visible = Names(shape->GetMethods(PublicAndPublished));
  EXPECT_FALSE(Has(visible, L"Secret"));
  EXPECT_TRUE(Has(Names(shape->GetMethods()), L"Secret"));
  EXPECT_EQ(shape->GetMethod(L"Secret", PublicAndPublished), nullptr);
  ASSERT_NE(shape->GetMethod(L"Secret"), nullptr);
  EXPECT_EQ(shape->GetMethod(L"Secret")->Visibility(), TMemberVisibility::Private);

  const auto props = Names(shape->GetProperties(PublicAndPublished));
  EXPECT_FALSE(Has(props, L"Kind"));  // protected
  EXPECT_TRUE(Has(props, L"Name"));   // published
  EXPECT_EQ(shape->GetProperty(L"Name")->Visibility(), TMemberVisibility::Published);
  EXPECT_FALSE(Has(Names(shape->GetFields(PublicAndPublished)), L"FWidth"));
  EXPECT_EQ(shape->GetMethod(L"NoSuchMethod"), nullptr);
}

TEST(Rtti, InvokingMethodsAndClassFunctions) {
  TCircle circle;
  TShape shape;
  TClass shapeClass = TShape::StaticClassInfo();
  const TValue circleValue = TValue::FromObject(&circle);
  EXPECT_EQ(circleValue.TypeInfo(), TCircle::StaticClassInfo());

  // The most derived Area is found; the ancestor's still runs on a descendant.
  EXPECT_DOUBLE_EQ(double(TCircle::StaticClassInfo()->GetMethod(L"Area")->Invoke(circleValue, {}).AsExtended()), 6.0);
  EXPECT_DOUBLE_EQ(double(shapeClass->GetMethod(L"Area")->Invoke(circleValue, {}).AsExtended()), 2.0);

  const TMethodInfo* resize = shapeClass->GetMethod(L"Resize");
  ASSERT_EQ(resize->Parameters().size(), 2u);
  EXPECT_EQ(resize->Parameters()[1].Name, L"step");
  EXPECT_EQ(resize->Parameters()[1].Type, TypeInfoOf<int8_t>());
  EXPECT_EQ(resize->MethodKind(), TMethodKind::Procedure);
  EXPECT_FALSE(resize->HasResult());
  // Arguments convert to the parameter types; an int32 value 3 fits the int8 parameter.
  EXPECT_TRUE(resize->Invoke(TValue::FromObject(&shape), {TValue::From(int32_t(7)), TValue::From(int32_t(3))}).IsEmpty());
  EXPECT_EQ(shape.FWidth, 21);
  // Out of the parameter's range, wrong kind, wrong count, wrong or no receiver: nothing runs.
  EXPECT_THROW(resize->Invoke(TValue::FromObject(&shape), {TValue::From(int32_t(1)), TValue::From(int32_t(200))}), EInvalidCast);
  EXPECT_THROW(resize->Invoke(TValue::FromObject(&shape), {TValue::From(std::wstring(L"1")), TValue::From(int8_t(1))}), EInvalidCast);
  EXPECT_THROW(resize->Invoke(TValue::FromObject(&shape), {TValue::From(int32_t(1))}), EInvocationError);
  TOther other;
  EXPECT_THROW(resize->Invoke(TValue::FromObject(&other), {TValue::From(int32_t(1)), TValue::From(int8_t(1))}), EInvocationError);
  EXPECT_THROW(resize->Invoke(TValue::FromClass(shapeClass), {TValue::From(int32_t(1)), TValue::From(int8_t(1))}), EInvocationError);
  EXPECT_EQ(shape.FWidth, 21);

  // A record argument and a string result.
  TPoint at;
  at.X = -4;
  at.Label = L"here";
  EXPECT_EQ(shapeClass->GetMethod(L"Describe")->Invoke(circleValue, {TValue::From(L"p"s), TValue::From(at)}).AsString(), L"p:-4,here");

  // Class functions: on the class, on a descendant class, on an instance (its class is used).
  const TMethodInfo* kindly = shapeClass->GetMethod(L"Kindly");
  EXPECT_EQ(kindly->MethodKind(), TMethodKind::ClassFunction);
  EXPECT_EQ(kindly->Parameters().size(), 1u);  // the class itself is not a declared parameter
  EXPECT_EQ(kindly->Invoke(TValue::FromClass(shapeClass), {TValue::From(int32_t(5))}).AsString(), L"TShape5");
  EXPECT_EQ(kindly->Invoke(TValue::FromClass(TCircle::StaticClassInfo()), {TValue::From(int32_t(6))}).AsString(), L"TCircle6");
  EXPECT_EQ(kindly->Invoke(circleValue, {TValue::From(int32_t(7))}).AsString(), L"TCircle7");
  EXPECT_THROW(kindly->Invoke(TValue::FromClass(TOther::StaticClassInfo()), {TValue::From(int32_t(1))}), EInvocationError);
  const int32_t before = TShape::Counter;
  EXPECT_EQ(shapeClass->GetMethod(L"Count")->Invoke(TValue::FromClass(shapeClass), {}).AsOrdinal(), before + 1);

  // The root's class functions answer for the class they are called on.
  TClass circleClass = TCircle::StaticClassInfo();
  EXPECT_EQ(circleClass->GetMethod(L"ClassName")->Invoke(TValue::FromClass(circleClass), {}).AsString(), L"TCircle");
  EXPECT_TRUE(circleClass->GetMethod(L"ClassNameIs")->Invoke(TValue::FromClass(circleClass), {TValue::From(L"TCircle"s)}).AsBoolean());
  EXPECT_TRUE(circleClass->GetMethod(L"InheritsFrom")->Invoke(TValue::FromClass(circleClass), {TValue::FromClass(shapeClass)}).AsBoolean());
  EXPECT_FALSE(circleClass->GetMethod(L"InheritsFrom")->Invoke(TValue::FromClass(circleClass), {TValue::FromClass(TOther::StaticClassInfo())}).AsBoolean());
  EXPECT_EQ(circleClass->GetMethod(L"ClassParent")->Invoke(TValue::FromClass(circleClass), {}).AsClass(), shapeClass);
  EXPECT_EQ(circleClass->GetMethod(L"ToString")->Invoke(circleValue, {}).AsString(), L"TCircle");
}

TEST(Rtti, PropertiesAndFields) {
  TShape shape;
  TCircle circle;
  TOther other;
  TClass shapeClass = TShape::StaticClassInfo();

  const TPropertyInfo* width = shapeClass->GetProperty(L"Width");
  EXPECT_TRUE(width->IsReadable() && width->IsWritable());
  width->SetValue(&shape, TValue::From(uint8_t(42)));
  EXPECT_EQ(shape.FWidth, 42);
  EXPECT_EQ(width->GetValue(&shape).AsOrdinal(), 42);
  EXPECT_THROW(width->SetValue(&shape, TValue::From(1.5)), EInvalidCast);
  EXPECT_THROW(width->GetValue(&other), EInvocationError);
  EXPECT_THROW(width->GetValue(nullptr), EInvocationError);

  const TPropertyInfo* kind = shapeClass->GetProperty(L"Kind");
  EXPECT_TRUE(kind->IsReadable());
  EXPECT_FALSE(kind->IsWritable());
  EXPECT_THROW(kind->SetValue(&shape, TValue::FromOrdinal(kind->PropertyType(), 1)), EInvocationError);
  EXPECT_EQ(kind->PropertyType()->AsEnum()->NameOf(kind->GetValue(&shape).AsOrdinal()), L"skBox");

  // Object references: a descendant is accepted, an unrelated object is not.
  const TPropertyInfo* owner = shapeClass->GetProperty(L"Owner");
  EXPECT_EQ(owner->PropertyType(), shapeClass);
  owner->SetValue(&shape, TValue::FromObject(&circle));
  EXPECT_EQ(shape.FOwner, &circle);
  EXPECT_THROW(owner->SetValue(&shape, TValue::FromObject(&other)), EInvalidCast);
  EXPECT_EQ(owner->GetValue(&shape).AsObject(), &circle);
  owner->SetValue(&shape, TValue::FromObject(nullptr));
  EXPECT_EQ(shape.FOwner, nullptr);

  // Fields, private ones included, read and write in place.
  const TFieldInfo* fwidth = shapeClass->GetField(L"FWidth");
  EXPECT_EQ(fwidth->FieldType(), TypeInfoOf<int32_t>());
  fwidth->SetValue(&circle, TValue::From(int32_t(-9)));
  EXPECT_EQ(circle.FWidth, -9);
  EXPECT_EQ(fwidth->GetValue(&circle).AsOrdinal(), -9);
  const TFieldInfo* radius = TCircle::StaticClassInfo()->GetField(L"FRadius");
  radius->SetValue(&circle, TValue::From(int32_t(5)));  // an integer converts to the double field
  EXPECT_DOUBLE_EQ(circle.FRadius, 5.0);
  EXPECT_THROW(radius->GetValue(&shape), EInvocationError);  // a TShape has no FRadius
}

TEST(Rtti, RecordShape) {
  const TRecordTypeInfo* rec = TypeInfoOf<TPoint>()->AsRecord();
  ASSERT_NE(rec, nullptr);
  ASSERT_EQ(rec->Fields().size(), 4u);
  EXPECT_EQ(rec->Fields()[0].Name(), L"X");
  EXPECT_EQ(rec->Fields()[0].FieldType(), TypeInfoOf<int16_t>());
  EXPECT_EQ(rec->Fields()[3].FieldType()->Kind(), TTypeKind::UnicodeString);

  // A fresh record filled field by field, the way a script object is turned into one.
  TValue v = TValue::Make(rec);
  rec->GetField(L"X")->SetValue(v.GetReferenceToRawData(), TValue::From(int32_t(-300)));
  rec->GetField(L"Tag")->SetValue(v.GetReferenceToRawData(), TValue::From(int32_t(255)));
  rec->GetField(L"Label")->SetValue(v.GetReferenceToRawData(), TValue::From(std::string("abc")));
  EXPECT_THROW(rec->GetField(L"Tag")->SetValue(v.GetReferenceToRawData(), TValue::From(int32_t(256))), EInvalidCast);
  const TPoint p = v.AsType<TPoint>();
  EXPECT_EQ(p.X, -300);
  EXPECT_EQ(p.Tag, 255);
  EXPECT_EQ(p.Guard, 0);
  EXPECT_EQ(p.Label, L"abc");
  EXPECT_EQ(rec->GetField(L"Label")->GetValue(v.GetReferenceToRawData()).AsString(), L"abc");

  // Values are copies: changing the copy leaves the original alone.
  TValue copy = v;
  rec->GetField(L"Label")->SetValue(copy.GetReferenceToRawData(), TValue::From(L"xyz"s));
  EXPECT_EQ(v.AsType<TPoint>().Label, L"abc");
  EXPECT_EQ(copy.AsType<TPoint>().Label, L"xyz");
  // A record converts to nothing but its own type.
  TValue out;
  EXPECT_FALSE(v.TryCast(TypeInfoOf<int32_t>(), out));
}

TEST(Rtti, OrdinalsFloatsAndStrings) {
  // Ranges and widths.
  const TOrdinalTypeInfo* percent = MakeIntegerType<uint8_t>(L"TPercent", 0, 100);
  TValue out;
  EXPECT_TRUE(TValue::From(int32_t(100)).TryCast(percent, out));
  EXPECT_EQ(out.AsOrdinal(), 100);
  EXPECT_FALSE(TValue::From(int32_t(101)).TryCast(percent, out));
  EXPECT_THROW(TValue::FromOrdinal(percent, -1), EInvalidCast);
  EXPECT_FALSE(TValue::From(int32_t(-1)).TryCast(TypeInfoOf<uint32_t>(), out));
  EXPECT_TRUE(TValue::From(uint32_t(4000000000u)).TryCast(TypeInfoOf<int64_t>(), out));
  EXPECT_EQ(out.AsInt64(), 4000000000LL);
  EXPECT_FALSE(TValue::From(uint64_t(~0ull)).TryCast(TypeInfoOf<int64_t>(), out));
  EXPECT_FALSE(TValue::From(int64_t(-1)).TryCast(TypeInfoOf<uint64_t>(), out));
  EXPECT_EQ(TypeInfoOf<int16_t>()->AsOrdinal()->Width(), 2);
  EXPECT_EQ(TypeInfoOf<int32_t>()->AsOrdinal()->MinValue(), INT32_MIN);

  // Boolean is an enumeration, told apart by identity; enumerations convert within range.
  EXPECT_EQ(TypeInfoOf<bool>()->Kind(), TTypeKind::Enumeration);
  EXPECT_TRUE(TypeInfoOf<bool>()->AsEnum()->IsBoolean());
  EXPECT_FALSE(TypeInfoOf<TShapeKind>()->AsEnum()->IsBoolean());
  EXPECT_TRUE(TValue::FromOrdinal(BooleanType(), 1).AsBoolean());
  EXPECT_TRUE(TValue::From(int32_t(1)).TryCast(TypeInfoOf<TShapeKind>(), out));
  EXPECT_EQ(out.AsType<TShapeKind>(), TShapeKind::skRound);
  EXPECT_FALSE(TValue::From(int32_t(2)).TryCast(TypeInfoOf<TShapeKind>(), out));
  EXPECT_THROW(TValue::From(int32_t(1)).AsBoolean(), EInvalidCast);

  // Sets keep their width.
  const TSetTypeInfo* styles = MakeSetType<uint16_t>(L"TStyles", TypeInfoOf<TShapeKind>());
  EXPECT_EQ(styles->Width(), 2);
  EXPECT_TRUE(TValue::From(int32_t(0xFFFF)).TryCast(styles, out));
  EXPECT_FALSE(TValue::From(int32_t(0x10000)).TryCast(styles, out));

  // Floats: precision, comp rounding, currency scaling, date-time identity.
  EXPECT_EQ(TValue::FromFloat(TypeInfoOf<float>(), 0.1L).AsType<float>(), 0.1f);
  EXPECT_EQ(TValue::FromFloat(TypeInfoOf<TComp>(), 2.5L).AsType<TComp>().Value, 3);
  EXPECT_EQ(TValue::FromFloat(TypeInfoOf<TCurrency>(), 1.23456L).AsType<TCurrency>().Scaled, 12346);
  EXPECT_DOUBLE_EQ(double(TValue::From(TCurrency{12345}).AsExtended()), 1.2345);
  EXPECT_THROW(TValue::FromFloat(TypeInfoOf<TCurrency>(), 1e300L), EInvalidCast);
  EXPECT_EQ(TypeInfoOf<TDateTime>(), DateTimeType());
  EXPECT_EQ(DateTimeType()->FloatType(), TFloatType::Double);
  EXPECT_TRUE(TValue::From(int32_t(3)).TryCast(DateTimeType(), out));
  EXPECT_EQ(out.AsType<TDateTime>().Value, 3.0);
  EXPECT_FALSE(TValue::From(2.0).TryCast(TypeInfoOf<int32_t>(), out));  // no silent truncation
  EXPECT_FALSE(TValue::From(true).TryCast(TypeInfoOf<double>(), out));

  // Strings: the three kinds and characters interconvert; numbers do not become strings.
  EXPECT_EQ(TValue::From(std::string("abc")).AsType<std::wstring>(), L"abc");
  EXPECT_EQ(TValue::From(L"\u5F71"s).Cast(WideStringType()).Kind(), TTypeKind::WideString);
  EXPECT_EQ(TValue::From(L'x').AsString(), L"x");
  EXPECT_EQ(TValue::From(L"xyz"s).AsType<std::string>(), "xyz");
  EXPECT_FALSE(TValue::From(int32_t(1)).TryCast(TypeInfoOf<std::wstring>(), out));
  EXPECT_TRUE(TValue().IsEmpty());
  EXPECT_FALSE(TValue().TryCast(TypeInfoOf<int32_t>(), out));
  EXPECT_EQ(TypeInfoOf<void*>()->Kind(), TTypeKind::Pointer);
}

TEST(Rtti, ClassReferences) {
  TClass shapeClass = TShape::StaticClassInfo();
  const TClassRefTypeInfo* classOfShape = shapeClass->ClassRefType();
  EXPECT_EQ(classOfShape->InstanceType(), shapeClass);
  TValue out;
  EXPECT_TRUE(TValue::FromClass(TCircle::StaticClassInfo()).TryCast(classOfShape, out));
  EXPECT_EQ(out.AsClass(), TCircle::StaticClassInfo());
  EXPECT_FALSE(TValue::FromClass(TOther::StaticClassInfo()).TryCast(classOfShape, out));
  EXPECT_FALSE(TValue::FromClass(TObject::StaticClassInfo()).TryCast(classOfShape, out));
  EXPECT_EQ(TypeInfoOf<TClass>(), TObject::StaticClassInfo()->ClassRefType());
  // An object is no class reference and the other way round.
  TCircle circle;
  EXPECT_FALSE(TValue::FromObject(&circle).TryCast(classOfShape, out));
  EXPECT_FALSE(TValue::FromClass(shapeClass).TryCast(shapeClass, out));
}

TEST(Rtti, ObjectReferencesWhenTObjectIsNotTheFirstBase) {
  TMixed a, b, c;
  ASSERT_NE(static_cast<void*>(&a), static_cast<void*>(static_cast<TObject*>(&a)));
  TClass cls = TMixed::StaticClassInfo();
  const TValue va = TValue::From(&a);
  EXPECT_EQ(va.AsObject(), static_cast<TObject*>(&a));
  EXPECT_EQ(va.AsType<TMixed*>(), &a);
  EXPECT_EQ(va.AsObject()->ClassName(), L"TMixed");

  cls->GetProperty(L"Peer")->SetValue(&a, TValue::From(&b));
  EXPECT_EQ(a.FPeer, &b);
  EXPECT_EQ(cls->GetProperty(L"Peer")->GetValue(&a).AsType<TMixed*>(), &b);
  cls->GetField(L"FPeer")->SetValue(&a, TValue::From(&c));
  EXPECT_EQ(a.FPeer, &c);
  EXPECT_EQ(cls->GetField(L"FPeer")->GetValue(&a).AsObject(), static_cast<TObject*>(&c));
  const TValue old = cls->GetMethod(L"Swap")->Invoke(va, {TValue::From(&b)});
  EXPECT_EQ(old.AsType<TMixed*>(), &c);
  EXPECT_EQ(a.FPeer, &b);
}
