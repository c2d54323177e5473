// Runs f once the page is idle, or within a second at the latest. Browsers
// without idle callbacks (WebKit) get a short timer instead.
export const soon = (win, f) =>
  // eslint-disable-next-line compat/compat -- guarded, with the timer below
  win.requestIdleCallback ? win.requestIdleCallback(f, { timeout: 1000 }) : win.setTimeout(f, 1);

// The same for work done in rounds: f(deadline) learns how long it may go on.
// After a timer it gets a few milliseconds, so the page still paints between
// rounds.
export const idle = (win, f) => soon(win, deadline => {
  const end = win.performance.now() + 8;
  f(deadline || { timeRemaining: () => end - win.performance.now() });
});

// Writes the parts of a large menu that are not shown yet while the page is
// idle, so that a menu is ready as soon as its first level stands. The
// returned fill(key) writes one part at once when it is needed earlier and
// returns what write() returned (null for a key with nothing left to write).
// todo: Map of key to what write(key, value) needs; done() runs once all is
// written.
export function whenIdle(win, todo, write, done) {
  const fill = key => {
    const v = todo.get(key);
    if (v === undefined) return null;
    todo.delete(key);
    const r = write(key, v);
    if (!todo.size) done();
    return r;
  };
  // At least one part per round, so a page that is never idle still ends.
  const step = d => {
    let n = 0;
    for (const k of todo.keys()) if (!n++ || d.timeRemaining() > 2) fill(k); else break;
    if (todo.size) idle(win, step);
  };
  if (todo.size) idle(win, step); else done();
  return fill;
}
