#!/usr/bin/env bash
# Saving a document past the old path-length limit, where the usual way is
# barred, and after a save that never ended: a long path saves like a short
# one, a folder that takes no new files still lets its document be saved, and
# the scratch file a killed save left behind goes at the next save there.
source "$(dirname "$0")/lib.sh"

# A document whose full path is far past the old 260-character limit: what
# is typed is saved, no scratch file stays, and the history brings it back.
deep=$work
for n in 1 2 3 4 5; do deep="$deep/папка_с_очень_длинным_именем_номер_${n}_$(printf '%030d' "$n")"; done
mkdir -p "$deep"
printf 'deep text\r\n' > "$deep/long.txt"
deep_win="Z:${deep//\//\\}"
check "the document's path is longer than 260 characters" test "${#deep_win}" -gt 260
start_app "$deep_win\\long.txt"
id=$(wait_window "long.txt") || { check "the long-path document opens" false; finish; exit; }
keys "$id" ctrl+Home N e w space
keys "$id" ctrl+s
sleep 1
shot long_path_saved
check "the long-path document is saved" test "$(cat "$deep/long.txt")" = "$(printf 'New deep text\r\n')"
check "no scratch file stays beside it" test "$(ls -A "$deep")" = "long.txt"
keys "$id" Escape
check "saved, the program with the long path ends without a question" wait_gone "long.txt" 10
start_app
id=$(wait_window "Лировушка.txt") || { check "the program starts untitled" false; finish; exit; }
keys "$id" alt+1
id=$(wait_window "long.txt" 20) || { check "the history reopens the long-path document" false; finish; exit; }
check "the history reopens the long-path document" true
keys "$id" End x ctrl+s
sleep 1
check "the reopened document saves again" test "$(cat "$deep/long.txt")" = "$(printf 'New deep textx\r\n')"
keys "$id" Escape
wait_gone "long.txt" 10

shut="$work/shut"
mkdir -p "$shut"
printf 'old text\r\n' > "$shut/doc.txt"
# No new file can be made in the folder, though its files stay writable.
if ! chattr +i "$shut" 2>/dev/null; then
  echo "skipped the barred folder: this file system cannot bar new files in a folder"
  finish
  exit
fi
trap 'chattr -i "$shut" 2>/dev/null' EXIT
start_app "Z:${shut//\//\\}\\doc.txt"
id=$(wait_window "doc.txt") || { check "the document opens" false; finish; exit; }
keys "$id" ctrl+Home N e w space
keys "$id" ctrl+s
sleep 1
shot saved_in_place
check "the document is saved in place" test "$(cat "$shut/doc.txt")" = "$(printf 'New old text\r\n')"
check "nothing else appeared in the folder" test "$(ls -A "$shut")" = "doc.txt"
keys "$id" Escape
check "saved, the program ends without a question" wait_gone "doc.txt" 10
chattr -i "$shut"

# A killed save's scratch file beside a document, and a document that only
# looks like one.
printf 'half a save' > "$app/~lirovant-save-0000dead.tmp"
printf 'mine\r\n' > "$app/lv~1A2B.tmp"
printf 'one\r\n' > "$app/two.txt"
start_app "$app_win\\two.txt"
id=$(wait_window "two.txt") || { check "the second document opens" false; finish; exit; }
keys "$id" End x ctrl+s
sleep 1
check "the second document is saved" test "$(cat "$app/two.txt")" = "$(printf 'onex\r\n')"
check "the leftover scratch file is gone" test ! -e "$app/~lirovant-save-0000dead.tmp"
check "a file of another name is left alone" test "$(cat "$app/lv~1A2B.tmp")" = "$(printf 'mine\r\n')"
keys "$id" Escape
wait_gone "two.txt" 10

# A folder given as the document: it is there, it cannot be read as a text,
# and no question offers to create it.
mkdir -p "$app/folder.txt"
start_app "$app_win\\folder.txt"
box=$(wait_window "Лированик 2.8" 30) || { check "the unreadable name is reported" false; finish; exit; }
shot unreadable
# Return answers the create question Yes, which would name the document after
# the folder; the error box only closes.
keys "$box" Return
id=$(wait_window "Лировушка.txt") || { check "reported, not offered as new: the document stays untitled" false; finish; exit; }
check "reported, not offered as new: the document stays untitled" true
keys "$id" Escape
wait_gone "Лировушка.txt" 10
finish
