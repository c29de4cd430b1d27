// The menu and the observation window as the browser paints them from the
// window layer's paint lists: at 100 % and 125 %, the menu with its frame's
// caption and picture and the observation window before and after a run,
// every pixel but those inside glyphs and the page's own controls is the
// image host's (and so the desktop's); at every page size the hypocentre's name 「　震源」
// stands on one line, and after a run neither view keeps a pixel of a ring
// (the stations' blue border excepted, counted before the run). During the
// run each drawing reaches its canvas in one copy: no canvas that took a
// drawing's pixels is drawn again onto another.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as z from './lib.mjs';
import {zoom100, zoomKey} from './zoom-keys.mjs';

const build = process.env.ZEMLOX_BUILD || new URL('../../build', import.meta.url).pathname;

const caption = '地震計の記録';
const plan = [120, 1080, 6135, 3615], section = [120, 4680, 6135, 1815];

// Device pixels of a rectangle in twips of the window's client area.
function deviceRect(img, win, [x, y, w, h]) {
  const a = z.at(win, x, y), b = z.at(win, x + w, y + h);
  return [a.x, a.y, b.x, b.y].map(v => Math.round(v * img.dpr));
}

function count(img, win, rect, pred) {
  const [x0, y0, x1, y1] = deviceRect(img, win, rect);
  let n = 0;
  for (let y = y0; y < y1; ++y)
    for (let x = x0; x < x1; ++x) {
      const i = (y * img.width + x) * 4;
      n += pred(img.data[i], img.data[i + 1], img.data[i + 2], y - y0) ? 1 : 0;
    }
  return n;
}

const ringP = (r, g, b) => r === 255 && g === 0 && b === 255, ringS = (r, g, b) => r === 0 && g === 0 && b === 255;

// The image host's picture of a window and what to leave out.
function expected(state, zoom, window = 'kansoku') {
  const out = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-paint-')), 'window.ppm');
  execFileSync(path.join(build, 'tests/zemlox_image_render'), [window, state, String(zoom), out]);
  const ppm = fs.readFileSync(out), head = ppm.subarray(0, 20).toString('latin1').split(/\s+/);
  const width = +head[1], height = +head[2], start = ppm.length - width * height * 3;
  return {width, height, rgb: ppm.subarray(start), masks: JSON.parse(fs.readFileSync(out + '.json', 'utf8'))};
}

// Pixels of the window's client area that differ from the image host's.
async function differing(page, win, want) {
  const img = z.decodePng(await page.screenshot({type: 'png', clip: {x: win.x, y: win.y, width: win.w, height: win.h}}));
  z.check(img.width === want.width && img.height === want.height,
          `the page shows ${img.width}x${img.height}, the image host ${want.width}x${want.height}`);
  let n = 0;
  for (let y = 0; y < img.height; ++y)
    for (let x = 0; x < img.width; ++x) {
      if (want.masks.some(([mx, my, mw, mh]) => x >= mx && x < mx + mw && y >= my && y < my + mh)) continue;
      const i = (y * img.width + x) * 4, j = (y * img.width + x) * 3;
      n += img.data[i] !== want.rgb[j] || img.data[i + 1] !== want.rgb[j + 1] || img.data[i + 2] !== want.rgb[j + 2];
    }
  return n;
}

await z.run('paint', async browser => {
  for (const zoom of [1, 1.25]) {
    const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
    await zoom100(page);
    if (zoom !== 1) await zoomKey(page, '=');
    const menu = await differing(page, await z.windowOf(page, 'Zemlox'), expected('quiet', zoom, 'menu'));
    const win = await z.openLesson(page, 'kansoku', caption);
    const quiet = await differing(page, win, expected('quiet', zoom));
    await page.evaluate(() => {
      const proto = CanvasRenderingContext2D.prototype, put = proto.putImageData, draw = proto.drawImage;
      const took = new WeakSet();
      window.zxCopies = {put: 0, again: 0};
      proto.putImageData = function (...a) { took.add(this.canvas); ++window.zxCopies.put; return put.apply(this, a); };
      proto.drawImage = function (src, ...a) { if (took.has(src)) ++window.zxCopies.again; return draw.call(this, src, ...a); };
    });
    await z.click(page, win, 3000 + 487, 6600 + 187);
    await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
      .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
    await z.frames(page, 3);
    const after = await differing(page, win, expected('after', zoom));
    const copies = await page.evaluate(() => window.zxCopies);
    console.log(`  at ${zoom * 100} %: ${menu} pixels of the menu differ from the image host; ` +
                `of the observation window ${quiet} before the run, ${after} after; ` +
                `drawings copied ${copies.put} times, ${copies.again} of them again`);
    z.check(menu === 0 && quiet === 0 && after === 0, 'the page paints pixels of its own');
    z.check(copies.put > 0 && copies.again === 0, 'the run\'s drawings are copied twice');
    await page.close();
  }
  for (const [width, height] of [[1280, 800], [1366, 768], [1024, 768], [768, 1024]]) {
    const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width, height});
    const win = await z.openLesson(page, 'kansoku', caption);
    let img = await z.shot(page);
    // The label's text is dark red (0xC0, 0, 0); two lines would stand
    // taller than one line of 8.25 pt text.
    const ink = [];
    const [x0, y0, x1, y1] = deviceRect(img, win, section);
    for (let y = y0; y < y1; ++y)
      for (let x = x0; x < x1; ++x) {
        const i = (y * img.width + x) * 4, [r, g, b] = img.data.subarray(i, i + 3);
        if (r >= 150 && r <= 210 && g < 60 && b < 60) ink.push(y);
      }
    const tall = ink.length ? Math.max(...ink) - Math.min(...ink) + 1 : 0;
    const line = 11 * 1.25 * win.zoom * img.dpr;
    console.log(`  ${width}x${height} at ${win.zoom.toFixed(3)}: 「　震源」 ink ${tall} px tall, one line ${line.toFixed(1)}`);
    z.check(tall > 0 && tall <= line, `「　震源」 is not on one line at ${width}x${height}`);
    if (width === 1280) {
      const before = [plan, section].map(v => [count(img, win, v, ringP), count(img, win, v, ringS)]);
      await z.click(page, win, 3000 + 487, 6600 + 187);
      await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
        .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
      await z.frames(page, 3);
      img = await z.shot(page);
      const after = [plan, section].map(v => [count(img, win, v, ringP), count(img, win, v, ringS)]);
      console.log(`  ring pixels after the run (P, S; plan, section): ${JSON.stringify(after)}, before ${JSON.stringify(before)}`);
      z.check(JSON.stringify(after) === JSON.stringify(before), 'rings left after the run');
    }
    z.check(page.problems.length === 0, `console errors: ${page.problems}`);
    await page.close();
  }
});
