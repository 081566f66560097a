#!/usr/bin/env bash
# The menu music starts about 1.5 s after the intro click and goes on. The
# program runs without its Sfx folder, so the music is heard alone.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario menu-music "$@"

start_display
start_program "$(app_folder Music)"
wait_for_main_window
reveal_menu
wait_for_sound_until $((CLICK_MARK + 5000))

expect_silence 0 $((CLICK_MARK + 1200)) "from the start to 1.2 s after the click"
mapfile -t onsets < <(sound_onsets $((CLICK_MARK + 1200)) $((CLICK_MARK + 5000)))
((${#onsets[@]} >= 1)) || fail "no music within 5 s of the click"
start=$((onsets[0] - CLICK_MARK))
echo "music from ${start}ms after the click"
((start <= 2500)) || fail "the music started ${start}ms after the click, expected about 1500"
level=$(sound_rms $((CLICK_MARK + 3000)) $((CLICK_MARK + 5000)))
awk -v level="$level" 'BEGIN { exit !(level > 0.02) }' ||
  fail "the music is not going on 3 to 5 s after the click (RMS $level)"
