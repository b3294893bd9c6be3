#!/usr/bin/env python3
"""The installer carries the build's install tree: the archive's bytes are
inside ZorelSetup.exe, unzip and Python's zipfile accept them, names use "/"
with DOS attributes only, and the entries are exactly what bin/ holds apart
from the installer and the test tools.

    check_payload.py <build folder>"""
import os
import subprocess
import sys
import zipfile

build = sys.argv[1]
payload_path = os.path.join(build, "setup_data", "payload.zip")
payload = open(payload_path, "rb").read()
setup = open(os.path.join(build, "bin", "ZorelSetup.exe"), "rb").read()
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


check(payload in setup, "the payload's bytes are not inside ZorelSetup.exe")
check(subprocess.run(["unzip", "-tq", payload_path], capture_output=True).returncode == 0, "unzip -t fails")
with zipfile.ZipFile(payload_path) as z:
    check(z.testzip() is None, "zipfile finds a damaged entry")
    names = set()
    for info in z.infolist():
        check("\\" not in info.filename, "backslash in " + info.filename)
        check(info.create_system == 0, "not made on DOS: " + info.filename)
        check(info.external_attr >> 16 == 0, "Unix mode on " + info.filename)
        is_dir = info.filename.endswith("/")
        check(bool(info.external_attr & 0x10) == is_dir, "directory attribute of " + info.filename)
        if not is_dir:
            names.add(info.filename)
            data = z.read(info)
            on_disk = open(os.path.join(build, "bin", *info.filename.split("/")), "rb").read()
            check(data == on_disk, "bytes differ: " + info.filename)

expected = set()
for root, _, files in os.walk(os.path.join(build, "bin")):
    for f in files:
        rel = os.path.relpath(os.path.join(root, f), os.path.join(build, "bin")).replace(os.sep, "/")
        if f.lower() not in ("zorelsetup.exe", "zdriver.exe", "zkill.exe"):
            expected.add(rel)
check(names == expected, "entries differ from bin/: %s" % sorted(names ^ expected))
for needed in ("Zorel.exe", "ZorelUninstall.exe", "system/language/english.txt"):
    check(needed in names, needed + " missing")
check("ZorelSetup.exe" not in names, "the installer carries itself")

for f in failures:
    print("FAIL:", f)
print("payload: %d entries, %d bytes; ZorelSetup.exe %d bytes" % (len(names), len(payload), len(setup)))
sys.exit(1 if failures else 0)
