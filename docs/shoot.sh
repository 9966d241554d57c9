#!/usr/bin/env bash
# Takes the pictures of ruxa's windows in docs/images, at 96 and 144 DPI, on
# a virtual display and in a Wine prefix of their own, so the test prefix
# keeps its DPI. Run by hand after a build:  bash docs/shoot.sh
#
# One row of SHOTS per picture: the image's name, the caption of the window
# to shoot, ruxa's arguments, and the keys typed into the first window that
# shows (- for none) to reach the one to shoot. The printing window stands for
# a second before its page is printed (to the PDF queue).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SHOTS=(
  "print-dialog|印刷確認|/d /c|-"
  "printing|印刷中|/d /c|return"
)
DPIS=(96 144)

export RUXA_WINEPREFIX=$root/build/win/shots/prefix
export RUXA_TEST_ENV=$root/build/win/shots/env
unset DISPLAY
bash "$root/cmake/wine-env.sh" start >/dev/null
trap 'bash "$root/cmake/wine-env.sh" stop' EXIT
source "$root/cmake/wine-vars.sh"
driver() { "$RUXA_WINE" "$root/build/win/tests/e2e/driver/ruxa_driver.exe" "$@" </dev/null; }
visible() { [ "$(driver wait-window --title "$1" --timeout 0 2>/dev/null | sed -n 's/.* visible=//p')" = 1 ]; }
await() {
  for _ in $(seq 300); do visible "$1" && return; sleep 0.1; done
  echo "shoot.sh: no window $1" >&2
  exit 1
}

program=$RUXA_TEST_ENV/program
mkdir -p "$program" "$root/docs/images"
cp "$root/build/win/ruxa.exe" "$program/"
printer=$(LC_ALL=C lpstat -d | sed -n 's/^system default destination: //p')
# Two named settings, the second chosen, so the lists have something to show.
write_ini() {
  local section
  {
    printf '%s\n' '[Application]' 'Title=ヴェルモ' 'Version=2.50' '[Option]' 'ConfirmBeforePrint=1' 'PrinterCount=2' \
      'LastSet=1'
    for section in DefaultPrinter Printer1 Printer2; do
      printf '%s\n' "[$section]" "DeviceName=$printer" 'Hiritsu=1' 'Orientation=1' 'PaperBin=0' 'PaperSize=9' 'Pos=3'
      case $section in
        Printer1) printf '%s\n' 'Size=2' 'SizeP=100' 'Title=A4 全面' ;;
        Printer2) printf '%s\n' 'Size=3' 'SizeP=50' 'Title=A4 半分の大きさ' ;;
        *) printf '%s\n' 'Size=1' 'SizeP=100' ;;
      esac
    done
  } | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$program/ruxa.ini"
}

for dpi in "${DPIS[@]}"; do
  "$RUXA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  for row in "${SHOTS[@]}"; do
    IFS='|' read -r name title arguments keys <<<"$row"
    write_ini
    # shellcheck disable=SC2086  # the arguments are words
    (cd "$program" && exec "$RUXA_WINE" ruxa.exe $arguments) </dev/null >/dev/null 2>&1 &
    pid=$!
    if [ "$keys" != - ]; then
      await 印刷確認
      driver keys --keys "$keys" --title 印刷確認 >/dev/null
    fi
    await "$title"
    sleep 0.3
    window=$(xdotool search --name "^$title\$" | head -n 1)
    import -display "$DISPLAY" -window "$window" "$root/docs/images/$name-$dpi.png"
    echo "docs/images/$name-$dpi.png"
    visible 印刷確認 && driver keys --keys escape --title 印刷確認 >/dev/null
    wait "$pid" || true
  done
done
