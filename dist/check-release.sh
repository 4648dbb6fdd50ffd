#!/usr/bin/env bash
# The release archive as a user meets it: made by CPack from the built tree, it holds exactly
# one folder with the six files, unzips into an empty folder, and there veltrano.exe starts in
# Italian with an empty list and opens the Italian help beside it (checked by the end-to-end
# driver's case unzipped_release_starts_in_italian_and_opens_the_italian_help, which needs
# Wine and an X display: run it through scripts/e2e.sh).
#
#   check-release.sh BUILD_DIR ARCHIVE_NAME FOLDER CPACK 7Z E2E_DRIVER
set -euo pipefail

build=${1:?usage: check-release.sh BUILD_DIR ARCHIVE_NAME FOLDER CPACK 7Z E2E_DRIVER}
archive_name=${2:?archive name missing}
top=${3:?folder name missing}
cpack=${4:?cpack missing}
seven_zip=${5:?7z missing}
driver=${6:?end-to-end driver missing}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
release_case=unzipped_release_starts_in_italian_and_opens_the_italian_help

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Packs into a folder of its own, so that the build's package folder is left alone.
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not make the archive" >&2
  exit 1
fi
archive="$work/package/$archive_name"
if [[ ! -f $archive ]]; then
  echo "FAIL: cpack made no $archive_name; it made: $(ls "$work/package")" >&2
  exit 1
fi

# One folder, so that unzipping never scatters files; the developers' README.md stays out.
expected=$(printf "$top/%s\n" LICENSE README.txt velt2.ini velteng.chm veltita.chm veltrano.exe)
actual=$(unzip -Z1 "$archive" | sort)
[[ $actual == "$expected" ]] ||
  fail "$archive_name holds"$'\n'"$actual"$'\n'"instead of"$'\n'"$expected"

mkdir "$work/unzipped"
unzip -q "$archive" -d "$work/unzipped"
folder="$work/unzipped/$top"

[[ $(od -An -c "$folder/velt2.ini" | tr -s ' \n' ' ') == ' \r \n \r \n I T \r \n 0 \r \n ' ]] ||
  fail "velt2.ini is not the four-line starter profile (empty, empty, IT, 0, CR LF)"
if ! grep -q '^MIT License' "$folder/LICENSE" || ! grep -q 'The Veltrano developers' "$folder/LICENSE"; then
  fail "LICENSE is not the MIT licence of the Veltrano developers"
fi
[[ $(head -c 2 "$folder/veltrano.exe") == MZ ]] || fail "veltrano.exe is not a Windows program"
# Notepad shows the user readme right: UTF-8 with a byte order mark, every line ending CR LF.
readme="$folder/README.txt"
lines=$(wc -l <"$readme")
if [[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' \n') != efbbbf ]] || ((lines == 0)) ||
  [[ $(grep -c $'\r$' "$readme") != "$lines" || $(tr -cd '\r' <"$readme" | wc -c) != "$lines" ]]; then
  fail "README.txt is not UTF-8 text with a byte order mark and CR LF line ends"
fi
for needed in ITALIANO ENGLISH velt2.ini /apply /quiet '/?' Impostazioni Settings; do
  grep -qF -- "$needed" "$readme" || fail "README.txt does not mention $needed"
done
bash "$here/../help/check-chm.sh" "$folder" "$seven_zip" || fail "the packed help files are wrong"

# The program runs in the unzipped folder itself: nothing is copied or added.
if ! wine "$driver" "$release_case" "$folder/veltrano.exe" "$work/no-fixtures"; then
  fail "veltrano.exe from the archive did not start in Italian with an empty list and open" \
    "veltita.chm from its folder"
fi
for leftover in lastconnection.bat velt2.ini.tmp; do
  [[ ! -e $folder/$leftover ]] || fail "starting and pressing Help left $leftover behind"
done

if ((failures > 0)); then
  echo "$failures problem(s) found in the release archive" >&2
  exit 1
fi
echo "$archive_name unzips into a working Veltrano that starts in Italian"
