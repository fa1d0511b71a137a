#!/usr/bin/env bash
# Installs what building, running and testing need on a fresh Debian machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail
[ "$(id -u)" = 0 ] && SUDO= || SUDO=sudo

packages=(cmake g++ make python3 libgtest-dev googletest libjpeg62-turbo-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nasm dpkg-dev
  wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales fonts-liberation)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale: ru_RU.UTF-8 gives 1251.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "setup: generating the ru_RU.UTF-8 locale"
  $SUDO sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
