// The style sheet of one Ostrel Tree Menu. Parameter names are used without
// their "tmenu" prefix. The parameters that submenu styles may set are
// custom properties on the branch's group, so that a style reaches the
// whole subtree below the item it is given to, and a deeper style wins.
import { clean, size, url, decl } from '../core/css.js';

const FLEX = { left: 'flex-start', center: 'center', right: 'flex-end' };
// Closed and open expander per expander style, as CSS content.
const MARKS = { triangle: ['"\\25B8"', '"\\25BE"'], plusminus: ['"+"', '"\\2212"'], folder: ['"\\1F4C1"', '"\\1F4C2"'] };

const FIXED = '&,& *{box-sizing:border-box}& ul{list-style:none;margin:0;padding:0}' +
  '& .qu{overflow:hidden;background:var(--qbg);border:var(--qbw) solid var(--qbc);padding:var(--qpd);padding-inline-start:var(--qin)}' +
  '& .qu>li{border-inline-start:var(--qln)}& [hidden]{display:none!important}' +
  '& .qi{display:flex;align-items:center;gap:.3em;text-decoration:none;cursor:pointer;touch-action:manipulation}' +
  '& .qd{cursor:default}& .qi:focus-visible{outline:2px solid;outline-offset:-2px}' +
  '& .qe{flex:none;width:var(--qew);text-align:center;font-size:.85em;background:var(--qxc) center/contain no-repeat}& .qe::before{content:var(--qtc)}' +
  '& [aria-expanded=true]>.qe{background-image:var(--qxo)}& [aria-expanded=true]>.qe::before{content:var(--qto)}' +
  '& :not([aria-expanded])>.qe{visibility:hidden}' +
  '& .qic{object-fit:contain;flex:none}& .qih,& .qio,& .qi:hover>.qin,& [aria-expanded=true]>.qio+.qic{display:none}' +
  '& .qi:hover>.qih,& [aria-expanded=true]>.qio{display:inline}';

const col = c => clean(c) || 'transparent';
const bg = (color, image) => col(color) + (image ? ' ' + url(image) : '');

// The custom properties of the branch parameters in `S`.
function vars(S, rtl) {
  const pic = S.ExpandIcon || S.CollapseIcon;
  const marks = pic ? ['""', '""'] : MARKS[S.ExpanderStyle] || ['none', 'none'];
  // A closed branch points along the reading direction.
  if (rtl && S.ExpanderStyle === 'triangle' && !pic) marks[0] = '"\\25C2"';
  return decl('--qin', size(S.Indent) || '0px', '--qtc', marks[0], '--qto', marks[1],
    '--qxc', url(S.ExpandIcon || S.CollapseIcon), '--qxo', url(S.CollapseIcon || S.ExpandIcon),
    '--qew', pic || MARKS[S.ExpanderStyle] ? '1em' : '0px',
    '--qln', S.Lines ? '1px ' + (clean(S.LineStyle) || 'dotted') + ' ' + col(S.LineColor) : 'none',
    '--qbg', col(S.SubBackColor), '--qbc', col(S.SubBorderColor), '--qbw', size(S.SubBorderWidth) || '0px', '--qpd', size(S.SubPadding) || '0px');
}

// X: the tree's class; P: parameters; S, T: item and submenu styles.
export function sheet(X, P, S, T, rtl) {
  const abs = P.Position === 'absolute';
  const rule = (sel, ...pairs) => sel.replace(/&/g, '.' + X) + '{' + decl(...pairs) + '}';
  const look = (sel, S) =>
    rule(sel, 'min-height', size(S.ItemHeight), 'background', bg(S.ItemBackColor, S.ItemBackImage), 'color', clean(S.ItemTextColor),
      'font', clean(S.ItemFont), 'justify-content', FLEX[S.ItemTextAlign], 'padding', size(S.ItemPadding),
      'border', size(S.ItemBorderWidth) + ' solid ' + col(S.ItemBorderColor)) +
    rule(sel + ':hover:not(.qd)', 'background', bg(S.ItemHoverBackColor || S.ItemBackColor, S.ItemHoverBackImage || S.ItemBackImage),
      'color', clean(S.ItemHoverTextColor), 'border-color', clean(S.ItemHoverBorderColor), 'text-decoration', S.ItemHoverUnderline ? 'underline' : '') +
    rule(sel + '.qc', 'background-color', clean(S.ItemCurrentBackColor), 'color', clean(S.ItemCurrentTextColor)) +
    rule(sel + '.qd', 'color', clean(S.ItemDisabledTextColor));

  let css = FIXED.replace(/&/g, '.' + X) +
    rule('&', 'display', 'block', 'position', abs ? 'absolute' : 'relative', 'left', abs ? size(P.Left) : '', 'top', abs ? size(P.Top) : '',
      'z-index', P.ZIndex | 0, 'width', size(P.Width), 'height', size(P.Height), 'overflow', P.Height ? 'auto' : '',
      'background', bg(P.BackColor, P.BackImage), 'border', size(P.BorderWidth) + ' ' + (clean(P.BorderStyle) || 'solid') + ' ' + col(P.BorderColor),
      'border-radius', size(P.Radius), 'padding', size(P.Padding)) + '.' + X + '{' + vars(P, rtl) + '}' +
    rule('& .qz', 'border-top', '1px solid ' + col(P.BorderColor)) +
    (P.ExpanderPosition === 'right' ? rule('& .qe', 'order', 2, 'margin-inline-start', 'auto') : '') +
    rule('& .qic', 'width', size(P.IconSize), 'height', size(P.IconSize), 'order', P.IconPosition === 'right' ? 1 : P.IconPosition === 'top' ? -1 : 0) +
    (P.IconPosition === 'top' ? rule('& .qi', 'flex-wrap', 'wrap') + rule('& .qic', 'flex-basis', '100%') : '') +
    look('& .qi', P);
  T.forEach((t, i) => { css += '.' + X + ' .qt' + i + '{' + vars(Object.assign({}, P, t), rtl) + '}'; });
  S.forEach((s, i) => { css += look('& .qs' + i + '>.qi', Object.assign({}, P, s)); });
  return css;
}
