#!/usr/bin/env bash
# A first run without a settings file: the window at its default place, the
# Russian menu and status bar, Insert flipping the mode indicator, Esc closing
# the program, and a settings file holding every default in its order.
source "$(dirname "$0")/lib.sh"

start_app
id=$(wait_window "Лировушка.txt") || { check "the main window appears" false; finish; exit; }
check "the main window appears captioned Лировушка.txt" true
sleep 1
read -r x y w h < <(geometry "$id")
# The client area starts below the caption drawn by Wine; the outer window is 400 by 300 at 80, 80.
outer=$(xdotool getwindowgeometry "$id" | tr -d ',' | awk '/Position/ {p=$2} /Geometry/ {g=$2} END {print p, g}')
echo "window: client $x,$y ${w}x$h; $outer"
check "the window stands at 80, 80, 400 by 300" \
  test "$x $y $w $h" = "80 80 400 300"
shot first_window
cp "$work/first_window.png" "$here/build/e2e-first-window.png" 2>/dev/null || true

# The mode panel (third panel of the status bar) changes with Insert and comes
# back. Its place follows the widths of the texts before it, so the strip
# taken runs from the second panel, which Insert leaves alone, to the fifth.
panel() { import -window root -crop 280x14+$((x + 100))+$((y + h - 17)) "$work/$1.png" 2>/dev/null; }
panel mode0
keys "$id" Insert
panel mode1
keys "$id" Insert
panel mode2
check "Insert changes the mode indicator" bash -c "! cmp -s '$work/mode0.png' '$work/mode1.png'"
check "a second Insert puts it back" \
  test "$(compare -metric AE "$work/mode0.png" "$work/mode2.png" null: 2>&1)" = 0

keys "$id" Escape
check "Esc closes the program" wait_gone "Лировушка.txt"
sleep 1
check "the settings file was written" test -s "$app/Lirovant.ini"
expected=$(cat <<INI
[Size]
Path=$app_win\\Lirovant.exe
Top=80
Left=80
Height=300
Width=400
Top_Store=80
Left_Store=80
Height_Store=300
Width_Store=400
INI
)
check "Size starts with the path and the default bounds" \
  test "$(ini | tr -d '\r' | head -n 10)" = "$expected"
order=$(ini | tr -d '\r' | grep -v '^Raskladka=' | sed -n '11,$p' | cut -d= -f1 | tr '\n' ' ')
check "every key follows in its order" test "$order" = "WindowState Sys_Tray Kol_Undo Raskladka_Default Escape StatusBar Poziciya_Kursora Raspoznavat_Kodirovku [Sound] Sound1 Sound2 Sound3 Sound4 Sound5 Play1 Play2 Play3 Play4 Play5 [Font] BackColor FontColor FontName Charset FontSize FontStyle WordWrap [File_Store] FileName1 FileName2 FileName3 FileName4 FileName5 FileName6 FileName7 FileName8 [Poziciya_Store] Poziciya_Kursora_1 Poziciya_Kursora_2 Poziciya_Kursora_3 Poziciya_Kursora_4 Poziciya_Kursora_5 Poziciya_Kursora_6 Poziciya_Kursora_7 Poziciya_Kursora_8 "
for kv in WindowState=wsNormal Sys_Tray=0 Kol_Undo=50 Raskladka_Default=1 Escape=1 StatusBar=1 \
          Poziciya_Kursora=1 Raspoznavat_Kodirovku=0 Play1='Sound\Zapusk.wav' Play5='Sound\Vyhod.wav' BackColor=-2147483624 \
          FontColor=0 'FontName=Courier New' Charset=204 FontSize=12 FontStyle=0 WordWrap=1 FileName8= \
          Poziciya_Kursora_8=0; do
  check "default $kv" ini_has "$kv"
done

# Esc does nothing when the settings say so; damaged numbers give defaults.
printf '[Size]\r\nEscape=0\r\nTop=0x64\r\nLeft=$64\r\nWidth=abc\r\nWindowState=wsMinimized\r\n' > "$app/Lirovant.ini"
start_app
id=$(wait_window "Лировушка.txt") || { check "second start" false; finish; exit; }
sleep 1
keys "$id" Escape
sleep 1
check "Esc with Escape=0 leaves the program open" wait_window "Лировушка.txt" 2
xdotool key --window "$id" alt+F4 2>/dev/null || keys "$id" alt+F4
wait_gone "Лировушка.txt"
sleep 1
check "Top=0x64 read as 100" ini_has "Top=100"
check "Left=\$64 read as 100" ini_has "Left=100"
check "Width=abc read as 400" ini_has "Width=400"
check "wsMinimized starts normal and is written back as wsNormal" ini_has "WindowState=wsNormal"

# A settings file that cannot be written (here a folder stands in its place):
# the close reports it and the program still ends.
rm -f "$app/Lirovant.ini"
mkdir "$app/Lirovant.ini"
start_app
id=$(wait_window "Лировушка.txt") || { check "start with an unwritable settings file" false; finish; exit; }
sleep 1
keys "$id" Escape
box=$(wait_window "Лированик 2.8" 10)
check "the failed write is reported" test -n "$box"
shot write_error
[ -n "$box" ] && keys "$box" Return
check "after the report the program ends" wait_gone "Лировушка.txt" 10
rmdir "$app/Lirovant.ini"
finish
