#!/usr/bin/env bash
# A KOI8-R file opened as WIN is put right by "Определить кодировку" (Alt+O)
# and saved back as the KOI8-R it came in, Ё and the signs in place; a UTF-8 file
# garbled twice over (UTF-8 read as WIN and saved as UTF-8, two times) is put
# right by one Alt+O and saved as UTF-8; with the setting "Распознавать
# кодировку при открытии" written in the settings file, the same KOI8-R file
# and a Ukrainian one in KOI8-U open readable and are saved back byte for byte;
# a Greek file, which it cannot tell, opens and stays as it is.
source "$(dirname "$0")/lib.sh"

# KOI8-R has no №, so the text carries Ё, ё, the degree sign and the no-break space.
text='Ёлка в лесу стояла, зелёная была.\r\nМороз и солнце; день чудесный!\r\nЖёлтые листья, -5 °C, тёплый чай.\r\n'
printf "$text" | iconv -f utf-8 -t koi8-r > "$app/koi.txt"
cp "$app/koi.txt" "$work/koi.orig"
touch -d '2001-01-01' "$app/koi.txt"

start_app "$app_win\\koi.txt"
id=$(wait_window "koi.txt") || { check "the KOI8-R file opens" false; finish; exit; }
sleep 1
shot opened-as-win
keys "$id" alt+o
sleep 1
shot recognised
keys "$id" ctrl+s
sleep 1
# A question about characters WIN lacks would mean the text is not all WIN.
check "the save asks nothing" test -z "$(find_windows 'Лированик 2.8' | grep -v "^$id$")"
keys "$id" Escape
wait_gone "koi.txt" 20
check "the file is written again" test "$app/koi.txt" -nt "$work/koi.orig"
check "it is the file as it came, byte for byte in KOI8-R" \
  cmp -s "$app/koi.txt" "$work/koi.orig"

# Twice garbled UTF-8: one Alt+O, and the save writes the text itself as UTF-8.
# (Neither м nor ё nor Б: twice garbled, they hold the byte 0x98, which iconv
# refuses in Windows-1251.)
plain='Привет, друг! Как дела у тебя сегодня? «Хорошо» — № 5\r\n'
printf "$plain" | iconv -f cp1251 -t utf-8 | iconv -f cp1251 -t utf-8 > "$app/twice.txt"
cp "$app/twice.txt" "$work/twice.orig"
touch -d '2001-01-01' "$app/twice.txt"
start_app "$app_win\\twice.txt"
id=$(wait_window "twice.txt") || { check "the twice garbled file opens" false; finish; exit; }
sleep 1
shot twice-opened
keys "$id" alt+o
sleep 1
shot twice-recognised
keys "$id" ctrl+s
sleep 1
keys "$id" Escape
wait_gone "twice.txt" 20
check "the twice garbled file is written again" test "$app/twice.txt" -nt "$work/twice.orig"
check "as the text itself in UTF-8" test "$(hex "$app/twice.txt")" = "$(printf "$plain" | od -An -tx1)"

# The setting on, the KOI8-R file opens readable and saves back as it came.
cp "$work/koi.orig" "$app/koi.txt"
touch -d '2001-01-01' "$app/koi.txt"
check "the settings file holds the setting, off" ini_has "Raspoznavat_Kodirovku=0"
sed -i 's/^Raspoznavat_Kodirovku=0/Raspoznavat_Kodirovku=1/' "$app/Lirovant.ini"
start_app "$app_win\\koi.txt"
id=$(wait_window "koi.txt") || { check "the KOI8-R file opens with the setting on" false; finish; exit; }
sleep 1
shot opened-as-koi
keys "$id" ctrl+s
sleep 1
keys "$id" Escape
wait_gone "koi.txt" 20
sleep 1
check "with the setting on it is written again" test "$app/koi.txt" -nt "$work/koi.orig"
check "byte for byte in KOI8-R" test "$(hex "$app/koi.txt")" = "$(hex "$work/koi.orig")"
check "the setting stays in the settings file" ini_has "Raspoznavat_Kodirovku=1"

# A Ukrainian file in KOI8-U opens readable and saves back as it came.
printf 'Ґанок і ґрунт, її кінь і їжак. Київ є столицею України.\r\n' | iconv -f utf-8 -t koi8-u > "$app/ukr.txt"
cp "$app/ukr.txt" "$work/ukr.orig"
touch -d '2001-01-01' "$app/ukr.txt"
start_app "$app_win\\ukr.txt"
id=$(wait_window "ukr.txt") || { check "the KOI8-U file opens" false; finish; exit; }
sleep 1
shot opened-as-koi8-u
keys "$id" ctrl+s
sleep 1
keys "$id" Escape
wait_gone "ukr.txt" 20
check "the KOI8-U file is written again" test "$app/ukr.txt" -nt "$work/ukr.orig"
check "byte for byte in KOI8-U" test "$(hex "$app/ukr.txt")" = "$(hex "$work/ukr.orig")"

# Greek in its own page is no text the recognition can tell: it opens as it
# is, and "Определить кодировку" says so and changes nothing.
printf 'Το πρόγραμμα δεν μπορεί να ανοίξει το αρχείο, γιατί δεν υπάρχει στον δίσκο.\r\n' |
  iconv -f utf-8 -t cp1253 > "$app/greek.txt"
cp "$app/greek.txt" "$work/greek.orig"
start_app "$app_win\\greek.txt"
id=$(wait_window "greek.txt") || { check "the Greek file opens" false; finish; exit; }
sleep 1
keys "$id" alt+o
sleep 1
shot greek-not-recognised
box=$(find_windows 'Лированик 2.8' | grep -v "^$id$" | head -1)
check "Alt+O says it cannot tell" test -n "$box"
[ -n "$box" ] && keys "$box" Return
sleep 1
keys "$id" ctrl+s
sleep 1
keys "$id" Escape
wait_gone "greek.txt" 20
check "the Greek file is as it was" test "$(hex "$app/greek.txt")" = "$(hex "$work/greek.orig")"
finish
