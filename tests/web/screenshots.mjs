// Screenshots of the menu and every lesson window in headless Chromium, for
// looking at: node tests/web/screenshots.mjs OUT_DIR [WIDTH HEIGHT [100]]
// fits the program into a WIDTH x HEIGHT page, or shows it at 100 %.
import * as z from './lib.mjs';
const out = process.argv[2] || '/tmp/webshots';
const [w, h, hundred] = [+(process.argv[3] || 1280), +(process.argv[4] || 800), process.argv[5] === '100'];
const lessons = [['kiroku', '地震計の記録'], ['pwave', '縦波(Ｐ波)のシミュレーション '], ['swave', '横波(Ｓ波)のシミュレーション '],
  ['wave', '縦波（Ｐ波）・横波(Ｓ波)の比較'], ['wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較'], ['kansoku', '地震計の記録']];
await z.run('screenshots', async browser => {
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: w, height: h});
  const tag = hundred ? '100' : `${w}x${h}`;
  if (hundred) for (let i = 0; i < 8; ++i) { await page.keyboard.down('Control'); await page.keyboard.press('-'); await page.keyboard.up('Control'); }
  await z.frames(page, 3);
  await z.shot(page, `${out}/menu-${tag}.png`);
  for (const [b, cap] of lessons) {
    const win = await z.openLesson(page, b, cap);
    await z.sleep(b === 'kiroku' ? 4000 : 700);
    await z.shot(page, `${out}/${b}-${tag}.png`);
    if (b === 'kansoku') {
      await z.click(page, win, 3000 + 487, 6600 + 187);
      await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
        .some(e => e.textContent === '印刷' && e.style.display !== 'none'), {timeout: 30000});
      await z.frames(page, 2);
      await z.shot(page, `${out}/kansoku-run-${tag}.png`);
    }
    await z.click(page, win, ...(b === 'kansoku' ? [5160 + 487, 7080 + 187] : z.closeButton));
    await z.windowGone(page, cap);
  }
  console.log(page.problems);
});
