#pragma once
// The parser exports' text routines; the pure URL ones are in Cef.Url.h.
#include <string>

#include "Cef.Common.h"
#include "Cef.Url.h"

namespace standin {

// A CSS colour (#rgb, #rrggbb, names, rgb(), rgba(), transparent) as ARGB; strict refuses hex
// without '#'.
bool ParseCssColor(std::wstring text, bool strict, cef_color_t& color);

}  // namespace standin
