// The Ostrel Tree Menu renders data files: the default project, a large
// generated tree, the item fields, placement, several trees on a page,
// right-to-left pages, an axe audit and broken data files.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, pageHtml, bigItems, axeAudit, SITE } from './support.mjs';
import { T, treePage, settled, shown, smallTree } from './tree_support.mjs';

let b;
before(async () => {
  b = onePage(await launch());
  const svg = '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>';
  b.serve({ 'pic.svg': svg, 'hover.svg': svg, 'open.svg': svg });
});
after(async () => { await b.close(); });

const attrs = (page, text) => page.evaluate(text => {
  const a = [...document.querySelectorAll('[role=treeitem]')].find(x => x.textContent === text);
  return Object.fromEntries([...a.attributes].filter(x => x.name !== 'aria-owns').map(x => [x.name, x.value]));
}, text);
const css = (page, text, prop) => page.evaluate(([text, prop]) =>
  getComputedStyle([...document.querySelectorAll('[role=treeitem]')].find(x => x.textContent === text))[prop], [text, prop]);


test('defaultProject_rendersItsTreeWithFieldsStylesAndTheOpenBranch', async () => {
  const page = await treePage(b, T.DEFAULT_PROJECT);
  assert.equal(await shown(page), 'Getting started+,|Installation,|First steps,User guide-,Reference-,Downloads,Contact');
  assert.deepEqual(await attrs(page, 'Getting started'),
    { role: 'treeitem', tabindex: '0', class: 'qi', 'aria-level': '1', 'aria-expanded': 'true' });
  assert.deepEqual(await attrs(page, 'Downloads'),
    { role: 'treeitem', tabindex: '-1', class: 'qi', 'aria-level': '1', href: SITE + 'downloads.html', title: 'Latest version' });
  assert.equal(await page.getAttribute('[role=tree]', 'aria-label'), 'Site contents');
  // Item style 0 ("Section heading") on the sections, 1 ("Highlighted") on
  // Downloads; submenu style 0 ("Shaded branch") on the branch of User guide.
  assert.equal(await css(page, 'Reference', 'fontWeight'), '700');
  assert.equal(await css(page, 'Contact', 'fontWeight'), '400');
  assert.equal(await css(page, 'Downloads', 'backgroundColor'), 'rgb(255, 244, 229)');
  await page.getByRole('treeitem', { name: 'User guide' }).click();
  const group = () => page.evaluate(() => getComputedStyle(document.querySelector('[aria-owns$="-3"]').nextElementSibling).backgroundColor);
  assert.equal(await group(), 'rgb(243, 246, 250)');
  assert.deepEqual(await axeAudit(page), []);
  assert.deepEqual(page.problems, []);
});

test('generatedTree_writesAll1110ItemsShowsTheFirstLevelAndOpensTheThird', async () => {
  const page = await treePage(b, T.dataFile({ items: bigItems() }));
  assert.deepEqual(await page.evaluate(() => [document.querySelectorAll('[role=treeitem]').length,
    [...document.querySelectorAll('[role=treeitem]')].filter(a => a.offsetParent).length]), [1110, 10]);
  // Both have links: their expanders open them.
  // Each branch is clicked open once the one above it has finished sliding:
  // the test is of what is shown, not of clicks into a moving branch.
  const settled = () => page.waitForFunction(() => document.getAnimations().length === 0);
  await page.getByRole('treeitem', { name: 'Section 9' }).locator('.qe').click();
  await page.waitForFunction(() => [...document.querySelectorAll('[role=treeitem]')]
    .some(a => a.textContent.trim() === 'Section 9' && a.getAttribute('aria-expanded') === 'true'));
  await settled();
  await page.getByRole('treeitem', { name: 'Topic 9.9' }).locator('.qe').click();
  await settled();
  await page.getByRole('treeitem', { name: 'Page 9.9.9' }).waitFor();
  assert.equal((await shown(page)).split(',').length, 30);
  assert.equal(await page.getByRole('treeitem', { name: 'Page 9.9.9' }).getAttribute('aria-level'), '3');
  assert.deepEqual(await axeAudit(page), []);
  assert.deepEqual(page.problems, []);
});

