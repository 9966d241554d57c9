# Sourced after lib.sh by the resident shell's end-to-end tests: settings
# files, the tray, known screen content, and waiting for the printer and the
# clipboard. Other runs may print to the same PDF folder at the same time, so
# a PDF counts as ours only when its image holds the pixels we expect.

# The screen the tests run on and the pattern the driver paints on it: every
# pixel's colour tells where it is (see paint-window in the driver).
SCREEN_W=1280
SCREEN_H=1024
pattern_hex() { printf '%02X%02X%X%X\n' $(($1 & 255)) $(($2 & 255)) $((($1 >> 8) & 15)) $((($2 >> 8) & 15)); }
# Points that tell a capture of the whole patterned screen from any other.
WHOLE_PATTERN=("0,0=$(pattern_hex 0 0)" "700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")

# Writes ruxa.ini: an ordinary resident set-up with every hot key off, no
# self-timer, no confirmation, no cursor in captures, actual size at the top
# left of an A4 page on the default printer. Arguments Key=Value replace keys.
write_ini() {
  local text key printer=""
  # Another run's no-printer test may have set every queue aside for a while.
  for _ in $(seq 120); do
    printer=$(default_printer || true)
    [ -n "$printer" ] && break
    sleep 0.5
  done
  [ -n "$printer" ] || fail "there is no default printer"
  text="[Application]
Title=ヴェルモ
Version=2.50
[Option]
SelfTimer=0
SelfTime=5
IconDelete=0
ConfirmBeforePrint=0
ReversePrint=0
DoubleClick=1
DoubleClickDo=1
LastSet=-1
IconCapture=0"
  for slot in 0 1 2 3 4 5 6 7 8; do
    text+="
HotKeyOn$slot=0
HotKeyALT$slot=1
HotKeySHIFT$slot=0
HotKeyCTRL$slot=1
HotKeyButton$slot=80"
  done
  text+="
PrinterCount=0
[DefaultPrinter]
DeviceName=$printer
Hiritsu=1
Orientation=1
PaperBin=0
PaperSize=9
Pos=1
Size=1
SizeP=100"
  for pair in "$@"; do
    key=${pair%%=*}
    grep -q "^$key=" <<<"$text" || fail "write_ini: no key $key"
    text=$(sed "s/^$key=.*/$key=${pair#*=}/" <<<"$text")
  done
  printf '%s\n' "$text" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$RUXA_INI"
}

# Starts ruxa resident and waits until its start-up has ended with the icon
# in the tray; RUXA_HWND is its hidden window's handle.
start_resident() {
  start_ruxa "$@"
  RUXA_HWND=$(driver wait-window --class FrmRuxa | sed -n 's/^hwnd=\([0-9]*\).*/\1/p')
  [ -n "$RUXA_HWND" ] || fail "ruxa's main window did not appear"
  for _ in $(seq 100); do
    [ "$(driver tray-icon --hwnd "$RUXA_HWND")" = icon=1 ] && return
    sleep 0.1
  done
  fail "ruxa's tray icon did not appear"
}

# The tray icon's callback as the notification area sends it: 516 right
# button down, 515 left double-click.
tray() { driver post --class FrmRuxa --msg 512 --lparam "$1" >/dev/null; }

# Right-click on the icon, then the keys that choose the item (see the
# driver's menu command). Prints the menu's rectangle.
choose() { tray 516; driver menu --keys "$1"; }

# "終了(&X)" from the tray menu; the program must end normally.
end_ruxa() {
  choose x >/dev/null
  wait_ruxa_exit
  expect_eq "exit code" 0 "$RUXA_EXIT"
}

