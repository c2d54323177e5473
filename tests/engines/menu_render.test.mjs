// The Ostrel Menu engine renders data files: the default project, a large
// generated menu, placement, several menus, right-to-left pages and broken
// data files.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import {
  test, launch, onePage, openPage, menuPage, wholeMenus, dataFile, pageHtml, bigItems, menuTree, expectedTree, defaultItems,
  DEFAULT_PROJECT, FLYOUT_PROJECT, ENGINE, SITE
} from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const attrs = (page, text) => page.evaluate(text => {
  const a = [...document.querySelectorAll('nav .qi')].find(x => x.textContent === text);
  return Object.fromEntries([...a.attributes].map(x => [x.name, x.value]));
}, text);
const style = (page, sel, prop) => page.evaluate(([sel, prop]) => getComputedStyle(document.querySelector(sel))[prop], [sel, prop]);

test('defaultProject_rendersEveryItemWithItsFields', async () => {
  const page = await menuPage(b, DEFAULT_PROJECT);
  assert.deepEqual(await menuTree(page), expectedTree(defaultItems()));
  assert.deepEqual(await attrs(page, 'Home'), { class: 'qi qc', href: SITE + 'index.html', title: 'Back to the start page', 'aria-current': 'page' });
  assert.deepEqual(await attrs(page, 'Careers'), { class: 'qi qd', title: 'No open positions at the moment', 'aria-disabled': 'true' });
  assert.deepEqual(await attrs(page, 'Shop'), { class: 'qi', href: 'https://shop.example.com/', target: '_blank', id: 'shop-link' });
  // Item style 0 ("Call to action") on Shop, item style 1 on News.
  assert.equal(await style(page, '#shop-link', 'backgroundColor'), 'rgb(181, 80, 15)');
  assert.equal(await style(page, '#shop-link', 'fontWeight'), '700');
  const news = await page.evaluate(() => [...document.querySelectorAll('nav .qi')].find(x => x.textContent === 'News').parentNode.className);
  assert.equal(news, 'qs1');
  // Submenu style 0 ("Product columns") makes the submenu of Products a
  // mega menu: Software heads a column over its two links, Hardware and All
  // products stand beside it, and the separator before All products parts
  // nothing, as the columns already do.
  await page.click('nav button[aria-label="Products"]');
  const mega = await page.evaluate(() => {
    const ul = document.getElementById(document.querySelector('nav button[aria-label="Products"]').getAttribute('aria-controls'));
    const box = x => x.getBoundingClientRect();
    const item = t => [...ul.querySelectorAll('.qi')].find(x => x.textContent === t);
    const tops = ['Software', 'Hardware', 'All products'].map(t => Math.round(box(item(t)).top));
    const lefts = ['Software', 'Hardware', 'All products'].map(t => box(item(t)).left);
    return {
      sameRow: tops.every(t => t === tops[0]),
      leftToRight: lefts[0] < lefts[1] && lefts[1] < lefts[2],
      underHeading: box(item('Desktop editor')).top >= box(item('Software')).bottom &&
        box(item('Web tools')).top >= box(item('Desktop editor')).bottom,
      linksShown: item('Web tools').offsetParent !== null,
      headingBold: getComputedStyle(item('Software')).fontWeight,
      separator: getComputedStyle(item('All products').parentNode).borderTopStyle,
      buttons: ul.querySelectorAll('button,[aria-expanded]').length
    };
  });
  assert.deepEqual(mega, { sameRow: true, leftToRight: true, underHeading: true, linksShown: true, headingBold: '700', separator: 'none', buttons: 0 });
  assert.deepEqual(page.problems, []);
});

test('megaMenu_onlyWhereItsStyleSaysAndNestedListsOnSmallScreens', async () => {
  // In an ordinary submenu the separator before "All products" is a line
  // on that item.
  const flyout = await menuPage(b, FLYOUT_PROJECT);
  const sep = await flyout.evaluate(() => {
    const li = [...document.querySelectorAll('nav li')].find(x => x.firstElementChild.textContent === 'All products');
    return [li.classList.contains('qz'), getComputedStyle(li).borderTopStyle, li.parentNode.classList.contains('qm')];
  });
  assert.deepEqual(sep, [true, 'solid', false]);
  await flyout.close();
  // Columns set for the whole menu, taken back by a submenu style on About
  // us; submenus below the first level are never in columns.
  const style = { 'About us': '0', Products: '' };
  const items = defaultItems().map(e => e[1] in style ? e.with(8, style[e[1]]) : e);
  const page = await menuPage(b, dataFile({ params: { menuSubColumns: 2 }, menuStyles: [{ menuSubColumns: 1 }], items }));
  await page.setViewportSize({ width: 1000, height: 700 });
  const kinds = await page.evaluate(() => [...document.querySelectorAll('nav .qb>li>ul')].map(u => u.classList.contains('qm')));
  assert.deepEqual(kinds, [true, true, false]);
  // Below the collapse width the columns become nested lists, one item
  // under the other, the links still under their heading.
  await page.setViewportSize({ width: 480, height: 700 });
  await page.locator('nav .qg').click();
  await page.click('nav button[aria-label="Products"]');
  const small = await page.evaluate(() => {
    const item = t => [...document.querySelectorAll('nav .qi')].find(x => x.textContent === t).getBoundingClientRect();
    const ul = document.querySelector('nav .qm');
    return [getComputedStyle(ul).display, item('Hardware').top >= item('Web tools').bottom,
      item('Desktop editor').top >= item('Software').bottom, item('Desktop editor').left > item('Software').left];
  });
  assert.deepEqual(small, ['block', true, true, true]);
  assert.deepEqual(page.problems, []);
});

