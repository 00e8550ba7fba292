#pragma once
// cef_process_message_t: a name and an argument list. Messages that arrived from the other
// process are read-only, as in the runtime; copy() gives a writable one.
#include <memory>
#include <string>

#include "Cef.Values.h"

namespace standin {

cef_process_message_t* NewProcessMessage(const std::wstring& name, std::shared_ptr<TListData> args,
                                         bool readOnly);
// The name and arguments of a message of ours; false for anything else.
bool ProcessMessageParts(cef_process_message_t* message, std::wstring& name,
                         std::shared_ptr<TListData>& args);

}  // namespace standin
