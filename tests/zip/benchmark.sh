#!/usr/bin/env bash
# Backs up a data tree of a few thousand files (about 100 MB) with the
# program's backup and with `zip -r -q` at the same level, side by side.
# Not a test: it prints the times and sizes. Run after scripts/build.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/env.sh"
work=${1:-$(mktemp -d)}
tree=$work/tree
rm -rf "$tree" "$work/zip-r.zip"
python3 - "$tree" <<'PY'
import os, random, sys
root = sys.argv[1]
rnd = random.Random(42)
words = [''.join(rnd.choice('abcdefghijklmnopqrstuvwxyz') for _ in range(rnd.randint(2, 9))) for _ in range(2000)]
total = 0
for i in range(3000):
    folder = os.path.join(root, 'd%02d' % (i % 40), 's%d' % (i % 7))
    os.makedirs(folder, exist_ok=True)
    size = rnd.randint(1000, 65000)
    if i % 2:
        data = rnd.randbytes(size)
    else:
        text = []
        n = 0
        while n < size:
            w = rnd.choice(words)
            text.append(w)
            n += len(w) + 1
        data = ' '.join(text).encode()[:size]
    with open(os.path.join(folder, 'f%04d.dat' % i), 'wb') as f:
        f.write(data)
    total += size
print('tree: 3000 files, %.1f MB' % (total / 1e6))
PY
sync
start=$(date +%s.%N)
(cd "$tree" && zip -r -q -6 "$work/zip-r.zip" .)
end=$(date +%s.%N)
echo "zip -r -q -6: $(echo "$end - $start" | bc) s, $(stat -c %s "$work/zip-r.zip") bytes"
export ZOREL_BENCH_DIR=$tree
wine "$ZOREL_BUILD/tests/test_zip.exe" --gtest_also_run_disabled_tests \
    --gtest_filter='Backup.DISABLED_BenchmarkProgramFolder' 2>/dev/null | grep -E '^backup:|OK|FAILED'
unzip -tq "$tree/backup.zip"
