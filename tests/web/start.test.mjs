// The page's start on servers as schools run them (school_server.mjs): a
// .wasm with the wrong type or none (IIS's 404) still starts the menu, and so
// do a cut zemlox.wasm and fonts that never come; missing, cut and mixed
// program files, an exception at start and a browser without WebAssembly
// each get the Japanese message naming the file and status; the loading
// state stands while the program is on its way and is gone under the menu
// and in print; the menu picture is the bitmap's pixels. Chromium for all,
// Firefox and WebKit where their engines differ (the type check, the
// program inside a script, WebAssembly switched off). WebKit needs an X display.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as z from './lib.mjs';
import {serve} from './school_server.mjs';
import {firefox, launchFirefox, webkit} from './engines.mjs';

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-start-'));
const build = fs.readFileSync(path.join(z.site, 'zemlox.js'), 'utf8').match(/^var ZEMLOX_BUILD = '(.*)';/)[1];
const cut = name => {
  const bytes = fs.readFileSync(path.join(z.site, name)), file = path.join(tmp, 'cut-' + name);
  fs.writeFileSync(file, bytes.subarray(0, bytes.length >> 1));
  return file;
};
// The program of another build: the same files stamped with another id.
const other = path.join(tmp, 'other');
fs.mkdirSync(other);
for (const f of ['zemlox.js', 'zemlox.wasm', 'zemlox-file.js']) fs.copyFileSync(path.join(z.site, f), path.join(other, f));
execFileSync('python3', [new URL('../../scripts/stamp-build.py', import.meta.url).pathname, other, '--id', 'other-build']);

// What the page shows once it has settled: the menu, or the start's message.
const outcome = () => {
  const s = document.getElementById('status');
  if (s.classList.contains('failed')) return 'message: ' + s.innerText;
  const menu = [...document.querySelectorAll('.zx-window')]
    .some(w => w.getAttribute('aria-label') === 'Zemlox' && w.style.display !== 'none');
  return menu ? `menu${s.hidden ? '' : ' under the loading state'} build ${document.documentElement.dataset.build}` : null;
};
const menu = `menu build ${build}`;
const fontsStalled = ['fonts/zemlox-pgothic.woff2', 'fonts/zemlox-gothic.woff2'];

const cases = [
  ['.wasm sent as octet-stream', {types: {'.wasm': 'application/octet-stream'}}, menu],
  ['.wasm unknown to the server', {unknown: ['.wasm']}, menu],
  ['zemlox.wasm cut', {files: {'zemlox.wasm': cut('zemlox.wasm')}}, menu],
  ['fonts never arrive', {stall: fontsStalled}, menu],
  ['zemlox.js missing', {missing: ['zemlox.js']}, /zemlox\.js を読み込めませんでした（サーバーの応答：HTTP 404）/],
  ['zemlox.js cut', {files: {'zemlox.js': cut('zemlox.js')}}, /zemlox\.js が壊れているか、途中までしかコピーされていません（.*SyntaxError/],
  ['no .wasm and no zemlox-file.js', {unknown: ['.wasm'], missing: ['zemlox-file.js']},
   /zemlox\.wasm を読み込めませんでした（サーバーの応答：HTTP 404）。\s*zemlox-file\.js を読み込めませんでした（サーバーの応答：HTTP 404）/],
  ['both forms of the program cut', {files: {'zemlox.wasm': cut('zemlox.wasm'), 'zemlox-file.js': cut('zemlox-file.js')}},
   /zemlox\.wasm が壊れているか.*\s*zemlox-file\.js が壊れているか/],
  ['zemlox.js of another build', {files: {'zemlox.js': path.join(other, 'zemlox.js')}},
   new RegExp(`別々の版のものです（zemlox\\.js other-build、zemlox\\.wasm ${build}）`)],
];

async function settle(open, server, name, expect) {
  const got = await open(server.url);
  const ok = typeof expect === 'string' ? got === expect : expect.test(got || '');
  z.check(ok, `${name}: the page shows ${got}\n  expected ${expect}\n  server log ${server.log.join(' ')}`);
  return got;
}

