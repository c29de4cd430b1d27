// The menu in headless Chromium, from file://: picture, title, version line
// and the etched separator with exact pixels at 100 % and 200 % and on a
// screen of devicePixelRatio 2; the zoom keys
// step 100/125/150/200 %, a held one once, and Ctrl+0 fits the page again; 終わる shows the
// closing screen and its button starts the program again.
import * as z from './lib.mjs';
import {zoomKey, zoom100} from './zoom-keys.mjs';

await z.run('menu', async browser => {
  const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800});
  z.check(await page.title() === 'Zemlox', 'page title is not the menu caption');
  let menu = await z.windowOf(page, 'Zemlox');
  z.check(menu.zoom > 2.5, `the menu does not fit the page large (zoom ${menu.zoom})`);

  await zoom100(page);
  await z.frames(page, 2);
  menu = await z.windowOf(page, 'Zemlox');
  z.check(menu.zoom === 1, `Ctrl+- did not reach 100 % (${menu.zoom})`);
  let img = await z.shot(page);
  // Picture1 at (600, 1200): the picture's pale yellow just inside the sunken edge.
  z.check(img.at(menu, 600 + 45, 1200 + 45) === 'fbfbc4', `no menu picture: ${img.at(menu, 645, 1245)}`);
  // Title "Zemlox" in 0x00FF8080 and the version line in blue.
  const count = (x, y, w, h, hex) => {
    let n = 0;
    for (let yy = y; yy < y + h; yy += 15) for (let xx = x; xx < x + w; xx += 15) if (img.at(menu, xx, yy) === hex) ++n;
    return n;
  };
  z.check(count(120, 120, 3495, 495, '8080ff') > 20, 'no title in its colour');
  z.check(count(1440, 600, 1815, 225, '0000ff') > 5, 'no version line in blue');
  // The separator at y 960 (pixel row 64): one grey row over one white row.
  for (const x of [300, 1500, 3000]) {
    z.check(img.at(menu, x, 960) === '808080' && img.at(menu, x, 975) === 'ffffff' &&
            img.at(menu, x, 945) === 'f0f0f0' && img.at(menu, x, 990) === 'f0f0f0',
            `separator at x ${x}: ${img.at(menu, x, 945)} ${img.at(menu, x, 960)} ${img.at(menu, x, 975)} ${img.at(menu, x, 990)}`);
  }

  // ; is the + key of a Japanese keyboard.
  const steps = [];
  for (const key of ['=', ';', '+']) {
    await zoomKey(page, key);
    steps.push((await z.windowOf(page, 'Zemlox')).zoom);
  }
  z.check(steps.join() === '1.25,1.5,2', `zoom steps ${steps}`);
  await z.frames(page, 2);
  menu = await z.windowOf(page, 'Zemlox');
  img = await z.shot(page);
  // At 200 % the separator is two grey device rows over two white ones.
  const rows = [-1, 0, 1, 2, 3, 4].map(d => img.device(Math.round((menu.x + 1500 / 15 * 2)), Math.round(menu.y) + 128 + d));
  z.check(rows.join() === 'f0f0f0,808080,808080,ffffff,ffffff,f0f0f0', `separator at 200 %: ${rows}`);

  // A held key steps once; its repeats stay away from the browser's zoom.
  await page.keyboard.down('Control');
  for (let i = 0; i < 3; ++i) await page.keyboard.down('=');
  await page.keyboard.up('=');
  await page.keyboard.up('Control');
  menu = await z.windowOf(page, 'Zemlox');
  z.check(menu.zoom === 2.5, `a held Ctrl+= did not step once (${menu.zoom})`);

  await zoomKey(page, '0');
  menu = await z.windowOf(page, 'Zemlox');
  z.check(menu.zoom > 2.5, `Ctrl+0 did not fit the page again (${menu.zoom})`);

  // 終わる: the closing screen; its button starts again.
  await z.click(page, menu, ...z.menuButtons.end);
  await page.waitForSelector('#ended:not([hidden])');
  await Promise.all([page.waitForNavigation(), page.click('#ended button')]);
  await z.windowOf(page, 'Zemlox');
  z.check(page.problems.length === 0, `console errors: ${page.problems}`);

  // A screen with two device pixels to a CSS pixel: at 100 % the separator is
  // two grey device rows over two white ones, as at 200 % on a plain screen.
  const sharp = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width: 1280, height: 800, scale: 2});
  await zoom100(sharp);
  await z.frames(sharp, 2);
  menu = await z.windowOf(sharp, 'Zemlox');
  img = await z.shot(sharp);
  const dev = [-1, 0, 1, 2, 3, 4].map(d => img.device(Math.round((menu.x + 1500 / 15) * 2), Math.round(menu.y * 2) + 128 + d));
  z.check(dev.join() === 'f0f0f0,808080,808080,ffffff,ffffff,f0f0f0', `separator at devicePixelRatio 2: ${dev}`);
});
