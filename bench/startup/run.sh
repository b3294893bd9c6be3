#!/usr/bin/env bash
# Runs the start-up benchmark (see StartupBench.cpp) and keeps the picture of
# the screen with every note open as startup-1000-notes.png beside it.
set -euo pipefail
cd "$ZOREL_BUILD/bench"
wine ./bench_startup.exe "${ZOREL_BENCH_NOTES:-1000}" "${ZOREL_BENCH_RUNS:-1}" startup-1000-notes.png
