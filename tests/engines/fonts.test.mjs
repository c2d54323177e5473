// Every engine hands a font value to the browser as the data file gives it:
// a stack of quoted and plain family names ending in a generic family
// reaches each rendered item's computed font-family unchanged, from the
// menu-wide parameters and from an individual item style.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, pageHtml, menuType, SITE } from './support.mjs';
import { T as TABS } from './tabs_support.mjs';
import { T as TABMENU } from './tabmenu_support.mjs';
import { T as TREE } from './tree_support.mjs';

const MENU = menuType('ostrel-menu', 'qrnmenu.js');
const STACK = '"Segoe UI", Verdana, Geneva, sans-serif';
const STYLE_STACK = '"Trebuchet MS", "DejaVu Sans", Arial, sans-serif';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

// [level, text] pairs; the last top-level item takes item style 0.
const TWO_LEVELS = [[0, 'Home'], [0, 'Products'], [1, 'Widgets'], [1, 'Gadgets'], [0, 'Styled'], [1, 'Inside styled']];
const ONE_LEVEL = [[0, 'Home'], [0, 'Products'], [0, 'Styled']];

const ENGINES = [
  { name: 'Ostrel Menu', t: MENU, items: TWO_LEVELS },
  { name: 'Ostrel Tree Menu', t: TREE, items: TWO_LEVELS },
  { name: 'Ostrel Tabs', t: TABS, items: ONE_LEVEL },
  { name: 'Ostrel Tab Menu', t: TABMENU, items: TWO_LEVELS }
];

// The data file of `t` with every font parameter set to STACK and an item
// style whose fonts are STYLE_STACK, used by the item "Styled".
function fontMenu(t, items) {
  const fonts = t.type.params.filter(p => p.kind === 'font');
  const params = Object.fromEntries(fonts.map(p => [p.name, 'normal 14px ' + STACK]));
  const style = Object.fromEntries(fonts.filter(p => / item /.test(' ' + p.styles + ' ')).map(p => [p.name, 'bold 14px ' + STYLE_STACK]));
  const styleField = t.type.itemFields.findIndex(f => f.key === 'itemStyle');
  const rows = items.map(([level, text]) => {
    const row = [level, text, text.toLowerCase().replace(/ /g, '-') + '.html'];
    while (row.length < 12) row.push('');
    if (text === 'Styled') row[1 + styleField] = '0';
    return row;
  });
  return t.dataFile({ params, styles: [style], items: rows });
}

// The computed font-family of the element holding each item's text, inside
// a menu (the engines give their menus a class beginning "qrn").
function fontsOfItems(page, texts) {
  return page.evaluate(texts => {
    const found = {};
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let n = walker.nextNode(); n; n = walker.nextNode()) {
      const text = n.nodeValue.trim();
      if (texts.includes(text) && !(text in found) && n.parentElement.closest('[class^="qrn"],[class*=" qrn"]'))
        found[text] = getComputedStyle(n.parentElement).fontFamily;
    }
    return found;
  }, texts);
}

for (const { name, t, items } of ENGINES) {
  test(`${name}: a font stack reaches every item unchanged`, async () => {
    const page = `${t.engine}.fonts.html`;
    b.serve({ [t.engine]: t.ENGINE, 'fonts-data.js': fontMenu(t, items), [page]: pageHtml({ engine: t.engine, data: ['fonts-data.js'] }) });
    const p = await openPage(b, SITE + page);
    // Submenus, branches and rows are written while the page is idle, the
    // Tab Menu's one row at a time.
    const texts = items.map(([, text]) => text);
    await p.waitForFunction(texts => !document.querySelector('.qw') && texts.every(t => document.body.textContent.includes(t)), texts);
    const fonts = await fontsOfItems(p, texts);
    assert.deepEqual(Object.keys(fonts).sort(), [...texts].sort(), 'every item is rendered');
    for (const text of texts) {
      const expected = text === 'Styled' ? STYLE_STACK : STACK;
      assert.equal(fonts[text], expected, `${name}, item "${text}"`);
    }
    if (p.problems) assert.deepEqual(p.problems, []);
    await p.close();
  });
}
