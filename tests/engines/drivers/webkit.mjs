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

const freePort = () => new Promise(resolve => {
  const s = net.createServer().listen(0, '127.0.0.1', () => { const p = s.address().port; s.close(() => resolve(p)); });
});

export async function launchWebKit({ width = 1000, height = 700 } = {}) {
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
      // Input reaches the page after perform() has returned: two frames
      // later the page has handled it, as Playwright's input waits for.
      // The wait is asked for by short scripts: a script still waiting for
      // the page's frames when a click takes the window to another page
      // gets no answer from WebKit until the script time limit, and every
      // command after it waits as long.
      const act = async build => {
        await use();
        await build(driver.actions({ async: true })).perform();
        const mark = 'input ' + ++inputs;
        try {
          await driver.executeScript(`const mark = arguments[0]; window.plivexInput = mark;
            requestAnimationFrame(() => requestAnimationFrame(() => { if (window.plivexInput === mark) window.plivexInput = ''; }));`, mark);
          // Done once two frames have passed, or once the window shows a
          // page that never had the mark.
          for (let i = 0; i < 400 && await driver.executeScript('return window.plivexInput') === mark; i++)
            await new Promise(resolve => setTimeout(resolve, 5));
        } catch {
          // A click that follows a link may leave no page to ask.
        }
      };
      // A new page has the pointer resting nowhere near its items, as a new
      // Playwright page has no pointer over it.
      await act(a => a.move({ x: width - 1, y: height - 1, origin: Origin.VIEWPORT, duration: 0 }));
      return new RemotePage({
        site,
        run: async text => { await use(); return driver.executeScript('return ' + text); },
        url: async () => { await use(); return driver.getCurrentUrl(); },
        goto: async url => { await use(); await driver.get(url); },
        reload: async () => { await use(); await driver.navigate().refresh(); },
        press: key => act(a => {
          const keys = key.split('+').map(k => KEYS[k] || k);
          for (const k of keys) a = a.keyDown(k);
          for (const k of keys.reverse()) a = a.keyUp(k);
          return a;
        }),
        type: async text => { await use(); await driver.switchTo().activeElement().then(e => e.sendKeys(text)); },
        move: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 })),
        click: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT, duration: 0 }).click()),
        viewport: async (w, h) => { await use(); await fitViewport(w, h); },
        async close() { if (owner === mine) await driver.get('about:blank'); }
      }, 'WebKit');
    },
    async close() {
      try { await driver.quit(); } finally { server.kill(); fs.rmSync(config, { recursive: true, force: true }); await site.close(); }
    }
  };
}
