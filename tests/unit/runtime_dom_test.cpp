// The render side's document in the stand-in runtime: the HTML tree parser, the document page
// script works on (through the script layer with a test host), and what the page window's input
// does to it. The runtime's pure units are linked in directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/libcef/Cef.Dom.h"
#include "platform/libcef/script/ScriptHost.h"

using namespace standin;
using namespace standin::script;

namespace {

std::wstring Take(cef_string_userfree_t s) {
  if (!s) return {};
  std::wstring w(s->str ? s->str : L"", s->length);
  cef_string_userfree_utf16_free(s);
  return w;
}

// ---- the parser -----------------------------------------------------------------------------

// The tree as compact text: elements as tag[children], text in quotes.
std::wstring Shape(const TDomNode& n) {
  if (n.text) return L"'" + n.data + L"'";
  std::wstring s = n.tag;
  if (n.children.empty()) return s;
  s += L"[";
  for (size_t i = 0; i < n.children.size(); ++i) s += (i ? L" " : L"") + Shape(n.children[i]);
  return s + L"]";
}

TEST(HtmlTree, DocumentsGetHtmlHeadAndBodyAndImpliedEndTags) {
  EXPECT_EQ(Shape(ParseDocument(L"<!DOCTYPE html><title>T</title><p>a<p>b<!-- no --><ul><li>1<li>2</ul>")),
            L"html[head[title['T']] body[p['a'] p['b'] ul[li['1'] li['2']]]]");
  EXPECT_EQ(Shape(ParseDocument(L"<html><head><style>p{}</style></head><body><h1>x</h1></body></html>\n")),
            L"html[head[style['p{}']] body[h1['x']]]");
  // Text outside any element goes to the body; an empty text gives an empty body.
  EXPECT_EQ(Shape(ParseDocument(L"just text")), L"html[head body['just text']]");
  EXPECT_EQ(Shape(ParseDocument(L"")), L"html[head body]");
  // Void elements take no children; stray end tags are ignored; headings close each other.
  EXPECT_EQ(Shape(ParseDocument(L"<body>a<br>b<input value=x>c</span></div><h2>one<h3>two")),
            L"html[head body['a' br 'b' input 'c' h2['one'] h3['two']]]");
  // Table rows and cells close each other.
  EXPECT_EQ(Shape(ParseFragment(L"<table><tr><td>1<td>2<tr><td>3</table>")),
            L"[table[tr[td['1'] td['2']] tr[td['3']]]]");
}

TEST(HtmlTree, DocumentKeepsContentInTextOrderAndJoinsText) {
  // What comes before an <html> start tag stays before its content (scripts run in that order);
  // text on both sides of a <body> tag is one node, as innerHTML would parse it again.
  EXPECT_EQ(Shape(ParseDocument(L"<p>x</p><html><p>y</p></html>")), L"html[head body[p['x'] p['y']]]");
  EXPECT_EQ(Shape(ParseDocument(L"a<body>b</body>c")), L"html[head body['abc']]");
  // A no-break space is not a space: innerHTML writes it as &nbsp;, which must read back as it.
  EXPECT_EQ(ParseFragment(L"a&nbsp;b").children[0].data, L"a\xA0" L"b");
  // The first of a name counts, however many attributes a tag holds.
  std::wstring many = L"<p a=first";
  for (int i = 0; i < 20000; ++i) many += L" b" + std::to_wstring(i);
  const TDomNode p = ParseFragment(many + L" a=second>").children[0];
  EXPECT_EQ(p.attrs.size(), 20001u);
  EXPECT_EQ(p.AttrOr(L"a"), L"first");
}

TEST(HtmlTree, AttributesAndTextAreDecodedButScriptIsNot) {
  TDomNode n = ParseFragment(L"<A HREF='/x?a=1&amp;b=2' Class=\"k  j\" data-x=plain disabled>&lt;&#x4e2d;&gt;</a>"
                             L"<script>if (a < b && c) x = '&amp;';</script>");
  ASSERT_EQ(n.children.size(), 2u);
  const TDomNode& a = n.children[0];
  EXPECT_EQ(a.tag, L"a");
  EXPECT_EQ(a.AttrOr(L"href"), L"/x?a=1&b=2");
  EXPECT_EQ(a.AttrOr(L"data-x"), L"plain");
  ASSERT_NE(a.Attr(L"disabled"), nullptr);
  EXPECT_TRUE(a.HasClass(L"k") && a.HasClass(L"j") && !a.HasClass(L"kj"));
  EXPECT_EQ(a.children[0].data, L"<\x4e2d>");
  EXPECT_EQ(n.children[1].children[0].data, L"if (a < b && c) x = '&amp;';");
}

TEST(HtmlTree, DeepNestingIsBounded) {
  std::wstring deep;
  for (int i = 0; i < 5000; ++i) deep += L"<div>";
  TDomNode n = ParseFragment(deep + L"x");
  int depth = 0;
  for (const TDomNode* p = &n; !p->children.empty(); p = &p->children.back()) ++depth;
  EXPECT_LE(depth, 201);
}

// ---- the document in script -----------------------------------------------------------------

struct TDomHost : IScriptHost {
  std::wstring html;
  std::vector<std::function<void()>> tasks;
  std::vector<std::wstring> console;
  int changes = 0;
  void PostDelayed(std::function<void()> task, int64_t) override { tasks.push_back(std::move(task)); }
  void Trace(const std::wstring&) override {}
  void Console(TConsoleLevel, const std::wstring& message, const std::wstring&, int) override {
    console.push_back(message);
  }
  TDialogResult Dialog(TDialogKind, const std::wstring&, const std::wstring&) override { return {}; }
  bool OpenWindow(const std::wstring&, const std::wstring&, const TWindowFeatures&) override { return false; }
  void CloseWindow() override {}
  void SetTitle(const std::wstring&) override {}
  std::wstring url = L"http://127.0.0.1/dir/page.html";
  std::wstring Url() override { return url; }
  std::wstring DocumentHtml() override { return html; }
  bool ParseHtml(const std::wstring& text, bool fragment, TDomNode& out) override {
    out = fragment ? ParseFragment(text) : ParseDocument(text);
    return true;
  }
  void DocumentChanged() override { ++changes; }
  std::wstring ResolveLink(const std::wstring& url) override {
    return url.find(L"://") == std::wstring::npos ? L"http://127.0.0.1/dir/" + url : url;
  }
};

class DomTest : public ::testing::Test {
protected:
  void Load(const std::wstring& html) {
    host.html = html;
    context = TCRef<cef_v8context_t>::Adopt(CreateContext(&host));
    ASSERT_TRUE(context);
  }
  void TearDown() override {
    if (context) ReleaseContext(context.Get());
    context.Reset();
    Shutdown();
  }
  // The script's value as text ("<exception: ...>" when it threw).
  std::wstring Js(const std::wstring& code) {
    cef_string_t js{const_cast<wchar_t*>(code.c_str()), code.size(), nullptr};
    cef_v8value_t* ret = nullptr;
    cef_v8exception_t* exc = nullptr;
    if (!context->eval(context.Get(), &js, &ret, &exc)) {
      std::wstring m = exc ? Take(exc->get_message(exc)) : L"?";
      if (exc) exc->base.release(&exc->base);
      return L"<exception: " + m + L">";
    }
    cef_string_t s{};
    std::wstring out;
    if (ret->is_string(ret)) out = Take(ret->get_string_value(ret));
    else if (ret->is_null(ret)) out = L"null";
    else if (ret->is_undefined(ret)) out = L"undefined";
    else if (ret->is_bool(ret)) out = ret->get_bool_value(ret) ? L"true" : L"false";
    else if (ret->is_int(ret)) out = std::to_wstring(ret->get_int_value(ret));
    else out = L"<object>";
    (void)s;
    ret->base.release(&ret->base);
    return out;
  }
  TDomNode Snapshot() {
    TDomNode root;
    EXPECT_TRUE(SnapshotDocument(context.Get(), root));
    return root;
  }
  // The key of the first element with that id in a snapshot.
  static int KeyOf(const TDomNode& n, const std::wstring& id) {
    if (!n.text && n.AttrOr(L"id") == id) return n.key;
    for (const auto& c : n.children)
      if (int k = KeyOf(c, id); k >= 0) return k;
    return -1;
  }

