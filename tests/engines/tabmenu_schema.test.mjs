// Every parameter of the Ostrel Tab Menu's description takes effect, and
// item styles change exactly the tabs and submenu items they are given to.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, pageHtml } from './support.mjs';
import { T } from './tabmenu_support.mjs';
import { changed, deadParameters, framePictures } from './walk.mjs';

// The walks take their pictures in frames of one page.
let b, walk;
before(async () => {
  b = await launch();
  walk = onePage(b);
  b.serve({ 'qrntabmenu.js': T.ENGINE });
  b.serve({ 'pic.svg': '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>' });
});
after(async () => { await b.close(); });

// Tested by their own behaviour in tabmenu_render, tabmenu_keyboard and
// tabmenu_pointer.
const BEHAVIOUR = ['tabsSelected', 'tabsRememberSelected', 'tabsSwitchOn', 'tabsActivation', 'tabsSubOpenOn', 'tabsSubShowDelay', 'tabsSubHideDelay'];
const DROP = { tabsSubMode: 'dropdown', tabsSubOpenOn: 'click' };
const CONTEXT = { tabsLeft: { tabsPosition: 'absolute' }, tabsTop: { tabsPosition: 'absolute' }, tabsSubWidth: DROP, tabsSubShadow: DROP };

// Tab 0 shows a panel and has the submenu shown (Sub 0b the current page,
// Sub 0c disabled, a separator before Sub 0d); Tab 1 has icons and the
// mouse, Tab 2 is disabled, Tab 3 the current page, Tabs 4 and 5 links.
const items = (style = '') => [
  [0, 'Tab 0', '', '', '', '', '', '', style, '', 'c0'],
  [1, 'Sub 0a', 'a.html', '', '', '', '', '', style], [1, 'Sub 0b', 'b.html', '', '', '', '', 'current', style],
  [1, 'Sub 0c', 'c.html', '', '', '', '', 'disabled', style], [1, '-'], [1, 'Sub 0d', 'd.html'],
  [0, 'Tab 1', '', '', '', 'pic.svg', 'pic.svg', '', style, '', 'c1'],
  [0, 'Tab 2', 'two.html', '', '', '', '', 'disabled', style],
  [0, 'Tab 3', 'three.html', '', '', '', '', 'current', style],
  [0, 'Tab 4', 'four.html'],
  [0, 'Tab 5', 'five.html', '', '', '', '', '', style]
];
const PROPS = ['display', 'position', 'left', 'top', 'zIndex', 'flexDirection', 'flexWrap', 'overflowX', 'justifyContent', 'alignItems',
  'rowGap', 'columnGap', 'width', 'minHeight', 'backgroundColor', 'backgroundImage', 'color', 'fontFamily', 'fontSize', 'fontWeight',
  'textDecorationLine', 'paddingTop', 'paddingLeft', 'borderTopWidth', 'borderTopStyle', 'borderTopColor', 'borderBottomWidth',
  'borderTopLeftRadius', 'transform', 'order', 'boxShadow'];

// Each element of the menu with its attributes, look and place, after a
// click on Tab 0, with the mouse on Sub 0a and then on Tab 1; one picture
// per data file.
const named = (role, text) => `() => [...document.querySelectorAll('[role=${role}]')].find(e => e.textContent.trim() === '${text}')`;
const pictures = datas => framePictures(walk, datas, {
  html: data => pageHtml({ engine: 'qrntabmenu.js', data: [data], after: '<div id="c0">Content 0</div><div id="c1">Content 1</div>' }),
  ready: () => true,
  async shoot(view) {
    await view.click(named('tab', 'Tab 0'));
    const pic = [];
    for (const hover of [`() => [...document.querySelectorAll('a')].find(e => e.textContent.trim() === 'Sub 0a')`, named('tab', 'Tab 1')]) {
      await view.hover(hover);
      pic.push(...await view.evaluate(PROPS => {
        const root = document.querySelector('[role=tablist]').parentNode;
        return [root, ...root.querySelectorAll('*')].map(el => {
          const cs = getComputedStyle(el), r = el.getBoundingClientRect();
          return el.tagName + [...el.attributes].map(a => ` ${a.name}=${a.value}`).join('') + PROPS.map(p => ` ${p}:${cs[p]}`).join('') +
            ` @${Math.round(r.left)},${Math.round(r.top)},${Math.round(r.width)}x${Math.round(r.height)}`;
        });
      }, PROPS));
    }
    return pic;
  }
});

test('everyParameter_changesTheRenderedMenu', async () => {
  const dead = await deadParameters(T.type.params, { skip: BEHAVIOUR, context: CONTEXT, pictures, data: params => T.dataFile({ params, items: items() }) });
  assert.deepEqual(dead, [], 'parameters without effect');
});

test('itemStyles_changeOnlyTheTabsAndItemsGivenThem', async () => {
  // All but Tab 4 and Sub 0d have style 0; those two must look the same.
  const other = /Tab 4|four\.html|Sub 0d|d\.html/;
  const split = pic => [pic.filter(l => !other.test(l) && /^(A|BUTTON) /.test(l)), pic.filter(l => /four\.html|d\.html/.test(l)).map(l => l.replace(/ @.*$/, ''))];
  const styled = T.type.params.filter(p => / item /.test(' ' + p.styles + ' '));
  const [base, ...pics] = await pictures([{ inherit: 'all' }, ...styled.map(p => ({ [p.name]: changed(p) }))].map(style => T.dataFile({ items: items('0'), styles: [style] })));
  const [own, rest] = split(base);
  const failures = [];
  for (const [n, p] of styled.entries()) {
    const [own2, rest2] = split(pics[n]);
    if (JSON.stringify(own2) === JSON.stringify(own)) failures.push(p.name + ': no effect');
    if (JSON.stringify(rest2) !== JSON.stringify(rest)) failures.push(p.name + ': changed an item without the style');
  }
  assert.deepEqual(failures, []);
});
