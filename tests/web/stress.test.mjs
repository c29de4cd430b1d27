// 2,000 random clicks, taps, drags, key presses (typed Japanese too) and zoom
// keys over the whole page, from file://; then no exception or error may
// have reached the console, and the program must still answer: the menu opens
// a lesson and closes it again. A seed (STRESS_SEED) replays a run.
import * as z from './lib.mjs';
import {zoomKey} from './zoom-keys.mjs';

const count = +(process.env.STRESS_EVENTS || 2000);
// One seed by default, so that every run plays the same events; another
// (STRESS_SEED) explores further.
let seed = +(process.env.STRESS_SEED || 4242);
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const pick = list => list[Math.floor(random() * list.length)];
const keys = ['Tab', 'Enter', 'Escape', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'Space', 'Backspace', 'a', '1'];

await z.run('stress', async browser => {
  console.log(`  seed ${seed}`);
  const width = 1024, height = 700;
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width, height, scale: 1});
  // No print dialog can be answered headless, and the guide's tab would take
  // the input: both stay shut.
  const shut = () => {
    window.print = () => {};
    document.addEventListener('click', e => { if (e.target.closest('#guide-door')) e.preventDefault(); }, true);
  };
  await page.evaluateOnNewDocument(shut);
  await page.evaluate(shut);
  const tally = {};
  for (let i = 0; i < count; ++i) {
    const x = random() * width, y = random() * height, kind = pick(['click', 'click', 'click', 'tap', 'move', 'drag', 'key', 'type', 'zoom']);
    tally[kind] = (tally[kind] || 0) + 1;
    switch (kind) {
      case 'click': await page.mouse.click(x, y); break;
      case 'tap': await page.touchscreen.tap(x, y); break;
      case 'move': await page.mouse.move(x, y); break;
      case 'drag':
        await page.mouse.move(x, y);
        await page.mouse.down();
        await page.mouse.move(random() * width, random() * height, {steps: 3});
        await page.mouse.up();
        break;
      case 'key': await page.keyboard.press(pick(keys)); break;
      case 'type': await page.keyboard.type(pick(['大', '小', '中', '速', 'ｱ', 'x'])); break;
      case 'zoom': await zoomKey(page, pick(['+', '=', '-', '0'])); break;
    }
    // Stay on the program: a restart after 終わる is part of the run.
    if (await page.evaluate(() => !document.getElementById('ended').hidden))
      await Promise.all([page.waitForNavigation(), page.click('#ended button')]);
  }
  console.log(`  ${count} events: ${Object.entries(tally).map(([k, v]) => `${v} ${k}`).join(', ')}`);
  z.check(page.problems.length === 0, `console errors: ${page.problems.slice(0, 5)}`);

  // Still answering: back to fitting the page, the open lesson closed by its
  // close box, then a lesson opened from the menu and closed again.
  await page.keyboard.press('Escape');
  await zoomKey(page, '0');
  const shown = () => page.evaluate(() =>
    [...document.querySelectorAll('.zx-window')].filter(w => w.style.display !== 'none').length);
  if (await shown() > 1) {
    await page.evaluate(() => [...document.querySelectorAll('.zx-window')]
      .filter(w => w.style.display !== 'none').sort((a, b) => b.style.zIndex - a.style.zIndex)[0]
      .querySelector('.zx-close').click());
    await page.waitForFunction(() => [...document.querySelectorAll('.zx-window')]
      .filter(w => w.style.display !== 'none').length === 1);
  }
  const lesson = await z.openLesson(page, 'pwave', '縦波(Ｐ波)のシミュレーション ');
  await z.click(page, lesson, ...z.closeButton);
  await z.windowGone(page, '縦波(Ｐ波)のシミュレーション ');
  z.check(page.problems.length === 0, `console errors: ${page.problems.slice(0, 5)}`);
});
