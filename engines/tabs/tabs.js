// Ostrel Tabs: a tab list after the tabs pattern of the ARIA practices. A
// tab with a content id shows that page element as its panel; a tab with a
// link is a link. Item fields: 0 text, 1 link, 2 target, 3 tooltip, 4 icon,
// 5 hover icon, 6 item style, 7 state, 8 element id, 9 content id, 10 class.
import TABLE, { prefix, addresses } from 'plivex:params/tabs';
import { readParams, readStyles } from '../core/params.js';
import { fields, styleIndex } from '../core/items.js';
import { addressReader, itemAddresses, paramAddresses } from '../core/address.js';
import { addSheet } from '../core/css.js';
import { attr, esc } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { rightToLeft } from '../core/dir.js';
import { rovingStop } from '../core/rove.js';
import { sheet } from './sheet.js';
import { dis, store, firstPick, panels, followLinks } from './panels.js';

export function tabs(win, doc, script) {
  const P = readParams(win, TABLE, prefix);
  const S = readStyles(win.bstyles, TABLE, prefix, 1);
  const read = addressReader(P, script, doc), fix = itemAddresses(read, addresses);
  paramAddresses(read, TABLE, [P, ...S]);
  const X = uniqueName(doc, 'qrnt');
  const rtl = rightToLeft(doc, script);
  const V = P.Placement === 'left' || P.Placement === 'right';
  const key = 'qrnt:' + win.location.pathname + ':' + X;

  let html = '', pick = -1, sep = false;
  const ids = [];
  for (const e of Array.isArray(win.bmenuItems) ? win.bmenuItems : []) {
    // Only the first level: deeper items belong to the Tab Menu. As the
    // item tree reads it, the first item (nothing taken yet, not even a
    // separator) is on the first level whatever its marks say, and holes
    // are passed by.
    if (!Array.isArray(e) || (ids.length || sep) && /^\|/.test(e[0])) continue;
    const [text, link, target, tip, icon, hover, is, state, id, content, cls] = fields({ e }, fix);
    if (text === '-') { sep = true; continue; }
    if (sep) html += '<span class="qz"></span>';
    sep = false;
    const off = state === 'disabled', i = styleIndex(is, S.length);
    if (state === 'current' && pick < 0) pick = ids.length;
    html += (content ? '<button type="button"' : '<a' + attr('href', off ? '' : link) + attr('target', target)) +
      ' role="tab" tabindex="-1" aria-selected="false" id="' + esc(id || X + '-t' + ids.length) + '"' +
      ' class="qi' + (i >= 0 ? ' qs' + i : '') + (state === 'current' ? ' qc' : off ? ' qd' : '') + (cls ? ' ' + esc(cls) : '') + '"' +
      attr('title', tip) + (off ? ' aria-disabled="true"' : '') + (state === 'current' && !content ? ' aria-current="page"' : '') + '>' +
      (icon ? '<img class="qic' + (hover ? ' qin' : '') + '" src="' + esc(icon) + '" alt="">' : '') +
      (hover ? '<img class="qic qih" src="' + esc(hover) + '" alt="">' : '') +
      '<span>' + text + '</span>' + (content ? '</button>' : '</a>');
    ids.push(content);
  }

  const root = doc.createElement('div');
  root.id = X;
  root.className = X;
  root.innerHTML = '<div class="ql" role="tablist"' + attr('aria-label', P.Label) + (V ? ' aria-orientation="vertical"' : '') +
    '>' + html + '</div>';
  const list = root.firstChild;
  const all = [...list.querySelectorAll('.qi')];
  const usable = all.filter(t => !dis(t));
  pick = firstPick(win, key, P, all, pick);

  // The one tab of the tabs that Tab reaches, and the selected one; only
  // they change, so a long row of tabs costs nothing more.
  const rove = rovingStop();
  let sel;
  const { els, find: findPanels } = panels(doc, all, ids, () => sel);
  const show = (t, on) => {
    t.setAttribute('aria-selected', on);
    const el = els[all.indexOf(t)];
    if (el) el.hidden = !on;
  };
  function select(t, remember) {
    if (!t || dis(t)) return;
    rove(t);
    if (sel) show(sel, false);
    show(sel = t, true);
    if (remember && P.RememberSelected) store(win, key, all.indexOf(t));
  }
  select(all[pick]);
  followLinks(win, doc, ids, i => select(all[i], true));

  // A click on a disabled tab selects nothing: select() passes it by.
  root.addEventListener('click', e => select(e.target.closest('.qi'), true));
  if (P.SwitchOn === 'hover') root.addEventListener('pointerover', e => e.pointerType !== 'touch' && select(e.target.closest('button.qi'), true));
  list.addEventListener('keydown', e => {
    const t = e.target.closest('.qi');
    if (!t || e.altKey || e.ctrlKey || e.metaKey) return;
    const k = e.key;
    const d = { [V ? 'ArrowDown' : rtl ? 'ArrowLeft' : 'ArrowRight']: 1, [V ? 'ArrowUp' : rtl ? 'ArrowRight' : 'ArrowLeft']: -1 }[k];
    // at() counts a negative place from the end, which wraps the arrows.
    const to = k === 'Home' ? usable[0] : k === 'End' ? usable.at(-1) : d ? usable.at((usable.indexOf(t) + d) % usable.length) : null;
    if (k === ' ' && t.tagName === 'A') t.click();
    else if (to) {
      // The focus moves with the arrows; a tab with a panel is selected on
      // the way unless selection waits for Enter or Space.
      if (P.Activation !== 'manual' && to.tagName === 'BUTTON') select(to, true);
      else rove(to);
      to.focus();
    } else return;
    e.preventDefault();
  });
  // Leaving the tabs leaves the selected tab as their tab stop.
  list.addEventListener('focusout', e => {
    if (list.contains(e.relatedTarget)) return;
    rove(sel || usable[0]);
  });

  addSheet(doc, sheet(X, P, S, rtl, TABLE));
  place(doc, root, script, P.Position !== 'absolute');
  findPanels();
  if (doc.readyState === 'loading') doc.addEventListener('DOMContentLoaded', findPanels);
}
