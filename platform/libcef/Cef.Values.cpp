// Structure arguments other than self arrive with one reference that the entry releases
// (`held`); structures handed out carry one reference for the receiver.
#include "Cef.Values.h"

#include <cstring>

namespace standin {

namespace {


std::shared_ptr<TListData> CopyList(const TListData& l, bool excludeEmpty = false);
std::shared_ptr<TDictData> CopyDict(const TDictData& d, bool excludeEmpty = false);

bool IsEmptyContainer(const TValueData& v) {
  return (v.type == VTYPE_LIST && (!v.list || v.list->items.empty())) ||
         (v.type == VTYPE_DICTIONARY && (!v.dict || v.dict->items.empty()));
}

TValueData CopyValue(const TValueData& v, bool excludeEmpty) {
  TValueData c = v;
  if (v.bin) c.bin = std::make_shared<TBytes>(*v.bin);
  if (v.list) c.list = CopyList(*v.list, excludeEmpty);
  if (v.dict) c.dict = CopyDict(*v.dict, excludeEmpty);
  return c;
}

std::shared_ptr<TListData> CopyList(const TListData& l, bool excludeEmpty) {
  auto c = std::make_shared<TListData>();
  c->items.reserve(l.items.size());
  for (const auto& v : l.items) c->items.push_back(CopyValue(v, excludeEmpty));
  return c;
}

std::shared_ptr<TDictData> CopyDict(const TDictData& d, bool excludeEmpty) {
  auto c = std::make_shared<TDictData>();
  for (const auto& [k, v] : d.items) {
    TValueData copy = CopyValue(v, excludeEmpty);
    if (excludeEmpty && IsEmptyContainer(copy)) continue;
    c->items.emplace(k, std::move(copy));
  }
  return c;
}

TValueData MakeNull() { return TValueData{}; }
TValueData MakeBool(int b) {
  TValueData v;
  v.type = VTYPE_BOOL;
  v.b = b != 0;
  return v;
}
TValueData MakeInt(int i) {
  TValueData v;
  v.type = VTYPE_INT;
  v.i = i;
  return v;
}
TValueData MakeDouble(double d) {
  TValueData v;
  v.type = VTYPE_DOUBLE;
  v.d = d;
  return v;
}
TValueData MakeString(const cef_string_t* s) {
  TValueData v;
  v.type = VTYPE_STRING;
  v.s = ToW(s);
  return v;
}

// Readers shared by lists, dictionaries and single values; a wrong type reads as the empty value.
int ReadBool(const TValueData& v) { return v.type == VTYPE_BOOL && v.b ? 1 : 0; }
int ReadInt(const TValueData& v) { return v.type == VTYPE_INT ? v.i : 0; }
double ReadDouble(const TValueData& v) {
  return v.type == VTYPE_DOUBLE ? v.d : (v.type == VTYPE_INT ? static_cast<double>(v.i) : 0.0);
}
cef_string_userfree_t ReadString(const TValueData& v) {
  return v.type == VTYPE_STRING ? NewUserFree(v.s) : nullptr;
}

// Values put into a container are copied in; a structure that is not ours is refused.
bool TakeBinary(cef_binary_value_t* b, TValueData& out) {
  auto data = BinaryDataOf(b);
  if (!data) return false;
  out = TValueData{};
  out.type = VTYPE_BINARY;
  out.bin = std::make_shared<TBytes>(*data);
  return true;
}
bool TakeList(cef_list_value_t* l, TValueData& out) {
  auto data = ListDataOf(l);
  if (!data) return false;
  out = TValueData{};
  out.type = VTYPE_LIST;
  out.list = CopyList(*data);
  return true;
}
bool TakeDict(cef_dictionary_value_t* d, TValueData& out) {
  auto data = DictDataOf(d);
  if (!data) return false;
  out = TValueData{};
  out.type = VTYPE_DICTIONARY;
  out.dict = CopyDict(*data);
  return true;
}
bool TakeValue(cef_value_t* value, TValueData& out) {
  auto data = ValueDataOf(value);
  if (!data) return false;
  out = CopyValue(*data, false);
  return true;
}

// ---- binary ---------------------------------------------------------------------------------

class TBinary : public TCefObject<TBinary, cef_binary_value_t> {
public:
  TBinary(std::shared_ptr<TBytes> data, bool owned) : FData(std::move(data)), FOwned(owned) {
    FStruct.is_valid = [](cef_binary_value_t*) CALLBACK -> int { return 1; };
    FStruct.is_owned = [](cef_binary_value_t* self) CALLBACK -> int { return From(self)->FOwned ? 1 : 0; };
    FStruct.is_same = [](cef_binary_value_t* self, cef_binary_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_binary_value_t>::Adopt(that);
      auto o = BinaryDataOf(that);
      return o && o == From(self)->FData ? 1 : 0;
    };
    FStruct.is_equal = [](cef_binary_value_t* self, cef_binary_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_binary_value_t>::Adopt(that);
      auto o = BinaryDataOf(that);
      return o && *o == *From(self)->FData ? 1 : 0;
    };
    FStruct.copy = [](cef_binary_value_t* self) CALLBACK -> cef_binary_value_t* {
      return Guard<cef_binary_value_t*>(nullptr, [&] {
        return NewBinary(std::make_shared<TBytes>(*From(self)->FData));
      });
    };
    FStruct.get_size = [](cef_binary_value_t* self) CALLBACK -> size_t { return From(self)->FData->size(); };
    FStruct.get_data = [](cef_binary_value_t* self, void* buffer, size_t size, size_t offset) CALLBACK -> size_t {
      const TBytes& b = *From(self)->FData;
      if (!buffer || offset >= b.size()) return 0;
      const size_t n = std::min(size, b.size() - offset);
      std::memcpy(buffer, b.data() + offset, n);
      return n;
    };
  }
  std::shared_ptr<TBytes> FData;
  bool FOwned;
};

// ---- list -----------------------------------------------------------------------------------

class TList : public TCefObject<TList, cef_list_value_t> {
public:
  TList(std::shared_ptr<TListData> data, bool owned, bool readOnly)
      : FData(std::move(data)), FOwned(owned), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_valid = [](cef_list_value_t*) CALLBACK -> int { return 1; };
    s.is_owned = [](cef_list_value_t* self) CALLBACK -> int { return From(self)->FOwned ? 1 : 0; };
    s.is_read_only = [](cef_list_value_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.is_same = [](cef_list_value_t* self, cef_list_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_list_value_t>::Adopt(that);
      auto o = ListDataOf(that);
      return o && o == From(self)->FData ? 1 : 0;
    };
    s.is_equal = [](cef_list_value_t* self, cef_list_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_list_value_t>::Adopt(that);
      return Guard(0, [&] {
        auto o = ListDataOf(that);
        if (!o) return 0;
        TValueData a, b;
        a.type = b.type = VTYPE_LIST;
        a.list = From(self)->FData;
        b.list = o;
        return a.Equals(b) ? 1 : 0;
      });
    };
    s.copy = [](cef_list_value_t* self) CALLBACK -> cef_list_value_t* {
      return Guard<cef_list_value_t*>(nullptr, [&] { return NewList(CopyList(*From(self)->FData)); });
    };
    s.set_size = [](cef_list_value_t* self, size_t size) CALLBACK -> int {
      return Guard(0, [&] {
        if (From(self)->FReadOnly) return 0;
        From(self)->FData->items.resize(size);
        return 1;
      });
    };
    s.get_size = [](cef_list_value_t* self) CALLBACK -> size_t { return From(self)->FData->items.size(); };
    s.clear = [](cef_list_value_t* self) CALLBACK -> int {
      if (From(self)->FReadOnly) return 0;
      From(self)->FData->items.clear();
      return 1;
    };
    s.remove = [](cef_list_value_t* self, int index) CALLBACK -> int {
      TList* l = From(self);
      if (l->FReadOnly || !l->Valid(index)) return 0;
      l->FData->items.erase(l->FData->items.begin() + index);
      return 1;
    };
    s.get_type = [](cef_list_value_t* self, int index) CALLBACK -> cef_value_type_t {
      const TValueData* v = From(self)->At(index);
      return v ? v->type : VTYPE_INVALID;
    };
    s.get_value = [](cef_list_value_t* self, int index) CALLBACK -> cef_value_t* {
      return Guard<cef_value_t*>(nullptr, [&]() -> cef_value_t* {
        const TValueData* v = From(self)->At(index);
        // Shares child containers, so the value is a view of the element.
        return v ? NewValue(std::make_shared<TValueData>(*v), true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.get_bool = [](cef_list_value_t* self, int index) CALLBACK -> int {
      const TValueData* v = From(self)->At(index);
      return v ? ReadBool(*v) : 0;
    };
    s.get_int = [](cef_list_value_t* self, int index) CALLBACK -> int {
      const TValueData* v = From(self)->At(index);
      return v ? ReadInt(*v) : 0;
    };
    s.get_double = [](cef_list_value_t* self, int index) CALLBACK -> double {
      const TValueData* v = From(self)->At(index);
      return v ? ReadDouble(*v) : 0.0;
    };
    s.get_string = [](cef_list_value_t* self, int index) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
        const TValueData* v = From(self)->At(index);
        return v ? ReadString(*v) : nullptr;
      });
    };
    s.get_binary = [](cef_list_value_t* self, int index) CALLBACK -> cef_binary_value_t* {
      return Guard<cef_binary_value_t*>(nullptr, [&]() -> cef_binary_value_t* {
        const TValueData* v = From(self)->At(index);
        return v && v->type == VTYPE_BINARY ? NewBinary(v->bin, true) : nullptr;
      });
    };
    s.get_dictionary = [](cef_list_value_t* self, int index) CALLBACK -> cef_dictionary_value_t* {
      return Guard<cef_dictionary_value_t*>(nullptr, [&]() -> cef_dictionary_value_t* {
        const TValueData* v = From(self)->At(index);
        return v && v->type == VTYPE_DICTIONARY ? NewDictionary(v->dict, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.get_list = [](cef_list_value_t* self, int index) CALLBACK -> cef_list_value_t* {
      return Guard<cef_list_value_t*>(nullptr, [&]() -> cef_list_value_t* {
        const TValueData* v = From(self)->At(index);
        return v && v->type == VTYPE_LIST ? NewList(v->list, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.set_value = [](cef_list_value_t* self, int index, cef_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeValue(value, v) && From(self)->Put(index, std::move(v)) ? 1 : 0;
      });
    };
    s.set_null = [](cef_list_value_t* self, int index) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(index, MakeNull()) ? 1 : 0; });
    };
    s.set_bool = [](cef_list_value_t* self, int index, int value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(index, MakeBool(value)) ? 1 : 0; });
    };
    s.set_int = [](cef_list_value_t* self, int index, int value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(index, MakeInt(value)) ? 1 : 0; });
    };
    s.set_double = [](cef_list_value_t* self, int index, double value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(index, MakeDouble(value)) ? 1 : 0; });
    };
    s.set_string = [](cef_list_value_t* self, int index, const cef_string_t* value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(index, MakeString(value)) ? 1 : 0; });
    };
    s.set_binary = [](cef_list_value_t* self, int index, cef_binary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_binary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeBinary(value, v) && From(self)->Put(index, std::move(v)) ? 1 : 0;
      });
    };
    s.set_dictionary = [](cef_list_value_t* self, int index, cef_dictionary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_dictionary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeDict(value, v) && From(self)->Put(index, std::move(v)) ? 1 : 0;
      });
    };
    s.set_list = [](cef_list_value_t* self, int index, cef_list_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_list_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeList(value, v) && From(self)->Put(index, std::move(v)) ? 1 : 0;
      });
    };
  }

  bool Valid(int index) const { return index >= 0 && static_cast<size_t>(index) < FData->items.size(); }
  const TValueData* At(int index) const { return Valid(index) ? &FData->items[static_cast<size_t>(index)] : nullptr; }
  // Setting past the end grows the list with nulls, as the runtime does.
  bool Put(int index, TValueData v) {
    if (FReadOnly || index < 0) return false;
    if (static_cast<size_t>(index) >= FData->items.size()) FData->items.resize(static_cast<size_t>(index) + 1);
    FData->items[static_cast<size_t>(index)] = std::move(v);
    return true;
  }

  std::shared_ptr<TListData> FData;
  bool FOwned;
  bool FReadOnly;
};

