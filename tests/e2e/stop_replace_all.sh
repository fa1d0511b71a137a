#!/usr/bin/env bash
# Replace all on a large text, stopped with Esc as soon as it starts: the text
# stays as it was, the program stays open though Esc closes it otherwise, the
# Replace dialog stays for another try, and the save writes the old text with
# what was typed after.
source "$(dirname "$0")/lib.sh"

# 4.5 MB of lines, each holding the find text.
awk 'BEGIN { for (i = 0; i < 110000; i++) printf "%d the cat sat on the mat by the door\r\n", i }' > "$app/big.txt"
cp "$app/big.txt" "$work/big.orig"
start_app "$app_win\\big.txt"
id=$(wait_window "big.txt" 120) || { check "the main window shows the file" false; finish; exit; }

keys "$id" ctrl+r
dialog=$(wait_window "^Замена$" 10) || { check "Ctrl+R opens the Replace dialog" false; finish; exit; }
xdotool type --delay 50 "cat"
xdotool key Tab
xdotool type --delay 50 "dog"
sleep 0.3
# The button "Заменить всё", then Esc at once.
xdotool mousemove --window "$dialog" 363 92 click 1
xdotool key Escape
sleep 3
shot stopped
cp "$work/stopped.png" "$here/build/e2e-stop-replace-all.png" 2>/dev/null || true
check "Esc leaves the program open" test -n "$(find_windows "big.txt")"
check "Esc stops the command, not the dialog" test -n "$(find_windows "^Замена$")"

# The dialog closes with its own Esc; then a letter at the start and Ctrl+S.
xdotool key Escape
wait_gone "^Замена$" 10
keys "$id" ctrl+Home
xdotool type --delay 60 "X"
sleep 0.5
keys "$id" ctrl+s
check "the save writes the file" wait_changed "$app/big.txt" "$work/big.orig" 30
{ printf 'X'; cat "$work/big.orig"; } > "$work/big.expected"
check "the file holds the text as it was before replace all, and the X" cmp -s "$app/big.txt" "$work/big.expected"
keys "$id" Escape
check "the program closes without a question" wait_gone "big.txt" 30
finish
