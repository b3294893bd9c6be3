#!/usr/bin/env python3
"""Writes the installer test's payloads: the tree an install must produce
(payload/), the same tree as a zip archive (payload.zip), an archive whose
middle entry reaches outside its folder (bad_payload.zip) and a stand-in
anniversary file."""
import os
import random
import sys
import zipfile

out = sys.argv[1]
tree = os.path.join(out, "payload")

rng = random.Random(43)
files = {
    "Zorel.exe": bytes(rng.getrandbits(8) for _ in range(40000)) + b"MZ" * 20000,
    "ZorelUninstall.exe": bytes(rng.getrandbits(8) for _ in range(9000)),
    "system/language/english.txt": b"1 = Zorel\r\n" * 50,
    "skin/Menu/menu.xml": b"<Menu><Item>new</Item></Menu>\r\n",
    "skin/widgets/clock/clock.xml": b"<Widget><Name>clock, as shipped</Name></Widget>\r\n",
    "skin/widgets/clock/clock.png": b"\x89PNG\r\n\x1a\n" + bytes(range(256)) * 4,
    "skin/widgets/Widgets.XML": b"<Widgets/>\r\n",
}
folders = ["system/", "system/language/", "skin/", "skin/Menu/", "skin/widgets/", "skin/widgets/clock/"]

os.makedirs(out, exist_ok=True)
with zipfile.ZipFile(os.path.join(out, "payload.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    for folder in folders:
        z.writestr(zipfile.ZipInfo(folder), b"")
    for name, data in files.items():
        z.writestr(name, data)
        path = os.path.join(tree, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

with zipfile.ZipFile(os.path.join(out, "bad_payload.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("first.txt", b"first")
    z.writestr(zipfile.ZipInfo("../escaped.txt"), b"outside")
    z.writestr("last.txt", b"last")

with open(os.path.join(out, "anniversary.xzrn"), "wb") as f:
    f.write(b"default anniversaries\x00\x01\x02")
