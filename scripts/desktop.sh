# shellcheck shell=bash
# Shared by test-x11.sh and test-wayland.sh: builds the window tests and runs
# Qt Test executables on a display server, counting their results.

# Configures and builds folder $1 with the tests (nothing to do when test.sh
# has built it already).
build_window_tests() {
  cmake -S . -B "$1" -DBUILD_TESTING=ON >/dev/null
  cmake --build "$1" -j"$(nproc)"
}

qtest_passed=0 qtest_failed=0 qtest_skipped=0

# Runs the Qt Test executable given as $@ (a command line) and adds its
# counts; prints its whole output only when something failed.
run_qtest() {
  local out rc=0 totals p=0 f=0 s=0
  out=$("$@" 2>&1) || rc=$?
  totals=$(grep -a '^Totals:' <<<"$out" | tail -1)
  echo "$(basename "${*: -1}"): ${totals:-no result, exit code $rc}"
  if [ -n "$totals" ]; then
    read -r p f s < <(sed -E 's/^Totals: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 \2 \3/' <<<"$totals")
    # Qt Test counts its set-up and clean-up functions as tests.
    p=$((p - $(grep -a -c -E '^PASS   : .*::(initTestCase|cleanupTestCase)\(\)$' <<<"$out" || true)))
  fi
  # A crash or a fatal error may leave no failure counted.
  if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
  [ "$f" -eq 0 ] || echo "$out"
  qtest_passed=$((qtest_passed + p))
  qtest_failed=$((qtest_failed + f))
  qtest_skipped=$((qtest_skipped + s))
}

# The last line, in test.sh's form; fails when any test failed.
qtest_total() {
  echo "total: $qtest_passed passed, $qtest_failed failed, $qtest_skipped skipped"
  [ "$qtest_failed" -eq 0 ]
}

# An X11 desktop: Xvfb on a free display (it writes the number once it
# accepts clients) and openbox on it, its logs in folder $1. Exports DISPLAY;
# stop_servers ends both. One failure to come up gets a second try, with
# both servers' logs shown; a second failure fails the stage.
xvfb_pid='' openbox_pid=''
start_x11_desktop() {
  try_x11_desktop "$1" || { stop_servers; echo "trying once more"; try_x11_desktop "$1"; } \
    || { echo "Xvfb with openbox did not come up" >&2; exit 1; }
}

# True once the window manager names the current desktop.
try_x11_desktop() {
  local dir="$1" display_fd
  : >"$dir/display"
  exec {display_fd}>"$dir/display"
  Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec {display_fd}>&-
  for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
  if [ ! -s "$dir/display" ]; then
    echo "Xvfb did not start:"; cat "$dir/xvfb.log"
    return 1
  fi
  DISPLAY=":$(head -1 "$dir/display")"
  export DISPLAY
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  openbox_pid=$!
  for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "openbox did not start on $DISPLAY:"; cat "$dir/openbox.log"
  echo "Xvfb's log:"; cat "$dir/xvfb.log"
  ls -la /tmp/.X11-unix 2>&1 || true
  return 1
}

stop_servers() {
  [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  wait "$openbox_pid" "$xvfb_pid" 2>/dev/null || true
  openbox_pid='' xvfb_pid=''
}
