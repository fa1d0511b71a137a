#!/usr/bin/env bash
# The taskbar entry belongs to the application window, whose title follows
# loading and New but not the caption alone; minimising hides the main window
# behind it and restoring it brings the main window back.
source "$(dirname "$0")/lib.sh"

printf 'abc\r\n' > "$app/a.txt"
start_app "$app_win\\a.txt"
id=$(wait_window "a.txt") || { check "the file opens" false; finish; exit; }
# The application window never shows on its own: it is found unmapped.
application() { for w in $(xdotool search --name "$1" 2>/dev/null); do [ "$w" != "$id" ] && echo "$w"; done | head -n 1; }
app_id=$(application "a.txt")
check "the application window carries the file's path" test "$(window_name "$app_id")" = "$app_win\\a.txt"

keys "$id" x ctrl+n
box=$(wait_window "Лированик 2.8" 5)
[ -n "$box" ] && keys "$box" Tab Return   # No
sleep 1
check "after No, New names the caption Лировушка.txt" test "$(window_name "$id")" = "Лировушка.txt"
check "and the taskbar title keeps the path" test "$(window_name "$app_id")" = "$app_win\\a.txt"
keys "$id" ctrl+n
check "New on an unchanged document names the taskbar entry as well" \
  test "$(window_name "$app_id")" = "Лировушка.txt"

# The minimise button of the caption that Wine draws.
read -r _ _ width _ < <(geometry "$id")
xdotool mousemove --window "$id" $((width - 48)) 12 click 1 2>/dev/null
sleep 1.5
shot minimised
check "minimised, the main window is gone from the screen" wait_gone "Лировушка.txt" 5
check "and the application window stands minimised" \
  test "$(xwininfo -id "$app_id" | awk '/Map State/ {print $NF}')" = IsViewable
# Its restore button, on the bar Wine draws for a minimised window.
xdotool mousemove --window "$app_id" 113 11 click 1 2>/dev/null
back=$(wait_window "Лировушка.txt" 10)
check "restoring the application window brings the main window back" test "$back" = "$id"
keys "$id" y
shot restored
keys "$id" Escape
box=$(wait_window "Лированик 2.8" 5)
[ -n "$box" ] && keys "$box" Tab Return   # No
check "the program ends" wait_gone "Лировушка.txt" 10
check "the window's place is stored as before the minimise" ini_has "Left=80"
finish
