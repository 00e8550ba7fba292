#pragma once
// The RTTI script extension: native values published to page script through their type
// descriptions, without hand-written glue.
//
// A published name becomes a global whose reads ($g) build a fresh script object mirroring the
// value and whose assignments ($s) convert back. Mirrored objects carry a hidden user-data array
// naming what is behind them: [type description, address] for object references, class
// references and interfaces, [type description] for records. Every mirrored function and every
// property getter/setter comes back to the one TCefRTTIExtension of the name.
//
// Addresses in script integers: on i686 the user data holds the native addresses themselves
// (32 bits). Where pointers are wider (the x86_64 test build) it holds ids of a process-wide
// handle table instead (see PackNativeAddress).
//
// Thread: everything runs on the render thread of the render process.
//
// Errors: nothing raises into the runtime. A value that does not convert, a member used the
// wrong way or a native method that raises all end as "not handled", with no exception text.
#include <string>
#include <vector>

#include "rtl/Rtti.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"

// One entry of the process-wide registration list.
struct TRegExtentionPar {
  std::wstring name;  // the global name page script sees
  std::wstring code;  // script of an explicit extension; empty for a published native value
  rtl::TRef<ICefv8Handler> Handler;  // handler of an explicit extension; none for a native value
  rtl::TValue value;                 // the native value to publish
};
using TRegExtentionParArray = std::vector<TRegExtentionPar>;

// ICefv8Value as an interface type: a native member typed with it takes or returns the script
// value itself.
const rtl::TInterfaceTypeInfo* Cefv8ValueTypeInfo();
namespace rtl {
template <>
struct TTypeInfoOf<TRef<ICefv8Value>, void> {
  static const TTypeInfo* Get() { return Cefv8ValueTypeInfo(); }
};
}  // namespace rtl

// The script registered for a published native value: a setter and a getter of the global
// `name` that call the natives $s and $g. The name is escaped by rtl::EscapeScriptString, so it
// cannot end the string it stands in.
std::wstring RttiExtensionScript(const std::wstring& name);

// cef_register_extension: true when the runtime accepted it; false when it refused or is not
// loaded. Render thread, before page script runs.
bool RegisterScriptExtension(const std::wstring& name, const std::wstring& code,
                             const rtl::TRef<ICefv8Handler>& handler);
// Publishes `value` under `name`: a new TCefRTTIExtension on it, registered with the script of
// RttiExtensionScript(name).
bool PublishNativeValue(const std::wstring& name, const rtl::TValue& value);

// A native address as a 32-bit script integer and back. i686: the address itself. Wider
// pointers: an id (1, 2, ...) of a process-wide table that keeps every address it was given
// until the process ends; 0 is null. An id stands for an address, not for an object, exactly as
// the address does on i686: an object destroyed while script still holds its mirror leaves the
// id naming freed memory, so published objects must outlive the pages that can reach them.
int32_t PackNativeAddress(const void* address);
void* UnpackNativeAddress(int32_t packed);

class TCefRTTIExtension : public TCefv8HandlerOwn {
public:
  explicit TCefRTTIExtension(rtl::TValue value);

  const rtl::TValue& Value() const { return FValue; }

  // $g, $s, $pg<name>, $ps<name>, $vg<name>, $vs<name> and the mirrored methods. True when
  // handled; the exception text is never set.
  bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
               const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
               std::wstring& exception) override;

  // Native to script: false when the value's kind has no script form (or a part of it fails).
  // Objects made for object references, class references and interfaces call back into this
  // extension.
  bool NativeToScript(const rtl::TValue& value, rtl::TRef<ICefv8Value>& result);
  // Script to native, as a value of `target`: false when the script value is not accepted.
  bool ScriptToNative(const rtl::TRef<ICefv8Value>& value, const rtl::TTypeInfo* target,
                      rtl::TValue& result) const;

private:
  bool ToVariant(const rtl::TRef<ICefv8Value>& value, rtl::TValue& result, int depth) const;
  bool ExecuteBody(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
                   const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval);
  bool CallMethod(const rtl::TMethodInfo* method, const rtl::TValue& instance, rtl::TClass cls,
                  const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval);
  rtl::TRef<ICefv8Value> NewMirror(int elements, const rtl::TTypeInfo* type, const void* address);
  bool AddFunction(const rtl::TRef<ICefv8Value>& object, const std::wstring& name);
  using TMethods = std::vector<const rtl::TMethodInfo*>;
  // A mirror of the value at `address` whose functions are `methods`.
  bool MirrorMethods(const rtl::TTypeInfo* type, const void* address, const TMethods& methods,
                     rtl::TRef<ICefv8Value>& result);
  bool MirrorObject(rtl::TClass cls, rtl::TObject* instance, rtl::TRef<ICefv8Value>& result);
  bool MirrorRecord(const rtl::TRecordTypeInfo* type, const void* data, rtl::TRef<ICefv8Value>& result);

  rtl::TValue FValue;
  rtl::TRttiContext FCtx;
};
