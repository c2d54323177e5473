// Debian's WebKitGTK: its MiniBrowser driven by WebKitWebDriver over
// WebDriver (selenium-webdriver). It needs a display: the tests run it
// under Xvfb.
import { Builder, Key, Origin } from 'selenium-webdriver';
import { spawn } from 'node:child_process';
import net from 'node:net';
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
  const server = spawn('WebKitWebDriver', ['--port=' + port], { stdio: 'ignore' });
  let driver;
  for (let i = 0; !driver; i++) {
    try {
      driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
        proxy: { proxyType: 'manual', httpProxy: site.address }
      }).build();
    } catch (e) {
      if (i > 100) { server.kill(); throw e; }
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
  let owner = 0;
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
      const act = async build => {
        await use();
        await build(driver.actions({ async: true })).perform();
        // A click that follows a link leaves no page to wait in.
        await driver.executeScript('return new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))').catch(() => {});
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
      try { await driver.quit(); } finally { server.kill(); await site.close(); }
    }
  };
}
