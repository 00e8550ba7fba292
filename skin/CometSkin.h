#pragma once
// The skinned form: a frameless main window whose whole area is client area (the page), with a
// resizing band at the edges that the system handles, and no frame or caption ever painted.
// The page covers the whole form, so the windows made inside it (on the form's thread) leave
// the pointer over the band to the form. UI thread only.
#include <windows.h>

#include <optional>

#include "toolkit/Forms.h"

// Hit test of the skinned frame for the cursor at screen position x, y over a window at L, T of
// size W × H: a sizing code (HTBOTTOMRIGHT ...), or nothing when the form's own hit test
// decides. The band is 5 pixels on the left and top and 4 on the right and bottom; the top-right
// corner answers HTRIGHT.
std::optional<int> SkinHitTest(int x, int y, int L, int T, int W, int H);

// Client rectangle of a maximised window: the proposed window rectangle overhangs the monitor's
// work area by the frame width, so the client area is the part of it inside the work area.
RECT SkinMaximizedClientRect(const RECT& proposed, const RECT& workArea);

class TSkinFormEx : public toolkit::TForm {
public:
  TSkinFormEx();

  // Starts the system's move of the window if the left button is down now; it runs until the
  // button is released. False, at once, when the button is already up.
  bool DragMove();

protected:
  void CreateParams(toolkit::TCreateParams& params) override;
  void WndProc(toolkit::TMessage& msg) override;

  void WMCreate(toolkit::TMessage& msg);
  void WMNCCalcSize(toolkit::TMessage& msg);
  void WMNCHitTest(toolkit::TMessage& msg);
  void WMNCPaint(toolkit::TMessage& msg);
  void WMNCActivate(toolkit::TMessage& msg);
  void WMNCUahDrawCaption(toolkit::TMessage& msg);
  void WMNCUahDrawFrame(toolkit::TMessage& msg);
  void WMParentNotify(toolkit::TMessage& msg);
};
