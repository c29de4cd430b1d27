#!/usr/bin/env python3
"""Writes the sizes of the built site into the ICT notes (docs/INSTALL.md,
between <!-- site-figures --> and <!-- /site-figures -->): what the page
loads before its menu, as is and gzipped, and the whole folder, so that the
notes' figures are the build's own.

  site-figures.py SITE DOC
"""
import gzip
import pathlib
import re
import sys

# What the page loads before its menu: the program's two files gzipped (the
# page unpacks them itself), the page, the menu's font and picture.
MENU = [('zemlox.wasm.gz', 'プログラム / the program'), ('zemlox.js.gz', 'それを動かすスクリプト / its script'),
        ('index.html', 'ページ / the page'), ('fonts/zemlox-pgothic-menu.woff2', 'メニューの文字 / the menu\'s characters'),
        ('assets/menu.png', 'メニューの絵 / the menu\'s picture')]
LINK = 400_000  # bits per second: a congested school link


def main():
    site, doc = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    rows, plain, packed = [], 0, 0
    for name, what in MENU:
        data = (site / name).read_bytes()
        # Only the page is left for the server to compress: the rest is compressed already.
        small = len(gzip.compress(data, 6, mtime=0)) if name.endswith('.html') else len(data)
        plain, packed = plain + len(data), packed + small
        rows.append(f'| `{name}` ({what}) | {len(data):,} | {small:,} |')
    whole = sum(p.stat().st_size for p in site.rglob('*') if p.is_file())
    table = '\n'.join([
        '| ファイル / file | サーバーが圧縮しないとき / bytes, server not compressing | 圧縮するとき / compressing (gzip 6) |',
        '|---|---:|---:|', *rows,
        f'| **メニューまでの合計 / before the menu** | **{plain:,}** | **{packed:,}** |',
        f'| 400 kbit/s で送る時間 / sent at 400 kbit/s | {plain * 8 / LINK:.1f} s | {packed * 8 / LINK:.1f} s |',
        f'| 展開したプログラム / the program unpacked (`zemlox.wasm`) | {(site / "zemlox.wasm").stat().st_size:,} | |',
        f'| フォルダー全体 / the whole folder | {whole:,} | |'])
    text = doc.read_text(encoding='utf-8')
    marked = re.compile(r'(<!-- site-figures -->\n).*?(<!-- /site-figures -->)', re.S)
    if not marked.search(text):
        sys.exit(f'site-figures: {doc} has no <!-- site-figures --> block')
    new = marked.sub(lambda m: m.group(1) + table + '\n' + m.group(2), text)
    if new != text:
        doc.write_text(new, encoding='utf-8')


if __name__ == '__main__':
    main()
