#!/usr/bin/env bash
# Checks the two help files in the folder of veltrano.exe: each must be a compiled HTML Help
# file whose system data names its table of contents, default page, title and language, and
# which holds every page, in its own language.
#
#   check-chm.sh PROGRAM_FOLDER [7Z]
set -euo pipefail

folder=${1:?usage: check-chm.sh PROGRAM_FOLDER [7Z]}
seven_zip=${2:-7z}
if ! command -v "$seven_zip" >/dev/null 2>&1; then
  echo "FAIL: 7z is needed to read the help files (Debian package p7zip-full)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The bytes of a file as decimal numbers, one per element of the array named by $2.
read_bytes() {
  local -n into=$2
  # shellcheck disable=SC2034  # filled for the caller
  read -r -a into <<<"$(od -An -v -tu1 "$1" | tr -s ' \n' ' ')"
}

little_endian() {  # bytes... -> number
  local value=0 shift_by=0 byte
  for byte in "$@"; do
    value=$((value | byte << shift_by))
    shift_by=$((shift_by + 8))
  done
  echo "$value"
}

# Prints the #SYSTEM entries that matter here as "code=value" lines: 0 contents file,
# 1 index file, 2 default topic, 3 title (texts without their final NUL) and 4 the language
# identifier in hexadecimal.
system_entries() {
  local bytes=() position=4 code length
  read_bytes "$1" bytes
  while ((position + 4 <= ${#bytes[@]})); do
    code=$(little_endian "${bytes[@]:position:2}")
    length=$(little_endian "${bytes[@]:position+2:2}")
    position=$((position + 4))
    case $code in
      0 | 1 | 2 | 3)
        echo "$code=$(tail -c +$((position + 1)) "$1" | head -c "$length" | tr -d '\0')"
        ;;
      4)
        printf '4=0x%04x\n' "$(little_endian "${bytes[@]:position:4}")"
        ;;
    esac
    position=$((position + length))
  done
}

expect_entry() {  # chm entries code expected what
  local actual
  actual=$(grep -m1 "^$3=" <<<"$2" | cut -d= -f2- || true)
  [[ $actual == "$4" ]] || fail "$1: $5 is '$actual', expected '$4'"
}

pages=(index.html window.html connections.html apply.html shortcut.html adapter.html
  administrator.html language.html inifile.html troubleshooting.html)
other_files=(style.css window.png toc.hhc index.hhk)

# chm language-id title own-phrase other-language's-phrase html-lang
check_chm() {
  local chm=$1 language_id=$2 title=$3 phrase=$4 foreign=$5 lang_attribute=$6
  local file="$folder/$chm" unpacked="$work/$chm" header=() version listing entries name

  if [[ ! -s $file ]]; then
    fail "$chm is missing from $folder"
    return
  fi
  read_bytes <(head -c 8 "$file") header
  [[ $(printf '%s' "$(head -c 4 "$file")") == ITSF ]] || fail "$chm: no ITSF signature"
  version=$(little_endian "${header[@]:4:4}")
  [[ $version == 3 ]] || fail "$chm: ITSF version $version, expected 3"

  if ! listing=$("$seven_zip" l -slt "$file" 2>&1); then
    fail "$chm cannot be read as a CHM archive"
    return
  fi
  listing=$(sed -n 's/^Path = //p' <<<"$listing")
  for name in '#SYSTEM' "${pages[@]}" "${other_files[@]}"; do
    grep -qxF "$name" <<<"$listing" || fail "$chm does not hold $name"
  done

  mkdir -p "$unpacked"
  "$seven_zip" x -y -o"$unpacked" "$file" >/dev/null || {
    fail "$chm cannot be unpacked"
    return
  }
  entries=$(system_entries "$unpacked/#SYSTEM")
  expect_entry "$chm" "$entries" 0 toc.hhc "the table of contents"
  expect_entry "$chm" "$entries" 1 index.hhk "the index"
  expect_entry "$chm" "$entries" 2 index.html "the default topic"
  expect_entry "$chm" "$entries" 3 "$title" "the title"
  expect_entry "$chm" "$entries" 4 "$language_id" "the language"

  [[ $(grep -c '<param name="Local"' "$unpacked/toc.hhc" || true) == "${#pages[@]}" ]] ||
    fail "$chm: the table of contents does not list the ${#pages[@]} pages"
  grep -qF "$phrase" "$unpacked/index.html" || fail "$chm: the first page lacks '$phrase'"
  for name in "${pages[@]}"; do
    grep -qF "<html lang=\"$lang_attribute\">" "$unpacked/$name" ||
      fail "$chm: $name is not marked as language '$lang_attribute'"
    if grep -qF "$foreign" "$unpacked/$name"; then
      fail "$chm: $name holds '$foreign' of the other language"
    fi
  done
  [[ $(head -c 8 "$unpacked/window.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "$chm: window.png is not a PNG picture"
}

check_chm veltita.chm 0x0410 "Guida di Veltrano" "Che cosa fa Veltrano" "What Veltrano does" it
check_chm velteng.chm 0x0409 "Veltrano Help" "What Veltrano does" "Che cosa fa Veltrano" en

if ((failures > 0)); then
  echo "$failures problem(s) found in the help files" >&2
  exit 1
fi
echo "veltita.chm and velteng.chm are valid, complete and in their language"
