#!/usr/bin/env bash
# Runs every test of Veltrano: the portable logic natively (plain and under AddressSanitizer
# and UBSan), then the Windows program: its Win32 layer, and the real veltrano.exe end to end
# under Wine and Xvfb with its release archive and help files.
set -euo pipefail
cd "$(dirname "$0")"

bash tools/install-deps.sh
jobs=$(nproc)

echo "== Unit and window-logic tests"
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$jobs"
ctest --preset linux -j"$jobs"

echo "== The same under AddressSanitizer and UBSan"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j"$jobs"
ctest --preset linux-asan -j"$jobs"

echo "== A plain Release build, as a user would make one"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANO_TESTS=OFF >/dev/null
cmake --build build/release -j"$jobs"

echo "== veltrano.exe and its Win32 layer"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$jobs"
ctest --preset mingw -L win32

echo "== veltrano.exe end to end under Wine, and the release archive"
bash scripts/e2e.sh
