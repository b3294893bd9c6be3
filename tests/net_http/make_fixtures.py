#!/usr/bin/env python3
"""Writes the files the web-client test downloads from its local server.

package.zip  a notice package: a file and a file in a folder
evil.zip     entries that climb out of the package folder, a rooted and a
             drive entry, with good entries before and after them
broken.zip   bytes that are no archive
picture.bin  bytes of every value, so a transfer that changes any shows
"""
import os
import zipfile

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "www")
os.makedirs(here, exist_ok=True)

with zipfile.ZipFile(os.path.join(here, "package.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("notice.xml", "<Notice Title=\"hello\"/>\n")
    z.writestr("images/", "")
    z.writestr("images/face.txt", "face\n" * 100)

with zipfile.ZipFile(os.path.join(here, "evil.zip"), "w", zipfile.ZIP_STORED) as z:
    z.writestr("first.txt", "first\n")
    z.writestr(zipfile.ZipInfo("../climbed.txt"), "out\n")
    z.writestr(zipfile.ZipInfo("sub/../../climbed2.txt"), "out\n")
    z.writestr(zipfile.ZipInfo("/rooted.txt"), "out\n")
    z.writestr(zipfile.ZipInfo("C:/drive.txt"), "out\n")
    z.writestr("last.txt", "last\n")

with open(os.path.join(here, "broken.zip"), "wb") as f:
    f.write(b"PK\x03\x04 this is not really an archive" * 10)

with open(os.path.join(here, "picture.bin"), "wb") as f:
    f.write(bytes(range(256)) * 41 + b"tail")
