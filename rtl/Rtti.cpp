#include "rtl/Rtti.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "rtl/RttiBuilder.h"
#include "rtl/StrConv.h"

namespace rtl {

namespace rtti_detail {
// RttiVariant.cpp, where TVariant is complete.
bool CastToVariant(const TValue& from, TValue& result);
bool CastFromVariant(const TValue& from, const TTypeInfo* target, TValue& result);
}  // namespace rtti_detail

// ---- downcasts to the structured kinds (declared in TypInfo.h)

const TClassInfo* TTypeInfo::AsClass() const {
  return Kind() == TTypeKind::Class ? static_cast<const TClassInfo*>(this) : nullptr;
}
const TClassRefTypeInfo* TTypeInfo::AsClassRef() const {
  return Kind() == TTypeKind::ClassRef ? static_cast<const TClassRefTypeInfo*>(this) : nullptr;
}
const TRecordTypeInfo* TTypeInfo::AsRecord() const {
  return Kind() == TTypeKind::Record ? static_cast<const TRecordTypeInfo*>(this) : nullptr;
}
const TInterfaceTypeInfo* TTypeInfo::AsInterface() const {
  return Kind() == TTypeKind::Interface ? static_cast<const TInterfaceTypeInfo*>(this) : nullptr;
}

// ---- TValue

namespace {

bool FitsInline(const TTypeOps& ops) { return ops.Trivial && ops.Size <= 16 && ops.Align <= 16; }

[[noreturn]] void BadCast(const TTypeInfo* from, const std::wstring& to) {
  throw EInvalidCast(L"Invalid cast from " + (from ? from->Name() : std::wstring(L"(empty)")) + L" to " + to);
}

}  // namespace

TValue::TValue(const TValue& other) {
  if (other.FType) *this = Make(other.FType, other.Data());
}

TValue::TValue(TValue&& other) noexcept : FType(other.FType), FHeap(other.FHeap) {
  std::memcpy(FInline, other.FInline, sizeof FInline);  // inline values are trivially copyable
  other.FType = nullptr;
  other.FHeap = nullptr;
}

TValue& TValue::operator=(const TValue& other) {
  if (this != &other) *this = TValue(other);
  return *this;
}

TValue& TValue::operator=(TValue&& other) noexcept {
  if (this != &other) {
    Reset();
    FType = other.FType;
    FHeap = other.FHeap;
    std::memcpy(FInline, other.FInline, sizeof FInline);
    other.FType = nullptr;
    other.FHeap = nullptr;
  }
  return *this;
}

TValue::~TValue() { Reset(); }

void TValue::Reset() noexcept {
  if (FType && !FType->Ops().Trivial) FType->Ops().Destroy(Data());
  ::operator delete(FHeap);
  FType = nullptr;
  FHeap = nullptr;
}

TValue TValue::Make(const TTypeInfo* type, const void* data) {
  TValue v;
  if (!type) return v;
  const TTypeOps& ops = type->Ops();
  void* heap = FitsInline(ops) ? nullptr : ::operator new(ops.Size);
  void* dst = heap ? heap : static_cast<void*>(v.FInline);
  try {
    if (data) ops.CopyConstruct(dst, data);
    else ops.Construct(dst);
  } catch (...) {
    ::operator delete(heap);
    throw;
  }
  v.FHeap = heap;
  v.FType = type;
  return v;
}

TValue TValue::FromOrdinal(const TTypeInfo* type, int64_t v) {
  if (const TOrdinalTypeInfo* ord = type ? type->AsOrdinal() : nullptr) {
    if (!ord->InRange(v)) throw EInvalidCast(L"Value " + std::to_wstring(v) + L" out of the range of " + type->Name());
    TValue result = Make(type);
    ord->WriteOrdinal(result.Data(), v);
    return result;
  }
  if (const TInt64TypeInfo* i64 = type ? type->AsInt64() : nullptr) {
    if (i64->IsUnsigned() && v < 0) throw EInvalidCast(L"Value " + std::to_wstring(v) + L" out of the range of " + type->Name());
    TValue result = Make(type);
    std::memcpy(result.Data(), &v, sizeof v);
    return result;
  }
  BadCast(type, L"an ordinal");
}

TValue TValue::FromFloat(const TTypeInfo* type, long double v) {
  const TFloatTypeInfo* ft = type ? type->AsFloat() : nullptr;
  if (!ft) BadCast(type, L"a floating-point number");
  TValue result = Make(type);
  if (!ft->WriteFloat(result.Data(), v)) throw EInvalidCast(L"Value out of the range of " + type->Name());
  return result;
}

TValue TValue::FromObject(TObject* obj) {
  return Make(obj ? obj->ClassType() : TObject::StaticClassInfo(), &obj);
}

TValue TValue::FromObject(TObject* obj, TClass declared) {
  if (!declared) BadCast(nullptr, L"an object reference");
  if (obj && !obj->InheritsFrom(declared)) BadCast(obj->ClassType(), declared->Name());
  return Make(declared, &obj);
}

TValue TValue::FromClass(TClass cls) {
  return Make((cls ? cls : TObject::StaticClassInfo())->ClassRefType(), &cls);
}

int64_t TValue::AsOrdinal() const {
  const TOrdinalTypeInfo* ord = FType ? FType->AsOrdinal() : nullptr;
  if (!ord) BadCast(FType, L"an ordinal");
  return ord->ReadOrdinal(Data());
}

int64_t TValue::AsInt64() const {
  if (FType && FType->Kind() == TTypeKind::Int64) {
    int64_t v;
    std::memcpy(&v, Data(), sizeof v);
    return v;
  }
  return AsOrdinal();
}

long double TValue::AsExtended() const {
  const TFloatTypeInfo* ft = FType ? FType->AsFloat() : nullptr;
  if (!ft) BadCast(FType, L"a floating-point number");
  return ft->ReadFloat(Data());
}

bool TValue::AsBoolean() const {
  const TEnumTypeInfo* e = FType ? FType->AsEnum() : nullptr;
  if (!e || !e->IsBoolean()) BadCast(FType, L"Boolean");
  return e->ReadOrdinal(Data()) != 0;
}

std::wstring TValue::AsString() const {
  switch (Kind()) {
    case TTypeKind::Char: return AnsiToUtf16(std::string(1, *static_cast<const char*>(Data())));
    case TTypeKind::WChar: return std::wstring(1, *static_cast<const wchar_t*>(Data()));
    case TTypeKind::AnsiString: return AnsiToUtf16(*static_cast<const std::string*>(Data()));
    case TTypeKind::WideString:
    case TTypeKind::UnicodeString: return *static_cast<const std::wstring*>(Data());
    default: BadCast(FType, L"a string");
  }
}

TObject* TValue::AsObject() const {
  if (!FType) return nullptr;
  if (FType->Kind() != TTypeKind::Class) BadCast(FType, L"an object reference");
  return *static_cast<TObject* const*>(Data());
}

TClass TValue::AsClass() const {
  if (!FType) return nullptr;
  if (FType->Kind() != TTypeKind::ClassRef) BadCast(FType, L"a class reference");
  return *static_cast<const TClass*>(Data());
}

void* TValue::AsInterfacePointer() const {
  if (!FType) return nullptr;
  const TInterfaceTypeInfo* it = FType->AsInterface();
  if (!it) BadCast(FType, L"an interface");
  return it->GetPointer(Data());
}

bool TValue::TryCast(const TTypeInfo* target, TValue& result) const {
  if (!target || !FType) return false;
  if (target == FType) {
    result = *this;
    return true;
  }
  const TTypeKind from = FType->Kind();
  if (from == TTypeKind::Variant) return rtti_detail::CastFromVariant(*this, target, result);
  const bool fromInteger = FType->IsOrdinal() || from == TTypeKind::Int64;
  switch (target->Kind()) {
    case TTypeKind::Integer: case TTypeKind::Char: case TTypeKind::WChar:
    case TTypeKind::Enumeration: case TTypeKind::Set: {
      if (!fromInteger) return false;
      if (from == TTypeKind::Int64 && FType->AsInt64()->IsUnsigned() && AsInt64() < 0) return false;
      const int64_t v = AsInt64();
      const TOrdinalTypeInfo* ord = target->AsOrdinal();
      if (!ord->InRange(v)) return false;
      result = Make(target);
      ord->WriteOrdinal(result.Data(), v);
      return true;
    }
    case TTypeKind::Int64: {
      if (!fromInteger) return false;
      const int64_t v = AsInt64();
      const bool fromUnsigned = from == TTypeKind::Int64 && FType->AsInt64()->IsUnsigned();
      // The same 64 bits mean different numbers when the signedness differs and the top bit is set.
      if (v < 0 && (fromUnsigned || target->AsInt64()->IsUnsigned())) return false;
      result = Make(target, &v);
      return true;
    }
    case TTypeKind::Float: {
      long double v;
      if (from == TTypeKind::Float) v = AsExtended();
      else if (from == TTypeKind::Integer) v = (long double)AsOrdinal();
      else if (from == TTypeKind::Int64) v = FType->AsInt64()->IsUnsigned() ? (long double)uint64_t(AsInt64()) : (long double)AsInt64();
      else return false;
      result = Make(target);
      if (target->AsFloat()->WriteFloat(result.Data(), v)) return true;
      result = TValue();
      return false;
    }
    case TTypeKind::AnsiString: case TTypeKind::WideString: case TTypeKind::UnicodeString: {
      if (!FType->IsString() && from != TTypeKind::Char && from != TTypeKind::WChar) return false;
      if (target->Kind() == TTypeKind::AnsiString) {
        if (from == TTypeKind::AnsiString) {
          result = Make(target, Data());
        } else if (from == TTypeKind::Char) {
          const std::string s(1, *static_cast<const char*>(Data()));
          result = Make(target, &s);
        } else {
          const std::string s = Utf16ToAnsi(AsString());
          result = Make(target, &s);
        }
      } else {
        const std::wstring s = AsString();
        result = Make(target, &s);
      }
      return true;
    }
    case TTypeKind::Class: {
      if (from != TTypeKind::Class) return false;
      TObject* obj = AsObject();
      if (obj && !obj->InheritsFrom(target->AsClass())) return false;
      result = Make(target, &obj);
      return true;
    }
    case TTypeKind::ClassRef: {
      if (from != TTypeKind::ClassRef) return false;
      TClass cls = AsClass();
      if (cls && !cls->InheritsFrom(target->AsClassRef()->InstanceType())) return false;
      result = Make(target, &cls);
      return true;
    }
    case TTypeKind::Variant:
      return rtti_detail::CastToVariant(*this, result);
    case TTypeKind::Interface: {
      const TInterfaceTypeInfo* intf = target->AsInterface();
      if (from != TTypeKind::Interface || !FType->AsInterface()->InheritsFrom(intf)) return false;
      result = intf->FromPointer(intf->PointerOf(*this));
      return true;
    }
    default:
      return false;
  }
}

TValue TValue::Cast(const TTypeInfo* target) const {
  TValue result;
  if (!TryCast(target, result)) BadCast(FType, target ? target->Name() : std::wstring(L"(no type)"));
  return result;
}

// ---- methods, properties, fields

TMethodInfo::TMethodInfo(const TTypeInfo* parent, std::wstring name, TMemberVisibility visibility, TMethodKind kind,
                         std::vector<TParamInfo> params, const TTypeInfo* returnType, TMethodInvoker invoker)
    : FParent(parent), FName(std::move(name)), FVisibility(visibility), FKind(kind), FParams(std::move(params)),
      FReturnType(returnType), FInvoker(std::move(invoker)) {}

bool TMethodInfo::IsClassMethod() const {
  return FKind == TMethodKind::ClassProcedure || FKind == TMethodKind::ClassFunction;
}

namespace {

TClass ClassOfReceiver(const TValue& self) {
  if (self.Kind() == TTypeKind::ClassRef) return self.AsClass();
  if (self.Kind() == TTypeKind::Class && self.AsObject()) return self.AsObject()->ClassType();
  return nullptr;
}

void CheckInstance(TObject* instance, TClass parent, const std::wstring& member) {
  if (!instance) throw EInvocationError(member + L": no instance");
  if (!instance->InheritsFrom(parent))
    throw EInvocationError(member + L": " + instance->ClassName() + L" is no " + parent->Name());
}

}  // namespace

TValue TMethodInfo::Invoke(const TValue& self, std::span<const TValue> args) const {
  if (args.size() != FParams.size())
    throw EInvocationError(FName + L" takes " + std::to_wstring(FParams.size()) + L" argument(s), " +
                           std::to_wstring(args.size()) + L" given");
  if (const TClassInfo* cls = FParent->AsClass()) {
    if (IsClassMethod() || FKind == TMethodKind::Constructor) {
      TClass receiver = ClassOfReceiver(self);
      if (!receiver || !receiver->InheritsFrom(cls)) throw EInvocationError(FName + L": no class of " + cls->Name());
    } else {
      CheckInstance(self.Kind() == TTypeKind::Class ? self.AsObject() : nullptr, cls, FName);
    }
  } else if (const TInterfaceTypeInfo* intf = FParent->AsInterface()) {
    const TInterfaceTypeInfo* given = self.TypeInfo() ? self.TypeInfo()->AsInterface() : nullptr;
    if (!given || !given->InheritsFrom(intf) || !self.AsInterfacePointer())
      throw EInvocationError(FName + L": no " + intf->Name() + L" interface");
  }
  std::vector<TValue> cast(args.size());
  for (size_t i = 0; i < args.size(); ++i)
    if (!args[i].TryCast(FParams[i].Type, cast[i]))
      throw EInvalidCast(FName + L": argument " + FParams[i].Name + L" does not convert to " + FParams[i].Type->Name());
  return FInvoker(self, cast);
}

TPropertyInfo::TPropertyInfo(TClass parent, std::wstring name, TMemberVisibility visibility, const TTypeInfo* type,
                             TGetter getter, TSetter setter)
    : FParent(parent), FName(std::move(name)), FVisibility(visibility), FType(type), FGetter(std::move(getter)),
      FSetter(std::move(setter)) {}

TValue TPropertyInfo::GetValue(TObject* instance) const {
  CheckInstance(instance, FParent, FName);
  if (!FGetter) throw EInvocationError(FName + L" cannot be read");
  return FGetter(instance);
}

void TPropertyInfo::SetValue(TObject* instance, const TValue& value) const {
  CheckInstance(instance, FParent, FName);
  if (!FSetter) throw EInvocationError(FName + L" cannot be written");
  FSetter(instance, value.Cast(FType));
}

const TFieldAccess& RawFieldAccess() {
  static constexpr TFieldAccess access{
      [](const TTypeInfo* type, const void* address) { return TValue::Make(type, address); },
      [](const TTypeInfo* type, void* address, const TValue& v) { type->Ops().Assign(address, v.GetReferenceToRawData()); }};
  return access;
}

TFieldInfo::TFieldInfo(TClass parent, std::wstring name, TMemberVisibility visibility, const TTypeInfo* type,
                       TAddress address, const TFieldAccess& access)
    : FParent(parent), FName(std::move(name)), FVisibility(visibility), FType(type), FAddress(std::move(address)),
      FAccess(access) {}

void* TFieldInfo::Address(TObject* instance) const {
  CheckInstance(instance, FParent, FName);
  return FAddress(instance);
}

TValue TFieldInfo::GetValue(TObject* instance) const { return FAccess.Read(FType, Address(instance)); }

void TFieldInfo::SetValue(TObject* instance, const TValue& value) const {
  void* p = Address(instance);
  FAccess.Write(FType, p, value.Cast(FType));
}

// ---- classes

TClassInfo::TClassInfo(std::wstring name, std::wstring unitName, const TTypeOps& instanceOps, size_t instanceSize,
                       TClass parent, TDescribe describe)
    : TTypeInfo(TTypeKind::Class, std::move(name), instanceOps), FUnitName(std::move(unitName)),
      FInstanceSize(instanceSize), FParent(parent), FDescribe(std::move(describe)) {}

bool TClassInfo::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->FParent)
    if (c == ancestor) return true;
  return false;
}

