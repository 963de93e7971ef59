#!/usr/bin/env bash
# Installs every build and test dependency from Debian's packages. Idempotent; returns at
# once when everything is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  googletest libgtest-dev
  wine64
  xvfb x11-utils
  imagemagick
  fonts-ipafont-gothic
  locales
  file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q 'ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q > /dev/null
  apt-get install -y -q --no-install-recommends "${missing[@]}" > /dev/null
fi

# Wine takes its ANSI code page (932) from this locale.
if ! locale -a 2> /dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "bootstrap: generating ja_JP.UTF-8"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen > /dev/null
fi

# The posix thread model gives the MinGW builds a complete standard library.
for arch in x86_64 i686; do
  for tool in gcc g++; do
    alt="/usr/bin/$arch-w64-mingw32-$tool-posix"
    [ -x "$alt" ] && update-alternatives --set "$arch-w64-mingw32-$tool" "$alt" > /dev/null 2>&1 || true
  done
done
exit 0
