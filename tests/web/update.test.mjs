// Updates and offline use on a plain static server (Last-Modified, no
// Cache-Control): a new build copied over month-old files, which the HTTP
// cache takes for fresh, runs by the second reload, with a service worker
// (127.0.0.1) and over plain http (school.test, in Chromium, Firefox and
// WebKit; the first load may be the bookmark's, whose page the cache keeps); a copy caught half-way
// (the old zemlox.wasm, a cut one, one the server stops sending) is never
// kept and the old build runs on; a pupil who reloads as the copy ends, while
// a try that met it half-way still runs, gets the new build by the next
// reload: in Chromium and Firefox, with nothing on the console. A 404
// manifest, a small quota and a plain-http host (once) each get the quiet
// note saying why, and so does a kept copy whose folder is gone.
// Run: node tests/web/update.test.mjs [chromium|firefox|webkit] (webkit on an X display)
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import * as z from './lib.mjs';
import {launchFirefox, webkit} from './engines.mjs';
import {serve} from './school_server.mjs';

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-update-'));
const scripts = new URL('../../scripts/', import.meta.url).pathname;
function build(id) { // the built site as build `id`
  const dir = path.join(tmp, id);
  fs.cpSync(z.site, dir, {recursive: true});
  execFileSync('python3', [scripts + 'stamp-build.py', dir, '--id', id]);
  execFileSync('python3', [scripts + 'version-site.py', dir]);
  const version = execFileSync('python3', [scripts + 'offline-list.py', dir]).toString().trim();
  return {dir, version, file: f => fs.readFileSync(path.join(dir, f))};
}
const A = build('a'), B = build('b');
let sites = 0;
const aged = (dir, age) => {
  const then = new Date(Date.now() - age);
  for (const f of fs.readdirSync(dir, {recursive: true})) fs.utimesSync(path.join(dir, f), then, then);
};
function served(age = 30 * 86400e3) { // a copy of build A, a month old or as old as asked
  const dir = path.join(tmp, `served-${++sites}`);
  fs.cpSync(A.dir, dir, {recursive: true});
  aged(dir, age);
  return dir;
}

// zemlox.js's build and that of the zemlox.wasm the page is given.
const runningIn = async () => {
  // The program as the page asks for it: gzipped where the browser unpacks it.
  const files = window.zxSite.files, gz = typeof DecompressionStream === 'function' && files['zemlox.wasm.gz'];
  let bytes = new Uint8Array(await (await fetch(gz || files['zemlox.wasm'] || 'zemlox.wasm')).arrayBuffer());
  if (bytes[0] === 0x1f && bytes[1] === 0x8b)
    bytes = await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  const m = await WebAssembly.compile(bytes);
  return window.ZEMLOX_BUILD + new TextDecoder().decode(WebAssembly.Module.customSections(m, 'zemlox-build')[0]);
};
const running = page => page.evaluate(runningIn);
const note = (page, re = /./) => page.waitForFunction(r => new RegExp(r).test(document.getElementById('offline-note').textContent),
                                                      {timeout: 40000}, re.source).then(() => page.$eval('#offline-note', e => e.textContent));
// Build `v` kept, alone, and its worker in control.
const kept = (page, v) => page.waitForFunction(v => navigator.serviceWorker.controller && caches.keys().then(k => k.join() === v),
                                               {timeout: 30000}, v);
