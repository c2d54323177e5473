// An axe-core audit of the rendered Ostrel Menu, closed and open, in both
// keyboard patterns, on a wide and a small screen.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, menuPage, dataFile, defaultItems, bigItems, axeAudit } from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

test('axe_findsNothingInTheMenuClosedAndOpen', async () => {
  const cases = [
    { name: 'site navigation', params: {}, items: defaultItems() },
    { name: 'menu bar', params: { menuKeyboard: 'menubar' }, items: defaultItems() },
    { name: 'generated', params: {}, items: bigItems(5, 5, 5) },
    { name: 'small screen', params: {}, items: defaultItems(), small: true },
    { name: 'mega menus', params: { menuSubColumns: 3 }, items: defaultItems() },
    { name: 'mega menus in a menu bar', params: { menuSubColumns: 3, menuKeyboard: 'menubar' }, items: defaultItems() },
    { name: 'mega menus on a small screen', params: { menuSubColumns: 3 }, items: defaultItems(), small: true }
  ];
  for (const c of cases) {
    const page = await menuPage(b, dataFile({ params: c.params, items: c.items }));
    if (c.small) {
      await page.setViewportSize({ width: 480, height: 700 });
      await page.locator('nav .qg').click();
    }
    assert.deepEqual(await axeAudit(page, 'nav'), [], c.name + ', closed');
    // Every submenu open at once: the deepest state the markup can be in.
    if (c.params.menuKeyboard === 'menubar') {
      await page.keyboard.press('Tab');
      await page.keyboard.press('ArrowRight');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowRight');
    } else {
      for (const button of await page.locator('nav [aria-expanded="false"]:not(.qg)').all())
        if (await button.isVisible()) await button.click();
    }
    assert.ok(await page.locator('nav .qo').count() > 0, c.name + ': something is open');
    assert.deepEqual(await axeAudit(page, 'nav'), [], c.name + ', open');
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});
