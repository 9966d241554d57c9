# What the command line captures and prints: "/a /h=N" exactly that window's
# rectangle, "/a" the foreground window, "/d" the whole screen. Printed at
# actual size and rendered at 96 dpi, one screen pixel becomes one pixel of
# the rendered page, so the pattern's one-pixel border shows whether the
# capture took the window's rectangle to the pixel.
# (The cursor drawn into captures is tested in-process, in
# tests/win/CaptureCursor_ut.cpp: Wine cannot draw a cursor that belongs to
# another process, such as the pattern window's.)
source "$(dirname "$0")/lib.sh"
source "$E2E_HERE/print_lib.sh"

readonly X0=200 Y0=150 W0=320 H0=240
start_pattern "$X0" "$Y0" "$W0" "$H0"

# The pattern printed at actual size at the top left, measured at 96 dpi.
check_window_print() { # check_window_print <what> <ruxa arguments>...
  local what=$1
  shift
  print_ini
  print_pdf "$@"
  measure_pdf --dpi 96
  local -a box
  read -ra box <<<"${M[bbox]}"
  [ ${#box[@]} -eq 4 ] || fail "$what: nothing printed"
  expect_near "$what: printed width in pixels" "$W0" "$((box[2] - box[0]))" 1
  expect_near "$what: printed height in pixels" "$H0" "$((box[3] - box[1]))" 1
  expect_eq "$what: left edge" 0 "${box[0]}"
  expect_eq "$what: top edge" 0 "${box[1]}"

  # Each edge of the print is the border, with the quadrants right inside it:
  # a capture one pixel off would show the desktop on one side and lose the
  # border on the other.
  local left=${box[0]} top=${box[1]} right=$((box[2] - 1)) bottom=$((box[3] - 1))
  local qy=$((top + H0 / 4)) qx=$((left + W0 / 4))
  local -a probes=(
    "$left,$qy border" "$((left + 1)),$qy topleft"
    "$right,$qy border" "$((right - 1)),$qy topright"
    "$qx,$top border" "$qx,$((top + 1)) topleft"
    "$qx,$bottom border" "$qx,$((bottom - 1)) bottomleft"
  )
  local probe
  measure_pdf --dpi 96 $(for probe in "${probes[@]}"; do echo "--at ${probe% *}"; done)
  for probe in "${probes[@]}"; do
    expect_colour "$what: ${probe#* } at ${probe% *}" "${PATTERN_COLOUR[${probe#* }]}" "${M[at:${probe% *}]}"
  done
  echo "ok: $what"
}

check_window_print "window by handle" /a "/h=$PATTERN_HWND"
# The pattern window made itself the foreground window.
check_window_print "foreground window" /a

# The whole screen at half size: a screen pixel is 0.5 x 15 twips = 0.375 pt.
print_ini Size=3 SizeP=50
print_pdf /d
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
pt() { awk -v v="$1" 'BEGIN { print v * 0.375 }'; }
point() { awk -v x="$1" -v y="$2" 'BEGIN { printf "%d,%d", x * 0.375, y * 0.375 }'; }
inside=$(point $((X0 + W0 / 4)) $((Y0 + H0 / 4)))
# Wine reads the screen outside its own windows as black.
outside=$(point $((screen_width - 100)) $((screen_height - 100)))
measure_pdf --at "$inside" --at "$outside"
expect_bbox desktop 9 1 0 0 "$(pt "$screen_width")" "$(pt "$screen_height")"
expect_colour "desktop: the pattern's top left quadrant" "${PATTERN_COLOUR[topleft]}" "${M[at:$inside]}"
expect_colour "desktop: the screen beside the pattern" "0 0 0" "${M[at:$outside]}"
echo "ok: desktop"