// ---- dictionary -----------------------------------------------------------------------------

class TDict : public TCefObject<TDict, cef_dictionary_value_t> {
public:
  TDict(std::shared_ptr<TDictData> data, bool owned, bool readOnly)
      : FData(std::move(data)), FOwned(owned), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_valid = [](cef_dictionary_value_t*) CALLBACK -> int { return 1; };
    s.is_owned = [](cef_dictionary_value_t* self) CALLBACK -> int { return From(self)->FOwned ? 1 : 0; };
    s.is_read_only = [](cef_dictionary_value_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.is_same = [](cef_dictionary_value_t* self, cef_dictionary_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_dictionary_value_t>::Adopt(that);
      auto o = DictDataOf(that);
      return o && o == From(self)->FData ? 1 : 0;
    };
    s.is_equal = [](cef_dictionary_value_t* self, cef_dictionary_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_dictionary_value_t>::Adopt(that);
      return Guard(0, [&] {
        auto o = DictDataOf(that);
        if (!o) return 0;
        TValueData a, b;
        a.type = b.type = VTYPE_DICTIONARY;
        a.dict = From(self)->FData;
        b.dict = o;
        return a.Equals(b) ? 1 : 0;
      });
    };
    s.copy = [](cef_dictionary_value_t* self, int excludeEmpty) CALLBACK -> cef_dictionary_value_t* {
      return Guard<cef_dictionary_value_t*>(nullptr, [&] {
        return NewDictionary(CopyDict(*From(self)->FData, excludeEmpty != 0));
      });
    };
    s.get_size = [](cef_dictionary_value_t* self) CALLBACK -> size_t { return From(self)->FData->items.size(); };
    s.clear = [](cef_dictionary_value_t* self) CALLBACK -> int {
      if (From(self)->FReadOnly) return 0;
      From(self)->FData->items.clear();
      return 1;
    };
    s.has_key = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->At(key) ? 1 : 0; });
    };
    s.get_keys = [](cef_dictionary_value_t* self, cef_string_list_t keys) CALLBACK -> int {
      return Guard(0, [&] {
        if (!keys) return 0;
        for (const auto& kv : From(self)->FData->items) {
          cef_string_t k = ViewOf(kv.first);
          cef_string_list_append(keys, &k);
        }
        return 1;
      });
    };
    s.remove = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> int {
      return Guard(0, [&] {
        if (From(self)->FReadOnly) return 0;
        return From(self)->FData->items.erase(ToW(key)) ? 1 : 0;
      });
    };
    s.get_type = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_value_type_t {
      return Guard(VTYPE_INVALID, [&] {
        const TValueData* v = From(self)->At(key);
        return v ? v->type : VTYPE_INVALID;
      });
    };
    s.get_value = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_value_t* {
      return Guard<cef_value_t*>(nullptr, [&]() -> cef_value_t* {
        const TValueData* v = From(self)->At(key);
        return v ? NewValue(std::make_shared<TValueData>(*v), true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.get_bool = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> int {
      return Guard(0, [&] {
        const TValueData* v = From(self)->At(key);
        return v ? ReadBool(*v) : 0;
      });
    };
    s.get_int = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> int {
      return Guard(0, [&] {
        const TValueData* v = From(self)->At(key);
        return v ? ReadInt(*v) : 0;
      });
    };
    s.get_double = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> double {
      return Guard(0.0, [&] {
        const TValueData* v = From(self)->At(key);
        return v ? ReadDouble(*v) : 0.0;
      });
    };
    s.get_string = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
        const TValueData* v = From(self)->At(key);
        return v ? ReadString(*v) : nullptr;
      });
    };
    s.get_binary = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_binary_value_t* {
      return Guard<cef_binary_value_t*>(nullptr, [&]() -> cef_binary_value_t* {
        const TValueData* v = From(self)->At(key);
        return v && v->type == VTYPE_BINARY ? NewBinary(v->bin, true) : nullptr;
      });
    };
    s.get_dictionary = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_dictionary_value_t* {
      return Guard<cef_dictionary_value_t*>(nullptr, [&]() -> cef_dictionary_value_t* {
        const TValueData* v = From(self)->At(key);
        return v && v->type == VTYPE_DICTIONARY ? NewDictionary(v->dict, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.get_list = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> cef_list_value_t* {
      return Guard<cef_list_value_t*>(nullptr, [&]() -> cef_list_value_t* {
        const TValueData* v = From(self)->At(key);
        return v && v->type == VTYPE_LIST ? NewList(v->list, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.set_value = [](cef_dictionary_value_t* self, const cef_string_t* key, cef_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeValue(value, v) && From(self)->Put(key, std::move(v)) ? 1 : 0;
      });
    };
    s.set_null = [](cef_dictionary_value_t* self, const cef_string_t* key) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(key, MakeNull()) ? 1 : 0; });
    };
    s.set_bool = [](cef_dictionary_value_t* self, const cef_string_t* key, int value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(key, MakeBool(value)) ? 1 : 0; });
    };
    s.set_int = [](cef_dictionary_value_t* self, const cef_string_t* key, int value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(key, MakeInt(value)) ? 1 : 0; });
    };
    s.set_double = [](cef_dictionary_value_t* self, const cef_string_t* key, double value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(key, MakeDouble(value)) ? 1 : 0; });
    };
    s.set_string = [](cef_dictionary_value_t* self, const cef_string_t* key, const cef_string_t* value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(key, MakeString(value)) ? 1 : 0; });
    };
    s.set_binary = [](cef_dictionary_value_t* self, const cef_string_t* key, cef_binary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_binary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeBinary(value, v) && From(self)->Put(key, std::move(v)) ? 1 : 0;
      });
    };
    s.set_dictionary = [](cef_dictionary_value_t* self, const cef_string_t* key, cef_dictionary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_dictionary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeDict(value, v) && From(self)->Put(key, std::move(v)) ? 1 : 0;
      });
    };
    s.set_list = [](cef_dictionary_value_t* self, const cef_string_t* key, cef_list_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_list_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeList(value, v) && From(self)->Put(key, std::move(v)) ? 1 : 0;
      });
    };
  }

  const TValueData* At(const cef_string_t* key) const {
    auto it = FData->items.find(ToW(key));
    return it == FData->items.end() ? nullptr : &it->second;
  }
  bool Put(const cef_string_t* key, TValueData v) {
    if (FReadOnly) return false;
    FData->items[ToW(key)] = std::move(v);
    return true;
  }

  std::shared_ptr<TDictData> FData;
  bool FOwned;
  bool FReadOnly;
};

