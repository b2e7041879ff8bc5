# Qt for WebAssembly, built from Debian 13's own qt6-base source with Debian
# 13's emscripten, and the tools the web page's checks use (Chromium, the
# DevTools protocol client, pdftotext). Sourced after scripts/deps.sh, from
# the project's root.
#
# Debian 12's emscripten is too old for Qt's WebAssembly build: there, the
# set-up makes a Debian 13 root with mmdebstrap and every web step runs
# inside it (in_web_root), as the invoking user, with the checkout and the
# cache at the same paths as outside. On Debian 13 the steps run directly.
# Qt and the root are built once into a cache outside the checkout
# (SBC_WEB_CACHE, default ~/.cache/spring-buffer-calculator-web), in folders
# named by version and a digest of their options; the link qt there names the
# current Qt, for the web preset's toolchain (cached-qt-toolchain.cmake).
source scripts/qt-from-source.sh
WEB_CACHE=${SBC_WEB_CACHE:-$HOME/.cache/spring-buffer-calculator-web}
WEB_SUITE=trixie
# g++ and libgl-dev for the host build that draws the page's icons;
# googletest's source for the tests built for the page; the three browser
# engines and their drivers; fonttools to cut the page's faces; brotli,
# zopfli (a smaller gzip) and zip for the files a host serves.
WEB_PACKAGES=(emscripten binaryen nodejs cmake ninja-build g++ libgl-dev qt6-base-dev
              qt6-base-dev-tools python3 dpkg-dev chromium python3-websocket
              poppler-utils fonts-liberation2 zip googletest firefox-esr
              webkit2gtk-driver python3-selenium xvfb xauth fonttools brotli zopfli)

# Only the modules the program and its tests use: Core, Gui, Widgets,
# PrintSupport, Test. The wasm platform plugin needs OpenGL ES 2 headers even
# when nothing draws with OpenGL. Asyncify lets QDialog::exec() and
# QMessageBox::exec() run a nested event loop inside a handler, as the
# window's rules need. Built for size, without the image formats, text
# document formats, style sheets and widgets the program never uses.
WEB_QT_OPTIONS=(-release -static -platform wasm-emscripten -qt-host-path /usr
  -nomake examples -nomake tests -opengl es2 -optimize-size
  -device-option QT_EMSCRIPTEN_ASYNCIFY=1
  -no-feature-sql -no-feature-network -no-feature-dbus
  -no-feature-concurrent -no-feature-xml
  -no-feature-gif -no-feature-ico -no-feature-jpeg
  -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
  -no-feature-style-stylesheet
  -no-feature-graphicsview -no-feature-graphicseffect -no-feature-printpreviewwidget
  -no-feature-printpreviewdialog -no-feature-mdiarea -no-feature-dockwidget
  -no-feature-datetimeedit -no-feature-calendarwidget -no-feature-wizard
  -no-feature-splashscreen -no-feature-lcdnumber -no-feature-dial
  -no-feature-fontcombobox -no-feature-fontdialog -no-feature-colordialog
  -no-feature-keysequenceedit -no-feature-undoview -no-feature-columnview
  -no-feature-datawidgetmapper -no-feature-commandlinkbutton -no-feature-syntaxhighlighter
  -no-feature-errormessage -no-feature-toolbox -no-feature-textbrowser
  -no-feature-translation -no-feature-movie -no-feature-filedialog -no-feature-sha3-fast)
