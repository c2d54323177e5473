// Finds elements in the page as Playwright's locators do, in the page's
// own script: a chain of steps, each a CSS selector with an optional text,
// a role with an accessible name, or an index. Defines find(chain) and
// seen(element).
export const FIND = String.raw`
const seen = e => !!(e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden');
const implicitRole = e => {
  const t = e.tagName;
  if (t === 'A' && e.hasAttribute('href')) return 'link';
  if (t === 'BUTTON') return 'button';
  if (t === 'INPUT') return { search: 'searchbox', button: 'button', checkbox: 'checkbox' }[e.type] || 'textbox';
  if (t === 'NAV') return 'navigation';
  if (t === 'UL' || t === 'OL') return 'list';
  if (t === 'LI') return 'listitem';
  return '';
};
const hidden = e => { for (let n = e; n; n = n.parentElement) if (n.getAttribute('aria-hidden') === 'true' || n.hidden) return true; return !seen(e); };
const nameOf = e => {
  if (e.hasAttribute('aria-labelledby')) return e.getAttribute('aria-labelledby').split(/\s+/).map(id => document.getElementById(id)?.textContent || '').join(' ');
  if (e.getAttribute('aria-label')) return e.getAttribute('aria-label');
  const text = [...e.childNodes].map(n => n.nodeType === 1 && n.tagName === 'IMG' ? n.alt || '' : n.nodeType === 1 && n.getAttribute('aria-hidden') === 'true' ? '' : n.textContent).join('');
  return text || e.title || e.placeholder || '';
};
const norm = s => s.replace(/\s+/g, ' ').trim();
const textMatch = (value, want, exact) => Array.isArray(want) ? new RegExp(want[0], want[1]).test(value)
  : exact ? value === want : value.toLowerCase().includes(String(want).toLowerCase());
// "text=..." as Playwright reads it: the innermost elements whose text
// holds it, case aside.
const byText = (root, text) => [...root.querySelectorAll('body *')].filter(e =>
  textMatch(norm(e.textContent), text, false) && ![...e.children].some(c => textMatch(norm(c.textContent), text, false)));
const find = chain => {
  let list = [document];
  for (const step of chain) {
    if ('nth' in step) { list = list[step.nth] ? [list[step.nth]] : []; continue; }
    const found = [];
    for (const root of list) {
      const text = step.css && /^text=/.test(step.css) ? step.css.slice(5) : null;
      // Playwright's :visible, on the element the selector ends at.
      const visible = !!step.css && /:visible$/.test(step.css);
      const css = visible ? step.css.slice(0, -':visible'.length) : step.css;
      for (const e of text !== null ? byText(root, text) : root.querySelectorAll(css || '*')) {
        if (found.includes(e) || visible && !seen(e)) continue;
        if (step.css && step.text !== undefined && !textMatch(norm(e.textContent), step.text, false)) continue;
        if (step.role && ((e.getAttribute('role') || implicitRole(e)) !== step.role || hidden(e))) continue;
        if (step.role && step.name !== undefined && !textMatch(norm(nameOf(e)), step.name, step.exact)) continue;
        found.push(e);
      }
    }
    list = found;
  }
  return list;
};`;
