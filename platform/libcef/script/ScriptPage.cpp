// What page script finds on its global object besides the language: window, document,
// location, console, timers, dialogs, window.open/close, events. Most of it is script; the
// natives below hand each request to the context's host.
#include <cwctype>

#include "platform/libcef/script/ScriptEngine.h"

namespace standin::script {

const char* const kInternalFile = "<internal>";

namespace {

// Runs once per context, before extensions and page script. `h` holds the natives; what it
// returns is the page helper the layer calls (fire, beforeUnload, runTimer).
const char kBootstrap[] = R"JS((function (g, h) {
  var OP = Object.prototype, dG = OP.__defineGetter__, dS = OP.__defineSetter__,
      lG = OP.__lookupGetter__, lS = OP.__lookupSetter__, slice = Array.prototype.slice;
  function hide(o, n, v) {
    Object.defineProperty(o, n, { value: v, writable: true, configurable: true, enumerable: false });
  }
  // A bare __defineGetter__('x', f) in global code calls these with no receiver.
  hide(g, '__defineGetter__', function (n, f) { return dG.call(this == null ? g : this, n, f); });
  hide(g, '__defineSetter__', function (n, f) { return dS.call(this == null ? g : this, n, f); });
  hide(g, '__lookupGetter__', function (n) { return lG.call(this == null ? g : this, n); });
  hide(g, '__lookupSetter__', function (n) { return lS.call(this == null ? g : this, n); });
  Object.defineProperty(g, '__nativeCall', { value: h.nativeCall, writable: false, configurable: false, enumerable: false });
  Duktape.errThrow = h.throwHook;
  hide(g, 'window', g); hide(g, 'self', g); hide(g, 'top', g); hide(g, 'parent', g); hide(g, 'frames', g);

  function str(v, d) { return v === undefined ? d : String(v); }

  // Timers: the host schedules, runTimer runs the due one.
  var timers = {}, nextTimer = 1;
  function addTimer(fn, ms, repeat, args) {
    var id = nextTimer++;
    ms = Number(ms);
    if (!(ms > 0)) ms = 0;
    if (repeat && ms < 1) ms = 1;
    timers[id] = { fn: fn, ms: ms, repeat: repeat, args: args };
    h.schedule(id, ms);
    return id;
  }
  g.setTimeout = function (fn, ms) { return addTimer(fn, ms, false, slice.call(arguments, 2)); };
  g.setInterval = function (fn, ms) { return addTimer(fn, ms, true, slice.call(arguments, 2)); };
  g.clearTimeout = function (id) { delete timers[id]; };
  g.clearInterval = function (id) { delete timers[id]; };
  function runTimer(id) {
    var t = timers[id];
    if (!t) return;
    if (t.repeat) h.schedule(id, t.ms); else delete timers[id];
    if (typeof t.fn === 'function') t.fn.apply(g, t.args); else (0, eval)(String(t.fn));
  }

  function text(args) {
    var parts = [];
    for (var i = 0; i < args.length; i++) parts.push(String(args[i]));
    return parts.join(' ');
  }
  g.console = {
    log: function () { h.console(0, text(arguments)); },
    info: function () { h.console(0, text(arguments)); },
    debug: function () { h.console(0, text(arguments)); },
    warn: function () { h.console(1, text(arguments)); },
    error: function () { h.console(2, text(arguments)); }
  };

  g.alert = function (m) { h.dialog(0, str(m, ''), ''); };
  g.confirm = function (m) { return h.dialog(1, str(m, ''), '') === true; };
  g.prompt = function (m, d) { return h.dialog(2, str(m, ''), str(d, '')); };

  g.open = function (url, name, features) {
    if (!h.open(url == null ? '' : String(url), name == null ? '' : String(name),
                features == null ? '' : String(features))) return null;
    return { closed: false, opener: g, close: function () {}, focus: function () {},
             blur: function () {}, postMessage: function () {} };
  };
  g.close = function () { h.close(); };
  g.focus = function () {};
  g.blur = function () {};

