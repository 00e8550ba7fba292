#pragma once
// The script layer of the stand-in runtime: one Duktape heap per render thread, one script
// context (own global object) per frame. The browser side of the runtime drives it through the
// context API below and serves the page's requests through IScriptHost.
//
// Thread: everything here runs on the render thread of the process (in single-process mode the
// render thread of the browser process). Calls from any other thread fail (null / false).
//
// The layer also implements the script exports of the runtime: cef_v8context_get_current_context,
// cef_v8context_get_entered_context, cef_v8context_in_context, cef_v8value_create_* (all),
// cef_v8stack_trace_get_current and cef_register_extension (ScriptValue.cpp, ScriptContext.cpp).
#include <cstdint>
#include <functional>
#include <string>

#include "platform/libcef/Cef.Common.h"
#include "platform/libcef/Cef.Dom.h"

namespace standin::script {

enum class TConsoleLevel { Log, Warn, Error };

// Same order as the runtime's cef_jsdialog_type_t (alert 0, confirm 1, prompt 2).
enum class TDialogKind { Alert = 0, Confirm = 1, Prompt = 2 };

struct TDialogResult {
  bool ok = false;    // alert: ignored; confirm: the answer; prompt: false = cancelled
  std::wstring text;  // prompt: the text entered
};

// window.open's features text ("left=10,top=20,width=300,height=200"), parsed. `left`/`x` and
// `top`/`y` are synonyms; values that are not numbers leave the field unset.
struct TWindowFeatures {
  int x = 0, y = 0, width = 0, height = 0;
  bool xSet = false, ySet = false, widthSet = false, heightSet = false;
  std::wstring text;  // the features text as the page gave it
};

// What a context needs from the page it belongs to. The host outlives the context: it calls
// ReleaseContext before it goes away. All calls arrive on the render thread.
class IScriptHost {
public:
  virtual ~IScriptHost() = default;

