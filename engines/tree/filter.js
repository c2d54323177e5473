// Buttons that open and close every branch, and a filter box that shows
// only the items whose text holds what is typed, with their ancestors.
const EXP = 'aria-expanded';

export function filterBar(t) {
  const doc = t.nav.ownerDocument;
  const bar = doc.createElement('div');
  bar.className = 'qf';
  bar.innerHTML = '<input type="search" placeholder="Filter" aria-label="Filter" aria-controls="' + t.nav.id + '-t"' +
    '><button type="button">Expand all</button><button type="button">Collapse all</button>';
  t.tree.id = t.nav.id + '-t';
  t.nav.insertBefore(bar, t.tree);
  const st = doc.createElement('style');
  st.textContent = `.${t.nav.id} .qf{display:flex;flex-wrap:wrap;gap:4px;margin-bottom:4px}.${t.nav.id} .qf input{flex:1 1 100%;min-width:0;font:inherit}`;
  bar.appendChild(st);
  const [box, more, less] = bar.children;
  const branches = () => {
    t.fillAll();
    return [...t.tree.querySelectorAll('[' + EXP + ']')];
  };
  // The tab stop stays on an item that can be reached.
  const reach = () => {
    const shown = t.items();
    if (!shown.some(a => a.tabIndex === 0)) t.rove(shown[0]);
  };
  more.onclick = () => { branches().forEach(a => t.toggle(a, true, 1)); };
  less.onclick = () => { branches().forEach(a => t.toggle(a, false, 1)); reach(); };

  // The branches open before filtering are open again once the box is empty.
  let before = null;
  box.oninput = () => {
    const q = box.value.trim().toLowerCase(), all = branches();
    if (q && !before) before = all.filter(a => a.getAttribute(EXP) === 'true');
    const items = t.tree.querySelectorAll('.qi');
    // Children come after their parent, so going backwards each parent
    // knows whether any of its children stays.
    for (let i = items.length; i--;) {
      const a = items[i], g = a.nextSibling;
      const kept = g && [...g.children].some(li => !li.hidden);
      a.parentNode.hidden = !!q && !kept && !a.textContent.toLowerCase().includes(q);
      if (q && g) t.toggle(a, kept, 1);
    }
    if (!q && before) {
      all.forEach(a => t.toggle(a, before.includes(a), 1));
      before = null;
    }
    reach();
  };
}
