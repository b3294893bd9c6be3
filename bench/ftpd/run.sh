#!/usr/bin/env bash
# RETR and STOR of a 100 MB file over 127.0.0.1 with curl as the client:
# the program's file-share server under Wine against a reference FTP server
# from Debian (pyftpdlib) serving the same folder, rounds alternating between
# the two. Run by scripts/bench (which prepares Wine and the build); ROUNDS=n
# changes the number of rounds.
set -euo pipefail
: "${ZOREL_BUILD:?run through scripts/bench}"
exec /usr/bin/python3 "$(dirname "$0")/bench_ftpd.py" "$ZOREL_BUILD/tests/ftpd_host.exe" "${ROUNDS:-3}"
