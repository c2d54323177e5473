// The data format help lists every parameter of the Ostrel Menu. The page
// is the program's own and the same in every browser, so this file runs in
// one (see browsers.cmake).
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test, launch, openPage, TYPE, BIN } from './support.mjs';

let b;
before(async () => { b = await launch(); });
after(async () => { await b.close(); });

test('helpPages_describeEveryParameter', async () => {
  const url = 'file://' + path.join(BIN, 'help/data-format.html');
  assert.ok(fs.existsSync(url.slice(7)));
  const page = await openPage(b, url);
  const listed = await page.evaluate(() => [...document.querySelectorAll('#paramtables code')].map(c => c.textContent));
  for (const p of TYPE.params) assert.ok(listed.includes(p.name), p.name + ' in the data format help');
  assert.deepEqual(page.problems, []);
  await page.close();
});
