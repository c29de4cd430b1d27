#!/usr/bin/env python3
"""Names every file of the built site that the page loads with its content's
hash (`file?v=HASH`), so that no browser ever takes an earlier build's copy
from its cache, however the server sets its headers. Gzips the program's two
files beside them (`.gz`), which the page unpacks itself where the browser
can: a server that compresses nothing sends a third of the bytes. Writes the names, the
build's id and the program's sizes into index.html's loader, and the
versioned names into its links and the manifest's icons. Run again after a
file changed (a test's re-stamped build): the old hashes are replaced.

  version-site.py SITE
"""
import gzip
import hashlib
import json
import pathlib
import re
import sys

# Loaded by the page's own name, never renamed: the page, the service worker
# (its address is its identity) and the teacher's guide, opened in a new tab.
FIXED = re.compile(r'^(index\.html|sw\.js|guide/.*|.*\.txt)$')
SIZED = ['zemlox.js', 'zemlox.wasm', 'zemlox-file.js']
PACKED = ['zemlox.js', 'zemlox.wasm']
SITE_JSON = re.compile(r'/\*site\*/\{.*?\}/\*site\*/', re.S)
REF = re.compile(r'''((?:href|src)=["']|url\()([^"')?#]+)(\?v=[0-9a-f]+)?''')


def digest(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()[:12]


def versioned(text, files):
    return REF.sub(lambda m: m.group(1) + files.get(m.group(2), m.group(2)), text)


def main():
    site = pathlib.Path(sys.argv[1])
    for name in PACKED:
        (site / (name + '.gz')).write_bytes(gzip.compress((site / name).read_bytes(), 9, mtime=0))
    names = sorted(p.relative_to(site).as_posix() for p in site.rglob('*') if p.is_file())
    names = [n for n in names if not FIXED.match(n)]
    # The manifest names the icons: they first, then the manifest's own hash.
    files = {n: f'{n}?v={digest(site / n)}' for n in names if n != 'manifest.webmanifest'}
    manifest = site / 'manifest.webmanifest'
    if manifest.exists():
        data = json.loads(manifest.read_text(encoding='utf-8'))
        for icon in data.get('icons', []):
            icon['src'] = files.get(icon['src'].split('?')[0], icon['src'])
        manifest.write_text(json.dumps(data, ensure_ascii=False, indent=2) + '\n', encoding='utf-8')
        files['manifest.webmanifest'] = f'manifest.webmanifest?v={digest(manifest)}'
    build = re.match(r"var ZEMLOX_BUILD = '([^']*)';", (site / 'zemlox.js').read_text(encoding='utf-8'))
    facts = {'build': build.group(1) if build else '', 'files': files,
             'sizes': {n: (site / n).stat().st_size for n in SIZED if (site / n).exists()}}
    index = site / 'index.html'
    html = index.read_text(encoding='utf-8')
    if not SITE_JSON.search(html):
        sys.exit('version-site: index.html has no /*site*/{...}/*site*/ for the loader')
    # The loader reads the build's id off this very text (`{"build": "…"`).
    html = SITE_JSON.sub(lambda m: '/*site*/' + json.dumps(facts, sort_keys=False) + '/*site*/', html, count=1)
    index.write_text(versioned(html, files), encoding='utf-8')
    print(facts['build'])


if __name__ == '__main__':
    main()
