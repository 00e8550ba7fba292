#pragma once
// The parser exports' text routines; the pure URL ones are in Cef.Url.h.
#include <string>

#include "Cef.Common.h"
#include "Cef.Url.h"
