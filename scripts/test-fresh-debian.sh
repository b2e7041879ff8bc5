#!/usr/bin/env bash
# Tries the README's two commands as a new user would: builds a fresh Debian 12
# root (debootstrap, minbase) from Debian's archive, clones this checkout into
# it (committed files only), and
#   1. as a desktop user with sudo, on an X server of that user's, runs
#      `bash scripts/run.sh` until the program's window is up; the program
#      must run as that user and leave no root-owned file in the user's
#      checkout; it is ended by its process id;
#   2. as root, runs `bash scripts/test.sh`, which must pass.
# Exits 0 when both hold, 77 when the stage cannot run here (no Debian archive,
# no root rights, already inside such a root), and 1 otherwise. A desktop
# user runs it through sudo. The root, its mounts
# and the processes left in it are removed on every exit; the logs stay in
# build-fresh-debian/.
#
#   FRESH_DEBIAN_MIRROR   the archive to build from (default: the first Debian
#                         archive in apt's sources, else deb.debian.org)
#   FRESH_DEBIAN_DIR      where to make the root's folder (default: /var/tmp)
#   FRESH_DEBIAN_WINDOW_TIMEOUT  seconds run.sh may take to show the window,
#                         installs and build included (default: 1800)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
skip=77

if [ -n "${SBC_IN_FRESH_ROOT:-}" ]; then
  echo "fresh Debian: skipped, already inside a fresh root"
  exit $skip
fi
source scripts/deps.sh
# debootstrap and chroot need root: a desktop user's run goes through sudo,
# its logs handed back to the user at the end.
if [ "$(id -u)" -ne 0 ]; then
  have_root || { echo "fresh Debian: skipped, it needs root: sudo bash scripts/test-fresh-debian.sh"; exit $skip; }
  echo "+ sudo bash scripts/test-fresh-debian.sh" >&2
  exec sudo --preserve-env=FRESH_DEBIAN_MIRROR,FRESH_DEBIAN_DIR,FRESH_DEBIAN_WINDOW_TIMEOUT bash "$0"
fi
command -v debootstrap >/dev/null || { echo "fresh Debian: skipped, debootstrap is not installed"; exit $skip; }

