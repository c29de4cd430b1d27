// The browser edition in Firefox ESR and in WebKit, served over http (the
// Chromium tests beside this one cover Chromium): every window opens,
// animates and closes; the observation window worked by the mouse, station A
// carried away and back and a run to its end; 「　震源」 stands on one line
// in this engine's glyphs, as its ink shows; 印刷 prints: in Firefox for
// real, to a PDF whose texts stand where the report puts them, after which
// the page takes input again; in WebKit the dialog opens once on the print
// view, whose texts stand where the report puts them; the page is exactly as
// large as the window; with the service worker installed the program starts
// again with the server gone; and no console error. One page load per engine
// for all of it but the offline start. WebKit needs an X display.
// Run: node tests/web/engines.test.mjs [firefox|webkit]
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as z from './lib.mjs';
import {firefox, webkit} from './engines.mjs';

const expected = fs.readFileSync(new URL('../e2e/report_positions.txt', import.meta.url), 'utf8').trim().split('\n')
  .map(l => l.split(' ')).map(([t, x, y]) => ({t, x: +x, y: +y}));
const lessons = [['kiroku', '地震計の記録'], ['pwave', '縦波(Ｐ波)のシミュレーション '], ['swave', '横波(Ｓ波)のシミュレーション '],
  ['wave', '縦波（Ｐ波）・横波(Ｓ波)の比較'], ['wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較']];
const plan = [120, 1080];
const shots = process.env.ZEMLOX_SHOTS;

async function until(eng, fn, arg, what, timeout = 15000) {
  const end = Date.now() + timeout;
  for (;;) {
    const v = await eng.eval(fn, arg);
    if (v) return v;
    if (Date.now() > end) throw new Error(`${eng.name}: timed out waiting for ${what}`);
    await z.sleep(50);
  }
}

const windowOf = (eng, caption) => until(eng, c => {
  const w = [...document.querySelectorAll('.zx-window')]
    .find(e => e.getAttribute('aria-label') === c && e.style.display !== 'none');
  if (!w) return null;
  const r = w.querySelector('.zx-client').getBoundingClientRect();
  return {x: r.left, y: r.top, w: r.width, h: r.height, zoom: +w.dataset.zoom};
}, caption, `the window ${caption}`);

const windowGone = (eng, caption) => until(eng, c => ![...document.querySelectorAll('.zx-window')]
  .some(e => e.getAttribute('aria-label') === c && e.style.display !== 'none'), caption, `${caption} to close`);

const frames = eng => eng.eval(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(true)))));

// A checksum of every shown canvas: what the window draws at this moment.
const drawn = eng => eng.eval(() => {
  let h = 0;
  for (const c of document.querySelectorAll('canvas.zx-canvas')) {
    if (!c.offsetParent || !c.width || !c.height) continue;
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    for (let i = 0; i < d.length; i += 4) h = (h * 31 + d[i] + 7 * d[i + 1] + 13 * d[i + 2]) | 0;
  }
  return h;
});

// How many device pixel rows of a rectangle in twips of the window hold the
// dark red (0xC0, 0, 0) of 「　震源」.
function redInkRows(img, win, [x, y, w, h]) {
  const a = z.at(win, x, y), b = z.at(win, x + w, y + h);
  const [x0, y0, x1, y1] = [a.x, a.y, b.x, b.y].map(v => Math.round(v * img.dpr));
  let top = Infinity, bottom = -Infinity;
  for (let yy = y0; yy < y1; ++yy)
    for (let xx = x0; xx < x1; ++xx) {
      const i = (yy * img.width + xx) * 4;
      if (img.data[i] >= 150 && img.data[i] <= 210 && img.data[i + 1] < 60 && img.data[i + 2] < 60)
        top = Math.min(top, yy), bottom = Math.max(bottom, yy);
    }
  return bottom >= top ? bottom - top + 1 : 0;
}

// Pixels of the rings' colours (P magenta, S blue) in the plan and section views.
function ringPixels(img, win) {
  return [[120, 1080, 6135, 3615], [120, 4680, 6135, 1815]].map(([x, y, w, h]) => {
    const a = z.at(win, x, y), b = z.at(win, x + w, y + h);
    const [x0, y0, x1, y1] = [a.x, a.y, b.x, b.y].map(v => Math.round(v * img.dpr));
    let p = 0, s = 0;
    for (let yy = y0; yy < y1; ++yy)
      for (let xx = x0; xx < x1; ++xx) {
        const i = (yy * img.width + xx) * 4, [r, g, bl] = img.data.subarray(i, i + 3);
        if (r === 255 && g === 0 && bl === 255) ++p;
        else if (r === 0 && g === 0 && bl === 255) ++s;
      }
    return [p, s];
  });
}

