# The active-window items wait for the user to activate the window to
# capture: nothing happens until the foreground window changes, then that
# window is copied or printed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

write_ini
start_resident
# Side by side: Wine without a window manager does not raise a window it
# activates, and a covered window it activates loses its picture.
paint solid --x 100 --y 200 --width 300 --height 200 --color 123456 --title solid
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern

# ｺﾋﾟｰ(&C) > ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A), then a while with no change of window,
# during which the tray takes no clicks.
mark_clipboard
choose c,a >/dev/null
tray 516
driver no-menu --for 1500 >/dev/null
expect_eq "clipboard before another window is active" "0 0" "$(clipboard_size)"
driver activate --hwnd "$solid" >/dev/null
expect_clipboard 300 200 0,0=123456 299,199=123456

# ﾊｰﾄﾞｺﾋﾟｰ(&H) > ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)
mark_pdfs
choose down,right,a >/dev/null
sleep 1.5
driver activate --hwnd "$pattern" >/dev/null
wait_pdf 680 1024 "0,0=$(pattern_hex 600 0)" "679,1023=$(pattern_hex 1279 1023)" >/dev/null

end_ruxa
