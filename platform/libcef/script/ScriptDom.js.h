// The document tree page script works on (ScriptDom.cpp compiles it once per context). A
// function of (g, h, doc): g the global object, h the natives, doc the document object to fill.
// Returns the helper the layer calls: snapshot, mouse, key, focusKey, fire.
R"JS((function (g, h, doc) {
  var dirty = false, nodes = [], active = null, focusValue = null;
  function changed() {
    if (dirty) return;
    dirty = true;
    h.changed();
  }
  function hide(o, n, v) {
    Object.defineProperty(o, n, { value: v, writable: true, configurable: true, enumerable: false });
  }
  function acc(o, n, get, set) {
    Object.defineProperty(o, n, { get: get, set: set, configurable: true, enumerable: true });
  }

  // ---- nodes
  function Node() {}
  function initNode(n, type) {
    hide(n, 'nodeType', type); hide(n, 'parentNode', null); hide(n, 'childNodes', []);
    hide(n, '_l', {});
  }
  var NP = Node.prototype;
  acc(NP, 'firstChild', function () { return this.childNodes[0] || null; });
  acc(NP, 'lastChild', function () { return this.childNodes[this.childNodes.length - 1] || null; });
  function sibling(n, d) {
    var p = n.parentNode;
    return p ? p.childNodes[p.childNodes.indexOf(n) + d] || null : null;
  }
  acc(NP, 'nextSibling', function () { return sibling(this, 1); });
  acc(NP, 'previousSibling', function () { return sibling(this, -1); });
  acc(NP, 'parentElement', function () {
    var p = this.parentNode; return p && p.nodeType === 1 ? p : null;
  });
  acc(NP, 'ownerDocument', function () { return doc; });
  NP.hasChildNodes = function () { return this.childNodes.length > 0; };
  NP.contains = function (n) {
    for (; n; n = n.parentNode) if (n === this) return true;
    return false;
  };
  function checkChild(parent, c) {
    if (!(c instanceof Node)) throw new TypeError('parameter is not of type Node');
    if (c.contains(parent)) throw new Error('HierarchyRequestError: the new child contains the parent');
  }
  function detach(c) {
    var p = c.parentNode;
    if (!p) return;
    p.childNodes.splice(p.childNodes.indexOf(c), 1);
    c.parentNode = null;
    if (active && c.contains(active)) active = null;
  }
  NP.insertBefore = function (c, ref) {
    if (ref === undefined) ref = null;
    if (ref !== null && ref.parentNode !== this) throw new Error('NotFoundError: the reference is not a child');
    if (c && c.nodeType === 11) {
      var kids = c.childNodes.slice();
      for (var i = 0; i < kids.length; i++) this.insertBefore(kids[i], ref);
      return c;
    }
    checkChild(this, c);
    if (c === ref) return c;
    detach(c);
    var at = ref === null ? this.childNodes.length : this.childNodes.indexOf(ref);
    this.childNodes.splice(at, 0, c);
    c.parentNode = this;
    changed();
    return c;
  };
  NP.appendChild = function (c) { return this.insertBefore(c, null); };
  NP.removeChild = function (c) {
    if (!c || c.parentNode !== this) throw new Error('NotFoundError: not a child of this node');
    detach(c);
    changed();
    return c;
  };
  NP.replaceChild = function (c, old) {
    this.insertBefore(c, old);
    return this.removeChild(old);
  };
  NP.remove = function () { if (this.parentNode) this.parentNode.removeChild(this); };
  function textOf(n) {
    if (n.nodeType === 3) return n.data;
    var s = '';
    for (var i = 0; i < n.childNodes.length; i++) s += textOf(n.childNodes[i]);
    return s;
  }
  function setChildren(n, kids) {
    while (n.childNodes.length) detach(n.childNodes[0]);
    for (var i = 0; i < kids.length; i++) n.appendChild(kids[i]);
    changed();
  }
  acc(NP, 'textContent', function () { return textOf(this); }, function (v) {
    if (this.nodeType === 3) { this.data = v; return; }
    setChildren(this, v === null || v === undefined || v === '' ? [] : [new Text(String(v))]);
  });

  function Text(s) { initNode(this, 3); hide(this, '_d', String(s)); }
  Text.prototype = Object.create(NP);
  Text.prototype.nodeName = '#text';
  acc(Text.prototype, 'data', function () { return this._d; }, function (v) { this._d = String(v); changed(); });
  acc(Text.prototype, 'nodeValue', function () { return this._d; }, function (v) { this.data = v; });

  function Fragment() { initNode(this, 11); }
  Fragment.prototype = Object.create(NP);
  Fragment.prototype.nodeName = '#document-fragment';

  // ---- elements
  var STYLE = ['display', 'color', 'background', 'backgroundColor', 'width', 'height', 'margin',
    'marginTop', 'marginRight', 'marginBottom', 'marginLeft', 'padding', 'paddingTop', 'paddingRight',
    'paddingBottom', 'paddingLeft', 'border', 'borderColor', 'borderWidth', 'borderStyle', 'fontSize',
    'fontWeight', 'textAlign', 'fontFamily', 'cursor', 'visibility'];
  function cssName(p) { return p.replace(/[A-Z]/g, function (c) { return '-' + c.toLowerCase(); }); }
  function Style(el) { hide(this, '_el', el); hide(this, '_p', {}); }
  STYLE.forEach(function (p) {
    acc(Style.prototype, p, function () { return this._p[cssName(p)] || ''; }, function (v) {
      var n = cssName(p);
      if (v === null || v === undefined || v === '') delete this._p[n]; else this._p[n] = String(v);
      this._el._a.style = this.cssText;
      changed();
    });
  });
  acc(Style.prototype, 'cssText', function () {
    var s = [], p = this._p;
    for (var k in p) s.push(k + ': ' + p[k]);
    return s.join('; ');
  }, function (v) { this._el.setAttribute('style', v); });
  Style.prototype.setProperty = function (n, v) {
    this._p[String(n)] = String(v); this._el._a.style = this.cssText; changed();
  };
  Style.prototype.getPropertyValue = function (n) { return this._p[String(n)] || ''; };
  Style.prototype.removeProperty = function (n) {
    delete this._p[String(n)]; this._el._a.style = this.cssText; changed();
  };
  function parseStyle(st, text) {
    st._p = {};
    String(text).split(';').forEach(function (d) {
      var c = d.indexOf(':');
      if (c > 0) st._p[d.slice(0, c).trim().toLowerCase()] = d.slice(c + 1).trim();
    });
  }

  function Element(tag) {
    initNode(this, 1);
    hide(this, 'tagName', String(tag).toUpperCase());
    hide(this, '_a', {});
    hide(this, 'style', new Style(this));
    hide(this, '_v', null);  // a control's value once changed from its attribute
  }
  var EP = Element.prototype = Object.create(NP);
  acc(EP, 'nodeName', function () { return this.tagName; });
  acc(EP, 'localName', function () { return this.tagName.toLowerCase(); });
  EP.getAttribute = function (n) {
    n = String(n).toLowerCase();
    return Object.prototype.hasOwnProperty.call(this._a, n) ? this._a[n] : null;
  };
  EP.hasAttribute = function (n) { return this.getAttribute(n) !== null; };
  EP.setAttribute = function (n, v) {
    n = String(n).toLowerCase(); v = String(v);
    this._a[n] = v;
    if (n === 'style') parseStyle(this.style, v);
    changed();
  };
  EP.removeAttribute = function (n) {
    n = String(n).toLowerCase();
    delete this._a[n];
    if (n === 'style') parseStyle(this.style, '');
    changed();
  };
  function attrProp(name, attr) {
    acc(EP, name, function () { var v = this.getAttribute(attr); return v === null ? '' : v; },
        function (v) { this.setAttribute(attr, v); });
  }
  attrProp('id', 'id'); attrProp('className', 'class'); attrProp('title', 'title');
  attrProp('type', 'type'); attrProp('name', 'name'); attrProp('placeholder', 'placeholder');
  acc(EP, 'href', function () {
    var v = this.getAttribute('href'); return v === null ? '' : h.resolve(v);
  }, function (v) { this.setAttribute('href', v); });
  acc(EP, 'disabled', function () { return this.hasAttribute('disabled'); }, function (v) {
    if (v) this.setAttribute('disabled', ''); else this.removeAttribute('disabled');
  });
  acc(EP, 'value', function () {
    if (this._v !== null) return this._v;
    if (this.tagName === 'TEXTAREA') return this.textContent;
    var v = this.getAttribute('value'); return v === null ? '' : v;
  }, function (v) { this._v = v === null || v === undefined ? '' : String(v); changed(); });
  acc(EP, 'children', function () {
    return this.childNodes.filter(function (c) { return c.nodeType === 1; });
  });
  acc(EP, 'innerText', function () { return this.textContent; }, function (v) { this.textContent = v; });
  acc(EP, 'classList', function () {
    var el = this;
    function list() { return el.className.split(/\s+/).filter(function (c) { return c; }); }
    return {
      contains: function (c) { return list().indexOf(String(c)) >= 0; },
      add: function () {
        var l = list();
        for (var i = 0; i < arguments.length; i++) if (l.indexOf(String(arguments[i])) < 0) l.push(String(arguments[i]));
        el.className = l.join(' ');
      },
      remove: function () {
        var l = list(), out = [];
        for (var i = 0; i < l.length; i++) if (Array.prototype.indexOf.call(arguments, l[i]) < 0) out.push(l[i]);
        el.className = out.join(' ');
      },
      toggle: function (c, force) {
        var has = this.contains(c), want = force === undefined ? !has : !!force;
        if (want && !has) this.add(c); else if (!want && has) this.remove(c);
        return want;
      },
      get length() { return list().length; },
      item: function (i) { return list()[i] || null; },
      toString: function () { return el.className; }
    };
  });

  // innerHTML: parsed by the runtime's HTML parser, written back as HTML.
  function build(item) {
    if (typeof item === 'string') return new Text(item);
    var el = new Element(item[0]), attrs = item[1], kids = item[2];
    for (var i = 0; i < attrs.length; i += 2) {
      el._a[attrs[i]] = attrs[i + 1];
      if (attrs[i] === 'style') parseStyle(el.style, attrs[i + 1]);
    }
    for (i = 0; i < kids.length; i++) {
      var c = build(kids[i]);
      el.childNodes.push(c);
      c.parentNode = el;
    }
    return el;
  }
  function esc(s, attr) {
    s = String(s).replace(/&/g, '&amp;').replace(/\u00a0/g, '&nbsp;');
    return attr ? s.replace(/"/g, '&quot;') : s.replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }
  var VOID = /^(area|base|br|col|embed|hr|img|input|link|meta|param|source|track|wbr)$/;
  var RAW = /^(script|style)$/;
  function html(n) {
    if (n.nodeType === 3) {
      var p = n.parentNode;
      return p && p.nodeType === 1 && RAW.test(p.localName) ? n.data : esc(n.data, false);
    }
    var t = n.localName, s = '<' + t;
    for (var k in n._a) s += ' ' + k + '="' + esc(n._a[k], true) + '"';
    s += '>';
    if (VOID.test(t)) return s;
    return s + n.childNodes.map(html).join('') + '</' + t + '>';
  }
  acc(EP, 'innerHTML', function () { return this.childNodes.map(html).join(''); }, function (v) {
    var root = build(h.parse(v === null || v === undefined ? '' : String(v), true));
    setChildren(this, root.childNodes.slice());
  });
  acc(EP, 'outerHTML', function () { return html(this); });

  // ---- selectors: compounds of tag, #id, .class and [attr] / [attr=value], joined by
  // descendant (space) or child (>) combinators, in comma-separated groups.
  function parseSelector(text) {
    var groups = [];
    String(text).split(',').forEach(function (part) {
      var steps = [], re = /\s*(>)?\s*([^\s>]+)/g, m;
      part = part.trim();
      if (!part) throw new SyntaxError('\'' + text + '\' is not a valid selector');
      while ((m = re.exec(part)) !== null) {
        var c = { child: !!m[1], tag: null, id: null, classes: [], attrs: [] }, s = m[2], mm;
        var cre = /([#.]?)([\w-]+|\*)|\[([\w-]+)(?:=["']?([^\]"']*)["']?)?\]/g, pos = 0;
        while ((mm = cre.exec(s)) !== null && mm.index === pos) {
          pos = cre.lastIndex;
          if (mm[3]) c.attrs.push([mm[3].toLowerCase(), mm[4]]);
          else if (mm[1] === '#') c.id = mm[2];
          else if (mm[1] === '.') c.classes.push(mm[2]);
          else if (mm[2] !== '*') c.tag = mm[2].toUpperCase();
        }
        if (pos !== s.length) throw new SyntaxError('\'' + text + '\' is not a valid selector');
        steps.push(c);
      }
      groups.push(steps);
    });
    return groups;
  }
  function matchCompound(el, c) {
    if (!el || el.nodeType !== 1) return false;
    if (c.tag && el.tagName !== c.tag) return false;
    if (c.id !== null && el.id !== c.id) return false;
    for (var i = 0; i < c.classes.length; i++) if (!el.classList.contains(c.classes[i])) return false;
    for (i = 0; i < c.attrs.length; i++) {
      var v = el.getAttribute(c.attrs[i][0]);
      if (v === null || (c.attrs[i][1] !== undefined && v !== c.attrs[i][1])) return false;
    }
    return true;
  }
  function matchSteps(el, steps, k) {
    if (!matchCompound(el, steps[k])) return false;
    if (k === 0) return true;
    if (steps[k].child) return matchSteps(el.parentNode, steps, k - 1);
    for (var p = el.parentNode; p && p.nodeType === 1; p = p.parentNode)
      if (matchSteps(p, steps, k - 1)) return true;
    return false;
  }
  function matches(el, groups) {
    for (var i = 0; i < groups.length; i++) if (matchSteps(el, groups[i], groups[i].length - 1)) return true;
    return false;
  }
  function walk(root, visit) {
    var stack = root.childNodes.slice().reverse();
    while (stack.length) {
      var n = stack.pop();
      if (n.nodeType !== 1) continue;
      if (visit(n)) return n;
      for (var i = n.childNodes.length - 1; i >= 0; i--) stack.push(n.childNodes[i]);
    }
    return null;
  }
  function all(root, test) {
    var out = [];
    walk(root, function (n) { if (test(n)) out.push(n); });
    return out;
  }
  function queries(P) {
    P.querySelector = function (s) { var g = parseSelector(s); return walk(this, function (n) { return matches(n, g); }); };
    P.querySelectorAll = function (s) { var g = parseSelector(s); return all(this, function (n) { return matches(n, g); }); };
    P.getElementsByTagName = function (t) {
      t = String(t).toUpperCase();
      return all(this, function (n) { return t === '*' || n.tagName === t; });
    };
    P.getElementsByClassName = function (c) {
      var want = String(c).split(/\s+/).filter(function (x) { return x; });
      return all(this, function (n) {
        for (var i = 0; i < want.length; i++) if (!n.classList.contains(want[i])) return false;
        return want.length > 0;
      });
    };
  }
  queries(EP);
  EP.matches = function (s) { return matches(this, parseSelector(s)); };
  EP.closest = function (s) {
    var g = parseSelector(s);
    for (var n = this; n && n.nodeType === 1; n = n.parentNode) if (matches(n, g)) return n;
    return null;
  };

  // ---- events: target, then its ancestors, then the document and window; on<type> first.
  var EVENTS = ['click', 'mousedown', 'mouseup', 'input', 'change', 'keydown', 'keyup', 'keypress',
    'focus', 'blur', 'submit', 'load'];
  function listen(P) {
    P.addEventListener = function (t, f) {
      if (typeof f !== 'function' && !(f && typeof f.handleEvent === 'function')) return;
      var l = this._l[t] || (this._l[t] = []);
      if (l.indexOf(f) < 0) l.push(f);
    };
    P.removeEventListener = function (t, f) {
      var l = this._l[t], i = l ? l.indexOf(f) : -1;
      if (i >= 0) l.splice(i, 1);
    };
  }
  listen(NP);
  hide(g, '_l', {});
  hide(g, 'addEventListener', NP.addEventListener);
  hide(g, 'removeEventListener', NP.removeEventListener);
  EVENTS.forEach(function (t) {
    acc(EP, 'on' + t, function () {
      if (this['_on' + t] !== undefined) return this['_on' + t];
      var code = this.getAttribute('on' + t);
      return code === null ? null : handlerOf(this, code);
    }, function (f) { hide(this, '_on' + t, typeof f === 'function' ? f : null); });
  });
  // Attribute handlers are compiled once per text; a page that keeps making new texts only
  // empties the cache now and then.
  var compiled = {}, compiledCount = 0;
  function handlerOf(el, code) {
    if (compiled[code]) return compiled[code];
    if (++compiledCount > 500) { compiled = {}; compiledCount = 1; }
    return (compiled[code] = new Function('event', code));
  }
  function Event(type, init) {
    this.type = type; this.bubbles = true; this.cancelable = true; this.defaultPrevented = false;
    this.target = null; this.currentTarget = null; this.timeStamp = Date.now();
    this._stop = false;
    for (var k in init || {}) this[k] = init[k];
  }
  Event.prototype.preventDefault = function () { this.defaultPrevented = true; this.returnValue = false; };
  Event.prototype.stopPropagation = function () { this._stop = true; };
  Event.prototype.stopImmediatePropagation = function () { this._stop = true; };
  function callAt(node, ev) {
    ev.currentTarget = node;
    var on = null;
    try { on = node['on' + ev.type]; } catch (e) { h.report(e); }  // an attribute that does not compile
    var fs = (typeof on === 'function' ? [on] : []).concat((node._l[ev.type] || []).slice());
    for (var i = 0; i < fs.length; i++) {
      try {
        var f = fs[i], r = typeof f === 'function' ? f.call(node, ev) : f.handleEvent(ev);
        if (r === false && i === 0 && f === on) ev.preventDefault();
      } catch (e) { h.report(e); }
    }
  }
  // Returns true when the default action may go ahead.
  function dispatch(target, ev) {
    ev.target = target;
    var path = [];
    for (var n = target; n; n = n.parentNode) path.push(n);
    if (ev.bubbles && path[path.length - 1] === doc) path.push(g);
    for (var i = 0; i < path.length && !ev._stop; i++) {
      if (i > 0 && !ev.bubbles) break;
      callAt(path[i], ev);
    }
    return !ev.defaultPrevented;
  }
  NP.dispatchEvent = function (ev) { return dispatch(this, ev); };
  g.Event = function (type, init) {
    Event.call(this, String(type), {});
    this.bubbles = !!(init && init.bubbles);
    this.cancelable = !!(init && init.cancelable);
  };
  g.Event.prototype = Event.prototype;
  EP.click = function () { dispatch(this, new Event('click')); };

  // ---- focus
  function focusable(el) {
    if (!el || el.nodeType !== 1 || el.disabled) return false;
    var t = el.tagName;
    return t === 'BUTTON' || t === 'INPUT' || t === 'TEXTAREA' || t === 'SELECT' ||
           (t === 'A' && el.hasAttribute('href')) || el.hasAttribute('tabindex');
  }
  function setFocus(el) {
    if (el === active) return;
    var old = active;
    if (old) {
      if (focusValue !== null && old.value !== focusValue) dispatch(old, new Event('change'));
      active = null;
      dispatch(old, new Event('blur', { bubbles: false }));
    }
    active = el;
    focusValue = el && el.tagName === 'INPUT' ? el.value : null;
    if (el) dispatch(el, new Event('focus', { bubbles: false }));
    changed();
  }
  EP.focus = function () { if (focusable(this) && this.parentNode) setFocus(this); };
  EP.blur = function () { if (active === this) setFocus(null); };
  acc(doc, 'activeElement', function () { return active || doc.body; });

  // ---- the document
  initNode(doc, 9);
  Object.setPrototypeOf(doc, NP);
  queries(doc);
  doc.nodeName = '#document';
  doc.getElementById = function (id) {
    id = String(id);
    return walk(doc, function (n) { return n.getAttribute('id') === id; });
  };
  doc.createElement = function (t) { return new Element(String(t).toLowerCase()); };
  doc.createTextNode = function (t) { return new Text(t); };
  doc.createDocumentFragment = function () { return new Fragment(); };
  doc.createEvent = function () { return new Event(''); };
  doc.write = function () {};
  doc.writeln = function () {};
  var top = build(h.parse(h.html(), false));
  doc.childNodes.push(top);
  top.parentNode = doc;
  doc.documentElement = top;
  doc.head = top.childNodes[0];
  doc.body = top.childNodes[1];
  dirty = false;
  changed();  // the first layout

  // What layout needs: each element as [tag, attributes, children, value, focused], text as
  // strings; `nodes` keeps them in the same (pre-)order so input can name a node by its number.
  function snap(n) {
    nodes.push(n);
    if (n.nodeType === 3) return n.data;
    var a = [], k;
    for (k in n._a) a.push(k, n._a[k]);
    var kids = [];
    if (!RAW.test(n.localName) || n.localName === 'style')
      for (var i = 0; i < n.childNodes.length; i++) kids.push(snap(n.childNodes[i]));
    return [n.localName, a, kids, n.value, n === active];
  }
  function Mouse(type, x, y) { return new Event(type, { clientX: x, clientY: y, button: 0, which: 1 }); }
  return {
    snapshot: function () {
      dirty = false;
      nodes = [];
      return snap(top);
    },
    // A press or release (with the click after it) on node `key`; a link to follow or ''.
    mouse: function (key, type, x, y) {
      var n = nodes[key] || doc.body;
      if (n && n.nodeType === 3) n = n.parentNode;
      if (!n || !doc.contains(n)) return '';
      if (type === 'mousedown') {
        var f = n;
        while (f && f.nodeType === 1 && !focusable(f)) f = f.parentNode;
        var ok = dispatch(n, Mouse('mousedown', x, y));
        if (ok) setFocus(f && f.nodeType === 1 ? f : null);
        return '';
      }
      dispatch(n, Mouse('mouseup', x, y));
      if (!doc.contains(n)) return '';
      for (var c = n; c && c.nodeType === 1; c = c.parentNode) if (c.disabled && c.tagName === 'BUTTON') return '';
      if (!dispatch(n, Mouse('click', x, y))) return '';
      for (var a = n; a && a.nodeType === 1; a = a.parentNode)
        if (a.tagName === 'A' && a.hasAttribute('href')) return a.href;
      return '';
    },
    // Key events at the focused element. `kind` 0 down, 1 up, 2 char. Returns 1 when the page
    // prevented the default, 2 for a Tab to carry out (the runtime picks the next element).
    key: function (kind, code, ch, shift) {
      var t = active && doc.contains(active) ? active : doc.body;
      var type = kind === 0 ? 'keydown' : kind === 1 ? 'keyup' : 'keypress';
      var ev = new Event(type, { keyCode: kind === 2 ? ch : code, which: kind === 2 ? ch : code,
                                 charCode: kind === 2 ? ch : 0, shiftKey: !!shift,
                                 key: kind === 2 ? String.fromCharCode(ch) : '' });
      if (!dispatch(t, ev)) return 1;
      var editable = t.tagName === 'INPUT' && !t.disabled &&
                     /^(|text|search|url|email|password|tel)$/.test(t.type.toLowerCase());
      if (kind === 0 && code === 9) return 2;
      if (!editable) return 0;
      if (kind === 0 && code === 8 && t.value.length) {
        t.value = t.value.slice(0, -1);
        dispatch(t, new Event('input'));
      } else if (kind === 2 && ch >= 32 && ch !== 127) {
        t.value = t.value + String.fromCharCode(ch);
        dispatch(t, new Event('input'));
      }
      return 0;
    },
    focusKey: function (key) {
      var n = key >= 0 ? nodes[key] : null;
      setFocus(n && doc.contains(n) && focusable(n) ? n : null);
    },
    fire: function (atDocument, type) {
      return dispatch(atDocument ? doc : g, new Event(type, { bubbles: false }));
    }
  };
}))JS"
