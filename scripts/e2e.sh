#!/usr/bin/env bash
# Runs the end-to-end flows: the real veltrano.exe, cross-built with MinGW-w64, driven under
# Wine on a virtual X display, in a Wine prefix made fresh for this run.
# Usage: [VELTRANO_BUILD=build/NAME-mingw] scripts/e2e.sh [extra ctest arguments, e.g. -R apply]
# The build folder defaults to build/mingw; it is configured with the mingw preset if needed.
# Fails, never passes quietly, when Wine or Xvfb is missing or when no test ran.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$root" && realpath -m "${VELTRANO_BUILD:-build/mingw}")

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
  # One Wine session for all the flows: no start-up of Wine's services for each.
  wineserver -p
  # A crash must end its test, not wait for someone to close Wine's crash dialog.
  "${italian[@]}" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
    /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Xvfb has no window manager: left managed, Wine waits 2 s for one whenever a box closes.
  "${italian[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # The driver, run as netsh.exe, records its arguments; it stands where Windows keeps the real
  # netsh, so that the batch finds it however it is started. Wine runs its builtin netsh unless
  # told to load the file.
  cp "$build/tests/e2e/veltrano_e2e.exe" "$WINEPREFIX/drive_c/windows/system32/netsh.exe"
  "${italian[@]}" wine reg add 'HKCU\Software\Wine\DllOverrides' /v netsh.exe /d native \
    /f >/dev/null 2>&1 || die "cannot make Wine run the recording netsh.exe"
  # A flow that fails is run once more: Wine on a shared virtual display now and then fails to
  # start a process at all. A fault of the program fails both runs.
  "${italian[@]}" ctest --test-dir "$build" -L e2e --output-on-failure --no-tests=error \
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
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake --preset mingw -B "$build" >/dev/null
fi
cmake --build "$build" -j2

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-e2e.XXXXXX")
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all VELTRANO_BUILD="$build" \
  xvfb-run -a -s "-screen 0 1024x768x24" bash "${BASH_SOURCE[0]}" --on-display "$@" ||
  die "end-to-end tests failed (see above)"
echo "e2e: all end-to-end tests passed"
