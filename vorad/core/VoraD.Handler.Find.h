#pragma once
// Find results, raised directly.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDFindHandler : public TVoraDHandlerBase<TCefFindHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnFindResult(const rtl::TRef<ICefBrowser>& browser, int identifier, int count,
      const cef_rect_t* selectionRect, int activeMatchOrdinal, bool finalUpdate) override;
};
