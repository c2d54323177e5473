// Every parameter of the Ostrel Tabs' description takes effect, and item
// styles change exactly the tabs they are given to.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, pageHtml } from './support.mjs';
import { T, contents } from './tabs_support.mjs';
import { changed, deadParameters, framePictures } from './walk.mjs';

// The walks take their pictures in frames of one page.
let b, walk;
before(async () => {
  b = await launch();
  walk = onePage(b);
  b.serve({ 'qrntabs.js': T.ENGINE });
  b.serve({ 'pic.svg': '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>' });
});
after(async () => { await b.close(); });

// Tested by their own behaviour in tabs_keyboard and tabs_render.
const BEHAVIOUR = ['tabsSelected', 'tabsRememberSelected', 'tabsSwitchOn', 'tabsActivation'];
const CONTEXT = { tabsLeft: { tabsPosition: 'absolute' }, tabsTop: { tabsPosition: 'absolute' } };

// Tab 0 shows a panel and gets selected, Tab 1 has icons and the mouse,
// Tab 2 is disabled, Tab 3 the current page, Tabs 4 and 5 plain links.
const items = (style = '') => [
  [0, 'Tab 0', '', '', '', '', '', style, '', '', 'c0'],
  [0, 'Tab 1', '', '', '', 'pic.svg', 'pic.svg', style, '', '', 'c1'],
  [0, 'Tab 2', 'two.html', '', '', '', '', style, 'disabled'],
  [0, 'Tab 3', 'three.html', '', '', '', '', style, 'current'],
  [0, 'Tab 4', 'four.html'],
  [0, 'Tab 5', 'five.html', '', '', '', '', style]
];
const PROPS = ['display', 'position', 'left', 'top', 'zIndex', 'flexDirection', 'flexWrap', 'overflowX', 'justifyContent', 'alignItems',
  'rowGap', 'columnGap', 'width', 'minHeight', 'backgroundColor', 'backgroundImage', 'color', 'fontFamily', 'fontSize', 'fontWeight',
  'textDecorationLine', 'paddingTop', 'paddingLeft', 'borderTopWidth', 'borderTopStyle', 'borderTopColor', 'borderBottomWidth',
  'borderTopLeftRadius', 'transform', 'order'];

// Each element of the tabs with its attributes, look and place, after a
// click on Tab 0 and with the mouse on Tab 1; one picture per data file.
const tab = text => `() => [...document.querySelectorAll('[role=tab]')].find(t => t.textContent.trim() === '${text}')`;
const pictures = datas => framePictures(walk, datas, {
  html: data => pageHtml({ engine: 'qrntabs.js', data: [data], after: contents(2) }),
  ready: () => true,
  async shoot(view) {
    await view.click(tab('Tab 0'));
    await view.hover(tab('Tab 1'));
    return view.evaluate(PROPS => {
      const root = document.querySelector('[role=tablist]').parentNode;
      return [root, ...root.querySelectorAll('*')].map(el => {
        const cs = getComputedStyle(el), r = el.getBoundingClientRect();
        return el.tagName + [...el.attributes].map(a => ` ${a.name}=${a.value}`).join('') + PROPS.map(p => ` ${p}:${cs[p]}`).join('') +
          ` @${Math.round(r.left)},${Math.round(r.top)},${Math.round(r.width)}x${Math.round(r.height)}`;
      });
    }, PROPS);
  }
});

test('everyParameter_changesTheRenderedTabs', async () => {
  const dead = await deadParameters(T.type.params, { skip: BEHAVIOUR, context: CONTEXT, pictures, data: params => T.dataFile({ params, items: items() }) });
  assert.deepEqual(dead, [], 'parameters without effect');
});

test('itemStyles_changeOnlyTheTabsGivenThem', async () => {
  // All but Tab 4 have style 0; Tab 4 has none and must look the same.
  const split = pic => [pic.filter(l => !/Tab 4|four\.html/.test(l) && /^(A|BUTTON)/.test(l)), pic.filter(l => /four\.html/.test(l)).map(l => l.replace(/ @.*$/, ''))];
  const styled = T.type.params.filter(p => / item /.test(' ' + p.styles + ' '));
  const [base, ...pics] = await pictures([{ inherit: 'all' }, ...styled.map(p => ({ [p.name]: changed(p) }))].map(style => T.dataFile({ items: items('0'), styles: [style] })));
  const [own, other] = split(base);
  const failures = [];
  for (const [n, p] of styled.entries()) {
    const [own2, other2] = split(pics[n]);
    if (JSON.stringify(own2) === JSON.stringify(own)) failures.push(p.name + ': no effect');
    if (JSON.stringify(other2) !== JSON.stringify(other)) failures.push(p.name + ': changed a tab without the style');
  }
  assert.deepEqual(failures, []);
});
