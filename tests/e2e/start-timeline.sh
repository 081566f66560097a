#!/usr/bin/env bash
# The start: a black screen, where a click is ignored; about a second later the
# warning picture, white on black in its place, with its prompt pulsing.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario start-timeline "$@"

# black_second: starts the program and judges its first moments: a click on
# the black screen is ignored, and it stays black (later the warning comes and
# stays, checked below). Returns 1, having judged nothing, when the machine
# was too busy to click and look well within the black second.
black_second() {
  start_program
  wait_for_main_window
  shown=$(now_ms)
  (($(now_ms) - shown < 300)) || return 1
  click_at 400 300
  shoot black
  (($(now_ms) - shown < 700)) || return 1
  [[ $(brightness black) == 0 ]] || fail "the screen is not black in its first second"
}

start_display
until_judged 3 "the black second" black_second

wait_for_warning
after=$(($(now_ms) - shown))
echo "warning seen ${after}ms after the window appeared"
((after >= 700)) || fail "the warning came after ${after}ms, before the black second was over"
((after <= 4000)) || fail "the warning came only after ${after}ms"

# The picture lies in 659 x 513 pixels at (80, 48); everything around stays black.
levels=()
for i in 1 2 3 4 5 6 7 8; do
  shoot "warning-$i"
  box=$(content_box "warning-$i")
  IFS='x+' read -r w h x y <<<"$box"
  ((x >= 80 && y >= 48 && x + w <= 739 && y + h <= 561 && w >= 400 && h >= 300)) ||
    fail "warning-$i.png: the picture's content spans $box, not inside 659x513+80+48"
  [[ $(convert "$(shot "warning-$i")" -format '%[fx:maxima>0.9]' info:) == 1 ]] ||
    fail "warning-$i.png: nothing white on the warning"
  levels+=("$(brightness "warning-$i")")
  sleep 0.1
done
distinct=$(printf '%s\n' "${levels[@]}" | sort -u | wc -l)
echo "brightness of the warning over time: ${levels[*]}"
((distinct >= 2)) || fail "the prompt did not change over eight screenshots"
