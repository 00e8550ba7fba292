#pragma once
// Options of the browser control: the component's own switches (TVoraDOptions) and the
// per-page browser settings (TChromiumOptions, TChromiumFontOptions) that the control copies
// into every new page's runtime settings. Main thread only.
//
// Each property notes the default a stored form leaves out ("stored default"); where it differs
// from the value of a new object, a form that relies on it gets the new object's value.
#include <array>
#include <cstdint>
#include <string>

#include "vorad/cef3/VoraD.Cef3.Types.h"


// State of a runtime setting: the runtime's own default, or forced on or off.
// The runtime's own enumeration (STATE_DEFAULT 0, STATE_ENABLED 1, STATE_DISABLED 2), so that
// this header and the runtime's declarations can be included together.
using TCefState = cef_state_t;

class TVoraDOptions {
public:
  // Every flag false; DownLoadPath the program file's folder followed by "Download\" (not
  // checked for existence: the automatic download makes it when needed).
  TVoraDOptions();

  // Stored default true; the F12 key opens developer tools only when true.
  bool DevToolsEnable() const { return FDevToolsEnable; }
  void SetDevToolsEnable(bool v) { FDevToolsEnable = v; }
  // Stored default false; read by nothing in this system.
  bool PopupNewWin() const { return FPopupNewWin; }
  void SetPopupNewWin(bool v) { FPopupNewWin = v; }
  // Stored default true; closing the last page closes the application when true.
  bool CloseWPagesClosed() const { return FCloseWPagesClosed; }
  void SetCloseWPagesClosed(bool v) { FCloseWPagesClosed = v; }
  // Stored default false; downloads go to DownLoadPath without asking when true.
  bool AutoDown() const { return FAutoDown; }
  void SetAutoDown(bool v) { FAutoDown = v; }
  // No stored default; always ends with "\".
  const std::wstring& DownLoadPath() const { return FDownLoadPath; }
  // Takes Value only when it names an existing folder, adding a trailing "\" when missing;
  // anything else (an empty text, a missing folder, a file) leaves the old value.
  void SetDownLoadPath(const std::wstring& Value);
  // Stored default false; a failed load shows the error page when true.
  bool ShowLoadError() const { return FShowLoadError; }
  void SetShowLoadError(bool Value);

  static constexpr bool DevToolsEnableStoredDefault = true;
  static constexpr bool PopupNewWinStoredDefault = false;
  static constexpr bool CloseWPagesClosedStoredDefault = true;
  static constexpr bool AutoDownStoredDefault = false;
  static constexpr bool ShowLoadErrorStoredDefault = false;

private:
  bool FDevToolsEnable = false;
  bool FPopupNewWin = false;
  bool FCloseWPagesClosed = false;
  std::wstring FDownLoadPath;
  bool FAutoDown = false;
  bool FShowLoadError = false;
};

// The folder of the running program file, with its trailing "\".
std::wstring ProgramFolder();

class TChromiumOptions {
public:
  static constexpr int StateCount = 18;
  TChromiumOptions() = default;

  // Stored default 30.
  int32_t WindowlessFrameRate() const { return FWindowlessFrameRate; }
  void SetWindowlessFrameRate(int32_t v) { FWindowlessFrameRate = v; }

  // The 18 states, stored default STATE_DEFAULT each.
  TCefState Javascript() const { return FJavascript; }
  void SetJavascript(TCefState v) { FJavascript = v; }
  TCefState JavascriptOpenWindows() const { return FJavascriptOpenWindows; }
  void SetJavascriptOpenWindows(TCefState v) { FJavascriptOpenWindows = v; }
  TCefState JavascriptCloseWindows() const { return FJavascriptCloseWindows; }
  void SetJavascriptCloseWindows(TCefState v) { FJavascriptCloseWindows = v; }
  TCefState JavascriptAccessClipboard() const { return FJavascriptAccessClipboard; }
  void SetJavascriptAccessClipboard(TCefState v) { FJavascriptAccessClipboard = v; }
  TCefState JavascriptDomPaste() const { return FJavascriptDomPaste; }
  void SetJavascriptDomPaste(TCefState v) { FJavascriptDomPaste = v; }
  TCefState CaretBrowsing() const { return FCaretBrowsing; }
  void SetCaretBrowsing(TCefState v) { FCaretBrowsing = v; }
  TCefState Plugins() const { return FPlugins; }
  void SetPlugins(TCefState v) { FPlugins = v; }
  TCefState UniversalAccessFromFileUrls() const { return FUniversalAccessFromFileUrls; }
  void SetUniversalAccessFromFileUrls(TCefState v) { FUniversalAccessFromFileUrls = v; }
  TCefState FileAccessFromFileUrls() const { return FFileAccessFromFileUrls; }
  void SetFileAccessFromFileUrls(TCefState v) { FFileAccessFromFileUrls = v; }
  TCefState WebSecurity() const { return FWebSecurity; }
  void SetWebSecurity(TCefState v) { FWebSecurity = v; }
  TCefState ImageLoading() const { return FImageLoading; }
  void SetImageLoading(TCefState v) { FImageLoading = v; }
  TCefState ImageShrinkStandaloneToFit() const { return FImageShrinkStandaloneToFit; }
  void SetImageShrinkStandaloneToFit(TCefState v) { FImageShrinkStandaloneToFit = v; }
  TCefState TextAreaResize() const { return FTextAreaResize; }
  void SetTextAreaResize(TCefState v) { FTextAreaResize = v; }
  TCefState TabToLinks() const { return FTabToLinks; }
  void SetTabToLinks(TCefState v) { FTabToLinks = v; }
  TCefState LocalStorage() const { return FLocalStorage; }
  void SetLocalStorage(TCefState v) { FLocalStorage = v; }
  TCefState Databases() const { return FDatabases; }
  void SetDatabases(TCefState v) { FDatabases = v; }
  TCefState ApplicationCache() const { return FApplicationCache; }
  void SetApplicationCache(TCefState v) { FApplicationCache = v; }
  TCefState Webgl() const { return FWebgl; }
  void SetWebgl(TCefState v) { FWebgl = v; }

