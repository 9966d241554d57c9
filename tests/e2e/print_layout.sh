# What a command-line run captures and where it lands on the page. A window
# of four coloured quadrants in a one-pixel border is printed with "/a
# /h=<its handle>" and "/a" (the foreground window); the PDF page is measured:
# paper and orientation, the picture's non-white bounds within a pixel of
# where the layout puts it, each quadrant's colour (reversed: 255 - c). The
# table of layouts prints through 印刷確認, whose preview must show the
# picture where the page has it, in the colours printed. Last, printer
# settings that cannot be honoured: each is reported, printing nothing, or mended.
source "$(dirname "$0")/lib.sh"

DIALOG=印刷確認
# One point in each quadrant of the rectangle "L T R B", a quarter of it in
# from the corner, in the order of QUADRANTS.
QUADRANTS=(topleft topright bottomleft bottomright)
quarters() {
  awk -v r="$1" 'BEGIN { split(r, p); qx = (p[3] - p[1]) / 4; qy = (p[4] - p[2]) / 4
    printf "%d,%d %d,%d %d,%d %d,%d\n", p[1] + qx, p[2] + qy, p[3] - qx, p[2] + qy, p[1] + qx, p[4] - qy, p[3] - qx, p[4] - qy }'
}

# What the dialog's preview shows on the screen (X's root window, as a user
# sees it), once it shows a sheet: PREVIEW[paper] and PREVIEW[picture] in its
# pixels (see bounds), and the colour a quarter of the picture in from each
# corner, PREVIEW[topleft] and so on. The desk around the paper has the
# colour of the preview's corner; the test's printer reaches the whole
# paper, so the paper is white where the picture is not.
declare -A PREVIEW
PREVIEW_IMAGE=$E2E_DIR/preview.ppm
preview_shows_sheet() {
  local desk area
  area=$(driver control --title $DIALOG --name ﾌﾟﾚﾋﾞｭｰ --show 1 | sed -n 's/.* area=//p')
  import -window root -crop "$area" +repage "$PREVIEW_IMAGE" || return 1
  desk=\#$(convert "$PREVIEW_IMAGE" -format '%[hex:p{0,0}]' info:)
  PREVIEW[paper]=$(bounds "$PREVIEW_IMAGE" -bordercolor "$desk" -border 1)
  PREVIEW[picture]=$(bounds "$PREVIEW_IMAGE" -fill "$desk" -opaque white -bordercolor "$desk" -border 1)
  [ "${PREVIEW[paper]}" != none ]
}
read_preview() {
  local i=0 colour
  wait_for 30 "the preview of $DIALOG shows no sheet" preview_shows_sheet
  while read -r colour; do
    PREVIEW[${QUADRANTS[i++]}]=$colour
  done < <(colours_at "$PREVIEW_IMAGE" $(quarters "${PREVIEW[picture]}"))
}

# The preview's picture, scaled from its paper to the page measured (M), is
# where the page has the picture, within one pixel of the preview.
expect_preview_on_page() { # expect_preview_on_page <name>
  local scaled
  scaled=$(awk -v paper="${PREVIEW[paper]}" -v picture="${PREVIEW[picture]}" -v size="${M[size]}" 'BEGIN {
    split(paper, p); split(picture, q); split(size, s)
    sx = s[1] / (p[3] - p[1]); sy = s[2] / (p[4] - p[2])
    printf "%.2f %.2f %.2f %.2f|%.3f", (q[1] - p[1]) * sx, (q[2] - p[2]) * sy, (q[3] - p[1]) * sx, (q[4] - p[2]) * sy,
      (sx > sy ? sx : sy) }')
  expect_within "$1: the preview's picture on the page" "${scaled#*|}" "${scaled%|*}" "${M[bbox]}"
}

# Multiples of 8 pixels are whole device pixels at the PDF printer's 300 dpi
# (8 x 15 twips = 25 dots), so only the placement can be fractional.
readonly X0=200 Y0=150 W0=320 H0=240
paint pattern --style quadrants --x $X0 --y $Y0 --width $W0 --height $H0

# At actual size at the top left, rendered at 96 dpi, a screen pixel is a
# pixel of the page. The image printed is the capture: its edges are the
# border with the quadrants right inside, so one pixel off would show.
write_ini
hex() { printf '%02X%02X%02X' ${COLOUR[$1]}; }
for handle in "/h=$pattern" ""; do # the window by its handle, the foreground window
  print_pdf /a $handle -- $W0 $H0 "0,0=$(hex border)" "1,1=$(hex topleft)" "$((W0 - 2)),1=$(hex topright)" \
    "1,$((H0 - 2))=$(hex bottomleft)" "$((W0 - 2)),$((H0 - 2))=$(hex bottomright)" \
    "$((W0 - 1)),$((H0 - 1))=$(hex border)"
  measure_pdf 96
  expect_bbox "/a $handle" 0 0 $W0 $H0
done

