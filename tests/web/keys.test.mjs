// The observation lesson with the keyboard alone: Tab to B点, Space, three
// Right, Space (B moves 1800 twips); Tab to 震源, Space, Down, Space; Tab to
// 地震発生 and Space, until "印刷" shows. The markers' names follow their state
// and the live region says what happened. Tab reaches the door to the guide;
// F1 opens the teacher's guide in a new tab. A screenshot of the focus
// rectangle is kept in build-web/.
import * as z from './lib.mjs';
import {zoom100} from './zoom-keys.mjs';

const focusedName = page => page.evaluate(() => {
  const e = document.activeElement;
  return e ? e.getAttribute('aria-label') || e.textContent : '';
});

// Tab until the focus is on the control called `name`.
async function tabTo(page, name) {
  for (let i = 0; i < 30; ++i) {
    await page.keyboard.press('Tab');
    if (await focusedName(page) === name) return;
  }
  throw new Error(`Tab never reached ${name}`);
}

const markerBox = (page, name) => page.evaluate(n => {
  const m = [...document.querySelectorAll('.zx-item[role=button]')].find(e => e.getAttribute('aria-label').startsWith(n));
  const r = m.getBoundingClientRect();
  return {x: r.left, y: r.top, name: m.getAttribute('aria-label')};
}, name);

async function keys(page, ...names) {
  for (const k of names) await page.keyboard.press(k);
  await z.frames(page, 2);
}

await z.run('keys', async browser => {
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  await zoom100(page);
  const win = await z.openLesson(page, 'kansoku', '地震計の記録');
  await page.evaluate(() => {
    window.said = [];
    new MutationObserver(() => said.push(document.getElementById('live').textContent))
      .observe(document.getElementById('live'), {childList: true, subtree: true});
  });
  const names = await page.evaluate(() => ['水平面', '縦断面', '記録（縦軸：震央距離、横軸：時間）']
    .map(n => !!document.querySelector(`[role=figure][aria-label="${n}"]`)));
  z.check(names.every(Boolean), `drawing areas unnamed: ${names}`);

  await tabTo(page, 'B点');
  await z.frames(page, 2);
  await z.shot(page, 'build-web/keyboard-focus.png');
  const before = await markerBox(page, 'B点');
  await keys(page, 'Space');
  z.check(await focusedName(page) === 'B点、持ち上げ中', `carried B is called ${await focusedName(page)}`);
  const scrolled = await page.evaluate(() => scrollX + scrollY);
  await keys(page, 'ArrowRight', 'ArrowRight', 'ArrowRight', 'Space');
  const after = await markerBox(page, 'B点');
  const moved = (after.x - before.x) / win.zoom * 15;
  z.check(Math.abs(moved - 1800) < 1 && after.y === before.y, `B moved by ${moved} twips across, ${after.y - before.y} px down`);
  z.check(await page.evaluate(() => scrollX + scrollY) === scrolled, 'the arrows scrolled the page');
  z.check(after.name === 'B点', `B put down is called ${after.name}`);

  await tabTo(page, '震源');
  const foc = await markerBox(page, '震源');
  await keys(page, 'Space', 'ArrowDown', 'Space');
  const focAfter = await markerBox(page, '震源');
  z.check(focAfter.y > foc.y, 'the hypocentre did not go down');

  await tabTo(page, '地震発生');
  await page.keyboard.press('Space');
  await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
    .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
  const said = await page.evaluate(() => said);
  z.check(said.includes('B点を置きました') && said.includes('地震の記録が終わりました。「印刷」ボタンで結果を印刷できます。'), `the live region said ${said}`);

  // After the window's controls Tab reaches the door to the guide on the page.
  await tabTo(page, '先生用ガイド');
  await page.keyboard.press('F1');
  const guide = await browser.waitForTarget(t => t.url().endsWith('guide/teacher-guide.html'), {timeout: 10000});
  const guidePage = await guide.page();
  await guidePage.waitForFunction(() => document.readyState === 'complete');
  z.check((await guidePage.title()).includes('先生用ガイド'), 'the guide did not load');
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);
});
