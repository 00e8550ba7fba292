#include "vorad/cef3/VoraD.Cef3.Classes.Rtti.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>
#include <unordered_map>

#include "rtl/RttiBuilder.h"
#include "rtl/ScriptLiteral.h"
#include "rtl/StrConv.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

using rtl::TRef;
using rtl::TTypeKind;
using rtl::TValue;

// ---- the ICefv8Value interface type

const rtl::TInterfaceTypeInfo* Cefv8ValueTypeInfo() {
  static const rtl::TInterfaceTypeInfo* const type =
      rtl::TInterfaceBuilder<ICefv8Value, TRef<ICefv8Value>>(L"ICefv8Value").Build();
  return type;
}

// ---- the getter/setter script

std::wstring RttiExtensionScript(const std::wstring& name) {
  const std::wstring n = rtl::EscapeScriptString(name);
  return L"__defineSetter__('" + n + L"', function(v){native function $s();$s(v)});__defineGetter__('" + n +
         L"', function(){native function $g();return $g()});";
}

bool RegisterScriptExtension(const std::wstring& name, const std::wstring& code,
                             const rtl::TRef<ICefv8Handler>& handler) {
  return CallExport(CefApi.cef_register_extension, name, code, handler);
}

bool PublishNativeValue(const std::wstring& name, const rtl::TValue& value) {
  const rtl::TRef<ICefv8Handler> handler(new TCefRTTIExtension(value));
  return RegisterScriptExtension(name, RttiExtensionScript(name), handler);
}

// ---- addresses in script integers

#if UINTPTR_MAX <= 0xFFFFFFFFu

int32_t PackNativeAddress(const void* address) { return int32_t(uint32_t(reinterpret_cast<uintptr_t>(address))); }

void* UnpackNativeAddress(int32_t packed) { return reinterpret_cast<void*>(uintptr_t(uint32_t(packed))); }

#else

// Pointers do not fit a script integer here: the user data holds ids of this table instead.
// Type and class descriptions live until the process ends anyway; object and interface
// addresses stay too (see the header), so an id never changes its meaning.
namespace {

struct TAddressTable {
  std::mutex lock;
  std::unordered_map<const void*, int32_t> ids;
  std::vector<const void*> addresses{nullptr};  // index = id; 0 is null
};

TAddressTable& AddressTable() {
  static auto* table = new TAddressTable();  // never destroyed: ids may be read at any time
  return *table;
}

}  // namespace

int32_t PackNativeAddress(const void* address) {
  if (!address) return 0;
  TAddressTable& t = AddressTable();
  std::lock_guard<std::mutex> guard(t.lock);
  auto it = t.ids.find(address);
  if (it != t.ids.end()) return it->second;
  if (t.addresses.size() >= size_t(std::numeric_limits<int32_t>::max())) return 0;
  const int32_t id = int32_t(t.addresses.size());
  t.addresses.push_back(address);
  t.ids.emplace(address, id);
  return id;
}

void* UnpackNativeAddress(int32_t packed) {
  if (packed <= 0) return nullptr;
  TAddressTable& t = AddressTable();
  std::lock_guard<std::mutex> guard(t.lock);
  return size_t(packed) < t.addresses.size() ? const_cast<void*>(t.addresses[size_t(packed)]) : nullptr;
}

#endif

// ---- reading mirrored objects

namespace {

// Nested script arrays converted to variants: deeper ones (or a cycle) fail instead of
// exhausting the stack.
constexpr int kMaxVariantDepth = 64;

struct TMirror {
  const rtl::TTypeInfo* type = nullptr;
  void* address = nullptr;
};

// The user data of a mirrored object: an array whose element 0 names a type description and
// whose element 1, when there, an address.
bool ReadMirror(const TRef<ICefv8Value>& object, TMirror& mirror) {
  if (!object || !object->IsObject()) return false;
  cef_base_t* data = object->GetUserData();
  if (!data) return false;
  // The only user data this system sets is such an array, so the structure is a script value.
  const TRef<ICefv8Value> array = TCefv8ValueRef::UnWrap(reinterpret_cast<cef_v8value_t*>(data));
  if (!array->IsArray()) return false;
  const int length = array->GetArrayLength();
  if (length < 1) return false;
  const TRef<ICefv8Value> type = array->GetValueByindex(0);
  if (!type || !type->IsInt()) return false;
  mirror.type = static_cast<const rtl::TTypeInfo*>(UnpackNativeAddress(type->GetIntValue()));
  if (!mirror.type) return false;
  mirror.address = nullptr;
  if (length >= 2) {
    const TRef<ICefv8Value> address = array->GetValueByindex(1);
    if (!address || !address->IsInt()) return false;
    mirror.address = UnpackNativeAddress(address->GetIntValue());
  }
  return true;
}

bool ReadInteger(const TRef<ICefv8Value>& value, int64_t& n) {
  if (value->IsInt()) n = value->GetIntValue();
  else if (value->IsUint()) n = value->GetUintValue();
  else return false;
  return true;
}

// A whole decimal 64-bit number, nothing before or after it.
bool ParseInt64(const std::wstring& text, bool isUnsigned, int64_t& result) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  if (i == text.size()) return false;
  if (negative && isUnsigned) return false;
  const uint64_t limit = isUnsigned ? std::numeric_limits<uint64_t>::max()
                         : negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int64_t>::max());
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c < L'0' || c > L'9') return false;
    const unsigned d = unsigned(c - L'0');
    if (v > (limit - d) / 10) return false;
    v = v * 10 + d;
  }
  result = negative ? int64_t(0 - v) : int64_t(v);
  return true;
}

}  // namespace

