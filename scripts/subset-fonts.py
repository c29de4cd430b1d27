#!/usr/bin/python3
"""Subsets the IPA Gothic fonts for the browser edition.

Keeps the characters the program can show (every character of its own
sources, ASCII, kana, Japanese punctuation and full- and half-width forms,
the blanks included) and renames the fonts, as the IPA Font License asks of
a modified font. Then checks that both fonts hold every character of every
text the program and its page draw (the sources' string literals and the
page's own texts), and fails naming any that is missing.
Usage: subset-fonts.py OUT_DIR SOURCE_DIR... [--page FILE...]
"""
import pathlib
import re
import sys
import unicodedata

from fontTools import subset
from fontTools.ttLib import TTFont

FONT_DIR = pathlib.Path('/usr/share/fonts/opentype/ipafont-gothic')
FONTS = [('ipagp.ttf', 'Zemlox PGothic', 'zemlox-pgothic.woff2'),
         ('ipag.ttf', 'Zemlox Gothic', 'zemlox-gothic.woff2')]
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x3000, 0x303F), (0x3040, 0x309F), (0x30A0, 0x30FF),
          (0xFF01, 0xFF9F), (0x2010, 0x203B), (0x2190, 0x2193), (0x25A0, 0x25CF)]


LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"|\'((?:[^\'\\\n]|\\.)*)\'')
ESCAPE = re.compile(r'\\u([0-9a-fA-F]{4})|\\u\{([0-9a-fA-F]+)\}')


def drawable(c):
    # isprintable() is False for every blank but the space, and the windows
    # draw the full-width blank and the no-break space too.
    return c.isprintable() or unicodedata.category(c) == 'Zs'


def sources(dirs):
    for d in dirs:
        for path in sorted(pathlib.Path(d).rglob('*')):
            if path.suffix in ('.cpp', '.h') and path.is_file():
                yield path


def drawn_texts(dirs, pages):
    """(file, character) of every character a string literal of the sources
    or a text of the page (its HTML, its scripts' literals) holds."""
    for path in [*sources(dirs), *pages]:
        text = path.read_text(encoding='utf-8')
        if path.suffix == '.html':
            # The page's loader and its #status draw in the system's font,
            # which shows before the bundled fonts arrive.
            text = re.sub(r'<script>.*?</script>|<style>.*?</style>|<div id="status".*?</div>', ' ', text, flags=re.S)
            text = re.sub(r'<[^>]*>', ' ', text)
            found = [text]
        else:
            # Character literals of C++ are no texts; JavaScript quotes either way.
            found = [a or (b if path.suffix == '.js' else '') for a, b in LITERAL.findall(text)]
        for literal in found:
            literal = ESCAPE.sub(lambda m: chr(int(m.group(1) or m.group(2), 16)), literal)
            for c in literal:
                if drawable(c):
                    yield path, c


def program_characters(dirs, pages):
    chars = set()
    for path in sources(dirs):
        chars.update(path.read_text(encoding='utf-8'))
    chars.update(c for _, c in drawn_texts(dirs, pages))
    for lo, hi in RANGES:
        chars.update(chr(c) for c in range(lo, hi + 1))
    return {c for c in chars if drawable(c)}


def check_coverage(out, dirs, pages):
    missing = []
    for _, _, target in FONTS:
        font = TTFont(str(out / target))
        cmap = font.getBestCmap()
        font.close()
        for path, c in drawn_texts(dirs, pages):
            if ord(c) not in cmap and (target, c) not in {(t, m) for t, m, _ in missing}:
                missing.append((target, c, path))
    for target, c, path in missing:
        name = unicodedata.name(c, 'unnamed')
        print(f'subset-fonts: {target} lacks U+{ord(c):04X} {name} ({c!r}), drawn by {path}', file=sys.stderr)
    return not missing


def rename(font, family):
    postscript = family.replace(' ', '')
    names = {1: family, 3: postscript + '-Subset', 4: family, 6: postscript, 16: family, 17: 'Regular'}
    table = font['name']
    table.names = [n for n in table.names if n.nameID not in names and n.nameID not in (18, 21, 22)]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)


def main():
    args = sys.argv[1:]
    pages = [pathlib.Path(p) for p in args[args.index('--page') + 1:]] if '--page' in args else []
    if '--page' in args:
        args = args[:args.index('--page')]
    out = pathlib.Path(args[0])
    dirs = args[1:]
    out.mkdir(parents=True, exist_ok=True)
    text = ''.join(sorted(program_characters(dirs, pages)))
    for source, family, target in FONTS:
        options = subset.Options()
        options.flavor = 'woff2'
        options.name_IDs = ['*']
        options.name_languages = ['*']
        options.layout_features = ['*']
        options.notdef_outline = True
        font = subset.load_font(str(FONT_DIR / source), options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        rename(font, family)
        subset.save_font(font, str(out / target), options)
        font.close()
    if not check_coverage(out, dirs, pages):
        sys.exit(1)
    print(f'{len(text)} characters in {len(FONTS)} fonts')


if __name__ == '__main__':
    main()
