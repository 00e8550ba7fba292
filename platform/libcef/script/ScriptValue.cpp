// cef_v8value_t: primitives are kept natively, objects (arrays, functions included) live in
// the heap stash while a value refers to them.
#include <cmath>

#include "platform/libcef/script/ScriptEngine.h"

namespace standin::script {

namespace {

using S = cef_v8value_t;

TValue* V(S* self) { return TValue::From(self); }

template <class F>
bool Call(TValue* v, duk_context*& ctx, F& body) {
  return ObjectCall(
      v, ctx, [](duk_context* c, void* u) -> duk_ret_t { return (*static_cast<F*>(u))(c); },
      &body);
}

int32_t ToInt32(double d) {
  if (!std::isfinite(d)) return 0;
  double m = std::fmod(std::trunc(d), 4294967296.0);
  if (m < 0) m += 4294967296.0;
  return static_cast<int32_t>(static_cast<uint32_t>(m));
}

bool IsNumber(const TValue* v) {
  return v->FKind == TKind::Int || v->FKind == TKind::UInt || v->FKind == TKind::Double;
}

double NumberOf(const TValue* v) {
  switch (v->FKind) {
    case TKind::Int:
      return v->FInt;
    case TKind::UInt:
      return v->FUInt;
    case TKind::Double:
      return v->FDouble;
    default:
      return 0;
  }
}

bool IsObj(const TValue* v) { return v && v->FKind == TKind::Object && v->Valid(); }

TContext* OwnerContext(TValue* v) {
  TContext* c = CurrentContext();
  if (c) return c;
  return TContext::From(v->FContext.Get());
}

// ---- Type tests and primitive accessors

int CEF_CALLBACK IsValid(S* self) { return Guard(0, [&] { return V(self)->Valid() ? 1 : 0; }); }
int CEF_CALLBACK IsUndefined(S* self) { return V(self)->FKind == TKind::Undefined; }
int CEF_CALLBACK IsNull(S* self) { return V(self)->FKind == TKind::Null; }
int CEF_CALLBACK IsBool(S* self) { return V(self)->FKind == TKind::Bool; }
int CEF_CALLBACK IsInt(S* self) {
  const TValue* v = V(self);
  return v->FKind == TKind::Int || (v->FKind == TKind::UInt && v->FUInt <= 0x7FFFFFFFu);
}
int CEF_CALLBACK IsUInt(S* self) {
  const TValue* v = V(self);
  return v->FKind == TKind::UInt || (v->FKind == TKind::Int && v->FInt >= 0);
}
int CEF_CALLBACK IsDouble(S* self) { return IsNumber(V(self)); }
int CEF_CALLBACK IsDate(S* self) { return V(self)->FKind == TKind::Date; }
int CEF_CALLBACK IsString(S* self) { return V(self)->FKind == TKind::String; }
int CEF_CALLBACK IsObject(S* self) { return V(self)->FKind == TKind::Object; }
int CEF_CALLBACK IsArray(S* self) { return V(self)->FKind == TKind::Object && V(self)->FIsArray; }
int CEF_CALLBACK IsFunction(S* self) {
  return V(self)->FKind == TKind::Object && V(self)->FIsFunction;
}

int CEF_CALLBACK IsSame(S* self, S* that) {
  return Guard(0, [&] {
    TCRef<S> hold = TCRef<S>::Adopt(that);
    const TValue* a = V(self);
    const TValue* b = V(that);
    if (!b || a->FKind != b->FKind) return 0;
    switch (a->FKind) {
      case TKind::Undefined:
      case TKind::Null:
        return 1;
      case TKind::Bool:
        return a->FBool == b->FBool ? 1 : 0;
      case TKind::Int:
        return a->FInt == b->FInt ? 1 : 0;
      case TKind::UInt:
        return a->FUInt == b->FUInt ? 1 : 0;
      case TKind::Double:
      case TKind::Date:
        return a->FDouble == b->FDouble ? 1 : 0;
      case TKind::String:
        return a->FString == b->FString ? 1 : 0;
      case TKind::Object:
        return a->FHeapPtr == b->FHeapPtr && a->FGeneration == b->FGeneration ? 1 : 0;
    }
    return 0;
  });
}

int CEF_CALLBACK GetBoolValue(S* self) { return V(self)->FKind == TKind::Bool && V(self)->FBool; }
int32_t CEF_CALLBACK GetIntValue(S* self) {
  const TValue* v = V(self);
  return v->FKind == TKind::Int ? v->FInt : ToInt32(NumberOf(v));
}
uint32_t CEF_CALLBACK GetUIntValue(S* self) {
  const TValue* v = V(self);
  return v->FKind == TKind::UInt ? v->FUInt : static_cast<uint32_t>(ToInt32(NumberOf(v)));
}
double CEF_CALLBACK GetDoubleValue(S* self) { return NumberOf(V(self)); }
cef_time_t CEF_CALLBACK GetDateValue(S* self) {
  const TValue* v = V(self);
  return v->FKind == TKind::Date ? MsToTime(v->FDouble) : cef_time_t{};
}
cef_string_userfree_t CEF_CALLBACK GetStringValue(S* self) {
  return Guard<cef_string_userfree_t>(nullptr, [&] {
    const TValue* v = V(self);
    return NewUserFree(v->FKind == TKind::String ? v->FString : std::wstring());
  });
}

// ---- Exceptions of the last call

int CEF_CALLBACK IsUserCreated(S* self) {
  return Guard(0, [&] {
    TValue* v = V(self);
    if (!IsObj(v)) return 0;
    duk_context* ctx = CurrentDuk();
    if (!duk_check_stack(ctx, 4)) return 0;
    v->Push(ctx);
    const TObjectInfo* info = ObjectInfo(ctx, -1, false);
    const bool user = (info && info->userCreated) || FunctionInfo(ctx, -1);
    duk_pop(ctx);
    return user ? 1 : 0;
  });
}
int CEF_CALLBACK HasException(S* self) { return V(self)->FException ? 1 : 0; }
cef_v8exception_t* CEF_CALLBACK GetException(S* self) { return V(self)->FException.Wrap(); }
int CEF_CALLBACK ClearException(S* self) {
  V(self)->FException.Reset();
  return 1;
}
int CEF_CALLBACK WillRethrowExceptions(S* self) { return V(self)->FRethrow ? 1 : 0; }
int CEF_CALLBACK SetRethrowExceptions(S* self, int rethrow) {
  V(self)->FRethrow = rethrow != 0;
  return 1;
}

// ---- Properties

// `op` on the value (index 0 of a protected call): its answer, or 0 when the call failed.
template <class Op>
int AskObject(S* self, Op op) {
  bool answer = false;
  auto body = [&](duk_context* c) -> duk_ret_t {
    answer = op(c);
    return 0;
  };
  duk_context* ctx = nullptr;
  if (!Call(V(self), ctx, body)) return 0;
  duk_pop(ctx);
  return answer ? 1 : 0;
}

int AskByKey(S* self, const cef_string_t* key, duk_bool_t (*op)(duk_context*, duk_idx_t)) {
  return Guard(0, [&] {
    const std::string k = ToCesu(key);
    return AskObject(self, [&](duk_context* c) {
      duk_push_lstring(c, k.data(), k.size());
      return op(c, 0) != 0;
    });
  });
}

int AskByIndex(S* self, int index, duk_bool_t (*op)(duk_context*, duk_idx_t, duk_uarridx_t)) {
  return Guard(0, [&] {
    if (index < 0) return 0;
    return AskObject(self, [&](duk_context* c) { return op(c, 0, static_cast<duk_uarridx_t>(index)) != 0; });
  });
}

int CEF_CALLBACK HasValueByKey(S* self, const cef_string_t* key) { return AskByKey(self, key, &duk_has_prop); }
int CEF_CALLBACK HasValueByIndex(S* self, int index) { return AskByIndex(self, index, &duk_has_prop_index); }
int CEF_CALLBACK DeleteValueByKey(S* self, const cef_string_t* key) { return AskByKey(self, key, &duk_del_prop); }
int CEF_CALLBACK DeleteValueByIndex(S* self, int index) { return AskByIndex(self, index, &duk_del_prop_index); }

S* CEF_CALLBACK GetValueByKey(S* self, const cef_string_t* key) {
  return Guard<S*>(nullptr, [&]() -> S* {
    std::string k = ToCesu(key);
    auto body = [&](duk_context* c) -> duk_ret_t {
      duk_push_lstring(c, k.data(), k.size());
      duk_get_prop(c, 0);
      return 1;
    };
    duk_context* ctx = nullptr;
    if (!Call(V(self), ctx, body)) return nullptr;
    S* result = TValue::FromStack(ctx, -1, OwnerContext(V(self)));
    duk_pop(ctx);
    return result;
  });
}

S* CEF_CALLBACK GetValueByIndex(S* self, int index) {
  return Guard<S*>(nullptr, [&]() -> S* {
    if (index < 0) return nullptr;
    auto body = [&](duk_context* c) -> duk_ret_t {
      duk_get_prop_index(c, 0, static_cast<duk_uarridx_t>(index));
      return 1;
    };
    duk_context* ctx = nullptr;
    if (!Call(V(self), ctx, body)) return nullptr;
    S* result = TValue::FromStack(ctx, -1, OwnerContext(V(self)));
    duk_pop(ctx);
    return result;
  });
}

int CEF_CALLBACK SetValueByKey(S* self, const cef_string_t* key, S* value,
                               cef_v8_propertyattribute_t attribute) {
  return Guard(0, [&] {
    TCRef<S> hold = TCRef<S>::Adopt(value);
    TValue* v = V(value);
    if (!v || !v->Valid()) return 0;
    std::string k = ToCesu(key);
    auto body = [&](duk_context* c) -> duk_ret_t {
      duk_push_lstring(c, k.data(), k.size());
      v->Push(c);
      if (attribute == V8_PROPERTY_ATTRIBUTE_NONE) {
        duk_put_prop(c, 0);
      } else {
        duk_uint_t flags = DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_HAVE_WRITABLE |
                           DUK_DEFPROP_HAVE_ENUMERABLE | DUK_DEFPROP_HAVE_CONFIGURABLE |
                           DUK_DEFPROP_FORCE;
        if (!(attribute & V8_PROPERTY_ATTRIBUTE_READONLY)) flags |= DUK_DEFPROP_WRITABLE;
        if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTENUM)) flags |= DUK_DEFPROP_ENUMERABLE;
        if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTDELETE)) flags |= DUK_DEFPROP_CONFIGURABLE;
        duk_def_prop(c, 0, flags);
      }
      return 0;
    };
    duk_context* ctx = nullptr;
    if (!Call(V(self), ctx, body)) return 0;
    duk_pop(ctx);
    return 1;
  });
}

