/*
  What a value may be, and whether people can read the menu: the value check
  of every parameter kind and the contrast of the text colour pairs each type
  declares. No DOM here, so the pages, the engine tests and node share it.
*/
(function (root) {
  'use strict';
  var Q = root.Plivex = root.Plivex || {};

  // ---- colours and contrast ---------------------------------------------

  // What the engines fall back to when a pair's chain runs out: the menus
  // inherit the page's text and sit on its background.
  Q.PAGE_TEXT = '#000000';
  Q.PAGE_BACK = '#FFFFFF';

  // "#RGB" or "#RRGGBB" as [r, g, b] 0-255; null for anything else.
  Q.parseColor = function (text) {
    var m = /^\s*#([0-9a-f]{3}|[0-9a-f]{6})\s*$/i.exec(text == null ? '' : String(text));
    if (!m) return null;
    var h = m[1];
    if (h.length === 3) h = h.replace(/./g, '$&$&');
    return [0, 2, 4].map(function (i) { return parseInt(h.slice(i, i + 2), 16); });
  };

  // Relative luminance as WCAG 2 defines it, from sRGB channels 0-255.
  Q.luminance = function (rgb) {
    var lin = rgb.map(function (c) {
      c /= 255;
      return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
    });
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
  };

  // (L1 + 0.05) / (L2 + 0.05) with the lighter colour on top; NaN when either
  // colour is not one.
  Q.contrastRatio = function (a, b) {
    var ca = typeof a === 'string' ? Q.parseColor(a) : a;
    var cb = typeof b === 'string' ? Q.parseColor(b) : b;
    if (!ca || !cb) return NaN;
    var la = Q.luminance(ca), lb = Q.luminance(cb);
    return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05);
  };

  // Two decimals, as the published examples write them. Whether a pair
  // passes is decided on the exact ratio, never on this text.
  Q.ratioText = function (ratio) {
    if (!isFinite(ratio)) return '?';
    return String(Math.round(ratio * 100) / 100) + ':1';
  };

  var LENGTH = /^(-?\d*\.?\d+)(px|pt|pc|in|cm|mm|em|rem|%|ex|ch|vw|vh|q)?$/i;
  var SIZE_PX = { 'xx-small': 9, 'x-small': 10, small: 13, medium: 16, large: 18, 'x-large': 24, 'xx-large': 32 };
  var PX_PER = { px: 1, pt: 4 / 3, pc: 16, in: 96, cm: 96 / 2.54, mm: 96 / 25.4, q: 96 / 101.6, em: 16, rem: 16, '%': 0.16, ex: 8, ch: 8 };

  // A font value "[style] [weight] size[/line-height] family, ..." as
  // { px, bold } (px null when the size is relative to the view, such as
  // vw, or missing).
  Q.fontMetrics = function (font) {
    var words = String(font == null ? '' : font).trim().split(/\s+/);
    var bold = false, px = null;
    for (var i = 0; i < words.length; i++) {
      var w = words[i].toLowerCase();
      if (w === 'bold' || w === 'bolder' || (/^\d+$/.test(w) && +w >= 600 && +w <= 1000)) { bold = true; continue; }
      var s = w.split('/')[0];
      if (SIZE_PX[s]) { px = SIZE_PX[s]; break; }
      var m = LENGTH.exec(s);
      // A size always has its unit in a font value; a bare number is a weight.
      if (m && m[2]) { px = PX_PER[m[2]] != null ? parseFloat(m[1]) * PX_PER[m[2]] : null; break; }
    }
    return { px: px, bold: bold };
  };

  // Large text in WCAG terms: at least 18 point (24 px), or 14 point
  // (18.66 px) bold.
  Q.isLargeText = function (font) {
    var f = Q.fontMetrics(font);
    if (f.px == null) return false;
    return f.px >= 24 || (f.bold && f.px >= 18.66);
  };

  Q.contrastThreshold = function (font) { return Q.isLargeText(font) ? 3 : 4.5; };

  // The first value of `chain` that is set, from `values`; `last` when none.
  // A chain entry that is set but no colour stops the chain: the engine
  // would use it as it is, so the pair cannot be measured.
  function follow(chain, values, last) {
    for (var i = 0; i < chain.length; i++) {
      var v = values[chain[i]];
      if (v != null && String(v).trim() !== '') return { value: String(v).trim(), from: chain[i] };
    }
    return { value: last, from: '' };
  }

  // A pair of the schema with the values in effect:
  // { pair, text, back, textFrom, backFrom, ratio, large, threshold, low, exempt }
  Q.resolvePair = function (pair, values) {
    var t = follow(pair.text, values, Q.PAGE_TEXT);
    var b = follow(pair.back, values, Q.PAGE_BACK);
    var font = pair.font ? follow([].concat(pair.font), values, '').value : '';
    var ratio = Q.contrastRatio(t.value, b.value);
    var threshold = Q.contrastThreshold(font);
    return {
      pair: pair, text: t.value, back: b.value, textFrom: t.from, backFrom: b.from, font: font,
      ratio: ratio, large: Q.isLargeText(font), threshold: threshold,
      exempt: !!pair.exempt, low: !pair.exempt && isFinite(ratio) && ratio < threshold
    };
  };

  // Every pair of the type, resolved against `values` (parameter name to
  // text; what is missing is empty).
  Q.contrastReport = function (type, values) {
    return (type.contrast || []).map(function (pair) { return Q.resolvePair(pair, values); });
  };

  // ---- value checks ------------------------------------------------------

  var COLOR_HELP = 'not a colour; use #RRGGBB';

  // Font families: names, quoted or not, separated by commas.
  var FAMILY = /^\s*(("[^"]+"|'[^']+'|[A-Za-z_-][\w -]*)\s*,\s*)*("[^"]+"|'[^']+'|[A-Za-z_-][\w -]*)\s*$/;
  var FONT_STYLE = /^(normal|italic|oblique|small-caps|bold|bolder|lighter|[1-9]00)$/i;
  var SIZE_WORD = /^(xx-small|x-small|small|medium|large|x-large|xx-large|smaller|larger)$/i;

  Q.GENERIC_FAMILIES = ['serif', 'sans-serif', 'monospace', 'cursive', 'fantasy', 'system-ui', 'ui-sans-serif', 'ui-serif', 'ui-monospace', 'math'];

  // The family list of a font value: everything after its size.
  Q.fontFamilies = function (font) {
    var words = String(font == null ? '' : font).trim().split(/\s+/);
    for (var i = 0; i < words.length; i++) {
      var s = words[i].split('/')[0];
      if (LENGTH.test(s) || SIZE_WORD.test(s)) return words.slice(i + 1).join(' ');
    }
    return '';
  };

  // Whether the last family of a font value is a generic one, so that the
  // browser always has something close to what was meant.
  Q.endsInGeneric = function (font) {
    var fams = Q.fontFamilies(font).split(',');
    var last = fams[fams.length - 1].trim().replace(/^["']|["']$/g, '').toLowerCase();
    return Q.GENERIC_FAMILIES.indexOf(last) >= 0;
  };

  function checkFont(v) {
    var words = v.split(/\s+/);
    var i = 0;
    while (i < words.length && FONT_STYLE.test(words[i])) i++;
    if (i >= words.length) return 'no font size';
    var size = words[i].split('/');
    if (!SIZE_WORD.test(size[0])) {
      var m = LENGTH.exec(size[0]);
      if (!m || m[2] == null) return 'not a font size: ' + words[i];
      if (+m[1] <= 0 || +m[1] * (PX_PER[m[2].toLowerCase()] || 1) > 1000) return 'font size out of range: ' + words[i];
    }
    var fam = words.slice(i + 1).join(' ');
    if (!fam) return 'no font family';
    if (!FAMILY.test(fam)) return 'not a font family list: ' + fam;
    return '';
  }

  // The range a number of the kind may take when its description sets none.
  // Sizes stay on the screen; a stacking order stays within the 32-bit
  // integers every browser keeps z-index in; times stay within a minute.
  Q.numberRange = function (param) {
    if (param.units) return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 10000 };
    if (param.unit === 'ms') return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 60000 };
    return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 2147483647 };
  };

  function checkNumber(param, v) {
    var range = Q.numberRange(param);
    var n;
    if (param.units) {
      var m = LENGTH.exec(v);
      if (!m) return 'not a size; use a number with px, em or %';
      if (m[2] == null && +m[1] !== 0 && param.units.indexOf('px') < 0) return 'a size needs a unit';
      n = +m[1];
    } else {
      if (!/^-?\d*\.?\d+$/.test(v)) return 'not a number';
      n = +v;
      if (!param.fraction && n !== Math.floor(n)) return 'not a whole number';
    }
    if (n < range.min || n > range.max) return 'out of range ' + range.min + ' to ' + range.max;
    return '';
  }

  // Why `value` cannot be the value of `param`, or '' when it can. An empty
  // value is always allowed: it leaves the engine's own choice (or the
  // menu's value, in a style).
  Q.checkValue = function (param, value) {
    var v = value == null ? '' : String(value).trim();
    if (v === '') return '';
    switch (param.kind) {
      case 'color': return Q.parseColor(v) ? '' : COLOR_HELP;
      case 'font': return checkFont(v);
      case 'number': return checkNumber(param, v);
      case 'choice':
        return (param.options || []).some(function (o) { return o[0] === v; }) ? '' : 'not one of: ' +
          (param.options || []).map(function (o) { return o[0] || '(empty)'; }).join(', ');
      case 'flag': return /^(true|false)$/i.test(v) ? '' : 'not true or false';
      // An item's individual style, by its place in the list; `count`, when
      // known, is how many styles of its kind there are.
      case 'style':
        if (!/^\d+$/.test(v)) return 'not a style number';
        if (param.count != null && +v >= param.count) return param.count ? 'no such style; the styles are 0 to ' + (param.count - 1) : 'no such style; there are none';
        return '';
      default: return '';
    }
  };

  // The bad values of `params` in `values`: [{ name, value, problem }].
  Q.badValues = function (params, values) {
    var out = [];
    params.forEach(function (p) {
      if (!Object.prototype.hasOwnProperty.call(values, p.name)) return;
      var problem = Q.checkValue(p, values[p.name]);
      if (problem) out.push({ name: p.name, value: String(values[p.name]), problem: problem });
    });
    return out;
  };

  // The kinds whose values checkValue can refuse.
  Q.CHECKED_KINDS = ['color', 'font', 'number', 'choice', 'flag', 'style'];

  // The bad values of items: `values` holds [item, field, value] for the
  // fields worth checking (the rest pass anyway), `fields` the type's item
  // fields, `styleCounts` how many item and submenu styles there are.
  // [{ item, name, value, problem }].
  Q.badItemValues = function (fields, values, styleCounts) {
    var out = [];
    (values || []).forEach(function (v) {
      var f = Array.isArray(v) ? fields[v[1]] : null;
      if (!f) return;
      var def = f.kind === 'style' ? Object.assign({}, f, { count: (styleCounts || [])[f.styleKind] }) : f;
      var value = v[2] == null ? '' : String(v[2]);
      var problem = Q.checkValue(def, value);
      if (problem) out.push({ item: v[0], name: f.key, value: value, problem: problem });
    });
    return out;
  };

  if (typeof module !== 'undefined' && module.exports) module.exports = Q;
})(typeof window !== 'undefined' ? window : globalThis);
