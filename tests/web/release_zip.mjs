// The release zip unzipped onto a web server: serves ROOT, as a school's
// static server would, and opens PATH (the zip's folder) in Chromium until
// the menu window shows, with no request failing on the way.
//   node release_zip.mjs ROOT PATH       (run by tests/e2e/release_e2e.sh)
import * as z from './lib.mjs';
import {serve} from './school_server.mjs';

const [root, folder] = process.argv.slice(2);
await z.run('release zip', async browser => {
  const server = await serve(root);
  const failed = [];
  try {
    const page = await browser.newPage();
    page.on('response', r => { if (r.status() >= 400) failed.push(`${r.status()} ${r.url()}`); });
    page.on('requestfailed', r => failed.push(`${r.failure().errorText} ${r.url()}`));
    await page.goto(server.url + folder);
    await z.windowOf(page, 'Zemlox', 60000);
    z.check(failed.length === 0, `requests failed: ${failed.join(', ')}`);
  } finally {
    await server.close();
  }
});
