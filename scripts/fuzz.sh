#!/bin/bash
# Builds the fuzz targets under fuzz/ with clang, libFuzzer, ASan and UBSan
# (the Qt-free core only) and runs each for RUNS inputs, starting from the
# corpus kept in FUZZ_DIR/corpus/TARGET (seeded with the test data). Prints
# the inputs each target ran and whether it found a crash; a crash leaves its
# input in FUZZ_DIR/crashes/TARGET. Not part of CI.
#
# Usage: scripts/fuzz.sh [RUNS] [TARGET...]   (default 1000000, every target)
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-1000000}
shift || true
build=${FUZZ_BUILD:-build-fuzz}
fuzz_dir=${FUZZ_DIR:-/tmp/zenpa_fuzz}

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DZENPA_CORE_ONLY=ON -DZENPA_SANITIZE=ON -DZENPA_FUZZ=ON \
  -DZENPA_BENCH=OFF >/dev/null
ninja -C "$build" -j "${FUZZ_JOBS:-2}" "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  corpus="$fuzz_dir/corpus/$target"
  crashes="$fuzz_dir/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  if [[ -z "$(ls -A "$corpus")" ]]; then
    find tests/data -type f -size -64k -exec cp {} "$corpus/" \; 2>/dev/null || true
  fi
  log="$fuzz_dir/$target.log"
  if "$build/fuzz/$target" -runs="$runs" -max_len=4096 -timeout=10 \
    -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1; then
    result="no crash"
  else
    result="FOUND A FAULT (see $log and $crashes)"
    status=1
  fi
  done_line=$(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1 || true)
  printf '%-20s %s: %s\n' "$target" "${done_line:-no summary}" "$result"
done
exit $status