async function chromium(browser) {
  const page = await browser.newPage();
  const open = async url => {
    await page.goto(url);
    return (await page.waitForFunction(outcome, {timeout: 20000})).jsonValue();
  };
  for (const [name, options, expect] of cases) {
    const server = await serve(z.site, options);
    try {
      await settle(open, server, name, expect);
      if (name.includes('another build')) {
        const asked = f => server.log.filter(p => p === f).length;
        z.check(asked('zemlox.js') === 2 && asked('zemlox.wasm') === 2, `mixed builds: asked ${server.log.join(' ')}`);
      }
    } finally {
      await server.close();
    }
  }

  // An exception while the program starts: a browser that gives no canvas.
  let server = await serve(z.site);
  const broken = await browser.newPage();
  await broken.evaluateOnNewDocument(() => {
    HTMLCanvasElement.prototype.getContext = () => { throw new Error('canvas blocked'); };
  });
  await broken.goto(server.url);
  const got = await (await broken.waitForFunction(outcome, {timeout: 20000})).jsonValue();
  z.check(/起動の途中でエラーが起きました（.*canvas blocked）/.test(got), `exception at start: ${got}`);
  await server.close();

  // The loading state while the program is on its way; none in print.
  server = await serve(z.site, {stall: ['zemlox.wasm']});
  await page.goto(server.url, {waitUntil: 'domcontentloaded'});
  const loading = await page.evaluate(() => getComputedStyle(document.getElementById('status')).display !== 'none' &&
                                            document.getElementById('status').innerText.trim());
  await page.emulateMediaType('print');
  const printed = await page.evaluate(() => getComputedStyle(document.getElementById('status')).display);
  z.check(loading === '読み込み中…' && printed === 'none', `loading state: ${loading}, in print ${printed}`);
  await server.close();

  // The menu picture: the bitmap's pixels, as a PNG.
  const bmp = fs.readFileSync(new URL('../../assets/menu.bmp', import.meta.url));
  const png = z.decodePng(fs.readFileSync(path.join(z.site, 'assets/menu.png')));
  const w = bmp.readInt32LE(18), h = bmp.readInt32LE(22), stride = (w * 3 + 3) & ~3;
  let same = png.width === w && png.height === h;
  for (let y = 0; y < h && same; ++y)
    for (let x = 0; x < w && same; ++x) {
      const b = bmp.readUInt32LE(10) + (h - 1 - y) * stride + x * 3, p = (y * w + x) * 4;
      same = png.data[p] === bmp[b + 2] && png.data[p + 1] === bmp[b + 1] && png.data[p + 2] === bmp[b];
    }
  z.check(same, 'the menu picture differs from assets/menu.bmp');
}

// A browser that cannot run WebAssembly at all.
async function noWebAssembly(launch) {
  const server = await serve(z.site);
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await settle(async url => {
      await page.goto(url);
      return (await page.waitForFunction(outcome, {timeout: 20000})).jsonValue();
    }, server, 'no WebAssembly', /WebAssembly が使えないため.*WebAssembly is not defined/);
  } finally {
    await browser.close();
    await server.close();
  }
}

// Firefox and WebKit: the cases whose path through the page an engine could
// take otherwise.
async function otherEngine(make) {
  const eng = await make();
  try {
    const open = async url => {
      await eng.goto(url);
      for (let i = 0; i < 400; ++i) {
        const got = await eng.eval(outcome);
        if (got) return got;
        await z.sleep(50);
      }
      return 'nothing after 20 s';
    };
    for (const [name, options, expect] of cases.filter(c => /\.wasm|cut/.test(c[0]))) {
      const server = await serve(z.site, options);
      try {
        await settle(open, server, `${eng.name}: ${name}`, expect);
      } finally {
        await server.close();
      }
    }
  } finally {
    await eng.close();
  }
}

const only = process.argv[2];
await z.run('start', async browser => {
  if (!only || only === 'chromium') {
    await chromium(browser);
    await noWebAssembly(() => z.launch(['--js-flags=--jitless']));
  }
  if (!only || only === 'firefox') {
    await otherEngine(firefox);
    await noWebAssembly(() => launchFirefox({'javascript.options.wasm': false}));
  }
  if (!only || only === 'webkit') await otherEngine(webkit);
});
fs.rmSync(tmp, {recursive: true, force: true});
