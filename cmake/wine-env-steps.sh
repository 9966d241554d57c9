# The steps the Wine test environments share, sourced after wine-vars.sh by
# wine-env.sh and two-monitor-env.sh: an X server started without a race, a
# persistent wineserver over a prepared prefix, and their clean stop. The
# caller sets $state (its state folder) and $log (its Wine log), and
# $WINEPREFIX and $DISPLAY for the prefix steps.

wine() { "$RUXA_WINE" "$@" </dev/null >>"$log" 2>&1; }

# Running, and not merely a zombie its new parent has yet to reap.
alive() { [ -e "/proc/$1" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

# start_x_server <program> [arguments]...  Starts the X server, its PID in
# $state/<program>.pid (lower case) and its output in <program>.log, and
# writes ":N" to $state/display. -displayfd picks a free display and writes
# its number once the server accepts connections, so there is no guessing
# and no race.
start_x_server() {
  local name=${1,,} n
  rm -f "$state/display" "$state/displayfd"
  "$@" -displayfd 3 3>"$state/displayfd" </dev/null >>"$state/$name.log" 2>&1 &
  echo $! >"$state/$name.pid"
  for _ in $(seq 300); do
    # The background job may not have opened the file yet.
    n=$(tr -dc 0-9 <"$state/displayfd" 2>/dev/null || true)
    [ -n "$n" ] && grep -q $'\n' "$state/displayfd" && break
    alive "$(<"$state/$name.pid")" || { cat "$state/$name.log" >&2; exit 1; }
    sleep 0.1
  done
  [ -n "$n" ] || { echo "wine-env: $1 did not come up" >&2; exit 1; }
  echo ":$n" >"$state/display"
}

# stop_x_server <program>  Ends the server start_x_server started, if it
# still runs.
stop_x_server() {
  local pidfile=$state/${1,,}.pid pid
  if [ -s "$pidfile" ]; then
    pid=$(<"$pidfile")
    # The PID may have been reused since a run that was killed.
    if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$1" ]; then
      kill "$pid"
      for _ in $(seq 100); do alive "$pid" || break; sleep 0.1; done
      if alive "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
  fi
  rm -f "$pidfile" "$state/display" "$state/displayfd"
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

# start_prefix <Y|N>  Starts the persistent wineserver and boots the prefix
# on $DISPLAY, creating and configuring it the first time; Y when a window
# manager draws and places the windows, N when Wine must.
start_prefix() {
  mkdir -p "$WINEPREFIX"
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
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d "$1" /f
  # With no window manager to answer, Wine waits two seconds for one each
  # time it shows or hides a managed window; unmanaged windows it places and
  # focuses itself at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f
}

# The server ends every Wine process of the prefix with it; -w waits until
# it has saved the registry and gone.
stop_prefix() {
  if [ -d "$WINEPREFIX" ]; then
    "$RUXA_WINESERVER" -k </dev/null >>"$log" 2>&1 || true
    "$RUXA_WINESERVER" -w </dev/null >>"$log" 2>&1 || true
  fi
}
