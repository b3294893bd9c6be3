#!/usr/bin/env bash
# Zip extraction and backup of a tree of 3000 files (about 100 MB, half text,
# half random bytes): our program under Wine against Info-ZIP natively, as a
# user would compare them. Rounds alternate between the two sides; the
# figures are medians of whole process times (Wine's process start included),
# with the time spent inside our program shown beside them.
# Then the platform's file calls per file, counted from Wine's trace of two
# small trees (the difference between 150 and 50 files, so that the calls of
# starting the program drop out).
# Run by scripts/bench (which prepares Wine and the build); ROUNDS=n changes
# the number of rounds.
set -euo pipefail
: "${ZOREL_BUILD:?run through scripts/bench}"
exe=$ZOREL_BUILD/bench/bench_zip.exe
rounds=${ROUNDS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree

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
        text, n = [], 0
        while n < size:
            w = rnd.choice(words)
            text.append(w)
            n += len(w) + 1
        data = ' '.join(text).encode()[:size]
    with open(os.path.join(folder, 'f%04d.dat' % i), 'wb') as f:
        f.write(data)
    total += size
print('tree: 3000 files in 320 folders, %.1f MB' % (total / 1e6))
PY

win() { local p=$1; echo "Z:${p//\//\\}"; }
seconds() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The reference archive both extractions read.
(cd "$tree" && zip -r -q -6 "$work/ref.zip" .)
# Warm the page cache and Wine's process start.
cat $(find "$tree" -type f) >/dev/null
wine "$exe" extract "$(win "$work/ref.zip")" "$(win "$work/warm")" >/dev/null
rm -rf "$work/warm"

: >"$work/zip.t"; : >"$work/ours_backup.t"; : >"$work/ours_backup.in"
: >"$work/unzip.t"; : >"$work/ours_extract.t"; : >"$work/ours_extract.in"
for ((r = 0; r < rounds; r++)); do
  rm -f "$work/zip-r.zip" "$tree/backup.zip"
  t0=$(seconds); (cd "$tree" && zip -r -q -6 "$work/zip-r.zip" .); t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/zip.t"
  t0=$(seconds); wine "$exe" backup "$(win "$tree")" >"$work/out"; t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/ours_backup.t"
  tr -d '\r' <"$work/out" | sed -n 's/^inside: \([0-9.]*\) ms/\1/p' >>"$work/ours_backup.in"

  rm -rf "$work/x-unzip" "$work/x-ours"
  t0=$(seconds); unzip -q "$work/ref.zip" -d "$work/x-unzip"; t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/unzip.t"
  t0=$(seconds); wine "$exe" extract "$(win "$work/ref.zip")" "$(win "$work/x-ours")" >"$work/out"; t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/ours_extract.t"
  tr -d '\r' <"$work/out" | sed -n 's/^inside: \([0-9.]*\) ms/\1/p' >>"$work/ours_extract.in"
done

# Both sides must have done the same work.
diff -r "$work/x-unzip" "$work/x-ours" >/dev/null || { echo "extracted trees differ"; exit 1; }
unzip -tq "$tree/backup.zip" >/dev/null || { echo "our backup does not test clean"; exit 1; }
[ "$(unzip -Z1 "$tree/backup.zip" | grep -vc '/$')" = 3000 ] || { echo "our backup misses files"; exit 1; }

zipT=$(median <"$work/zip.t"); oursB=$(median <"$work/ours_backup.t"); oursBin=$(median <"$work/ours_backup.in")
unzipT=$(median <"$work/unzip.t"); oursE=$(median <"$work/ours_extract.t"); oursEin=$(median <"$work/ours_extract.in")
echo "median of $rounds rounds; ours runs under Wine, Info-ZIP natively"
printf 'extract  ours %.3f s (%.3f s inside)   unzip    %.3f s   ratio %.2f (goal <= 1.2)\n' \
  "$oursE" "$(echo "$oursEin / 1000" | bc -l)" "$unzipT" "$(echo "$oursE / $unzipT" | bc -l)"
printf 'backup   ours %.3f s (%.3f s inside)   zip -r -6 %.3f s   ratio %.2f (goal <= 1.5)\n' \
  "$oursB" "$(echo "$oursBin / 1000" | bc -l)" "$zipT" "$(echo "$oursB / $zipT" | bc -l)"
printf 'archives: ours %d bytes, zip -r %d bytes\n' "$(stat -c %s "$tree/backup.zip")" "$(stat -c %s "$work/zip-r.zip")"

# Platform file calls per file, from Wine's file trace. Pipes that stop
# reading early (head) are no failure here.
set +o pipefail
small_tree() {  # folder count: a copy of the first count files of the tree above
  local out=$1 n=$2
  rm -rf "$out"; mkdir -p "$out"
  (cd "$tree" && find . -name '*.dat' | sort | head -n "$n" | while read -r f; do
    mkdir -p "$out/${f%/*}"; cp -p "$f" "$out/$f"
  done)
}
# One count per call, of our program's process only (Wine's own services
# trace their calls too): the process that opened the most files, with all
# its threads, since the files are read and written by worker threads. The
# lines that report a call's result are left out.
traced() {
  local log=$work/trace.log pid
  WINEDEBUG=trace+file,+pid wine "$exe" "$@" >"$log" 2>&1 || true
  pid=$(grep -a 'trace:file:CreateFileW' "$log" | cut -d: -f1 | sort | uniq -c | sort -rn | awk 'NR == 1 { print $2 }')
  grep -a "^$pid:" "$log" | grep -av ' returning ' | grep -ao 'trace:file:[A-Za-z_]*' |
    sed 's/trace:file://' | sort | uniq -c
}
calls=(CreateFileW NtCreateFile GetFileAttributesW GetFileAttributesExW SetFileAttributesW GetLongPathNameW
       FindFirstFileExW CreateDirectoryW SetFileTime NtSetInformationFile NtQueryInformationFile
       NtDeviceIoControlFile nt_to_unix_file_name_no_root NtReadFile NtWriteFile)
for n in 50 150; do
  small_tree "$work/c$n" "$n"
  (cd "$work/c$n" && zip -r -q -6 "$work/c$n.zip" .)
  rm -rf "$work/cx$n"
  traced extract "$(win "$work/c$n.zip")" "$(win "$work/cx$n")" >"$work/extract$n.calls"
  traced backup "$(win "$work/c$n")" >"$work/backup$n.calls"
done
per_file() {  # kind name: calls per file from the two counts
  local a b
  a=$(awk -v f="$2" '$2 == f { print $1 }' "$work/${1}50.calls"); b=$(awk -v f="$2" '$2 == f { print $1 }' "$work/${1}150.calls")
  echo "scale=1; (${b:-0} - ${a:-0}) / 100" | bc
}
echo "platform file calls per file (Wine trace):"
printf '  %-30s %8s %8s\n' call extract backup
for c in "${calls[@]}"; do
  e=$(per_file extract "$c"); b=$(per_file backup "$c")
  [ "$e" = 0 ] && [ "$b" = 0 ] && continue
  printf '  %-30s %8s %8s\n' "$c" "$e" "$b"
done
