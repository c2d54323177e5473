// The item array: one element per item in tree order, element 0 the level
// marks ("|" per level) and the text, the rest the item fields by position.

// Builds the item tree in one pass. Elements that are no arrays ("@undefined"
// holes, stray values) are skipped; a level deeper than one below the item
// before it is taken as that one level, so no item is lost. Only the level
// marks are read here; fields() reads an item's fields when it is shown.
// Each node: { e: element, l: level, k: children, n: number in file order, p: parent }
export function readItems(arr) {
  const root = { k: [], l: -1 };
  if (!Array.isArray(arr)) return root;
  let last = root, n = 0;
  for (let i = 0; i < arr.length; i++) {
    const e = arr[i];
    if (!Array.isArray(e)) continue;
    const t = e[0];
    let l = 0;
    if (typeof t === 'string') while (t.charCodeAt(l) === 124) l++;
    if (l > last.l + 1) l = last.l + 1;
    let p = last;
    while (p.l >= l) p = p.p;
    last = { e, l, k: [], n: n++, p };
    p.k.push(last);
  }
  return root;
}

// The eleven fields of an item as texts, field 0 without its level marks.
// `fix` (see address.js) rewrites the addresses among them, once per node
// however the fields were read before.
export function fields(node, fix) {
  let f = node.f;
  if (!f) {
    f = node.f = [];
    for (let j = 0; j < 11; j++) {
      const v = node.e[j];
      f.push(typeof v === 'string' ? (v === '@undefined' ? '' : v) : typeof v === 'number' ? String(v) : '');
    }
    f[0] = f[0].replace(/^\|+/, '');
  }
  if (fix && !node.a) {
    node.a = 1;
    fix(f);
  }
  return f;
}

// The number held in a style field, or -1 for none.
export function styleIndex(text, count) {
  const i = /^\d+$/.test(text) ? +text : -1;
  return i < count ? i : -1;
}
