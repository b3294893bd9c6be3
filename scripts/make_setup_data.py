#!/usr/bin/env python3
"""Makes what the installer carries: the install tree as a zip archive and
the default anniversary file of Korean installations.

    make_setup_data.py <bin folder> <output folder>

The archive holds everything in the bin folder (the two programs and the data
tree copied beside them) except the installer itself: names use "/", every
entry has DOS attributes and no Unix modes, so any unzip restores it as a
Windows install would. Outputs are rewritten only when their bytes change,
so the installer is not relinked for nothing."""
import os
import struct
import sys
import zipfile

# The installer must not carry itself, nor the test tools the build puts
# beside the programs.
SKIPPED_FILES = {"zorelsetup.exe", "zdriver.exe", "zkill.exe"}
SKIPPED_SUFFIXES = (".pdb", ".tmp")

DOS_DIRECTORY = 0x10
DOS_ARCHIVE = 0x20


def dos_entry(name, mtime, is_dir):
    info = zipfile.ZipInfo(name, date_time=max((1980, 1, 1, 0, 0, 0), mtime))
    info.create_system = 0  # MS-DOS: the external attributes are DOS bits only
    info.external_attr = DOS_DIRECTORY if is_dir else DOS_ARCHIVE
    info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
    return info


def local_time(path):
    import time
    return time.localtime(os.path.getmtime(path))[:6]


def payload_bytes(bin_folder):
    import io
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as z:
        for root, dirs, files in os.walk(bin_folder):
            dirs.sort()
            rel_root = os.path.relpath(root, bin_folder)
            if rel_root != ".":
                name = rel_root.replace(os.sep, "/") + "/"
                z.writestr(dos_entry(name, local_time(root), True), b"")
            for file in sorted(files):
                if file.lower() in SKIPPED_FILES or file.lower().endswith(SKIPPED_SUFFIXES):
                    continue
                path = os.path.join(root, file)
                name = file if rel_root == "." else rel_root.replace(os.sep, "/") + "/" + file
                with open(path, "rb") as f:
                    z.writestr(dos_entry(name, local_time(path), False), f.read())
    return buffer.getvalue()


def archived_string(text):
    """A wide string as the archive stores it: 0xFF, 0xFFFE, the length, UTF-16LE."""
    data = text.encode("utf-16-le")
    count = len(text)
    head = b"\xff" + struct.pack("<H", 0xFFFE)
    if count < 255:
        head += bytes([count])
    else:
        head += b"\xff" + struct.pack("<H", count)
    return head + data


# The public holidays of Korea: (month, day, lunar, text).
KOREAN_HOLIDAYS = [
    (1, 1, False, "신정"),
    (1, 1, True, "설날"),
    (3, 1, False, "삼일절"),
    (4, 8, True, "부처님 오신 날"),
    (5, 5, False, "어린이날"),
    (6, 6, False, "현충일"),
    (8, 15, False, "광복절"),
    (8, 15, True, "추석"),
    (10, 3, False, "개천절"),
    (10, 9, False, "한글날"),
    (12, 25, False, "성탄절"),
]


def anniversary_bytes():
    out = archived_string("ANNIVER SIGNATURE")
    for month, day, lunar, text in KOREAN_HOLIDAYS:
        out += struct.pack("<iiii", 5, month, day, 1)
        out += archived_string(text)
        out += bytes([1 if lunar else 0, 1, 0])  # lunar, holiday, leap
        out += struct.pack("<HH", 0, 0)  # days before, reserved
        out += archived_string("")
    out += struct.pack("<I", 0x0000FFFF)
    return out


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main():
    bin_folder, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    write_if_changed(os.path.join(out, "payload.zip"), payload_bytes(bin_folder))
    write_if_changed(os.path.join(out, "anniversary.xzrn"), anniversary_bytes())


if __name__ == "__main__":
    main()
