# An unknown command-line switch is reported in a message box with only an OK
# button, and the program ends once it is answered. Being the first start in
# that folder, it leaves the first-start ruxa.ini behind, in code page 932
# even on a system whose own code page is another (C.UTF-8 gives Wine 1252).
source "$(dirname "$0")/lib.sh"

LANG=C.UTF-8 start_ruxa /c
box=$(driver msgbox --title 'ルクサさん')
expect_eq "message" 'コマンドライン引数に誤りがあります。' "$(sed -n 's/^text=//p' <<<"$box")"
expect_eq "buttons" 'button=1' "$(grep '^button=' <<<"$box" | cut -d' ' -f1 | paste -sd' ')"
driver press --title 'ルクサさん' --button OK >/dev/null
wait_ruxa_exit
expect_eq "exit code" 0 "$RUXA_EXIT"

# The title is stored in Shift-JIS, as earlier versions wrote it.
grep -q $'^Title=\x83\x94\x83\x46\x83\x8b\x83\x82\r$' "$RUXA_INI" ||
  fail "Title is not ヴェルモ in code page 932"

orientation=$(ini_value DefaultPrinter Orientation)
[[ $orientation =~ ^[12]$ ]] || fail "Orientation=$orientation is neither portrait nor landscape"
paper_bin=$(ini_value DefaultPrinter PaperBin)
paper_size=$(ini_value DefaultPrinter PaperSize)
[[ $paper_bin =~ ^[0-9]+$ && $paper_size =~ ^[0-9]+$ ]] ||
  fail "PaperBin=$paper_bin PaperSize=$paper_size are not paper codes"
expect_ini first_start.ini PRINTER="$(default_printer)" ORIENTATION="$orientation" \
  PAPERBIN="$paper_bin" PAPERSIZE="$paper_size"
