// The door to the teacher's guide on an emulated iPad (1024 x 768 and
// 768 x 1024) and a touch Chromebook (1366 x 768, where the windows are
// fitted to the height): with the menu and with each lesson open it is on
// the page, uncovered and clear of every window; Tab reaches it after the
// window's controls; it is a link named 先生用ガイド, gone in print, and a tap
// opens the guide in a new tab. The page's and the manifest's description
// is the desktop entry's.
import fs from 'node:fs';
import * as z from './lib.mjs';

const shots = process.env.ZEMLOX_SHOTS;

// The boxes of the door and its bar, whether the door is what the page shows
// at its middle, and the boxes of the shown windows, in CSS pixels.
const layout = page => page.evaluate(() => {
  const box = e => { const r = e.getBoundingClientRect(); return {l: r.left, t: r.top, r: r.right, b: r.bottom}; };
  const door = document.getElementById('guide-door'), d = box(door);
  return {
    door: d, bar: box(document.getElementById('bar')), view: {w: innerWidth, h: innerHeight},
    seen: document.elementFromPoint((d.l + d.r) / 2, (d.t + d.b) / 2) === door,
    windows: [...document.querySelectorAll('.zx-window')].filter(w => w.style.display !== 'none').map(box),
  };
});

const shown = page => page.evaluate(() =>
  [...document.querySelectorAll('.zx-window')].filter(w => w.style.display !== 'none').length);

async function checkDoor(page, what) {
  const {door, bar, view, seen, windows} = await layout(page);
  z.check(door.r - door.l >= 44 && door.b - door.t >= 24, `${what}: the door is only ${door.r - door.l} x ${door.b - door.t} px`);
  z.check(door.l >= 0 && door.t >= 0 && door.r <= view.w && door.b <= view.h && seen, `${what}: the door is not in view: ${JSON.stringify(door)}`);
  // The windows are fitted above the whole bar, wherever the door stands in it.
  z.check(door.t >= bar.t && door.b <= bar.b, `${what}: the door ${JSON.stringify(door)} is outside the bar`);
  for (const w of windows)
    z.check(w.b <= bar.t, `${what}: a window ${JSON.stringify(w)} reaches into the bar ${JSON.stringify(bar)}`);
}

await z.run('door', async browser => {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', m => { if (m.type() === 'error') page.problems.push(m.text()); });
  page.on('pageerror', e => page.problems.push(String(e)));
  for (const [width, height, ipad] of [[1024, 768, true], [768, 1024, true], [1366, 768, false]]) {
    await page.setViewport({width, height, deviceScaleFactor: ipad ? 2 : 1, isMobile: ipad, hasTouch: true});
    await page.goto('file://' + z.site + '/index.html');
    const menu = await z.windowOf(page, 'Zemlox');
    await z.frames(page, 2);
    await checkDoor(page, `${width} x ${height}, the menu`);
    for (const lesson of ['kiroku', 'pwave', 'swave', 'wave', 'wave2', 'kansoku']) {
      const what = `${width} x ${height}, ${lesson}`;
      await z.tap(page, menu, ...z.menuButtons[lesson]);
      await page.waitForFunction(() => [...document.querySelectorAll('.zx-window')]
        .filter(w => w.style.display !== 'none').length === 2);
      await z.frames(page, 2);
      await checkDoor(page, what);
      if (lesson === 'kansoku' && shots) await page.screenshot({path: `${shots}/door-ipad-${width}x${height}-kansoku.png`});
      if (lesson === 'kansoku') {
        // The window's own controls first, then the door.
        let steps = 0;
        while (await page.evaluate(() => document.activeElement.id !== 'guide-door') && steps < 30) {
          z.check(steps === 0 || await page.evaluate(() => !!document.activeElement.closest('.zx-window')),
                  `${what}: Tab left the window before the door`);
          await page.keyboard.press('Tab');
          ++steps;
        }
        z.check(steps > 5 && steps < 30, `${what}: Tab reached the door after ${steps} presses`);
      }
      const close = await page.evaluate(() => {
        const w = [...document.querySelectorAll('.zx-window')].sort((a, b) => b.style.zIndex - a.style.zIndex)[0];
        const r = w.querySelector('.zx-close').getBoundingClientRect();
        return {x: r.left + r.width / 2, y: r.top + r.height / 2};
      });
      await page.touchscreen.tap(close.x, close.y);
      await page.waitForFunction(() => [...document.querySelectorAll('.zx-window')]
        .filter(w => w.style.display !== 'none').length === 1);
      z.check(await shown(page) === 1, `${what}: the lesson did not close`);
    }
  }

  const tree = await page.accessibility.snapshot({root: await page.$('#guide-door')});
  z.check(tree && tree.role === 'link' && tree.name === '先生用ガイド', `the door is named ${JSON.stringify(tree)}`);
  await page.emulateMediaType('print');
  z.check(await page.evaluate(() => getComputedStyle(document.getElementById('bar')).display) === 'none', 'the bar prints');
  await page.emulateMediaType(null);

  const {x, y} = await page.evaluate(() => {
    const r = document.getElementById('guide-door').getBoundingClientRect();
    return {x: r.left + r.width / 2, y: r.top + r.height / 2};
  });
  await page.touchscreen.tap(x, y);
  const guide = await browser.waitForTarget(t => t.url().endsWith('guide/teacher-guide.html'), {timeout: 10000});
  const guidePage = await guide.page();
  await guidePage.waitForFunction(() => document.readyState === 'complete');
  z.check((await guidePage.title()).includes('先生用ガイド'), 'the tap did not open the guide');
  z.check(await shown(page) === 1, 'the tap changed the program');

  // One description, the desktop entry's, in the page and in the manifest.
  const entry = fs.readFileSync(new URL('../../packaging/jp.zemlox.Zemlox.desktop', import.meta.url), 'utf8');
  const about = entry.match(/^Comment\[ja\]=(.*)$/m)[1];
  const manifest = JSON.parse(fs.readFileSync(z.site + '/manifest.webmanifest', 'utf8'));
  const meta = await page.evaluate(() => document.querySelector('meta[name=description]').content);
  z.check(meta === about && manifest.description === about, `descriptions differ: page ${meta}, manifest ${manifest.description}`);
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
});
