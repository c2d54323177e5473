// The one element of a widget that Tab reaches (a roving tab stop): the
// returned function moves the stop to `el`, or removes it for none, and
// returns the element it is on.
export function rovingStop() {
  let stop;
  return el => {
    if (el === undefined) return stop;
    if (stop) stop.tabIndex = -1;
    if (stop = el) el.tabIndex = 0;
    return stop;
  };
}
