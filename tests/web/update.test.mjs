// Updates and offline use on a plain static server (Last-Modified, no
// Cache-Control): a new build copied over month-old files, which the HTTP
// cache takes for fresh, runs by the second reload; a copy caught half-way
// (the old zemlox.wasm, a cut one, one the server stops sending) is never
// kept and the old build runs on; a pupil who reloads as the copy ends, while
// a try that met it half-way still runs, gets the new build by the next
// reload: in Chromium and Firefox, with nothing on the console. A 404
// manifest, a small quota and a plain-http host each get the quiet note saying why.
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
const scripts = new URL('../../scripts/', import.meta.url).pathname;
function build(id) { // the built site as build `id`
  const dir = path.join(tmp, id);
  fs.cpSync(z.site, dir, {recursive: true});
  execFileSync('python3', [scripts + 'stamp-build.py', dir, '--id', id]);
  const version = execFileSync('python3', [scripts + 'offline-list.py', dir]).toString().trim();
  return {dir, version, file: f => fs.readFileSync(path.join(dir, f))};
}
const A = build('a'), B = build('b');
let sites = 0;
function served(age = 30 * 86400e3) { // a copy of build A, a month old or as old as asked
  const dir = path.join(tmp, `served-${++sites}`), then = new Date(Date.now() - age);
  fs.cpSync(A.dir, dir, {recursive: true});
  for (const f of fs.readdirSync(dir, {recursive: true})) fs.utimesSync(path.join(dir, f), then, then);
  return dir;
}

// zemlox.js's build and that of the zemlox.wasm the page is given.
const running = page => page.evaluate(async () => {
  const m = await WebAssembly.compile(await (await fetch('zemlox.wasm')).arrayBuffer());
  return window.ZEMLOX_BUILD + new TextDecoder().decode(WebAssembly.Module.customSections(m, 'zemlox-build')[0]);
});
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
    z.check(!errors.length || options.unknown, `the console says: ${errors.join(' | ')}`);
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
  const wasm = B.file('zemlox.wasm');
  for (const f of ['sw.js', 'index.html', 'zemlox.js']) fs.writeFileSync(path.join(dir, f), B.file(f));
  for (const [bytes, why] of [[A.file('zemlox.wasm'), /zemlox\.wasm の中身/], [wasm.subarray(0, wasm.length >> 1), /zemlox\.wasm の中身/],
                              [wasm, /zemlox\.wasm を取得できません/]]) {
    fs.writeFileSync(path.join(dir, 'zemlox.wasm'), bytes);
    if (bytes === wasm) stall.push('zemlox.wasm'); // the copy done, the server still sending half the file it cut
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

const noOffline = (browser, expected, options, how) => visit(browser, served(), options, async page => {
  const text = await note(page);
  z.check(text === expected, `the note says ${text}`);
  console.log(`  ${text}`);
}, how);

const only = process.argv[2];
if (!only || only === 'chromium') {
  // school.test: a school's host over plain http.
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                                          args: ['--no-sandbox', '--host-resolver-rules=MAP school.test 127.0.0.1']});
  try {
    await update(browser, 'Chromium');
    await halfCopied(browser);
    await noOffline(browser, 'オフラインでは使えません。manifest.webmanifest をサーバーから取得できませんでした（HTTP 404）。',
                    {unknown: ['.webmanifest']});
    await noOffline(browser, 'オフラインでは使えません。このブラウザーの保存領域が足りません。', {}, {quota: 300 * 1024});
    await noOffline(browser, 'http で開いているため、オフラインでの利用とアプリとしてのインストールはできません（https が必要です）。',
                    {}, {host: 'school.test'});
    console.log('update in Chromium: ok');
  } catch (e) {
    console.error(`update in Chromium: FAILED: ${e.stack || e}`);
    process.exitCode = 1;
  }
  await browser.close();
}
if (!only || only === 'firefox') {
  const browser = await launchFirefox();
  await update(browser, 'Firefox').then(() => halfCopied(browser)).then(() => console.log('update in Firefox: ok'),
                                        e => { console.error(`update in Firefox: FAILED: ${e.stack || e}`); process.exitCode = 1; });
  await browser.close();
}
fs.rmSync(tmp, {recursive: true, force: true});
