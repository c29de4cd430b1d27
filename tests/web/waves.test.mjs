// The four wave lessons from the menu at 100 %: each shows its pale yellow
// band at the desktop test's points and keeps moving; the block lesson's top
// back edge (y 1387.5) is one row of black where the particle rows have
// none; its red slice line is pure red; "閉じる" closes each one.
import * as z from './lib.mjs';
import {zoom100} from './zoom-keys.mjs';

const lessons = [
  // button, caption, a point of the band, whether the block's back edge is there
  ['pwave', '縦波(Ｐ波)のシミュレーション ', [9000, 1000], false],
  ['swave', '横波(Ｓ波)のシミュレーション ', [9000, 1000], false],
  ['wave', '縦波（Ｐ波）・横波(Ｓ波)の比較', [9000, 3450], false],
  ['wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較', [9000, 3450], true],
];

await z.run('waves', async browser => {
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  await zoom100(page);
  for (const [button, caption, band, edge] of lessons) {
    const win = await z.openLesson(page, button, caption);
    z.check(await page.title() === caption.trim(), `${button}: page title ${await page.title()}`);
    const a = await z.shot(page);
    z.check(a.at(win, ...band) === 'ffffc0', `${button}: no pale yellow band: ${a.at(win, ...band)}`);
    // Row 92 holds the edge at y 1387.5; rows 91 and 93 beside it are band.
    const at = y => a.at(win, 6000, y);
    if (edge) z.check(at(1387.5) === '000000' && at(1372) === 'ffffc0' && at(1402) === 'ffffc0',
                      `${button}: back edge rows ${at(1372)} ${at(1387.5)} ${at(1402)}`);
    else z.check(at(1387.5) === 'ffffc0', `${button}: something at the block's top back edge`);
    // Moving: some later shot differs. The gaps vary, so no wave period
    // divides them all, and a busy machine gets a few chances.
    let moved = false;
    for (let k = 0; k < 6 && !moved; ++k) {
      await z.sleep(130 + 40 * k);
      const b = await z.shot(page);
      for (let y = 600; y < 4500 && !moved; y += 15)
        for (let x = 300; x < 11000 && !moved; x += 15) moved = a.at(win, x, y) !== b.at(win, x, y);
    }
    z.check(moved, `${button}: the picture does not move`);
    if (button === 'wave2') {
      let red = 0, reddish = 0;
      for (let y = 1100; y < 4600; y += 15)
        for (let x = 2400; x < 11000; x += 15) {  // right of the red band labels
          const h = a.at(win, x, y);
          if (h === 'ff0000') ++red;
          else if (h.startsWith('ff') && h !== 'ffffc0' && h !== 'ffffff' && h.slice(2, 4) === h.slice(4)) ++reddish;
        }
      z.check(red > 20 && reddish === 0, `wave2: slice line has ${red} pure red and ${reddish} smeared pixels`);
    }
    await z.click(page, win, ...z.closeButton);
    await z.windowGone(page, caption);
    console.log(`  ${button}: band, motion, closed`);
  }
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
});
