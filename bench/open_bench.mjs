#!/usr/bin/env node
// Instant opening: the time from the input event to the submenu, branch,
// row or panel it opens being laid out, in Debian's Chromium, on the
// 1,110-item menus of bench/menu_bench.mjs (200 tabs with a panel each for
// the Ostrel Tabs). Prints, over 101 openings each (the first five left out
// as warm-up; with 96 left, a p95 rests on several openings, not on one):
//   menu_open_p50_ms, menu_open_p95_ms: hovering a first-level item (no
//     show delay) until its submenu is laid out
//   menu_click_open_*, tree_click_open_*, tabs_click_open_*: a click on a
//     first-level item, branch or tab (the menu set to open on click)
//     until what it opens is laid out
//   tree_open_p50_ms, tree_open_p95_ms: Right on a closed branch until its
//     items are laid out (no animation)
//   tabmenu_open_p50_ms, tabmenu_open_p95_ms: Right to the next tab until its
//     row of 110 items is laid out
//   tabs_open_p50_ms, tabs_open_p95_ms: Right to the next tab until its
//     panel is laid out
// each beside its floor, the same nested list shown and hidden by a bare
// handler of the same event (floor_hover_* for the menu's hover,
// floor_click_* for the clicks, floor_key_* for the keys), and the ratio
// of the p95s (*_open_floor_ratio). Targets:
// p95 under 16 ms and within 1.5 x the floor.
// Run after a build: node bench/open_bench.mjs
import { launch, openPage, dataFile, bigItems, ENGINE, SITE, menuType } from '../tests/engines/support.mjs';

const RUNS = 101, WARM = 5;
const items = bigItems(10, 10, 10);

// The clock, in the page: armed by the bench with the selector of what must
// be shown; started by the input event (its own time stamp), stopped by the
// first change after which that element has a box, laid out at once.
const CLOCK = `<script>window.lat=[];window.want=null;var t0=0;
['pointerover','keydown','click'].forEach(function(type){addEventListener(type,function(e){if(want&&!t0)t0=e.timeStamp;},true);});
new MutationObserver(function(){if(!want||!t0)return;var el=document.querySelector(want);
if(el&&el.getClientRects().length&&el.offsetHeight>0){lat.push(performance.now()-t0);want=null;t0=0;}})
.observe(document.documentElement,{subtree:true,childList:true,attributes:true});</script>`;

const page = (head, data, after = '') => `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bench</title>${head}</head>` +
  `<body>${CLOCK}<script src="${data}"></script>${after}<p>Page text</p></body></html>`;

// The floor: the nested list written in one go; hovering a first-level link
// shows its list (leaving the list hides it), Right on a first-level link
// goes to the next one and shows its list instead. With `click`, only a
// click on a first-level link shows its list.
const floor = `function floor(items,click){var h='',l=-1,i,e,d;for(i=0;i<items.length;i++){e=items[i];d=e[0].match(/^\\|*/)[0].length;` +
  `if(d>l)h+='<ul>';else{h+='</li>';while(l>d){h+='</ul></li>';l--;}}h+='<li><a href="'+e[1]+'">'+e[0].slice(d)+'</a>';l=d;}` +
  `while(l-->=0)h+='</li></ul>';var n=document.createElement('nav');n.innerHTML=h;document.currentScript.before(n);var open=null;` +
  `function show(li){if(open)open.classList.remove('o');open=li;li.classList.add('o');}` +
  `n.addEventListener(click?'click':'pointerover',function(e){var li=e.target.closest('nav>ul>li');if(li){show(li);e.preventDefault();}});` +
  `n.addEventListener('pointerleave',function(){if(open)open.classList.remove('o');open=null;});` +
  `n.addEventListener('keydown',function(e){var li=e.target.closest('nav>ul>li');if(e.key!=='ArrowRight'||!li)return;` +
  `var to=li.nextElementSibling||li.parentNode.firstElementChild;show(to);to.firstChild.focus();e.preventDefault();});}`;
// Laid out as a bar with drop-down lists, so that an open list moves
// nothing else.
const FLOOR_CSS = '<style>nav>ul{display:flex;gap:8px}nav>ul>li{position:relative;list-style:none}' +
  'nav>ul>li>ul{position:absolute;top:100%;left:0;width:max-content;background:#fff}nav ul ul{display:none}nav li.o>ul{display:block}</style>';

const TR = menuType('tree-menu', 'qrntmenu.js');
// The Tab Menu's description builds on the Tabs' one.
const T = menuType('tabs', 'qrntabs.js');
const TM = menuType('tab-menu', 'qrntabmenu.js');
const tabMenuItems = [];
for (let a = 0; a < 10; a++) {
  tabMenuItems.push([0, `Section ${a}`, `s${a}.html`]);
  for (let c = 0; c < 110; c++) tabMenuItems.push([1, `Page ${a}.${c}`, `s${a}/p${c}.html`]);
}
const panels = Array.from({ length: 200 }, (_, i) => `<section id="p${i}"><h2>Section ${i}</h2><p>Text ${i}</p></section>`).join('');

