# The tray icon and every item of its main menu: the menu opens right-aligned
# at the pointer; the desktop items copy and print, as does the double-click
# with its action; the active-window items wait for the user to activate
# another window; the file items take an image from the real file dialog;
# the help item hands the viewer the help file in the program folder; the
# About box keeps the tray from answering and hands the shell its mail
# address; "終了(&X)" removes the icon and ends the program.
source "$(dirname "$0")/lib.sh"

# A recorder stands in for the mail program. Wine 8 looks URL handlers up in
# the machine's classes only (a per-user handler is not consulted), so the
# machine's is replaced for the test and put back afterwards.
handler='HKLM\Software\Classes\mailto'
"$RUXA_WINE" reg export "$handler" "$E2E_DIR/mailto.reg" /y </dev/null >/dev/null 2>&1 ||
  fail "could not save the mailto handler"
on_cleanup "\"\$RUXA_WINE\" reg import \"\$E2E_DIR/mailto.reg\" </dev/null >/dev/null 2>&1"
windows_path() { "$RUXA_WINE" winepath -w "$1" 2>/dev/null; }
"$RUXA_WINE" reg add "$handler\\shell\\open\\command" /ve /f \
  /d "C:\\windows\\system32\\cmd.exe /c echo %1> $(windows_path "$E2E_DIR/mailto.txt")" </dev/null >/dev/null 2>&1 ||
  fail "could not set the recording mailto handler"

images=$E2E_DIR/画像
mkdir "$images"
convert -size 40x30 xc:'#123456' -fill '#ABCDEF' -draw 'rectangle 0,0 9,9' "PNG24:$images/図.png"
convert -size 64x48 xc:'#2060C0' -quality 95 "$images/写真.jpg"

write_ini DoubleClick=0 DoubleClickDo=1
start_resident
# Side by side: Wine without a window manager does not raise a window it
# activates, and a covered window it activates loses its picture.
paint solid --style solid --color 123456 --x 100 --y 200 --width 300 --height 200 --title solid
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern
desktop=("150,250=123456" "700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")
for slot in 0 1 2 3 4 5 6 7 8; do
  expect_eq "atom of slot $slot, no hot key being on" atom=0 "$(driver atom --name RUXAHOTKEY$slot)"
done

xdotool mousemove 600 500
menu=$(choose escape)
expect_eq "menu's right edge" 600 "$(sed -n 's/.* right=\([0-9]*\).*/\1/p' <<<"$menu")"
expect_eq "menu's top" 500 "$(sed -n 's/.* top=\([0-9]*\).*/\1/p' <<<"$menu")"

# ｺﾋﾟｰ(&C) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D); ﾊｰﾄﾞｺﾋﾟｰ(&H) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D), where "H" is
# also ﾍﾙﾌﾟ's key, so the arrows; the double-click, which copies with these
# settings.
mark_clipboard
choose c,d >/dev/null
expect_clipboard $SCREEN_W $SCREEN_H "${desktop[@]}"
choose down,right,d >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${desktop[@]}"
mark_clipboard
tray 515
expect_clipboard $SCREEN_W $SCREEN_H "${desktop[@]}"

# ｺﾋﾟｰ(&C) > ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A), then a while with no change of window,
# during which the tray takes no clicks; ﾊｰﾄﾞｺﾋﾟｰ(&H) > ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A).
mark_clipboard
choose c,a >/dev/null
tray 516
driver no-menu --for 1500 >/dev/null
expect_eq "clipboard before another window is active" "0 0" "$(clipboard_size)"
driver activate --hwnd "$solid" >/dev/null
expect_clipboard 300 200 0,0=123456 299,199=123456
choose down,right,a >/dev/null
sleep 1.5
driver activate --hwnd "$pattern" >/dev/null
wait_pdf 680 1024 "0,0=$(pattern_hex 600 0)" "679,1023=$(pattern_hex 1279 1023)"

# ｺﾋﾟｰ(&C) > ﾌｧｲﾙ指定(&F): the PNG's exact pixels, the first dialog in the
# program folder; ﾊｰﾄﾞｺﾋﾟｰ(&H) > ﾌｧｲﾙ指定(&F): the JPEG printed at once, the
# dialog where the last file was.
title=ピクチャ画像の指定
mark_clipboard
choose c,f >/dev/null
expect_eq "first dialog's folder" folder=program \
  "$(driver file-dialog --title $title --path "$(windows_path "$images/図.png")")"
expect_clipboard 40 30 0,0=ABCDEF 9,9=ABCDEF 10,10=123456 39,0=123456 39,29=123456
choose down,right,f >/dev/null
expect_eq "next dialog's folder" folder=画像 \
  "$(driver file-dialog --title $title --path "$(windows_path "$images/写真.jpg")")"
wait_pdf 64 48

# ﾍﾙﾌﾟ(&H): the viewer is asked for ruxa.hlp in the program folder, which
# does not exist; it says so. The driver writes each backslash twice.
choose up,up,up,return >/dev/null
help=$(driver msgbox --title 'エラー')
help_file=$(windows_path "$PROGRAM_DIR/ruxa.hlp" | sed 's/\\/\\\\/g')
grep -qF "'$help_file'" <<<"$help" || fail "the help viewer did not get $help_file: $help"
driver press --title 'エラー' --button No >/dev/null
driver post --class MS_WINHELP --msg 16 >/dev/null

# ﾊﾞｰｼﾞｮﾝ情報(&A), its mail line, and OK.
about='ヴェルモ のﾊﾞｰｼﾞｮﾝ情報'
LBL_MAIL=15
choose a >/dev/null
driver wait-window --class '#32770' --title "$about" >/dev/null
tray 516
driver no-menu --for 1500 >/dev/null || fail "the tray answered while the About box was open"
driver control --title "$about" --id $LBL_MAIL --click 1 >/dev/null
wait_for 10 "the shell was asked to open nothing" test -s "$E2E_DIR/mailto.txt"
expect_eq "what the shell was asked to open" "mailto:ruxa@example.org" "$(tr -d '\r\n' <"$E2E_DIR/mailto.txt")"
driver press --title "$about" --button OK >/dev/null
driver wait-gone --class '#32770' --title "$about" >/dev/null
choose escape >/dev/null

end_ruxa
driver wait-gone --class FrmRuxa >/dev/null
expect_eq "tray icon after the end" icon=0 "$(driver tray-icon --hwnd "$RUXA_HWND")"