  TDomHost host;
  TCRef<cef_v8context_t> context;
};

const wchar_t kListPage[] =
    L"<html><head><title>t</title></head><body>"
    L"<div id=main class='box wide'><p class=box>one</p><ul><li class=x>a</li><li>b</li></ul></div>"
    L"<p id=last>tail &amp; end</p></body></html>";

TEST_F(DomTest, QueriesFindElementsBySelector) {
  Load(kListPage);
  EXPECT_EQ(Js(L"document.getElementById('last').textContent"), L"tail & end");
  EXPECT_EQ(Js(L"document.getElementById('missing')"), L"null");
  EXPECT_EQ(Js(L"document.querySelectorAll('.box').length"), L"2");
  EXPECT_EQ(Js(L"document.querySelector('p.box').textContent"), L"one");
  EXPECT_EQ(Js(L"document.querySelector('div.box.wide').id"), L"main");
  EXPECT_EQ(Js(L"document.querySelectorAll('#main li').length"), L"2");
  EXPECT_EQ(Js(L"document.querySelectorAll('div > li').length"), L"0");
  EXPECT_EQ(Js(L"document.querySelectorAll('ul > li.x, #last').length"), L"2");
  EXPECT_EQ(Js(L"document.getElementsByTagName('LI')[1].textContent"), L"b");
  EXPECT_EQ(Js(L"document.getElementById('main').querySelector('li').className"), L"x");
  EXPECT_EQ(Js(L"document.body.firstChild.id + ' ' + document.body.lastChild.id"), L"main last");
  EXPECT_EQ(Js(L"document.title + document.head.childNodes.length"), L"t1");
  EXPECT_EQ(Js(L"try { document.querySelector('a]b'); 'no' } catch (e) { e.name }"), L"SyntaxError");
}

TEST_F(DomTest, TreeChangesAndTheirTextAndHtml) {
  Load(kListPage);
  EXPECT_EQ(Js(L"var ul = document.querySelector('ul'), li = document.createElement('li');"
               L"li.appendChild(document.createTextNode('c')); ul.appendChild(li);"
               L"ul.insertBefore(document.createElement('li'), ul.firstChild).textContent = 'z';"
               L"ul.removeChild(ul.children[1]); ul.textContent"),
            L"zbc");
  EXPECT_EQ(Js(L"li.parentNode === ul && li.previousSibling.textContent"), L"b");
  EXPECT_EQ(Js(L"try { li.appendChild(ul); 'no' } catch (e) { 'refused' }"), L"refused");
  EXPECT_EQ(Js(L"var m = document.getElementById('main'); m.innerHTML = '<b class=\"k\">x &lt; y</b><br>t';"
               L"m.childNodes.length + ' ' + m.firstChild.tagName + ' ' + m.firstChild.textContent"),
            L"3 B x < y");
  EXPECT_EQ(Js(L"m.innerHTML"), L"<b class=\"k\">x &lt; y</b><br>t");
  EXPECT_EQ(Js(L"m.textContent = 'plain <i>'; m.childNodes.length + m.innerHTML"), L"1plain &lt;i&gt;");
  EXPECT_EQ(Js(L"m.setAttribute('data-k', 'v'); m.getAttribute('DATA-K') + m.getAttribute('nope')"), L"vnull");
  EXPECT_EQ(Js(L"m.classList.add('n'); m.classList.remove('box'); m.classList.toggle('wide');"
               L"m.className + ' ' + m.classList.contains('n')"),
            L"n true");
  EXPECT_EQ(Js(L"m.id = 'other'; document.getElementById('other') === m"), L"true");
  EXPECT_EQ(Js(L"m.style.width = '50%'; m.style.backgroundColor = 'red'; m.getAttribute('style')"),
            L"width: 50%; background-color: red");
  EXPECT_EQ(Js(L"m.setAttribute('style', 'color: blue; font-size: 20px'); m.style.fontSize + m.style.color"),
            L"20pxblue");
}

TEST_F(DomTest, LocationGivesTheAddressInParts) {
  host.url = L"http://127.0.0.1:8088/index.php/PC/?a=1#top";
  Load(L"<p>x</p>");
  EXPECT_EQ(Js(L"[location.protocol, location.host, location.hostname, location.port, location.pathname,"
               L" location.search, location.hash, location.origin].join('|')"),
            L"http:|127.0.0.1:8088|127.0.0.1|8088|/index.php/PC/|?a=1|#top|http://127.0.0.1:8088");
  EXPECT_EQ(Js(L"location.protocol + '//' + location.host + '/x'"), L"http://127.0.0.1:8088/x");
  host.url = L"about:blank";
  EXPECT_EQ(Js(L"location.protocol + location.host + location.pathname"), L"about:blank");
}

TEST_F(DomTest, FormControlsKeepValueAndDisabled) {
  Load(L"<input id=i value='first'><button id=b disabled>Go</button>");
  EXPECT_EQ(Js(L"var i = document.getElementById('i'); i.value"), L"first");
  EXPECT_EQ(Js(L"i.value = 'typed'; i.value + ' ' + i.getAttribute('value')"), L"typed first");
  EXPECT_EQ(Js(L"var b = document.getElementById('b'); b.disabled"), L"true");
  EXPECT_EQ(Js(L"b.disabled = false; b.disabled + ' ' + b.hasAttribute('disabled')"), L"false false");
}

TEST_F(DomTest, EventsBubbleWithHandlersFromAttributesAndListeners) {
  Load(L"<div id=outer onclick=\"log.push('attr:' + this.id + ':' + event.type)\">"
       L"<span id=inner>x</span></div><a id=stop onclick='return false' href='next.html'>n</a>");
  EXPECT_EQ(Js(L"var log = [], inner = document.getElementById('inner');"
               L"function f(e) { log.push('inner:' + e.target.id + ':' + e.currentTarget.id); }"
               L"inner.addEventListener('click', f);"
               L"document.body.addEventListener('click', function () { log.push('body'); });"
               L"document.addEventListener('click', function () { log.push('doc'); });"
               L"window.addEventListener('click', function () { log.push('win'); });"
               L"inner.click(); log.join(',')"),
            L"inner:inner:inner,attr:outer:click,body,doc,win");
  EXPECT_EQ(Js(L"log = []; inner.removeEventListener('click', f);"
               L"inner.onclick = function (e) { e.stopPropagation(); log.push('stopped'); };"
               L"inner.click(); log.join(',')"),
            L"stopped");
  EXPECT_EQ(Js(L"var ev = new Event('click', {bubbles: true, cancelable: true});"
               L"document.getElementById('stop').dispatchEvent(ev) + ' ' + ev.defaultPrevented"),
            L"false true");
  // An exception in one handler is reported and the others still run.
  EXPECT_EQ(Js(L"log = []; inner.onclick = null; inner.addEventListener('click', function () { throw new Error('h'); });"
               L"inner.addEventListener('click', function () { log.push('after'); }); inner.click(); log.join()"),
            L"after,attr:outer:click,body,doc,win");
  EXPECT_TRUE(std::any_of(host.console.begin(), host.console.end(),
                          [](const std::wstring& m) { return m.find(L"Error: h") != std::wstring::npos; }));
  // So is an attribute handler that does not compile; the event goes on.
  EXPECT_EQ(Js(L"log = []; document.getElementById('outer').setAttribute('onclick', 'if (');"
               L"inner.click(); log.join()"),
            L"after,body,doc,win");
}

TEST_F(DomTest, ChangesAreReportedOnceUntilTheSnapshotTakesThem) {
  Load(kListPage);
  EXPECT_EQ(host.changes, 1);  // the first layout
  Snapshot();
  Js(L"document.body.appendChild(document.createElement('p')).textContent = 'x';"
     L"document.getElementById('last').style.color = 'red'");
  EXPECT_EQ(host.changes, 2);
  TDomNode root = Snapshot();
  ASSERT_EQ(root.tag, L"html");
  const TDomNode& body = root.children[1];
  EXPECT_EQ(body.children.back().tag, L"p");
  EXPECT_EQ(body.children.back().children[0].data, L"x");
  Js(L"document.title = document.title");  // not a change of the tree
  EXPECT_EQ(host.changes, 2);
  Js(L"document.getElementById('main').id = 'm2'");
  EXPECT_EQ(host.changes, 3);
}

TEST_F(DomTest, MouseInputFocusesClicksAndFollowsLinks) {
  Load(L"<p id=p>text</p><a id=a href='next.html'>go</a><a id=b href='/x' onclick='event.preventDefault()'>no</a>"
       L"<button id=btn onmousedown=\"log.push('down')\" onmouseup=\"log.push('up')\" onclick=\"log.push('click')\">B</button>"
       L"<script>var log = [];</script>");
  Js(L"var log = []");
  TDomNode root = Snapshot();
  const int btn = KeyOf(root, L"btn"), a = KeyOf(root, L"a"), b = KeyOf(root, L"b"), p = KeyOf(root, L"p");
  EXPECT_EQ(DispatchMouse(context.Get(), btn, TMouseKind::Down, 5, 5), L"");
  EXPECT_EQ(Js(L"document.activeElement.id"), L"btn");
  EXPECT_EQ(DispatchMouse(context.Get(), btn, TMouseKind::Up, 5, 5), L"");
  EXPECT_EQ(Js(L"log.join()"), L"down,up,click");
  // A click on the text inside a link follows it; a prevented one does not.
  EXPECT_EQ(DispatchMouse(context.Get(), a + 1, TMouseKind::Up, 0, 0), L"http://127.0.0.1/dir/next.html");
  EXPECT_EQ(DispatchMouse(context.Get(), b, TMouseKind::Up, 0, 0), L"");
  // Pressing where nothing can take the focus takes it away.
  DispatchMouse(context.Get(), p, TMouseKind::Down, 0, 0);
  EXPECT_EQ(Js(L"document.activeElement === document.body"), L"true");
  // A node that left the document since the snapshot gets nothing.
  Js(L"log = []; var x = document.getElementById('btn'); x.parentNode.removeChild(x)");
  DispatchMouse(context.Get(), btn, TMouseKind::Up, 0, 0);
  EXPECT_EQ(Js(L"log.length"), L"0");
}

TEST_F(DomTest, TypingGoesIntoTheFocusedInput) {
  Load(L"<input id=i value='ab'><input id=j>");
  Js(L"var log = [], i = document.getElementById('i');"
     L"['input', 'change', 'keydown', 'focus', 'blur'].forEach(function (t) {"
     L"  i.addEventListener(t, function (e) { log.push(t + (t === 'keydown' ? e.keyCode : '') + '=' + i.value); }); })");
  TDomNode root = Snapshot();
  FocusKey(context.Get(), KeyOf(root, L"i"));
  EXPECT_EQ(DispatchKey(context.Get(), TKeyKind::Char, L'c', false), TKeyResult::Default);
  EXPECT_EQ(DispatchKey(context.Get(), TKeyKind::Down, 8, false), TKeyResult::Default);  // backspace
  DispatchKey(context.Get(), TKeyKind::Char, 8, false);  // its character is no text
  DispatchKey(context.Get(), TKeyKind::Char, 0x4e2d, false);
  EXPECT_EQ(DispatchKey(context.Get(), TKeyKind::Down, 13, false), TKeyResult::Default);
  EXPECT_EQ(Js(L"i.value"), L"ab\x4e2d");
  EXPECT_EQ(DispatchKey(context.Get(), TKeyKind::Down, 9, false), TKeyResult::Tab);
  FocusKey(context.Get(), KeyOf(root, L"j"));
  EXPECT_EQ(Js(L"log.join()"), L"focus=ab,input=abc,keydown8=abc,input=ab,input=ab\x4e2d,keydown13=ab\x4e2d,"
                               L"keydown9=ab\x4e2d,change=ab\x4e2d,blur=ab\x4e2d");
  // A prevented key does nothing more.
  Js(L"document.getElementById('j').onkeypress = function (e) { e.preventDefault(); }");
  EXPECT_EQ(DispatchKey(context.Get(), TKeyKind::Char, L'x', false), TKeyResult::Prevented);
  EXPECT_EQ(Js(L"document.getElementById('j').value"), L"");
}

}  // namespace