  var loc = {};
  Object.defineProperty(loc, 'href', { get: function () { return h.url(); }, enumerable: true });
  // The parts of the address, as the page's own address has them now.
  function part(i) {
    var m = /^([a-z][a-z0-9+.\-]*:)(?:\/\/([^\/?#]*))?([^?#]*)(\?[^#]*)?(#.*)?$/i.exec(h.url()) || [];
    return m[i] || '';
  }
  [['protocol', 1], ['host', 2], ['pathname', 3], ['search', 4], ['hash', 5]].forEach(function (p) {
    Object.defineProperty(loc, p[0], { get: function () { return part(p[1]); }, enumerable: true });
  });
  Object.defineProperty(loc, 'hostname', { get: function () { return part(2).replace(/:\d+$/, ''); }, enumerable: true });
  Object.defineProperty(loc, 'port', {
    get: function () { var m = /:(\d+)$/.exec(part(2)); return m ? m[1] : ''; }, enumerable: true });
  Object.defineProperty(loc, 'origin', {
    get: function () { return part(1) + '//' + part(2); }, enumerable: true });
  loc.toString = function () { return h.url(); };
  hide(g, 'location', loc);
  g.navigator = { userAgent: '', language: 'zh-CN', platform: 'Win32', onLine: true };

  // The document and its tree (ScriptDom.js.h); window's and the document's events go through it.
  var doc = {}, title = null;
  Object.defineProperty(doc, 'title', {
    get: function () {
      if (title !== null) return title;
      var t = h.getTitle(), el = t ? null : doc.querySelector('title');
      return el ? el.textContent.replace(/\s+/g, ' ').trim() : t;
    },
    set: function (v) { title = String(v); h.setTitle(title); },
    enumerable: true, configurable: true
  });
  Object.defineProperty(doc, 'URL', { get: function () { return h.url(); }, enumerable: true });
  doc.location = loc;
  doc.readyState = 'loading';
  hide(g, 'document', doc);
  g.onbeforeunload = null;
  g.onload = null;
  var dom = h.installDom(g, h, doc);

  return {
    runTimer: runTimer,
    dom: dom,
    fire: function (atDocument, type) {
      if (type === 'DOMContentLoaded') doc.readyState = 'interactive';
      if (type === 'load') doc.readyState = 'complete';
      dom.fire(atDocument, type);
    },
    beforeUnload: function () {
      var ev = { type: 'beforeunload', target: g, currentTarget: g, returnValue: undefined,
                 preventDefault: function () {}, stopPropagation: function () {} },
          on = g.onbeforeunload, all = (typeof on === 'function' ? [on] : []).concat((g._l.beforeunload || []).slice()), r;
      for (var i = 0; i < all.length; i++) {
        try {
          var f = all[i], v = typeof f === 'function' ? f.call(g, ev) : f.handleEvent(ev);
          if (v !== undefined) r = v;
        } catch (e) { h.report(e); }
      }
      if (r === undefined || r === null) r = ev.returnValue;
      return r === undefined || r === null ? null : String(r);
    }
  };
}))JS";

// The innermost page frame (the layer's own script left out): source and line.
void CallerPosition(duk_context* ctx, std::wstring& source, int& line) {
  std::vector<TFrameInfo> frames = CurrentFrames(ctx, 1);
  if (frames.empty()) return;
  source = frames[0].scriptName;
  line = frames[0].line;
}

void RunTimer(int contextId, int timerId);

duk_ret_t NativeSchedule(duk_context* ctx) {
  return HostNative(ctx, [&](TContext* c, IScriptHost* host) {
    int id = duk_get_int(ctx, 0);
    double ms = duk_get_number(ctx, 1);
    int contextId = c->FId;
    host->PostDelayed([contextId, id] { RunTimer(contextId, id); },
                      ms > 0 ? static_cast<int64_t>(ms) : 0);
    return 0;
  });
}

duk_ret_t NativeConsole(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    int level = duk_get_int(ctx, 0);
    std::wstring message = GetWString(ctx, 1);
    std::wstring source;
    int line = 0;
    CallerPosition(ctx, source, line);
    TConsoleLevel lv = level == 1 ? TConsoleLevel::Warn
                       : level == 2 ? TConsoleLevel::Error
                                    : TConsoleLevel::Log;
    host->Trace(L"console " + message + L" (" + source + L":" + std::to_wstring(line) + L")");
    TRunningScope running(ctx);
    host->Console(lv, message, source, line);
    return 0;
  });
}

