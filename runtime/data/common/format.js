/*
  Data file format: the texts the pages write into a menu data file and the
  helpers that read them back. No DOM here, so the same code runs in the
  pages and in node.
*/
(function (root) {
  'use strict';
  var Q = root.Plivex = root.Plivex || {};

  // The version written into every key block; bump when the format changes.
  Q.FORMAT_VERSION = 1;

  function hex(n, width) {
    var s = n.toString(16).toUpperCase();
    while (s.length < width) s = '0' + s;
    return s;
  }

  // A JavaScript string literal in double quotes that holds only printable
  // ASCII and never a raw double quote, backslash, "<" or ">". Everything else is
  // written as \xNN or \uNNNN, so the literal survives any file encoding, an
  // enclosing <script> element and the program's style-list conversion,
  // which removes every double quote it meets.
  // Printable ASCII but for the quote, backslash and angle brackets; and the
  // "_" after "qrn": earlier releases of the program turned every start
  // function name, qrn_init, qrn_tabsInit, ..., into "//" throughout the
  // file, texts included, and they still read what this one writes unchanged.
  var PLAIN = /^[ !#-;=?-\[\]-~]*$/;
  var QRN = /qrn_/i;
  var ESCAPED = /[^ !#-;=?-\[\]-~]|(?<=qrn)_/gi;
  function escapeChar(ch) {
    var c = ch.charCodeAt(0);
    return c < 0x100 ? '\\x' + hex(c, 2) : '\\u' + hex(c, 4);
  }
  Q.jsString = function (text) {
    text = text == null ? '' : String(text);
    // Most texts need no escape at all: no work for them.
    if (PLAIN.test(text) && !QRN.test(text)) return '"' + text + '"';
    return '"' + text.replace(ESCAPED, escapeChar) + '"';
  };

  Q.isIdentifier = function (name) {
    return typeof name === 'string' && /^[A-Za-z_$][A-Za-z0-9_$]*$/.test(name);
  };

  // ---- parameters -------------------------------------------------------

  // Script literal of a parameter value as the parameter page writes it:
  // flags as true/false, plain numbers as numbers, everything else as text.
  Q.valueLiteral = function (param, value) {
    if (param.kind === 'flag') return Q.toFlag(value) ? 'true' : 'false';
    if (param.kind === 'number' && !param.units) {
      var n = Number(value);
      if (String(value).trim() !== '' && isFinite(n)) return String(n);
      return Q.jsString(value);
    }
    return Q.jsString(value);
  };

  Q.toFlag = function (value) {
    if (value === true) return true;
    if (value === false || value == null) return false;
    var s = String(value).trim().toLowerCase();
    return s === 'true' || s === '1' || s === 'yes' || s === 'on';
  };

  // A value read back from script (any type) as the text a field shows.
  Q.valueText = function (param, value) {
    if (value == null) return '';
    if (Array.isArray(value)) return value.map(String).join(',');
    if (param && param.kind === 'flag') return Q.toFlag(value) ? 'true' : 'false';
    return String(value);
  };

  // One declaration per parameter, in schema order, one per line.
  Q.declarations = function (params, values) {
    return params.map(function (p) {
      var v = Object.prototype.hasOwnProperty.call(values, p.name) ? values[p.name] : p.def;
      return 'var ' + p.name + '=' + Q.valueLiteral(p, v) + ';';
    }).join('\r\n');
  };

  // The key block: identifies the format version and the menu type.
  Q.keyBlock = function (type) {
    return 'var ' + type.prefix + 'DataVersion=' + Q.FORMAT_VERSION + ';\r\n' +
           'var ' + type.prefix + 'Type=' + Q.jsString(type.id) + ';';
  };

  // ---- items ------------------------------------------------------------

  Q.levelMarks = function (level) {
    level = Math.max(0, parseInt(level, 10) || 0);
    return new Array(level + 1).join('|');
  };

  // One element of the items array: eleven strings, element 0 the level
  // marks and the text, elements 1 to 10 the item parameters.
  Q.itemElement = function (level, params) {
    var parts = [Q.jsString(Q.levelMarks(level) + (params[0] == null ? '' : params[0]))];
    for (var i = 1; i <= 10; i++) parts.push(Q.jsString(params[i] == null ? '' : params[i]));
    return '[' + parts.join(', ') + ']';
  };

  // ---- individual styles ------------------------------------------------

  // A style as the list of quoted "key=value" entries that goes between the
  // brackets of its array element. A style that overrides nothing still
  // writes one entry, so it keeps its place (and its number) in the list.
  Q.EMPTY_STYLE_ENTRY = 'inherit=all';

  Q.styleEntries = function (params, values) {
    var entries = [];
    params.forEach(function (p) {
      var v = values[p.name];
      if (v == null || v === '') return;
      entries.push(Q.jsString(p.name + '=' + v));
    });
    if (!entries.length) entries.push(Q.jsString(Q.EMPTY_STYLE_ENTRY));
    return entries.join(',');
  };

  // Evaluated "key=value" strings as a map of key to value text.
  Q.styleValuesFromArray = function (arr) {
    var values = {};
    (arr || []).forEach(function (e) {
      e = e == null ? '' : String(e);
      var eq = e.indexOf('=');
      if (eq <= 0) return;
      values[e.slice(0, eq)] = e.slice(eq + 1);
    });
    return values;
  };

  // The declarations the program builds from a style's entry list when it
  // reads a data file. The style pages hand out exactly this text as their
  // parameter list, so a style reads the same whether it was just edited or
  // came from a file.
  Q.entriesToDeclarations = function (list) {
    var text = String(list).split('",').join('\r').split('"').join('');
    var out = '';
    text.split('\r').forEach(function (entry) {
      if (!entry) return;
      var eq = entry.indexOf('=');
      var name = eq < 0 ? entry : entry.slice(0, eq);
      var value = eq < 0 ? entry : entry.slice(eq + 1);
      if (value.indexOf(',') >= 0)
        value = '["' + value.split(',').join('","') + '"]';
      else
        value = '"' + value + '"';
      out += 'var ' + name + '=' + value + ';';
    });
    return out;
  };

  if (typeof module !== 'undefined' && module.exports) module.exports = Q;
})(typeof window !== 'undefined' ? window : globalThis);