test('generatedMenu_rendersAllItemsAndShowsOnlyTheBar', async () => {
  const items = bigItems();
  const page = await menuPage(b, dataFile({ items }));
  assert.deepEqual(await menuTree(page), expectedTree(items));
  const shown = await page.evaluate(() => [...document.querySelectorAll('nav .qi')].filter(x => x.offsetParent).length);
  assert.equal(shown, 10);
  assert.deepEqual(page.problems, []);
});

test('itemFields_iconsAndClassesReachTheMarkup', async () => {
  const page = await menuPage(b, dataFile({
    items: [[0, '<b>Bold</b> text', 'a.html', '', '', 'i.svg', 'h.svg', '', '', '', 'item-a', 'one two'], [0, 'Plain']]
  }));
  const r = await page.evaluate(() => {
    const a = document.getElementById('item-a');
    return [a.className, a.querySelector('b').textContent, [...a.querySelectorAll('img')].map(i => i.getAttribute('src') + ':' + i.alt),
      document.querySelectorAll('nav .qi')[1].querySelectorAll('img').length];
  });
  assert.deepEqual(r, ['qi one two', 'Bold', ['i.svg:', 'h.svg:'], 0]);
  // The hover icon takes the icon's place under the mouse.
  await page.hover('#item-a');
  const visible = await page.evaluate(() => [...document.querySelectorAll('#item-a img')].map(i => getComputedStyle(i).display !== 'none'));
  assert.deepEqual(visible, [false, true]);
});

