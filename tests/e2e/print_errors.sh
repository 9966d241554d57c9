# Printer settings that cannot be honoured as written: a device name that
# matches no printer prints on the default printer without a word; a paper
# size the printer does not offer, a printer that refuses the job and a window
# to capture that has gone are reported, nothing is printed and the run ends.
# Through 印刷確認 ("/c") the paper size message brings the dialog back, where
# it is mended and printed again.
source "$(dirname "$0")/lib.sh"

DIALOG=印刷確認

paint pattern --style quadrants --x 200 --y 150 --width 320 --height 240

# A message box would keep ruxa.exe from ending by itself.
write_ini DeviceName='No such printer'
print_pdf /a "/h=$pattern"
measure_pdf 72 60,45
expect_eq "unknown printer: paper" A4 "${M[paper]}"
expect_colour "unknown printer: the capture printed" "${COLOUR[topleft]}" "${M[at:60,45]}"

# JIS B4 (12) is not among the PDF printer's paper sizes. The pattern window
# had the foreground and stays on top of others; the message of the hidden
# program must still come in front of it.
write_ini PaperSize=12
start_ruxa /a "/h=$pattern"
expect_box 用紙サイズエラー \
  '用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\nそれでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。'
expect_eq "paper size message in front" 'topmost=1 foreground=1' "$(grep '^topmost=' <<<"$BOX")"
wait_ruxa_exit "the paper size message" 1
expect_no_pdf

# The same with "/c": Enter presses the print button; after the message the
# dialog is back, where A4 is chosen and printed. The settings the dialog
# printed with are kept, while the run's own "/c" is not.
start_ruxa /a "/h=$pattern" /c
await_dialog $DIALOG
driver keys --keys return --title $DIALOG >/dev/null
driver press --title 用紙サイズエラー >/dev/null
await_dialog $DIALOG
driver wait-gone --class '#32770' --title 印刷中 >/dev/null
driver control --title $DIALOG --name '用紙：+1' --item 'A4、210 x 297 mm' >/dev/null
driver keys --keys return --title $DIALOG >/dev/null
wait_ruxa_exit "the print through $DIALOG"
wait_pdf 320 240 0,0=800080 1,1=C82828 318,238=E6C828
expect_no_pdf
expect_eq "stored paper size" 9 "$(ini_value DefaultPrinter PaperSize)"
expect_eq "stored confirmation" 0 "$(ini_value Option ConfirmBeforePrint)"

# Wine hands the job to CUPS when the document ends, so EndDoc fails on a
# queue that rejects jobs.
write_ini
cupsreject "$QUEUE"
start_ruxa /a "/h=$pattern"
expect_box 印刷エラー "プリンタ「$QUEUE」で印刷できませんでした。\\nプリンタの電源や接続、印刷の一時停止や中止の状態を確認してから、もう一度印刷してください。"
wait_ruxa_exit "the refused job" 1
cupsaccept "$QUEUE"
expect_no_pdf

# "/a /h=N" for a window that has gone. Ending the driver's process takes the
# window with it at once; a closed active window keeps Wine busy for seconds.
kill "$pattern_pid"
wait "$pattern_pid" 2>/dev/null || true
start_ruxa /a "/h=$pattern"
expect_box ルクサさん "/h=$pattern のウィンドウが見つかりません。閉じられたか、番号が誤っています。\\n何も印刷しませんでした。"
wait_ruxa_exit "the gone window" 1
expect_no_pdf
