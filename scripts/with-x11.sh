#!/usr/bin/env bash
# Runs a command on an X11 desktop of its own, as X11 desktops have it: Xvfb
# with openbox. Exports DISPLAY, and ends both servers by process id when the
# command ends; exits with the command's status.
#   with-x11.sh COMMAND [ARGUMENT...]
set -uo pipefail
source "$(dirname "$0")/deps.sh"
dir=$(mktemp -d)
xvfb_pid='' openbox_pid=''
stop() {
  kill $openbox_pid $xvfb_pid 2>/dev/null
  wait $openbox_pid $xvfb_pid 2>/dev/null
  xvfb_pid='' openbox_pid=''
}
trap 'stop; rm -rf "$dir"' EXIT

# True once the window manager names the current desktop. Xvfb writes its
# display number once it accepts clients.
start() {
  : >"$dir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for 10 test -s "$dir/display" || return 1
  export DISPLAY=":$(head -1 "$dir/display")"
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
  openbox_pid=$!
  wait_for 10 xdotool get_desktop
}
# A server that does not come up gets one more try, its logs shown.
if ! start; then
  tail -n 20 "$dir"/*.log; stop
  echo "with-x11: trying once more" >&2
  start || { tail -n 20 "$dir"/*.log; echo "with-x11: Xvfb with openbox did not come up" >&2; exit 1; }
fi
"$@"
