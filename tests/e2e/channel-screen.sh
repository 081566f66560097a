#!/usr/bin/env bash
# A game tile's channel screen, in one run of the program: the click, soon
# after the intro click and before the menu music has begun, grows the white
# zoom box and opens Skyhop World's screen with its title and screenshot, and
# no music follows it there; "Start" blanks it and half a second later the
# pointer vanishes too; a movement once the lock-out is over brings both back;
# "Quil Menu" returns to the home menu, whose music comes back about 1.5 s later.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario channel-screen "$@"

start_caption=(539 512)
quil_menu_caption=(267 512)
page_background=(733 400)
white=255,255,255
# Skyhop World is a SUPER KESTREL screen.
page_colours=("banner@100,10=121,151,224" "thin band@20,245=192,192,192" "title band@20,300=128,128,128"
  "window in the page's corner@0,599=0,0,0")
title_box=326x49+248+336
screenshot_box=247x211+288+88

title_shown() { shoot probe && (($(colour_count probe $title_box $white) > 60)); }
screen_black() { shoot probe && [[ $(brightness probe) == 0 ]]; }

start_display
start_program "$(app_folder Sfx Music)"
wait_for_main_window
reveal_menu

# The tile, while the menu music is still to come: a burst of screenshots
# while the box grows, then the page.
point_at "${E2E_TILE_11[@]}"
start_burst zoom 30 10
sleep 0.2
tile_mark=$(sound_mark)
xdotool click 1
wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
opened=$(now_ms)
finish_burst
echo "the tile clicked $((tile_mark - CLICK_MARK))ms after the intro click"
((tile_mark - CLICK_MARK < 1300)) || fail "the tile came too late to catch the menu music still to come"
# Every frame is the menu, the white zoom box over it (still growing while a
# corner is not white yet) or the channel page: nothing black or half painted
# comes between the last zoom frame and the page.
boxes=0 growing=0 frame=0
while read -r middle band banner corner; do
  frame=$((frame + 1))
  if [[ $band == 128,128,128 && $banner == 121,151,224 ]]; then
    continue
  elif [[ $middle == "$white" ]]; then
    boxes=$((boxes + 1))
    [[ $corner == "$white" ]] || growing=$((growing + 1))
  elif [[ $corner != 241,241,241 ]]; then
    fail "zoom-$frame.ppm is neither the menu, the zoom box nor the channel page"
  fi
done < <(burst_pixels zoom 30 400,304 20,300 100,10 5,5)
echo "the white zoom box in $boxes of 30 frames, $growing of them with the box still growing"
((boxes > 0)) || fail "no frame between the click and the channel screen showed the white zoom box"
wait_until 3 "the title and the screenshot" title_shown
shoot channel
expect_pixels channel "${page_colours[@]}"
grey_in_screenshot=$(colour_count channel $screenshot_box 230,230,230)
((grey_in_screenshot < 5000)) || fail "no screenshot: $grey_in_screenshot pixels of page grey in its box"

# No music on the channel screen: a second of it once the tile's sound and
# the start-up jingle (2.1 s from 0.5 s after the intro click) are over.
quiet_from=$((tile_mark + 1600 > CLICK_MARK + 2800 ? tile_mark + 1600 : CLICK_MARK + 2800))
wait_for_sound_until $((quiet_from + 1000))
expect_silence "$quiet_from" $((quiet_from + 1000)) "the channel screen"

# "Start", once the buttons' hover hold-off is over.
sleep_until $((opened + 2500))
click_at "${start_caption[@]}"
started=$(now_ms)
wait_until 3 "the blank screen after Start" screen_black
if (($(now_ms) - started < 350)); then
  pointer_visible || fail "the pointer vanished before half a second had passed"
fi
wait_until 3 "the pointer to vanish over the blank screen" pointer_hidden
echo "the pointer vanished $(($(now_ms) - started))ms after Start"
point_at 600 400
sleep 0.2
if (($(now_ms) - started < 1300)); then
  screen_black || fail "a movement during the lock-out brought the page back"
  pointer_hidden || fail "a movement during the lock-out brought the pointer back"
fi
sleep_until $((started + 1800))
point_at "${page_background[@]}"
wait_until 3 "the page back after a movement" skyhop_world_on_screen
title_shown || fail "the title did not come back with the page"
pointer_visible || fail "the pointer did not come back with the page"

# "Quil Menu": the home menu, and its music from the start about 1.5 s later.
mark=$(sound_mark)
click_at "${quil_menu_caption[@]}"
wait_until 5 "the home menu after Quil Menu" menu_on_screen
wait_for_sound_until $((mark + 4000))
envelope 0 2000 "$(dirname "$E2E_PROGRAM")/Music/Menu.mp3" >"$E2E_WORK/menu.env"
captured_envelope "$mark" $((mark + 4000)) >"$E2E_WORK/after-click.env"
read -r match lag < <(best_match "$E2E_WORK/menu.env" "$E2E_WORK/after-click.env" 300)
echo "the menu track's start matches the sound ${lag}ms after Quil Menu at $match"
awk -v m="$match" 'BEGIN { exit !(m > 0.9) }' || fail "the menu music did not come back (match $match)"
((lag >= 1000 && lag <= 2600)) || fail "the menu music came back ${lag}ms after Quil Menu, expected about 1500"
