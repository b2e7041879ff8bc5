#!/usr/bin/env bash
# Runs a program under a Wayland compositor of its own, as GNOME and KDE run
# programs by default: a headless sway, with a virtual keyboard in its seat
# for the whole run, as every desktop has one (keys sent by separate wtype
# calls, each bringing and taking away its own keyboard, were lost). Exports
# WAYLAND_DISPLAY; ends sway and the keyboard by process id; exits with the
# program's status. sway refuses to run as root, so as root the compositor
# and the program run as the set-up's system user, the program copied to a
# folder that user reaches; screenshots it leaves in $SBC_SCREENSHOTS are
# copied back.
#   with-wayland.sh PROGRAM [ARGUMENT...]
set -uo pipefail
source "$(dirname "$0")/deps.sh"
tmp=$(mktemp -d)
chmod 755 "$tmp"
sway_pid='' keyboard_pid=''
trap 'kill $keyboard_pid $sway_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
runtime=$tmp/runtime shots=${SBC_SCREENSHOTS:-}
mkdir -p "$runtime" "$tmp/home" "$tmp/screenshots"
chmod 700 "$runtime"
program=$1; shift
as_user=(env XDG_RUNTIME_DIR="$runtime" HOME="$tmp/home")
if [ "$(id -u)" -eq 0 ]; then
  cp "$program" "$tmp/" && program=$tmp/$(basename "$program")
  chown -R "$WAYLAND_TEST_USER:" "$tmp"
  as_user=(setpriv --reuid="$WAYLAND_TEST_USER" --regid="$WAYLAND_TEST_USER" --init-groups --reset-env "${as_user[@]}")
fi

printf 'output HEADLESS-1 resolution 1280x1024\n' >"$tmp/sway.conf"
"${as_user[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$tmp/sway.conf" >"$tmp/sway.log" 2>&1 &
sway_pid=$!
swaymsg_() { "${as_user[@]}" SWAYSOCK="$(ls "$runtime"/sway-ipc.* 2>/dev/null)" swaymsg "$@"; }
wait_for 10 swaymsg_ -t get_version || { cat "$tmp/sway.log"; echo "with-wayland: sway did not start" >&2; exit 1; }
display=$(cd "$runtime" && ls wayland-? | head -1)
"${as_user[@]}" WAYLAND_DISPLAY="$display" wtype -s 3600000 &
keyboard_pid=$!
has_keyboard() { swaymsg_ -t get_inputs | grep -qi keyboard; }
wait_for 10 has_keyboard || { echo "with-wayland: no keyboard in the seat" >&2; exit 1; }

status=0
"${as_user[@]}" WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland ${shots:+SBC_SCREENSHOTS="$tmp/screenshots"} \
  "$program" "$@" || status=$?
[ -z "$shots" ] || cp "$tmp"/screenshots/*.png "$shots/" 2>/dev/null
exit $status
