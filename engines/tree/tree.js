// The Ostrel Tree Menu: a tree of any depth after the tree view pattern of
// the ARIA practices, whose branches open and close in place. Item fields:
// 0 text, 1 link, 2 target, 3 tooltip, 4 icon, 5 hover icon, 6 open icon,
// 7 item style, 8 submenu style, 9 state ("disabled", "current", "open"),
// 10 element id.
import TABLE, { prefix, addresses } from 'plivex:params/tree-menu';
import { readParams, readStyles } from '../core/params.js';
import { readItems, fields, styleIndex } from '../core/items.js';
import { addressReader, itemAddresses, paramAddresses } from '../core/address.js';
import { addSheet } from '../core/css.js';
import { attr, esc } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { whenIdle } from '../core/later.js';
import { rightToLeft } from '../core/dir.js';
import { rovingStop } from '../core/rove.js';
import { typeAhead } from '../core/typeahead.js';
import { sheet } from './sheet.js';

const isSep = n => fields(n)[0] === '-';
const EXP = 'aria-expanded';

// Builds the tree that the data file run in `win` describes where `script`
// stands, and hands it to the add-ons (`hooks.a`) once it is in the page.
export function tree(win, doc, script, hooks) {
  const P = readParams(win, TABLE, prefix);
  const S = readStyles(win.tstyles, TABLE, prefix, 1), T = readStyles(win.tXPStyles, TABLE, prefix, 2);
  const X = uniqueName(doc, 'qrntm');
  const rtl = rightToLeft(doc, script);
  const root = readItems(win.tmenuItems);
  const read = addressReader(P, script, doc), fix = itemAddresses(read, addresses);
  paramAddresses(read, TABLE, [P, ...S, ...T]);

  // Branches open at start: all, those marked "open" and those that lead
  // to the current page.
  const open = new Set();
  let current;
  (function mark(list) {
    for (const n of list) {
      const st = n.e[9];
      if (st === 'open') open.add(n);
      if (st === 'current' && !current) for (let u = current = n; u.p.e; u = u.p) open.add(u.p);
      mark(n.k);
    }
  })(root.k);

  // Closed branches are written when first opened or while the page is
  // idle: `later` gets their groups' nodes in the order of the markup.
  const later = [];
  const list = (nodes, level, all) => {
    let s = '', sep = false;
    for (const n of nodes) {
      if (isSep(n)) { sep = s !== ''; continue; }
      const [text, link, target, tip, icon, hover, opened, is, ss, state, id] = fields(n, fix);
      const branch = n.k.some(c => !isSep(c)), on = P.ExpandAll || open.has(n), off = state === 'disabled';
      const i = styleIndex(is, S.length), t = styleIndex(ss, T.length);
      const g = X + '-' + n.n;
      s += '<li role="none"' + (i >= 0 || sep ? ' class="' + (i >= 0 ? 'qs' + i : '') + (sep ? ' qz' : '') + '"' : '') + '><a role="treeitem" tabindex="-1" class="qi' +
        (state === 'current' ? ' qc' : off ? ' qd' : '') + '" aria-level="' + (level + 1) + '"' +
        (branch ? ' ' + EXP + '="' + on + '" aria-owns="' + g + '"' : '') + attr('href', off ? '' : link) + attr('target', target) +
        attr('title', tip) + attr('id', id) + (state === 'current' ? ' aria-current="page"' : '') + (off ? ' aria-disabled="true"' : '') +
        '><span class="qe"></span>' +
        (opened ? '<img class="qic qio' + (hover ? ' qin' : '') + '" src="' + esc(opened) + '" alt="">' : '') +
        (icon ? '<img class="qic' + (hover ? ' qin' : '') + '" src="' + esc(icon) + '" alt="">' : '') +
        (hover ? '<img class="qic qih" src="' + esc(hover) + '" alt="">' : '') + '<span>' + text + '</span></a>';
      if (branch) {
        const write = all || on;
        if (!write) later.push(n);
        s += '<ul role="group" id="' + g + '" class="qu' + (t >= 0 ? ' qt' + t : '') + (write ? '' : ' qp') + '"' + (on ? '' : ' hidden') + '>' +
          (write ? list(n.k, level + 1, all) : '') + '</ul>';
      }
      s += '</li>';
      sep = false;
    }
    return s;
  };

  const nav = doc.createElement('nav');
  nav.id = X;
  nav.className = X + ' qw';
  nav.setAttribute('aria-label', P.Label || 'Menu');
  nav.innerHTML = '<ul role="tree"' + attr('aria-label', P.Label || 'Menu') + '>' + list(root.k, 0, false) + '</ul>';
  const tr = nav.firstChild;
  const todo = new Map();
  nav.querySelectorAll('.qp').forEach((g, i) => todo.set(g, later[i]));
  const fill = whenIdle(win, todo, (g, n) => {
    g.innerHTML = list(n.k, n.l + 1, true);
    g.classList.remove('qp');
  }, () => nav.classList.remove('qw'));
  const fillAll = () => { for (const g of [...todo.keys()]) fill(g); };

  // The one item that Tab reaches.
  const rove = rovingStop();
  const items = () => {
    const out = [];
    const walk = ul => {
      for (const li of ul.children) {
        if (li.hidden) continue;
        const a = li.firstChild;
        out.push(a);
        if (a.getAttribute(EXP) === 'true') walk(a.nextSibling);
      }
    };
    walk(tr);
    return out;
  };
  const parentItem = a => a.parentNode.parentNode !== tr ? a.parentNode.parentNode.previousSibling : null;
  const usable = a => a && a.hasAttribute(EXP) && !a.classList.contains('qd');

  const slide = (g, on, quick) => {
    if (g.qa) g.qa.cancel();
    g.hidden = false;
    if (quick || !(P.AnimDuration > 0) || win.matchMedia('(prefers-reduced-motion:reduce)').matches) { g.hidden = !on; return; }
    const h = g.scrollHeight + 'px';
    const an = g.qa = g.animate({ height: on ? ['0px', h] : [h, '0px'] }, { duration: P.AnimDuration, easing: 'ease-out' });
    an.onfinish = () => { g.hidden = !on; };
  };
  // Opens or closes the branch of item `a`; `quick` (for many branches at
  // once) leaves out the animation and the one-branch rule.
  function toggle(a, on, quick) {
    if (!usable(a) || a.getAttribute(EXP) === String(on)) return;
    const g = a.nextSibling;
    fill(g);
    if (on && P.SingleBranch && !quick)
      for (const li of a.parentNode.parentNode.children) if (li.firstChild !== a) toggle(li.firstChild, false);
    a.setAttribute(EXP, on);
    if (!on && g.querySelector('[tabindex="0"]')) {
      const back = g.contains(doc.activeElement);
      rove(a);
      if (back) a.focus();
    }
    slide(g, on, quick);
  }

  tr.addEventListener('click', e => {
    const a = e.target.closest('.qi');
    if (!a) return;
    if (a.classList.contains('qd')) return e.preventDefault();
    // The expander always toggles; the text only of an item without link.
    if (e.target.closest('.qe') || !a.href && P.ToggleOnText) {
      if (a.hasAttribute(EXP)) e.preventDefault();
      toggle(a, a.getAttribute(EXP) !== 'true');
    }
  });
  if (P.OpenOn === 'hover')
    tr.addEventListener('pointerover', e => e.pointerType !== 'touch' && toggle(e.target.closest('.qi'), true));
  tr.addEventListener('focusin', e => { const a = e.target.closest('.qi'); if (a) rove(a); });

  const typed = typeAhead(win);
  tr.addEventListener('keydown', e => {
    const a = e.target.closest('.qi');
    if (!a || e.altKey || e.ctrlKey || e.metaKey) return;
    const k = e.key, all = items(), i = all.indexOf(a), x = a.getAttribute(EXP);
    const d = { ArrowDown: i + 1, ArrowUp: i - 1, Home: 0, End: all.length - 1 }[k];
    let to = null;
    if (d != null) to = all[d];
    else if (k === (rtl ? 'ArrowLeft' : 'ArrowRight')) x === 'false' ? toggle(a, true) : x && (to = all[i + 1]);
    else if (k === (rtl ? 'ArrowRight' : 'ArrowLeft')) x === 'true' ? toggle(a, false) : to = parentItem(a);
    else if (k === '*') for (const li of a.parentNode.parentNode.children) toggle(li.firstChild, true, 1);
    else if (k === 'Enter' && !a.href) toggle(a, x !== 'true');
    else if (k.length === 1 && k !== ' ') to = typed(k, all, a);
    else return;
    e.preventDefault();
    if (to) {
      rove(to);
      to.focus();
    }
  });

  addSheet(doc, sheet(X, P, S, T, rtl));
  place(doc, nav, script, P.Position !== 'absolute');
  rove(tr.querySelector('[aria-current]') || tr.querySelector('.qi'));

  // What the add-ons may use (see qrntmenu.js).
  const api = { nav, tree: tr, P, root, toggle, fillAll, items, rove };
  const ready = () => {
    hooks.t.push(api);
    for (const f of hooks.a) f(api);
  };
  if (nav.isConnected) ready(); else doc.addEventListener('DOMContentLoaded', ready, { once: true });
  return api;
}
