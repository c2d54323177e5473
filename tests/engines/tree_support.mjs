// Shared by the Ostrel Tree Menu tests: pages with the tree engine, its
// add-ons and a data file, and the tree read back from the page.
import fs from 'node:fs';
import path from 'node:path';
import { BIN, menuType, openPage, pageHtml, SITE } from './support.mjs';

export const T = menuType('tree-menu', 'qrntmenu.js');
export const ADD = fs.readFileSync(path.join(BIN, 'qrntmenu_add.js'), 'utf8');
export const SS = fs.readFileSync(path.join(BIN, 'qrntmenu_ss.js'), 'utf8');

// A small tree: [level, text, link, target, tooltip, icon, hover icon, open
// icon, item style, submenu style, state, id].
export const smallTree = () => [
  [0, 'Alpha', 'alpha.html'],
  [1, 'Apple', 'apple.html'],
  [1, 'Apricot', ''],
  [2, 'Dried', 'dried.html'],
  [0, 'Beta', ''],
  [1, 'Banana', 'banana.html'],
  [1, 'Blueberry', 'blue.html'],
  [0, 'Gamma', 'gamma.html'],
  [0, 'Delta', ''],
  [1, 'Date', 'date.html']
];

// Opens a page with the tree engine and `data`. options: those of
// pageHtml(), and `addons`: which add-on files load, and whether before
// ('head') or after the data file ('after').
export async function treePage(b, data, options = {}) {
  const name = options.name || 'tree.html';
  const addons = options.addons || [];
  const tags = addons.map(f => `<script src="${f}"></script>`).join('');
  const html = pageHtml({ engine: 'qrntmenu.js', ...options, head: (options.head || '') + (options.late ? '' : tags),
    after: (options.late ? tags : '') + (options.after || '') });
  b.serve({ 'qrntmenu.js': T.ENGINE, 'qrntmenu_add.js': ADD, 'qrntmenu_ss.js': SS, 'data.js': data, [name]: html });
  const page = await openPage(b, SITE + name, options.setup);
  // On a page whose clock the test controls, branches are written as they
  // open instead.
  if (!options.setup) await settled(page);
  return page;
}

// Waits until every tree has written all its branches.
export const settled = page => page.waitForFunction(() => !document.querySelector('nav.qw'));

// The items shown, each with "|" per level, "+" for an open branch and
// "-" for a closed one; and the focused item.
export const shown = (page, sel = 'nav') => page.evaluate(sel => {
  const out = [];
  const walk = ul => {
    for (const li of ul.children) {
      if (li.hidden || !li.offsetParent && li.closest('[hidden]')) continue;
      const a = li.firstElementChild, x = a.getAttribute('aria-expanded');
      out.push('|'.repeat(+a.getAttribute('aria-level') - 1) + a.textContent + (x === 'true' ? '+' : x === 'false' ? '-' : ''));
      if (x === 'true') walk(a.nextElementSibling);
    }
  };
  walk(document.querySelector(sel + ' [role=tree]'));
  return out.join(',');
}, sel);

export const focused = page => page.evaluate(() => document.activeElement.getAttribute('role') === 'treeitem' ? document.activeElement.textContent : document.activeElement.tagName);
