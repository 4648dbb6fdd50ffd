#!/usr/bin/env bash
# Start-up of veltrano.exe (1000 connections) under Wine against a minimal Win32 window and
# against the same window with Veltrano's controls (controls_window.exe), in one Wine prefix
# and one run, taking turns. Needs build/mingw/bin/veltrano.exe.
# Usage: bench/wine_startup.sh [RUNS] [CONNECTIONS] [EARLIER_VELTRANO_EXE]
# An earlier veltrano.exe, when given, takes its turns too, from a folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
connections=${2:-1000}
exe=build/mingw/bin/veltrano.exe
if [ ! -f "$exe" ]; then
  echo "wine_startup: $exe is missing; build it with: cmake --preset mingw && cmake --build --preset mingw" >&2
  exit 3
fi

cmake -S bench/win32 -B build/bench-win32 -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-win32 -j"$(nproc)" >/dev/null

# A copy, so that a rebuild running meanwhile does not change what is measured.
work=$PWD/build/bench/wine
rm -rf "$work/app"
mkdir -p "$work/app"
cp "$exe" build/bench-win32/minimal_window.exe build/bench-win32/controls_window.exe \
  build/bench-win32/start_probe.exe "$work/app/"
build/bench/bench/veltrano_sample_profile "$connections" "$work/app/velt2.ini"
earlier=()
if [ -n "${3:-}" ]; then
  mkdir -p "$work/app/earlier"
  cp "$3" "$work/app/earlier/veltrano_earlier.exe"
  cp "$work/app/velt2.ini" "$work/app/earlier/"
  earlier=("earlier\\veltrano_earlier.exe")
fi

export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=it_IT.UTF-8
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -e
  wineboot -i >/dev/null 2>&1
  app=$(winepath -w "$1")
  wine "$1/start_probe.exe" "$2" "$app\\veltrano.exe" "$3" "$app\\controls_window.exe" \
    "$app\\minimal_window.exe" ${4:+"$app\\$4"}
  wineserver -k || true
' _ "$work/app" "$runs" "$connections" "${earlier[@]}"
