#!/usr/bin/env bash
# Takes the pictures of the window that the help pages show, help/it/window.png and
# help/en/window.png, from the real program under Wine on a virtual display. Run it again
# whenever the window changes, then look at both pictures before committing them.
#
#   help/take-screenshots.sh [veltrano.exe]     (default: build/mingw/bin/veltrano.exe)
# Needs wine, xvfb-run, xdotool and imagemagick.
set -euo pipefail

help_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=${1:-$help_dir/../build/mingw/bin/veltrano.exe}
desktop=700x420
# The machine's own interface (under Wine, the Linux one), so that the status bar shows it live.
adapter=$(ip -o -4 route show default 2>/dev/null | awk '{print $5; exit}')

if [[ ${1:-} != --on-display ]]; then
  [[ -f $program ]] || { echo "no $program: build with cmake --preset mingw first" >&2; exit 1; }
  for tool in wine wineboot wineserver xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-shots.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  xvfb-run -a -s "-screen 0 1024x768x24" \
    bash "${BASH_SOURCE[0]}" --on-display "$(realpath "$program")" "$work"
  exit
fi

program=$2
work=$3

# Two connections a reader recognises from the pages: a static office one with a proxy, and
# DHCP at home. Line 3 picks the window's language.
write_profile() {  # language office home
  printf '%s\r\n' "${adapter:-Ethernet}" "" "$1" "2" \
    "$2" "192.168.10.25" "255.255.255.0" "192.168.10.1" "192.168.10.1" \
    "proxy.example.com" "8080" "SI" "NO" \
    "$3" "DHCP" "DHCP" "DHCP" "DHCP" "NO PROXY" "NO PROXY" "NO" "SI"
}

# language-folder language-code locale office home
take() {
  local folder="$work/$1" prefix="$work/prefix-$1" window="" geometry
  mkdir -p "$folder"
  cp "$program" "$folder/veltrano.exe"
  write_profile "$2" "$4" "$5" >"$folder/velt2.ini"

  export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=$3 LANG=$3
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  wineserver -w
  # The caption buttons are drawn with Marlett, which Wine finds only in the prefix.
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true

  (cd "$folder" && wine explorer "/desktop=Veltrano,$desktop" veltrano.exe >/dev/null 2>&1 &)
  for _ in $(seq 60); do
    window=$(xdotool search --name '^Veltrano - Wine desktop$' 2>/dev/null | head -1 || true)
    if [[ -n $window ]] && xdotool search --name '^Veltrano$' >/dev/null 2>&1; then
      break
    fi
    sleep 1
  done
  [[ -n $window ]] || { echo "the Wine desktop did not appear" >&2; exit 1; }
  sleep 2  # let the window finish painting
  geometry=$(xdotool getwindowgeometry --shell "$window")
  local X Y WIDTH HEIGHT
  eval "$(grep -E '^(X|Y|WIDTH|HEIGHT)=' <<<"$geometry")"
  import -window root "$work/full-$1.png"
  convert "$work/full-$1.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
    "$help_dir/$1/window.png"
  wineserver -k
  wineserver -w
  echo "wrote $help_dir/$1/window.png"
}

take it IT it_IT.UTF-8 Ufficio Casa
take en IN en_US.UTF-8 Office Home
