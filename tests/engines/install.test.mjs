// The menu put into a site's pages by the program's own --install, for each
// menu type's default project: with JavaScript, the engine's menu stands
// where the block is without moving the page; without it, visitors and
// crawlers get every link of the menu as a plain nested list.
// What the parser does with a page whose scripts are off is the same in
// every browser, and layout shifts are measured only by Chromium: one
// browser.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test, launch, openPage, SITE, BIN, menuType } from './support.mjs';

const TYPES = [
  menuType('ostrel-menu', 'qrnmenu.js'),
  menuType('tree-menu', 'qrntmenu.js'),
  menuType('tabs', 'qrntabs.js'),
  menuType('tab-menu', 'qrntabmenu.js')
];
const ROOT = SITE + 'site/';
const PAGES = ['index.html', 'classes/hatha.html'];

const plainPage = title => '<!DOCTYPE html>\n<html lang="en">\n<head>\n  <meta charset="utf-8">\n' +
  `  <title>${title}</title>\n</head>\n<body>\n  <main>\n    <h1>${title}</h1>\n` +
  '    <p style="font:16px/1.5 serif">A paragraph of the page, below the menu.</p>\n  </main>\n</body>\n</html>\n';

function install(dir, extra = []) {
  return execFileSync(path.join(BIN, 'plivex'),
    ['--install', 'js/nav.js', ...PAGES, ...extra],
    { cwd: dir, encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', QTWEBENGINE_DISABLE_SANDBOX: '1' } });
}

// What a visitor without JavaScript should find: each item that leads
// somewhere, its text and its address as the browser reads it from the page
// (the default projects read links against their data file).
function expectedLinks(T, pageUrl) {
  const dataUrl = ROOT + 'js/nav.js';
  const content = T.type.itemFields.findIndex(f => f.key === 'contentId');
  const state = T.type.itemFields.findIndex(f => f.key === 'state');
  return T.defaultItems()
    .filter(([, text]) => text !== '-')
    .map(e => {
      const [, text, link] = e;
      const target = state >= 0 && e[state + 1] === 'disabled' ? ''
        : link ? new URL(link, dataUrl).href
          : content >= 0 && e[content + 1] ? new URL('#' + e[content + 1], pageUrl).href : '';
      return [text.replace(/<[^>]*>/g, '').trim(), target];
    })
    .filter(([, href]) => href);
}

let b, noScript;
const sites = new Map();
before(async () => {
  b = await launch();
  noScript = await launch({ javaScriptEnabled: false });
  for (const T of TYPES) {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'plivex-install-'));
    fs.mkdirSync(path.join(dir, 'js'));
    fs.mkdirSync(path.join(dir, 'classes'));
    fs.writeFileSync(path.join(dir, 'js/nav.js'), T.DEFAULT_PROJECT, 'latin1');
    fs.writeFileSync(path.join(dir, 'index.html'), plainPage('Home'));
    fs.writeFileSync(path.join(dir, 'classes/hatha.html'), plainPage('Hatha'));
    sites.set(T, { dir, first: install(dir) });
  }
});
after(async () => {
  await b.close();
  await noScript.close();
  for (const { dir } of sites.values()) fs.rmSync(dir, { recursive: true, force: true });
});

// The site's files as --install left them, served under ROOT.
function serveSite(T) {
  const { dir } = sites.get(T);
  const files = {};
  const walk = sub => {
    for (const e of fs.readdirSync(path.join(dir, sub), { withFileTypes: true })) {
      const rel = sub ? sub + '/' + e.name : e.name;
      if (e.isDirectory()) walk(rel);
      else files['site/' + rel] = fs.readFileSync(path.join(dir, rel), 'latin1');
    }
  };
  walk('');
  b.serve(files);
  noScript.serve(files);
}

for (const T of TYPES) {
  const id = T.type.id;

  test(`${id}_installedPagesShowEveryLinkWithoutJavaScript_asAWellFormedList`, async () => {
    const { dir, first } = sites.get(T);
    assert.match(first, /index\.html: menu written/);
    assert.match(first, new RegExp(`js/${T.engine.replace('.', '\\.')}: copied from the program`));
    assert.ok(fs.existsSync(path.join(dir, 'index.html~')));
    serveSite(T);
    for (const at of PAGES) {
      const p = await openPage(noScript, ROOT + at);
      const got = await p.evaluate(() => {
        const nav = document.querySelector('noscript > nav');
        if (!nav) return null;
        // Each item's depth in the list: the parser keeps the nesting as
        // written only when the list is well formed where it stands.
        const depth = el => { let d = -1; for (let x = el; x !== nav; x = x.parentElement) if (x.tagName === 'UL') d++; return d; };
        return {
          parent: nav.parentElement.parentElement.tagName,
          links: [...nav.querySelectorAll('a')].map(a => [a.textContent, a.href]),
          depths: [...nav.querySelectorAll('li')].map(depth),
          stray: [...nav.querySelectorAll('*')].filter(e => !['UL', 'LI', 'A'].includes(e.tagName)).map(e => e.tagName)
        };
      });
      assert.ok(got, `${at}: no list`);
      assert.equal(got.parent, 'BODY', at);
      assert.deepEqual(got.links, expectedLinks(T, ROOT + at), at);
      assert.deepEqual(got.stray, [], at);
      const levels = T.defaultItems().filter(([, text]) => text !== '-').map(([level]) => level);
      assert.deepEqual(got.depths, levels, at);
      assert.deepEqual(p.problems, [], at);
      await p.close();
    }
  });

  test(`${id}_installedPagesShowTheEngineMenuInPlace_withoutALayoutShift`, async () => {
    serveSite(T);
    for (const at of PAGES) {
      const p = await openPage(b, ROOT + at, page => page.addInitScript(() => {
        window.shifts = 0;
        new PerformanceObserver(list => { for (const e of list.getEntries()) window.shifts += e.value; })
          .observe({ type: 'layout-shift', buffered: true });
      }));
      await p.waitForLoadState('load');
      // The menu stands where the block is: at the start of the body, before
      // the page's own content, and the list is not shown.
      const got = await p.evaluate(() => ({
        first: document.body.firstElementChild.tagName,
        menuBeforeMain: !!document.querySelector('body > :not(script):not(noscript)') &&
          document.querySelector('body > :not(script):not(noscript)') !== document.querySelector('main'),
        menuLinks: document.querySelectorAll('body a[href]').length,
        listShown: [...document.querySelectorAll('noscript')].some(n => n.offsetHeight > 0)
      }));
      assert.equal(got.first, 'SCRIPT', at);
      assert.ok(got.menuBeforeMain, at);
      assert.ok(got.menuLinks > 0, at);
      assert.equal(got.listShown, false, at);
      // Two frames after load: a shift would have been reported by then.
      await p.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
      assert.equal(await p.evaluate(() => window.shifts), 0, at);
      assert.deepEqual(p.problems, [], at);
      await p.close();
    }
  });

  test(`${id}_installingAgain_changesNothing`, () => {
    const { dir } = sites.get(T);
    const before = PAGES.map(at => fs.readFileSync(path.join(dir, at)));
    const out = install(dir);
    assert.equal(out.match(/: up to date/g)?.length, PAGES.length, out);
    assert.deepEqual(PAGES.map(at => fs.readFileSync(path.join(dir, at))), before);
  });
}
