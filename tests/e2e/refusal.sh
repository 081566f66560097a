#!/usr/bin/env bash
# At any screen size but 800 x 600 only the "Sorry" message box appears; Enter
# dismisses it and the program ends with exit status 0.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario refusal "$@"

start_display 1024x768
start_program
wait_until 10 'the "Sorry" message box' window_shown Sorry
shoot sorry
sleep 0.5
! program_ended || fail "the program ended without waiting for the message box"
! window_shown "Quil OS" || fail 'the "Quil OS" window appeared beside the message box'
mapfile -t windows < <(xdotool search --onlyvisible --name '.')
((${#windows[@]} == 1)) || fail "${#windows[@]} windows on screen, expected the message box alone"

xdotool key Return
wait_until 3 "the program to end after Enter" program_ended
status=$(program_exit_status)
((status == 0)) || fail "exit status $status"
