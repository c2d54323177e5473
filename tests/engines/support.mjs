// Shared by the engine tests: the browser (PLIVEX_BROWSER: Debian's
// Chromium through playwright-core, the default, or firefox or webkit through
// drivers/), a site served from memory, and data files written as the editor
// writes them.
import { test as nodeTest } from 'node:test';
import { Unsupported } from './drivers/page.mjs';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import path from 'node:path';

const here = path.dirname(new URL(import.meta.url).pathname);
export const BIN = process.env.PLIVEX_BIN_DIR || path.resolve(here, '../../build/bin');
export const ENGINE = fs.readFileSync(path.join(BIN, 'qrnmenu.js'), 'utf8');
export const DEFAULT_PROJECT = fs.readFileSync(path.join(BIN, 'default_scripts/ostrel-menu/default.js'), 'latin1');
// The default project with the Products submenu as an ordinary fly-out
// rather than in columns, for the paths through nested submenus.
export const FLYOUT_PROJECT = DEFAULT_PROJECT.replace('"menuSubColumns=3",', '');

const require = createRequire(import.meta.url);
export const Q = require(path.join(BIN, 'data/common/format.js'));
require(path.join(BIN, 'data/common/schema.js'));
require(path.join(BIN, 'data/ostrel-menu/schema.js'));
export const TYPE = Q.types['ostrel-menu'];
export const DEFAULTS = Object.fromEntries(TYPE.params.map(p => [p.name, p.def]));

export const SITE = 'http://site.test/';
export const OTHER = 'http://other.test/';

export const BROWSER = process.env.PLIVEX_BROWSER || 'chromium';

// Where the file's time went, in ms, for scripts/test-times: starting and
// closing browsers, opening pages until they have loaded, and waiting for a
// state of a page.
const spent = { browser: 0, pages: 0, waits: 0 };
async function timed(part, work) {
  const start = performance.now();
  try {
    return await work();
  } finally {
    spent[part] += performance.now() - start;
  }
}
process.on('exit', () => {
  process.stdout.write('plivex-times ' + Object.entries(spent).map(([k, v]) => `${k}=${Math.round(v)}`).join(' ') + '\n');
});

// A test that reports what its browser's driver cannot do (a touch, the
// page's frames) as a skip with that reason, and fails on everything else.
export function test(name, body) {
  return nodeTest(name, async t => {
    try {
      await body(t);
    } catch (e) {
      if (!(e instanceof Unsupported)) throw e;
      t.skip(e.message);
    }
  });
}

// A browser of its own for the caller: a fresh context (cookies, storage,
// the clock) of the one Chromium this file starts, or a Firefox or WebKit
// that callers asking for the same motion share. Starting a browser takes
// seconds and a context milliseconds, so the process is started once per
// file and closed with the last caller's close(). Every browser takes
// `reducedMotion: 'reduce'`, a visitor who asked for less motion; Chromium
// alone takes the touch screen options.
export async function launch(options = {}) {
  const b = await timed('browser', () => (BROWSER === 'chromium' ? chromiumContext : remoteBrowser)(options));
  const close = b.close;
  b.close = () => timed('browser', close);
  return b;
}

// A process started on first use and closed when its last user has closed.
function shared(start, stop) {
  let running = null, users = 0;
  return {
    async use() { users++; running ??= start(); return running; },
    async leave() {
      if (--users > 0) return;
      const was = running;
      running = null;
      await stop(await was);
    }
  };
}

const remotes = new Map();
async function remoteBrowser({ reducedMotion }) {
  const key = reducedMotion || '';
  if (!remotes.has(key)) {
    // Each driver is loaded only by the entry that uses it: loading all three
    // took longer than many a test.
    const start = async () => BROWSER === 'firefox'
      ? (await import('./drivers/firefox.mjs')).launchFirefox({ reducedMotion })
      : (await import('./drivers/webkit.mjs')).launchWebKit({ reducedMotion });
    remotes.set(key, shared(start, browser => browser.close()));
  }
  const proc = remotes.get(key);
  const browser = await proc.use();
  return {
    // A page has the test clock only when it was asked for before it
    // loaded (page.clock.install()): a page opened later has none.
    ctx: { newPage: () => { browser.site.clock = false; return browser.newPage(); } },
    serve(map, base = SITE) { for (const [name, text] of Object.entries(map)) browser.site.files.set(base + name, text); },
    close: () => proc.leave()
  };
}

const chromiumProcess = shared(async () => (await import('playwright-core')).chromium.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--no-first-run']
}), browser => browser.close());

