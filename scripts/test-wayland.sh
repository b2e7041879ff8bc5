#!/usr/bin/env bash
# Runs the window tests under a Wayland compositor, as GNOME and KDE run
# programs by default: a headless sway, Qt's wayland platform; wtype types
# through the compositor and grim takes screenshots. sway refuses to run as
# root, so as root this runs the compositor and the tests as a system user of
# its own, made for the run and removed after it. Builds build/ with the
# tests first when needed. Ends with a line counting the tests, as test.sh
# does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/desktop.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WAYLAND_PACKAGES[@]}"
build=build
build_window_tests "$build"

user=$(id -un) made_user='' tmp=$(mktemp -d)
sway_pid='' keyboard_pid=''
cleanup() {
  [ -z "$keyboard_pid" ] || kill "$keyboard_pid" 2>/dev/null || true
  [ -z "$sway_pid" ] || kill "$sway_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
  [ -z "$made_user" ] || userdel "$made_user" 2>/dev/null || true
}
trap cleanup EXIT
if [ "$(id -u)" -eq 0 ]; then
  user=sbc-wayland-test
  if ! id "$user" >/dev/null 2>&1; then
    useradd --system --user-group --no-create-home --home-dir "$tmp/home" --shell /usr/sbin/nologin "$user"
    made_user=$user
  fi
fi
runtime="$tmp/runtime"
mkdir -p "$runtime" "$tmp/home" "$tmp/screenshots"
chmod 700 "$runtime"
# The user may not reach the checkout (under /root, say): the tests go along.
cp "$build/tests/desktop/desktop_window_test" "$build"/tests/app/window_*_test "$tmp/"
chown -R "$user:" "$tmp"

# The command prefix that runs a program as $user, in the run's own runtime
# folder; it ends in exec, so a program started with & has $! as its pid.
as_user=(env XDG_RUNTIME_DIR="$runtime" HOME="$tmp/home")
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid="$user" --regid="$user" --init-groups --reset-env "${as_user[@]}")
fi

printf 'output HEADLESS-1 resolution 1280x1024\n' >"$tmp/sway.conf"
"${as_user[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$tmp/sway.conf" >"$tmp/sway.log" 2>&1 &
sway_pid=$!
socket=''
for _ in $(seq 100); do
  socket=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -1)
  ipc=$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -1)
  [ -n "$socket" ] && [ -n "$ipc" ] && break
  sleep 0.1
done
[ -n "$socket" ] || { cat "$tmp/sway.log"; echo "sway did not start" >&2; exit 1; }

# A keyboard stays in the seat for the whole run, as on any desktop; without
# one, every wtype call would bring its own keyboard into the seat and take
# it away again.
"${as_user[@]}" WAYLAND_DISPLAY="$socket" wtype -s 3600000 >/dev/null 2>&1 &
keyboard_pid=$!
for _ in $(seq 100); do
  "${as_user[@]}" SWAYSOCK="$ipc" swaymsg -t get_inputs 2>/dev/null | grep -q 'Keyboard' && break
  sleep 0.1
done

echo "Window tests on Wayland (headless sway, $socket, as $user)"
run_qtest "${as_user[@]}" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland SBC_SCREENSHOTS="$tmp/screenshots" \
  "$tmp/desktop_window_test"
# The window tests that answer the boxes themselves, as under offscreen.
for test in "$tmp"/window_*_test; do
  run_qtest "${as_user[@]}" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$test"
done
mkdir -p "$build/screenshots"
cp "$tmp"/screenshots/*.png "$build/screenshots/" 2>/dev/null || true
qtest_total
