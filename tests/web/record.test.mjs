// The seismograph record at 100 %: the pen draws the record to the strip's
// right margin with the duration marker in its exact light red and the
// explanations (2) to (5) in the font of (1); "もう一度" wipes it and draws a different one.
import * as z from './lib.mjs';
import {zoom100} from './zoom-keys.mjs';

const caption = '地震計の記録';

// Darkest grey level (0..255) in a rectangle of twips.
function darkest(img, win, x, y, w, h) {
  let min = 255;
  for (let yy = y; yy < y + h; yy += 15)
    for (let xx = x; xx < x + w; xx += 15) {
      const v = parseInt(img.at(win, xx, yy).slice(0, 2), 16) + parseInt(img.at(win, xx, yy).slice(2, 4), 16);
      min = Math.min(min, v / 2);
    }
  return min;
}

// Complete: the trace reaches the right margin, the duration marker (Line3,
// y 1320) and explanation (5) are shown.
const complete = (img, win) => darkest(img, win, 10875, 855, 30, 2265) < 100 &&
  img.at(win, 2000, 1320) === 'ff8080' && darkest(img, win, 1680, 4320, 3000, 255) < 100;

async function waitForRecord(page, win) {
  for (let i = 0; i < 120; ++i) {
    const img = await z.shot(page);
    if (complete(img, win)) return img;
    await z.sleep(250);
  }
  throw new Error('the record did not complete within 30 s');
}

await z.run('record', async browser => {
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  await zoom100(page);
  const win = await z.openLesson(page, 'kiroku', caption);
  const started = Date.now();
  const first = await waitForRecord(page, win);
  const took = (Date.now() - started) / 1000;
  z.check(first.at(win, 9000, 1000) === 'ffffc0', 'the strip is not pale yellow');
  // The marker line is one row of its colour: the rows above and below are strip.
  z.check(first.at(win, 2000, 1305) === 'ffffc0' && first.at(win, 2000, 1335) === 'ffffc0',
          `the duration marker is not one row: ${first.at(win, 2000, 1305)} ${first.at(win, 2000, 1335)}`);

  // Every explanation is in the same font: its ink is as tall as the first's
  // (each starts with a bracket). Those shown later once came out in the
  // canvas's default font.
  const inkHeight = top => {
    let lo = null, hi = null;
    for (let y = top; y < top + 240; y += 15)
      for (let x = 1680; x < 1680 + 3000; x += 15)
        if (parseInt(first.at(win, x, y).slice(0, 2), 16) < 100) { lo = lo ?? y; hi = y; }
    return lo === null ? 0 : (hi - lo) / 15 + 1;
  };
  const heights = [3360, 3600, 3840, 4080, 4320].map(inkHeight);
  z.check(heights.every(h => h > 6 && Math.abs(h - heights[0]) <= 1), `explanations in different fonts: ink heights ${heights}`);

  await z.click(page, win, 9600 + 607, 3240 + 187);
  await z.frames(page, 2);
  const replay = await z.shot(page);
  z.check(darkest(replay, win, 10875, 855, 30, 2265) > 150, 'old trace still shown after もう一度');
  z.check(replay.at(win, 2000, 1320) === 'ffffc0', 'duration marker still shown after もう一度');
  z.check(darkest(replay, win, 1680, 4320, 3000, 255) > 150, '(5) still shown after もう一度');
  const second = await waitForRecord(page, win);
  let differs = false;
  for (let x = 1500; x < 10800 && !differs; x += 15)
    for (let y = 900; y < 3000 && !differs; y += 15) differs = first.at(win, x, y) !== second.at(win, x, y);
  z.check(differs, 'the second record is the same as the first');
  await z.click(page, win, ...z.closeButton);
  await z.windowGone(page, caption);
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
  console.log(`  record drawn in ${took.toFixed(1)} s, replayed differently, closed`);
});
