#!/usr/bin/env bash
# On a 1920 x 1080 desktop under a window manager (openbox) the launcher shows
# the menu in a window of its own, with no second X server: larger than
# 800 x 600 and 4:3, with the pointer picture grown alike. A click on tile 5's
# place in it opens Runeblade's channel screen; F11 covers the desktop, with
# bars left and right, and F11 again gives the window back with the keyboard;
# a narrower window keeps the screen's shape between bars; "Quil Menu" and the
# exit button, clicked at their places, end it all. One program start.
# Usage: scaled-window.sh PROGRAM ARTIFACTS_DIR
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../e2e/lib.sh"
e2e_scenario scaled-window "$@"

launcher=$(realpath "$(dirname "$0")/../../src/app/launcher.sh")
export QUIL_OS_PROGRAM=$E2E_PROGRAM
# Runeblade, a KESTREL screen: its banner and its title band.
runeblade_on_screen() {
  shoot probe && [[ $(pixels probe 100,10 20,300 | tr '\n' ' ') == "161,155,161 128,128,128 " ]]
}
# shoot_desktop NAME: the whole desktop, bars and all.
shoot_desktop() { import -window root "$E2E_WORK/$1.png"; }
window_at() {
  follow_scaled_window
  [[ "$E2E_WINDOW_GEOMETRY" == "$1" ]]
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
focused() { [[ $(xdotool getactivewindow 2>/dev/null) == "$E2E_WINDOW" ]]; }

start_display 1920x1080
openbox >"$E2E_WORK/openbox.log" 2>&1 &
wait_until 10 "openbox to manage the desktop" wm_running
start_program "$launcher"
wait_for_scaled_window

read -r width height _ _ < <(tr 'x+' '  ' <<<"$E2E_WINDOW_GEOMETRY")
((width > 800 && height > 600)) || fail "the window is $E2E_WINDOW_GEOMETRY, no larger than 800 x 600"
((width * 3 == height * 4)) || fail "the window is $E2E_WINDOW_GEOMETRY, not 4:3"
[[ $(readlink "/proc/$E2E_PROGRAM_PID/exe") == "$E2E_PROGRAM" ]] || fail "the launcher did not become the program"
! pgrep -x Xephyr >/dev/null || fail "a nested X server is running"
wait_until 5 "the keyboard with the window" focused
windowed=$E2E_WINDOW_GEOMETRY
echo "window $windowed at scale $E2E_SCREEN_SCALE"

reveal_menu
sleep 0.5
point_at 30 30
read -r cursor cursor_size _ < <("$QUIL_CURSOR_STATE")
expected_size=$(awk -v s="$E2E_SCREEN_SCALE" 'BEGIN { n = int(32 * s + 0.5); printf "%dx%d", n, n }')
[[ $cursor == visible && $cursor_size == "$expected_size" ]] ||
  fail "the pointer is $cursor $cursor_size, expected visible $expected_size"

click_at 148 240
wait_until 5 "Runeblade's channel screen after a click on tile 5" runeblade_on_screen

xdotool key F11
wait_until 5 "the window to cover the desktop" window_at 1920x1080+0+0
wait_until 3 "Runeblade's screen, fullscreen" runeblade_on_screen
shoot_desktop fullscreen
bars=$(($(colour_count fullscreen 240x1080+0+0 0,0,0) + $(colour_count fullscreen 240x1080+1680+0 0,0,0)))
((bars == 2 * 240 * 1080)) || fail "fullscreen: $bars black pixels in the bars beside the screen, expected all $((2 * 240 * 1080))"
echo "fullscreen at scale $E2E_SCREEN_SCALE with bars of 240 pixels left and right"

xdotool key F11
wait_until 5 "the window back at $windowed" window_at "$windowed"
wait_until 5 "the keyboard back with the window" focused

xdotool windowsize "$E2E_WINDOW" 1000 600
wait_until 5 "the window narrowed" window_at "1000x600+${windowed#*+}"
wait_until 3 "Runeblade's screen at its own size between bars" runeblade_on_screen
shoot_desktop narrowed
read -r _ x y < <(tr 'x+' '  ' <<<"${windowed#*x}")
bars=$(($(colour_count narrowed "100x600+$x+$y" 0,0,0) + $(colour_count narrowed "100x600+$((x + 900))+$y" 0,0,0)))
((bars == 2 * 100 * 600)) || fail "narrowed: $bars black pixels in the bars, expected all $((2 * 100 * 600))"

click_at 267 512
wait_until 5 "the menu after Quil Menu" menu_on_screen
sleep 0.5
click_at 400 561
wait_until 5 "the program to end after the exit click" program_ended
status=$(program_exit_status)
((status == 0)) || fail "exit status $status"
