// The kinds built on other rtl units: interfaces (counted values, inherited interface methods,
// casts to an ancestor) and the variant.
#include <gtest/gtest.h>

#include "rtl/Interfaces.h"
#include "rtl/RttiBuilder.h"
#include "rtl/Variant.h"

using namespace rtl;
using namespace std::string_literals;

namespace {

template <class M>
std::vector<std::wstring> Names(const std::vector<const M*>& members) {
  std::vector<std::wstring> names;
  for (auto* m : members) names.push_back(m->Name());
  return names;
}

}  // namespace

namespace {

class IGreeter : public virtual IInterface {
public:
  virtual std::wstring Greet(const std::wstring& name) = 0;
};
class ILoudGreeter : public IGreeter {
public:
  virtual int32_t Volume() const = 0;
};
class TGreeter : public TInterfacedObject, public ILoudGreeter {
public:
  std::wstring Greet(const std::wstring& name) override { return L"hi " + name; }
  int32_t Volume() const override { return 11; }
};

}  // namespace

template <>
struct rtl::TTypeInfoOf<TRef<IGreeter>, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t =
        TInterfaceBuilder<IGreeter, TRef<IGreeter>>(L"IGreeter").Method(L"Greet", &IGreeter::Greet, {L"name"}).Build();
    return t;
  }
};
template <>
struct rtl::TTypeInfoOf<TRef<ILoudGreeter>, void> {
  static const TTypeInfo* Get() {
    static const TTypeInfo* t =
        TInterfaceBuilder<ILoudGreeter, TRef<ILoudGreeter>, IGreeter>(L"ILoudGreeter", TypeInfoOf<TRef<IGreeter>>()->AsInterface())
            .Method(L"Volume", &ILoudGreeter::Volume)
            .Build();
    return t;
  }
};

TEST(Rtti, InterfacesAreCountedAndInheritMethods) {
  TRef<TGreeter> impl(new TGreeter);
  const TInterfaceTypeInfo* loud = TypeInfoOf<TRef<ILoudGreeter>>()->AsInterface();
  const TInterfaceTypeInfo* greeter = TypeInfoOf<TRef<IGreeter>>()->AsInterface();
  ASSERT_NE(loud, nullptr);
  EXPECT_TRUE(loud->InheritsFrom(greeter));
  EXPECT_EQ(Names(loud->GetMethods()), (std::vector<std::wstring>{L"Volume", L"Greet"}));
  {
    TValue v = TValue::From(TRef<ILoudGreeter>(impl.Get()));
    EXPECT_EQ(impl->RefCount(), 2);
    TValue copy = v;
    EXPECT_EQ(impl->RefCount(), 3);
    // The parent's method runs on the descendant's value, through the right pointer.
    EXPECT_EQ(loud->GetMethod(L"Greet")->Invoke(copy, {TValue::From(L"you"s)}).AsString(), L"hi you");
    EXPECT_EQ(loud->GetMethod(L"Volume")->Invoke(v, {}).AsOrdinal(), 11);
    TValue asGreeter = v.Cast(greeter);
    EXPECT_EQ(asGreeter.AsInterfacePointer(), static_cast<IGreeter*>(impl.Get()));
    TValue back;
    EXPECT_FALSE(asGreeter.TryCast(loud, back));  // no implicit downcast
    EXPECT_THROW(loud->GetMethod(L"Volume")->Invoke(asGreeter, {}), EInvocationError);
  }
  EXPECT_EQ(impl->RefCount(), 1);  // every copy released its reference
}

TEST(Rtti, VariantCasts) {
  const TTypeInfo* variant = TypeInfoOf<TVariant>();
  EXPECT_EQ(variant->Kind(), TTypeKind::Variant);
  TValue out;
  // Into a variant, by the source's kind.
  ASSERT_TRUE(TValue::From(true).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(true));
  ASSERT_TRUE(TValue::From(int8_t(-3)).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(int32_t(-3)));
  ASSERT_TRUE(TValue::From(uint32_t(4000000000u)).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(uint32_t(4000000000u)));
  ASSERT_TRUE(TValue::From(int64_t(1) << 40).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(int64_t(1) << 40));
  EXPECT_FALSE(TValue::From(~uint64_t(0)).TryCast(variant, out));
  ASSERT_TRUE(TValue::From(TCurrency{25000}).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(2.5));
  EXPECT_FALSE(TValue::From(TDateTime{1.0}).TryCast(variant, out));
  ASSERT_TRUE(TValue::From(std::string("n")).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(std::string("n")));
  ASSERT_TRUE(TValue::From(L"w"s).TryCast(variant, out));
  EXPECT_EQ(out.AsType<TVariant>(), TVariant(L"w"s));

  // Out of a variant, as strictly as the other casts.
  EXPECT_EQ(TValue::From(TVariant(int32_t(7))).AsType<int8_t>(), 7);
  EXPECT_FALSE(TValue::From(TVariant(int32_t(300))).TryCast(TypeInfoOf<int8_t>(), out));
  EXPECT_EQ(TValue::From(TVariant(int32_t(2))).AsType<double>(), 2.0);
  EXPECT_FALSE(TValue::From(TVariant(2.5)).TryCast(TypeInfoOf<int32_t>(), out));
  EXPECT_EQ(TValue::From(TVariant(L"t"s)).AsType<std::wstring>(), L"t");
  EXPECT_FALSE(TValue::From(TVariant(L"5"s)).TryCast(TypeInfoOf<int32_t>(), out));
  EXPECT_TRUE(TValue::From(TVariant(true)).AsType<bool>());
  for (const TVariant& v : {TVariant(), TVariant::Null(), TVariant::ArrayOf(2)})
    EXPECT_FALSE(TValue::From(v).TryCast(TypeInfoOf<int32_t>(), out));

  // A variant holding an array is copied whole with its value.
  TVariant arr = TVariant::ArrayOf(2);
  arr[0] = TVariant(L"a"s);
  TValue held = TValue::From(arr);
  arr[0] = TVariant(int32_t(1));
  EXPECT_EQ(held.AsType<TVariant>()[0], TVariant(L"a"s));
}
