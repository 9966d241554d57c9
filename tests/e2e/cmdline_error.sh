# An unknown command-line switch is reported in a message box with only an OK
# button, and the program ends once it is answered. Being the first start in
# that folder, it leaves the first-start ruxa.ini behind, in code page 932
# even on a system whose own code page is another (C.UTF-8 gives Wine 1252).
source "$(dirname "$0")/lib.sh"

LANG=C.UTF-8 start_ruxa /c
expect_box 'ルクサさん' 'コマンドライン引数に誤りがあります。'
wait_ruxa_exit 'the command-line message' 2
# The title is stored in Shift-JIS, as earlier versions wrote it.
grep -q $'^Title=\x83\x94\x83\x46\x83\x8b\x83\x82\r$' "$RUXA_INI" ||
  fail "Title is not ヴェルモ in code page 932"
expect_first_start_ini
