// Mouse, touch and window size: hover with its delays (on a controlled
// clock), click opening, taps, submenus kept inside the window, the small
// screen toggle and reduced motion.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, menuPage, dataFile, defaultItems, bigItems, FLYOUT_PROJECT, SITE } from './support.mjs';

// Pages the menu's links lead to.
const PAGES = { 'products.html': '<!DOCTYPE html><title>Products</title>', 'services.html': '<!DOCTYPE html><title>Services</title>' };

let b;
before(async () => {
  b = await launch();
  b.serve(PAGES);
});
after(async () => { await b.close(); });

const openMenus = page => page.evaluate(() => [...document.querySelectorAll('nav .qo')].map(li => li.firstElementChild.textContent));
const item = (page, text) => page.locator('nav .qi', { hasText: new RegExp('^' + text + '$') }).first();
async function pointAt(page, text) {
  const r = await item(page, text).boundingBox();
  await page.mouse.move(r.x + r.width / 3, r.y + r.height / 2);
}
// Runs `body` with a page whose timers run only when the test says so. The
// clock belongs to the whole browser, so such a page gets a browser of its own.
async function onClock(data, body) {
  const own = await launch();
  own.serve(PAGES);
  try {
    const page = await menuPage(own, data, {}, page => page.clock.install());
    await page.clock.pauseAt(Date.now() + 60000);
    await body(page);
  } finally {
    await own.close();
  }
}

test('hover_opensAfterTheShowDelayAndClosesAfterTheHideDelay', async () => {
  await onClock(dataFile({ params: { menuShowDelay: 200, menuHideDelay: 500 }, items: defaultItems() }), async page => {
    await pointAt(page, 'Products');
    await page.clock.runFor(190);
    assert.deepEqual(await openMenus(page), []);
    await page.clock.runFor(20);
    assert.deepEqual(await openMenus(page), ['Products']);
    // On to the next bar item: the open submenu stays until the next opens,
    // so there is never a moment with neither.
    await pointAt(page, 'Services');
    await page.clock.runFor(190);
    assert.deepEqual(await openMenus(page), ['Products']);
    await page.clock.runFor(20);
    assert.deepEqual(await openMenus(page), ['Services']);
    await page.mouse.move(900, 650);
    await page.clock.runFor(490);
    assert.deepEqual(await openMenus(page), ['Services']);
    await page.clock.runFor(20);
    assert.deepEqual(await openMenus(page), []);
    assert.deepEqual(page.problems, []);
  });
});

test('hover_crossingAnotherItemOnTheWayIntoASubmenuKeepsItOpen', async () => {
  await onClock(FLYOUT_PROJECT, async page => {
    await pointAt(page, 'Products');
    await page.clock.runFor(200);
    // A short stop on Services, then into the Products submenu.
    await pointAt(page, 'Services');
    await page.clock.runFor(100);
    await pointAt(page, 'Hardware');
    await page.clock.runFor(1000);
    assert.deepEqual(await openMenus(page), ['Products']);
    // The parent keeps its hover look while its submenu is open.
    const looks = await page.evaluate(() => {
      const bg = t => getComputedStyle([...document.querySelectorAll('nav .qi')].find(x => x.textContent === t)).backgroundColor;
      return [bg('Products'), bg('Services')];
    });
    assert.deepEqual(looks, ['rgb(47, 109, 181)', 'rgba(0, 0, 0, 0)']);
  });
});

test('hover_aParentLinkIsFollowedOnClick', async () => {
  const page = await menuPage(b, FLYOUT_PROJECT);
  await Promise.all([page.waitForURL(/products\.html$/), item(page, 'Products').click()]);
});

test('clickMode_firstClickOpensSecondFollowsOutsideCloses', async () => {
  await onClock(dataFile({ params: { menuOpenOn: 'click' }, items: defaultItems() }), async page => {
    await pointAt(page, 'Products');
    await page.clock.runFor(2000);
    assert.deepEqual(await openMenus(page), []);
    await item(page, 'Products').click();
    assert.deepEqual(await openMenus(page), ['Products']);
    assert.match(page.url(), /index\.html$/);
    await page.mouse.click(900, 650);
    assert.deepEqual(await openMenus(page), []);
    await item(page, 'Products').click();
    await Promise.all([page.waitForURL(/products\.html$/), item(page, 'Products').click()]);
  });
});

test('touch_firstTapOpensTapOutsideClosesSecondTapFollows', async () => {
  const touch = await launch({ hasTouch: true, isMobile: false });
  touch.serve(PAGES);
  try {
    const t = await menuPage(touch, FLYOUT_PROJECT);
    await item(t, 'Products').tap();
    assert.deepEqual(await openMenus(t), ['Products']);
    assert.match(t.url(), /index\.html$/);
    await t.touchscreen.tap(900, 650);
    assert.deepEqual(await openMenus(t), []);
    await item(t, 'Services').tap();
    assert.deepEqual(await openMenus(t), ['Services']);
    await Promise.all([t.waitForURL(/services\.html$/), item(t, 'Services').tap()]);
  } finally {
    await touch.close();
  }
});

