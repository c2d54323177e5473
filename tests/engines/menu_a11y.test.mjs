// An axe-core audit of the rendered Ostrel Menu, closed and open, in both
// keyboard patterns, on a wide and a small screen.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import { test, launch, menuPage, dataFile, defaultItems, bigItems } from './support.mjs';

const AXE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let b;
before(async () => { b = await launch(); });
after(async () => { await b.close(); });

// Violations inside the menu, as "rule: target" lines.
async function audit(page) {
  await page.addScriptTag({ content: AXE });
  return page.evaluate(async () => {
    // Opening effects at their end: contrast is judged on the settled menu.
    for (const a of document.getAnimations()) a.finish();
    const r = await window.axe.run(document.querySelector('nav'), { resultTypes: ['violations'] });
    return r.violations.flatMap(v => v.nodes.map(n => v.id + ': ' + n.target.join(' ')));
  });
}

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
    assert.deepEqual(await audit(page), [], c.name + ', closed');
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
    assert.deepEqual(await audit(page), [], c.name + ', open');
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});
