#!/usr/bin/env bash
# Memory and handles over 1,000 cycles of captures (capture_soak.cpp): the
# resident memory, read from /proc, must not grow between the 100th and the
# 1,000th cycle beyond a little slack, and no RAII handle may be left.
set -euo pipefail
source "$(dirname "$0")/../../cmake/wine-vars.sh"

coproc SOAK { exec "$RUXA_WINE" "$1"; }
pid=$SOAK_PID
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }

read -r -u "${SOAK[0]}" first
rss100=$(rss)
echo "$first rss=${rss100} kB"
echo >&"${SOAK[1]}"
read -r -u "${SOAK[0]}" last
rss1000=$(rss)
echo "$last rss=${rss1000} kB"
echo >&"${SOAK[1]}"
wait "$pid"

handles100=${first##*handles=}
handles1000=${last##*handles=}
[ "$handles100" = "$handles1000" ] || { echo "FAIL: handles $handles100 -> $handles1000"; exit 1; }
# A leak of one screen-sized bitmap per cycle would add gigabytes; 16 MB of
# slack covers allocator and Wine noise.
growth=$(( rss1000 - rss100 ))
[ "$growth" -lt 16384 ] || { echo "FAIL: resident memory grew by ${growth} kB"; exit 1; }
echo "resident memory change over 900 cycles: ${growth} kB"