int CEF_CALLBACK SetValueByIndex(S* self, int index, S* value) {
  return Guard(0, [&] {
    TCRef<S> hold = TCRef<S>::Adopt(value);
    TValue* v = V(value);
    if (!v || !v->Valid() || index < 0) return 0;
    auto body = [&](duk_context* c) -> duk_ret_t {
      v->Push(c);
      duk_put_prop_index(c, 0, static_cast<duk_uarridx_t>(index));
      return 0;
    };
    duk_context* ctx = nullptr;
    if (!Call(V(self), ctx, body)) return 0;
    duk_pop(ctx);
    return 1;
  });
}

// Accessor properties: a getter and a setter function per key, bound to the object's accessor.
struct TAccessorBinding {
  cef_v8accessor_t* accessor = nullptr;  // one reference
  std::wstring key;
};
const char* const kBindingKey = DUK_HIDDEN_SYMBOL("binding");

duk_ret_t BindingFinalizer(duk_context* ctx) {
  duk_get_prop_string(ctx, 0, kBindingKey);
  auto* b = static_cast<TAccessorBinding*>(duk_get_pointer(ctx, -1));
  duk_pop(ctx);
  if (b) {
    duk_push_string(ctx, kBindingKey);
    duk_push_pointer(ctx, nullptr);
    duk_def_prop(ctx, 0, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
    try {
      if (b->accessor && b->accessor->base.release) b->accessor->base.release(&b->accessor->base);
      delete b;
    } catch (...) {
    }
  }
  return 0;
}

// [value?, this, function] -> result or message on top; see InvokeHandler for the codes.
int InvokeAccessor(duk_context* ctx, bool set) {
  try {
    duk_get_prop_string(ctx, -1, kBindingKey);
    auto* b = static_cast<TAccessorBinding*>(duk_get_pointer(ctx, -1));
    duk_pop(ctx);
    if (!b || !b->accessor) {
      duk_push_undefined(ctx);
      return 1;
    }
    TCRef<cef_v8accessor_t> accessor = TCRef<cef_v8accessor_t>::Share(b->accessor);
    std::wstring key = b->key;
    TContext* owner = CurrentContext();
    S* object = TValue::FromStack(ctx, -2, owner);
    cef_string_t name = ViewOf(key);
    cef_string_t exception{};
    S* retval = nullptr;
    {
      TRunningScope running(ctx);
      try {
        if (set && STANDIN_HAS(accessor.Get(), set)) {
          S* value = TValue::FromStack(ctx, 0, owner);
          accessor->set(accessor.Get(), &name, object, value, &exception);
        } else if (!set && STANDIN_HAS(accessor.Get(), get)) {
          accessor->get(accessor.Get(), &name, object, &retval, &exception);
        } else {
          object->base.release(&object->base);
        }
      } catch (...) {
      }
    }
    TCRef<S> result = TCRef<S>::Adopt(retval);
    return PushHandlerOutcome(ctx, exception, result.Get());
  } catch (...) {
    duk_push_string(ctx, "accessor failed");
    return -1;
  }
}

duk_ret_t AccessorGetter(duk_context* ctx) {
  duk_set_top(ctx, 0);
  duk_push_this(ctx);
  duk_push_current_function(ctx);
  return FinishNative(ctx, InvokeAccessor(ctx, false));
}

duk_ret_t AccessorSetter(duk_context* ctx) {
  duk_set_top(ctx, 1);
  duk_push_this(ctx);
  duk_push_current_function(ctx);
  FinishNative(ctx, InvokeAccessor(ctx, true));
  return 0;
}

void PushAccessorFunction(duk_context* ctx, bool set, cef_v8accessor_t* accessor,
                          const std::wstring& key) {
  duk_push_c_function(ctx, set ? &AccessorSetter : &AccessorGetter, set ? 1 : 0);
  auto* b = new TAccessorBinding{accessor, key};
  if (accessor && accessor->base.add_ref) accessor->base.add_ref(&accessor->base);
  duk_push_string(ctx, kBindingKey);
  duk_push_pointer(ctx, b);
  duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE);
  duk_push_c_function(ctx, &BindingFinalizer, 1);
  duk_set_finalizer(ctx, -2);
}

