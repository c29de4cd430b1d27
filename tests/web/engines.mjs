// The browser engines beside Chromium, behind one small page interface:
// Firefox ESR through puppeteer-core over WebDriver BiDi, and WebKit
// (WebKitGTK's MiniBrowser) through WebKitWebDriver with selenium-webdriver,
// on the X display the caller provides. Each page collects its console
// errors and uncaught exceptions in problems() (a promise).
import {spawn} from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import webdriver from 'selenium-webdriver';

export const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

export const launchFirefox = (prefs = {}) =>
  puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, extraPrefsFirefox: prefs});

// With `pdf`, Firefox prints with no dialog into that file, as a pupil who
// picks "PDF に保存" does.
export async function firefox({width = 1280, height = 800, pdf = null} = {}) {
  const prefs = pdf ? {
    'print.always_print_silent': true, 'print.show_print_progress': false, print_printer: 'Mozilla Save to PDF',
    'print.printer_Mozilla_Save_to_PDF.print_to_file': true, 'print.printer_Mozilla_Save_to_PDF.print_to_filename': pdf,
  } : {};
  const browser = await launchFirefox(prefs);
  const page = await browser.newPage();
  const problems = [];
  page.on('console', m => { if (m.type() === 'error') problems.push(m.text()); });
  page.on('pageerror', e => problems.push(String(e)));
  await page.setViewport({width, height});
  return {
    name: 'Firefox',
    pdf,
    goto: url => page.goto(url),
    eval: (fn, ...args) => page.evaluate(fn, ...args),
    click: (x, y) => page.mouse.click(x, y),
    move: (x, y) => page.mouse.move(x, y),
    screenshot: () => page.screenshot({type: 'png'}),
    problems: async () => problems,
    close: () => browser.close(),
  };
}

// A port of 127.0.0.1 that nothing listens on.
export async function freePort() {
  const s = net.createServer();
  await new Promise(r => s.listen(0, '127.0.0.1', r));
  const {port} = s.address();
  await new Promise(r => s.close(r));
  return port;
}

// WebKitWebDriver starts MiniBrowser itself, with no way to read what it
// prints: a wrapper starts it with the page's console written to stdout,
// into a log this reads the console errors from. It also draws canvases
// without the GPU: on a machine that has none, GL is Mesa's software
// renderer, and canvases drawn and read back through it beside the
// compositor's own GL crash WebKitGTK's web process now and then (a segfault
// in swrast_dri.so's compositor thread, which the driver passes on as "Could
// not parse script result" and then a deleted session). The pages automation opens
// may not write there, so each page also collects its console errors and
// uncaught exceptions from the moment it has loaded.
// With `proxy`, every request goes to that http proxy.
export async function webkit({width = 1280, height = 800, proxy = ''} = {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zemlox-webkit-'));
  const log = path.join(dir, 'console.log');
  const wrapper = path.join(dir, 'minibrowser');
  fs.writeFileSync(wrapper, `#!/bin/sh\nexec ${miniBrowser} --enable-write-console-messages-to-stdout=true --enable-2d-canvas-acceleration=false ${
    proxy ? `--proxy=${proxy} ` : ''}"$@" >>${log} 2>&1\n`);
  fs.chmodSync(wrapper, 0o755);
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore'});
  let d = null;
  for (let i = 0; i < 50 && !d; ++i) {
    try {
      d = await new webdriver.Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': {binary: wrapper, args: ['--automation']},
      }).build();
    } catch (e) {
      if (i === 49) throw e;
      await new Promise(r => setTimeout(r, 200));
    }
  }
  await d.manage().window().setRect({width, height});
  const errors = [];
  const collect = () => d.executeScript(() => {
    const e = window.zxErrors || [];
    window.zxErrors = [];
    return e;
  }).then(e => errors.push(...e), () => {});
  const act = build => build(d.actions()).perform();
  const Origin = webdriver.Origin;
  const at = (x, y) => ({x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT});
  return {
    name: 'WebKit',
    goto: async url => {
      await collect();
      await d.get(url);
      await d.executeScript(() => {
        window.zxErrors = [];
        const error = console.error.bind(console);
        console.error = (...a) => { window.zxErrors.push(a.map(String).join(' ')); error(...a); };
        window.addEventListener('error', e => window.zxErrors.push(String(e.message)));
        window.addEventListener('unhandledrejection', e => window.zxErrors.push(String(e.reason)));
      });
    },
    reload: () => d.navigate().refresh(),
    eval: (fn, ...args) => d.executeScript(`return (${fn}).apply(null, arguments);`, ...args),
    click: (x, y) => act(a => a.move(at(x, y)).press().release()),
    move: (x, y) => act(a => a.move(at(x, y))),
    screenshot: async () => Buffer.from(await d.takeScreenshot(), 'base64'),
    problems: async () => {
      await collect();
      const text = fs.existsSync(log) ? fs.readFileSync(log, 'utf8') : '';
      return [...errors, ...text.split('\n').filter(l => / CONSOLE (ERROR|JS ERROR)/.test(l))];
    },
    close: async () => {
      await collect();
      await d.quit().catch(() => {});
      driver.kill();
    },
    driver: d,
  };
}
