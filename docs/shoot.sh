#!/usr/bin/env bash
# Takes the pictures of ruxa's windows in docs/images, at 96 and 144 DPI, on
# a virtual display and in a Wine prefix of their own, so the test prefix
# keeps its DPI. Run by hand after a build:  bash docs/shoot.sh
#
# One row of SHOTS per picture: the image's name, the caption of the window
# to shoot, ruxa's arguments (none: resident in the tray), and the steps that
# reach that window, separated by ";": "menu K" picks the tray menu item with
# access key K, "keys T K" types the keys K into the window titled T. A row
# that prints (its fifth field "held") prints to a queue of the script's own
# that holds every job and is deleted at the end, so nothing reaches paper.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SHOTS=(
  "print-dialog|印刷確認|/d /c|"
  "printing|印刷中|/d /c|keys 印刷確認 return|held"
  "options-basic|ｵﾌﾟｼｮﾝ設定||menu o"
  "options-print|ｵﾌﾟｼｮﾝ設定||menu o;keys ｵﾌﾟｼｮﾝ設定 ctrl+tab"
  "options-hotkeys|ｵﾌﾟｼｮﾝ設定||menu o;keys ｵﾌﾟｼｮﾝ設定 ctrl+tab,ctrl+tab"
  "options-other|ｵﾌﾟｼｮﾝ設定||menu o;keys ｵﾌﾟｼｮﾝ設定 ctrl+tab,ctrl+tab,ctrl+tab"
  "about|ヴェルモ のﾊﾞｰｼﾞｮﾝ情報||menu a"
)
DPIS=(96 144)

export RUXA_WINEPREFIX=$root/build/win/shots/prefix
export RUXA_TEST_ENV=$root/build/win/shots/env
unset DISPLAY
bash "$root/cmake/wine-env.sh" start >/dev/null
held=ruxa-shots
bash "$root/cmake/cups-pdf.sh" hold "$held"
trap 'bash "$root/cmake/cups-pdf.sh" drop "$held"; bash "$root/cmake/wine-env.sh" stop' EXIT
source "$root/cmake/wine-vars.sh"
driver() { "$RUXA_WINE" "$root/build/win/tests/e2e/driver/ruxa_driver.exe" "$@" </dev/null; }
# Asked natively, not through a Wine process, so that a window shown for a
# moment only (印刷中) is still caught: sets window.
await() {
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && return
    sleep 0.05
  done
  echo "shoot.sh: no window $1" >&2
  exit 1
}

program=$RUXA_TEST_ENV/program
mkdir -p "$program" "$root/docs/images"
cp "$root/build/win/ruxa.exe" "$program/"
default_printer=$(LC_ALL=C lpstat -d | sed -n 's/^system default destination: //p')
# Two named settings, the second chosen, so the lists have something to show;
# all on the printer $1.
write_ini() {
  local section printer=$1
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

# The steps of a row, then the window to shoot.
reach() {
  local step
  IFS=';' read -ra steps <<<"$1"
  for step in "${steps[@]}"; do
    set -- $step
    case $1 in
      menu)
        driver wait-window --class FrmRuxa >/dev/null
        driver post --class FrmRuxa --msg 512 --lparam 516 >/dev/null
        driver menu --keys "$2" >/dev/null ;;
      keys) await "$2"; driver keys --keys "$3" --title "$2" >/dev/null ;;
    esac
  done
}

for dpi in "${DPIS[@]}"; do
  "$RUXA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  for row in "${SHOTS[@]}"; do
    IFS='|' read -r name title arguments steps queue <<<"$row"
    write_ini "$([ "$queue" = held ] && echo "$held" || echo "$default_printer")"
    # shellcheck disable=SC2086  # the arguments are words
    (cd "$program" && exec "$RUXA_WINE" ruxa.exe $arguments) </dev/null >/dev/null 2>&1 &
    pid=$!
    reach "$steps"
    await "$title"
    # A dialog is given a moment to paint; 印刷中 painted itself before the
    # print began and is gone when it ends.
    [ "$queue" = held ] || sleep 0.3
    import -display "$DISPLAY" -window "$window" "$root/docs/images/$name-$dpi.png"
    echo "docs/images/$name-$dpi.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
done
