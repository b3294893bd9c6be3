#!/usr/bin/env bash
# Zorel as a user meets it, in a Wine prefix of its own made afresh under the
# build tree: install through the wizard, use the installed program, restart
# it, update it while it runs, uninstall it while it runs. Each step is a
# function; a failure names its step. The running program is driven by
# test_acceptance (one gtest per thing a user does); files, archives,
# pictures and the network are checked from here with independent tools.
#   run.sh <build folder> <source folder>
set -euo pipefail
build=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
work=$build/tests/acceptance_run
prefix=$work/prefix
rm -rf "$work"
mkdir -p "$work/shots"
export WINEPREFIX=$prefix
. "$source_dir/scripts/env.sh"
. "$source_dir/tests/driver/e2e-lib.sh"
e2e_init "$build" "$source_dir"
server=
passed=
# The prefix's own Wine server is persistent: it is ended first (it is found
# through the prefix), then the prefix goes, unless a failure is to be looked
# at; the next run cleans it anyway.
cleanup() {
  e2e_cleanup
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -z "$passed" ] || rm -rf "$prefix"
}
trap cleanup EXIT

step=start
fail() {
  echo "FAIL [$step]: $*" >&2
  e2e_shot "acceptance_failure_$step" >/dev/null 2>&1 || true
  drv list >&2 || true
  exit 1
}
begin() {
  step=$1
  echo "---- $step ($(date +%T))"
}
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
free_port() { /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
shot() { cp "$(e2e_shot "acceptance_$1")" "$work/shots/$1.png"; }
# The steps of test_acceptance whose names match, against the installed program.
program() { wine "$build/tests/test_acceptance.exe" --gtest_brief=1 --gtest_filter="$1"; }

title="Zorel 3.1.1 Setup"
install="$prefix/drive_c/Havrond/Zorel"
export ZOREL_ACCEPT_FOLDER='C:\Havrond\Zorel\' ZOREL_ACCEPT_STATE="Z:${work//\//\\}\\"
export ZOREL_SCREENSHOT_DIR=$ZOREL_ACCEPT_STATE'shots'

# The web check goes to a stand-in service on 127.0.0.1, as every other check.
web_port=$(free_port)
/usr/bin/python3 "$source_dir/tests/webcheck/server/check_server.py" "$web_port" >/dev/null 2>&1 &
server=$!
wait_for 50 /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $web_port), 1)" 2>/dev/null ||
  fail "the stand-in web service did not start"
export ZOREL_WEBCHECK_URL="http://127.0.0.1:$web_port/zorel/zorelcheck_250/" ZOREL_TEST_HTTP_PORT=$web_port

# The wizard from the language dialog to its finish page; "preset" is the
# radio button of the option preset picked there (0-3), "run" whether the
# finish step starts Zorel.
run_wizard() {
  local preset=$1 run=$2 pid
  e2e_start "$build/bin/ZorelSetup.exe"
  pid=$E2E_PID
  drv wait "Installer Language" 30000 >/dev/null || fail "no language dialog"
  drv click "Installer Language" 1 >/dev/null
  drv wait "$title" 30000 >/dev/null || fail "no wizard"
  drv click "$title" 1001 >/dev/null
  [ "$(drv text "$title" 1031)" = "Choose Install Location" ] || fail "no folder page"
  drv click "$title" 1001 >/dev/null
  wait_for 600 bash -c '[ "$(wine "'"$build"'/bin/zdriver.exe" text "'"$title"'" 1032 | tr -d "\r")" = "Zorel 3.1.1 has been successfully installed on your computer." ]' ||
    fail "the copy did not finish: $(drv text "$title" 1032)"
  drv click "$title" $((1037 + preset)) >/dev/null || fail "no preset $preset on the finish page"
  if [ "$run" != 1 ]; then drv click "$title" 1009 >/dev/null || fail "no start check on the finish page"; fi
  drv post "$title" 273 1001 0 >/dev/null
  [ "$(drv exited "$pid" 30000)" != "" ] || fail "the installer did not end"
}

config_value() { grep -o "<$1>[^<]*</$1>" "$install/ZorelConfig.xml" | head -1 | sed 's/<[^>]*>//g'; }

