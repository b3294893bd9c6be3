#!/usr/bin/env bash
# Download rate of a 50 MB file from a local HTTP server (Python's
# http.server on 127.0.0.1): the program's web client under Wine against
# curl natively, as a user would compare them. Rounds alternate between the
# two sides; the figures are medians of whole process times (Wine's process
# start included), with the time inside our program shown beside them.
# Run by scripts/bench (which prepares Wine and the build); ROUNDS=n changes
# the number of rounds.
set -euo pipefail
: "${ZOREL_BUILD:?run through scripts/bench}"
exe=$ZOREL_BUILD/bench/bench_http.exe
rounds=${ROUNDS:-5}
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill $server 2>/dev/null; rm -rf "$work"' EXIT
unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY

mkdir -p "$work/www" "$work/ours" "$work/curl"
head -c $((50 * 1024 * 1024)) /dev/urandom >"$work/www/big.bin"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/www" >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done
url=http://127.0.0.1:$port/big.bin

win() { local p=$1; echo "Z:${p//\//\\}"; }
seconds() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Warm the page cache and Wine's process start.
wine "$exe" "$url" "$(win "$work/ours")" >/dev/null
: >"$work/curl.t"; : >"$work/ours.t"; : >"$work/ours.in"
for ((r = 0; r < rounds; r++)); do
  rm -f "$work/curl/big.bin" "$work/ours/system/caches/bench"
  t0=$(seconds); curl -s -o "$work/curl/big.bin" "$url"; t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/curl.t"
  t0=$(seconds); wine "$exe" "$url" "$(win "$work/ours")" >"$work/out"; t1=$(seconds)
  echo "$t1 - $t0" | bc >>"$work/ours.t"
  tr -d '\r' <"$work/out" | sed -n 's/^inside: \([0-9.]*\) ms/\1/p' >>"$work/ours.in"
done

# Both sides must have fetched the same bytes.
cmp -s "$work/www/big.bin" "$work/ours/system/caches/bench" || { echo "our download differs"; exit 1; }
cmp -s "$work/www/big.bin" "$work/curl/big.bin" || { echo "curl's download differs"; exit 1; }

curlT=$(median <"$work/curl.t"); oursT=$(median <"$work/ours.t"); oursIn=$(median <"$work/ours.in")
mb=50
echo "median of $rounds rounds of a $mb MB file; ours runs under Wine, curl natively"
printf 'ours  %.3f s (%.3f s inside) = %.0f MB/s   curl %.3f s = %.0f MB/s   ratio %.2f\n' \
  "$oursT" "$(echo "$oursIn / 1000" | bc -l)" "$(echo "$mb / $oursT" | bc -l)" \
  "$curlT" "$(echo "$mb / $curlT" | bc -l)" "$(echo "$oursT / $curlT" | bc -l)"
# Wine's process start is most of the difference; the transfer itself:
printf 'transfer alone: ours %.0f MB/s against curl %.0f MB/s   ratio %.2f\n' \
  "$(echo "$mb * 1000 / $oursIn" | bc -l)" "$(echo "$mb / $curlT" | bc -l)" "$(echo "$oursIn / 1000 / $curlT" | bc -l)"
