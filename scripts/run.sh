#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the release configuration and opens the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)"
if [ -x build/release/src/app/korvex-config ]; then
  exec build/release/src/app/korvex-config "$@"
fi
exec build/release/src/cli/korvex-cli --help
