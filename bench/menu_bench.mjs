#!/usr/bin/env node
// Renders a 1,110-item Ostrel Menu of three levels in Debian's Chromium and
// prints, as the median of 31 fresh pages each (and, as *_q1_ms, their lower
// quartile: on a shared machine other work only ever adds time, in bursts, so
// the faster pages tell the engine's own cost best):
//   menu_1110_ms:    data file evaluated to menu laid out
//   floor_1110_ms:   the same for a bare nested list built from the same data
//   menu_floor_ratio: the one over the other
//   menu_1110_whole_ms: until the menu's last submenu is written
//   size_gzip_bytes: qrnmenu.js compressed, and size_gzip_budget_bytes its
//   budget (engines/budgets.mjs); each *_size_gzip_bytes below has its
//   *_size_gzip_budget_bytes beside it
// and the same for 200 Ostrel Tabs against a bare list of 200 links:
//   tabs_200_ms, tabs_floor_200_ms, tabs_floor_ratio, tabs_size_gzip_bytes,
//   and tabs_floor_ratio_pairs_median, the median of the 31 pairs' ratios
// and for the same 1,110 items as an Ostrel Tree Menu against the same floor
// built from its own data file:
//   tree_1110_ms, tree_floor_1110_ms, tree_floor_ratio, tree_size_gzip_bytes,
//   tree_add_size_gzip_bytes, tree_ss_size_gzip_bytes
// and for an Ostrel Tab Menu of 10 tabs with 110 submenu items each (the
// submenus not shown are written later, while the page is idle) against the
// same bare nested list as the menu's, with the first tab's items shown as
// the tab menu's second row shows them:
//   tabmenu_1110_ms, tabmenu_floor_1110_ms, tabmenu_floor_ratio,
//   tabmenu_size_gzip_bytes
// Run after a build: node bench/menu_bench.mjs   (PLIVEX_BIN_DIR picks
// another build than build/bin; PLIVEX_BROWSER=firefox or webkit runs the
// same pages in Firefox ESR or, under xvfb-run, in WebKitGTK, where the
// engines' targets are 1.5 times their floor against Chromium's 1.2).
import fs from 'node:fs';
import path from 'node:path';
import { budgets, gzipSize as gz } from '../engines/budgets.mjs';
import { launch, openPage, dataFile, bigItems, ENGINE, SITE, BIN, menuType } from '../tests/engines/support.mjs';

const RUNS = 31;
const data = dataFile({ items: bigItems(10, 10, 10) });

// The data file starts the clock itself, so loading it is not counted; the
// page stops it once the layout is done.
const start = 'window.t0=performance.now();\r\n';
// Submenus that the menu writes later, while the page is idle, are timed
// apart: menu_1110_whole_ms is until the last of them is in the document.
const stop = '<script>document.body.offsetHeight;window.elapsed=performance.now()-t0;var n=document.querySelector("nav.qw");' +
  'if(n)new MutationObserver(function(){if(!n.classList.contains("qw"))window.whole=performance.now()-t0;}).observe(n,{attributes:true});' +
  'else window.whole=elapsed;</script>';

// The floor: the least a script can do with the same data, one nested list
// of links written in one go, its inner lists hidden as a menu's closed
// submenus are (so both lay out the same ten visible items).
// Compiled on load like the engines (see engines/build.mjs).
const hint = '//# allFunctionsCalledOnLoad\n';
const floor = hint + `function floor(){var h='',l=-1,i,e,d;for(i=0;i<menuItems.length;i++){e=menuItems[i];d=e[0].match(/^\\|*/)[0].length;` +
  `if(d>l)h+='<ul>';else{h+='</li>';while(l>d){h+='</ul></li>';l--;}}h+='<li><a href="'+e[1]+'">'+e[0].slice(d)+'</a>';l=d;}` +
  `while(l-->=0)h+='</li></ul>';var n=document.createElement('nav');n.innerHTML=h;document.currentScript.before(n);}`;

const page = (head, dataName) => `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bench</title>${head}</head>` +
  `<body><h1>Bench</h1><script src="${dataName}"></script>${stop}<p>Page text</p></body></html>`;

