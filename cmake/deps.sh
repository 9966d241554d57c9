#!/usr/bin/env bash
# Installs the Debian packages that building and running ruxa on Linux needs,
# and the ja_JP.UTF-8 locale that gives Wine the Japanese ANSI code page (932).
# Only what is missing is installed, so a prepared machine pays one dpkg query.
set -euo pipefail

packages=(
  # native build of the portable core, its tests and fuzzers
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  # Windows cross build
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  # Wine and the X libraries it loads at run time (installed without recommends)
  wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3
  xvfb xdotool imagemagick
  # a nested X server with two Xinerama heads, on which Wine sees two monitors
  xserver-xephyr
  # Japanese text and glyphs
  locales fonts-ipafont-gothic
  # printing to PDF and reading it back (pdfinfo, pdftoppm, pdfimages)
  cups cups-client printer-driver-cups-pdf libcups2 poppler-utils
  # the check of the help pages
  python3
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Others may run apt on this machine at the same time: wait for their lock.
  apt=(apt-get -o DPkg::Lock::Timeout=600)
  "${sudo[@]}" "${apt[@]}" update -q
  "${sudo[@]}" "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "deps: generating ja_JP.UTF-8"
  "${sudo[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo[@]}" locale-gen >/dev/null
fi
