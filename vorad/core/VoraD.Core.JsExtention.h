#pragma once
// Cross-process script access: the page manager's script-access object. For now it keeps the
// pending requests (request id -> reply procedure) and delivers the answers the page manager
// receives; the request side is still to come. Main thread.
#include <map>
#include <string>

#include "rtl/Interfaces.h"
#include "rtl/Variant.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

// Called with the answer of one request: the value (empty when none) and the error text (empty
// on success).
class TJsExtentionProc : public virtual rtl::IInterface {
public:
  virtual void Invoke(const rtl::TVariant& value, const std::wstring& errorText) = 0;
};

// A procedure run inside the render side of a page (single-process mode only).
class TRenderProcessCallbackA : public virtual rtl::IInterface {
public:
  virtual void Invoke(const rtl::TRef<ICefBrowser>& browser, void* data) = 0;
};

class TVoraDJsExtention : public rtl::TInterfacedObject {
public:
  TVoraDJsExtention() = default;
  ~TVoraDJsExtention() override = default;

  // Under JsExtentionLocker.
  void RegisterHandler(const std::wstring& id, const rtl::TRef<TJsExtentionProc>& proc);
  // Calls the procedure registered for the id (ids compare exactly) and forgets it; an unknown
  // id is ignored. An error raised by the procedure propagates after the locker is left.
  void UnRegisterHandler(const std::wstring& aId, const std::wstring& aExpStr, const rtl::TVariant& aValue);
  size_t PendingCount() const;

private:
  std::map<std::wstring, rtl::TRef<TJsExtentionProc>> FHandlers;
};