# paint <variable> [paint-window options]  A topmost window of the driver's,
# painting the pattern (or --color); its handle goes into the variable. It is
# closed when the test ends.
paint() {
  local var=$1 out pid hwnd
  shift
  out=$(mktemp "$E2E_DIR/paint.XXXXXX")
  "$RUXA_WINE" "$DRIVER_EXE" paint-window "$@" </dev/null >"$out" 2>&1 &
  pid=$!
  on_cleanup "kill $pid 2>/dev/null; wait $pid 2>/dev/null || true"
  for _ in $(seq 200); do
    hwnd=$(sed -n 's/^hwnd=//p' "$out")
    [ -n "$hwnd" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  [ -n "$hwnd" ] || fail "paint-window did not show: $(cat "$out")"
  printf -v "$var" '%s' "$hwnd"
}

# Waits until the region selection window is shown over the screen.
await_selection() {
  for _ in $(seq 300); do
    [ "$(driver wait-window --class FrmCustom | sed -n 's/.* visible=//p')" = 1 ] && return
    sleep 0.1
  done
  fail "the region selection did not show"
}

# --- the clipboard ---------------------------------------------------------

# Puts text on the clipboard, so that a bitmap there later is a new one.
mark_clipboard() { driver clipboard-text --set ruxa-e2e >/dev/null; }

# Prints "W H" of the clipboard's bitmap, "0 0" when there is none.
clipboard_size() { driver clipboard-size | sed -n 's/^width=\([0-9]*\) height=\([0-9]*\)$/\1 \2/p'; }

# Waits for a bitmap on the clipboard (the limit only stops a hung run) and
# prints "W H".
wait_clipboard_bitmap() {
  local size
  for _ in $(seq 600); do
    size=$(clipboard_size)
    [ "$size" != "0 0" ] && { echo "$size"; return; }
    sleep 0.1
  done
  fail "no bitmap reached the clipboard"
}

# expect_clipboard <W> <H> [x,y=RRGGBB]...  Waits for a bitmap of that size
# on the clipboard and checks those pixels of it.
expect_clipboard() {
  local w=$1 h=$2 points="" check out size
  shift 2
  for _ in $(seq 600); do
    size=$(clipboard_size)
    [ "$size" = "$w $h" ] && break
    sleep 0.1
  done
  expect_eq "clipboard bitmap size" "$w $h" "$size"
  for check in "$@"; do points+="${check%%=*} "; done
  out=$(driver clipboard-size --points "$points")
  for check in "$@"; do
    expect_eq "clipboard pixel ${check%%=*}" "${check#*=}" \
      "$(sed -n "s/^pixel=${check%%=*} //p" <<<"$out")"
  done
}

# --- the printer -----------------------------------------------------------

PDF_DIR=$(bash "$E2E_HERE/../../cmake/cups-pdf.sh" outdir)
PDF_SEEN=$E2E_DIR/pdf-seen

# Remembers the PDFs there are now; later ones are candidates.
mark_pdfs() { (find "$PDF_DIR" -maxdepth 1 -name 'ruxa*.pdf' 2>/dev/null || true) | sort >"$PDF_SEEN"; }

# Whether the PDF's one image is W x H with those pixels.
pdf_matches() { # pdf_matches <pdf> <W> <H> [x,y=RRGGBB]...
  local pdf=$1 w=$2 h=$3 check png size
  shift 3
  size=$(pdfimages -list "$pdf" 2>/dev/null | awk 'NR == 3 { print $4 "x" $5 }')
  [ "$size" = "${w}x$h" ] || return 1
  png=$(mktemp -d "$E2E_DIR/pdf.XXXXXX")
  pdfimages -png "$pdf" "$png/image" || return 1
  for check in "$@"; do
    [ "$(convert "$png/image-000.png" -format "%[hex:p{${check%%=*}}]" info:)" = "${check#*=}" ] || return 1
  done
}

# Waits for a new PDF whose image matches (see pdf_matches) and prints its
# path. PDFs of other runs are passed over.
wait_pdf() {
  local pdf
  for _ in $(seq 600); do
    for pdf in $(find "$PDF_DIR" -maxdepth 1 -name 'ruxa*.pdf' 2>/dev/null | sort | comm -13 "$PDF_SEEN" -); do
      # cups-pdf renames the finished file into place, so a listed PDF is whole.
      if pdf_matches "$pdf" "$@"; then
        echo "$pdf" >>"$PDF_SEEN"
        sort -o "$PDF_SEEN" "$PDF_SEEN"
        echo "$pdf"
        return
      fi
    done
    sleep 0.2
  done
  fail "no PDF of a ${1}x$2 image appeared"
}

# Fails when a new PDF matches (see pdf_matches).
expect_no_pdf() {
  local pdf
  for pdf in $(find "$PDF_DIR" -maxdepth 1 -name 'ruxa*.pdf' 2>/dev/null | sort | comm -13 "$PDF_SEEN" -); do
    pdf_matches "$pdf" "$@" && fail "printed after all: $pdf"
  done
  return 0
}

# Waits until the printer queue holds nothing that could still become a PDF
# of this run.
settle_printer() {
  for _ in $(seq 300); do
    [ -z "$(LC_ALL=C lpstat -o 2>/dev/null)" ] && break
    sleep 0.1
  done
  sleep 1.5
}

# --- dialogs ---------------------------------------------------------------

# Waits until ruxa's dialog with that caption is shown (a hidden one counts
# only once it shows again).
await_dialog() { # await_dialog <title>
  for _ in $(seq 300); do
    [ "$(driver wait-window --class '#32770' --title "$1" 2>/dev/null | sed -n 's/.* visible=//p')" = 1 ] && return
    sleep 0.1
  done
  fail "the dialog $1 did not show"
}

# The id of the control that has the keyboard focus in the dialog.
focused_id() { driver controls --title "$1" | sed -n 's/^id=\([0-9]*\) .* focus=1 .*/\1/p'; }
