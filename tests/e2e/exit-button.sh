#!/usr/bin/env bash
# The exit button ends the program at once, with exit status 0.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario exit-button "$@"

start_display
start_program
wait_for_main_window
reveal_menu
sleep 0.5
clicked=$(now_ms)
click_at 400 561
wait_until 3 "the program to end after the exit click" program_ended
echo "ended $(($(now_ms) - clicked))ms after the click"
status=$(program_exit_status)
((status == 0)) || fail "exit status $status"
! window_shown "Quil OS" || fail "the window is still on screen"
