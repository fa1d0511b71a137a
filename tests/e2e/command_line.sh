#!/usr/bin/env bash
# The document named on the command line: an existing file is loaded and goes
# to the history; a missing one brings the create question.
source "$(dirname "$0")/lib.sh"

printf 'Первая строка\r\nвторая\r\n' | iconv -f utf-8 -t cp1251 > "$app/doc.txt"
start_app "$app_win\\doc.txt"
id=$(wait_window "doc.txt") || { check "the window shows the file's path" false; finish; exit; }
check "caption and taskbar title are the file's full path" test "$(window_name "$id")" = "$app_win\\doc.txt"
shot loaded
keys "$id" Escape
wait_gone "doc.txt"
sleep 1
check "the file is history entry 1" ini_has "FileName1=$app_win\\doc.txt"
check "the file is unchanged" test "$(iconv -f cp1251 -t utf-8 "$app/doc.txt")" = "$(printf 'Первая строка\r\nвторая\r')"

# A missing file, given relative: the question, answered Yes, names the file
# behind the program folder; the history stays as it was.
start_app "missing.txt"
box=$(wait_window "Лированик 2.8") || { check "the create question appears" false; finish; exit; }
check "the create question appears" true
shot question
keys "$box" Return
id=$(wait_window "missing.txt") || { check "answered Yes, the document is named" false; finish; exit; }
check "answered Yes, the document is the program folder's missing.txt" \
  test "$(window_name "$id")" = "$app_win\\missing.txt"
keys "$id" Escape
wait_gone "missing.txt"
sleep 1
check "the history keeps doc.txt first" ini_has "FileName1=$app_win\\doc.txt"
check "missing.txt is not in the history" bash -c "! grep -q missing.txt '$app/Lirovant.ini'"

# Answered No: the untitled document.
start_app "Z:\\nowhere\\gone.txt"
box=$(wait_window "Лированик 2.8") || { check "the question for an absolute path" false; finish; exit; }
keys "$box" Tab Return
id=$(wait_window "Лировушка.txt")
check "answered No, the document is untitled" test -n "$id"
keys "$id" Escape
wait_gone "Лировушка.txt"
finish