// ---- single value ---------------------------------------------------------------------------

class TValue : public TCefObject<TValue, cef_value_t> {
public:
  TValue(std::shared_ptr<TValueData> data, bool owned, bool readOnly)
      : FData(std::move(data)), FOwned(owned), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_valid = [](cef_value_t*) CALLBACK -> int { return 1; };
    s.is_owned = [](cef_value_t* self) CALLBACK -> int { return From(self)->FOwned ? 1 : 0; };
    s.is_read_only = [](cef_value_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.is_same = [](cef_value_t* self, cef_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_value_t>::Adopt(that);
      auto o = ValueDataOf(that);
      if (!o) return 0;
      const TValueData& a = *From(self)->FData;
      // Two views of one container are the same value.
      return o == From(self)->FData || (a.type == o->type && ((a.list && a.list == o->list) ||
                                                              (a.dict && a.dict == o->dict) ||
                                                              (a.bin && a.bin == o->bin)))
                 ? 1
                 : 0;
    };
    s.is_equal = [](cef_value_t* self, cef_value_t* that) CALLBACK -> int {
      auto held = TCRef<cef_value_t>::Adopt(that);
      return Guard(0, [&] {
        auto o = ValueDataOf(that);
        return o && From(self)->FData->Equals(*o) ? 1 : 0;
      });
    };
    s.copy = [](cef_value_t* self) CALLBACK -> cef_value_t* {
      return Guard<cef_value_t*>(nullptr, [&] {
        return NewValue(std::make_shared<TValueData>(From(self)->FData->DeepCopy()));
      });
    };
    s.get_type = [](cef_value_t* self) CALLBACK -> cef_value_type_t { return From(self)->FData->type; };
    s.get_bool = [](cef_value_t* self) CALLBACK -> int { return ReadBool(*From(self)->FData); };
    s.get_int = [](cef_value_t* self) CALLBACK -> int { return ReadInt(*From(self)->FData); };
    s.get_double = [](cef_value_t* self) CALLBACK -> double { return ReadDouble(*From(self)->FData); };
    s.get_string = [](cef_value_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return ReadString(*From(self)->FData); });
    };
    s.get_binary = [](cef_value_t* self) CALLBACK -> cef_binary_value_t* {
      return Guard<cef_binary_value_t*>(nullptr, [&]() -> cef_binary_value_t* {
        const TValueData& v = *From(self)->FData;
        return v.type == VTYPE_BINARY ? NewBinary(v.bin, true) : nullptr;
      });
    };
    s.get_dictionary = [](cef_value_t* self) CALLBACK -> cef_dictionary_value_t* {
      return Guard<cef_dictionary_value_t*>(nullptr, [&]() -> cef_dictionary_value_t* {
        const TValueData& v = *From(self)->FData;
        return v.type == VTYPE_DICTIONARY ? NewDictionary(v.dict, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.get_list = [](cef_value_t* self) CALLBACK -> cef_list_value_t* {
      return Guard<cef_list_value_t*>(nullptr, [&]() -> cef_list_value_t* {
        const TValueData& v = *From(self)->FData;
        return v.type == VTYPE_LIST ? NewList(v.list, true, From(self)->FReadOnly) : nullptr;
      });
    };
    s.set_null = [](cef_value_t* self) CALLBACK -> int { return From(self)->Put(MakeNull()); };
    s.set_bool = [](cef_value_t* self, int value) CALLBACK -> int { return From(self)->Put(MakeBool(value)); };
    s.set_int = [](cef_value_t* self, int value) CALLBACK -> int { return From(self)->Put(MakeInt(value)); };
    s.set_double = [](cef_value_t* self, double value) CALLBACK -> int { return From(self)->Put(MakeDouble(value)); };
    s.set_string = [](cef_value_t* self, const cef_string_t* value) CALLBACK -> int {
      return Guard(0, [&] { return From(self)->Put(MakeString(value)); });
    };
    s.set_binary = [](cef_value_t* self, cef_binary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_binary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeBinary(value, v) ? From(self)->Put(std::move(v)) : 0;
      });
    };
    s.set_dictionary = [](cef_value_t* self, cef_dictionary_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_dictionary_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeDict(value, v) ? From(self)->Put(std::move(v)) : 0;
      });
    };
    s.set_list = [](cef_value_t* self, cef_list_value_t* value) CALLBACK -> int {
      auto held = TCRef<cef_list_value_t>::Adopt(value);
      return Guard(0, [&] {
        TValueData v;
        return TakeList(value, v) ? From(self)->Put(std::move(v)) : 0;
      });
    };
  }

  int Put(TValueData v) {
    if (FReadOnly) return 0;
    *FData = std::move(v);
    return 1;
  }

  std::shared_ptr<TValueData> FData;
  bool FOwned;
  bool FReadOnly;
};

