// The page's content panels stay the page's, in the Ostrel Tabs and the
// Ostrel Tab Menu alike: found by the ids the items name and left where the
// page put them, with their ids, classes and markup; the engines add only
// roles, the references between tab and panel and `hidden`. A link to a
// panel's id, or the page opened with it, selects the panel's tab.
import { before, after } from 'node:test';
import assert from 'node:assert/strict';
import { test, launch, onePage, openPage, pageHtml, SITE } from './support.mjs';
import { T as TABS } from './tabs_support.mjs';
import { T as TAB_MENU } from './tabmenu_support.mjs';

let b;
before(async () => { b = onePage(await launch()); });
after(async () => { await b.close(); });

const ENGINES = [['tabs', TABS], ['tab menu', TAB_MENU]];
const ITEMS = [
  [0, 'Overview', '', '', '', '', '', '', '', '', 'panel-overview'],
  [0, 'Specs', '', '', '', '', '', '', '', '', 'panel-specs'],
  [0, 'Reviews', '', '', '', '', '', '', '', '', 'panel-reviews']
];
// The site's own panels, in its own wrapper, styled and linked by their ids.
const PANELS = '<div class="site-panels">' +
  '<section id="panel-overview" class="panel intro" data-x="1"><h2>Overview</h2><p>First</p></section>' +
  '<section id="panel-specs" class="panel"><h2>Specs</h2><table><tr><td>Weight</td></tr></table></section>' +
  '<section id="panel-reviews" class="panel"><h2>Reviews</h2><p>Third <a href="#panel-specs" id="to-specs">see specs</a></p></section></div>' +
  '<p><a href="#panel-specs" id="to-specs-outside">Specifications</a></p>';
const HEAD = '<style>#panel-specs{color:rgb(1, 2, 3)}.intro{font-weight:700}</style>';

// Opens `name` with the engine, the items and the panels, at `hash`.
async function open(T, name, hash = '') {
  b.serve({ [T.engine]: T.ENGINE, 'panels-data.js': T.dataFile({ items: ITEMS }),
    [name]: pageHtml({ engine: T.engine, data: ['panels-data.js'], head: HEAD, after: PANELS }) });
  return openPage(b, SITE + name + hash);
}

// The selected tab and the panels shown.
const seen = page => page.evaluate(() => [
  document.querySelector('[role=tab][aria-selected=true]').textContent,
  [...document.querySelectorAll('.panel')].filter(p => !p.hidden && p.offsetHeight > 0).map(p => p.id).join(',')
]);

test('panels_keepTheirPlaceIdsClassesAndMarkup_gainingOnlyRolesReferencesAndHidden', async () => {
  for (const [name, T] of ENGINES) {
    // The markup as the page wrote it, read from the page's own text.
    const page = await open(T, 'keep.html');
    const r = await page.evaluate(() => [...document.querySelectorAll('.site-panels>section')].map(p => {
      const tab = document.getElementById(p.getAttribute('aria-labelledby'));
      return {
        id: p.id, cls: p.className, role: p.getAttribute('role'), inWrapper: p.parentNode.className,
        controls: tab.getAttribute('aria-controls').split(' ').includes(p.id),
        attrs: [...p.attributes].map(a => a.name).sort().join(' '),
        inner: p.innerHTML
      };
    }));
    assert.deepEqual(r.map(p => [p.id, p.cls, p.role, p.inWrapper, p.controls]), [
      ['panel-overview', 'panel intro', 'tabpanel', 'site-panels', true],
      ['panel-specs', 'panel', 'tabpanel', 'site-panels', true],
      ['panel-reviews', 'panel', 'tabpanel', 'site-panels', true]], name);
    assert.deepEqual(r.map(p => p.attrs), ['aria-labelledby class data-x id role', 'aria-labelledby class hidden id role', 'aria-labelledby class hidden id role'], name);
    assert.equal(r[1].inner, '<h2>Specs</h2><table><tbody><tr><td>Weight</td></tr></tbody></table>', name);
    // The site's own style sheet still reaches its panels by id and class.
    await page.getByRole('tab', { name: 'Specs' }).click();
    assert.deepEqual(await page.evaluate(() => [getComputedStyle(document.getElementById('panel-specs')).color,
      getComputedStyle(document.getElementById('panel-overview')).fontWeight]), ['rgb(1, 2, 3)', '700'], name);
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
});

test('panelLinks_theAddressAndLinksToAPanelSelectItsTab', async () => {
  for (const [name, T] of ENGINES) {
    const page = await open(T, 'hash.html', '#panel-reviews');
    assert.deepEqual(await seen(page), ['Reviews', 'panel-reviews'], name + ': opened with the hash');
    // A link inside a panel to another panel, then a link to the panel
    // already named by the address, which changes no address.
    await page.click('#to-specs');
    assert.deepEqual(await seen(page), ['Specs', 'panel-specs'], name + ': link');
    await page.getByRole('tab', { name: 'Overview' }).click();
    await page.click('#to-specs-outside');
    assert.deepEqual(await seen(page), ['Specs', 'panel-specs'], name + ': link to the address it is at');
    await page.evaluate(() => history.back());
    await page.waitForFunction(() => location.hash === '#panel-reviews');
    assert.deepEqual(await seen(page), ['Reviews', 'panel-reviews'], name + ': back');
    // An address naming no panel, or badly encoded, changes nothing.
    await page.evaluate(() => { location.hash = '#nothing'; location.hash = '#%E0%A4%A'; });
    assert.deepEqual(await seen(page), ['Reviews', 'panel-reviews'], name + ': other hashes');
    assert.deepEqual(page.problems, [], name);
    await page.close();
  }
});
