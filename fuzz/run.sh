#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) in build/fuzz and
# runs each for a bounded time: fuzz/run.sh [seconds per target, default 60].
# New inputs go to build/fuzz/corpus/<target>; the committed seeds in fuzz/corpus stay as they
# are. A crash ends that target's run and leaves its input in build/fuzz/artifacts; the script
# then goes on with the next target and fails at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRANO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target profile_fuzzer batch_fuzzer >/dev/null

mkdir -p "$build/artifacts"
total=0
crashed=0
for target in profile batch; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  dict=()
  if [[ -f fuzz/$target.dict ]]; then
    dict=(-dict="fuzz/$target.dict")
  fi
  log="$build/$target.log"
  echo "== ${target}_fuzzer for ${seconds} s"
  crashes=0
  if ! "$build/fuzz/${target}_fuzzer" "$work" "fuzz/corpus/$target" "${dict[@]}" \
      -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/${target}-" >"$log" 2>&1; then
    crashes=1
    crashed=$((crashed + 1))
    grep -E -A3 'ERROR:|runtime error|property broken|Test unit written' "$log" | head -n 20
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
  corpus=$(find "$work" -type f | wc -l)
  echo "${target}_fuzzer: ${runs:-0} executions, ${crashes} crashes, ${coverage:-cov: ?}," \
    "corpus ${corpus} new inputs"
  total=$((total + ${runs:-0}))
done
echo "all fuzz targets: ${total} executions, ${crashed} crashed"
if ((crashed > 0)); then
  echo "inputs that crashed are in $build/artifacts; the full output in $build/<target>.log" >&2
  exit 1
fi
