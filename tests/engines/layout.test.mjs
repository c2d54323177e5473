// Layout that survives real content, in every engine: a horizontal bar
// wraps what does not fit (or collapses behind its toggle) and never widens
// the page, a long item text wraps inside its item, submenu arrows take the
// item's text colour in every state, and the selected tab's font follows
// the tabs' font unless it is given its own.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, menuPage, dataFile, openPage, pageHtml, SITE } from './support.mjs';
import { T as TABS, tabsPage } from './tabs_support.mjs';
import { T as TAB_MENU, tabMenuPage } from './tabmenu_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const LONG = 'A very long item text that goes on and on about everything the section holds and then some more';
const WORD = 'Supercalifragilisticexpialidociousandthensomemorelettersthatneverbreak';
// Twelve items on the first level, two of them long, one with a submenu.
const items = level0 => [
  ...Array.from({ length: 10 }, (_, i) => [0, `Section ${i}`, `s${i}.html`]),
  [0, LONG, 'long.html'], [1, 'Sub of long', 'sub.html'], [1, WORD, 'word.html'],
  [0, WORD, 'word0.html']
].map(e => level0 ? e : e);

// What a page at `width` shows: whether the page scrolls sideways, how many
// rows the items of `sel` stand in, and the widest item against the window.
const measure = (page, sel) => page.evaluate(sel => {
  const els = [...document.querySelectorAll(sel)].filter(e => e.offsetParent);
  // A raised selected tab is still on its row.
  const tops = els.map(e => e.getBoundingClientRect().top).sort((x, y) => x - y);
  const rows = tops.filter((t, i) => !i || t - tops[i - 1] > 5).length;
  const widest = Math.max(...els.map(e => e.getBoundingClientRect().width));
  return { sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth, rows, widest, window: innerWidth };
}, sel);

test('horizontalBars_wrapOrCollapse_neverWideningThePage', async () => {
  const cases = [
    { name: 'menu, no collapse', open: () => menuPage(b, dataFile({ params: { menuCollapseWidth: '0px' }, items: items() }), { name: 'm1.html' }), sel: 'nav .qb>li>.qi' },
    { name: 'tabs', open: () => tabsPage(b, TABS.dataFile({ items: items() }), { name: 't1.html' }), sel: '[role=tab]' },
    { name: 'tabs scrolling', open: () => tabsPage(b, TABS.dataFile({ params: { tabsOverflow: 'scroll' }, items: items() }), { name: 't2.html' }), sel: '[role=tab]', rows: 1 },
    { name: 'tab menu', open: () => tabMenuPage(b, TAB_MENU.dataFile({ items: items() }), { name: 'tm1.html' }), sel: '[role=tab]' }
  ];
  for (const width of [1000, 375]) {
    for (const c of cases) {
      const page = await c.open();
      await page.setViewportSize({ width, height: 700 });
      const m = await measure(page, c.sel);
      assert.equal(m.sideways, false, `${c.name} at ${width}: the page scrolls sideways`);
      assert.ok(c.rows ? m.rows === c.rows : m.rows > 1, `${c.name} at ${width}: ${m.rows} rows`);
      assert.ok(m.widest <= m.window, `${c.name} at ${width}: an item ${m.widest} wide`);
      assert.deepEqual(page.problems, [], c.name);
      await page.close();
    }
  }
  // Below the collapse width the menu bar is a toggle and still fits.
  const page = await menuPage(b, dataFile({ params: { menuCollapseWidth: '640px' }, items: items() }), { name: 'm2.html' });
  await page.setViewportSize({ width: 375, height: 700 });
  assert.equal(await page.locator('nav .qg').isVisible(), true);
  assert.equal((await measure(page, 'nav .qb>li>.qi')).sideways, false);
  await page.close();
});

