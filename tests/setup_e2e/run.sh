#!/usr/bin/env bash
# The installer and the uninstaller for real, in a Wine prefix of their own
# made for this run: the wizard driven page by page into C:\Havrond\Zorel,
# the installed tree against the build's, the finish step starting Zorel,
# then the uninstaller with Zorel running, a second uninstaller run and a
# copy that fails. Prints the installer's size and the wall times.
#   run.sh <build folder> <source folder>
set -euo pipefail
build=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
prefix=$(mktemp -d "${TMPDIR:-/tmp}/zorel-setup-prefix.XXXXXX")
export WINEPREFIX=$prefix
. "$source_dir/scripts/env.sh"
. "$source_dir/tests/driver/e2e-lib.sh"
e2e_init "$build" "$source_dir"
trap 'e2e_cleanup; wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT

fail() {
  echo "FAIL: $*" >&2
  e2e_shot setup_e2e_failure >/dev/null 2>&1 || true
  drv list >&2 || true
  exit 1
}
now_ms() { date +%s%3N; }
# Runs until the condition holds, for at most the given tenths of a second.
wait_for() {
  local tenths=$1
  shift
  for _ in $(seq 1 "$tenths"); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

zorel_wine_prefix
wineserver -p
wineboot >/dev/null 2>&1 </dev/null || true

title="Zorel 3.1.1 Setup"
install="$prefix/drive_c/Havrond/Zorel"
setup_bytes=$(stat -c %s "$build/bin/ZorelSetup.exe")

# ---- Install ---------------------------------------------------------------
started=$(now_ms)
e2e_start "$build/bin/ZorelSetup.exe"
setup_pid=$E2E_PID
drv wait "Installer Language" 30000 >/dev/null || fail "no language dialog"
[ "$(drv text "Installer Language" 1034)" = "Please select a language." ] || fail "the language dialog is not English"
e2e_shot setup_language >/dev/null
drv click "Installer Language" 1 >/dev/null
drv wait "$title" 20000 >/dev/null || fail "no wizard"
[ "$(drv text "$title" 1001)" = "I Agree" ] || fail "the licence page's button"
e2e_shot setup_licence >/dev/null
drv click "$title" 1001 >/dev/null
[ "$(drv text "$title" 1031)" = "Choose Install Location" ] || fail "no folder page"
[ "$(drv text "$title" 1001)" = "Install" ] || fail "the folder page's button"
e2e_shot setup_folder >/dev/null
drv click "$title" 1001 >/dev/null
wait_for 300 bash -c '[ "$(wine "'"$build"'/bin/zdriver.exe" text "'"$title"'" 1032 | tr -d "\r")" = "Zorel 3.1.1 has been successfully installed on your computer." ]' ||
  fail "the copy did not finish: $(drv text "$title" 1032)"
installed=$(now_ms)
e2e_shot setup_finish >/dev/null
[ "$(drv text "$title" 1001)" = "Finish" ] || fail "the finish page's button"

# The installed tree is the build's.
/usr/bin/python3 - "$build/setup_data/payload.zip" "$install" <<'PY' || fail "the installed tree differs"
import os, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
bad = [i.filename for i in z.infolist() if not i.filename.endswith("/") and
       open(os.path.join(sys.argv[2], *i.filename.split("/")), "rb").read() != z.read(i)]
sys.exit(1 if bad else 0)
PY
[ -f "$install/Homepage.html" ] || fail "no Homepage.html"
find "$prefix/drive_c" -path "*Programs/Zorel/Zorel.lnk" | grep -q . || fail "no Start-menu shortcut"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "Zorel Start" 2>/dev/null | tr -d '\r' |
  grep -qF 'C:\Havrond\Zorel\Zorel.exe" /login' || fail "no Run value"

# Finish pressed twice: one finish step, one Zorel.
drv post "$title" 273 1001 0 >/dev/null
drv post "$title" 273 1001 0 >/dev/null || true
[ "$(drv exited "$setup_pid" 20000)" != "" ] || fail "the installer did not end"
drv wait "Zorel Program" 30000 >/dev/null || fail "Zorel did not start"
[ -f "$install/ZorelConfig.xml" ] || fail "no settings preset"
sleep 2
[ "$(drv list | grep -c $'\tZorel Program$' || true)" = 1 ] || fail "Zorel started more than once"
e2e_shot setup_running >/dev/null

# ---- Uninstall, with Zorel running ------------------------------------------
for folder in memo_data schedule_data anniversary_data pmanager_data capture; do
  mkdir -p "$install/$folder" && echo kept >"$install/$folder/kept.txt"
done
echo "<Friends/>" >"$install/friendlist.xml"
wine reg add 'HKCU\Software\Zorel Program\Zorel\General' /v Test /d 1 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Zorel Program\Zorel\Widgets\Open' /v Test /d 1 /f >/dev/null 2>&1

started_uninstall=$(now_ms)
e2e_start "$install/ZorelUninstall.exe"
uninstall_pid=$E2E_PID
drv wait "Zorel Uninstall" 20000 >/dev/null || fail "no uninstaller dialog"
[ "$(drv text "Zorel Uninstall" 1000)" = "Leave Data Files" ] || fail "the uninstaller is not English"
e2e_shot uninstall_dialog >/dev/null
# Posted: the click's handler runs until its message box is answered.
drv post "Zorel Uninstall" 273 1 0 >/dev/null
drv gone "Zorel Program" 30000 >/dev/null || fail "Zorel was not closed"
wait_for 300 test ! -e "$install/system" || fail "system was not removed"
uninstalled=$(now_ms)
sleep 1
e2e_shot uninstall_done >/dev/null
message=$(drv text "Zorel Uninstall" 65535 || true)
drv close "Zorel Uninstall" >/dev/null || true
[ "$(drv exited "$uninstall_pid" 20000)" != "" ] || fail "the uninstaller did not end"
if [ -n "$message" ]; then [ "$message" = "Uninstall Success." ] || fail "final message: $message"; fi
for gone in Zorel.exe Homepage.html ZorelConfig.xml skin system friendlist.xml; do
  [ ! -e "$install/$gone" ] || fail "$gone is still there"
done
for kept in memo_data schedule_data anniversary_data pmanager_data capture; do
  [ -f "$install/$kept/kept.txt" ] || fail "$kept was not kept"
done
[ -f "$install/ZorelUninstall.exe" ] || fail "the uninstaller removed itself"
! find "$prefix/drive_c" -path "*Programs/Zorel" | grep -q . || fail "the Start-menu folder is still there"
! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "Zorel Start" >/dev/null 2>&1 ||
  fail "the Run value is still there"
! wine reg query 'HKCU\Software\Zorel Program\Zorel\General' >/dev/null 2>&1 || fail "a section key is still there"
wine reg query 'HKCU\Software\Zorel Program\Zorel\Widgets\Open' >/dev/null 2>&1 ||
  fail "a key with subkeys was deleted with them"

# A second run finds no Zorel.exe and says only that.
e2e_start "$install/ZorelUninstall.exe"
second_pid=$E2E_PID
drv wait "Zorel Uninstall" 20000 >/dev/null || fail "no message on the second run"
! drv state "Zorel Uninstall" 1000 >/dev/null 2>&1 || fail "the second run showed its dialog"
message=$(drv text "Zorel Uninstall" 65535 || true)
if [ -n "$message" ]; then [ "$message" = 'There is no "Zorel.exe" file' ] || fail "second run: $message"; fi
e2e_shot uninstall_again >/dev/null
drv close "Zorel Uninstall" >/dev/null || true
[ "$(drv exited "$second_pid" 20000)" != "" ] || fail "the second run did not end"

# ---- A copy that fails ------------------------------------------------------
echo "in the way" >"$install/skin"
e2e_start "$build/bin/ZorelSetup.exe"
failed_pid=$E2E_PID
drv wait "Installer Language" 30000 >/dev/null || fail "no language dialog"
drv click "Installer Language" 1 >/dev/null
drv wait "$title" 30000 >/dev/null || fail "no wizard for the second install"
drv click "$title" 1001 >/dev/null
drv click "$title" 1001 >/dev/null
wait_for 300 bash -c 'wine "'"$build"'/bin/zdriver.exe" text "'"$title"'" 1032 | grep -q "error code"' ||
  fail "no failure page: $(drv text "$title" 1032)"
[ "$(drv text "$title" 1032)" = "Failed to setup Zorel 3.1.1 error code = 5" ] || fail "failure text: $(drv text "$title" 1032)"
drv state "$title" 1009 | grep -qi "hidden" || true
e2e_shot setup_failed >/dev/null
drv click "$title" 1001 >/dev/null
[ "$(drv exited "$failed_pid" 20000)" != "" ] || fail "the failed installer did not end"
! drv wait "Zorel Program" 2000 >/dev/null 2>&1 || fail "Zorel started after a failed copy"

echo "ZorelSetup.exe: $setup_bytes bytes; install $((installed - started)) ms (language to finish page);" \
     "uninstall $((uninstalled - started_uninstall)) ms (start to files removed)" | tee "$build/tests/setup_e2e_figures.txt"
