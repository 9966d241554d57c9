# With no printer installed the first start still completes and records the
# default printer settings a missing printer stands for.
source "$(dirname "$0")/lib.sh"

cups=$E2E_HERE/../../cmake/cups-pdf.sh
on_cleanup bash "$cups" restore
bash "$cups" remove-all
[ -z "$(LC_ALL=C lpstat -v 2>/dev/null)" ] || fail "CUPS queues are left"

start_ruxa /c
driver press --title 'ルクサさん' --button OK >/dev/null
wait_ruxa_exit
expect_eq "exit code" 0 "$RUXA_EXIT"
expect_ini first_start.ini PRINTER= ORIENTATION=0 PAPERBIN=7 PAPERSIZE=0