// ---- TCefRTTIExtension

TCefRTTIExtension::TCefRTTIExtension(rtl::TValue value) : FValue(std::move(value)) {}

bool TCefRTTIExtension::Execute(const std::wstring& name, const TRef<ICefv8Value>& object,
                                const TCefv8ValueArray& arguments, TRef<ICefv8Value>& retval,
                                std::wstring& /*exception*/) {
  // Whatever a conversion or a native method raises ends here: the call is simply not handled.
  try {
    TRef<ICefv8Value> result;
    if (!ExecuteBody(name, object, arguments, result)) return false;
    retval = result;
    return true;
  } catch (...) {
    return false;
  }
}

bool TCefRTTIExtension::ExecuteBody(const std::wstring& name, const TRef<ICefv8Value>& object,
                                    const TCefv8ValueArray& arguments, TRef<ICefv8Value>& retval) {
  if (!object) return false;
  TMirror mirror;
  if (!ReadMirror(object, mirror)) {
    // The published global itself: its getter and setter.
    if (name == L"$g") return NativeToScript(FValue, retval);
    if (name == L"$s") {
      TValue v;
      if (!arguments.empty() && ScriptToNative(arguments[0], FValue.TypeInfo(), v)) FValue = std::move(v);
      return true;
    }
    return false;
  }

  switch (mirror.type->Kind()) {
    case TTypeKind::Class: {
      const rtl::TClass cls = mirror.type->AsClass();
      auto* instance = static_cast<rtl::TObject*>(mirror.address);
      if (!name.empty() && name[0] == L'$') {
        const std::wstring prefix = name.substr(0, 3), member = name.size() > 3 ? name.substr(3) : std::wstring();
        // $pg/$ps read and write a property, $vg/$vs a field, the same way.
        const auto access = [&](const auto* info, auto typeOf) {
          if (!info) return false;
          if (prefix[2] == L'g') return NativeToScript(info->GetValue(instance), retval);
          TValue v;
          if (arguments.empty() || !ScriptToNative(arguments[0], (info->*typeOf)(), v)) return false;
          info->SetValue(instance, v);
          return true;
        };
        if (prefix == L"$pg" || prefix == L"$ps")
          return access(cls->GetProperty(member, rtl::PublicAndPublished), &rtl::TPropertyInfo::PropertyType);
        if (prefix == L"$vg" || prefix == L"$vs")
          return access(cls->GetField(member, rtl::PublicAndPublished), &rtl::TFieldInfo::FieldType);
        return false;
      }
      const TValue self = TValue::Make(cls, &instance);
      return CallMethod(cls->GetMethod(name, rtl::PublicAndPublished), instance ? self : TValue(), cls,
                        arguments, retval);
    }
    case TTypeKind::ClassRef: {
      const auto cls = static_cast<rtl::TClass>(mirror.address);
      if (!cls) return false;
      return CallMethod(cls->GetMethod(name, rtl::PublicAndPublished), TValue(), cls, arguments, retval);
    }
    default:
      return false;
  }
}

