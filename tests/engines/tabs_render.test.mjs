// The Ostrel Tabs engine renders data files: the default project, tabs
// with content panels, placement, overflow, several tabs on a page, the
// remembered tab and broken data files.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, axeAudit, SITE } from './support.mjs';
import { T, tabsPage, panelItems, contents, state } from './tabs_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const attrs = (page, text) => page.evaluate(text => {
  const a = [...document.querySelectorAll('[role=tab]')].find(x => x.textContent === text);
  return Object.fromEntries([...a.attributes].filter(x => x.name !== 'id').map(x => [x.name, x.value]));
}, text);
const css = (page, text, prop) => page.evaluate(([text, prop]) =>
  getComputedStyle([...document.querySelectorAll('[role=tab]')].find(x => x.textContent === text))[prop], [text, prop]);

test('defaultProject_rendersLinkTabsWithTheirFieldsAndStyles', async () => {
  const page = await tabsPage(b, T.DEFAULT_PROJECT);
  assert.deepEqual(await state(page), { tabs: T.defaultItems().map(e => e[1] + (e[8] === 'current' ? '*' : '')).join(','), shown: '', focus: 'BODY' });
  assert.deepEqual(await attrs(page, 'Overview'), { href: SITE + 'index.html', role: 'tab', tabindex: '0', 'aria-selected': 'true', class: 'qi qc', 'aria-current': 'page' });
  assert.deepEqual(await attrs(page, 'Pricing'), { href: SITE + 'pricing.html', role: 'tab', tabindex: '-1', 'aria-selected': 'false', class: 'qi qs0', title: 'Spring offer' });
  assert.equal(await page.getAttribute('[role=tablist]', 'aria-label'), 'Site sections');
  // Item style 0 ("Offer") on Pricing, 1 ("Quiet") on Contact.
  assert.equal(await css(page, 'Pricing', 'backgroundColor'), 'rgb(252, 227, 207)');
  assert.equal(await css(page, 'Contact', 'fontSize'), '12px');
  assert.equal(await css(page, 'Features', 'backgroundColor'), 'rgb(233, 238, 245)');
  assert.deepEqual(await axeAudit(page, ':has(> [role=tablist])'), []);
  assert.deepEqual(page.problems, []);
});

test('contentTabs_showTheirElementsAsPanelsAndRememberTheSelection', async () => {
  // c0 stands before the data script, c1 and c2 after it.
  const data = T.dataFile({ params: { tabsRememberSelected: true }, items: panelItems(3) });
  const opts = { before: contents(1), after: contents(3).replace(contents(1), '') + '<p id="outside">Page</p>' };
  const page = await tabsPage(b, data, opts);
  assert.deepEqual(await state(page), { tabs: 'Tab 0*,Tab 1,Tab 2', shown: 'Content 0', focus: 'BODY' });
  const wired = await page.evaluate(() => [...document.querySelectorAll('[role=tab]')].map(t => {
    const p = document.getElementById(t.getAttribute('aria-controls'));
    return p.getAttribute('role') === 'tabpanel' && p.getAttribute('aria-labelledby') === t.id && p.parentNode === document.body;
  }));
  assert.deepEqual(wired, [true, true, true]);
  await page.click('text=Tab 2');
  assert.deepEqual(await state(page), { tabs: 'Tab 0,Tab 1,Tab 2*', shown: 'Content 2', focus: 'Tab 2' });
  assert.deepEqual(await axeAudit(page, ':has(> [role=tablist])'), []);
  // The choice outlives a reload; without the parameter it is forgotten.
  await page.reload();
  assert.equal((await state(page)).shown, 'Content 2');
  await page.close();
  const plain = await tabsPage(b, T.dataFile({ items: panelItems(3) }), { ...opts, name: 'plain.html' });
  await plain.click('text=Tab 1');
  await plain.reload();
  assert.equal((await state(plain)).shown, 'Content 0');
  // An item whose state is "current" wins over the parameter.
  const items = panelItems(3);
  items[1][8] = 'current';
  const cur = await tabsPage(b, T.dataFile({ params: { tabsSelected: 2 }, items }), { ...opts, name: 'current.html' });
  assert.equal((await state(cur)).shown, 'Content 1');
  assert.deepEqual([...page.problems, ...plain.problems, ...cur.problems], []);
});

