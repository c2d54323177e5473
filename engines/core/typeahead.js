// Type-ahead over a list of items: a run of letters typed without a pause
// of half a second names an item by the start of its text ("ca" passes
// "Cab" for "Cat"); the same letter again and again goes on to the next
// item with it. The returned function takes the key, the items and the
// item the focus is on, and gives the item to go to, or null.
export function typeAhead(win) {
  let typed = '', last = -1e9;
  return (key, list, at) => {
    const now = win.performance.now();
    typed = (now - last > 500 ? '' : typed) + key.toLowerCase();
    last = now;
    const again = [...typed].every(c => c === typed[0]);
    const text = again ? typed[0] : typed;
    // A longer run may still name the item the focus is on.
    const from = again ? 1 : 0, i = list.indexOf(at);
    for (let j = from; j < list.length + from; j++) {
      const b = list[(i + j) % list.length];
      if (b.textContent.trim().toLowerCase().startsWith(text)) return b;
    }
    return null;
  };
}
