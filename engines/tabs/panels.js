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
export function firstPick(win, key, P, all, pick) {
  if (pick < 0) {
    const kept = P.RememberSelected ? parseInt(store(win, key), 10) : NaN;
    pick = kept >= 0 && kept < all.length ? kept : Math.max(0, P.Selected | 0);
  }
  return all[pick] && !dis(all[pick]) ? pick : all.findIndex(t => !dis(t));
}

// A tab's panel is the page element its content id names, moved into `box`
// beside the tabs; elements further down the page are taken when take() is
// called again once the page has loaded. els[i] is tab i's panel.
export function panels(doc, X, all, ids, box, selected) {
  const els = [];
  const take = () => all.forEach((t, i) => {
    const el = !els[i] && ids[i] && doc.getElementById(ids[i]);
    if (!el || el.contains(box)) return;
    els[i] = el;
    el.id = X + '-p' + i;
    el.setAttribute('role', 'tabpanel');
    el.setAttribute('aria-labelledby', t.id);
    t.setAttribute('aria-controls', ((t.getAttribute('aria-controls') || '') + ' ' + el.id).trim());
    el.tabIndex = 0;
    el.hidden = t !== selected();
    box.appendChild(el);
  });
  return { els, take };
}
