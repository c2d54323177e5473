// Ostrel Tab Menu: the tabs of the Ostrel Tabs, each with one level of
// submenu items shown as a second row under the tabs (the row of the
// selected tab) or as a drop-down list. Item fields: 0 text, 1 link,
// 2 target, 3 tooltip, 4 icon, 5 hover icon, 6 state, 7 item style,
// 8 element id, 9 content id, 10 class.
import TABLE, { prefix, addresses } from 'plivex:params/tab-menu';
import { readParams, readStyles } from '../core/params.js';
import { fields, styleIndex } from '../core/items.js';
import { addressReader, itemAddresses, paramAddresses } from '../core/address.js';
import { addSheet } from '../core/css.js';
import { soon } from '../core/later.js';
import { attr, esc } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { rightToLeft } from '../core/dir.js';
import { rovingStop } from '../core/rove.js';
import { sheet } from './sheet.js';
import { dis, store, firstPick, panels, followLinks } from '../tabs/panels.js';

// One tab or submenu item, a link when `a` is true and a button otherwise:
// `cls` is its own class and `more` its other attributes.
function item(f, styles, cls, more, a) {
  const [text, link, target, tip, icon, hover, state, is, , content, extra] = f, off = state === 'disabled', i = styleIndex(is, styles);
  return (a ? '<a' + attr('href', off ? '' : link) + attr('target', target) : '<button type="button"') + more +
    ' class="' + cls + (i >= 0 ? ' qs' + i : '') + (state === 'current' ? ' qc' : off ? ' qd' : '') + (extra ? ' ' + esc(extra) : '') + '"' +
    attr('title', tip) + (off ? ' aria-disabled="true"' : '') + (state === 'current' && !content ? ' aria-current="page"' : '') + '>' +
    (icon ? '<img class="qic' + (hover ? ' qin' : '') + '" src="' + esc(icon) + '" alt="">' : '') +
    (hover ? '<img class="qic qih" src="' + esc(hover) + '" alt="">' : '') + '<span>' + text + '</span>' + (a ? '</a>' : '</button>');
}

