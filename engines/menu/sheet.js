// The style sheet of one Ostrel Menu: every look comes from here, so the
// markup stays bare and a 1,000-item menu is one innerHTML and one sheet.
import { clean, size, url, decl } from '../core/css.js';

const FLEX = { left: 'flex-start', center: 'center', right: 'flex-end' };
// Rotations of the drawn arrow (a corner of two borders) per direction.
const TURN = { D: 45, U: -135, E: -45, S: 135 };

// Submenu direction class: D down, U up, E towards the end of the line
// (right, or left on right-to-left pages), S towards its start.
export function direction(value, topOfHorizontalBar) {
  return value === 'down' ? 'D' : value === 'up' ? 'U' : value === 'right' ? 'E' : value === 'left' ? 'S'
    : topOfHorizontalBar ? 'D' : 'E';
}

const bg = (color, image) => (color ? clean(color) : 'transparent') + (image ? ' ' + url(image) : '');
const border = (width, color, style) => size(width) + ' ' + (style || 'solid') + ' ' + (color ? clean(color) : 'transparent');

// The look of the items under the list items `sel`, from the values V and
// the parameter prefix `pre` (menuItem or menuSubItem). States and arrows
// always come from the menuItem values.
function look(sel, V, pre, dir, rtl) {
  const c = `${sel}>.qi,${sel}>.qx`;
  const hover = `${sel}.qh>.qi:not(.qd),${sel}.qh>.qx,${sel}>.qi:focus-visible,${sel}>.qx:focus-visible` +
    (V.menuKeepHighlighted ? `,${sel}.qo>.qi,${sel}.qo>.qx` : '');
  const g = k => V[pre + k];
  let css = `${c}{${decl('background', bg(g('BackColor'), g('BackImage')), 'color', clean(g('TextColor')),
    'font', clean(g('Font')), 'justify-content', FLEX[g('TextAlign')], 'padding', size(g('Padding')),
    'border', border(g('BorderWidth'), g('BorderColor')))}}`;
  css += `${hover}{${decl('background', bg(g('HoverBackColor') || g('BackColor'), g('HoverBackImage') || g('BackImage')),
    'color', clean(g('HoverTextColor')), 'border-color', clean(g('HoverBorderColor')),
    'text-decoration', g('HoverUnderline') ? 'underline' : '')}}`;
  css += `${sel}>.qc{${decl('background-color', clean(V.menuItemCurrentBackColor), 'color', clean(V.menuItemCurrentTextColor))}}`;
  css += `${sel}>.qd{${decl('color', clean(V.menuItemDisabledTextColor))}}`;
  const turn = TURN[rtl ? { E: 'S', S: 'E' }[dir] || dir : dir];
  css += `${sel}>*>.qa{` + (V.menuArrowImage
    ? `border:0;width:.8em;height:.8em;transform:none;background:${url(V.menuArrowImage)} center/contain no-repeat}`
    : `border-color:${clean(V.menuArrowColor)};transform:rotate(${turn}deg)}`);
  return css;
}

// The frame of the submenus `sel` from the values V.
function box(sel, V, X, rtl) {
  const x = size(V.menuSubOffsetX) || '0px', y = size(V.menuSubOffsetY) || '0px';
  const fx = V.menuEffect === 'fade' || V.menuEffect === 'slide' ? X + V.menuEffect : '';
  return `${sel}{${decl('background', bg(V.menuSubBackColor, V.menuSubBackImage),
    'border', border(V.menuSubBorderWidth, V.menuSubBorderColor, clean(V.menuSubBorderStyle)),
    'border-radius', size(V.menuSubRadius), 'padding', size(V.menuSubPadding),
    'width', V.menuSubWidth ? size(V.menuSubWidth) : 'max-content',
    'box-shadow', V.menuSubShadow ? `2px 2px ${size(V.menuSubShadowSize)} ${clean(V.menuSubShadowColor)}` : 'none',
    'opacity', Math.min(100, Math.max(0, V.menuSubOpacity)) / 100,
    'transform', `translate(${rtl ? `calc(-1*${x})` : x},${y})`,
    'animation', fx ? `${fx} ${V.menuEffectDuration}ms ease-out` : 'none')}}` +
    `${sel}>.qz{${decl('border-top', border(V.menuSeparatorSize, V.menuSeparatorColor),
      'margin-top', size(V.menuSeparatorMargin), 'padding-top', size(V.menuSeparatorMargin))}}`;
}

// Values of an item style for items inside submenus: its menuItem values
// stand for the corresponding menuSubItem ones too.
function forSubItems(P, s) {
  const V = Object.assign({}, P, s);
  for (const k in s) if (k.startsWith('menuItem') && ('menuSubItem' + k.slice(8)) in P) V['menuSubItem' + k.slice(8)] = s[k];
  return V;
}

