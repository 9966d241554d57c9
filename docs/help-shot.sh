#!/usr/bin/env bash
# Takes docs/images/help-contents.png: the help's contents page as a browser
# shows it, from the pages as the build carries them (build/win/src/help/
# pages). Run by hand after a build:  bash docs/help-shot.sh
#
# It needs Debian's headless browser, which nothing else here does, so it is
# not among cmake/deps.sh's packages:
#   apt-get -o DPkg::Lock::Timeout=600 install -y chromium
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
page=$root/build/win/src/help/pages/index.html
shot=$root/docs/images/help-contents.png
[ -f "$page" ] || { echo "help-shot.sh: no $page; build first (cmake --build --preset win)" >&2; exit 1; }
command -v chromium >/dev/null || { echo "help-shot.sh: needs chromium (see the top of this script)" >&2; exit 1; }

# A new, empty profile each time, so nothing of an earlier run (or of a
# person's own browsing) changes the picture.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
  --user-data-dir="$profile" --hide-scrollbars --force-device-scale-factor=1 --window-size=820,1480 \
  --screenshot="$shot" "file://$page" 2>/dev/null
echo "docs/images/help-contents.png"