test('itemFields_linksTargetsIconsIdsSeparatorsAndStates', async () => {
  const items = [
    [0, '<b>Bold</b> text', 'a.html', '_blank', 'Tip', 'pic.svg', 'hover.svg', 'open.svg', '', '', '', 'item-a'],
    [1, 'Child', 'c.html'],
    [0, '-'],
    [0, 'Off', 'off.html', '', '', '', '', '', '', '', 'disabled'],
    [0, 'Here', 'here.html', '', '', '', '', '', '', '', 'current']
  ];
  const page = await treePage(b, T.dataFile({ items }));
  const r = await page.evaluate(() => {
    const a = document.getElementById('item-a');
    const off = [...document.querySelectorAll('.qi')].find(x => x.textContent === 'Off');
    return [a.getAttribute('href'), a.target, a.title, a.querySelector('b').textContent, [...a.querySelectorAll('img')].map(i => i.getAttribute('src') + ':' + i.alt),
      off.hasAttribute('href'), off.getAttribute('aria-disabled'), off.parentNode.className, document.querySelector('[aria-current=page]').textContent,
      document.querySelector('[aria-current=page]').tabIndex];
  });
  assert.deepEqual(r, ['a.html', '_blank', 'Tip', 'Bold', ['open.svg:', 'pic.svg:', 'hover.svg:'], false, 'true', ' qz', 'Here', 0]);
  const icons = () => page.evaluate(() => [...document.querySelectorAll('#item-a img')].map(i => getComputedStyle(i).display !== 'none'));
  assert.deepEqual(await icons(), [false, true, false]);
  // The open icon while the branch is open, the hover icon under the mouse.
  await page.locator('#item-a .qe').click();
  await page.mouse.move(600, 600);
  assert.deepEqual(await icons(), [true, false, false]);
  await page.hover('#item-a');
  assert.deepEqual(await icons(), [false, false, true]);
  // A disabled item neither follows its link nor opens.
  await page.getByRole('treeitem', { name: 'Off' }).click({ force: true });
  assert.equal(page.url(), SITE + 'tree.html');
  assert.deepEqual(page.problems, []);
});

