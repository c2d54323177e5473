// Every parameter of the Ostrel Menu's description takes effect: changing
// one changes the rendered menu, and the individual styles change exactly
// the items and submenus they are given to.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, pageHtml, dataFile, defaultItems, TYPE, DEFAULTS, ENGINE } from './support.mjs';
import { changed, deadParameters, framePictures } from './walk.mjs';

// The walks take their pictures in frames of one page.
let b, walk;
before(async () => {
  b = await launch();
  walk = onePage(b);
  b.serve({ 'qrnmenu.js': ENGINE });
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
// computed look and place, with a submenu open and items under the mouse;
// one picture per data file. With parts ([text, 'item' or 'submenu']), the
// picture of the elements of those items (without their submenus) or of
// their submenus only, in their order.
const pictures = (datas, parts = []) => framePictures(walk, datas, {
  html: data => pageHtml({ data: [data] }),
  ready: () => !document.querySelector('nav.qw'),
  shoot: view => view.evaluate(([PROPS, parts]) => {
    const nav = document.querySelector('nav');
    const li = t => [...nav.querySelectorAll('.qi')].find(x => x.textContent === t).parentNode;
    li('Products').classList.add('qo');
    li('Services').classList.add('qh');
    li('Hardware').classList.add('qh');
    // Opening effects at their end, so the picture shows the open state.
    for (const a of document.getAnimations()) a.finish();
    const els = [...nav.querySelectorAll('*')].concat(nav);
    const all = els.map(el => {
      const cs = getComputedStyle(el), r = el.getBoundingClientRect();
      const text = [...el.childNodes].filter(n => n.nodeType === 3).map(n => n.data).join('');
      return el.tagName + [...el.attributes].map(a => ` ${a.name}=${a.value}`).join('') + ` "${text}"` +
        PROPS.map(p => ` ${p}:${cs[p]}`).join('') + ` @${Math.round(r.left)},${Math.round(r.top)},${Math.round(r.width)}x${Math.round(r.height)}`;
    });
    if (!parts.length) return all;
    return parts.map(([text, part]) => {
      const item = li(text), sub = item.querySelector(':scope>ul');
      const root = part === 'submenu' ? sub : item;
      return all.filter((_, i) => root.contains(els[i]) && (part === 'submenu' || !sub?.contains(els[i])));
    });
  }, [PROPS, parts])
});

test('everyParameter_changesTheRenderedMenu', async () => {
  for (const name of Object.keys(BEHAVIOUR)) assert.ok(DEFAULTS[name] !== undefined, name + ' is a parameter');
  const dead = await deadParameters(TYPE.params, { skip: Object.keys(BEHAVIOUR), context: CONTEXT, pictures, data: params => dataFile({ params, items }) });
  assert.deepEqual(dead, [], 'parameters without effect');
});

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
  const failures = [];
  for (const kind of ['item', 'submenu']) {
    // Where the others stand may move with a styled item's size; their
    // look may not change.
    const parts = pics => pics.map(pic => [pic.slice(0, -2).flat(), pic.slice(-2).flat().map(x => x.replace(/ @[^@]*$/, ''))]);
    const data = style => dataFile({ items: styledItems(kind), [kind === 'item' ? 'itemStyles' : 'menuStyles']: [style] });
    const styled = TYPE.params.filter(p => (' ' + p.styles + ' ').includes(' ' + kind + ' '));
    // A first-level submenu opens downwards already.
    const value = p => p.name === 'menuSubDirection' ? 'up' : changed(p);
    const shots = await pictures([{ inherit: 'all' }, ...styled.map(p => ({ [p.name]: value(p) }))].map(data),
      [...targets[kind].map(t => [t, kind]), ['Services', 'item'], ['Services', 'submenu']]);
    const [[own, other], ...rest] = parts(shots);
    for (const [n, p] of styled.entries()) {
      const [own2, other2] = rest[n];
      if (JSON.stringify(own2) === JSON.stringify(own)) failures.push(`${kind} style ${p.name}: no effect`);
      if (JSON.stringify(other2) !== JSON.stringify(other)) failures.push(`${kind} style ${p.name}: changed an item without the style`);
    }
  }
  assert.deepEqual(failures, []);
});