void TClassInfo::EnsureDescribed() const {
  std::call_once(FDescribed, [this] {
    if (!FDescribe) return;
    try {
      TClassBuilderBase builder(const_cast<TClassInfo&>(*this));
      FDescribe(builder);
    } catch (...) {
      // Leave nothing half described; the next question tries again and fails the same way.
      FMethods.clear();
      FProperties.clear();
      FFields.clear();
      throw;
    }
  });
}

const std::vector<std::unique_ptr<TMethodInfo>>& TClassInfo::DeclaredMethods() const {
  EnsureDescribed();
  return FMethods;
}
const std::vector<std::unique_ptr<TPropertyInfo>>& TClassInfo::DeclaredProperties() const {
  EnsureDescribed();
  return FProperties;
}
const std::vector<std::unique_ptr<TFieldInfo>>& TClassInfo::DeclaredFields() const {
  EnsureDescribed();
  return FFields;
}

namespace {

// Walks the class and its ancestors, most derived first; a name declared in a descendant hides
// the ancestors' members of that name, whatever their visibility. Class trees are shallow and
// short, and a published class is described on every read of it by script, so the names seen
// are looked up in a plain list rather than kept in sets, and both lists are sized once.
template <class M, class Declared, class Keep>
std::vector<const M*> Collect(TClass cls, Declared declared, TVisibilitySet filter, Keep keep) {
  size_t declaredInAll = 0;
  for (TClass c = cls; c; c = c->Parent()) declaredInAll += declared(c).size();
  std::vector<const M*> out;
  std::vector<std::wstring_view> names;  // declared by the levels walked so far
  out.reserve(declaredInAll);
  names.reserve(declaredInAll);
  for (TClass c = cls; c; c = c->Parent()) {
    const auto descendants = std::ptrdiff_t(names.size());
    for (const auto& m : declared(c)) {
      if (std::find(names.begin(), names.begin() + descendants, m->Name()) != names.begin() + descendants) continue;
      names.push_back(m->Name());
      if ((filter & VisibilityBit(m->Visibility())) && keep(*m)) out.push_back(m.get());
    }
  }
  return out;
}

template <class M, class Declared>
const M* Find(TClass cls, Declared declared, std::wstring_view name, TVisibilitySet filter) {
  for (TClass c = cls; c; c = c->Parent())
    for (const auto& m : declared(c))
      if (m->Name() == name) return (filter & VisibilityBit(m->Visibility())) ? m.get() : nullptr;
  return nullptr;
}

const auto MethodsOf = [](TClass c) -> decltype(auto) { return c->DeclaredMethods(); };
const auto PropertiesOf = [](TClass c) -> decltype(auto) { return c->DeclaredProperties(); };
const auto FieldsOf = [](TClass c) -> decltype(auto) { return c->DeclaredFields(); };
const auto Any = [](const auto&) { return true; };

}  // namespace