int CEF_CALLBACK SetValueByAccessor(S* self, const cef_string_t* key,
                                    cef_v8_accesscontrol_t settings,
                                    cef_v8_propertyattribute_t attribute) {
  (void)settings;
  return Guard(0, [&] {
    TValue* v = V(self);
    if (!IsObj(v)) return 0;
    std::wstring wkey = ToW(key);
    std::string k = ToCesu(wkey);
    cef_v8accessor_t* accessor = nullptr;
    {
      duk_context* ctx = CurrentDuk();
      if (!duk_check_stack(ctx, 4)) return 0;
      v->Push(ctx);
      TObjectInfo* info = ObjectInfo(ctx, -1, false);
      duk_pop(ctx);
      accessor = info ? info->accessor : nullptr;
    }
    // Only objects made with an accessor can have accessor properties.
    if (!accessor) return 0;
    auto body = [&](duk_context* c) -> duk_ret_t {
      duk_push_lstring(c, k.data(), k.size());
      duk_uint_t flags = DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_ENUMERABLE |
                         DUK_DEFPROP_HAVE_CONFIGURABLE | DUK_DEFPROP_FORCE;
      PushAccessorFunction(c, false, accessor, wkey);
      if (!(attribute & V8_PROPERTY_ATTRIBUTE_READONLY)) {
        PushAccessorFunction(c, true, accessor, wkey);
        flags |= DUK_DEFPROP_HAVE_SETTER;
      }
      if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTENUM)) flags |= DUK_DEFPROP_ENUMERABLE;
      if (!(attribute & V8_PROPERTY_ATTRIBUTE_DONTDELETE)) flags |= DUK_DEFPROP_CONFIGURABLE;
      duk_def_prop(c, 0, flags);
      return 0;
    };
    duk_context* ctx = nullptr;
    if (!Call(v, ctx, body)) return 0;
    duk_pop(ctx);
    return 1;
  });
}

