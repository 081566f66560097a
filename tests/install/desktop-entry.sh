#!/usr/bin/env bash
# The desktop entry started as a desktop starts it, by its Exec line from the
# home folder, on a 1024 x 768 screen: the program comes up in a window of its
# own in the middle of it, the intro click reaches it there, and the menu shows
# with its music playing.
# Usage: desktop-entry.sh DESKTOP_FILE ARTIFACTS_DIR, the entry's command on PATH
# shellcheck disable=SC2119  # start_program takes an optional program
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../e2e/lib.sh"

exec_line=$(sed -n 's/^Exec=//p' "$1" | head -1)
# Field codes stand for files and addresses, which the menu never takes.
read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
((${#command[@]} == 1)) || fail "Exec=$exec_line: expected a command alone"
launcher=$(command -v "${command[0]}") || fail "Exec=$exec_line: no ${command[0]} on PATH"
e2e_scenario desktop-entry "$launcher" "$2"
cd "$HOME"

start_display 1024x768
start_program
wait_for_scaled_window
[[ "$E2E_WINDOW_GEOMETRY" == 800x600+112+84 ]] || fail "the window is $E2E_WINDOW_GEOMETRY, expected 800 x 600 in the middle"
reveal_menu
wait_for_sound_until $((CLICK_MARK + 5000))
level=$(sound_rms $((CLICK_MARK + 3000)) $((CLICK_MARK + 5000)))
awk -v level="$level" 'BEGIN { exit !(level > 0.02) }' ||
  fail "no music 3 to 5 s after the intro click (RMS $level)"
echo "menu in its window; music 3 to 5 s after the click at RMS $level"
