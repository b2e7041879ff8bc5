#!/usr/bin/env bash
# Installs what is missing, builds a Release of the calculator and makes its
# Debian package with CPack. Prints the .deb's path; install it with
#   apt-get install ./build-package/spring-buffer-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-package -j"$(nproc)"
desktop-file-validate packaging/org.example.SpringBufferCalculator.desktop
appstreamcli validate --no-net packaging/org.example.SpringBufferCalculator.metainfo.xml
cd build-package
rm -f spring-buffer-calculator_*.deb
cpack -G DEB
ls "$PWD"/spring-buffer-calculator_*.deb
