#!/usr/bin/env bash
# Installs what is missing, builds a Release of the calculator and makes its
# Debian package with CPack (the release presets). Prints the .deb's path;
# install it with
#   sudo apt-get install ./build-release/spring-buffer-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
rm -f build-release/spring-buffer-calculator_*.deb
cmake --workflow --preset release >/dev/null
desktop-file-validate build-release/packaging/*.desktop
appstreamcli validate --no-net build-release/packaging/*.metainfo.xml
ls "$PWD"/build-release/spring-buffer-calculator_*.deb