std::vector<const TMethodInfo*> TClassInfo::GetMethods(TVisibilitySet filter) const {
  return Collect<TMethodInfo>(this, MethodsOf, filter, Any);
}
std::vector<const TPropertyInfo*> TClassInfo::GetProperties(TVisibilitySet filter) const {
  return Collect<TPropertyInfo>(this, PropertiesOf, filter, Any);
}
std::vector<const TFieldInfo*> TClassInfo::GetFields(TVisibilitySet filter) const {
  return Collect<TFieldInfo>(this, FieldsOf, filter, Any);
}
std::vector<const TMethodInfo*> TClassInfo::GetClassMethods(TVisibilitySet filter) const {
  return Collect<TMethodInfo>(this, MethodsOf, filter, [](const TMethodInfo& m) { return m.IsClassMethod(); });
}
const TMethodInfo* TClassInfo::GetMethod(std::wstring_view name, TVisibilitySet filter) const {
  return Find<TMethodInfo>(this, MethodsOf, name, filter);
}
const TPropertyInfo* TClassInfo::GetProperty(std::wstring_view name, TVisibilitySet filter) const {
  return Find<TPropertyInfo>(this, PropertiesOf, name, filter);
}
const TFieldInfo* TClassInfo::GetField(std::wstring_view name, TVisibilitySet filter) const {
  return Find<TFieldInfo>(this, FieldsOf, name, filter);
}

