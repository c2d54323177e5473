// The data format help lists every parameter of the Ostrel Menu. The page
// is the program's own and the same in every browser, so this file runs in
// one (see browsers.cmake).
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test, launch, onePage, openPage, TYPE, BIN } from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
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

test('userGuide_examplesAreValidCurrentHtml_andNameEachTypesEngine', async () => {
  const page = await openPage(b, 'file://' + path.join(BIN, 'help/index.html'));
  const got = await page.evaluate(() => {
    const examples = [...document.querySelectorAll('pre')].map(p => p.textContent).filter(t => t.includes('<script'));
    return {
      examples,
      // Each whole page of the examples as a browser parses it with its
      // scripts off, as a crawler reads it.
      parsed: examples.filter(t => t.startsWith('<!DOCTYPE html>')).map(t => {
        const doc = new DOMParser().parseFromString(t, 'text/html');
        return {
          head: [...doc.head.children].map(e => e.tagName),
          noscriptIn: [...doc.querySelectorAll('noscript')].map(n => n.parentElement.tagName),
          links: doc.querySelectorAll('noscript nav > ul > li a').length
        };
      }),
      engines: Object.fromEntries([...document.querySelectorAll('#by-hand ~ table tr')].slice(1)
        .map(tr => [tr.cells[0].textContent, [...tr.cells[1].querySelectorAll('code')].map(c => c.textContent)]))
    };
  });
  assert.ok(got.examples.length >= 2);
  for (const text of got.examples) {
    assert.doesNotMatch(text, /type="text\/javascript"|language=/);
    for (const [, src] of text.matchAll(/<script src="([^"]+)"/g))
      assert.ok(fs.existsSync(path.join(BIN, path.basename(src))) || /\/(nav|tabs)\.js$/.test(src), src);
  }
  assert.equal(got.parsed.length, 1);
  for (const doc of got.parsed) {
    assert.ok(doc.head.every(tag => ['META', 'TITLE', 'SCRIPT', 'LINK', 'STYLE'].includes(tag)), doc.head.join());
    assert.deepEqual(doc.noscriptIn, ['BODY']);
    assert.ok(doc.links > 0);
  }
  // Every engine file the program ships, under the type it belongs to.
  const shipped = fs.readdirSync(BIN).filter(f => /^qrn.*\.js$/.test(f)).sort();
  assert.deepEqual(Object.values(got.engines).flat().sort(), shipped);
  assert.deepEqual(Object.keys(got.engines), ['Ostrel Menu', 'Ostrel Tree Menu', 'Ostrel Tabs', 'Ostrel Tab Menu']);
  assert.deepEqual(page.problems, []);
  await page.close();
});
