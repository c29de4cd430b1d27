// Served over http(s), the site can be installed and run offline: the
// manifest and the service worker. Opened from a folder (file://) neither
// applies, and nothing is fetched.
'use strict';
if (location.protocol === 'http:' || location.protocol === 'https:') {
  const link = document.createElement('link');
  link.rel = 'manifest';
  link.href = 'manifest.webmanifest';
  document.head.appendChild(link);
  // Once the page has loaded: the worker's first install fetches every file
  // of the site, which would otherwise compete with the program's start.
  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
}