int CEF_CALLBACK GetKeys(S* self, cef_string_list_t keys) {
  return Guard(0, [&] {
    auto body = [](duk_context* c) -> duk_ret_t {
      duk_push_array(c);
      duk_enum(c, 0, DUK_ENUM_OWN_PROPERTIES_ONLY);
      duk_uarridx_t n = 0;
      while (duk_next(c, -1, 0)) duk_put_prop_index(c, 1, n++);
      duk_pop(c);
      return 1;
    };
    duk_context* ctx = nullptr;
    if (!Call(V(self), ctx, body)) return 0;
    duk_size_t n = duk_get_length(ctx, -1);
    for (duk_size_t i = 0; i < n; ++i) {
      duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
      std::wstring k = GetWString(ctx, -1);
      duk_pop(ctx);
      cef_string_t view = ViewOf(k);
      if (keys) cef_string_list_append(keys, &view);
    }
    duk_pop(ctx);
    return 1;
  });
}

// ---- User data, memory, arrays, functions

int CEF_CALLBACK SetUserData(S* self, cef_base_t* userData) {
  return Guard(0, [&] {
    TValue* v = V(self);
    if (!IsObj(v)) {
      if (userData && userData->release) userData->release(userData);
      return 0;
    }
    TObjectInfo* info = nullptr;
    auto body = [&](duk_context* c) -> duk_ret_t {
      info = ObjectInfo(c, 0, true);
      return 0;
    };
    duk_context* ctx = nullptr;
    if (!Call(v, ctx, body) || !info) {
      if (userData && userData->release) userData->release(userData);
      return 0;
    }
    duk_pop(ctx);
    cef_base_t* old = info->userData;
    info->userData = userData;
    if (old && old->release) old->release(old);
    return 1;
  });
}

