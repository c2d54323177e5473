// The Ostrel Menu: a horizontal or vertical bar with fly-out submenus.
import TABLE, { prefix, addresses } from 'plivex:params/ostrel-menu';
import { readParams, readStyles } from '../core/params.js';
import { readItems } from '../core/items.js';
import { addressReader, itemAddresses, paramAddresses } from '../core/address.js';
import { addSheet, size } from '../core/css.js';
import { attr, esc } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { rightToLeft } from '../core/dir.js';
import { sheet } from './sheet.js';
import { list, submenu } from './markup.js';
import { whenIdle } from '../core/later.js';
import { behave } from './behave.js';

// Builds the menu that the data file run in `win` describes, into `doc`,
// where `script` (the data file's script element, or null) stands. With
// `frame` ({ sub, mainEl, subEl } and the orientation `across`), the
// submenus open in the sub frame's document.
export function menu(win, doc, script, frame, across) {
  const P = readParams(win, TABLE, prefix);
  const S = readStyles(win.itemStyles, TABLE, prefix, 1), T = readStyles(win.menuStyles, TABLE, prefix, 2);
  const read = addressReader(P, script, doc);
  paramAddresses(read, TABLE, [P, ...S, ...T]);
  const X = uniqueName(doc, 'qrnm');
  const rtl = rightToLeft(doc, script);
  const mb = P.Keyboard === 'menubar', H = P.Orientation !== 'vertical';
  const label = P.Label || 'Menu';
  const sd = { '-1': P.SubDirection }, cols = { '-1': P.SubColumns };
  T.forEach((t, i) => { sd[i] = t.SubDirection; cols[i] = t.SubColumns ?? P.SubColumns; });
  // A bar split over two frames never collapses behind its toggle.
  if (frame) P.CollapseWidth = '';
  const collapse = parseFloat(P.CollapseWidth) > 0;
  // What the markup and the behaviour need to know.
  const o = {
    X, mb, H, sd, cols, rtl, arrows: P.Arrows, is: S.length, ss: T.length, later: [], fix: itemAddresses(read, addresses),
    hover: P.OpenOn !== 'click', show: Math.max(0, P.ShowDelay), hide: Math.max(0, P.HideDelay),
    mq: collapse ? (doc.defaultView || win).matchMedia('not all and (min-width:' + size(P.CollapseWidth) + ')') : null
  };
  const html = (collapse ? '<button type="button" class="qg" aria-expanded="false" aria-controls="' + X + '-b"' +
    (P.ToggleText ? '' : attr('aria-label', label)) + '>' +
    (P.ToggleIcon ? '<img class="qic" src="' + esc(P.ToggleIcon) + '" alt="">' : '<span class="qgi"></span>') +
    '<span>' + esc(P.ToggleText) + '</span></button>' : '') +
    '<ul class="qb" id="' + X + '-b"' + (mb ? ' role="menubar"' + attr('aria-label', label) + (H ? '' : ' aria-orientation="vertical"') : '') + '>' +
    list(readItems(win.menuItems).k, o, 0) + '</ul>';
  const css = sheet(X, P, S, T, rtl);
  // The menu with its bar; the bar's submenus follow when first needed or
  // while the page is idle (the class "qw" says some are still to come).
  const make = (d, o) => {
    const nav = d.createElement('nav');
    nav.id = X;
    nav.className = X + ' qw';
    nav.setAttribute('aria-label', label);
    nav.innerHTML = html;
    const bar = nav.querySelector('.qb'), todo = new Map();
    o.later.forEach((n, i) => { if (n) todo.set(bar.children[i], n); });
    o.fill = whenIdle(d.defaultView || win, todo, (li, n) => {
      li.insertAdjacentHTML('beforeend', submenu(n, o, 0));
      li.querySelector(':scope>[aria-expanded]').setAttribute('aria-controls', li.lastElementChild.id);
      return li.lastElementChild;
    }, () => nav.classList.remove('qw'));
    return nav;
  };
  const nav = make(doc, o);
  if (!frame) {
    addSheet(doc, css);
    place(doc, nav, script, P.Position !== 'absolute');
    return behave(nav, o);
  }
  // Across frames: the sub frame holds a second copy of the menu whose bar
  // lies invisibly just outside its window, so that its submenus hang into
  // the frame beside the main frame's bar items. Opening a bar item in
  // either copy opens it in the other. The copy is made when a submenu
  // first opens, and again after the sub frame has loaded another page;
  // when that page is of another origin, the submenus open in the main
  // frame instead.
  const own = addSheet(doc, `.${X} .qu{display:none!important}`);
  addSheet(doc, css);
  place(doc, nav, script, true);
  const index = li => [...li.parentNode.children].indexOf(li);
  const barItem = (menu, li) => menu.querySelector('.qb').children[index(li)];
  let layer, peer, lo;
  function reach() {
    let sdoc = null;
    try { sdoc = frame.subEl.contentWindow.document; } catch (e) { /* another origin */ }
    if (!sdoc || !sdoc.body) own.remove();
    if (!own.isConnected) return null;
    if (!layer || layer.ownerDocument !== sdoc || !layer.isConnected) {
      lo = Object.assign({}, o, {
        hook: (li, open) => main.setOpen(barItem(nav, li), open), over: () => main.hold(), back: li => main.opener(barItem(nav, li))
      });
      layer = make(sdoc, lo);
      addSheet(sdoc, css + `.${X}{position:fixed;margin:0;pointer-events:none}.${X} .qb{visibility:hidden}` +
        `.${X} .qu{visibility:visible;pointer-events:auto}`);
      sdoc.body.appendChild(layer);
      peer = behave(layer, lo);
    }
    return layer;
  }
  const main = behave(nav, Object.assign({}, o, {
    over: () => peer && peer.hold(),
    // Keys that open a submenu open it in the sub frame and focus there.
    into: (li, end) => {
      main.setOpen(li, true);
      return own.isConnected && layer && layer.isConnected && (peer.enter(barItem(layer, li), end), true);
    },
    hook(li, open) {
      if (!(open ? reach() : layer)) return;
      if (open) {
        // The copy stands where the main frame's menu stands, seen from the
        // sub frame, moved so that the item's edge lies on the frame's edge.
        const n = nav.getBoundingClientRect(), l = li.getBoundingClientRect();
        const m = frame.mainEl.getBoundingClientRect(), s = frame.subEl.getBoundingClientRect();
        const v = across === 1 || across === 'vertical';
        layer.style.left = (v ? n.left - l.right : n.left + m.left - s.left) + 'px';
        layer.style.top = (v ? n.top + m.top - s.top : n.top - l.bottom) + 'px';
      }
      const twin = barItem(layer, li);
      if (open) lo.fill(twin);
      peer.setOpen(twin, open);
    }
  }));
  return main;
}
