#!/usr/bin/env python3
"""Zips a folder the same way every time: entries in name order, each with
the time SOURCE_DATE_EPOCH gives and the same permissions, whatever the
clock, the time zone, the umask or the file system's order.

    zip-dir.py ZIP FOLDER
"""
import os
import sys
import time
import zipfile

archive, folder = sys.argv[1], sys.argv[2]
moment = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")))[:6]
moment = max(moment, (1980, 1, 1, 0, 0, 0))  # the earliest a zip can say
parent = os.path.dirname(os.path.abspath(folder))
paths = []
for root, folders, files in os.walk(folder):
    paths += [os.path.join(root, name) for name in files]
with zipfile.ZipFile(archive, "w") as out:
    for path in sorted(paths, key=lambda p: os.path.relpath(p, parent)):
        entry = zipfile.ZipInfo(os.path.relpath(path, parent).replace(os.sep, "/"), moment)
        entry.external_attr = 0o644 << 16
        entry.create_system = 3  # Unix, as zip on Linux writes it
        with open(path, "rb") as data:
            out.writestr(entry, data.read(), zipfile.ZIP_DEFLATED, 9)
