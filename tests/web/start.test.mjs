// The page's start on servers as schools run them (school_server.mjs): the
// menu despite a .wasm of the wrong type or none (IIS's 404), a cut zemlox.wasm
// or fonts that never come; the Japanese message, naming file and status, for
// missing, cut, damaged and mixed program files, an exception at start and no
// WebAssembly; the loading state, not in print; the menu picture's pixels,
// in the menu's first frame.
// Firefox and WebKit for the paths their engines could take otherwise.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import * as z from './lib.mjs';
import {serve} from './school_server.mjs';
import {launchFirefox, webkit} from './engines.mjs';

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-start-'));
const build = fs.readFileSync(path.join(z.site, 'zemlox.js'), 'utf8').match(/^var ZEMLOX_BUILD = '(.*)';/)[1];
const cut = name => {
  const bytes = fs.readFileSync(path.join(z.site, name)), file = path.join(tmp, 'cut-' + name);
  // About half, just after an opening parenthesis: a script cut anywhere
  // else may by chance still parse ("var runDepen").
  const half = name.endsWith('.js') ? bytes.lastIndexOf('(', bytes.length >> 1) + 1 : bytes.length >> 1;
  fs.writeFileSync(file, bytes.subarray(0, half));
  return file;
};
// zemlox.wasm whole, its build's id last as ever, with bytes in its middle
// overwritten. Found while it arrives, it sends the page to zemlox-file.js;
// found once its script runs, the page says the file is broken.
const damaged = (() => {
  const bytes = Buffer.from(fs.readFileSync(path.join(z.site, 'zemlox.wasm'))), file = path.join(tmp, 'damaged.wasm');
  bytes.fill(0xff, bytes.length >> 1, (bytes.length >> 1) + 64);
  fs.writeFileSync(file, bytes);
  return file;
})();
// The program of another build: the same files stamped with another id.
const other = path.join(tmp, 'other');
fs.mkdirSync(other);
for (const f of ['zemlox.js', 'zemlox.wasm', 'zemlox-file.js']) fs.copyFileSync(path.join(z.site, f), path.join(other, f));
execFileSync('python3', [new URL('../../scripts/stamp-build.py', import.meta.url).pathname, other, '--id', 'other-build']);

// A file the server answers in place of a program file, the same in its
// gzipped form beside it, which the page asks for first.
const packed = files => {
  for (const [name, file] of Object.entries(files))
    if (/^zemlox\.(js|wasm)$/.test(name)) fs.writeFileSync(files[`${name}.gz`] = `${file}.gz`, zlib.gzipSync(fs.readFileSync(file)));
  return {files};
};
const menu = `menu build ${build}`;
const cases = [  // name, faults of the server, what the page shows; Firefox and WebKit take those with .wasm or cut
  ['.wasm sent as octet-stream', {types: {'.wasm': 'application/octet-stream'}, unknown: ['.gz']}, menu],
  ['.wasm unknown to the server', {unknown: ['.wasm', '.gz']}, menu],
  ['zemlox.wasm cut', packed({'zemlox.wasm': cut('zemlox.wasm')}), menu],
  ['zemlox.wasm.gz cut', {files: {'zemlox.wasm.gz': cut('zemlox.wasm.gz')}}, menu],
  ['both forms of the program cut', packed({'zemlox.wasm': cut('zemlox.wasm'), 'zemlox-file.js': cut('zemlox-file.js')}),
   /zemlox\.wasm が壊れているか.*\s*zemlox-file\.js が壊れているか/],
  ['zemlox.wasm damaged inside', packed({'zemlox.wasm': damaged}), menu],
  ['zemlox.js cut', packed({'zemlox.js': cut('zemlox.js')}), /zemlox\.js が壊れているか、途中までしかコピーされていません（.*SyntaxError/],
  ['fonts never arrive', {stall: ['fonts/zemlox-pgothic-menu.woff2', 'fonts/zemlox-pgothic.woff2', 'fonts/zemlox-gothic.woff2']}, menu],
  ['zemlox.js missing', {missing: ['zemlox.js', 'zemlox.js.gz']}, /zemlox\.js を読み込めませんでした（サーバーの応答：HTTP 404）/],
  ['no .wasm and no zemlox-file.js', {unknown: ['.wasm', '.gz'], missing: ['zemlox-file.js']},
   /zemlox\.wasm を読み込めませんでした（サーバーの応答：HTTP 404）。\s*zemlox-file\.js を読み込めませんでした（サーバーの応答：HTTP 404）/],
  ['zemlox.js of another build', packed({'zemlox.js': path.join(other, 'zemlox.js')}),
   new RegExp(`別々の版のものです（zemlox\\.js other-build、zemlox\\.wasm ${build}）`)],
];

