# Hot keys, from the keyboard of the X display (xdotool), from the input
# system (SendInput) and as the message they deliver: slot 0 prints the
# desktop, slot 4 copies it, slot 5 copies the window in front. "終了(&X)"
# gives every combination and atom back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

# Ctrl+Alt+P, Ctrl+Alt+C and Ctrl+Alt+W
write_ini HotKeyOn0=1 HotKeyOn4=1 HotKeyButton4=67 HotKeyOn5=1 HotKeyButton5=87
start_resident
paint solid --x 100 --y 200 --width 300 --height 200 --color 123456 --title solid
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern
desktop=("700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")
for keys in ctrl+alt+p ctrl+alt+c ctrl+alt+w; do
  expect_eq "$keys taken" free=0 "$(driver hotkey-free --keys $keys)"
done

mark_pdfs
driver keys --keys ctrl+alt+p >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${desktop[@]}" >/dev/null

# X delivers keys to the window that has the focus, a Wine window here.
mark_clipboard
xdotool search --name '^solid$' windowfocus --sync key ctrl+alt+c
expect_clipboard $SCREEN_W $SCREEN_H "${desktop[@]}"

driver activate --hwnd "$solid" >/dev/null
mark_clipboard
driver post-hotkey --class FrmRuxa --slot 5 >/dev/null
expect_clipboard 300 200 0,0=123456 299,199=123456

end_ruxa
for keys in ctrl+alt+p ctrl+alt+c ctrl+alt+w; do
  expect_eq "$keys after the end" free=1 "$(driver hotkey-free --keys $keys)"
done
for slot in 0 4 5; do
  expect_eq "atom of slot $slot after the end" atom=0 "$(driver atom --name RUXAHOTKEY$slot)"
done