// Tabs: 200 link tabs, and as their floor the same links in one list.
const T = menuType('tabs', 'qrntabs.js');
const tabsData = T.dataFile({ items: Array.from({ length: 200 }, (_, i) => [0, `Section ${i}`, `s${i}.html`]) });
const tabsFloor = hint + `function floor(){var h='',i,e;for(i=0;i<bmenuItems.length;i++){e=bmenuItems[i];h+='<li><a href="'+e[1]+'">'+e[0]+'</a></li>';}` +
  `var n=document.createElement('nav');n.innerHTML='<ul>'+h+'</ul>';document.currentScript.before(n);}`;

// The tree: the same items in its own data file; its floor is the menu's.
const TR = menuType('tree-menu', 'qrntmenu.js');
const treeData = TR.dataFile({ items: bigItems(10, 10, 10) });
const treeFloor = floor.replace(/menuItems/g, 'tmenuItems');
const addOn = name => fs.readFileSync(path.join(BIN, name), 'utf8');

// Tab Menu: 10 tabs of 110 items each; its floor is the menu's floor run
// on the tab menu's item array.
const TM = menuType('tab-menu', 'qrntabmenu.js');
const tabMenuItems = [];
for (let a = 0; a < 10; a++) {
  tabMenuItems.push([0, `Section ${a}`, `s${a}.html`]);
  for (let c = 0; c < 110; c++) tabMenuItems.push([1, `Page ${a}.${c}`, `s${a}/p${c}.html`]);
}
const tabMenuData = TM.dataFile({ items: tabMenuItems });
// The tab menu shows its tabs and, as a second row, the first tab's items:
// the floor shows the same links, in rows, the other lists hidden.
const tabMenuFloorCss = 'nav ul{display:flex;flex-wrap:wrap}nav ul ul{display:none}nav li:first-child>ul{display:flex}';

const b = await launch();
b.serve({
  'qrnmenu.js': ENGINE, 'floor.js': floor,
  'menu-data.js': start + data,
  'floor-data.js': start + data.replace(/qrn_init\(\);$/, 'floor();'),
  'menu.html': page('<script src="qrnmenu.js"></script>', 'menu-data.js'),
  'floor.html': page('<style>nav ul ul{display:none}</style><script src="floor.js"></script>', 'floor-data.js'),
  'qrntabs.js': T.ENGINE, 'tabs-floor.js': tabsFloor,
  'tabs-data.js': start + tabsData,
  'tabs-floor-data.js': start + tabsData.replace(/qrn_tabsInit\(\);$/, 'floor();'),
  'tabs.html': page('<script src="qrntabs.js"></script>', 'tabs-data.js'),
  'tabs-floor.html': page('<style>nav ul{display:flex;flex-wrap:wrap}</style><script src="tabs-floor.js"></script>', 'tabs-floor-data.js'),
  'qrntmenu.js': TR.ENGINE, 'tree-floor.js': treeFloor,
  'tree-data.js': start + treeData,
  'tree-floor-data.js': start + treeData.replace(/qrn_tmenuInit\(\);$/, 'floor();'),
  'tree.html': page('<script src="qrntmenu.js"></script>', 'tree-data.js'),
  'tree-floor.html': page('<style>nav ul ul{display:none}</style><script src="tree-floor.js"></script>', 'tree-floor-data.js'),
  'qrntabmenu.js': TM.ENGINE, 'tabmenu-floor.js': floor.replace(/menuItems/g, 'bmenuItems'),
  'tabmenu-data.js': start + tabMenuData,
  'tabmenu-floor-data.js': start + tabMenuData.replace(/qrn_tabsInit\(\);$/, 'floor();'),
  'tabmenu.html': page('<script src="qrntabmenu.js"></script>', 'tabmenu-data.js'),
  'tabmenu-floor.html': page(`<style>${tabMenuFloorCss}</style><script src="tabmenu-floor.js"></script>`, 'tabmenu-floor-data.js')
});

