// The Ostrel Tab Menu engine renders data files: the default project in
// both submenu modes, a generated large menu, content panels, placement in
// the page before and after it has loaded, several menus on a page,
// right-to-left pages and broken data files.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, axeAudit, SITE } from './support.mjs';
import { T, tabMenuPage, state } from './tabmenu_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const DROPDOWN = T.DEFAULT_PROJECT.replace('var tabsSubMode="row"', 'var tabsSubMode="dropdown"').replace('var tabsSubOpenOn="hover"', 'var tabsSubOpenOn="click"');
const attrs = (page, text) => page.evaluate(text => {
  const a = [...document.querySelectorAll('.qi,.qj')].find(x => x.textContent === text);
  return Object.fromEntries([...a.attributes].filter(x => x.name !== 'id').map(x => [x.name, x.value]));
}, text);
const css = (page, text, prop) => page.evaluate(([text, prop]) =>
  getComputedStyle([...document.querySelectorAll('.qi,.qj')].find(x => x.textContent === text))[prop], [text, prop]);

// The audit of the whole menu: tabs, submenus and panels.
const audit = page => axeAudit(page, 'div:has(>[role=tablist])');

test('defaultProject_rendersTabsSubmenusFieldsAndStyles', async () => {
  const page = await tabMenuPage(b, T.DEFAULT_PROJECT);
  const top = T.defaultItems().filter(e => e[0] === 0).map(e => e[1]);
  assert.deepEqual(await state(page), { tabs: top.map((t, i) => t + (i ? '' : '*')).join(','), open: '', shown: '', focus: 'BODY' });
  assert.deepEqual(await attrs(page, 'Home'), { href: SITE + 'index.html', role: 'tab', tabindex: '0', 'aria-selected': 'true', class: 'qi qc', 'aria-current': 'page' });
  // The submenu lists (Products, Services, Company) are written once the
  // page is idle, one at a time; their tabs name them then.
  await page.waitForFunction(() => document.querySelectorAll('[role=tab][aria-controls]').length === 3);
  const products = await attrs(page, 'Products');
  assert.match(products['aria-controls'], /-s1$/);
  assert.equal(await page.getAttribute('#' + products['aria-controls'], 'aria-label'), 'Products');
  assert.deepEqual(await attrs(page, 'Shop'), { href: 'https://shop.example.com/', target: '_blank', role: 'tab', tabindex: '-1', 'aria-selected': 'false', class: 'qi qs0' });
  assert.deepEqual(await attrs(page, 'Careers'), { class: 'qj qd', 'aria-disabled': 'true' });
  // Style 0 ("Shop tab") on Shop; style 1 ("New") on the submenu item Accessories.
  assert.equal(await css(page, 'Shop', 'backgroundColor'), 'rgb(194, 81, 15)');
  assert.equal(await css(page, 'Accessories', 'color'), 'rgb(184, 66, 15)');
  assert.equal(await css(page, 'Hardware', 'color'), 'rgb(42, 58, 77)');
  // The first click on a parent tab shows its row instead of following its link.
  await page.click('text=Products');
  assert.deepEqual(await state(page), { tabs: 'Home,Products*,Services,Company,Shop', open: 'Products', shown: '', focus: 'Products' });
  assert.match(page.url(), /tabmenu\.html$/);
  const [row, tab] = await page.evaluate(() => ['#' + document.querySelector('ul:not([hidden])').id, 'Products'].map(s =>
    s.startsWith('#') ? document.querySelector(s).getBoundingClientRect() : [...document.querySelectorAll('[role=tab]')].find(t => t.textContent === s).getBoundingClientRect()).map(r => r.toJSON()));
  assert.ok(row.top >= tab.bottom - 3, 'the row stands under the tabs');
  assert.deepEqual(await audit(page), []);
  assert.deepEqual(page.problems, []);
});

