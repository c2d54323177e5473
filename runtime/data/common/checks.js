/*
  What a value may be, and whether people can read the menu: the value check
  of every parameter kind and the contrast of the text colour pairs each type
  declares. In a page the browser's own CSS parser decides what a value is;
  without a DOM (node) regular expressions stand in for it.
*/
(function (root) {
  'use strict';
  var Q = root.Plivex = root.Plivex || {};

  // ---- what CSS accepts ----------------------------------------------------
  // A colour, size or font is good when the browser's own CSS parser takes
  // it, so the check never refuses what the menu would draw. Without a
  // browser (node), regular expressions stand in.

  var HAS_CSS = typeof CSS !== 'undefined' && !!CSS && typeof CSS.supports === 'function';

  // The engines drop these characters before a value reaches their style
  // sheets, and "!" would make a value a priority: the menu would not get
  // the value as written.
  var UNSAFE = /[;{}<>\\!]/;
  // Keywords every property takes. A colour or size goes inside longer
  // declarations (a border, a background with a picture, a custom
  // property), where they mean nothing or something else.
  var CSS_WIDE = /^(inherit|initial|unset|revert|revert-layer)$/i;

  // Whether `v` is a single component: a word, a number or one function
  // whose closing parenthesis ends the value. CSS.supports() takes anything
  // around a var(), so this keeps "var(--a) 2px" from passing as a size.
  function onePiece(v) {
    var depth = 0, quote = '';
    for (var i = 0; i < v.length; i++) {
      var c = v.charAt(i);
      if (quote) { if (c === quote) quote = ''; continue; }
      if (c === '"' || c === "'") quote = c;
      else if (c === '(') depth++;
      else if (c === ')') {
        if (--depth < 0 || (depth === 0 && i !== v.length - 1)) return false;
      } else if (depth === 0 && /[\s,\/]/.test(c)) return false;
    }
    return depth === 0 && !quote;
  }

  function cssSays(property, v, fallback) {
    return HAS_CSS ? CSS.supports(property, v) : fallback(v);
  }

  // ---- colours and contrast ---------------------------------------------

  // What the engines fall back to when a pair's chain runs out: the menus
  // inherit the page's text and sit on its background.
  Q.PAGE_TEXT = '#000000';
  Q.PAGE_BACK = '#FFFFFF';

  function clamp(n, lo, hi) { return Math.min(hi, Math.max(lo, n)); }

  // A channel of rgb(): a number 0-255 or a percentage.
  function channel(t) {
    var m = /^(-?\d*\.?\d+)(%?)$/.exec(t);
    return m ? clamp(m[2] ? +m[1] * 2.55 : +m[1], 0, 255) : NaN;
  }

  // An alpha value: a number 0-1 or a percentage; 1 when left out.
  function alpha(t) {
    if (t == null) return 1;
    var m = /^(-?\d*\.?\d+)(%?)$/.exec(t);
    return m ? clamp(m[2] ? +m[1] / 100 : +m[1], 0, 1) : NaN;
  }

  function hue(t) {
    var m = /^(-?\d*\.?\d+)(deg|grad|rad|turn)?$/i.exec(t);
    if (!m) return NaN;
    var per = { deg: 1, grad: 0.9, rad: 180 / Math.PI, turn: 360 }[(m[2] || 'deg').toLowerCase()];
    return ((+m[1] * per) % 360 + 360) % 360;
  }

  function percent(t) {
    var m = /^(\d*\.?\d+)%$/.exec(t);
    return m ? clamp(+m[1] / 100, 0, 1) : NaN;
  }

  // The arguments of rgb() or hsl() in either syntax, "a, b, c[, d]" or
  // "a b c[ / d]", as four texts (the fourth undefined when left out).
  function colourArgs(inner) {
    var parts = inner.trim().split(/\s*,\s*/);
    if (parts.length === 1) {
      var slash = inner.split('/');
      if (slash.length > 2) return null;
      parts = slash[0].trim().split(/\s+/);
      if (parts.length !== 3) return null;
      if (slash.length === 2) parts.push(slash[1].trim());
    }
    return parts.length === 3 || parts.length === 4 ? parts : null;
  }

  function hslToRgb(h, s, l) {
    var k = function (n) { return (n + h / 30) % 12; };
    var a = s * Math.min(l, 1 - l);
    var f = function (n) { return 255 * (l - a * Math.max(-1, Math.min(k(n) - 3, 9 - k(n), 1))); };
    return [f(0), f(8), f(4)];
  }

  // The colour forms read without a browser: #RGB, #RGBA, #RRGGBB,
  // #RRGGBBAA, rgb(), rgba(), hsl(), hsla() and transparent, as [r, g, b, a]
  // (channels 0-255, alpha 0-1); null for anything else.
  function readColour(text) {
    var v = String(text).trim();
    var m = /^#([0-9a-f]{3,4}|[0-9a-f]{6}|[0-9a-f]{8})$/i.exec(v);
    if (m) {
      var h = m[1].length < 6 ? m[1].replace(/./g, '$&$&') : m[1];
      var c = [0, 2, 4].map(function (i) { return parseInt(h.slice(i, i + 2), 16); });
      c.push(h.length === 8 ? parseInt(h.slice(6, 8), 16) / 255 : 1);
      return c;
    }
    if (/^transparent$/i.test(v)) return [0, 0, 0, 0];
    m = /^(rgba?|hsla?)\(([^()]*)\)$/i.exec(v);
    var args = m && colourArgs(m[2]);
    if (!args) return null;
    var out;
    if (m[1].charAt(0).toLowerCase() === 'r') {
      out = args.slice(0, 3).map(channel);
    } else {
      var s = percent(args[1]), l = percent(args[2]);
      out = hslToRgb(hue(args[0]), s, l);
    }
    out.push(alpha(args[3]));
    return out.some(isNaN) ? null : out;
  }

  // A colour with var() replaced by its fallback, as the menu shows it on
  // a page that does not define the property; null when a var() has none.
  function withFallbacks(v) {
    for (var n = 0; n < 32; n++) {
      var at = v.search(/var\(/i);
      if (at < 0) return v;
      var depth = 0, comma = -1, end = -1;
      for (var i = at + 3; i < v.length && end < 0; i++) {
        var c = v.charAt(i);
        if (c === '(') depth++;
        else if (c === ')' && --depth === 0) end = i;
        else if (c === ',' && depth === 1 && comma < 0) comma = i;
      }
      if (end < 0 || comma < 0) return null;
      v = v.slice(0, at) + v.slice(comma + 1, end).trim() + v.slice(end + 1);
    }
    return null;
  }

  // The browser resolves the colours read nowhere else, names and newer
  // colour spaces, through a canvas of its own: a canvas outside the page
  // sees no custom property and no inherited colour of the editor's.
  var canvas = null;
  function browserColour(v) {
    if (typeof document === 'undefined' || !document.createElement) return null;
    if (!canvas) {
      var el = document.createElement('canvas');
      el.width = el.height = 1;
      canvas = el.getContext && el.getContext('2d', { willReadFrequently: true });
      if (!canvas) return null;
    }
    // A value the canvas refuses leaves the old one: two different old
    // ones tell a refusal from a value equal to one of them.
    canvas.fillStyle = '#000000';
    canvas.fillStyle = v;
    var seen = canvas.fillStyle;
    canvas.fillStyle = '#ffffff';
    canvas.fillStyle = v;
    if (canvas.fillStyle !== seen) return null;
    // The canvas gives hex or rgba() back; what it keeps in another colour
    // space is painted and read back in sRGB.
    var c = readColour(seen);
    if (c) return c;
    canvas.clearRect(0, 0, 1, 1);
    canvas.fillRect(0, 0, 1, 1);
    var d = canvas.getImageData(0, 0, 1, 1).data;
    return [d[0], d[1], d[2], d[3] / 255];
  }

  // Whether CSS takes `text` as a colour the menu can use.
  Q.isColor = function (text) {
    var v = String(text == null ? '' : text).trim();
    if (!v || UNSAFE.test(v) || CSS_WIDE.test(v) || !onePiece(v)) return false;
    return cssSays('color', v, function (v) {
      // Without a browser a single word may be any of the colour names.
      return !!readColour(v) || /^[a-z]+$/i.test(v) ||
        /^var\(\s*--[\w-]+\s*(,.*)?\)$/i.test(v) && (withFallbacks(v) == null || Q.isColor(withFallbacks(v)));
    });
  };

  // A colour CSS knows as [r, g, b, a]: channels 0-255, alpha 0-1. Null for
  // what is no colour, and for a colour that only the page it is shown on
  // decides: currentColor, or var() without a fallback.
  Q.parseColor = function (text) {
    if (!Q.isColor(text)) return null;
    var v = withFallbacks(String(text).trim());
    if (v == null || /currentcolor/i.test(v)) return null;
    // Read here first: the canvas keeps alpha in steps of 1/255, so 0.5
    // would come back as 0.502.
    return readColour(v) || browserColour(v);
  };

  // `top` laid over the opaque `under`: an opaque [r, g, b, 1].
  function over(top, under) {
    var a = top[3] == null ? 1 : top[3];
    return [0, 1, 2].map(function (i) { return top[i] * a + under[i] * (1 - a); }).concat([1]);
  }

  // "#RRGGBB" of an opaque colour.
  Q.colorHex = function (rgb) {
    return '#' + rgb.slice(0, 3).map(function (c) { return (256 + Math.round(c)).toString(16).slice(1); }).join('').toUpperCase();
  };

  // Relative luminance as WCAG 2 defines it, from sRGB channels 0-255.
  Q.luminance = function (rgb) {
    var lin = rgb.slice(0, 3).map(function (c) {
      c /= 255;
      return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
    });
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
  };

  // The contrast of the text colour `text` on the background `back`,
  // (L1 + 0.05) / (L2 + 0.05) with the lighter colour on top, of what is
  // seen: the background laid over the page's, the text over that. NaN when
  // either colour cannot be resolved.
  Q.contrastRatio = function (text, back) {
    var t = typeof text === 'string' ? Q.parseColor(text) : text;
    var b = typeof back === 'string' ? Q.parseColor(back) : back;
    if (!t || !b) return NaN;
    b = over(b, Q.parseColor(Q.PAGE_BACK));
    t = over(t, b);
    var lt = Q.luminance(t), lb = Q.luminance(b);
    return (Math.max(lt, lb) + 0.05) / (Math.min(lt, lb) + 0.05);
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

  function isSet(v) { return v != null && String(v).trim() !== ''; }

  // The first value of `chain` that is set, from `values`; `last` when none.
  // A chain entry that is set but no colour stops the chain: the engine
  // would use it as it is, so the pair cannot be measured.
  function follow(chain, values, last) {
    for (var i = 0; i < chain.length; i++) {
      var v = values[chain[i]];
      if (isSet(v)) return { value: String(v).trim(), from: chain[i] };
    }
    return { value: last, from: '' };
  }

  // What a colour value shows: { rgb } when it resolves, { unknown: true }
  // when the page it is shown on decides (currentColor, var() without a
  // fallback), { bad: true } when it is no colour at all.
  function shows(v) {
    var c = Q.parseColor(v);
    return c ? { rgb: c } : Q.isColor(v) ? { unknown: true } : { bad: true };
  }

  // What a background chain shows from its entry `i` on, as an opaque
  // colour: the first entry set, laid over the entries after it where it
  // lets them through (an item's background over its bar's), and the last
  // over the page's.
  function backdrop(chain, values, i) {
    while (i < chain.length && !isSet(values[chain[i]])) i++;
    var last = i >= chain.length;
    var c = shows(last ? Q.PAGE_BACK : String(values[chain[i]]).trim());
    if (!c.rgb) return c;
    if (c.rgb[3] >= 1) return { rgb: c.rgb };
    var under = last ? { rgb: [255, 255, 255, 1] } : backdrop(chain, values, i + 1);
    return under.rgb ? { rgb: over(c.rgb, under.rgb) } : under;
  }

  // A pair of the schema with the values in effect:
  // { pair, text, back, textFrom, backFrom, font, ratio, large, threshold,
  //   low, exempt, unknown, textSeen, backSeen }
  // `unknown`: a colour of the pair is one only the page decides, so the
  // pair cannot be judged; then ratio is NaN and the pair is not low.
  // textSeen and backSeen are the opaque colours measured ("#RRGGBB"), or
  // '' when there are none.
  Q.resolvePair = function (pair, values) {
    var t = follow(pair.text, values, Q.PAGE_TEXT);
    var b = follow(pair.back, values, Q.PAGE_BACK);
    var font = pair.font ? follow([].concat(pair.font), values, '').value : '';
    var back = backdrop(pair.back, values, 0);
    var text = shows(t.value);
    var ratio = NaN, textSeen = '';
    if (text.rgb && back.rgb) {
      var seen = over(text.rgb, back.rgb);
      ratio = Q.contrastRatio(seen, back.rgb);
      textSeen = Q.colorHex(seen);
    } else if (text.rgb && text.rgb[3] >= 1) {
      textSeen = Q.colorHex(text.rgb);
    }
    var threshold = Q.contrastThreshold(font);
    return {
      pair: pair, text: t.value, back: b.value, textFrom: t.from, backFrom: b.from, font: font,
      ratio: ratio, large: Q.isLargeText(font), threshold: threshold,
      exempt: !!pair.exempt, low: !pair.exempt && isFinite(ratio) && ratio < threshold,
      unknown: !text.bad && !back.bad && (!!text.unknown || !!back.unknown),
      textSeen: textSeen, backSeen: back.rgb ? Q.colorHex(back.rgb) : ''
    };
  };

  // Every pair of the type, resolved against `values` (parameter name to
  // text; what is missing is empty).
  Q.contrastReport = function (type, values) {
    return (type.contrast || []).map(function (pair) { return Q.resolvePair(pair, values); });
  };

  // ---- value checks ------------------------------------------------------

  var COLOR_HELP = 'not a colour CSS knows; use #RRGGBB, rgb(), hsl() or a colour name';
  var COLOR_WIDE = 'not a colour of its own: inherit, initial, unset and revert cannot be used here';

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

  // Why a font value is no font, in the words of its parts; '' when its
  // parts look right.
  function fontProblem(v) {
    var words = v.split(/\s+/);
    var i = 0;
    while (i < words.length && FONT_STYLE.test(words[i])) i++;
    if (i >= words.length) return 'no font size';
    var size = words[i].split('/');
    if (!SIZE_WORD.test(size[0])) {
      var m = LENGTH.exec(size[0]);
      if (!m || m[2] == null) return 'not a font size: ' + words[i];
    }
    var fam = words.slice(i + 1).join(' ');
    if (!fam) return 'no font family';
    if (!FAMILY.test(fam)) return 'not a font family list: ' + fam;
    return '';
  }

  // A plain font size has to be there to read: above nothing, and no wider
  // than a screen.
  function fontRange(v) {
    var words = v.split(/\s+/);
    for (var i = 0; i < words.length; i++) {
      var m = LENGTH.exec(words[i].split('/')[0]);
      if (!m || m[2] == null) continue;
      if (+m[1] <= 0 || +m[1] * (PX_PER[m[2].toLowerCase()] || 1) > 1000) return 'font size out of range: ' + words[i];
      return '';
    }
    return '';
  }

  // A font is good when CSS takes it as the font shorthand, which is how
  // every engine writes it.
  function checkFont(v) {
    var ok = !UNSAFE.test(v) && cssSays('font', v, function (v) { return !fontProblem(v); });
    if (!ok) return fontProblem(v) || 'not a font CSS knows; write it as in bold 13px Verdana, sans-serif';
    return fontRange(v);
  }

  // The range a number of the kind may take when its description sets none.
  // Sizes stay on the screen; a stacking order stays within the 32-bit
  // integers every browser keeps z-index in; times stay within a minute.
  Q.numberRange = function (param) {
    if (param.units) return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 10000 };
    if (param.unit === 'ms') return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 60000 };
    return { min: param.min != null ? param.min : 0, max: param.max != null ? param.max : 2147483647 };
  };

  var PLAIN = /^(-?\d*\.?\d+)([a-z%]*)$/i;
  var UNITS = /^(px|pt|pc|in|cm|mm|q|em|rem|ex|ch|%|vw|vh|vmin|vmax)$/i;
  // The functions a size may be besides a number: they are worked out where
  // the menu is shown, so they have no range to check here.
  var MATH = /^(calc|min|max|clamp|var)\(/i;
  var SIZE_HELP = 'not a size CSS knows; use a number with px, em or %, or calc()';

  // A size as the engines write it. margin-left takes negative lengths, so
  // offsets pass, but also "auto", which is why anything other than a
  // number and unit has to be a math function or var().
  function checkSize(param, v) {
    var range = Q.numberRange(param);
    var m = PLAIN.exec(v);
    if (!m) {
      // A menu that compares the value with the window's width, or
      // otherwise reckons with it, needs a number it can read.
      if (param.plain) return 'needs a number with ' + param.units.join(' or ') + ' here; calc() and var() cannot be used';
      if (!MATH.test(v) || UNSAFE.test(v) || !onePiece(v)) return SIZE_HELP;
      return cssSays('margin-left', v, function (v) { return /^[\w-]+\([-+*\/().,%\w\s]*\)$/.test(v); }) ? '' : SIZE_HELP;
    }
    var unit = m[2].toLowerCase();
    if (!unit) {
      if (+m[1] !== 0 && param.units.indexOf('px') < 0) return 'a size needs a unit';
    } else if (!cssSays('margin-left', v, function () { return UNITS.test(unit); })) {
      return SIZE_HELP;
    } else if (param.plain && param.units.indexOf(unit) < 0) {
      return 'needs a number with ' + param.units.join(' or ') + ' here';
    }
    var n = +m[1];
    if (n < range.min || n > range.max) return 'out of range ' + range.min + ' to ' + range.max;
    return '';
  }

  function checkNumber(param, v) {
    if (param.units) return checkSize(param, v);
    var range = Q.numberRange(param);
    if (!/^-?\d*\.?\d+$/.test(v)) return 'not a number';
    var n = +v;
    if (!param.fraction && n !== Math.floor(n)) return 'not a whole number';
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
      case 'color': return Q.isColor(v) ? '' : CSS_WIDE.test(v) ? COLOR_WIDE : COLOR_HELP;
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
