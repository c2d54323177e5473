// The Ostrel Menu: a horizontal or vertical bar with fly-out submenus.
import TABLE from 'plivex:params/ostrel-menu';
import { readParams, readStyles } from '../core/params.js';
import { readItems } from '../core/items.js';
import { addSheet, size } from '../core/css.js';
import { attr, esc } from '../core/html.js';
import { place, uniqueName } from '../core/place.js';
import { sheet } from './sheet.js';
import { list } from './markup.js';
import { behave } from './behave.js';

// Builds the menu that the data file run in `win` describes, into `doc`,
// where `script` (the data file's script element, or null) stands. With
// `frame` ({ sub, mainEl, subEl } and the orientation `across`), the
// submenus open in the sub frame's document.
export function menu(win, doc, script, frame, across) {
  const P = readParams(win, TABLE);
  const S = readStyles(win.itemStyles, TABLE, 1), T = readStyles(win.menuStyles, TABLE, 2);
  const X = uniqueName(doc, 'qrnm');
  const near = script && script.ownerDocument === doc ? script : doc.documentElement;
  const rtl = /^rtl$/i.test((near.closest('[dir]') || near).dir);
  const mb = P.menuKeyboard === 'menubar', H = P.menuOrientation !== 'vertical';
  const label = P.menuLabel || 'Menu';
  const dir = { '-1': P.menuSubDirection };
  T.forEach((t, i) => { dir[i] = t.menuSubDirection; });
  const collapse = !frame && parseFloat(P.menuCollapseWidth) > 0;
  const html = (collapse ? '<button type="button" class="qg" aria-expanded="false" aria-controls="' + X + '-b"' +
    (P.menuToggleText ? '' : attr('aria-label', label)) + '>' +
    (P.menuToggleIcon ? '<img class="qic" src="' + esc(P.menuToggleIcon) + '" alt="">' : '<span class="qgi"></span>') +
    '<span>' + esc(P.menuToggleText) + '</span></button>' : '') +
    '<ul class="qb" id="' + X + '-b"' + (mb ? ' role="menubar"' + attr('aria-label', label) + (H ? '' : ' aria-orientation="vertical"') : '') + '>' +
    list(readItems(win.menuItems).k, { X, mb, H, dir, arrows: P.menuArrows, is: S.length, ss: T.length }, 0) + '</ul>';
  const css = sheet(X, P, S, T, rtl);
  const make = d => {
    const nav = d.createElement('nav');
    nav.className = nav.id = X;
    nav.setAttribute('aria-label', label);
    nav.innerHTML = html;
    return nav;
  };
  const o = {
    mb, H, rtl, hover: P.menuOpenOn !== 'click', show: Math.max(0, P.menuShowDelay), hide: Math.max(0, P.menuHideDelay),
    mq: collapse ? (doc.defaultView || win).matchMedia('not all and (min-width:' + size(P.menuCollapseWidth) + ')') : null
  };
  const nav = make(doc);
  if (!frame) {
    addSheet(doc, css);
    place(doc, nav, script, P.menuPosition !== 'absolute');
    return behave(nav, o);
  }
  // Across frames: the sub frame holds a second copy of the menu whose bar
  // lies invisibly just outside its window, so that its submenus hang into
  // the frame beside the main frame's bar items. Opening a bar item in
  // either copy opens it in the other.
  const sdoc = frame.sub.document;
  const layer = make(sdoc);
  addSheet(doc, css + `.${X} .qu{display:none!important}`);
  addSheet(sdoc, css + `.${X}{position:fixed;margin:0;pointer-events:none}.${X} .qb{visibility:hidden}` +
    `.${X} .qu{visibility:visible;pointer-events:auto}`);
  place(doc, nav, script, true);
  sdoc.body.appendChild(layer);
  const twin = (from, to) => (li, open) => {
    const i = [...li.parentNode.children].indexOf(li);
    const other = to.querySelector('.qb').children[i];
    if (open && to === layer) {
      // Where the main frame's bar lies, seen from the sub frame.
      const b = nav.querySelector('.qb').getBoundingClientRect();
      const m = frame.mainEl.getBoundingClientRect(), s = frame.subEl.getBoundingClientRect();
      const v = across === 1 || across === 'vertical';
      layer.style.left = (v ? -b.width : b.left + m.left - s.left) + 'px';
      layer.style.top = (v ? b.top + m.top - s.top : -b.height) + 'px';
    }
    peers[to === layer ? 1 : 0].setOpen(other, open);
  };
  const peers = [behave(nav, Object.assign({}, o, { hook: twin(nav, layer) })),
    behave(layer, Object.assign({}, o, { hook: twin(layer, nav) }))];
}
