#!/usr/bin/python3
"""Subsets the IPA Gothic fonts for the browser edition.

Keeps the characters the program can show (every character of its own
sources, ASCII, kana, Japanese punctuation and full- and half-width forms)
and renames the fonts, as the IPA Font License asks of a modified font.
Usage: subset-fonts.py OUT_DIR SOURCE_DIR...
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONT_DIR = pathlib.Path('/usr/share/fonts/opentype/ipafont-gothic')
FONTS = [('ipagp.ttf', 'Zemlox PGothic', 'zemlox-pgothic.woff'),
         ('ipag.ttf', 'Zemlox Gothic', 'zemlox-gothic.woff')]
RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x3000, 0x303F), (0x3040, 0x309F), (0x30A0, 0x30FF),
          (0xFF01, 0xFF9F), (0x2010, 0x203B), (0x2190, 0x2193), (0x25A0, 0x25CF)]


def program_characters(dirs):
    chars = set()
    for d in dirs:
        for path in pathlib.Path(d).rglob('*'):
            if path.suffix in ('.cpp', '.h') and path.is_file():
                chars.update(path.read_text(encoding='utf-8'))
    for lo, hi in RANGES:
        chars.update(chr(c) for c in range(lo, hi + 1))
    return {c for c in chars if c.isprintable() or c == ' '}


def rename(font, family):
    postscript = family.replace(' ', '')
    names = {1: family, 3: postscript + '-Subset', 4: family, 6: postscript, 16: family, 17: 'Regular'}
    table = font['name']
    table.names = [n for n in table.names if n.nameID not in names and n.nameID not in (18, 21, 22)]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    text = ''.join(sorted(program_characters(sys.argv[2:])))
    for source, family, target in FONTS:
        options = subset.Options()
        options.flavor = 'woff'
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
    print(f'{len(text)} characters in {len(FONTS)} fonts')


if __name__ == '__main__':
    main()
