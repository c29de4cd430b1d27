// Shared helpers for the browser end-to-end tests: headless Chromium with the
// built site (over a local web server or from file://), windows found by
// caption, clicks and taps placed in twips of a window's client area, and
// pixels read off screenshots.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';
import {known as types} from './school_server.mjs';

export const site = path.resolve(process.env.ZEMLOX_SITE || new URL('../../build-web/site', import.meta.url).pathname);

// A static web server for the site on a free port of 127.0.0.1; `extra`
// maps further paths to files.
export async function serve(dir = site, extra = {}) {
  const server = http.createServer((req, res) => {
    let p = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    if (p.endsWith('/')) p += 'index.html';
    const file = extra[p] || path.join(dir, p);
    if ((!extra[p] && !file.startsWith(dir)) || !fs.existsSync(file)) { res.writeHead(404); res.end(); return; }
    res.writeHead(200, {'content-type': types[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(res);
  });
  await new Promise(r => server.listen(0, '127.0.0.1', r));
  return {url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close()};
}

export async function launch(extraArgs = []) {
  return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                           args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none', ...extraArgs]});
}

// A page with the program loaded at `url`; its console errors and uncaught
// exceptions are collected in page.problems.
export async function openProgram(browser, url, {width = 1280, height = 800, scale = 1} = {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', m => { if (m.type() === 'error') page.problems.push(m.text()); });
  page.on('pageerror', e => page.problems.push(String(e)));
  await page.setViewport({width, height, deviceScaleFactor: scale});
  await page.goto(url);
  await windowOf(page, 'Zemlox');
  await frames(page, 2);
  return page;
}

export const sleep = ms => new Promise(r => setTimeout(r, ms));

// Waits for `n` painted frames of the page.
export async function frames(page, n = 1) {
  await page.evaluate(k => new Promise(r => {
    const step = () => (k-- > 0 ? requestAnimationFrame(step) : r());
    step();
  }), n);
}

// The client area of the shown window with this caption, in CSS pixels,
// and its zoom (CSS pixels to one layout pixel); waits for it.
export async function windowOf(page, caption, timeout = 10000) {
  const handle = await page.waitForFunction(c => {
    const w = [...document.querySelectorAll('.zx-window')]
      .find(e => e.getAttribute('aria-label') === c && e.style.display !== 'none');
    if (!w) return null;
    const r = w.querySelector('.zx-client').getBoundingClientRect();
    return {x: r.left, y: r.top, w: r.width, h: r.height, zoom: +w.dataset.zoom};
  }, {timeout}, caption);
  return handle.jsonValue();
}

export async function windowGone(page, caption, timeout = 10000) {
  await page.waitForFunction(c => ![...document.querySelectorAll('.zx-window')]
    .some(e => e.getAttribute('aria-label') === c && e.style.display !== 'none'), {timeout}, caption);
}

// Page coordinates of (x, y) twips in a window's client area.
export function at(win, x, y) {
  return {x: win.x + x / 15 * win.zoom, y: win.y + y / 15 * win.zoom};
}

export async function click(page, win, x, y) {
  const p = at(win, x, y);
  await page.mouse.click(p.x, p.y);
}

export async function move(page, win, x, y) {
  const p = at(win, x, y);
  await page.mouse.move(p.x, p.y);
}

export async function tap(page, win, x, y) {
  const p = at(win, x, y);
  await page.touchscreen.tap(p.x, p.y);
}

// The menu's buttons lie in Frame1 at (3480, 120); each aims at a button's middle.
export const menuButtons = {
  kiroku: [3480 + 240 + 1147, 120 + 360 + 187], pwave: [3480 + 240 + 547, 120 + 960 + 187],
  swave: [3480 + 1440 + 547, 120 + 960 + 187], wave: [3480 + 240 + 1147, 120 + 1440 + 187],
  wave2: [3480 + 240 + 1147, 120 + 1920 + 187], kansoku: [3480 + 240 + 1147, 120 + 2520 + 187],
  end: [3480 + 240 + 1147, 120 + 3120 + 187],
};
// Every lesson's "閉じる" at (10320, 240), 975 x 375, but the observation window's.
export const closeButton = [10320 + 487, 240 + 187];

export async function openLesson(page, button, caption) {
  const menu = await windowOf(page, 'Zemlox');
  await click(page, menu, ...menuButtons[button]);
  const win = await windowOf(page, caption);
  await frames(page, 2);
  return win;
}

// A screenshot as pixels, with readers in CSS pixels and in twips of a window.
export async function shot(page, file) {
  const png = await page.screenshot({type: 'png', ...(file ? {path: file} : {})});
  return pixels(png, await page.evaluate(() => devicePixelRatio));
}

// A PNG of a page with `dpr` device pixels to a CSS pixel, with those readers.
export function pixels(png, dpr) {
  const img = decodePng(png);
  img.dpr = dpr;
  img.rgb = (x, y) => {
    const i = (Math.floor(y * dpr) * img.width + Math.floor(x * dpr)) * 4;
    return [img.data[i], img.data[i + 1], img.data[i + 2]];
  };
  img.hex = (x, y) => img.rgb(x, y).map(v => v.toString(16).padStart(2, '0')).join('');
  // The device pixel holding (x, y) twips of a window.
  img.at = (win, x, y) => { const p = at(win, x, y); return img.hex(p.x + 1e-6, p.y + 1e-6); };
  img.device = (x, y) => {
    const i = (y * img.width + x) * 4;
    return [img.data[i], img.data[i + 1], img.data[i + 2]].map(v => v.toString(16).padStart(2, '0')).join('');
  };
  return img;
}

// Non-interlaced 8-bit RGB or RGBA PNG, as the screenshots are.
export function decodePng(buf) {
  let pos = 8, width = 0, height = 0, channels = 4;
  const idat = [];
  while (pos < buf.length) {
    const len = buf.readUInt32BE(pos), type = buf.toString('ascii', pos + 4, pos + 8);
    const body = buf.subarray(pos + 8, pos + 8 + len);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = {2: 3, 6: 4}[body[9]];
      if (body[8] !== 8 || !channels || body[12] !== 0) throw new Error('unexpected PNG format');
    } else if (type === 'IDAT') idat.push(body);
    pos += 12 + len;
  }
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = width * channels, out = Buffer.alloc(width * height * 4);
  let prev = Buffer.alloc(stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? line[i - channels] : 0, b = prev[i], c = i >= channels ? prev[i - channels] : 0;
      let v = 0;
      if (filter === 1) v = a;
      else if (filter === 2) v = b;
      else if (filter === 3) v = (a + b) >> 1;
      else if (filter === 4) {
        const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
        v = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      line[i] = (line[i] + v) & 255;
    }
    for (let x = 0; x < width; ++x) {
      for (let k = 0; k < 3; ++k) out[(y * width + x) * 4 + k] = line[x * channels + k];
      out[(y * width + x) * 4 + 3] = channels === 4 ? line[x * channels + 3] : 255;
    }
    prev = line;
  }
  return {width, height, data: out};
}

// Runs named checks one after another, printing each; exits non-zero on the first failure.
export async function run(name, body) {
  const browser = await launch();
  try {
    await body(browser);
    console.log(`${name}: ok`);
  } catch (e) {
    console.error(`${name}: FAILED: ${e.stack || e}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
  }
}

export function check(cond, message) {
  if (!cond) throw new Error(message);
}
