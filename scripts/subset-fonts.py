#!/usr/bin/python3
"""Subsets the IPA Gothic fonts for the browser edition.

Keeps the characters the program can show (every character of its own
sources, ASCII, kana, Japanese punctuation and full- and half-width forms,
the blanks included) and renames the fonts, as the IPA Font License asks of
a modified font. Then checks that both fonts hold every character of every
text the program and its page draw (the sources' string literals and the
page's own texts), and fails naming any that is missing.
With --menu, also a small face of the proportional font holding only what
the main menu and the page around it draw, which is all the start waits
for; its unicode-range goes into OUT_DIR/menu-range.txt, and that of every
other character into rest-range.txt.
Usage: subset-fonts.py OUT_DIR SOURCE_DIR... [--menu FILE...] [--page FILE...]
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


def menu_characters(menu, pages):
    """What the menu window and the page's own html draw, the digits of its
    version, and the character the page checks the font with."""
    chars = set('0123456789. ') | {'\u6C34', '\u3000', '\u00A0'}
    html = [p for p in pages if p.suffix == '.html']
    chars.update(c for _, c in drawn_texts([], [*menu, *html]))
    return {c for c in chars if drawable(c)}


def unicode_range(chars, complement=False):
    """The characters (or all others) as a CSS unicode-range, runs joined."""
    codes, runs = sorted(ord(c) for c in chars), []
    if complement:
        taken = set(codes)
        codes = [c for c in range(0x110000) if c not in taken]
    for c in codes:
        if runs and runs[-1][1] == c - 1:
            runs[-1][1] = c
        else:
            runs.append([c, c])
    return ','.join(f'U+{a:X}' if a == b else f'U+{a:X}-{b:X}' for a, b in runs)


def write_subset(source, family, target, text):
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
    subset.save_font(font, str(target), options)
    font.close()


def rename(font, family):
    postscript = family.replace(' ', '')
    names = {1: family, 3: postscript + '-Subset', 4: family, 6: postscript, 16: family, 17: 'Regular'}
    table = font['name']
    table.names = [n for n in table.names if n.nameID not in names and n.nameID not in (18, 21, 22)]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)


def main():
    groups, key = {'': []}, ''
    for a in sys.argv[1:]:
        if a in ('--menu', '--page'):
            key = a
            groups[key] = []
        else:
            groups[key].append(a)
    pages = [pathlib.Path(p) for p in groups.get('--page', [])]
    menu = [pathlib.Path(p) for p in groups.get('--menu', [])]
    out = pathlib.Path(groups[''][0])
    dirs = groups[''][1:]
    out.mkdir(parents=True, exist_ok=True)
    text = ''.join(sorted(program_characters(dirs, pages)))
    for source, family, target in FONTS:
        write_subset(source, family, out / target, text)
    if not check_coverage(out, dirs, pages):
        sys.exit(1)
    if menu:
        chars = menu_characters(menu, pages) & set(text)
        source, family, target = FONTS[0]
        write_subset(source, family, out / target.replace('.woff2', '-menu.woff2'), ''.join(sorted(chars)))
        (out / 'menu-range.txt').write_text(unicode_range(chars) + '\n', encoding='utf-8')
        # The whole font's face stands for every other character only: a
        # browser asked to load the family for a menu character loads both
        # faces that claim it.
        (out / 'rest-range.txt').write_text(unicode_range(chars, complement=True) + '\n', encoding='utf-8')
    print(f'{len(text)} characters in {len(FONTS)} fonts')


if __name__ == '__main__':
    main()
