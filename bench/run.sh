#!/usr/bin/env bash
# Measures korvex-config and korvex-cli on this machine and prints the figures:
#   cold start to the first shown window, against a bare Qt window (medians, ratio)
#   peak memory (RSS) of both
#   korvex-cli check time
#   the window's longest event-loop pause during a SEND to a simulated tracker
#   when each write reached the tracker, against the transfer's timeline
# Not a test: it asserts nothing. Run it from the repository:
#   bench/run.sh [runs, default 9] [--cold]
# --cold empties the page cache before each start (root only), so the program
# and Qt are read from disk as after a reboot; without it the cache is warm.
# Start-up runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise;
# for a real X server: xvfb-run -a env QT_QPA_PLATFORM=xcb bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-9}"
cold=()
[ "${2:-}" = "--cold" ] && cold=(--cold)

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target korvex-config korvex-cli >/dev/null
cmake -S bench -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$(nproc)" >/dev/null

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec python3 bench/measure.py \
  --config build/release/src/app/korvex-config \
  --cli build/release/src/cli/korvex-cli \
  --bare build/bench/bare_window \
  --probe build/bench/libstartup_probe.so \
  --runs "$runs" "${cold[@]}"
