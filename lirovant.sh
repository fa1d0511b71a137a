#!/usr/bin/env bash
# Installs what is missing, builds both trees, then runs the editor or the tests.
#   ./lirovant.sh run [file]   start the editor under Wine, optionally with a file
#   ./lirovant.sh test         run every test: native, Win32 under Wine, end-to-end
#   ./lirovant.sh bench        print the start-up, size and large-file figures
#   ./lirovant.sh package      write build/Lirovant-<version>.zip, the portable program
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
native=$here/build/native
mingw=$here/build/mingw
jobs=$(nproc 2>/dev/null || echo 2)

say() { printf '\n== %s\n' "$*"; }

build() {
  say "setup"
  "$here/tools/setup.sh"
  say "native build"
  cmake -S "$here" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$native" -j"$jobs"
  say "libjpeg for Windows"
  "$here/tools/build-libjpeg-mingw.sh"
  say "Windows build"
  cmake -S "$here" -B "$mingw" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DLIROVANT_HOST_TOOLS_DIR="$native" >/dev/null
  cmake --build "$mingw" -j"$jobs"
}

# One virtual display for every Wine run of the tests.
start_display() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=${LIROVANT_DISPLAY:-91}
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
    export DISPLAY=":$n"
    sleep 1
  fi
}

case "${1:-}" in
  run)
    shift
    build
    say "starting Lirovant.exe"
    file=()
    # A Linux path reaches the program as the same file on Wine's drive Z:.
    if [ $# -gt 0 ]; then
      p=$(realpath -m -- "$1")
      file=("Z:${p//\//\\}")
    fi
    exec "$here/tools/wine-run" "$mingw/Lirovant.exe" "${file[@]}"
    ;;
  test)
    build
    start_display
    say "native tests"
    (cd "$native" && ctest --output-on-failure -j"$jobs")
    say "Win32 and end-to-end tests under Wine"
    (cd "$mingw" && ctest --output-on-failure)
    ;;
  bench)
    build
    start_display
    zip=$(python3 "$here/tools/package/package.py" "$mingw")
    "$here/tests/e2e/startup_bench.sh" "$mingw/Lirovant.exe"
    echo "$(basename "$zip") size: $(stat -c %s "$zip") bytes ($(($(stat -c %s "$zip") / 1024)) KiB)"
    "$here/tests/e2e/intake_bench.sh" "$mingw/Lirovant.exe" 1 10 50 L200
    ;;
  package)
    build
    say "the portable zip"
    python3 "$here/tools/package/package.py" "$mingw"
    ;;
  *)
    echo "usage: $0 run [file] | test | bench | package" >&2
    exit 2
    ;;
esac
