#!/usr/bin/env python3
"""The kill test's eyes: what a killed Zorel left on the disk, and whether the
next start kept all of it.

  check.py snapshot <program folder> <state.json>
      After the kill: what every completed save left (the live files, or a
      save that was written whole but not yet put in place).
  check.py verify <program folder> <state.json>
      After the next start-up: prints one line per loss, nothing when none.
  check.py summary <program folder> -
      What the folder holds.
"""
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

FOLDERS = ["", "memo_data", "schedule_data", "anniversary_data"]
TEMP = re.compile(r"^(?P<live>.+)\.\d{1,10}\.\d{1,10}\.(?P<kind>tmp|ready)$")
TOKEN = re.compile(rb"k\d+n\d+")
LIST_SIGNATURE = "250MEMO SIGNATURE".encode("utf-16-le")


def files_of(root):
    for sub in FOLDERS:
        folder = os.path.join(root, sub)
        if not os.path.isdir(folder):
            continue
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                yield os.path.join(sub, name) if sub else name, path


def read(path):
    with open(path, "rb") as f:
        return f.read()


def rtf_whole(data):
    if not data.startswith(b"{\\rtf"):
        return False
    depth = 0
    escaped = False
    for byte in data:
        if escaped:
            escaped = False
        elif byte == 0x5C:  # backslash
            escaped = True
        elif byte == 0x7B:
            depth += 1
        elif byte == 0x7D:
            depth -= 1
            if depth < 0:
                return False
    return depth == 0 and data.rstrip(b"\r\n\0 ").endswith(b"}")


def list_count(data):
    # FF FE FF, a one-byte length, the UTF-16 signature, then the count.
    head = b"\xff\xfe\xff" + bytes([len(LIST_SIGNATURE) // 2]) + LIST_SIGNATURE
    if not data.startswith(head) or len(data) < len(head) + 4:
        return None
    return int.from_bytes(data[len(head):len(head) + 4], "little")


def settings_value(data, key):
    root = ET.fromstring(data.decode("latin-1").encode("utf-8"))
    if root.tag != "ZorelConfig":
        raise ValueError("root " + root.tag)
    element = root.find("General/" + key)
    return None if element is None else (element.text or "")


def describe(root):
    """Each live file as the last completed save left it: the live file
    itself, or, where that is missing, the newest save written whole."""
    live, ready = {}, {}
    leftovers = []
    for rel, path in files_of(root):
        m = TEMP.match(os.path.basename(rel))
        if m:
            leftovers.append(rel)
            if m.group("kind") == "ready":
                target = os.path.join(os.path.dirname(rel), m.group("live"))
                mtime = os.path.getmtime(path)
                if target not in ready or mtime > ready[target][0]:
                    ready[target] = (mtime, path)
            continue
        live[rel] = path
    for target, (_, path) in ready.items():
        if target not in live:
            live[target] = path
    state = {"notes": {}, "lists": {}, "settings": None, "leftovers": leftovers, "damaged": []}
    for rel, path in live.items():
        data = read(path)
        name = os.path.basename(rel)
        if name.endswith(".bad"):
            state["damaged"].append(rel)
        elif name.lower().endswith((".rtf", ".rtx")):
            state["notes"][rel] = {"whole": rtf_whole(data),
                                   "tokens": sorted(set(t.decode() for t in TOKEN.findall(data)))}
        elif name.lower().endswith(".zrd"):
            state["lists"][rel] = list_count(data)
        elif name == "ZorelConfig.xml":
            try:
                state["settings"] = {"whole": True, "colour": settings_value(data, "DefaultColorType")}
            except Exception as e:  # any parse failure is damage
                state["settings"] = {"whole": False, "why": str(e)}
    return state


def verify(before, after):
    losses = []
    for rel in after["damaged"]:
        if rel not in before["damaged"]:
            losses.append("a damaged copy appeared: " + rel)
    for rel in after["leftovers"]:
        losses.append("a leftover stayed: " + rel)
    for rel, note in before["notes"].items():
        if not note["whole"]:
            losses.append("the kill left a broken note: " + rel)
        now = after["notes"].get(rel)
        if now is None:
            losses.append("a note file went: " + rel)
            continue
        if not now["whole"]:
            losses.append("a note is broken after the start: " + rel)
        missing = set(note["tokens"]) - set(now["tokens"])
        if missing:
            losses.append("saved text went from %s: %s" % (rel, " ".join(sorted(missing))))
    for rel, count in before["lists"].items():
        if count is None:
            losses.append("the kill left a broken list: " + rel)
        now = after["lists"].get(rel, "missing")
        if now != count:
            losses.append("list %s held %s notes, now %s" % (rel, count, now))
    if before["settings"] is not None:
        if not before["settings"]["whole"]:
            losses.append("the kill left broken settings: " + before["settings"].get("why", ""))
        now = after["settings"]
        if now is None or not now["whole"]:
            losses.append("the settings are missing or broken after the start")
        elif before["settings"]["whole"] and now["colour"] != before["settings"]["colour"]:
            losses.append("the settings went back: colour %s, was %s" % (now["colour"], before["settings"]["colour"]))
    return losses


def main():
    action, root, state_file = sys.argv[1:4]
    if action == "summary":
        state = describe(root)
        tokens = sum(len(n["tokens"]) for n in state["notes"].values())
        settings = state["settings"] or {}
        print("saved notes %d holding %d typed words, lists %s, settings colour %s" % (
            len(state["notes"]), tokens, state["lists"], settings.get("colour")))
        return 0
    if action == "snapshot":
        with open(state_file, "w") as f:
            json.dump(describe(root), f)
        return 0
    with open(state_file) as f:
        before = json.load(f)
    for loss in verify(before, describe(root)):
        print(loss)
    return 0


if __name__ == "__main__":
    sys.exit(main())
