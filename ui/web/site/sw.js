// The service worker: keeps this build's files (VERSION and FILES are put
// above by scripts/build-web.sh) and answers from them, so an installed
// Zemlox starts with no network. A new build replaces the old cache.
self.addEventListener('install', event => {
  event.waitUntil(caches.open(VERSION).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(keys => Promise.all(keys.filter(k => k !== VERSION).map(k => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(VERSION)
    .then(cache => cache.match(event.request, {ignoreSearch: true}))
    .then(hit => hit || fetch(event.request)));
});
