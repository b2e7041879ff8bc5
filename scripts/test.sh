#!/usr/bin/env bash
# Installs what is missing and sets the machine up (scripts/deps.sh), then
# runs each stage through its CMake presets, CTest running every test:
#   default   the build with warnings as errors and every test, offscreen,
#             the CUPS print test included (build/);
#   asan      every test under AddressSanitizer and UndefinedBehaviorSanitizer;
#   fuzz      the number text fuzz target (FUZZ_SECONDS, default 60);
#   x11       the window tests on Xvfb with openbox;
#   wayland   the window tests under a headless sway;
#   windows   the Windows program, cross-built and tested under Wine;
#   web       the web page, built for WebAssembly and checked in headless Chromium;
#   fresh-debian  the README's commands in fresh Debian 13 and 12 roots.
# A stage that fails or runs no test fails the command. Ends with one line
# counting the tests of all stages, from CTest's JUnit results.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source windows/deps.sh
source web/deps.sh
# Inside the fresh Debian root the Windows and web stages are skipped:
# building Qt for Windows and for WebAssembly a second time there would not
# fit the time; the stages outside the root run them.
packages=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${CHECK_PACKAGES[@]}" "${X11_PACKAGES[@]}"
          "${WAYLAND_PACKAGES[@]}" "${FRESH_DEBIAN_PACKAGES[@]}")
[ -n "${SBC_IN_FRESH_ROOT:-}" ] || packages+=("${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}")
install_missing "${packages[@]}"
set_up_test_machine
[ -n "${SBC_IN_FRESH_ROOT:-}" ] || { ensure_windows_qt; ensure_windows_gtest; ensure_web_root; ensure_web_qt; }
rm -rf build-results
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# Each stage is a workflow of CMakePresets.json: configure, build, test.
stage() {
  echo "=== $1 (${SECONDS}s in)"
  cmake --workflow --preset "$1"
}
stage default
# The asan stage installs nothing of its own, so a fresh root learns nothing
# from it that the default stage has not shown.
if [ -n "${SBC_IN_FRESH_ROOT:-}" ]; then echo "=== asan: skipped inside the fresh Debian root"; else stage asan; fi
stage fuzz
stage x11
stage wayland
if [ -n "${SBC_IN_FRESH_ROOT:-}" ]; then
  echo "=== windows, web: skipped inside the fresh Debian root"
else
  # Both draw their icons with the offscreen stage's build.
  echo "=== windows (${SECONDS}s in)"
  SBC_HOST_BUILD=build bash windows/package.sh windows
  echo "=== web (${SECONDS}s in)"
  SBC_HOST_BUILD=build bash web/package.sh web
fi
# The fresh root needs root: on a terminal, sudo may ask for the password now.
[ "$(id -u)" -eq 0 ] || have_root || true
stage fresh-debian
echo "=== done in ${SECONDS}s"
python3 scripts/ctest_totals.py build-results/*.xml
