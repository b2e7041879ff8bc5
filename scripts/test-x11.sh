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
xvfb_pid='' openbox_pid=''
cleanup() {
  stop_servers
  rm -rf "$tmp"
}
trap cleanup EXIT

# Starts Xvfb on a free display (it writes the number once it accepts
# clients) and openbox on it; true once the window manager names the current
# desktop. On failure both logs are shown.
start_servers() {
  : >"$tmp/display"
  exec {display_fd}>"$tmp/display"
  Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec {display_fd}>&-
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  if [ ! -s "$tmp/display" ]; then
    echo "Xvfb did not start:"; cat "$tmp/xvfb.log"
    return 1
  fi
  DISPLAY=":$(head -1 "$tmp/display")"
  export DISPLAY
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  openbox_pid=$!
  for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "openbox did not start on $DISPLAY:"; cat "$tmp/openbox.log"
  echo "Xvfb's log:"; cat "$tmp/xvfb.log"
  ls -la /tmp/.X11-unix 2>&1 || true
  return 1
}

stop_servers() {
  [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  openbox_pid='' xvfb_pid=''
}

# A second try, for a server that failed to come up once; a second failure
# fails the stage.
start_servers || { stop_servers; echo "trying once more"; start_servers; } \
  || { echo "Xvfb with openbox did not come up" >&2; exit 1; }

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
