#!/usr/bin/env python3
"""Reads the settings files the installer test wrote with Python's own XML
parser and checks the keys the finish options promise."""
import os
import sys
import xml.etree.ElementTree as ET

out = sys.argv[1]
errors = []


def value(root, section, key):
    node = root.find(section + "/" + key)
    return None if node is None else (node.text or "")


def expect(name, root, section, key, wanted):
    got = value(root, section, key)
    if got != wanted:
        errors.append("%s: %s/%s is %r, not %r" % (name, section, key, got, wanted))


presets = {
    0: {("Clock", "ViewMode"): "2", ("Clock", "SpecialTime_0"): "0", ("Clock", "SpecialTime_2"): None,
        ("General", "TrayIconClickRun"): "0", ("HotKey", "Key00"): "1 1 0 78 N", ("HotKey", "Key12"): "1 1 0 77 M",
        ("HotKey", "Key36"): None, ("Schedule", "StartMode"): "2", ("QuickMenu", "AutoStart2"): "1"},
    1: {("Clock", "SpecialTime_0"): "-1", ("Clock", "SpecialTime_4"): "-1", ("General", "TrayIconClickRun"): "9",
        ("HotKey", "Key13"): "1 1 0 -1 F11", ("HotKey", "Key36"): "1 1 0 -1 L", ("Calendar", "AutoStart"): "0",
        ("QuickMenu", "AutoStart2"): "1"},
    2: {("General", "ViewMemoOnStart"): "0", ("General", "TrayIconClickRun"): "4", ("HotKey", "Key00"): "1 1 0 -1 N",
        ("HotKey", "Key12"): "1 1 0 -1 M", ("QuickMenu", "AutoStart2"): "0"},
    # The last options: only the language, the fix-up, the slots and AutoStart2.
    3: {("Clock", "ViewMode"): None, ("HotKey", "Key00"): None, ("HotKey", "Key12"): "1 1 0 77 M",
        ("QuickMenu", "AutoStart2"): "1"},
}

count = 0
for preset, keys in presets.items():
    for suffix, language in (("", "english"), ("_ko", "korean")):
        name = "finish_preset%d%s.xml" % (preset, suffix)
        path = os.path.join(out, name)
        if not os.path.exists(path):
            errors.append("%s was not written" % name)
            continue
        root = ET.parse(path).getroot()
        count += 1
        if root.tag != "ZorelConfig":
            errors.append("%s: root is %s" % (name, root.tag))
        expect(name, root, "System", "language", language)
        expect(name, root, "System", "Version", "3.1.1")
        expect(name, root, "HotKey", "HotKey01", "C:\\Tools\\editor.exe")
        expect(name, root, "HotKey", "HotKey02", "%SYSTEM%mspaint.exe")
        expect(name, root, "HotKey", "HotKey06", "http://portal.example.net/" if suffix else None)
        expect(name, root, "Other", "Keep", "as it was")
        for (section, key), wanted in keys.items():
            expect(name, root, section, key, wanted)

for e in errors:
    print(e)
print("%d settings files read, %d problems" % (count, len(errors)))
sys.exit(1 if errors else 0)
