#!/usr/bin/env python3
"""The kill test's eyes: what a killed Zorel left on the disk, and whether the
next start kept all of it.

  check.py snapshot <program folder> <state.json> [reads]
      After the kill: what every completed save left (the live files, or a
      save that was written whole but not yet put in place).
  check.py verify <program folder> <state.json> [reads]
      After the next start-up: prints one line per loss, nothing when none.
  check.py summary <program folder> -
      What the folder holds.

Every loss is printed as "<kind>: <what>", kind being the file it touches
(notes, lists, settings, alarms, anniversaries, vault, widgets, history) or
leftovers and damaged copies. The alarm file, the anniversary file and the
vault are read by zkill with the program's own readers, so a file that
would not load is found as the program would find it: zkill start and work
leave what they read of the folder in the reads file; without one, check.py
runs zkill read itself.
"""
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

FOLDERS = ["", "memo_data", "schedule_data", "schedule_data/history", "anniversary_data",
           "anniversary_data/history", "pmanager_data", "pmanager_data/history", "skin/widgets"]
# The files zkill reads, by the kind it reads them as; their history copies
# are read the same way.
READ_BY_ZKILL = {
    "schedule_data/schedule_data.zra": "alarms",
    "anniversary_data/anniversary_data.xzrn": "anniversaries",
    "pmanager_data/pmanager_data.pmd": "vault",
}
HISTORY = {"schedule_data/history": "alarms", "anniversary_data/history": "anniversaries",
           "pmanager_data/history": "vault"}
WIDGET_LIST = "skin/widgets/WidgetList.xml"
# The files the run must have changed: with none of them saved, the checks
# of that kind would hold whatever happened.
KINDS = ["alarms", "anniversaries", "vault", "widgets"]
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


def winpath(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


READS = None


def zkill_read(pairs):
    """{path: (whole, records)} for [(kind, path)], read by the program's own
    readers: what zkill left in the reads file, or one run of zkill read."""
    if not pairs:
        return {}
    if READS:
        with open(READS, "rb") as f:
            out = f.read()
    else:
        exe = os.path.join(os.environ["ZOREL_BUILD_DIR"], "bin", "zkill.exe")
        args = ["wine", exe, "read"]
        for kind, path in pairs:
            args += [kind, winpath(path)]
        out = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120).stdout
    found = {}
    by_win = {winpath(path): path for _, path in pairs}
    for line in out.decode("utf-8", "replace").replace("\r", "").split("\n"):
        parts = line.split("\t")
        if len(parts) >= 3 and parts[1] in by_win:
            found[by_win[parts[1]]] = (parts[2] == "1", parts[3:])
    # A file zkill did not answer for is not known to be whole.
    return {path: found.get(path, (False, ["zkill gave no answer"])) for _, path in pairs}