export function tabMenu(win, doc, script) {
  const P = readParams(win, TABLE, prefix);
  const S = readStyles(win.bstyles, TABLE, prefix, 1);
  const read = addressReader(P, script, doc), fix = itemAddresses(read, addresses);
  paramAddresses(read, TABLE, [P, ...S]);
  const X = uniqueName(doc, 'qrnt');
  const rtl = rightToLeft(doc, script);
  const side = P.Placement, V = side === 'left' || side === 'right';
  const drop = P.SubMode === 'dropdown';
  const key = 'qrnt:' + win.location.pathname + ':' + X;

  // The tabs, each with the items below it: deeper levels count as the
  // second and holes are passed by. As the item tree reads it, the first
  // item is a tab whatever its marks say. Submenu items are read when
  // their submenu is written.
  const tabs = [];
  let sep = false;
  for (const e of Array.isArray(win.bmenuItems) ? win.bmenuItems : []) {
    if (!Array.isArray(e)) continue;
    if (tabs.length && /^\|/.test(e[0])) { tabs.at(-1).k.push(e); continue; }
    const f = fields({ e }, fix);
    if (f[0] === '-') sep = true;
    else { tabs.push({ f, k: [], sep }); sep = false; }
  }

  let tabsHtml = '', pick = -1;
  const ids = [];
  tabs.forEach((m, n) => {
    const [, , , , , , state, , id, content] = m.f;
    // A tab is selected at start when it or an item of its submenu is the
    // current page.
    if ((state === 'current' || m.k.some(e => e[6] === 'current')) && pick < 0) pick = n;
    m.s = m.k.some(e => !/^\|*-$/.test(e[0]));
    tabsHtml += (m.sep ? '<span class="qz"></span>' : '') +
      item(m.f, S.length, 'qi', ' role="tab" tabindex="-1" aria-selected="false" id="' +
      esc(id || X + '-t' + n) + '"' + (m.s && drop ? ' aria-expanded="false"' : ''), !content);
    ids.push(content);
  });

  const root = doc.createElement('div');
  root.id = X;
  root.className = X;
  root.innerHTML = '<div class="ql" role="tablist"' + attr('aria-label', P.Label) + (V ? ' aria-orientation="vertical"' : '') +
    '>' + tabsHtml + '</div><div class="qr"></div>';
  const [list, row] = root.children;
  const all = [...list.querySelectorAll('.qi')];
  const usable = all.filter(t => !dis(t));
  // A tab's submenu list, written when first needed or once the page is
  // idle (one list at a time), so that a large menu stands as soon as its
  // tabs do.
  const subs = [];
  const subAt = t => {
    const i = all.indexOf(t), m = tabs[i];
    if (!subs[i] && m && m.s) {
      let html = '', line = false;
      for (const e of m.k) {
        const g = fields({ e }, fix);
        if (g[0] === '-') { line = html !== ''; continue; }
        html += '<li' + (line ? ' class="qz"' : '') + '>' + item(g, S.length, 'qj', attr('id', g[8]), true) + '</li>';
        line = false;
      }
      row.insertAdjacentHTML('beforeend', '<ul class="qu" id="' + X + '-s' + i + '"' + attr('aria-label', t.textContent.trim()) + '>' + html + '</ul>');
      subs[i] = row.lastChild;
      // A row is laid out once before it is hidden: where the browser keeps
      // a hidden row laid out, even its first showing is quick. Drop-downs
      // are not kept, so laying them out here would be wasted.
      if (!drop) subs[i].getBoundingClientRect();
      subs[i].hidden = true;
      t.setAttribute('aria-controls', (X + '-s' + i + ' ' + (t.getAttribute('aria-controls') || '')).trim());
    }
    return subs[i];
  };
  pick = firstPick(win, key, P, all, pick);

  const rove = rovingStop();
  let sel, opened, timer, hideTimer, touch;
  const { els, find: findPanels } = panels(doc, all, ids, () => sel);
  // In the row, "under its tab" starts the row where the tab starts.
  const align = () => {
    const u = subAt(sel);
    if (!u || drop || P.SubAlign !== 'tab' || V) return;
    u.style.marginInlineStart = 0;
    const a = sel.getBoundingClientRect(), r = u.getBoundingClientRect();
    u.style.marginInlineStart = (rtl ? r.right - a.right : a.left - r.left) + 'px';
  };
  const show = (t, on) => {
    t.setAttribute('aria-selected', on);
    const el = els[all.indexOf(t)], u = subAt(t);
    if (el) el.hidden = !on;
    if (u && !drop) u.hidden = !on;
  };
  function select(t, remember) {
    if (!t || dis(t)) return;
    rove(t);
    if (sel !== t) {
      if (sel) show(sel, false);
      show(sel = t, true);
      align();
    }
    if (remember && P.RememberSelected) store(win, key, all.indexOf(t));
  }
  select(all[pick]);
  followLinks(win, doc, ids, i => select(all[i], true));

  // ---- drop-downs -----------------------------------------------------
  function close() {
    clearTimeout(timer);
    if (!opened) return;
    opened.setAttribute('aria-expanded', false);
    subAt(opened).hidden = true;
    opened = null;
  }
  // Where a drop-down of size `n` starts on one axis of the window (size
  // `m`), beside a tab reaching from `lo` to `hi`. Along the tabs it starts
  // where the tab starts (ends where it ends when `back`); across them it
  // goes after the tab (before it when `back`), or to the other side when
  // only that side has room. It is then moved inside the window, or to the
  // window's start when it is larger.
  const fit = (lo, hi, n, m, along, back) => {
    const p = along ? back ? hi - n : lo : back ? lo - n : hi, q = back ? hi : lo - n;
    return !along && (p < 0 || p + n > m) && q >= 0 && q + n <= m ? q : Math.max(0, Math.min(p, m - n));
  };
  // Opens the drop-down of `t` beside the tab, on the side facing away
  // from the tabs' content edge, inside the window.
  function open(t) {
    const u = subAt(t);
    if (!u || dis(t)) return;
    if (opened === t) return u;
    close();
    opened = t;
    t.setAttribute('aria-expanded', true);
    u.hidden = false;
    const r = root.getBoundingClientRect(), a = t.getBoundingClientRect(), v = doc.documentElement;
    u.style.left = fit(a.left, a.right, u.offsetWidth, v.clientWidth, !V, V ? side === 'right' : rtl) - r.left + 'px';
    u.style.top = fit(a.top, a.bottom, u.offsetHeight, v.clientHeight, V, side === 'bottom') - r.top + 'px';
    return u;
  }

  // ---- pointer --------------------------------------------------------
  const on = (el, type, f, capture) => el.addEventListener(type, f, capture);
  const hoverOpen = drop && P.SubOpenOn !== 'click';
  on(root, 'pointerdown', e => { touch = e.pointerType === 'touch'; });
  on(root, 'pointerover', e => {
    if (e.pointerType === 'touch') return;
    clearTimeout(hideTimer);
    // Only the tab the pointer rests on counts, so crossing other tabs on
    // the way into a drop-down changes nothing.
    clearTimeout(timer);
    const t = e.target.closest('.qi');
    if (P.SwitchOn === 'hover' && t && (t.tagName === 'BUTTON' || subAt(t) && !drop)) select(t, true);
    if (hoverOpen && t) timer = setTimeout(() => subAt(t) ? open(t) : close(), P.SubShowDelay);
  });
  on(root, 'pointerleave', e => {
    clearTimeout(timer);
    if (hoverOpen && e.pointerType !== 'touch') hideTimer = setTimeout(close, P.SubHideDelay);
  });
  on(doc, 'pointerdown', e => { if (!root.contains(e.target)) close(); }, true);
  on(root, 'focusout', e => { if (e.relatedTarget && !root.contains(e.relatedTarget)) close(); });
  on(root, 'click', e => {
    const t = e.target.closest('.qi,.qj');
    if (!t) return;
    if (dis(t)) return e.preventDefault();
    if (t.classList.contains('qj')) return close();
    clearTimeout(timer);
    // A click from the keyboard (Enter, Space) counts no presses.
    const u = subAt(t), link = t.href, was = sel === t, key = !e.detail;
    // Selected first: the selected look may change the tab's size.
    select(t, true);
    // A parent opens on the first click or tap and its link is followed on
    // the next; a mouse that opened it on hover, and the keyboard, follow
    // the link at once.
    if (!u) close();
    else if (drop && opened !== t && !(link && (key || hoverOpen && !touch))) { open(t); e.preventDefault(); }
    else if (drop && !link) close();
    else if (!drop && !was && link && !key && !(P.SwitchOn === 'hover' && !touch)) e.preventDefault();
  });

  // ---- keyboard -------------------------------------------------------
  const fwd = rtl ? 'ArrowLeft' : 'ArrowRight', back = rtl ? 'ArrowRight' : 'ArrowLeft';
  // The key that goes from a tab into its submenu, towards the submenu:
  // Down under tabs above the content, Up above tabs under it, the inner
  // arrow beside side tabs.
  const into = { bottom: 'ArrowUp', left: 'ArrowRight', right: 'ArrowLeft' }[side] || 'ArrowDown';
  const links = u => [...u.querySelectorAll('a[href]')];
  // The element `d` places on from `x` in the list `l`, round at the ends.
  const step = (l, x, d) => l.at((l.indexOf(x) + d) % l.length);
  const enter = (t, end) => {
    const u = drop ? open(t) : (select(t, true), subAt(t));
    if (u) links(u).at(end ? -1 : 0)?.focus();
  };
  const move = to => {
    close();
    // The focus moves with the arrows; a tab with a panel, or with a row
    // to show, is selected on the way unless selection waits for Enter.
    if (P.Activation !== 'manual' && (to.tagName === 'BUTTON' || subAt(to) && !drop)) select(to, true);
    else rove(to);
    to.focus();
  };
  on(root, 'keydown', e => {
    const k = e.key, a = e.target.closest('.qi,.qj');
    if (!a || e.altKey || e.ctrlKey || e.metaKey) return;
    // On a tab, or on an item of the submenu `u` of the tab `t`.
    const tab = a.classList.contains('qi'), u = tab ? !dis(a) && subAt(a) : a.closest('.qu');
    const t = tab ? a : all[subs.indexOf(u)], list = tab ? usable : links(u);
    // Arrows along the list: the tabs, a drop-down's column or the row.
    const d = (tab ? { [V ? 'ArrowDown' : fwd]: 1, [V ? 'ArrowUp' : back]: -1 }
      : { ArrowDown: 1, ArrowUp: -1, [drop ? '' : fwd]: 1, [drop ? '' : back]: -1 })[k];
    const to = k === 'Home' ? list[0] : k === 'End' ? list.at(-1) : d ? step(list, a, d) : null;
    // Enter and Space enter the submenu of a tab without a link; on a link
    // they follow it, as a click does.
    const press = k === 'Enter' || k === ' ';
    if (tab && u && (k === into || press && !a.href)) {
      if (press) select(a, true);
      enter(a, k === 'ArrowUp');
    } else if (k === 'Escape' && (opened || !tab)) { close(); t.focus(); }
    else if (to) tab ? move(to) : to.focus();
    // Left and right in a drop-down go on to the neighbouring tab.
    else if (!tab && drop && (k === 'ArrowLeft' || k === 'ArrowRight')) move(step(usable, t, k === fwd ? 1 : -1));
    else if (press && tab) a.click();
    else return;
    e.preventDefault();
  });
  // Leaving the tabs leaves the selected tab as their tab stop.
  on(list, 'focusout', e => {
    if (!list.contains(e.relatedTarget)) rove(sel || usable[0]);
  });

  addSheet(doc, sheet(X, P, S, rtl, drop, V, TABLE));
  place(doc, root, script, P.Position !== 'absolute');
  all.forEach(t => soon(win, () => subAt(t)));
  findPanels();
  align();
  on(win, 'resize', align);
  if (doc.readyState === 'loading') on(doc, 'DOMContentLoaded', () => { findPanels(); align(); });
}
