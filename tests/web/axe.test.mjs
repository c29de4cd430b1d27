// The page by the web's accessibility rules (axe-core): the menu, and each
// lesson open over it, with no violation. ZEMLOX_AXE_REPORT=1 prints every
// window's count instead of failing.
import {createRequire} from 'node:module';
import * as z from './lib.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const lessons = [['kiroku', '地震計の記録'], ['pwave', '縦波(Ｐ波)のシミュレーション '],
                 ['swave', '横波(Ｓ波)のシミュレーション '], ['wave', '縦波（Ｐ波）・横波(Ｓ波)の比較'],
                 ['wave2', '縦波（Ｐ波）・横波(Ｓ波)の比較'], ['kansoku', '地震計の記録']];

async function audit(page, name, found) {
  await page.addScriptTag({path: axePath});
  const result = await page.evaluate(async () => (await axe.run(document)).violations
    .map(v => `${v.id} (${v.impact}, ${v.nodes.length})`));
  if (process.env.ZEMLOX_AXE_REPORT) console.log(`${name}: ${result.length} violations ${result.join(', ')}`);
  else if (result.length) found.push(`${name}: ${result.join(', ')}`);
}

await z.run('axe', async browser => {
  const server = await z.serve();
  try {
    const page = await z.openProgram(browser, server.url);
    const found = [];
    await audit(page, 'menu', found);
    for (const [button, caption] of lessons) {
      const win = await z.openLesson(page, button, caption);
      await audit(page, button, found);
      if (button === 'kansoku') break;
      await z.click(page, win, ...z.closeButton);
      await z.windowGone(page, caption);
    }
    z.check(found.length === 0, `axe found ${found.join('; ')}`);
  } finally {
    server.close();
  }
});
