// A finger on an emulated iPad (1024 x 768 and 768 x 1024, two device pixels
// to a CSS pixel, touch only) in headless Chromium: the menu and lesson open
// by taps; station B and the hypocentre carried by a drag land where the
// finger lifts; a touch 10 px outside a label's box picks it up; the touch
// area of a list, as measured by touches; no page scroll or zoom after drags
// on the background, a title bar and the views; and the page as large as the
// window at four sizes.
import * as z from './lib.mjs';

const caption = '地震計の記録';
const plan = [120, 1080], section = [120, 4680];
const shots = process.env.ZEMLOX_SHOTS;

// The page's box of the painted label of marker `i` (0-4 the stations, 5 the
// hypocentre), and whether it is picked up.
const marker = (page, i) => page.evaluate(k => {
  const e = document.querySelectorAll('.zx-item[role=button]')[k];
  const r = e.getBoundingClientRect();
  return {x: r.left, y: r.top, w: r.width, h: r.height, carried: e.getAttribute('aria-label').includes('持ち上げ中')};
}, i);

async function tapAt(page, x, y) {
  await page.touchscreen.tap(x, y);
  await z.frames(page, 2);
}

async function drag(page, from, to, steps = 6) {
  await page.touchscreen.touchStart(from.x, from.y);
  for (let k = 1; k <= steps; ++k)
    await page.touchscreen.touchMove(from.x + (to.x - from.x) * k / steps, from.y + (to.y - from.y) * k / steps);
  await z.frames(page, 2);
  await page.touchscreen.touchEnd();
  await z.frames(page, 2);
}

// Puts a picked-up marker down where it stands, with Escape on its element.
async function putDown(page, i) {
  await page.evaluate(k => document.querySelectorAll('.zx-item[role=button]')[k].focus(), i);
  await page.keyboard.press('Escape');
  await z.frames(page, 2);
}

// How far beyond the edge of `box`, going along (dx, dy) from its middle, a
// tap still does what `hit` sees, to half a CSS pixel; `undo` takes it back
// after each hit.
async function reach(page, box, dx, dy, hit, undo) {
  const ex = box.x + box.w / 2 + dx * box.w / 2, ey = box.y + box.h / 2 + dy * box.h / 2;
  let lo = 0, hi = 64;
  while (hi - lo > 0.5) {
    const d = (lo + hi) / 2;
    await tapAt(page, ex + dx * d, ey + dy * d);
    if (await hit()) {
      lo = d;
      await undo();
    } else {
      hi = d;
    }
  }
  return lo;
}

async function noScroll(page, what) {
  const s = await page.evaluate(() => ({x: scrollX, y: scrollY, top: document.scrollingElement.scrollTop,
                                        zoom: visualViewport.scale, vx: visualViewport.offsetLeft, vy: visualViewport.offsetTop}));
  z.check(s.x === 0 && s.y === 0 && s.top === 0 && s.zoom === 1 && s.vx === 0 && s.vy === 0,
          `the page moved after a drag on ${what}: ${JSON.stringify(s)}`);
}

