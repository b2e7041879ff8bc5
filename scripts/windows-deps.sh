# Qt for Windows, cross-built with MinGW-w64 from Debian's own qt6-base
# source, and GoogleTest from Debian's googletest source with the same
# compilers. Sourced after deps.sh, from the project's root. Each is built
# once into a cache outside the checkout (SBC_WINDOWS_CACHE, default
# ~/.cache/spring-buffer-calculator-windows), in a folder named by its version
# and a digest of its options, so later runs reuse it; the links qt and
# googletest there name the current builds, for CMakePresets.json.
# Installed with deps.sh's BUILD_PACKAGES, whose Qt is the host Qt here.
WINDOWS_PACKAGES=(ninja-build dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  googletest nsis zip imagemagick wixl msitools osslsigncode)
WINDOWS_TOOLCHAIN=$PWD/packaging/windows/mingw-toolchain.cmake
WINDOWS_CACHE=${SBC_WINDOWS_CACHE:-$HOME/.cache/spring-buffer-calculator-windows}

# Only what the program and its tests use. Debian's source has no wintab.h
# (removed as non-free), hence no tablet events.
WINDOWS_QT_OPTIONS=(-release -shared -xplatform win32-g++ -qt-host-path /usr
  -nomake examples -nomake tests -no-opengl -no-icu -no-dbus -no-freetype
  -no-fontconfig -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -no-libjpeg
  -no-feature-tabletevent
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent)

# A short digest of everything that shapes a build, for its cache folder's name.
options_digest() {
  { printf '%s\n' "$@"; cat "$WINDOWS_TOOLCHAIN"; } | sha256sum | cut -c1-10
}

# Runs a long build step quietly into a log, showing the log's end on failure.
logged() {
  local log="$1"; shift
  "$@" >>"$log" 2>&1 || { tail -n 60 "$log" >&2; echo "Failed: $* (log: $log)" >&2; return 1; }
}

# Builds Qt into the cache folder $2 from Debian's qt6-base source package,
# version $3, quietly into the log $1: the function $4 fetches the package's
# files into the current folder, given the version; then the command $5
# (env: none) runs each step: unpacking, configuring with the arguments that
# follow, building, installing. The folder is marked complete at the end.
build_qt() {
  local log=$1 prefix=$2 version=$3 fetch=$4 run=$5 work
  shift 5
  work=$(dirname "$prefix")/work-$(basename "$prefix")
  echo "Building Qt $version into $prefix (log: $log)"
  rm -rf "$work" "$prefix" "$log"
  mkdir -p "$work/build"
  # One chain, so that no failure can mark the folder complete.
  (cd "$work" && logged "$log" "$fetch" "$version") &&
    logged "$log" "$run" dpkg-source -x "$(ls "$work"/qt6-base_*.dsc)" "$work/src" &&
    (cd "$work/build" &&
      logged "$log" "$run" "$work/src/configure" -prefix "$prefix" "$@" &&
      logged "$log" "$run" cmake --build . --parallel "$(nproc)" &&
      logged "$log" "$run" cmake --install .) &&
    touch "$prefix/.complete" && rm -rf "$work"
}

# Fetches qt6-base's source package, version $1, from this machine's archive.
debian_qt_source() {
  ensure_deb_src
  apt-get source -q --download-only "qt6-base=$1"
}

# apt-get source needs a deb-src entry beside each deb entry. A set-up step,
# as root: the entries go into files of the project's own name. Debian's
# installer and debootstrap write one-line entries in sources.list, cloud
# images deb822 files in sources.list.d; either may lack deb-src.
ensure_deb_src() {
  grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ && return
  local list=/etc/apt/sources.list.d/spring-buffer-calculator-deb-src deb822 oneline
  deb822=$(find /etc/apt/sources.list.d -maxdepth 1 -name '*.sources' -exec sed -s 's/^Types: deb$/Types: deb-src/;$G' {} +)
  oneline=$(sed -n 's/^deb /deb-src /p' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true)
  [ -z "$deb822" ] || printf '%s\n' "$deb822" | as_root tee "$list.sources" >/dev/null
  [ -z "$oneline" ] || printf '%s\n' "$oneline" | as_root tee "$list.list" >/dev/null
  as_root apt-get update -qq
}

# Sets WINDOWS_QT to the prefix of Qt for Windows, building it when the cache
# lacks it (about 25 minutes on two cores).
ensure_windows_qt() {
  local version key options=("${WINDOWS_QT_OPTIONS[@]}")
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  # With DirectWrite, Qt 6.4's Qt6PrintSupport.dll does not link
  # (QWindowsFontEngineDirectWrite::createHFONT); from 6.5 on, its font
  # database needs DirectWrite and links.
  dpkg --compare-versions "$version" ge 6.5 || options+=(-no-feature-directwrite -no-feature-directwrite3)
  key=$(options_digest "$version" "${options[@]}")
  WINDOWS_QT="$WINDOWS_CACHE/qt-${version%%+*}-$key"
  [ -f "$WINDOWS_QT/.complete" ] ||
    build_qt "$WINDOWS_CACHE/qt-$key.log" "$WINDOWS_QT" "$version" debian_qt_source env "${options[@]}" -- \
      -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  # MinGW's run-time DLLs beside Qt's, as in Qt's own MinGW kits, from where
  # the compiler says they are: the program and its tests find all in one place.
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp -u "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$WINDOWS_QT/bin/"
  done
  ln -sfn "${WINDOWS_QT##*/}" "$WINDOWS_CACHE/qt"
}

# Sets WINDOWS_GTEST to the prefix of GoogleTest and GoogleMock for Windows.
ensure_windows_gtest() {
  local version key
  version=$(dpkg-query -W -f='${Version}' googletest)
  key=$(options_digest "$version")
  WINDOWS_GTEST="$WINDOWS_CACHE/googletest-$version-$key"
  if [ ! -f "$WINDOWS_GTEST/.complete" ]; then
    rm -rf "$WINDOWS_GTEST" "$WINDOWS_CACHE/work-gtest"
    logged "$WINDOWS_CACHE/googletest.log" cmake -S /usr/src/googletest -B "$WINDOWS_CACHE/work-gtest" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$WINDOWS_GTEST" -Dgtest_disable_pthreads=OFF
    logged "$WINDOWS_CACHE/googletest.log" cmake --build "$WINDOWS_CACHE/work-gtest" --parallel "$(nproc)"
    logged "$WINDOWS_CACHE/googletest.log" cmake --install "$WINDOWS_CACHE/work-gtest"
    touch "$WINDOWS_GTEST/.complete"
    rm -rf "$WINDOWS_CACHE/work-gtest"
  fi
  ln -sfn "${WINDOWS_GTEST##*/}" "$WINDOWS_CACHE/googletest"
}

# Running and checking the Windows program on this machine: Wine in an X11
# desktop; a CUPS daemon whose queues Wine lists as Windows printers; and,
# since Wine's PostScript driver keeps no text a tool could read, the printed
# pages rendered by Ghostscript and read back by Tesseract's OCR.
WINE_PACKAGES=(wine wine64 fonts-wine xvfb openbox xdotool cups ghostscript tesseract-ocr python3 unzip openssl)