const click = (eng, win, x, y) => { const p = z.at(win, x, y); return eng.click(p.x, p.y); };
const shot = async eng => z.pixels(await eng.screenshot(), await eng.eval(() => devicePixelRatio));

async function scenario(eng, url, tag) {
  await eng.goto(url);
  let menu = await windowOf(eng, 'Zemlox');
  await frames(eng);
  const size = await eng.eval(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight,
                                     innerWidth, innerHeight]);
  z.check(size[0] === size[2] && size[1] === size[3], `${eng.name}: the page is ${size[0]} x ${size[1]} in a ${size[2]} x ${size[3]} window`);
  if (shots) fs.writeFileSync(`${shots}/${tag}-menu.png`, await eng.screenshot());

  for (const [button, caption] of lessons) {
    await click(eng, menu, ...z.menuButtons[button]);
    const win = await windowOf(eng, caption);
    await frames(eng);
    // Drawn differently within a second, looked at every 100 ms.
    const before = await drawn(eng);
    let moved = false;
    for (let i = 0; i < 10 && !moved; ++i) {
      await z.sleep(100);
      moved = await drawn(eng) !== before;
    }
    const state = await eng.eval(() => document.visibilityState);
    z.check(moved, `${eng.name}: ${caption} does not animate (page ${state})`);
    await click(eng, win, ...z.closeButton);
    await windowGone(eng, caption);
  }

  // The observation window by the mouse: station A carried, a run, 印刷.
  await click(eng, menu, ...z.menuButtons.kansoku);
  const win = await windowOf(eng, '地震計の記録');
  await frames(eng);
  // Two lines of 「　震源」 would stand taller than one line of 8.25 pt text.
  const shown = await shot(eng);
  const tall = redInkRows(shown, win, [120, 4680, 6135, 1815]), line = 11 * 1.25 * win.zoom * shown.dpr;
  z.check(tall > 0 && tall <= line, `${eng.name}: 「　震源」 stands ${tall} px tall at ${win.zoom}, one line ${line}`);
  console.log(`  ${eng.name}: 「　震源」 ${tall} px tall at ${win.zoom}`);
  await click(eng, win, plan[0] + 1020 + 300, plan[1] + 2950 + 120);
  await frames(eng);
  const to = z.at(win, plan[0] + 1500, plan[1] + 3300);
  await eng.move(to.x, to.y);
  await frames(eng);
  await eng.click(to.x, to.y);
  await frames(eng);
  let img = await shot(eng);
  // The marker's corner 50 twips up and left of the pointer, to the pixel the pointer was rounded to.
  const dropped = img.at(win, plan[0] + 1500 + 17, plan[1] + 3300 + 17);
  z.check(dropped === 'c0c0ff', `${eng.name}: station A was not carried and put down (${dropped})`);
  z.check(img.at(win, plan[0] + 1110, plan[1] + 3027) === 'ffffc0', `${eng.name}: station A's old place is not bare`);
  // And back, for the report to stand as the design has it.
  await click(eng, win, plan[0] + 1500 - 50 + 300, plan[1] + 3300 - 50 + 120);
  await frames(eng);
  const back = z.at(win, plan[0] + 1070, plan[1] + 3000);
  await eng.move(back.x, back.y);
  await frames(eng);
  await eng.click(back.x, back.y);
  await frames(eng);
  const ringsBefore = JSON.stringify(ringPixels(await shot(eng), win));
  await click(eng, win, 3000 + 487, 6600 + 187);
  await until(eng, () => [...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none'), null, '印刷 after the run', 40000);
  await frames(eng);
  const ringsAfter = JSON.stringify(ringPixels(await shot(eng), win));
  console.log(`  ${eng.name}: ring-coloured pixels (P, S; plan, section) ${ringsAfter} after the run, ${ringsBefore} before`);
  z.check(ringsAfter === ringsBefore, `${eng.name}: rings left after the run`);
  if (shots) fs.writeFileSync(`${shots}/${tag}-kansoku-run.png`, await eng.screenshot());
  let texts, where;
  if (eng.pdf) {
    // A real print: the dialog-less print to a PDF, read back with pdftotext.
    await click(eng, win, 4080 + 487, 7080 + 187);
    const end = Date.now() + 20000;
    let size = -1;
    while (!(fs.existsSync(eng.pdf) && fs.statSync(eng.pdf).size === size && size > 0)) {
      if (Date.now() > end) throw new Error(`${eng.name}: no PDF printed`);
      size = fs.existsSync(eng.pdf) ? fs.statSync(eng.pdf).size : -1;
      await z.sleep(300);
    }
    const info = execFileSync('pdfinfo', [eng.pdf]).toString();
    z.check(/Pages:\s+1\n/.test(info) && /Page size:\s+59\d(\.\d+)? x 84\d(\.\d+)? pts/.test(info), `${eng.name}: not one A4 page: ${info}`);
    const html = execFileSync('pdftotext', ['-bbox', eng.pdf, '-']).toString();
    texts = [...html.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<\/word>/g)]
      .map(m => ({x: +m[1], y: +m[2], t: m[3]}));
    where = 'printed page';
  } else {
    // No print dialog to answer under automation: count its openings instead.
    await eng.eval(() => { window.print = () => { window.printDialogs = (window.printDialogs || 0) + 1; }; });
    await click(eng, win, 4080 + 487, 7080 + 187);
    await until(eng, () => window.printDialogs === 1, null, 'the print dialog');
    texts = await eng.eval(() => [...document.querySelectorAll('#print text')].map(t => {
      // Laid out as printed: the view shown for a moment, as the print media does.
      const view = document.getElementById('print');
      view.style.display = 'block';
      const b = t.getBBox();
      view.style.display = '';
      return {t: t.textContent.trim(), x: +t.getAttribute('x'), y: b.y};
    }));
    where = 'print view';
  }
  const zemlox = texts.find(t => t.t === 'Zemlox');
  z.check(zemlox, `${eng.name}: no Zemlox on the ${where}`);
  let worst = 0;
  for (const e of expected) {
    const best = Math.min(...texts.filter(t => t.t === e.t).map(t =>
      Math.max(Math.abs(t.x - zemlox.x - (e.x - 10)), Math.abs(t.y - zemlox.y - (e.y - 29)))));
    z.check(best <= 1.5, `${eng.name}: ${e.t} is ${best} pt off on the ${where} (or missing)`);
    worst = Math.max(worst, best);
  }
  console.log(`  ${eng.name}: ${expected.length} texts on the ${where}, largest deviation ${worst.toFixed(3)} pt`);
  // The page takes input again after printing: 閉じる closes the window.
  await click(eng, win, 5160 + 487, 7080 + 187);
  await windowGone(eng, '地震計の記録');
  const problems = await eng.problems();
  z.check(problems.length === 0, `${eng.name}: console errors: ${problems}`);
}