const b = await launch();
b.serve({
  'qrnmenu.js': ENGINE, 'qrntmenu.js': TR.ENGINE, 'qrntabmenu.js': TM.ENGINE, 'qrntabs.js': T.ENGINE, 'floor.js': floor,
  'menu-data.js': dataFile({ params: { menuShowDelay: 0, menuHideDelay: 0, menuEffect: 'none', menuCollapseWidth: '0px' }, items }),
  'tree-data.js': TR.dataFile({ params: { tmenuAnimDuration: 0, tmenuRemember: false }, items }),
  'tabmenu-data.js': TM.dataFile({ items: tabMenuItems }),
  'tabs-data.js': T.dataFile({ items: Array.from({ length: 200 }, (_, i) => [0, `Section ${i}`, '', '', '', '', '', '', '', '', `p${i}`]) }),
  'floor-data.js': dataFile({ items, init: 'floor(menuItems);' }),
  'floor-click-data.js': dataFile({ items, init: 'floor(menuItems,1);' }),
  'menu-click-data.js': dataFile({ params: { menuOpenOn: 'click', menuEffect: 'none', menuCollapseWidth: '0px' }, items }),
  'menu-click.html': page('<script src="qrnmenu.js"></script>', 'menu-click-data.js'),
  'floor-click.html': page(FLOOR_CSS + '<script src="floor.js"></script>', 'floor-click-data.js'),
  'menu.html': page('<script src="qrnmenu.js"></script>', 'menu-data.js'),
  'tree.html': page('<script src="qrntmenu.js"></script>', 'tree-data.js'),
  'tabmenu.html': page('<script src="qrntabmenu.js"></script>', 'tabmenu-data.js'),
  'tabs.html': page('<script src="qrntabs.js"></script>', 'tabs-data.js', panels),
  'floor.html': page(FLOOR_CSS + '<script src="floor.js"></script>', 'floor-data.js')
});

// One opening: arms the clock for `want`, gives the input, waits for it.
// Before a key or a click the clock is armed once the page has painted
// what came before (two frames on), as a visitor's next key finds it;
// otherwise the input would wait behind the painting of the previous
// opening, and the figures would say as much about how fast the bench
// types as about the engine. Pointer moves are not held back: the browser
// hands them over at the next frame, so arming them just after one would
// add most of a frame to every hover.
async function once(p, want, input, settle = true) {
  await p.evaluate(([w, wait]) => new Promise(armed => {
    const arm = () => { window.want = w; window.t0 = 0; armed(); };
    wait ? requestAnimationFrame(() => requestAnimationFrame(arm)) : arm();
  }), [want, settle]);
  await input();
  await p.waitForFunction(() => window.want === null);
}

// Hover: the pointer goes from the page's text onto first-level item i.
async function hovers(name, first, sub) {
  const p = await openPage(b, SITE + name);
  await p.waitForFunction(() => !document.querySelector('nav.qw') && document.querySelectorAll('nav a').length === 1110);
  const boxes = await p.evaluate(sel => [...document.querySelectorAll(sel)].map(a => { const r = a.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }), first);
  const away = await p.evaluate(() => { const r = document.querySelector('body>p').getBoundingClientRect(); return [r.x + 5, r.y + 5]; });
  for (let i = 0; i < RUNS; i++) {
    const n = i % boxes.length;
    await p.mouse.move(...away);
    await p.waitForFunction(s => !document.querySelector(s) || !document.querySelector(s).offsetHeight, sub(n));
    await once(p, sub(n), () => p.mouse.move(...boxes[n]), false);
  }
  const lat = await p.evaluate(() => window.lat);
  await p.close();
  return lat.slice(WARM);
}

// Clicks: on each of `targets` in turn (first waiting for `ready`); after
// each, `close` says what closes what it opened: 'beside' a click beside the
// menu, 'again' a second click on the same target (the tree, whose items
// move as branches open), 'none' nothing (tabs: the next one opens
// instead). `want(i)` selects what click i must show.
async function clicks(name, ready, targets, want, close = 'beside') {
  const p = await openPage(b, SITE + name);
  await p.waitForFunction(ready);
  const boxes = await p.evaluate(sel => [...document.querySelectorAll(sel)].map(a => { const r = a.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; }), targets);
  // The window's far corner: the page's text may lie under an open submenu.
  const away = await p.evaluate(() => [innerWidth - 3, innerHeight - 3]);
  for (let i = 0; i < RUNS; i++) {
    const n = i % boxes.length;
    await p.mouse.move(...boxes[n]);
    await once(p, want(n), () => p.mouse.click(...boxes[n]));
    if (close === 'none') continue;
    await p.mouse.click(...(close === 'again' ? boxes[n] : away));
    await p.waitForFunction(s => !document.querySelector(s) || !document.querySelector(s).offsetHeight, want(n));
  }
  const lat = await p.evaluate(() => window.lat);
  await p.close();
  return lat.slice(WARM);
}

