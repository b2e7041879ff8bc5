#!/usr/bin/env bash
# Runs the window tests on a real X server with a window manager, as X11
# desktops have it: Xvfb with openbox, Qt's xcb platform; xdotool types
# through the X server. Builds build/ with the tests first when needed.
# Ends with a line counting the tests, as test.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/desktop.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${X11_PACKAGES[@]}"
build=build
build_window_tests "$build"

tmp=$(mktemp -d)
trap 'stop_servers; rm -rf "$tmp"' EXIT
start_x11_desktop "$tmp"

export QT_QPA_PLATFORM=xcb
export SBC_SCREENSHOTS="$PWD/$build/screenshots"
mkdir -p "$SBC_SCREENSHOTS"
echo "Window tests on X11 (Xvfb $DISPLAY, openbox); screenshots in $SBC_SCREENSHOTS"
run_qtest "$build/tests/desktop/desktop_window_test"
# The offscreen window tests too, here with a real window manager.
for test in "$build"/tests/app/window_*_test; do
  [ -x "$test" ] && run_qtest "$test"
done
qtest_total