async function offline(eng, server) {
  if (!(await eng.eval(() => 'serviceWorker' in navigator && window.isSecureContext))) {
    console.log(`  ${eng.name}: no service workers here; the offline start is not tried`);
    return false;
  }
  await until(eng, () => navigator.serviceWorker.ready.then(() => true), null, 'the service worker');
  await eng.goto(server.url);
  await until(eng, () => navigator.serviceWorker.controller !== null, null, 'the service worker to take the page');
  // Left while it still loads the menu picture, the page's request is cut off
  // inside the worker, which Firefox reports as a console error.
  await until(eng, () => performance.getEntriesByType('resource')
    .some(e => e.name.split('?')[0].endsWith('/assets/menu.png') && e.responseEnd > 0), null, 'the menu picture');
  server.close();
  await eng.goto(server.url);
  const menu = await windowOf(eng, 'Zemlox');
  await click(eng, menu, ...z.menuButtons.pwave);
  await windowOf(eng, '縦波(Ｐ波)のシミュレーション ');
  const problems = await eng.problems();
  // What the service worker's cache held, for a failure to be read by.
  const held = problems.length === 0 ? '' : await eng.eval(async () => {
    const out = [];
    for (const k of await caches.keys()) out.push(`${k}: ${(await (await caches.open(k)).keys()).map(r => r.url.replace(location.origin, '')).join(' ')}`);
    return `${navigator.serviceWorker.controller ? 'controlled' : 'not controlled'}; caches ${out.join('; ') || 'none'}`;
  }).catch(e => `caches unreadable: ${e}`);
  z.check(problems.length === 0, `${eng.name}: console errors offline: ${problems} (${held})`);
  return true;
}

const only = process.argv[2];
let failed = 0;
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-engines-'));
// One engine's whole run in a fresh browser and profile, true when it passed.
async function attempt(tag, start) {
  const server = await z.serve();
  let eng = null;
  try {
    eng = await start();
    await scenario(eng, server.url, tag);
    const off = await offline(eng, server);
    console.log(`engines: ${eng.name}: ok${off ? ' (offline start too)' : ''}`);
    return true;
  } catch (e) {
    console.error(`engines: ${tag}: FAILED: ${e.name}: ${e.message} ${e.remoteStacktrace || ''}\n${e.stack || e}`);
    return false;
  } finally {
    server.close();
    if (eng) await eng.close();
  }
}

for (const [tag, start] of [['firefox', () => firefox({pdf: path.join(dir, 'report.pdf')})], ['webkit', webkit]]) {
  if (only && only !== tag) continue;
  if (!(await attempt(tag, start))) failed++;
}
fs.rmSync(dir, {recursive: true, force: true});
if (failed) process.exitCode = 1;
