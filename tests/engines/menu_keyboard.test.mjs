// Keyboard paths of the Ostrel Menu: the site navigation (disclosure)
// pattern by default and the application menu bar pattern by parameter.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, menuPage, dataFile, defaultItems, bigItems, FLYOUT_PROJECT, DEFAULT_PROJECT } from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

// What has the focus: its text (or label) and kind, and the open submenus.
const where = page => page.evaluate(() => {
  const a = document.activeElement;
  const name = a.classList.contains('qx') ? a.getAttribute('aria-label') + ' (button)' : a.textContent;
  const open = [...document.querySelectorAll('nav .qo')].map(li => li.firstElementChild.textContent);
  return { focus: name, open };
});

// Presses `keys` one by one and returns where the focus is after each.
async function walk(page, keys) {
  const out = [];
  for (const k of keys) {
    await page.keyboard.press(k);
    out.push(await where(page));
  }
  return out;
}

const menubar = params => dataFile({ params: { menuKeyboard: 'menubar', ...params }, items: defaultItems() });

test('disclosure_tabAndEnterOpenEscapeClosesAndReturnsFocus', async () => {
  const page = await menuPage(b, FLYOUT_PROJECT, { after: '<a id="after" href="#after">After the menu</a>' });
  const steps = await walk(page, ['Tab', 'Tab', 'Tab', 'Enter', 'Tab', 'Tab', 'Enter', 'Tab', 'Escape', 'Escape']);
  assert.deepEqual(steps, [
    { focus: 'Home', open: [] },
    { focus: 'Products', open: [] },
    { focus: 'Products (button)', open: [] },
    { focus: 'Products (button)', open: ['Products'] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Software (button)', open: ['Products'] },
    { focus: 'Software (button)', open: ['Products', 'Software'] },
    { focus: 'Desktop editor', open: ['Products', 'Software'] },
    { focus: 'Software (button)', open: ['Products'] },
    { focus: 'Products (button)', open: [] }
  ]);
  const expanded = await page.getAttribute('nav button[aria-label="Products"]', 'aria-expanded');
  assert.equal(expanded, 'false');
  // Focus moving on to the page closes what is open.
  await walk(page, ['Enter', 'Tab']);
  assert.deepEqual((await where(page)).open, ['Products']);
  await page.locator('#after').focus();
  assert.deepEqual((await where(page)).open, []);
  assert.deepEqual(page.problems, []);
});

test('disclosure_arrowsMoveWithinAListAndIntoAnOpenSubmenu', async () => {
  const page = await menuPage(b, FLYOUT_PROJECT);
  await page.keyboard.press('Tab');
  const steps = await walk(page, ['ArrowRight', 'ArrowDown', 'Enter', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'End', 'Home', 'ArrowUp', 'Escape', 'End', 'ArrowRight']);
  assert.deepEqual(steps.map(s => s.focus), [
    'Products', 'Products (button)', 'Products (button)', 'Software', 'Software (button)', 'Hardware', 'All products', 'Software',
    'All products', 'Products (button)', 'Shop', 'Home'
  ]);
});

// The default project's Products submenu is a mega menu of three columns:
// Software (heading over Desktop editor and Web tools), Hardware, All products.
test('megaMenu_disclosure_downGoesThroughTheColumnsSidewaysJumpsBetweenThem', async () => {
  const page = await menuPage(b, DEFAULT_PROJECT);
  const steps = await walk(page, ['Tab', 'Tab', 'Tab', 'Enter', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight',
    'ArrowLeft', 'ArrowLeft', 'Home', 'End', 'Escape']);
  assert.deepEqual(steps.map(s => s.focus), ['Home', 'Products', 'Products (button)', 'Products (button)', 'Software', 'Desktop editor',
    'Web tools', 'Hardware', 'All products', 'Hardware', 'Software', 'Software', 'All products', 'Products (button)']);
  assert.deepEqual(steps.map(s => s.open.join()), ['', '', '', ...Array(10).fill('Products'), '']);
  // Tab goes through the column links in reading order, headings with a
  // link included.
  const tabs = await walk(page, ['Enter', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab']);
  assert.deepEqual(tabs.map(s => s.focus), ['Products (button)', 'Software', 'Desktop editor', 'Web tools', 'Hardware', 'All products']);
  assert.deepEqual(page.problems, []);
});

test('megaMenu_menubar_columnsAreGroupsAndRightGoesOnToTheNextBarItem', async () => {
  const page = await menuPage(b, DEFAULT_PROJECT.replace('var menuKeyboard="disclosure";', 'var menuKeyboard="menubar";'));
  const steps = await walk(page, ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowLeft', 'ArrowRight', 'ArrowRight',
    'ArrowRight', 'Escape']);
  assert.deepEqual(steps, [
    { focus: 'Home', open: [] },
    { focus: 'Products', open: [] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Desktop editor', open: ['Products'] },
    { focus: 'Hardware', open: ['Products'] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Hardware', open: ['Products'] },
    { focus: 'All products', open: ['Products'] },
    { focus: 'Web design', open: ['Services'] },
    { focus: 'Services', open: [] }
  ]);
  const group = await page.evaluate(() => {
    const g = document.querySelector('nav .qm [role=group]');
    return [g.getAttribute('aria-label'), [...g.querySelectorAll('[role=menuitem]')].map(x => x.textContent).join()];
  });
  assert.deepEqual(group, ['Software', 'Desktop editor,Web tools']);
  assert.deepEqual(page.problems, []);
});

test('menubar_oneTabStopAndArrowKeysThroughTheMenus', async () => {
  const page = await menuPage(b, menubar());
  const roles = await page.evaluate(() => [document.querySelector('nav .qb').getAttribute('role'),
    document.querySelector('nav .qu').getAttribute('role'), document.querySelector('nav .qi').getAttribute('role'),
    document.querySelectorAll('nav [tabindex="0"]').length]);
  assert.deepEqual(roles, ['menubar', 'menu', 'menuitem', 1]);
  const steps = await walk(page, ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowRight', 'ArrowDown', 'ArrowLeft', 'Escape', 'ArrowUp',
    'Home', 'ArrowDown', 'ArrowRight', 'ArrowLeft', 'ArrowLeft', 'End', 'Escape', 'ArrowLeft']);
  assert.deepEqual(steps, [
    { focus: 'Home', open: [] },
    { focus: 'Products', open: [] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Desktop editor', open: ['Products', 'Software'] },
    { focus: 'Web tools', open: ['Products', 'Software'] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Products', open: [] },
    { focus: 'All products', open: ['Products'] },
    { focus: 'Software', open: ['Products'] },
    { focus: 'Hardware', open: ['Products'] },
    // Right from an item without submenu: the next bar item, opened.
    { focus: 'Web design', open: ['Services'] },
    // Left from a first-level submenu: the previous bar item, opened.
    { focus: 'Software', open: ['Products'] },
    { focus: 'Home', open: [] },
    { focus: 'Shop', open: [] },
    { focus: 'Shop', open: [] },
    { focus: 'About us', open: [] }
  ]);
  // The bar keeps one Tab stop: the item last focused.
  const stops = await page.evaluate(() => [...document.querySelectorAll('nav [tabindex="0"]')].map(x => x.textContent));
  assert.deepEqual(stops, ['About us']);
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => !!document.activeElement.closest('nav')), false);
  assert.deepEqual(page.problems, []);
});

test('menubar_enterAndSpaceFollowLinksButNotDisabledItems', async () => {
  b.serve({ 'products/hardware.html': '<!DOCTYPE html><title>Hardware</title>' });
  for (const key of ['Enter', 'Space']) {
    const page = await menuPage(b, menubar());
    await walk(page, ['Tab', 'End', 'ArrowLeft', 'ArrowDown', 'ArrowDown', key]);
    assert.equal((await where(page)).focus, 'Careers', key);
    assert.match(page.url(), /index\.html$/, key);
    await walk(page, ['Escape', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft', 'ArrowDown', 'ArrowDown']);
    assert.equal((await where(page)).focus, 'Hardware', key);
    await Promise.all([page.waitForURL(/products\/hardware\.html$/), page.keyboard.press(key)]);
    await page.close();
  }
});

test('menubar_verticalAndRightToLeftTurnTheArrowKeys', async () => {
  const vertical = await menuPage(b, menubar({ menuOrientation: 'vertical' }));
  assert.deepEqual((await walk(vertical, ['Tab', 'ArrowDown', 'ArrowRight', 'ArrowLeft'])).map(s => s.focus),
    ['Home', 'Products', 'Software', 'Products']);
  const rtl = await menuPage(b, menubar(), { dir: 'rtl' });
  assert.deepEqual((await walk(rtl, ['Tab', 'ArrowLeft', 'ArrowDown', 'ArrowLeft', 'ArrowRight'])).map(s => s.focus),
    ['Home', 'Products', 'Software', 'Desktop editor', 'Software']);
});

test('generatedMenu_keyboardReachesTheThirdLevel', async () => {
  for (const menuKeyboard of ['disclosure', 'menubar']) {
    const page = await menuPage(b, dataFile({ params: { menuKeyboard }, items: bigItems() }));
    const keys = menuKeyboard === 'menubar' ? ['Tab', 'End', 'ArrowDown', 'End', 'ArrowRight', 'End']
      : ['Tab', 'End', 'Enter', 'ArrowDown', 'End', 'Enter', 'ArrowDown', 'End'];
    const steps = await walk(page, keys);
    assert.deepEqual(steps.at(-1), { focus: 'Page 9.9.9', open: ['Section 9', 'Topic 9.9'] }, menuKeyboard);
  }
});