duk_ret_t NativeDialog(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    int kind = duk_get_int(ctx, 0);
    std::wstring message = GetWString(ctx, 1);
    std::wstring defaultText = GetWString(ctx, 2);
    TDialogKind k = kind == 1 ? TDialogKind::Confirm : kind == 2 ? TDialogKind::Prompt
                                                                   : TDialogKind::Alert;
    static const wchar_t* const names[] = {L"alert", L"confirm", L"prompt"};
    host->Trace(std::wstring(L"dialog ") + names[static_cast<int>(k)] + L" " + message);
    TDialogResult result;
    {
      TRunningScope running(ctx);
      result = host->Dialog(k, message, defaultText);
    }
    if (k == TDialogKind::Alert) return 0;
    if (k == TDialogKind::Confirm) {
      duk_push_boolean(ctx, result.ok);
      return 1;
    }
    if (result.ok)
      PushWString(ctx, result.text);
    else
      duk_push_null(ctx);
    return 1;
  });
}

duk_ret_t NativeOpen(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    std::wstring url = GetWString(ctx, 0);
    std::wstring name = GetWString(ctx, 1);
    TWindowFeatures features = ParseWindowFeatures(GetWString(ctx, 2));
    host->Trace(L"window.open " + url + L" " + name + L" " + features.text);
    bool opened;
    {
      TRunningScope running(ctx);
      opened = host->OpenWindow(url, name, features);
    }
    duk_push_boolean(ctx, opened);
    return 1;
  });
}

duk_ret_t NativeClose(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    host->Trace(L"window.close");
    TRunningScope running(ctx);
    host->CloseWindow();
    return 0;
  });
}

duk_ret_t NativeSetTitle(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    std::wstring title = GetWString(ctx, 0);
    host->Trace(L"document.title " + title);
    TRunningScope running(ctx);
    host->SetTitle(title);
    return 0;
  });
}

duk_ret_t NativeGetTitle(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    PushWString(ctx, host->Title());
    return 1;
  });
}

duk_ret_t NativeUrl(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    PushWString(ctx, host->Url());
    return 1;
  });
}

duk_ret_t NativeReport(duk_context* ctx) {
  return HostNative(ctx, [&](TContext* c, IScriptHost*) {
    duk_set_top(ctx, 1);
    TRunningScope running(ctx);
    ReportUncaught(ctx, c);
    return 0;
  });
}

void RunTimer(int contextId, int timerId) {
  GuardVoid([&] {
    if (!OnScriptThread()) return;
    TContext* c = TContext::FromId(contextId);
    if (!c || !c->Valid()) return;
    TCRef<cef_v8context_t> hold = TCRef<cef_v8context_t>::Share(c->Struct());
    duk_context* ctx = c->Duk();
    if (!ctx || !c->FPageStash || !duk_check_stack(ctx, 8)) return;
    FlushDeferredReleases();
    TContextScope scope(c);
    StashPush(ctx, c->FPageStash);
    duk_get_prop_string(ctx, -1, "runTimer");
    duk_swap_top(ctx, -2);
    duk_push_int(ctx, timerId);
    if (ProtectedCallMethod(ctx, 1) != DUK_EXEC_SUCCESS) ReportUncaught(ctx, c);
    duk_pop(ctx);
  });
}

}  // namespace

TContext* ContextOf(duk_context* ctx) {
  for (auto& [id, c] : LiveContexts())
    if (c->FThread == ctx && c->Valid()) return c;
  return nullptr;
}

