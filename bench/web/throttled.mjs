// The browser edition on a low-power device: Chromium with its CPU slowed
// down 4 times, beside the same measured at full speed, in one run (nothing
// is asserted). For the block comparison and an observation run at 速: the
// timer's ticks per second against what its interval asks (floor 95 %) and
// the page's animation frames per second (floor 50); and a whole run at 中
// against its nominal 410 ticks of 20 ms, 8.2 s (budget 1.1 times).
// Run after scripts/build-web.sh: node bench/web/throttled.mjs. The site is
// served with the benchmark's own build of the program (bench_site.mjs),
// which counts the ticks; without the service worker, whose install would
// fetch the whole site during the measures.
import path from 'node:path';
import {benchProgram} from './bench_site.mjs';
import * as z from '../../tests/web/lib.mjs';
import {zoom100} from '../../tests/web/zoom-keys.mjs';

const printShown = () => [...document.querySelectorAll('.zx-button')]
  .some(b => b.textContent === '印刷' && b.style.display !== 'none');

// Counts the page's frames.
function counters() {
  window.zxFrames = 0;
  const frame = () => { window.zxFrames++; requestAnimationFrame(frame); };
  requestAnimationFrame(frame);
}

// Timer ticks (of the one timer running) and frames per second over `seconds`.
async function rates(page, seconds) {
  const count = () => page.evaluate(() => [Module._zx_bench_ticks(), window.zxFrames, performance.now()]);
  const start = await count();
  await z.sleep(seconds * 1000);
  const end = await count();
  const s = (end[2] - start[2]) / 1000;
  return {ticks: (end[0] - start[0]) / s, frames: (end[1] - start[1]) / s};
}

// Picks an item of the observation window's speed list (the second list) with the arrow keys.
async function pickSpeed(page, arrow, times) {
  const list = (await page.$$('.zx-combo-text'))[1];
  await list.focus();
  for (let i = 0; i < times; ++i) await page.keyboard.press(arrow);
}

async function measure(browser, url, rate) {
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 800});
  await page.evaluateOnNewDocument(counters);
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', {rate});
  await page.goto(url);
  await z.windowOf(page, 'Zemlox');
  await zoom100(page);
  const out = {};

  let win = await z.openLesson(page, 'wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較');
  await z.sleep(500);
  out.block = await rates(page, 3);
  await z.click(page, win, ...z.closeButton);
  await z.windowGone(page, '縦波（Ｐ波）・横波(Ｓ波)の比較');

  win = await z.openLesson(page, 'kansoku', '地震計の記録');
  await pickSpeed(page, 'ArrowUp', 1);  // 中 to 速
  await z.click(page, win, 3000 + 487, 6600 + 187);
  await z.sleep(300);
  out.observe = await rates(page, 2);
  await page.waitForFunction(printShown, {timeout: 60000});
  await pickSpeed(page, 'ArrowDown', 1);  // back to 中
  const t0 = Date.now();
  await z.click(page, win, 3000 + 487, 6600 + 187);
  await page.waitForFunction(() => ![...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 5000});
  await page.waitForFunction(printShown, {timeout: 60000, polling: 20});
  out.run = (Date.now() - t0) / 1000;
  await page.close();
  return out;
}

await z.run('throttled', async browser => {
  // A path that is not there: the page's registration of sw.js fails quietly.
  const server = await z.serve(z.site, {...benchProgram(), '/sw.js': path.join(z.site, 'no-such-file')});
  let full, slow;
  try {
    full = await measure(browser, server.url, 1);
    slow = await measure(browser, server.url, 4);
  } finally {
    server.close();
  }
  const line = (what, f, s, floor, unit) =>
    console.log(`${what.padEnd(36)} full speed ${f.toFixed(1).padStart(6)}   CPU / 4 ${s.toFixed(1).padStart(6)} ${unit}   floor ${floor}`);
  line('block lesson: ticks per second', full.block.ticks, slow.block.ticks, `${(0.95 * 1000 / 12).toFixed(1)} (95 % of 12 ms)`, '/s');
  line('block lesson: frames per second', full.block.frames, slow.block.frames, '50', '/s');
  line('observation at 速: ticks per second', full.observe.ticks, slow.observe.ticks, `${(0.95 * 1000 / 10).toFixed(1)} (95 % of 10 ms)`, '/s');
  line('observation at 速: frames per second', full.observe.frames, slow.observe.frames, '50', '/s');
  line('observation at 中: whole run', full.run, slow.run, `${(1.1 * 8.2).toFixed(2)} s (1.1 x 8.2 s)`, 's ');
});
