// The one element of a widget that Tab reaches (a roving tab stop): the
// returned function moves the stop to `el`, or removes it for none.
export function rovingStop() {
  let stop;
  return el => {
    if (stop) stop.tabIndex = -1;
    if (stop = el) el.tabIndex = 0;
  };
}
