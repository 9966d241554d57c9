#!/usr/bin/env bash
# Runs a Windows program on the two-monitor display, the left monitor primary
# (cmake/two-monitor-env.sh, which the fixture TwoMonitorEnv has started).
#   on_two_monitors.sh <program.exe> [arguments]...
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/cmake/wine-vars.sh"
bash "$root/cmake/two-monitor-env.sh" layout left
DISPLAY=$(<"$RUXA_TEST_ENV/two-monitors/display")
export DISPLAY WINEPREFIX=$RUXA_TWO_MONITOR_PREFIX
exec "$RUXA_WINE" "$@"
