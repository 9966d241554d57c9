# With no printer installed the first start still completes and records the
# default printer settings a missing printer stands for, and a print says
# what is wrong instead of printing.
QUEUE= # no printer of its own either
source "$(dirname "$0")/lib.sh"

cups=$E2E_HERE/../../cmake/cups-pdf.sh
on_cleanup bash "$cups" restore
bash "$cups" remove-all

start_ruxa /c
driver press --title 'ルクサさん' >/dev/null
wait_ruxa_exit 'the command-line message' 2
expect_ini first_start.ini PRINTER= ORIENTATION=0 PAPERBIN=7 PAPERSIZE=0

# Printing without any printer fails at the first printer access: under the
# paper-size message when a paper size is set, else the paper-source one.
expect_print_error() { # expect_print_error <title> <text>
  start_ruxa /d
  expect_box "$1" "$2"
  wait_ruxa_exit "$1" 1
}
expect_print_error 給紙方法エラー \
  '給紙方法が不正です。もう一度給紙方法を確認してください。\nそれでもうまくいかない場合は、給紙方法を「指定なし」にしてみてください。'
sed -i 's/^PaperSize=0\r$/PaperSize=9\r/' "$RUXA_INI"
expect_print_error 用紙サイズエラー \
  '用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\nそれでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。'