step_install() {
  begin install
  zorel_wine_prefix >/dev/null
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null || true
  run_wizard 0 0
  /usr/bin/python3 - "$build/setup_data/payload.zip" "$install" <<'PY' || fail "the installed tree differs from the staged one"
import os, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
bad = [i.filename for i in z.infolist() if not i.filename.endswith("/") and
       open(os.path.join(sys.argv[2], *i.filename.split("/")), "rb").read() != z.read(i)]
print("\n".join(bad))
sys.exit(1 if bad else 0)
PY
  [ -f "$install/Homepage.html" ] || fail "no Homepage.html"
  [ -n "$(find "$prefix/drive_c" -path "*Programs/Zorel/Zorel.lnk" -print -quit)" ] || fail "no Start-menu shortcut"
  local run_value
  run_value=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "Zorel Start" 2>/dev/null | tr -d '\r' || true)
  grep -qF 'C:\Havrond\Zorel\Zorel.exe" /login' <<<"$run_value" || fail "no Run value"
  # The first preset: clock and calendar at start, notes shown, the menu bar.
  [ "$(config_value StartView)" = 1 ] || fail "the preset's clock start: $(config_value StartView)"
  [ "$(config_value AutoStart)" = 1 ] || fail "the preset's calendar start"
  [ "$(config_value ViewMemoOnStart)" = 1 ] || fail "the preset's notes at start"
  [ "$(config_value AutoStart2)" = 1 ] || fail "the menu bar at start"
  ! drv wait "Zorel Program" 1000 >/dev/null 2>&1 || fail "Zorel started though asked not to"
}

