#include "vorad/core/VoraD.Core.JsExtention.h"

#include "vorad/core/VoraD.Locker.h"

void TVoraDJsExtention::RegisterHandler(const std::wstring& id, const rtl::TRef<TJsExtentionProc>& proc) {
  JsExtentionLocker->Enter();
  try {
    FHandlers[id] = proc;
  } catch (...) {
    JsExtentionLocker->Exit();
    throw;
  }
  JsExtentionLocker->Exit();
}

void TVoraDJsExtention::UnRegisterHandler(const std::wstring& aId, const std::wstring& aExpStr,
                                          const rtl::TVariant& aValue) {
  JsExtentionLocker->Enter();
  try {
    const auto it = FHandlers.find(aId);
    if (it != FHandlers.end()) {
      // Removed whatever the procedure does; kept alive by this reference during the call.
      rtl::TRef<TJsExtentionProc> proc = it->second;
      FHandlers.erase(it);
      if (proc) proc->Invoke(aValue, aExpStr);
    }
  } catch (...) {
    JsExtentionLocker->Exit();
    throw;
  }
  JsExtentionLocker->Exit();
}

size_t TVoraDJsExtention::PendingCount() const {
  JsExtentionLocker->Enter();
  const size_t n = FHandlers.size();
  JsExtentionLocker->Exit();
  return n;
}
