// The server settings docs/INSTALL.md gives, pasted as it says into Debian's
// own configurations of nginx, Apache (with and without mod_headers) and
// lighttpd, each on 127.0.0.1: the server's own check passes, and Chromium
// reaches the menu in /zemlox/ with the page and the worker marked no-cache
// and the program typed and compressed, and a compressed file's copy checked
// again gets a 304; the server's other folders and headers are as they were.
import {spawn, execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import * as z from './lib.mjs';
import {freePort} from './engines.mjs';

const doc = fs.readFileSync(new URL('../../docs/INSTALL.md', import.meta.url), 'utf8');
const snippet = lang => {
  const m = new RegExp('```' + lang + '\\n([\\s\\S]*?)```').exec(doc);
  z.check(m, `docs/INSTALL.md has no ${lang} block`);
  return m[1];
};
const tmp = fs.mkdtempSync('/tmp/zemlox-servers-');
fs.chmodSync(tmp, 0o755);  // the servers' workers run as www-data
const www = path.join(tmp, 'www');
fs.cpSync(z.site, path.join(www, 'zemlox'), {recursive: true});
// Another folder of the school's, published under another name.
fs.mkdirSync(path.join(tmp, 'other'));
fs.writeFileSync(path.join(tmp, 'other/index.html'), '<p>other</p>');

const copy = (from, name) => {
  const to = path.join(tmp, name);
  fs.cpSync(from, to, {recursive: true, dereference: true});
  return to;
};
const edit = (file, ...pairs) => {
  let text = fs.readFileSync(file, 'utf8');
  for (let i = 0; i < pairs.length; i += 2) {
    z.check(pairs[i].test(text), `${file}: no ${pairs[i]}`);
    text = text.replace(pairs[i], pairs[i + 1]);
  }
  fs.writeFileSync(file, text);
};
const get = (url, headers = {}) => new Promise((resolve, reject) => {
  http.get(url, {headers}, res => { res.resume(); res.on('end', () => resolve(res)); }).on('error', reject);
});

// Each server: its files under tmp, the command that checks them and the one
// that runs it in the foreground.
const servers = {
  async nginx(port) {
    const dir = copy('/etc/nginx', 'nginx');
    edit(path.join(dir, 'nginx.conf'), /\/etc\/nginx\//g, dir + '/', /^pid .*$/m, `pid ${tmp}/nginx.pid;`,
         /^error_log .*$/m, `error_log ${tmp}/nginx-error.log;`, /access_log .*;/, `access_log ${tmp}/nginx-access.log;`);
    // Debian's default site, with a header for every answer and another
    // folder of the school's; Zemlox's lines go inside its server block.
    edit(path.join(dir, 'sites-enabled/default'), /listen 80 default_server;/, `listen 127.0.0.1:${port} default_server;`,
         /\n\s*listen \[::\]:80 default_server;/, '', /root \/var\/www\/html;/, `root ${www};`,
         /server_name _;/, `server_name _;\n\tadd_header X-Frame-Options SAMEORIGIN;\n\tlocation /other/ { alias ${tmp}/other/; }\n${snippet('nginx')}`);
    const args = ['-p', dir, '-c', path.join(dir, 'nginx.conf')];
    return {check: ['nginx', [...args, '-t']], run: ['nginx', [...args, '-g', 'daemon off;']], other: true};
  },
  async apache(port, headers) {
    const dir = copy('/etc/apache2', `apache2${headers ? '-headers' : ''}`);
    for (const d of ['run', 'lock', 'log']) fs.mkdirSync(path.join(dir, d));
    edit(path.join(dir, 'ports.conf'), /^Listen 80$/m, `Listen 127.0.0.1:${port}`);
    edit(path.join(dir, 'sites-enabled/000-default.conf'), /<VirtualHost \*:80>/, `<VirtualHost *:${port}>`,
         /DocumentRoot \/var\/www\/html/, `DocumentRoot ${www}\n\t<Directory ${www}>\n\t\tRequire all granted\n\t</Directory>`);
    fs.writeFileSync(path.join(dir, 'conf-enabled/zemlox.conf'), snippet('apache').replaceAll('/var/www/html/zemlox', `${www}/zemlox`));
    if (headers) fs.copyFileSync('/etc/apache2/mods-available/headers.load', path.join(dir, 'mods-enabled/headers.load'));
    const env = {...process.env, APACHE_RUN_USER: 'www-data', APACHE_RUN_GROUP: 'www-data', APACHE_PID_FILE: `${dir}/run/pid`,
                 APACHE_RUN_DIR: `${dir}/run`, APACHE_LOCK_DIR: `${dir}/lock`, APACHE_LOG_DIR: `${dir}/log`};
    const args = ['-d', dir, '-f', path.join(dir, 'apache2.conf')];
    return {check: ['apache2', [...args, '-t']], run: ['apache2', [...args, '-DFOREGROUND']], env, noCache: headers};
  },
  async lighttpd(port) {
    const dir = copy('/etc/lighttpd', 'lighttpd');
    // It opens its log once it runs as www-data.
    fs.mkdirSync(path.join(dir, 'log'), {mode: 0o777});
    fs.chmodSync(path.join(dir, 'log'), 0o777);
    edit(path.join(dir, 'lighttpd.conf'), /\/etc\/lighttpd\//g, dir + '/', /^server\.port .*$/m, `server.port = ${port}`,
         /^server\.pid-file .*$/m, `server.pid-file = "${tmp}/lighttpd.pid"`,
         /^server\.errorlog .*$/m, `server.errorlog = "${dir}/log/error.log"`,
         /^server\.document-root .*$/m, `server.document-root = "${www}"`,
         /^include_shell "\/usr\/share\/lighttpd\/use-ipv6\.pl.*$/m, 'server.bind = "127.0.0.1"');
    fs.writeFileSync(path.join(dir, 'conf-enabled/50-zemlox.conf'), snippet('lighttpd'));
    const args = ['-f', path.join(dir, 'lighttpd.conf')];
    return {check: ['lighttpd', ['-tt', ...args]], run: ['lighttpd', ['-D', ...args]]};
  },
};

async function through(browser, name, make) {
  const port = await freePort(), s = await make(port), base = `http://127.0.0.1:${port}`;
  try {
    execFileSync(s.check[0], s.check[1], {env: s.env, stdio: 'pipe'});
  } catch (e) {
    throw new Error(`${name}: its check fails on the notes' lines: ${e.stderr}`);
  }
  const server = spawn(s.run[0], s.run[1], {env: s.env, stdio: ['ignore', 'ignore', 'pipe']});
  let said = '';
  server.stderr.on('data', d => { said += d; });
  try {
    for (let i = 0; ; ++i) {
      if (await get(base + '/').then(() => true, () => false)) break;
      z.check(i < 100 && server.exitCode === null, `${name} did not start: ${said}`);
      await z.sleep(100);
    }
    const page = await browser.newPage();
    await page.goto(`${base}/zemlox/`);
    await z.windowOf(page, 'Zemlox', 20000);
    await page.close();
    const gz = {'accept-encoding': 'gzip, deflate, br'};
    const [folder, index, sw, wasm, manifest, packed] = await Promise.all(['/', 'index.html', 'sw.js', 'zemlox.wasm', 'manifest.webmanifest',
                                                                           'zemlox.wasm.gz']
      .map(f => get(`${base}/zemlox/${f === '/' ? '' : f}`, gz)));
    const h = (r, k) => r.headers[k] || '';
    // The check a browser (or the service worker) makes of a copy it has.
    const again = await get(`${base}/zemlox/zemlox.wasm`, {...gz, 'if-modified-since': h(wasm, 'last-modified'),
                                                           ...(wasm.headers.etag ? {'if-none-match': wasm.headers.etag} : {})});
    const facts = [
      ['the program as application/wasm', h(wasm, 'content-type') === 'application/wasm'],
      ['the program compressed', /gzip|br|deflate/.test(h(wasm, 'content-encoding'))],
      ['the manifest as application/manifest+json', h(manifest, 'content-type').startsWith('application/manifest+json')],
      ['the program with no no-cache', !/no-cache/.test(h(wasm, 'cache-control'))],
      ['its gzipped copy sent', packed.statusCode === 200],
      ['a second request for the compressed program answered 304', again.statusCode === 304],
    ];
    if (s.noCache !== false)
      facts.push(['the page, its folder and the worker no-cache', [folder, index, sw].every(r => /no-cache/.test(h(r, 'cache-control')))]);
    if (s.other) {
      const other = await get(`${base}/other/`);
      facts.push(['another folder answered', other.statusCode === 200],
                 ['the server\'s own header kept', [index, other].every(r => h(r, 'x-frame-options') === 'SAMEORIGIN')]);
    }
    const wrong = facts.filter(([, ok]) => !ok).map(([what]) => what);
    z.check(!wrong.length, `${name}: not so: ${wrong.join('; ')}`);
    console.log(`  ${name}: the menu, ${facts.map(([what]) => what).join(', ')}`);
  } finally {
    server.kill('SIGTERM');
    await new Promise(r => (server.exitCode !== null ? r() : server.on('exit', r)));
  }
}

await z.run('servers', async browser => {
  await through(browser, 'nginx', servers.nginx);
  await through(browser, 'Apache without mod_headers', port => servers.apache(port, false));
  await through(browser, 'Apache with mod_headers', port => servers.apache(port, true));
  await through(browser, 'lighttpd', servers.lighttpd);
});
fs.rmSync(tmp, {recursive: true, force: true});
