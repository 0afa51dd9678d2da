#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures korvex-config and korvex-cli on this machine and prints the figures:
#   start to the first shown window, against a bare Qt window (medians, ratio),
#   both offscreen and on a real X server (Xvfb)
#   peak memory (RSS) of both, on each
#   korvex-cli check time
#   the window's longest event-loop pause during a SEND to a simulated tracker
#   when each write reached the tracker, against the transfer's timeline
# Not a test: it asserts nothing. Run it from the repository:
#   bench/run.sh [runs, default 11] [--cold]
# --cold empties the page cache before each start (root only), so the program
# and Qt are read from disk as after a reboot; without it the cache is warm.
# The start-ups run offscreen and then under Xvfb, paired with the bare window on
# each (only offscreen where Xvfb is missing). The load average is printed before
# and after: the figures of a busy machine are noisy.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"
cold=()
[ "${2:-}" = "--cold" ] && cold=(--cold)

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target korvex-config korvex-cli >/dev/null
cmake -S bench -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$(nproc)" >/dev/null

measure=(python3 bench/measure.py
  --config build/release/src/app/korvex-config
  --cli build/release/src/cli/korvex-cli
  --bare build/bench/bare_window
  --probe build/bench/libstartup_probe.so
  --runs "$runs" "${cold[@]}")
if command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "${measure[@]}" --platforms offscreen xcb
fi
echo "xvfb-run not found: start-up measured offscreen only" >&2
exec "${measure[@]}" --platforms offscreen
