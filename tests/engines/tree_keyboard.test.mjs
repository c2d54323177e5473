// Keyboard and pointer paths of the Ostrel Tree Menu: the keys of the tree
// pattern, one tab stop, right-to-left arrows, clicks on expanders and
// texts, hover opening, one branch at a time and the opening animation.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch } from './support.mjs';
import { T, treePage, shown, focused, smallTree } from './tree_support.mjs';

let b;
before(async () => {
  b = await launch();
  b.serve({ 'alpha.html': '<!DOCTYPE html><title>Alpha</title>', 'banana.html': '<!DOCTYPE html><title>Banana</title>' });
});
after(async () => { await b.close(); });

// Presses `keys` and returns "focused item / items shown" after each.
async function walk(page, keys) {
  const out = [];
  for (const k of keys) {
    await page.keyboard.press(k);
    out.push(await focused(page) + ' / ' + await shown(page));
  }
  return out;
}

const closed = 'Alpha-,Beta-,Gamma,Delta-';
const alpha = 'Alpha+,|Apple,|Apricot-,Beta-,Gamma,Delta-';

test('treeKeys_moveOpenCloseAndReachEveryItem', async () => {
  const cases = [
    { name: 'down, up, home, end', keys: ['Tab', 'ArrowDown', 'ArrowDown', 'ArrowUp', 'End', 'Home', 'ArrowUp'],
      expect: ['Alpha / ' + closed, 'Beta / ' + closed, 'Gamma / ' + closed, 'Beta / ' + closed, 'Delta / ' + closed, 'Alpha / ' + closed, 'Alpha / ' + closed] },
    { name: 'right opens then enters, left closes then goes up', keys: ['Tab', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft', 'ArrowLeft'],
      expect: ['Alpha / ' + closed, 'Alpha / ' + alpha, 'Apple / ' + alpha, 'Apricot / ' + alpha, 'Apricot / Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-',
        'Dried / Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-', 'Dried / Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-',
        'Apricot / Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-', 'Apricot / ' + alpha, 'Alpha / ' + alpha, 'Alpha / ' + closed] },
    { name: 'star opens the siblings', keys: ['Tab', 'ArrowDown', '*'],
      expect: ['Alpha / ' + closed, 'Beta / ' + closed, 'Beta / Alpha+,|Apple,|Apricot-,Beta+,|Banana,|Blueberry,Gamma,Delta+,|Date'] },
    { name: 'enter toggles an item without link; tab comes back to the last item used', keys: ['Tab', 'ArrowDown', 'Enter', 'ArrowDown', 'Shift+Tab', 'Tab', 'ArrowUp', 'Enter'],
      expect: ['Alpha / ' + closed, 'Beta / ' + closed, 'Beta / Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-', 'Banana / Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-',
        'BODY / Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-', 'Banana / Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-',
        'Beta / Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-', 'Beta / ' + closed] },
    { name: 'right-to-left swaps the arrows', dir: 'rtl', keys: ['Tab', 'ArrowLeft', 'ArrowLeft', 'ArrowRight', 'ArrowRight'],
      expect: ['Alpha / ' + closed, 'Alpha / ' + alpha, 'Apple / ' + alpha, 'Alpha / ' + alpha, 'Alpha / ' + closed] }
  ];
  for (const c of cases) {
    const page = await treePage(b, T.dataFile({ params: { tmenuAnimDuration: 0 }, items: smallTree() }), { dir: c.dir, name: 'keys.html' });
    const got = await walk(page, c.keys);
    assert.deepEqual(got, c.expect, c.name);
    assert.equal(await page.evaluate(() => document.querySelectorAll('[role=treeitem][tabindex="0"]').length), 1, c.name);
    await page.close();
  }
});

// Runs `body` with a tree page whose clock stands still until the test
// moves it on, so that keys count as typed together or apart as the test
// says. The clock belongs to the whole browser, so the page gets a browser
// of its own.
async function onTypingPage(body) {
  const own = await launch();
  try {
    const page = await treePage(own, T.dataFile({ params: { tmenuExpandAll: true }, items: smallTree() }), { name: 'typing.html', setup: p => p.clock.install() });
    await page.clock.pauseAt(Date.now() + 60000);
    await page.waitForFunction(() => document.querySelectorAll('[role=treeitem]').length === 10);
    await body(page);
  } finally {
    await own.close();
  }
}

// Presses each step's key, after a pause when its third element says so,
// and returns "key:focused item" per step.
async function typeSteps(page, steps) {
  const got = [];
  for (const [key, , pause] of steps) {
    if (pause) await page.clock.runFor(600);
    await page.keyboard.press(key);
    got.push(key + ':' + await focused(page));
  }
  return got;
}

test('typeAhead_aLetterAfterAPauseGoesToTheNextShownItemWithIt', () => onTypingPage(async page => {
  // The same letter again and again goes on along the items with it.
  const steps = [['Tab', 'Alpha'], ['b', 'Beta', 1], ['B', 'Banana'], ['b', 'Blueberry'], ['b', 'Beta'], ['d', 'Delta', 1], ['d', 'Date'], ['d', 'Dried'],
    ['a', 'Alpha', 1], ['x', 'Alpha', 1], ['g', 'Gamma', 1]];
  assert.deepEqual(await typeSteps(page, steps), steps.map(s => s[0] + ':' + s[1]));
  assert.deepEqual(page.problems, []);
}));

test('typeAhead_aRunOfLettersNamesAnItem_aPauseStartsAnew', () => onTypingPage(async page => {
  const steps = [['Tab', 'Alpha'], ['b', 'Beta', 1], ['l', 'Blueberry'], ['a', 'Alpha', 1], ['p', 'Apple'], ['r', 'Apricot'],
    // No item begins with the run: the focus stays where it was.
    ['q', 'Apricot'], ['d', 'Dried', 1], ['a', 'Date'], ['g', 'Gamma', 1]];
  assert.deepEqual(await typeSteps(page, steps), steps.map(s => s[0] + ':' + s[1]));
  assert.deepEqual(page.problems, []);
}));

test('currentItem_opensItsBranchAndIsTheTabStop', async () => {
  const items = smallTree();
  items[3][10] = 'current';
  const page = await treePage(b, T.dataFile({ items }));
  assert.equal(await shown(page), 'Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'Dried');
  // Closing the branch that holds the focus moves the focus onto it.
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('ArrowLeft');
  assert.equal(await focused(page), 'Apricot');
  assert.deepEqual(page.problems, []);
});

test('pointer_expanderAlwaysTogglesTextOnlyWithoutLinkAndAsTheParameterSays', async () => {
  for (const onText of [true, false]) {
    const page = await treePage(b, T.dataFile({ params: { tmenuToggleOnText: onText, tmenuAnimDuration: 0 }, items: smallTree() }), { name: 'click.html' });
    await page.getByRole('treeitem', { name: 'Beta' }).click();
    assert.equal(await shown(page), onText ? 'Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-' : closed, String(onText));
    await page.getByRole('treeitem', { name: 'Alpha' }).locator('.qe').click();
    assert.match(await shown(page), /^Alpha\+,\|Apple,\|Apricot-,Beta/, String(onText));
    assert.equal(page.url().endsWith('/click.html'), true);
    // The text of an item with link follows the link.
    await page.getByRole('treeitem', { name: 'Alpha' }).locator('span:last-child').click();
    await page.waitForURL(/alpha\.html$/);
    await page.close();
  }
});

test('hoverParameter_opensBranchesUnderTheMouseButNotOnTouch', async () => {
  const page = await treePage(b, T.dataFile({ params: { tmenuOpenOn: 'hover', tmenuAnimDuration: 0 }, items: smallTree() }), { name: 'hover.html' });
  await page.getByRole('treeitem', { name: 'Beta' }).hover();
  assert.equal(await shown(page), 'Alpha-,Beta+,|Banana,|Blueberry,Gamma,Delta-');
  const plain = await treePage(b, T.dataFile({ params: { tmenuAnimDuration: 0 }, items: smallTree() }), { name: 'nohover.html' });
  await plain.getByRole('treeitem', { name: 'Beta' }).hover();
  assert.equal(await shown(plain), closed);
  await page.close();
  await plain.close();
  // A finger on the item is no hover.
  const touch = await treePage(b, T.dataFile({ params: { tmenuOpenOn: 'hover', tmenuAnimDuration: 0 }, items: smallTree() }), { name: 'touch.html' });
  await touch.evaluate(() => {
    const a = [...document.querySelectorAll('.qi')].find(x => x.textContent === 'Delta');
    a.dispatchEvent(new PointerEvent('pointerover', { bubbles: true, pointerType: 'touch' }));
  });
  assert.equal(await shown(touch), closed);
  assert.deepEqual(touch.problems, []);
});

test('singleBranch_openingOneClosesItsSiblings', async () => {
  const page = await treePage(b, T.dataFile({ params: { tmenuSingleBranch: true, tmenuAnimDuration: 0 }, items: smallTree() }));
  await page.getByRole('treeitem', { name: 'Beta' }).click();
  await page.getByRole('treeitem', { name: 'Delta' }).click();
  assert.equal(await shown(page), 'Alpha-,Beta-,Gamma,Delta+,|Date');
  await page.getByRole('treeitem', { name: 'Alpha' }).locator('.qe').click();
  await page.getByRole('treeitem', { name: 'Apricot' }).click();
  assert.equal(await shown(page), 'Alpha+,|Apple,|Apricot+,||Dried,Beta-,Gamma,Delta-');
  assert.deepEqual(page.problems, []);
});

// Opens and closes Beta; returns the durations of the effects its opening
// started, and checks that the branch is hidden at the end. The effects are
// noted as they start: on a busy machine a 400 ms effect may be over before
// the test can ask the page which ones are running.
const running = async page => {
  await page.evaluate(() => {
    if (!window.started) {
      const animate = Element.prototype.animate;
      Element.prototype.animate = function (...args) {
        const a = animate.apply(this, args);
        window.started.push(a.effect.getTiming().duration);
        return a;
      };
    }
    window.started = [];
  });
  await page.getByRole('treeitem', { name: 'Beta' }).click();
  const r = await page.evaluate(() => window.started);
  await page.getByRole('treeitem', { name: 'Beta' }).click();
  await page.waitForFunction(() => !document.getAnimations().length);
  assert.equal(await shown(page), closed);
  return r;
};
const animated = browser => treePage(browser, T.dataFile({ params: { tmenuAnimDuration: 400 }, items: smallTree() }));

test('animation_runsForTheDurationUnlessReducedMotionIsAsked', async () => {
  const page = await animated(b);
  assert.deepEqual(await running(page), [400]);
  assert.deepEqual(page.problems, []);
  const still = await launch({ reducedMotion: 'reduce' });
  try {
    const calm = await animated(still);
    assert.deepEqual(await running(calm), []);
    assert.deepEqual(calm.problems, []);
  } finally {
    await still.close();
  }
});

test('animation_reducedMotionAskedForWhileThePageIsOpen_stopsIt', async () => {
  const page = await animated(b);
  assert.deepEqual(await running(page), [400]);
  await page.emulateMedia({ reducedMotion: 'reduce' });
  assert.deepEqual(await running(page), []);
  assert.deepEqual(page.problems, []);
});
