#!/usr/bin/env bash
# Tries the README's two commands as a new user would, on Debian 13 (the
# current stable) and then Debian 12. For each it makes a fresh root with
# mmdebstrap (minbase) from Debian's archive, holding what a desktop has
# before its user does anything (sudo, git, an X server and xauth; a user
# desk in the sudo group, without a password prompt, which nobody could
# answer here) and a clone of this checkout (committed files only), then
#   1. as desk, on an X server of desk's own, runs `bash scripts/run.sh`
#      until the program's window is up; the program must be desk's own
#      build run as desk, and no file in desk's checkout may belong to root;
#   2. as root, proves the Windows set-up's first steps (building Qt for
#      Windows there would not fit the time): the deb-src entries and
#      `apt-get source qt6-base`, on Debian 13 with deb822 sources, on
#      Debian 12 with one-line sources.list, neither with deb-src entries;
#   3. as root, runs `bash scripts/test.sh`, which must pass: in Debian 13's
#      root only (FRESH_DEBIAN_TEST_RELEASES). Both releases install the same
#      package names, and the machine that runs this stage runs the whole
#      test command itself; a second root's test command would add about 7
#      minutes for little more to learn.
# Exits 0 when all hold, 77 when the stage cannot run here (no Debian
# archive, no root rights, already inside such a root), and 1 otherwise. A
# desktop user runs it through sudo. Each root, its mounts and the processes
# left in it are removed on every exit; the logs stay in build-fresh-debian/.
#
#   FRESH_DEBIAN_RELEASES  the releases to try (default: trixie bookworm)
#   FRESH_DEBIAN_TEST_RELEASES  those whose root runs the test command too
#                          (default: trixie)
#   FRESH_DEBIAN_MIRROR    the archive (default: the one apt uses here)
#   FRESH_DEBIAN_DIR       where to make the roots (default: /var/tmp)
#   FRESH_DEBIAN_WINDOW_TIMEOUT  seconds run.sh may take to show the window,
#                          installs and build included (default: 1800)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
skip=77

[ -z "${SBC_IN_FRESH_ROOT:-}" ] || { echo "fresh Debian: skipped, already inside a fresh root"; exit $skip; }
source scripts/deps.sh
# mmdebstrap and chroot need root: a desktop user's run goes through sudo,
# its logs handed back to the user at the end.
if [ "$(id -u)" -ne 0 ]; then
  have_root || { echo "fresh Debian: skipped, it needs root: sudo bash scripts/test-fresh-debian.sh"; exit $skip; }
  echo "+ sudo bash scripts/test-fresh-debian.sh" >&2
  exec sudo --preserve-env=FRESH_DEBIAN_RELEASES,FRESH_DEBIAN_TEST_RELEASES,FRESH_DEBIAN_MIRROR,FRESH_DEBIAN_DIR,FRESH_DEBIAN_WINDOW_TIMEOUT,SBC_PRODUCT_NAME bash "$0"
fi
command -v mmdebstrap >/dev/null || { echo "fresh Debian: skipped, mmdebstrap is not installed"; exit $skip; }