async function chromiumContext(options) {
  const browser = await chromiumProcess.use();
  const ctx = await browser.newContext({ viewport: { width: 1000, height: 700 }, ...options });
  const files = new Map();
  // Every request is answered from `files`; nothing leaves the machine.
  await ctx.route('**/*', route => {
    const url = route.request().url();
    if (url.startsWith('file:')) return route.continue();
    const body = files.get(url.split('#')[0]);
    if (body === undefined) return route.fulfill({ status: 404, body: '' });
    const type = url.endsWith('.js') ? 'text/javascript' : url.endsWith('.svg') ? 'image/svg+xml' : 'text/html';
    return route.fulfill({ status: 200, contentType: type + '; charset=utf-8', headers: { 'cache-control': 'no-store' }, body });
  });
  return {
    ctx,
    // Serves `map` (name -> text) under `base`.
    serve(map, base = SITE) { for (const [name, text] of Object.entries(map)) files.set(base + name, text); },
    async close() { await ctx.close(); await chromiumProcess.leave(); }
  };
}

// A page that records every script error and console message; the tests
// expect none.
export async function openPage(b, url, setup) {
  const page = await timed('pages', () => b.ctx.newPage());
  if (!page.plivexWatched) watch(page);
  page.problems = [];
  if (setup) await setup(page);
  await timed('pages', () => page.goto(url));
  return page;
}

function watch(page) {
  page.plivexWatched = true;
  for (const wait of ['waitForFunction', 'waitForURL', 'waitForSelector']) {
    const real = page[wait].bind(page);
    page[wait] = (...args) => timed('waits', () => real(...args));
  }
  // The other browsers' pages collect their own problems.
  if (BROWSER === 'chromium') {
    page.on('pageerror', e => page.problems.push('error: ' + e.message));
    // Chromium notes when a test reads the style of what a hidden Tab Menu
    // row holds (kept laid out while hidden); that is the test's reading,
    // not the page's problem.
    page.on('console', m => /hidden by content-visibility/.test(m.text()) || page.problems.push(m.type() + ': ' + m.text()));
  }
}

// `b` giving one page for all the pages a file opens: each opening loads
// the next address into it, and its close() leaves it open for the next.
// A fresh page costs a browser about a fifth of a second of processor time
// (a WebDriver browser several round trips as well); a load costs a
// fraction of that. Before each load the page is put back as a new one
// would be: the last document is left for an empty one of its own site
// (another site's would cost a browser a new process), so that what it
// stores as it goes (a tree's open branches) is stored before that site's
// storage is emptied, and no page sees what the one before it kept; the
// launch's size (1000 x 700); the pointer in the corner. For files whose
// tests hold one page at a time and leave no clock, media emulation,
// listener or script behind on it, and whose pages store nothing from
// frames of another site.
const BLANK = 'plivex-blank.html';
export function onePage(b) {
  let page = null, resize = null, resized = false;
  for (const site of [SITE, OTHER]) b.serve({ [BLANK]: '<!DOCTYPE html><title>Blank</title>' }, site);
  return {
    ...b,
    ctx: {
      async newPage() {
        if (page) {
          const site = [SITE, OTHER].find(site => page.url().startsWith(site));
          if (site) {
            await page.goto(site + BLANK);
            await page.evaluate(() => { sessionStorage.clear(); localStorage.clear(); });
          }
          if (resized) await resize({ width: 1000, height: 700 });
          resized = false;
          // A pointer that does not move puts no item of the next page under
          // the mouse in WebKit.
          await page.mouse.move(999, 699);
          return page;
        }
        page = await b.ctx.newPage();
        page.close = async () => {};
        resize = page.setViewportSize.bind(page);
        page.setViewportSize = size => { resized = true; return resize(size); };
        return page;
      }
    }
  };
}

// A page loading the engine in its head and the data file in its body.
export function pageHtml({ data = ['data.js'], before = '', after = '', dir = '', head = '', engine = 'qrnmenu.js' } = {}) {
  return `<!DOCTYPE html><html lang="en"${dir ? ` dir="${dir}"` : ''}><head><meta charset="utf-8"><title>Menu test</title>` +
    `<script src="${engine}"></script>${head}</head><body>${before}` +
    data.map(d => `<script src="${d}"></script>`).join('') + `${after}<main><h1>Content</h1><p>Text</p></main></body></html>`;
}

// The data file text for params, styles ([{name: value}]) and items
// ([level, text, link, ...fields 2 to 10]), laid out as the editor writes it.
export function dataFile({ params = {}, itemStyles = [], menuStyles = [], items = [], init = 'qrn_init();' } = {}) {
  const entries = list => list.map(s => '    [' + Object.entries(s).map(([k, v]) => Q.jsString(k + '=' + v)).join(',') + '],\r\n').join('');
  return Q.keyBlock(TYPE) + '\r\n' + Q.declarations(TYPE.params, params) + '\r\n' +
    (itemStyles.length ? 'var itemStyles = [\r\n' + entries(itemStyles) + '];\r\n' : '') +
    (menuStyles.length ? 'var menuStyles = [\r\n' + entries(menuStyles) + '];\r\n' : '') +
    '\r\nvar menuItems = [\r\n\r\n' + items.map(([level, ...f]) => Q.itemElement(level, f) + ',\r\n').join('') + '];\r\n\r\n' + init;
}