// Wire tags.
enum : std::uint8_t { kNull = 1, kBool, kInt, kDouble, kString, kBinary, kDict, kList, kInvalid };
constexpr int kMaxDepth = 64;
constexpr std::uint32_t kMaxItems = 1u << 24;

}  // namespace

TValueData TValueData::DeepCopy() const { return CopyValue(*this, false); }

bool TValueData::Equals(const TValueData& o) const {
  if (type != o.type) return false;
  switch (type) {
    case VTYPE_BOOL: return b == o.b;
    case VTYPE_INT: return i == o.i;
    case VTYPE_DOUBLE: return d == o.d;
    case VTYPE_STRING: return s == o.s;
    case VTYPE_BINARY: return bin && o.bin && *bin == *o.bin;
    case VTYPE_LIST: {
      if (!list || !o.list || list->items.size() != o.list->items.size()) return list == o.list;
      for (size_t k = 0; k < list->items.size(); ++k)
        if (!list->items[k].Equals(o.list->items[k])) return false;
      return true;
    }
    case VTYPE_DICTIONARY: {
      if (!dict || !o.dict || dict->items.size() != o.dict->items.size()) return dict == o.dict;
      auto a = dict->items.begin();
      auto c = o.dict->items.begin();
      for (; a != dict->items.end(); ++a, ++c)
        if (a->first != c->first || !a->second.Equals(c->second)) return false;
      return true;
    }
    default: return true;
  }
}

