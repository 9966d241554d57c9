# "/d /c" prints the desktop through the confirmation dialog, and the run
# ends with the dialog. A paper size the printer refuses is reported and
# brings the dialog back, where it is mended and printed again (Enter presses
# the print button); the settings the dialog printed with are kept, while the
# run's own "/c" is not. Closing the dialog ends a run that printed nothing.
source "$(dirname "$0")/lib.sh"

DIALOG=印刷確認
write_ini PaperSize=12 # JIS B4: not among the PDF printer's sizes
paint pattern

start_ruxa /d /c
await_dialog $DIALOG
driver keys --keys return --title $DIALOG >/dev/null
driver press --title 用紙サイズエラー --button OK >/dev/null
await_dialog $DIALOG
driver wait-gone --class '#32770' --title 印刷中 >/dev/null
driver control --title $DIALOG --name '用紙：+1' --item 'A4、210 x 297 mm' >/dev/null
driver keys --keys return --title $DIALOG >/dev/null
wait_ruxa_exit "the print"
wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
expect_no_pdf
expect_eq "stored paper size" 9 "$(ini_value DefaultPrinter PaperSize)"
expect_eq "stored confirmation" 0 "$(ini_value Option ConfirmBeforePrint)"

start_ruxa /d /c
await_dialog $DIALOG
driver control --title $DIALOG --name '閉じる(&U)' --click 1 >/dev/null
wait_ruxa_exit "closing the dialog" 3
expect_no_pdf
