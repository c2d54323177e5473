// An axe-core audit of generated Ostrel Menus whose items and submenus use
// individual styles: the default project's styles pass, closed and open; a
// style under the contrast minimum is found on the items that use it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, onePage, menuPage, dataFile, bigItems, axeAudit } from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

// The default project's styles, as its description gives them.
const CALL_TO_ACTION = { menuItemBackColor: '#B5500F', menuItemTextColor: '#FFFFFF', menuItemFont: 'bold 13px Verdana, Geneva, sans-serif',
  menuItemHoverBackColor: '#8F3F0C', menuItemBorderWidth: '0px' };
const HIGHLIGHTED = { menuItemTextColor: '#B8420F', menuItemHoverTextColor: '#FFFFFF', menuItemHoverBackColor: '#B8420F' };
const WIDE = { menuSubWidth: '240px', menuSubShadowSize: '8px', menuSubBackColor: '#FBFCFE' };

// Every third item takes item style 0, every fifth style 1; sections open
// their submenus with submenu style 0. Field 6 is the item style, 7 the
// submenu style.
function styledItems() {
  return bigItems(4, 4, 3).map((it, i) => {
    const f = it.slice(0, 3).concat(['', '', '', '', '', '', '', '', '']);
    f[7] = i % 3 === 0 ? '0' : i % 5 === 0 ? '1' : '';
    f[8] = it[0] === 0 ? '0' : '';
    return f;
  });
}

async function openEverything(page) {
  for (const button of await page.locator('nav [aria-expanded="false"]:not(.qg)').all())
    if (await button.isVisible()) await button.click();
}

test('axe_findsNothingInStyledMenusClosedAndOpen', async () => {
  const page = await menuPage(b, dataFile({ itemStyles: [CALL_TO_ACTION, HIGHLIGHTED], menuStyles: [WIDE], items: styledItems() }));
  assert.ok(await page.locator('nav .qs0').count() > 3, 'the styles are in use');
  assert.deepEqual(await axeAudit(page), [], 'closed');
  await openEverything(page);
  assert.ok(await page.locator('nav .qo').count() > 0, 'something is open');
  assert.deepEqual(await axeAudit(page), [], 'open');
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('axe_findsAStyleUnderTheMinimumOnItsItems', async () => {
  const yellow = Object.assign({}, CALL_TO_ACTION, { menuItemBackColor: '#FFFF00' });
  const page = await menuPage(b, dataFile({ itemStyles: [yellow, HIGHLIGHTED], menuStyles: [WIDE], items: styledItems() }));
  await openEverything(page);
  const found = await axeAudit(page);
  assert.ok(found.length > 0, 'white on yellow is found');
  assert.ok(found.every(f => f.startsWith('color-contrast: ')), found.join('\n'));
  await page.close();
});
