// The style sheet of one set of Ostrel Tabs. Parameter names are used
// without their "tabs" prefix; "&" stands for the tabs' own class.
import { clean, size, url, decl, wrapText } from '../core/css.js';

export const FLEX = { left: 'flex-start', center: 'center', right: 'flex-end' };
// Per placement: the direction of the whole (bar and panels), the side of
// a tab that faces the content, its rounded corners (top left, top right,
// bottom right, bottom left) and the way the selected tab stands out.
const SIDES = {
  top: ['column', 'bottom', '1100', 0, -1], bottom: ['column-reverse', 'top', '0011', 0, 1],
  left: ['row', 'right', '1001', -1, 0], right: ['row-reverse', 'left', '0110', 1, 0]
};

// A hidden panel (or submenu) stays hidden whatever display the page's own
// style sheet gives it.
const FIXED = '&,& *{box-sizing:border-box}& [hidden],[role=tabpanel][hidden]{display:none!important}' +
  '& .qi{display:flex;align-items:center;gap:.4em;text-decoration:none;cursor:pointer;flex:none}' + wrapText('& .qi') +
  '& .qd{cursor:default}& .qi:focus-visible{outline:2px solid;outline-offset:-2px;z-index:1}' +
  '& .qz{width:1px;min-height:1px;background:currentColor;opacity:.3}' +
  '& .qic{object-fit:contain}& .qih,& .qi:hover>.qin{display:none}& .qi:hover>.qih{display:inline}';

export const col = c => clean(c) || 'transparent';
export const bg = (color, image) => col(color) + (image ? ' ' + url(image) : '');
// A border of width `w` and colour `c`, solid unless the style `st` says
// otherwise.
export const border = (w, c, st = '') => size(w) + ' ' + (clean(st) || 'solid') + ' ' + col(c);

// table: the parameter table, for the defaults.
export function sheet(X, P, styles, rtl, table) {
  const side = SIDES[P.Placement] ? P.Placement : 'top';
  const V = side === 'left' || side === 'right';
  const [FLOW, inner, round, dx, dy] = SIDES[side];
  // Left and right are the sides of the page, so on right-to-left pages
  // the row's own order is turned back.
  const flow = V && rtl ? (side === 'left' ? 'row-reverse' : 'row') : FLOW;
  const abs = P.Position === 'absolute';
  const rule = (sel, ...pairs) => sel.replace(/&/g, '.' + X) + '{' + decl(...pairs) + '}';
  const corners = v => round.replace(/./g, c => (+c ? size(v) || 0 : 0) + ' ');
  const shift = v => (v = size(v) || '0px', `translate(calc(${dx}*${v}),calc(${dy}*${v}))`);

  // The selected tab's font follows the tabs' font, in bold, unless the
  // parameter or a style gives it one of its own (other than the default).
  const usual = table.find(t => t[0] === 'SelFont')[1];
  const look = (sel, S) => {
    const own = S.SelFont !== usual;
    return rule(sel, 'width', size(S.ItemWidth), 'min-height', size(S.ItemHeight), 'border-radius', corners(S.ItemRadius),
      'background', bg(S.ItemBackColor, S.ItemBackImage), 'color', clean(S.ItemTextColor), 'font', clean(S.ItemFont),
      'justify-content', FLEX[S.ItemTextAlign], 'padding', size(S.ItemPadding),
      'border', border(S.ItemBorderWidth, S.ItemBorderColor)) +
      rule(`${sel}:hover:not(.qd)`, 'background', bg(S.ItemHoverBackColor || S.ItemBackColor, S.ItemHoverBackImage || S.ItemBackImage),
        'color', clean(S.ItemHoverTextColor), 'border-color', clean(S.ItemHoverBorderColor), 'text-decoration', S.ItemHoverUnderline ? 'underline' : '') +
      rule(`${sel}.qc`, 'background-color', clean(S.ItemCurrentBackColor), 'color', clean(S.ItemCurrentTextColor)) +
      rule(`${sel}[aria-selected=true]`, 'background', bg(S.SelBackColor, S.SelBackImage), 'color', clean(S.SelTextColor),
        'font', own ? clean(S.SelFont) : '', 'font-weight', own ? '' : 'bold', 'border-color', clean(S.SelBorderColor), 'transform', shift(S.SelRaise)) +
      rule(`${sel}.qd`, 'color', clean(S.ItemDisabledTextColor));
  };

  let css = FIXED.replace(/&/g, '.' + X) +
    rule('&', 'display', 'flex', 'flex-direction', flow, 'position', abs ? 'absolute' : 'relative', 'left', abs ? size(P.Left) : '', 'top', abs ? size(P.Top) : '',
      'z-index', P.ZIndex | 0, 'width', size(P.Width), 'max-width', '100%') +
    rule('& .ql', 'display', 'flex', 'flex-direction', V ? 'column' : 'row', 'flex-wrap', P.Overflow === 'scroll' ? 'nowrap' : 'wrap',
      'overflow', P.Overflow === 'scroll' ? 'auto' : '', 'justify-content', V ? '' : FLEX[P.Align], 'align-items', V ? (P.Align === 'justify' ? 'stretch' : FLEX[P.Align]) : '',
      'gap', size(P.ItemSpacing), 'background', bg(P.BackColor, P.BackImage),
      'border', border(P.BorderWidth, P.BorderColor, P.BorderStyle),
      'border-radius', size(P.Radius), 'padding', size(P.Padding), 'padding-' + inner, '0', 'border-' + inner + '-width', '0') +
    (P.Align === 'justify' && !V ? rule('& .qi', 'flex', '1 0 auto') : '') +
    rule('& .qic', 'width', size(P.IconSize), 'height', size(P.IconSize), 'order', P.IconPosition === 'right' ? 1 : -1) +
    (P.IconPosition === 'top' ? rule('& .qi', 'flex-direction', 'column') : '') +
    look('& .qi', P);
  styles.forEach((s, i) => { css += look('& .qi.qs' + i, Object.assign({}, P, s)); });
  return css;
}
