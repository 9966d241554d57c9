#!/usr/bin/env bash
# The resident program's memory while idle in the tray, against a bare Wine
# program with one window, in the same run: resident (RSS) and private
# (pages of its own: what the program really costs beside the libraries
# every Wine program shares).
#   bash bench_memory.sh <ruxa.exe> <bare_window.exe>
set -euo pipefail
source "$(dirname "$0")/../../cmake/wine-vars.sh"

folder=$(mktemp -d "$RUXA_TEST_ENV/bench-memory.XXXXXX")
bare= ruxa=
finish() {
  local pid
  for pid in $bare $ruxa; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$folder"
}
trap finish EXIT
cp "$1" "$folder/ruxa.exe"

# Starts a program in the background and prints its pid once it has settled:
# its memory no longer grows.
settled() {
  "$RUXA_WINE" "$@" </dev/null >/dev/null 2>&1 &
  local pid=$! last=-1 now
  for _ in $(seq 100); do
    sleep 0.2
    now=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "$now" = "$last" ] && [ "$now" != 0 ] && break
    last=$now
  done
  echo "$pid"
}
figures() { awk '/^Rss:/ { r = $2 } /^Private_(Clean|Dirty):/ { p += $2 } END { print r, p }' "/proc/$1/smaps_rollup"; }

# A resident start as every one after the first is; no hot key is on, so
# nothing of it outlives the process.
printf '[Application]\r\nTitle=ruxa\r\nVersion=2.50\r\n' >"$folder/ruxa.ini"
bare=$(settled "$2")
ruxa=$(cd "$folder" && settled "$folder/ruxa.exe")
read -r bareRss barePrivate <<<"$(figures "$bare")"
read -r ruxaRss ruxaPrivate <<<"$(figures "$ruxa")"
printf '%-40s %8d kB   bare window %8d kB   above it %6d kB\n' "resident memory (RSS), idle" "$ruxaRss" "$bareRss" \
  $((ruxaRss - bareRss))
printf '%-40s %8d kB   bare window %8d kB   above it %6d kB\n' "private memory, idle" "$ruxaPrivate" "$barePrivate" \
  $((ruxaPrivate - barePrivate))
echo "goal: at most 1.5 MB (1536 kB) of resident memory above the bare window"
