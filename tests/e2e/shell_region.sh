# Region selection from the tray menu: the mouse drags a rectangle on the
# frozen desktop, in either direction, both corner pixels included; a click
# is a 1 x 1 selection; the right button offers the cancel menu, which
# prints and copies nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

write_ini
start_resident
paint pattern

# Opens the selection from the menu keys given.
select_region() {
  choose "$1" >/dev/null
  await_selection
}

# ｺﾋﾟｰ(&C) > 領域指定(&C), dragged from (10, 20) up and left to (3, 5).
mark_clipboard
select_region c,c
xdotool mousemove 10 20 mousedown 1 mousemove 7 12 mousemove 3 5 mouseup 1
expect_clipboard 8 16 "0,0=$(pattern_hex 3 5)" "7,15=$(pattern_hex 10 20)" "7,0=$(pattern_hex 10 5)"
driver wait-gone --class FrmCustom >/dev/null

# A click without moving.
mark_clipboard
select_region c,c
xdotool mousemove 640 700 click 1
expect_clipboard 1 1 "0,0=$(pattern_hex 640 700)"

# ﾊｰﾄﾞｺﾋﾟｰ(&H) > 領域指定(&C), cancelled with the right button.
mark_clipboard
mark_pdfs
select_region down,right,c
xdotool mousemove 300 400 click 3
driver menu --keys c >/dev/null
driver wait-gone --class FrmCustom >/dev/null
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
expect_eq "clipboard after the cancel" "0 0" "$(clipboard_size)"

# The same, dragged from (100, 100) to (299, 199): that rectangle is printed.
select_region down,right,c
xdotool mousemove 100 100 mousedown 1 mousemove 200 150 mousemove 299 199 mouseup 1
wait_pdf 200 100 "0,0=$(pattern_hex 100 100)" "199,99=$(pattern_hex 299 199)" >/dev/null
driver wait-gone --class FrmCustom >/dev/null

end_ruxa