cef_base_t* CEF_CALLBACK GetUserData(S* self) {
  return Guard<cef_base_t*>(nullptr, [&]() -> cef_base_t* {
    TValue* v = V(self);
    if (!IsObj(v)) return nullptr;
    duk_context* ctx = CurrentDuk();
    if (!duk_check_stack(ctx, 4)) return nullptr;
    v->Push(ctx);
    TObjectInfo* info = ObjectInfo(ctx, -1, false);
    duk_pop(ctx);
    cef_base_t* data = info ? info->userData : nullptr;
    if (data && data->add_ref) data->add_ref(data);
    return data;
  });
}

TObjectInfo* InfoOf(TValue* v, bool create) {
  if (!IsObj(v)) return nullptr;
  TObjectInfo* info = nullptr;
  auto body = [&](duk_context* c) -> duk_ret_t {
    info = ObjectInfo(c, 0, create);
    return 0;
  };
  duk_context* ctx = nullptr;
  if (!Call(v, ctx, body)) return nullptr;
  duk_pop(ctx);
  return info;
}

const TObjectInfo* FunctionInfoOf(TValue* v) {
  if (!IsObj(v) || !v->FIsFunction) return nullptr;
  const TObjectInfo* info = nullptr;
  auto body = [&](duk_context* c) -> duk_ret_t {
    info = FunctionInfo(c, 0);
    return 0;
  };
  duk_context* ctx = nullptr;
  if (!Call(v, ctx, body)) return nullptr;
  duk_pop(ctx);
  return info;
}

int CEF_CALLBACK GetExternallyAllocatedMemory(S* self) {
  return Guard(0, [&] {
    TObjectInfo* info = InfoOf(V(self), false);
    return info ? info->externalMemory : 0;
  });
}

int CEF_CALLBACK AdjustExternallyAllocatedMemory(S* self, int change) {
  return Guard(0, [&] {
    TObjectInfo* info = InfoOf(V(self), true);
    if (!info) return 0;
    info->externalMemory += change;
    return info->externalMemory;
  });
}

int CEF_CALLBACK GetArrayLength(S* self) {
  return Guard(0, [&] {
    TValue* v = V(self);
    if (!IsObj(v) || !v->FIsArray) return 0;
    duk_context* ctx = CurrentDuk();
    if (!duk_check_stack(ctx, 2)) return 0;
    v->Push(ctx);
    int n = static_cast<int>(duk_get_length(ctx, -1));
    duk_pop(ctx);
    return n;
  });
}

cef_string_userfree_t CEF_CALLBACK GetFunctionName(S* self) {
  return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
    TValue* v = V(self);
    if (!IsObj(v) || !v->FIsFunction) return NewUserFree(L"");
    const TObjectInfo* info = FunctionInfoOf(v);
    if (info && info->handler) return NewUserFree(info->functionName);
    auto body = [](duk_context* c) -> duk_ret_t {
      duk_get_prop_string(c, 0, "name");
      if (!duk_is_string(c, -1)) duk_push_string(c, "");
      return 1;
    };
    duk_context* ctx = nullptr;
    if (!Call(v, ctx, body)) return NewUserFree(L"");
    std::wstring name = GetWString(ctx, -1);
    duk_pop(ctx);
    return NewUserFree(name);
  });
}

