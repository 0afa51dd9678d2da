#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless.
#   scripts/test.sh          the dev build (debug)
#   scripts/test.sh asan     the same suite under AddressSanitizer + UBSan
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"

bash scripts/install-deps.sh --tests
# Every text the sources show is in the .ts files, with its placeholders.
bash scripts/check-translations.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j"$(nproc)"
