#!/usr/bin/env bash
# The program from its start to its exit, in one run: a black screen, where a
# click is ignored; about a second later the warning picture, white on black in
# its place, with its prompt pulsing. The intro click gives way at once to the
# home menu at rest, with the click sound at once and the start-up jingle
# about half a second later. The exit button ends the program at once, with
# exit status 0.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario start-timeline "$@"

bar=202,206,216
grey=128,128,128
light=241,241,241

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

# The intro click.
reveal_menu
shoot menu

# Background, and page 1's twelve frames: a 1-pixel grey border on each edge
# (columns at x = 72, 240, 408, 576, 153 wide; rows at y = 56, 184, 312, 113 high).
checks=("background@20,20=$light" "background@790,10=$light" "background@400,300=$light")
tile=1
for top in 56 184 312; do
  for left in 72 240 408 576; do
    right=$((left + 152)) bottom=$((top + 112)) middle_x=$((left + 76)) middle_y=$((top + 56))
    checks+=("tile $tile left@$left,$middle_y=$grey" "tile $tile right@$right,$middle_y=$grey"
      "tile $tile top@$middle_x,$top=$grey" "tile $tile bottom@$middle_x,$bottom=$grey"
      "beside tile $tile@$((right + 1)),$middle_y=$light" "above tile $tile@$middle_x,$((top - 1))=$light")
    tile=$((tile + 1))
  done
done
expect_pixels menu "${checks[@]}"

# The bottom bar: its teal edge line from y = 432, the grey body from y = 488,
# the two round buttons (teal rim, light inner disc) and the exit button's
# face with transparent corners at (342, 545), 118 x 33.
expect_pixels menu "bar@10,470=$bar" "bar@10,590=$bar" "bar@790,590=$bar" \
  "options rim@56,512=0,176,176" "options inner disc@100,475=230,230,230" \
  "message board rim@742,512=0,176,176" "message board inner disc@690,475=230,230,230" \
  "exit corner@342,545=$bar" "exit corner@459,577=$bar" "left of exit@341,561=$bar" "right of exit@460,561=$bar"
expect_count_at_least 1000 "$(colour_count menu 800x60+0+432 0,176,176)" "teal line of the bar's edge"
expect_count_at_least 3000 "$(matching_count menu 118x33+342+545 "!(abs(r-202/255)<0.02 && abs(g-206/255)<0.02 && abs(b-216/255)<0.02)")" "exit button face"
expect_count_at_least 60 "$(matching_count menu 40x20+380+551 'r<0.6')" "dark lettering of Exit"
expect_count_at_least 300 "$(colour_count menu 209x41+296+496 103,103,103)" "date label lettering in 0x676767"
expect_count_at_least 150 "$(matching_count menu 97x25+352+452 'b>r+0.2')" "Quil Menu title"
expect_count_at_least 120 "$(matching_count menu 80x70+720+213 'b>0.8 && r<0.6')" "next-page arrow near (747, 224)"

# Sound: silent through the intro, the click at once, the jingle after ~0.5 s.
wait_for_sound_until $((CLICK_MARK + 1400))
expect_silence 0 $((CLICK_MARK - 100)) "the intro before the click"
mapfile -t onsets < <(sound_onsets $((CLICK_MARK - 100)) $((CLICK_MARK + 1400)))
echo "sounds at ${onsets[*]}ms, click at ${CLICK_MARK}ms"
((${#onsets[@]} == 2)) || fail "expected two sounds (click, jingle) within 1.4 s of the click, heard ${#onsets[@]}"
click=$((onsets[0] - CLICK_MARK)) jingle=$((onsets[1] - CLICK_MARK))
((click <= 300)) || fail "the click sound came ${click}ms after the click"
((jingle >= 350 && jingle <= 1200)) || fail "the jingle came ${jingle}ms after the click, expected about 500"

# The exit button.
clicked=$(now_ms)
click_at 400 561
wait_until 3 "the program to end after the exit click" program_ended
echo "ended $(($(now_ms) - clicked))ms after the exit click"
status=$(program_exit_status)
((status == 0)) || fail "exit status $status"
! window_shown "Quil OS" || fail "the window is still on screen"
