#pragma once
// The wrapper object family.
//
// TCefBaseRef (VoraD.Cef3.Ref.h): a runtime structure the program holds; the Ref classes are
// split by area into VoraD.Cef3.Ref.*.h.
//
// TCefBaseOwn (VoraD.Cef3.Own.Base.h): a program object the runtime calls; the Own classes are
// split by area into VoraD.Cef3.Own.*.h.
//
// Threads: the runtime calls Own entries on whichever of its threads the callback belongs to;
// counts are atomic, and the adapters use only the object and temporaries.
//
// Exceptions: nothing may unwind into the runtime. Every adapter runs its body under
// AdapterGuard, which stops an escaping exception at the boundary, reports it through
// TCef3Helper::OnAdapterException and answers the runtime with the entry's default (false,
// null, empty), as if the operation had not been overridden. Handlers should still not throw.
#include <functional>
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

// ---- Ref classes, by area (each operation one call of one entry: VoraD.Cef3.Call.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Dom.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Misc.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Request.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Script.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Values.h"

// ---- Own classes: program objects the runtime calls, by area.
#include "vorad/cef3/VoraD.Cef3.Own.Handlers.h"
#include "vorad/cef3/VoraD.Cef3.Own.App.h"
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"
