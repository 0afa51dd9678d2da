#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building and running need; with
# --tests, also what the test suite, the fuzz targets and the package checks
# use; with --windows, what the cross build, its tests under Wine and its
# packages use. Quiet and quick when they are all there already.
#   scripts/install-deps.sh [--tests | --windows]
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev libudev-dev
  qt6-tools-dev qt6-l10n-tools
  libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
)
test_packages=(
  googletest libgtest-dev
  xvfb xauth x11-apps imagemagick openbox libxcb1-dev
  dbus-daemon at-spi2-core
  clang libclang-rt-14-dev
  file dpkg-dev lintian
  desktop-file-utils appstream mandoc
  acl attr
  python3
  orca python3-pyatspi xdotool
)
# 64-bit programs only: wine64 runs them, no i386 architecture needed.
windows_packages=(
  ninja-build ccache g++-mingw-w64-x86-64-posix
  googletest wine wine64 nsis zip python3 xz-utils icoutils
)
case "${1:-}" in
  "") ;;
  --tests) packages+=("${test_packages[@]}") ;;
  --windows) packages+=("${windows_packages[@]}") ;;
  *) echo "usage: $0 [--tests | --windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