// What the page shows once it has settled: the menu, or the start's message.
const outcome = () => {
  const s = document.getElementById('status');
  if (s.classList.contains('failed')) return 'message: ' + s.innerText;
  const menu = [...document.querySelectorAll('.zx-window')]
    .some(w => w.getAttribute('aria-label') === 'Zemlox' && w.style.display !== 'none');
  return menu ? `menu${s.hidden ? '' : ' under the loading state'} build ${document.documentElement.dataset.build}` : null;
};

// Serves the site with `faults` to an engine's page ({goto, eval}) and checks what it shows.
async function expectIn(page, name, faults, expect) {
  const server = await serve(z.site, faults);
  try {
    await page.goto(server.url);
    // A page that starts afresh (a program found broken too late) has no
    // document for a moment: nothing to see yet, unless that lasts.
    let lastError = '';
    const look = () => page.eval(outcome).catch(e => { lastError = `\n  last error ${e}`; return null; });
    let got = null;
    for (let i = 0; i < 400 && !got; ++i) got = await look() || await z.sleep(50);
    const ok = typeof expect === 'string' ? got === expect : expect.test(got || '');
    z.check(ok, `${name}: the page shows ${got}\n  expected ${expect}\n  server log ${server.log.join(' ')}${got ? '' : lastError}`);
    return server;
  } finally {
    await server.close();
  }
}
const puppeteerPage = async browser => {
  const page = await browser.newPage();
  // Fonts that never come hold back the load event, never the page's start.
  const goto = page.goto.bind(page);
  return Object.assign(page, {eval: fn => page.evaluate(fn), goto: url => goto(url, {waitUntil: 'domcontentloaded'})});
};
const anEngine = (page, only) => async ([name, faults, expect]) => {
  if (only && !/\.wasm|cut/.test(name)) return;
  const {log} = await expectIn(page, `${only || 'Chromium'}: ${name}`, faults, expect);
  // A .wasm of the wrong type is compiled from its bytes, with no detour.
  z.check(!name.includes('octet-stream') || !log.includes('zemlox-file.js'), `${name}: zemlox-file.js fetched`);
};