// Keys: the focus on the first of `first`, then `prepare` before each Right.
async function keys(name, ready, first, want, prepare = async () => {}) {
  const p = await openPage(b, SITE + name);
  await p.waitForFunction(ready);
  await p.evaluate(sel => document.querySelector(sel).focus(), first);
  for (let i = 0; i < RUNS; i++) {
    await prepare(p, i);
    await once(p, await p.evaluate(want), () => p.keyboard.press('ArrowRight'));
  }
  const lat = await p.evaluate(() => window.lat);
  await p.close();
  return lat.slice(WARM);
}

const menu = await hovers('menu.html', 'nav .qb>li>.qi', n => `nav .qb>li:nth-child(${n + 1})>ul`);
const floorHover = await hovers('floor.html', 'nav>ul>li>a', n => `nav>ul>li:nth-child(${n + 1})>ul`);
// The tree: Right opens the focused branch; Left and Down first close it
// and go on to the next first-level item.
const tree = await keys('tree.html', () => document.querySelectorAll('[role=treeitem]').length > 0 && !document.querySelector('nav.qw'),
  '[role=treeitem]', () => `#${document.activeElement.getAttribute('aria-owns')}`,
  async (p, i) => {
    if (!i) return;
    await p.keyboard.press('ArrowLeft');
    await p.evaluate(() => {
      const a = document.activeElement, next = a.parentNode.nextElementSibling || a.parentNode.parentNode.firstElementChild;
      next.firstElementChild.focus();
    });
  });
const tabMenu = await keys('tabmenu.html', () => document.querySelectorAll('.qr ul').length === 10, '[role=tab]',
  () => { const all = [...document.querySelectorAll('[role=tab]')], i = all.indexOf(document.activeElement); return `#${all[(i + 1) % all.length].getAttribute('aria-controls').split(' ')[0]}`; });
const tabs = await keys('tabs.html', () => document.querySelectorAll('[role=tabpanel]').length === 200, '[role=tab]',
  () => { const all = [...document.querySelectorAll('[role=tab]')], i = all.indexOf(document.activeElement); return `#${all[(i + 1) % all.length].getAttribute('aria-controls')}`; });
const menuClick = await clicks('menu-click.html', () => !document.querySelector('nav.qw'), 'nav .qb>li>.qi', n => `nav .qb>li:nth-child(${n + 1})>ul`);
const floorClick = await clicks('floor-click.html', () => document.querySelectorAll('nav a').length === 1110, 'nav>ul>li>a', n => `nav>ul>li:nth-child(${n + 1})>ul`);
const treeClick = await clicks('tree.html', () => document.querySelectorAll('[role=treeitem]').length > 0 && !document.querySelector('nav.qw'),
  'nav [role=tree]>li>.qi>.qe', n => `nav [role=tree]>li:nth-child(${n + 1})>ul`, 'again');
// Every click on a tab other than the selected one; the panel of the
// first tab is shown from the start.
const tabsClick = await clicks('tabs.html', () => document.querySelectorAll('[role=tabpanel]').length === 200, '[role=tab]:nth-child(n+2)',
  n => `#p${n + 1}`, 'none');
const floorKey = await keys('floor.html', () => document.querySelectorAll('nav a').length === 1110, 'nav>ul>li>a',
  () => { const li = document.activeElement.parentNode, to = li.nextElementSibling || li.parentNode.firstElementChild; return `nav>ul>li:nth-child(${[...li.parentNode.children].indexOf(to) + 1})>ul`; });
await b.close();

const pct = (list, q) => list.slice().sort((x, y) => x - y)[Math.min(list.length - 1, Math.floor(q * list.length))];
const print = (name, list) => {
  console.log(`${name}_p50_ms: ${pct(list, 0.5).toFixed(2)}`);
  console.log(`${name}_p95_ms: ${pct(list, 0.95).toFixed(2)}`);
};
print('floor_hover_open', floorHover);
print('floor_key_open', floorKey);
print('floor_click_open', floorClick);
for (const [name, list, fl] of [['menu_open', menu, floorHover], ['tree_open', tree, floorKey], ['tabmenu_open', tabMenu, floorKey], ['tabs_open', tabs, floorKey],
  ['menu_click_open', menuClick, floorClick], ['tree_click_open', treeClick, floorClick], ['tabs_click_open', tabsClick, floorClick]]) {
  print(name, list);
  console.log(`${name}_floor_ratio: ${(pct(list, 0.95) / pct(fl, 0.95)).toFixed(2)}`);
}
