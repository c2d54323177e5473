// The open branches and the scroll position of a tree, kept in the
// session's storage under the tree's storage name, and forgotten when the
// tree's items are not the ones they were kept for.
const EXP = 'aria-expanded';

// A short fingerprint of the items: levels, texts and links.
function print(root) {
  let h = 2166136261;
  const walk = n => {
    for (const c of n.k) {
      const s = c.l + String(c.e[0]) + '\n' + String(c.e[1]) + '\n';
      for (let i = 0; i < s.length; i++) h = Math.imul(h ^ s.charCodeAt(i), 16777619);
      walk(c);
    }
  };
  walk(root);
  return (h >>> 0).toString(36);
}

const done = new Map();

export function remember(t) {
  if (!t.P.Remember) return;
  const win = t.nav.ownerDocument.defaultView;
  let store = null;
  try { store = win.sessionStorage; } catch (e) { /* storage off */ }
  if (!store) return;
  // Trees with the same storage name on one page are told apart by order.
  const name = t.P.RememberKey;
  const nth = done.get(name) || 0;
  done.set(name, nth + 1);
  const key = 'qrntmenu:' + name + ':' + nth, sum = print(t.root);
  let kept = null;
  try { kept = JSON.parse(store.getItem(key)); } catch (e) { /* storage off or spoilt: nothing kept */ }
  if (kept && kept.s === sum && Array.isArray(kept.o)) {
    t.fillAll();
    for (const a of t.tree.querySelectorAll('[' + EXP + ']'))
      t.toggle(a, kept.o.includes(a.getAttribute('aria-owns').slice(t.nav.id.length)), 1);
    t.nav.scrollTop = +kept.y || 0;
  }
  const save = () => {
    const o = [...t.tree.querySelectorAll('[' + EXP + '=true]')].map(a => a.getAttribute('aria-owns').slice(t.nav.id.length));
    try { store.setItem(key, JSON.stringify({ s: sum, o, y: t.nav.scrollTop })); } catch (e) { /* storage off or full */ }
  };
  new win.MutationObserver(save).observe(t.tree, { subtree: true, attributeFilter: [EXP] });
  // Scrolling fires many times a second and each save walks the tree, so
  // the position is kept a moment after scrolling, and at once when the
  // page is left before that.
  let wait = 0;
  t.nav.addEventListener('scroll', () => { wait ||= setTimeout(() => { wait = 0; save(); }, 250); }, { passive: true });
  win.addEventListener('pagehide', save);
  save();
}