TClassRefTypeInfo::TClassRefTypeInfo(std::wstring name, TClass instanceType)
    : TTypeInfo(TTypeKind::ClassRef, std::move(name), TypeOpsOf<TClass>()), FInstanceType(instanceType) {}

void TClassBuilderBase::AddMethod(std::wstring name, TMethodKind kind, std::vector<TParamInfo> params,
                                  const TTypeInfo* result, TMethodInvoker invoker) {
  FClass.FMethods.push_back(std::make_unique<TMethodInfo>(&FClass, std::move(name), FVisibility, kind,
                                                          std::move(params), result, std::move(invoker)));
}

void TClassBuilderBase::AddProperty(std::wstring name, const TTypeInfo* type, TPropertyInfo::TGetter getter,
                                    TPropertyInfo::TSetter setter) {
  FClass.FProperties.push_back(std::make_unique<TPropertyInfo>(&FClass, std::move(name), FVisibility, type,
                                                               std::move(getter), std::move(setter)));
}

void TClassBuilderBase::AddField(std::wstring name, const TTypeInfo* type, TFieldInfo::TAddress address,
                                 const TFieldAccess& access) {
  FClass.FFields.push_back(
      std::make_unique<TFieldInfo>(&FClass, std::move(name), FVisibility, type, std::move(address), access));
}

