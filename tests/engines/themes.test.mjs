// Every shipped theme, applied to its type's example items, renders in each
// browser without errors, fits a 375 px phone without a horizontal scroll
// bar, and works on a right-to-left page. It passes the axe-core audit
// closed and with its submenus open: the audit reads the markup the engine
// writes and the colours the theme gives it, which are the same in every
// browser, so it runs in Chromium; each type's own tests audit its engine in
// every browser.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test, launch, onePage, openPage, pageHtml, menuType, axeAudit, BIN, SITE, BROWSER } from './support.mjs';

const TYPES = [['ostrel-menu', 'qrnmenu.js'], ['tree-menu', 'qrntmenu.js'], ['tabs', 'qrntabs.js'], ['tab-menu', 'qrntabmenu.js']];

let b, walk;
// The 64 pages load one after another into one page: a new page costs a
// browser about a fifth of a second of processor time, a load much less.
before(async () => { b = await launch(); walk = onePage(b); });
after(async () => { await b.close(); });

// The theme's text with the example project's items in place of its empty
// item list: a data file as the user has it after applying the theme.
function themed(theme, project, itemsName) {
  const items = new RegExp(`var ${itemsName} = \\[[\\s\\S]*\\];`);
  assert.match(theme, items);
  return theme.replace(items, () => project.match(items)[0]);
}

test('everyShippedTheme_rendersCleanOnPhonesAndRightToLeft', async () => {
  let count = 0;
  for (const [id, engine] of TYPES) {
    const type = menuType(id, engine);
    const folder = path.join(BIN, 'themes', id);
    const names = fs.readdirSync(folder).filter(f => f.endsWith('.js')).sort();
    assert.ok(names.length >= 8, `${id}: ${names.length} themes`);
    for (const name of names) {
      const what = `${id}/${name}`;
      const data = themed(fs.readFileSync(path.join(folder, name), 'latin1'), type.DEFAULT_PROJECT, type.type.names.items);
      const file = `${id}-${name}`;
      b.serve({ [engine]: type.ENGINE, [file]: data,
        [file + '.html']: pageHtml({ data: [file], engine }), [file + '.rtl.html']: pageHtml({ data: [file], engine, dir: 'rtl' }) });
      const page = await openPage(walk, SITE + file + '.html');
      await page.waitForFunction(() => document.querySelector('[class^="qrn"]') && !document.querySelector('.qw'));
      if (BROWSER === 'chromium') assert.deepEqual(await axeAudit(page, '[class^="qrn"]'), [], what + ', closed');
      // Every disclosure the menu offers opened, so that submenus and rows
      // are audited in their colours too.
      await page.evaluate(() => {
        // Buttons open submenus; a tree branch opens on its expander, as
        // its text may be a link.
        for (const x of document.querySelectorAll('button[aria-expanded="false"]:not(.qg),[aria-expanded="false"]>.qe'))
          if (x.offsetParent) x.click();
      });
      if (BROWSER === 'chromium') assert.deepEqual(await axeAudit(page, '[class^="qrn"]'), [], what + ', open');
      await page.setViewportSize({ width: 375, height: 700 });
      const wide = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
      assert.ok(wide <= 0, `${what}: ${wide} px wider than a 375 px phone`);
      assert.deepEqual(page.problems, [], what);
      await page.setViewportSize({ width: 1000, height: 700 });
      const rtl = await openPage(walk, SITE + file + '.rtl.html');
      await rtl.waitForFunction(() => document.querySelector('[class^="qrn"]') && !document.querySelector('.qw'));
      const start = await rtl.evaluate(() => {
        const r = document.querySelector('[class^="qrn"] [role=tab],[class^="qrn"] .qi').getBoundingClientRect();
        return innerWidth - r.right < r.left;
      });
      assert.ok(start, what + ': the first item stands at the right on a right-to-left page');
      assert.deepEqual(rtl.problems, [], what + ', right to left');
      count++;
    }
  }
  assert.equal(count, 32);
});
