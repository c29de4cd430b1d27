// Random pupil input in the browser: the seeded script of the window layer's
// fuzz (zemlox_fuzz_run --log: each event resolved to a window and a point
// in its twips, a key, a text or a list item) played on the page from
// file:// by mouse, finger and keys. No exception or error may reach the
// console, and the program must still answer afterwards: the menu opens a
// lesson and closes it again. STRESS_SEED and STRESS_EVENTS pick the script.
import {spawnSync} from 'node:child_process';
import * as z from './lib.mjs';
import {zoomKey} from './zoom-keys.mjs';

const build = process.env.ZEMLOX_BUILD || new URL('../../build', import.meta.url).pathname;
const seed = process.env.STRESS_SEED || '4242', count = process.env.STRESS_EVENTS || '1500';
// The script as far as the window layer played it; a rule it broke is the
// window layer's test's to report.
const script = spawnSync(`${build}/tests/fuzz/zemlox_fuzz_run`, ['--seed', seed, '--count', count, '--log'],
                         {maxBuffer: 1 << 28}).stdout.toString().split('\n')
  .filter(line => line.startsWith('{')).map(line => JSON.parse(line));
const keyNames = {Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown', Ctrl: 'Control'};
const mouseButton = b => (b & 1 ? 'left' : b & 2 ? 'right' : 'middle');

await z.run('stress', async browser => {
  z.check(script.length > 0, `no script from ${build}/tests/fuzz/zemlox_fuzz_run`);
  console.log(`  seed ${seed}`);
  const width = 1024, height = 700;
  const home = 'file://' + z.site + '/index.html';
  const page = await z.openProgram(browser, home, {width, height, scale: 1});
  // No print dialog can be answered headless, and the guide's tab would take
  // the input: both stay shut.
  const shut = () => {
    window.print = () => {};
    document.addEventListener('click', e => { if (e.target.closest('#guide-door')) e.preventDefault(); }, true);
  };
  await page.evaluateOnNewDocument(shut);
  await page.evaluate(shut);

  // Page pixels of twips in the shown window of that caption (else the
  // topmost), kept on the page; the window's close box; whether the program
  // has ended.
  const place = ev => page.evaluate(({window: caption, x, y, x2, y2}, w, h) => {
    if (!document.getElementById('ended').hidden) return {ended: true};
    const shown = [...document.querySelectorAll('.zx-window')].filter(e => e.style.display !== 'none');
    const win = shown.find(e => e.getAttribute('aria-label') === caption) ||
      shown.sort((a, b) => b.style.zIndex - a.style.zIndex)[0];
    if (!win) return null;
    const r = win.querySelector('.zx-client').getBoundingClientRect(), k = +win.dataset.zoom / 15;
    const clamp = (v, most) => Math.min(Math.max(v, 0), most - 1);
    const close = win.querySelector('.zx-close')?.getBoundingClientRect();
    return {x: clamp(r.left + x * k, w), y: clamp(r.top + y * k, h), x2: clamp(r.left + x2 * k, w),
            y2: clamp(r.top + y2 * k, h), close: close && {x: close.left + close.width / 2, y: close.top + close.height / 2}};
  }, ev, width, height);
  const press = async name => {
    const parts = name.split('+');
    const key = parts.pop() || '+';  // "Ctrl++"
    const mods = parts.filter(Boolean).map(m => keyNames[m] || m);
    for (const m of mods) await page.keyboard.down(m);
    await page.keyboard.press(keyNames[key] || (key.length === 1 ? key.toLowerCase() : key));
    for (const m of mods.reverse()) await page.keyboard.up(m);
  };

  const play = async (ev, p) => {
    switch (ev.kind) {
      case 'button': case 'control': await page.mouse.click(p.x, p.y); break;
      case 'pointer':
        await page.mouse.move(p.x, p.y);
        if (ev.action === 'move') await page.mouse.move(p.x2, p.y2, {steps: 3});
        else if (ev.action !== 'drag') await page.mouse.click(p.x, p.y, {button: mouseButton(ev.buttons)});
        else {
          await page.mouse.down({button: mouseButton(ev.buttons)});
          await page.mouse.move(p.x2, p.y2, {steps: 3});
          await page.mouse.up({button: mouseButton(ev.buttons)});
        }
        break;
      case 'touch':
        if (ev.action !== 'drag') await page.touchscreen.tap(p.x, p.y);
        else {
          await page.touchscreen.touchStart(p.x, p.y);
          await page.touchscreen.touchMove(p.x2, p.y2);
          await page.touchscreen.touchEnd();
        }
        break;
      case 'key': await press(ev.key); break;
      case 'zoom': await zoomKey(page, ev.key.slice(5)); break;
      // Key by key up to a word's length; an input method commits the rest at once.
      case 'text':
        if (ev.value) { if (ev.text) await page.keyboard.sendCharacter(ev.text.slice(0, 300)); }
        else await page.keyboard.type(ev.text.slice(0, 8));
        break;
      case 'pick': {
        if (!ev.list) break;
        await page.mouse.click(p.x, p.y);
        const item = await page.evaluate(i => {
          const r = document.querySelectorAll('.zx-combo-list:not([hidden]) .zx-combo-item')[i]?.getBoundingClientRect();
          return r && {x: r.left + r.width / 2, y: r.top + r.height / 2};
        }, ev.value);
        if (item) await page.mouse.click(item.x, item.y);
        break;
      }
      case 'wheel':
        await page.mouse.move(p.x, p.y);
        await page.mouse.wheel({deltaY: 100 * ev.value});
        break;
      case 'focus': if (ev.value === 2) await page.evaluate(() => document.activeElement?.blur()); break;
      case 'tick': if (ev.value >= 20) await z.frames(page, 1); break;
      case 'close box': if (p.close) await page.mouse.click(p.close.x, p.close.y); break;
    }
  };
  // Chromium takes a finger's swipe over the desk for "back", which leaves
  // the program; the run notes it and opens the program again.
  let left = 0;
  const settle = async ev => {
    if (page.url() !== home) {
      ++left;
      await page.goto(home);
      await z.windowOf(page, 'Zemlox');
      await page.evaluate(shut);
    }
    const p = await place(ev);
    if (!p?.ended) return p;
    // Stay on the program: a restart after 終わる is part of the run.
    await Promise.all([page.waitForNavigation(), page.click('#ended button')]);
    return place(ev);
  };
  const tally = {};
  for (const ev of script) {
    tally[ev.kind] = (tally[ev.kind] || 0) + 1;
    try {
      const p = await settle(ev);
      if (p) await play(ev, p);
    } catch (e) {
      if (!/context was destroyed|detached/.test(e.message)) throw e;
      await page.waitForNavigation({timeout: 5000}).catch(() => {});
    }
  }
  console.log(`  ${script.length} events: ${Object.entries(tally).map(([k, v]) => `${v} ${k}`).join(', ')}` +
              (left ? `; left the page ${left} time(s) by a swipe` : ''));
  z.check(page.problems.length === 0, `console errors: ${page.problems.slice(0, 5)}`);

  // Still answering: back to fitting the page, the open lesson closed by its
  // close box, then a lesson opened from the menu and closed again.
  if (page.url() !== home) await settle(script[0]);
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