cef_v8handler_t* CEF_CALLBACK GetFunctionHandler(S* self) {
  return Guard<cef_v8handler_t*>(nullptr, [&]() -> cef_v8handler_t* {
    TValue* v = V(self);
    if (!IsObj(v) || !v->FIsFunction) return nullptr;
    const TObjectInfo* info = FunctionInfoOf(v);
    cef_v8handler_t* h = info ? info->handler : nullptr;
    if (h && h->base.add_ref) h->base.add_ref(&h->base);
    return h;
  });
}

S* Execute(S* self, TContext* context, S* object, size_t argc, S* const* args) {
  TValue* v = V(self);
  if (!IsObj(v) || !v->FIsFunction) return nullptr;
  if (!context) context = OwnerContext(v);
  if (context && !context->Valid()) return nullptr;
  TEngine& e = Engine();
  FlushDeferredReleases();
  // Run on the context's own thread when nothing runs, so sloppy functions see its global.
  duk_context* ctx = !e.running.empty() ? e.running.back()
                     : context && context->Duk() ? context->Duk()
                                                 : e.heap;
  if (!ctx || argc > 10000 || !duk_check_stack(ctx, static_cast<duk_idx_t>(argc) + 8))
    return nullptr;
  TContextScope scope(context);
  v->Push(ctx);
  TValue* receiver = object ? TValue::From(object) : nullptr;
  if (receiver && receiver->Valid())
    receiver->Push(ctx);
  else
    duk_push_undefined(ctx);
  for (size_t i = 0; i < argc; ++i) {
    TValue* a = args && args[i] ? TValue::From(args[i]) : nullptr;
    if (a && a->Valid())
      a->Push(ctx);
    else
      duk_push_undefined(ctx);
  }
  v->FException.Reset();
  if (ProtectedCallMethod(ctx, static_cast<duk_idx_t>(argc)) != DUK_EXEC_SUCCESS) {
    RecordException(ctx, v);
    return nullptr;
  }
  S* result = TValue::FromStack(ctx, -1, context);
  duk_pop(ctx);
  return result;
}

S* CEF_CALLBACK ExecuteFunction(S* self, S* object, size_t argc, S* const* args) {
  return Guard<S*>(nullptr, [&]() -> S* {
    TCRef<S> holdObject = TCRef<S>::Adopt(object);
    std::vector<TCRef<S>> holdArgs;
    for (size_t i = 0; args && i < argc; ++i) holdArgs.push_back(TCRef<S>::Adopt(args[i]));
    return Execute(self, nullptr, object, argc, args);
  });
}

S* CEF_CALLBACK ExecuteFunctionWithContext(S* self, cef_v8context_t* context, S* object,
                                           size_t argc, S* const* args) {
  return Guard<S*>(nullptr, [&]() -> S* {
    TCRef<cef_v8context_t> holdContext = TCRef<cef_v8context_t>::Adopt(context);
    TCRef<S> holdObject = TCRef<S>::Adopt(object);
    std::vector<TCRef<S>> holdArgs;
    for (size_t i = 0; args && i < argc; ++i) holdArgs.push_back(TCRef<S>::Adopt(args[i]));
    return Execute(self, TContext::From(context), object, argc, args);
  });
}

}  // namespace

// ---- Shared helpers

bool ObjectCall(TValue* value, duk_context*& ctx, duk_ret_t (*body)(duk_context*, void*),
                void* udata) {
  if (!IsObj(value)) return false;
  FlushDeferredReleases();
  // When no script runs, work on the object's own context thread: getters and setters then
  // see that context's global, and dates become that context's Date objects.
  TEngine& e = Engine();
  TContext* owner = TContext::From(value->FContext.Get());
  ctx = !e.running.empty() ? e.running.back() : owner && owner->Duk() ? owner->Duk() : e.heap;
  if (!ctx || !duk_check_stack(ctx, 16)) return false;
  value->Push(ctx);
  if (ProtectedRun(ctx, 1, body, udata) != DUK_EXEC_SUCCESS) {
    RecordException(ctx, value);
    return false;
  }
  return true;
}

void RecordException(duk_context* ctx, TValue* value) {
  TEngine& e = Engine();
  TContext* context = CurrentContext();
  if (!context && value) context = TContext::From(value->FContext.Get());
  TErrorInfo info = DescribeError(ctx, context);
  if (value) {
    value->FException = TCRef<cef_v8exception_t>::Adopt((new TException(info))->Struct());
    if (value->FRethrow && e.nativeDepth > 0) {
      // Thrown on to the script that called the native code, once that code returns.
      duk_push_heap_stash(ctx);
      duk_dup(ctx, -2);
      duk_put_prop_string(ctx, -2, "pending");
      duk_pop(ctx);
      e.pendingThrow = true;
    }
  }
  duk_pop(ctx);
}

