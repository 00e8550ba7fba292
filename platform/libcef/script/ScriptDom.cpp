// The document tree of a context: built in script (ScriptDom.js.h) from the host's parse, read
// back as a TDomNode tree for layout, and the target of the page window's input.
#include "platform/libcef/script/ScriptEngine.h"

namespace standin::script {

namespace {

const char kDomScript[] =
#include "platform/libcef/script/ScriptDom.js.h"
    ;

// Trees deeper than this are cut when crossing between script and the runtime, so neither side's
// stack can be exhausted by a page.
constexpr int kMaxDepth = 256;

// element -> [tag, [name, value, ...], [children...]], text -> string
bool PushTree(duk_context* ctx, const TDomNode& n, int depth) {
  if (!duk_check_stack(ctx, 8)) return false;
  if (n.text) {
    PushWString(ctx, n.data);
    return true;
  }
  duk_push_array(ctx);
  PushWString(ctx, n.tag);
  duk_put_prop_index(ctx, -2, 0);
  duk_push_array(ctx);
  duk_uarridx_t i = 0;
  for (const auto& [k, v] : n.attrs) {
    PushWString(ctx, k);
    duk_put_prop_index(ctx, -2, i++);
    PushWString(ctx, v);
    duk_put_prop_index(ctx, -2, i++);
  }
  duk_put_prop_index(ctx, -2, 1);
  duk_push_array(ctx);
  i = 0;
  if (depth < kMaxDepth)
    for (const auto& c : n.children) {
      if (!PushTree(ctx, c, depth + 1)) return false;
      duk_put_prop_index(ctx, -2, i++);
    }
  duk_put_prop_index(ctx, -2, 2);
  return true;
}

// The reverse, from the snapshot's [tag, attributes, children, value, focused]; keys in the
// order script numbered the nodes (pre-order).
void ReadTree(duk_context* ctx, TDomNode& n, int& key, int depth) {
  n.key = key++;
  if (duk_is_string(ctx, -1)) {
    n.text = true;
    n.data = GetWString(ctx, -1);
    return;
  }
  if (!duk_is_array(ctx, -1) || !duk_check_stack(ctx, 8)) return;
  duk_get_prop_index(ctx, -1, 0);
  n.tag = GetWString(ctx, -1);
  duk_pop(ctx);
  duk_get_prop_index(ctx, -1, 1);
  const duk_size_t na = duk_is_array(ctx, -1) ? duk_get_length(ctx, -1) : 0;
  for (duk_size_t i = 0; i + 1 < na; i += 2) {
    duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
    duk_get_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i + 1));
    n.attrs.emplace_back(GetWString(ctx, -2), GetWString(ctx, -1));
    duk_pop_2(ctx);
  }
  duk_pop(ctx);
  duk_get_prop_index(ctx, -1, 3);
  n.value = GetWString(ctx, -1);
  duk_pop(ctx);
  duk_get_prop_index(ctx, -1, 4);
  n.focused = duk_get_boolean(ctx, -1) != 0;
  duk_pop(ctx);
  duk_get_prop_index(ctx, -1, 2);
  const duk_size_t nc = duk_is_array(ctx, -1) ? duk_get_length(ctx, -1) : 0;
  if (depth < kMaxDepth) {
    n.children.resize(nc);
    for (duk_size_t i = 0; i < nc; ++i) {
      duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(i));
      ReadTree(ctx, n.children[i], key, depth + 1);
      duk_pop(ctx);
    }
  }
  duk_pop(ctx);
}

// Runs helper.dom.<name>; `read` takes the result off the stack top.
template <class Args, class Read>
bool CallDom(cef_v8context_t* context, const char* name, Args&& args, Read&& read) {
  return Guard(false, [&] {
    TContext* c = TContext::From(context);
    if (!c || !OnScriptThread() || !c->Valid()) return false;
    TCRef<cef_v8context_t> hold = TCRef<cef_v8context_t>::Share(context);
    duk_context* ctx = nullptr;
    if (!CallPageHelper(c, name, args, &ctx, "dom")) return false;
    read(ctx);
    duk_pop(ctx);
    return true;
  });
}

}  // namespace

bool PushDomInstaller(duk_context* ctx) {
  duk_push_string(ctx, kInternalFile);
  if (duk_pcompile_lstring_filename(ctx, DUK_COMPILE_EVAL, kDomScript, sizeof(kDomScript) - 1) != 0) {
    duk_pop(ctx);
    return false;
  }
  if (duk_pcall(ctx, 0) != DUK_EXEC_SUCCESS) {
    duk_pop(ctx);
    return false;
  }
  return true;
}

duk_ret_t NativeParseHtml(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    TDomNode tree;
    const bool fragment = duk_get_boolean(ctx, 1) != 0;
    if (!host->ParseHtml(GetWString(ctx, 0), fragment, tree)) tree.tag = fragment ? L"" : L"html";
    if (!fragment)  // an empty document still has its head and body
      while (tree.children.size() < 2) {
        TDomNode el;
        el.tag = tree.children.empty() ? L"head" : L"body";
        tree.children.push_back(std::move(el));
      }
    return PushTree(ctx, tree, 0) ? 1 : 0;
  });
}

duk_ret_t NativeDocumentHtml(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    PushWString(ctx, host->DocumentHtml());
    return 1;
  });
}

duk_ret_t NativeDocumentChanged(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    TRunningScope running(ctx);
    host->DocumentChanged();
    return 0;
  });
}

duk_ret_t NativeResolveUrl(duk_context* ctx) {
  return HostNative(ctx, [&](TContext*, IScriptHost* host) {
    PushWString(ctx, host->ResolveLink(GetWString(ctx, 0)));
    return 1;
  });
}

bool SnapshotDocument(cef_v8context_t* context, TDomNode& root) {
  root = TDomNode{};
  bool ok = false;
  CallDom(context, "snapshot", [](duk_context*) { return 0; }, [&](duk_context* ctx) {
    int key = 0;
    ok = duk_is_array(ctx, -1) != 0;
    if (ok) ReadTree(ctx, root, key, 0);
  });
  return ok;
}

std::wstring DispatchMouse(cef_v8context_t* context, int key, TMouseKind kind, int x, int y) {
  std::wstring link;
  CallDom(context, "mouse",
          [&](duk_context* ctx) {
            duk_push_int(ctx, key);
            duk_push_string(ctx, kind == TMouseKind::Down ? "mousedown" : "mouseup");
            duk_push_int(ctx, x);
            duk_push_int(ctx, y);
            return 4;
          },
          [&](duk_context* ctx) { link = GetWString(ctx, -1); });
  return link;
}

TKeyResult DispatchKey(cef_v8context_t* context, TKeyKind kind, int code, bool shift) {
  int result = 0;
  CallDom(context, "key",
          [&](duk_context* ctx) {
            duk_push_int(ctx, static_cast<int>(kind));
            duk_push_int(ctx, code);
            duk_push_int(ctx, code);
            duk_push_boolean(ctx, shift);
            return 4;
          },
          [&](duk_context* ctx) { result = duk_get_int(ctx, -1); });
  return result == 1 ? TKeyResult::Prevented : result == 2 ? TKeyResult::Tab : TKeyResult::Default;
}

void FocusKey(cef_v8context_t* context, int key) {
  CallDom(context, "focusKey",
          [&](duk_context* ctx) {
            duk_push_int(ctx, key);
            return 1;
          },
          [](duk_context*) {});
}

}  // namespace standin::script
