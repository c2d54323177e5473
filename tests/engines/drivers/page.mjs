// The part of a Playwright page the engine tests use, over a browser that
// is driven another way (the `wire` of drivers/firefox.mjs or
// drivers/webkit.mjs). What a wire cannot do throws Unsupported, which the
// tests' own `test` reports as a skip with its reason.
import { FIND } from './find.mjs';

export class Unsupported extends Error {}

class Locator {
  constructor(page, chain) { this.page = page; this.chain = chain; }
  locator(css, { hasText } = {}) {
    return new Locator(this.page, [...this.chain, { css, text: hasText instanceof RegExp ? [hasText.source, hasText.flags] : hasText }]);
  }
  getByRole(role, { name, exact } = {}) {
    return new Locator(this.page, [...this.chain, { role, name: name instanceof RegExp ? [name.source, name.flags] : name, exact: !!exact }]);
  }
  first() { return this.nth(0); }
  async all() { return Array.from({ length: await this.count() }, (_, i) => this.nth(i)); }
  nth(n) { return new Locator(this.page, [...this.chain, { nth: n }]); }
  // Runs `op` (a function source) on the one element this locator finds.
  async on(op, arg) {
    const r = await this.page.evaluate(`async ([chain, arg]) => { ${FIND}; const list = find(chain);
      if (!list.length) return { missing: JSON.stringify(chain) };
      return { value: await (${op})(list[0], arg) }; }`, [this.chain, arg]);
    if (r.missing) throw new Error('no element for ' + r.missing);
    return r.value;
  }
  async waitFor() {
    await this.page.waitForFunction(`([chain]) => { ${FIND}; return find(chain).some(seen); }`, [this.chain]);
  }
  count() { return this.page.evaluate(`([chain]) => { ${FIND}; return find(chain).length; }`, [this.chain]); }
  isVisible() { return this.page.evaluate(`([chain]) => { ${FIND}; const e = find(chain)[0]; return !!e && seen(e); }`, [this.chain]); }
  getAttribute(name) { return this.on('(e, name) => e.getAttribute(name)', name); }
  evaluate(fn, arg) { return this.on(String(fn), arg); }
  focus() { return this.on('e => e.focus()'); }
  async boundingBox() {
    await this.waitFor();
    return this.on('e => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, width: r.width, height: r.height }; }');
  }
  // The middle of the element, scrolled into view first as a user would,
  // once it stands still (two frames in the same place), as Playwright waits
  // for an element that is still moving in an opening effect.
  async middle() {
    await this.waitFor();
    return this.on(`async e => {
      e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const frame = () => new Promise(r => requestAnimationFrame(() => r()));
      let last = '';
      for (let i = 0; i < 100; i++) {
        const r = e.getBoundingClientRect(), now = [r.x, r.y, r.width, r.height].join();
        if (now === last) return [r.x + r.width / 2, r.y + r.height / 2];
        last = now;
        await frame();
      }
      throw new Error('the element does not stand still');
    }`);
  }
  async click() { const [x, y] = await this.middle(); await this.page.mouse.click(x, y); }
  async hover() { const [x, y] = await this.middle(); await this.page.mouse.move(x, y); }
  async tap() { const [x, y] = await this.middle(); await this.page.touchscreen.tap(x, y); }
  async fill(text) {
    await this.on('e => { e.focus(); e.select && e.select(); }');
    await this.page.keyboard.press('Delete');
    await this.page.keyboard.type(text);
  }
}

// Reaches a frame's window from the top's (reach), and lists every frame
// with its address, empty where another origin keeps it (frameList).
const REACH = String.raw`
const reach = path => path.reduce((w, i) => w.frames[i], window);
const frameList = () => {
  const out = [];
  const walk = (w, path) => {
    for (let i = 0; i < w.frames.length; i++) {
      let url = '';
      try { url = w.frames[i].location.href; } catch { /* another origin */ }
      out.push([[...path, i], url]);
      walk(w.frames[i], [...path, i]);
    }
  };
  walk(window, []);
  return out;
};
const frameBox = path => {
  let x = 0, y = 0, w = window;
  for (const i of path) {
    const el = [...w.document.querySelectorAll('frame,iframe')].find(f => f.contentWindow === w.frames[i]);
    const r = el.getBoundingClientRect();
    x += r.left + el.clientLeft;
    y += r.top + el.clientTop;
    w = w.frames[i];
  }
  return [x, y];
};`;

