#!/usr/bin/python3
"""Writes the bundled fonts' metrics table, ui/font_metrics_table.cpp.

For each typeface the program draws in (the IPA Gothic fonts, which the
desktop uses installed and the browser edition as subsets with the same
metrics): units per em, the ascent and descent of a line as the window system
sets it, and each character's advance, as runs of code points that share one.
Usage: font-metrics.py OUT_FILE      writes the table
       font-metrics.py --check FILE  fails when FILE differs from the fonts
"""
import pathlib
import sys

from fontTools.ttLib import TTFont

FONT_DIR = pathlib.Path('/usr/share/fonts/opentype/ipafont-gothic')
# In the order of ui::Typeface.
FACES = [('ipagp.ttf', 'PGothic'), ('ipag.ttf', 'Gothic')]


def runs(font):
    """(first code point, advance): each advance holds up to the next run's
    first code point."""
    cmap, hmtx = font.getBestCmap(), font['hmtx']
    out = []
    for cp in sorted(cmap):
        advance = hmtx[cmap[cp]][0]
        if not out or out[-1][1] != advance:
            out.append((cp, advance))
    return out


def table():
    lines = ['// The bundled fonts\' metrics, written by scripts/font-metrics.py from the',
             '// IPA Gothic fonts; a test checks it against them. Do not edit.',
             '#include "ui/font_metrics.h"', '', '#include <iterator>', '', 'namespace ui {', 'namespace {', '']
    faces = []
    for file, name in FACES:
        font = TTFont(str(FONT_DIR / file))
        os2 = font['OS/2']
        pairs = runs(font)
        lines.append(f'constexpr AdvanceRun k{name}Runs[] = {{')
        for k in range(0, len(pairs), 6):
            lines.append('    ' + ' '.join(f'{{0x{cp:X}, {a}}},' for cp, a in pairs[k:k + 6]))
        lines.append('};')
        faces.append(f'    FaceMetrics{{{font["head"].unitsPerEm}, {os2.usWinAscent}, {os2.usWinDescent}, '
                     f'k{name}Runs, std::size(k{name}Runs)}},')
        font.close()
    lines += ['', '}  // namespace', '', 'const FaceMetrics& faceMetrics(Typeface t) {',
              '  static constexpr FaceMetrics kFaces[] = {', *faces, '  };',
              '  return kFaces[static_cast<size_t>(t)];', '}', '', '}  // namespace ui', '']
    return '\n'.join(lines)


def main():
    args = sys.argv[1:]
    if args[:1] == ['--check']:
        path = pathlib.Path(args[1])
        if path.read_text(encoding='utf-8') != table():
            print(f'font-metrics: {path} is not the fonts\' table; run scripts/font-metrics.py {path}',
                  file=sys.stderr)
            sys.exit(1)
        return
    pathlib.Path(args[0]).write_text(table(), encoding='utf-8')


if __name__ == '__main__':
    main()
