#!/usr/bin/env bash
# Makes the web page from Debian 13's packages: sets up what is missing
# (deps.sh beside this: on Debian 12, a Debian 13 root), builds Qt for
# WebAssembly when the cache lacks it, draws the page's icons, then runs a
# workflow of the web presets (CMakePresets.json beside this): by default
# web-package (the page's folder build-web/site and its ZIP), or the one
# named, e.g. web (the same, then the desktop's tests built for the page and
# every check in Chromium, Firefox ESR and WebKitGTK, printing the measures).
# Prints the ZIP's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source web/deps.sh
ensure_web_root
ensure_web_qt
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# The icons are drawn by the program's own icon code at the sizes a home
# screen shows: built for the system the build runs on, or taken from
# SBC_HOST_BUILD, a configured Linux build of this machine, run outside the
# root (the test command gives its offscreen stage's build).
host=${SBC_HOST_BUILD:-build-web/host}
in_host=(in_web_root)
[ -z "${SBC_HOST_BUILD:-}" ] || in_host=(env)
mkdir -p build-web
[ -f "$host/CMakeCache.txt" ] ||
  "${in_host[@]}" cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
"${in_host[@]}" cmake --build "$host" --target sbc_export_icon
"${in_host[@]}" env QT_QPA_PLATFORM=offscreen "$host/packaging/sbc_export_icon" build-web/icons spring-buffer-calculator 192 512

in_web_root cmake --workflow --preset "${1:-web-package}"
# The web stage's measures and phone profile print figures, not verdicts:
# their lines, from CTest's results.
[ "${1:-}" != web ] || grep -ho "download gzipped[^&<]*\|as a phone loads it[^&<]*" build-results/web.xml || true
realpath build-web/spring-buffer-calculator-web.zip
