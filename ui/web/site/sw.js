// The service worker: keeps this build's files and answers from them, so
// Zemlox starts with no network. VERSION, NEEDED and LATER (each file's
// sha-256) are put above by scripts/offline-list.py. A new build is kept
// beside the old one, and takes over only once every file it needs has
// arrived with the listed bytes; the page is told when that fails, and why.
'use strict';
const scope = self.registration.scope;
const sums = new Map(Object.entries({...NEEDED, ...LATER}).map(([name, sum]) => [new URL(name, scope).href, sum]));
// A browser that unpacks the program itself starts from its .gz files,
// another from the files as they are; those it does not start from are later
// files to it.
const unpacks = typeof DecompressionStream === 'function';
const needed = Object.keys(NEEDED).filter(n => (unpacks ? !(`${n}.gz` in NEEDED) : !(n.endsWith('.gz') && n.slice(0, -3) in NEEDED)));
const laterNames = [...Object.keys(LATER), ...Object.keys(NEEDED).filter(n => !needed.includes(n))];
const later = new Set(laterNames.map(name => new URL(name, scope).href));

class Failure extends Error {
  constructor(file, why) { super(`${file}: ${why}`); Object.assign(this, {file, why}); }
}

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(digest, b => b.toString(16).padStart(2, '0')).join('');
}

// A response's body; when no byte comes for 15 s (a file cut while the
// server sent it, with its old length promised) the try fails, rather than
// leaving this worker installing for good, which would keep every later
// update check from trying again.
async function bodyOf(response, abort) {
  if (!abort) return response.arrayBuffer();
  const reader = response.body.getReader(), parts = [];
  let timer, length = 0;
  for (;;) {
    clearTimeout(timer);
    timer = setTimeout(abort, 15000);
    const {done, value} = await reader.read().finally(() => clearTimeout(timer));
    if (done) break;
    parts.push(value);
    length += value.length;
  }
  const body = new Uint8Array(length);
  parts.reduce((at, part) => (body.set(part, at), at + part.length), 0);
  return body.buffer;
}

// A stored copy of the response when its body has the listed bytes, else
// null. The program's .wasm keeps its own type, whatever the server said, so
// that it compiles as it streams from the cache.
async function checked(response, url, abort) {
  const body = await bodyOf(response, abort);
  if (await sha256(body) !== sums.get(url)) return null;
  const headers = new Headers(response.headers);
  if (url.endsWith('.wasm')) headers.set('content-type', 'application/wasm');
  return new Response(body, {status: 200, headers});
}

// A file as an earlier build kept it, when its bytes have not changed.
async function kept(url) {
  for (const key of await caches.keys()) {
    const hit = key.startsWith('zemlox-') && await (await caches.open(key)).match(url);
    const copy = hit && await checked(hit, url);
    if (copy) return copy;
  }
  return null;
}

// A file from the server, past the browser's HTTP cache, whose copy a server
// sending only Last-Modified would have it take for fresh: first asking
// whether that copy is current, then, when it does not have the listed bytes
// (a copy caught half-way within one second of the server's clock), afresh.
async function fetched(url, name) {
  for (const cache of ['no-cache', 'reload']) {
    const stop = new AbortController(), abort = () => stop.abort();
    const timer = setTimeout(abort, 15000);
    const response = await fetch(url, {cache, signal: stop.signal}).catch(() => { throw new Failure(name, 'network'); })
      .finally(() => clearTimeout(timer));
    if (!response.ok) throw new Failure(name, String(response.status));
    const copy = await checked(response, url, abort).catch(() => { throw new Failure(name, 'network'); });
    if (copy) return copy;
  }
  throw new Failure(name, 'different');
}

async function store(cache, url, response, name) {
  try {
    await cache.put(url, response);
  } catch (e) {
    throw new Failure(name, e.name === 'QuotaExceededError' ? 'quota' : 'storage');
  }
}

async function tell(message) {
  for (const client of await self.clients.matchAll({type: 'window', includeUncontrolled: true}))
    client.postMessage({zemloxOffline: message});
}

// Every file the program needs to start, checked, or no new version at all:
// the old one stays in use whole. What a failed try stored is kept for the
// next try, which a later page load makes. The page is told when this try
// began: one that began before the page was asked for may have met a copy
// of the site not yet finished.
self.addEventListener('install', event => event.waitUntil((async () => {
  const began = Date.now(), cache = await caches.open(VERSION);
  try {
    await Promise.all(needed.map(async name => {
      const url = new URL(name, scope).href;
      if (await cache.match(url)) return;
      await store(cache, url, await kept(url) || await fetched(url, name), name);
    }));
  } catch (e) {
    if (e.why === 'quota') await caches.delete(VERSION);
    await tell({failed: true, file: e.file || '', why: e.why || e.name, began});
    throw e;
  }
  // Later files an earlier build kept, unchanged, stay; the others come when asked for.
  await Promise.all(laterNames.map(async name => {
    const url = new URL(name, scope).href;
    const copy = !(await cache.match(url)) && await kept(url);
    if (copy) await cache.put(url, copy).catch(() => {});
  }));
  await self.skipWaiting();
})()));

// Complete, the new version takes over and the old ones go.
self.addEventListener('activate', event => event.waitUntil((async () => {
  for (const key of await caches.keys()) if (key.startsWith('zemlox-') && key !== VERSION) await caches.delete(key);
  await self.clients.claim();
  await tell({ready: true});
})()));

// The page itself from the server when there is one (a new build shows at
// once), from the cache otherwise; the program's files from the cache; a
// later file, checked, kept the first time it is fetched.
self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const url = new URL(request.url);
  url.search = url.hash = '';
  if (url.href.startsWith(scope) && url.pathname.endsWith('/')) url.pathname += 'index.html';
  if (!sums.has(url.href) && request.mode !== 'navigate') return;
  event.respondWith((async () => {
    const cache = await caches.open(VERSION);
    const hit = await cache.match(url.href);
    if (hit && request.mode !== 'navigate') return hit;
    let response;
    try {
      response = await fetch(request.mode === 'navigate' ? new Request(request, {cache: 'no-cache'}) : request);
    } catch (e) {
      if (hit) return hit;
      throw e;
    }
    if (!response.ok && response.type !== 'opaqueredirect' && hit) return hit;
    if (response.ok && later.has(url.href))
      event.waitUntil(checked(response.clone(), url.href).then(copy => copy && cache.put(url.href, copy)).catch(() => {}));
    return response;
  })());
});
