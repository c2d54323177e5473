// qrn_initFrame: the bar in the main frame, the submenus in the sub frame of
// a frameset; the ordinary menu when the sub frame is of another origin.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, dataFile, defaultItems, ENGINE, SITE, OTHER } from './support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const content = '<!DOCTYPE html><html lang="en"><head><title>Content</title></head><body><h1>Content</h1></body></html>';
// The menus open on click: with the default, hover, a slow machine may let
// the show delay pass between the pointer's arrival and its click, and the
// click then closes what the hover opened. Hover on a controlled clock is
// menu_pointer's subject.
function site(name, subBase, across, orientation) {
  b.serve({
    'qrnmenu.js': ENGINE,
    [`${name}-data.js`]: dataFile({ params: { menuOrientation: orientation, menuOpenOn: 'click' }, items: defaultItems(), init: `qrn_initFrame("frames", 0, 1, ${across});` }),
    [`${name}-bar.html`]: `<!DOCTYPE html><html lang="en"><head><title>Bar</title><script src="qrnmenu.js"></script></head>` +
      `<body style="margin:0"><script src="${name}-data.js"></script></body></html>`,
    [`${name}.html`]: `<!DOCTYPE html><html><head><title>Frames</title></head><frameset id="frames" ${across === 1 ? 'cols="200,*"' : 'rows="60,*"'}>` +
      `<frame src="${name}-bar.html"><frame src="${subBase}content.html"></frameset></html>`
  });
  b.serve({ 'content.html': content });
  b.serve({ 'content.html': content }, OTHER);
}

const frameOf = (page, part) => page.frames().find(f => f.url().endsWith(part));

test('framePair_submenusOpenInTheSubFrameBesideTheirBarItem', async () => {
  for (const [across, orientation] of [[0, 'horizontal'], [1, 'vertical']]) {
    const name = 'pair' + across;
    site(name, SITE, across, orientation);
    const page = await openPage(b, SITE + name + '.html');
    const bar = frameOf(page, name + '-bar.html'), sub = frameOf(page, '/content.html');
    await bar.waitForSelector('nav');
    await bar.getByRole('button', { name: 'Products' }).click();
    const shown = await sub.evaluate(() => {
      const u = document.querySelector('nav .qo>.qu');
      const r = u.getBoundingClientRect();
      return { x: r.left, y: r.top, items: [...u.querySelectorAll(':scope>li>.qi')].map(a => a.textContent) };
    });
    const item = await bar.evaluate(() => {
      const r = [...document.querySelectorAll('nav .qi')].find(a => a.textContent === 'Products').getBoundingClientRect();
      return { x: r.left, y: r.top };
    });
    assert.deepEqual(shown.items, ['Software', 'Hardware', 'All products'], orientation);
    if (across === 0) assert.ok(Math.abs(shown.x - item.x) <= 1 && shown.y >= 0 && shown.y < 5, JSON.stringify([shown, item]));
    else assert.ok(shown.x >= 0 && shown.x < 5 && Math.abs(shown.y - item.y) <= 4, JSON.stringify([shown, item]));
    // Opening goes on inside the sub frame; a click in it elsewhere closes.
    await sub.getByRole('button', { name: 'Software' }).click();
    assert.equal(await sub.locator('nav .qo').count(), 2);
    assert.equal(await bar.locator('nav .qu:visible').count(), 0, 'nothing opens in the main frame');
    await sub.locator('h1').click();
    assert.equal(await sub.locator('nav .qo').count(), 0);
    assert.equal(await bar.getByRole('button', { name: 'Products' }).getAttribute('aria-expanded'), 'false');
    assert.deepEqual(page.problems, []);
    await page.close();
  }
});

test('framePair_keysOpenTheSubmenuInTheSubFrameAndEscapeComesBack', async () => {
  site('keys', SITE, 0, 'horizontal');
  const page = await openPage(b, SITE + 'keys.html');
  const bar = frameOf(page, 'keys-bar.html'), sub = frameOf(page, '/content.html');
  await bar.waitForSelector('nav');
  await bar.getByRole('button', { name: 'Products' }).focus();
  // Keys go where the window's focus is; a frame's element focused by a
  // script may take it only in a later task.
  await bar.waitForFunction(() => document.activeElement?.getAttribute('aria-label') === 'Products');
  await page.keyboard.press('Enter');
  await sub.waitForFunction(() => !!document.querySelector('nav .qo>.qu'));
  await page.keyboard.press('ArrowDown');
  assert.equal(await sub.evaluate(() => document.activeElement.textContent), 'Software');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await sub.evaluate(() => document.activeElement.textContent), 'Hardware');
  await page.keyboard.press('Escape');
  assert.equal(await bar.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Products');
  assert.equal(await sub.locator('nav .qo').count(), 0);
  assert.deepEqual(page.problems, []);
});

test('framePair_subFrameLoadsAnotherPage_submenusFollowItOrFallBack', async () => {
  site('nav', SITE, 0, 'horizontal');
  b.serve({ 'page2.html': content.replace('Content', 'Page two') });
  b.serve({ 'page3.html': content }, OTHER);
  const page = await openPage(b, SITE + 'nav.html');
  const bar = frameOf(page, 'nav-bar.html');
  await bar.waitForSelector('nav');
  const subFrame = () => page.frames().find(f => f.parentFrame() && f !== bar);
  await subFrame().goto(SITE + 'page2.html');
  await bar.getByRole('button', { name: 'Services' }).click();
  assert.equal(await subFrame().locator('nav .qo>.qu').isVisible(), true, 'in the newly loaded page');
  await bar.getByRole('button', { name: 'Services' }).click();
  await subFrame().goto(OTHER + 'page3.html');
  await bar.getByRole('button', { name: 'Services' }).click();
  assert.equal(await bar.locator('nav .qo>.qu').isVisible(), true, 'in the main frame');
  assert.deepEqual(page.problems, []);
});

test('framePair_otherOriginSubFrame_fallsBackToTheMenuInTheMainFrame', async () => {
  site('cross', OTHER, 0, 'horizontal');
  const page = await openPage(b, SITE + 'cross.html');
  const bar = frameOf(page, 'cross-bar.html');
  await bar.waitForSelector('nav');
  // Until the other origin's page has come, the sub frame holds an empty
  // page of this origin.
  await page.waitForFunction(() => { try { return !frames[1].document; } catch { return true; } });
  await bar.getByRole('button', { name: 'Products' }).click();
  assert.equal(await bar.locator('nav .qo>.qu').isVisible(), true);
  assert.deepEqual(page.problems, []);
});

test('framePair_noSuchFrameset_showsTheMenuHere', async () => {
  b.serve({
    'lone-data.js': dataFile({ items: defaultItems(), init: 'qrn_initFrame("missing", 0, 1, 0);' }),
    'lone.html': '<!DOCTYPE html><html lang="en"><head><title>Lone</title><script src="qrnmenu.js"></script></head><body><script src="lone-data.js"></script></body></html>'
  });
  const page = await openPage(b, SITE + 'lone.html');
  assert.equal(await page.locator('nav .qb>li').count(), 6);
  assert.deepEqual(page.problems, []);
});
