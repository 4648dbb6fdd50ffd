#!/usr/bin/env bash
# Builds the benchmarks in Release (-O2) in build/bench, runs them and prints their tables:
#   1. velt2.ini read and rewrite against plain buffered I/O (10, 100, 1000 connections);
#   2. window start-up on the fake toolkit: median time, and callgrind instruction counts;
#   3. veltrano.exe start-up under Wine against a minimal window, and the status bar's refresh
#      (needs build/mingw); EARLIER_EXE, when given, is an earlier veltrano.exe timed alongside;
#   4. size of veltrano.exe and the DLLs it imports.
# Usage: bench/run.sh [--no-wine | EARLIER_EXE]
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== Machine"
echo "date:  $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "nproc: $(nproc)"
echo "cpu:   $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "load:  $(cut -d' ' -f1-3 /proc/loadavg)"
echo

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVELTRANO_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(nproc)" --target veltrano_profile_io_bench veltrano_startup_bench \
  veltrano_sample_profile >/dev/null
bin=build/bench/bench

echo "== 1. Profile file I/O"
"$bin/veltrano_profile_io_bench"
echo
echo "-- The same with a heap that glibc does not hand back to the kernel between samples"
echo "   (no page faults on fresh memory; what is left is the work itself)"
GLIBC_TUNABLES=glibc.malloc.trim_threshold=268435456:glibc.malloc.mmap_threshold=268435456 \
  "$bin/veltrano_profile_io_bench" | sed -n '3,7p'
echo

# Instructions inside one function call, counted by callgrind: repeatable across runs.
instructions() {
  local function=$1
  shift
  valgrind --tool=callgrind --toggle-collect="$function" --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : *//p'
}

echo "== 2. Window start-up on the fake toolkit"
"$bin/veltrano_startup_bench"
echo
if command -v valgrind >/dev/null; then
  echo "Instructions of Harness::start() (Form_Load and the first activation), callgrind"
  echo
  printf '%11s  %12s  %24s\n' connections instructions "per connection (vs 10)"
  printf '%s\n' "-------------------------------------------------------"
  base=
  for n in 10 100 1000; do
    ir=$(instructions 'veltrano::fake::Harness::start()' "$bin/veltrano_startup_bench" --once "$n")
    if [ -z "$base" ]; then
      base=$ir
      printf '%11s  %12s  %24s\n' "$n" "$ir" "-"
    else
      printf '%11s  %12s  %24s\n' "$n" "$ir" "$(((ir - base) / (n - 10)))"
    fi
  done
  echo
  echo "Instructions of one read and one rewrite of velt2.ini at 1000 connections, callgrind"
  echo "  read:    $(instructions '*readProfile*' "$bin/veltrano_profile_io_bench" --once 1000)"
  echo "  rewrite: $(instructions '*writeProfile*' "$bin/veltrano_profile_io_bench" --once 1000)"
else
  echo "(valgrind is not installed: no instruction counts)"
fi
echo

exe=build/mingw/bin/veltrano.exe
echo "== 3. veltrano.exe start-up under Wine"
if [ "${1:-}" = "--no-wine" ]; then
  echo "(skipped)"
elif [ -f "$exe" ]; then
  bench/wine_startup.sh 21 1000 ${1:+"$1"}
  echo
  echo "-- The status bar's refresh (GetAdaptersAddresses, WinINet, the connection in effect)"
  WINEPREFIX=$PWD/build/bench/wine/prefix WINEDEBUG=-all \
    wine build/mingw/bench/veltrano_status_refresh_bench.exe 201
else
  echo "(not measured: $exe is missing)"
fi
echo

echo "== 4. Size of veltrano.exe"
if [ -f "$exe" ]; then
  stripped=$(mktemp)
  x86_64-w64-mingw32-strip -o "$stripped" "$exe"
  echo "veltrano.exe:          $(stat -c %s "$exe") bytes"
  echo "stripped (strip -o):   $(stat -c %s "$stripped") bytes"
  rm -f "$stripped"
  echo "imported DLLs:"
  x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: /  /p'
else
  echo "(not measured: $exe is missing)"
fi
