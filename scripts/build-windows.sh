#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds korvex-config.exe and korvex-cli.exe for 64-bit Windows on Debian 12,
# runs the tests under Wine, and packages the programs: an NSIS installer and
# a portable .zip, both in build/windows/dist.
#   scripts/build-windows.sh [--no-tests] [--no-package]
# The Qt for Windows comes from ../shared/toolchains (KORVEX_TOOLCHAINS names
# another folder); it is unpacked once into build/ and reused.
set -euo pipefail
cd "$(dirname "$0")/.."
run_tests=1
package=1
for argument in "$@"; do
  case "$argument" in
    --no-tests) run_tests=0 ;;
    --no-package) package=0 ;;
    *) echo "usage: $0 [--no-tests] [--no-package]" >&2; exit 2 ;;
  esac
done

toolchains="${KORVEX_TOOLCHAINS:-../shared/toolchains}"
qt_name=qt6.4.2-mingw64
tarball="$toolchains/$qt_name.tar.xz"
if [ ! -f "$tarball" ]; then
  echo "Windows build: $tarball is missing, so nothing was built. Debian has no Qt for" >&2
  echo "MinGW-w64; that tarball holds Qt 6.4.2 cross-built for Windows (its README and" >&2
  echo "build-qt-mingw.sh beside it say how to make it again)." >&2
  # In CI the toolchain is always there: its absence is a fault of the setup.
  [ "${CI:-}" = true ] && exit 1
  exit 0
fi

bash scripts/install-deps.sh --windows

# The toolchain folder is read-only in CI: unpack it where the build can use
# it, again only when the tarball changed.
mkdir -p build
stamp="build/$qt_name/.unpacked-from"
want="$(stat -c '%s %Y' "$tarball") $(realpath "$tarball")"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$want" ]; then
  rm -rf "build/$qt_name"
  tar -xJf "$tarball" -C build
  echo "$want" > "$stamp"
fi

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
cmake --preset windows
cmake --build --preset windows -j"$(nproc)"

if [ "$run_tests" = 1 ]; then
  # A private Wine prefix, made once (wineboot takes a while) and reused.
  export WINEPREFIX="$PWD/build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/.korvex-ready" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no Wine prefix in $WINEPREFIX" >&2; exit 1; }
    touch "$WINEPREFIX/.korvex-ready"
  fi
  # The end-to-end transfer sends to the simulator of the Linux build.
  if [ ! -x build/dev/src/cli/korvex-cli ]; then
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$(nproc)" --target korvex-cli
  fi
  ctest --preset windows -j"$(nproc)"
  wineserver -k || true
fi

if [ "$package" = 1 ]; then
  version=$(sed -n 's/^project(KorvexConfig VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  stage="build/windows/stage/korvex-config-$version"
  dist=build/windows/dist
  rm -rf "$stage" && mkdir -p "$dist"
  cmake --install build/windows --prefix "$stage" --strip >/dev/null
  # The DLLs come with their symbols (libstdc++ alone is 23 MB of them).
  find "$stage" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  # What the installer puts in place, and what its uninstaller takes away.
  (cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||') > "$stage.list"
  awk -v stage="$(realpath "$stage")" '{
      rel = $0; gsub("/", "\\", rel); dir = rel
      if (sub(/\\[^\\]*$/, "", dir) == 0) dir = ""
      printf "SetOutPath \"$INSTDIR%s\"\nFile \"%s/%s\"\n", (dir == "" ? "" : "\\" dir), stage, $0
    }' "$stage.list" > "$stage.files.nsh"
  echo 'SetOutPath "$INSTDIR"' >> "$stage.files.nsh"
  sed 's|/|\\|g' "$stage.list" | awk '{ printf "Delete \"$INSTDIR\\%s\"\n", $0 }' > "$stage.unfiles.nsh"
  (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g') |
    awk '{ printf "RMDir \"$INSTDIR\\%s\"\n", $0 }' >> "$stage.unfiles.nsh"
  makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" \
    -DOUTFILE="$(realpath "$dist")/korvex-config-$version-setup.exe" resources/windows/installer.nsi
  rm -f "$dist/korvex-config-$version-portable.zip"
  # The .zip alone marks itself portable: its dialogs then open beside the
  # program, where its user keeps the files (when that folder takes them).
  printf '%s\r\n' "This copy of Korvex Config is portable: its Save and Load dialogs open in" \
    "this folder until a file is saved or loaded elsewhere. Delete this file to have" \
    "them open in your Documents folder instead." > "$stage/korvex-portable.txt"
  (cd "$(dirname "$stage")" && zip -qr9 "$OLDPWD/$dist/korvex-config-$version-portable.zip" "$(basename "$stage")")
  rm "$stage/korvex-portable.txt"
  ls -l "$dist"
  if [ "$run_tests" = 1 ]; then
    # The setup as a user meets it: install, upgrade, uninstall, per user.
    WINEPREFIX="$PWD/build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      python3 scripts/check-windows-package.py "$dist/korvex-config-$version-setup.exe" \
      "$stage" "$version"
    wineserver -k || true
  fi
fi