# The window by handle with each layout (the five positions' arithmetic:
# PageLayout_ut), measured at 72 dpi. x0 y0 x1 y1 is where the layout puts
# the picture, in points from the page's top left: the printable area is the
# whole paper (A4 2479 x 3508 dots, A3 3508 x 4962 at 300 dpi, a fraction of
# a point lower on the PDF's page of whole points), the size comes from the
# size mode, the bottom positions keep 12 pixels above the edge. What falls
# off the page is not measured.
layouts="
name                             paper orient size sizep hiritsu pos reverse x0     y0     x1      y1
actual size, top left              9     1     1   100     1     1    0     0      0.08   240     180.08
actual size, centre                9     1     1   100     1     3    0     177.48 331.04 417.48  511.04
actual size, bottom right          9     1     1   100     1     5    0     354.96 653    594.96  833
A4 landscape, bottom right         9     2     1   100     1     5    0     601.92 406    841.92  586
A3, centre                         8     1     1   100     1     3    0     300.96 505.56 540.96  685.56
A3 landscape, fit, height binds    8     2     2   100     1     3    0     34.07  0      1156.82 842
fit keeping ratio, width binds     9     1     2   100     1     3    0     0.11   197.92 594.86  644.17
fit stretched to the page          9     1     2   100     0     1    0     0      0.08   594.75  842
ratio 50%, centre                  9     1     3   50      1     3    0     237.48 376.04 357.48  466.04
ratio 200%, top left               9     1     3   200     1     1    0     0      0.08   480     360.08
reversed, landscape, centre        9     2     1   100     1     3    1     300.96 207.52 540.96  387.52"
while read -r line; do
  name=${line%%  *}
  read -r paper orientation size sizep hiritsu pos reverse x0 y0 x1 y1 <<<"${line#"$name"}"
  write_ini PaperSize="$paper" Orientation="$orientation" Size="$size" SizeP="$sizep" Hiritsu="$hiritsu" \
    Pos="$pos" ReversePrint="$reverse"
  start_ruxa /a "/h=$pattern" /c
  await_dialog $DIALOG
  read_preview
  driver keys --keys return --title $DIALOG >/dev/null
  wait_ruxa_exit "$name"
  wait_pdf
  expect_no_pdf
  read -ra points <<<"$(quarters "$x0 $y0 $x1 $y1")"
  measure_pdf 72 "${points[@]}"
  expect_eq "$name: paper" "$([ "$paper" = 8 ] && echo A3 || echo A4)" "${M[paper]}"
  expect_eq "$name: page rotation" "$([ "$orientation" = 2 ] && echo 90 || echo 0)" "${M[rot]}"
  expect_bbox "$name" "$x0" "$y0" "$x1" "$y1"
  expect_preview_on_page "$name"
  for i in 0 1 2 3; do
    quadrant=${QUADRANTS[i]} at=${M[at:${points[i]}]}
    read -ra colour <<<"${COLOUR[$quadrant]}"
    [ "$reverse" = 1 ] && colour=($((255 - colour[0])) $((255 - colour[1])) $((255 - colour[2])))
    expect_colour "$name: $quadrant at ${points[i]}" "${colour[*]}" "$at"
    expect_colour "$name: $quadrant in the preview" "$at" "${PREVIEW[$quadrant]}"
  done
done < <(tail -n +3 <<<"$layouts")

# A position outside 1 to 5 places no picture, yet the page is printed.
write_ini Pos=0
print_pdf /a "/h=$pattern"
measure_pdf 72
expect_eq "position 0: paper" A4 "${M[paper]}"
expect_eq "position 0: non-white bounds" none "${M[bbox]}"

# JIS B4 (12) is no paper of the PDF printer. The message of the hidden
# program must come in front of the topmost pattern window, which had the foreground.
write_ini PaperSize=12
start_ruxa /a "/h=$pattern"
expect_box 用紙サイズエラー \
  '用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\nそれでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。'
expect_eq "paper size message in front" 'topmost=1 foreground=1' "$(grep '^topmost=' <<<"$BOX")"
wait_ruxa_exit "the paper size message" 1
expect_no_pdf

# With "/c", Enter prints; after the message the dialog is back, where A4 is
# chosen and printed. Its settings are kept; the run's own "/c" is not.
start_ruxa /a "/h=$pattern" /c
await_dialog $DIALOG
driver keys --keys return --title $DIALOG >/dev/null
driver press --title 用紙サイズエラー >/dev/null
await_dialog $DIALOG
driver wait-gone --class '#32770' --title 印刷中 >/dev/null
driver control --title $DIALOG --name '用紙：+1' --item 'A4、210 x 297 mm' >/dev/null
driver keys --keys return --title $DIALOG >/dev/null
wait_ruxa_exit "the print through $DIALOG"
wait_pdf $W0 $H0 "0,0=$(hex border)" "1,1=$(hex topleft)" "$((W0 - 2)),$((H0 - 2))=$(hex bottomright)"
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
