#!/usr/bin/env bash
# Makes the Windows program on Debian, from Debian's packages alone: installs
# what is missing, builds Qt and GoogleTest for Windows when the cache lacks
# them (deps.sh beside this), draws the icon, then runs a workflow of
# CMakePresets.json: by default windows-package (the cross-build; the ZIP,
# the NSIS installer and the MSI), or the one named, e.g. windows (the same,
# then every check under Wine). Prints the packages' paths last. They are
# signed when SBC_SIGN_PKCS12 names a certificate (windows/sign.cmake).
#   SBC_HOST_BUILD  a configured Linux build folder to draw the icon with
#                   (default build-windows/host, configured when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source windows/deps.sh
# A workflow named runs the checks too, under Wine.
install_missing "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" ${1:+"${WINE_PACKAGES[@]}"}
ensure_windows_qt
ensure_windows_gtest

# The icon is drawn by the program's own icon code, run on Linux, at the
# sizes Windows shows, and packed into one .ico.
host=${SBC_HOST_BUILD:-build-windows/host}
mkdir -p build-windows
[ -f "$host/CMakeCache.txt" ] || cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$host" --target sbc_desktop_icons -j"$(nproc)"
convert "$host"/packaging/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/spring-buffer-calculator.png \
  build-windows/spring-buffer-calculator.ico

[ -n "${SBC_SIGN_PKCS12:-}${SBC_SIGN_PKCS11_MODULE:-}" ] || echo "Unsigned: no certificate given (SBC_SIGN_PKCS12)."
cmake --workflow --preset "${1:-windows-package}"
realpath build-windows/release/"$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' build-windows/release/CPackConfig.cmake)".{zip,exe,msi}
