#!/usr/bin/env python3
"""Checks the archives the Windows test wrote with other tools.

For every X.zip (or X.exe) in the folder: Info-ZIP's `unzip -t` reports no
errors, `zipinfo` lists the same entries as Python's zipfile, zipfile's
testzip() finds nothing, and when a folder X.src sits beside it, extracting
with zipfile gives exactly its files and folders, and unzip gives every entry
whose name is marked as UTF-8 under that name. Unmarked names were written in
the OEM code page given in oemcp.txt; a password, when needed, is in X.pwd.
"""
import os
import subprocess
import sys
import tempfile
import zipfile

folder = sys.argv[1]
failures = []


def fail(msg):
    failures.append(msg)
    print('FAIL: ' + msg)


def tree(root):
    items = {}
    for base, dirs, files in os.walk(root):
        rel = os.path.relpath(base, root)
        if rel != '.':
            items[rel.replace(os.sep, '/') + '/'] = None
        for f in files:
            path = os.path.join(base, f)
            key = os.path.relpath(path, root).replace(os.sep, '/')
            with open(path, 'rb') as h:
                items[key] = h.read()
    return items


oemcp = 437
if os.path.exists(os.path.join(folder, 'oemcp.txt')):
    oemcp = int(open(os.path.join(folder, 'oemcp.txt')).read().strip())

archives = sorted(n for n in os.listdir(folder) if n.endswith('.zip') or n.endswith('.exe'))
if not archives:
    fail('no archives in ' + folder)

for name in archives:
    path = os.path.join(folder, name)
    stem = name[:-4]
    pwd = None
    if os.path.exists(os.path.join(folder, stem + '.pwd')):
        pwd = open(os.path.join(folder, stem + '.pwd'), 'rb').read().strip()

    # unzip warns (status 1) about the program in front of a self-installing
    # file; it must still find no errors in the data.
    cmd = ['unzip', '-t'] + (['-P', pwd.decode()] if pwd else []) + [path]
    r = subprocess.run(cmd, capture_output=True)
    out = r.stdout.decode('latin-1')
    empty = 'Empty zipfile' in out or 'zipfile is empty' in out
    if r.returncode > 1 or (not empty and 'No errors detected' not in out):
        fail('%s: unzip -t status %d\n%s%s' % (name, r.returncode, out, r.stderr.decode('latin-1')))

    with zipfile.ZipFile(path) as z:
        infos = z.infolist()
        r = subprocess.run(['zipinfo', '-1', path], capture_output=True)
        listed = [l for l in r.stdout.split(b'\n') if l]
        if infos and (r.returncode > 1 or len(listed) != len(infos)):
            fail('%s: zipinfo lists %d entries, zipfile %d (status %d)' % (name, len(listed), len(infos), r.returncode))
        if pwd:
            z.setpassword(pwd)
        try:
            bad = z.testzip()
        except Exception as e:  # a damaged entry raises instead of being named
            bad = repr(e)
        if bad is not None:
            fail('%s: testzip found %s' % (name, bad))
            continue
        src = os.path.join(folder, stem + '.src')
        if not os.path.isdir(src):
            print('ok: %s (%d entries, tested)' % (name, len(infos)))
            continue
        got = {}
        for info in infos:
            n = info.filename
            if not info.flag_bits & 0x800:
                n = n.encode('cp437').decode('cp%d' % oemcp)
            got[n] = None if n.endswith('/') else z.read(info)
        want = tree(src)
        # A folder is also made by the entries inside it.
        for key in list(got):
            parts = key.rstrip('/').split('/')[:-1]
            for i in range(1, len(parts) + 1):
                got.setdefault('/'.join(parts[:i]) + '/', None)
        if got != want:
            missing = sorted(set(want) - set(got))
            extra = sorted(set(got) - set(want))
            differ = sorted(k for k in set(want) & set(got) if want[k] != got[k])
            fail('%s: contents differ: missing %s extra %s differ %s' % (name, missing[:5], extra[:5], differ[:5]))
            continue
        # Info-ZIP turns unmarked names into Latin-1 bytes on Linux; marked
        # ones must come out exactly.
        marked = [i for i in infos if i.flag_bits & 0x800 and not i.filename.endswith('/')]
        if marked:
            with tempfile.TemporaryDirectory() as out:
                cmd = ['unzip', '-qq', '-o'] + (['-P', pwd.decode()] if pwd else []) + [path, '-d', out]
                env = dict(os.environ, LC_ALL='C.UTF-8')
                subprocess.run(cmd, capture_output=True, env=env)
                for info in marked:
                    target = os.path.join(out, info.filename)
                    if not os.path.isfile(target) or open(target, 'rb').read() != z.read(info):
                        fail('%s: unzip did not give %s' % (name, info.filename))
    print('ok: %s (%d entries, extracted)' % (name, len(infos)))

sys.exit(1 if failures else 0)