# The project's mend of the wasm platform plugin (see docs/web.md): line
# edits give the screen reader their names and texts, captions are text, and
# Qt's own DejaVu faces stay out (the page embeds its own).
WEB_QT_PATCH=web/qt-wasm.patch
# Debian keeps the host Qt's CMake files, Qt6HostInfo among them, in the
# multiarch folder.
WEB_QT_CMAKE_ARGS=(-G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

# Qt's build and the program's look for emscripten here; the web presets
# run with it through web/package.sh.
export EMSDK=/usr/share/emscripten

# True when this Debian's emscripten is new enough to build Qt 6.8 (Debian
# 13 on); testing and unstable have no VERSION_ID and count as new.
web_native() {
  local VERSION_ID=
  . /etc/os-release
  [ -z "$VERSION_ID" ] || [ "${VERSION_ID%%.*}" -ge 13 ]
}

# The Debian archive the machine installs from, so that a mirror set up for
# apt serves the root too.
web_mirror() {
  local mirror
  mirror=$(awk 'tolower($1) == "uris:" && $2 !~ /security/ { print $2; exit }' \
             /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $0 !~ /security/ {
      for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' \
      /etc/apt/sources.list 2>/dev/null || true)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "${mirror%/}"
}

# On Debian 13: installs what is missing. On Debian 12: sets WEB_ROOT to a
# Debian 13 root holding the same packages and qt6-base's source package
# (in /usr/src/qt6-base), making it when the cache lacks it (about 2 minutes).
ensure_web_root() {
  if web_native; then
    install_missing "${WEB_PACKAGES[@]}"
    return
  fi
  command -v mmdebstrap >/dev/null || install_missing mmdebstrap
  local mirror key
  mirror=$(web_mirror)
  key=$(cache_digest /dev/null "$WEB_SUITE" "$mirror" "${WEB_PACKAGES[@]}")
  WEB_ROOT="$WEB_CACHE/root-$WEB_SUITE-$key"
  [ -f "$WEB_ROOT/.complete" ] && return
  echo "Making a Debian 13 root for the web build in $WEB_ROOT"
  mkdir -p "$WEB_CACHE"
  as_root rm -rf "$WEB_ROOT"
  # The root is made as root (mmdebstrap's root mode); what is built in it
  # later belongs to the invoking user.
  as_root mmdebstrap --variant=apt --quiet \
    --aptopt='APT::Install-Recommends "false"' \
    --include="$(IFS=,; echo "${WEB_PACKAGES[*]}")" \
    --customize-hook='chroot "$1" sh -ec "mkdir -p /usr/src/qt6-base && cd /usr/src/qt6-base && apt-get source -q --download-only qt6-base"' \
    --customize-hook='touch "$1/.complete"' \
    "$WEB_SUITE" "$WEB_ROOT" \
    "deb $mirror $WEB_SUITE main" "deb-src $mirror $WEB_SUITE main"
}

# Runs a command in the web build's system: directly on Debian 13; on Debian
# 12 inside WEB_ROOT, as the invoking user, in the same folder, with the
# checkout and the cache mounted at the same paths. The mounts live in a
# mount namespace of their own, so they end with the command whatever way it
# ends.
in_web_root() {
  if web_native; then
    "$@"
    return
  fi
  # sudo keeps little of the environment: what the steps inside need goes
  # through env.
  local vars=(PATH=/usr/local/bin:/usr/bin:/bin "HOME=$HOME" LANG=C.UTF-8 "EMSDK=$EMSDK"
              "TERM=${TERM:-dumb}" SBC_IN_WEB_ROOT=1)
  local var
  for var in CMAKE_BUILD_PARALLEL_LEVEL CTEST_PARALLEL_LEVEL SBC_WEB_CACHE SBC_WEB_CHROMIUM_FLAGS; do
    [ -z "${!var:-}" ] || vars+=("$var=${!var}")
  done
  as_root unshare --mount --propagation private bash -ec '
    root=$1 work=$2 user=$3 group=$4 home=$5; shift 5
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --rbind /sys "$root/sys"
    # The user'"'"'s home, for the files tools keep there, and the folders
    # shared with the system outside.
    [ -d "$root$home" ] || install -d -o "$user" -g "$group" "$root$home"
    while [ "$1" != -- ]; do
      mkdir -p "$root$1"
      mount --bind "$1" "$root$1"
      shift
    done
    shift
    exec chroot --userspec="$user:$group" "$root" bash -c "cd \"\$0\" && exec \"\$@\"" "$work" "$@"
  ' web-root "$WEB_ROOT" "$PWD" "$(id -u)" "$(id -g)" "$HOME" \
    "$(realpath "$PWD")" "$(realpath "$WEB_CACHE")" -- \
    env -i "${vars[@]}" "$@"
}

# Fetches qt6-base's source package, version $1: from this machine's archive
# on Debian 13, else from the root, which holds it.
web_qt_source() {
  if web_native; then
    debian_qt_source "$1"
  else
    cp "$WEB_ROOT"/usr/src/qt6-base/* .
  fi
}

# Sets WEB_QT to the prefix of Qt for WebAssembly, building it when the cache
# lacks it (about 10 minutes on two cores).
ensure_web_qt() {
  local version key
  version=$(in_web_root dpkg-query -W -f='${Version}' qt6-base-dev)
  key=$(cache_digest "$WEB_QT_PATCH" "$version" "${WEB_QT_OPTIONS[@]}" "${WEB_QT_CMAKE_ARGS[@]}")
  WEB_QT="$WEB_CACHE/qt-wasm-${version%%+*}-$key"
  [ -f "$WEB_QT/.complete" ] ||
    QT_PATCH=$WEB_QT_PATCH build_qt "$WEB_CACHE/qt-wasm-$key.log" "$WEB_QT" "$version" web_qt_source in_web_root \
      "${WEB_QT_OPTIONS[@]}" -- "${WEB_QT_CMAKE_ARGS[@]}" ||
    return  # the link keeps naming the last Qt that was built whole
  ln -sfn "${WEB_QT##*/}" "$WEB_CACHE/qt"
}
