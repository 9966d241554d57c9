# Sourced after lib.sh by the tests that print: a pattern window of known
# content to capture, a ruxa.ini for one print, the PDF that print produced,
# and its measurements (measure.py).
#
# The CUPS queue is shared with whatever else prints on this machine, so a
# test knows its own page by the CUPS job its ruxa.exe run submitted, not by
# which file turns up next in the PDF folder.

MEASURE=$E2E_HERE/measure.py
PRINTER=PDF # the queue cmake/cups-pdf.sh sets up
PDF_DIR=$(bash "$E2E_HERE/../../cmake/cups-pdf.sh" outdir)
# Wine's screen has 96 pixels per inch: 1440 / 96 twips per pixel.
TWIPS_PER_PX=15

# Shows the driver's pattern window: a one-pixel border around four
# coloured quadrants meeting at (width / 2, height / 2). Sets PATTERN_HWND and
# PATTERN_COLOUR[border|topleft|topright|bottomleft|bottomright] ("R G B").
declare -A PATTERN_COLOUR
start_pattern() { # start_pattern <x> <y> <width> <height>
  local out=$E2E_DIR/pattern.out line
  "$RUXA_WINE" "$DRIVER_EXE" pattern --x "$1" --y "$2" --width "$3" --height "$4" </dev/null >"$out" 2>&1 &
  PATTERN_PID=$!
  on_cleanup stop_pattern
  # The driver answers once the pattern can be read back from the screen.
  for _ in $(seq 300); do
    grep -q '^bottomright=' "$out" && break
    kill -0 "$PATTERN_PID" 2>/dev/null || fail "pattern window: $(cat "$out")"
    sleep 0.1
  done
  grep -q '^bottomright=' "$out" || fail "the pattern window did not come up"
  PATTERN_HWND=$(sed -n 's/^hwnd=//p' "$out")
  while IFS== read -r name line; do
    [ "$name" = hwnd ] || PATTERN_COLOUR[$name]=$line
  done <"$out"
}

# Ending the process takes the window with it at once; a closed active
# window keeps Wine busy for seconds.
stop_pattern() {
  [ -n "${PATTERN_PID:-}" ] || return 0
  kill "$PATTERN_PID" 2>/dev/null || true
  wait "$PATTERN_PID" 2>/dev/null || true
  PATTERN_PID=
}