bool TCefRTTIExtension::CallMethod(const rtl::TMethodInfo* method, const TValue& instance, rtl::TClass cls,
                                   const TCefv8ValueArray& arguments, TRef<ICefv8Value>& retval) {
  if (!method) return false;
  const auto& params = method->Parameters();
  if (arguments.size() != params.size()) return false;
  std::vector<TValue> args(params.size());
  for (size_t i = 0; i < params.size(); ++i)
    if (!ScriptToNative(arguments[i], params[i].Type, args[i])) return false;

  TValue result;
  switch (method->MethodKind()) {
    case rtl::TMethodKind::Procedure:
    case rtl::TMethodKind::Function:
      if (instance.IsEmpty()) return false;
      result = method->Invoke(instance, args);
      break;
    case rtl::TMethodKind::ClassProcedure:
    case rtl::TMethodKind::ClassFunction:
      result = method->Invoke(TValue::FromClass(cls), args);
      break;
    default:
      return false;
  }
  if (method->MethodKind() == rtl::TMethodKind::Function || method->MethodKind() == rtl::TMethodKind::ClassFunction)
    return NativeToScript(result, retval);
  return true;
}

// ---- native to script

bool TCefRTTIExtension::NativeToScript(const TValue& value, TRef<ICefv8Value>& result) {
  result = nullptr;
  const rtl::TTypeInfo* type = value.TypeInfo();
  if (!type) return false;
  switch (type->Kind()) {
    case TTypeKind::Integer: {
      const int64_t n = value.AsOrdinal();
      // An unsigned 32-bit value past the signed range stays the number it is.
      result = n > std::numeric_limits<int32_t>::max() ? TCefv8ValueRef::NewUInt(uint32_t(n))
                                                       : TCefv8ValueRef::NewInt(int32_t(n));
      break;
    }
    case TTypeKind::Char:
    case TTypeKind::WChar:
    case TTypeKind::AnsiString:
    case TTypeKind::WideString:
    case TTypeKind::UnicodeString:
      result = TCefv8ValueRef::NewString(value.AsString());
      break;
    case TTypeKind::Enumeration:
      if (type->AsEnum()->IsBoolean()) result = TCefv8ValueRef::NewBool(value.AsBoolean());
      else result = TCefv8ValueRef::NewInt(int32_t(value.AsOrdinal()));
      break;
    case TTypeKind::Float:
      if (type == rtl::DateTimeType())
        result = TCefv8ValueRef::NewDate(TCef3Helper::DateTimeToCefTime(double(value.AsExtended())));
      else result = TCefv8ValueRef::NewDouble(double(value.AsExtended()));
      break;
    case TTypeKind::Int64:
      result = TCefv8ValueRef::NewDouble(type->AsInt64()->IsUnsigned() ? double(uint64_t(value.AsInt64()))
                                                                       : double(value.AsInt64()));
      break;
    case TTypeKind::Class:
      return MirrorObject(type->AsClass(), value.AsObject(), result);
    case TTypeKind::ClassRef: {
      const rtl::TClass cls = value.AsClass();
      return MirrorMethods(type, cls, cls ? cls->GetClassMethods(rtl::PublicAndPublished) : TMethods(), result);
    }
    case TTypeKind::Interface: {
      if (type == Cefv8ValueTypeInfo()) {
        result = value.AsRaw<TRef<ICefv8Value>>();
        return bool(result);
      }
      TMethods methods;
      for (const rtl::TMethodInfo* m : type->AsInterface()->GetMethods())
        if (m->Visibility() >= rtl::TMemberVisibility::Public) methods.push_back(m);
      return MirrorMethods(type, value.AsInterfacePointer(), methods, result);
    }
    case TTypeKind::Record:
      return MirrorRecord(type->AsRecord(), value.GetReferenceToRawData(), result);
    case TTypeKind::Variant: {
      const rtl::TVariant& v = value.AsRaw<rtl::TVariant>();
      switch (v.VarType()) {
        case rtl::TVarType::Empty: result = TCefv8ValueRef::NewUndefined(); break;
        case rtl::TVarType::Null: result = TCefv8ValueRef::NewNull(); break;
        case rtl::TVarType::Boolean: result = TCefv8ValueRef::NewBool(v.Get<bool>()); break;
        case rtl::TVarType::Int32: result = TCefv8ValueRef::NewInt(v.Get<int32_t>()); break;
        case rtl::TVarType::UInt32: result = TCefv8ValueRef::NewUInt(v.Get<uint32_t>()); break;
        case rtl::TVarType::Int64: result = TCefv8ValueRef::NewDouble(double(v.Get<int64_t>())); break;
        case rtl::TVarType::Double: result = TCefv8ValueRef::NewDouble(v.Get<double>()); break;
        case rtl::TVarType::AnsiString:
        case rtl::TVarType::String: result = TCefv8ValueRef::NewString(v.AsString()); break;
        default: return false;  // arrays have no script form here
      }
      break;
    }
    default:
      return false;
  }
  return bool(result);
}

