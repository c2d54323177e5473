// Frames for a menu that spans two frames of a frameset: the frameset with
// the id is looked up in this window's document and those of its parents.
// Returns null when there is no such frameset or its main frame cannot be
// reached; `sub` is false when the sub frame cannot be reached (another
// origin, no such frame).
const reach = f => {
  try { return f && f.contentWindow.document.documentElement && f.contentWindow; } catch (e) { return null; }
};

export function frames(win, id, a, b) {
  for (let w = win; ; w = w.parent) {
    let fs = null;
    try { fs = w.document.getElementById(id); } catch (e) { return null; }
    if (fs) {
      const list = fs.querySelectorAll('frame,iframe');
      const main = reach(list[a]);
      return main && { main, sub: a !== b && reach(list[b]), mainEl: list[a], subEl: list[b] };
    }
    if (w === w.parent) return null;
  }
}