test('placement_turnsTheTabsTowardsTheContentAndLeavesThePanelsWhereThePageHasThem', async () => {
  const sides = {};
  for (const side of ['top', 'bottom', 'left', 'right']) {
    const page = await tabsPage(b, T.dataFile({ params: { tabsPlacement: side }, items: panelItems(2) }), { after: contents(2), name: side + '.html' });
    sides[side] = await page.evaluate(() => {
      const l = document.querySelector('[role=tablist]'), p = document.querySelector('[role=tabpanel]:not([hidden])');
      const shown = document.querySelectorAll('[role=tabpanel]:not([hidden])').length;
      return [l.getAttribute('aria-orientation'), getComputedStyle(l).flexDirection, shown, p.parentNode === document.body];
    });
    assert.deepEqual(page.problems, []);
    await page.close();
  }
  assert.deepEqual(sides, { top: [null, 'row', 1, true], bottom: [null, 'row', 1, true], left: ['vertical', 'column', 1, true], right: ['vertical', 'column', 1, true] });
});

test('manyTabs_wrapOrScrollAsTheParameterSays', async () => {
  const items = Array.from({ length: 200 }, (_, i) => [0, `Section ${i}`, `s${i}.html`]);
  const rows = {};
  for (const overflow of ['wrap', 'scroll']) {
    const page = await tabsPage(b, T.dataFile({ params: { tabsOverflow: overflow }, items }), { name: overflow + '.html' });
    rows[overflow] = await page.evaluate(() => {
      const l = document.querySelector('[role=tablist]'), tabs = l.querySelectorAll('[role=tab]');
      return [tabs.length, new Set([...tabs].map(t => t.offsetTop)).size > 1, l.scrollWidth > l.clientWidth];
    });
    assert.deepEqual(page.problems, []);
    await page.close();
  }
  assert.deepEqual(rows, { wrap: [200, true, false], scroll: [200, false, true] });
});

test('placementInPage_severalTabsAndAbsolutePosition', async () => {
  const one = T.dataFile({ items: panelItems(2) });
  const two = T.dataFile({ params: { tabsPosition: 'absolute', tabsLeft: '300px', tabsTop: '200px', tabsSelected: 1 }, items: [[0, 'X', 'x.html'], [0, 'Y', 'y.html']] });
  b.serve({ 'one.js': one, 'two.js': two, 'qrntabs.js': T.ENGINE,
    'several.html': `<!DOCTYPE html><html lang="en"><head><title>T</title><script src="qrntabs.js"></script></head><body>` +
      `<div id="here"><script src="one.js"></script></div>${contents(2)}<script src="two.js"></script></body></html>` });
  const page = await openPage(b, SITE + 'several.html');
  const r = await page.evaluate(() => {
    const lists = [...document.querySelectorAll('[role=tablist]')];
    const box = lists[1].parentNode.getBoundingClientRect();
    return [lists[0].parentNode.parentNode.id, lists.map(l => l.querySelector('[aria-selected=true]').textContent).join(','),
      Math.round(box.left) + ',' + Math.round(box.top), new Set([...document.querySelectorAll('[id]')].map(e => e.id)).size === document.querySelectorAll('[id]').length];
  });
  assert.deepEqual(r, ['here', 'Tab 0,Y', '300,200', true]);
  await page.click('text=Tab 1');
  assert.deepEqual(await state(page), { tabs: 'Tab 0,Tab 1*', shown: 'Content 1', focus: 'Tab 1' });
  assert.equal(await page.evaluate(() => document.querySelectorAll('[role=tablist]')[1].querySelector('[aria-selected=true]').textContent), 'Y');
  assert.deepEqual(page.problems, []);
});

test('brokenDataFiles_renderWhatTheyCanWithoutErrors', async () => {
  const cases = [
    ['nothing declared', 'qrn_tabsInit();', ''],
    ['wrong types', 'var tabsPlacement=5;var tabsSelected="x";var bstyles=3;var tabsRememberSelected="yes";var bmenuItems=[["A",7,null],["B",null,"","","","","9"]];qrn_tabsInit();', 'A*,B'],
    ['holes, deeper levels, missing content', 'var bmenuItems=[,"@undefined",["|A"],["B","","","","","","","disabled"],["C","","","","","","","","","","nowhere"]];qrn_tabsInit();', 'A*,B,C'],
    ['a leading separator takes the first level', 'var bmenuItems=[["-"],["|A"],["B"],["|C"]];qrn_tabsInit();', 'B*'],
    ['every tab disabled', 'var bmenuItems=[["A","a.html","","","","","","disabled"],["B","","","","","","","disabled","","","c"]];qrn_tabsInit();', 'A,B'],
    ['selected out of range and disabled', 'var tabsSelected=7;var bmenuItems=[["A","","","","","","","disabled"],["B"]];qrn_tabsInit();', 'A,B*']
  ];
  for (const [name, data, tabs] of cases) {
    const page = await tabsPage(b, data, { name: 'broken.html' });
    assert.equal((await state(page)).tabs, tabs, name);
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
});
