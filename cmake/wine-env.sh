#!/usr/bin/env bash
# Starts and stops what Wine programs of a test run (or of ./run.sh) share: the
# CUPS PDF printer, an X display, one persistent wineserver and the prefix.
#
#   wine-env.sh start [--use-display]   --use-display keeps a set $DISPLAY
#   wine-env.sh stop                    also stops two-monitor-env.sh's part
#
# RUXA_SCREEN sets Xvfb's screen (default 1280x1024x24). State (display, PIDs,
# logs) goes to $RUXA_TEST_ENV; see wine-vars.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-vars.sh"
source "$here/wine-env-steps.sh"
state=$RUXA_TEST_ENV
log=$state/wine.log

stop() {
  # The two monitors' display lives inside this one.
  "$here/two-monitor-env.sh" stop
  stop_prefix
  stop_x_server Xvfb
}

start() {
  mkdir -p "$state"
  # Whatever an interrupted run left behind goes first: a server that is
  # already up would not become persistent, and it would carry old atoms and
  # hot keys into this run.
  stop
  : >"$log"
  # Half a start is taken down again rather than left running.
  trap stop EXIT
  "$here/cups-pdf.sh" ensure

  local decorated
  if [ "${1:-}" = --use-display ] && [ -n "${DISPLAY:-}" ]; then
    decorated=Y
  else
    start_x_server Xvfb -screen 0 "${RUXA_SCREEN:-1280x1024x24}" -nolisten tcp
    DISPLAY=$(<"$state/display")
    export DISPLAY
    # Xvfb has no window manager: Wine draws title bars and frames itself.
    decorated=N
  fi
  start_prefix "$decorated"
  trap - EXIT
  echo "wine-env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

case "${1:-}" in
  start) shift; start "$@" ;;
  stop) stop ;;
  *) echo "usage: $0 start [--use-display] | stop" >&2; exit 2 ;;
esac
