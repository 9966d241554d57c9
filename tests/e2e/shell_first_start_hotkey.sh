# On the first start every slot is bound to Ctrl+Alt+P. Only slot 0 gets the
# combination, so the key prints the desktop (through the confirmation that
# the first-start settings ask for) and nothing else happens.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

start_resident
paint pattern
expect_eq "ConfirmBeforePrint" 1 "$(ini_value Option ConfirmBeforePrint)"
for slot in 0 1 2 3 4 5 6 7 8; do
  expect_eq "HotKeyOn$slot" 1 "$(ini_value Option HotKeyOn$slot)"
done

mark_clipboard
mark_pdfs
driver keys --keys ctrl+alt+p >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}" >/dev/null
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
expect_eq "clipboard" "0 0" "$(clipboard_size)"
expect_eq "region selection" "" "$(driver wait-window --class FrmCustom --timeout 0 2>/dev/null)"

end_ruxa
