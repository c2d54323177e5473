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
      if (p.max != null && +def + 37 > p.max) return String(p.min != null && +def - 37 < p.min ? p.max : +def - 37);
      return String(+def + 37);
  }
  throw new Error('no changed value for ' + p.name);
}

// The parameters of `params` that leave `picture(data, name)` (any JSON
// value) as it was. skip: names tested by their behaviour elsewhere;
// context: per name, other parameters it needs to show (X needs absolute
// placement); data(params): the data file for those parameters.
export async function deadParameters(params, { skip = [], context = {}, picture, data }) {
  const base = new Map(), dead = [];
  for (const p of params) {
    if (skip.includes(p.name)) continue;
    const ctx = context[p.name] || {}, key = JSON.stringify(ctx);
    if (!base.has(key)) base.set(key, JSON.stringify(await picture(data(ctx), 'base.html')));
    const pic = await picture(data({ ...ctx, [p.name]: changed(p) }), 'walk.html');
    if (JSON.stringify(pic) === base.get(key)) dead.push(p.name);
  }
  return dead;
}
