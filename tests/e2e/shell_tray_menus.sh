# The tray icon and every item of its menu, which opens right-aligned at the
# pointer: desktop items copy and print, as does the double-click; active-
# window items wait for another window to be activated; file items take an
# image from the real file dialog; help hands the old viewer a ruxa.hlp
# beside the program, else opens the contents in the browser or says why it
# cannot; the About box hands the shell its mail address; a second start
# opens the running copy's menu and ends; "終了(&X)" removes the icon and ends.
source "$(dirname "$0")/lib.sh"

# Recorders stand in for the mail program and the browser.
record_opened mailto "$E2E_DIR/mailto.txt"
record_opened .html "$E2E_DIR/opened.txt"
# The help folder of the prefix's user, for the case it cannot be written.
help_base=$(unix_path "$("$RUXA_WINE" cmd /c echo %LOCALAPPDATA% </dev/null 2>/dev/null | tr -d '\r')")/ruxa/help

images=$E2E_DIR/画像
mkdir "$images"
convert -size 40x30 xc:'#123456' -fill '#ABCDEF' -draw 'rectangle 0,0 9,9' "PNG24:$images/図.png"
convert -size 64x48 xc:'#2060C0' -quality 95 "$images/写真.jpg"

write_ini DoubleClick=0 DoubleClickDo=1
start_resident
# Side by side: Wine without a window manager does not raise a window it
# activates, and a covered window it activates loses its picture.
paint small --x 100 --y 200 --width 300 --height 200 --title small
paint pattern --x 600 --y 0 --width 680 --height 1024 --title pattern
desktop=("150,250=$(pattern_hex 150 250)" "700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")
for slot in 0 1 2 3 4 5 6 7 8; do
  expect_eq "atom of slot $slot, no hot key being on" atom=0 "$(driver atom --name RUXAHOTKEY$slot)"
done

xdotool mousemove 600 500
menu=$(choose escape)
expect_eq "menu's right edge" 600 "$(sed -n 's/.* right=\([0-9]*\).*/\1/p' <<<"$menu")"
expect_eq "menu's top" 500 "$(sed -n 's/.* top=\([0-9]*\).*/\1/p' <<<"$menu")"

# ﾊｰﾄﾞｺﾋﾟｰ(&H) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D), where "H" is also ﾍﾙﾌﾟ's key, so the
# arrows; the double-click, which copies the same with these settings
# (ｺﾋﾟｰ(&C) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D): two_monitors.sh).
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
driver keys --hwnd "$small" >/dev/null # activates it
expect_clipboard 300 200 "0,0=$(pattern_hex 100 200)" "299,199=$(pattern_hex 399 399)"
choose down,right,a >/dev/null
sleep 1.5
driver keys --hwnd "$pattern" >/dev/null # activates it
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

# ﾍﾙﾌﾟ(&H) with a ruxa.hlp beside the program: its viewer is asked for it,
# as always (Wine's cannot read this one and says so, naming it; the driver
# writes each backslash twice), and no browser.
printf 'not a help file' >"$PROGRAM_DIR/ruxa.hlp"
choose up,up,up,return >/dev/null
help=$(driver msgbox --title 'エラー')
help_file=$(windows_path "$PROGRAM_DIR/ruxa.hlp" | sed 's/\\/\\\\/g')
grep -qF "\`$help_file'" <<<"$help" || fail "the help viewer did not get $help_file: $help"
driver press --title 'エラー' >/dev/null
driver post --class MS_WINHELP --msg 16 >/dev/null
[ ! -e "$E2E_DIR/opened.txt" ] || fail "a browser was asked as well: $(cat "$E2E_DIR/opened.txt")"
rm "$PROGRAM_DIR/ruxa.hlp"

# Without it, the contents open in the browser.
choose up,up,up,return >/dev/null
expect_help_page "$E2E_DIR/opened.txt" index.html 'ヴェルモ ヘルプ'
version=${HELP_OPENED%\\index.html}
version=${version##*\\}

# Pages that cannot be written give the message with the folder and the
# system's reason, and leave nothing, where the help folder cannot be written
# or the set cannot be put in place (its version's folder cannot be moved away).
expect_help_unwritable() { # expect_help_unwritable <folder made unwritable>
  chattr +i "$1" || fail "chattr +i (root, on a file system that has it) makes a folder unwritable"
  on_cleanup "[ ! -e '$1' ] || chattr -i '$1'"
  choose up,up,up,return >/dev/null
  help=$(sed -n 's/^text=//p' <<<"$(driver msgbox --title ルクサさん)")
  [[ $help == 'ヘルプのページを次のフォルダーに書き込めませんでした。\n'"$folder"'\n'?* ]] ||
    fail "unexpected message: $help"
  driver press --title ルクサさん >/dev/null
  expect_eq "left in the help folder" "$2" "$(ls -A "$help_base")"
  [ ! -e "$E2E_DIR/opened.txt" ] || fail "a browser was asked after all"
  chattr -i "$1"
}
folder=$(windows_path "$help_base/$version" | sed 's/\\/\\\\/g')
rm -rf "${help_base:?}"/*
expect_help_unwritable "$help_base" ""
mkdir "$help_base/$version"
expect_help_unwritable "$help_base/$version" "$version"
rmdir "$help_base/$version"

# ﾊﾞｰｼﾞｮﾝ情報(&A), its mail line, and OK.
about='ヴェルモ のﾊﾞｰｼﾞｮﾝ情報'
choose a >/dev/null
await_dialog "$about"
driver control --title "$about" --name ruxa@example.org --click 1 >/dev/null
wait_for 10 "the shell was asked to open nothing" test -s "$E2E_DIR/mailto.txt"
expect_eq "what the shell was asked to open" "mailto:ruxa@example.org" "$(tr -d '\r\n' <"$E2E_DIR/mailto.txt")"
driver press --title "$about" >/dev/null
driver wait-gone --class '#32770' --title "$about" >/dev/null
choose escape >/dev/null

# A second start hands over to the copy that runs: that one's menu opens at
# the pointer, and the second ends at once, without an icon of its own.
second=0
(cd "$PROGRAM_DIR" && exec timeout 30 "$RUXA_WINE" "$PROGRAM_DIR/ruxa.exe") </dev/null >>"$E2E_DIR/ruxa.log" 2>&1 || second=$?
expect_eq "exit code of the second start" 0 "$second"
driver menu --keys escape >/dev/null

end_ruxa
expect_eq "tray icon after the end" icon=0 "$(driver tray-icon --hwnd "$RUXA_HWND")"
