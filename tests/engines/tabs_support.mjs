// Shared by the Ostrel Tabs tests: pages with the tabs engine and a data file.
import { menuType, openPage, pageHtml, SITE } from './support.mjs';

export const T = menuType('tabs', 'qrntabs.js');

// Items whose tabs show page elements: [level, text, link, target, tooltip,
// icon, hover icon, item style, state, id, content id, class].
export const panelItems = (n = 3) => Array.from({ length: n }, (_, i) => [0, `Tab ${i}`, '', '', '', '', '', '', '', '', `c${i}`, '']);
// The page elements those tabs name.
export const contents = (n = 3) => Array.from({ length: n }, (_, i) => `<section id="c${i}"><p>Content ${i}</p></section>`).join('');

// Opens a page with the tabs engine and `data`; options as pageHtml()'s.
export async function tabsPage(b, data, options = {}) {
  const name = options.name || 'tabs.html';
  b.serve({ 'qrntabs.js': T.ENGINE, 'data.js': data, [name]: pageHtml({ engine: 'qrntabs.js', ...options }) });
  return openPage(b, SITE + name);
}

// The tabs as "text" with "*" for the selected one, and the shown panels.
export const state = (page, sel = '') => page.evaluate(sel => {
  const root = document.querySelector(sel + ' [role=tablist]').parentNode;
  return {
    tabs: [...root.querySelectorAll('[role=tab]')].map(t => t.textContent + (t.getAttribute('aria-selected') === 'true' ? '*' : '')).join(','),
    // Panels stay where the page put them: found through their tabs.
    shown: [...root.querySelectorAll('[role=tab]')].flatMap(t => (t.getAttribute('aria-controls') || '').split(' ')).map(id => document.getElementById(id))
      .filter(p => p && p.getAttribute('role') === 'tabpanel' && !p.hidden && p.offsetParent).map(p => p.textContent).join(','),
    focus: document.activeElement.getAttribute('role') === 'tab' ? document.activeElement.textContent : document.activeElement.tagName
  };
}, sel);
