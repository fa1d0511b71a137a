#!/usr/bin/env bash
# Files in UTF-8 and UTF-16 open readable and are saved back in their own
# encoding; a Windows-1251 file keeps every byte.
source "$(dirname "$0")/lib.sh"

# Opens a file from the command line, types the keys, saves with Ctrl+S and
# closes with Esc. The file is dated in the past first, so a save shows.
open_save_close() {  # open_save_close file key...
  local file=$1 id
  shift
  touch -d '2001-01-01' "$app/$file"
  start_app "$app_win\\$file"
  id=$(wait_window "$file") || return 1
  sleep 1
  shot "${file%.txt}-opened"
  [ $# -gt 0 ] && keys "$id" "$@"
  keys "$id" ctrl+s
  sleep 1
  shot "${file%.txt}-saved"
  keys "$id" Escape
  wait_gone "$file" 20
}

# UTF-8 without a mark: the case change works on readable letters and the
# file stays UTF-8.
printf 'Привет, мир!\r\nЁлка и ещё\r\n' > "$app/plain8.txt"
check "the UTF-8 file opens, changes case and closes" open_save_close plain8.txt ctrl+a shift+F3
check "it is saved as UTF-8 with the letters raised" \
  test "$(hex "$app/plain8.txt")" = "$(printf 'ПРИВЕТ, МИР!\r\nЁЛКА И ЕЩЁ\r\n' | od -An -tx1)"

# UTF-8 with its mark, a letter typed and taken back.
printf '\xef\xbb\xbfДобрый день, Ω and €\r\nвторая строка\r\n' > "$app/bom8.txt"
cp "$app/bom8.txt" "$work/bom8.orig"
check "the UTF-8 file with a mark opens and closes" open_save_close bom8.txt x BackSpace
check "it is written again" test "$app/bom8.txt" -nt "$work/bom8.orig"
check "it is byte for byte as it was" test "$(hex "$app/bom8.txt")" = "$(hex "$work/bom8.orig")"

# UTF-16 LE with its mark, saved untouched.
printf 'Ωмега и альфа\r\nконец\r\n' | iconv -f utf-8 -t utf-16le | { printf '\xff\xfe'; cat; } > "$app/le16.txt"
cp "$app/le16.txt" "$work/le16.orig"
check "the UTF-16 file opens and closes" open_save_close le16.txt
check "it is written again" test "$app/le16.txt" -nt "$work/le16.orig"
check "it is byte for byte as it was" test "$(hex "$app/le16.txt")" = "$(hex "$work/le16.orig")"

# Windows-1251 with every byte but NUL, CR and LF, lines ending in CR LF.
for b in $(seq 1 255); do
  [ "$b" = 10 ] || [ "$b" = 13 ] || printf "\\x$(printf %02x "$b")"
  [ $((b % 32)) = 0 ] && printf '\r\n'
done > "$app/bytes.txt"
cp "$app/bytes.txt" "$work/bytes.orig"
check "the Windows-1251 file opens and closes" open_save_close bytes.txt
check "it is written again" test "$app/bytes.txt" -nt "$work/bytes.orig"
check "every byte comes back" test "$(hex "$app/bytes.txt")" = "$(hex "$work/bytes.orig")"
check "no scratch file is left beside them" \
  test "$(ls "$app" | grep -vc -e '\.txt$' -e '^Lirovant.exe$' -e '^zmk.dll$' -e '^Sound$' -e '^Help$' -e '^Lirovant.ini$' -e '^Recovery$')" = 0
finish
