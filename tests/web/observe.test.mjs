// The observation window at 100 %. With the mouse: station A carried with two
// clicks and the pointer; the run goes to its end and "印刷" shows; the
// record's five traces start further right the further the station is, each
// within two pixels of where the desktop's start;
// typing 大 and Enter into the size list after the run leaves "印刷" there
// (only a pick runs the list's handler); the hypocentre is carried down.
// With taps: station B and the hypocentre carried the same way.
import * as z from './lib.mjs';
import {zoom100} from './zoom-keys.mjs';

const caption = '地震計の記録';
const plan = [120, 1080], section = [120, 4680], record = [6360, 120];
const p = (base, x, y) => [base[0] + x, base[1] + y];
const printButton = [4080 + 487, 7080 + 187];

async function openObservation(page) {
  await zoom100(page);
  return z.openLesson(page, 'kansoku', caption);
}

// Clicks "地震発生" and waits until "印刷" shows.
async function runQuake(page, win) {
  await z.click(page, win, 3000 + 487, 6600 + 187);
  await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
  await z.frames(page, 2);
}

// The first pixel column right of the time axis where each trace (dark blue)
// leaves its baseline, which lies the station's epicentral distance above
// the axis at y 7560 of the record.
function traceStarts(img, win, distances) {
  const rows = distances.map(d => (record[1] + 7560 - d) / 15);
  return rows.map(base => {
    const bluish = (x, y) => { const [r, g, b] = img.rgb(win.x + x, win.y + y); return b - r > 60 && b - g > 60; };
    let seen = false, first = null;
    for (let x = (record[0] + 300) / 15; x < (record[0] + 4400) / 15; ++x) {
      if (bluish(x, Math.floor(base))) seen = true;
      for (let dy = 2; dy < 25 && first === null; ++dy)
        if (bluish(x, Math.floor(base) - dy) || bluish(x, Math.floor(base) + dy)) first = x;
      if (first !== null) break;
    }
    return seen || first !== null ? first : null;
  });
}

await z.run('observe', async browser => {
  let page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  let win = await openObservation(page);
  // Station A's label at (1020, 2950) in the plan view: pick up, carry, drop.
  await z.click(page, win, ...p(plan, 1020 + 300, 2950 + 120));
  await z.frames(page, 2);
  await z.move(page, win, ...p(plan, 1500, 3300));
  await z.frames(page, 2);
  let img = await z.shot(page);
  z.check(img.at(win, ...p(plan, 1517, 3317)) === 'ffffff', 'station A did not follow the pointer');
  z.check(img.at(win, ...p(plan, 1110, 3027)) === 'ffffc0', "station A's old place is not bare");
  await z.click(page, win, ...p(plan, 1500, 3300));
  await z.frames(page, 2);
  img = await z.shot(page);
  z.check(img.at(win, ...p(plan, 1517, 3317)) === 'c0c0ff', 'station A was not dropped');
  await runQuake(page, win);
  img = await z.shot(page);
  // Station A stands 430 twips right of the epicentre and 297.5 above the surface line.
  const distances = [Math.hypot(430, 297.5), ...[1, 2, 3, 4].map(i => 587.5 + 600 * i)];
  const starts = traceStarts(img, win, distances);
  console.log(`  shaking starts at pixel x ${starts.join(' ')} (A to E)`);
  z.check(starts.every((s, i) => s !== null && (i === 0 || s > starts[i - 1])),
          `traces missing or not in distance order: ${starts}`);
  // Where the desktop's end-to-end test finds them, in pixels of the window.
  const desktop = [462, 468, 477, 484, 495];
  z.check(starts.every((s, i) => Math.abs(s - desktop[i]) <= 2), `traces start at ${starts}, the desktop's at ${desktop}`);

  // Typing an item into the size list and pressing Enter is not a pick.
  const sizeList = (await page.$$('.zx-combo-text'))[0];
  await sizeList.click({clickCount: 3});
  await page.keyboard.type('大');
  await page.keyboard.press('Enter');
  await z.frames(page, 2);
  z.check(await page.evaluate(() => [...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none')), 'typing into the list ran its handler');
  // The wheel steps the focused list only: over the speed list it changes nothing.
  const printShown = () => page.evaluate(() => [...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none'));
  const speedList = (await page.$$('.zx-combo-text'))[1];
  const speed = await speedList.evaluate(e => e.value);
  await speedList.hover();
  await page.mouse.wheel({deltaY: 100});
  await z.frames(page, 2);
  z.check(await speedList.evaluate(e => e.value) === speed && await printShown(), 'the wheel picked in a list without the focus');
  await sizeList.hover();
  await page.mouse.wheel({deltaY: -100});
  await z.frames(page, 2);
  z.check(!await printShown(), 'the wheel did not pick in the focused list');
  // The hypocentre (marker at 1020, 1140 of the section, label beside it) goes 300 deeper.
  await z.click(page, win, ...p(section, 1020 + 300, 1140 + 120));
  await z.move(page, win, ...p(section, 1070, 1490));
  await z.click(page, win, ...p(section, 1070, 1490));
  await z.frames(page, 2);
  img = await z.shot(page);
  z.check(img.at(win, ...p(section, 1087, 1507)) === 'ffc0c0', `the hypocentre was not moved down: ${img.at(win, ...p(section, 1087, 1507))}`);

  await z.click(page, win, 5160 + 487, 7080 + 187);
  await z.windowGone(page, caption);
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
  await page.close();

  // The same placing with taps on a touch screen.
  page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  win = await openObservation(page);
  await z.tap(page, win, ...p(plan, 1020 + 300, 2350 + 120));
  await z.tap(page, win, ...p(plan, 2500, 2300));
  await z.frames(page, 2);
  img = await z.shot(page);
  z.check(img.at(win, ...p(plan, 2517, 2317)) === 'c0c0ff', `station B was not carried by taps: ${img.at(win, ...p(plan, 2517, 2317))}`);
  z.check(img.at(win, ...p(plan, 1110, 2427)) === 'ffffc0', "station B's old place is not bare");
  await z.tap(page, win, ...p(section, 1020 + 300, 1140 + 120));
  await z.tap(page, win, ...p(section, 3000, 1300));
  await z.frames(page, 2);
  img = await z.shot(page);
  z.check(img.at(win, ...p(section, 3017, 1317)) === 'ffc0c0', `the hypocentre was not carried by taps: ${img.at(win, ...p(section, 3017, 1317))}`);
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
});
