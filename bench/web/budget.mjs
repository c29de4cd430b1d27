// The browser edition's budgets, each figure printed beside what it is
// compared with, measured on this machine (nothing is asserted): the site's
// size against 3 MB; navigation over http to the menu's first paint against
// an empty page with one canvas and one line in the bundled font, in
// Chromium, Firefox and WebKit, each in a fresh profile, the two pages
// alternating, with the steps of the start the page marks on the way; and
// per window in Chromium, a tick plus the repaint it causes against a bare
// page making the same canvas calls on canvases of the same sizes; the same
// with every canvas call a no-op, the program's own work; and how often a
// tick copies a drawing's pixels.
// The last line names every figure over its budget.
// Run after scripts/build-web.sh, on an X display for WebKit:
// xvfb-run -a node bench/web/budget.mjs [first-paint | ticks]. It serves the site
// with its own build of the program (bench_site.mjs) and an index.html that
// marks the first paint, the same in every engine; the site itself has neither.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {benchProgram} from './bench_site.mjs';
import {launchFirefox, webkit} from '../../tests/web/engines.mjs';
import * as z from '../../tests/web/lib.mjs';
import {zoom100} from '../../tests/web/zoom-keys.mjs';

const median = v => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
// The figures over their budgets, for the last line.
const over = [];
// A figure beside its floor; over budget when its ratio, as printed, is above `limit`.
function row(what, value, floor, unit, limit) {
  const ratio = (value / floor).toFixed(2);
  console.log(`${what.padEnd(44)} ${value.toFixed(3).padStart(9)} ${unit}   floor ${floor.toFixed(3).padStart(9)} ${unit}   ` +
              `ratio ${ratio} (budget ${limit.toFixed(1)})`);
  if (Number(ratio) > limit) over.push(`${what} ${ratio}× (budget ${limit.toFixed(1)}×)`);
}

function siteBytes(dir) {
  let n = 0;
  for (const e of fs.readdirSync(dir, {withFileTypes: true}))
    n += e.isDirectory() ? siteBytes(path.join(dir, e.name)) : fs.statSync(path.join(dir, e.name)).size;
  return n;
}

// The program's first paint, marked from outside the page: the first canvas
// call that puts ink down is followed by the mark, and the canvas calls are
// left as they were.
function markFirstPaint() {
  const proto = CanvasRenderingContext2D.prototype;
  const calls = ['fillRect', 'fill', 'fillText', 'drawImage', 'putImageData'];
  const original = calls.map(k => proto[k]);
  calls.forEach((k, i) => {
    proto[k] = function (...a) {
      calls.forEach((c, j) => { proto[c] = original[j]; });
      queueMicrotask(() => performance.mark('zemlox-first-paint'));
      return original[i].apply(this, a);
    };
  });
}

// The site's index.html with markFirstPaint run first thing, in a file of its own.
function markedIndex() {
  const html = fs.readFileSync(path.join(z.site, 'index.html'), 'utf8');
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-budget-')), 'index.html');
  fs.writeFileSync(file, html.replace('<head>', `<head>\n<script>(${markFirstPaint})();</script>`));
  return file;
}

// Once the named mark is there: the milliseconds from navigation to it,
// and to each step of the start the page marked on the way (the page's
// marks, and when its html had come and had been read).
const markTimes = m => {
  const e = performance.getEntriesByName(m)[0];
  if (!e) return null;
  const nav = performance.getEntriesByType('navigation')[0];
  const steps = nav ? {'html here': nav.responseEnd, 'html read': nav.domContentLoadedEventStart} : {};
  for (const s of performance.getEntriesByType('mark')) if (s.name.startsWith('zemlox-')) steps[s.name] = s.startTime;
  return {ms: e.startTime, steps};
};

// The same, in a fresh profile each time.
async function firstPaint(browser, url, mark) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width: 1280, height: 800});
  await page.goto(url);
  const t = await page.waitForFunction(markTimes, {}, mark);
  const times = await t.jsonValue();
  await context.close();
  return times;
}

// The same in WebKit, a new MiniBrowser each time.
async function firstPaintWebKit(url, mark) {
  const eng = await webkit();
  try {
    await eng.goto(url);
    for (let i = 0; i < 200; ++i) {
      const times = await eng.eval(markTimes, mark);
      if (times !== null) return times;
      await z.sleep(50);
    }
    throw new Error('WebKit: no first paint');
  } finally {
    await eng.close();
  }
}

