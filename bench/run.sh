#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them headless:
# under Qt's offscreen platform, then under Xvfb on display :95 when Xvfb is
# installed. Arguments go to sbc_bench (--runs N, --keystrokes N, ...).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSBC_BUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF
cmake --build build-bench -j"$(nproc)" --target sbc_bench
bench=build-bench/bench/sbc_bench

echo "== offscreen platform"
QT_QPA_PLATFORM=offscreen "$bench" "$@"

command -v Xvfb >/dev/null || { echo "Xvfb not installed: X11 figures skipped"; exit 0; }
display=:95
socket=/tmp/.X11-unix/X${display#:}
if [[ ! -S $socket ]]; then
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill "$xvfb"' EXIT
  for _ in $(seq 50); do [[ -S $socket ]] && break; sleep 0.1; done
fi
echo "== Xvfb $display (xcb platform)"
QT_QPA_PLATFORM=xcb DISPLAY=$display "$bench" "$@"
