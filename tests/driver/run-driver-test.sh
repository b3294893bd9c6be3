#!/usr/bin/env bash
# Starts the demonstration program under Wine on the virtual screen, finds
# its window, clicks its button by command, reads the changed text back and
# takes a screenshot. Arguments: the build folder and the source folder.
set -euo pipefail
build=$1
source=$2
winpath() { echo "Z:$(readlink -f "$1")" | tr / '\\'; }
drv() { wine "$build/bin/zdriver.exe" "$@" | tr -d '\r'; }
title="Zorel Driver Demo"
status=1001
change=1002

cleanup() { drv close "$title" >/dev/null 2>&1 || true; }
trap cleanup EXIT

# The started program must not hold the pipe of a command substitution.
pidfile=$(mktemp)
wine "$build/bin/zdriver.exe" start "$(winpath "$build/tests/fwdemo.exe")" </dev/null >"$pidfile" 2>/dev/null
pid=$(tr -d '\r\n' <"$pidfile")
rm -f "$pidfile"
drv wait "$title" 20000
text=$(drv text "$title" $status)
[ "$text" = "Waiting" ] || { echo "status before: '$text'"; exit 1; }
drv command "$title" $change
text=$(drv text "$title" $status)
[ "$text" = "Changed by command" ] || { echo "status after: '$text'"; exit 1; }
drv state "$title" | grep -q "visible=1" || { echo "demo window not visible"; exit 1; }

shot="$build/tests/screenshots/driver-demo.png"
"$source/scripts/screenshot" "$shot"
[ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || { echo "no PNG at $shot"; exit 1; }
echo "screenshot: $shot"

# Closing the main window ends the program's message loop and the program.
drv close "$title"
drv gone "$title" 10000
code=$(drv exited "$pid" 10000)
[ "$code" = "0" ] || { echo "exit code: '$code'"; exit 1; }
