#pragma once
// The value model behind cef_value_t, cef_binary_value_t, cef_list_value_t and
// cef_dictionary_value_t. Containers are shared: a child list or dictionary fetched from a
// parent is a view of the parent's storage (changes show in the parent), as in the runtime;
// values put into a container are copied in.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Cef.Common.h"

namespace standin {

struct TListData;
struct TDictData;
using TBytes = std::vector<std::uint8_t>;

struct TValueData {
  cef_value_type_t type = VTYPE_NULL;
  bool b = false;
  int i = 0;
  double d = 0;
  std::wstring s;
  std::shared_ptr<TBytes> bin;
  std::shared_ptr<TListData> list;
  std::shared_ptr<TDictData> dict;

  TValueData DeepCopy() const;
  bool Equals(const TValueData& o) const;
};

struct TListData {
  std::vector<TValueData> items;
};
struct TDictData {
  std::map<std::wstring, TValueData> items;
};

// New runtime structures (one reference each) over shared storage.
cef_value_t* NewValue(std::shared_ptr<TValueData> data, bool owned = false, bool readOnly = false);
cef_list_value_t* NewList(std::shared_ptr<TListData> data, bool owned = false, bool readOnly = false);
cef_dictionary_value_t* NewDictionary(std::shared_ptr<TDictData> data, bool owned = false,
                                      bool readOnly = false);
cef_binary_value_t* NewBinary(std::shared_ptr<TBytes> data, bool owned = false);

// The storage behind a structure of ours; null for anything else.
std::shared_ptr<TListData> ListDataOf(cef_list_value_t* list);
std::shared_ptr<TDictData> DictDataOf(cef_dictionary_value_t* dict);
std::shared_ptr<TValueData> ValueDataOf(cef_value_t* value);
std::shared_ptr<TBytes> BinaryDataOf(cef_binary_value_t* bin);

// Wire form for process messages: compact and self-describing; Decode rejects malformed or
// too deeply nested input instead of guessing.
void EncodeValue(const TValueData& v, std::string& out);
bool DecodeValue(const std::string& in, size_t& pos, TValueData& v, int depth = 0);
void EncodeString(const std::wstring& s, std::string& out);
bool DecodeString(const std::string& in, size_t& pos, std::wstring& s);
void EncodeU32(std::uint32_t v, std::string& out);
bool DecodeU32(const std::string& in, size_t& pos, std::uint32_t& v);

}  // namespace standin
