// Keyboard paths of the Ostrel Tab Menu: the tabs as the Ostrel Tabs (one
// tab stop, arrows, Home/End, automatic or manual selection) and the way
// into a submenu and back, in the second row and in drop-downs, with
// vertical and right-to-left tabs.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage } from './support.mjs';
import { T, tabMenuPage, state } from './tabmenu_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

// Tab 0 shows a panel, Tab 1 is a link with a submenu (its S1b disabled),
// Tab 2 is disabled, Tab 3 shows a panel and has a submenu.
const items = [
  [0, 'Tab 0', '', '', '', '', '', '', '', '', 'c0'],
  [0, 'Tab 1', 't1.html'], [1, 'S1a', '#s1a'], [1, 'S1b', '#s1b', '', '', '', '', 'disabled'], [1, 'S1c', '#s1c'],
  [0, 'Tab 2', 't2.html', '', '', '', '', 'disabled'], [1, 'S2a', '#s2a'],
  [0, 'Tab 3', '', '', '', '', '', '', '', '', 'c3'], [1, 'S3a', '#s3a'], [1, 'S3b', '#s3b']
];
// A link after the panels keeps the focus in the page when Tab leaves the
// tabs (past the end of the page some browsers keep reporting the tab).
const CONTENTS = '<section id="c0"><p>Content 0</p></section><section id="c3"><p>Content 3</p></section><a href="#end">End</a>';

// Presses `keys` and returns "focus / open submenu / selected tab" after each.
async function walk(page, keys) {
  const out = [];
  for (const k of keys) {
    await page.keyboard.press(k);
    const s = await state(page);
    out.push(`${s.focus} / ${s.open} / ${(s.tabs.match(/[^,]*\*/) || [''])[0]}`);
  }
  return out;
}

test('keys_enterMoveAndLeaveSubmenus_inEachModeAndLayout', async () => {
  const cases = [
    { name: 'row', params: {}, keys: ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowLeft', 'End', 'Home', 'Escape', 'ArrowRight', 'Enter', 'Escape', 'Home', 'End', 'Tab'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 1 / Tab 1 / Tab 1*', 'S1a / Tab 1 / Tab 1*', 'S1c / Tab 1 / Tab 1*', 'S1a / Tab 1 / Tab 1*', 'S1c / Tab 1 / Tab 1*',
        'S1c / Tab 1 / Tab 1*', 'S1a / Tab 1 / Tab 1*', 'Tab 1 / Tab 1 / Tab 1*', 'Tab 3 / Tab 3 / Tab 3*', 'S3a / Tab 3 / Tab 3*', 'Tab 3 / Tab 3 / Tab 3*',
        'Tab 0 /  / Tab 0*', 'Tab 3 / Tab 3 / Tab 3*', 'S3a / Tab 3 / Tab 3*'] },
    // The panels are the page's own and take no focus: Tab goes on past them.
    { name: 'drop-down', params: { tabsSubMode: 'dropdown' }, keys: ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowUp', 'ArrowRight', 'Space', 'ArrowLeft', 'ArrowDown', 'Escape', 'Escape', 'ArrowLeft', 'Tab'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 1 /  / Tab 0*', 'S1a / Tab 1 / Tab 0*', 'S1c / Tab 1 / Tab 0*', 'S1a / Tab 1 / Tab 0*', 'Tab 3 /  / Tab 3*',
        'S3a / Tab 3 / Tab 3*', 'Tab 1 /  / Tab 3*', 'S1a / Tab 1 / Tab 3*', 'Tab 1 /  / Tab 3*', 'Tab 1 /  / Tab 3*', 'Tab 0 /  / Tab 0*', 'A /  / Tab 0*'] },
    { name: 'manual', params: { tabsActivation: 'manual' }, keys: ['Tab', 'ArrowRight', 'ArrowRight', 'Enter', 'Escape', 'ArrowLeft', 'Shift+Tab', 'Tab'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 1 /  / Tab 0*', 'Tab 3 /  / Tab 0*', 'S3a / Tab 3 / Tab 3*', 'Tab 3 / Tab 3 / Tab 3*', 'Tab 1 / Tab 3 / Tab 3*',
        'BODY / Tab 3 / Tab 3*', 'Tab 3 / Tab 3 / Tab 3*'] },
    { name: 'vertical', params: { tabsPlacement: 'left' }, keys: ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowRight', 'ArrowDown', 'Escape', 'ArrowUp'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 0 /  / Tab 0*', 'Tab 1 / Tab 1 / Tab 1*', 'S1a / Tab 1 / Tab 1*', 'S1c / Tab 1 / Tab 1*', 'Tab 1 / Tab 1 / Tab 1*', 'Tab 0 /  / Tab 0*'] },
    { name: 'right-to-left drop-down', params: { tabsSubMode: 'dropdown' }, dir: 'rtl', keys: ['Tab', 'ArrowLeft', 'ArrowDown', 'ArrowLeft', 'ArrowRight'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 1 /  / Tab 0*', 'S1a / Tab 1 / Tab 0*', 'Tab 3 /  / Tab 3*', 'Tab 1 /  / Tab 3*'] },
    { name: 'drop-up below the content', params: { tabsSubMode: 'dropdown', tabsPlacement: 'bottom' }, keys: ['Tab', 'End', 'ArrowUp', 'ArrowUp'],
      expect: ['Tab 0 /  / Tab 0*', 'Tab 3 /  / Tab 3*', 'S3b / Tab 3 / Tab 3*', 'S3a / Tab 3 / Tab 3*'] }
  ];
  for (const c of cases) {
    const page = await tabMenuPage(b, T.dataFile({ params: c.params, items }), { after: CONTENTS, dir: c.dir, name: 'keys.html' });
    assert.deepEqual(await walk(page, c.keys), c.expect, c.name);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});

