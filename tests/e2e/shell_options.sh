# A fresh program folder, as a user works it. A first start by a wrong
# command line (reported with only OK; the program ends once answered)
# leaves the first-start ruxa.ini, in code page 932 even where the system's
# is another (C.UTF-8 gives Wine 1252): all nine slots on Ctrl+Alt+P, of
# which slot 0 gets it, so the key prints the desktop through 印刷確認, which
# works from the keyboard (Tab order, access keys, Esc). The main window
# stays hidden. In the options dialog from the tray, Ctrl+Tab reaches the hot
# key page, slots 1 to 8 go off and slot 0 onto Ctrl+Alt+Q, Enter is OK:
# ruxa.ini holds exactly the new values, and Ctrl+Alt+Q opens 印刷確認 while
# Ctrl+Alt+P is free, at once and after a restart (the first run ended by
# another program closing the hidden window). ﾍﾙﾌﾟ(&H) opens the page of
# 印刷確認 and of each tab in the browser (the contents: shell_tray_menus.sh).
source "$(dirname "$0")/lib.sh"

TITLE='ｵﾌﾟｼｮﾝ設定'
DIALOG=印刷確認
# A control of each page, which shows with its page.
ON_PAGE=('ｾﾙﾌﾀｲﾏｰ' '印刷位置' 'ﾊｰﾄﾞｺﾋﾟｰ' 'ｱﾌﾟﾘｹｰｼｮﾝﾀｲﾄﾙ')
# The hot key rows by their labels, in slot order, each in its frame; the
# row's 有効 follows its label, its key list comes five controls after it.
ROWS=('ﾊｰﾄﾞｺﾋﾟｰ/ﾃﾞｽｸﾄｯﾌﾟ全体' 'ﾊｰﾄﾞｺﾋﾟｰ/ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ' 'ﾊｰﾄﾞｺﾋﾟｰ/領域指定' 'ﾊｰﾄﾞｺﾋﾟｰ/ﾌｧｲﾙ指定'
  'ｺﾋﾟｰ/ﾃﾞｽｸﾄｯﾌﾟ全体' 'ｺﾋﾟｰ/ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ' 'ｺﾋﾟｰ/領域指定' 'ｺﾋﾟｰ/ﾌｧｲﾙ指定' 'ｵﾌﾟｼｮﾝ設定')
# 印刷確認's controls in tab order: the buttons, the reverse box, the setting
# list and its buttons, the chosen position and size (the ratio field and the
# aspect box wait for their size modes), the three lists, the orientation.
TAB_ORDER=('印刷開始(&P)' 'ﾌｧｲﾙ保存(&S)' 'ｺﾋﾟｰ(&C)' '閉じる(&U)' 'ﾍﾙﾌﾟ(&H)' 'ｷｬﾌﾟﾁｬｲﾒｰｼﾞを反転して印刷する'
  '設定：+1' '保存' '削除' '用紙の中央に合わせる' '実寸' 'ﾌﾟﾘﾝﾀ名：+1' '用紙：+1' '給紙方法：+1' '縦方向' '印刷開始(&P)')

LANG=C.UTF-8 start_ruxa /c
expect_box 'ルクサさん' 'コマンドライン引数に誤りがあります。'
wait_ruxa_exit 'the command-line message' 2
expect_first_start_ini # read as code page 932, as earlier versions wrote it

OPENED=$E2E_DIR/opened.txt
record_opened .html "$OPENED"

start_resident
expect_eq "main window shown" 0 "$(driver wait-window --class FrmRuxa | sed -n 's/.* visible=//p')"
# After OK: the new bindings, and every key written, the empty icon file and
# the monitor choice (every monitor) too.
{
  ini_keys | sed -E 's/^(\[option\]HotKeyOn[1-8])=1$/\1=0/; s/^(\[option\]HotKeyButton0)=80$/\1=81/'
  echo '[application]Icon='
  echo '[option]DesktopMonitor=0'
} | sort >"$E2E_DIR/expected.keys"

paint pattern
driver keys --keys ctrl+alt+p >/dev/null
await_dialog $DIALOG
expect_eq "region selection" "" "$(driver wait-window --class FrmCustom --timeout 0 2>/dev/null)"
for name in "${TAB_ORDER[@]}"; do
  expect_focus "focus in the tab order" $DIALOG "$name"
  driver keys --keys tab --title $DIALOG >/dev/null
done
driver keys --keys shift+tab,shift+tab --title $DIALOG >/dev/null
expect_focus "focus after Shift+Tab" $DIALOG '縦方向'
# ｺﾋﾟｰ(&C): the laid-out picture (actual size) on the clipboard, no print.
mark_clipboard
driver keys --keys alt+c --title $DIALOG >/dev/null
expect_clipboard $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
driver keys --keys alt+h --title $DIALOG >/dev/null
expect_help_page "$OPENED" print-dialog.html 印刷確認
# 印刷開始(&P) prints once (end_ruxa counts the pages).
close_with $DIALOG alt+p
wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"

# Once the tab shows, ﾍﾙﾌﾟ(&H) opens its page.
help_on_page() { # help_on_page <tab> <page file> <heading>
  wait_for 10 "Ctrl+Tab did not show tab $1" control_is visible "$TITLE" "${ON_PAGE[$1]}"
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
  close_with $DIALOG escape
done
end_ruxa
