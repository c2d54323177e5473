// The test site for browsers driven over WebDriver: an HTTP proxy on this
// machine that answers every address from memory (nothing leaves the
// machine) and starts every HTML page with the prelude below.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

const PRELUDE = fs.readFileSync(path.join(path.dirname(new URL(import.meta.url).pathname), 'prelude.js'), 'utf8');

export async function startSite() {
  const files = new Map();
  const site = { files, clock: false };
  const server = http.createServer((req, res) => {
    const url = req.url.split('#')[0];
    const body = files.get(url);
    if (body === undefined) { res.writeHead(404); res.end(); return; }
    const js = url.endsWith('.js'), svg = url.endsWith('.svg');
    const type = js ? 'text/javascript' : svg ? 'image/svg+xml' : 'text/html';
    // The prelude must run before anything of the page: right after the
    // doctype, so the page keeps its mode.
    const doctype = js || svg ? '' : (/^\s*<!doctype[^>]*>/i.exec(body) || [''])[0];
    const text = js || svg ? body : doctype + '<script>' + PRELUDE + (site.clock ? 'plivexClock();' : '') + '</script>' + body.slice(doctype.length);
    res.writeHead(200, { 'content-type': type + '; charset=utf-8', 'cache-control': 'no-store' });
    res.end(text);
  });
  await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
  site.address = '127.0.0.1:' + server.address().port;
  site.close = () => new Promise(resolve => { server.closeAllConnections(); server.close(resolve); });
  return site;
}
