// Served over http(s), the site can be installed and run offline: the
// manifest and the service worker, both once the menu is up (the manifest's
// icons are nothing the menu needs). When it cannot be, a quiet note beside
// the windows says why (#offline-note); that plain http allows neither is
// said once to a browser, not at every visit. A copy kept offline whose
// folder is gone from the server says so. Opened from a folder (file://)
// neither applies, and nothing is fetched.
'use strict';
(() => {
  if (location.protocol !== 'http:' && location.protocol !== 'https:') return;
  const files = (window.zxSite && window.zxSite.files) || {};

  const note = text => {
    const el = document.getElementById('offline-note');
    if (!el) return;
    el.textContent = text;
    el.hidden = !text;
  };
  const once = (key, text) => {
    try {
      if (localStorage.getItem(key)) return;
      localStorage.setItem(key, '1');
    } catch (e) { /* no storage: said every time */ }
    note(text);
  };
  const reason = ({file, why}) => ({
    quota: 'このブラウザーの保存領域が足りません',
    network: `${file} を取得できませんでした（通信エラー）`,
    different: `${file} の中身がこの版のものと違います（コピーの途中か、別の版のファイルです）`,
  })[why] || (/^\d+$/.test(why) ? `${file} をサーバーから取得できませんでした（HTTP ${why}）` : `${file} を保存できませんでした`);

  // What the worker's install says: why this build could not be kept, or
  // that it now is. A try that began before this page was asked for may have
  // met the server half-way through a copy, and while it ran the browser
  // skipped the check for a new version that loading this page makes: that
  // check is made once more, and its own try tells how it went.
  let checked = false;
  if (window.isSecureContext && 'serviceWorker' in navigator) navigator.serviceWorker.onmessage = e => {
    const m = e.data && e.data.zemloxOffline;
    if (!m) return;
    if (m.failed && m.began < performance.timeOrigin && !checked) {
      checked = true;
      navigator.serviceWorker.getRegistration().then(r => r && r.update()).catch(() => {});
    } else if (m.ready) note('');
    else if (navigator.serviceWorker.controller) note(`新しい版をオフライン用に保存できませんでした。${reason(m)}。オフラインでは前の版が使えます。`);
    else note(`オフラインでは使えません。${reason(m)}。`);
  };

  // The worker answers from its copy when the server has none: the folder
  // was deleted or moved. Its own file, which it never keeps, tells.
  const gone = () => fetch('sw.js', {cache: 'no-store', method: 'HEAD'}).then(r => {
    if (r.status === 404 || r.status === 410)
      note('この Zemlox は、サーバーから消されたフォルダーの古いコピーです。新しいアドレスを先生に聞いてください。');
  }, () => {});

  const start = () => {
    const link = document.createElement('link');
    link.rel = 'manifest';
    link.href = files['manifest.webmanifest'] || 'manifest.webmanifest';
    document.head.appendChild(link);
    if (!window.isSecureContext) {
      once('zemlox-http-said', 'http で開いているため、オフラインでの利用とアプリとしてのインストールはできません（https が必要です）。');
      return;
    }
    if (!('serviceWorker' in navigator)) {
      note('このブラウザーでは、オフラインでの利用はできません。');
      return;
    }
    if (navigator.serviceWorker.controller && navigator.onLine !== false) gone();
    navigator.serviceWorker.register('sw.js').catch(e => {
      if (!navigator.serviceWorker.controller)
        note(e.name === 'SecurityError' ? 'このブラウザーの設定では、オフラインでの利用はできません。'
                                        : 'オフラインでは使えません。sw.js を読み込めませんでした。');
    });
  };
  // Once the menu has been shown (or the start's message), when the page is
  // idle: the worker's first install fetches and checks every file of the
  // program, which would otherwise compete with its start.
  const idle = () => (window.requestIdleCallback ? requestIdleCallback(start, {timeout: 1000}) : setTimeout(start, 100));
  if (window.zxStart) window.zxStart.settled.then(() => requestAnimationFrame(() => setTimeout(idle)));
  else if (document.readyState === 'complete') idle();
  else window.addEventListener('load', idle);
})();
