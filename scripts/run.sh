#!/usr/bin/env bash
# Installs what is missing (through sudo for a desktop user), builds the
# calculator and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}"

# Through sudo, root would own the build in the user's checkout and the
# window in the user's session, without its Wayland display: those are the
# user's to run.
if [ "$(id -u)" -eq 0 ] && [ "${SUDO_USER:-root}" != root ]; then
  echo "Installed what it needs. To build and open the window, run it again as yourself, without sudo: bash scripts/run.sh" >&2
  exit 1
fi

# The release preset's build (build-release/), which no test preset uses.
cmake --preset release >/dev/null
cmake --build --preset release --target spring-buffer-calculator -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Built build-release/spring-buffer-calculator, but this machine has no display to open its window on." >&2
  echo "Run it from a desktop session, or under a virtual one: xvfb-run build-release/spring-buffer-calculator" >&2
  exit 2
fi
exec build-release/spring-buffer-calculator
