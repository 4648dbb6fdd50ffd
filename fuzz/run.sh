#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) in build/fuzz and runs
# each for a bounded time: fuzz/run.sh [seconds per target, default 60]. New inputs go to
# build/fuzz/corpus/<target>, an input that breaks a property to build/fuzz/artifacts; the
# committed seeds in fuzz/corpus stay as they are. Fails when any target found one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRANO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target profile_fuzzer batch_fuzzer >/dev/null
mkdir -p "$build/artifacts"
failed=0
for target in profile batch; do
  mkdir -p "$build/corpus/$target"
  dict=$( [[ -f fuzz/$target.dict ]] && echo "-dict=fuzz/$target.dict" || true)
  if ! "$build/fuzz/${target}_fuzzer" "$build/corpus/$target" "fuzz/corpus/$target" $dict \
      -max_total_time="${1:-60}" -artifact_prefix="$build/artifacts/$target-" \
      >"$build/$target.log" 2>&1; then
    failed=1
    grep -E -A3 'ERROR:|runtime error|property broken' "$build/$target.log" | head -n 20
  fi
  echo "${target}_fuzzer: $(grep '^Done' "$build/$target.log" || echo 'stopped')"
done
exit "$failed"
