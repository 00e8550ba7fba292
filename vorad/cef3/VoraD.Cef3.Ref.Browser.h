#pragma once
// Ref classes. The browser and its frames: browser, host, frame, navigation entry.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefBrowserHostRef : public TCefRef<cef_browser_host_t, ICefBrowserHost> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_BROWSER_HOST_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefBrowserRef : public TCefRef<cef_browser_t, ICefBrowser> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_BROWSER_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
  // A counted out-array: its length comes from another entry.
  void GetFrameIdentifiers(std::vector<int64_t>& identifiers) override {
    CallCounted<&C::get_frame_identifiers, &C::get_frame_count>(identifiers);
  }
};

class TCefFrameRef : public TCefRef<cef_frame_t, ICefFrame> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_FRAME_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefNavigationEntryRef : public TCefRef<cef_navigation_entry_t, ICefNavigationEntry> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_NAVIGATION_ENTRY_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};