test('placement_inFlowAndAbsolute_beforeAndAfterLoad', async () => {
  const cases = [
    { name: 'flow-loading', params: {}, expect: 'before-script' },
    { name: 'absolute-loading', params: { tmenuPosition: 'absolute', tmenuLeft: '320px', tmenuTop: '80px' }, expect: 'absolute' },
    { name: 'flow-after-load', params: {}, late: true, expect: 'before-script' },
    { name: 'absolute-after-load', params: { tmenuPosition: 'absolute', tmenuLeft: '320px', tmenuTop: '80px' }, late: true, expect: 'absolute' },
    { name: 'flow-in-head', params: {}, head: true, expect: 'body-start' }
  ];
  for (const c of cases) {
    const data = T.dataFile({ params: c.params, items: smallTree() });
    const late = `<div id="spot"></div><script>addEventListener('load', () => { const s = document.createElement('script');` +
      ` s.src = 'data-${c.name}.js'; document.getElementById('spot').appendChild(s); });</script>`;
    b.serve({
      'qrntmenu.js': T.ENGINE, [`data-${c.name}.js`]: data,
      [`${c.name}.html`]: pageHtml({
        engine: 'qrntmenu.js', data: c.late || c.head ? [] : [`data-${c.name}.js`], before: '<p id="first">First</p>', after: c.late ? late : '',
        head: c.head ? `<script src="data-${c.name}.js"></script>` : ''
      })
    });
    const page = await openPage(b, SITE + c.name + '.html');
    await page.waitForSelector('nav');
    const r = await page.evaluate(() => {
      const nav = document.querySelector('nav'), rect = nav.getBoundingClientRect();
      return { src: nav.nextElementSibling?.getAttribute('src'), first: document.body.firstElementChild === nav,
        position: getComputedStyle(nav).position, x: rect.left, y: rect.top };
    });
    if (c.expect === 'before-script') assert.equal(r.src, `data-${c.name}.js`, c.name);
    if (c.expect === 'body-start') assert.equal(r.first, true, c.name);
    if (c.expect === 'absolute') assert.deepEqual([r.position, r.x, r.y], ['absolute', 320, 80], c.name);
    assert.equal(await shown(page), 'Alpha-,Beta-,Gamma,Delta-', c.name);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});

test('severalTrees_keepTheirOwnItemsLooksAndState', async () => {
  b.serve({
    'qrntmenu.js': T.ENGINE,
    'one.js': T.dataFile({ params: { tmenuItemTextColor: '#FF0000', tmenuLabel: 'One' }, items: [[0, 'A'], [1, 'A1'], [0, 'B']] }),
    'two.js': T.dataFile({ params: { tmenuItemTextColor: '#0000FF', tmenuLabel: 'Two', tmenuSingleBranch: true }, items: [[0, 'A'], [1, 'X1'], [0, 'Y'], [1, 'Y1']] }),
    'two-trees.html': pageHtml({ engine: 'qrntmenu.js', data: ['one.js', 'two.js'] })
  });
  const page = await openPage(b, SITE + 'two-trees.html');
  await settled(page);
  await page.locator('nav').nth(0).getByRole('treeitem', { name: 'A' }).click();
  await page.locator('nav').nth(1).getByRole('treeitem', { name: 'Y' }).click();
  const r = await page.evaluate(() => [...document.querySelectorAll('nav')].map(n => [n.getAttribute('aria-label'),
    getComputedStyle(n.querySelector('.qi')).color, n.querySelectorAll('[aria-expanded=true]').length, n.querySelectorAll('[tabindex="0"]').length]));
  assert.deepEqual(r, [['One', 'rgb(255, 0, 0)', 1, 1], ['Two', 'rgb(0, 0, 255)', 1, 1]]);
  assert.equal(await shown(page, 'nav:first-of-type'), 'A+,|A1,B');
  assert.equal(new Set(await page.evaluate(() => [...document.querySelectorAll('[id]')].map(e => e.id))).size,
    await page.evaluate(() => document.querySelectorAll('[id]').length));
  assert.deepEqual(page.problems, []);
});

test('rightToLeftPage_indentsFromTheRight', async () => {
  const page = await treePage(b, T.dataFile({ items: smallTree() }), { dir: 'rtl' });
  await page.getByRole('treeitem', { name: 'Alpha' }).locator('.qe').click();
  const r = await page.evaluate(() => {
    const box = t => [...document.querySelectorAll('.qi')].find(x => x.textContent === t).querySelector('span:last-child').getBoundingClientRect();
    return box('Apple').right < box('Alpha').right;
  });
  assert.equal(r, true);
  assert.deepEqual(page.problems, []);
});

test('brokenDataFiles_renderWhatTheyCanWithoutErrors', async () => {
  const cases = [
    ['nothing declared', 'qrn_tmenuInit();', ''],
    ['items not an array', 'var tmenuItems="A";qrn_tmenuInit();', ''],
    ['empty arrays', 'var tmenuItems=[];var tstyles=[];var tXPStyles=[];qrn_tmenuInit();', ''],
    ['wrong types', 'var tmenuIndent=5;var tmenuAnimDuration="soon";var tmenuLines="maybe";var tmenuItemFont=null;var tstyles=3;' +
      'var tXPStyles=[null,"x",[7]];var tmenuItems=[["A",7,null,{},[],"","","0","0","open"],["|B"]];qrn_tmenuInit();', 'A+,|B'],
    ['level jumps', 'var tmenuItems=[["|||A"],["|||B"],["C"],["||D"]];qrn_tmenuInit();', 'A-,C-'],
    ['holes', 'var tmenuItems=[["A"],,"@undefined",undefined,null,5,["B","@undefined","@undefined"],];qrn_tmenuInit();', 'A,B'],
    ['styles out of range', 'var tstyles=[["tmenuItemTextColor=#FF0000"]];var tmenuItems=[["A","","","","","","","7","9"],["|B"]];qrn_tmenuInit();', 'A-'],
    ['only separators', 'var tmenuItems=[["-"],["A"],["|-"],["-"]];qrn_tmenuInit();', 'A'],
    ['several current items', 'var tmenuItems=[["A"],["|B","","","","","","","","","current"],["C"],["|D","","","","","","","","","current"]];qrn_tmenuInit();', 'A+,|B,C-']
  ];
  for (const [name, data, tree] of cases) {
    const page = await treePage(b, data, { name: 'broken.html' });
    assert.equal(await shown(page), tree, name);
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
});

test('engine_definesOnlyItsStartFunctionAndHookAndNeedsNoEval', async () => {
  const csp = `<meta http-equiv="Content-Security-Policy" content="script-src 'self'">`;
  b.serve({ 'qrntmenu.js': T.ENGINE, 'data.js': T.DEFAULT_PROJECT, 'names.js': 'window.before = Object.keys(window);',
    'globals.html': `<!DOCTYPE html><html lang="en"><head><title>g</title>${csp}<script src="names.js"></script><script src="qrntmenu.js"></script>` +
      `<script src="qrntmenu_add.js"></script><script src="qrntmenu_ss.js"></script></head><body><script src="data.js"></script></body></html>` });
  const page = await openPage(b, SITE + 'globals.html');
  await settled(page);
  const added = await page.evaluate(() => Object.keys(window).filter(k => !window.before.includes(k) && k !== 'before'));
  assert.deepEqual(added.filter(k => !/^(tmenu|tstyles|tXPStyles)/.test(k)).sort(), ['qrn_tmenu', 'qrn_tmenuInit']);
  assert.equal(await page.locator('[role=treeitem]').count(), 13);
  assert.deepEqual(page.problems, []);
});