bool InstallPage(duk_context* ctx, TContext* context) {
  if (!duk_check_stack(ctx, 8)) return false;
  duk_push_global_object(ctx);
  duk_get_prop_string(ctx, -1, "Date");
  duk_put_prop_string(ctx, -2, DUK_HIDDEN_SYMBOL("Date"));
  duk_pop(ctx);
  duk_push_string(ctx, kInternalFile);
  if (duk_pcompile_lstring_filename(ctx, DUK_COMPILE_EVAL, kBootstrap, sizeof(kBootstrap) - 1) !=
      0) {
    duk_pop(ctx);
    return false;
  }
  if (duk_pcall(ctx, 0) != DUK_EXEC_SUCCESS) {
    duk_pop(ctx);
    return false;
  }
  duk_push_global_object(ctx);
  duk_push_object(ctx);
  struct {
    const char* name;
    duk_c_function fn;
    duk_idx_t nargs;
  } const natives[] = {
      {"nativeCall", &NativeExtensionCall, 4}, {"schedule", &NativeSchedule, 2},
      {"console", &NativeConsole, 2},          {"dialog", &NativeDialog, 3},
      {"open", &NativeOpen, 3},                {"close", &NativeClose, 0},
      {"setTitle", &NativeSetTitle, 1},        {"getTitle", &NativeGetTitle, 0},
      {"url", &NativeUrl, 0},                  {"report", &NativeReport, 1},
      {"parse", &NativeParseHtml, 2},          {"html", &NativeDocumentHtml, 0},
      {"changed", &NativeDocumentChanged, 0},  {"resolve", &NativeResolveUrl, 1},
  };
  for (const auto& n : natives) {
    duk_push_c_function(ctx, n.fn, n.nargs);
    duk_put_prop_string(ctx, -2, n.name);
  }
  if (!PushDomInstaller(ctx)) {
    duk_pop_3(ctx);
    return false;
  }
  duk_put_prop_string(ctx, -2, "installDom");
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, "throwHook");
  duk_put_prop_string(ctx, -3, "throwHook");
  duk_pop(ctx);
  if (duk_pcall(ctx, 2) != DUK_EXEC_SUCCESS) {
    duk_pop(ctx);
    return false;
  }
  context->FPageStash = StashPut(ctx, -1);
  duk_pop(ctx);
  return context->FPageStash != 0;
}

TWindowFeatures ParseWindowFeatures(const std::wstring& text) {
  TWindowFeatures f;
  f.text = text;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of(L",;", pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring item = text.substr(pos, end - pos);
    pos = end + 1;
    size_t eq = item.find(L'=');
    if (eq == std::wstring::npos) continue;
    auto trim = [](std::wstring s) {
      size_t a = s.find_first_not_of(L" \t\r\n");
      size_t b = s.find_last_not_of(L" \t\r\n");
      return a == std::wstring::npos ? std::wstring() : s.substr(a, b - a + 1);
    };
    std::wstring key = trim(item.substr(0, eq));
    std::wstring value = trim(item.substr(eq + 1));
    for (auto& ch : key) ch = static_cast<wchar_t>(std::towlower(ch));
    // A leading (optionally signed) number; "100px" counts as 100, "abc" as nothing.
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == L'-' || value[i] == L'+')) negative = value[i++] == L'-';
    size_t digits = i;
    long long n = 0;
    while (i < value.size() && value[i] >= L'0' && value[i] <= L'9' && n < 100000000)
      n = n * 10 + (value[i++] - L'0');
    if (i == digits) continue;
    int v = static_cast<int>(negative ? -n : n);
    if (key == L"left" || key == L"x" || key == L"screenx") {
      f.x = v;
      f.xSet = true;
    } else if (key == L"top" || key == L"y" || key == L"screeny") {
      f.y = v;
      f.ySet = true;
    } else if (key == L"width" || key == L"innerwidth") {
      f.width = v;
      f.widthSet = true;
    } else if (key == L"height" || key == L"innerheight") {
      f.height = v;
      f.heightSet = true;
    }
  }
  return f;
}

}  // namespace standin::script
