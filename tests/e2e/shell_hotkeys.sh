# Hot keys, from the keyboard of the X display (xdotool) and from the input
# system (SendInput), with the self-timer on (its delay: ShellMenusTest):
# tray clicks are ignored while a copy is pending, the cancel menu stops a
# pending print, a newer request replaces an older one, and slot 5 copies the
# foreground window at once.
source "$(dirname "$0")/lib.sh"

self_time=3
# Slot 0 Ctrl+Alt+P prints the desktop, slot 4 Ctrl+Alt+C copies it, slot 5
# Ctrl+Alt+W copies the window in front.
write_ini SelfTimer=1 SelfTime=$self_time HotKeyOn0=1 HotKeyOn4=1 HotKeyButton4=67 HotKeyOn5=1 HotKeyButton5=87
start_resident
paint small --x 100 --y 200 --width 300 --height 200 --title small
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern
desktop=("700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")

height() { sed -n 's/.* top=\([0-9]*\) .* bottom=\([0-9]*\)$/\2 \1/p' <<<"$1" | awk '{ print $1 - $2 }'; }

# Ctrl+Alt+C as X delivers it, to the window with the focus (a Wine window,
# active again after the menu), which hands it on: once it has let go of C,
# the hot key is ruxa's. The desktop copy counts down, and meanwhile the
# tray ignores a right click and a double-click (which would print).
mark_clipboard
main_menu=$(choose escape)
driver keys --hwnd "$small" >/dev/null # activates it
xdotool search --name '^small$' windowfocus --sync key ctrl+alt+c
wait_for 30 "the window with the focus did not get C" grep -q '^keyup=67$' "$small_out"
tray 516
driver no-menu --for 700 >/dev/null
tray 515
expect_clipboard $SCREEN_W $SCREEN_H "${desktop[@]}"

# A pending print: right-clicking now shows the cancel menu, one item high,
# which stops it.
choose down,right,d >/dev/null
cancel_menu=$(choose c)
[ "$(height "$cancel_menu")" -lt "$(height "$main_menu")" ] || fail "not the cancel menu: $cancel_menu"
sleep $((self_time + 1))
expect_no_pdf
expect_eq "main menu again" "$(height "$main_menu")" "$(height "$(choose escape)")"

# A copy, then Ctrl+Alt+P through SendInput before the copy is taken: one
# capture, printed.
mark_clipboard
choose c,d >/dev/null
driver keys --keys ctrl+alt+p >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${desktop[@]}"
expect_eq "clipboard after the print" "0 0" "$(clipboard_size)"

# Slot 5 copies the window in front without waiting and arms nothing: the
# next right click opens the main menu.
driver keys --hwnd "$small" >/dev/null # activates it
mark_clipboard
driver keys --keys ctrl+alt+w >/dev/null
expect_clipboard 300 200 "0,0=$(pattern_hex 100 200)" "299,199=$(pattern_hex 399 399)"
expect_eq "main menu after slot 5" "$(height "$main_menu")" "$(height "$(choose escape)")"
end_ruxa
