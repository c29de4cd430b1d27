// The observation window as the browser paints it from the window layer's
// paint lists: at every page size the hypocentre's name 「　震源」 stands
// on one line, and after a run neither view keeps a pixel of a ring (the
// stations' blue border excepted, counted before the run).
import * as z from './lib.mjs';

const caption = '地震計の記録';
const plan = [120, 1080, 6135, 3615], section = [120, 4680, 6135, 1815];

// Device pixels of a rectangle in twips of the window's client area.
function deviceRect(img, win, [x, y, w, h]) {
  const a = z.at(win, x, y), b = z.at(win, x + w, y + h);
  return [a.x, a.y, b.x, b.y].map(v => Math.round(v * img.dpr));
}

function count(img, win, rect, pred) {
  const [x0, y0, x1, y1] = deviceRect(img, win, rect);
  let n = 0;
  for (let y = y0; y < y1; ++y)
    for (let x = x0; x < x1; ++x) {
      const i = (y * img.width + x) * 4;
      n += pred(img.data[i], img.data[i + 1], img.data[i + 2], y - y0) ? 1 : 0;
    }
  return n;
}

const ringP = (r, g, b) => r === 255 && g === 0 && b === 255, ringS = (r, g, b) => r === 0 && g === 0 && b === 255;

await z.run('paint', async browser => {
  for (const [width, height] of [[1280, 800], [1366, 768], [1024, 768], [768, 1024]]) {
    const page = await z.openProgram(browser, 'file://' + z.site + '/index.html', {width, height});
    const win = await z.openLesson(page, 'kansoku', caption);
    let img = await z.shot(page);
    // The label's text is dark red (0xC0, 0, 0); two lines would stand
    // taller than one line of 8.25 pt text.
    const ink = [];
    const [x0, y0, x1, y1] = deviceRect(img, win, section);
    for (let y = y0; y < y1; ++y)
      for (let x = x0; x < x1; ++x) {
        const i = (y * img.width + x) * 4, [r, g, b] = img.data.subarray(i, i + 3);
        if (r >= 150 && r <= 210 && g < 60 && b < 60) ink.push(y);
      }
    const tall = ink.length ? Math.max(...ink) - Math.min(...ink) + 1 : 0;
    const line = 11 * 1.25 * win.zoom * img.dpr;
    console.log(`  ${width}x${height} at ${win.zoom.toFixed(3)}: 「　震源」 ink ${tall} px tall, one line ${line.toFixed(1)}`);
    z.check(tall > 0 && tall <= line, `「　震源」 is not on one line at ${width}x${height}`);
    if (width === 1280) {
      const before = [plan, section].map(v => [count(img, win, v, ringP), count(img, win, v, ringS)]);
      await z.click(page, win, 3000 + 487, 6600 + 187);
      await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
        .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
      await z.frames(page, 3);
      img = await z.shot(page);
      const after = [plan, section].map(v => [count(img, win, v, ringP), count(img, win, v, ringS)]);
      console.log(`  ring pixels after the run (P, S; plan, section): ${JSON.stringify(after)}, before ${JSON.stringify(before)}`);
      z.check(JSON.stringify(after) === JSON.stringify(before), 'rings left after the run');
    }
    z.check(page.problems.length === 0, `console errors: ${page.problems}`);
    await page.close();
  }
});
