const ESC = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
export const esc = s => String(s).replace(/[&<>"]/g, c => ESC[c]);

// ' name="value"', or nothing for an empty value.
export const attr = (name, v) => v === '' || v == null ? '' : ' ' + name + '="' + esc(v) + '"';

// The text of item HTML, for labels that name an item.
export const plain = html => html.replace(/<[^>]*>/g, '').replace(/&nbsp;/g, ' ').trim();