export function sheet(X, P, itemStyles, subStyles, rtl) {
  const H = P.menuOrientation !== 'vertical';
  const x = '.' + X, top = direction(P.menuSubDirection, H);
  const abs = P.menuPosition === 'absolute';
  let css = `${x},${x} *{box-sizing:border-box}` +
    `${x}{${decl('position', abs ? 'absolute' : 'relative', 'left', abs ? size(P.menuLeft) : '',
      'top', abs ? size(P.menuTop) : '', 'z-index', P.menuZIndex | 0)}}` +
    `${x} ul{margin:0;padding:0;list-style:none}` +
    `${x} li{position:relative;display:flex;flex-wrap:wrap}` +
    `${x} .qi,${x} .qx{display:flex;align-items:center;gap:.4em;margin:0;text-decoration:none;white-space:nowrap;cursor:pointer;text-align:start}` +
    `${x} .qi{flex:1}${x} .qd{cursor:default}` +
    `${x} .qi:focus-visible,${x} .qx:focus-visible,${x} .qg:focus-visible{outline:2px solid;outline-offset:-2px}` +
    `${x} .qa{display:inline-block;width:.45em;height:.45em;border:solid;border-width:0 2px 2px 0;margin:0 .2em}` +
    `${x} .qic{${decl('width', size(P.menuIconSize), 'height', size(P.menuIconSize), 'order', P.menuIconPosition === 'right' ? 1 : -1)}object-fit:contain}` +
    `${x} .qih,${x} .qh>*>.qin,${x} .qi:focus-visible>.qin{display:none}${x} .qh>*>.qih,${x} .qi:focus-visible>.qih{display:inline}` +
    (P.menuIconPosition === 'top' ? `${x} .qi{flex-direction:column}` : '') +
    `${x} .qa{order:2}` +
    `${x} .qb{${decl('display', 'flex', 'flex-direction', H ? 'row' : 'column', 'justify-content', H ? FLEX[P.menuAlign] : '',
      'align-items', H ? 'stretch' : FLEX[P.menuAlign], 'gap', size(P.menuItemSpacing), 'width', P.menuWidth ? size(P.menuWidth) : 'max-content',
      'max-width', '100%', 'background', bg(P.menuBackColor, P.menuBackImage),
      'border', border(P.menuBorderWidth, P.menuBorderColor, clean(P.menuBorderStyle)),
      'border-radius', size(P.menuRadius), 'padding', size(P.menuPadding))}}` +
    `${x} .qb>li{${decl('width', P.menuItemWidth ? size(P.menuItemWidth) : H ? '' : '100%')}}` +
    `${x} .qb>li>.qi{${decl('min-height', size(P.menuItemHeight))}}` +
    `${x} .qb>.qz{${decl(H ? 'border-inline-start' : 'border-top', border(P.menuSeparatorSize, P.menuSeparatorColor),
      H ? 'padding-inline-start' : 'padding-top', size(P.menuSeparatorMargin))}}` +
    `${x} .qu{display:none;position:absolute;z-index:1;flex-basis:100%}${x} .qo>.qu{display:block}` +
    `${x} .qD{top:100%;inset-inline-start:0}${x} .qU{bottom:100%;inset-inline-start:0}` +
    `${x} .qE{top:0;inset-inline-start:100%}${x} .qS{top:0;inset-inline-end:100%}` +
    `${x} .qD.qf,${x} .qU.qf{inset-inline-start:auto;inset-inline-end:0}` +
    `${x} .qE.qf{inset-inline-start:auto;inset-inline-end:100%}${x} .qS.qf{inset-inline-end:auto;inset-inline-start:100%}` +
    `${x} .qD.qy{top:auto;bottom:100%}${x} .qE.qy,${x} .qS.qy{top:auto;bottom:0}` +
    `${x} .qg{display:none;align-items:center;gap:.5em;border:0;padding:.5em .8em;cursor:pointer;` +
    `${decl('font', clean(P.menuItemFont), 'background', clean(P.menuToggleBackColor) || 'transparent', 'color', clean(P.menuToggleTextColor))}}` +
    `${x} .qgi{width:1.2em;height:2px;margin:.4em 0;background:currentColor;box-shadow:0 -.35em currentColor,0 .35em currentColor}` +
    `@keyframes ${X}fade{from{opacity:0}}@keyframes ${X}slide{from{opacity:0;transform:translateY(-.6em)}}` +
    look(`${x} .qb>li`, P, 'menuItem', top, rtl) +
    look(`${x} .qu>li`, P, 'menuSubItem', direction(P.menuSubDirection, false), rtl) +
    box(`${x} .qu`, P, X, rtl);
  itemStyles.forEach((s, i) => {
    const V = Object.assign({}, P, s);
    css += look(`${x} .qb>li.qs${i}`, V, 'menuItem', top, rtl) +
      look(`${x} .qu>li.qs${i}`, forSubItems(P, s), 'menuSubItem', direction(P.menuSubDirection, false), rtl);
  });
  subStyles.forEach((s, i) => { css += box(`${x} .qu.qt${i}`, Object.assign({}, P, s), X, rtl); });
  const w = parseFloat(P.menuCollapseWidth);
  if (w > 0) css += `@media not all and (min-width:${size(P.menuCollapseWidth)}){` +
    `${x} .qg{display:flex}${x} .qb{display:none;flex-direction:column;width:auto}${x}.qv .qb{display:flex}` +
    `${x} .qb>li{width:auto}${x} .qu{position:static;transform:none;width:auto;box-shadow:none;animation:none;padding-inline-start:1em}}`;
  css += `@media (prefers-reduced-motion:reduce){${x} *{animation:none!important;transition:none!important}}`;
  return css;
}