async function measure(name, count = 1110, sel = 'nav li') {
  const p = await openPage(b, SITE + name);
  await p.waitForFunction(() => window.whole !== undefined);
  const [ms, whole] = await p.evaluate(() => [window.elapsed, window.whole]);
  const items = await p.evaluate(sel => document.querySelectorAll(sel).length, sel);
  if (p.problems.length || items !== count) throw new Error(`${name}: ${items} items, ${p.problems.join('; ')}`);
  await p.close();
  return [ms, whole];
}

const sorted = list => list.slice().sort((a, c) => a - c);
const stats = list => ({ median: sorted(list)[list.length >> 1], q1: sorted(list)[list.length >> 2] });
// One warm-up of each, then the two as pairs of pages, taking turns at going
// first, so that both see the same machine.
async function pairs(one, other) {
  const t = { one: [], whole: [], other: [], ratios: [] };
  await one();
  await other();
  for (let i = 0; i < RUNS; i++) {
    let a, c;
    if (i % 2) { c = await other(); a = await one(); } else { a = await one(); c = await other(); }
    t.one.push(a[0]);
    t.whole.push(a[1]);
    t.other.push(c[0]);
    t.ratios.push(a[0] / c[0]);
  }
  return { one: stats(t.one), whole: stats(t.whole), other: stats(t.other), ratios: stats(t.ratios) };
}
const times = await pairs(() => measure('menu.html'), () => measure('floor.html'));
const tabs = await pairs(() => measure('tabs.html', 200, '[role=tab]'), () => measure('tabs-floor.html', 200));
const tree = await pairs(() => measure('tree.html', 1110, '[role=treeitem]'), () => measure('tree-floor.html'));
const tabMenu = await pairs(() => measure('tabmenu.html', 10, '[role=tab]'), () => measure('tabmenu-floor.html'));
await b.close();

// Each size, then its budget as name_budget_bytes.
const size = (name, file, text) => {
  console.log(`${name}: ${gz(text)}`);
  console.log(`${name.replace(/_bytes$/, '_budget_bytes')}: ${budgets[file]}`);
};
// name_ms and name_q1_ms for one side; the ratio of the medians.
function report(name, floorName, ratioName, t) {
  console.log(`${name}: ${t.one.median.toFixed(1)}`);
  console.log(`${floorName}: ${t.other.median.toFixed(1)}`);
  console.log(`${ratioName}: ${(t.one.median / t.other.median).toFixed(2)}`);
  console.log(`${name.replace(/_ms$/, '_q1_ms')}: ${t.one.q1.toFixed(1)}`);
  console.log(`${floorName.replace(/_ms$/, '_q1_ms')}: ${t.other.q1.toFixed(1)}`);
}
report('menu_1110_ms', 'floor_1110_ms', 'menu_floor_ratio', times);
console.log(`menu_1110_whole_ms: ${times.whole.median.toFixed(1)}`);
size('size_gzip_bytes', 'qrnmenu.js', ENGINE);
report('tabs_200_ms', 'tabs_floor_200_ms', 'tabs_floor_ratio', tabs);
// The Tabs' pages are short, so one noisy page moves their ratio most: it
// is also printed as the median of the ratios of the 31 pairs.
console.log(`tabs_floor_ratio_pairs_median: ${tabs.ratios.median.toFixed(2)}`);
size('tabs_size_gzip_bytes', 'qrntabs.js', T.ENGINE);
report('tree_1110_ms', 'tree_floor_1110_ms', 'tree_floor_ratio', tree);
size('tree_size_gzip_bytes', 'qrntmenu.js', TR.ENGINE);
size('tree_add_size_gzip_bytes', 'qrntmenu_add.js', addOn('qrntmenu_add.js'));
size('tree_ss_size_gzip_bytes', 'qrntmenu_ss.js', addOn('qrntmenu_ss.js'));
report('tabmenu_1110_ms', 'tabmenu_floor_1110_ms', 'tabmenu_floor_ratio', tabMenu);
size('tabmenu_size_gzip_bytes', 'qrntabmenu.js', TM.ENGINE);
