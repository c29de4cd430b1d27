// A static web server as schools run them, misconfigured on purpose: a
// folder served as files, with the faults a test asks for. It sends
// Last-Modified from each file's time and no Cache-Control, and answers
// If-Modified-Since with 304, as most plain static servers do.
//   serve(dir, {types: {'.wasm': 'application/octet-stream'}}) — a wrong or unknown type
//   serve(dir, {unknown: ['.wasm']}) — 404 for an extension it has no type for (IIS)
//   serve(dir, {missing: ['zemlox.js']}) — 404 for these paths
//   serve(dir, {files: {'zemlox.wasm': '/elsewhere/zemlox.wasm'}}) — a path answered from another file
//   serve(dir, {stall: ['fonts/a.woff2']}) — these paths never answered
//   serve(dir, {halfway: ['zemlox.wasm']}) — half of these files sent, the rest never (while in the array);
//     each such answer begun is listed in `stalled`
// `log` lists every path asked for; `pageLog` leaves out what the service
// worker asked for (its requests name sw.js as their referrer).
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

// The types a well-set server sends; the tests' plain server (lib.mjs) sends them too.
export const known = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
               '.woff2': 'font/woff2', '.bmp': 'image/bmp', '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
               '.webmanifest': 'application/manifest+json', '.wasm': 'application/wasm', '.json': 'application/json'};

export async function serve(dir, {types = {}, unknown = [], missing = [], files = {}, stall = [], halfway = []} = {}) {
  const root = path.resolve(dir);
  const log = [], pageLog = [], stalled = [];
  const server = http.createServer((req, res) => {
    let p = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
    if (p === '' || p.endsWith('/')) p += 'index.html';
    const ext = path.extname(p);
    const file = files[p] || path.join(root, p);
    log.push(p);
    if (!/\/sw\.js$/.test(req.headers.referer || '')) pageLog.push(p);
    if (stall.includes(p)) return;
    const type = ext in types ? types[ext] : known[ext];
    if (missing.includes(p) || unknown.includes(ext) || (!files[p] && !file.startsWith(root + path.sep)) ||
        !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404, {'content-type': 'text/html'});
      res.end('<h1>404 Not Found</h1>');
      return;
    }
    const mtime = new Date(Math.floor(fs.statSync(file).mtimeMs / 1000) * 1000);
    const since = Date.parse(req.headers['if-modified-since'] || '');
    if (!Number.isNaN(since) && since >= mtime.getTime()) { res.writeHead(304); res.end(); return; }
    res.writeHead(200, {'content-type': type || 'application/octet-stream', 'last-modified': mtime.toUTCString(),
                        'content-length': fs.statSync(file).size});
    if (halfway.includes(p)) stalled.push(p), res.write(fs.readFileSync(file).subarray(0, fs.statSync(file).size >> 1));
    else fs.createReadStream(file).pipe(res);
  });
  await new Promise(r => server.listen(0, '127.0.0.1', r));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const close = () => new Promise(r => { server.close(r); server.closeAllConnections(); });
  return {url, port: server.address().port, log, pageLog, stalled, close};
}
