#!/usr/bin/env bash
# Makes the archives of other tools that the Windows test reads: Info-ZIP's
# zip (recursive, stored, with a comment, streamed, encrypted) and Python's
# zipfile (plain and streamed), plus copies with a stub in front.
set -euo pipefail
out=$1
rm -rf "$out"
mkdir -p "$out/src/docs/deep/er" "$out/src/empty_folder" "$out/src/bin"
cd "$out/src"
printf 'hello from Linux\n' > hello.txt
: > empty.dat
head -c 300000 /dev/urandom > docs/random.bin
python3 -c "
import sys
sys.stdout.write(''.join('line %d of a text that compresses well\n' % i for i in range(20000)))" > docs/deep/er/text.txt
printf 'read only\n' > docs/readonly.txt
chmod 444 docs/readonly.txt
printf '#!/bin/sh\necho hi\n' > bin/run.sh
chmod 755 bin/run.sh
# Names beyond any one code page: Python marks them as UTF-8.
mkdir -p "$out/usrc/한글"
cd "$out/usrc"
printf 'dash\n' > 'a—b.txt'
printf 'euro\n' > 'price€.txt'
printf 'memo\n' > '한글/메모.txt'
printf 'log\n' > 'Журнал.txt'
printf 'coffee\n' > 'café.txt'
cd "$out"
(cd src && zip -qr ../zipr.zip .)
(cd src && zip -qr0 ../zip0.zip .)
(cd src && printf 'A comment made by Info-ZIP\n' | zip -qrz ../comment.zip .)
(cd src && zip -qr - . | cat > ../stream.zip)
(cd src && zip -qr -P secret ../encrypted.zip hello.txt docs/deep/er/text.txt)
head -c 4096 /dev/urandom > stub.bin
cat stub.bin zipr.zip > stub.zip
cat stub.bin zipr.zip > stub_adjusted.zip
zip -qA stub_adjusted.zip
python3 - "$out" <<'PY'
import io, os, sys, zipfile
out = sys.argv[1]
src = os.path.join(out, 'src')

def files():
    for root, dirs, names in os.walk(src):
        for n in sorted(names):
            full = os.path.join(root, n)
            yield full, os.path.relpath(full, src)

with zipfile.ZipFile(os.path.join(out, 'python.zip'), 'w', zipfile.ZIP_DEFLATED) as z:
    for full, rel in files():
        z.write(full, rel)

class Unseekable(io.RawIOBase):
    # Writing to a stream that cannot seek makes zipfile use data descriptors.
    def __init__(self):
        self.data = bytearray()
    def writable(self):
        return True
    def write(self, b):
        self.data += b
        return len(b)

sink = Unseekable()
with zipfile.ZipFile(sink, 'w', zipfile.ZIP_DEFLATED) as z:
    for full, rel in files():
        with open(full, 'rb') as f, z.open(rel, 'w') as w:
            w.write(f.read())
with open(os.path.join(out, 'pystream.zip'), 'wb') as f:
    f.write(bytes(sink.data))

usrc = os.path.join(out, 'usrc')
with zipfile.ZipFile(os.path.join(out, 'unicode.zip'), 'w', zipfile.ZIP_DEFLATED) as z:
    for root, dirs, names in os.walk(usrc):
        for n in sorted(names):
            full = os.path.join(root, n)
            z.write(full, os.path.relpath(full, usrc))
with zipfile.ZipFile(os.path.join(out, 'unicode.zip')) as z:
    assert all(i.flag_bits & 0x800 for i in z.infolist())
PY
chmod -R u+w "$out"