  // The 18 states in the order of the runtime's state fields javascript ... webgl.
  std::array<TCefState, StateCount> States() const;

  // Runtime ARGB colour; stored default 0.
  uint32_t BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(uint32_t v) { FBackgroundColor = v; }
  // No stored default; not copied into the page settings.
  const std::wstring& AcceptLanguageList() const { return FAcceptLanguageList; }
  void SetAcceptLanguageList(const std::wstring& v) { FAcceptLanguageList = v; }

  static constexpr int32_t WindowlessFrameRateStoredDefault = 30;

private:
  int32_t FWindowlessFrameRate = 30;
  TCefState FJavascript = STATE_DEFAULT;
  TCefState FJavascriptOpenWindows = STATE_DEFAULT;
  TCefState FJavascriptCloseWindows = STATE_DEFAULT;
  TCefState FJavascriptAccessClipboard = STATE_DEFAULT;
  TCefState FJavascriptDomPaste = STATE_DEFAULT;
  TCefState FCaretBrowsing = STATE_DEFAULT;
  TCefState FPlugins = STATE_DEFAULT;
  TCefState FUniversalAccessFromFileUrls = STATE_DEFAULT;
  TCefState FFileAccessFromFileUrls = STATE_DEFAULT;
  TCefState FWebSecurity = STATE_DEFAULT;
  TCefState FImageLoading = STATE_DEFAULT;
  TCefState FImageShrinkStandaloneToFit = STATE_DEFAULT;
  TCefState FTextAreaResize = STATE_DEFAULT;
  TCefState FTabToLinks = STATE_DEFAULT;
  TCefState FLocalStorage = STATE_DEFAULT;
  TCefState FDatabases = STATE_DEFAULT;
  TCefState FApplicationCache = STATE_DEFAULT;
  TCefState FWebgl = STATE_DEFAULT;
  uint32_t FBackgroundColor = 0;
  std::wstring FAcceptLanguageList;
};

// Font settings of every new page. 0, an empty text or STATE_DEFAULT leaves the runtime's own
// default in force; the stored defaults are 0 for the sizes and STATE_DEFAULT for RemoteFonts.
class TChromiumFontOptions {
public:
  TChromiumFontOptions() = default;

  // Read-only: the standard family given to every page is always empty.
  const std::wstring& StandardFontFamily() const { return FStandardFontFamily; }
  const std::wstring& FixedFontFamily() const { return FFixedFontFamily; }
  void SetFixedFontFamily(const std::wstring& v) { FFixedFontFamily = v; }
  const std::wstring& SerifFontFamily() const { return FSerifFontFamily; }
  void SetSerifFontFamily(const std::wstring& v) { FSerifFontFamily = v; }
  const std::wstring& SansSerifFontFamily() const { return FSansSerifFontFamily; }
  void SetSansSerifFontFamily(const std::wstring& v) { FSansSerifFontFamily = v; }
  const std::wstring& CursiveFontFamily() const { return FCursiveFontFamily; }
  void SetCursiveFontFamily(const std::wstring& v) { FCursiveFontFamily = v; }
  const std::wstring& FantasyFontFamily() const { return FFantasyFontFamily; }
  void SetFantasyFontFamily(const std::wstring& v) { FFantasyFontFamily = v; }
  int32_t DefaultFontSize() const { return FDefaultFontSize; }
  void SetDefaultFontSize(int32_t v) { FDefaultFontSize = v; }
  int32_t DefaultFixedFontSize() const { return FDefaultFixedFontSize; }
  void SetDefaultFixedFontSize(int32_t v) { FDefaultFixedFontSize = v; }
  int32_t MinimumFontSize() const { return FMinimumFontSize; }
  void SetMinimumFontSize(int32_t v) { FMinimumFontSize = v; }
  int32_t MinimumLogicalFontSize() const { return FMinimumLogicalFontSize; }
  void SetMinimumLogicalFontSize(int32_t v) { FMinimumLogicalFontSize = v; }
  TCefState RemoteFonts() const { return FRemoteFontsDisabled; }
  void SetRemoteFonts(TCefState v) { FRemoteFontsDisabled = v; }

private:
  std::wstring FStandardFontFamily;
  std::wstring FCursiveFontFamily;
  std::wstring FSansSerifFontFamily;
  int32_t FMinimumLogicalFontSize = 0;
  std::wstring FFantasyFontFamily;
  std::wstring FSerifFontFamily;
  int32_t FDefaultFixedFontSize = 0;
  int32_t FDefaultFontSize = 0;
  TCefState FRemoteFontsDisabled = STATE_DEFAULT;
  std::wstring FFixedFontFamily;
  int32_t FMinimumFontSize = 0;
};

