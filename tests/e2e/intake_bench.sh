#!/usr/bin/env bash
# Large-file benchmark: for 1, 10 and 50 MB Russian texts (and one line of
# 200 KB without a space), the first screen, the whole text and the peak
# memory of Lirovant.exe as it takes a text in and as it takes the rest in in
# one step, of a bare RichEdit control taking the text in one step and of the
# notepad that Wine ships, measured in one run by intake_bench.exe
# (tools/bench/intake_bench.cpp). LV_BENCH_RUNS=N gives the median of N rounds.
#   intake_bench.sh path/to/Lirovant.exe [megabytes...] [L<kilobytes of one line>...]
source "$(dirname "$0")/lib.sh"
shift
exe_abs=$(cd "$exe_dir" && pwd)
bench_win="Z:${exe_abs//\//\\}\\intake_bench.exe"
wineserver -w 2>/dev/null || true
echo "large files, the first screen and the whole text from the start of the process:"
(cd "$app" && "$here/tools/wine-run" "$bench_win" "$app_win\\Lirovant.exe" "$@" 2>/dev/null)
rm -rf "$work"
