// Mouse and touch on the Ostrel Tab Menu: drop-downs opening on hover with
// their delays (on a controlled clock) or on click, taps, the row switched
// on hover, and reduced motion.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, openPage, pageHtml, SITE } from './support.mjs';
import { T, tabMenuPage, state } from './tabmenu_support.mjs';

const PAGES = { 'products.html': '<!DOCTYPE html><title>Products</title>', 'services.html': '<!DOCTYPE html><title>Services</title>' };
const items = [[0, 'Home', 'index.html'], [0, 'Products', 'products.html'], [1, 'Software', '#software'], [1, 'Hardware', '#hardware'],
  [0, 'Services', 'services.html'], [1, 'Training', '#training'], [0, 'Empty']];
const dropDown = (params = {}) => T.dataFile({ params: { tabsSubMode: 'dropdown', ...params }, items });

let b;
before(async () => {
  b = await launch();
  b.serve(PAGES);
});
after(async () => { await b.close(); });

const open = async page => (await state(page)).open;
const tab = (page, name) => page.getByRole('tab', { name });
async function pointAt(page, name) {
  const r = await tab(page, name).boundingBox();
  await page.mouse.move(r.x + r.width / 3, r.y + r.height / 2);
}
// A page whose timers run only when the test says so, in a browser of its
// own (the clock belongs to the whole browser).
async function onClock(data, body) {
  const own = await launch();
  own.serve({ ...PAGES, 'qrntabmenu.js': T.ENGINE, 'data.js': data, 'index.html': pageHtml({ engine: 'qrntabmenu.js' }) });
  try {
    const page = await openPage(own, SITE + 'index.html', page => page.clock.install());
    await page.clock.pauseAt(Date.now() + 60000);
    await body(page);
    assert.deepEqual(page.problems, []);
  } finally {
    await own.close();
  }
}

test('hover_opensAfterTheShowDelayAndClosesAfterTheHideDelay', async () => {
  await onClock(dropDown({ tabsSubShowDelay: 200, tabsSubHideDelay: 500 }), async page => {
    await pointAt(page, 'Products');
    await page.clock.runFor(190);
    assert.equal(await open(page), '');
    await page.clock.runFor(20);
    assert.equal(await open(page), 'Products');
    // Into the drop-down and on to the next tab.
    await page.getByRole('link', { name: 'Hardware' }).hover();
    await page.clock.runFor(1000);
    assert.equal(await open(page), 'Products');
    await pointAt(page, 'Services');
    await page.clock.runFor(210);
    assert.equal(await open(page), 'Services');
    await page.mouse.move(900, 650);
    await page.clock.runFor(490);
    assert.equal(await open(page), 'Services');
    await page.clock.runFor(20);
    assert.equal(await open(page), '');
  });
});

test('hover_aParentLinkIsFollowedOnClick', async () => {
  const page = await tabMenuPage(b, dropDown(), { name: 'index.html' });
  await Promise.all([page.waitForURL(/products\.html$/), tab(page, 'Products').click()]);
});

test('clickMode_firstClickOpensSecondFollowsOutsideCloses', async () => {
  await onClock(dropDown({ tabsSubOpenOn: 'click' }), async page => {
    await pointAt(page, 'Products');
    await page.clock.runFor(2000);
    assert.equal(await open(page), '');
    await tab(page, 'Products').click();
    assert.equal(await open(page), 'Products');
    assert.match(page.url(), /index\.html$/);
    await page.mouse.click(900, 650);
    assert.equal(await open(page), '');
    await tab(page, 'Products').click();
    await Promise.all([page.waitForURL(/products\.html$/), tab(page, 'Products').click()]);
  });
});

test('touch_firstTapOpensTapOutsideClosesSecondTapFollows', async () => {
  const touch = await launch({ hasTouch: true, isMobile: false });
  touch.serve(PAGES);
  try {
    for (const mode of ['dropdown', 'row']) {
      const t = await tabMenuPage(touch, T.dataFile({ params: { tabsSubMode: mode }, items }), { name: 'index.html' });
      await tab(t, 'Products').tap();
      assert.equal(await open(t), 'Products', mode);
      assert.match(t.url(), /index\.html$/);
      await t.touchscreen.tap(900, 650);
      assert.equal(await open(t), mode === 'row' ? 'Products' : '', mode);
      await tab(t, 'Services').tap();
      assert.equal(await open(t), 'Services', mode);
      await Promise.all([t.waitForURL(/services\.html$/), tab(t, 'Services').tap()]);
    }
  } finally {
    await touch.close();
  }
});

