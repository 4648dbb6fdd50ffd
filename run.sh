#!/usr/bin/env bash
# Builds veltrano.exe and starts it under Wine in build/run/ (kept between runs, so the
# connections you make stay). Without a display it starts it under Xvfb, saves a screenshot
# once the window is shown, prints where, and closes it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

bash tools/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$(nproc)"

run=$root/build/run
mkdir -p "$run"
cp build/mingw/bin/veltrano.exe "$run/"
for help in veltita.chm velteng.chm; do
  [ -f "build/mingw/bin/$help" ] && cp "build/mingw/bin/$help" "$run/"
done
# The program never creates its profile file: start from an empty one the first time.
[ -f "$run/velt2.ini" ] || printf '\r\n\r\nIT\r\n0\r\n' >"$run/velt2.ini"

export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win64 WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
  echo "Starting $run/veltrano.exe under Wine"
  cd "$run" && exec wine veltrano.exe
fi

echo "No display: starting Veltrano under Xvfb for a screenshot"
xvfb-run -a -s "-screen 0 1024x768x24" \
  bash "$root/scripts/screenshot.sh" --on-display "$run" "$run/veltrano.png"
echo "Screenshot of the window: $run/veltrano.png"
