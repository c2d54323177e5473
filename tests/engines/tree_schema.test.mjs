// Every parameter of the Ostrel Tree Menu's description takes effect; item
// styles change exactly the items given them and submenu styles exactly
// the subtree below the item given them.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, pageHtml } from './support.mjs';
import { T, ADD, SS } from './tree_support.mjs';
import { changed, deadParameters, framePictures } from './walk.mjs';

// The walks take their pictures in frames of one page.
let b, walk;
before(async () => {
  b = await launch();
  walk = onePage(b);
  b.serve({ 'qrntmenu.js': T.ENGINE, 'qrntmenu_add.js': ADD, 'qrntmenu_ss.js': SS });
  b.serve({ 'pic.svg': '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>' });
});
after(async () => { await b.close(); });

// Tested by their own behaviour in tree_keyboard and tree_addons.
const BEHAVIOUR = ['tmenuSingleBranch', 'tmenuRemember', 'tmenuRememberKey', 'tmenuToggleOnText', 'tmenuOpenOn', 'tmenuAnimDuration'];
const CONTEXT = { tmenuLeft: { tmenuPosition: 'absolute' }, tmenuTop: { tmenuPosition: 'absolute' } };

// Open holds Child (with icons and the mouse) and Deep (closed, under
// Child); then a separator, a current and a disabled item.
const items = (style = '', sub = '') => [
  [0, 'Open', '', '', '', '', '', '', style, sub, 'open'],
  [1, 'Child', 'child.html', '', '', 'pic.svg', 'pic.svg', '', style],
  [1, 'Branch', '', '', '', '', '', '', style, '', 'open'],
  [2, 'Deep', 'deep.html', '', '', '', '', '', style],
  [2, 'Deeper', '', '', '', '', '', '', style],
  [3, 'Deepest', 'deepest.html'],
  [0, '-'],
  [0, 'Here', 'here.html', '', '', '', '', '', style, '', 'current'],
  [0, 'Off', 'off.html', '', '', '', '', '', style, '', 'disabled'],
  [0, 'Plain', 'plain.html']
];
const PROPS = ['display', 'position', 'left', 'top', 'zIndex', 'width', 'height', 'overflowY', 'minHeight', 'backgroundColor', 'backgroundImage',
  'color', 'fontFamily', 'fontSize', 'fontWeight', 'textDecorationLine', 'justifyContent', 'flexWrap', 'order', 'marginLeft',
  'paddingTop', 'paddingLeft', 'paddingRight', 'borderTopWidth', 'borderTopStyle', 'borderTopColor', 'borderLeftWidth', 'borderLeftStyle',
  'borderLeftColor', 'borderTopLeftRadius'];

// Each element of the tree with its attributes, look and place, with the
// mouse on Child; one picture per data file.
const pictures = datas => framePictures(walk, datas, {
  html: data => pageHtml({ engine: 'qrntmenu.js', data: [data] }),
  ready: () => !document.querySelector('nav.qw'),
  async shoot(view) {
    await view.hover(() => [...document.querySelectorAll('nav a')].find(a => a.textContent === 'Child'));
    return view.evaluate(PROPS => {
      const nav = document.querySelector('nav');
      return [nav, ...nav.querySelectorAll('*')].map(el => {
        const cs = getComputedStyle(el), r = el.getBoundingClientRect();
        return el.tagName + [...el.attributes].map(a => ` ${a.name}=${a.value}`).join('') + PROPS.map(p => ` ${p}:${cs[p]}`).join('') +
          ` before:${getComputedStyle(el, '::before').content} @${Math.round(r.left)},${Math.round(r.top)},${Math.round(r.width)}x${Math.round(r.height)}`;
      });
    }, PROPS);
  }
});

test('everyParameter_changesTheRenderedTree', async () => {
  const dead = await deadParameters(T.type.params, { skip: BEHAVIOUR, context: CONTEXT, pictures, data: params => T.dataFile({ params, items: items() }) });
  assert.deepEqual(dead, [], 'parameters without effect');
});

test('itemStyles_changeOnlyTheItemsGivenThem', async () => {
  // Every item but Deepest and Plain has style 0; those two must look the same.
  const split = pic => [pic.filter(l => /^A /.test(l) && !/deepest|plain/.test(l)), pic.filter(l => /^A .*(deepest|plain)\.html/.test(l)).map(l => l.replace(/ @.*$/, ''))];
  const styled = T.type.params.filter(p => / item /.test(' ' + p.styles + ' '));
  const [base, ...pics] = await pictures([{ inherit: 'all' }, ...styled.map(p => ({ [p.name]: changed(p) }))].map(style => T.dataFile({ items: items('0'), styles: [style] })));
  const [own, other] = split(base);
  const failures = [];
  for (const [n, p] of styled.entries()) {
    const [own2, other2] = split(pics[n]);
    if (JSON.stringify(own2) === JSON.stringify(own)) failures.push(p.name + ': no effect');
    if (JSON.stringify(other2) !== JSON.stringify(other)) failures.push(p.name + ': changed an item without the style');
  }
  assert.deepEqual(failures, []);
});

test('submenuStyles_changeTheSubtreeOfTheItemGivenThemAndNothingElse', async () => {
  // Style 0 on Branch: its subtree (Deep, Deeper, Deepest) changes, the
  // items outside (Open, Child, Branch itself, Here) do not.
  const data = sub => T.dataFile({ items: items().map((e, i) => i === 2 ? [...e.slice(0, 9), '0', e[10]] : e), submenuStyles: [sub] });
  const outside = pic => pic.filter(l => /^A .*aria-level=[12] /.test(l)).map(l => l.replace(/ @.*$/, ''));
  const inside = pic => pic.filter(l => /^(UL|A|LI|SPAN)\b/.test(l)).join('\n');
  const styled = T.type.params.filter(p => / submenu /.test(' ' + p.styles + ' '));
  const [base, ...pics] = await pictures([{ inherit: 'all' }, ...styled.map(p => ({ [p.name]: changed(p) }))].map(data));
  const failures = [];
  for (const [n, p] of styled.entries()) {
    const pic = pics[n];
    if (inside(pic) === inside(base)) failures.push(p.name + ': no effect');
    if (JSON.stringify(outside(pic)) !== JSON.stringify(outside(base))) failures.push(p.name + ': changed items outside the subtree');
  }
  assert.deepEqual(failures, []);
});
