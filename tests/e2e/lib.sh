# Sourced by every end-to-end test, which ctest runs in the WineEnv fixture
# (cmake/WineTests.cmake) as: bash <test>.sh <ruxa.exe> <ruxa_driver.exe>.
# The test runs a copy of ruxa.exe in a program folder of its own, printing
# on a printer of its own, and acts on it through the driver (its commands:
# driver/main.cpp). The folder is kept, its path printed, when the test fails.
set -eEuo pipefail

[ $# -eq 2 ] || { echo "usage: bash $0 <ruxa.exe> <ruxa_driver.exe>" >&2; exit 2; }
RUXA_EXE=$(realpath "$1")
DRIVER_EXE=$(realpath "$2")
RECORDER_EXE=$(dirname "$DRIVER_EXE")/ruxa_open_recorder.exe
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_HERE/../../cmake/wine-vars.sh"

mkdir -p "$RUXA_TEST_ENV"
E2E_DIR=$(mktemp -d "$RUXA_TEST_ENV/e2e-$(basename "$0" .sh).XXXXXX")
PROGRAM_DIR=$E2E_DIR/program
mkdir "$PROGRAM_DIR"
cp "$RUXA_EXE" "$PROGRAM_DIR/ruxa.exe"
RUXA_INI=$PROGRAM_DIR/ruxa.ini
RUXA_PID=
E2E_CLEANUPS=()

# Commands run when the test ends, passed or failed, last registered first.
on_cleanup() { E2E_CLEANUPS=("$*" "${E2E_CLEANUPS[@]}"); }

e2e_finish() {
  local rc=$? c
  # A ruxa.exe left running would hold its window and hot keys into the next test.
  if [ -n "$RUXA_PID" ] && kill -0 "$RUXA_PID" 2>/dev/null; then
    kill "$RUXA_PID" 2>/dev/null || true
    wait "$RUXA_PID" 2>/dev/null || true
  fi
  for c in "${E2E_CLEANUPS[@]}"; do eval "$c" || rc=1; done
  if [ "$rc" -eq 0 ]; then
    rm -rf "$E2E_DIR"
  else
    echo "kept for inspection: $E2E_DIR" >&2
  fi
  exit "$rc"
}
trap e2e_finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A command that fails ends the test (set -e); this names it, and where. One
# inside $(...) is left to the command that uses its result to explain.
trap 'E2E_RC=$?; ((BASH_SUBSHELL)) || echo "FAIL: [$BASH_COMMAND] ended with $E2E_RC at ${BASH_SOURCE[0]##*/}:$LINENO${FUNCNAME:+ in $FUNCNAME, called at ${BASH_SOURCE[1]##*/}:${BASH_LINENO[0]}}" >&2' ERR

expect_eq() { # expect_eq <what> <expected> <actual>
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# Runs the command every tenth of a second until it succeeds; fails with the
# message after that many seconds (a limit only a hung program reaches).
wait_for() { # wait_for <seconds> <message> <command>...
  local end=$((SECONDS + $1)) message=$2
  shift 2
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || fail "$message"
    sleep 0.1
  done
}

driver() { "$RUXA_WINE" "$DRIVER_EXE" "$@" </dev/null; }

# Starts ruxa.exe from its program folder in the background, output to ruxa.log.
start_ruxa() {
  (cd "$PROGRAM_DIR" && exec "$RUXA_WINE" "$PROGRAM_DIR/ruxa.exe" "$@") \
    </dev/null >>"$E2E_DIR/ruxa.log" 2>&1 &
  RUXA_PID=$!
}

# Waits for ruxa.exe to end, which it must do with the exit code given (0
# unless told: 1 a failure, 2 a wrong command line, 3 cancelled by the user).
ruxa_ended() { ! kill -0 "$RUXA_PID" 2>/dev/null; }
wait_ruxa_exit() { # wait_ruxa_exit [what ended it] [exit code]
  wait_for 60 "ruxa.exe did not end${1:+ after $1}" ruxa_ended
  local code=0
  wait "$RUXA_PID" || code=$?
  RUXA_PID=
  expect_eq "exit code${1:+ after $1}" "${2:-0}" "$code"
}

# --- ruxa.ini -----------------------------------------------------------------

# A settings file from tests/e2e/expected, its @NAME@ marks replaced by the
# values given as NAME=value.
ini_template() { # ini_template <name> [NAME=value]...
  local name=$1 line pair
  shift
  while IFS= read -r line; do
    for pair; do line=${line//@${pair%%=*}@/${pair#*=}}; done
    printf '%s\n' "$line"
  done <"$E2E_HERE/expected/$name"
}

# Writes ruxa.ini: the first-start settings for the test's printer, A4
# portrait, but every hot key off (Ctrl+Alt+P once on), no confirmation,
# actual size at the top left. Key=Value arguments replace keys.
write_ini() {
  local -A value=([ConfirmBeforePrint]=0 [Pos]=1)
  local slot pair line
  for slot in 0 1 2 3 4 5 6 7 8; do value[HotKeyOn$slot]=0; done
  for pair; do
    grep -q "^${pair%%=*}=" "$E2E_HERE/expected/first_start.ini" || fail "write_ini: no key ${pair%%=*}"
    value[${pair%%=*}]=${pair#*=}
  done
  ini_template first_start.ini PRINTER="$QUEUE" ORIENTATION=1 PAPERBIN=0 PAPERSIZE=9 |
    while IFS= read -r line; do
      [ -n "${value[${line%%=*}]+set}" ] && line=${line%%=*}=${value[${line%%=*}]}
      printf '%s\r\n' "$line"
    done | iconv -f UTF-8 -t CP932 >"$RUXA_INI"
}

# ruxa.ini (code page 932, every line ending in CRLF, which is checked) as UTF-8 lines.
ini_text() {
  [ -s "$RUXA_INI" ] || fail "ruxa.ini was not written"
  ! LC_ALL=C grep -qv $'\r$' "$RUXA_INI" && [ -z "$(tail -c 1 "$RUXA_INI")" ] ||
    fail "ruxa.ini does not end every line with CRLF"
  iconv -f CP932 -t UTF-8 "$RUXA_INI" | tr -d '\r'
}

# Every key of ruxa.ini as "[section]key=value", the section in lower case, sorted.
ini_keys() { ini_text | awk '/^\[/ { s = tolower($0); next } { print s $0 }' | sort; }
ini_value() { ini_keys | sed -n "s/^\[${1,,}\]$2=//p"; } # ini_value <section> <key>

expect_ini() { # expect_ini <template (see ini_template)> [NAME=value]...
  diff -u --label expected --label ruxa.ini <(ini_template "$@") <(ini_text) || fail "ruxa.ini differs from $1"
}

# The file a first start leaves: the first-start settings with the test's
# printer (the default one) and the paper codes it offers by default.
expect_first_start_ini() {
  local orientation paper_bin paper_size
  orientation=$(ini_value DefaultPrinter Orientation)
  paper_bin=$(ini_value DefaultPrinter PaperBin)
  paper_size=$(ini_value DefaultPrinter PaperSize)
  [[ $orientation =~ ^[12]$ && $paper_bin =~ ^[0-9]+$ && $paper_size =~ ^[0-9]+$ ]] ||
    fail "Orientation=$orientation PaperBin=$paper_bin PaperSize=$paper_size are not a printer's codes"
  expect_ini first_start.ini PRINTER="$QUEUE" ORIENTATION="$orientation" PAPERBIN="$paper_bin" \
    PAPERSIZE="$paper_size"
}

# --- windows ------------------------------------------------------------------

# The screen the tests run on, and the colour the driver's pattern gives each pixel of it.
SCREEN_W=1280
SCREEN_H=1024
pattern_hex() { printf '%02X%02X%X%X\n' $(($1 & 255)) $(($2 & 255)) $((($1 >> 8) & 15)) $((($2 >> 8) & 15)); }
# Points that tell a capture of the whole patterned screen from any other.
WHOLE_PATTERN=("0,0=$(pattern_hex 0 0)" "700,300=$(pattern_hex 700 300)" "1279,1023=$(pattern_hex 1279 1023)")

# paint <variable> [driver paint options]  Shows a window of known content in
# front until the test ends: its handle goes into the variable, the driver's
# process into <variable>_pid, the driver's output (keyup=VK as a key is let
# go) into the file <variable>_out, a quadrant pattern's colours into
# COLOUR[name]. Wine shows the tray's own window at the top left above the
# windows there before it, so a test paints after start_resident.
declare -A COLOUR
paint() {
  local var=$1 out pid name value
  shift
  out=$(mktemp "$E2E_DIR/paint.XXXXXX")
  "$RUXA_WINE" "$DRIVER_EXE" paint "$@" </dev/null >"$out" 2>&1 &
  pid=$!
  on_cleanup "kill $pid 2>/dev/null; wait $pid 2>/dev/null || true"
  wait_for 30 "the paint window did not show (see $out)" grep -q '^hwnd=' "$out"
  while IFS='=' read -r name value; do
    if [ "$name" = hwnd ]; then printf -v "$var" '%s' "$value"; else COLOUR[$name]=$value; fi
  done <"$out"
  printf -v "${var}_pid" '%s' "$pid"
  printf -v "${var}_out" '%s' "$out"
}

shown() { # shown <class> [title]: a window of that class (and caption) is there and shown
  [ "$(driver wait-window --class "$1" ${2:+--title "$2"} --timeout 0 2>/dev/null | sed -n 's/.* visible=//p')" = 1 ]
}

# Waits until ruxa's dialog with that caption is shown (a hidden one: once it shows again).
await_dialog() { wait_for 30 "the dialog $1 did not show" shown '#32770' "$1"; }

# Types the keys to ruxa's dialog and waits until they have closed it.
close_with() { driver keys --title "$1" --keys "$2" >/dev/null && driver wait-gone --class '#32770' --title "$1" >/dev/null; }

# control_is <visible|focus> <dialog> <control name (see the driver's control)>
control_is() { [[ $(driver control --title "$2" --name "$3" --show 1) == *"$1=1"* ]]; }

# Waits for the focus to reach the control (keys typed are taken a moment later).
expect_focus() { # expect_focus <what> <dialog> <control name>
  wait_for 10 "$1: the focus is not on [$3]" control_is focus "$2" "$3"
}

# Waits for ruxa's message box, checks its text and that OK is its only
# button, and presses OK. BOX keeps what the driver read.
expect_box() { # expect_box <title> <text, line breaks as \n>
  BOX=$(driver msgbox --title "$1")
  expect_eq "message $1" "$2" "$(sed -n 's/^text=//p' <<<"$BOX")"
  expect_eq "buttons of $1" 'button=1' "$(grep '^button=' <<<"$BOX" | cut -d' ' -f1 | paste -sd' ')"
  driver press --title "$1" >/dev/null
}

# --- two monitors -------------------------------------------------------------

# use_two_monitors left|right  From here on the test's Wine programs and
# xdotool run on two monitors, 640x480 with 800x600 on its right, tops
# aligned, the one named primary (a change ends every program running
# there). Sets LEFT_MONITOR, RIGHT_MONITOR and VIRTUAL_SCREEN as the driver
# prints rectangles: "left,top,right,bottom". With the right one primary the
# left one lies at negative x; xdotool still counts from the left edge. Needs
# the fixture TwoMonitorEnv (ruxa_wine_test ... TWO_MONITORS).
use_two_monitors() {
  local primary=$1
  bash "$E2E_HERE/../../cmake/two-monitor-env.sh" layout "$primary" ||
    fail "no two-monitor display with the $primary one primary (is the test TWO_MONITORS?)"
  DISPLAY=$(<"$RUXA_TEST_ENV/two-monitors/display")
  export DISPLAY WINEPREFIX=$RUXA_TWO_MONITOR_PREFIX
  if [ "$primary" = left ]; then
    LEFT_MONITOR=0,0,640,480 RIGHT_MONITOR=640,0,1440,600 VIRTUAL_SCREEN=0,0,1440,600
  else
    LEFT_MONITOR=-640,0,0,480 RIGHT_MONITOR=0,0,800,600 VIRTUAL_SCREEN=-640,0,800,600
  fi
}

# --- the resident program -------------------------------------------------------

# Starts ruxa resident and waits for its icon in the tray; RUXA_HWND is its hidden window.
start_resident() {
  start_ruxa "$@"
  RUXA_HWND=$(driver wait-window --class FrmRuxa | sed -n 's/^hwnd=\([0-9]*\).*/\1/p')
  [ -n "$RUXA_HWND" ] || fail "ruxa's main window did not appear"
  wait_for 10 "ruxa's tray icon did not appear" tray_icon_held
}
tray_icon_held() { [ "$(driver tray-icon --hwnd "$RUXA_HWND")" = icon=1 ]; }

# The tray icon's callback as the notification area sends it: 516 right
# button down, 515 left double-click.
tray() { driver post --class FrmRuxa --msg 512 --lparam "$1" >/dev/null; }

# Right-click on the icon, then the driver's menu keys; prints the menu's rectangle.
choose() { tray 516; driver menu --keys "$1"; }

# "終了(&X)": the program must end normally, having printed nothing the test did not claim.
end_ruxa() {
  choose x >/dev/null
  wait_ruxa_exit 終了
  expect_no_pdf
}

# --- what the shell is asked to open -------------------------------------------

windows_path() { "$RUXA_WINE" winepath -w "$1" 2>/dev/null; }
unix_path() { "$RUXA_WINE" winepath -u "$1" 2>/dev/null; }
reg_quiet() { "$RUXA_WINE" reg "$@" </dev/null >/dev/null 2>&1; }

# The registry key goes back to what it was when the test ends.
restore_key_at_end() { # restore_key_at_end <key>
  local saved import=
  saved=$(mktemp "$E2E_DIR/key.XXXXXX")
  reg_quiet export "$1" "$saved" /y && import="; reg_quiet import '$saved'"
  on_cleanup "reg_quiet delete '$1' /f$import"
}

# The recorder stands in for the program that opens a URL scheme (mailto) or
# a file type (.html), writing to the file what the shell asks it to open.
# Wine 8 consults the machine's classes only, so those are replaced meanwhile.
record_opened() { # record_opened <scheme or .extension> <file>
  local classes='HKLM\Software\Classes' verbs
  restore_key_at_end "$classes\\$1"
  verbs=$classes\\$1
  if [[ $1 == .* ]]; then
    # A file type names a class, which holds the verbs.
    verbs=$classes\\ruxa-e2e-recorder
    restore_key_at_end "$verbs"
    reg_quiet add "$classes\\$1" /ve /d ruxa-e2e-recorder /f || fail "could not register a class for $1"
  fi
  reg_quiet add "$verbs\\shell\\open\\command" /ve /f \
    /d "\"$(windows_path "$RECORDER_EXE")\" \"$(windows_path "$2")\" \"%1\"" ||
    fail "could not set the recorder for $1"
}

# The .html recorder was asked to open the help page <page>: a file of ruxa's
# help folder that is there and has the heading given (how the pages link:
# the test help_pages). HELP_OPENED keeps its Windows path; the record goes.
expect_help_page() { # expect_help_page <record> <page> <heading>
  local page
  wait_for 10 "no help page was opened (expected $2)" test -s "$1"
  HELP_OPENED=$(tr -d '\r\n' <"$1")
  rm -f "$1"
  [[ $HELP_OPENED == *'\ruxa\help\'*"\\$2" ]] || fail "opened [$HELP_OPENED] instead of the help page $2"
  page=$(unix_path "$HELP_OPENED")
  [ -f "$page" ] || fail "the help page opened is not there: $HELP_OPENED"
  expect_eq "heading of $2" "$3" "$(sed -n 's:.*<h1>\(.*\)</h1>.*:\1:p' "$page")"
}

# --- the clipboard ------------------------------------------------------------

# Puts text on the clipboard, so that a bitmap there later is a new one.
mark_clipboard() { driver clipboard-text --set ruxa-e2e >/dev/null; }

# Prints "W H" of the clipboard's bitmap, "0 0" when there is none.
clipboard_size() { driver clipboard-size | sed -n 's/^width=\([0-9]*\) height=\([0-9]*\)$/\1 \2/p'; }

# expect_clipboard <W> <H> [X,Y=RRGGBB]...  Waits for a bitmap of that size
# on the clipboard and checks those pixels.
expect_clipboard() {
  local w=$1 h=$2 points="" check out end=$((SECONDS + 60))
  shift 2
  until [ "$(clipboard_size)" = "$w $h" ] || [ "$SECONDS" -ge "$end" ]; do sleep 0.1; done
  expect_eq "clipboard bitmap size" "$w $h" "$(clipboard_size)"
  for check; do points+="${check%%=*} "; done
  out=$(driver clipboard-size --points "$points")
  for check; do
    expect_eq "clipboard pixel ${check%%=*}" "${check#*=}" "$(sed -n "s/^pixel=${check%%=*} //p" <<<"$out")"
  done
}

# --- the printer --------------------------------------------------------------

# Each test prints on a CUPS PDF queue of its own, also its Wine's default
# printer (read from LPDEST when the spooler first copies the CUPS queues),
# so it knows its jobs by number whatever else prints meanwhile: every job
# must be claimed by a wait_pdf. A test without printers sets QUEUE= first.
QUEUE=${QUEUE-ruxa-e2e-$$}
PDF_DIR=$(bash "$E2E_HERE/../../cmake/cups-pdf.sh" outdir)
JOBS_CLAIMED=0
if [ -n "$QUEUE" ]; then
  lpadmin -p "$QUEUE" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null ||
    fail "could not create the CUPS queue $QUEUE"
  on_cleanup "lpadmin -x $QUEUE"
  export LPDEST=$QUEUE
fi

# The queue's unclaimed jobs, oldest first: all or the completed ones (CUPS
# keeps those in its history; numbers only grow).
unclaimed_jobs() { # unclaimed_jobs [all|completed]
  LC_ALL=C lpstat -W "${1:-all}" -o "$QUEUE" 2>/dev/null | sed -n "s/^$QUEUE-\([0-9]*\) .*/\1/p" | sort -n |
    awk -v claimed="$JOBS_CLAIMED" '$1 > claimed'
}

# Whether the next job has become a PDF (sets JOB and PDF): whole once the job is completed.
next_pdf_done() {
  JOB=$(unclaimed_jobs | awk 'NR == 1')
  [ -n "$JOB" ] && [ "$(unclaimed_jobs completed | awk 'NR == 1')" = "$JOB" ] &&
    PDF=$(compgen -G "$PDF_DIR/*-job_$JOB.pdf")
}

# wait_pdf [W H [X,Y=RRGGBB]...]  Claims the next job's PDF, moved into the
# test's folder as PDF. With arguments, its one image must be W x H with those pixels.
wait_pdf() {
  local check
  wait_for 60 "no PDF was printed" next_pdf_done
  JOBS_CLAIMED=$JOB
  mv "$PDF" "$E2E_DIR/job_$JOB.pdf"
  PDF=$E2E_DIR/job_$JOB.pdf
  [ $# -eq 0 ] && return
  expect_eq "size of the image printed" "${1}x$2" "$(pdfimages -list "$PDF" | awk 'NR == 3 { print $4 "x" $5 }')"
  pdfimages -png "$PDF" "$E2E_DIR/image"
  for check in "${@:3}"; do
    expect_eq "pixel ${check%%=*} of the image printed" "${check#*=}" \
      "$(convert "$E2E_DIR/image-000.png" -format "%[hex:p{${check%%=*}}]" info:)"
  done
}

# Fails when the queue holds a job no wait_pdf claimed.
expect_no_pdf() {
  local jobs
  jobs=$(unclaimed_jobs | paste -sd' ')
  [ -z "$jobs" ] || fail "printed after all: job $jobs"
}

# A command-line run that must end by itself, having printed one page:
# claimed, and checked as wait_pdf does with the arguments after "--".
print_pdf() { # print_pdf <ruxa arguments>... [-- W H [X,Y=RRGGBB]...]
  local run=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do run+=("$1"); shift; done
  start_ruxa "${run[@]}"
  wait_ruxa_exit "ruxa ${run[*]}"
  wait_pdf "${@:2}"
  expect_no_pdf
}

# The bounds "L T R B" (right and bottom exclusive) of what differs from the
# border colour in the image convert makes of its arguments, which add a
# one-pixel border; "none" when nothing does.
bounds() { # bounds <image> <convert options>...
  local w h x y
  IFS='x+' read -r w h x y < <(convert "$@" -format '%@' info: 2>/dev/null)
  [ "$w" = 0 ] && echo none || echo "$((x - 1)) $((y - 1)) $((x - 1 + w)) $((y - 1 + h))"
}

# "R G B" (0 to 255) of the image at each point X,Y given, a line each.
colours_at() { # colours_at <image> [X,Y]...
  local image=$1 format='' point
  shift
  for point; do
    format+="%[fx:int(255*p{$point}.r+0.5)] %[fx:int(255*p{$point}.g+0.5)] %[fx:int(255*p{$point}.b+0.5)]\n"
  done
  convert "$image" -format "$format" info:
}

# Measures the PDF's first page rendered at <dpi> (72: a pixel is a point):
# M[paper], M[rot], M[size] "W H" in points as rendered (turned when
# rotated), M[bbox] around what is not pure white and M[at:X,Y] "R G B" for
# each point given.
declare -A M
measure_pdf() { # measure_pdf <dpi> [X,Y]...
  local dpi=$1 info colour w h paper
  shift
  M=()
  info=$(LC_ALL=C pdfinfo "$PDF")
  read -r w _ h _ paper <<<"$(sed -n 's/^Page size: *//p' <<<"$info")"
  paper=${paper#(}
  M[paper]=${paper%)}
  M[rot]=$(sed -n 's/^Page rot: *//p' <<<"$info")
  M[size]=$( ((M[rot] % 180 == 0)) && echo "$w $h" || echo "$h $w")
  pdftoppm -r "$dpi" -f 1 -l 1 -singlefile "$PDF" "$E2E_DIR/page"
  # A white frame makes white the colour trimmed away wherever the picture lies.
  M[bbox]=$(bounds "$E2E_DIR/page.ppm" -bordercolor white -border 1)
  while read -r colour; do M[at:$1]=$colour; shift; done < <(colours_at "$E2E_DIR/page.ppm" "$@")
}

# The numbers (fractions allowed) agree one by one within the tolerance.
expect_within() { # expect_within <what> <tolerance> <expected "a b ..."> <actual "a b ...">
  awk -v t="$2" -v e="$3" -v a="$4" 'BEGIN { n = split(e, x); if (split(a, y) != n) exit 1
    for (i = 1; i <= n; i++) if (x[i] - y[i] > t + 1e-9 || y[i] - x[i] > t + 1e-9) exit 1 }' ||
    fail "$1: expected [$3] within $2, got [$4]"
}

# The non-white bounds (M[bbox]) within a pixel of where the picture must be.
expect_bbox() { expect_within "$1: non-white bounds" 1 "$2 $3 $4 $5" "${M[bbox]}"; }

# No channel differs by more than a little: the renderer smooths pixels at a colour edge.
expect_colour() { expect_within "$1" 3 "$2" "$3"; }
