#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for a short while on its committed
# seed corpus. Any crash, leak, hang or memory blow-up fails the run and leaves
# the input that caused it in build/fuzz/findings/.
#   scripts/fuzz-smoke.sh [seconds per target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"

bash scripts/install-deps.sh --tests
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

findings="build/fuzz/findings"
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
status=0
for target in config_file builder rtf simulator_entry; do
  exe="build/fuzz/tests/fuzz/fuzz_$target"
  [ -x "$exe" ] || { echo "fuzz_$target: not built" >&2; status=1; continue; }
  # New inputs go to a scratch folder: the committed corpus stays as it is.
  scratch="$(mktemp -d)"
  # Lower for the RTF reader: its runs stay well under 1 GiB, and pictures
  # decoded past their 64 MiB budget would soon pass it.
  rss_limit=2048
  if [ "$target" = rtf ]; then rss_limit=1024; fi
  echo "== fuzz_$target: ${seconds}s"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb="$rss_limit" -print_final_stats=1 \
      -artifact_prefix="$findings/${target}-" "$scratch" "tests/fuzz/corpus/$target" \
      >"$findings/$target.log" 2>&1; then
    tail -n 40 "$findings/$target.log" >&2
    echo "fuzz_$target: FAILED (log and input in $findings)" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$findings/$target.log" || true
  fi
  rm -rf "$scratch"
done
exit "$status"
