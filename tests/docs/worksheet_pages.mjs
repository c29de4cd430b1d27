// Prints every built worksheet in headless Chromium once with each Japanese
// font family a pupil's device falls back to here (IPA, Noto CJK as on a
// Chromebook) and counts the pages: each must be one A4 page, with room to
// spare for a font that sets its lines a little taller.
//   node worksheet_pages.mjs BUILT_FOLDER [FOLDER_FOR_THE_PDFS]
import {createRequire} from 'node:module';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

const require = createRequire(new URL('../web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');
const [dir, keep] = process.argv.slice(2).map(p => path.resolve(p));
const fonts = {ipa: 'IPAPGothic', noto: 'Noto Sans CJK JP'};
// A sheet must end this far above the A4 page's 297 mm: about one more
// line of ふりがな text, for fonts this machine does not have.
const spareMm = 6;
const pxPerMm = 96 / 25.4;

const sheets = fs.readdirSync(dir).filter(f => /^worksheet.*\.html$/.test(f)).sort();
let failed = sheets.length < 4;
if (failed) console.log(`FAIL: only ${sheets.length} worksheets in ${dir}`);
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
                                        args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none']});
try {
  const page = await browser.newPage();
  await page.setViewport({width: Math.round(210 * pxPerMm), height: 1100});
  await page.emulateMediaType('print');
  const cdp = await page.createCDPSession();
  for (const sheet of sheets) {
    for (const [tag, family] of Object.entries(fonts)) {
      await page.goto('file://' + path.join(dir, sheet));
      await page.addStyleTag({content: `body, body * { font-family: "${family}" !important; }`});
      await page.evaluate(() => document.fonts.ready);
      // The font Chromium really drew the heading with: a missing family
      // would fall back silently and the count would test the wrong font.
      await cdp.send('DOM.enable');
      await cdp.send('CSS.enable');
      const {root} = await cdp.send('DOM.getDocument');
      const {nodeId} = await cdp.send('DOM.querySelector', {nodeId: root.nodeId, selector: 'h1'});
      const used = (await cdp.send('CSS.getPlatformFontsForNode', {nodeId})).fonts.map(f => f.familyName);
      const heightMm = await page.evaluate(() => document.body.getBoundingClientRect().height) / pxPerMm;
      const pdf = await page.pdf({preferCSSPageSize: true, printBackground: true});
      const file = path.join(keep || fs.mkdtempSync('/tmp/worksheet-'), `${sheet.replace('.html', '')}-${tag}.pdf`);
      fs.writeFileSync(file, pdf);
      const info = execFileSync('pdfinfo', [file], {encoding: 'utf8'});
      const pages = Number(/^Pages:\s+(\d+)/m.exec(info)[1]);
      const size = /^Page size:\s+([\d.]+) x ([\d.]+)/m.exec(info).slice(1).map(pt => Math.round(pt / 72 * 25.4));
      const spare = 297 - heightMm;
      const bad = [!used.includes(family) && `drawn in ${used.join(', ')}`, pages !== 1 && `${pages} pages`,
                   (size[0] !== 210 || size[1] !== 297) && `${size.join(' x ')} mm`,
                   spare < spareMm && `${spare.toFixed(1)} mm spare, under ${spareMm}`].filter(Boolean);
      console.log(`${bad.length ? 'FAIL' : 'ok  '} ${sheet} in ${family}: ${pages} page, ${spare.toFixed(1)} mm spare` +
                  (bad.length ? ` (${bad.join('; ')})` : ''));
      failed ||= bad.length > 0;
    }
  }
} finally {
  await browser.close();
}
process.exit(failed ? 1 : 0);
