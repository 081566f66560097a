#!/usr/bin/env bash
# The menu's music and joke message boxes, in one run: the music starts about
# 1.5 s after the intro click and goes on; a message tile's box over the menu,
# closed with Enter, leaves it playing; the options and the message-board
# buttons show their boxes; the forecast tile's box stops the music about a
# second after it is closed, not after the click. The program runs without its
# Sfx folder, so the music is heard alone.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario message-boxes "$@"

stop_red=219,20,20
information_blue=31,89,217

# open_box X,Y TITLE SHOT ICON: clicks at X,Y; the box TITLE comes up centred
# on the screen with its icon (colour ICON) on its left. Sets BOX_ICON_AREA.
open_box() {
  click_at "${1%,*}" "${1#*,}"
  wait_until 5 "the \"$2\" message box" window_shown "$2"
  local WIDTH HEIGHT X Y
  eval "$(xdotool search --onlyvisible --name "^$2\$" getwindowgeometry --shell | grep -E '^(WIDTH|HEIGHT|X|Y)=')"
  local dx=$((X + WIDTH / 2 - 400)) dy=$((Y + HEIGHT / 2 - 300))
  ((dx * dx + dy * dy <= 8)) || fail "the \"$2\" box is not centred: ${WIDTH}x${HEIGHT}+$X+$Y"
  BOX_ICON_AREA="60x${HEIGHT}+$X+$Y"
  sleep 0.2
  shoot "$3"
  expect_count_at_least 300 "$(colour_count "$3" "$BOX_ICON_AREA" "$4")" "the \"$2\" box's icon"
}
# close_box TITLE: Enter closes the box; the program goes on.
close_box() {
  xdotool key Return
  wait_until 5 "the \"$1\" box to close on Enter" window_gone "$1"
  ! program_ended || fail "the program ended after the \"$1\" box"
}
music_on() {  # music_on FROM TO WHAT
  local level
  level=$(sound_rms "$1" "$2")
  awk -v level="$level" 'BEGIN { exit !(level > 0.02) }' || fail "$3: no music (RMS $level)"
}

start_display
start_program "$(app_folder Music)"
wait_for_main_window
reveal_menu

# The first box is seen over the menu, and the menu again once it is closed.
open_box 148,112 "Crimson Edge - Northgate" disc $stop_red
expect_pixels disc "menu beside the box@20,20=241,241,241"
close_box "Crimson Edge - Northgate"
sleep 0.2
shoot disc-closed
left=$(colour_count disc-closed "$BOX_ICON_AREA" $stop_red)
((left < 30)) || fail "the stop icon is still on screen after Enter ($left pixels)"

open_box 66,513 "Quil Options" options-ring $information_blue
close_box "Quil Options"
open_box 690,513 "lol, e-mail" envelope $information_blue
close_box "lol, e-mail"
mark=$(sound_mark)
wait_for_sound_until $((mark + 500))
music_on "$mark" $((mark + 500)) "after the message tile and the bar buttons"

# The menu music came about 1.5 s after the intro click, the boxes over it.
wait_for_sound_until $((CLICK_MARK + 5000))
expect_silence 0 $((CLICK_MARK + 1200)) "from the start to 1.2 s after the click"
mapfile -t onsets < <(sound_onsets $((CLICK_MARK + 1200)) $((CLICK_MARK + 5000)))
((${#onsets[@]} >= 1)) || fail "no music within 5 s of the click"
start=$((onsets[0] - CLICK_MARK))
echo "music from ${start}ms after the click"
((start <= 2500)) || fail "the music started ${start}ms after the click, expected about 1500"
music_on $((CLICK_MARK + 3000)) $((CLICK_MARK + 5000)) "3 to 5 s after the click"

# The forecast box stays open 2 s: the music plays on under it and stops
# about a second after Enter.
clicked=$(sound_mark)
open_box 318,240 "lol, weather" forecast $information_blue
sleep_until $(($(now_ms) + 1800))
closed=$(sound_mark)
close_box "lol, weather"
wait_for_sound_until $((closed + 3000))
echo "the forecast box was open for $((closed - clicked))ms of captured sound"
music_on $((clicked + 200)) $((closed - 100)) "while the forecast box is open"
stopped=$(($(sound_end "$closed" $((closed + 3000))) - closed))
echo "the music stopped ${stopped}ms after the forecast box closed"
((stopped >= 400 && stopped <= 2000)) || fail "the music stopped ${stopped}ms after the box closed, expected about 1000"
