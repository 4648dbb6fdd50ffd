#!/usr/bin/env bash
# The release archive as a user meets it, packed once by the end-to-end fixture: one folder with
# the six files, the starter profile, the licence, a readme Notepad shows right, and two help
# files that hold every page of their language and name their own title. (That veltrano.exe starts
# from the unpacked folder and opens its help is the end-to-end flow "unzipped_release_...".)
#
#   check-release.sh RELEASE_DIR VERSION HELP_SOURCES 7Z
set -euo pipefail
dir=${1:?usage: check-release.sh RELEASE_DIR VERSION HELP_SOURCES 7Z}
top="veltrano-$2" help=$3 seven_zip=$4
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

zip=$(echo "$dir"/package/*.zip)
[[ $(unzip -Z1 "$zip" | sort | tr '\n' ' ') == "$(printf "$top/%s " LICENSE README.txt velt2.ini velteng.chm veltita.chm veltrano.exe)" ]] ||
  fail "$(basename "$zip") holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
folder=$dir/unpacked/$top
[[ $(od -An -c "$folder/velt2.ini" | tr -s ' \n' ' ') == ' \r \n \r \n I T \r \n 0 \r \n ' ]] ||
  fail "velt2.ini is not the starter profile (empty, empty, IT, 0, CR LF)"
grep -q '^MIT License' "$folder/LICENSE" || fail "LICENSE is not the MIT licence"
readme=$folder/README.txt lines=$(wc -l <"$folder/README.txt")
[[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' \n') == efbbbf && $(grep -c $'\r$' "$readme") == "$lines" ]] ||
  fail "README.txt is not UTF-8 with a byte order mark and CR LF line ends"
for needed in ITALIANO ENGLISH velt2.ini /apply /quiet '/?' Impostazioni Settings; do
  grep -qF -- "$needed" "$readme" || fail "README.txt does not mention $needed"
done

# chm source-folder html-lang title the-other-language's-title-page
for help_file in "veltita.chm it Guida.di.Veltrano What.Veltrano.does" \
  "velteng.chm en Veltrano.Help Che.cosa.fa.Veltrano"; do
  read -r chm lang title foreign <<<"$help_file"
  unpacked=$(mktemp -d)
  "$seven_zip" x -y -o"$unpacked" "$folder/$chm" >/dev/null || fail "$chm cannot be unpacked"
  grep -aq "${title//./ }" "$unpacked/#SYSTEM" || fail "$chm does not name its title ${title//./ }"
  for page in "$help/$lang"/*.html "$help/$lang"/*.png; do
    name=$(basename "$page")
    cmp -s "$page" "$unpacked/$name" || fail "$chm does not hold $name as written"
    [[ $name != *.html ]] || ! grep -q "${foreign//./ }" "$unpacked/$name" ||
      fail "$chm: $name holds the other language's page title"
  done
  rm -rf "$unpacked"
done
((failures == 0)) || { echo "$failures problem(s) in the release archive" >&2; exit 1; }
echo "$(basename "$zip") holds a complete Veltrano in one folder"
