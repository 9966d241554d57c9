# The tray icon and its main menu: the menu opens right-aligned at the
# pointer, its desktop items print and copy, the double-click runs its
# action, the help item hands the viewer the help file in the program
# folder, and "終了(&X)" removes the icon and ends the program. No hot key is
# enabled, so none is registered.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

write_ini DoubleClick=0 DoubleClickDo=1
start_resident
# Over the whole screen, the tray's own window included.
paint pattern
expect_eq "tray icon" icon=1 "$(driver tray-icon --hwnd "$RUXA_HWND")"
for slot in 0 1 2 3 4 5 6 7 8; do
  expect_eq "atom of slot $slot" atom=0 "$(driver atom --name RUXAHOTKEY$slot)"
done

xdotool mousemove 600 500
menu=$(choose escape)
expect_eq "menu's right edge" 600 "$(sed -n 's/.* right=\([0-9]*\).*/\1/p' <<<"$menu")"
expect_eq "menu's top" 500 "$(sed -n 's/.* top=\([0-9]*\).*/\1/p' <<<"$menu")"


# ｺﾋﾟｰ(&C) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D)
mark_clipboard
choose c,d >/dev/null
expect_clipboard $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"

# ﾊｰﾄﾞｺﾋﾟｰ(&H) > ﾃﾞｽｸﾄｯﾌﾟ全体(&D); "H" is also ﾍﾙﾌﾟ's key, so the arrows.
mark_pdfs
choose down,right,d >/dev/null
wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}" >/dev/null

# The double-click copies the desktop with these settings.
mark_clipboard
tray 515
expect_clipboard $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"

# ﾍﾙﾌﾟ(&H): the viewer is asked for ruxa.hlp in the program folder, which
# does not exist; it says so.
choose up,up,up,return >/dev/null
help=$(driver msgbox --title 'エラー')
# The driver writes each backslash twice.
help_file=$("$RUXA_WINE" winepath -w "$PROGRAM_DIR/ruxa.hlp" 2>/dev/null | sed 's/\\/\\\\/g')
grep -qF "'$help_file'" <<<"$help" || fail "the help viewer did not get $help_file: $help"
driver press --title 'エラー' --button No >/dev/null
driver post --class MS_WINHELP --msg 16 >/dev/null

end_ruxa
driver wait-gone --class FrmRuxa >/dev/null
expect_eq "tray icon after the end" icon=0 "$(driver tray-icon --hwnd "$RUXA_HWND")"
