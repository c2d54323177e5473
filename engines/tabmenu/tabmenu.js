// Ostrel Tab Menu: the tabs of the Ostrel Tabs, each with one level of
// submenu items shown as a second row under the tabs (the row of the
// selected tab) or as a drop-down list. Item fields: 0 text, 1 link,
// 2 target, 3 tooltip, 4 icon, 5 hover icon, 6 state, 7 item style,
// 8 element id, 9 content id, 10 class.
import TABLE, { prefix } from 'plivex:params/tab-menu';
import { readParams, readStyles } from '../core/params.js';
import { readItems, fields, styleIndex } from '../core/items.js';
import { addSheet } from '../core/css.js';
import { attr, esc, plain } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { sheet } from './sheet.js';

const store = (win, key, value) => {
  try { return value === undefined ? win.sessionStorage.getItem(key) : win.sessionStorage.setItem(key, value); } catch (e) { /* storage off: nothing is kept */ }
};

// The inside of an item: icons and text.
const inner = (text, icon, hover) => (icon ? '<img class="qic' + (hover ? ' qin' : '') + '" src="' + esc(icon) + '" alt="">' : '') +
  (hover ? '<img class="qic qih" src="' + esc(hover) + '" alt="">' : '') + '<span>' + text + '</span>';
const marks = (f, off) => attr('title', f[3]) + (off ? ' aria-disabled="true"' : '') + (f[6] === 'current' ? ' aria-current="page"' : '');

