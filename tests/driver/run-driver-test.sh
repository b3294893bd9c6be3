#!/usr/bin/env bash
# Starts the demonstration program under Wine on the virtual screen, finds
# its window, clicks its button by command, reads the changed text back,
# takes a screenshot and closes it. Arguments: the build and source folders.
set -euo pipefail
. "$(dirname "$0")/e2e-lib.sh"
e2e_init "$1" "$2"
title="Zorel Driver Demo"
status=1001
change=1002

# The program runs from a folder of its own, as an installed copy would.
folder=$(e2e_folder)
cp "$E2E_BUILD/tests/fwdemo.exe" "$folder/"
e2e_start "$folder/fwdemo.exe"
pid=$E2E_PID
drv wait "$title" 20000
text=$(drv text "$title" $status)
[ "$text" = "Waiting" ] || { echo "status before: '$text'"; exit 1; }
drv command "$title" $change
text=$(drv text "$title" $status)
[ "$text" = "Changed by command" ] || { echo "status after: '$text'"; exit 1; }
drv state "$title" | grep -q "visible=1" || { echo "demo window not visible"; exit 1; }
echo "screenshot: $(e2e_shot driver-demo)"

# Closing the main window ends the program's message loop and the program.
drv close "$title"
drv gone "$title" 10000
code=$(drv exited "$pid" 10000)
[ "$code" = "0" ] || [ "$code" = "ended" ] || { echo "exit code: '$code'"; exit 1; }