test('longTexts_wrapInsideTheirItemUpToAMaximumWidth', async () => {
  // The long text's item in the bar and, opened, in its submenu: several
  // lines, narrower than the text in one line, no wider than 24em of 13px.
  const lines = (page, text) => page.evaluate(text => {
    const span = [...document.querySelectorAll('span')].filter(s => s.textContent === text && s.offsetParent).pop();
    const r = span.getBoundingClientRect(), line = parseFloat(getComputedStyle(span).lineHeight) || parseFloat(getComputedStyle(span).fontSize) * 1.2;
    return { lines: Math.round(r.height / line), width: r.width, inside: span.parentNode.getBoundingClientRect().right >= r.right - 0.5 };
  }, text);
  // One page at a time: the WebKit driver has one window for all.
  const pages = [
    ['menu', () => menuPage(b, dataFile({ params: { menuCollapseWidth: '0px' }, items: items() }), { name: 'l1.html' })],
    ['tabs', () => tabsPage(b, TABS.dataFile({ items: items() }), { name: 'l2.html' })],
    ['tab menu', () => tabMenuPage(b, TAB_MENU.dataFile({ params: { tabsSelected: 10 }, items: items() }), { name: 'l3.html' })]
  ];
  for (const [name, open] of pages) {
    const page = await open();
    for (const text of [LONG, WORD]) {
      const l = await lines(page, text);
      assert.ok(l.lines >= 2, `${name}: "${text.slice(0, 12)}" in ${l.lines} lines`);
      assert.ok(l.width <= 24 * 13 + 1, `${name}: "${text.slice(0, 12)}" ${l.width} wide`);
      assert.ok(l.inside, `${name}: "${text.slice(0, 12)}" stays inside its item`);
    }
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
  // In the tab menu's second row the long word of the selected tab's
  // submenu wraps too.
  const page = await tabMenuPage(b, TAB_MENU.dataFile({ params: { tabsSelected: 10 }, items: items() }), { name: 'l4.html' });
  const l = await lines(page, WORD);
  assert.ok(l.lines >= 2 && l.inside, JSON.stringify(l));
  await page.close();
});

test('submenuArrows_takeTheItemsTextColourInEveryState', async () => {
  // A dark bar with light text; the arrow colour left empty. Products at
  // rest, then focused from the keyboard (drawn as hovered); Current is the
  // current page; Off is disabled.
  const params = { menuBackColor: '#102030', menuItemTextColor: '#F0F0F0', menuItemHoverTextColor: '#FFD700', menuItemHoverBackColor: '#203040',
    menuItemCurrentTextColor: '#00FFFF', menuItemDisabledTextColor: '#808080', menuArrowColor: '', menuCollapseWidth: '0px' };
  const items = [[0, 'Products', 'p.html'], [1, 'One', 'one.html'], [0, 'Current', 'c.html', '', '', '', '', '', '', 'current'], [1, 'Two', 'two.html'],
    [0, 'Off', 'o.html', '', '', '', '', '', '', 'disabled'], [1, 'Three', 'three.html']];
  const page = await menuPage(b, dataFile({ params, items }));
  // Per item: its arrow's colour and its own text colour.
  const colours = () => page.evaluate(() => [...document.querySelectorAll('nav .qb>li>*>.qa')].map(a =>
    a.closest('li').firstElementChild.textContent + ':' + getComputedStyle(a).borderRightColor + (getComputedStyle(a).borderRightColor === getComputedStyle(a.parentNode).color ? '' : ' (text ' + getComputedStyle(a.parentNode).color + ')')));
  assert.deepEqual(await colours(), ['Products:rgb(240, 240, 240)', 'Current:rgb(0, 255, 255)', 'Off:rgb(128, 128, 128)']);
  await page.keyboard.press('Tab');
  assert.equal((await colours())[0], 'Products:rgb(255, 215, 0)');
  assert.deepEqual(page.problems, []);
  await page.close();
  // A colour of its own still paints the arrow.
  const own = await menuPage(b, dataFile({ params: { ...params, menuArrowColor: '#FF0000' }, items: [[0, 'Products', 'p.html'], [1, 'One', 'one.html']] }), { name: 'own.html' });
  assert.equal(await own.evaluate(() => getComputedStyle(document.querySelector('nav .qa')).borderRightColor), 'rgb(255, 0, 0)');
  await own.close();
});

test('submenuItemFont_followsTheItemsFontUnlessGivenItsOwn', async () => {
  const fontOf = (page, selector) => page.evaluate(selector => {
    const s = getComputedStyle(document.querySelector(selector));
    return [s.fontFamily, s.fontSize];
  }, selector);
  const cases = [
    ['menu', (params, items) => menuPage(b, dataFile({ params, items }), { name: 'subfont.html' }), 'menuItemFont', 'menuSubItemFont', 'nav .qu li>.qi'],
    ['tab menu', (params, items) => tabMenuPage(b, TAB_MENU.dataFile({ params, items }), { name: 'subfont.html' }), 'tabsItemFont', 'tabsSubItemFont', '.qj']
  ];
  const items = [[0, 'Products', 'p.html'], [1, 'One', 'one.html'], [1, 'Two', 'two.html']];
  for (const [name, open, itemFont, subFont, subItem] of cases) {
    // The data file as the editor writes it now: the subitems' font empty.
    const page = await open({ [itemFont]: 'normal 17px serif', [subFont]: '' }, items);
    assert.deepEqual(await fontOf(page, subItem), ['serif', '17px'], name + ': follows');
    assert.deepEqual(page.problems, [], name);
    await page.close();
    const own = await open({ [itemFont]: 'normal 17px serif', [subFont]: 'normal 11px monospace' }, items);
    assert.deepEqual(await fontOf(own, subItem), ['monospace', '11px'], name + ': own font');
    await own.close();
  }
});

test('selectedTabFont_followsTheTabsFontUnlessGivenItsOwn', async () => {
  const font = (page, text) => page.evaluate(text => {
    const t = [...document.querySelectorAll('[role=tab]')].find(x => x.textContent === text);
    const s = getComputedStyle(t);
    return [s.fontFamily, s.fontSize, s.fontWeight];
  }, text);
  // The first tab is selected; the third has item style 0, which is field 6
  // of the Tabs' items and field 7 of the Tab Menu's.
  for (const [name, T, open, styleField] of [['tabs', TABS, tabsPage, 6], ['tab menu', TAB_MENU, tabMenuPage, 7]]) {
    const styled = [0, 'Styled', 'three.html', '', '', '', '', '', ''];
    styled[styleField + 1] = '0';
    const tabItems = [[0, 'One', 'one.html'], [0, 'Two', 'two.html'], styled];
    // The tabs' font changed, the selected font left as it was: the
    // selected tab is the tabs' font in bold.
    const page = await open(b, T.dataFile({ params: { tabsItemFont: 'normal 17px serif' }, items: tabItems, styles: [{ tabsItemFont: 'italic 11px monospace' }] }), { name: 'font.html' });
    assert.deepEqual(await font(page, 'One'), ['serif', '17px', '700'], name + ': selected');
    assert.deepEqual(await font(page, 'Two'), ['serif', '17px', '400'], name + ': not selected');
    assert.deepEqual(await font(page, 'Styled'), ['monospace', '11px', '400'], name + ': a style\'s own font');
    await page.close();
    // Given its own font, the selected tab has it.
    const own = await open(b, T.dataFile({ params: { tabsItemFont: 'normal 17px serif', tabsSelFont: 'normal 12px monospace' }, items: tabItems }), { name: 'own.html' });
    assert.deepEqual(await font(own, 'One'), ['monospace', '12px', '400'], name + ': own font');
    assert.deepEqual(own.problems, [], name);
    await own.close();
  }
});
