// A teacher's link in Chromium and in WebKit (every iPad browser's engine):
// a pupil's link with a hidden hypocentre opens the observation window with
// its stations where the link puts them, names the lesson in the tab, keeps
// the guide's door and the link button from the pupil and names no
// hypocentre; a cut link opens the opening layout and says so in one line.
// WebKit needs an X display. Run: node tests/web/class.test.mjs
import * as z from './lib.mjs';
import {webkit} from './engines.mjs';

const pupilLink = 'kansoku&obs=1020,2960;2220,2360;1020,1760;1020,1160;1020,560&foc=3000,900&mag=3&speed=50' +
  '&pupil=1&hide=1&v=1';
const badMessage = 'リンクの配置を読み取れなかったので、はじめの配置で開きました。';

// What the page shows of the class: the tab's title, the bar, and the
// markers' names with their places in layout pixels of the window.
const state = () => {
  const w = [...document.querySelectorAll('.zx-window')].find(e => e.style.display !== 'none' &&
    e.getAttribute('aria-label') === '地震計の記録');
  if (!w || !document.querySelector('.zx-item[aria-label="A点"]')) return null;
  const zoom = +w.dataset.zoom;
  const markers = {};
  for (const m of w.querySelectorAll('.zx-item[aria-label]')) {
    const r = m.getBoundingClientRect();
    if (m.style.display !== 'none' && r.width) markers[m.getAttribute('aria-label')] = r.left / zoom;
  }
  return {title: document.title, door: document.getElementById('guide-door').hidden,
          share: document.getElementById('share-door').hidden, markers, text: w.textContent};
};

async function chromium() {
  const browser = await z.launch();
  const page = await browser.newPage();
  await page.setViewport({width: 1280, height: 800});
  return {name: 'Chromium', goto: url => page.goto(url), eval: (fn, ...a) => page.evaluate(fn, ...a),
          close: () => browser.close()};
}

async function until(eng, what) {
  for (let i = 0; i < 300; ++i) {
    const s = await eng.eval(state);
    if (s) return s;
    await z.sleep(50);
  }
  throw new Error(`${eng.name}: the observation window did not open for ${what}`);
}

const server = await z.serve();
let failed = 0;
for (const open of [chromium, webkit]) {
  const eng = await open();
  const name = `${eng.name}: a pupil's link and a cut one`;
  try {
    await eng.goto(`${server.url}#${pupilLink}`);
    const s = await until(eng, 'a pupil link');
    z.check(s.title === '地震観測シミュレーション', `the tab says ${s.title}`);
    z.check(s.door && s.share, 'the guide or the link button shows on a pupil\'s page');
    // B stands 1200 twips (80 layout pixels) right of A.
    z.check(Math.abs(s.markers['B点'] - s.markers['A点'] - 80) <= 1, `B stands ${s.markers['B点'] - s.markers['A点']} px right of A`);
    z.check(!('震源' in s.markers) && '震央の予想' in s.markers, `markers: ${Object.keys(s.markers)}`);
    await eng.goto(`${server.url}index.html#${pupilLink.slice(0, 40)}`);
    const cut = await until(eng, 'a cut link');
    z.check(cut.text.includes(badMessage), 'a cut link opened without a word');
    z.check(Math.abs(cut.markers['B点'] - cut.markers['A点']) <= 1 && '震源' in cut.markers, 'a cut link kept a layout of its own');
    z.check(!cut.door && !cut.share, 'a teacher\'s cut link lost the guide or the link button');
    console.log(`${name}: ok`);
  } catch (e) {
    console.error(`${name}: FAILED: ${e.stack || e}`);
    failed++;
  }
  await eng.close();
}
server.close();
process.exit(failed ? 1 : 0);