test('dropDownMode_opensTheListUnderItsTabAndPassesTheAudit', async () => {
  const page = await tabMenuPage(b, DROPDOWN, { name: 'drop.html' });
  assert.equal((await state(page)).open, '');
  const company = page.getByRole('tab', { name: 'Company' });
  assert.equal(await company.getAttribute('aria-expanded'), 'false');
  await company.click();
  assert.equal((await state(page)).open, 'Company');
  assert.equal(await company.getAttribute('aria-expanded'), 'true');
  const [list, tab] = await page.evaluate(() => {
    const t = [...document.querySelectorAll('[role=tab]')].find(t => t.textContent === 'Company');
    return [document.getElementById(t.getAttribute('aria-controls')), t].map(e => e.getBoundingClientRect().toJSON());
  });
  assert.ok(Math.abs(list.left - tab.left) < 1 && Math.abs(list.top - tab.bottom) < 1, JSON.stringify([list, tab]));
  assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('ul:not([hidden])')).boxShadow === 'none'), false);
  assert.deepEqual(await audit(page), []);
  assert.deepEqual(page.problems, []);
});

test('generatedMenu_showsAllItemsOfTheSelectedTab', async () => {
  const items = [];
  for (let a = 0; a < 10; a++) {
    items.push([0, `Section ${a}`, `s${a}.html`]);
    for (let c = 0; c < 110; c++) items.push([1, `Page ${a}.${c}`, `s${a}/p${c}.html`]);
  }
  for (const mode of ['row', 'dropdown']) {
    const page = await tabMenuPage(b, T.dataFile({ params: { tabsSubMode: mode, tabsSubOpenOn: 'click', tabsSelected: 9 }, items }), { name: mode + '-big.html' });
    const count = () => page.evaluate(() => [document.querySelectorAll('[role=tab]').length, document.querySelectorAll('.qj').length,
      [...document.querySelectorAll('.qj')].filter(a => a.offsetParent && getComputedStyle(a).visibility === 'visible').length]);
    // The submenus not shown are written once the page is idle.
    await page.waitForFunction(() => document.querySelectorAll('.qj').length === 1100);
    assert.deepEqual(await count(), [10, 1100, mode === 'row' ? 110 : 0], mode);
    if (mode === 'dropdown') {
      await page.click('text=Section 4');
      assert.deepEqual(await count(), [10, 1100, 110]);
    }
    assert.equal(await page.locator(`text=${mode === 'row' ? 'Page 9.109' : 'Page 4.109'}`).isVisible(), true, mode);
    assert.deepEqual(page.problems, [], mode);
    await page.close();
  }
});