async function chromium(browser) {
  const page = await puppeteerPage(browser);
  for (const c of cases.slice(0, -1)) await anEngine(page)(c);
  // The service worker may be fetching the same files meanwhile; its own
  // check refuses them, and they are not the page's.
  const {pageLog: log} = await expectIn(page, ...cases.at(-1));
  const asked = f => log.filter(p => p === f).length;
  z.check(asked('zemlox.js.gz') === 2 && asked('zemlox.wasm.gz') === 2, `mixed builds: each not asked afresh once: ${log.join(' ')}`);

  // The menu's first frame has its picture: the start waits for it as for
  // the font, and the windows are not painted whole again once it is in.
  const first = await puppeteerPage(browser);
  await first.evaluateOnNewDocument(() => {
    const mark = performance.mark.bind(performance);
    performance.mark = (name, ...rest) => {
      if (name === 'zemlox-started') {
        const c = document.querySelector('.zx-picture canvas'), d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        window.zxPictureAtStart = d.some((v, i) => i % 4 === 0 && v === 0xfb && d[i + 1] === 0xfb && d[i + 2] === 0xc4);
        const all = Module._zx_repaint_all;
        window.zxRepaintsAfterStart = 0;
        Module._zx_repaint_all = () => { ++window.zxRepaintsAfterStart; all(); };
      }
      return mark(name, ...rest);
    };
  });
  await expectIn(first, 'Chromium: the menu picture at the start', {}, menu);
  await z.sleep(500);
  const seen = await first.evaluate(() => [window.zxPictureAtStart, window.zxRepaintsAfterStart].join());
  z.check(seen === 'true,0', `the menu picture: in the first frame, repaints after: ${seen}`);

  // An exception while the program starts: a browser that gives no canvas.
  const broken = await puppeteerPage(browser);
  await broken.evaluateOnNewDocument(() => {
    HTMLCanvasElement.prototype.getContext = () => { throw new Error('canvas blocked'); };
  });
  await expectIn(broken, 'exception at start', {}, /起動の途中でエラーが起きました（.*canvas blocked）/);

  // The loading state while the program is on its way, its bar at the share
  // of the program's bytes in (zemlox.js whole, what half of zemlox.wasm.gz
  // unpacks to); none in print.
  const server = await serve(z.site, {halfway: ['zemlox.wasm.gz']});
  try {
    await page.bringToFront();  // the bar moves with the page's frames, which a tab behind others has none of
    await page.goto(server.url);
    const size = f => fs.statSync(path.join(z.site, f)).size;
    const gz = fs.readFileSync(path.join(z.site, 'zemlox.wasm.gz'));
    const half = zlib.gunzipSync(gz.subarray(0, gz.length >> 1), {finishFlush: zlib.constants.Z_SYNC_FLUSH}).length;
    const share = (size('zemlox.js') + half) / (size('zemlox.js') + size('zemlox.wasm'));
    const bar = () => document.getElementById('status-bar').value;
    const there = await page.waitForFunction(w => Math.abs(document.getElementById('status-bar').value - w) < 0.005, {timeout: 5000}, share)
      .then(() => true, () => false);
    z.check(there, `loading bar at ${await page.evaluate(bar)}, not ${share.toFixed(3)}`);
    const shown = () => page.evaluate(() => (s => getComputedStyle(s).display !== 'none' && s.innerText.trim())(document.getElementById('status')));
    const [loading, printed] = [await shown(), await page.emulateMediaType('print').then(shown)];
    z.check(loading === '読み込み中…' && printed === false, `loading state: ${loading}, in print ${printed}`);
  } finally {
    await server.close();
  }

  // The menu picture: the bitmap's pixels, as a PNG.
  const bmp = fs.readFileSync(new URL('../../assets/menu.bmp', import.meta.url));
  const png = z.decodePng(fs.readFileSync(path.join(z.site, 'assets/menu.png')));
  const w = bmp.readInt32LE(18), h = bmp.readInt32LE(22), stride = (w * 3 + 3) & ~3, at = bmp.readUInt32LE(10);
  const bad = png.width !== w || png.height !== h || [...Array(w * h).keys()].some(k => {
    const b = at + (h - 1 - Math.floor(k / w)) * stride + (k % w) * 3;
    return png.data[4 * k] !== bmp[b + 2] || png.data[4 * k + 1] !== bmp[b + 1] || png.data[4 * k + 2] !== bmp[b];
  });
  z.check(!bad, 'the menu picture differs from assets/menu.bmp');
}

const noWasm = /WebAssembly が使えないため.*WebAssembly is not defined/;
const inBrowser = async (launching, body) => {
  const browser = await launching;
  try {
    await body(await puppeteerPage(browser));
  } finally {
    await browser.close();
  }
};
const engines = {
  chromium: async browser => {
    await chromium(browser);
    await inBrowser(z.launch(['--js-flags=--jitless']), p => expectIn(p, 'Chromium --jitless', {}, noWasm));
  },
  firefox: async () => {
    await inBrowser(launchFirefox(), async p => { for (const c of cases) await anEngine(p, 'Firefox')(c); });
    await inBrowser(launchFirefox({'javascript.options.wasm': false}), p => expectIn(p, 'Firefox without wasm', {}, noWasm));
  },
  webkit: async () => {
    const eng = await webkit();
    try {
      for (const c of cases) await anEngine(eng, 'WebKit')(c);
    } finally {
      await eng.close();
    }
  },
};
await z.run('start', async browser => {
  for (const [name, run] of Object.entries(engines)) if (!process.argv[2] || process.argv[2] === name) await run(browser);
});
fs.rmSync(tmp, {recursive: true, force: true});
