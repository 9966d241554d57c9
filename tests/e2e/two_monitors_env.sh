# The two-monitor display, with either monitor primary: Windows programs see
# both monitors where lib.sh says they are, a window on the right monitor
# shows where it stands in one copy of the whole virtual screen, a drag from
# the left monitor to the right one arrives whole, the pointer moves onto
# either, and ruxa starts resident.
source "$(dirname "$0")/lib.sh"

for primary in left right; do
  use_two_monitors "$primary"
  declare -A is_primary=([left]=0 [right]=0)
  is_primary[$primary]=1
  expect_eq "monitors, the $primary one primary" \
    "monitor=$LEFT_MONITOR work=$LEFT_MONITOR primary=${is_primary[left]}
monitor=$RIGHT_MONITOR work=$RIGHT_MONITOR primary=${is_primary[right]}
virtual=$VIRTUAL_SCREEN" "$(driver monitors | LC_ALL=C sort)"

  IFS=, read -r ll lt _ _ <<<"$LEFT_MONITOR"
  IFS=, read -r rl rt rr rb <<<"$RIGHT_MONITOR"
  paint pattern $(placed "$VIRTUAL_SCREEN")
  paint mark --style solid --color 3060C0 --x $((rl + 100)) --y $((rt + 100)) --width 200 --height 100
  # The mark's corners, and the pattern just beside them and on the left monitor.
  checks=("$((rl + 100)),$((rt + 100))=3060C0" "$((rl + 299)),$((rt + 199))=3060C0")
  for point in "$((rl + 99)),$((rt + 100))" "$((rl + 300)),$((rt + 199))" "$((ll + 10)),$((lt + 10))"; do
    checks+=("$point=$(pattern_hex "${point%,*}" "${point#*,}")")
  done
  expect_eq "the virtual screen, the $primary one primary" "$(printf 'pixel=%s\n' "${checks[@]/=/ }")" \
    "$(driver screen --points "${checks[*]%%=*}")"

  from=$((ll + 50)),$((lt + 50)) to=$((rr - 50)),$((rb - 50))
  driver drag --path "$from $((rl + 20)),$((rt + 400)) $to" >/dev/null
  wait_for 10 "the drag did not end on the pattern" grep -q '^up=' "$pattern_out"
  expect_eq "the drag, the $primary one primary" "down=$from up=$to" \
    "$(grep -E '^(down|up)=' "$pattern_out" | paste -sd' ')"
  expect_eq "the pointer moved onto the left monitor" "at=$((ll + 320)),$((lt + 240))" \
    "$(driver pointer --at $((ll + 320)),$((lt + 240)))"
done

write_ini
start_resident
end_ruxa
