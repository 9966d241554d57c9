#!/usr/bin/env bash
# Two monitors for the tests that need them, beside the environment of
# wine-env.sh: inside its Xvfb a nested Xephyr with two screens joined by
# Xinerama (without RandR, from which Wine would take a single monitor), and
# a prefix of its own whose persistent wineserver runs on it. Wine lays the
# monitors out once per wineserver, from the display its first program
# started on, and uses that for every program of the server whatever their
# $DISPLAY; so the main prefix cannot serve both displays.
#
#   two-monitor-env.sh start                needs wine-env.sh's Xvfb running
#   two-monitor-env.sh layout left|right    the primary monitor
#   two-monitor-env.sh stop
#
# The monitors: 640x480 on the left, 800x600 on its right, tops aligned. With
# the left one primary (as started) Windows sees 0,0-640,480 and
# 640,0-1440,600; with the right one primary 0,0-800,600 and -640,0-0,480.
# State goes to $RUXA_TEST_ENV/two-monitors, the prefix is
# $RUXA_TWO_MONITOR_PREFIX (see wine-vars.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-vars.sh"
source "$here/wine-env-steps.sh"
state=$RUXA_TEST_ENV/two-monitors
log=$state/wine.log
export WINEPREFIX=$RUXA_TWO_MONITOR_PREFIX

stop() {
  stop_prefix
  stop_x_server Xephyr
  rm -f "$state/layout"
}

# Which monitor Wine takes for the primary, as the prefix's setting says.
configured_layout() {
  "$RUXA_WINE" reg query 'HKCU\Software\Wine\X11 Driver' /v PrimaryMonitor </dev/null 2>/dev/null |
    grep -q 'PrimaryMonitor.*[[:space:]]1[[:space:]]*$' && echo right || echo left
}

# Wine numbers the Xinerama screens from the left and shifts the layout so
# that its primary's top left is 0,0. It reads the choice when its server
# starts, so a change takes a new server, which ends the programs of the old.
layout() {
  local index
  case "${1:-}" in
    left) index=0 ;;
    right) index=1 ;;
    *) echo "usage: $0 layout left|right" >&2; exit 2 ;;
  esac
  [ -s "$state/display" ] || { echo "two-monitor-env: not started" >&2; exit 1; }
  [ "$(cat "$state/layout" 2>/dev/null)" = "$1" ] && return
  DISPLAY=$(<"$state/display")
  export DISPLAY
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v PrimaryMonitor /d "$index" /f
  stop_prefix
  "$RUXA_WINESERVER" -p </dev/null >>"$log" 2>&1
  wine wineboot
  echo "$1" >"$state/layout"
}

start() {
  [ -s "$RUXA_TEST_ENV/display" ] || { echo "two-monitor-env: wine-env.sh has not started" >&2; exit 1; }
  mkdir -p "$state"
  stop
  : >"$log"
  trap stop EXIT
  DISPLAY=$(<"$RUXA_TEST_ENV/display") start_x_server Xephyr -screen 640x480 -screen 800x600 +xinerama \
    -extension RANDR -br -noreset -nolisten tcp
  DISPLAY=$(<"$state/display")
  export DISPLAY
  # No window manager here either.
  start_prefix N
  configured_layout >"$state/layout"
  layout left
  trap - EXIT
  echo "two-monitor-env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

case "${1:-}" in
  start) start ;;
  layout) layout "${2:-}" ;;
  stop) stop ;;
  *) echo "usage: $0 start | layout left|right | stop" >&2; exit 2 ;;
esac
