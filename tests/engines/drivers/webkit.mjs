// Debian's WebKitGTK: its MiniBrowser driven by WebKitWebDriver over
// WebDriver (selenium-webdriver). It needs a display: the tests run it
// under Xvfb.
import { Builder, Key, Origin } from 'selenium-webdriver';
import { spawn } from 'node:child_process';
import net from 'node:net';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { startSite } from './site.mjs';
import { RemotePage } from './page.mjs';

const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const KEYS = {
  ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT,
  Home: Key.HOME, End: Key.END, Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, Shift: Key.SHIFT,
  Space: ' ', Delete: Key.DELETE, Backspace: Key.BACK_SPACE
};

const LEFT = Symbol('the page left');

const freePort = () => new Promise(resolve => {
  const s = net.createServer().listen(0, '127.0.0.1', () => { const p = s.address().port; s.close(() => resolve(p)); });
});

export async function launchWebKit({ width = 1000, height = 700, reducedMotion } = {}) {
  const site = await startSite();
  const port = await freePort();
  // The MiniBrowser window cannot be narrower than its toolbar's buttons and
  // address field, wider than a phone. Its own style sheet shrinks them to
  // nothing, so the page can take a phone's width; the page's own controls
  // are drawn by WebKit and keep their look.
  const config = fs.mkdtempSync(path.join(os.tmpdir(), 'plivex-webkit-'));
  fs.mkdirSync(path.join(config, 'gtk-3.0'));
  fs.writeFileSync(path.join(config, 'gtk-3.0', 'gtk.css'),
    'entry, button { padding: 0; margin: 0; min-width: 0; min-height: 0; font-size: 1px; border-width: 0; }\n');
  // A visitor who asked the desktop for less motion: WebKit's pages then
  // match prefers-reduced-motion: reduce.
  if (reducedMotion === 'reduce') fs.writeFileSync(path.join(config, 'gtk-3.0', 'settings.ini'), '[Settings]\ngtk-enable-animations=0\n');
  const server = spawn('WebKitWebDriver', ['--port=' + port], { stdio: 'ignore', env: { ...process.env, XDG_CONFIG_HOME: config } });
  let driver;
  for (let i = 0; !driver; i++) {
    try {
      driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
        proxy: { proxyType: 'manual', httpProxy: site.address }
      }).build();
    } catch (e) {
      if (i > 100) { server.kill(); fs.rmSync(config, { recursive: true, force: true }); throw e; }
      await new Promise(r => setTimeout(r, 50));
    }
  }
  // WebKit times a script with the page's own timers, which the test clock
  // runs on: the limit is well beyond the minute a test moves that clock on
  // at once, and still ends a script that never returns.
  await driver.manage().setTimeouts({ script: 180000 });
  // One browser window for all pages: input reaches only the window that
  // is active, and a second window does not become so. A new page takes
  // the window over; the page it had can no longer be used.
  let owner = 0, inputs = 0;
  // The window is sized until its page is w x h; the window system may take
  // a moment to follow.
  const fitViewport = async (w, h) => {
    for (let i = 0; i < 40; i++) {
      const [iw, ih] = await driver.executeScript('return [innerWidth, innerHeight]');
      if (iw === w && ih === h) return;
      const r = await driver.manage().window().getRect();
      if (i % 4 === 0) await driver.manage().window().setRect({ width: r.width + w - iw, height: r.height + h - ih });
      await new Promise(resolve => setTimeout(resolve, 50));
    }
    throw new Error(`the WebKit window does not take a page of ${w} x ${h}`);
  };
  return {
    site,
    async newPage() {
      const mine = ++owner;
      const use = async () => { if (owner !== mine) throw new Error('this page was replaced by a newer one in the same window'); };
      // A new page starts with empty session storage, as a new tab does.
      for (const origin of new Set([...site.files.keys()].map(url => new URL(url).origin))) {
        await driver.get(origin + '/');
        await driver.executeScript('sessionStorage.clear()');
      }
      await driver.get('about:blank');
      await fitViewport(width, height);
      // One command at a time: WebKit may never answer a command that
      // reaches it while a click is taking the window to another page, and
      // every command after it would wait as long.
      let queue = Promise.resolve();
      const alone = f => async (...args) => {
        const turn = queue.then(async () => { await use(); return f(...args); });
        queue = turn.catch(() => {});
        return turn;
      };
      // A short script that may meet a page on its way out: no answer
      // within a second counts as that page having left.
      const ask = async (script, ...args) => {
        let timer;
        try {
          return await Promise.race([driver.executeScript(script, ...args), new Promise(resolve => { timer = setTimeout(resolve, 1000, LEFT); })]);
        } finally {
          clearTimeout(timer);
        }
      };
      // Input reaches the page after perform() has returned: two frames
      // later the page has handled it, as Playwright's input waits for.
      // The frames are awaited by short scripts, as a script still waiting
      // when the page leaves would be answered only at the script time limit.
      const act = alone(async build => {
        await build(driver.actions({ async: true })).perform();
        const mark = 'input ' + ++inputs;
        try {
          if (await ask(`const mark = arguments[0]; window.plivexInput = mark;
            requestAnimationFrame(() => requestAnimationFrame(() => { if (window.plivexInput === mark) window.plivexInput = ''; }));`, mark) === LEFT) return;
          // Done once two frames have passed, or once the window shows a
          // page that never had the mark.
          for (let i = 0; i < 400 && await ask('return window.plivexInput') === mark; i++)
            await new Promise(resolve => setTimeout(resolve, 5));
        } catch {
          // A click that follows a link may leave no page to ask.
        }
      });
      // A new page has the pointer resting nowhere near its items, as a new
      // Playwright page has no pointer over it.
      await act(a => a.move({ x: width - 1, y: height - 1, origin: Origin.VIEWPORT, duration: 0 }));
      return new RemotePage({
        site,
        run: alone(text => driver.executeScript('return ' + text)),
        // Asked of the page rather than of the window, whose answer WebKit
        // may never give while a link is being followed; no answer yet is
        // an address still to come.
        url: alone(async () => { const url = await ask('return location.href'); return url === LEFT ? '' : url; }),
        goto: alone(url => driver.get(url)),
        reload: alone(() => driver.navigate().refresh()),
        press: key => act(a => {
          const keys = key.split('+').map(k => KEYS[k] || k);
          for (const k of keys) a = a.keyDown(k);
          for (const k of keys.reverse()) a = a.keyUp(k);
          return a;
        }),
        type: alone(text => driver.switchTo().activeElement().then(e => e.sendKeys(text))),
        move: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 })),
        click: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 }).click()),
        viewport: alone((w, h) => fitViewport(w, h)),
        async close() { if (owner === mine) await driver.get('about:blank'); }
      }, 'WebKit');
    },
    async close() {
      try { await driver.quit(); } finally { server.kill(); fs.rmSync(config, { recursive: true, force: true }); await site.close(); }
    }
  };
}