namespace {

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

}  // namespace

double TimeToMs(const cef_time_t& t) {
  if (t.month < 1 || t.month > 12 || t.day_of_month < 1 || t.day_of_month > 31) return 0;
  int64_t days = DaysFromCivil(t.year, static_cast<unsigned>(t.month),
                               static_cast<unsigned>(t.day_of_month));
  return ((static_cast<double>(days) * 24 + t.hour) * 60 + t.minute) * 60000.0 +
         t.second * 1000.0 + t.millisecond;
}

cef_time_t MsToTime(double ms) {
  cef_time_t t{};
  if (!std::isfinite(ms)) return t;
  int64_t total = static_cast<int64_t>(std::floor(ms));
  int64_t days = total >= 0 ? total / 86400000 : -((-total + 86399999) / 86400000);
  int64_t rest = total - days * 86400000;
  t.hour = static_cast<int>(rest / 3600000);
  t.minute = static_cast<int>(rest / 60000 % 60);
  t.second = static_cast<int>(rest / 1000 % 60);
  t.millisecond = static_cast<int>(rest % 1000);
  t.day_of_week = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  t.year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
  t.month = static_cast<int>(m);
  t.day_of_month = static_cast<int>(d);
  return t;
}

// ---- Construction

TValue::TValue() {
  S& s = FStruct;
  s.is_valid = &IsValid;
  s.is_undefined = &IsUndefined;
  s.is_null = &IsNull;
  s.is_bool = &IsBool;
  s.is_int = &IsInt;
  s.is_uint = &IsUInt;
  s.is_double = &IsDouble;
  s.is_date = &IsDate;
  s.is_string = &IsString;
  s.is_object = &IsObject;
  s.is_array = &IsArray;
  s.is_function = &IsFunction;
  s.is_same = &IsSame;
  s.get_bool_value = &GetBoolValue;
  s.get_int_value = &GetIntValue;
  s.get_uint_value = &GetUIntValue;
  s.get_double_value = &GetDoubleValue;
  s.get_date_value = &GetDateValue;
  s.get_string_value = &GetStringValue;
  s.is_user_created = &IsUserCreated;
  s.has_exception = &HasException;
  s.get_exception = &GetException;
  s.clear_exception = &ClearException;
  s.will_rethrow_exceptions = &WillRethrowExceptions;
  s.set_rethrow_exceptions = &SetRethrowExceptions;
  s.has_value_bykey = &HasValueByKey;
  s.has_value_byindex = &HasValueByIndex;
  s.delete_value_bykey = &DeleteValueByKey;
  s.delete_value_byindex = &DeleteValueByIndex;
  s.get_value_bykey = &GetValueByKey;
  s.get_value_byindex = &GetValueByIndex;
  s.set_value_bykey = &SetValueByKey;
  s.set_value_byindex = &SetValueByIndex;
  s.set_value_byaccessor = &SetValueByAccessor;
  s.get_keys = &GetKeys;
  s.set_user_data = &SetUserData;
  s.get_user_data = &GetUserData;
  s.get_externally_allocated_memory = &GetExternallyAllocatedMemory;
  s.adjust_externally_allocated_memory = &AdjustExternallyAllocatedMemory;
  s.get_array_length = &GetArrayLength;
  s.get_function_name = &GetFunctionName;
  s.get_function_handler = &GetFunctionHandler;
  s.execute_function = &ExecuteFunction;
  s.execute_function_with_context = &ExecuteFunctionWithContext;
}

namespace {
// A new value of `kind`; `fill` sets what it holds.
template <class F>
cef_v8value_t* NewValue(TKind kind, F fill) {
  auto* v = new TValue();
  v->FKind = kind;
  fill(*v);
  return v->Struct();
}
}  // namespace

