// Served over http: the page asks nothing of any other origin, offers its
// web-app manifest, and once its service worker has installed it starts
// again with the web server gone.
import * as z from './lib.mjs';

await z.run('offline', async browser => {
  const server = await z.serve();
  const page = await browser.newPage();
  const foreign = [];
  const own = [server.url, 'data:'];
  page.on('request', r => { if (!own.some(o => r.url().startsWith(o))) foreign.push(r.url()); });
  await page.goto(server.url);
  await z.windowOf(page, 'Zemlox');
  // Offered once the menu is up: its icons are nothing the menu needs.
  const manifest = await page.waitForFunction(() => document.querySelector('link[rel=manifest]'), {timeout: 5000})
    .then(() => page.evaluate(async () => (await fetch(document.querySelector('link[rel=manifest]').href)).json()), () => null);
  z.check(manifest && manifest.short_name === 'Zemlox' && manifest.icons.length > 0, 'no web-app manifest');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  z.check(foreign.length === 0, `requests to other places: ${foreign}`);
  server.close();
  await page.setOfflineMode(true);
  await page.reload();
  await z.windowOf(page, 'Zemlox');
  const menu = await z.windowOf(page, 'Zemlox');
  await z.click(page, menu, ...z.menuButtons.pwave);
  await z.windowOf(page, '縦波(Ｐ波)のシミュレーション ');
});
