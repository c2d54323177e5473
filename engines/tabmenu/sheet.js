// The style sheet of one Ostrel Tab Menu: the tab row is drawn as the Ostrel
// Tabs draw theirs; this adds the submenus, as a second row under the tabs
// or as drop-down lists. "&" stands for the menu's own class.
import { clean, size, decl, wrapText } from '../core/css.js';
import { sheet as tabSheet, FLEX, bg, border } from '../tabs/sheet.js';

const FIXED = '& .qu{margin:0;padding:0;list-style:none;display:flex}& .qu>li{display:flex}' +
  '& .qj{display:flex;flex:1;align-items:center;gap:.4em;text-decoration:none;cursor:pointer}' + wrapText('& .qj') +
  '& .qj:focus-visible{outline:2px solid;outline-offset:-2px}& .qj:hover>.qin{display:none}& .qj:hover>.qih{display:inline}' +
  '@keyframes qrntfade{from{opacity:0}}@media (prefers-reduced-motion:reduce){& .qu{animation:none!important}}';

// The values an item style gives a submenu item: its Item values stand for
// the SubItem ones.
const subValues = (P, s) => {
  const V = Object.assign({}, P, s);
  for (const k in s) if ('Sub' + k in P) V['Sub' + k] = s[k];
  return V;
};

// drop: submenus as drop-down lists; V: the tabs stand in a column; table:
// the parameter table, for the defaults.
export function sheet(X, P, S, rtl, drop, V, table) {
  const rule = (sel, ...pairs) => sel.replace(/&/g, '.' + X) + '{' + decl(...pairs) + '}';
  const look = (sel, W) => rule(sel, 'background', bg(W.SubItemBackColor, W.SubItemBackImage), 'color', clean(W.SubItemTextColor),
    'font', clean(W.SubItemFont || W.ItemFont), 'justify-content', FLEX[W.SubItemTextAlign], 'padding', size(W.SubItemPadding),
    'border', border(W.SubItemBorderWidth, W.SubItemBorderColor)) +
    rule(`${sel}:hover:not(.qd)`, 'background', bg(W.SubItemHoverBackColor || W.SubItemBackColor, W.SubItemHoverBackImage || W.SubItemBackImage),
      'color', clean(W.SubItemHoverTextColor), 'border-color', clean(W.SubItemHoverBorderColor), 'text-decoration', W.SubItemHoverUnderline ? 'underline' : '') +
    rule(`${sel}.qc`, 'color', clean(W.SubItemSelTextColor)) +
    rule(`${sel}.qd`, 'color', clean(W.ItemDisabledTextColor));
  // The frame of the submenus: the row (empty too, so the page does not
  // jump between tabs with and without a submenu) or each drop-down.
  const frame = rule(drop ? '& .qu' : '& .qr', 'background', bg(P.SubBackColor, P.SubBackImage),
    'border', border(P.SubBorderWidth, P.SubBorderColor, P.SubBorderStyle), 'border-radius', size(P.SubRadius), 'padding', size(P.SubPadding));
  let css = tabSheet(X, P, S, rtl, table) + FIXED.replace(/&/g, '.' + X) + frame +
    (drop
      ? rule('& .qr', 'display', 'contents') +
        rule('& .qu', 'position', 'absolute', 'z-index', 1, 'flex-direction', 'column', 'width', size(P.SubWidth) || 'max-content',
          'box-shadow', P.SubShadow ? '2px 3px 8px #0004' : 'none', 'animation', 'qrntfade .15s')
      // Every row stands in the same cell. Where the browser can keep a
      // hidden row laid out, it does, so that showing it again costs little.
      : rule('& .qr', 'display', 'grid', 'min-height', size(P.SubHeight)) +
        rule('& .qu', 'grid-area', '1/1', 'flex-direction', V ? 'column' : 'row', 'flex-wrap', V ? '' : 'wrap',
          V ? 'align-items' : 'justify-content', FLEX[P.SubAlign]) +
        '@supports (content-visibility:hidden){& .qr>[hidden]{display:flex!important;content-visibility:hidden;visibility:hidden}}'.replace('&', '.' + X)) +
    // Separators: a line across a drop-down or a column, along a row.
    rule('& .qu>.qz', drop || V ? 'border-top' : 'border-inline-start', '1px solid ' + (clean(P.SubBorderColor) || 'currentColor')) +
    look('& .qj', P);
  S.forEach((s, i) => { css += look('& .qj.qs' + i, subValues(P, s)); });
  return css;
}
