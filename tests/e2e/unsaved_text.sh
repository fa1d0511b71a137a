#!/usr/bin/env bash
# Nothing typed is lost to a kill: typing in a named document, the program
# killed a few seconds after the last key; the next start brings the text
# back under its name, and Ctrl+S writes it where it belonged. A clean close
# leaves no recovery copy. Line ends stay as they came: the LF file above,
# and a CR file with a letter typed and saved.
source "$(dirname "$0")/lib.sh"

# The program's own process, by the folder only this run has.
kill_program() { pkill -9 -f "$(basename "$work")" 2>/dev/null; sleep 1; }

printf 'first line\nsecond\n' > "$app/named.txt"
start_app "$app_win\\named.txt"
id=$(wait_window "named.txt") || { check "the LF file opens" false; finish; exit; }
keys "$id" ctrl+End x y z
sleep 4
shot typed
check "a recovery copy is written a little after the typing stops" \
  test -n "$(ls "$app/Recovery/"*.recovery 2>/dev/null)"
kill_program
check "killed, the program is gone" wait_gone "named.txt" 10
check "the file is as it was" test "$(cat "$app/named.txt")" = "$(printf 'first line\nsecond\n')"
check "the recent files survived the kill" ini_has "FileName1=$app_win\\named.txt"

start_app
box=$(wait_window "Лированик 2.8" 30)
check "the next start offers the text back" test -n "$box"
[ -n "$box" ] && keys "$box" Return   # the default answer brings it back
id=$(wait_window "named.txt" 30) || { check "the text comes back under its name" false; finish; exit; }
shot restored
keys "$id" ctrl+s
sleep 1
check "Ctrl+S writes the typed text into its file, LF kept" \
  test "$(od -An -tx1 < "$app/named.txt")" = "$(printf 'first line\nsecond\nxyz' | od -An -tx1)"
keys "$id" alt+F4
check "the program closes without a question" wait_gone "named.txt" 10
sleep 1
check "the clean close leaves no recovery copy and no lock" test -z "$(ls -A "$app/Recovery" 2>/dev/null)"

printf 'one\rtwo\r' > "$app/cr.txt"
start_app "$app_win\\cr.txt"
id=$(wait_window "cr.txt") || { check "the CR file opens" false; finish; exit; }
keys "$id" ctrl+End Q ctrl+s
sleep 1
shot cr
check "a CR file stays CR: the original and the letter, byte for byte" \
  test "$(od -An -tx1 < "$app/cr.txt")" = "$(printf 'one\rtwo\rQ' | od -An -tx1)"
keys "$id" alt+F4
check "and it closes" wait_gone "cr.txt" 10
finish
