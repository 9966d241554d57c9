# ./run.sh on a machine without a display runs ruxa on an empty virtual
# screen, where a desktop print comes out black: it must say so, and how to
# run on a real display. run.sh keeps a Wine prefix of its own, so this does
# not disturb the test run's Wine server.
source "$(dirname "$0")/lib.sh"

out=$E2E_DIR/run.out
env -u DISPLAY bash "$E2E_HERE/../../run.sh" /d >"$out" 2>&1 || fail "run.sh /d failed: $(tail -n 20 "$out")"
grep -q 'ruxa.exe ended with exit code 0' "$out" || fail "ruxa did not end normally: $(tail -n 20 "$out")"
grep -q '^run.sh: there is no display' "$out" || fail "run.sh did not say the screen is empty: $(cat "$out")"
grep -q 'DISPLAY=:0 ./run.sh /d' "$out" || fail "run.sh did not say how to use a real display"
