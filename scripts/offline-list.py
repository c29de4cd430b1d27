#!/usr/bin/env python3
"""Writes the site's service worker, sw.js: the worker's code
(ui/web/site/sw.js) after the sha-256 of every file of this build, apart in
what the program needs to start (kept before the worker takes over) and what
the page may fetch later (kept as it is fetched). Runs last, after the stamp.

  offline-list.py SITE    writes SITE/sw.js, prints its version
"""
import hashlib
import json
import pathlib
import sys

WORKER = pathlib.Path(__file__).resolve().parent.parent / 'ui/web/site/sw.js'
# What the page loads at every start, its menu or just after it (the QR
# library): any of these missing, and the program could not start offline
# whole. (The worker keeps the program's .gz files or the plain ones,
# whichever its browser loads.)
NEEDED = ['index.html', 'zemlox.js', 'zemlox.wasm', 'zemlox.js.gz', 'zemlox.wasm.gz', 'offline.js',
          'qrcodegen.js', 'manifest.webmanifest', 'fonts/*.woff2', 'assets/*']
# Not for the worker: itself, and the single-file program only a folder opened from disk loads.
SKIPPED = {'sw.js', 'zemlox-file.js'}


def main():
    site = pathlib.Path(sys.argv[1])
    files = sorted(p.relative_to(site).as_posix() for p in site.rglob('*') if p.is_file())
    files = [f for f in files if f not in SKIPPED]
    needed = {f for pattern in NEEDED for f in (p.relative_to(site).as_posix() for p in site.glob(pattern))}
    missing = [p for p in NEEDED if '*' not in p and p not in needed]
    if missing:
        sys.exit(f'offline-list: the site has no {", ".join(missing)}')
    sums = {f: hashlib.sha256((site / f).read_bytes()).hexdigest() for f in files}
    version = hashlib.sha256(''.join(f + sums[f] for f in files).encode()).hexdigest()[:16]
    lists = {'NEEDED': {f: sums[f] for f in files if f in needed},
             'LATER': {f: sums[f] for f in files if f not in needed}}
    head = f"const VERSION = 'zemlox-{version}';\n" + ''.join(
        f'const {name} = {json.dumps(items, indent=0)};\n' for name, items in lists.items())
    (site / 'sw.js').write_text(head + WORKER.read_text(encoding='utf-8'), encoding='utf-8')
    print(f'zemlox-{version}')


if __name__ == '__main__':
    main()