async function firstPaints(server, label, measure) {
  const menu = [], floor = [];
  // Nine of each: with five, the floor page's median alone moved by half
  // from one run to the next.
  for (let i = 0; i < 9; ++i) {
    menu.push(await measure(server.url, 'zemlox-first-paint'));
    floor.push(await measure(server.url + 'floor.html', 'floor-first-paint'));
  }
  row(`${label} first paint`, median(menu.map(t => t.ms)), median(floor.map(t => t.ms)), 'ms', 1.5);
  // Each step's median, in the order they come.
  const names = [...new Set(menu.flatMap(t => Object.keys(t.steps)))];
  const steps = names.map(n => [n, median(menu.map(t => t.steps[n]).filter(v => v !== undefined))])
    .sort((a, b) => a[1] - b[1]);
  console.log(steps.map(([n, ms]) => `  ${n.padEnd(42)} ${ms.toFixed(1).padStart(9)} ms`).join('\n'));
}

// Program: a tick with its repaint, drawn through (as the browser does every
// frame). Floor: the same tick of a copy of the window with no host (the
// lesson's arithmetic, which any program of it does), then the canvas calls of
// the program's tick, made straight onto canvases of the same sizes in the same
// page, drawn through: as the desktop's frames_bench measures its floor.
// The two alternate tick by tick, so both meet the same load of the machine,
// each going first every other tick: whichever draws first in a tick pays
// more for the same calls. Before the timed ticks the browser draws a few
// frames: the recorded ticks, drawn with no frame between them, leave the
// program's canvases costlier to draw on than fresh ones until it has.
// With `stubbed`, every method and setter of the canvases' contexts does
// nothing while the ticks are timed: what is left is the program's own work
// against the floor's loop over the recorded calls.
// Also counted, in the recorded ticks: the copies of drawing layers' pixels
// (put onto a canvas, or drawn from a layer's canvas: a stamp's sprite is
// filled, never put on) and the most canvases one layer's pixels reached
// in a tick: 1 straight onto its area, 2 through a canvas of its own.
async function ticks(page, n, stubbed = false) {
  return page.evaluate(async (count, stubbed) => {
    const flush = canvases => canvases.forEach(c => c.getContext('2d').getImageData(0, 0, 1, 1));
    Module._zx_bench_set_off();
    // Every canvas call of a tick's replays, recorded by standing a proxy in
    // for each element's drawing context meanwhile.
    let frame = null;
    const records = ZX.el.filter(rec => rec && rec.ctx);
    const contexts = records.map(rec => rec.ctx);
    records.forEach(rec => {
      const ctx = rec.ctx;
      let calls = null;
      const log = (k, a) => {
        if (!calls) frame.push({canvas: rec.root, calls: (calls = [])});
        calls.push([k, a]);
      };
      rec.ctx = new Proxy(ctx, {
        get: (t, k) => (typeof t[k] !== 'function' ? t[k] : (...a) => { log(k, a); return t[k](...a); }),
        set: (t, k, v) => { log('=', [k, v]); t[k] = v; return true; },
      });
      rec.resetCalls = () => { calls = null; };
    });
    const recorded = [];
    for (let i = 0; i < count; ++i) {
      frame = [];
      records.forEach(rec => rec.resetCalls());
      Module._zx_bench_frames(1);
      recorded.push(frame);
    }
    records.forEach((rec, i) => { rec.ctx = contexts[i]; delete rec.resetCalls; });
    // A layer by the address of its pixels in the program's memory.
    const layerOf = new Map(ZX.el.filter(r => r && r.kind === 6 && r.pixels).map(r => [r.root, r.pixels.zxAt]));
    let copies = 0, reach = 0;
    for (const frame of recorded) {
      const reached = new Map();
      for (const {canvas, calls} of frame)
        for (const [k, a] of calls) {
          const layer = k === 'putImageData' ? a[0].zxAt : k === 'drawImage' ? layerOf.get(a[0]) : undefined;
          if (layer === undefined) continue;
          ++copies;
          reached.set(layer, (reached.get(layer) || new Set()).add(canvas));
        }
      for (const canvases of reached.values()) reach = Math.max(reach, canvases.size);
    }
    const shown = [...new Set(recorded.flat().map(r => r.canvas))];
    const bare = new Map(shown.map(c => {
      const b = document.createElement('canvas');
      b.width = c.width;
      b.height = c.height;
      if (c.isConnected) document.body.appendChild(b);
      return [c, b.getContext('2d', {alpha: c.getContext('2d').getContextAttributes().alpha})];
    }));
    const floorCanvases = [...bare.values()].map(c => c.canvas);
    const frames = recorded.map(frame => frame.map(({canvas, calls}) => [bare.get(canvas), calls.map(([k, a]) =>
      [k, a.map(v => (v instanceof HTMLCanvasElement && bare.has(v) ? bare.get(v).canvas : v))])]));
    for (let k = 0; k < 3; ++k) await new Promise(r => requestAnimationFrame(r));
    Module._zx_bench_set_off();
    const proto = CanvasRenderingContext2D.prototype;
    const kept = Object.entries(Object.getOwnPropertyDescriptors(proto));
    if (stubbed)
      for (const [k, d] of kept) {
        if (typeof d.value === 'function' && k !== 'constructor') proto[k] = () => {};
        else if (d.set) Object.defineProperty(proto, k, {...d, set() {}});
      }
    const programTick = () => {
      const t0 = performance.now();
      Module._zx_bench_frames(1);
      flush(shown);
      return performance.now() - t0;
    };
    const floorTick = i => {
      const t0 = performance.now();
      floorTicked += Module._zx_bench_floor_ticks(1);
      for (const [c, list] of frames[i])
        for (const [k, a] of list) {
          if (k === '=') c[a[0]] = a[1];
          else c[k](...a);
        }
      flush(floorCanvases);
      return performance.now() - t0;
    };
    // The page's clock has a grain of 0.1 ms, each reading rounded up or down
    // at random in proportion: the mean of many ticks is still the mean tick.
    let program = 0, floor = 0, floorTicked = 0;
    for (let i = 0; i < count; ++i) {
      if (i % 2) {
        floor += floorTick(i);
        program += programTick();
      } else {
        program += programTick();
        floor += floorTick(i);
      }
    }
    for (const [k, d] of kept) Object.defineProperty(proto, k, d);
    floorCanvases.forEach(c => c.remove());
    return {program: program / count, floor: floor / count, floorTicked, copies: copies / count, reach};
  }, n, stubbed);
}

