# Region selection with the mouse on the frozen desktop, from the tray menu
# and from "/r" on the command line: the dragged rectangle, in either
# direction and with both corner pixels, is copied or printed; the right
# button's cancel menu and Alt+F4 output nothing; a command-line run ends
# with its selection.
source "$(dirname "$0")/lib.sh"

# Opens the selection with the tray menu keys given, or "/r" on the command
# line, and waits until it shows over the screen.
select_region() {
  if [ "$1" = /r ]; then start_ruxa /r; else choose "$1" >/dev/null; fi
  wait_for 30 "the region selection did not show" shown FrmCustom
}

write_ini
start_resident
paint pattern
# ｺﾋﾟｰ(&C) > 領域指定(&C), dragged from (10, 20) up and left to (3, 5).
mark_clipboard
select_region c,c
xdotool mousemove 10 20 mousedown 1 mousemove 7 12 mousemove 3 5 mouseup 1
expect_clipboard 8 16 "0,0=$(pattern_hex 3 5)" "7,15=$(pattern_hex 10 20)" "7,0=$(pattern_hex 10 5)"
driver wait-gone --class FrmCustom >/dev/null

# ﾊｰﾄﾞｺﾋﾟｰ(&H) > 領域指定(&C), cancelled with the right button, then dragged
# from (100, 100) to (299, 199): only that rectangle is printed.
mark_clipboard
select_region down,right,c
xdotool mousemove 300 400 click 3
driver menu --keys c >/dev/null
driver wait-gone --class FrmCustom >/dev/null
expect_eq "clipboard after the cancel" "0 0" "$(clipboard_size)"
select_region down,right,c
xdotool mousemove 100 100 mousedown 1 mousemove 200 150 mousemove 299 199 mouseup 1
wait_pdf 200 100 "0,0=$(pattern_hex 100 100)" "199,99=$(pattern_hex 299 199)"
driver wait-gone --class FrmCustom >/dev/null
end_ruxa

# "/r", dragged from (450, 300) to (50, 60): printed, and the run ends.
select_region /r
xdotool mousemove 450 300 mousedown 1 mousemove 300 250 mousemove 50 60 mouseup 1
wait_ruxa_exit "the selection"
wait_pdf 401 241 "0,0=$(pattern_hex 50 60)" "400,240=$(pattern_hex 450 300)"

# "/r" closed with Alt+F4: nothing printed, and the run ends.
select_region /r
driver keys --keys alt+f4 --class FrmCustom >/dev/null
wait_ruxa_exit Alt+F4 3
expect_no_pdf
