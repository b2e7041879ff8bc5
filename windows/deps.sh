# Qt for Windows, cross-built with MinGW-w64 from Debian's own qt6-base
# source (scripts/qt-from-source.sh), and GoogleTest from Debian's googletest
# source with the same compilers. Sourced after scripts/deps.sh, from the
# project's root. Each is built once into a cache outside the checkout
# (SBC_WINDOWS_CACHE, default ~/.cache/spring-buffer-calculator-windows); the
# links qt and googletest there name the current builds, for the windows
# preset's toolchain (cached-qt-toolchain.cmake).
# Installed with deps.sh's BUILD_PACKAGES, whose Qt is the host Qt here.
source scripts/qt-from-source.sh
WINDOWS_PACKAGES=(ninja-build dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  googletest nsis zip imagemagick wixl msitools osslsigncode)
WINDOWS_TOOLCHAIN=$PWD/windows/mingw-toolchain.cmake
WINDOWS_CACHE=${SBC_WINDOWS_CACHE:-$HOME/.cache/spring-buffer-calculator-windows}

# Only what the program and its tests use. Debian's source has no wintab.h
# (removed as non-free), hence no tablet events.
WINDOWS_QT_OPTIONS=(-release -shared -xplatform win32-g++ -qt-host-path /usr
  -nomake examples -nomake tests -no-opengl -no-icu -no-dbus -no-freetype
  -no-fontconfig -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -no-libjpeg
  -no-feature-tabletevent
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent)

# Sets WINDOWS_QT to the prefix of Qt for Windows, building it when the cache
# lacks it (about 25 minutes on two cores).
ensure_windows_qt() {
  local version key options=("${WINDOWS_QT_OPTIONS[@]}")
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  # With DirectWrite, Qt 6.4's Qt6PrintSupport.dll does not link
  # (QWindowsFontEngineDirectWrite::createHFONT); from 6.5 on, its font
  # database needs DirectWrite and links.
  dpkg --compare-versions "$version" ge 6.5 || options+=(-no-feature-directwrite -no-feature-directwrite3)
  key=$(cache_digest "$WINDOWS_TOOLCHAIN" "$version" "${options[@]}")
  WINDOWS_QT="$WINDOWS_CACHE/qt-${version%%+*}-$key"
  [ -f "$WINDOWS_QT/.complete" ] ||
    build_qt "$WINDOWS_CACHE/qt-$key.log" "$WINDOWS_QT" "$version" debian_qt_source env "${options[@]}" -- \
      -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake ||
    return
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
  key=$(cache_digest "$WINDOWS_TOOLCHAIN" "$version")
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
