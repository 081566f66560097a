#!/usr/bin/env bash
# The intro click: the warning gives way at once to the home menu at rest, with
# the click sound at once and the start-up jingle about half a second later.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario reveal "$@"

bar=202,206,216
grey=128,128,128
light=241,241,241

start_display
start_program
wait_for_main_window
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
