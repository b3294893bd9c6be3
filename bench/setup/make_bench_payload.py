#!/usr/bin/env python3
"""Zips the installed tree as the installer carries it: the main program, the
uninstaller and the data tree beside them in the build's bin folder."""
import os
import sys
import zipfile

bin_dir, out = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    for name in ("Zorel.exe", "ZorelUninstall.exe"):
        z.write(os.path.join(bin_dir, name), name)
    for top in sorted(os.listdir(bin_dir)):
        path = os.path.join(bin_dir, top)
        if not os.path.isdir(path):
            continue
        for folder, dirs, files in os.walk(path):
            dirs.sort()
            rel = os.path.relpath(folder, bin_dir).replace(os.sep, "/")
            z.writestr(zipfile.ZipInfo(rel + "/"), b"")
            for f in sorted(files):
                z.write(os.path.join(folder, f), rel + "/" + f)
