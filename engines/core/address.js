// Where relative links and pictures lead. A browser reads an address in the
// page against the page, so a data file loaded by pages in several folders
// has no relative link that works from them all. A data file whose LinkBase
// parameter is "data" has its addresses read against its own address, as a
// style sheet's url() is read against the sheet; the menu then writes them
// whole. Any other file keeps the page's reading.

// Left alone: nothing, a place or query in the page itself, and addresses
// with a scheme (https:, mailto:, tel:, data:) or a host of their own.
const OWN = /^(?:$|#|\?|[a-z][a-z\d+.-]*:|\/\/)/i;

// A function giving each address as the menu writes it, or null when the
// page's reading holds. `script` is the data file's script element: an
// inline one (the editor's preview) has no address of its own and reads
// against the page's base.
export function addressReader(P, script, doc) {
  if (P.LinkBase !== 'data') return null;
  const base = script && script.src || doc.baseURI;
  return v => {
    if (OWN.test(v)) return v;
    try {
      return new URL(v, base).href;
    } catch (e) {
      return v;
    }
  };
}

// For fields(): rewrites the item fields numbered in `at` in place.
export const itemAddresses = (read, at) => read && (f => { for (const i of at) f[i] = read(f[i]); });

// Rewrites the address parameters (marks & 4 in `table`) in each set of
// values: the menu's own and its styles'.
export function paramAddresses(read, table, sets) {
  if (!read) return;
  for (const [name, , marks] of table)
    if (marks & 4) for (const s of sets) if (typeof s[name] === 'string') s[name] = read(s[name]);
}
