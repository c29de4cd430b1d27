// The site as the browser benchmarks serve it: the built site with the
// benchmark's own build of the program (zemlox_bench_site, with the hooks of
// bench_hooks.cpp) under the names the page fetches, zemlox.js and
// zemlox.wasm; the shipped program has no benchmark code.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const root = new URL('../..', import.meta.url).pathname;

// Paths to serve in place of the site's, for tests/web/lib.mjs's serve().
export function benchProgram() {
  const cmake = path.join(root, 'build-web/cmake');
  execFileSync('cmake', ['--build', cmake, '--target', 'zemlox_bench_site'],
               {stdio: ['ignore', 'ignore', 'inherit'], env: {...process.env, NODE_PATH: '/usr/share/nodejs'}});
  const js = path.join(cmake, 'app/zemlox_bench.js'), wasm = path.join(cmake, 'app/zemlox_bench.wasm');
  // Gzipped too, as the page asks for them first.
  for (const f of [js, wasm]) fs.writeFileSync(`${f}.gz`, zlib.gzipSync(fs.readFileSync(f), {level: 9}));
  // The bench script asks for its own name should the page not hand it the program.
  return {'/zemlox.js': js, '/zemlox.wasm': wasm, '/zemlox.js.gz': `${js}.gz`, '/zemlox.wasm.gz': `${wasm}.gz`, '/zemlox_bench.wasm': wasm};
}
