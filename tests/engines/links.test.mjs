// Where relative links and pictures lead, in every engine: against the data
// file when its LinkBase parameter says "data", so one data file serves
// pages at every depth of a site, and against the page otherwise (files
// written before the parameter).
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, SITE } from './support.mjs';
import { menuType } from './support.mjs';

const TYPES = [
  menuType('ostrel-menu', 'qrnmenu.js'),
  menuType('tree-menu', 'qrntmenu.js'),
  menuType('tabs', 'qrntabs.js'),
  menuType('tab-menu', 'qrntabmenu.js')
];
const SVG = '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>';
// The site lives in a folder of the server, as on a host that serves many.
const ROOT = SITE + 'site/';

let b;
before(async () => {
  b = onePage(await launch());
  b.serve({ 'site/img/icon.svg': SVG, 'site/img/back.svg': SVG, 'img/icon.svg': SVG, 'img/back.svg': SVG });
});
after(async () => { await b.close(); });

// Items as the link picker writes them for a data file in site/js/: the
// class page, the page's own anchor, a mail address, another site and a
// root-relative address.
const ITEMS = [
  [0, 'Hatha', '../classes/hatha.html', '', '', '../img/icon.svg'],
  [0, 'Top', '#top'],
  [0, 'Mail', 'mailto:desk@studio.test'],
  [0, 'Elsewhere', 'https://other.test/x.html?a=1'],
  [0, 'About', '/about.html']
];

// A data file of type `T` with the items above, a background picture of
// the menu's bar and `linkBase` ("data", "page", or null: a file from before the
// parameter, which declares no LinkBase at all).
function data(T, linkBase) {
  const prefix = T.type.prefix;
  const text = T.dataFile({
    params: { [prefix + 'BackImage']: '../img/back.svg', [prefix + 'LinkBase']: linkBase || 'page' },
    items: ITEMS
  });
  return linkBase ? text : text.replace(new RegExp('var ' + prefix + 'LinkBase=[^\\r\\n]*\\r?\\n'), '');
}

const page = (engine, up, body = `<script src="${up}js/nav.js"></script>`) =>
  '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Studio</title>' +
  `<script src="${up}js/${engine}"></script></head><body>${body}<main id="top"><h1>Classes</h1></main></body></html>`;

// Each item's address as the browser reads it (href, and the icon's src),
// the attribute as written, and the bar's background picture.
const read = p => p.evaluate(() => {
  const out = {};
  for (const el of document.querySelectorAll('a, button')) {
    const text = el.textContent.trim();
    if (!text) continue;
    const img = el.querySelector('img');
    out[text] = { href: el.href || '', attr: el.getAttribute('href'), icon: img ? img.src : '' };
  }
  out.back = [...document.querySelectorAll('body *')].map(e => getComputedStyle(e).backgroundImage)
    .find(v => v.includes('back.svg')) || '';
  return out;
});

for (const T of TYPES) {
  const id = T.type.id;

  test(`${id}_linksRelativeToTheDataFile_workFromPagesAtEveryDepth`, async () => {
    b.serve({
      [`site/js/${T.engine}`]: T.ENGINE, 'site/js/nav.js': data(T, 'data'),
      'site/index.html': page(T.engine, ''), 'site/classes/hatha.html': page(T.engine, '../')
    });
    for (const at of ['index.html', 'classes/hatha.html']) {
      const p = await openPage(b, ROOT + at);
      const got = await read(p);
      assert.equal(got.Hatha.href, ROOT + 'classes/hatha.html', at);
      assert.equal(got.Hatha.icon, ROOT + 'img/icon.svg', at);
      assert.match(got.back, new RegExp('^url\\("?' + ROOT.replace(/[./]/g, '\\$&') + 'img/back\\.svg"?\\)'), at);
      // Addresses of their own are written as they are.
      assert.equal(got.Top.attr, '#top', at);
      assert.equal(got.Mail.attr, 'mailto:desk@studio.test', at);
      assert.equal(got.Elsewhere.attr, 'https://other.test/x.html?a=1', at);
      assert.equal(got.About.href, SITE + 'about.html', at);
      assert.deepEqual(p.problems, [], at);
      await p.close();
    }
  });

  test(`${id}_linksRelativeToThePage_andFilesWithoutTheParameter_readAgainstThePage`, async () => {
    for (const base of ['page', null]) {
      b.serve({
        [`site/js/${T.engine}`]: T.ENGINE, 'site/js/nav.js': data(T, base), 'site/index.html': page(T.engine, '')
      });
      const p = await openPage(b, ROOT + 'index.html');
      const got = await read(p);
      // From site/index.html, "../classes/hatha.html" leaves the site folder.
      assert.equal(got.Hatha.attr, '../classes/hatha.html', String(base));
      assert.equal(got.Hatha.href, SITE + 'classes/hatha.html', String(base));
      assert.equal(got.Hatha.icon, SITE + 'img/icon.svg', String(base));
      assert.deepEqual(p.problems, [], String(base));
      await p.close();
    }
  });

  // The editor's preview runs the data inline: its base stands in for the
  // data file's address.
  test(`${id}_inlineDataRelativeToTheDataFile_readsAgainstThePageBase`, async () => {
    const html = page(T.engine, '', `<script>${data(T, 'data')}</script>`)
      .replace('<head>', '<head><base href="' + ROOT + 'js/">').replace(`src="js/${T.engine}"`, `src="${T.engine}"`);
    b.serve({ [`site/js/${T.engine}`]: T.ENGINE, 'site/preview.html': html });
    const p = await openPage(b, ROOT + 'preview.html');
    const got = await read(p);
    assert.equal(got.Hatha.href, ROOT + 'classes/hatha.html');
    assert.equal(got.Hatha.icon, ROOT + 'img/icon.svg');
    assert.deepEqual(p.problems, []);
    await p.close();
  });
}
