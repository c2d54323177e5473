// The markup of one Ostrel Menu, built as one string from the item tree.
// Item fields: 0 text, 1 link, 2 target, 3 tooltip, 4 icon, 5 hover icon,
// 6 item style, 7 submenu style, 8 state, 9 element id, 10 CSS class.
import { attr, esc, plain } from '../core/html.js';
import { fields, styleIndex } from '../core/items.js';
import { direction } from './sheet.js';

const isSep = n => fields(n)[0] === '-';

// o: { X, mb (menu bar pattern), arrows, H, sd (menuSubDirection), cols
//      (menuSubColumns), is, ss (style counts), later, fix (for fields()) }
// With `later` (an array) at the bar level, the bar's submenus are left out
// and `later` gets, per bar item, its node when it has a submenu (else null),
// for submenu() to write when needed.
// In the columns of a mega menu (`mega`), an item with children is a column
// heading: its children stand below it, always shown. A separator there
// keeps its mark but draws nothing, as the columns already part the items.
export function list(nodes, o, level, mega) {
  let s = '', sep = false, first = level === 0 && o.mb;
  for (const n of nodes) {
    if (isSep(n)) { sep = s !== ''; continue; }
    const [text, link, target, tip, icon, hover, is, , state, id, cls] = fields(n, o.fix);
    const kids = n.k.some(c => !isSep(c)), parent = kids && !mega;
    const off = state === 'disabled';
    const i = styleIndex(is, o.is);
    const sub = o.X + '-' + n.n;
    // Site navigation: a parent with a link keeps the link and gets a
    // button of its own; one without becomes the button.
    const split = parent && !o.mb && link && !off;
    const button = parent && !o.mb && !split;
    const later = level === 0 && o.later;
    if (later) later.push(parent ? n : null);
    const ctl = (button ? ' type="button"' : attr('href', off ? '' : link) + attr('target', target)) +
      (o.mb ? ' role="menuitem" tabindex="' + (first ? 0 : -1) + '"' + (parent ? ' aria-haspopup="true"' : '') : '') +
      (parent && !split ? ' aria-expanded="false"' + (later ? '' : ' aria-controls="' + sub + '"') : '');
    first = false;
    const arrow = o.arrows && parent ? '<span class="qa"></span>' : '';
    s += '<li' + attr('class', (i >= 0 ? 'qs' + i : '') + (sep ? ' qz' : '')) + (o.mb ? ' role="none">' : '>') +
      (button ? '<button' : '<a') + ' class="qi' + (state === 'current' ? ' qc' : off ? ' qd' : '') + (cls ? ' ' + esc(cls) : '') + '"' +
      ctl + attr('title', tip) + attr('id', id) + (state === 'current' ? ' aria-current="page"' : '') +
      (off ? ' aria-disabled="true"' : '') + '>' +
      (icon ? '<img class="qic' + (hover ? ' qin' : '') + '" src="' + esc(icon) + '" alt="">' : '') +
      (hover ? '<img class="qic qih" src="' + esc(hover) + '" alt="">' : '') +
      '<span>' + text + '</span>' + (split ? '' : arrow) + (button ? '</button>' : '</a>') +
      (split ? '<button type="button" class="qx" aria-expanded="false"' + (later ? '' : ' aria-controls="' + sub + '"') +
        attr('aria-label', plain(text) || '+') + '>' + arrow + '</button>' : '');
    if (parent && !later) s += submenu(n, o, level);
    if (kids && mega) s += '<ul class="qk"' + (o.mb ? ' role="group"' + attr('aria-label', plain(text)) : '') + '>' + list(n.k, o, level + 1, mega) + '</ul>';
    s += '</li>';
    sep = false;
  }
  return s;
}

// The submenu of the item `n` at `level`, with everything below it. A
// submenu of a bar item with more than one column is a mega menu.
export function submenu(n, o, level) {
  const f = fields(n, o.fix), t = styleIndex(f[7], o.ss), mega = !level && o.cols[t] > 1;
  return '<ul id="' + o.X + '-' + n.n + '" class="qu q' + direction(o.sd[t] || o.sd[-1], level === 0 && o.H) + (t >= 0 ? ' qt' + t : '') +
    (mega ? ' qm' : '') + '"' + (o.mb ? ' role="menu"' + attr('aria-label', plain(f[0])) : '') + '>' + list(n.k, o, level + 1, mega) + '</ul>';
}
