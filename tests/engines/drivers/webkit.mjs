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
  // One browser window per page; every call first makes its page's window
  // the current one.
  let current = await driver.getWindowHandle(), firstFree = true;
  const use = async handle => { if (current !== handle) { await driver.switchTo().window(handle); current = handle; } };
  const fitViewport = async (w, h) => {
    for (let i = 0; i < 3; i++) {
      const [iw, ih] = await driver.executeScript('return [innerWidth, innerHeight]');
      if (iw === w && ih === h) return;
      const r = await driver.manage().window().getRect();
      await driver.manage().window().setRect({ width: r.width + w - iw, height: r.height + h - ih });
    }
  };
  return {
    site,
    async newPage() {
      let handle;
      if (firstFree) { firstFree = false; handle = current; } else {
        await driver.switchTo().newWindow('window');
        handle = current = await driver.getWindowHandle();
      }
      await fitViewport(width, height);
      const act = async build => { await use(handle); await build(driver.actions({ async: true })).perform(); };
      return new RemotePage({
        site,
        run: async text => { await use(handle); return driver.executeScript('return ' + text); },
        url: async () => { await use(handle); return driver.getCurrentUrl(); },
        goto: async url => { await use(handle); await driver.get(url); },
        reload: async () => { await use(handle); await driver.navigate().refresh(); },
        press: key => act(a => {
          const keys = key.split('+').map(k => KEYS[k] || k);
          for (const k of keys) a = a.keyDown(k);
          for (const k of keys.reverse()) a = a.keyUp(k);
          return a;
        }),
        type: async text => { await use(handle); await driver.switchTo().activeElement().then(e => e.sendKeys(text)); },
        move: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })),
        click: (x, y) => act(a => a.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).click()),
        viewport: async (w, h) => { await use(handle); await fitViewport(w, h); },
        async close() {
          await use(handle);
          const left = (await driver.getAllWindowHandles()).filter(h => h !== handle);
          if (!left.length) { await driver.get('about:blank'); firstFree = true; return; }
          await driver.close();
          await driver.switchTo().window(current = left[0]);
        }
      }, 'WebKit');
    },
    async close() {
      try { await driver.quit(); } finally { server.kill(); await site.close(); }
    }
  };
}
