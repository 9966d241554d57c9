# Printer settings that cannot be honoured as written: a device name that
# matches no printer prints on the current printer without a word; a paper
# size the printer does not offer, a printer that refuses the job and a window
# to capture that has gone are reported, and nothing is printed.
source "$(dirname "$0")/lib.sh"
source "$E2E_HERE/print_lib.sh"

# A printer that refuses jobs: a queue of this test's own (the shared one is
# never touched) for which CUPS rejects jobs. Wine copies the CUPS queues into
# its printer list only in the first process that loads its spooler while no
# other such process runs, so the queue is made before the pattern window.
refusing=ruxa-refuses-$$
lpadmin -p "$refusing" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null ||
  fail "could not create the queue $refusing"
on_cleanup "lpadmin -x $refusing"
cupsreject "$refusing"

start_pattern 200 150 320 240

# In a command-line run the current printer is the system's default one.
expect_eq "default printer" "$PRINTER" "$(default_printer)"
print_ini DeviceName='No such printer'
# A message box would keep ruxa.exe from ending by itself.
print_pdf /a "/h=$PATTERN_HWND"
measure_pdf --at 60,45
expect_eq "unknown printer: paper" A4 "${M[paper]}"
expect_colour "unknown printer: the capture printed" "${PATTERN_COLOUR[topleft]}" "${M[at:60,45]}"
echo "ok: unknown device name"

# JIS B4 (12) is not among the PDF printer's paper sizes. Another program
# printing meanwhile would pass for a print of ours; then the run is repeated.
print_ini PaperSize=12
for attempt in 1 2 3; do
  before=$(last_job)
  start_ruxa /a "/h=$PATTERN_HWND"
  box=$(driver msgbox --title '用紙サイズエラー')
  expect_eq "paper size message" \
    '用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\nそれでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。' \
    "$(sed -n 's/^text=//p' <<<"$box")"
  expect_eq "paper size message buttons" 'button=1' "$(grep '^button=' <<<"$box" | cut -d' ' -f1 | paste -sd' ')"
  # The pattern window had the foreground and stays on top of others; the
  # message of the hidden program must still come in front of it.
  expect_eq "paper size message in front" 'topmost=1 foreground=1' "$(grep '^topmost=' <<<"$box")"
  driver press --title '用紙サイズエラー' --button OK >/dev/null
  wait_ruxa_exit
  expect_eq "exit code after the paper size message" 0 "$RUXA_EXIT"
  [ "$(last_job)" = "$before" ] && break
  [ "$attempt" -lt 3 ] || fail "a print job was submitted despite the paper size error"
  echo "print_errors: a print job turned up (another program printing?); again" >&2
done
echo "ok: unsupported paper size"

# Wine hands the job to CUPS when the document ends, so EndDoc fails on the
# refusing queue: the user is told and nothing is printed.
print_ini DeviceName="$refusing"
start_ruxa /a "/h=$PATTERN_HWND"
box=$(driver msgbox --title '印刷エラー')
expect_eq "refused job message" \
  "プリンタ「$refusing」で印刷できませんでした。\\nプリンタの電源や接続、印刷の一時停止や中止の状態を確認してから、もう一度印刷してください。" \
  "$(sed -n 's/^text=//p' <<<"$box")"
driver press --title '印刷エラー' --button OK >/dev/null
wait_ruxa_exit
expect_eq "exit code after the refused job" 0 "$RUXA_EXIT"
echo "ok: printer that refuses jobs"

# "/a /h=N" for a window that has gone: said so, nothing printed, the run
# ends. Another program printing meanwhile would pass for a print of ours;
# then the run is repeated.
stop_pattern
print_ini
for attempt in 1 2 3; do
  before=$(last_job)
  start_ruxa /a "/h=$PATTERN_HWND"
  box=$(driver msgbox --title 'ルクサさん')
  expect_eq "gone window message" \
    "/h=$PATTERN_HWND のウィンドウが見つかりません。閉じられたか、番号が誤っています。\\n何も印刷しませんでした。" \
    "$(sed -n 's/^text=//p' <<<"$box")"
  driver press --title 'ルクサさん' --button OK >/dev/null
  wait_ruxa_exit
  expect_eq "exit code after the gone window" 0 "$RUXA_EXIT"
  [ "$(last_job)" = "$before" ] && break
  [ "$attempt" -lt 3 ] || fail "a print job was submitted for a window that has gone"
  echo "print_errors: a print job turned up (another program printing?); again" >&2
done
echo "ok: window that has gone"
