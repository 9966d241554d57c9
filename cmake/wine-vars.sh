# Sourced (bash) by the Wine launcher, the environment scripts and the end-to-end
# tests, so that every Wine process of a run meets the same prefix, wineserver,
# display and Japanese locale.
#
#   RUXA_WINEPREFIX  the prefix (default <repo>/build/win/wineprefix)
#   RUXA_TEST_ENV    state of a running environment: display number, PIDs, logs
#                    (default <repo>/build/win/test-env)
#   DISPLAY          kept when set; otherwise the one the environment started
#
# The two-monitor display (two-monitor-env.sh) has a prefix of its own beside
# that one, RUXA_TWO_MONITOR_PREFIX.

RUXA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
RUXA_WINE=/usr/lib/wine/wine64
RUXA_WINESERVER=/usr/lib/wine/wineserver
: "${RUXA_TEST_ENV:=$RUXA_ROOT/build/win/test-env}"

export WINEPREFIX=${RUXA_WINEPREFIX:-$RUXA_ROOT/build/win/wineprefix}
RUXA_TWO_MONITOR_PREFIX=$WINEPREFIX-two-monitors
export WINEDEBUG=-all
# Keeps Wine from offering to download Mono and Gecko on a new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from the locale: ja_JP gives 932, which the
# settings files are written in. LC_ALL would override it, so it goes.
unset LC_ALL
export LANG=ja_JP.UTF-8

if [ -z "${DISPLAY:-}" ] && [ -s "$RUXA_TEST_ENV/display" ]; then
  DISPLAY=$(<"$RUXA_TEST_ENV/display")
  export DISPLAY
fi