TRef<ICefv8Value> TCefRTTIExtension::NewMirror(int elements, const rtl::TTypeInfo* type, const void* address) {
  const TRef<ICefv8Value> data = TCefv8ValueRef::NewArray(elements);
  const TRef<ICefv8Value> object = TCefv8ValueRef::NewObject(nullptr);
  if (!data || !object) return nullptr;
  if (!data->SetValueByindex(0, TCefv8ValueRef::NewInt(PackNativeAddress(type)))) return nullptr;
  if (elements > 1 && !data->SetValueByindex(1, TCefv8ValueRef::NewInt(PackNativeAddress(address)))) return nullptr;
  if (!object->SetUserData(static_cast<cef_base_t*>(TCef3Helper::CefGetData(data)))) return nullptr;
  return object;
}

// Runs for every mirrored function of every read of a published global (sixteen times for each
// read of TApp), so it goes straight through the runtime's two entries, without a wrapper
// object and its reference counting per function. The new function's reference passes to
// set_value_bykey, which releases it.
bool TCefRTTIExtension::AddFunction(const TRef<ICefv8Value>& object, const std::wstring& name) {
  if (!CefApi.cef_v8value_create_function || !object) return false;
  auto* target = static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object));
  const cef_string_t n = TCef3Helper::CefString(name);
  cef_v8value_t* fn = CefApi.cef_v8value_create_function(&n, static_cast<cef_v8handler_t*>(Wrap()));
  bool set = false;
  if (fn && target->set_value_bykey) set = target->set_value_bykey(target, &n, fn, V8_PROPERTY_ATTRIBUTE_NONE) != 0;
  else if (fn) fn->base.release(&fn->base);
  target->base.release(&target->base);
  return set;
}

bool TCefRTTIExtension::MirrorMethods(const rtl::TTypeInfo* type, const void* address, const TMethods& methods,
                                      TRef<ICefv8Value>& result) {
  const TRef<ICefv8Value> object = NewMirror(2, type, address);
  if (!object) return false;
  for (const rtl::TMethodInfo* m : methods)
    if (!AddFunction(object, m->Name())) return false;
  result = object;
  return true;
}

bool TCefRTTIExtension::MirrorObject(rtl::TClass cls, rtl::TObject* instance, TRef<ICefv8Value>& result) {
  TRef<ICefv8Value> object;
  if (!MirrorMethods(cls, instance, cls->GetMethods(rtl::PublicAndPublished), object)) return false;
  const auto properties = cls->GetProperties(rtl::PublicAndPublished);
  const auto fields = cls->GetFields(rtl::PublicAndPublished);
  if (!properties.empty() || !fields.empty()) {
    const TRef<ICefv8Value> defineGetter = object->GetValueBykey(L"__defineGetter__");
    const TRef<ICefv8Value> defineSetter = object->GetValueBykey(L"__defineSetter__");
    if (!defineGetter || !defineGetter->IsFunction() || !defineSetter || !defineSetter->IsFunction()) return false;
    const TRef<ICefv8Handler> handler(this);
    auto define = [&](const TRef<ICefv8Value>& definer, const std::wstring& member, const std::wstring& native) {
      const TRef<ICefv8Value> fn = TCefv8ValueRef::NewFunction(native, handler);
      if (!fn) return false;
      return bool(definer->ExecuteFunction(object, {TCefv8ValueRef::NewString(member), fn}));
    };
    for (const rtl::TPropertyInfo* p : properties) {
      if (p->IsReadable() && !define(defineGetter, p->Name(), L"$pg" + p->Name())) return false;
      if (p->IsWritable() && !define(defineSetter, p->Name(), L"$ps" + p->Name())) return false;
    }
    for (const rtl::TFieldInfo* f : fields) {
      if (!define(defineGetter, f->Name(), L"$vg" + f->Name())) return false;
      if (!define(defineSetter, f->Name(), L"$vs" + f->Name())) return false;
    }
  }
  result = object;
  return true;
}

bool TCefRTTIExtension::MirrorRecord(const rtl::TRecordTypeInfo* type, const void* data, TRef<ICefv8Value>& result) {
  const TRef<ICefv8Value> object = NewMirror(1, type, nullptr);
  if (!object) return false;
  for (const rtl::TRecordFieldInfo& f : type->Fields()) {
    TRef<ICefv8Value> v;
    if (!NativeToScript(f.GetValue(data), v)) return false;
    if (!object->SetValueBykey(f.Name(), v, V8_PROPERTY_ATTRIBUTE_NONE)) return false;
  }
  result = object;
  return true;
}

// ---- script to native