export function tabMenu(win, doc, script) {
  const P = readParams(win, TABLE, prefix);
  const S = readStyles(win.bstyles, TABLE, prefix, 1);
  const X = uniqueName(doc, 'qrnt');
  const near = script && script.ownerDocument === doc ? script : doc.documentElement;
  const rtl = /^rtl$/i.test((near.closest('[dir]') || near).dir);
  const side = P.Placement, V = side === 'left' || side === 'right';
  const drop = P.SubMode === 'dropdown';
  const key = 'qrnt:' + win.location.pathname + ':' + X;

  let tabsHtml = '', subsHtml = '', pick = -1, sep = false, n = 0;
  const panels = [], hasSub = [];
  for (const node of readItems(win.bmenuItems).k) {
    const f = fields(node), [text, link, target, , icon, hover, state, is, id, content, cls] = f;
    if (text === '-') { sep = true; continue; }
    if (sep) tabsHtml += '<span class="qz"></span>';
    sep = false;
    const off = state === 'disabled', i = styleIndex(is, S.length);
    // Items below the second level are kept, as items of the submenu.
    let sub = '', subSep = false, subCur = false;
    const walk = list => list.forEach(c => {
      const g = fields(c), soff = g[6] === 'disabled', si = styleIndex(g[7], S.length);
      if (g[0] === '-') subSep = sub !== '';
      else {
        if (g[6] === 'current') subCur = true;
        sub += '<li' + (subSep ? ' class="qz"' : '') + '><a class="qj' + (si >= 0 ? ' qs' + si : '') + (g[6] === 'current' ? ' qc' : soff ? ' qd' : '') +
          (g[10] ? ' ' + esc(g[10]) : '') + '"' + attr('href', soff ? '' : g[1]) + attr('target', g[2]) + attr('id', g[8]) + marks(g, soff) + '>' +
          inner(g[0], g[4], g[5]) + '</a></li>';
        subSep = false;
      }
      walk(c.k);
    });
    walk(node.k);
    const tid = esc(id || X + '-t' + n);
    if ((state === 'current' || subCur) && pick < 0 && !off) pick = n;
    tabsHtml += (content ? '<button type="button"' : '<a' + attr('href', off ? '' : link) + attr('target', target)) +
      ' role="tab" tabindex="-1" aria-selected="false" id="' + tid + '"' +
      ' class="qi' + (i >= 0 ? ' qs' + i : '') + (state === 'current' ? ' qc' : off ? ' qd' : '') + (cls ? ' ' + esc(cls) : '') + '"' +
      (sub ? ' aria-controls="' + X + '-s' + n + '"' + (drop ? ' aria-expanded="false"' : '') : '') +
      attr('title', f[3]) + (off ? ' aria-disabled="true"' : '') + (state === 'current' && !content ? ' aria-current="page"' : '') + '>' +
      inner(text, icon, hover) + (content ? '</button>' : '</a>');
    if (sub) subsHtml += '<ul class="qu" id="' + X + '-s' + n + '"' + attr('aria-label', plain(text) || null) + ' hidden>' + sub + '</ul>';
    hasSub.push(!!sub);
    panels.push(content);
    n++;
  }

  const root = doc.createElement('div');
  root.id = X;
  root.className = X;
  root.innerHTML = '<div class="ql" role="tablist"' + attr('aria-label', P.Label) + (V ? ' aria-orientation="vertical"' : '') +
    '>' + tabsHtml + '</div><div class="qr">' + subsHtml + '</div><div class="qp"></div>';
  const [list, row, box] = root.children;
  const all = [...list.querySelectorAll('.qi')];
  const usable = all.filter(t => !t.classList.contains('qd'));
  // Each tab's submenu list, or null.
  let k = 0;
  const subs = hasSub.map(h => h ? row.children[k++] : null);
  const subAt = t => subs[all.indexOf(t)];
  if (pick < 0) {
    const kept = P.RememberSelected ? parseInt(store(win, key), 10) : NaN;
    pick = kept >= 0 && kept < all.length ? kept : Math.max(0, P.Selected | 0);
  }
  if (!all[pick] || all[pick].classList.contains('qd')) pick = all.indexOf(usable[0]);

  const els = [];
  const takePanels = () => all.forEach((t, i) => {
    const el = !els[i] && panels[i] && doc.getElementById(panels[i]);
    if (!el || el.contains(root)) return;
    els[i] = el;
    el.id = X + '-p' + i;
    el.setAttribute('role', 'tabpanel');
    el.setAttribute('aria-labelledby', t.id);
    t.setAttribute('aria-controls', ((t.getAttribute('aria-controls') || '') + ' ' + el.id).trim());
    el.tabIndex = 0;
    el.hidden = t !== sel;
    box.appendChild(el);
  });

  let stop, sel, opened = null, timer, hideTimer, touch = false;
  const rove = t => {
    if (stop) stop.tabIndex = -1;
    if (stop = t) t.tabIndex = 0;
  };
  // In the row, "under its tab" starts the row where the tab starts.
  const align = () => {
    const u = subAt(sel);
    if (!u || drop || P.SubAlign !== 'tab' || V) return;
    const a = sel.getBoundingClientRect(), r = row.getBoundingClientRect();
    u.style.marginInlineStart = Math.max(0, Math.round(rtl ? r.right - a.right : a.left - r.left)) + 'px';
  };
  const show = (t, on) => {
    t.setAttribute('aria-selected', on);
    const el = els[all.indexOf(t)], u = subAt(t);
    if (el) el.hidden = !on;
    if (u && !drop) u.hidden = !on;
  };
  function select(t, remember) {
    if (!t || t.classList.contains('qd')) return;
    rove(t);
    if (sel !== t) {
      if (sel) show(sel, false);
      show(sel = t, true);
    }
    align();
    if (remember && P.RememberSelected) store(win, key, all.indexOf(t));
  }
  select(all[pick]);

  // ---- drop-downs -----------------------------------------------------
  function close() {
    clearTimeout(timer);
    if (!opened) return;
    opened.setAttribute('aria-expanded', false);
    subAt(opened).hidden = true;
    opened = null;
  }
  // Opens the drop-down of `t` beside the tab, on the side facing away
  // from the tabs' content edge.
  function open(t) {
    const u = subAt(t);
    if (!drop || !u || t.classList.contains('qd')) return null;
    if (opened === t) return u;
    close();
    opened = t;
    t.setAttribute('aria-expanded', true);
    u.hidden = false;
    const r = root.getBoundingClientRect(), a = t.getBoundingClientRect();
    const x = side === 'left' ? a.right - r.left : side === 'right' ? a.left - r.left - u.offsetWidth
      : rtl ? a.right - r.left - u.offsetWidth : a.left - r.left;
    const y = V ? a.top - r.top : side === 'bottom' ? a.top - r.top - u.offsetHeight : a.bottom - r.top;
    u.style.left = Math.round(x) + 'px';
    u.style.top = Math.round(y) + 'px';
    return u;
  }

  // ---- pointer --------------------------------------------------------
  const on = (el, type, f, capture) => el.addEventListener(type, f, capture);
  const hoverOpen = drop && P.SubOpenOn !== 'click';
  on(root, 'pointerdown', e => { touch = e.pointerType === 'touch'; });
  on(root, 'pointerover', e => {
    if (e.pointerType === 'touch') return;
    clearTimeout(hideTimer);
    const t = e.target.closest('.qi');
    if (P.SwitchOn === 'hover' && t && (t.tagName === 'BUTTON' || subAt(t) && !drop)) select(t, true);
    if (!hoverOpen || !t) return;
    clearTimeout(timer);
    timer = setTimeout(() => subAt(t) ? open(t) : close(), Math.max(0, P.SubShowDelay));
  });
  on(root, 'pointerleave', e => {
    clearTimeout(timer);
    if (hoverOpen && e.pointerType !== 'touch') hideTimer = setTimeout(close, Math.max(0, P.SubHideDelay));
  });
  on(doc, 'pointerdown', e => { if (!root.contains(e.target)) close(); }, true);
  on(root, 'focusout', e => { if (e.relatedTarget && !root.contains(e.relatedTarget)) close(); });
  on(root, 'click', e => {
    const t = e.target.closest('.qi,.qj');
    if (!t) return;
    if (t.classList.contains('qd')) return e.preventDefault();
    if (t.classList.contains('qj')) return close();
    clearTimeout(timer);
    const u = subAt(t), link = t.hasAttribute('href');
    // A parent opens on the first click or tap and its link is followed on
    // the next; a mouse that opened it on hover follows the link at once.
    if (!u) close();
    else if (drop && opened !== t && !(link && hoverOpen && !touch)) { open(t); e.preventDefault(); }
    else if (drop && !link) close();
    else if (!drop && sel !== t && link && !(P.SwitchOn === 'hover' && !touch)) e.preventDefault();
    select(t, true);
  });

  // ---- keyboard -------------------------------------------------------
  const fwd = rtl ? 'ArrowLeft' : 'ArrowRight', back = rtl ? 'ArrowRight' : 'ArrowLeft';
  // The key that goes from a tab into its submenu: towards the submenu.
  const into = { top: 'ArrowDown', bottom: 'ArrowUp', left: 'ArrowRight', right: 'ArrowLeft' }[side] || 'ArrowDown';
  const links = u => [...u.querySelectorAll('a[href]')];
  const enter = (t, end) => {
    const u = drop ? open(t) : (select(t, true), subAt(t));
    const l = u ? links(u) : [];
    if (l.length) l[end ? l.length - 1 : 0].focus();
    return !!u;
  };
  const move = (t, to) => {
    if (!to) return;
    // The focus moves with the arrows; a tab with a panel, or with a row
    // to show, is selected on the way unless selection waits for Enter.
    if (P.Activation !== 'manual' && (to.tagName === 'BUTTON' || subAt(to) && !drop)) select(to, true);
    else rove(to);
    to.focus();
  };
  on(root, 'keydown', e => {
    if (e.altKey || e.ctrlKey || e.metaKey) return;
    const k = e.key, t = e.target.closest('.qi');
    if (t) {
      const c = usable.length, at = usable.indexOf(t);
      const d = { [V ? 'ArrowDown' : fwd]: 1, [V ? 'ArrowUp' : back]: -1 }[k];
      const u = subAt(t);
      if (u && (k === into || k === 'ArrowDown' && !V || k === 'Enter' || k === ' ') && !t.classList.contains('qd')) {
        if (k === 'Enter' || k === ' ') select(t, true);
        enter(t, k === 'ArrowUp');
      } else if (k === 'Escape' && opened) { close(); t.focus(); }
      else if (k === 'Home' || k === 'End' || d) {
        close();
        move(t, k === 'Home' ? usable[0] : k === 'End' ? usable[c - 1] : usable[(at + d + c) % c]);
      } else if (k === ' ' && t.tagName === 'A') t.click();
      else return;
      return e.preventDefault();
    }
    const a = e.target.closest('.qj');
    if (!a) return;
    const u = a.closest('.qu'), owner = all[subs.indexOf(u)], l = links(u), at = l.indexOf(a);
    const step = dd => l[(at + dd + l.length) % l.length].focus();
    if (k === 'Escape') { close(); owner.focus(); }
    else if (k === 'ArrowDown' || !drop && k === fwd) step(1);
    else if (k === 'ArrowUp' || !drop && k === back) step(-1);
    else if (k === 'Home') l[0].focus();
    else if (k === 'End') l[l.length - 1].focus();
    else if (drop && (k === 'ArrowLeft' || k === 'ArrowRight')) {
      // Along the tabs from inside a drop-down: the neighbouring tab.
      const c = usable.length, i = usable.indexOf(owner), dd = k === fwd ? 1 : -1;
      close();
      move(owner, usable[(i + dd + c) % c]);
    } else return;
    e.preventDefault();
  });
  // Leaving the tabs leaves the selected tab as their tab stop.
  on(list, 'focusout', e => {
    if (!list.contains(e.relatedTarget)) rove(sel || usable[0]);
  });

  addSheet(doc, sheet(X, P, S, rtl, drop, V));
  place(doc, root, script, P.Position !== 'absolute');
  takePanels();
  align();
  if (P.SubAlign === 'tab' && !drop) on(win, 'resize', align);
  if (doc.readyState === 'loading') doc.addEventListener('DOMContentLoaded', () => { takePanels(); align(); }, { once: true });
}
