#!/usr/bin/env bash
# Pages and the music panel, in one run of the program: the right arrow brings
# page 2's tiles and shows the left arrow; with an arrow holding the focus, P
# and M turn the pages; 1 raises the music panel into the bar, whose next-track
# symbol changes the music; 2 lowers it; Escape ends the program with status 0.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario paging "$@"

next_track_symbol=(268 552)

# turn_page PAGE WHAT ACTION...: runs ACTION and waits for PAGE to come to rest.
turn_page() {
  local page=$1 what=$2 started
  shift 2
  started=$(now_ms)
  "$@"
  wait_until 5 "page $page after $what" page_on_screen "$page"
  echo "page $page after $what in $(($(now_ms) - started))ms"
}
# Light-blue pixels where the left arrow shows.
left_arrow_pixels() {
  matching_count "$1" 60x56+0+220 "b > r + 0.2 && b > 0.5"
}

start_display
start_program "$(app_folder Sfx Music)"
wait_for_main_window
reveal_menu
revealed=$(now_ms)
shoot page-1
page_on_screen 1 || fail "page 1 is not on screen after the intro"
(($(left_arrow_pixels page-1) == 0)) || fail "a left arrow on the first page"

# Past the jingle and the start of the menu music.
sleep_until $((revealed + 3000))
turn_page 2 "a click on the right arrow" click_at "${E2E_RIGHT_ARROW[@]}"
shoot page-2
expect_count_at_least 200 "$(left_arrow_pixels page-2)" "the left arrow on page 2"

# The click gave the right arrow the focus, so the keys reach it.
turn_page 3 "P" xdotool key p
turn_page 2 "M" xdotool key m

xdotool key 1
wait_until 5 "the music panel in the bar" music_panel_open

# The next-track symbol: 1.mp3 is heard from its start instead of the menu track.
mark=$(sound_mark)
click_at "${next_track_symbol[@]}"
wait_for_sound_until $((mark + 3500))
envelope 0 2500 "$(dirname "$E2E_PROGRAM")/Music/1.mp3" >"$E2E_WORK/track-1.env"
captured_envelope "$mark" $((mark + 3500)) >"$E2E_WORK/after-click.env"
captured_envelope $((mark - 3500)) "$mark" >"$E2E_WORK/before-click.env"
read -r after lag < <(best_match "$E2E_WORK/track-1.env" "$E2E_WORK/after-click.env" 100)
read -r before _ < <(best_match "$E2E_WORK/track-1.env" "$E2E_WORK/before-click.env" 100)
echo "the second track's start matches the sound ${lag}ms after the click at $after, before it at $before"
awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > 0.9 && b < 0.7) }' ||
  fail "the next-track symbol did not start the second track (match $after after the click, $before before)"
# The capture and the click mark each carry a mixer buffer of jitter, so
# only a start with no delay at all is a fault.
((lag >= 50 && lag <= 800)) || fail "the second track started ${lag}ms after the click, expected about 100"

xdotool key 2
wait_until 5 "the music panel to leave the bar" music_panel_gone

xdotool key Escape
wait_until 5 "the program to end on Escape" program_ended
status=$(program_exit_status)
((status == 0)) || fail "the program ended with status $status"
