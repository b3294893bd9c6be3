#!/usr/bin/env bash
# Runs the test program while the stand-in web-check service listens on a
# free port of 127.0.0.1; the port reaches the test in ZOREL_TEST_HTTP_PORT.
set -euo pipefail
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 "$here/server/check_server.py" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done
ZOREL_TEST_HTTP_PORT=$port wine "$exe" --gtest_brief=1 "${@:2}"
