#!/usr/bin/env bash
# Installs what is missing, then runs seven stages, each failing the script
# when it fails:
#   1. the normal build and every test, offscreen, the CUPS print test
#      included (build/);
#   2. every test again, built with AddressSanitizer and UndefinedBehavior-
#      Sanitizer (build-asan/);
#   3. the number text fuzz target: its checks' tests, a replay of the saved
#      corpus and a bounded fuzz run (build-fuzz/; FUZZ_SECONDS, default 60);
#   4. the window tests on X11 with a window manager (scripts/test-x11.sh);
#   5. the window tests under a headless Wayland compositor
#      (scripts/test-wayland.sh);
#   6. the Windows program and its tests, cross-built with MinGW-w64 and run
#      under Wine, its printing, installer and uninstaller
#      (scripts/test-windows.sh);
#   7. the README's run and test commands in a fresh Debian 12 root
#      (scripts/test-fresh-debian.sh).
# Ends with one line counting the tests of all stages.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${CHECK_PACKAGES[@]}"
if ! locale -a | grep -qix 'de_DE.utf8'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "No German locale: the decimal comma is tried through the C++ locale only." >&2
fi

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
passed=0 skipped=0

# Runs every test of build folder $1 with ctest and adds its counts to the totals.
run_tests() {
  local log="$1/ctest.log"
  (cd "$1" && ctest --output-on-failure --no-tests=error -j"$jobs") | tee "$log"
  local total skip
  total=$(sed -n 's/^.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")
  skip=$(grep -c '(Skipped)$' "$log" || true)
  passed=$((passed + total - skip))
  skipped=$((skipped + skip))
}

echo "=== 1/7: build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DSBC_WARNINGS_AS_ERRORS=ON
cmake --build build -j"$jobs"
run_tests build

echo "=== 2/7 (${SECONDS}s in): build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# -Og: with optimisation, GCC 12's ASan instrumentation makes <regex> warn of
# uninitialised members that are not.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DCMAKE_CXX_FLAGS="-Og $sanitize -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1 \
UBSAN_OPTIONS=print_stacktrace=1 \
  run_tests build-asan

echo "=== 3/7 (${SECONDS}s in): fuzzing the number text routines"
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DSBC_FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
cmake --build build-fuzz -j"$jobs"
run_tests build-fuzz
grep -a -E '^(#[0-9]+[[:space:]]+DONE|Done [0-9]+ runs)' build-fuzz/Testing/Temporary/LastTest.log || true

# Runs a stage script that ends with its own "total:" line, adding its counts.
run_stage() {
  local log="$1.log"
  bash "scripts/$1.sh" | tee "build/$log"
  local counts
  counts=$(sed -n 's/^total: \([0-9]*\) passed, 0 failed, \([0-9]*\) skipped$/\1 \2/p' "build/$log" | tail -1)
  passed=$((passed + ${counts% *}))
  skipped=$((skipped + ${counts#* }))
}

echo "=== 4/7 (${SECONDS}s in): window tests on X11: Xvfb with openbox"
run_stage test-x11
echo "=== 5/7 (${SECONDS}s in): window tests on Wayland: headless sway"
run_stage test-wayland

echo "=== 6/7 (${SECONDS}s in): Windows: cross-built, run under Wine"
if [ -n "${SBC_IN_FRESH_ROOT:-}" ]; then
  # Qt for Windows would be built a second time in the new root, which does
  # not fit the time; the stage outside the root runs it.
  echo "Skipped inside the fresh Debian root: it proves the Linux commands."
  skipped=$((skipped + 1))
else
  run_stage test-windows
fi

echo "=== 7/7 (${SECONDS}s in): fresh Debian 12: the README's run and test commands in a new root"
# Inside that root this stage is skipped (SBC_IN_FRESH_ROOT); without root
# rights or the Debian archive it is skipped too (exit status 77).
fresh_status=0
bash scripts/test-fresh-debian.sh || fresh_status=$?
case "$fresh_status" in
  0) passed=$((passed + 1)) ;;
  77) skipped=$((skipped + 1)) ;;
  *) exit "$fresh_status" ;;
esac

echo "=== done in ${SECONDS}s"

echo "total: $passed passed, 0 failed, $skipped skipped"