// ---- records

TRecordFieldInfo::TRecordFieldInfo(std::wstring name, const TTypeInfo* type, TAddress address,
                                   const TFieldAccess& access)
    : FName(std::move(name)), FType(type), FAddress(std::move(address)), FAccess(&access) {}

TValue TRecordFieldInfo::GetValue(const void* record) const { return FAccess->Read(FType, Address(record)); }

void TRecordFieldInfo::SetValue(void* record, const TValue& value) const {
  FAccess->Write(FType, Address(record), value.Cast(FType));
}

TRecordTypeInfo::TRecordTypeInfo(std::wstring name, const TTypeOps& ops, std::vector<TRecordFieldInfo> fields)
    : TTypeInfo(TTypeKind::Record, std::move(name), ops), FFields(std::move(fields)) {}

const TRecordFieldInfo* TRecordTypeInfo::GetField(std::wstring_view name) const {
  for (const auto& f : FFields)
    if (f.Name() == name) return &f;
  return nullptr;
}

// ---- interfaces

TInterfaceTypeInfo::TInterfaceTypeInfo(std::wstring name, const TTypeOps& ops, const TInterfaceTypeInfo* parent,
                                       TGetPointer get, TSetPointer set, TUpcast upcast)
    : TTypeInfo(TTypeKind::Interface, std::move(name), ops), FParent(parent), FGet(get), FSet(set), FUpcast(upcast) {}

