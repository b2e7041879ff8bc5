#!/usr/bin/env bash
# Makes the Windows program on Debian, from Debian's packages alone: installs
# what is missing, builds Qt for Windows from Debian's qt6-base source when
# the cache lacks it (scripts/windows-deps.sh), cross-builds a Release with
# MinGW-w64 and packs it twice with CPack: a portable ZIP and an NSIS
# installer. Prints their paths last.
#   SBC_HOST_BUILD     a configured Linux build folder to draw the icon with
#                      (default build-windows/host, configured when missing)
#   SBC_WINDOWS_TESTS  1: build the tests too, to be run under Wine
#                      (scripts/test-windows.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/windows-deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_windows_qt
out=build-windows
mkdir -p "$out"

# The icon is drawn by the program's own icon code, run on Linux, at the
# sizes Windows shows, and packed into one .ico.
host=${SBC_HOST_BUILD:-$out/host}
[ -f "$host/CMakeCache.txt" ] || cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$host" --target sbc_desktop_icons -j"$(nproc)"
icon=$PWD/$out/spring-buffer-calculator.ico
convert "$host"/packaging/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/spring-buffer-calculator.png "$icon"

tests=(-DBUILD_TESTING=OFF)
if [ "${SBC_WINDOWS_TESTS:-0}" = 1 ]; then
  ensure_windows_gtest
  # ctest runs each test program through Wine, and lists the GoogleTest
  # cases then, not at build time.
  tests=(-DBUILD_TESTING=ON -DCMAKE_PREFIX_PATH="$WINDOWS_GTEST" -DCMAKE_CROSSCOMPILING_EMULATOR=wine
         -DSBC_TEST_QPA_PLATFORM=windows
         -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST)
fi
"$WINDOWS_QT/bin/qt-cmake" -S . -B "$out/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" "${tests[@]}" \
  -DSBC_WARNINGS_AS_ERRORS=ON -DSBC_WINDOWS_ICON="$icon" >/dev/null
cmake --build "$out/release"
(cd "$out/release" && rm -f spring-buffer-calculator-*-win64.* && cpack -G "ZIP;NSIS" >/dev/null)
ls -l "$out"/release/spring-buffer-calculator-*-win64.{zip,exe}
realpath "$out"/release/spring-buffer-calculator-*-win64.{zip,exe}
