#!/usr/bin/env bash
# Runs the two sides of the note delivery test, each in its own Wine prefix:
# the test's usual prefix for the sending copy and a second one, made from it
# with hard links (the registry files copied), for the receiving copy.
# Usage: run.sh TEST_PROGRAM
set -u
program=$1
: "${WINEPREFIX:?the test prefix}"
work=$(mktemp -d /tmp/zorel-ftpc-e2e.XXXXXX)
second=$work/prefix-b
cleanup() {
  WINEPREFIX=$second wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -al "$WINEPREFIX" "$second"
for reg in "$second"/*.reg; do
  rm -f "$reg"
  cp "$WINEPREFIX/$(basename "$reg")" "$reg"
done
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export ZOREL_E2E_PORT=$port ZOREL_E2E_WORK="Z:${work//\//\\}"
WINEPREFIX=$second wineserver -p
WINEPREFIX=$second wine "$program" --gtest_brief=1 --gtest_filter='*.Receiver' >"$work/receiver.log" 2>&1 &
receiver=$!
wine "$program" --gtest_brief=1 --gtest_filter='*.Sender'
sender_status=$?
wait "$receiver"
receiver_status=$?
echo "---- receiving copy (second prefix) ----"
cat "$work/receiver.log"
echo "sender: $sender_status, receiver: $receiver_status"
[ "$sender_status" -eq 0 ] && [ "$receiver_status" -eq 0 ]
