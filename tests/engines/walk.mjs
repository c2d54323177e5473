// Shared by the schema walks of the engine tests.
import { openPage, SITE } from './support.mjs';

// A value that differs from the default, by kind.
export function changed(p) {
  const def = p.def;
  switch (p.kind) {
    case 'color': return def === '#123456' ? '#654321' : '#123456';
    case 'font': return 'bold 17px serif';
    case 'image': return 'pic.svg';
    case 'flag': return def === 'true' ? 'false' : 'true';
    case 'choice': return p.options.find(o => o[0] !== def)[0];
    case 'text': return 'Changed text';
    case 'number':
      if (p.units) return def === '' ? '123px' : (parseFloat(def) + (parseFloat(def) > 500 ? 1000 : 7)) + 'px';
      if (p.max != null && +def + 37 > p.max) return String(p.min != null && +def - 37 < p.min ? p.max : +def - 37);
      return String(+def + 37);
  }
  throw new Error('no changed value for ' + p.name);
}

// How many renderings share one page load.
const BATCH = 12;

// Pictures of many data files at the cost of a few page loads. Each data
// file gets a page of its own, shown in a frame of the window's size; the
// frames of a batch lie on top of each other in the window, as a frame
// outside the window may be rendered less often. A picture is taken with
// its frame alone shown, so that the pointer reaches it and WebKit draws
// one frame, not all of them, after each input.
//
// b: a launch() of the window's size (1000 x 700); html(dataName): the page
// for a data file; ready: a function true in a frame once its page is
// ready; shoot(view): the picture (any JSON value) of the view's page,
// where view.evaluate(fn, arg) runs fn in the page, and view.hover(find)
// and view.click(find) point at what find() (run in the page) returns.
// Throws when a page logged an error or a message.
export async function framePictures(b, datas, { html, ready, shoot }) {
  const pictures = [];
  let moves = 0;
  for (let start = 0; start < datas.length; start += BATCH) {
    const part = datas.slice(start, start + BATCH);
    const files = { 'walk.html': '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Walk</title></head><body style="margin:0"></body></html>' };
    part.forEach((data, i) => { files[`walk${i}.js`] = data; files[`walk${i}.html`] = html(`walk${i}.js`); });
    b.serve(files);
    const page = await openPage(b, SITE + 'walk.html');
    await page.evaluate(n => {
      for (let i = 0; i < n; i++) {
        const frame = document.createElement('iframe');
        frame.src = `walk${i}.html`;
        frame.title = 'Page ' + i;
        frame.style.cssText = 'position:absolute;left:0;top:0;width:1000px;height:700px;border:0';
        document.body.append(frame);
      }
    }, part.length);
    await page.waitForFunction(ready => [...document.querySelectorAll('iframe')].every(f => {
      const w = f.contentWindow;
      return w.location.href !== 'about:blank' && w.document.readyState === 'complete' && w.eval(`(${ready})()`);
    }), String(ready));
    for (let i = 0; i < part.length; i++) {
      // Runs fn (a function or its source) with arg in frame i.
      const inFrame = (fn, arg) => page.evaluate(([i, fn, arg]) => {
        const frames = document.querySelectorAll('iframe');
        frames.forEach((f, n) => { f.style.visibility = n === i ? 'visible' : 'hidden'; });
        return frames[i].contentWindow.eval(`(${fn})`)(arg);
      }, [i, String(fn), arg]);
      // The middle of what find() returns, once it is shown, with every
      // opening effect at its end. The wait is bounded by time, not by a
      // count of frames: a busy machine draws fewer of them.
      const middle = find => inFrame(async find => {
        for (const end = performance.now() + 10000; performance.now() < end;) {
          for (const a of document.getAnimations()) a.finish();
          const el = eval(`(${find})`)();
          const r = el && el.getBoundingClientRect();
          if (r && r.width) return [r.x + r.width / 2, r.y + r.height / 2];
          await new Promise(resolve => requestAnimationFrame(() => resolve()));
        }
        throw new Error('nothing shown to point at: ' + find);
      }, String(find));
      // Each point is a pixel off the one before: a pointer that does not
      // move puts nothing of a newly shown page under it in WebKit.
      const point = async find => { const [x, y] = await middle(find); return [x + (++moves % 2), y]; };
      const view = {
        evaluate: inFrame,
        async hover(find) { await page.mouse.move(...await point(find)); },
        async click(find) { await page.mouse.click(...await point(find)); }
      };
      pictures.push(await shoot(view));
      // Chromium's page reports what its frames log; the driven browsers'
      // frames keep it for the test to collect.
      const logged = await inFrame(() => (window.plivexProblems || []).splice(0));
      page.problems.push(...logged);
      if (page.problems.length) throw new Error(`page ${start + i} of the walk logged: ${page.problems.join('; ')}`);
    }
    await page.close();
  }
  return pictures;
}

// The parameters of `params` that leave the picture of their page as it
// was. skip: names tested by their behaviour elsewhere; context: per name,
// other parameters it needs to show (X needs absolute placement);
// data(params): the data file for those parameters; pictures(datas): their
// pictures (framePictures with the type's page).
export async function deadParameters(params, { skip = [], context = {}, data, pictures }) {
  const walked = params.filter(p => !skip.includes(p.name));
  const contexts = [...new Set(walked.map(p => JSON.stringify(context[p.name] || {})))];
  const shots = (await pictures([...contexts.map(c => data(JSON.parse(c))), ...walked.map(p => data({ ...context[p.name], [p.name]: changed(p) }))]))
    .map(pic => JSON.stringify(pic));
  const base = new Map(contexts.map((c, i) => [c, shots[i]]));
  return walked.filter((p, i) => shots[contexts.length + i] === base.get(JSON.stringify(context[p.name] || {}))).map(p => p.name);
}
