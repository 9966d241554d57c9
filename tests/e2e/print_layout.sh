# Page layout of a printed window capture: paper size and orientation, the
# three size modes, the five positions (and one outside them) and colour
# reversal. One pattern window is printed once per case with
# "/a /h=<its handle>", so the capture's size is known exactly, and the PDF is
# measured at 72 dpi (1 pixel = 1 point = 20 twips): the picture's non-white
# bounds must lie where the twip arithmetic puts them, within one pixel, and
# each quadrant must show its colour (reversed: 255 - c).
source "$(dirname "$0")/lib.sh"
source "$E2E_HERE/print_lib.sh"

# Multiples of 8 pixels are whole device pixels at the PDF printer's 300 dpi
# (8 x 15 twips = 25 dots), so only the placement can be fractional.
readonly W0=320 H0=240
start_pattern 200 150 "$W0" "$H0"

# Where the picture must land, in points: "x0 y0 x1 y1". The printable area
# is SW x SH twips, PW x PH screen pixels (rounded, halves to even); the
# picture is w x h pixels by the size mode and goes to (x, y) twips by the
# position, the bottom ones keeping 12 pixels above the bottom edge.
expected_box() { # expected_box <dpi> <horzres> <vertres> <size> <sizep> <hiritsu> <pos>
  awk -v dpi="$1" -v hres="$2" -v vres="$3" -v size="$4" -v sizep="$5" -v hiritsu="$6" -v pos="$7" \
    -v w0="$W0" -v h0="$H0" -v t="$TWIPS_PER_PX" '
    function even(v,   r) { r = int(v); if (v - r > 0.5 || (v - r == 0.5 && r % 2 == 1)) r++; return r }
    BEGIN {
      sw = hres * 1440 / dpi; sh = vres * 1440 / dpi
      pw = even(sw / t); ph = even(sh / t)
      if (size == 1) { w = w0; h = h0 }
      else if (size == 3) { w = even(sizep * w0 / 100); h = even(sizep * h0 / 100) }
      else if (hiritsu != 1) { w = pw; h = ph }
      else {
        # The side with the smaller margin in pixels binds; ties bind the height.
        dx = pw - w0; dy = ph - h0
        if (dx >= 0 && dy >= 0) width = dx < dy
        else if (dx >= 0) width = 0
        else if (dy >= 0) width = 1
        else width = -dx > -dy
        if (width) { w = pw; h = even(h0 * pw / w0) } else { h = ph; w = even(w0 * ph / h0) }
      }
      right = sw - w * t; bottom = sh - (h + 12) * t
      x = (pos == 2 || pos == 5) ? right : (pos == 3 ? right / 2 : 0)
      y = (pos == 4 || pos == 5) ? bottom : (pos == 3 ? (sh - h * t) / 2 : 0)
      printf "%.4f %.4f %.4f %.4f\n", x / 20, y / 20, (x + w * t) / 20, (y + h * t) / 20
    }'
}

# One point inside each quadrant of a picture, a quarter of it in from its
# corner: "quadrant X,Y" lines.
quadrant_points() { # quadrant_points <x0> <y0> <x1> <y1>
  awk -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" 'BEGIN {
    qx = (x1 - x0) / 4; qy = (y1 - y0) / 4
    printf "topleft %d,%d\ntopright %d,%d\n", x0 + qx, y0 + qy, x1 - qx, y0 + qy
    printf "bottomleft %d,%d\nbottomright %d,%d\n", x0 + qx, y1 - qy, x1 - qx, y1 - qy
  }'
}

check_case() { # check_case <name> <paper> <orientation> <size> <sizep> <hiritsu> <pos> <reverse>
  local name=$1 paper=$2 orientation=$3 size=$4 sizep=$5 hiritsu=$6 pos=$7 reverse=$8
  local dpi hres vres x0 y0 x1 y1 point quadrant colour
  printable_area "$paper" "$orientation"
  read -r dpi hres vres <<<"$AREA"
  read -r x0 y0 x1 y1 <<<"$(expected_box "$dpi" "$hres" "$vres" "$size" "$sizep" "$hiritsu" "$pos")"
  local -a points
  mapfile -t points < <(quadrant_points "$x0" "$y0" "$x1" "$y1")

  print_ini PaperSize="$paper" Orientation="$orientation" Size="$size" SizeP="$sizep" Hiritsu="$hiritsu" \
    Pos="$pos" ReversePrint="$reverse"
  print_pdf /a "/h=$PATTERN_HWND"
  measure_pdf $(for point in "${points[@]}"; do echo "--at ${point#* }"; done)

  local paper_name=A4 rot=0 width height
  [ "$paper" = 8 ] && paper_name=A3
  [ "$orientation" = 2 ] && rot=90
  expect_eq "$name: paper" "$paper_name" "${M[paper]}"
  expect_eq "$name: page rotation" "$rot" "${M[rot]}"
  read -r width height <<<"${M[raster]}"
  if [ "$orientation" = 2 ]; then
    [ "$width" -gt "$height" ] || fail "$name: page is not landscape: ${M[raster]}"
  else
    [ "$width" -lt "$height" ] || fail "$name: page is not portrait: ${M[raster]}"
  fi
  expect_bbox "$name" "$paper" "$orientation" "$x0" "$y0" "$x1" "$y1"

  for point in "${points[@]}"; do
    quadrant=${point%% *}
    colour=${PATTERN_COLOUR[$quadrant]}
    [ "$reverse" = 1 ] && colour=$(reversed "$colour")
    expect_colour "$name: $quadrant at ${point#* }" "$colour" "${M[at:${point#* }]}"
  done
  echo "ok: $name"
}

# name                                 paper orientation size sizep hiritsu pos reverse
check_case "actual size, top left"           9 1 1 100 1 1 0
check_case "actual size, top right"          9 1 1 100 1 2 0
check_case "actual size, centre"             9 1 1 100 1 3 0
check_case "actual size, bottom left"        9 1 1 100 1 4 0
check_case "actual size, bottom right"       9 1 1 100 1 5 0
check_case "A4 landscape, bottom right"      9 2 1 100 1 5 0
check_case "A3, centre"                      8 1 1 100 1 3 0
check_case "A3 landscape, fit, height binds" 8 2 2 100 1 3 0
check_case "fit keeping ratio, width binds"  9 1 2 100 1 3 0
check_case "fit stretched to the page"       9 1 2 100 0 1 0
check_case "ratio 50%, centre"               9 1 3 50 1 3 0
check_case "ratio 200%, top left"            9 1 3 200 1 1 0
check_case "reversed, landscape, centre"     9 2 1 100 1 3 1

# A position outside 1 to 5 places no picture, yet the page is printed.
print_ini Pos=0
print_pdf /a "/h=$PATTERN_HWND"
measure_pdf
expect_eq "position 0: paper" A4 "${M[paper]}"
expect_eq "position 0: non-white bounds" none "${M[bbox]}"
echo "ok: position 0, blank page"
