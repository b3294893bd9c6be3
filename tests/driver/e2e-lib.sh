# Shell helpers for end-to-end tests (sourced): drive Windows programs under
# Wine on the test run's virtual screen.
#   e2e_init <build folder> <source folder>
#   e2e_folder                     a fresh temporary program folder (removed at exit)
#   e2e_start <exe> [arguments]    start a Windows program (Unix path) into $E2E_PID
#   drv <action> ...               run zdriver (see tests/driver/DriverMain.cpp)
#   e2e_shot <name>                screenshot into <build>/tests/screenshots/<name>.png
#   winpath <unix path>            the Windows form of a path (Z:\...)

e2e_init() {
  E2E_BUILD=$(readlink -f "$1")
  E2E_SOURCE=$(readlink -f "$2")
  E2E_TEMP=()
  E2E_PIDS=()
  trap 'e2e_cleanup' EXIT
}

# Programs a failed test left running are ended; then the folders go.
e2e_cleanup() {
  local folder pid
  for pid in "${E2E_PIDS[@]}"; do
    wine "$E2E_BUILD/bin/zdriver.exe" exited "$pid" 0 >/dev/null 2>&1 ||
      wine "$E2E_BUILD/bin/zdriver.exe" kill "$pid" >/dev/null 2>&1 || true
  done
  for folder in "${E2E_TEMP[@]}"; do rm -rf "$folder"; done
}

winpath() { echo "Z:$(readlink -f "$1")" | tr / '\\'; }

drv() { wine "$E2E_BUILD/bin/zdriver.exe" "$@" | tr -d '\r'; }

e2e_folder() {
  local folder
  folder=$(mktemp -d "${TMPDIR:-/tmp}/zorel-e2e.XXXXXX")
  E2E_TEMP+=("$folder")
  echo "$folder"
}

# The started program must not hold a pipe of the caller (a command
# substitution would wait for it to end), so its pid goes through a file.
e2e_start() {
  local exe=$1 pidfile
  shift
  pidfile=$(mktemp)
  wine "$E2E_BUILD/bin/zdriver.exe" start "$(winpath "$exe")" "$@" </dev/null >"$pidfile" 2>/dev/null
  E2E_PID=$(tr -d '\r\n' <"$pidfile")
  rm -f "$pidfile"
  [ -n "$E2E_PID" ] || { echo "cannot start $exe" >&2; return 1; }
  E2E_PIDS+=("$E2E_PID")
}

e2e_shot() {
  local shot="$E2E_BUILD/tests/screenshots/$1.png"
  "$E2E_SOURCE/scripts/screenshot" "$shot"
  [ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || { echo "no PNG at $shot" >&2; return 1; }
  echo "$shot"
}