test('keys_linksAreFollowedFromEveryTabWithALinkAndFromSubmenuItems', async () => {
  const data = T.dataFile({ items: [[0, 'Plain', '#plain'], [0, 'Parent', '#parent'], [1, 'Child', '#child']] });
  for (const [keys, url] of [[['Tab', 'Enter'], /#plain$/], [['Tab', 'Space'], /#plain$/], [['Tab', 'ArrowRight', 'ArrowDown', 'Enter'], /#child$/],
    [['Tab', 'ArrowRight', 'Enter'], /#parent$/], [['Tab', 'ArrowRight', 'Space'], /#parent$/]]) {
    const page = await tabMenuPage(b, data, { after: '<p id="plain">P</p><p id="child">C</p>', name: 'links.html' });
    for (const k of keys) await page.keyboard.press(k);
    await page.waitForURL(url);
    assert.deepEqual(page.problems, [], keys.join());
    await page.close();
  }
});

test('keys_theArrowTowardsTheSubmenuEntersIt_EnterOnlyWithoutALink', async () => {
  // One parent tab with a link, one without; each case starts on the tab
  // after Tab and the arrow that moves to it.
  const items = [[0, 'Home', ''], [0, 'Linked', '#linked'], [1, 'L1', '#l1'], [1, 'L2', '#l2'], [0, 'Bare', ''], [1, 'B1', '#b1']];
  const cases = [
    { side: 'top', mode: 'row', keys: ['ArrowDown'], focus: 'L1' },
    { side: 'top', mode: 'dropdown', keys: ['ArrowDown'], focus: 'L1' },
    { side: 'bottom', mode: 'row', keys: ['ArrowDown'], focus: 'Linked' },
    { side: 'bottom', mode: 'dropdown', keys: ['ArrowUp'], focus: 'L2' },
    { side: 'left', mode: 'dropdown', keys: ['ArrowRight'], focus: 'L1' },
    { side: 'right', mode: 'dropdown', keys: ['ArrowLeft'], focus: 'L1' },
    { side: 'top', mode: 'dropdown', keys: ['ArrowRight', 'Enter'], focus: 'B1' },
    { side: 'top', mode: 'row', keys: ['ArrowRight', 'Space'], focus: 'B1' }
  ];
  for (const c of cases) {
    const params = { tabsPlacement: c.side, tabsSubMode: c.mode };
    const page = await tabMenuPage(b, T.dataFile({ params, items }), { name: 'into.html' });
    const along = c.side === 'left' || c.side === 'right' ? 'ArrowDown' : 'ArrowRight';
    for (const k of ['Tab', along, ...c.keys]) await page.keyboard.press(k);
    assert.equal((await state(page)).focus, c.focus, JSON.stringify(c));
    assert.ok(!page.url().includes('#'), 'no link followed: ' + JSON.stringify(c));
    assert.deepEqual(page.problems, [], JSON.stringify(c));
    await page.close();
  }
});
