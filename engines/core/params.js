// Menu-wide parameters: the data file declares them as global variables.
// A missing or wrong-typed variable keeps its default; the type of the
// default says what a value must be.

// A value taken from a data file or a style entry (style values are always
// text), made to the type of `def`; undefined when it cannot be.
export function coerce(def, v) {
  const t = typeof def;
  if (t === 'boolean') return typeof v === 'boolean' ? v : v === 'true' ? true : v === 'false' ? false : undefined;
  if (t === 'number') v = typeof v === 'string' && v.trim() ? +v : v;
  else if (typeof v === 'string') return v;
  if (typeof v === 'number' && isFinite(v)) return t === 'number' ? v : '' + v;
}

// The values of every parameter in `table` ([name without the type's
// prefix, default, style marks]), read from the window that ran the data
// file; the result is keyed by the names without prefix.
export function readParams(win, table, prefix) {
  const values = {};
  for (const [name, def] of table) {
    const v = coerce(def, win[prefix + name]);
    values[name] = v === undefined ? def : v;
  }
  return values;
}

// Individual styles: each element is an array of "name=value" texts. The
// result holds, per style, the values of the parameters that kind of style
// may override (`mark` 1 item styles, 2 submenu styles), keyed like
// readParams(); anything else in the array (unknown names, "inherit=all",
// holes) is left out.
export function readStyles(arr, table, prefix, mark) {
  const out = [];
  if (!Array.isArray(arr)) return out;
  for (let i = 0; i < arr.length; i++) {
    const s = {};
    if (Array.isArray(arr[i])) for (const e of arr[i]) {
      const text = typeof e === 'string' ? e : '';
      const eq = text.indexOf('=');
      const name = text.slice(0, eq);
      const row = eq > 0 && table.find(r => prefix + r[0] === name && r[2] & mark);
      const v = row && coerce(row[1], text.slice(eq + 1));
      if (v !== undefined) s[row[0]] = v;
    }
    out.push(s);
  }
  return out;
}
