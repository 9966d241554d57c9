# "/r" on the command line: the desktop is frozen for a selection, the
# dragged rectangle is printed and the program ends; cancelled from the menu
# or closed with Alt+F4, it ends without printing. A command-line run registers no hot key, whatever the
# settings hold.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/shell_lib.sh"

write_ini HotKeyOn0=1 ConfirmBeforePrint=1 # Ctrl+Alt+P; the command line asks for no confirmation
paint pattern

mark_pdfs
start_ruxa /r
await_selection
expect_eq "Ctrl+Alt+P during the run" free=1 "$(driver hotkey-free --keys ctrl+alt+p)"
expect_eq "atom of slot 0 during the run" atom=0 "$(driver atom --name RUXAHOTKEY0)"
xdotool mousemove 450 300 mousedown 1 mousemove 300 250 mousemove 50 60 mouseup 1
wait_ruxa_exit
expect_eq "exit code" 0 "$RUXA_EXIT"
wait_pdf 401 241 "0,0=$(pattern_hex 50 60)" "400,240=$(pattern_hex 450 300)" >/dev/null

start_ruxa /r
await_selection
xdotool mousemove 300 400 click 3
driver menu --keys c >/dev/null
wait_ruxa_exit
expect_eq "exit code after the cancel" 0 "$RUXA_EXIT"

start_ruxa /r
await_selection
driver keys --keys alt+f4 --class FrmCustom >/dev/null
wait_ruxa_exit
expect_eq "exit code after Alt+F4" 0 "$RUXA_EXIT"
settle_printer
expect_no_pdf $SCREEN_W $SCREEN_H "${WHOLE_PATTERN[@]}"