  // Runs `task` on the render thread once `delayMs` (>= 0) has passed. Tasks due at the same
  // time run in posting order. Tasks posted for a context that was released since do nothing
  // when run, so the host need not track them.
  virtual void PostDelayed(std::function<void()> task, int64_t delayMs) = 0;
  // One line for the STANDIN_CEF_TRACE file ("script run ...", "console ...", "dialog ...").
  virtual void Trace(const std::wstring& line) = 0;
  // console.log / info / debug (Log), console.warn (Warn), console.error and uncaught
  // exceptions (Error): the message, the script's source URL and its line (1-based, 0 unknown).
  virtual void Console(TConsoleLevel level, const std::wstring& message,
                       const std::wstring& source, int line) = 0;
  // alert / confirm / prompt. Blocks the script until answered: the host returns only once the
  // dialog was answered (serving whatever must run meanwhile).
  virtual TDialogResult Dialog(TDialogKind kind, const std::wstring& message,
                               const std::wstring& defaultText) = 0;
  // window.open(url, name, features): true when a window is (being) opened, false when blocked;
  // script gets a window object or null. `url` is as the page gave it (may be relative or empty).
  virtual bool OpenWindow(const std::wstring& url, const std::wstring& name,
                          const TWindowFeatures& features) = 0;
  // window.close().
  virtual void CloseWindow() = 0;
  // document.title = text.
  virtual void SetTitle(const std::wstring& title) = 0;
  // An exception no script caught (page script, timer, event handler). The three structures are
  // borrowed for the call; add a reference to keep one. The layer has already reported it to
  // Console as "Uncaught ..." with its source and line.
  virtual void UncaughtException(cef_v8context_t* context, cef_v8exception_t* exception,
                                 cef_v8stack_trace_t* stackTrace) {
    (void)context, (void)exception, (void)stackTrace;
  }
  // The page's address, for location.href and document.URL.
  virtual std::wstring Url() { return {}; }
  // The page's title as the document gave it (<title>), for reading document.title before the
  // page assigned one.
  virtual std::wstring Title() { return {}; }
  // The document's HTML, which the context's tree is built from when it is created.
  virtual std::wstring DocumentHtml() { return {}; }
  // HTML as a tree: the whole document (an html element) or a fragment's nodes under a nameless
  // element. False leaves the tree empty.
  virtual bool ParseHtml(const std::wstring& html, bool fragment, TDomNode& out) {
    (void)html, (void)fragment, (void)out;
    return false;
  }
  // The tree changed (first after the context was created, then after page script changed it):
  // called once until SnapshotDocument took the changes, so the host lays out once per task.
  virtual void DocumentChanged() {}
  // A link's address against the page's (a.href).
  virtual std::wstring ResolveLink(const std::wstring& url) { return url; }
  // For cef_v8context_t.get_browser / get_frame / get_task_runner: a new reference each call
  // (the caller releases it), or null.
  virtual cef_browser_t* Browser() { return nullptr; }
  virtual cef_frame_t* Frame() { return nullptr; }
  virtual cef_task_runner_t* TaskRunner() { return nullptr; }
};

// ---- Context API (render thread only; never throws)

// A new context for a frame: its own global object (window, document, console, timers,
// dialogs, window.open/close) on which every registered extension has run, in registration
// order, before this returns. Returns the context with one reference (null on failure); the
// runtime hands further references out with add_ref as usual.
cef_v8context_t* CreateContext(IScriptHost* host);

// Runs page script (an inline or external <script>, execute_java_script) in the context.
// `sourceUrl` names the script in console messages and exceptions; `startLine` is the line
// number of its first line (values below 1 count as 1). An exception nobody catches goes to the
// host (Console with level Error, then UncaughtException); returns false then.
bool RunScript(cef_v8context_t* context, const std::wstring& code, const std::wstring& sourceUrl,
               int startLine);

// Fires a page event at window ("load", "unload", ...) or document ("DOMContentLoaded",
// "readystatechange"): the on<type> property first, then listeners from addEventListener.
void FireEvent(cef_v8context_t* context, bool atDocument, const std::wstring& type);

// Asks the page's onbeforeunload (property or "beforeunload" listener). True when the page
// wants the user asked: the handler returned a value other than undefined/null, or set the
// event's returnValue; `message` is that text.
bool AskBeforeUnload(cef_v8context_t* context, std::wstring& message);

// ---- The document tree (ScriptDom.cpp)

// The tree as page script left it, for layout: element and text nodes in document order, each
// with its number (`key`) for the calls below; script and its text are left out. Clears the
// change mark, so the next change calls DocumentChanged again. False when there is no tree.
bool SnapshotDocument(cef_v8context_t* context, TDomNode& root);

enum class TMouseKind { Down, Up };
// A mouse button pressed (mousedown, and the focus moves to the focusable element pressed) or
// released (mouseup, then click) on the node with that key (-1: the body). `x`, `y` are the
// page position. Returns the address of a link to follow after the click, else empty.
std::wstring DispatchMouse(cef_v8context_t* context, int key, TMouseKind kind, int x, int y);

enum class TKeyKind { Down = 0, Up = 1, Char = 2 };
enum class TKeyResult { Default = 0, Prevented = 1, Tab = 2 };
// A key event at the focused element (else the body): keydown, keyup or keypress; typing into a
// focused text input (input event; change when it loses the focus). Tab is returned for the
// runtime to move the focus (FocusKey), unless the page prevented it.
TKeyResult DispatchKey(cef_v8context_t* context, TKeyKind kind, int code, bool shift);
// Focuses the node with that key (blur/change/focus events); -1 takes the focus away.
void FocusKey(cef_v8context_t* context, int key);

// The page goes away: pending timers are dropped, the host is forgotten, is_valid turns 0 for
// the context and for every value from it. The caller's reference stays the caller's.
void ReleaseContext(cef_v8context_t* context);

// End of the render thread: releases every context and destroys the heap. Values still held
// elsewhere turn invalid. Registered extensions stay registered for a later heap.
void Shutdown();

}  // namespace standin::script
