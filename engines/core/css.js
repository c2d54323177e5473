// CSS text from parameter values. Values come from a data file, so nothing
// in them may end a declaration or a rule.

export const clean = v => String(v).replace(/[;{}<>\\]/g, '');

// A size; a bare number counts as pixels.
export const size = v => (v = clean(v).trim(), /^-?[\d.]+$/.test(v) ? v + 'px' : v);

export const url = v => v ? 'url("' + String(v).replace(/["\\\n\r]/g, encodeURIComponent) + '")' : 'none';

// "prop:value;" pairs from a flat list, leaving out empty values.
export function decl(...pairs) {
  let s = '';
  for (let i = 0; i < pairs.length; i += 2)
    if (pairs[i + 1] !== '' && pairs[i + 1] != null) s += pairs[i] + ':' + pairs[i + 1] + ';';
  return s;
}

export function addSheet(doc, text) {
  const st = doc.createElement('style');
  st.textContent = text;
  (doc.head || doc.documentElement).appendChild(st);
  return st;
}

// A long item text (the item's plain span) wraps inside its item up to a
// width, rather than widen a bar, a submenu or the page; a single long word
// breaks too. `sel` selects the items.
export const wrapText = sel => sel + '>span:not([class]){max-width:24em;overflow-wrap:anywhere}';
