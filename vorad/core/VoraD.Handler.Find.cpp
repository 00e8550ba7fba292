#include "vorad/core/VoraD.Handler.Find.h"

void TVoraDFindHandler::OnFindResult(const rtl::TRef<ICefBrowser>& browser, int identifier, int count,
                                     const cef_rect_t* selectionRect, int activeMatchOrdinal, bool finalUpdate) {
  if (FEvents) FEvents->DoFindResult(browser, identifier, count, selectionRect, activeMatchOrdinal, finalUpdate);
}
