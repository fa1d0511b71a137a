#!/usr/bin/env bash
# What the settings file holds and what goes into it: damaged numbers are
# brought into range, a find text with a line break does not add a section,
# a path outside Windows-1251 reads back the same, and a device name does not
# hang the start.
source "$(dirname "$0")/lib.sh"

printf '[Size]\r\nTop=-500\r\nLeft=-500\r\nHeight=-300\r\nWidth=-400\r\n[Font]\r\nFontSize=2147483647\r\n' \
  > "$app/Lirovant.ini"
printf 'zz\r\n[Size]\r\n' > "$app/find.txt"
start_app "$app_win\\find.txt"
id=$(wait_window "find.txt") || { check "the program starts on a damaged settings file" false; finish; exit; }
read -r x y w h <<< "$(geometry "$id")"
shot damaged
check "the window stands on the screen ($x,$y ${w}x$h)" test "$x" -ge -10 -a "$y" -ge -10 -a "$w" -ge 300 -a "$h" -ge 200
# The whole text, line break included, becomes the find text.
keys "$id" ctrl+a ctrl+f
dialog=$(wait_window "Поиск" 10) || { check "the find dialog opens" false; finish; exit; }
keys "$dialog" Return
# The caret stands behind the selection: the search asks to start again from
# the top, and then finds the text.
box=$(wait_window "Лированик 2.8" 10) && keys "$box" Return
sleep 1
keys "$dialog" Escape
keys "$id" Escape
wait_gone "find.txt" 10
sleep 1
check "the font size is written back within range" ini_has "FontSize=1638"
check "the find text adds no section" test "$(ini | tr -d '\r' | grep -c '^\[Size\]')" = 1
check "the find text is kept whole, escaped" ini_has 'Text=utf-8:zz%0D[Size]%0D'

# A path of Greek letters goes to the history and opens from it again.
greek="$app/Ωμέγα.txt"
printf 'alpha\r\n' > "$greek"
start_app "$app_win\\Ωμέγα.txt"
id=$(wait_window "Ωμέγα.txt") || { check "a Greek file name opens" false; finish; exit; }
keys "$id" Escape
wait_gone "Ωμέγα.txt" 10
sleep 1
check "the history holds the Greek path in its escaped form" \
  bash -c "iconv -f cp1251 -t utf-8 '$app/Lirovant.ini' | tr -d '\r' | grep -q '^FileName1=utf-8:Z:'"
start_app
id=$(wait_window "Лировушка.txt") || { check "the program starts again" false; finish; exit; }
keys "$id" alt+1
sleep 1
shot greek_from_history
check "the Greek path opens from the history" test -n "$(find_windows 'Ωμέγα.txt')"
id=$(find_windows "Ωμέγα.txt" | head -n 1)
[ -n "$id" ] && keys "$id" Escape
wait_gone "Ωμέγα.txt" 10

# A device name: the start comes through.
start_app "$app_win\\nul.txt"
id=$(wait_window "nul.txt" 30)
check "a device name on the command line does not hang the start" test -n "$id"
[ -n "$id" ] && keys "$id" Escape
wait_gone "nul.txt" 10
finish
