# Installs, with apt, those of the named Debian packages that are missing.
# Sourced by the scripts in this folder.
install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2)
# libgmock-dev holds gmock's CMake target (GTest::gmock); libgtest-dev alone lacks it.
# cups and cups-pdf for the print test through a CUPS daemon of its own; Qt's
# CUPS print support plugin, which lists the printers, comes with
# libqt6printsupport6 (qt6-base-dev).
TEST_PACKAGES=(libgtest-dev libgmock-dev poppler-utils desktop-file-utils appstream
               cups printer-driver-cups-pdf)
# clang's libFuzzer for the fuzz stage; locales for a German locale with a
# decimal comma, under which the number text must not change.
CHECK_PACKAGES=(clang-14 libclang-rt-14-dev locales)
# The window tests on real display servers: X11 with a window manager, and a
# headless Wayland compositor with Qt's wayland platform; each with a tool
# that types through the server and one that takes screenshots (Qt's own on X11).
X11_PACKAGES=(xvfb openbox xdotool)
WAYLAND_PACKAGES=(sway wtype grim qt6-wayland)
PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream)
# A fresh Debian 12 root for trying the README's commands as a new user would.
FRESH_DEBIAN_PACKAGES=(debootstrap git)
