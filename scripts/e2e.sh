#!/usr/bin/env bash
# Runs the end-to-end tests: the real veltrano.exe, cross-built with MinGW-w64, driven under
# Wine on a virtual X display, in a Wine prefix made fresh for this run.
# Usage: scripts/e2e.sh [extra ctest arguments, e.g. -R apply]
# Fails, never passes quietly, when Wine or Xvfb is missing or when no test ran.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

die() {
  echo "e2e: FAILED: $*" >&2
  exit 1
}

# Wine takes its code pages from the locale variables: LC_ALL=it_IT.UTF-8 gives ANSI 1252 and
# OEM 850, as an Italian Windows has, even where that Linux locale is not installed (LANG alone
# is not enough then). Only Wine's side gets it: bash would warn about the missing locale.
italian=(env LC_ALL=it_IT.UTF-8)

run_on_display() {
  # No Mono or Gecko installer prompts while the prefix is made.
  WINEDLLOVERRIDES="mscoree,mshtml=" "${italian[@]}" wineboot -i >/dev/null 2>&1 ||
    die "wineboot could not make the Wine prefix"
  wineserver -w
  # A crash must end its test, not wait for someone to close Wine's crash dialog.
  "${italian[@]}" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
    /t REG_DWORD /d 0 /f >/dev/null 2>&1
  cd "$root"
  # A case that fails is run once more: Wine on a shared virtual display now and then fails to
  # start a process at all. A fault of the program fails both runs.
  "${italian[@]}" ctest --preset mingw -L e2e --output-on-failure --no-tests=error \
    --repeat until-pass:2 "$@"
}

if [[ "${1:-}" == "--on-display" ]]; then
  shift
  run_on_display "$@"
  exit
fi

missing=()
for tool in wine wineboot wineserver xvfb-run xauth cmake ctest; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if ((${#missing[@]} > 0)); then
  die "missing ${missing[*]}; on Debian: apt-get install wine64 xvfb xauth cmake"
fi

cd "$root"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-e2e.XXXXXX")
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all \
  xvfb-run -a -s "-screen 0 1024x768x24" bash "${BASH_SOURCE[0]}" --on-display "$@" ||
  die "end-to-end tests failed (see above)"
echo "e2e: all end-to-end tests passed"
