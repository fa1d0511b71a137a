#!/usr/bin/env bash
# Faults from outside lose nothing: the old contents a killed save in place
# kept are offered at the next start, and a file too large for the memory is
# refused while the document in the window stays as it was; a file another
# program rewrote or replaced is not written over without a question; a file
# cut short while it comes in ends the intake with a message and its part is
# not written over it unasked; and the program in a folder whose name
# Windows-1251 cannot hold reads and writes its settings file.
source "$(dirname "$0")/lib.sh"

# Answers the message box that shows, after a look at it.
answer() {  # answer what shot key...
  local what=$1 name=$2 box
  shift 2
  box=$(wait_window "Лированик 2.8" 30)
  check "$what" test -n "$box"
  [ -n "$box" ] || return 0
  sleep 0.3
  shot "$name"
  keys "$box" "$@"
  sleep 0.5
}

# A save in place that a kill cut short: the file holds the start of the new
# text, the old contents wait whole in the Recovery folder under a run that
# is gone, named by their path file. A part of a copy is what a kill left
# before the copy was whole.
mkdir -p "$app/Recovery"
printf 'the new te' > "$app/doc.txt"
old_text=$'the old text,\r\nwhole\r\n'
printf '%s' "$old_text" > "$app/Recovery/0000dead-00000000000000a1.1 doc.txt.kept"
printf '%s' "$app_win\\doc.txt" > "$app/Recovery/0000dead-00000000000000a1.1.kept-path"
printf 'the old' > "$app/Recovery/0000beef-00000000000000b2.1.kept-part"
start_app
answer "the next start offers the kept copy" kept_question Return   # Yes, the default: open it
kept=$(wait_window "doc.txt.kept" 20) || { check "the kept copy opens" false; finish; exit; }
shot kept_copy
check "the part of a copy of a gone run is removed" test ! -e "$app/Recovery/0000beef-00000000000000b2.1.kept-part"

# A sparse file of a gigabyte: the estimate refuses it before the document
# is touched.
truncate -s 1G "$work/huge.txt"
keys "$kept" ctrl+o
dialog=$(wait_window "Открыть" 15) || { check "the open dialog shows" false; finish; exit; }
xdotool type --delay 20 "Z:${work//\//\\}\\huge.txt"
keys "$dialog" Return
answer "a file too large for the memory is refused with a message" too_large Return
check "the window keeps its document" test "$(window_name "$kept")" = "$app_win\\Recovery\\0000dead-00000000000000a1.1 doc.txt.kept"
keys "$kept" ctrl+End X ctrl+s
sleep 1
check "the kept copy came in whole: saved, it is the old text and what was typed" \
  test "$(hex "$app/Recovery/0000dead-00000000000000a1.1 doc.txt.kept")" = "$(printf '%sX' "$old_text" | od -An -tx1)"
keys "$kept" alt+F4
check "the program closes" wait_gone "doc.txt.kept" 10

# Another program rewrites the open file, then replaces it with mv.
printf 'ours\r\n' > "$app/shared.txt"
start_app "$app_win\\shared.txt"
id=$(wait_window "shared.txt") || { check "the shared file opens" false; finish; exit; }
sleep 1
check "the kept copy, once opened, is not offered again" test -z "$(find_windows "Лированик 2.8")"
keys "$id" ctrl+End x
printf 'theirs, rewritten\r\n' > "$app/shared.txt"
keys "$id" ctrl+s
answer "Ctrl+S over a rewritten file asks first" changed Return   # No, the default
answer "and No is told: the file is not saved" not_saved Return
check "No keeps the other program's bytes" test "$(cat "$app/shared.txt")" = "$(printf 'theirs, rewritten\r\n')"
keys "$id" ctrl+s
answer "asked again, Yes" asked_again Tab Return
sleep 1
check "Yes writes the window's text" test "$(hex "$app/shared.txt")" = "$(printf 'ours\r\nx' | od -An -tx1)"
keys "$id" y
printf 'theirs, moved in\r\n' > "$work/moved.txt"
mv "$work/moved.txt" "$app/shared.txt"
keys "$id" ctrl+s
answer "Ctrl+S over a file replaced with mv asks first" moved Return
answer "and No is told" moved_not_saved Return
check "No keeps the file that was moved in" test "$(cat "$app/shared.txt")" = "$(printf 'theirs, moved in\r\n')"
keys "$id" alt+F4
answer "the close asks about the unsaved text" close Tab Return   # No: drop it
check "the program closes" wait_gone "shared.txt" 10

# A large file cut short by another program while it still comes in.
awk 'BEGIN { for (i = 0; i < 660000; i++) printf "%d строка русского текста, которую читают с экрана\r\n", i }' |
  iconv -f utf-8 -t cp1251 > "$app/big.txt"
head -c 1M "$app/big.txt" > "$work/big.cut"
start_app "$app_win\\big.txt"
id=$(wait_window "big.txt" 120) || { check "the large file shows" false; finish; exit; }
truncate -s 1M "$app/big.txt"
answer "the intake ends with a message" shrunk Return
check "the program keeps running with the part it read" test -n "$(find_windows "big.txt")"
shot shrunk_panel
keys "$id" ctrl+s
answer "Ctrl+S asks before the part goes over the file" partial Return   # No, the default
answer "and No is told" partial_not_saved Return
check "the file stays as the other program left it" cmp -s "$app/big.txt" "$work/big.cut"
keys "$id" alt+F4
check "the unchanged part closes without a question" wait_gone "big.txt" 30
rm -f "$app/big.txt"

# The program in a folder of Greek letters: a setting changed (word wrap
# off) and a file opened are in the settings file after the close, and the
# next start reads them.
greek=$work/Πρόγραμμα
mkdir -p "$greek"
cp "$app/Lirovant.exe" "$app/zmk.dll" "$greek/"
[ -d "$app/Sound" ] && cp -r "$app/Sound" "$greek/"
[ -d "$app/Help" ] && cp -r "$app/Help" "$greek/"
app=$greek
app_win="Z:${app//\//\\}"
printf 'alpha\r\n' > "$app/note.txt"
start_app "$app_win\\note.txt"
id=$(wait_window "note.txt") || { check "the program starts in the Greek folder" false; finish; exit; }
keys "$id" ctrl+k alt+F4
check "it closes without a report" wait_gone "note.txt" 10
sleep 1
check "no message box stays" test -z "$(find_windows "Лированик 2.8")"
check "the settings file is written beside it" test -s "$app/Lirovant.ini"
check "with word wrap off" ini_has "WordWrap=0"
check "and the opened file first in the history" \
  bash -c "iconv -f cp1251 -t utf-8 '$app/Lirovant.ini' | tr -d '\r' | grep -q '^FileName1=utf-8:Z:.*note.txt$'"
start_app
id=$(wait_window "Лировушка.txt") || { check "the program starts again" false; finish; exit; }
keys "$id" alt+1
id=$(wait_window "note.txt" 20)
check "the next start reads the history" test -n "$id"
# Word wrap read as off turns on again.
[ -n "$id" ] && keys "$id" ctrl+k alt+F4
wait_gone "note.txt" 10
sleep 1
check "the next start read word wrap as off" ini_has "WordWrap=1"
finish