cef_v8value_t* TValue::NewPrimitive(TKind kind) {
  return NewValue(kind, [](TValue&) {});
}
cef_v8value_t* TValue::NewBool(bool b) {
  return NewValue(TKind::Bool, [&](TValue& v) { v.FBool = b; });
}
cef_v8value_t* TValue::NewInt(int32_t i) {
  return NewValue(TKind::Int, [&](TValue& v) { v.FInt = i; });
}
cef_v8value_t* TValue::NewUInt(uint32_t u) {
  return NewValue(TKind::UInt, [&](TValue& v) { v.FUInt = u; });
}
cef_v8value_t* TValue::NewDouble(double d) {
  return NewValue(TKind::Double, [&](TValue& v) { v.FDouble = d; });
}
cef_v8value_t* TValue::NewDate(double ms) {
  return NewValue(TKind::Date, [&](TValue& v) { v.FDouble = ms; });
}
cef_v8value_t* TValue::NewString(const std::wstring& s) {
  return NewValue(TKind::String, [&](TValue& v) { v.FString = s; });
}

}  // namespace standin::script

// ---- Exports

using namespace standin;
using namespace standin::script;

namespace {

// Objects need a context to live in: the current one.
template <class F>
cef_v8value_t* CreateInContext(F&& push) {
  if (!OnScriptThread() || !HeapAlive()) return nullptr;
  TContext* context = CurrentContext();
  if (!context || !context->Valid()) return nullptr;
  TEngine& e = Engine();
  duk_context* ctx = !e.running.empty() ? e.running.back() : context->Duk();
  if (!ctx || !duk_check_stack(ctx, 8)) return nullptr;
  push(ctx);
  cef_v8value_t* v = TValue::FromStack(ctx, -1, context);
  duk_pop(ctx);
  return v;
}

}  // namespace

extern "C" {

cef_v8value_t* CEF_EXPORT cef_v8value_create_undefined(void) {
  return Guard<cef_v8value_t*>(nullptr, [] { return TValue::NewPrimitive(TKind::Undefined); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_null(void) {
  return Guard<cef_v8value_t*>(nullptr, [] { return TValue::NewPrimitive(TKind::Null); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_bool(int value) {
  return Guard<cef_v8value_t*>(nullptr, [&] { return TValue::NewBool(value != 0); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_int(int32_t value) {
  return Guard<cef_v8value_t*>(nullptr, [&] { return TValue::NewInt(value); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_uint(uint32_t value) {
  return Guard<cef_v8value_t*>(nullptr, [&] { return TValue::NewUInt(value); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_double(double value) {
  return Guard<cef_v8value_t*>(nullptr, [&] { return TValue::NewDouble(value); });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_date(const cef_time_t* date) {
  return Guard<cef_v8value_t*>(nullptr, [&]() -> cef_v8value_t* {
    return date ? TValue::NewDate(TimeToMs(*date)) : nullptr;
  });
}
cef_v8value_t* CEF_EXPORT cef_v8value_create_string(const cef_string_t* value) {
  return Guard<cef_v8value_t*>(nullptr, [&] { return TValue::NewString(ToW(value)); });
}

cef_v8value_t* CEF_EXPORT cef_v8value_create_object(cef_v8accessor_t* accessor) {
  TCRef<cef_v8accessor_t> hold = TCRef<cef_v8accessor_t>::Adopt(accessor);
  return Guard<cef_v8value_t*>(nullptr, [&] {
    return CreateInContext([&](duk_context* ctx) {
      duk_push_object(ctx);
      TObjectInfo* info = ObjectInfo(ctx, -1, true);
      info->userCreated = true;
      info->accessor = hold.Wrap();
    });
  });
}

cef_v8value_t* CEF_EXPORT cef_v8value_create_array(int length) {
  return Guard<cef_v8value_t*>(nullptr, [&] {
    return CreateInContext([&](duk_context* ctx) {
      duk_push_array(ctx);
      if (length > 0) {
        duk_push_int(ctx, length);
        duk_put_prop_string(ctx, -2, "length");
      }
      ObjectInfo(ctx, -1, true)->userCreated = true;
    });
  });
}

cef_v8value_t* CEF_EXPORT cef_v8value_create_function(const cef_string_t* name,
                                                     cef_v8handler_t* handler) {
  TCRef<cef_v8handler_t> hold = TCRef<cef_v8handler_t>::Adopt(handler);
  return Guard<cef_v8value_t*>(nullptr, [&]() -> cef_v8value_t* {
    if (!handler) return nullptr;
    const std::wstring_view fname =
        name && name->str ? std::wstring_view(reinterpret_cast<const wchar_t*>(name->str), name->length)
                          : std::wstring_view();
    return CreateInContext([&](duk_context* ctx) { PushNativeFunction(ctx, handler, fname); });
  });
}

}  // extern "C"
