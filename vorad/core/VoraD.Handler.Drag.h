#pragma once
// Drag notices, raised directly.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDDragHandler : public TVoraDHandlerBase<TCefDragHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnDragEnter(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefDragData>& dragData,
      cef_drag_operations_mask_t mask) override;
  void OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& browser, size_t regionsCount,
      const cef_draggable_region_t* regions) override;
};
