// The style sheet of one Ostrel Menu: every look comes from here, so the
// markup stays bare and a 1,000-item menu is one innerHTML and one sheet.
// Parameter names are used without their "menu" prefix. In selectors, "&"
// stands for the menu's own class.
import { clean, size, url, decl, wrapText } from '../core/css.js';

const FLEX = { left: 'flex-start', center: 'center', right: 'flex-end' };
// Rotations of the drawn arrow (a corner of two borders) per direction.
const TURN = { D: 45, U: -135, E: -45, S: 135 };

// Submenu direction class: D down, U up, E towards the end of the line
// (right, or left on right-to-left pages), S towards its start.
export function direction(value, topOfHorizontalBar) {
  return value === 'down' ? 'D' : value === 'up' ? 'U' : value === 'right' ? 'E' : value === 'left' ? 'S'
    : topOfHorizontalBar ? 'D' : 'E';
}

// What does not depend on the parameters. The drawn arrow is the item's
// text colour in every state unless the arrow colour is set.
const FIXED = '&,& *{box-sizing:border-box}& ul{margin:0;padding:0;list-style:none}& li{position:relative;display:flex;flex-wrap:wrap}' +
  '& .qi,& .qx{display:flex;align-items:center;gap:.4em;margin:0;text-decoration:none;cursor:pointer;text-align:start}' + wrapText('& .qi') +
  '& .qi{flex:1}& .qd{cursor:default}& .qi:focus-visible,& .qx:focus-visible,& .qg:focus-visible{outline:2px solid;outline-offset:-2px}' +
  '& .qa{display:inline-block;width:.45em;height:.45em;border:solid;border-width:0 2px 2px 0;margin:0 .2em;order:2}' +
  '& .qic{object-fit:contain}& .qih,& .qh>*>.qin,& .qi:focus-visible>.qin{display:none}& .qh>*>.qih,& .qi:focus-visible>.qih{display:inline}' +
  '& .qu{display:none;position:absolute;z-index:1;flex-basis:100%}& .qo>.qu{display:block}' +
  // A mega menu: columns side by side, each a heading over its links.
  '& .qo>.qm{display:grid;align-items:start}& .qm>li>.qi{font-weight:bold}& .qk{flex-basis:100%;padding-inline-start:.6em}' +
  '& .qD{top:100%;inset-inline-start:0}& .qU{bottom:100%;inset-inline-start:0}& .qE{top:0;inset-inline-start:100%}& .qS{top:0;inset-inline-end:100%}' +
  '& .qD.qf,& .qU.qf{inset-inline-start:auto;inset-inline-end:0}& .qE.qf{inset-inline-start:auto;inset-inline-end:100%}' +
  '& .qS.qf{inset-inline-end:auto;inset-inline-start:100%}& .qD.qy{top:auto;bottom:100%}& .qE.qy,& .qS.qy{top:auto;bottom:0}' +
  '& .qg{display:none;align-items:center;gap:.5em;border:0;padding:.5em .8em;cursor:pointer}' +
  '& .qgi{width:1.2em;height:2px;margin:.4em 0;background:currentColor;box-shadow:0 -.35em currentColor,0 .35em currentColor}' +
  '@keyframes qrnmfade{from{opacity:0}}@keyframes qrnmslide{from{opacity:0;transform:translateY(-.6em)}}' +
  '@media (prefers-reduced-motion:reduce){& *{animation:none!important;transition:none!important}}';
const SMALL = '& .qo>.qm{display:block}& .qg{display:flex}& .qb{display:none;flex-direction:column;width:auto}&.qv .qb{display:flex}& .qb>li{width:auto}' +
  '& .qu{position:static;transform:none;width:auto;box-shadow:none;animation:none;padding-inline-start:1em}';

const bg = (color, image) => (color ? clean(color) : 'transparent') + (image ? ' ' + url(image) : '');
const border = (width, color, style) => size(width) + ' ' + (style ? clean(style) : 'solid') + ' ' + (color ? clean(color) : 'transparent');

