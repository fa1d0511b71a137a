#!/usr/bin/env bash
# Start-up benchmark: time from starting the process to its main window on
# the screen, for Lirovant.exe and for the notepad that Wine ships, started
# alternately in the same run, and the ratio of their medians; then the size
# of the program. "On the screen" is when the X server reports the window
# mapped.
source "$(dirname "$0")/lib.sh"
runs=${LIROVANT_BENCH_RUNS:-7}

# The windows mapped on the screen, each line stamped with the time the X
# server's report of it came: looking for a window by turns would take tens
# of milliseconds a turn.
maps=$work/maps
{
  stdbuf -oL xev -root -event substructure 2>/dev/null &
  echo $! > "$work/xev.pid"
  wait
} | while read -r line; do
  [[ $line == *"event 0x"*", window 0x"* ]] && echo "$(date +%s%N) ${line#*, window }"
done > "$maps" &
sleep 0.5

# When the first window of the caption was mapped after line `seen` of the
# report: "time id".
first_map() {  # first_map caption seen
  local t id height
  tail -n +$(($2 + 1)) "$maps" | while read -r t id; do
    id=${id%%,*}
    # The application window has the same caption but no height to speak of.
    height=$(xwininfo -id "$id" 2>/dev/null | awk '/^  Height/ {print $NF}')
    if [ "${height:-0}" -ge 30 ] && xdotool getwindowname "$id" 2>/dev/null | grep -qE "$1"; then
      echo "$t $id"
      break
    fi
  done
}

# Milliseconds from the start of the command until its window is mapped;
# the program is then closed and waited for.
time_start() {  # time_start caption command...
  local caption=$1
  shift
  local t0 t1 id seen
  seen=$(wc -l < "$maps")
  t0=$(date +%s%N)
  (cd "$app" && "$here/tools/wine-run" "$@" >/dev/null 2>&1 &)
  wait_window "$caption" 30 >/dev/null || { echo "timeout"; return; }
  read -r t1 id < <(first_map "$caption" "$seen")
  [ -n "$t1" ] || { echo "timeout"; return; }
  echo $(((t1 - t0) / 1000000))
  xdotool mousemove --window "$id" 40 8 click 1 2>/dev/null
  sleep 0.3
  xdotool key alt+F4
  wait_gone "$caption" 20
  sleep 0.5
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One unmeasured start of each warms Wine's caches.
time_start "Лировушка.txt" "$app/Lirovant.exe" >/dev/null
time_start "Блокнот|Notepad" notepad >/dev/null
mine=() theirs=()
for _ in $(seq 1 "$runs"); do
  mine+=("$(time_start "Лировушка.txt" "$app/Lirovant.exe")")
  theirs+=("$(time_start "Блокнот|Notepad" notepad)")
done
mine_median=$(printf '%s\n' "${mine[@]}" | median)
theirs_median=$(printf '%s\n' "${theirs[@]}" | median)
echo "start-up to first window, ms (median of $runs, each run alternating):"
echo "  Lirovant.exe: $mine_median   [${mine[*]}]"
echo "  wine notepad: $theirs_median   [${theirs[*]}]"
echo "  Lirovant.exe / notepad: $(awk -v a="$mine_median" -v b="$theirs_median" 'BEGIN {
  if (a ~ /^[0-9]+$/ && b ~ /^[0-9]+$/ && b > 0) printf "%.2f", a / b; else print "-" }')"
size=$(stat -c %s "$app/Lirovant.exe")
echo "Lirovant.exe size: $size bytes ($((size / 1024)) KiB); zmk.dll: $(stat -c %s "$app/zmk.dll") bytes"
kill "$(cat "$work/xev.pid")" 2>/dev/null
wait
rm -rf "$work"