step_use() {
  begin use
  program 'Use.*' || fail "using the installed program"
  shot desktop_after_use
  # The capture is a PNG an independent decoder reads.
  local picture
  picture=$(ls "$install"/capture/*.png 2>/dev/null | head -1)
  [ -n "$picture" ] || fail "no captured picture"
  /usr/bin/python3 -c "
import sys
from PIL import Image
im = Image.open(sys.argv[1]); im.load()
assert im.format == 'PNG' and im.size[0] >= 640 and im.size[1] >= 480, (im.format, im.size)
" "$picture" || fail "the captured picture does not decode"
  # The program-folder backup is an archive unzip accepts, holding the note.
  [ -f "$install/backup.zip" ] || fail "no backup.zip"
  unzip -tq "$install/backup.zip" >/dev/null || fail "unzip rejects backup.zip"
  local listed
  listed=$(unzip -Z1 "$install/backup.zip") || fail "unzip cannot list backup.zip"
  grep -qx "memo_data/DefaultMemo.zrd" <<<"$listed" || fail "backup.zip lacks the memo list"
}

step_restart() {
  begin restart
  # File sharing on, on a free port of 127.0.0.1, with a share folder.
  ftp_port=$(free_port)
  mkdir -p "$install/share" && echo "shared" >"$install/share/shared.txt"
  /usr/bin/python3 - "$install/ZorelConfig.xml" "$ftp_port" <<'PY' || fail "cannot turn file sharing on"
import sys, xml.etree.ElementTree as ET
path, port = sys.argv[1], sys.argv[2]
tree = ET.parse(path)
share = tree.getroot().find("FileShare")
if share is None:
    share = ET.SubElement(tree.getroot(), "FileShare")
for key, value in {"AutoStart": "1", "Port": port, "Password": "accept-pw", "ReceiveSound": "0",
                   "HomeDirectory": "C:\\Havrond\\Zorel\\share"}.items():
    node = share.find(key)
    if node is None:
        node = ET.SubElement(share, key)
    node.text = value
tree.write(path, encoding="utf-8", xml_declaration=True)
PY
  # A note delivered by Python's ftplib while the restarted program runs.
  program 'Prepare.*' || fail "preparing the next start"
  /usr/bin/python3 - "$ftp_port" "$work/state.txt" >"$work/ftp.log" 2>&1 <<'PY' &
import ftplib, io, sys, time
port = int(sys.argv[1])
end = time.time() + 90
while True:
    try:
        c = ftplib.FTP()
        c.connect("127.0.0.1", port, timeout=10)
        break
    except OSError:
        if time.time() > end:
            raise
        time.sleep(0.5)
c.login("zorel", "accept-pw")
names = c.nlst()
assert "shared.txt" in names, names
c.quit()
# A sending Zorel logs in with the password in its encrypted form.
encpass = [l.split("=", 1)[1] for l in open(sys.argv[2]).read().split() if l.startswith("encpass=")][0]
c = ftplib.FTP()
c.connect("127.0.0.1", port, timeout=10)
c.sendcmd("USER transfer")
c.sendcmd("ENCPASS " + encpass)
c.storbinary("STORSYNC SEND_MEMO 300 200 260 180|From ftplib", io.BytesIO(b"{\\rtf1 Delivered by ftplib}"))
c.quit()
print("delivered")
PY
  local client=$!
  program 'Restarted.*' || fail "the restarted program"
  wait "$client" || fail "the FTP client: $(cat "$work/ftp.log")"
  shot desktop_after_restart
}

step_update() {
  begin update
  local before after
  # What the user made: notes, alarms, anniversaries, vault, widget skins.
  before=$(cd "$install" && find memo_data schedule_data anniversary_data pmanager_data skin/widgets -type f \
             ! -path "*/history/*" -print0 2>/dev/null | sort -z | xargs -0 md5sum)
  drv wait "Zorel Program" 1000 >/dev/null || fail "Zorel is not running before the update"
  run_wizard 0 0
  drv gone "Zorel Program" 1000 >/dev/null || fail "the update left Zorel running"
  after=$(cd "$install" && find memo_data schedule_data anniversary_data pmanager_data skin/widgets -type f \
            ! -path "*/history/*" -print0 2>/dev/null | sort -z | xargs -0 md5sum)
  [ "$before" = "$after" ] || fail "the update changed the user's data: $(diff <(echo "$before") <(echo "$after") || true)"
  [ "$(config_value AutoStart2)" = 1 ] || fail "the update lost the menu bar setting"
  grep -q "<Password>accept-pw</Password>" "$install/ZorelConfig.xml" || fail "the update lost the share settings"
  program 'Updated.*' || fail "the program after the update"
}

step_uninstall() {
  begin uninstall
  drv wait "Zorel Program" 1000 >/dev/null || fail "Zorel is not running before the uninstall"
  e2e_start "$install/ZorelUninstall.exe"
  local pid=$E2E_PID message
  drv wait "Zorel Uninstall" 60000 >/dev/null || fail "no uninstaller dialog"
  drv post "Zorel Uninstall" 273 1 0 >/dev/null
  drv gone "Zorel Program" 30000 >/dev/null || fail "Zorel was not closed"
  wait_for 300 test ! -e "$install/system" || fail "system was not removed"
  sleep 1
  drv close "Zorel Uninstall" >/dev/null || true
  [ "$(drv exited "$pid" 20000)" != "" ] || fail "the uninstaller did not end"
  for gone in Zorel.exe ZorelConfig.xml skin system; do
    [ ! -e "$install/$gone" ] || fail "$gone is still there"
  done
  for kept in memo_data schedule_data anniversary_data pmanager_data capture; do
    [ -d "$install/$kept" ] || fail "$kept was not kept"
  done
  [ -z "$(find "$prefix/drive_c" -path "*Programs/Zorel" -print -quit)" ] || fail "the Start-menu folder is still there"
  ! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "Zorel Start" >/dev/null 2>&1 ||
    fail "the Run value is still there"
  ! wine reg query 'HKCU\Software\Zorel Program\Zorel\General' >/dev/null 2>&1 || fail "a settings key is still there"
  # A second run says only that Zorel.exe is not there.
  e2e_start "$install/ZorelUninstall.exe"
  pid=$E2E_PID
  drv wait "Zorel Uninstall" 60000 >/dev/null || fail "no message on the second run"
  ! drv state "Zorel Uninstall" 1000 >/dev/null 2>&1 || fail "the second run showed its dialog"
  message=$(drv text "Zorel Uninstall" 65535 || true)
  if [ -n "$message" ]; then [ "$message" = 'There is no "Zorel.exe" file' ] || fail "second run: $message"; fi
  drv close "Zorel Uninstall" >/dev/null || true
  [ "$(drv exited "$pid" 20000)" != "" ] || fail "the second run did not end"
}

started=$(date +%s)
step_install
step_use
step_restart
step_update
step_uninstall
# Pictures for people go beside the test when asked for.
if [ -n "${ZOREL_ACCEPT_KEEP_SHOTS:-}" ]; then
  mkdir -p "$source_dir/tests/acceptance/screenshots"
  cp "$work"/shots/*.png "$source_dir/tests/acceptance/screenshots/"
fi
passed=1
echo "acceptance passed in $(($(date +%s) - started)) s"
