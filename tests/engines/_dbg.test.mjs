import { after, before } from 'node:test';
import { test, launch } from './support.mjs';
import { T, tabMenuPage } from './tabmenu_support.mjs';
let b;
before(async () => { b = await launch(); });
after(async () => { await b.close(); });
test('dbg', async () => {
  const data = T.dataFile({ params: { tabsSubMode: 'dropdown' }, items: [[0, 'First'], [1, 'Child with a long text', 'c.html'], [0, 'Second']] });
  const page = await tabMenuPage(b, data, { dir: 'rtl', name: 'rtl.html' });
  await page.evaluate(() => { window.log = []; for (const t of ['pointerdown', 'mousedown', 'focusin', 'pointerup', 'click', 'pointerover']) document.addEventListener(t, e => log.push(t + ':' + (e.target.textContent || e.target.tagName).slice(0, 12) + ':' + (e.pointerType || '')), true); });
  await page.click('text=First');
  console.log(await page.evaluate(() => [log, document.querySelector('.qi').outerHTML.slice(0, 200)]));
  console.log(await page.evaluate(() => ['First', 'Second', 'Child with a long text'].map(t =>
    [...document.querySelectorAll('.qi,.qj')].find(x => x.textContent === t)).map((e, i) => { const r = (i === 2 ? e.closest('ul') : e).getBoundingClientRect(); return [r.left, r.right, r.top]; })));
  for (const t of [100, 300, 600]) { await new Promise(r => setTimeout(r, t)); console.log(await page.evaluate(() => { const r = document.querySelector('.qj').closest('ul').getBoundingClientRect(); return [r.left, r.right, getComputedStyle(document.querySelector('.qj').closest('ul')).transform]; })); }
});
