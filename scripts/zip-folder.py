#!/usr/bin/python3
"""Zips a folder so that the same files always give the same bytes.

Entries are sorted, inside one top folder, each with the given time and
fixed permissions (folders 755, files 644), and compressed at one level.
Usage: zip-folder.py FOLDER TOP_NAME EPOCH OUT.zip
"""
import pathlib
import sys
import time
import zipfile


def entry(name, epoch, is_dir):
    # A zip stores local time to two seconds, from 1980 on.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    info = zipfile.ZipInfo(name, date_time=stamp)
    info.create_system = 3  # Unix, so that unzip applies the permissions
    mode = 0o40755 if is_dir else 0o100644
    info.external_attr = mode << 16 | (0x10 if is_dir else 0)
    info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
    return info


def main(folder, top, epoch, out):
    root = pathlib.Path(folder)
    paths = sorted(root.rglob('*'), key=lambda p: p.relative_to(root).as_posix())
    with zipfile.ZipFile(out, 'w', compresslevel=9) as z:
        z.writestr(entry(top + '/', epoch, True), b'')
        for path in paths:
            name = f'{top}/{path.relative_to(root).as_posix()}'
            if path.is_dir():
                z.writestr(entry(name + '/', epoch, True), b'')
            elif path.is_file():
                z.writestr(entry(name, epoch, False), path.read_bytes())
            else:
                sys.exit(f'zip-folder: {path} is neither a file nor a folder')


if __name__ == '__main__':
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4])