bool TCefRTTIExtension::ScriptToNative(const TRef<ICefv8Value>& value, const rtl::TTypeInfo* target,
                                       TValue& result) const {
  if (!value || !target) return false;
  switch (target->Kind()) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
    case TTypeKind::Set: {
      if (value->IsBool() && target->Kind() != TTypeKind::Set)
        return TValue::From(value->GetBoolValue()).TryCast(target, result);
      // A set takes only the bits it has: a wider number is refused rather than cut.
      int64_t n;
      if (!ReadInteger(value, n) || !target->AsOrdinal()->InRange(n)) return false;
      result = TValue::FromOrdinal(target, n);
      return true;
    }
    case TTypeKind::Float: {
      long double v;
      if (value->IsInt() || value->IsUint() || value->IsDouble()) v = value->GetDoubleValue();
      else if (value->IsDate()) v = TCef3Helper::CefTimeToDateTime(value->GetDateValue());
      else return false;
      TValue out = TValue::Make(target);
      if (!target->AsFloat()->WriteFloat(out.GetReferenceToRawData(), v)) return false;
      result = std::move(out);
      return true;
    }
    case TTypeKind::AnsiString: {
      if (!value->IsString()) return false;
      const std::string s = rtl::Utf16ToAnsi(value->GetStringValue());
      result = TValue::Make(target, &s);
      return true;
    }
    case TTypeKind::WideString:
    case TTypeKind::UnicodeString: {
      if (!value->IsString()) return false;
      const std::wstring s = value->GetStringValue();
      result = TValue::Make(target, &s);
      return true;
    }
    case TTypeKind::Int64: {
      int64_t n;
      if (!value->IsString() || !ParseInt64(value->GetStringValue(), target->AsInt64()->IsUnsigned(), n)) return false;
      result = TValue::Make(target, &n);
      return true;
    }
    case TTypeKind::Class: {
      TMirror m;
      if (!ReadMirror(value, m) || m.type->Kind() != TTypeKind::Class || !m.type->AsClass()->InheritsFrom(target->AsClass()))
        return false;
      auto* obj = static_cast<rtl::TObject*>(m.address);
      result = TValue::Make(target, &obj);
      return true;
    }
    case TTypeKind::ClassRef: {
      TMirror m;
      if (!ReadMirror(value, m) || m.type->Kind() != TTypeKind::ClassRef) return false;
      auto cls = static_cast<rtl::TClass>(m.address);
      // A class outside the target's family would be used as one of it.
      if (cls && !cls->InheritsFrom(target->AsClassRef()->InstanceType())) return false;
      result = TValue::Make(target, &cls);
      return true;
    }
    case TTypeKind::Interface:
      if (target != Cefv8ValueTypeInfo()) return false;
      result = Cefv8ValueTypeInfo()->FromPointer(static_cast<ICefv8Value*>(value.Get()));
      return true;
    case TTypeKind::Record: {
      if (!value->IsObject()) return false;
      TValue rec = TValue::Make(target);
      for (const rtl::TRecordFieldInfo& f : target->AsRecord()->Fields()) {
        const TRef<ICefv8Value> item = value->GetValueBykey(f.Name());
        TValue v;
        if (!ScriptToNative(item, f.FieldType(), v)) return false;
        f.SetValue(rec.GetReferenceToRawData(), v);
      }
      result = std::move(rec);
      return true;
    }
    case TTypeKind::Variant:
      return ToVariant(value, result, 0);
    default:
      return false;
  }
}

bool TCefRTTIExtension::ToVariant(const TRef<ICefv8Value>& value, TValue& result, int depth) const {
  rtl::TVariant v;
  if (value->IsBool()) v = rtl::TVariant(value->GetBoolValue());
  else if (value->IsInt()) v = rtl::TVariant(value->GetIntValue());
  else if (value->IsUint()) v = rtl::TVariant(value->GetUintValue());
  else if (value->IsDouble()) v = rtl::TVariant(value->GetDoubleValue());
  else if (value->IsString()) v = rtl::TVariant(value->GetStringValue());
  else if (value->IsUndefined()) v = rtl::TVariant();
  else if (value->IsNull()) v = rtl::TVariant::Null();
  else if (value->IsArray()) {
    if (depth >= kMaxVariantDepth) return false;
    const int length = value->GetArrayLength();
    rtl::TVariantArray items(size_t(length > 0 ? length : 0));
    for (int i = 0; i < length; ++i) {
      const TRef<ICefv8Value> item = value->GetValueByindex(i);
      TValue converted;
      if (!item || !ToVariant(item, converted, depth + 1)) return false;
      items[size_t(i)] = converted.AsRaw<rtl::TVariant>();
    }
    v = rtl::TVariant(std::move(items));
  } else {
    return false;
  }
  result = TValue::From(v);
  return true;
}
