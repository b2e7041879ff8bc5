#!/usr/bin/env python3
# Prints the path a Windows shell link (.lnk) names: its LinkInfo's local
# base path and common path suffix (MS-SHLLINK 2.3), in the system code page
# (Wine and Windows write them so; the Unicode copies are optional).
import struct
import sys

data = open(sys.argv[1], "rb").read()
flags, = struct.unpack_from("<I", data, 20)
at = 76 + (2 + struct.unpack_from("<H", data, 76)[0] if flags & 0x1 else 0)  # past the header and ID list
_, info_flags, _, base, _, suffix = struct.unpack_from("<6I", data, at + 4)
if not flags & 0x2 or not info_flags & 0x1:
    sys.exit(f"{sys.argv[1]}: no local path")
print("".join(data[at + o:data.index(b"\0", at + o)].decode("cp1252") for o in (base, suffix)))
