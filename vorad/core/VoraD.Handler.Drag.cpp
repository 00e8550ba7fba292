#include "vorad/core/VoraD.Handler.Drag.h"

bool TVoraDDragHandler::OnDragEnter(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefDragData>& dragData,
                                    cef_drag_operations_mask_t mask) {
  bool cancel = false;
  if (FEvents) FEvents->DoDragEnter(browser, dragData, mask, cancel);
  return cancel;
}

void TVoraDDragHandler::OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& browser, size_t regionsCount,
                                                  const cef_draggable_region_t* regions) {
  if (FEvents) FEvents->DoDraggableRegionsChanged(browser, regionsCount, regions);
}
