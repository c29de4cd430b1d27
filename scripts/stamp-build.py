#!/usr/bin/env python3
"""Gives one build of the browser edition its id and stamps it into both halves
of the program, so that the page can tell a zemlox.js from a zemlox.wasm of
another build: the first line of zemlox.js and zemlox-file.js, and a custom
section `zemlox-build` at the end of zemlox.wasm. The id comes from the
program's own bytes (never a time), so one commit always gets one id.

  stamp-build.py SITE           stamps the content's id, prints it
  stamp-build.py SITE --id X    stamps X instead (a test's "new build")
Stamping again replaces the old stamp."""
import argparse
import hashlib
import pathlib
import re
import sys

SECTION = b'zemlox-build'
JS_STAMP = re.compile(rb"^var ZEMLOX_BUILD = '[^']*';\n")


def leb128(n):
    out = bytearray()
    while True:
        byte, n = n & 0x7F, n >> 7
        out.append(byte | (0x80 if n else 0))
        if not n:
            return bytes(out)


def read_leb128(data, pos):
    value = shift = 0
    while True:
        byte = data[pos]
        pos += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if not byte & 0x80:
            return value, pos


def wasm_without_stamp(data):
    """The module with any earlier id section taken out."""
    if data[:4] != b'\0asm':
        sys.exit('stamp-build: zemlox.wasm is no WebAssembly module')
    out, pos = bytearray(data[:8]), 8
    while pos < len(data):
        start = pos
        kind = data[pos]
        size, body = read_leb128(data, pos + 1)
        pos = body + size
        if kind == 0:
            name_len, name_at = read_leb128(data, body)
            if data[name_at:name_at + name_len] == SECTION:
                continue
        out += data[start:pos]
    return bytes(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('site', type=pathlib.Path)
    parser.add_argument('--id', help='stamp this id instead of the content\'s own')
    args = parser.parse_args()
    names = ['zemlox.js', 'zemlox-file.js']
    js = {n: JS_STAMP.sub(b'', (args.site / n).read_bytes(), count=1) for n in names}
    wasm = wasm_without_stamp((args.site / 'zemlox.wasm').read_bytes())
    digest = hashlib.sha256()
    for part in (js['zemlox.js'], wasm, js['zemlox-file.js']):
        digest.update(hashlib.sha256(part).digest())
    build = args.id or digest.hexdigest()[:16]
    if not re.fullmatch(r'[0-9A-Za-z._-]{1,64}', build):
        sys.exit('stamp-build: an id is 1-64 letters, digits, dots, dashes or underscores')
    for n in names:
        (args.site / n).write_bytes(b"var ZEMLOX_BUILD = '%s';\n" % build.encode() + js[n])
    payload = leb128(len(SECTION)) + SECTION + build.encode()
    (args.site / 'zemlox.wasm').write_bytes(wasm + b'\0' + leb128(len(payload)) + payload)
    print(build)


if __name__ == '__main__':
    main()
