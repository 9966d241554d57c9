# Started without arguments, ruxa stays resident behind a hidden main window
# and ends normally when that window is closed.
source "$(dirname "$0")/lib.sh"

start_ruxa
window=$(driver wait-window --class FrmRuxa)
expect_eq "main window shown" 0 "$(sed -n 's/.* visible=//p' <<<"$window")"
driver post --class FrmRuxa --msg 16 >/dev/null # WM_CLOSE
wait_ruxa_exit
expect_eq "exit code" 0 "$RUXA_EXIT"
grep -q $'^\[Application\]\r$' "$RUXA_INI" || fail "ruxa.ini was not written"
