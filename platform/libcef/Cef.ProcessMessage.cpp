#include "Cef.ProcessMessage.h"

namespace standin {

namespace {

class TProcessMessage : public TCefObject<TProcessMessage, cef_process_message_t> {
public:
  TProcessMessage(std::wstring name, std::shared_ptr<TListData> args, bool readOnly)
      : FName(std::move(name)), FArgs(std::move(args)), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_valid = [](cef_process_message_t*) CALLBACK -> int { return 1; };
    s.is_read_only = [](cef_process_message_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.copy = [](cef_process_message_t* self) CALLBACK -> cef_process_message_t* {
      return Guard<cef_process_message_t*>(nullptr, [&] {
        TValueData v;
        v.type = VTYPE_LIST;
        v.list = From(self)->FArgs;
        return NewProcessMessage(From(self)->FName, v.DeepCopy().list, false);
      });
    };
    s.get_name = [](cef_process_message_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FName); });
    };
    s.get_argument_list = [](cef_process_message_t* self) CALLBACK -> cef_list_value_t* {
      return Guard<cef_list_value_t*>(nullptr, [&] {
        return NewList(From(self)->FArgs, true, From(self)->FReadOnly);
      });
    };
  }
  std::wstring FName;
  std::shared_ptr<TListData> FArgs;
  bool FReadOnly;
};

}  // namespace

cef_process_message_t* NewProcessMessage(const std::wstring& name, std::shared_ptr<TListData> args,
                                         bool readOnly) {
  return (new TProcessMessage(name, args ? std::move(args) : std::make_shared<TListData>(), readOnly))->Struct();
}

bool ProcessMessageParts(cef_process_message_t* message, std::wstring& name, std::shared_ptr<TListData>& args) {
  TProcessMessage* m = TProcessMessage::From(message);
  if (!m) return false;
  name = m->FName;
  args = m->FArgs;
  return true;
}

}  // namespace standin

using namespace standin;

extern "C" cef_process_message_t* cef_process_message_create(const cef_string_t* name) {
  return Guard<cef_process_message_t*>(nullptr, [&] { return NewProcessMessage(ToW(name), nullptr, false); });
}
