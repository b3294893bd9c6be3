#!/usr/bin/env python3
"""Reads the widget list the running program wrote with Python's own XML
reader: the two widgets of the end-to-end test, the second from a folder
whose name holds an ampersand, with every value a number."""
import sys
import xml.etree.ElementTree as ET

root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "WidgetList", root.tag
windows = root.findall("WidgetWindow")
assert len(windows) == 2, len(windows)
paths = [w.find("SkinFile").get("Path") for w in windows]
assert sorted(paths) == ["a\\one.xml", "b&w\\two.xml"], paths
for w in windows:
    for name in ("Transparence", "MouseOverHiding", "ZPosition", "AllowMove"):
        int(w.find(name).get("Value"))
    position = w.find("Position")
    int(position.get("X")), int(position.get("Y"))
two = windows[paths.index("b&w\\two.xml")]
assert two.find("ZPosition").get("Value") == "1"
assert int(two.find("Transparence").get("Value")) < 255
print("WidgetList.xml read by xml.etree: %d widgets %s" % (len(windows), paths))
