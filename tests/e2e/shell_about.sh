# The About box from the tray menu: the tray ignores clicks while it is open,
# its mail line hands the shell exactly "mailto:" and the address, and once
# OK closes it the tray answers again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

TITLE='ヴェルモ のﾊﾞｰｼﾞｮﾝ情報'
LBL_MAIL=15

# A recorder stands in for the mail program. Wine 8 looks URL handlers up in
# the machine's classes only (a per-user handler is not consulted), so the
# machine's is replaced for the test and put back afterwards.
handler='HKLM\Software\Classes\mailto'
"$RUXA_WINE" reg export "$handler" "$E2E_DIR/mailto.reg" /y </dev/null >/dev/null 2>&1 ||
  fail "could not save the mailto handler"
on_cleanup "\"\$RUXA_WINE\" reg import \"\$E2E_DIR/mailto.reg\" </dev/null >/dev/null 2>&1"
record=$("$RUXA_WINE" winepath -w "$E2E_DIR/mailto.txt" 2>/dev/null)
"$RUXA_WINE" reg add "$handler\\shell\\open\\command" /ve /f \
  /d "C:\\windows\\system32\\cmd.exe /c echo %1> $record" </dev/null >/dev/null 2>&1 ||
  fail "could not set the recording mailto handler"

write_ini
start_resident
choose a >/dev/null
driver wait-window --class '#32770' --title "$TITLE" >/dev/null
tray 516
driver no-menu --for 1500 >/dev/null || fail "the tray answered while the About box was open"

driver control --title "$TITLE" --id $LBL_MAIL --click 1 >/dev/null
for _ in $(seq 100); do
  [ -s "$E2E_DIR/mailto.txt" ] && break
  sleep 0.1
done
expect_eq "what the shell was asked to open" "mailto:ruxa@example.org" "$(tr -d '\r\n' <"$E2E_DIR/mailto.txt")"

driver press --title "$TITLE" --button OK >/dev/null
driver wait-gone --class '#32770' --title "$TITLE" >/dev/null
choose escape >/dev/null
end_ruxa
