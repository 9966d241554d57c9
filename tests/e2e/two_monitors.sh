# ruxa on two monitors, 640x480 and 800x600 beside it (see use_two_monitors
# in lib.sh), under a window whose every pixel tells where it is: "/d" prints
# the whole virtual screen, the part no monitor shows in the background
# colour; ｵﾌﾟｼｮﾝ設定 opens centred on the monitor under the pointer, and its
# check box makes ﾃﾞｽｸﾄｯﾌﾟ全体 take only that monitor; a region dragged on
# the second monitor and one across both are cut from the right place; "/a"
# prints a window that straddles the two. With the right monitor primary,
# the left one lies at negative x: a region across both with "/r".
source "$(dirname "$0")/lib.sh"

TITLE='ｵﾌﾟｼｮﾝ設定'
BACKGROUND=FFFFFF  # the system's window colour

use_two_monitors left
IFS=, read -r ll lt _ _ <<<"$LEFT_MONITOR"
IFS=, read -r rl rt rr rb <<<"$RIGHT_MONITOR"
expect_eq "the virtual screen" "virtual=$VIRTUAL_SCREEN" "$(driver monitors | grep '^virtual=')"
# The rectangle of the window of that class (and title), as the driver prints it.
window_rect() { driver wait-window --class "$1" ${2:+--title "$2"} | sed -n 's/.* rect=\([-0-9,]*\) .*/\1/p'; }
# Opens the region selection from the tray menu (ｺﾋﾟｰ, 領域指定), or with "/r".
select_region() {
  if [ "${1:-}" = /r ]; then start_ruxa /r; else choose c,c >/dev/null; fi
  wait_for 30 "the region selection did not show" shown FrmCustom
  expect_eq "the region selection covers every monitor" "$VIRTUAL_SCREEN" "$(window_rect FrmCustom)"
}

# A3 landscape at actual size: 1440 pixels (15 inches) fit across the page.
write_ini PaperSize=8 Orientation=2
paint pattern $(placed "$VIRTUAL_SCREEN")
start_ruxa /d
wait_ruxa_exit /d
wait_pdf 1440 600 "0,479=$(pattern_hex 0 479)" "639,479=$(pattern_hex 639 479)" "640,0=$(pattern_hex 640 0)" \
  "1439,599=$(pattern_hex 1439 599)" "0,480=$BACKGROUND" "639,599=$BACKGROUND"

start_resident
paint pattern $(placed "$VIRTUAL_SCREEN")  # above the tray's own window
driver pointer --at $((rl + 400)),$((rt + 300)) >/dev/null
choose o >/dev/null
await_dialog "$TITLE"
IFS=, read -r l t r b <<<"$(window_rect '#32770' "$TITLE")"
expect_within "$TITLE centred on the monitor under the pointer" 1 "$(((rl + rr) / 2)) $(((rt + rb) / 2))" \
  "$(((l + r) / 2)) $(((t + b) / 2))"
driver control --title "$TITLE" --name ﾃﾞｽｸﾄｯﾌﾟ全体はﾏｳｽﾎﾟｲﾝﾀのあるﾓﾆﾀｰだけｷｬﾌﾟﾁｬｰする --check 1 >/dev/null
close_with "$TITLE" return
expect_eq "the choice stored after the older keys" "HotKeyButton8=80 DesktopMonitor=1" \
  "$(ini_text | grep -A1 '^HotKeyButton8=' | paste -sd' ')"

# ｺﾋﾟｰ > ﾃﾞｽｸﾄｯﾌﾟ全体 takes the monitor under the pointer. Its bottom
# corners tell where it was taken from (Wine's tray window may stand at the
# primary's top left).
for monitor in "$rl,$rt 800 600" "$ll,$lt 640 480"; do
  read -r corner w h <<<"$monitor"
  IFS=, read -r x y <<<"$corner"
  mark_clipboard
  driver pointer --at $((x + 300)),$((y + 200)) >/dev/null
  choose c,d >/dev/null
  expect_clipboard "$w" "$h" "0,$((h - 1))=$(pattern_hex "$x" $((y + h - 1)))" \
    "$((w - 1)),$((h - 1))=$(pattern_hex $((x + w - 1)) $((y + h - 1)))"
done

# Regions cover every monitor whatever ﾃﾞｽｸﾄｯﾌﾟ全体 takes: one on the right
# monitor below the left one's bottom, one across both.
mark_clipboard
select_region
driver drag --path "$((rl + 100)),$((rt + 500)) $((rl + 299)),$((rt + 599))" >/dev/null
expect_clipboard 200 100 "0,0=$(pattern_hex $((rl + 100)) $((rt + 500)))" \
  "199,99=$(pattern_hex $((rl + 299)) $((rt + 599)))"
driver wait-gone --class FrmCustom >/dev/null
mark_clipboard
select_region
driver drag --path "500,300 800,350 900,400" >/dev/null
expect_clipboard 401 101 "0,0=$(pattern_hex 500 300)" "139,0=$(pattern_hex 639 300)" "140,0=$(pattern_hex 640 300)" \
  "400,100=$(pattern_hex 900 400)"
driver wait-gone --class FrmCustom >/dev/null
end_ruxa

# A window mostly on the second monitor, its left edge on the first.
paint window --x 600 --y 100 --width 300 --height 200
start_ruxa /a /h="$window"
wait_ruxa_exit /a
wait_pdf 300 200 "0,0=$(pattern_hex 600 100)" "39,199=$(pattern_hex 639 299)" "40,0=$(pattern_hex 640 100)" \
  "299,199=$(pattern_hex 899 299)"

# The right monitor primary: the virtual screen starts at x = -640.
use_two_monitors right
paint pattern $(placed "$VIRTUAL_SCREEN")
select_region /r
driver drag --path "-100,100 0,150 100,200" >/dev/null
wait_ruxa_exit "the selection"
wait_pdf 201 101 "0,0=$(pattern_hex -100 100)" "99,0=$(pattern_hex -1 100)" "100,0=$(pattern_hex 0 100)" \
  "200,100=$(pattern_hex 100 200)"
expect_no_pdf
