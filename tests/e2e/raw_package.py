#!/usr/bin/env python3
"""Builds packages that the pack tool refuses to make, for tests of broken
and hostile input.

  raw_package.py zip OUT.zip NAME=SOURCE_FILE|NAME=@TEXT|NAME/ ...
  raw_package.py join OUT.exe STUB SETUP.zip PAYLOAD.zip [--p N] [--s N]
                 [--magic TEXT] [--no-trailer]
"""
import struct, sys, zipfile

def make_zip(out, entries):
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED) as z:
        for entry in entries:
            name, _, src = entry.partition('=')
            info = zipfile.ZipInfo(name, (2024, 1, 2, 3, 4, 0))
            info.create_system = 0
            if name.endswith('/') and not src:
                info.external_attr = 0x10
                z.writestr(info, b'')
                continue
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            data = src[1:].encode('cp1252') if src.startswith('@') else open(src, 'rb').read()
            z.writestr(info, data)

def join(out, stub, setup, payload, opts):
    s_data = open(setup, 'rb').read()
    p_data = open(payload, 'rb').read()
    p = int(opts.get('--p', len(p_data)))
    s = int(opts.get('--s', len(s_data)))
    magic = opts.get('--magic', 'KESTRALINE.EOF').encode()
    with open(out, 'wb') as f:
        f.write(open(stub, 'rb').read())
        f.write(s_data)
        f.write(p_data)
        if '--no-trailer' not in opts:
            f.write(struct.pack('<II', p, s) + magic)

if sys.argv[1] == 'zip':
    make_zip(sys.argv[2], sys.argv[3:])
else:
    args = sys.argv[6:]
    opts = {}
    i = 0
    while i < len(args):
        if args[i] == '--no-trailer':
            opts[args[i]] = True
            i += 1
        else:
            opts[args[i]] = args[i + 1]
            i += 2
    join(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5], opts)
