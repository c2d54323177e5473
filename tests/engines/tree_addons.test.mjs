// The add-ons of the Ostrel Tree Menu: expand/collapse all and the filter
// (qrntmenu_add.js), and the branches and scroll position kept for the
// visit (qrntmenu_ss.js), loaded before or after the data file.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, bigItems } from './support.mjs';
import { T, treePage, shown, focused, smallTree } from './tree_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const closed = 'Alpha-,Beta-,Gamma,Delta-';
const all = 'Alpha+,|Apple,|Apricot+,||Dried,Beta+,|Banana,|Blueberry,Gamma,Delta+,|Date';
const filter = async (page, text) => {
  await page.getByRole('searchbox', { name: 'Filter' }).fill(text);
  return shown(page);
};

test('expandAndCollapseAll_openAndCloseEveryBranch_loadedBeforeOrAfterTheData', async () => {
  for (const late of [false, true]) {
    const page = await treePage(b, T.dataFile({ items: smallTree() }), { addons: ['qrntmenu_add.js'], late, name: 'all.html' });
    await page.getByRole('button', { name: 'Expand all' }).click();
    assert.equal(await shown(page), all, 'late ' + late);
    await page.getByRole('button', { name: 'Collapse all' }).click();
    assert.equal(await shown(page), closed, 'late ' + late);
    assert.deepEqual(page.problems, [], 'late ' + late);
    await page.close();
  }
});

test('filter_showsMatchesWithTheirAncestorsAndRestoresTheTreeWhenEmptied', async () => {
  const page = await treePage(b, T.dataFile({ items: smallTree() }), { addons: ['qrntmenu_add.js'] });
  await page.getByRole('treeitem', { name: 'Beta' }).click();
  const before = await shown(page);
  assert.equal(await filter(page, 'dri'), 'Alpha+,|Apricot+,||Dried');
  assert.equal(await filter(page, 'DATE'), 'Delta+,|Date');
  // Apricot matches, its child does not: it stays, closed.
  assert.equal(await filter(page, 'a'), 'Alpha+,|Apple,|Apricot-,Beta+,|Banana,Gamma,Delta+,|Date');
  assert.equal(await filter(page, 'nothing like it'), '');
  assert.equal(await filter(page, ''), before);
  // The keys walk the filtered tree, from a tab stop that is shown.
  await filter(page, 'blue');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'Beta');
  await page.keyboard.press('ArrowDown');
  assert.equal(await focused(page), 'Blueberry');
  assert.deepEqual(page.problems, []);
});

test('filter_findsItemsDeepInALargeTree', async () => {
  const page = await treePage(b, T.dataFile({ items: bigItems() }), { addons: ['qrntmenu_add.js'] });
  assert.equal(await filter(page, 'Page 7.3.5'), 'Section 7+,|Topic 7.3+,||Page 7.3.5');
  assert.deepEqual(page.problems, []);
});

test('openBranches_andScrollPosition_lastTheVisitAndAreForgottenWhenTheItemsChange', async () => {
  const params = { tmenuHeight: '120px', tmenuAnimDuration: 0 };
  const open = async name => {
    const page = await treePage(b, T.dataFile({ params, items: smallTree() }), { addons: ['qrntmenu_ss.js'], name });
    await page.getByRole('treeitem', { name: 'Beta' }).click();
    await page.getByRole('treeitem', { name: 'Delta' }).click();
    await page.evaluate(() => { document.querySelector('nav').scrollTop = 40; document.querySelector('nav').dispatchEvent(new Event('scroll')); });
    return page;
  };
  const scroll = page => page.evaluate(() => document.querySelector('nav').scrollTop);
  const page = await open('kept.html');
  await page.reload();
  assert.equal(await shown(page), 'Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta+,|Date');
  assert.equal(await scroll(page), 40);
  // Another item: the kept branches belong to other items.
  const changed = smallTree();
  changed[5][1] = 'Bananas';
  b.serve({ 'data.js': T.dataFile({ params, items: changed }) });
  await page.reload();
  assert.equal(await shown(page), 'Alpha-,Beta-,Gamma,Delta-');
  assert.equal(await scroll(page), 0);
  assert.deepEqual(page.problems, []);
  await page.close();
  // Without the parameter nothing is kept; the add-on loaded after the data
  // file keeps the branches as well.
  for (const [name, p, late, expect] of [['off.html', { tmenuRemember: false }, false, closed],
    ['late.html', {}, true, 'Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta+,|Date']]) {
    const data = T.dataFile({ params: { ...params, ...p }, items: smallTree() });
    const page = await treePage(b, data, { addons: ['qrntmenu_ss.js'], late, name });
    await page.getByRole('treeitem', { name: 'Beta' }).click();
    await page.getByRole('treeitem', { name: 'Delta' }).click();
    await page.reload();
    assert.equal(await shown(page), expect, name);
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
});

test('scrolling_keepsThePositionAfterABurstWithoutSavingOnEveryEvent', async () => {
  const params = { tmenuHeight: '120px', tmenuAnimDuration: 0 };
  const page = await treePage(b, T.dataFile({ params, items: smallTree() }), { addons: ['qrntmenu_ss.js'], name: 'burst.html' });
  await page.getByRole('treeitem', { name: 'Beta' }).click();
  await page.getByRole('treeitem', { name: 'Delta' }).click();
  const writes = await page.evaluate(() => {
    let n = 0;
    const set = Storage.prototype.setItem;
    Storage.prototype.setItem = function (...a) { n++; return set.apply(this, a); };
    const nav = document.querySelector('nav');
    for (let y = 1; y <= 40; y++) { nav.scrollTop = y; nav.dispatchEvent(new Event('scroll')); }
    return n;
  });
  assert.equal(writes, 0);
  await page.waitForFunction(() => Object.keys(sessionStorage).some(k => JSON.parse(sessionStorage.getItem(k)).y === 40));
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('twoTreesWithTheirOwnStorageNames_keepTheirOwnBranches', async () => {
  b.serve({
    'qrntmenu.js': T.ENGINE,
    'one.js': T.dataFile({ params: { tmenuRememberKey: 'one', tmenuLabel: 'One', tmenuAnimDuration: 0 }, items: smallTree() }),
    'two.js': T.dataFile({ params: { tmenuRememberKey: 'two', tmenuLabel: 'Two', tmenuAnimDuration: 0 }, items: smallTree() })
  });
  const page = await treePage(b, '', { addons: ['qrntmenu_add.js', 'qrntmenu_ss.js'], data: ['one.js', 'two.js'], name: 'two.html' });
  await page.locator('nav').nth(0).getByRole('treeitem', { name: 'Beta' }).click();
  await page.locator('nav').nth(1).getByRole('button', { name: 'Expand all' }).click();
  await page.reload();
  assert.equal(await shown(page, 'nav:nth-of-type(1)'), 'Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-');
  assert.equal(await shown(page, 'nav:nth-of-type(2)'), all);
  assert.deepEqual(page.problems, []);
});
