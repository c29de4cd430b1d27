// Updates and offline use on a plain static server (Last-Modified, no
// Cache-Control) whose files are a month old, so that the browser's HTTP
// cache takes them for fresh: a new build copied over the old one runs by
// the second reload, in Chromium and Firefox; a copy caught half-way (a new
// zemlox.js beside the old zemlox.wasm, then a cut one, over files just
// copied, then one the server stops sending) is never kept and the old
// build keeps running; a 404 manifest or a small storage quota, and a
// plain-http host, each get the quiet note saying why there is no offline use.
// Run: node tests/web/update.test.mjs [chromium|firefox]
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import * as z from './lib.mjs';
import {launchFirefox} from './engines.mjs';
import {serve} from './school_server.mjs';

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-update-'));
const shots = process.env.ZEMLOX_SHOTS;
const scripts = new URL('../../scripts/', import.meta.url).pathname;

// The built site as build `id`, its offline list written again.
function build(id) {
  const dir = path.join(tmp, id);
  fs.cpSync(z.site, dir, {recursive: true});
  execFileSync('python3', [scripts + 'stamp-build.py', dir, '--id', id]);
  const version = execFileSync('python3', [scripts + 'offline-list.py', dir]).toString().trim();
  return {dir, version, file: f => fs.readFileSync(path.join(dir, f))};
}
const A = build('build-a'), B = build('build-b');

// A served copy of build A, every file a month old, or just copied.
let sites = 0;
function served(old = true) {
  const dir = path.join(tmp, `served-${++sites}`);
  fs.cpSync(A.dir, dir, {recursive: true});
  const then = new Date(Date.now() - 30 * 86400e3);
  if (old) for (const f of fs.readdirSync(dir, {recursive: true})) fs.utimesSync(path.join(dir, f), then, then);
  return dir;
}
const copy = (dir, name, bytes) => fs.writeFileSync(path.join(dir, name), bytes);

// The build each half of the running program came from: zemlox.js's stamp,
// and that of the zemlox.wasm the page is given.
const running = page => page.evaluate(async () => {
  const m = await WebAssembly.compile(await (await fetch('zemlox.wasm')).arrayBuffer());
  return `${window.ZEMLOX_BUILD}/${new TextDecoder().decode(WebAssembly.Module.customSections(m, 'zemlox-build')[0])}`;
});
const note = page => page.$eval('#offline-note', e => (e.hidden ? '' : e.textContent));
const caches = page => page.evaluate(async () => (await window.caches.keys()).sort().join(' '));
const kept = (page, version) => page.waitForFunction(v => window.caches.keys().then(k => k.join(' ') === v),
                                                     {timeout: 30000, polling: 200}, version);
// A reload once no worker is installing: the browser's check for a new
// worker on a page load compares with the newest, even one about to fail.
async function reload(page) {
  await page.waitForFunction(() => navigator.serviceWorker.getRegistration().then(r => !r || !r.installing),
                             {timeout: 30000, polling: 100});
  await page.reload();
  await z.windowOf(page, 'Zemlox', 20000);
}
// Build A's first visit, until its worker controls the page.
async function installed(page, url) {
  await page.goto(url);
  await z.windowOf(page, 'Zemlox', 20000);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 30000});
  await kept(page, A.version);
}

async function update(browser, engine) {
  const dir = served(), server = await serve(dir);
  try {
    const page = await browser.newPage();
    await installed(page, server.url);
    fs.cpSync(B.dir, dir, {recursive: true});
    await reload(page);
    await kept(page, B.version);
    await reload(page);
    const now = await running(page);
    if (shots) await page.screenshot({path: `${shots}/update-${engine}.png`});
    z.check(now === 'build-b/build-b', `${engine}: after the second reload build ${now} runs, not build-b`);
    console.log(`  ${engine}: the new build runs after the second reload`);
  } finally {
    await server.close();
  }
}

