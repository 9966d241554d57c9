# Image files from the tray, chosen in the real file dialog: ｺﾋﾟｰ(&C) >
# ﾌｧｲﾙ指定(&F) puts the PNG's exact pixels on the clipboard, ﾊｰﾄﾞｺﾋﾟｰ(&H) >
# ﾌｧｲﾙ指定(&F) prints the JPEG at once (no confirmation asked for). The first
# dialog opens in the program folder, the next where the last file was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

write_ini ConfirmBeforePrint=0
images=$E2E_DIR/画像
mkdir "$images"
convert -size 40x30 xc:'#123456' -fill '#ABCDEF' -draw 'rectangle 0,0 9,9' "PNG24:$images/図.png"
convert -size 64x48 xc:'#2060C0' -quality 95 "$images/写真.jpg"
windows_path() { "$RUXA_WINE" winepath -w "$1" 2>/dev/null; }
title=ピクチャ画像の指定
start_resident

mark_clipboard
choose c,f >/dev/null
expect_eq "first dialog's folder" folder=program "$(driver file-dialog --title $title --path "$(windows_path "$images/図.png")")"
expect_clipboard 40 30 0,0=ABCDEF 9,9=ABCDEF 10,10=123456 39,0=123456 39,29=123456

# The next dialog starts from the file chosen last, in its folder. "H" is
# also ﾍﾙﾌﾟ's key, so the arrows.
mark_pdfs
choose down,right,f >/dev/null
expect_eq "next dialog's folder" folder=画像 "$(driver file-dialog --title $title --path "$(windows_path "$images/写真.jpg")")"
wait_pdf 64 48 >/dev/null

end_ruxa