def widget_list(data):
    """The skins of the widget list, in order; None when it does not parse."""
    try:
        root = ET.fromstring(data.decode("latin-1").encode("utf-8"))
    except ET.ParseError:
        return None
    if root.tag != "WidgetList":
        return None
    skins = []
    for window in root.findall("WidgetWindow"):
        skin = window.find("SkinFile")
        if skin is None or skin.get("Path") is None:
            return None
        skins.append(skin.get("Path"))
    return skins


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
    state = {"notes": {}, "lists": {}, "settings": None, "leftovers": leftovers, "damaged": [],
             "files": {}, "history": {}}
    reads = []
    for rel, path in live.items():
        folder = os.path.dirname(rel)
        if rel in READ_BY_ZKILL:
            reads.append((READ_BY_ZKILL[rel], path))
        elif folder in HISTORY and not os.path.basename(rel).endswith(".bad"):
            reads.append((HISTORY[folder], path))
    answers = zkill_read(reads)
    for rel, path in live.items():
        if path in answers:
            whole, records = answers[path]
            if rel in READ_BY_ZKILL:
                state["files"][READ_BY_ZKILL[rel]] = {"whole": whole, "records": records}
            else:
                state["history"][rel] = whole
            continue
        if rel == WIDGET_LIST:
            skins = widget_list(read(path))
            state["files"]["widgets"] = {"whole": skins is not None, "records": skins or []}
            continue
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
            losses.append("damaged: a damaged copy appeared: " + rel)
    for rel in after["leftovers"]:
        losses.append("leftovers: a leftover stayed: " + rel)
    for rel, note in before["notes"].items():
        if not note["whole"]:
            losses.append("notes: the kill left a broken note: " + rel)
        now = after["notes"].get(rel)
        if now is None:
            losses.append("notes: a note file went: " + rel)
            continue
        if not now["whole"]:
            losses.append("notes: a note is broken after the start: " + rel)
        missing = set(note["tokens"]) - set(now["tokens"])
        if missing:
            losses.append("notes: saved text went from %s: %s" % (rel, " ".join(sorted(missing))))
    for rel, count in before["lists"].items():
        if count is None:
            losses.append("lists: the kill left a broken list: " + rel)
        now = after["lists"].get(rel, "missing")
        if now != count:
            losses.append("lists: list %s held %s notes, now %s" % (rel, count, now))
    if before["settings"] is not None:
        if not before["settings"]["whole"]:
            losses.append("settings: the kill left broken settings: " + before["settings"].get("why", ""))
        now = after["settings"]
        if now is None or not now["whole"]:
            losses.append("settings: the settings are missing or broken after the start")
        elif before["settings"]["whole"] and now["colour"] != before["settings"]["colour"]:
            losses.append("settings: the settings went back: colour %s, was %s" % (now["colour"], before["settings"]["colour"]))
    for kind in KINDS:
        was = before["files"].get(kind)
        now = after["files"].get(kind)
        if was is None:
            # Every one of them is seeded, so none may go.
            losses.append("%s: the kill left no %s file" % (kind, kind))
            continue
        if not was["whole"]:
            losses.append("%s: the kill left a broken %s file: %s" % (kind, kind, " ".join(was["records"][:3])))
        if now is None or not now["whole"]:
            losses.append("%s: the %s file is missing or broken after the start" % (kind, kind))
        elif was["whole"] and now["records"] != was["records"]:
            gone = [r for r in was["records"] if r not in now["records"]]
            came = [r for r in now["records"] if r not in was["records"]]
            losses.append("%s: the start sees other records than the last save held: went %s, came %s" % (
                kind, " ".join(gone[:5]) or "-", " ".join(came[:5]) or "-"))
    for rel, whole in before["history"].items():
        if not whole:
            losses.append("history: the kill left a broken history copy: " + rel)
    for rel, whole in after["history"].items():
        if not whole and before["history"].get(rel, True):
            losses.append("history: a history copy is broken after the start: " + rel)
    return losses


def main():
    global READS
    action, root, state_file = sys.argv[1:4]
    READS = sys.argv[4] if len(sys.argv) > 4 else None
    if action == "summary":
        state = describe(root)
        tokens = sum(len(n["tokens"]) for n in state["notes"].values())
        settings = state["settings"] or {}
        files = state["files"]
        count = {kind: len(files[kind]["records"]) if kind in files else None for kind in KINDS}
        done = sum(1 for r in files.get("alarms", {}).get("records", []) if r.endswith("|done"))
        print("saved notes %d holding %d typed words, lists %s, settings colour %s, "
              "alarms %s (%d done), anniversaries %s, vault entries %s, open widgets %s" % (
                  len(state["notes"]), tokens, state["lists"], settings.get("colour"), count["alarms"], done,
                  count["anniversaries"], count["vault"], count["widgets"]))
        return 0
    if action == "snapshot":
        # How many trials changed each kind of file is carried from one
        # snapshot to the next.
        try:
            with open(state_file) as f:
                old = json.load(f)
        except (OSError, ValueError):
            old = None
        state = describe(root)
        state["changed"] = old["changed"] if old else {kind: 0 for kind in KINDS}
        for kind in KINDS:
            if old and kind in state["files"] and old["files"].get(kind, {}).get("records") != state["files"][kind]["records"]:
                state["changed"][kind] += 1
        with open(state_file, "w") as f:
            json.dump(state, f)
        return 0
    if action == "changed":
        with open(state_file) as f:
            print(" ".join("%s=%d" % (kind, n) for kind, n in json.load(f)["changed"].items()))
        return 0
    with open(state_file) as f:
        before = json.load(f)
    for loss in verify(before, describe(root)):
        print(loss)
    return 0


if __name__ == "__main__":
    sys.exit(main())