// A frame of the page, a frameset's or an iframe's, reached by the top
// page's own script: what the page's script can reach of a frame of another
// origin, its address aside, the test cannot either. Pointer positions are
// the frame's own, moved by the frame's place in the window.
class RemoteFrame {
  constructor(page, path) {
    this.page = page;
    this.path = path;
    this.href = '';
    this.keyboard = page.keyboard;
    const inWindow = async (x, y) => {
      const [dx, dy] = await page.wire.run(`(() => { ${REACH} return frameBox(${JSON.stringify(path)}); })()`);
      return [x + dx, y + dy];
    };
    this.mouse = { move: async (x, y) => page.mouse.move(...await inWindow(x, y)), click: async (x, y) => page.mouse.click(...await inWindow(x, y)) };
    this.touchscreen = { tap: async (x, y) => page.touchscreen.tap(...await inWindow(x, y)) };
  }
  url() { return this.href; }
  parentFrame() { return this.path.length > 1 ? this.page.frameAt(this.path.slice(0, -1)) : this.page; }
  evaluate(fn, arg) { return this.page.evaluateIn(this.path, fn, arg); }
  waitForFunction(fn, arg) { return RemotePage.prototype.waitForFunction.call(this, fn, arg); }
  async waitForSelector(css) { await this.locator(css).waitFor(); }
  locator(css, options) { return new Locator(this, []).locator(css, options); }
  getByRole(role, options) { return new Locator(this, []).getByRole(role, options); }
  // Loads `url` in the frame, as its parent would, and waits until the
  // frame shows it: loaded, or of another origin and so out of reach.
  async goto(url) {
    await this.page.evaluate(`([path, url]) => { ${REACH} reach(path).location.href = url; }`, [this.path, url]);
    await this.page.waitForFunction(`([path, url]) => { ${REACH}
      try { const w = reach(path); return w.location.href === url && w.document.readyState === 'complete'; } catch { return true; } }`, [this.path, url]);
    this.href = url;
  }
}

