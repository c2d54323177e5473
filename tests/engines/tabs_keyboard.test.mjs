// Keyboard and pointer paths of the Ostrel Tabs: one tab stop, arrows with
// automatic or manual selection, Home/End, vertical and right-to-left tabs,
// disabled tabs skipped, and selection on hover by parameter.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage } from './support.mjs';
import { T, tabsPage, panelItems, contents, state } from './tabs_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

// Tab 2 of four is disabled; Tab 3 is a link.
const items = () => {
  const list = panelItems(4);
  list[2][8] = 'disabled';
  list[3] = [0, 'Tab 3', '#linked'];
  return list;
};

// Presses `keys` and returns "focused tab / shown panel" after each.
async function walk(page, keys) {
  const out = [];
  for (const k of keys) {
    await page.keyboard.press(k);
    const s = await state(page);
    out.push(s.focus + ' / ' + s.shown);
  }
  return out;
}

test('arrows_moveAndSelect_automaticManualVerticalAndRightToLeft', async () => {
  // The panels are the page's own and take no focus: Tab goes on past them.
  const cases = [
    { name: 'automatic', params: {}, keys: ['Tab', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'End', 'Home', 'ArrowLeft', 'Tab'],
      expect: ['Tab 0 / Content 0', 'Tab 1 / Content 1', 'Tab 3 / Content 1', 'Tab 0 / Content 0', 'Tab 3 / Content 0', 'Tab 0 / Content 0', 'Tab 3 / Content 0', 'A / Content 0'] },
    { name: 'manual', params: { tabsActivation: 'manual' }, keys: ['Tab', 'ArrowRight', 'Enter', 'ArrowLeft', 'Space', 'ArrowRight', 'Shift+Tab', 'Tab'],
      expect: ['Tab 0 / Content 0', 'Tab 1 / Content 0', 'Tab 1 / Content 1', 'Tab 0 / Content 1', 'Tab 0 / Content 0', 'Tab 1 / Content 0', 'BODY / Content 0', 'Tab 0 / Content 0'] },
    { name: 'vertical', params: { tabsPlacement: 'left' }, keys: ['Tab', 'ArrowRight', 'ArrowDown', 'ArrowUp'],
      expect: ['Tab 0 / Content 0', 'Tab 0 / Content 0', 'Tab 1 / Content 1', 'Tab 0 / Content 0'] },
    { name: 'right-to-left', params: {}, dir: 'rtl', keys: ['Tab', 'ArrowLeft', 'ArrowRight'],
      expect: ['Tab 0 / Content 0', 'Tab 1 / Content 1', 'Tab 0 / Content 0'] }
  ];
  for (const c of cases) {
    // A link after the panels keeps the focus in the page when Tab leaves
    // the tabs (past the end of the page some browsers keep reporting the tab).
    const page = await tabsPage(b, T.dataFile({ params: c.params, items: items() }), { after: contents(4) + '<a href="#end">End</a>', dir: c.dir, name: 'keys.html' });
    assert.deepEqual(await walk(page, c.keys), c.expect, c.name);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});

test('linkTabs_enterAndSpaceFollowTheLink', async () => {
  for (const key of ['Enter', 'Space']) {
    const page = await tabsPage(b, T.dataFile({ items: items() }), { after: contents(4) + '<p id="linked">Linked</p>', name: 'links.html' });
    await walk(page, ['Tab', 'End']);
    await page.keyboard.press(key);
    await page.waitForURL(/#linked$/);
    assert.deepEqual(page.problems, [], key);
    await page.close();
  }
});

test('pointer_clickSelects_hoverSelectsByParameter_disabledNever', async () => {
  const states = [];
  for (const on of ['click', 'hover']) {
    const page = await tabsPage(b, T.dataFile({ params: { tabsSwitchOn: on }, items: items() }), { after: contents(4), name: on + '.html' });
    await page.hover('text=Tab 1');
    states.push((await state(page)).shown);
    await page.click('text=Tab 2', { force: true });
    states.push((await state(page)).shown);
    assert.deepEqual(page.problems, [], on);
    await page.close();
  }
  assert.deepEqual(states, ['Content 0', 'Content 0', 'Content 1', 'Content 1']);
});