await z.run('touch', async browser => {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', m => { if (m.type() === 'error') page.problems.push(m.text()); });
  page.on('pageerror', e => page.problems.push(String(e)));
  for (const [width, height] of [[1024, 768], [768, 1024]]) {
    await page.setViewport({width, height, deviceScaleFactor: 2, isMobile: true, hasTouch: true});
    await page.goto('file://' + z.site + '/index.html');
    const menu = await z.windowOf(page, 'Zemlox');
    await z.frames(page, 2);
    if (shots) await z.shot(page, `${shots}/ipad-${width}x${height}-menu.png`);
    const button = z.at(menu, ...z.menuButtons.kansoku);
    await page.touchscreen.tap(button.x, button.y);
    const win = await z.windowOf(page, caption);
    await z.frames(page, 2);
    const tag = `${width} x ${height}`;

    // The finger's page position reaches the window layer in the right
    // twips (where a drag carries and drops is the window layer's test):
    // station B by a drag from its label's middle to a grid crossing.
    const b = await marker(page, 1);
    await drag(page, {x: b.x + b.w / 2, y: b.y + b.h / 2}, z.at(win, plan[0] + 2500, plan[1] + 2300));
    let img = await z.shot(page);
    z.check(img.at(win, plan[0] + 2517, plan[1] + 2317) === 'c0c0ff', `${tag}: station B not put down where the finger lifted: ${img.at(win, plan[0] + 2517, plan[1] + 2317)}`);
    z.check(!(await marker(page, 1)).carried, `${tag}: station B still picked up`);

    // The hypocentre by a drag, 300 twips deeper and further right.
    const h = await marker(page, 5);
    await drag(page, {x: h.x + h.w / 2, y: h.y + h.h / 2}, z.at(win, section[0] + 3000, section[1] + 1300));
    img = await z.shot(page);
    z.check(img.at(win, section[0] + 3017, section[1] + 1317) === 'ffc0c0', `${tag}: the hypocentre was not dragged: ${img.at(win, section[0] + 3017, section[1] + 1317)}`);

    // 10 px left of station A's label box the page hands the touch on and it picks A up.
    const a = await marker(page, 0);
    await tapAt(page, a.x - 10, a.y + a.h / 2);
    z.check((await marker(page, 0)).carried, `${tag}: a touch 10 px outside A's label did not pick it up`);
    await putDown(page, 0);
    // The size list's touch area as measured: the browser's own aim at its
    // text must not cut it short. (The labels' areas are the window layer's.)
    const list = await page.evaluate(() => {
      const r = document.querySelector('.zx-combo').getBoundingClientRect();
      return {x: r.left, y: r.top, w: r.width, h: r.height};
    });
    // Near its box the browser itself may aim the touch at the list's text,
    // which takes the focus; further out the program opens the list.
    const open = () => page.evaluate(() => !document.querySelector('.zx-combo-list').hidden ||
                                           document.activeElement === document.querySelector('.zx-combo-text'));
    const shut = async () => {
      await page.evaluate(() => document.activeElement.blur());
      await z.frames(page, 1);
    };
    const listUp = await reach(page, list, 0, -1, open, shut), listDown = await reach(page, list, 0, 1, open, shut);
    console.log(`  ${tag}: the size list ${list.w.toFixed(1)} x ${list.h.toFixed(1)} px answers also ${listUp} px above and ${listDown} px below`);
    z.check(listUp >= 5 && listDown >= 5, `${tag}: the size list answers only ${listUp} px above and ${listDown} below`);

    // Drags on the page around the windows, a title bar and both views move nothing of the page.
    await drag(page, {x: 3, y: height - 3}, {x: 200, y: 10});
    await noScroll(page, 'the background');
    await drag(page, {x: win.x + 40, y: win.y - 5}, {x: win.x + 300, y: win.y + 200});
    await noScroll(page, 'the title bar');
    await drag(page, z.at(win, plan[0] + 5000, plan[1] + 400), z.at(win, plan[0] + 100, plan[1] + 3000));
    await drag(page, z.at(win, section[0] + 5000, section[1] + 1500), z.at(win, section[0] + 100, section[1] + 100));
    await noScroll(page, 'the views');
    if (shots) await z.shot(page, `${shots}/ipad-${width}x${height}-kansoku.png`);
    z.check(page.problems.length === 0, `${tag}: console errors: ${page.problems}`);
  }

  // The page is exactly as large as the window, at four sizes.
  await page.setViewport({width: 1280, height: 800});
  for (const [w, h] of [[1280, 800], [1024, 768], [768, 1024], [1920, 1080]]) {
    await page.setViewport({width: w, height: h});
    await z.frames(page, 3);
    const s = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight,
                                         document.documentElement.clientWidth, document.documentElement.clientHeight]);
    z.check(s[0] === w && s[1] === h && s[2] === w && s[3] === h, `at ${w} x ${h} the page is ${s}`);
  }
});