async function firstPaintsInEveryEngine(server, browser) {
  await firstPaints(server, 'Chromium', (url, mark) => firstPaint(browser, url, mark));
  const fox = await launchFirefox();
  try {
    await firstPaints(server, 'Firefox', (url, mark) => firstPaint(fox, url, mark));
  } finally {
    await fox.close();
  }
  await firstPaints(server, 'WebKit', firstPaintWebKit);
}

// The windows whose drawings must reach their canvas in one copy.
const copiedOnce = ['wave2', 'kansoku'];
const windows = [
  ['kiroku', '地震計の記録', 100], ['pwave', '縦波(Ｐ波)のシミュレーション ', 200],
  ['swave', '横波(Ｓ波)のシミュレーション ', 200], ['wave', '縦波（Ｐ波）・横波(Ｓ波)の比較', 200],
  ['wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較', 200], ['kansoku', '地震計の記録', 100],
];

// With `first-paint`, only the first paints are measured; with `ticks`, only the ticks.
const onlyFirstPaint = process.argv.includes('first-paint'), onlyTicks = process.argv.includes('ticks');

await z.run('every figure measured', async browser => {
  const bytes = siteBytes(z.site);
  console.log(`${'site files together'.padEnd(44)} ${(bytes / 1e6).toFixed(3).padStart(9)} MB   budget 3 MB`);
  if (bytes > 3e6) over.push(`site files ${(bytes / 1e6).toFixed(3)} MB (budget 3 MB)`);
  const server = await z.serve(z.site, {'/floor.html': new URL('floor.html', import.meta.url).pathname,
                                       '/index.html': markedIndex(), ...benchProgram()});
  try {
    if (!onlyTicks) await firstPaintsInEveryEngine(server, browser);
    if (onlyFirstPaint) return;
 
    const page = await z.openProgram(browser, server.url, {width: 1280, height: 800});
    await zoom100(page);
    for (const [button, caption, n] of windows) {
      const win = await z.openLesson(page, button, caption);
      const runs = [], bare = [];
      for (let i = 0; i < 5; ++i) runs.push(await ticks(page, n));
      for (let i = 0; i < 5; ++i) bare.push(await ticks(page, 400, true));
      z.check([...runs, ...bare].every((r, i) => r.floorTicked >= (i < 5 ? n : 400)),
              `${button}: the floor's copy of the window did not tick`);
      row(`${button} own work, canvas calls no-ops`, 1000 * median(bare.map(r => r.program)),
          1000 * median(bare.map(r => r.floor)), 'µs', 1.1);
      row(`${button} tick + repaint`, median(runs.map(r => r.program)), median(runs.map(r => r.floor)), 'ms', 1.0);
      const reach = Math.max(...runs.map(r => r.reach));
      console.log(`${`${button} drawing copies per tick`.padEnd(44)} ${median(runs.map(r => r.copies)).toFixed(2).padStart(9)}` +
                  `      one layer onto up to ${reach} canvases a tick${copiedOnce.includes(button) ? ' (budget 1)' : ''}`);
      if (copiedOnce.includes(button) && reach > 1) over.push(`${button} drawing copied onto ${reach} canvases a tick (budget 1)`);
      await z.click(page, win, ...(button === 'kansoku' ? [5160 + 487, 7080 + 187] : z.closeButton));
      await z.windowGone(page, caption);
    }
  } finally {
    server.close();
  }
});
console.log(`over budget: ${over.length ? over.join(', ') : 'none'}` +
            (process.exitCode ? ' of the figures measured before the run failed' : ''));
