# ruxa on two monitors (see use_two_monitors in lib.sh) under a window whose
# every pixel tells where it is: "/d" prints the virtual screen, what no
# monitor shows in the background colour; ｵﾌﾟｼｮﾝ設定 opens centred on the
# monitor under the pointer, and its check box makes ﾃﾞｽｸﾄｯﾌﾟ全体 take only
# that monitor; "/a" prints a window across the two. Region selection from
# the tray and "/r": the dragged rectangle, either way and with both corner
# pixels, is copied or printed, on the second monitor or across both (also
# at negative x, the right one primary); the right button's cancel menu and
# Alt+F4 output nothing; a command-line run ends with its selection.
source "$(dirname "$0")/lib.sh"

TITLE='ｵﾌﾟｼｮﾝ設定'
BACKGROUND=FFFFFF  # the system's window colour

use_two_monitors left
IFS=, read -r ll lt _ _ <<<"$LEFT_MONITOR"
IFS=, read -r rl rt rr rb <<<"$RIGHT_MONITOR"
window_rect() { driver wait-window --class "$1" ${2:+--title "$2"} | sed -n 's/.* rect=\([-0-9,]*\) .*/\1/p'; }
# Opens the region selection with the tray menu keys given, or "/r" on the
# command line, and waits until it shows over every monitor.
select_region() {
  if [ "$1" = /r ]; then start_ruxa /r; else choose "$1" >/dev/null; fi
  wait_for 30 "the region selection did not show" shown FrmCustom
  expect_eq "the region selection covers every monitor" "$VIRTUAL_SCREEN" "$(window_rect FrmCustom)"
}
# Drags with the left button through the points x,y given in virtual-screen
# coordinates; xdotool counts from the display's left edge.
drag() {
  local point moves=()
  for point; do moves+=(mousemove $((${point%,*} - ${VIRTUAL_SCREEN%%,*})) "${point#*,}"); done
  xdotool "${moves[@]:0:3}" mousedown 1 "${moves[@]:3}" mouseup 1
}

# A3 landscape at actual size: 1440 pixels (15 inches) fit across the page.
write_ini PaperSize=8 Orientation=2
paint pattern
print_pdf /d -- 1440 600 "0,479=$(pattern_hex 0 479)" "639,479=$(pattern_hex 639 479)" \
  "640,0=$(pattern_hex 640 0)" "1439,599=$(pattern_hex 1439 599)" "0,480=$BACKGROUND" "639,599=$BACKGROUND"

start_resident
paint pattern  # above the tray's own window
xdotool mousemove $((rl + 400)) $((rt + 300))
choose o >/dev/null
await_dialog "$TITLE"
IFS=, read -r l t r b <<<"$(window_rect '#32770' "$TITLE")"
expect_within "$TITLE centred on the monitor under the pointer" 1 "$(((rl + rr) / 2)) $(((rt + rb) / 2))" \
  "$(((l + r) / 2)) $(((t + b) / 2))"
driver control --title "$TITLE" --name ﾃﾞｽｸﾄｯﾌﾟ全体はﾏｳｽﾎﾟｲﾝﾀのあるﾓﾆﾀｰだけｷｬﾌﾟﾁｬｰする --check 1 >/dev/null
close_with "$TITLE" return

# ｺﾋﾟｰ > ﾃﾞｽｸﾄｯﾌﾟ全体 takes the monitor under the pointer. Its bottom
# corners tell where it was taken from (Wine's tray window may stand at the
# primary's top left).
for monitor in "$rl,$rt 800 600" "$ll,$lt 640 480"; do
  read -r corner w h <<<"$monitor"
  IFS=, read -r x y <<<"$corner"
  mark_clipboard
  xdotool mousemove $((x + 300)) $((y + 200))
  choose c,d >/dev/null
  expect_clipboard "$w" "$h" "0,$((h - 1))=$(pattern_hex "$x" $((y + h - 1)))" \
    "$((w - 1)),$((h - 1))=$(pattern_hex $((x + w - 1)) $((y + h - 1)))"
done

# Regions cover every monitor whatever ﾃﾞｽｸﾄｯﾌﾟ全体 takes. ｺﾋﾟｰ(&C) > 領域指定(&C)
# on the right monitor below the left one's bottom, dragged up and left.
mark_clipboard
select_region c,c
drag $((rl + 299)),$((rt + 599)) $((rl + 200)),$((rt + 550)) $((rl + 100)),$((rt + 500))
expect_clipboard 200 100 "0,0=$(pattern_hex $((rl + 100)) $((rt + 500)))" \
  "199,99=$(pattern_hex $((rl + 299)) $((rt + 599)))"
driver wait-gone --class FrmCustom >/dev/null
# ﾊｰﾄﾞｺﾋﾟｰ(&H) > 領域指定(&C) (the arrows: "H" is also ﾍﾙﾌﾟ's key) cancelled
# with the right button's menu outputs nothing; then one across both monitors, printed.
mark_clipboard
select_region down,right,c
xdotool mousemove 300 400 click 3
driver menu --keys c >/dev/null
driver wait-gone --class FrmCustom >/dev/null
expect_eq "clipboard after the cancel" "0 0" "$(clipboard_size)"
select_region down,right,c
drag 500,300 800,350 900,400
wait_pdf 401 101 "0,0=$(pattern_hex 500 300)" "139,0=$(pattern_hex 639 300)" "140,0=$(pattern_hex 640 300)" \
  "400,100=$(pattern_hex 900 400)"
driver wait-gone --class FrmCustom >/dev/null
end_ruxa

# A window mostly on the second monitor, its left edge on the first.
paint window --x 600 --y 100 --width 300 --height 200
print_pdf /a /h="$window" -- 300 200 "0,0=$(pattern_hex 600 100)" "39,199=$(pattern_hex 639 299)" \
  "40,0=$(pattern_hex 640 100)" "299,199=$(pattern_hex 899 299)"

# The right monitor primary: the virtual screen starts at x = -640. "/r"
# closed with Alt+F4 ends the run, cancelled; one dragged up and left across
# both monitors prints, and the run ends.
use_two_monitors right
paint pattern
select_region /r
driver keys --keys alt+f4 --class FrmCustom >/dev/null
wait_ruxa_exit Alt+F4 3
select_region /r
drag 100,200 0,150 -100,100
wait_ruxa_exit "the selection"
wait_pdf 201 101 "0,0=$(pattern_hex -100 100)" "99,0=$(pattern_hex -1 100)" "100,0=$(pattern_hex 0 100)" \
  "200,100=$(pattern_hex 100 200)"
expect_no_pdf
