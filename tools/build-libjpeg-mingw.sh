#!/usr/bin/env bash
# Builds a static libjpeg for 64-bit Windows with the MinGW-w64 toolchain from
# Debian's source package, and installs its headers and libjpeg.a under
# <repo>/build/libjpeg-mingw/{include,lib}. The Windows build of the about box
# links it from there. Usage: build-libjpeg-mingw.sh [work dir]
# Quick when already built: it does nothing while the library is in place.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$here/build/libjpeg-src}
dest=$here/build/libjpeg-mingw
toolchain=$here/cmake/mingw-w64-x86_64.cmake
[ "$(id -u)" = 0 ] && SUDO= || SUDO=sudo

if [ -f "$dest/lib/libjpeg.a" ] && [ -f "$dest/include/jpeglib.h" ]; then
  echo "libjpeg-mingw: already built in $dest"
  exit 0
fi

# The binary-only apt configuration knows no sources; add one for bookworm main
# that takes its mirror from the existing Debian entry.
src_list=/etc/apt/sources.list.d/lirovant-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
   ! grep -qs '^deb-src ' /etc/apt/sources.list; then
  mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "libjpeg-mingw: adding deb-src for $mirror bookworm main"
  $SUDO tee "$src_list" >/dev/null <<EOF
Types: deb-src
URIs: $mirror
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  $SUDO apt-get update -qq
fi

mkdir -p "$work"
srcdir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | sort | tail -n 1)
if [ -z "$srcdir" ] || [ ! -f "$srcdir/CMakeLists.txt" ]; then
  # A source entry left by an interrupted run may not have been fetched yet.
  (cd "$work" && apt-get source -qq libjpeg-turbo) ||
    { $SUDO apt-get update -qq && (cd "$work" && apt-get source -qq libjpeg-turbo); }
  srcdir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | sort | tail -n 1)
fi
[ -f "$srcdir/CMakeLists.txt" ] || { echo "libjpeg-mingw: no source tree in $work" >&2; exit 1; }

# SIMD code is assembled by nasm when it is there; without it the build falls
# back to plain C, which is fast enough for one small picture.
simd=ON
command -v nasm >/dev/null || simd=OFF
bld=$work/build-mingw
stage=$work/stage-mingw
cmake -S "$srcdir" -B "$bld" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=$simd -DCMAKE_INSTALL_PREFIX="$stage" \
  -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include \
  -DCMAKE_CROSSCOMPILING_EMULATOR= >/dev/null
cmake --build "$bld" -j2 --target jpeg-static >/dev/null

mkdir -p "$dest/include" "$dest/lib"
for h in jpeglib.h jerror.h jmorecfg.h; do cp "$srcdir/$h" "$dest/include/"; done
cp "$bld/jconfig.h" "$dest/include/"
lib=$(find "$bld" -maxdepth 1 -name 'libjpeg*.a' | head -n 1)
cp "$lib" "$dest/lib/libjpeg.a.tmp" && mv "$dest/lib/libjpeg.a.tmp" "$dest/lib/libjpeg.a"
echo "libjpeg-mingw: installed in $dest"
