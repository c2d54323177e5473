// Whether the menu stands in right-to-left text: the nearest "dir" around
// the engine's script, or around the page when the script is another
// document's (a frame's menu) or not known.
export function rightToLeft(doc, script) {
  const near = script && script.ownerDocument === doc ? script : doc.documentElement;
  return /^rtl$/i.test(near.closest('[dir]')?.dir);
}
