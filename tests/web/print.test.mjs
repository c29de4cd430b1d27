// 印刷 in the browser, served by a local web server: after a run, the print
// view holds the report page, and its PDF (page.pdf of the print view) is one
// A4 portrait page whose texts stand where the desktop's report puts them
// (pdftotext -bbox, relative to "Zemlox", within 1 pt), with nothing else of
// the page on it.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as z from './lib.mjs';
import {zoom100} from './zoom-keys.mjs';

// Where the page puts every text, in points, for the design layout (the
// rows the desktop's printing test checks too).
const expected = fs.readFileSync(new URL('../e2e/report_positions.txt', import.meta.url), 'utf8').trim().split('\n')
  .map(l => l.split(' ')).map(([t, x, y]) => ({t, x: +x, y: +y}));

await z.run('print', async browser => {
  const server = await z.serve();
  try {
    const page = await z.openProgram(browser, server.url, {width: 1280, height: 800});
    await zoom100(page);
    const win = await z.openLesson(page, 'kansoku', '地震計の記録');
    await z.click(page, win, 3000 + 487, 6600 + 187);
    await page.waitForFunction(() => [...document.querySelectorAll('.zx-button')]
      .some(b => b.textContent === '印刷' && b.style.display !== 'none'), {timeout: 30000});
    // Headless Chromium has no print dialog to answer: count its openings
    // instead, and keep the name the dialog would give the document.
    await page.evaluate(() => {
      window.print = () => { window.printDialogs = (window.printDialogs || 0) + 1; window.printTitle = document.title; };
    });
    await z.click(page, win, 4080 + 487, 7080 + 187);
    await page.waitForFunction(() => window.printDialogs === 1);
    z.check(await page.evaluate(() => window.printTitle) === '地震観測の記録', 'the print dialog has not the report\'s name');
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-print-'));
    const pdf = path.join(dir, 'report.pdf');
    await page.pdf({path: pdf, preferCSSPageSize: true, printBackground: false});
    const info = execFileSync('pdfinfo', [pdf]).toString();
    z.check(/Pages:\s+1\n/.test(info), `not one page: ${info}`);
    z.check(/Page size:\s+59\d\.\d+ x 84\d\.\d+ pts \(A4\)/.test(info), `not A4 portrait: ${info}`);
    const html = execFileSync('pdftotext', ['-bbox', pdf, '-']).toString();
    const words = [...html.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<\/word>/g)]
      .map(m => ({x: +m[1], y: +m[2], t: m[3]}));
    const zemlox = words.filter(w => w.t === 'Zemlox');
    z.check(zemlox.length === 1, `Zemlox appears ${zemlox.length} times`);
    z.check(!words.some(w => w.t === 'メニュー' || w.t === '閉じる'), 'something of the screen is printed');
    let worst = 0;
    for (const e of expected) {
      const best = Math.min(...words.filter(w => w.t === e.t).map(w =>
        Math.max(Math.abs(w.x - zemlox[0].x - (e.x - 10)), Math.abs(w.y - zemlox[0].y - (e.y - 29)))));
      z.check(best <= 1, `${e.t} is ${best} pt off (or missing)`);
      worst = Math.max(worst, best);
    }
    // And the page itself starts where the desktop's does, a quarter inch in
    // from the sheet's corner: Zemlox at (18 + 10, 18 + 29).
    z.check(Math.abs(zemlox[0].x - 28) <= 1 && Math.abs(zemlox[0].y - 47) <= 1.5,
            `Zemlox at (${zemlox[0].x}, ${zemlox[0].y})`);
    console.log(`  ${expected.length} texts, largest deviation ${worst.toFixed(3)} pt; Zemlox at (${zemlox[0].x}, ${zemlox[0].y})`);
    z.check(page.problems.length === 0, `console errors: ${page.problems}`);
    if (process.env.PRINT_PDF) fs.copyFileSync(pdf, process.env.PRINT_PDF);
    fs.rmSync(dir, {recursive: true});
  } finally {
    server.close();
  }
});