export function sheet(X, P, itemStyles, subStyles, rtl) {
  const H = P.Orientation !== 'vertical', top = direction(P.SubDirection, H), sub = direction(P.SubDirection);
  const abs = P.Position === 'absolute';
  const rule = (sel, ...pairs) => sel.replace(/&/g, '.' + X) + '{' + decl(...pairs) + '}';

  // The look of the items under the list items `li`, from the values V and
  // the prefix `pre` (Item or SubItem); states and arrows always come from
  // the Item values, and so does the font where the SubItem one is empty.
  const look = (li, V, pre, dir) => {
    const g = k => V[pre + k];
    return rule(li + '>:not(ul)', 'background', bg(g('BackColor'), g('BackImage')), 'color', clean(g('TextColor')), 'font', clean(g('Font') || V.ItemFont),
      'justify-content', FLEX[g('TextAlign')], 'padding', size(g('Padding')), 'border', border(g('BorderWidth'), g('BorderColor'))) +
      // An item and its submenu button are one: either focused draws both.
      rule(`${li}.qh>:not(ul,.qd),${li}>:focus-visible,${li}>:focus-visible+.qx` + (V.KeepHighlighted ? `,${li}.qo>:not(ul)` : ''),
        'background', bg(g('HoverBackColor') || g('BackColor'), g('HoverBackImage') || g('BackImage')), 'color', clean(g('HoverTextColor')),
        'border-color', clean(g('HoverBorderColor')), 'text-decoration', g('HoverUnderline') ? 'underline' : '') +
      // A current item's own submenu button (with the arrow) is current too.
      rule(`${li}>.qc,${li}>.qc+.qx`, 'background-color', clean(V.ItemCurrentBackColor), 'color', clean(V.ItemCurrentTextColor)) +
      rule(`${li}>.qd`, 'color', clean(V.ItemDisabledTextColor)) +
      (V.ArrowImage ? rule(`${li}>*>.qa`, 'border', 0, 'width', '.8em', 'height', '.8em', 'transform', 'none', 'background', url(V.ArrowImage) + ' center/contain no-repeat')
        : rule(`${li}>*>.qa`, 'border-color', clean(V.ArrowColor), 'transform', `rotate(${TURN[rtl ? { E: 'S', S: 'E' }[dir] || dir : dir]}deg)`));
  };

  // The frame of the submenus `ul` from the values V.
  const box = (ul, V) => {
    const x = size(V.SubOffsetX) || '0px', y = size(V.SubOffsetY) || '0px';
    return rule(ul, 'background', bg(V.SubBackColor, V.SubBackImage), 'border', border(V.SubBorderWidth, V.SubBorderColor, V.SubBorderStyle),
      'border-radius', size(V.SubRadius), 'padding', size(V.SubPadding), 'width', V.SubWidth ? size(V.SubWidth) : 'max-content',
      'grid-template-columns', `repeat(${V.SubColumns | 0},auto)`,
      'box-shadow', V.SubShadow ? `2px 2px ${size(V.SubShadowSize)} ${clean(V.SubShadowColor)}` : 'none',
      'opacity', Math.min(100, Math.max(0, V.SubOpacity)) / 100, 'transform', `translate(${rtl ? `calc(-1*${x})` : x},${y})`,
      'animation', V.Effect === 'fade' || V.Effect === 'slide' ? `qrnm${V.Effect} ${V.EffectDuration}ms ease-out` : 'none') +
      // In a mega menu's columns a separator draws nothing: the columns part the items.
      rule(ul + ':not(.qm)>.qz', 'border-top', border(V.SeparatorSize, V.SeparatorColor), 'margin-top', size(V.SeparatorMargin), 'padding-top', size(V.SeparatorMargin));
  };

  let css = FIXED.replace(/&/g, '.' + X) +
    rule('&', 'position', abs ? 'absolute' : 'relative', 'left', abs ? size(P.Left) : '', 'top', abs ? size(P.Top) : '', 'z-index', P.ZIndex | 0) +
    rule('& .qic', 'width', size(P.IconSize), 'height', size(P.IconSize), 'order', P.IconPosition === 'right' ? 1 : -1) +
    (P.IconPosition === 'top' ? rule('& .qi', 'flex-direction', 'column') : '') +
    // A horizontal bar wraps the items that do not fit (unless it collapses
    // behind its toggle first); it never widens the page.
    rule('& .qb', 'display', 'flex', 'flex-direction', H ? 'row' : 'column', 'flex-wrap', H ? 'wrap' : '', 'justify-content', H ? FLEX[P.Align] : '',
      'align-items', H ? 'stretch' : FLEX[P.Align], 'gap', size(P.ItemSpacing), 'width', P.Width ? size(P.Width) : 'max-content',
      'max-width', '100%', 'background', bg(P.BackColor, P.BackImage), 'border', border(P.BorderWidth, P.BorderColor, P.BorderStyle),
      'border-radius', size(P.Radius), 'padding', size(P.Padding)) +
    rule('& .qb>li', 'width', P.ItemWidth ? size(P.ItemWidth) : H ? '' : '100%') +
    rule('& .qb>li>.qi', 'min-height', size(P.ItemHeight)) +
    rule('& .qb>.qz', H ? 'border-inline-start' : 'border-top', border(P.SeparatorSize, P.SeparatorColor),
      H ? 'padding-inline-start' : 'padding-top', size(P.SeparatorMargin)) +
    rule('& .qg', 'font', clean(P.ItemFont), 'background', clean(P.ToggleBackColor) || 'transparent', 'color', clean(P.ToggleTextColor)) +
    look('& .qb>li', P, 'Item', top) + look('& .qu li', P, 'SubItem', sub) + box('& .qu', P);
  itemStyles.forEach((s, i) => {
    // For items inside submenus an item style's Item values stand for the
    // SubItem ones too.
    const V = Object.assign({}, P, s);
    for (const k in s) if (k.startsWith('Item') && 'Sub' + k in P) V['Sub' + k] = s[k];
    css += look('& .qb>li.qs' + i, Object.assign({}, P, s), 'Item', top) + look('& .qu li.qs' + i, V, 'SubItem', sub);
  });
  subStyles.forEach((s, i) => { css += box('& .qu.qt' + i, Object.assign({}, P, s)); });
  if (parseFloat(P.CollapseWidth) > 0) css += `@media not all and (min-width:${size(P.CollapseWidth)}){${SMALL.replace(/&/g, '.' + X)}}`;
  return css;
}
