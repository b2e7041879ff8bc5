# The machine set-up, sourced by the commands in this folder: what each needs
# installed, and the steps that need root, run through sudo for a desktop
# user and printed first.

# True when this is root or sudo lets this user in (asking for the password
# on a terminal).
have_root() {
  [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null || { [ -t 0 ] && sudo -v; }
}

# Runs a command as root: as it is when this is root, else through sudo.
# Without sudo rights, prints the command for an administrator and fails.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif have_root; then
    echo "+ sudo $*" >&2
    sudo "$@"
  else
    echo "This step needs root. Ask an administrator to run, then run this command again:" >&2
    echo "  sudo $*" >&2
    return 1
  fi
}

# Waits up to $1 seconds for a command to succeed; fails if it never does.
wait_for() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt "$end" ] || return 1
    sleep 0.1
  done
}

# Installs, with apt, those of the named Debian packages that are missing;
# finding them needs no root.
install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing what this command needs and this machine lacks: ${missing[*]}" >&2
  # Asked first, so that without root the line to pass on is the install.
  if ! have_root; then
    echo "That needs root. Ask an administrator to run, then run this command again:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    return 1
  fi
  as_root apt-get update -qq &&
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# Qt's platform plugins and its Wayland platform, so the window opens native
# in X11 and Wayland sessions alike; the fonts the design is laid out for.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fonts-liberation2)
# libgmock-dev holds gmock's CMake target (GTest::gmock); libgtest-dev alone lacks it.
# cups and cups-pdf for the print test through a CUPS daemon of its own; Qt's
# CUPS print support plugin, which lists the printers, comes with
# libqt6printsupport6 (qt6-base-dev). python3 adds up the stages' results.
TEST_PACKAGES=(libgtest-dev libgmock-dev poppler-utils desktop-file-utils appstream
               cups printer-driver-cups-pdf python3)
# clang's libFuzzer for the fuzz stage; clang-format for the layout check;
# locales for a German locale with a decimal comma, under which the number
# text must not change.
CHECK_PACKAGES=(clang clang-format libclang-rt-dev locales)
# The window tests on real display servers: X11 with a window manager, and a
# headless Wayland compositor; each with a tool that types through the server
# and one that takes screenshots (Qt's own on X11).
X11_PACKAGES=(xvfb openbox xdotool)
WAYLAND_PACKAGES=(sway wtype grim)
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream)
# Fresh Debian roots for trying the README's commands as a new user would.
FRESH_DEBIAN_PACKAGES=(mmdebstrap git wget)

# The system user the Wayland stage runs its compositor as when the test
# command runs as root: sway refuses to run as root.
WAYLAND_TEST_USER=sbc-wayland-test

# What the test command's stages need, besides packages: the German locale,
# and the Wayland stage's user when run as root.
set_up_test_machine() {
  if ! locale -a | grep -qix 'de_DE.utf8'; then
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 \
      || echo "No German locale: the decimal comma is tried through the C++ locale only." >&2
  fi
  if [ "$(id -u)" -eq 0 ] && ! id "$WAYLAND_TEST_USER" >/dev/null 2>&1; then
    useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$WAYLAND_TEST_USER"
  fi
}