void* TInterfaceTypeInfo::PointerOf(const TValue& value) const {
  const TInterfaceTypeInfo* t = value.TypeInfo() ? value.TypeInfo()->AsInterface() : nullptr;
  if (!t || !t->InheritsFrom(this)) return nullptr;
  void* p = t->GetPointer(value.GetReferenceToRawData());
  for (; p && t != this; t = t->FParent) p = t->FUpcast(p);
  return p;
}

bool TInterfaceTypeInfo::InheritsFrom(const TInterfaceTypeInfo* ancestor) const {
  for (const TInterfaceTypeInfo* t = this; t; t = t->FParent)
    if (t == ancestor) return true;
  return false;
}

TValue TInterfaceTypeInfo::FromPointer(void* pointer) const {
  TValue v = TValue::Make(this);
  FSet(v.GetReferenceToRawData(), pointer);
  return v;
}

std::vector<const TMethodInfo*> TInterfaceTypeInfo::GetMethods() const {
  std::vector<const TMethodInfo*> out;
  for (const TInterfaceTypeInfo* t = this; t; t = t->FParent)
    for (const auto& m : t->FMethods) out.push_back(m.get());
  return out;
}

const TMethodInfo* TInterfaceTypeInfo::GetMethod(std::wstring_view name) const {
  for (const TInterfaceTypeInfo* t = this; t; t = t->FParent)
    for (const auto& m : t->FMethods)
      if (m->Name() == name) return m.get();
  return nullptr;
}

void TInterfaceTypeInfo::AddMethod(std::unique_ptr<TMethodInfo> method) { FMethods.push_back(std::move(method)); }

// ---- the root object class

TObject::~TObject() = default;

std::wstring TObject::ClassName() const { return ClassType()->Name(); }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

std::wstring TObject::ToString() const { return ClassName(); }

namespace {

// The class functions every described class inherits; each gets the class it is called on.
std::wstring ClassNameOf(TClass cls) { return cls->Name(); }
bool ClassNameIs(TClass cls, const std::wstring& name) { return cls->Name() == name; }
TClass ClassParentOf(TClass cls) { return cls->Parent(); }
bool ClassInheritsFrom(TClass cls, TClass ancestor) { return ancestor && cls->InheritsFrom(ancestor); }
int32_t InstanceSizeOf(TClass cls) { return int32_t(cls->InstanceSize()); }
std::wstring UnitNameOf(TClass cls) { return cls->UnitName(); }

}  // namespace

TClass TObject::StaticClassInfo() {
  static const TClass info = DescribeClass<TObject, TObject>(L"TObject", L"System", [](TClassBuilder<TObject>& c) {
    c.ClassMethod(L"ClassName", &ClassNameOf)
        .ClassMethod(L"ClassNameIs", &ClassNameIs, {L"Name"})
        .ClassMethod(L"ClassParent", &ClassParentOf)
        .ClassMethod(L"InheritsFrom", &ClassInheritsFrom, {L"AClass"})
        .ClassMethod(L"InstanceSize", &InstanceSizeOf)
        .ClassMethod(L"UnitName", &UnitNameOf)
        .Method(L"ToString", &TObject::ToString);
  });
  return info;
}

const TTypeInfo* TTypeInfoOf<TClass, void>::Get() { return TObject::StaticClassInfo()->ClassRefType(); }

const TClassInfo* TRttiContext::FindClass(std::wstring_view name) const {
  const TTypeInfo* t = FindType(name);
  return t ? t->AsClass() : nullptr;
}

}  // namespace rtl
