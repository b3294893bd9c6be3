#!/usr/bin/env bash
# The kill test, run by hand (it takes minutes, so it is no ctest entry):
#   tests/kill/run.sh [trials] [build folder]
# Zorel runs from a temporary program folder under Wine on a virtual screen.
# Each trial starts it, checks that the start kept everything the last
# completed saves held (every note whole with all its saved text, the memo
# list, the settings; no leftover temporary file, no damaged copy), then
# makes changes as a user would and kills it at a random moment, often in
# the middle of a save. It ends with the number of trials and of losses.
set -uo pipefail
here=$(dirname "$(readlink -f "$0")")
source_dir=$(readlink -f "$here/../..")
trials=${1:-50}
build=$(readlink -f "${2:-$source_dir/build}")

[ -f "$build/bin/zkill.exe" ] && [ -f "$build/bin/Zorel.exe" ] || { echo "build first: scripts/build"; exit 2; }
export ZOREL_BUILD_DIR=$build
# A Wine prefix of its own: a test run that ends its Wine server must not end
# this one's programs.
export WINEPREFIX=${ZOREL_KILL_PREFIX:-$build/wineprefix-kill}
. "$source_dir/scripts/env.sh"
export TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8
if [ -z "${ZOREL_KILL_SCREEN:-}" ]; then
  zorel_wine_prefix
  export ZOREL_KILL_SCREEN=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$trials" "$build"
fi
wineserver -p
trap 'e2e_cleanup; wineserver -k 2>/dev/null || true' EXIT
wineboot >/dev/null 2>&1 </dev/null || true

. "$source_dir/tests/driver/e2e-lib.sh"
e2e_init "$build" "$source_dir"
trap 'e2e_cleanup; wineserver -k 2>/dev/null || true' EXIT

folder=$(e2e_folder)
cp "$build/bin/Zorel.exe" "$folder/"
state=$(mktemp)
E2E_TEMP+=("$state")
zkill() { wine "$build/bin/zkill.exe" "$@" | tr -d '\r'; }
# The started program must not hold the pipe of a command substitution (it
# would wait for the program to end), so its pid comes through a file.
start_zorel() {
  local out
  out=$(mktemp)
  wine "$build/bin/zkill.exe" start "$(winpath "$folder")" </dev/null >"$out" 2>/dev/null
  tr -d '\r\n' <"$out"
  rm -f "$out"
}

losses=0
interrupted=0
failed_starts=0
for trial in $(seq 1 "$trials"); do
  pid=$(start_zorel)
  if [ -z "$pid" ]; then
    echo "trial $trial: Zorel did not start"
    failed_starts=$((failed_starts + 1))
    losses=$((losses + 1))
    continue
  fi
  E2E_PIDS+=("$pid")
  if [ "$trial" -gt 1 ]; then
    found=$(python3 "$here/check.py" verify "$folder" "$state")
    if [ -n "$found" ]; then
      echo "trial $trial: after the restart:"
      echo "$found" | sed 's/^/  /'
      losses=$((losses + $(echo "$found" | wc -l)))
    fi
  fi
  did=$(zkill work "$pid" "$trial" 2500)
  python3 "$here/check.py" snapshot "$folder" "$state"
  left=$(python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["leftovers"]))' "$state")
  [ "$left" -gt 0 ] && interrupted=$((interrupted + 1))
  echo "trial $trial: $did, killed leaving $left unfinished save(s)"
done

# A last start checks the last kill.
pid=$(start_zorel)
if [ -n "$pid" ]; then
  E2E_PIDS+=("$pid")
  found=$(python3 "$here/check.py" verify "$folder" "$state")
  if [ -n "$found" ]; then
    echo "last start:"
    echo "$found" | sed 's/^/  /'
    losses=$((losses + $(echo "$found" | wc -l)))
  fi
  wine "$build/bin/zdriver.exe" kill "$pid" >/dev/null 2>&1
else
  losses=$((losses + 1))
fi

echo "at the end: $(python3 "$here/check.py" summary "$folder" -)"
echo "trials: $trials, kills that cut a save short: $interrupted, failed starts: $failed_starts, losses: $losses"
[ "$losses" -eq 0 ]
