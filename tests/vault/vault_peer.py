#!/usr/bin/env python3
"""The password vault file against independent tools: openssl does the AES,
sha256sum the verifier, and this script the archive strings.

  vault_peer.py make DIR   writes DIR/theirs.pmd, which the Windows test opens
  vault_peer.py check DIR  checks DIR/ours.pmd, which the Windows test wrote
"""
import os
import struct
import subprocess
import sys

HEADER = "HEADER:ZOREL_PWDMGR_FILE"
SALT = "Tz%8pN&3jY*5bQ!e"
IV = b"q7!Lm#2vR@9xK$4w"

# The same entries as the Windows test's; the notes of the second run past
# 254 characters, so they take the longer length prefix.
THEIRS_PASSWORD = "Theirs2024pw"
THEIRS = [
    ["Mail", "kim", "pa55-Word", "www.example.com", "kim@example.com", "010-1234-5678", "first line\r\nsecond"],
    ["Bank", "lee", "S3cret!", "https://bank.example.com", "", "", "n" * 300],
]
OURS_PASSWORD = "Ours2024pw"
OURS = [
    ["Forum", "park", "x9!Kq", "www.example.org", "park@example.org", "02-555-0100", "notes"],
    ["Shop", "choi", "Zz8#", "http://shop.example.com", "", "", "L" * 260],
]


def archive_string(text):
    data = text.encode("utf-16-le")
    n = len(text)
    out = b"\xff\xfe\xff"
    if n < 255:
        out += struct.pack("<B", n)
    elif n < 0xFFFE:
        out += b"\xff" + struct.pack("<H", n)
    else:
        out += b"\xff\xff\xff" + struct.pack("<I", n)
    return out + data


def read_string(data, pos):
    if data[pos:pos + 3] != b"\xff\xfe\xff":
        raise ValueError("not a wide archive string at %d" % pos)
    pos += 3
    n = data[pos]
    pos += 1
    if n == 0xFF:
        n = struct.unpack_from("<H", data, pos)[0]
        pos += 2
        if n == 0xFFFF:
            n = struct.unpack_from("<I", data, pos)[0]
            pos += 4
    text = data[pos:pos + 2 * n].decode("utf-16-le")
    if len(text) != n:
        raise ValueError("string cut short")
    return text, pos + 2 * n


def record_bytes(fields):
    strings = fields + [""] * 4
    return b"".join(archive_string(s) for s in strings) + struct.pack("<4i", 0, 0, 0, 0)


def key_hex(password):
    raw = password.encode("ascii")[:16]
    key = bytes(raw[i] if i < len(raw) else i + 32 for i in range(16))
    return key.hex()


def verifier(password):
    out = subprocess.run(["sha256sum"], input=(password + SALT).encode("ascii"), capture_output=True, check=True)
    return out.stdout.decode().split()[0]


def openssl(args, data):
    return subprocess.run(["openssl", "enc"] + args, input=data, capture_output=True, check=True).stdout


def make(folder):
    os.makedirs(folder, exist_ok=True)
    # Files of earlier versions carry one byte after the last record.
    plain = b"".join(record_bytes(r) for r in THEIRS) + b"\x00"
    cipher = openssl(["-aes-128-cbc", "-K", key_hex(THEIRS_PASSWORD), "-iv", IV.hex()], plain)
    assert len(cipher) == (len(plain) // 16 + 1) * 16
    data = archive_string(HEADER) + archive_string(verifier(THEIRS_PASSWORD)) + archive_string("")
    data += struct.pack("<ii", 0, len(THEIRS)) + cipher
    with open(os.path.join(folder, "theirs.pmd"), "wb") as f:
        f.write(data)


def check(folder):
    with open(os.path.join(folder, "ours.pmd"), "rb") as f:
        data = f.read()
    header, pos = read_string(data, 0)
    assert header == HEADER, header
    stored, pos = read_string(data, pos)
    assert stored == verifier(OURS_PASSWORD), "the verifier is not sha256sum of password and salt"
    empty, pos = read_string(data, pos)
    assert empty == ""
    zero, count = struct.unpack_from("<ii", data, pos)
    pos += 8
    assert (zero, count) == (0, len(OURS)), (zero, count)
    cipher = data[pos:]
    plain = openssl(["-d", "-aes-128-cbc", "-K", key_hex(OURS_PASSWORD), "-iv", IV.hex()], cipher)
    assert len(cipher) == (len(plain) // 16 + 1) * 16, "padding is not one to sixteen bytes"
    pos = 0
    for expected in OURS:
        fields = []
        for _ in range(11):
            s, pos = read_string(plain, pos)
            fields.append(s)
        numbers = struct.unpack_from("<4i", plain, pos)
        pos += 16
        assert fields == expected + [""] * 4, fields
        assert numbers == (0, 0, 0, 0), numbers
    assert pos == len(plain), "bytes after the last record"
    print("ours.pmd: header, verifier (sha256sum) and %d records (openssl) as expected" % len(OURS))


if __name__ == "__main__":
    {"make": make, "check": check}[sys.argv[1]](sys.argv[2])
