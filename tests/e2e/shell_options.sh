# The options dialog as a user works it: opened from the tray menu, the hot
# key page reached with Ctrl+Tab, slots 1 to 8 switched off and slot 0 bound
# to Ctrl+Alt+Q, Enter for OK. ruxa.ini then holds exactly the new values,
# and the new key prints the desktop at once and after a restart while
# Ctrl+Alt+P is free.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

TITLE='ｵﾌﾟｼｮﾝ設定'
HOTKEY_PAGE=32    # Fra_Tab(2)
CHK_ENABLE0=420   # Chk_Enable(i) = 420 + i
CMB_KEY0=460

# Every key of the file as section.key=value, sorted.
ini_keys() { ini_text | awk '/^\[/ { s = tolower($0); next } { print s $0 }' | sort; }

# What the file must hold afterwards (a save writes every key, the empty icon
# file too), then the first-start bindings to begin with: all nine slots on
# Ctrl+Alt+P.
all_on=()
for slot in 0 1 2 3 4 5 6 7 8; do all_on+=("HotKeyOn$slot=1"); done
write_ini HotKeyOn0=1 HotKeyButton0=81
{ ini_keys; echo '[application]Icon='; } | sort >"$E2E_DIR/expected.keys"
write_ini "${all_on[@]}"

start_resident
expect_eq "Ctrl+Alt+P at the start" free=0 "$(driver hotkey-free --keys ctrl+alt+p)"
choose o >/dev/null
driver wait-window --class '#32770' --title "$TITLE" >/dev/null
driver keys --title "$TITLE" --keys ctrl+tab,ctrl+tab >/dev/null
expect_eq "hot key page shown" 1 \
  "$(driver controls --title "$TITLE" | sed -n "s/^id=$HOTKEY_PAGE .* visible=\([01]\).*/\1/p")"
for slot in 1 2 3 4 5 6 7 8; do
  driver control --title "$TITLE" --id $((CHK_ENABLE0 + slot)) --check 0 >/dev/null
done
driver control --title "$TITLE" --id $CMB_KEY0 --item Q >/dev/null
driver keys --title "$TITLE" --keys return >/dev/null
driver wait-gone --class '#32770' --title "$TITLE" >/dev/null

diff -u --label expected --label ruxa.ini "$E2E_DIR/expected.keys" <(ini_keys) ||
  fail "ruxa.ini does not hold exactly the new values"

# In force without a restart, and after one.
paint pattern
for run in first restarted; do
  [ "$run" = restarted ] && { end_ruxa; start_resident; }
  expect_eq "Ctrl+Alt+P ($run)" free=1 "$(driver hotkey-free --keys ctrl+alt+p)"
  mark_pdfs
  driver keys --keys ctrl+alt+q >/dev/null
  wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}" >/dev/null
done
end_ruxa
