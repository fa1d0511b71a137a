# Shared steps of the end-to-end runs: a fresh copy of the program in a
# folder of its own, Wine on the test display, windows found by their caption,
# keys typed with xdotool, and a tally that ends in "N passed, N failed".
set -u
e2e_passed=0
e2e_failed=0
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
exe_dir=$(dirname "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/lirovant-e2e.XXXXXX")
app=$work/app
mkdir -p "$app"
cp "$exe_dir/Lirovant.exe" "$exe_dir/zmk.dll" "$app/"
[ -d "$exe_dir/Sound" ] && cp -r "$exe_dir/Sound" "$app/"
[ -d "$exe_dir/Help" ] && cp -r "$exe_dir/Help" "$app/"
export WINEPREFIX=${WINEPREFIX:-$here/build/wine-prefix}
app_win="Z:${app//\//\\}"

check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then
    e2e_passed=$((e2e_passed + 1))
    echo "ok   - $what"
  else
    e2e_failed=$((e2e_failed + 1))
    echo "FAIL - $what"
  fi
}

# The text of the settings file, as UTF-8.
ini() { iconv -f cp1251 -t utf-8 "$app/Lirovant.ini" 2>/dev/null; }
ini_has() { ini | tr -d '\r' | grep -qxF -- "$1"; }

start_app() {  # start_app [argument]
  # A Wine client that starts while the last run's wineserver is shutting down
  # can fail to start at all: let that server finish first.
  wineserver -w 2>/dev/null || true
  # Kept until a window shows, for the one retry in wait_window.
  if [ $# -gt 0 ]; then printf '%s\n' "$@"; fi > "$work/starting"
  # The program holds none of the caller's output: a start from inside $(...)
  # must not keep the substitution waiting until the program ends.
  (cd "$app" && exec "$here/tools/wine-run" "$app/Lirovant.exe" "$@" </dev/null >>"$work/wine.log" 2>&1 &)
}

# Under load, Wine now and then ends a just-started program before it shows
# anything, with no message and no process left. Such a start is made once
# more, and said so; a program that ends by itself again still fails.
retry_lost_start() {
  [ -f "$work/starting" ] && [ ! -f "$work/retried" ] || return 0
  pgrep -x wineserver >/dev/null && return 0
  touch "$work/retried"
  echo "Wine ended the program before any window showed; starting it once more" >&2
  local args=()
  mapfile -t args < "$work/starting"
  start_app "${args[@]}"
}

# A file's bytes in hex, to compare two files' bytes in a check's words.
hex() { od -An -tx1 < "$1"; }

# Waits until `file` differs from `before` (a save has begun), then a second
# more for the save to end; false after `seconds`.
wait_changed() {  # wait_changed file before [seconds]
  local end=$(($(date +%s) + ${3:-60}))
  while [ "$(date +%s)" -lt "$end" ]; do
    cmp -s "$1" "$2" || { sleep 1; return 0; }
    sleep 0.1
  done
  return 1
}

# Visible windows whose caption matches. The program's application window
# carries the same title as the main window; it never shows except as a bare
# caption bar while the program is minimised, so windows lower than 30 pixels
# are left out.
find_windows() {  # find_windows pattern
  local id height
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    height=$(xwininfo -id "$id" 2>/dev/null | awk '/^  Height/ {print $NF}')
    [ "${height:-0}" -ge 30 ] && echo "$id"
  done
  return 0
}

# Waits for a visible window whose caption matches; prints its id.
wait_window() {  # wait_window pattern [seconds]
  local pattern=$1 limit=${2:-90} id end
  # A deadline, not a count of tries: each look at the windows takes its own time.
  end=$(($(date +%s) + limit))
  while [ "$(date +%s)" -lt "$end" ]; do
    id=$(find_windows "$pattern" | head -n 1)
    [ -n "$id" ] && { rm -f "$work/starting"; echo "$id"; return 0; }
    [ $(($(date +%s) + limit - end)) -ge 10 ] && retry_lost_start
    sleep 0.05
  done
  echo "no window '$pattern' after ${limit}s; on the screen:" >&2
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/  /' >&2
  echo "and running:" >&2
  ps -eo pid,stat,etime,rss,args | grep -i -e '\.exe' -e wineserver | grep -v grep | sed 's/^/  /' >&2
  echo "and Wine said:" >&2
  tail -n 20 "$work/wine.log" 2>/dev/null | sed 's/^/  /' >&2
  return 1
}

wait_gone() {  # wait_gone pattern [seconds]
  local limit=${2:-20}
  for _ in $(seq 1 $((limit * 10))); do
    [ -z "$(find_windows "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

keys() {  # keys window key...
  local id=$1
  shift
  # A click on the caption, which Wine draws itself, gives the window the
  # keyboard: focus requests alone do not reach Wine's modal boxes.
  xdotool mousemove --window "$id" 40 8 click 1 2>/dev/null || true
  sleep 0.3
  xdotool key --delay 80 "$@"
  sleep 0.3
}

window_name() { xdotool getwindowname "$1" 2>/dev/null; }

# Position and size of a window as "x y width height".
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}'
}

shot() { import -window root "$work/$1.png" 2>/dev/null; }

finish() {
  sleep 1
  echo "$e2e_passed passed, $e2e_failed failed"
  [ -n "${LIROVANT_KEEP_E2E:-}" ] || rm -rf "$work"
  [ "$e2e_failed" -eq 0 ]
}
