#pragma once
// Off-screen rendering: made only on request, which the page manager never makes; every entry keeps the base default (false or nothing) and no event is raised.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDRenderHandler : public TVoraDHandlerBase<TCefRenderHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

};