// A three-level menu of `top` items with `mid` children of `leaf` children
// each: 10 x 10 x 10 gives 1,110 items.
export function bigItems(top = 10, mid = 10, leaf = 10) {
  const items = [];
  for (let a = 0; a < top; a++) {
    items.push([0, `Section ${a}`, `s${a}.html`]);
    for (let b = 0; b < mid; b++) {
      items.push([1, `Topic ${a}.${b}`, `s${a}/t${b}.html`]);
      for (let c = 0; c < leaf; c++) items.push([2, `Page ${a}.${b}.${c}`, `s${a}/t${b}/p${c}.html`]);
    }
  }
  return items;
}

// Serves a page with the engine and `data` (a data file text) and opens it,
// then waits until the menus have written all their submenus, which they do
// while the page is idle. On a page whose clock the test controls (`setup`)
// submenus are written when they first open instead.
export async function menuPage(b, data, options = {}, setup) {
  const name = options.name || 'index.html';
  b.serve({ 'qrnmenu.js': ENGINE, 'data.js': data, [name]: pageHtml(options) });
  const page = await openPage(b, SITE + name, setup);
  if (!setup) await wholeMenus(page);
  return page;
}

export const wholeMenus = page => page.waitForFunction(() => !document.querySelector('nav.qw'));

// The menu as nested [text, children] lists, read from the rendered markup.
export function menuTree(page, sel = 'nav') {
  return page.evaluate(sel => {
    const read = ul => [...ul.children].map(li => {
      const sub = li.querySelector(':scope>ul');
      const text = li.querySelector(':scope>.qi').textContent;
      return sub ? [text, read(sub)] : [text];
    });
    return read(document.querySelector(sel + ' .qb'));
  }, sel);
}

// The expected tree of an item list (separators left out).
export function expectedTree(items) {
  const root = [];
  const stack = [root];
  for (const [level, text] of items) {
    stack.length = level + 1;
    if (text === '-') continue;
    const node = [text];
    stack[level].push(node);
    stack.push(node[1] = []);
  }
  const trim = list => list.map(n => n[1].length ? [n[0], trim(n[1])] : [n[0]]);
  return trim(root);
}

// Items of the default project, read from its data file.
export function defaultItems() {
  const menuItems = new Function(DEFAULT_PROJECT.replace(/qrn_init\(\);$/, '') + ';return menuItems;')();
  return menuItems.map(e => {
    const level = e[0].match(/^\|*/)[0].length;
    return [level, e[0].slice(level), ...e.slice(1)];
  });
}

// The same for the other menu types: their engine file, description and
// default project, and data files written with the type's own names.
export function menuType(id, engine) {
  require(path.join(BIN, `data/${id}/schema.js`));
  const type = Q.types[id];
  const N = type.names;
  const entries = list => list.map(s => '    [' + Object.entries(s).map(([k, v]) => Q.jsString(k + '=' + v)).join(',') + '],\r\n').join('');
  const project = fs.readFileSync(path.join(BIN, `default_scripts/${id}/default.js`), 'latin1');
  return {
    type, engine, ENGINE: fs.readFileSync(path.join(BIN, engine), 'utf8'), DEFAULT_PROJECT: project,
    DEFAULTS: Object.fromEntries(type.params.map(p => [p.name, p.def])),
    dataFile: ({ params = {}, styles = [], submenuStyles = [], items = [], init = N.init + '();' } = {}) =>
      Q.keyBlock(type) + '\r\n' + Q.declarations(type.params, params) + '\r\n' +
      (styles.length ? `var ${N.styles} = [\r\n` + entries(styles) + '];\r\n' : '') +
      (submenuStyles.length ? `var ${N.submenuStyles} = [\r\n` + entries(submenuStyles) + '];\r\n' : '') +
      `\r\nvar ${N.items} = [\r\n\r\n` + items.map(([level, ...f]) => Q.itemElement(level, f) + ',\r\n').join('') + '];\r\n\r\n' + init,
    // Items of the default project as [level, text, fields 1 to 10].
    defaultItems: () => new Function(project.replace(new RegExp(N.init + '\\(\\);\\s*$'), '') + `;return ${N.items};`)().map(e => {
      const level = e[0].match(/^\|*/)[0].length;
      return [level, e[0].slice(level), ...e.slice(1)];
    })
  };
}

// An axe-core audit of the first element matching `sel`, with every
// opening effect at its end: violations as "rule: target" lines.
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
export async function axeAudit(page, sel = 'nav') {
  // axe-core is large: a page audited twice parses it once.
  if (!await page.evaluate(() => !!window.axe)) await page.addScriptTag({ content: AXE });
  return page.evaluate(async sel => {
    for (const a of document.getAnimations()) a.finish();
    const r = await window.axe.run(document.querySelector(sel), { resultTypes: ['violations'] });
    return r.violations.flatMap(v => v.nodes.map(n => v.id + ': ' + n.target.join(' ')));
  }, sel);
}