async function halfCopied(browser) {
  const stall = [], dir = served(false), server = await serve(dir, {stall});
  try {
    const page = await browser.newPage();
    await installed(page, server.url);
    const wasm = B.file('zemlox.wasm');
    for (const [what, bytes] of [['the old zemlox.wasm', A.file('zemlox.wasm')], ['a cut zemlox.wasm', wasm.subarray(0, wasm.length >> 1)]]) {
      for (const f of ['sw.js', 'index.html', 'zemlox.js']) copy(dir, f, B.file(f));
      copy(dir, 'zemlox.wasm', bytes);
      for (let i = 1; i <= 2; ++i) {
        await reload(page);
        await page.waitForFunction(() => /zemlox\.wasm/.test(document.getElementById('offline-note').textContent),
                                   {timeout: 30000});
        const now = await running(page), held = await caches(page);
        z.check(now === 'build-a/build-a' && held.includes(A.version),
                `with ${what}, reload ${i} runs ${now} (caches ${held})`);
      }
      if (shots) await page.screenshot({path: `${shots}/half-copied-${what.split(' ')[1]}.png`});
      console.log(`  with ${what} build A runs on; the note: ${await note(page)}`);
    }
    // The copy done, but the server still sending the file it cut, half of it, never the rest.
    copy(dir, 'zemlox.wasm', wasm);
    stall.push('zemlox.wasm');
    await reload(page);
    await page.waitForFunction(() => /zemlox\.wasm を取得できませんでした/.test(document.getElementById('offline-note').textContent),
                               {timeout: 40000});
    z.check(await running(page) === 'build-a/build-a', 'a stalled zemlox.wasm: build A does not run');
    stall.length = 0;
    await reload(page);
    await kept(page, B.version);
    await reload(page);
    const now = await running(page);
    z.check(now === 'build-b/build-b' && await note(page) === '', `the copy finished, ${now} runs, note ${await note(page)}`);
  } finally {
    await server.close();
  }
}

// A fault of the server or the browser: the program runs, and the note says why it is not kept.
async function noOffline(browser, what, {options = {}, quota = 0, host = ''}, expected) {
  const server = await serve(served(), options);
  try {
    const page = await browser.newPage();
    const url = host ? `http://${host}:${server.port}/` : server.url;
    if (quota) {
      const cdp = await page.createCDPSession();
      await cdp.send('Storage.overrideQuotaForOrigin', {origin: url.slice(0, -1), quotaSize: quota});
    }
    await page.goto(url);
    await z.windowOf(page, 'Zemlox', 20000);
    await page.waitForFunction(() => document.getElementById('offline-note').textContent !== '', {timeout: 30000});
    const text = await note(page);
    if (shots) await page.screenshot({path: `${shots}/note-${what}.png`});
    z.check(text === expected, `${what}: the note says ${text}`);
    console.log(`  ${what}: ${text}`);
  } finally {
    await server.close();
  }
}

const only = process.argv[2];
if (!only || only === 'chromium') {
  await z.run('update in Chromium', async browser => {
    await update(browser, 'Chromium');
    await halfCopied(browser);
    await noOffline(browser, 'manifest-404', {options: {unknown: ['.webmanifest']}},
                    'オフラインでは使えません。manifest.webmanifest をサーバーから取得できませんでした（HTTP 404）。');
    await noOffline(browser, 'quota', {quota: 300 * 1024}, 'オフラインでは使えません。このブラウザーの保存領域が足りません。');
  });
  // A school's host over plain http: the program runs as before, with no worker.
  await z.run('plain http in Chromium', async () => {
    const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                                            args: ['--no-sandbox', '--host-resolver-rules=MAP school.test 127.0.0.1']});
    try {
      await noOffline(browser, 'http', {host: 'school.test'},
                      'http で開いているため、オフラインでの利用とアプリとしてのインストールはできません（https が必要です）。');
    } finally {
      await browser.close();
    }
  });
}
if (!only || only === 'firefox') {
  const browser = await launchFirefox();
  try {
    await update(browser, 'Firefox');
    console.log('update in Firefox: ok');
  } catch (e) {
    console.error(`update in Firefox: FAILED: ${e.stack || e}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
  }
}
fs.rmSync(tmp, {recursive: true, force: true});
