// The browser edition's start on a congested school link (400 kbit/s each
// way, 300 ms added to every request) in Chromium, from a server that
// compresses (gzip, level 6) and from one that does not: the time to the menu
// and the bytes that came before it, beside the floor, a page that fetches
// nothing but the menu's own files (the page, the program, its script, the
// menu's font and picture) over the same link; and what else was asked for
// before the menu. Budgets: the menu by 4 s compressed, 7 s uncompressed.
// Nothing is asserted; the last line names what is over.
// Run after scripts/build-web.sh: node bench/web/congested.mjs
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import * as z from '../../tests/web/lib.mjs';
import {known} from '../../tests/web/school_server.mjs';

const link = {offline: false, latency: 300, downloadThroughput: 400e3 / 8, uploadThroughput: 400e3 / 8};
const budgets = {gzip: 4000, plain: 7000};
const runs = 3;
const median = v => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// The menu's own files, under the names the built page asks for them (the
// program's gzipped where the build made them so).
const page = fs.readFileSync(path.join(z.site, 'index.html'), 'utf8');
const site = JSON.parse(/\/\*site\*\/(\{.*?\})\/\*site\*\//s.exec(page)[1]);
const own = ['zemlox.js', 'zemlox.wasm', 'fonts/zemlox-pgothic-menu.woff2', 'assets/menu.png']
  .map(f => site.files[f + '.gz'] || site.files[f] || f);
const bare = name => name.split('?')[0];
const floorPage = `<!doctype html><meta charset="utf-8"><title>floor</title><script>
Promise.all(${JSON.stringify(['index.html', ...own])}.map(f => fetch(f).then(r => r.arrayBuffer())))
  .then(() => performance.mark('floor-done'));
</script>`;

// A static server for the site, compressing text as a school's nginx or
// Apache does when told to (chunked, no length), or not at all; with
// Last-Modified, answering a browser's check of its copy with 304.
async function serve(compress) {
  const server = http.createServer((req, res) => {
    let p = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    if (p.endsWith('/')) p += 'index.html';
    if (p === '/floor.html') {
      res.writeHead(200, {'content-type': 'text/html; charset=utf-8'});
      return res.end(floorPage);
    }
    const file = path.join(z.site, p);
    if (!file.startsWith(z.site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404);
      return res.end();
    }
    const type = known[path.extname(file)] || 'application/octet-stream', body = fs.readFileSync(file);
    const modified = new Date(Math.floor(fs.statSync(file).mtimeMs / 1000) * 1000);
    if (Date.parse(req.headers['if-modified-since'] || '') >= modified.getTime()) {
      res.writeHead(304);
      return res.end();
    }
    res.setHeader('last-modified', modified.toUTCString());
    if (compress && /text|javascript|wasm|json/.test(type) && /gzip/.test(req.headers['accept-encoding'] || '')) {
      res.writeHead(200, {'content-type': type, 'content-encoding': 'gzip'});
      return res.end(zlib.gzipSync(body, {level: 6}));
    }
    res.writeHead(200, {'content-type': type, 'content-length': body.length});
    res.end(body);
  });
  await new Promise(r => server.listen(0, '127.0.0.1', r));
  return {url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise(r => { server.close(r); server.closeAllConnections(); })};
}

// One load in a fresh profile on the slow link: ms to `mark`, the bytes that
// had come by then, and what was asked for before it.
async function load(browser, url, mark) {
  const context = await browser.createBrowserContext();
  const tab = await context.newPage();
  const cdp = await tab.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', link);
  const bytes = new Map(), asked = new Map();
  cdp.on('Network.requestWillBeSent', e => asked.set(e.requestId, {url: e.request.url, at: e.timestamp}));
  cdp.on('Network.loadingFinished', e => bytes.set(e.requestId, {n: e.encodedDataLength, at: e.timestamp}));
  let t0 = 0;
  cdp.on('Network.requestWillBeSent', e => { if (!t0) t0 = e.timestamp; });
  await tab.goto(url, {waitUntil: 'domcontentloaded', timeout: 60000});
  const [ms, start] = await (await tab.waitForFunction(m => {
    const at = name => (performance.getEntriesByName(name)[0] || {}).startTime;
    return at(m) === undefined ? null : [at(m), at('zemlox-start') || at(m)];
  }, {timeout: 60000, polling: 50}, mark)).jsonValue();
  const until = t0 + ms / 1000 + 0.05;  // CDP's clock, seconds
  const before = [...bytes.values()].filter(b => b.at <= until).reduce((s, b) => s + b.n, 0);
  // Asked for before the program began to build its menu.
  const names = [...asked.values()].filter(a => a.at <= t0 + start / 1000).map(a => new URL(a.url).pathname.slice(1) || 'index.html');
  await context.close();
  return {ms, bytes: before, names};
}

const over = [];
await z.run('congested link', async browser => {
  console.log(`Chromium at ${link.downloadThroughput * 8 / 1e3} kbit/s with ${link.latency} ms per request, median of ${runs} fresh loads`);
  for (const mode of ['gzip', 'plain']) {
    const server = await serve(mode === 'gzip');
    try {
      const menu = [], floor = [];
      for (let i = 0; i < runs; ++i) {
        menu.push(await load(browser, server.url, 'zemlox-first-frame'));
        floor.push(await load(browser, server.url + 'floor.html', 'floor-done'));
      }
      const m = median(menu.map(r => r.ms)), f = median(floor.map(r => r.ms));
      const mb = median(menu.map(r => r.bytes)), fb = median(floor.map(r => r.bytes));
      console.log(`${(mode === 'gzip' ? 'compressed' : 'uncompressed').padEnd(13)} menu ${(m / 1000).toFixed(2)} s, ${mb.toLocaleString('en')} bytes before it` +
                  `   floor ${(f / 1000).toFixed(2)} s, ${fb.toLocaleString('en')} bytes   ratio ${(m / f).toFixed(2)}   budget ${budgets[mode] / 1000} s`);
      const extra = [...new Set(menu[0].names)].filter(n => !['index.html', ...own.map(bare)].includes(n));
      console.log(`  asked for before the menu besides its own files: ${extra.length ? extra.join(', ') : 'nothing'}`);
      if (m > budgets[mode]) over.push(`${mode === 'gzip' ? 'compressed' : 'uncompressed'} menu ${(m / 1000).toFixed(2)} s (budget ${budgets[mode] / 1000} s)`);
    } finally {
      await server.close();
    }
  }
});
console.log(`over budget: ${over.length ? over.join(', ') : 'none'}`);
