#!/usr/bin/env bash
# A 20 MB file named on the command line: the window comes up with the start
# of the text while the rest comes in; Ctrl+End and typing wait for the whole
# text, land at its end, and the save writes the whole text and what was typed.
source "$(dirname "$0")/lib.sh"

# Russian lines in Windows-1251, numbered, CR LF line ends.
awk 'BEGIN { for (i = 0; i < 330000; i++) printf "%d строка русского текста, которую читают с экрана\r\n", i }' |
  iconv -f utf-8 -t cp1251 > "$app/big.txt"
cp "$app/big.txt" "$work/big.orig"
echo "file: $(stat -c %s "$app/big.txt") bytes"

start_app "$app_win\\big.txt"
id=$(wait_window "big.txt" 120) || { check "the main window shows the file" false; finish; exit; }
check "the main window shows the file" true
shot while_loading
cp "$work/while_loading.png" "$here/build/e2e-large-file-loading.png" 2>/dev/null || true

# As soon as the window takes keys: to the end of the text, then a line typed.
keys "$id" ctrl+End
xdotool type --delay 60 "the end 42"
sleep 0.5
keys "$id" ctrl+s
check "the save writes the file" wait_changed "$app/big.txt" "$work/big.orig" 60
shot saved
cp "$work/saved.png" "$here/build/e2e-large-file-saved.png" 2>/dev/null || true
{ cat "$work/big.orig"; printf 'the end 42'; } > "$work/big.expected"
check "the file holds the whole text and what was typed at its end" cmp -s "$app/big.txt" "$work/big.expected"
keys "$id" Escape
check "the program closes without a question" wait_gone "big.txt" 30
finish
