// Shared by the Ostrel Tab Menu tests: pages with the tab menu engine and a
// data file, and what the menu shows.
import { createRequire } from 'node:module';
import path from 'node:path';
import { BIN, menuType, openPage, pageHtml, SITE } from './support.mjs';

// The Tab Menu's description builds on the Tabs' one.
createRequire(import.meta.url)(path.join(BIN, 'data/tabs/schema.js'));
export const T = menuType('tab-menu', 'qrntabmenu.js');

// Opens a page with the tab menu engine and `data`; options as pageHtml()'s.
export async function tabMenuPage(b, data, options = {}) {
  const name = options.name || 'tabmenu.html';
  b.serve({ 'qrntabmenu.js': T.ENGINE, 'data.js': data, [name]: pageHtml({ engine: 'qrntabmenu.js', ...options }) });
  return openPage(b, SITE + name);
}

// The menu as "text" per tab with "*" for the selected one, the submenus
// shown (by their tab's text) and the focused element's text. A hidden row
// may keep an invisible box, so what is shown is what has a box and is
// visible.
export const state = (page, sel = '') => page.evaluate(sel => {
  const root = document.querySelector(sel + ' [role=tablist]').parentNode;
  const seen = el => !!el.offsetParent && getComputedStyle(el).visibility === 'visible';
  return {
    tabs: [...root.querySelectorAll('[role=tab]')].map(t => t.textContent + (t.getAttribute('aria-selected') === 'true' ? '*' : '')).join(','),
    open: [...root.querySelectorAll('ul')].filter(seen).map(u => u.getAttribute('aria-label')).join(','),
    // Panels stay where the page put them: found through their tabs.
    shown: [...root.querySelectorAll('[role=tab]')].flatMap(t => (t.getAttribute('aria-controls') || '').split(' ')).map(id => document.getElementById(id))
      .filter(p => p && p.getAttribute('role') === 'tabpanel' && !p.hidden && p.offsetParent).map(p => p.textContent).join(','),
    focus: root.contains(document.activeElement) ? document.activeElement.textContent : document.activeElement.tagName
  };
}, sel);
