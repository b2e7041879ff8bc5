#!/usr/bin/env bash
# Installs what is missing, builds a Release of the calculator and makes its
# Debian package with CPack (the release presets). Prints the .deb's path;
# install it with
#   sudo apt-get install ./build-release/spring-buffer-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
desktop-file-validate packaging/org.example.SpringBufferCalculator.desktop
appstreamcli validate --no-net packaging/org.example.SpringBufferCalculator.metainfo.xml
rm -f build-release/spring-buffer-calculator_*.deb
cmake --workflow --preset release >/dev/null
ls "$PWD"/build-release/spring-buffer-calculator_*.deb
