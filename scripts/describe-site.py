#!/usr/bin/python3
"""Names and describes the browser edition as the desktop entry does.

The desktop entry's Name[ja] and Comment[ja] are the one place the program's
name and one-line description are written; this puts them into the built
page's <title> and <meta name="description"> and into the web manifest.
Usage: describe-site.py DESKTOP_ENTRY INDEX_HTML MANIFEST
"""
import html
import json
import re
import sys


def entry(path):
    keys = {}
    for line in open(path, encoding='utf-8'):
        key, sep, value = line.rstrip('\n').partition('=')
        if sep and key not in keys:
            keys[key] = value
    return keys


def main(desktop, index, manifest):
    keys = entry(desktop)
    name, short, about = keys['Name[ja]'], keys['Name'], keys['Comment[ja]']

    page = open(index, encoding='utf-8').read()
    tag = re.compile(r'<meta name="description" content="[^"]*">')
    if len(tag.findall(page)) != 1 or page.count('<title>') != 1:
        sys.exit(f'describe-site: {index} needs one <title> and one <meta name="description">')
    page = tag.sub(lambda _: f'<meta name="description" content="{html.escape(about)}">', page)
    page = re.sub(r'<title>[^<]*</title>', lambda _: f'<title>{html.escape(name)}</title>', page)
    open(index, 'w', encoding='utf-8').write(page)

    with open(manifest, encoding='utf-8') as f:
        app = json.load(f)
    app.update(name=name, short_name=short, description=about)
    with open(manifest, 'w', encoding='utf-8') as f:
        json.dump(app, f, ensure_ascii=False, indent=2)
        f.write('\n')


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
