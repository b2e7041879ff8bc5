# Qt built from Debian's own qt6-base source into a cache outside the
# checkout, for the platforms Debian packages no Qt for (windows/deps.sh,
# web/deps.sh). Sourced after deps.sh, from the project's root. Each build
# lives in a folder named by its version and a digest of its options, so
# later runs reuse it; it is marked complete only once installed.

# A short digest of everything that shapes a build, for its cache folder's
# name: the arguments after the first, one a line, then the first argument's
# file (/dev/null for none).
cache_digest() { { printf '%s\n' "${@:2}"; cat "$1"; } | sha256sum | cut -c1-10; }

# Runs a long build step quietly into a log, showing the log's end on failure.
logged() {
  local log="$1"; shift
  "$@" >>"$log" 2>&1 || { tail -n 60 "$log" >&2; echo "Failed: $* (log: $log)" >&2; return 1; }
}

# Builds Qt into the cache folder $2 from Debian's qt6-base source package,
# version $3, quietly into the log $1: the function $4 fetches the package's
# files into the current folder, given the version; then the command $5
# (env: none) runs each step: unpacking, configuring with the arguments that
# follow, building, installing. QT_PATCH, when set, names a patch of the
# project's own, applied to the unpacked source. The folder is marked
# complete at the end.
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
    { [ -z "${QT_PATCH:-}" ] || logged "$log" "$run" patch -d "$work/src" -p1 -i "$(realpath "$QT_PATCH")"; } &&
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
