# The self-timer: captures wait SelfTime seconds, tray clicks are ignored
# while a copy is pending, the cancel menu stops a pending print, a newer
# request replaces an older one, and hot key slot 5 copies the foreground
# window at once.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

self_time=3
write_ini SelfTimer=1 SelfTime=$self_time HotKeyOn0=1 HotKeyOn5=1 HotKeyButton5=87 # Ctrl+Alt+P, Ctrl+Alt+W
start_resident
paint solid --x 100 --y 200 --width 300 --height 200 --color 123456 --title solid
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern
desktop=("700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")

now() { date +%s.%N; }
# Seconds since $1, and whether that is less than $2.
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
before() { awk -v t="$1" -v limit="$2" 'BEGIN { exit !(t < limit) }'; }

# A desktop copy counts down; meanwhile the tray ignores a right click and a
# double-click (which would print).
mark_clipboard
mark_pdfs
main_menu=$(choose escape)
armed=$(now)
choose c,d >/dev/null
tray 516
driver no-menu --for 700 >/dev/null
tray 515
sleep 0.5
checked=$(since "$armed")
if [ "$(clipboard_size)" != "0 0" ] && before "$checked" $self_time; then
  fail "copied ${checked}s after the command, before the self-timer ran out"
fi
wait_clipboard_bitmap >/dev/null
taken=$(since "$armed")
before "$taken" $self_time && fail "copied ${taken}s after the command, before the self-timer ran out"
echo "self-timer: still pending after ${checked}s, copied after ${taken}s"
expect_clipboard $SCREEN_W $SCREEN_H "${desktop[@]}"
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${desktop[@]}"

# A pending print: right-clicking now shows the cancel menu, one item high.
choose down,right,d >/dev/null
cancel_menu=$(choose c)
height() { sed -n 's/.* top=\([0-9]*\) .* bottom=\([0-9]*\)$/\2 \1/p' <<<"$1" | awk '{ print $1 - $2 }'; }
[ "$(height "$cancel_menu")" -lt "$(height "$main_menu")" ] || fail "not the cancel menu: $cancel_menu"
sleep $((self_time + 1))
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${desktop[@]}"
expect_eq "main menu again" "$(height "$main_menu")" "$(height "$(choose escape)")"

# A copy, then a print before the copy is taken: one capture, printed.
mark_clipboard
choose c,d >/dev/null
driver keys --keys ctrl+alt+p >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${desktop[@]}" >/dev/null
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${desktop[@]}"
expect_eq "clipboard after the print" "0 0" "$(clipboard_size)"

# Slot 5 copies the window in front without waiting and arms nothing: the
# next right click opens the main menu.
driver activate --hwnd "$solid" >/dev/null
mark_clipboard
driver keys --keys ctrl+alt+w >/dev/null
expect_clipboard 300 200 0,0=123456 299,199=123456
expect_eq "main menu after slot 5" "$(height "$main_menu")" "$(height "$(choose escape)")"

end_ruxa
