#!/usr/bin/env bash
# Runs the test program while a local weather service answers on a free
# port of 127.0.0.1; the port and the query log reach the test in
# ZOREL_TEST_HTTP_PORT and ZOREL_TEST_QUERY_LOG. Further arguments go to the
# test program.
set -euo pipefail
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
log=$(mktemp /tmp/weather-queries.XXXXXX)
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 "$here/feed-server.py" "$port" "$here/feeds/forecast.xml" "$log" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do
  /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done
ZOREL_TEST_HTTP_PORT=$port ZOREL_TEST_QUERY_LOG=$log wine "$exe" --gtest_brief=1 "${@:2}"
