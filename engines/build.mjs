// Bundles the engine files: node engines/build.mjs OUTDIR [MAPDIR]
// Each engine file is one minified script without dependencies. Source maps,
// when MAPDIR is given, go there and never beside the shipped files.
import * as esbuild from 'esbuild';
import browserslist from 'browserslist';
import { createRequire } from 'node:module';
import path from 'node:path';
import fs from 'node:fs';

const here = path.dirname(new URL(import.meta.url).pathname);
const require = createRequire(import.meta.url);
const data = path.join(here, '../runtime/data');
const Q = require(path.join(data, 'common/format.js'));
require(path.join(data, 'common/schema.js'));

// The engines read the parameters through the same descriptions the editor's
// pages use: "plivex:params/<type>" exports the type's name prefix and, by
// default, [name without the prefix, default, style marks] per parameter,
// the default typed as the data file declares it (flag, plain number or
// text); marks: 1 item styles, 2 submenu styles, 4 an address (a link or a
// picture). "addresses" lists the item fields that hold one, by number.
// Types whose description builds on another type's.
const BASE = { 'tab-menu': 'tabs' };
const ADDRESS_KINDS = ['link', 'image'];

const params = {
  name: 'plivex-params',
  setup(b) {
    b.onResolve({ filter: /^plivex:params\// }, a => ({ path: a.path.slice(14), namespace: 'plivex-params' }));
    b.onLoad({ filter: /.*/, namespace: 'plivex-params' }, a => {
      for (const id of [BASE[a.path], a.path]) if (id) require(path.join(data, id, 'schema.js'));
      const t = Q.types[a.path];
      const table = t.params.map(p => {
        if (!p.name.startsWith(t.prefix)) throw new Error(`${p.name} does not begin with ${t.prefix}`);
        const def = p.kind === 'flag' ? Q.toFlag(p.def) : p.kind === 'number' && !p.units ? Number(p.def) : p.def;
        const st = ' ' + p.styles + ' ';
        return [p.name.slice(t.prefix.length), def,
          (st.includes(' item ') ? 1 : 0) | (st.includes(' submenu ') ? 2 : 0) | (ADDRESS_KINDS.includes(p.kind) ? 4 : 0)];
      });
      const addresses = t.itemFields.flatMap((f, i) => ADDRESS_KINDS.includes(f.kind) ? [i] : []);
      return {
        contents: `export const prefix = ${JSON.stringify(t.prefix)};export const addresses = ${JSON.stringify(addresses)};` +
          `export default ${JSON.stringify(table)}`,
        loader: 'js', watchFiles: [path.join(data, a.path, 'schema.js')]
      };
    });
  }
};

// The syntax target: the oldest version of each browser in the "browserslist"
// list of package.json, which the engines' lint checks their APIs against.
const ESBUILD_NAMES = { chrome: 'chrome', edge: 'edge', firefox: 'firefox', safari: 'safari', ios_saf: 'ios' };
function syntaxTarget(query = browserslist.loadConfig({ path: here })) {
  const oldest = new Map();
  for (const entry of browserslist(query)) {
    const [name, range] = entry.split(' ');
    const version = range.split('-')[0];
    if (!ESBUILD_NAMES[name]) throw new Error(`the browser list names ${name}, which the bundler has no target for`);
    if (!oldest.has(name) || parseFloat(version) < parseFloat(oldest.get(name))) oldest.set(name, version);
  }
  return [...oldest].map(([name, version]) => ESBUILD_NAMES[name] + version);
}

export const engines = ['qrnmenu.js', 'qrntmenu.js', 'qrntmenu_add.js', 'qrntmenu_ss.js', 'qrntabs.js', 'qrntabmenu.js'];

// Fields of an engine's own objects, shortened in its shipped file; none is
// a name that the page or the browser reads or sets.
const internal = {
  'qrnmenu.js': /^(X|mb|H|sd|rtl|arrows|is|ss|later|hover|show|hide|mq|hook|over|fill|into|back|setOpen|enter|hold|opener|main|sub|mainEl|subEl|fix)$/,
  'qrntabmenu.js': /^(sep|els)$/
};

const [out, maps] = process.argv.slice(2);
const target = syntaxTarget();
if (!out) {
  console.error('usage: node engines/build.mjs OUTDIR [MAPDIR]');
  process.exit(2);
}
for (const file of engines) {
  const r = await esbuild.build({
    entryPoints: [path.join(here, file)], bundle: true, minify: true, format: 'iife', target,
    legalComments: 'none', mangleProps: internal[file], write: false,
    // Chromium compiles every function while the engine loads, ahead of the
    // data file, instead of one by one while the menu is being built.
    banner: { js: '//# allFunctionsCalledOnLoad' }, outfile: path.join(out, file), sourcemap: maps ? 'external' : false,
    plugins: [params], logLevel: 'warning'
  });
  fs.mkdirSync(out, { recursive: true });
  for (const f of r.outputFiles) {
    const map = f.path.endsWith('.map');
    if (map) fs.mkdirSync(maps, { recursive: true });
    fs.writeFileSync(map ? path.join(maps, path.basename(f.path)) : f.path, f.contents);
  }
}
