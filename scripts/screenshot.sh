#!/usr/bin/env bash
# Takes a screenshot of the real veltrano.exe under Wine, with a sample profile file.
# Usage: scripts/screenshot.sh <IT|IN> <out.png>
# The exe is build/mingw/bin/veltrano.exe, or the one named by VELTRANO_EXE.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
desktop_size=700x420
# Wine's code pages follow LC_ALL (see scripts/e2e.sh); only Wine's side gets it.
italian=(env LC_ALL=it_IT.UTF-8)

die() {
  echo "screenshot: $*" >&2
  exit 1
}

# The profile file: adapter, kept line, language, count, then nine lines per connection.
# Private and example.org addresses: nothing is ever contacted. The adapter is the machine's own
# (under Wine, the Linux interface), so that the status bar shows it live.
write_profile() {
  local language=$1 file=$2
  local adapter
  adapter=$(ip -o -4 route show default 2>/dev/null | awk '{print $5; exit}')
  printf '%s\r\n' \
    "${adapter:-Ethernet}" "versione 2" "$language" "2" \
    "Ufficio" "192.168.10.25" "255.255.255.0" "192.168.10.1" "192.168.10.2" \
    "proxy.example.org" "8080" "SI" "NO" \
    "Casa" "DHCP" "DHCP" "DHCP" "DHCP" "NO PROXY" "NO PROXY" "NO" "SI" >"$file"
}

take_on_display() {
  local folder=$1 out=$2
  WINEDLLOVERRIDES="mscoree,mshtml=" "${italian[@]}" wineboot -i >/dev/null 2>&1 || die "wineboot failed"
  wineserver -w
  (cd "$folder" && exec "${italian[@]}" wine explorer "/desktop=Veltrano,$desktop_size" veltrano.exe) \
    >/dev/null 2>&1 &
  local shown=""
  for _ in $(seq 1 150); do
    # Under Wine's desktop each top-level window is an X window named after its exe.
    if xdotool search --onlyvisible --classname '^veltrano\.exe$' >/dev/null 2>&1; then
      shown=yes
      break
    fi
    sleep 0.2
  done
  [[ -n "$shown" ]] || die "the Veltrano window did not appear"
  sleep 1 # let the first paint finish
  import -window root -crop "$desktop_size+0+0" +repage "$out"
  wineserver -k
}

if [[ "${1:-}" == "--on-display" ]]; then
  take_on_display "$2" "$3"
  exit
fi

[[ $# -eq 2 ]] || die "usage: scripts/screenshot.sh <IT|IN> <out.png>"
language=$1
[[ "$language" == IT || "$language" == IN ]] || die "the language is IT or IN, not '$language'"
for tool in wine wineboot wineserver xvfb-run xdotool import; do
  command -v "$tool" >/dev/null 2>&1 || die "$tool is missing; on Debian: apt-get install wine64 xvfb xdotool imagemagick"
done
out=$(realpath -m "$2")
exe=${VELTRANO_EXE:-$root/build/mingw/bin/veltrano.exe}
[[ -f "$exe" ]] || die "$exe not found; build it with: cmake --preset mingw && cmake --build --preset mingw"

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-shot.XXXXXX")
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/program"
cp "$exe" "$work/program/veltrano.exe"
write_profile "$language" "$work/program/velt2.ini"

WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  bash "${BASH_SOURCE[0]}" --on-display "$work/program" "$out"
echo "screenshot: $out"