# Writes a ruxa.ini for command-line prints: printed at once on the PDF queue,
# A4 portrait, actual size at the top left, as captured, no cursor. Arguments
# KEY=VALUE change one key of [Option] or [DefaultPrinter].
print_ini() { # print_ini [KEY=VALUE]...
  local -A value=([ConfirmBeforePrint]=0 [ReversePrint]=0 [IconCapture]=0
    [DeviceName]=$PRINTER [Hiritsu]=1 [Orientation]=1 [PaperBin]=0 [PaperSize]=9 [Pos]=1 [Size]=1 [SizeP]=100)
  local pair key
  for pair; do
    key=${pair%%=*}
    [ -n "${value[$key]+set}" ] || fail "print_ini: unknown key $key"
    value[$key]=${pair#*=}
  done
  {
    # A title other than "0" and the current version: no first start.
    printf '%s\r\n' '[Application]' 'Title=ruxa' 'Version=2.50' '[Option]'
    for key in ConfirmBeforePrint ReversePrint IconCapture; do printf '%s=%s\r\n' "$key" "${value[$key]}"; done
    printf '%s\r\n' '[DefaultPrinter]'
    for key in DeviceName Hiritsu Orientation PaperBin PaperSize Pos Size SizeP; do
      printf '%s=%s\r\n' "$key" "${value[$key]}"
    done
  } >"$RUXA_INI"
}

# The newest job the queue has had (0 for none); completed jobs are kept in
# CUPS's history, so job numbers only grow.
last_job() {
  local n
  n=$({ LC_ALL=C lpstat -W all -o "$PRINTER" 2>/dev/null || true; } |
    sed -n "s/^$PRINTER-\([0-9]\+\) .*/\1/p" | sort -n | tail -n 1)
  echo "${n:-0}"
}

# Runs ruxa.exe with the arguments; it must end by itself with exit code 0.
# Sets NEW_JOBS to the number of jobs the queue received meanwhile and JOB to
# the last of them. Wine hands the job to CUPS before EndDoc returns, so a job
# ruxa submitted is there once it has ended.
run_ruxa_print() { # run_ruxa_print <ruxa arguments>...
  local before
  before=$(last_job)
  start_ruxa "$@"
  wait_ruxa_exit
  expect_eq "exit code of ruxa $*" 0 "$RUXA_EXIT"
  JOB=$(last_job)
  NEW_JOBS=$((JOB - before))
}

# Prints with ruxa.exe and sets PDF to the file cups-pdf made of that job.
# Another program printing at the same moment, or a test run elsewhere
# cancelling the queue's jobs as it starts, makes the job ambiguous or lost;
# then the print is simply repeated.
print_pdf() { # print_pdf <ruxa arguments>...
  local attempt
  for attempt in 1 2 3; do
    run_ruxa_print "$@"
    [ "$NEW_JOBS" -gt 0 ] || fail "ruxa $* submitted no print job"
    if [ "$NEW_JOBS" -eq 1 ] && wait_job_pdf "$JOB"; then
      return 0
    fi
    echo "print_pdf: attempt $attempt of ruxa $*: $NEW_JOBS new jobs, last $JOB without a PDF; again" >&2
  done
  fail "no PDF of its own for ruxa $*"
}

# Waits for the job to leave the queue and sets PDF to its file, named with
# the job number by cups-pdf; false when the job ended without one. The file
# moves into the test's folder, which goes when the test passes and stays for
# inspection when it fails.
wait_job_pdf() { # wait_job_pdf <job>
  local file
  for _ in $(seq 600); do
    LC_ALL=C lpstat -W completed -o "$PRINTER" 2>/dev/null | grep -q "^$PRINTER-$1 " && break
    sleep 0.05
  done
  file=$(compgen -G "$PDF_DIR/*-job_$1.pdf" | head -n 1) || return 1
  PDF=$E2E_DIR/job_$1.pdf
  mv "$file" "$PDF"
}

# Measures the PDF's first page (measure.py options); sets M[key] for each
# line measure.py prints, M[at:X,Y] for the colour at a point.
declare -A M
measure_pdf() { # measure_pdf <measure.py options>...
  local out line key
  out=$(python3 "$MEASURE" pdf "$PDF" "$@") || fail "measure.py failed on $PDF"
  M=()
  while IFS= read -r line; do
    case $line in
      at=*) key=${line%% *}; M[${key/=/:}]=${line#* } ;;
      *) M[${line%%=*}]=${line#*=} ;;
    esac
  done <<<"$out"
}

# Sets AREA to the printer's printable area for a paper size and
# orientation, in device pixels: "dpi horzres vertres". It starts at the
# paper's corner.
declare -A PRINTABLE_AREA
printable_area() { # printable_area <paper> <orientation>
  local key="$1/$2" out
  if [ -z "${PRINTABLE_AREA[$key]:-}" ]; then
    out=$(driver printer-metrics --printer "$PRINTER" --paper "$1" --orientation "$2")
    expect_eq "offset of the printable area ($key)" "offset=0 0" "$(grep '^offset=' <<<"$out")"
    PRINTABLE_AREA[$key]="$(sed -n 's/^dpi=\([0-9]*\) .*/\1/p' <<<"$out") $(sed -n 's/^printable=//p' <<<"$out")"
  fi
  AREA=${PRINTABLE_AREA[$key]}
}

# Compares the measured non-white bounds (M[bbox], rendered at 72 dpi) with
# where the picture must be in points from the printable area's corner,
# within one pixel. The PDF's page comes from the printer's size table in
# whole points and can be a fraction of a point taller than the device's
# page in whole dots; the device page sits at the bottom of it, so everything
# moves down by the difference. What falls off the page is not measured.
expect_bbox() { # expect_bbox <what> <paper> <orientation> <x0> <y0> <x1> <y1>
  local what=$1 dpi hres vres width height page_height
  local -a box got
  printable_area "$2" "$3"
  read -r dpi hres vres <<<"$AREA"
  read -r width height <<<"${M[raster]}"
  # Landscape pages are portrait pages turned by 90 degrees.
  if [ "${M[rot]}" = 90 ]; then page_height=${M[page]% *}; else page_height=${M[page]#* }; fi
  read -ra box <<<"$(awk -v x0="$4" -v y0="$5" -v x1="$6" -v y1="$7" -v w="$width" -v h="$height" \
    -v dy="$(awk -v p="$page_height" -v v="$vres" -v d="$dpi" 'BEGIN { print p - v * 72 / d }')" '
    function clip(v, m) { return v < 0 ? 0 : (v > m ? m : v) }
    BEGIN { print clip(x0, w), clip(y0 + dy, h), clip(x1, w), clip(y1 + dy, h) }')"
  read -ra got <<<"${M[bbox]}"
  [ ${#got[@]} -eq 4 ] || fail "$what: nothing printed (bbox=${M[bbox]})"
  expect_near "$what: left edge" "${box[0]}" "${got[0]}" 1
  expect_near "$what: top edge" "${box[1]}" "${got[1]}" 1
  expect_near "$what: right edge" "${box[2]}" "${got[2]}" 1
  expect_near "$what: bottom edge" "${box[3]}" "${got[3]}" 1
}

# Passes when |expected - actual| <= tolerance (numbers may have fractions).
expect_near() { # expect_near <what> <expected> <actual> <tolerance>
  awk -v e="$2" -v a="$3" -v t="$4" 'BEGIN { d = e - a; exit !(d <= t + 1e-9 && -d <= t + 1e-9) }' ||
    fail "$1: expected $2 (±$4), got $3"
}

# Colours agree when no channel differs by more than a little: the PDF
# renderer smooths pixels next to a colour edge.
expect_colour() { # expect_colour <what> <expected "R G B"> <actual "R G B">
  local e a i
  read -ra e <<<"$2"
  read -ra a <<<"$3"
  [ ${#a[@]} -eq 3 ] || fail "$1: no colour measured"
  for i in 0 1 2; do
    expect_near "$1 (expected $2, got $3)" "${e[i]}" "${a[i]}" 3
  done
}

# The colour-reversed "R G B": 255 - c in every channel.
reversed() { # reversed <"R G B">
  local c
  read -ra c <<<"$1"
  echo "$((255 - c[0])) $((255 - c[1])) $((255 - c[2]))"
}
