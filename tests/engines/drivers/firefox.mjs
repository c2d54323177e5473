// Debian's Firefox ESR, driven by puppeteer-core over WebDriver BiDi.
import puppeteer from 'puppeteer-core';
import { startSite } from './site.mjs';
import { RemotePage } from './page.mjs';

export async function launchFirefox({ width = 1000, height = 700, reducedMotion } = {}) {
  const site = await startSite();
  const [host, port] = site.address.split(':');
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    defaultViewport: { width, height },
    extraPrefsFirefox: {
      'network.proxy.type': 1, 'network.proxy.http': host, 'network.proxy.http_port': Number(port),
      'network.proxy.allow_hijacking_localhost': true, 'network.proxy.no_proxies_on': '',
      'app.update.enabled': false, 'browser.safebrowsing.malware.enabled': false,
      // The visitor's wish for less motion, as the desktop would pass it on.
      ...reducedMotion === 'reduce' ? { 'ui.prefersReducedMotion': 1 } : {}
    }
  });
  return {
    site,
    async newPage() {
      const page = await browser.newPage();
      await page.setViewport({ width, height });
      return new RemotePage({
        site,
        run: text => page.evaluate(text),
        url: async () => page.url(),
        goto: url => page.goto(url),
        reload: () => page.reload(),
        async press(key) {
          const keys = key.split('+');
          for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
          // Firefox's input takes a space by the character, not by its name.
          await page.keyboard.press(keys.at(-1) === 'Space' ? ' ' : keys.at(-1));
          for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
        },
        type: text => page.keyboard.type(text),
        move: (x, y) => page.mouse.move(x, y),
        click: (x, y) => page.mouse.click(x, y),
        tap: (x, y) => page.touchscreen.tap(x, y),
        viewport: (w, h) => page.setViewport({ width: w, height: h }),
        close: () => page.close()
      }, 'Firefox');
    },
    async close() { await browser.close(); await site.close(); }
  };
}
