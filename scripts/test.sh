#!/usr/bin/env bash
# Sets everything up and runs every test: the core tests under the address and
# undefined-behaviour sanitizers first, then the full build's suite (core, Qt
# widgets offscreen, command line end to end). The output ends in ctest's
# summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

echo "== Core tests with sanitizers ==" >&2
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENPA_CORE_ONLY=ON \
      -DZENPA_SANITIZE=ON >/dev/null
ninja -C build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" >build-asan/ctest.log 2>&1 || {
  cat build-asan/ctest.log; exit 1; }
tail -n 3 build-asan/ctest.log >&2

echo "== Full build and tests ==" >&2
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$jobs"
