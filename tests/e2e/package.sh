#!/usr/bin/env bash
# The portable zip as a Windows user gets it: made twice it is the same
# bytes, named by the program's version, and holds one folder with the
# program and what it needs and nothing else. Unpacked into a folder whose
# name has a space and Cyrillic letters, the program started from there
# opens a file and closes, writing its settings beside itself, and
# lirovant-text tells a file's code page from there.
source "$(dirname "$0")/lib.sh"

version=$(sed -n 's/.*VALUE "ProductVersion", "\([^"]*\)".*/\1/p' "$here/app/win32/lirovant.rc")
zip=$(python3 "$here/tools/package/package.py" "$exe_dir" "$work/first")
again=$(python3 "$here/tools/package/package.py" "$exe_dir" "$work/second")
check "the zip is named by the version resource's $version" test "$(basename "$zip")" = "Lirovant-$version.zip"
check "made twice it is the same bytes" cmp -s "$zip" "$again"

names=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
expected="Lirovant/Help/Lirovant.hlp
Lirovant/Help/index.html
$(cd "$exe_dir" && ls Help/topic*.html | sed 's|^|Lirovant/|' | LC_ALL=C sort)
Lirovant/Lirovant.exe
Lirovant/ReadMe.txt
Lirovant/Sound/Raspahn.wav
Lirovant/Sound/Razvern.wav
Lirovant/Sound/Svernut.wav
Lirovant/Sound/Vyhod.wav
Lirovant/Sound/Zapusk.wav
Lirovant/lirovant-text.exe
Lirovant/zmk.dll"
check "it holds the program, zmk.dll, lirovant-text, Help, Sound and the text, and nothing else" \
  test "$(LC_ALL=C sort <<<"$names")" = "$(LC_ALL=C sort <<<"$expected")"

place="$work/Мой редактор"
mkdir -p "$place"
python3 -m zipfile -e "$zip" "$place"
readme=$(tail -c +4 "$place/Lirovant/ReadMe.txt" | tr -d '\r')
check "the text says where the settings and the recovery copies are" \
  bash -c 'grep -q "Lirovant.ini" <<<"$1" && grep -qF "%LOCALAPPDATA%\\Lirovant" <<<"$1"' _ "$readme"

# From here on the program is the unpacked one.
app=$place/Lirovant
app_win="Z:${app//\//\\}"
printf 'Проба пера\r\n' | iconv -f utf-8 -t cp1251 > "$place/проба.txt"
start_app "Z:${place//\//\\}\\проба.txt"
if id=$(wait_window "проба.txt" 60); then
  check "started from the unpacked folder, the program shows the file" true
  keys "$id" alt+F4
  check "and closes" wait_gone "проба.txt" 20
else
  check "started from the unpacked folder, the program shows the file" false
fi
check "its settings are written beside it, with the file in its history" ini_has "FileName1=Z:${place//\//\\}\\проба.txt"

detected=$(cd "$app" && "$here/tools/wine-run" "$app/lirovant-text.exe" detect \
  "Z:${here//\//\\}\\tests\\data\\russian_koi8.txt" 2>/dev/null | tr -d '\r')
check "lirovant-text from there tells a KOI8-R file (said: ${detected%%$'\t'*})" test "${detected%%$'\t'*}" = "KOI"
finish