# The archive the machine itself installs from, so that a mirror or proxy
# set up for apt serves the roots too.
mirror=${FRESH_DEBIAN_MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' | grep -v security | head -n1)}
mirror=${mirror:-http://deb.debian.org/debian/}
releases=(${FRESH_DEBIAN_RELEASES:-trixie bookworm})
wget -q -T 20 -t 2 -O /dev/null "${mirror%/}/dists/${releases[0]}/InRelease" ||
  { echo "fresh Debian: skipped, the Debian archive $mirror cannot be reached"; exit $skip; }
product=${SBC_PRODUCT_NAME:-Spring Buffer Reaction Calculator}
logs=$repo/build-fresh-debian
rm -rf "$logs"
mkdir -p "$logs" "${FRESH_DEBIAN_DIR:-/var/tmp}"
root=

# Mounts of the root, deepest first.
mounts_below() {
  awk -v r="$root/" 'index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Ends whatever still runs in the root (the program, a daemon a test left),
# which holds its mounts, then unmounts and removes it.
remove_root() {
  [ -n "$root" ] || return 0
  local link m
  for link in /proc/[0-9]*/root; do
    [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && { link=${link#/proc/}; kill -KILL "${link%/root}" 2>/dev/null; }
  done
  sleep 1
  for m in $(mounts_below); do umount "$m" 2>/dev/null || umount -l "$m"; done
  # Never delete through a mount: /dev and /sys are the machine's own.
  if [ -n "$(mounts_below)" ]; then
    echo "fresh Debian: could not unmount $(mounts_below | tr '\n' ' '); left $root in place" >&2
    return 1
  fi
  rm -rf --one-file-system "$root"
  root=
}
cleanup() {
  local status=$?
  set +e
  [ -z "${SUDO_USER:-}" ] || chown -R "$SUDO_USER:" "$logs"
  remove_root || [ $status -ne 0 ] || status=1
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

# kill -0 holds for a zombie too, so read the process state.
running() { [[ "$(awk '$1 == "State:" { print $2 }' "/proc/$1/status" 2>/dev/null)" =~ ^[^Z] ]]; }

try_release() {
  local release=$1 log=$logs/$1 start uid display xvfb_pid run_pid pid owned m root_s window_s test_s
  mkdir -p "$log"
  root=$(mktemp -d "${FRESH_DEBIAN_DIR:-/var/tmp}/sbc-fresh-$release.XXXXXX")
  # mktemp makes the folder 0700; as the root's /, that would keep every user
  # but root out of the whole system (print filters run as lp, the Wayland
  # stage's compositor as a user of its own). A Debian / is 0755.
  chmod 0755 "$root"
  echo "fresh Debian: a $release root from $mirror in $root"
  start=$SECONDS
  # No package may start a service inside the root: a daemon left running
  # would hold its mounts; the tests start the daemons they need. Debian 13's
  # own apt writes its sources as deb822; Debian 12's apt cannot, and they
  # stay one-line.
  mmdebstrap --variant=minbase --include=sudo,git,xvfb,xauth,xdotool \
    --customize-hook='printf "#!/bin/sh\nexit 101\n" > "$1/usr/sbin/policy-rc.d"; chmod +x "$1/usr/sbin/policy-rc.d"' \
    --customize-hook='chroot "$1" apt modernize-sources -y || true' \
    --customize-hook='chroot "$1" useradd --create-home --shell /bin/bash --groups sudo desk' \
    --customize-hook='echo "desk ALL=(ALL:ALL) NOPASSWD: ALL" > "$1/etc/sudoers.d/desk"' \
    --customize-hook="printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n' '$(hostname)' > \"\$1/etc/hosts\"" \
    "$release" "$root" "$mirror" > "$log/mmdebstrap.log" 2>&1 || fail "$log/mmdebstrap.log" "mmdebstrap did not finish"
  [ -s "$root/etc/resolv.conf" ] || cp /etc/resolv.conf "$root/etc/resolv.conf"
  # Only what is committed: a clone of HEAD, whichever branch is checked out,
  # for root and for desk.
  git clone -q --no-checkout "$repo" "$root/root/sbc"
  git -C "$root/root/sbc" checkout -q --detach "$(git rev-parse HEAD)"
  uid=$(chroot "$root" id -u desk)
  cp -a "$root/root/sbc" "$root/home/desk/sbc"
  chown -R "$uid:$uid" "$root/home/desk/sbc"
  root_s=$((SECONDS - start))
  mount -t proc proc "$root/proc"
  for m in /dev /dev/pts /dev/shm /sys; do
    if mountpoint -q "$m"; then mount --bind "$m" "$root$m"; fi
  done

  # A root login's environment, nothing of this shell's.
  local in_root=(chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb
                 PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin SBC_IN_FRESH_ROOT=1)
  # X's abstract sockets are this machine's, so the display number must be
  # free here too. As at a login: the socket folder, the session's runtime folder.
  display=50
  while grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix; do display=$((display + 1)); done
  mkdir -m 1777 "$root/tmp/.X11-unix"
  install -d -m 0700 -o "$uid" -g "$uid" "$root/run/user/$uid"
  # desk's login environment. An array, not a function: started in the
  # background, its process id is that of chroot itself, which becomes the
  # command run inside.
  local as_desk=(chroot "$root" setpriv --reuid=desk --regid=desk --init-groups /usr/bin/env -i HOME=/home/desk
                 USER=desk LOGNAME=desk SHELL=/bin/bash TERM=dumb PATH=/usr/bin:/bin "XDG_RUNTIME_DIR=/run/user/$uid"
                 "DISPLAY=:$display" XAUTHORITY=/home/desk/.Xauthority)
  # The X server as desk, guarded by a cookie in ~/.Xauthority, as a display
  # manager starts it.
  "${as_desk[@]}" sh -c "xauth -q add :$display . \$(mcookie) && exec Xvfb :$display -auth ~/.Xauthority -nolisten tcp" \
    > "$log/xvfb.log" 2>&1 < /dev/null &
  xvfb_pid=$!

  echo "fresh Debian: $release: bash scripts/run.sh as desk on X display :$display, until the window is up"
  start=$SECONDS
  "${as_desk[@]}" bash -lc 'cd ~/sbc && bash scripts/run.sh' > "$log/run.log" 2>&1 < /dev/null &
  run_pid=$!
  # The window, once mapped, names its program's process.
  until pid=$("${as_desk[@]}" xdotool search --onlyvisible --name "$product" getwindowpid 2>/dev/null); do
    running "$run_pid" || { wait "$run_pid" || true; fail "$log/run.log" "run.sh ended before the window was up"; }
    [ $((SECONDS - start)) -lt "${FRESH_DEBIAN_WINDOW_TIMEOUT:-1800}" ] || fail "$log/run.log" "no window in time"
    sleep 1
  done
  window_s=$((SECONDS - start))
  [ "$(readlink "/proc/$pid/exe")" = "$root/home/desk/sbc/build-release/spring-buffer-calculator" ] \
    && awk -v u="$uid" '$1 == "Uid:" && $2 == u && $3 == u && $4 == u && $5 == u { ok = 1 } END { exit !ok }' "/proc/$pid/status" \
    || fail "$log/run.log" "the window is not desk's own build of the program run as desk"
  # Up, and it stays up.
  sleep 3
  running "$pid" || fail "$log/run.log" "the program ended by itself"
  kill -TERM "$pid"
  for _ in 1 2 3 4 5; do running "$run_pid" && sleep 1; done
  running "$pid" && kill -KILL "$pid"
  wait "$run_pid" || true
  kill "$xvfb_pid"
  wait "$xvfb_pid" || true
  owned=$(find "$root/home/desk/sbc" -uid 0 | wc -l)
  [ "$owned" -eq 0 ] || fail "$log/run.log" "$owned files in desk's checkout belong to root"
  echo "fresh Debian: $release: desk's window was up after ${window_s}s (installs and build included), run as desk; no root-owned file in the checkout"

  echo "fresh Debian: $release: the Windows set-up's deb-src entries and apt-get source qt6-base"
  "${in_root[@]}" bash -c 'cd /root/sbc && source scripts/deps.sh && source scripts/qt-from-source.sh && ensure_deb_src &&
      cd "$(mktemp -d)" && apt-get source -q --download-only qt6-base && ls qt6-base_*.dsc' > "$log/deb-src.log" 2>&1 < /dev/null \
    || fail "$log/deb-src.log" "the deb-src step or apt-get source failed"

  [[ " ${FRESH_DEBIAN_TEST_RELEASES:-trixie} " == *" $release "* ]] ||
    { echo "fresh Debian: $release passed (root ${root_s}s, run.sh to window ${window_s}s; no test.sh here)"; remove_root; return; }
  echo "fresh Debian: $release: bash scripts/test.sh"
  start=$SECONDS
  "${in_root[@]}" bash -c 'cd /root/sbc && exec bash scripts/test.sh' > "$log/test.log" 2>&1 < /dev/null \
    || fail "$log/test.log" "scripts/test.sh failed in the fresh root"
  test_s=$((SECONDS - start))
  grep -E '^(=== |total: )' "$log/test.log" | sed 's/^/  | /'
  echo "fresh Debian: $release passed (root ${root_s}s, run.sh to window ${window_s}s, test.sh ${test_s}s)"
  remove_root
}

for release in "${releases[@]}"; do
  try_release "$release"
done
echo "fresh Debian: ${releases[*]} passed in ${SECONDS}s"
