#pragma once
// Interfaces over the runtime structures: values, lists, dictionaries, binaries, messages.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_process_message_t: runtime object.
#define VORAD_CEF3_PROCESS_MESSAGE_OPS(X, W)                              \
  X(bool, IsValid, (), is_valid, ())                                      \
  X(bool, IsReadOnly, (), is_read_only, ())                               \
  X(rtl::TRef<ICefProcessMessage>, Copy, (), copy, ())                    \
  X(std::wstring, GetName, (), get_name, ())                              \
  X(rtl::TRef<ICefListValue>, GetArgumentList, (), get_argument_list, ())
class ICefProcessMessage : public virtual ICefBase {
public:
  VORAD_CEF3_PROCESS_MESSAGE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_list_value_t: runtime object.
#define VORAD_CEF3_LIST_VALUE_OPS(X, W)                                                                \
  X(bool, IsValid, (), is_valid, ())                                                                   \
  X(bool, IsOwned, (), is_owned, ())                                                                   \
  X(bool, IsReadOnly, (), is_read_only, ())                                                            \
  X(bool, IsSame, (const rtl::TRef<ICefListValue>& that), is_same, (that))                             \
  X(bool, IsEqual, (const rtl::TRef<ICefListValue>& that), is_equal, (that))                           \
  X(rtl::TRef<ICefListValue>, Copy, (), copy, ())                                                      \
  X(bool, SetSize, (size_t size), set_size, (size))                                                    \
  X(size_t, GetSize, (), get_size, ())                                                                 \
  X(bool, Clear, (), clear, ())                                                                        \
  X(bool, Remove, (int index), remove, (index))                                                        \
  X(cef_value_type_t, GetType, (int index), get_type, (index))                                         \
  X(rtl::TRef<ICefValue>, GetValue, (int index), get_value, (index))                                   \
  X(bool, GetBool, (int index), get_bool, (index))                                                     \
  X(int, GetInt, (int index), get_int, (index))                                                        \
  X(double, GetDouble, (int index), get_double, (index))                                               \
  X(std::wstring, GetString, (int index), get_string, (index))                                         \
  X(rtl::TRef<ICefBinaryValue>, GetBinary, (int index), get_binary, (index))                           \
  X(rtl::TRef<ICefDictionaryValue>, GetDictionary, (int index), get_dictionary, (index))               \
  X(rtl::TRef<ICefListValue>, GetList, (int index), get_list, (index))                                 \
  X(bool, SetValue, (int index, const rtl::TRef<ICefValue>& value), set_value, (index, value))         \
  X(bool, SetNull, (int index), set_null, (index))                                                     \
  X(bool, SetBool, (int index, int value), set_bool, (index, value))                                   \
  X(bool, SetInt, (int index, int value), set_int, (index, value))                                     \
  X(bool, SetDouble, (int index, double value), set_double, (index, value))                            \
  X(bool, SetString, (int index, const std::wstring& value), set_string, (index, value))               \
  X(bool, SetBinary, (int index, const rtl::TRef<ICefBinaryValue>& value), set_binary, (index, value)) \
  X(bool, SetDictionary, (int index, const rtl::TRef<ICefDictionaryValue>& value),                     \
      set_dictionary, (index, value))                                                                  \
  X(bool, SetList, (int index, const rtl::TRef<ICefListValue>& value), set_list, (index, value))
class ICefListValue : public virtual ICefBase {
public:
  VORAD_CEF3_LIST_VALUE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_value_t: runtime object.
#define VORAD_CEF3_VALUE_OPS(X, W)                                                               \
  X(bool, IsValid, (), is_valid, ())                                                             \
  X(bool, IsOwned, (), is_owned, ())                                                             \
  X(bool, IsReadOnly, (), is_read_only, ())                                                      \
  X(bool, IsSame, (const rtl::TRef<ICefValue>& that), is_same, (that))                           \
  X(bool, IsEqual, (const rtl::TRef<ICefValue>& that), is_equal, (that))                         \
  X(rtl::TRef<ICefValue>, Copy, (), copy, ())                                                    \
  X(cef_value_type_t, GetType, (), get_type, ())                                                 \
  X(bool, GetBool, (), get_bool, ())                                                             \
  X(int, GetInt, (), get_int, ())                                                                \
  X(double, GetDouble, (), get_double, ())                                                       \
  X(std::wstring, GetString, (), get_string, ())                                                 \
  X(rtl::TRef<ICefBinaryValue>, GetBinary, (), get_binary, ())                                   \
  X(rtl::TRef<ICefDictionaryValue>, GetDictionary, (), get_dictionary, ())                       \
  X(rtl::TRef<ICefListValue>, GetList, (), get_list, ())                                         \
  X(bool, SetNull, (), set_null, ())                                                             \
  X(bool, SetBool, (int value), set_bool, (value))                                               \
  X(bool, SetInt, (int value), set_int, (value))                                                 \
  X(bool, SetDouble, (double value), set_double, (value))                                        \
  X(bool, SetString, (const std::wstring& value), set_string, (value))                           \
  X(bool, SetBinary, (const rtl::TRef<ICefBinaryValue>& value), set_binary, (value))             \
  X(bool, SetDictionary, (const rtl::TRef<ICefDictionaryValue>& value), set_dictionary, (value)) \
  X(bool, SetList, (const rtl::TRef<ICefListValue>& value), set_list, (value))
class ICefValue : public virtual ICefBase {
public:
  VORAD_CEF3_VALUE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_binary_value_t: runtime object.
#define VORAD_CEF3_BINARY_VALUE_OPS(X, W)                                      \
  X(bool, IsValid, (), is_valid, ())                                           \
  X(bool, IsOwned, (), is_owned, ())                                           \
  X(bool, IsSame, (const rtl::TRef<ICefBinaryValue>& that), is_same, (that))   \
  X(bool, IsEqual, (const rtl::TRef<ICefBinaryValue>& that), is_equal, (that)) \
  X(rtl::TRef<ICefBinaryValue>, Copy, (), copy, ())                            \
  X(size_t, GetSize, (), get_size, ())                                         \
  X(size_t, GetData, (void* buffer, size_t buffer_size, size_t data_offset),   \
      get_data, (buffer, buffer_size, data_offset))
class ICefBinaryValue : public virtual ICefBase {
public:
  VORAD_CEF3_BINARY_VALUE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_dictionary_value_t: runtime object.
#define VORAD_CEF3_DICTIONARY_VALUE_OPS(X, W)                                                                \
  X(bool, IsValid, (), is_valid, ())                                                                         \
  X(bool, IsOwned, (), is_owned, ())                                                                         \
  X(bool, IsReadOnly, (), is_read_only, ())                                                                  \
  X(bool, IsSame, (const rtl::TRef<ICefDictionaryValue>& that), is_same, (that))                             \
  X(bool, IsEqual, (const rtl::TRef<ICefDictionaryValue>& that), is_equal, (that))                           \
  X(rtl::TRef<ICefDictionaryValue>, Copy, (bool exclude_empty_children), copy, (exclude_empty_children))     \
  X(size_t, GetSize, (), get_size, ())                                                                       \
  X(bool, Clear, (), clear, ())                                                                              \
  X(bool, HasKey, (const std::wstring& key), has_key, (key))                                                 \
  X(bool, GetKeys, (std::vector<std::wstring>& keys), get_keys, (keys))                                      \
  X(bool, Remove, (const std::wstring& key), remove, (key))                                                  \
  X(cef_value_type_t, GetType, (const std::wstring& key), get_type, (key))                                   \
  X(rtl::TRef<ICefValue>, GetValue, (const std::wstring& key), get_value, (key))                             \
  X(bool, GetBool, (const std::wstring& key), get_bool, (key))                                               \
  X(int, GetInt, (const std::wstring& key), get_int, (key))                                                  \
  X(double, GetDouble, (const std::wstring& key), get_double, (key))                                         \
  X(std::wstring, GetString, (const std::wstring& key), get_string, (key))                                   \
  X(rtl::TRef<ICefBinaryValue>, GetBinary, (const std::wstring& key), get_binary, (key))                     \
  X(rtl::TRef<ICefDictionaryValue>, GetDictionary, (const std::wstring& key), get_dictionary, (key))         \
  X(rtl::TRef<ICefListValue>, GetList, (const std::wstring& key), get_list, (key))                           \
  X(bool, SetValue, (const std::wstring& key, const rtl::TRef<ICefValue>& value), set_value, (key, value))   \
  X(bool, SetNull, (const std::wstring& key), set_null, (key))                                               \
  X(bool, SetBool, (const std::wstring& key, int value), set_bool, (key, value))                             \
  X(bool, SetInt, (const std::wstring& key, int value), set_int, (key, value))                               \
  X(bool, SetDouble, (const std::wstring& key, double value), set_double, (key, value))                      \
  X(bool, SetString, (const std::wstring& key, const std::wstring& value), set_string, (key, value))         \
  X(bool, SetBinary, (const std::wstring& key, const rtl::TRef<ICefBinaryValue>& value),                     \
      set_binary, (key, value))                                                                              \
  X(bool, SetDictionary, (const std::wstring& key, const rtl::TRef<ICefDictionaryValue>& value),             \
      set_dictionary, (key, value))                                                                          \
  X(bool, SetList, (const std::wstring& key, const rtl::TRef<ICefListValue>& value), set_list, (key, value))
class ICefDictionaryValue : public virtual ICefBase {
public:
  VORAD_CEF3_DICTIONARY_VALUE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
