// Every parameter of the Ostrel Menu's description takes effect: changing
// one changes the rendered menu, and the individual styles change exactly
// the items and submenus they are given to.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, menuPage, dataFile, defaultItems, TYPE, DEFAULTS } from './support.mjs';
import { changed } from './walk.mjs';

// The walks load their pages one after another into one page.
let b, walk;
before(async () => {
  b = await launch();
  walk = onePage(b);
  b.serve({ 'pic.svg': '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>' });
});
after(async () => { await b.close(); });

// Behaviour in time or on input, which no still picture shows; their own
// tests are in menu_pointer.test.mjs.
const BEHAVIOUR = { menuShowDelay: 'hover', menuHideDelay: 'hover', menuOpenOn: 'click mode' };

// Parameters that only show together with another value.
const CONTEXT = {
  menuLeft: { menuPosition: 'absolute' },
  menuTop: { menuPosition: 'absolute' },
  menuAlign: { menuWidth: '900px' }
};

// The project the walk renders: the default items, one with icons, one
// submenu and one item in the hover state.
const items = defaultItems().map(e => e[1] === 'Services' ? [0, 'Services', 'services.html', '', '', 'pic.svg', 'pic.svg'] : e);
const PROPS = ['display', 'position', 'left', 'top', 'zIndex', 'flexDirection', 'justifyContent', 'alignItems', 'rowGap', 'columnGap',
  'width', 'minHeight', 'backgroundColor', 'backgroundImage', 'color', 'fontFamily', 'fontSize', 'fontWeight', 'textDecorationLine',
  'paddingTop', 'paddingLeft', 'paddingRight', 'borderTopWidth', 'borderTopStyle', 'borderTopColor', 'borderLeftWidth', 'borderLeftColor',
  'borderTopLeftRadius', 'boxShadow', 'opacity', 'transform', 'animationName', 'animationDuration', 'marginTop', 'order', 'insetInlineStart'];

// Everything a visitor could notice: each element's tag, attributes,
// computed look and place, with a submenu open and items under the mouse.
async function picture(page) {
  return page.evaluate(PROPS => {
    const nav = document.querySelector('nav');
    const li = t => [...nav.querySelectorAll('.qi')].find(x => x.textContent === t).parentNode;
    li('Products').classList.add('qo');
    li('Services').classList.add('qh');
    li('Hardware').classList.add('qh');
    // Opening effects at their end, so the picture shows the open state.
    for (const a of document.getAnimations()) a.finish();
    return [...nav.querySelectorAll('*')].concat(nav).map(el => {
      const cs = getComputedStyle(el), r = el.getBoundingClientRect();
      const text = [...el.childNodes].filter(n => n.nodeType === 3).map(n => n.data).join('');
      return el.tagName + [...el.attributes].map(a => ` ${a.name}=${a.value}`).join('') + ` "${text}"` +
        PROPS.map(p => ` ${p}:${cs[p]}`).join('') + ` @${Math.round(r.left)},${Math.round(r.top)},${Math.round(r.width)}x${Math.round(r.height)}`;
    });
  }, PROPS);
}

async function render(name, data) {
  const page = await menuPage(walk, data, { name: name + '.html' });
  const pic = await picture(page);
  assert.deepEqual(page.problems, [], name);
  await page.close();
  return pic;
}

test('everyParameter_changesTheRenderedMenu', async () => {
  for (const name of Object.keys(BEHAVIOUR)) assert.ok(DEFAULTS[name] !== undefined, name + ' is a parameter');
  const pictures = new Map();
  const dead = [];
  for (const p of TYPE.params) {
    if (BEHAVIOUR[p.name]) continue;
    const context = CONTEXT[p.name] || {};
    const key = JSON.stringify(context);
    if (!pictures.has(key)) pictures.set(key, await render('walk-base', dataFile({ params: context, items })));
    const pic = await render('walk-' + p.name, dataFile({ params: { ...context, [p.name]: changed(p) }, items }));
    if (JSON.stringify(pic) === JSON.stringify(pictures.get(key))) dead.push(p.name);
  }
  assert.deepEqual(dead, [], 'parameters without effect');
});

// The picture of the elements of one item (or one submenu) only.
async function partPicture(page, text, part) {
  const all = await picture(page);
  const idx = await page.evaluate(([text, part]) => {
    const nav = document.querySelector('nav');
    const els = [...nav.querySelectorAll('*')];
    const li = [...nav.querySelectorAll('.qi')].find(x => x.textContent === text).parentNode;
    const root = part === 'submenu' ? li.querySelector(':scope>ul') : li;
    // The submenu with its items, or the item without its submenu.
    return els.map((el, i) => (root === el || root.contains(el)) && (part === 'submenu' || !li.querySelector(':scope>ul')?.contains(el)) ? i : -1).filter(i => i >= 0);
  }, [text, part]);
  return idx.map(i => all[i]);
}

test('individualStyles_changeOnlyTheItemsAndSubmenusGivenThem', async () => {
  // Item styles go to a bar item and a submenu item that have submenus, to
  // the current item and to a disabled one; submenu styles to the submenu
  // of Products, which holds a separator. Services and its submenu have
  // none and must stay as they are.
  const targets = { item: ['Products', 'Software', 'Home', 'Careers'], submenu: ['Products'] };
  const styledItems = kind => items.map(e => {
    if (!targets[kind].includes(e[1])) return e;
    const f = e.slice();
    f[kind === 'item' ? 7 : 8] = '0';
    return f;
  });
  const parts = async page => {
    const own = [];
    for (const t of targets[kind]) own.push(...await partPicture(page, t, kind));
    // Where the others stand may move with a styled item's size; their
    // look may not change.
    const others = [...await partPicture(page, 'Services', 'item'), ...await partPicture(page, 'Services', 'submenu')];
    return [own, others.map(x => x.replace(/ @[^@]*$/, ''))];
  };
  let kind;
  const failures = [];
  for (kind of ['item', 'submenu']) {
    const data = style => dataFile({ items: styledItems(kind), [kind === 'item' ? 'itemStyles' : 'menuStyles']: [style] });
    const page = await menuPage(walk, data({ inherit: 'all' }), { name: 'style-base.html' });
    const [own, other] = await parts(page);
    await page.close();
    for (const p of TYPE.params.filter(p => (' ' + p.styles + ' ').includes(' ' + kind + ' '))) {
      // A first-level submenu opens downwards already.
      const value = p.name === 'menuSubDirection' ? 'up' : changed(p);
      const styled = await menuPage(walk, data({ [p.name]: value }), { name: 'style.html' });
      const [own2, other2] = await parts(styled);
      if (JSON.stringify(own2) === JSON.stringify(own)) failures.push(`${kind} style ${p.name}: no effect`);
      if (JSON.stringify(other2) !== JSON.stringify(other)) failures.push(`${kind} style ${p.name}: changed an item without the style`);
      assert.deepEqual(styled.problems, []);
      await styled.close();
    }
  }
  assert.deepEqual(failures, []);
});
