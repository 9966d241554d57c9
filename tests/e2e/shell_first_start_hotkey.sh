# On the first start every slot is bound to Ctrl+Alt+P. Only slot 0 gets the
# combination, so the key prints the desktop through the confirmation dialog
# that the first-start settings ask for: nothing is printed until the dialog
# says so, and then exactly one page (end_ruxa counts them). The dialog works
# from the keyboard as any dialog does: Tab order, access keys, Esc.
source "$(dirname "$0")/lib.sh"

DIALOG=印刷確認
start_resident
paint pattern
driver keys --keys ctrl+alt+p >/dev/null
await_dialog $DIALOG
expect_eq "region selection" "" "$(driver wait-window --class FrmCustom --timeout 0 2>/dev/null)"

# Print, file, copy, close, help, the reverse box, the setting list and its
# buttons, then the chosen position and size (the ratio field and the aspect
# box wait for their size modes), the three lists and the chosen orientation.
TAB_ORDER=('印刷開始(&P)' 'ﾌｧｲﾙ保存(&S)' 'ｺﾋﾟｰ(&C)' '閉じる(&U)' 'ﾍﾙﾌﾟ(&H)' 'ｷｬﾌﾟﾁｬｲﾒｰｼﾞを反転して印刷する'
  '設定：+1' '保存' '削除' '用紙の中央に合わせる' '実寸' 'ﾌﾟﾘﾝﾀ名：+1' '用紙：+1' '給紙方法：+1' '縦方向' '印刷開始(&P)')
for name in "${TAB_ORDER[@]}"; do
  expect_focus "focus in the tab order" $DIALOG "$name"
  driver keys --keys tab --title $DIALOG >/dev/null
done
driver keys --keys shift+tab,shift+tab --title $DIALOG >/dev/null
expect_focus "focus after Shift+Tab" $DIALOG '縦方向'

# ｺﾋﾟｰ(&C): the laid-out picture (actual size) on the clipboard, no print;
# Esc closes the dialog.
mark_clipboard
driver keys --keys alt+c --title $DIALOG >/dev/null
expect_clipboard $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
close_with $DIALOG escape

# Closed, the shell is idle again: the key opens the dialog anew, and
# 印刷開始(&P) prints once.
driver keys --keys ctrl+alt+p >/dev/null
await_dialog $DIALOG
close_with $DIALOG alt+p
wait_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
end_ruxa
