#!/usr/bin/env bash
# A DOS-encoded file with mixed line ends, converted with Alt+D and saved with
# Ctrl+S: the file on disk becomes Windows-1251, Ё, ё and № among its
# letters, every line ending in the kind the file held most of (LF). The
# keys typed right after Alt+D go to the text: the released Alt leaves the
# menu bar shut.
source "$(dirname "$0")/lib.sh"

printf 'Привет, мир!\nВторая строка - ёлка №5, ЁЖ\rТретья\n' | iconv -f utf-8 -t cp866 > "$app/dos.txt"
start_app "$app_win\\dos.txt"
id=$(wait_window "dos.txt") || { check "the DOS file opens" false; finish; exit; }
sleep 1
keys "$id" alt+d End Z
sleep 1
shot converted
keys "$id" ctrl+s
sleep 1
expected=$(printf 'Привет, мир!Z\nВторая строка - ёлка №5, ЁЖ\nТретья\n' | iconv -f utf-8 -t cp1251 | od -An -tx1)
check "Alt+D, End, Z, Ctrl+S writes the text as Windows-1251 with LF, Ё, № and Z at the end of line 1" \
  test "$(od -An -tx1 < "$app/dos.txt")" = "$expected"
check "no scratch file is left beside it" test "$(ls "$app" | grep -vc -e '^dos.txt$' -e '^Lirovant.exe$' -e '^zmk.dll$' -e '^Sound$' -e '^Help$' -e '^Lirovant.ini$' -e '^Recovery$')" = 0
keys "$id" ctrl+z
sleep 0.5
shot undone
keys "$id" Escape
box=$(wait_window "Лированик 2.8" 5)
check "undoing after the save asks to save the changes on close" test -n "$box"
[ -n "$box" ] && keys "$box" Tab Return   # No
check "answered No, the program ends" wait_gone "dos.txt" 10
check "the saved file is kept as it was" test "$(od -An -tx1 < "$app/dos.txt")" = "$expected"
check "the file is history entry 1" ini_has "FileName1=$app_win\\dos.txt"
check "the clean close leaves no recovery copy and no lock" test -z "$(ls -A "$app/Recovery" 2>/dev/null)"
finish
