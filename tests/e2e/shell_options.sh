# The options dialog on a fresh program folder, as a user works it. The
# first start leaves the main window hidden and writes the first-start
# settings: confirmation before printing, all nine slots on Ctrl+Alt+P. From
# the tray menu the dialog opens, Ctrl+Tab reaches the hot key page, slots 1
# to 8 are switched off and slot 0 bound to Ctrl+Alt+Q, Enter presses OK.
# ruxa.ini then holds exactly the new values, and Ctrl+Alt+Q opens the print
# confirmation while Ctrl+Alt+P is free, at once and after a restart. Closing
# the hidden window (as another program may) ends the first run normally.
# On the way, ﾍﾙﾌﾟ(&H) opens the page of what shows, in the browser: the
# contents from the tray menu, the page of each tab, 印刷確認's page.
source "$(dirname "$0")/lib.sh"

TITLE='ｵﾌﾟｼｮﾝ設定'
DIALOG=印刷確認
# A control of each page, which shows with its page.
ON_PAGE=('ｾﾙﾌﾀｲﾏｰ' '印刷位置' 'ﾊｰﾄﾞｺﾋﾟｰ' 'ｱﾌﾟﾘｹｰｼｮﾝﾀｲﾄﾙ')
# The hot key rows by their labels, in slot order, each in its frame; the
# row's 有効 follows its label, its key list comes five controls after it.
ROWS=('ﾊｰﾄﾞｺﾋﾟｰ/ﾃﾞｽｸﾄｯﾌﾟ全体' 'ﾊｰﾄﾞｺﾋﾟｰ/ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ' 'ﾊｰﾄﾞｺﾋﾟｰ/領域指定' 'ﾊｰﾄﾞｺﾋﾟｰ/ﾌｧｲﾙ指定'
  'ｺﾋﾟｰ/ﾃﾞｽｸﾄｯﾌﾟ全体' 'ｺﾋﾟｰ/ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ' 'ｺﾋﾟｰ/領域指定' 'ｺﾋﾟｰ/ﾌｧｲﾙ指定' 'ｵﾌﾟｼｮﾝ設定')

# Every key of the file as section.key=value, sorted.
ini_keys() { ini_text | awk '/^\[/ { s = tolower($0); next } { print s $0 }' | sort; }

OPENED=$E2E_DIR/opened.txt
record_opened .html "$OPENED"

start_resident
expect_eq "main window shown" 0 "$(driver wait-window --class FrmRuxa | sed -n 's/.* visible=//p')"
expect_first_start_ini
expect_eq "Ctrl+Alt+P at the start" free=0 "$(driver hotkey-free --keys ctrl+alt+p)"
# After OK: the new bindings, and every key written, the empty icon file and
# the monitor choice (every monitor) too.
{
  ini_keys | sed -E 's/^(\[option\]HotKeyOn[1-8])=1$/\1=0/; s/^(\[option\]HotKeyButton0)=80$/\1=81/'
  echo '[application]Icon='
  echo '[option]DesktopMonitor=0'
} | sort >"$E2E_DIR/expected.keys"

choose up,up,up,return >/dev/null
expect_help_page "$OPENED" index.html 'ヴェルモ ヘルプ'

page_shown() { is_shown "$TITLE" "${ON_PAGE[$1]}"; }
# Once the tab shows, ﾍﾙﾌﾟ(&H) opens its page.
help_on_page() { # help_on_page <tab> <page file> <heading>
  wait_for 10 "Ctrl+Tab did not show tab $1" page_shown "$1"
  driver keys --title "$TITLE" --keys alt+h >/dev/null
  expect_help_page "$OPENED" "$2" "$3"
}
choose o >/dev/null
await_dialog "$TITLE"
help_on_page 0 options-basic.html 'ｵﾌﾟｼｮﾝ設定：基本設定'
driver keys --title "$TITLE" --keys ctrl+tab >/dev/null
help_on_page 1 options-print.html 'ｵﾌﾟｼｮﾝ設定：印刷設定'
driver keys --title "$TITLE" --keys ctrl+tab,ctrl+tab >/dev/null
help_on_page 3 options-other.html 'ｵﾌﾟｼｮﾝ設定：その他'
driver keys --title "$TITLE" --keys ctrl+shift+tab >/dev/null
help_on_page 2 options-hotkeys.html 'ｵﾌﾟｼｮﾝ設定：ホットキー設定'
for slot in 1 2 3 4 5 6 7 8; do
  driver control --title "$TITLE" --name "${ROWS[$slot]}+1" --check 0 >/dev/null
done
driver control --title "$TITLE" --name "${ROWS[0]}+5" --item Q >/dev/null
close_with "$TITLE" return
diff -u --label expected --label ruxa.ini "$E2E_DIR/expected.keys" <(ini_keys) ||
  fail "ruxa.ini does not hold exactly the new values"

for run in first restarted; do
  if [ "$run" = restarted ]; then
    driver post --class FrmRuxa --msg 16 >/dev/null # WM_CLOSE
    wait_ruxa_exit "closing the main window"
    start_resident
  fi
  expect_eq "Ctrl+Alt+P ($run run)" free=1 "$(driver hotkey-free --keys ctrl+alt+p)"
  driver keys --keys ctrl+alt+q >/dev/null
  await_dialog $DIALOG
  if [ "$run" = first ]; then
    driver keys --keys alt+h --title $DIALOG >/dev/null
    expect_help_page "$OPENED" print-dialog.html 印刷確認
  fi
  close_with $DIALOG escape
done
end_ruxa
