// Shared by the schema walks of the engine tests.

// A value that differs from the default, by kind.
export function changed(p) {
  const def = p.def;
  switch (p.kind) {
    case 'color': return def === '#123456' ? '#654321' : '#123456';
    case 'font': return 'bold 17px serif';
    case 'image': return 'pic.svg';
    case 'flag': return def === 'true' ? 'false' : 'true';
    case 'choice': return p.options.find(o => o[0] !== def)[0];
    case 'text': return 'Changed text';
    case 'number':
      if (p.units) return def === '' ? '123px' : (parseFloat(def) + (parseFloat(def) > 500 ? 1000 : 7)) + 'px';
      return String(p.max != null && +def + 37 > p.max ? +def - 37 : +def + 37);
  }
  throw new Error('no changed value for ' + p.name);
}
