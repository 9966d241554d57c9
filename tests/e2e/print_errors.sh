# Printer settings that cannot be honoured as written: a device name that
# matches no printer prints on the default printer without a word; a paper
# size the printer does not offer, a printer that refuses the job and a window
# to capture that has gone are reported, nothing is printed and the run ends.
source "$(dirname "$0")/lib.sh"

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