cef_value_t* NewValue(std::shared_ptr<TValueData> data, bool owned, bool readOnly) {
  return (new TValue(std::move(data), owned, readOnly))->Struct();
}
cef_list_value_t* NewList(std::shared_ptr<TListData> data, bool owned, bool readOnly) {
  return (new TList(std::move(data), owned, readOnly))->Struct();
}
cef_dictionary_value_t* NewDictionary(std::shared_ptr<TDictData> data, bool owned, bool readOnly) {
  return (new TDict(std::move(data), owned, readOnly))->Struct();
}
cef_binary_value_t* NewBinary(std::shared_ptr<TBytes> data, bool owned) {
  return (new TBinary(std::move(data), owned))->Struct();
}

std::shared_ptr<TListData> ListDataOf(cef_list_value_t* list) {
  TList* l = TList::From(list);
  return l ? l->FData : nullptr;
}
std::shared_ptr<TDictData> DictDataOf(cef_dictionary_value_t* dict) {
  TDict* d = TDict::From(dict);
  return d ? d->FData : nullptr;
}
std::shared_ptr<TValueData> ValueDataOf(cef_value_t* value) {
  TValue* v = TValue::From(value);
  return v ? v->FData : nullptr;
}
std::shared_ptr<TBytes> BinaryDataOf(cef_binary_value_t* bin) {
  TBinary* b = TBinary::From(bin);
  return b ? b->FData : nullptr;
}

