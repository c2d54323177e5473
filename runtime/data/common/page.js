/*
  The page engine shared by every parameter page. The <body> names the menu
  type (data-type) and the page's role (data-page):
    params      menu-wide parameters; also reads whole data files
    itemstyles  one individual item style (style kind 0)
    smstyles    one individual submenu style (style kind 1)
    itemparams  the parameters of the selected menu items
  The page builds its form from the type's description and defines the
  functions the program calls (qrn_...). Requests to the program go out as
  status texts "@command:value"; the answer comes back through qrn_setValue.
*/
(function () {
  'use strict';
  var Q = window.Plivex;
  var body = document.body;
  var type = Q.types[body.getAttribute('data-type')];
  var role = body.getAttribute('data-page');
  var styleKind = role === 'itemstyles' ? 0 : role === 'smstyles' ? 1 : -1;
  var styleMode = styleKind >= 0;
  var fields = [];          // every field of the form, in tab order
  var byName = {};
  var pending = null;       // the field that waits for an answer to its request
  var menuValues = null;    // a style page's menu-wide values, name to text
  var uid = 0;

  // ---- talking to the program ---------------------------------------------

  function send(command, value) {
    window.status = '@' + command + ':' + (value == null ? '' : value);
  }

  // A field asks the program for a value (colour, font, picture, link); the
  // answer arrives through qrn_setValue.
  function request(command, field, value) {
    pending = { command: command, field: field, sent: String(value == null ? '' : value) };
    send(command, value);
  }

  // Tells the program that a field changed. The value names the field, so
  // that typing on in one field makes one undo step and no more.
  function report(field) {
    field.lastSent = field.get();
    if (role === 'itemparams') send('item' + field.index, '');
    else send('modified', field.name);
  }

  function changed(field) {
    if (field.lastSent !== field.get()) report(field);
  }

  // Typing not reported yet (it waits for a pause) is handed over now, before
  // the program reads or replaces the project: the fields' numbers on the
  // item page, their names elsewhere, joined by CR.
  window.qrn_takeEdits = function () {
    var taken = [];
    fields.forEach(function (f) {
      if (!f.input || f.input.disabled || f.lastSent === f.get()) return;
      f.lastSent = f.get();
      taken.push(role === 'itemparams' ? f.index : f.name);
    });
    return taken.join('\r');
  };

  window.qrn_setValue = function (answer) {
    var p = pending;
    pending = null;
    if (!p || !/^(color|font|image|url)$/.test(p.command)) return '';
    answer = answer == null ? '' : String(answer);
    // A cancelled dialog answers exactly the value as sent; keep the field's
    // own text then. Every other answer is the user's choice.
    if (answer === p.sent) return '';
    p.field.set(answer);
    // A chosen value reaches the project as a typed one does, once the
    // channel is free again.
    setTimeout(function () { report(p.field); }, 60);
    return '';
  };

  // ---- form building --------------------------------------------------------

  function el(tag, attrs, children) {
    var e = document.createElement(tag);
    for (var k in attrs || {}) {
      if (k === 'text') e.textContent = attrs[k];
      else if (k === 'class') e.className = attrs[k];
      else e.setAttribute(k, attrs[k]);
    }
    (children || []).forEach(function (c) { if (c) e.appendChild(c); });
    return e;
  }

  function textInput(id, placeholder) {
    return el('input', { type: 'text', id: id, spellcheck: 'false', autocomplete: 'off', placeholder: placeholder || '' });
  }

  function button(text, label, cls) {
    return el('button', { type: 'button', class: cls || 'pick', text: text, title: label, 'aria-label': label });
  }

  function parseSize(value) {
    var m = /^\s*(-?\d*\.?\d+)\s*([a-z%]*)\s*$/i.exec(value || '');
    return m ? { num: m[1], unit: m[2].toLowerCase() } : null;
  }

  // Wires a text input so that typing reports a change as it begins and at
  // most every half second while it goes on, and Enter or leaving the field
  // reports it at once. Reported as it begins, typing is at once a step Undo
  // can take back (the program takes the rest of it from the page first);
  // reported while it goes on, it stays one step however long it lasts.
  function watchText(field, input, normalise) {
    var timer = null;
    input.addEventListener('input', function () {
      field.refresh && field.refresh();
      if (timer !== null) return;
      changed(field);
      timer = setTimeout(function () { timer = null; changed(field); }, 500);
    });
    input.addEventListener('change', function () {
      clearTimeout(timer);
      timer = null;
      if (normalise) input.value = normalise(input.value);
      field.refresh && field.refresh();
      changed(field);
    });
  }

  // One form row for a parameter or item field. `def` has name/key, kind,
  // label, help, options, units, unit; `fallback` is the value shown as
  // placeholder (on a style page the menu's value, which setFallback keeps
  // current).
  function makeField(def, index, fallback) {
    var id = 'f' + (++uid);
    var field = { def: def, name: def.name || def.key, index: index, lastSent: null };
    var label = el('label', { for: id, text: def.label });
    var ctl = el('div', { class: 'ctl' });
    var row = el('div', { class: 'row', 'data-name': field.name }, [label, ctl]);
    if (def.help) row.title = def.help;
    var input;
    var kind = def.kind;
    var inheritText = function () {
      return styleMode ? 'as menu' + (fallback !== '' && fallback != null ? ': ' + fallback : '') : '';
    };
    var inherit = inheritText();

    if (kind === 'color') {
      var swatch = button('', 'Choose colour: ' + def.label, 'swatch');
      input = textInput(id, styleMode ? (fallback || 'none') : 'none');
      input.className = 'hex';
      ctl.appendChild(swatch); ctl.appendChild(input);
      field.get = function () { return input.value.trim(); };
      field.set = function (v) { input.value = v == null ? '' : String(v); field.refresh(); };
      field.showFallback = function () {
        input.placeholder = styleMode ? (fallback || 'none') : 'none';
        field.refresh();
      };
      field.refresh = function () {
        var v = field.get() || (styleMode ? fallback : '');
        var rgba = v ? Q.parseColor(v) : null;
        swatch.style.backgroundColor = rgba ? 'rgba(' + rgba.slice(0, 3).map(Math.round).join(',') + ',' + rgba[3] + ')' : '';
        swatch.classList.toggle('empty', !rgba);
        input.classList.toggle('bad', !!field.get() && !Q.isColor(field.get()));
        // Hex digits read best in capitals; names and functions stay as
        // typed (a custom property's name minds its case).
        input.style.textTransform = /^#?[0-9a-f]*$/i.test(field.get()) ? '' : 'none';
      };
      // The dialog knows #RRGGBB only: another colour opens it at that
      // colour's hex, in lower case like an empty field's default (or
      // white); one that does not resolve opens it at that default. The
      // program answers a confirmed colour in upper case, so even that colour
      // differs from what was sent and is taken; a cancelled dialog answers
      // what was sent, and the field keeps its text.
      var dialogStart = function (v) {
        if (!v || /^#[0-9a-f]{6}$/i.test(v)) return v || '';
        var rgba = Q.parseColor(v);
        return rgba ? Q.colorHex(rgba).toLowerCase() : '';
      };
      swatch.addEventListener('click', function () {
        request('color', field, dialogStart(field.get()) || (dialogStart(fallback) || '#FFFFFF').toLowerCase());
      });
      watchText(field, input, function (v) {
        v = v.trim();
        if (/^#?([0-9a-f]{6}|[0-9a-f]{8})$/i.test(v) || /^#([0-9a-f]{3,4})$/i.test(v)) v = '#' + v.replace(/^#/, '').toUpperCase();
        return v;
      });
    } else if (kind === 'font' || kind === 'image' || kind === 'link') {
      var command = kind === 'link' ? 'url' : kind;
      input = textInput(id, inherit || def.empty || (kind === 'image' ? 'no picture' : ''));
      var pick = button(kind === 'font' ? 'Aa' : '\u2026',
        (kind === 'font' ? 'Choose font: ' : kind === 'image' ? 'Choose picture: ' : 'Choose page: ') + def.label);
      ctl.appendChild(input); ctl.appendChild(pick);
      field.get = function () { return input.value; };
      field.set = function (v) { input.value = v == null ? '' : String(v); };
      field.showFallback = function () { input.placeholder = inheritText() || def.empty || (kind === 'image' ? 'no picture' : ''); };
      pick.addEventListener('click', function () {
        request(command, field, field.get() || (kind === 'font' ? fallback || '' : ''));
      });
      watchText(field, input);
    } else if (kind === 'number') {
      input = el('input', { type: 'number', id: id, class: 'num' });
      if (def.min != null) input.min = def.min;
      if (def.max != null) input.max = def.max;
      if (styleMode || def.auto) input.placeholder = styleMode ? (fallback === '' ? 'auto' : String(fallback)) : 'auto';
      ctl.appendChild(input);
      var unitSel = null;
      if (def.units) {
        unitSel = el('select', { class: 'unit', 'aria-label': def.label + ' unit' });
        def.units.forEach(function (u) { unitSel.appendChild(el('option', { value: u, text: u })); });
        ctl.appendChild(unitSel);
        unitSel.addEventListener('change', function () { if (input.value !== '') changed(field); });
      } else if (def.unit) {
        ctl.appendChild(el('span', { class: 'unitlabel', text: def.unit }));
      }
      // A value that is no number ("calc(...)", "auto", "1e3") is kept as it
      // came, until the user types a number; shown as invalid when the
      // parameter cannot take it.
      var raw = null;
      var placeholder = input.placeholder;
      field.showFallback = function () {
        if (!styleMode) return;
        placeholder = fallback === '' ? 'auto' : String(fallback);
        if (raw === null) input.placeholder = placeholder;
      };
      var markRaw = function () {
        var bad = raw !== null && !!Q.checkValue(def, raw);
        input.classList.toggle('bad', bad);
        input.placeholder = raw !== null ? raw : placeholder;
        input.title = bad ? 'Not a number: ' + raw : raw !== null ? def.label + ': ' + raw : '';
      };
      input.addEventListener('input', function () { if (raw !== null) { raw = null; markRaw(); } });
      field.get = function () {
        if (input.value === '') return raw !== null ? raw : '';
        return unitSel ? input.value + unitSel.value : input.value;
      };
      field.set = function (v) {
        v = v == null ? '' : String(v);
        var s = parseSize(v);
        raw = null;
        if (!s) { input.value = ''; raw = v === '' ? null : v; markRaw(); return; }
        markRaw();
        input.value = s.num;
        if (unitSel) {
          var unit = s.unit || 'px';
          if (!Array.prototype.some.call(unitSel.options, function (o) { return o.value === unit; }))
            unitSel.appendChild(el('option', { value: unit, text: unit }));
          unitSel.value = unit;
        }
      };
      watchText(field, input);
    } else if (kind === 'choice' || kind === 'flag' || kind === 'style') {
      input = el('select', { id: id });
      var options = kind === 'flag' ? [['true', 'Yes'], ['false', 'No']] : (def.options || []);
      if (styleMode) {
        var asMenu = el('option', { value: '', text: '' });
        input.appendChild(asMenu);
        field.showFallback = function () {
          var shown = kind === 'flag' ? (Q.toFlag(fallback) ? 'Yes' : 'No') : (options.filter(function (o) { return o[0] === fallback; })[0] || [, fallback])[1];
          asMenu.textContent = '(as menu: ' + shown + ')';
        };
        field.showFallback();
      }
      if (kind === 'style') input.appendChild(el('option', { value: '', text: '(none)' }));
      options.forEach(function (o) { input.appendChild(el('option', { value: o[0], text: o[1] })); });
      if (kind === 'flag' && !styleMode) {
        // A flag of the parameter page is a check box.
        input = el('input', { type: 'checkbox', id: id });
        field.get = function () { return input.checked ? 'true' : 'false'; };
        field.set = function (v) { input.checked = Q.toFlag(v); };
      } else {
        field.get = function () { return input.value; };
        field.set = function (v) {
          v = v == null ? '' : String(v);
          if (kind === 'flag' && v !== '') v = Q.toFlag(v) ? 'true' : 'false';
          if (!Array.prototype.some.call(input.options, function (o) { return o.value === v; }))
            input.appendChild(el('option', { value: v, text: kind === 'style' ? 'Style ' + v + ' (missing)' : v, 'data-extra': '1' }));
          input.value = v;
        };
      }
      ctl.appendChild(input);
      input.addEventListener('change', function () { field.refresh && field.refresh(); changed(field); });
    } else if (kind === 'target') {
      input = textInput(id, 'same window');
      var list = el('datalist', { id: id + 'l' });
      Q.options.target.forEach(function (o) { if (o[0]) list.appendChild(el('option', { value: o[0], label: o[1] })); });
      input.setAttribute('list', id + 'l');
      ctl.appendChild(input); ctl.appendChild(list);
      field.get = function () { return input.value; };
      field.set = function (v) { input.value = v == null ? '' : String(v); };
      watchText(field, input);
    } else if (kind === 'none') {
      row.hidden = true;
      var kept = '';
      field.get = function () { return kept; };
      field.set = function (v) { kept = v == null ? '' : String(v); };
    } else { // text
      input = textInput(id, inherit);
      ctl.appendChild(input);
      field.get = function () { return input.value; };
      field.set = function (v) { input.value = v == null ? '' : String(v); };
      field.showFallback = function () { input.placeholder = inheritText(); };
      watchText(field, input);
    }

    if (styleMode) {
      // A style overrides only the fields it sets; the x button clears one.
      var clear = button('\u00D7', 'Use the menu value: ' + def.label, 'clear');
      ctl.appendChild(clear);
      clear.addEventListener('click', function () {
        if (field.get() === '') return;
        field.set('');
        field.lastSent = null;
        changed(field);
      });
      var refresh = field.refresh;
      field.refresh = function () {
        refresh && refresh();
        row.classList.toggle('set', field.get() !== '');
      };
      input && input.addEventListener('input', field.refresh);
    }
    // A parameter used by only one setting of another says so while that
    // setting is not chosen (applyConditions disables it).
    if (def.onlyWhen) {
      field.why = el('p', { class: 'why', id: id + 'w', text: def.onlyWhen.why });
      field.why.hidden = true;
      row.appendChild(field.why);
      input && input.setAttribute('aria-describedby', id + 'w');
    }
    // What a style page shows for an empty field follows the menu's value.
    field.setFallback = function (v) {
      fallback = v == null ? '' : String(v);
      field.showFallback && field.showFallback();
    };
    field.row = row;
    field.input = input;
    var set = field.set;
    field.set = function (v) { set(v); field.refresh && field.refresh(); field.lastSent = field.get(); };
    fields.push(field);
    byName[field.name] = field;
    return field;
  }

  function groupBox(title, open) {
    var d = el('details', { class: 'group' });
    if (open) d.open = true;
    d.appendChild(el('summary', { text: title }));
    return d;
  }

  // ---- the parameter and style pages --------------------------------------

  function styleParams() {
    var kindName = styleKind === 0 ? 'item' : 'submenu';
    return type.params.filter(function (p) { return (' ' + p.styles + ' ').indexOf(' ' + kindName + ' ') >= 0; });
  }

  var params = styleMode ? styleParams() : type.params;

  function buildParams(container) {
    if (!styleMode) {
      var find = el('input', { type: 'search', id: 'find', placeholder: 'Find a parameter', 'aria-label': 'Find a parameter' });
      container.appendChild(el('div', { class: 'find' }, [find]));
      find.addEventListener('input', function () {
        var q = find.value.trim().toLowerCase();
        fields.forEach(function (f) {
          f.row.hidden = !!q && (f.def.label + ' ' + f.name).toLowerCase().indexOf(q) < 0;
        });
        Array.prototype.forEach.call(container.querySelectorAll('details'), function (d) {
          var any = d.querySelector('.row:not([hidden])');
          d.hidden = !any;
          if (q && any) d.open = true;
        });
      });
    }
    // Caught on the way down: a change event need not bubble.
    container.addEventListener('change', applyConditions, true);
    var first = true;
    type.groups.forEach(function (g) {
      var list = params.filter(function (p) { return p.group === g[0]; });
      if (!list.length) return;
      var box = groupBox(g[1], first || styleMode);
      first = false;
      list.forEach(function (p) {
        var f = makeField(p, -1, p.def);
        box.appendChild(f.row);
      });
      container.appendChild(box);
    });
  }

  // Runs a style's parameter script (declarations the program writes from a
  // style's list, never a file's own code) in a realm of its own (a new frame
  // per text) and returns the values of `names` it declared. Nothing the text
  // leaves behind reaches the next text. Errors in it surface as ordinary
  // script errors of the page. While it runs, it cannot send page commands.
  var RESULT = '__plivexLoaded';
  function runScript(doc, text) {
    var script = doc.createElement('script');
    script.text = text;
    (doc.head || doc.documentElement).appendChild(script);
  }
  function muteStatus(win) {
    var saved = Object.getOwnPropertyDescriptor(win, 'status');
    try {
      Object.defineProperty(win, 'status', { configurable: true, get: function () { return ''; }, set: function () {} });
    } catch (e) { return function () {}; }
    return function () {
      try {
        if (saved) Object.defineProperty(win, 'status', saved); else delete win.status;
      } catch (e) {}
    };
  }
  function evaluate(text, names) {
    var frame = document.createElement('iframe');
    frame.hidden = true;
    document.body.appendChild(frame);
    var win = frame.contentWindow;
    var unmute = muteStatus(window);
    var unmuteFrame = muteStatus(win);
    win.addEventListener('error', function (e) {
      if (e.defaultPrevented) return; // already reported by the frame itself
      e.preventDefault();
      window.dispatchEvent(new ErrorEvent('error', {
        message: e.message, lineno: e.lineno, colno: e.colno, error: e.error
      }));
    });
    try {
      runScript(frame.contentDocument, text);
      var picks = names.filter(Q.isIdentifier).map(function (n) {
        // One at a time: a let or const the text never reached must not
        // cost the others.
        return JSON.stringify(n) + ':(function(){try{return ' + n + ';}catch(e){return undefined;}})()';
      });
      win[RESULT] = null;
      runScript(frame.contentDocument, 'window[' + JSON.stringify(RESULT) + ']={' + picks.join(',') + '};');
      return win[RESULT] || {};
    } finally {
      unmuteFrame();
      unmute();
      frame.parentNode && frame.parentNode.removeChild(frame);
    }
  }

  // The program puts CR LF in front of every line it reads; without the
  // first one, line N of the text is line N of the file.
  function dropLeadingLineEnd(text) {
    text = text == null ? '' : String(text);
    if (text.slice(0, 2) === '\r\n') return text.slice(2);
    if (text.charAt(0) === '\n' || text.charAt(0) === '\r') return text.slice(1);
    return text;
  }

  function setValues(values) {
    params.forEach(function (p) {
      byName[p.name].set(Object.prototype.hasOwnProperty.call(values, p.name) ? values[p.name] : (styleMode ? '' : p.def));
    });
    applyConditions();
  }

  // Parameters that only one setting of another uses are disabled, with the
  // reason under them, while another setting is chosen. Their values stay.
  function applyConditions() {
    fields.forEach(function (f) {
      var cond = f.def.onlyWhen;
      if (!cond || !byName[cond.name]) return;
      var off = byName[cond.name].get() !== cond.value;
      f.row.classList.toggle('unused', off);
      Array.prototype.forEach.call(f.row.querySelectorAll('input, select, button'), function (c) { c.disabled = off; });
      f.why.hidden = !off;
    });
  }

  function currentValues() {
    var v = {};
    params.forEach(function (p) { v[p.name] = byName[p.name].get(); });
    return v;
  }

  function paramNames() { return params.map(function (p) { return p.name; }); }

  function setupParamsPage() {
    window.qrn_reCreateParams = function () {
      setValues({});
      return '';
    };
    window.qrn_getKeysList = function () { return Q.keyBlock(type); };
    window.qrn_getParamsList = function () { return Q.declarations(type.params, currentValues()); };
    window.qrn_getMenuValues = function () { return JSON.stringify(currentValues()); };
    // What the menu reads its relative links and pictures against: "data"
    // (its data file) or "page".
    window.qrn_getLinkBase = function () {
      var field = byName[type.prefix + 'LinkBase'];
      return field && field.get() === 'data' ? 'data' : 'page';
    };
    // Where the menu stands: "absolute" (at its X and Y) or "static" (in
    // the page flow, where its data script is).
    window.qrn_getPosition = function () {
      var field = byName[type.prefix + 'Position'];
      return field && field.get() === 'absolute' ? 'absolute' : 'static';
    };

    // The names a data file's values are read by: the menu-wide parameters,
    // the type's version and type statements, and the arrays (the style
    // arrays with their names arrays).
    window.qrn_getDataNames = function (itemArray, styleArray, smStyleArray) {
      var wanted = paramNames().concat([type.prefix + 'DataVersion', type.prefix + 'Type']);
      [itemArray, styleArray, smStyleArray].forEach(function (n, i) {
        if (!Q.isIdentifier(n)) return;
        wanted.push(n);
        if (i) wanted.push(n + 'Names');
      });
      return wanted.join('\r');
    };

    // The parameters a data file defined, as the program read them apart
    // from this page: one JSON object of name and value. Every other
    // parameter goes back to its default.
    window.qrn_loadValues = function (json) {
      var r = JSON.parse(json == null || json === '' ? '{}' : String(json));
      if (r === null || typeof r !== 'object' || Array.isArray(r)) r = {};
      var values = {};
      params.forEach(function (p) {
        if (!Object.prototype.hasOwnProperty.call(r, p.name) || r[p.name] === undefined) return;
        values[p.name] = Q.valueText(p, r[p.name]);
      });
      setValues(values);
      return '';
    };
  }

  function setupStylePage() {
    // The menu's own values: what the engine uses where the style is empty.
    window.qrn_setMenuValues = function (json) {
      var v = {};
      try { v = JSON.parse(json == null || json === '' ? '{}' : String(json)); } catch (e) { v = {}; }
      menuValues = v !== null && typeof v === 'object' && !Array.isArray(v) ? v : {};
      fields.forEach(function (f) {
        var own = Object.prototype.hasOwnProperty.call(menuValues, f.name);
        f.setFallback(own ? String(menuValues[f.name]) : f.def.def);
      });
      return '';
    };
    // With no style chosen there is nothing to keep a value in: the fields
    // are disabled until the program loads a style.
    window.qrn_resetParams = function () {
      setValues({});
      styleBox.disabled = true;
      styleHint.hidden = false;
      return '';
    };
    window.qrn_loadParams = function (text) {
      styleBox.disabled = false;
      styleHint.hidden = true;
      setValues({});
      var r = evaluate(dropLeadingLineEnd(text), paramNames());
      var values = {};
      params.forEach(function (p) { if (r[p.name] !== undefined) values[p.name] = Q.valueText(p, r[p.name]); });
      setValues(values);
      return '';
    };
    window.qrn_getStylesArray = function () { return '[' + Q.styleEntries(params, currentValues()) + ']'; };
    window.qrn_getParamsList = function () { return Q.entriesToDeclarations(Q.styleEntries(params, currentValues())); };
  }

  // ---- the item parameters page ------------------------------------------

  function setupItemPage(container) {
    // Until an item is selected there is nothing to edit: a disabled
    // fieldset keeps typing from going nowhere.
    var hint = el('p', { class: 'hint', text: 'Select an item in the menu item tree to edit its parameters.' });
    var box = el('fieldset', { class: 'items' });
    // Every type shows its fields in one order, that of Plivex.itemFields,
    // whatever place the type's data gives each field.
    var keys = Object.keys(Q.itemFields).map(function (k) { return Q.itemFields[k].key; });
    type.itemFields.map(function (def, i) { return makeField(def, i, ''); })
      .sort(function (a, b) { return keys.indexOf(a.def.key) - keys.indexOf(b.def.key) || a.index - b.index; })
      .forEach(function (f) { box.appendChild(f.row); });
    container.appendChild(hint);
    container.appendChild(box);
    box.disabled = true;

    window.itemParamsCnt = type.itemFields.length;
    // Eleven texts show an item; all of them left out means no item.
    window.qrn_setItemParams = function () {
      var none = true;
      for (var i = 0; i < fields.length; i++) {
        if (arguments[i] !== undefined) none = false;
        fields[i].set(arguments[i] == null ? '' : arguments[i]);
      }
      box.disabled = none;
      hint.hidden = !none;
      return '';
    };
    window.qrn_getItemParam = function (n) {
      var f = fields[n];
      return f ? f.get() : '';
    };
    // The key that brings the window forward starts at the item's text.
    window.qrn_focusFirstField = function () {
      if (box.disabled || !fields.length || !fields[0].input) return '';
      fields[0].input.focus();
      return 'focused';
    };
    window.qrn_setIndividualStyles = function (kind, names) {
      var list = names == null || names === '' ? [] : String(names).split('\r');
      fields.forEach(function (f) {
        if (f.def.kind !== 'style' || f.def.styleKind !== Number(kind)) return;
        f.styleCount = list.length;
        var keep = f.get();
        var sel = f.input;
        while (sel.options.length > 1) sel.remove(1);
        list.forEach(function (name, i) {
          sel.appendChild(el('option', { value: String(i), text: i + ': ' + (name || '(unnamed)') }));
        });
        f.set(keep);
      });
      return '';
    };
  }


  // ---- contrast and value checks ------------------------------------------
  // Beside every colour pair of the type the page shows the contrast of the
  // colours in effect, marked when it is under the minimum for its text; a
  // value its kind cannot take is marked where it stands. A style page
  // resolves what it leaves empty to the menu's values, as the program last
  // gave them (the defaults until it has).

  function valuesInEffect() {
    var v = {};
    type.params.forEach(function (p) {
      if (!styleMode) v[p.name] = byName[p.name] ? byName[p.name].get() : p.def;
      else v[p.name] = menuValues && Object.prototype.hasOwnProperty.call(menuValues, p.name) ? String(menuValues[p.name]) : p.def;
    });
    if (styleMode) fields.forEach(function (f) { if (f.get() !== '') v[f.name] = f.get(); });
    return v;
  }

  // The row a pair is shown in: its first parameter on this page. Of the
  // fonts only the pair's own counts: the rest are what it falls back to.
  function pairHost(pair) {
    var names = pair.text.concat(pair.back, [].concat(pair.font || []).slice(0, 1));
    for (var i = 0; i < names.length; i++) if (byName[names[i]]) return byName[names[i]];
    return null;
  }

  var ratioBadges = [];
  function buildContrast() {
    (type.contrast || []).forEach(function (pair) {
      var host = pairHost(pair);
      if (!host) return;
      var badge = el('span', { class: 'ratio', role: 'status' });
      var ctl = host.row.querySelector('.ctl');
      ctl.classList.add('rated');
      ctl.appendChild(badge);
      ratioBadges.push({ pair: pair, badge: badge, host: host });
    });
    ratioBadges.forEach(function (b) {
      b.shared = ratioBadges.some(function (o) { return o !== b && o.host === b.host; });
    });
  }

  function showContrast() {
    var values = valuesInEffect();
    ratioBadges.forEach(function (b) {
      var r = Q.resolvePair(b.pair, values);
      var text = r.unknown ? 'cannot judge' : Q.ratioText(r.ratio);
      var what = b.pair.label + ': ' + r.text + ' on ' + r.back + (r.unknown ? ', contrast cannot be judged' : ', contrast ' + text);
      // The sample shows the pair; the ratio stays in the page's own ink,
      // readable however bad the pair is.
      b.badge.textContent = '';
      var sample = el('span', { class: 'sample', text: 'Aa', 'aria-hidden': 'true' });
      b.badge.appendChild(sample);
      b.badge.appendChild(document.createTextNode(' ' + (b.shared ? b.pair.label + ' ' : '') + (r.low ? '\u26A0 ' : '') + text));
      b.badge.classList.toggle('low', r.low);
      b.badge.classList.toggle('exempt', r.exempt);
      b.badge.title = what + (r.exempt ? ' (disabled items are exempt)'
        : r.low ? ', under ' + r.threshold + ':1 for ' + (r.large ? 'large' : 'normal') + ' text'
        : r.unknown ? ' (the page decides a colour: currentColor, or var() without a fallback)'
        : isFinite(r.ratio) ? '' : ' (not a colour)');
      b.badge.setAttribute('aria-label', b.badge.title);
      // The sample shows the colours as measured, what lies beneath included.
      sample.style.color = r.textSeen;
      sample.style.backgroundColor = r.backSeen;
    });
  }

  function markValues() {
    fields.forEach(function (f) {
      if (!f.input || !f.def.kind || f.def.kind === 'none') return;
      var def = f.styleCount != null ? Object.assign({}, f.def, { count: f.styleCount }) : f.def;
      var bad = f.input.validity && f.input.validity.badInput ? 'not a number' : Q.checkValue(def, f.get());
      if (!bad && f.refused) bad = f.refused;
      f.row.classList.toggle('invalid', !!bad);
      if (bad) f.input.classList.add('bad');
      else if (f.def.kind !== 'number' || f.input.title.indexOf('Not a number') !== 0) f.input.classList.toggle('bad', false);
      f.input.setAttribute('aria-invalid', bad ? 'true' : 'false');
      if (f.def.kind !== 'number' || bad) f.input.title = bad ? f.def.label + ': ' + bad : '';
    });
  }

  function refreshChecks() { markValues(); showContrast(); }

  // A style's entry list as the writer holds it, ["name=value",...] with
  // \xNN escapes, as a map of name to value; nothing is run.
  function styleEntryValues(list) {
    var entries = [];
    try {
      entries = JSON.parse(String(list == null ? '' : list).trim().replace(/\\x([0-9A-Fa-f]{2})/g, '\\u00$1'));
    } catch (e) {
      entries = [];
    }
    return Q.styleValuesFromArray(Array.isArray(entries) ? entries : []);
  }

  function setupChecks() {
    fields.forEach(function (f) {
      if (f.def.kind !== 'number' || !f.input) return;
      var range = Q.numberRange(f.def);
      f.input.min = range.min;
      f.input.max = range.max;
      if (!f.def.units && !f.def.fraction) f.input.step = 1;
    });
    // Letters typed over a number field's selection would empty it and
    // report it empty: they are refused before they reach the field, and
    // a value the field cannot read keeps the value it had.
    document.addEventListener('beforeinput', function (e) {
      var f = fields.filter(function (x) { return x.input === e.target; })[0];
      if (!f || f.def.kind !== 'number' || e.data == null || !/[^0-9.eE+-]/.test(e.data)) return;
      e.preventDefault();
      f.refused = 'not a number: "' + e.data + '" was refused';
      refreshChecks();
    }, true);
    document.addEventListener('change', function (e) {
      var f = fields.filter(function (x) { return x.input === e.target; })[0];
      if (!f || f.def.kind !== 'number' || !e.target.validity.badInput) return;
      f.set(f.lastSent == null ? '' : f.lastSent);
      f.refused = 'not a number, the previous value was kept';
    }, true);
    document.addEventListener('input', function (e) {
      fields.forEach(function (f) { if (f.input === e.target) f.refused = ''; });
      refreshChecks();
    });
    document.addEventListener('change', refreshChecks);
    // Values also arrive from the program: dialogs, files, styles.
    ['qrn_setValue', 'qrn_loadParams', 'qrn_loadValues', 'qrn_reCreateParams', 'qrn_resetParams', 'qrn_setItemParams',
      'qrn_setMenuValues'].forEach(function (name) {
      var f = window[name];
      if (typeof f !== 'function') return;
      window[name] = function () {
        var r = f.apply(this, arguments);
        refreshChecks();
        return r;
      };
    });
    if (role === 'params') {
      // The values the menu cannot use, as JSON [[name, value, problem]]: of
      // the parameters, or with a kind and an entry list of that style.
      window.qrn_getBadValues = function (kind, list) {
        var bad;
        if (kind === undefined || kind === null || kind === '') {
          bad = Q.badValues(type.params, currentValues());
        } else {
          bad = Q.badValues(type.params, styleEntryValues(list));
        }
        return JSON.stringify(bad.map(function (b) { return [b.name, b.value, b.problem]; }));
      };
      // The item fields whose values can be bad, by number, joined by ",".
      window.qrn_getCheckedItemFields = function () {
        return type.itemFields.map(function (f, i) { return Q.CHECKED_KINDS.indexOf(f.kind) >= 0 ? i : -1; })
          .filter(function (i) { return i >= 0; }).join(',');
      };
      // The item fields that hold an address (links and pictures): JSON
      // [[number, label]].
      window.qrn_getPathItemFields = function () {
        var out = [];
        type.itemFields.forEach(function (f, i) { if (f.kind === 'link' || f.kind === 'image') out.push([i, f.label]); });
        return JSON.stringify(out);
      };
      // The non-empty addresses among the parameters, or with a kind and an
      // entry list among that style's: JSON [[name, value]].
      window.qrn_getPathValues = function (kind, list) {
        var own = kind === undefined || kind === null || kind === '';
        var values = own ? currentValues() : styleEntryValues(list);
        return JSON.stringify(type.params.filter(function (p) {
          return (p.kind === 'link' || p.kind === 'image') && values[p.name] != null && String(values[p.name]) !== '';
        }).map(function (p) { return [p.name, String(values[p.name])]; }));
      };
      // The bad values of items: JSON [[item, field, value], ...] and the
      // number of item and submenu styles; JSON [[item, field name, value,
      // problem]].
      window.qrn_getBadItemValues = function (json, itemStyles, submenuStyles) {
        var values = [];
        try { values = JSON.parse(json == null || json === '' ? '[]' : String(json)); } catch (e) { values = []; }
        return JSON.stringify(Q.badItemValues(type.itemFields, Array.isArray(values) ? values : [], [Number(itemStyles) || 0, Number(submenuStyles) || 0])
          .map(function (b) { return [b.item, b.name, b.value, b.problem]; }));
      };
      // The colour pairs under their contrast minimum, of the parameters or,
      // with a kind and an entry list, of that style; JSON [[pair, parameter,
      // text, back, ratio, minimum, state]]. The state ('hover', 'current'
      // or '') tells the pairs that no rendered page shows.
      window.qrn_getLowContrast = function (kind, list) {
        var values = currentValues();
        if (kind !== undefined && kind !== null && kind !== '') Object.assign(values, styleEntryValues(list));
        return JSON.stringify(Q.contrastReport(type, values).filter(function (r) { return r.low; }).map(function (r) {
          return [r.pair.label, r.textFrom || r.backFrom || r.pair.text[0], r.text, r.back, Q.ratioText(r.ratio),
            r.threshold + ':1', r.pair.state];
        }));
      };
      // Shows a parameter's row and puts the focus in it.
      window.qrn_focusParam = function (name) {
        var f = byName[name];
        if (!f) return '';
        var group = f.row.closest('details');
        if (group) group.open = true;
        f.row.hidden = false;
        f.row.scrollIntoView({ block: 'center' });
        if (f.input) f.input.focus();
        return '';
      };
    }
    if (role !== 'itemparams') buildContrast();
    refreshChecks();
  }

  // ---- start ----------------------------------------------------------------

  var main = el('main', { class: 'page ' + role });
  body.appendChild(main);
  if (role === 'itemparams') {
    setupItemPage(main);
  } else if (styleMode) {
    var styleHint = el('p', { class: 'hint', text: 'Add a style, or pick one in the list, to edit its parameters.' });
    var styleBox = el('fieldset', { class: 'items' });
    main.appendChild(styleHint);
    main.appendChild(styleBox);
    buildParams(styleBox);
    setupStylePage();
    window.qrn_resetParams();
  } else {
    buildParams(main);
    setValues({});
    setupParamsPage();
  }
  // What the program shows in a field is what it already has: only the
  // user's own changes are reported back. Without this, typing into a newly
  // shown item the very text last sent for another would reach nothing.
  fields.forEach(function (f) {
    var show = f.set;
    f.set = function (v) { show(v); f.lastSent = f.get(); };
    f.refresh && f.refresh();
    f.lastSent = f.get();
  });
  setupChecks();
  Q.page = { type: type, role: role, fields: fields, byName: byName };
})();