export class RemotePage {
  constructor(wire, name) {
    this.wire = wire;
    this.browserName = name;
    this.problems = [];
    this.installedClock = false;
    this.keyboard = { press: key => this.press(key), type: text => text && wire.type(text) };
    this.mouse = { move: (x, y) => wire.move(x, y), click: (x, y) => wire.click(x, y) };
    this.touchscreen = { tap: (x, y) => wire.tap ? wire.tap(x, y) : this.cannot('touch input') };
    const page = this;
    this.clock = {
      install() { page.installedClock = true; page.wire.site.clock = true; },
      pauseAt: t => this.evaluate(t => window.plivexClock.pauseAt(t), +t),
      runFor: ms => this.evaluate(ms => window.plivexClock.runFor(ms), ms)
    };
  }
  // Tab past the page's last tab stop (or Shift+Tab before its first) takes
  // the focus to the browser's own controls in Chromium and Firefox, and the
  // next Tab (Shift+Tab) brings it back to the page's first (last) stop.
  // WebKit's test browser has no such controls and wraps round, and
  // Firefox's driver cannot bring the focus back from them, so both stand in
  // for the round trip: the page's element loses the focus, as when the
  // window's controls take it, and the way back focuses the stop.
  async press(key) {
    if (key === 'Tab' || key === 'Shift+Tab') {
      const done = await this.evaluate(`([back, outside]) => { ${FIND}; const el = document.activeElement;
        const all = [...document.querySelectorAll('a[href],button,input,select,textarea,iframe,summary,[tabindex],[contenteditable]')]
          .filter(e => e.tabIndex >= 0 && !e.disabled && seen(e));
        const order = [...all.filter(e => e.tabIndex > 0).sort((a, b) => a.tabIndex - b.tabIndex), ...all.filter(e => e.tabIndex === 0)];
        if (outside && (!el || el === document.body) && order.length) { order.at(back ? -1 : 0).focus(); return 'in'; }
        if (!el || el === document.body || order.at(back ? 0 : -1) !== el) return '';
        el.blur();
        return 'out'; }`, [key === 'Shift+Tab', !!this.outside]);
      this.outside = done === 'out';
      if (done) return;
    }
    this.outside = false;
    await this.wire.press(key);
  }
  cannot(what) { throw new Unsupported(`${this.browserName} driver: no ${what}`); }
  on() { this.cannot('page events'); }
  // Runs `fn` (a function or its source) in the page with `arg`, and takes
  // what the page logged since the last call.
  async evaluate(fn, arg) { return this.evaluateIn([], fn, arg); }
  // The same in the frame at `path` (indices into window.frames from the
  // top); every call also notes the page's frames, so frames() can answer
  // at once as Playwright's does.
  async evaluateIn(path, fn, arg) {
    const body = `(async () => { const v = await (${fn})(${JSON.stringify(arg)});
      return { v: v === undefined ? null : v, u: location.href, p: (window.plivexProblems || []).splice(0) }; })()`;
    const r = await this.wire.run(`(async () => { ${REACH}
      const r = await (${path.length ? `reach(${JSON.stringify(path)}).eval(${JSON.stringify(body)})` : body});
      return { ...r, f: frameList() }; })()`);
    this.problems.push(...r.p);
    if (path.length) this.frameAt(path).href = r.u; else this.href = r.u;
    for (const [at, url] of r.f) this.frameAt(at).href = url;
    this.frameList = r.f.map(([at]) => this.frameAt(at));
    return r.v;
  }
  frameAt(path) {
    const key = path.join();
    this.frameViews ??= new Map();
    if (!this.frameViews.has(key)) this.frameViews.set(key, new RemoteFrame(this, path));
    return this.frameViews.get(key);
  }
  parentFrame() { return null; }
  async waitForFunction(fn, arg) {
    for (let i = 0; ; i++) {
      if (await this.evaluate(fn, arg)) return;
      if (i > 600) throw new Error('timed out waiting for ' + String(fn).slice(0, 80));
      await new Promise(r => setTimeout(r, 25));
    }
  }
  async waitForURL(re) {
    for (let i = 0; ; i++) {
      const url = await this.wire.url().catch(() => '');
      if (re instanceof RegExp ? re.test(url) : url === String(re)) { this.href = url; return; }
      if (i > 600) throw new Error('timed out waiting for ' + re + ', at ' + url);
      await new Promise(r => setTimeout(r, 25));
    }
  }
  async waitForSelector(css) { await this.locator(css).waitFor(); }
  // The page's address and frames as soon as it has loaded.
  async goto(url) { await this.wire.goto(url); await this.evaluate('() => 0'); }
  async reload() { await this.evaluate('() => 0'); await this.wire.reload(); }
  url() { return this.href; }
  locator(css, options) { return new Locator(this, []).locator(css, options); }
  getByRole(role, options) { return new Locator(this, []).getByRole(role, options); }
  getAttribute(css, name) { return this.locator(css).getAttribute(name); }
  click(css) { return this.locator(css).click(); }
  hover(css) { return this.locator(css).hover(); }
  async addScriptTag({ content }) { await this.evaluate(c => { const s = document.createElement('script'); s.textContent = c; document.head.appendChild(s); }, content); }
  async setViewportSize({ width, height }) { await this.wire.viewport(width, height); }
  emulateMedia(media) { return this.wire.emulateMedia ? this.wire.emulateMedia(media) : this.cannot('emulation of media features'); }
  frames() { return [this, ...this.frameList || []]; }
  close() { return this.wire.close(); }
}
