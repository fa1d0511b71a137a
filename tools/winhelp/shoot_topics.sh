#!/usr/bin/env bash
# Opens the contents and each numbered topic of a help file in Wine's help
# viewer, the way the program asks for them, and saves a screenshot of each.
#
#   DISPLAY=:78 tools/winhelp/shoot_topics.sh HELP.hlp winhelp_show.exe OUTDIR
#
# Needs a running X server in DISPLAY (e.g. `Xvfb :78 -screen 0 1024x768x24 &`)
# and ImageMagick's import. Each viewer is closed again through HELP_QUIT.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 HELP.hlp winhelp_show.exe OUTDIR" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "$0: set DISPLAY to a running X server" >&2; exit 2; }
help_file=$(realpath "$1")
shower=$(realpath "$2")
out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$out"
windows_path="Z:$(echo "$help_file" | tr / '\\')"

for topic in finder 20 100 130 135; do
  "$here/tools/wine-run" "$shower" "$windows_path" "$topic" 14 >"$out/run_$topic.log" 2>&1 &
  runner=$!
  sleep "${SHOT_DELAY:-8}"
  import -window root "$out/topic_$topic.png"
  wait "$runner" || { echo "$0: topic $topic: winhelp_show failed (see $out/run_$topic.log)" >&2; exit 1; }
  echo "topic $topic: $out/topic_$topic.png"
done
