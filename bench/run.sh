#!/usr/bin/env bash
# Builds the benchmarks (the bench preset: Release, in build-bench/) and runs
# them headless: under Qt's offscreen platform, then on an X server (Xvfb
# with openbox, scripts/with-x11.sh). Arguments go to sbc_bench (--runs N,
# --keystrokes N, ...).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" --target sbc_bench
bench=build-bench/bench/sbc_bench
echo "== offscreen platform"
QT_QPA_PLATFORM=offscreen "$bench" "$@"
echo "== Xvfb with openbox (xcb platform)"
QT_QPA_PLATFORM=xcb scripts/with-x11.sh "$bench" "$@"
