# shellcheck shell=bash
# Shared by test-x11.sh and test-wayland.sh: builds the window tests and runs
# Qt Test executables on a display server, counting their results.

# Configures and builds folder $1 with the tests (nothing to do when test.sh
# has built it already).
build_window_tests() {
  cmake -S . -B "$1" -DBUILD_TESTING=ON >/dev/null
  cmake --build "$1" -j"$(nproc)"
}

qtest_passed=0 qtest_failed=0 qtest_skipped=0

# Runs the Qt Test executable given as $@ (a command line) and adds its
# counts; prints its whole output only when something failed.
run_qtest() {
  local out rc=0 totals p=0 f=0 s=0
  out=$("$@" 2>&1) || rc=$?
  totals=$(grep -a '^Totals:' <<<"$out" | tail -1)
  echo "$(basename "${*: -1}"): ${totals:-no result, exit code $rc}"
  if [ -n "$totals" ]; then
    read -r p f s < <(sed -E 's/^Totals: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 \2 \3/' <<<"$totals")
    # Qt Test counts its set-up and clean-up functions as tests.
    p=$((p - $(grep -a -c -E '^PASS   : .*::(initTestCase|cleanupTestCase)\(\)$' <<<"$out" || true)))
  fi
  # A crash or a fatal error may leave no failure counted.
  if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
  [ "$f" -eq 0 ] || echo "$out"
  qtest_passed=$((qtest_passed + p))
  qtest_failed=$((qtest_failed + f))
  qtest_skipped=$((qtest_skipped + s))
}

# The last line, in test.sh's form; fails when any test failed.
qtest_total() {
  echo "total: $qtest_passed passed, $qtest_failed failed, $qtest_skipped skipped"
  [ "$qtest_failed" -eq 0 ]
}