test('placement_inFlowAndAbsolute_beforeAndAfterLoad', async () => {
  const cases = [
    { name: 'flow-loading', params: {}, expect: 'before-script' },
    { name: 'absolute-loading', params: { menuPosition: 'absolute', menuLeft: '120px', menuTop: '80px' }, expect: 'absolute' },
    { name: 'flow-after-load', params: {}, late: true, expect: 'before-script' },
    { name: 'absolute-after-load', params: { menuPosition: 'absolute', menuLeft: '120px', menuTop: '80px' }, late: true, expect: 'absolute' },
    { name: 'flow-in-head', params: {}, head: true, expect: 'body-start' }
  ];
  for (const c of cases) {
    const data = dataFile({ params: c.params, items: [[0, 'One'], [0, 'Two']] });
    const late = `<div id="spot"></div><script>addEventListener('load', () => { const s = document.createElement('script');` +
      ` s.src = 'data-${c.name}.js'; document.getElementById('spot').appendChild(s); });</script>`;
    b.serve({
      'qrnmenu.js': ENGINE, [`data-${c.name}.js`]: data,
      [`${c.name}.html`]: pageHtml({
        data: c.late || c.head ? [] : [`data-${c.name}.js`], before: '<p id="first">First</p>', after: c.late ? late : '',
        head: c.head ? `<script src="data-${c.name}.js"></script>` : ''
      })
    });
    const page = await openPage(b, SITE + c.name + '.html');
    await page.waitForSelector('nav');
    const r = await page.evaluate(() => {
      const nav = document.querySelector('nav'), rect = nav.getBoundingClientRect();
      return { next: nav.nextElementSibling?.tagName, src: nav.nextElementSibling?.getAttribute('src'), first: document.body.firstElementChild === nav,
        position: getComputedStyle(nav).position, x: rect.left, y: rect.top };
    });
    if (c.expect === 'before-script') assert.equal(r.src, `data-${c.name}.js`, c.name);
    if (c.expect === 'body-start') assert.equal(r.first, true, c.name);
    if (c.expect === 'absolute') assert.deepEqual([r.position, r.x, r.y], ['absolute', 120, 80], c.name);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});

test('severalMenus_keepTheirOwnItemsLooksAndState', async () => {
  b.serve({
    'qrnmenu.js': ENGINE,
    'one.js': dataFile({ params: { menuItemTextColor: '#FF0000' }, items: [[0, 'A'], [1, 'A1'], [0, 'B']] }),
    'two.js': dataFile({ params: { menuOrientation: 'vertical', menuItemTextColor: '#0000FF' }, items: [[0, 'X'], [1, 'X1'], [0, 'Y'], [0, 'Z']] }),
    'two-menus.html': pageHtml({ data: ['one.js', 'two.js'] })
  });
  const page = await openPage(b, SITE + 'two-menus.html');
  const navs = await page.evaluate(() => [...document.querySelectorAll('nav')].map(n => ({
    items: [...n.querySelectorAll('.qb>li>.qi')].map(a => a.textContent),
    color: getComputedStyle(n.querySelector('.qi')).color, dir: getComputedStyle(n.querySelector('.qb')).flexDirection
  })));
  assert.deepEqual(navs, [
    { items: ['A', 'B'], color: 'rgb(255, 0, 0)', dir: 'row' },
    { items: ['X', 'Y', 'Z'], color: 'rgb(0, 0, 255)', dir: 'column' }
  ]);
  await page.locator('nav').first().getByRole('button', { name: 'A' }).click();
  const open = await page.evaluate(() => [...document.querySelectorAll('nav')].map(n => n.querySelectorAll('.qo').length));
  assert.deepEqual(open, [1, 0]);
  assert.deepEqual(page.problems, []);
});

test('rightToLeftPage_mirrorsTheMenu', async () => {
  const page = await menuPage(b, dataFile({ items: [[0, 'Start'], [0, 'Parent'], [1, 'Child'], [2, 'Grandchild'], [0, 'End']] }), { dir: 'rtl' });
  await page.getByRole('button', { name: 'Parent' }).click();
  await page.getByRole('button', { name: 'Child' }).click();
  const r = await page.evaluate(() => {
    const box = t => [...document.querySelectorAll('nav .qi')].find(x => x.textContent === t).getBoundingClientRect();
    return { start: box('Start').left, end: box('End').left, parent: box('Parent').right, child: box('Child').right,
      childLeft: box('Child').left, grandchild: box('Grandchild').right };
  });
  assert.ok(r.start > r.end, 'the first item stands at the right');
  assert.ok(r.grandchild <= r.childLeft + 4, 'the second level opens to the left');
  assert.deepEqual(page.problems, []);
});

test('brokenDataFiles_renderWhatTheyCanWithoutErrors', async () => {
  const cases = [
    { name: 'nothing-declared', data: 'qrn_init();', tree: [] },
    { name: 'items-only', data: 'var menuItems=[["A"],["|B"]];qrn_init();', tree: [['A', [['B']]]] },
    { name: 'items-not-an-array', data: 'var menuItems="A,B";qrn_init();', tree: [] },
    { name: 'empty-arrays', data: 'var menuItems=[];var itemStyles=[];var menuStyles=[];qrn_init();', tree: [] },
    {
      name: 'wrong-types', tree: [['A', [['B']]]],
      data: 'var menuOrientation=5;var menuShowDelay="soon";var menuArrows="maybe";var menuItemFont=null;var menuSubOpacity={};' +
        'var itemStyles=3;var menuStyles=[null,"x",[7,"menuSubWidth"]];var menuItems=[["A","a.html",3,null,{},[]],["|B"]];qrn_init();'
    },
    { name: 'level-jumps', data: 'var menuItems=[["|||A"],["|||B"],["C"],["||D"]];qrn_init();', tree: [['A', [['B']]], ['C', [['D']]]] },
    { name: 'holes', data: 'var menuItems=[["A"],,"@undefined",undefined,null,5,["B","@undefined"],];qrn_init();', tree: [['A'], ['B']] },
    { name: 'style-out-of-range', data: 'var itemStyles=[["menuItemTextColor=#FF0000"]];var menuItems=[["A","","","","","","7","9"],["|B"]];qrn_init();', tree: [['A', [['B']]]] },
    { name: 'unknown-style-entries', data: 'var itemStyles=[["inherit=all","nonsense","menuSubWidth=9px","=x"]];var menuItems=[["A","","","","","","0"]];qrn_init();', tree: [['A']] },
    { name: 'only-separators', data: 'var menuItems=[["-"],["A"],["|-"],["-"]];qrn_init();', tree: [['A']] }
  ];
  for (const c of cases) {
    b.serve({ [`bad-${c.name}.js`]: c.data, [`bad-${c.name}.html`]: pageHtml({ data: [`bad-${c.name}.js`] }), 'qrnmenu.js': ENGINE });
    const page = await openPage(b, SITE + `bad-${c.name}.html`);
    await wholeMenus(page);
    assert.deepEqual(await menuTree(page), c.tree, c.name);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});

test('engine_definesOnlyTheStartFunctionsAndNeedsNoEval', async () => {
  // A policy without 'unsafe-eval' turns any eval or Function() into an error.
  const csp = `<meta http-equiv="Content-Security-Policy" content="script-src 'self'">`;
  b.serve({ 'qrnmenu.js': ENGINE, 'data.js': DEFAULT_PROJECT, 'globals.html': `<!DOCTYPE html><html lang="en"><head><title>g</title>${csp}<script src="names.js"></script><script src="qrnmenu.js"></script></head><body><script src="data.js"></script></body></html>`,
    'names.js': 'window.before = Object.keys(window);' });
  const page = await openPage(b, SITE + 'globals.html');
  await wholeMenus(page);
  const added = await page.evaluate(() => Object.keys(window).filter(k => !window.before.includes(k) && k !== 'before'));
  const engineNames = added.filter(k => !/^(menu|itemStyles)/.test(k));
  assert.deepEqual(engineNames.sort(), ['qrn_init', 'qrn_initFrame']);
  assert.equal(await page.locator('nav .qi').count(), 17);
  assert.deepEqual(page.problems, []);
});
