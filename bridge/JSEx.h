#pragma once
// TApp: the native object page script calls as the global "TApp". Every function runs in a
// render process on its script thread: it writes its text argument, if any, into text buffer 1
// of the shared block and sends its bridge message synchronously to the main window whose
// handle stands in the block, returning the send's result (0 when there is no window). The
// main window does the work, so a call blocks until its handler returns.
//
// The class is never instantiated; the functions are class functions, published through the
// type description below (ten functions, plus the class functions of TObject such as ClassName).
#include <cstdint>
#include <string>

#include "rtl/Rtti.h"

class TApp : public rtl::TObject {
  RTL_CLASSINFO
public:
  TApp() = delete;

  static int32_t hWMove();
  static int32_t hWMin();
  static int32_t hWMax();
  static int32_t hExitApp();
  static int32_t hDwon(const std::wstring& url);
  static int32_t hDwonPause();
  static int32_t hDwonStart();
  static int32_t hOpenUrl(const std::wstring& k);
  static int32_t hSearch(const std::wstring& k);
  static int32_t hOpenDir();
};