test('nearTheWindowEdge_submenusTurnToStayInside', async () => {
  const items = [[0, 'Left'], [0, 'Edge'], [1, 'Child with a long text'], [2, 'Grandchild with a long text'], [3, 'Deepest item']];
  const page = await menuPage(b, dataFile({ params: { menuPosition: 'absolute', menuLeft: '760px', menuTop: '600px' }, items }));
  await page.getByRole('button', { name: 'Edge' }).click();
  await page.getByRole('button', { name: 'Child with a long text' }).click();
  await page.getByRole('button', { name: 'Grandchild with a long text' }).click();
  const boxes = await page.evaluate(() => [...document.querySelectorAll('nav .qu')].map(u => {
    const r = u.getBoundingClientRect();
    return { left: r.left, right: r.right, top: r.top, bottom: r.bottom };
  }));
  for (const r of boxes) {
    assert.ok(r.left >= 0 && r.right <= 1000, `inside horizontally: ${JSON.stringify(r)}`);
    assert.ok(r.top >= 0 && r.bottom <= 700, `inside vertically: ${JSON.stringify(r)}`);
  }
});

test('smallScreen_toggleShowsTheMenuAndSubmenusOpenInline', async () => {
  const page = await menuPage(b, FLYOUT_PROJECT);
  const toggle = page.locator('nav .qg');
  assert.equal(await toggle.isVisible(), false);
  await page.setViewportSize({ width: 500, height: 700 });
  assert.equal(await toggle.isVisible(), true);
  assert.equal(await item(page, 'Home').isVisible(), false);
  await toggle.click();
  assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
  assert.equal(await item(page, 'Home').isVisible(), true);
  const before = (await item(page, 'Services').boundingBox()).y;
  await page.getByRole('button', { name: 'Products' }).click();
  const r = await page.evaluate(() => {
    const u = document.querySelector('nav .qo>.qu');
    return getComputedStyle(u).position;
  });
  assert.equal(r, 'static');
  assert.ok((await item(page, 'Services').boundingBox()).y > before + 50, 'the open submenu pushes the next items down');
  // Hover opens nothing on a small screen.
  await page.getByRole('button', { name: 'Products' }).click();
  await item(page, 'About us').hover();
  assert.deepEqual(await openMenus(page), []);
  // Escape hides the menu again and leaves the focus on the toggle.
  await page.keyboard.press('Escape');
  assert.equal(await toggle.getAttribute('aria-expanded'), 'false');
  assert.equal(await item(page, 'Home').isVisible(), false);
  assert.equal(await page.evaluate(() => document.activeElement.className), 'qg');
  await page.keyboard.press('Enter');
  assert.equal(await item(page, 'Home').isVisible(), true);
  await page.setViewportSize({ width: 1000, height: 700 });
  assert.equal(await item(page, 'Home').isVisible(), true);
  assert.deepEqual(page.problems, []);
});

// The opening effect's name, Services opened and closed again.
const openingEffect = async page => {
  await page.getByRole('button', { name: 'Services' }).click();
  const name = await page.evaluate(() => getComputedStyle(document.querySelector('nav .qo>.qu')).animationName);
  await page.getByRole('button', { name: 'Services' }).click();
  return name;
};

// A user who rests on a bar button and then clicks it meant to open it: the
// click keeps what the hover just opened, and a later click closes it.
test('hover_thenAClickAtOnce_keepsTheSubmenuOpen', async () => {
  // Services as a button: a click on a link in hover mode follows it.
  const items = defaultItems().map(e => e[1] === 'Services' ? [e[0], e[1], '', ...e.slice(3)] : e);
  await onClock(dataFile({ params: { menuShowDelay: 150 }, items }), async page => {
    await pointAt(page, 'Services');
    await page.clock.runFor(160);
    assert.deepEqual(await openMenus(page), ['Services']);
    const r = await item(page, 'Services').boundingBox();
    const [x, y] = [r.x + r.width / 3, r.y + r.height / 2];
    await page.mouse.click(x, y);
    assert.deepEqual(await openMenus(page), ['Services']);
    await page.clock.runFor(2000);
    await page.mouse.click(x, y);
    assert.deepEqual(await openMenus(page), []);
    assert.deepEqual(page.problems, []);
  });
});

test('reducedMotion_turnsTheOpeningEffectOff', async () => {
  assert.match(await openingEffect(await menuPage(b, FLYOUT_PROJECT)), /fade$/);
  const still = await launch({ reducedMotion: 'reduce' });
  try {
    assert.equal(await openingEffect(await menuPage(still, FLYOUT_PROJECT)), 'none');
  } finally {
    await still.close();
  }
});

test('reducedMotion_askedForWhileThePageIsOpen_turnsTheEffectOff', async () => {
  const page = await menuPage(b, FLYOUT_PROJECT, { name: 'later.html' });
  assert.match(await openingEffect(page), /fade$/);
  await page.emulateMedia({ reducedMotion: 'reduce' });
  assert.equal(await openingEffect(page), 'none');
});

test('generatedMenu_hoverOpensTheThirdLevel', async () => {
  await onClock(dataFile({ items: bigItems() }), async page => {
    await pointAt(page, 'Section 4');
    await page.clock.runFor(200);
    await pointAt(page, 'Topic 4.3');
    await page.clock.runFor(200);
    assert.deepEqual(await openMenus(page), ['Section 4', 'Topic 4.3']);
    assert.equal(await item(page, 'Page 4.3.9').isVisible(), true);
  });
});