void EncodeU32(std::uint32_t v, std::string& out) {
  for (int k = 0; k < 4; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}
bool DecodeU32(const std::string& in, size_t& pos, std::uint32_t& v) {
  if (in.size() - pos < 4 || pos > in.size()) return false;
  v = 0;
  for (int k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[pos + k])) << (8 * k);
  pos += 4;
  return true;
}
void EncodeString(const std::wstring& s, std::string& out) {
  EncodeU32(static_cast<std::uint32_t>(s.size()), out);
  for (wchar_t c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>((c >> 8) & 0xFF);
  }
}
bool DecodeString(const std::string& in, size_t& pos, std::wstring& s) {
  std::uint32_t n = 0;
  if (!DecodeU32(in, pos, n) || (in.size() - pos) / 2 < n) return false;
  s.resize(n);
  for (std::uint32_t k = 0; k < n; ++k) {
    s[k] = static_cast<wchar_t>(static_cast<unsigned char>(in[pos]) | (static_cast<unsigned char>(in[pos + 1]) << 8));
    pos += 2;
  }
  return true;
}

void EncodeValue(const TValueData& v, std::string& out) {
  switch (v.type) {
    case VTYPE_NULL: out += static_cast<char>(kNull); break;
    case VTYPE_BOOL:
      out += static_cast<char>(kBool);
      out += static_cast<char>(v.b ? 1 : 0);
      break;
    case VTYPE_INT:
      out += static_cast<char>(kInt);
      EncodeU32(static_cast<std::uint32_t>(v.i), out);
      break;
    case VTYPE_DOUBLE: {
      out += static_cast<char>(kDouble);
      char raw[8];
      std::memcpy(raw, &v.d, 8);
      out.append(raw, 8);
      break;
    }
    case VTYPE_STRING:
      out += static_cast<char>(kString);
      EncodeString(v.s, out);
      break;
    case VTYPE_BINARY:
      out += static_cast<char>(kBinary);
      EncodeU32(v.bin ? static_cast<std::uint32_t>(v.bin->size()) : 0, out);
      if (v.bin) out.append(reinterpret_cast<const char*>(v.bin->data()), v.bin->size());
      break;
    case VTYPE_DICTIONARY:
      out += static_cast<char>(kDict);
      EncodeU32(v.dict ? static_cast<std::uint32_t>(v.dict->items.size()) : 0, out);
      if (v.dict)
        for (const auto& [k, item] : v.dict->items) {
          EncodeString(k, out);
          EncodeValue(item, out);
        }
      break;
    case VTYPE_LIST:
      out += static_cast<char>(kList);
      EncodeU32(v.list ? static_cast<std::uint32_t>(v.list->items.size()) : 0, out);
      if (v.list)
        for (const auto& item : v.list->items) EncodeValue(item, out);
      break;
    default: out += static_cast<char>(kInvalid); break;
  }
}