// A reload once no worker is installing: a page load's check for a new
// worker compares with the newest, even one about to fail.
async function reload(page, expected) {
  await page.waitForFunction(() => navigator.serviceWorker.getRegistration().then(r => !r || !r.installing), {timeout: 30000});
  await page.reload();
  await z.windowOf(page, 'Zemlox', 20000);
  if (expected) z.check(await running(page) === expected, `build ${await running(page)} runs, not ${expected} (note: ${
    await page.$eval('#offline-note', e => e.textContent)}, controlled: ${await page.evaluate(() => !!navigator.serviceWorker.controller)})`);
}
async function visit(browser, dir, options, body, {quota = 0, host = '127.0.0.1'} = {}) {
  const server = await serve(dir, options), page = await browser.newPage(), url = `http://${host}:${server.port}`, errors = [];
  page.on('console', m => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', e => errors.push(String(e)));
  try {
    if (quota) await (await page.createCDPSession()).send('Storage.overrideQuotaForOrigin', {origin: url, quotaSize: quota});
    await page.goto(url);
    await z.windowOf(page, 'Zemlox', 20000);
    await body(page, dir, server);
    z.check(!errors.length || options.unknown || options.gone, `the console says: ${errors.join(' | ')}`);
  } finally {
    await server.close();
  }
}

const update = (browser, engine) => visit(browser, served(), {}, async (page, dir) => {
  await kept(page, A.version);
  fs.cpSync(B.dir, dir, {recursive: true});
  await reload(page);
  await kept(page, B.version);
  await reload(page, 'bb');
  console.log(`  ${engine}: the new build runs after the second reload`);
});

const stall = [];
const halfCopied = browser => visit(browser, served(60e3), {halfway: stall}, async (page, dir, server) => {
  await kept(page, A.version);
  // The program as the page and the worker ask for it, gzipped.
  const wasm = B.file('zemlox.wasm.gz');
  for (const f of ['sw.js', 'index.html', 'zemlox.js', 'zemlox.js.gz', 'zemlox.wasm']) fs.writeFileSync(path.join(dir, f), B.file(f));
  for (const [bytes, why] of [[A.file('zemlox.wasm.gz'), /zemlox\.wasm\.gz の中身/], [wasm.subarray(0, wasm.length >> 1), /zemlox\.wasm\.gz の中身/],
                              [wasm, /zemlox\.wasm\.gz を取得できません/]]) {
    fs.writeFileSync(path.join(dir, 'zemlox.wasm.gz'), bytes);
    if (bytes === wasm) stall.push('zemlox.wasm.gz'); // the copy done, the server still sending half the file it cut
    await reload(page, 'aa');
    console.log(`  build A runs on; the note: ${await note(page, why)}`);
  }
  // The copy finishes while a try is still waiting for zemlox.wasm, and the
  // pupil reloads at once, the try not yet failed.
  server.stalled.length = 0;
  await reload(page);
  while (!server.stalled.length) await z.sleep(50);
  stall.length = 0;
  await page.reload();
  await kept(page, B.version);
  await reload(page, 'bb');
  z.check(await page.$eval('#offline-note', e => e.hidden), 'the note stays once the new build is kept');
});

// The folder deleted from the server: the copy kept offline still runs, and
// says it is an old copy of a folder that is gone.
// (The browser says the 404s on its console.)
const folderGone = browser => visit(browser, served(), {gone: true}, async (page, dir) => {
  await kept(page, A.version);
  fs.rmSync(dir, {recursive: true});
  await reload(page, 'aa');
  console.log(`  the folder gone: ${await note(page, /消されたフォルダー/)}`);
});

const noOffline = (browser, expected, options, how) => visit(browser, served(), options, async page => {
  const text = await note(page);
  z.check(text === expected, `the note says ${text}`);
  console.log(`  ${text}`);
  if (how && how.host) {
    await page.reload();
    await z.windowOf(page, 'Zemlox', 20000);
    await z.sleep(1500);
    z.check(await page.$eval('#offline-note', e => e.hidden), 'plain http: the note is said again at the next visit');
  }
}, how);

// Over plain http no worker keeps anything: the browser's cache alone, which
// takes month-old files for fresh. Build B copied over A (its files 20 days
// old, as a zip unpacks them) runs by the second load: the first is the
// bookmark's (the cache may hand back the old page), then reloads. `open`
// gives a page ({goto, reload, eval, close}) given the server's port. What
// runs is the menu of one build, every time.
async function plainHttp(open, engine) {
  const dir = served(), server = await serve(dir), url = `http://school.test:${server.port}/`;
  const page = await open(server.port);
  const shown = async () => {
    for (let i = 0; i < 400; ++i) {
      const build = await page.eval(() => document.documentElement.dataset.build || null).catch(() => null);
      const failed = await page.eval(() => document.getElementById('status').className === 'failed' &&
                                           document.getElementById('status').innerText).catch(() => false);
      z.check(!failed, `${engine}: the page says ${failed}`);
      if (build) return page.eval(runningIn);
      await z.sleep(50);
    }
    throw new Error(`${engine}: no menu over plain http`);
  };
  try {
    await page.goto(url);
    z.check(await shown() === 'aa' && await page.eval(() => !window.isSecureContext), `${engine}: not build A over plain http`);
    fs.cpSync(B.dir, dir, {recursive: true});
    aged(dir, 20 * 86400e3);
    let loads = 0, got = '';
    while (got !== 'bb' && loads < 4) {
      await (loads++ ? page.reload() : page.goto(url));
      got = await shown();
      z.check(got === 'aa' || got === 'bb', `${engine}: builds ${got} run together`);
    }
    z.check(got === 'bb' && loads <= 2, `${engine}: over plain http build ${got} runs after ${loads} loads`);
    console.log(`  ${engine}: over plain http the new build runs at load ${loads} (the bookmark's first, then reloads)`);
  } finally {
    await page.close();
    await server.close();
  }
}
const puppeteerPlain = (browser, engine) => plainHttp(async () => {
  const page = await browser.newPage();
  return {goto: u => page.goto(u), reload: () => page.reload(), eval: f => page.evaluate(f), close: () => page.close()};
}, engine);

const only = process.argv[2];
if (!only || only === 'chromium') {
  // school.test: a school's host over plain http.
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                                          args: ['--no-sandbox', '--host-resolver-rules=MAP school.test 127.0.0.1']});
  try {
    await update(browser, 'Chromium');
    await halfCopied(browser);
    await folderGone(browser);
    await noOffline(browser, 'オフラインでは使えません。manifest.webmanifest をサーバーから取得できませんでした（HTTP 404）。',
                    {unknown: ['.webmanifest']});
    await noOffline(browser, 'オフラインでは使えません。このブラウザーの保存領域が足りません。', {}, {quota: 300 * 1024});
    await noOffline(browser, 'http で開いているため、オフラインでの利用とアプリとしてのインストールはできません（https が必要です）。',
                    {}, {host: 'school.test'});
    await puppeteerPlain(browser, 'Chromium');
    console.log('update in Chromium: ok');
  } catch (e) {
    console.error(`update in Chromium: FAILED: ${e.stack || e}`);
    process.exitCode = 1;
  }
  await browser.close();
}
if (!only || only === 'firefox') {
  // school.test resolves to this machine.
  const browser = await launchFirefox({'network.dns.localDomains': 'school.test'});
  await update(browser, 'Firefox').then(() => halfCopied(browser)).then(() => puppeteerPlain(browser, 'Firefox'))
    .then(() => console.log('update in Firefox: ok'),
          e => { console.error(`update in Firefox: FAILED: ${e.stack || e}`); process.exitCode = 1; });
  await browser.close();
}
if (only === 'webkit' || (!only && process.env.DISPLAY)) {
  // school.test through a proxy: the school's server itself, which answers any host.
  await plainHttp(port => webkit({proxy: `http://127.0.0.1:${port}`}), 'WebKit').then(() => console.log('update in WebKit: ok'),
    e => { console.error(`update in WebKit: FAILED: ${e.stack || e}`); process.exitCode = 1; });
}
fs.rmSync(tmp, {recursive: true, force: true});
