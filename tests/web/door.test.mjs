// The door to the teacher's guide, by touch on an emulated iPad (1024 x 768,
// 768 x 1024) and a Chromebook (1366 x 768, where the windows fit the
// height): with the menu and with each lesson open it is in view, and every
// window stands above its bar; a tap opens the guide in a new tab. The
// page's and the manifest's description is the desktop entry's.
import fs from 'node:fs';
import * as z from './lib.mjs';

const shown = page => page.evaluate(() =>
  [...document.querySelectorAll('.zx-window')].filter(w => w.style.display !== 'none').map(w => w.getBoundingClientRect().bottom));

async function checkDoor(page, what) {
  const {door, bar, seen} = await page.evaluate(() => {
    const d = document.getElementById('guide-door').getBoundingClientRect();
    return {door: [d.left, d.top, d.right, d.bottom, innerWidth, innerHeight], bar: document.getElementById('bar').getBoundingClientRect().top,
            seen: document.elementFromPoint((d.left + d.right) / 2, (d.top + d.bottom) / 2)?.id === 'guide-door'};
  });
  z.check(seen && door[0] >= 0 && door[2] <= door[4] && door[3] <= door[5] && door[3] - door[1] >= 24,
          `${what}: the door is not in view: ${door}`);
  for (const bottom of await shown(page)) z.check(bottom <= bar, `${what}: a window reaches ${bottom}, into the bar at ${bar}`);
}

await z.run('door', async browser => {
  const page = await browser.newPage();
  for (const [width, height, ipad] of [[1024, 768, true], [768, 1024, true], [1366, 768, false]]) {
    await page.setViewport({width, height, deviceScaleFactor: ipad ? 2 : 1, isMobile: ipad, hasTouch: true});
    await page.goto('file://' + z.site + '/index.html');
    const menu = await z.windowOf(page, 'Zemlox');
    await checkDoor(page, `${width} x ${height}, the menu`);
    for (const lesson of ['kiroku', 'pwave', 'swave', 'wave', 'wave2', 'kansoku']) {
      await z.tap(page, menu, ...z.menuButtons[lesson]);
      await page.waitForFunction(() => document.querySelectorAll('.zx-window:not([style*="display: none"])').length === 2);
      await z.frames(page, 2);
      await checkDoor(page, `${width} x ${height}, ${lesson}`);
      if (lesson === 'kansoku' && process.env.ZEMLOX_SHOTS) await z.shot(page, `${process.env.ZEMLOX_SHOTS}/door-${width}x${height}-kansoku.png`);
      // The lesson closed by a finger on its close box.
      const box = await page.$('.zx-window[style*="z-index: 2"] .zx-close');
      await box.tap();
      await page.waitForFunction(() => document.querySelectorAll('.zx-window:not([style*="display: none"])').length === 1);
    }
  }
  await (await page.$('#guide-door')).tap();
  const guide = await browser.waitForTarget(t => t.url().endsWith('guide/teacher-guide.html'), {timeout: 10000});
  const guidePage = await guide.page();
  await guidePage.waitForFunction(() => document.readyState === 'complete');
  z.check((await guidePage.title()).includes('先生用ガイド'), 'the tap did not open the guide');

  const about = fs.readFileSync(new URL('../../packaging/jp.zemlox.Zemlox.desktop', import.meta.url), 'utf8').match(/^Comment\[ja\]=(.*)$/m)[1];
  const manifest = JSON.parse(fs.readFileSync(z.site + '/manifest.webmanifest', 'utf8'));
  const meta = await page.evaluate(() => document.querySelector('meta[name=description]').content);
  z.check(meta === about && manifest.description === about, `descriptions differ: page ${meta}, manifest ${manifest.description}`);
});
