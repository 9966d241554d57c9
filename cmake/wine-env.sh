#!/usr/bin/env bash
# Starts and stops what Wine programs of a test run (or of ./run.sh) share: the
# CUPS PDF printer, an X display, one persistent wineserver and the prefix.
#
#   wine-env.sh start [--use-display]   --use-display keeps a set $DISPLAY
#   wine-env.sh stop
#
# RUXA_SCREEN sets Xvfb's screen (default 1280x1024x24). State (display, PIDs,
# logs) goes to $RUXA_TEST_ENV; see wine-vars.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-vars.sh"
state=$RUXA_TEST_ENV
log=$state/wine.log

wine() { "$RUXA_WINE" "$@" </dev/null >>"$log" 2>&1; }

start_xvfb() {
  # -displayfd picks a free display and writes its number once the server
  # accepts connections, so there is no guessing and no race.
  rm -f "$state/display" "$state/displayfd"
  Xvfb -displayfd 3 -screen 0 "${RUXA_SCREEN:-1280x1024x24}" -nolisten tcp \
    3>"$state/displayfd" </dev/null >>"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  local n
  for _ in $(seq 300); do
    # The background job may not have opened the file yet.
    n=$(tr -dc 0-9 <"$state/displayfd" 2>/dev/null || true)
    [ -n "$n" ] && grep -q $'\n' "$state/displayfd" && break
    kill -0 "$(<"$state/xvfb.pid")" 2>/dev/null || { cat "$state/xvfb.log" >&2; exit 1; }
    sleep 0.1
  done
  [ -n "$n" ] || { echo "wine-env: Xvfb did not come up" >&2; exit 1; }
  echo ":$n" >"$state/display"
  export DISPLAY=":$n"
}

configure_prefix() {
  # Japanese fonts for the faces Japanese Windows has, so text is laid out
  # with proportional glyphs as users see it.
  local k='HKCU\Software\Wine\Fonts\Replacements'
  wine reg add "$k" /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f
  wine reg add "$k" /v 'MS UI Gothic' /d IPAPGothic /f
  wine reg add "$k" /v 'ＭＳ ゴシック' /d IPAGothic /f
  # A crashing program ends instead of waiting in Wine's crash dialog for a
  # click nobody will give.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  touch "$WINEPREFIX/.ruxa-configured"
}

# Running, and not merely a zombie its new parent has yet to reap.
alive() { [ -e "/proc/$1" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

stop() {
  # The server ends every Wine process of the prefix with it; -w waits until
  # it has saved the registry and gone.
  if [ -d "$WINEPREFIX" ]; then
    "$RUXA_WINESERVER" -k </dev/null >>"$log" 2>&1 || true
    "$RUXA_WINESERVER" -w </dev/null >>"$log" 2>&1 || true
  fi
  if [ -s "$state/xvfb.pid" ]; then
    local pid
    pid=$(<"$state/xvfb.pid")
    # The PID may have been reused since a run that was killed.
    if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ]; then
      kill "$pid"
      for _ in $(seq 100); do alive "$pid" || break; sleep 0.1; done
      if alive "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
  fi
  rm -f "$state/xvfb.pid" "$state/display" "$state/displayfd"
}

start() {
  mkdir -p "$state" "$WINEPREFIX"
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
    start_xvfb
    # Xvfb has no window manager: Wine draws title bars and frames itself.
    decorated=N
  fi

  # Persistent before any Wine process connects, so it outlives each test.
  "$RUXA_WINESERVER" -p </dev/null >>"$log" 2>&1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX"
    wine wineboot -i
  else
    wine wineboot
  fi
  [ -f "$WINEPREFIX/.ruxa-configured" ] || configure_prefix
  # Wine draws the caption buttons with Marlett glyphs, found only in the
  # prefix's own font folder.
  cp -u /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d "$decorated" /f
  # With no window manager to answer, Wine waits two seconds for one each
  # time it shows or hides a managed window; unmanaged windows it places and
  # focuses itself at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$decorated" /f
  trap - EXIT
  echo "wine-env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

case "${1:-}" in
  start) shift; start "$@" ;;
  stop) stop ;;
  *) echo "usage: $0 start [--use-display] | stop" >&2; exit 2 ;;
esac