bool DecodeValue(const std::string& in, size_t& pos, TValueData& v, int depth) {
  if (pos >= in.size() || depth > kMaxDepth) return false;
  const auto tag = static_cast<std::uint8_t>(in[pos++]);
  v = TValueData{};
  std::uint32_t n = 0;
  switch (tag) {
    case kNull: return true;
    case kInvalid: v.type = VTYPE_INVALID; return true;
    case kBool:
      if (pos >= in.size()) return false;
      v.type = VTYPE_BOOL;
      v.b = in[pos++] != 0;
      return true;
    case kInt:
      if (!DecodeU32(in, pos, n)) return false;
      v.type = VTYPE_INT;
      v.i = static_cast<int>(n);
      return true;
    case kDouble:
      if (in.size() - pos < 8) return false;
      v.type = VTYPE_DOUBLE;
      std::memcpy(&v.d, in.data() + pos, 8);
      pos += 8;
      return true;
    case kString: v.type = VTYPE_STRING; return DecodeString(in, pos, v.s);
    case kBinary:
      if (!DecodeU32(in, pos, n) || in.size() - pos < n) return false;
      v.type = VTYPE_BINARY;
      v.bin = std::make_shared<TBytes>(in.begin() + static_cast<std::ptrdiff_t>(pos),
                                       in.begin() + static_cast<std::ptrdiff_t>(pos + n));
      pos += n;
      return true;
    case kDict:
      if (!DecodeU32(in, pos, n) || n > kMaxItems) return false;
      v.type = VTYPE_DICTIONARY;
      v.dict = std::make_shared<TDictData>();
      for (std::uint32_t k = 0; k < n; ++k) {
        std::wstring key;
        TValueData item;
        if (!DecodeString(in, pos, key) || !DecodeValue(in, pos, item, depth + 1)) return false;
        v.dict->items[key] = std::move(item);
      }
      return true;
    case kList:
      if (!DecodeU32(in, pos, n) || n > kMaxItems || n > in.size() - pos) return false;
      v.type = VTYPE_LIST;
      v.list = std::make_shared<TListData>();
      v.list->items.resize(n);
      for (std::uint32_t k = 0; k < n; ++k)
        if (!DecodeValue(in, pos, v.list->items[k], depth + 1)) return false;
      return true;
    default: return false;
  }
}

}  // namespace standin

using namespace standin;

extern "C" {

cef_value_t* cef_value_create(void) {
  return Guard<cef_value_t*>(nullptr, [] { return NewValue(std::make_shared<TValueData>()); });
}
cef_binary_value_t* cef_binary_value_create(const void* data, size_t data_size) {
  return Guard<cef_binary_value_t*>(nullptr, [&]() -> cef_binary_value_t* {
    if (!data && data_size) return nullptr;
    const auto* p = static_cast<const std::uint8_t*>(data);
    return NewBinary(std::make_shared<TBytes>(p, p + data_size));
  });
}
cef_dictionary_value_t* cef_dictionary_value_create(void) {
  return Guard<cef_dictionary_value_t*>(nullptr, [] { return NewDictionary(std::make_shared<TDictData>()); });
}
cef_list_value_t* cef_list_value_create(void) {
  return Guard<cef_list_value_t*>(nullptr, [] { return NewList(std::make_shared<TListData>()); });
}

}  // extern "C"