test('rowMode_hoverSwitchesTheRowByParameter', async () => {
  const rows = [];
  for (const on of ['click', 'hover']) {
    const page = await tabMenuPage(b, T.dataFile({ params: { tabsSwitchOn: on }, items }), { name: on + '.html' });
    await tab(page, 'Services').hover();
    rows.push(await open(page));
    assert.deepEqual(page.problems, [], on);
    await page.close();
  }
  assert.deepEqual(rows, ['', 'Services']);
});

// The drop-down effect's name, Products opened and closed again.
const dropDownEffect = async page => {
  await tab(page, 'Products').click();
  const name = await page.evaluate(() => getComputedStyle(document.querySelector('ul:not([hidden])')).animationName);
  await page.mouse.click(900, 650);
  return name;
};

test('reducedMotion_turnsTheDropDownEffectOff', async () => {
  assert.match(await dropDownEffect(await tabMenuPage(b, dropDown({ tabsSubOpenOn: 'click' }), { name: 'index.html' })), /fade$/);
  const still = await launch({ reducedMotion: 'reduce' });
  still.serve(PAGES);
  try {
    assert.equal(await dropDownEffect(await tabMenuPage(still, dropDown({ tabsSubOpenOn: 'click' }), { name: 'index.html' })), 'none');
  } finally {
    await still.close();
  }
});

test('reducedMotion_askedForWhileThePageIsOpen_turnsTheEffectOff', async () => {
  const page = await tabMenuPage(b, dropDown({ tabsSubOpenOn: 'click' }), { name: 'index.html' });
  assert.match(await dropDownEffect(page), /fade$/);
  await page.emulateMedia({ reducedMotion: 'reduce' });
  assert.equal(await dropDownEffect(page), 'none');
});

// Drop-downs near a window edge stay inside the window: moved back along the
// tabs, or turned to the other side of their tab where the side they open
// to has no room (over the tab when neither side has); one taller than the
// window starts at its top.
test('dropDown_nearTheWindowEdges_staysInsideBesideItsTab', async () => {
  const edgeItems = [[0, 'Home', 'index.html'], [0, 'Products', '#p'], ...[1, 2, 3, 4, 5, 6, 7, 8].map(i => [1, 'Product ' + i, '#p' + i]),
    [0, 'Services', '#s'], [1, 'Training for teams and single users, on site or online', '#t'], [1, 'Consulting on site and online', '#c']];
  const cases = [
    { name: 'top, right edge', tab: 'Services', view: [360, 400], beside: 'below' },
    { name: 'top, right to left, left edge', dir: 'rtl', tab: 'Services', view: [360, 400], beside: 'below' },
    { name: 'bottom, no room above', params: { tabsPlacement: 'bottom' }, tab: 'Services', view: [360, 400], beside: 'below' },
    { name: 'left, bottom edge', params: { tabsPlacement: 'left' }, tab: 'Services', view: [440, 120], beside: 'right' },
    { name: 'left, no room on either side', params: { tabsPlacement: 'left' }, tab: 'Services', view: [360, 400] },
    { name: 'left, taller than the window', params: { tabsPlacement: 'left' }, tab: 'Products', view: [400, 120], beside: 'right' },
    { name: 'right, no room on the left', params: { tabsPlacement: 'right', tabsWidth: '200px' }, tab: 'Services', view: [600, 400], beside: 'right' }
  ];
  for (const c of cases) {
    const data = T.dataFile({ params: { tabsSubMode: 'dropdown', tabsSubOpenOn: 'click', ...c.params }, items: edgeItems });
    const page = await tabMenuPage(b, data, { name: 'edge.html', dir: c.dir });
    await page.setViewportSize({ width: c.view[0], height: c.view[1] });
    await tab(page, c.tab).click();
    const [list, t, w, h] = await page.evaluate(name => {
      const t = [...document.querySelectorAll('[role=tab]')].find(t => t.textContent === name);
      const v = document.documentElement;
      return [document.getElementById(t.getAttribute('aria-controls')), t].map(e => e.getBoundingClientRect().toJSON()).concat(v.clientWidth, v.clientHeight);
    }, c.tab);
    const where = c.name + ': ' + JSON.stringify({ list, t, w, h });
    for (const [start, size, room] of [[list.left, list.width, w], [list.top, list.height, h]])
      assert.ok(size > room ? Math.abs(start) < 1 : start >= 0 && start + size <= room + 0.5, where);
    if (c.beside) assert.ok(Math.abs(c.beside === 'below' ? list.top - t.bottom : list.left - t.right) < 1, where);
    assert.deepEqual(page.problems, [], c.name);
    await page.close();
  }
});
