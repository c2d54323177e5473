// What the Ostrel Tabs and the Ostrel Tab Menu share about the selected tab
// and the page elements tabs show as their panels.

export const dis = el => el.classList.contains('qd');

// The selected tab is kept per page and per tabs on that page.
export const store = (win, key, value) => {
  try { return value === undefined ? win.sessionStorage.getItem(key) : win.sessionStorage.setItem(key, value); } catch (e) { /* storage off: nothing is kept */ }
};

// The number of the tab selected at start: `pick` (a current item's tab,
// or -1), else the one kept from before, else the parameter; a disabled or
// missing tab gives the first usable one (a disabled tab has the class qd).
// A page address naming a panel wins over all of them (followLinks).
export function firstPick(win, key, P, all, pick) {
  if (pick < 0) {
    const kept = P.RememberSelected ? parseInt(store(win, key), 10) : NaN;
    pick = kept >= 0 && kept < all.length ? kept : Math.max(0, P.Selected | 0);
  }
  return all[pick] && !dis(all[pick]) ? pick : all.findIndex(t => !dis(t));
}

// The number of the tab whose content id `hash` ("#id") names, or -1.
function panelNamed(ids, hash) {
  let id = hash.slice(1);
  try { id = decodeURIComponent(id); } catch (e) { /* not an encoded id: taken as it stands */ }
  return id ? ids.indexOf(id) : -1;
}

// A tab's panel is the page element its content id names. It stays where
// the page put it, with its own id, classes and markup: the tabs add only
// its role, the references between tab and panel, and `hidden`. Elements
// further down the page are found when find() is called again once the
// page has loaded. els[i] is tab i's panel.
export function panels(doc, all, ids, selected) {
  const els = [];
  const find = () => all.forEach((t, i) => {
    const el = !els[i] && ids[i] && doc.getElementById(ids[i]);
    if (!el || el.contains(t)) return;
    els[i] = el;
    el.setAttribute('role', 'tabpanel');
    el.setAttribute('aria-labelledby', t.id);
    t.setAttribute('aria-controls', ((t.getAttribute('aria-controls') || '') + ' ' + el.id).trim());
    el.hidden = t !== selected();
  });
  return { els, find };
}

// A link to a panel's id selects its tab, through select(i): at once when
// the page was opened with it, when the address changes (back and forward
// too) and when the link is followed again, which changes no address. A link to another page with that hash
// leaves this one, so which page it names does not matter.
export function followLinks(win, doc, ids, select) {
  const go = hash => {
    const i = panelNamed(ids, hash);
    if (i >= 0) select(i);
  };
  win.addEventListener('hashchange', () => go(win.location.hash));
  doc.addEventListener('click', e => go(e.target.closest?.('a')?.hash || ''));
  go(win.location.hash);
}