// Hidden rows may stay laid out, out of sight, so that showing one again
// is quick: the row still takes the height of the row shown, and the page
// below moves with it, in both directions.
test('rowArea_takesTheHeightOfTheRowShownOnly', async () => {
  const items = [[0, 'Short', 'a.html'], [1, 'One', 'one.html'],
    [0, 'Long', 'b.html'], ...Array.from({ length: 40 }, (_, i) => [1, `Page number ${i}`, `p${i}.html`]), [0, 'None', '']];
  const page = await tabMenuPage(b, T.dataFile({ params: { tabsSubHeight: '0px' }, items }), { name: 'heights.html' });
  await page.setViewportSize({ width: 480, height: 700 });
  await page.waitForFunction(() => document.querySelectorAll('.qj').length === 41);
  // In px, to the hundredth: browsers place boxes to fractions of a pixel.
  const measure = () => page.evaluate(() => [document.querySelector('.qr').getBoundingClientRect().height, document.querySelector('main').getBoundingClientRect().top]
    .map(x => Math.round(x * 100) / 100));
  const [short, shortTop] = await measure();
  await page.click('text=Long');
  const [long, longTop] = await measure();
  assert.ok(long > 3 * short, `the long row wraps to several lines: ${long} against ${short}`);
  assert.ok(Math.abs(longTop - shortTop - (long - short)) < 0.05, `the page moves down with the row: ${longTop - shortTop} against ${long - short}`);
  await page.click('text=Short');
  assert.deepEqual(await measure(), [short, shortTop], 'back to the short row');
  // A tab without a submenu (nor a link to follow) shows an empty row.
  await page.click('text=None');
  const [empty] = await measure(), frame = await page.evaluate(() => {
    const r = getComputedStyle(document.querySelector('.qr'));
    return parseFloat(r.paddingTop) + parseFloat(r.paddingBottom) + parseFloat(r.borderTopWidth) + parseFloat(r.borderBottomWidth);
  });
  assert.ok(Math.abs(empty - frame) < 0.05, `an empty row ${empty} high, its frame ${frame}`);
  assert.equal((await state(page)).open, '');
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('contentPanels_andTheCurrentSubmenuItemSelectItsTab', async () => {
  const items = [[0, 'Tab 0', '', '', '', '', '', '', '', '', 'c0'], [1, 'Sub 0', 's0.html'], [0, '-'],
    [0, 'Tab 1', '', '', '', '', '', '', '', '', 'c1'], [1, 'Sub 1', 's1.html', '', '', '', '', 'current']];
  const page = await tabMenuPage(b, T.dataFile({ items }), { after: '<section id="c0">Content 0</section><section id="c1">Content 1</section>' });
  assert.deepEqual(await state(page), { tabs: 'Tab 0,Tab 1*', open: 'Tab 1', shown: 'Content 1', focus: 'BODY' });
  assert.equal(await page.getByRole('link', { name: 'Sub 1' }).getAttribute('aria-current'), 'page');
  const controls = (await page.getByRole('tab', { name: 'Tab 1' }).getAttribute('aria-controls')).split(' ');
  assert.deepEqual(await page.evaluate(ids => ids.map(id => document.getElementById(id).tagName), controls), ['UL', 'SECTION']);
  await page.click('text=Tab 0');
  assert.deepEqual(await state(page), { tabs: 'Tab 0*,Tab 1', open: 'Tab 0', shown: 'Content 0', focus: 'Tab 0' });
  assert.deepEqual(await audit(page), []);
  assert.deepEqual(page.problems, []);
  // The tab chosen last comes back after a reload when the parameter says so.
  const remembered = [];
  for (const remember of [false, true]) {
    const data = T.dataFile({ params: { tabsRememberSelected: remember }, items: items.slice(0, 4) });
    const p = await tabMenuPage(b, data, { after: '<section id="c0">Content 0</section><section id="c1">Content 1</section>', name: `remember-${remember}.html` });
    await p.getByRole('tab', { name: 'Tab 1' }).click();
    await p.reload();
    remembered.push((await state(p)).shown);
    assert.deepEqual(p.problems, []);
  }
  assert.deepEqual(remembered, ['Content 0', 'Content 1']);
});

test('rowUnderItsTab_startsWhereTheSelectedTabStarts', async () => {
  for (const dir of ['', 'rtl']) {
    const data = T.dataFile({ params: { tabsSubAlign: 'tab' }, items: [[0, 'First tab'], [1, 'F1', 'f1.html'], [0, 'Second tab'], [1, 'S1', 's1.html'], [1, 'S2', 's2.html']] });
    const page = await tabMenuPage(b, data, { dir, name: 'under.html' });
    await page.getByRole('tab', { name: 'Second tab' }).click();
    // The selected tab and the first item of the row shown.
    const [tab, first] = await page.evaluate(() => [document.querySelector('[aria-selected=true]'), document.querySelector('.qr ul:not([hidden]) li')]
      .map(e => e.getBoundingClientRect().toJSON()));
    const edge = dir ? 'right' : 'left';
    assert.ok(Math.abs(first[edge] - tab[edge]) < 1, JSON.stringify([dir, first, tab]));
    assert.deepEqual(page.problems, [], dir);
    await page.close();
  }
});

test('placement_inTheFlowBeforeAndAfterLoadAbsoluteAndSeveralMenus', async () => {
  const one = T.dataFile({ items: [[0, 'A'], [1, 'A1', 'a1.html'], [0, 'B'], [1, 'B1', 'b1.html']] });
  const two = T.dataFile({ params: { tabsPosition: 'absolute', tabsLeft: '300px', tabsTop: '200px', tabsSubMode: 'dropdown' }, items: [[0, 'X'], [1, 'X1', 'x1.html'], [0, 'Y']] });
  const three = T.dataFile({ params: { tabsLabel: 'Late' }, items: [[0, 'Late'], [1, 'L1', 'l1.html']] });
  b.serve({ 'one.js': one, 'two.js': two, 'three.js': three, 'qrntabmenu.js': T.ENGINE,
    'several.html': '<!DOCTYPE html><html lang="en"><head><title>T</title><script src="qrntabmenu.js"></script></head><body>' +
      '<div id="here"><script src="one.js"></script></div><script src="two.js"></script><div id="late"></div></body></html>' });
  const page = await openPage(b, SITE + 'several.html');
  // A data file added once the page has loaded stands where it is added.
  await page.evaluate(() => new Promise(ok => {
    const s = document.createElement('script');
    s.src = 'three.js';
    s.onload = ok;
    document.getElementById('late').appendChild(s);
  }));
  const r = await page.evaluate(() => {
    const lists = [...document.querySelectorAll('[role=tablist]')];
    const box = lists[1].parentNode.getBoundingClientRect();
    return [lists.map(l => l.parentNode.parentNode.id || l.parentNode.parentNode.tagName).join(','), lists[1].parentNode.id, Math.round(box.left) + ',' + Math.round(box.top),
      new Set([...document.querySelectorAll('[id]')].map(e => e.id)).size === document.querySelectorAll('[id]').length];
  });
  const absolute = r.splice(1, 1)[0];
  assert.deepEqual(r, ['here,BODY,late', '300,200', true]);
  // Each menu keeps to itself: opening one changes nothing in the others.
  await page.getByRole('tab', { name: 'B' }).click();
  await page.getByRole('tab', { name: 'X' }).click();
  assert.deepEqual([await state(page, '#here'), await state(page, '#late')].map(s => s.tabs + '/' + s.open), ['A,B*/B', 'Late*/Late']);
  assert.equal((await state(page, '#' + absolute)).open, 'X');
  assert.deepEqual(page.problems, []);
});

test('rightToLeft_startsTabsAndDropDownsAtTheRight', async () => {
  const data = T.dataFile({ params: { tabsSubMode: 'dropdown' }, items: [[0, 'First'], [1, 'Child with a long text', 'c.html'], [0, 'Second']] });
  const page = await tabMenuPage(b, data, { dir: 'rtl', name: 'rtl.html' });
  await page.click('text=First');
  const [first, second, list] = await page.evaluate(() => ['First', 'Second', 'Child with a long text'].map(t =>
    [...document.querySelectorAll('.qi,.qj')].find(x => x.textContent === t)).map((e, i) => (i === 2 ? e.closest('ul') : e).getBoundingClientRect().toJSON()));
  assert.ok(first.left > second.left, 'the first tab stands right of the second');
  assert.ok(Math.abs(list.right - first.right) < 1, 'the drop-down ends where its tab ends');
  assert.deepEqual(page.problems, []);
});

test('brokenDataFiles_renderWhatTheyCanWithoutErrors', async () => {
  const cases = [
    ['nothing declared', 'qrn_tabsInit();', ''],
    ['empty arrays', 'var bstyles=[];var bmenuItems=[];qrn_tabsInit();', ''],
    ['wrong types', 'var tabsSubMode=5;var tabsSelected="x";var bstyles=[3,[7,"tabsItemFont"]];var tabsSubShowDelay="soon";' +
      'var bmenuItems=[["A",7,null],["|B",null,"","","","",{},"9"],[]];qrn_tabsInit();', 'A*,'],
    ['holes and level jumps', 'var bmenuItems=[,"@undefined",["||A"],["|||B"],["C","@undefined"],["||D"]];qrn_tabsInit();', 'A*,C'],
    ['separators only', 'var bmenuItems=[["-"],["|-"],["-"]];qrn_tabsInit();', ''],
    ['every tab disabled', 'var bmenuItems=[["A","a.html","","","","","disabled"],["|A1","a1.html"]];qrn_tabsInit();', 'A']
  ];
  for (const [name, data, tabs] of cases) {
    const page = await tabMenuPage(b, data, { name: 'broken.html' });
    assert.equal((await state(page)).tabs, tabs, name);
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
  // Items below the second level are shown in their tab's submenu.
  const page = await tabMenuPage(b, 'var bmenuItems=[["A"],["|B","b.html"],["||C","c.html"],["D"]];qrn_tabsInit();', { name: 'deep.html' });
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('ul:not([hidden]) .qj')].map(a => a.textContent)), ['B', 'C']);
});