# The archive the machine itself installs from, so that a mirror or proxy
# set up for apt serves the root too.
mirror=${FRESH_DEBIAN_MIRROR:-}
if [ -z "$mirror" ]; then
  mirror=$(awk 'tolower($1) == "uris:" && $2 !~ /security/ { print $2; exit }' \
             /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
fi
if [ -z "$mirror" ] && [ -r /etc/apt/sources.list ]; then
  mirror=$(awk '$1 == "deb" && $0 !~ /security/ { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' \
             /etc/apt/sources.list || true)
fi
mirror=${mirror:-http://deb.debian.org/debian}
mirror=${mirror%/}
if ! wget -q -T 20 -t 2 -O /dev/null "$mirror/dists/bookworm/InRelease"; then
  echo "fresh Debian: skipped, the Debian archive $mirror cannot be reached"
  exit $skip
fi

mkdir -p "${FRESH_DEBIAN_DIR:-/var/tmp}"
root=$(mktemp -d "${FRESH_DEBIAN_DIR:-/var/tmp}/sbc-fresh-debian.XXXXXX")
# mktemp makes the folder 0700; as the root's /, that would keep every user
# but root out of the whole system (print filters run as lp, the Wayland
# stage's compositor as a user of its own). A Debian / is 0755.
chmod 0755 "$root"
logs=$repo/build-fresh-debian
rm -rf "$logs"
mkdir -p "$logs"

# Mounts of the root, deepest first.
mounts_below() {
  awk -v r="$root/" 'index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r
}

cleanup() {
  local status=$?
  set +e
  [ -z "${SUDO_USER:-}" ] || chown -R "$SUDO_USER:" "$logs"
  # Whatever still runs in the root (the program, a daemon a test left)
  # holds its mounts.
  local pid link
  for link in /proc/[0-9]*/root; do
    pid=${link#/proc/}
    pid=${pid%/root}
    [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && kill -KILL "$pid" 2>/dev/null
  done
  sleep 1
  local m
  for m in $(mounts_below); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
  if [ -n "$(mounts_below)" ]; then
    # Never delete through a mount: /dev and /sys are the machine's own.
    echo "fresh Debian: could not unmount $(mounts_below | tr '\n' ' '); left $root in place" >&2
    [ $status -eq 0 ] && status=1
  else
    rm -rf --one-file-system "$root"
  fi
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Prints the last lines of log $1 and fails the stage with message $2.
fail() {
  echo "--- last lines of $1:"
  tail -n 60 "$1"
  echo "fresh Debian: FAILED, $2"
  exit 1
}

echo "fresh Debian: building a Debian 12 root from $mirror in $root"
start=$SECONDS
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$logs/debootstrap.log" 2>&1 \
  || fail "$logs/debootstrap.log" "debootstrap did not finish"
debootstrap_s=$((SECONDS - start))

# No package may start a service inside the root: a daemon left running
# would hold its mounts. The tests start the daemons they need themselves.
printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
[ -s "$root/etc/resolv.conf" ] || cp /etc/resolv.conf "$root/etc/resolv.conf"

# Only what is committed: a clone of HEAD, whichever branch is checked out.
[ -z "$(git status --porcelain --untracked-files=no)" ] \
  || echo "fresh Debian: note, uncommitted changes are not tried"
git clone -q --no-checkout "$repo" "$root/root/sbc"
git -C "$root/root/sbc" fetch -q "$repo" HEAD
git -C "$root/root/sbc" checkout -q --detach FETCH_HEAD
echo "fresh Debian: cloned $(git -C "$root/root/sbc" log -1 --format='%h %s')"

mount -t proc proc "$root/proc"
for m in /dev /dev/pts /dev/shm /sys; do
  if mountpoint -q "$m"; then
    mount --bind "$m" "$root$m"
  fi
done

# A root login's environment, nothing of this shell's.
in_root=(chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb
         PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin SBC_IN_FRESH_ROOT=1)

# What a desktop has before its user does anything: sudo, git, an X server
# (and xdotool, to find the window); a user in the sudo group, without a
# password prompt, which nobody could answer here; a copy of the clone in the
# user's home.
echo "fresh Debian: a desktop user, desk, with sudo and an X server"
"${in_root[@]}" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo git xvfb xauth xdotool' \
  > "$logs/desktop.log" 2>&1 < /dev/null || fail "$logs/desktop.log" "sudo, git and Xvfb could not be installed"
"${in_root[@]}" useradd --create-home --shell /bin/bash --groups sudo desk
echo 'desk ALL=(ALL:ALL) NOPASSWD: ALL' > "$root/etc/sudoers.d/desk"
# The machine's own name, which sudo looks up, as the installer writes it.
printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n' "$(hostname)" > "$root/etc/hosts"
uid=$("${in_root[@]}" id -u desk)
cp -a "$root/root/sbc" "$root/home/desk/sbc"
chown -R "$uid:$uid" "$root/home/desk/sbc"
# X's abstract sockets are this machine's, so the display number must be
# free here too. As at a login: the socket folder, the session's runtime folder.
display=50
while grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix; do display=$((display + 1)); done
mkdir -m 1777 "$root/tmp/.X11-unix"
install -d -m 0700 -o "$uid" -g "$uid" "$root/run/user/$uid"
# The user's login environment. An array, not a function: started in the
# background, its process id is that of chroot itself, which becomes the
# command run inside.
as_desk=(chroot "$root" setpriv --reuid=desk --regid=desk --init-groups /usr/bin/env -i HOME=/home/desk
         USER=desk LOGNAME=desk SHELL=/bin/bash TERM=dumb PATH=/usr/bin:/bin "XDG_RUNTIME_DIR=/run/user/$uid"
         "DISPLAY=:$display" XAUTHORITY=/home/desk/.Xauthority)
# The X server as the user, guarded by a cookie in ~/.Xauthority, as a
# display manager starts it.
"${as_desk[@]}" sh -c "xauth -q add :$display . \$(mcookie) && exec Xvfb :$display -auth ~/.Xauthority -nolisten tcp" \
  > "$logs/xvfb.log" 2>&1 < /dev/null &
xvfb_pid=$!

echo "fresh Debian: bash scripts/run.sh as desk on X display :$display, until the window is up"
start=$SECONDS
"${as_desk[@]}" bash -lc 'cd ~/sbc && bash scripts/run.sh' > "$logs/run.log" 2>&1 < /dev/null &
run_pid=$!
# kill -0 holds for a zombie too, so read the process state.
running() {
  local state
  state=$(awk '$1 == "State:" { print $2 }' "/proc/$1/status" 2>/dev/null)
  [ -n "$state" ] && [ "$state" != Z ]
}
timeout=${FRESH_DEBIAN_WINDOW_TIMEOUT:-1800}
# The window, once mapped, names its program's process.
until pid=$("${as_desk[@]}" xdotool search --onlyvisible --name 'Spring Buffer Reaction Calculator' getwindowpid 2>/dev/null); do
  running "$run_pid" || { wait "$run_pid" || true; fail "$logs/run.log" "run.sh ended before the window was up"; }
  [ $((SECONDS - start)) -lt "$timeout" ] || fail "$logs/run.log" "no window within ${timeout}s"
  sleep 1
done
window_s=$((SECONDS - start))
[ "$(readlink "/proc/$pid/exe")" = "$root/home/desk/sbc/build/app/spring-buffer-calculator" ] \
  && awk -v u="$uid" '$1 == "Uid:" && $2 == u && $3 == u && $4 == u && $5 == u { ok = 1 } END { exit !ok }' "/proc/$pid/status" \
  || fail "$logs/run.log" "the window is not desk's own build of the program run as desk"
# Up, and it stays up.
sleep 3
running "$pid" || fail "$logs/run.log" "the program ended by itself"
kill -TERM "$pid"
for _ in 1 2 3 4 5; do running "$run_pid" && sleep 1; done
running "$pid" && kill -KILL "$pid"
wait "$run_pid" || true
kill "$xvfb_pid"
wait "$xvfb_pid" || true
owned=$(find "$root/home/desk/sbc" -uid 0 | wc -l)
[ "$owned" -eq 0 ] || fail "$logs/run.log" "$owned files in desk's checkout belong to root"
echo "fresh Debian: desk's window was up after ${window_s}s (installs and build included), its program run as desk (uid $uid); program ended; no root-owned file in the checkout"

echo "fresh Debian: bash scripts/test.sh"
start=$SECONDS
"${in_root[@]}" bash -c 'cd /root/sbc && exec bash scripts/test.sh' > "$logs/test.log" 2>&1 < /dev/null \
  || fail "$logs/test.log" "scripts/test.sh failed in the fresh root"
test_s=$((SECONDS - start))
grep -E '^(=== |total: )' "$logs/test.log" | sed 's/^/  | /'

echo "fresh Debian: passed in ${SECONDS}s (debootstrap ${debootstrap_s}s, run.sh to window ${window_s}s, test.sh ${test_s}s)"
