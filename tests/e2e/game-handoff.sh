#!/usr/bin/env bash
# The hand-off to a game, fullscreen, with no window manager (bare) or under
# openbox, in one run of the program: "Start" runs a small X client as the
# game; the menu's window goes and the client's window gets the keyboard, so a
# key typed goes to it; the sound device is closed meanwhile (the disk driver
# writes nothing). When the client ends, the page is back, its sound device
# writing again, and the menu takes a click and the keys P and M at once.
# Then SIGHUP while a game and a helper of its run: the program ends, and both
# are gone within 6 s.
# Usage: game-handoff.sh PROGRAM ARTIFACTS_DIR bare|openbox
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
desktop=$3
e2e_scenario "game-handoff-$desktop" "$1" "$2"

start_caption=(539 512)
quil_menu_caption=(267 512)
tile_12=(652 368)  # Blitz the Porcupine, beside Skyhop World
left_arrow=(30 248)
game=$E2E_WORK/game
typed=$E2E_WORK/typed
mkdir -p "$game"
export XDG_CONFIG_HOME=$E2E_WORK/config
conf=$XDG_CONFIG_HOME/quil-os/channels.conf
mkdir -p "$(dirname "$conf")"
cat >"$conf" <<EOF
[Skyhop World]
Exec="$QUIL_KEY_WINDOW" "$typed"

[Blitz the Porcupine]
Exec=sh -c "sleep 300 & echo \$! > helper; echo \$\$ > leader; wait"
Path=$game
EOF
chmod 600 "$conf"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
game_window() { xdotool search --onlyvisible --name '^Quil Test Game$' 2>/dev/null | head -1; }
game_focused() { [[ -n $(game_window) && $(xdotool getwindowfocus -f 2>/dev/null) == "$(game_window)" ]]; }
sound_bytes() { stat -c %s "$E2E_WORK/sound.raw" 2>/dev/null || echo 0; }
sound_written() {
  local before
  before=$(sound_bytes)
  sleep 0.3
  (($(sound_bytes) > before))
}
gone() { [[ ! -e /proc/$1 ]] || [[ $(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) == Z ]]; }
both_gone() { gone "$1" && gone "$2"; }
blitz_on_screen() { shoot probe && [[ $(pixels probe 20,300) == 113,116,115 ]]; }

start_display
if [[ $desktop == openbox ]]; then
  openbox >"$E2E_WORK/openbox.log" 2>&1 &
  wait_until 10 "openbox to manage the desktop" wm_running
fi
start_program "$E2E_PROGRAM" --fullscreen
wait_until 10 'the "Quil OS" window' window_shown "Quil OS"
reveal_menu
sleep_until $((CLICK_MARK + 3000))
wait_until 5 "the sound device open" sound_written

# The game has the screen, the keyboard and the sound.
click_at "${E2E_TILE_11[@]}"
wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
click_at "${start_caption[@]}"
wait_until 5 "the game's window" window_shown "Quil Test Game"
wait_until 5 "the menu's window to go" window_gone "Quil OS"
wait_until 5 "the keyboard with the game" game_focused
bytes=$(sound_bytes)
sleep 1
(($(sound_bytes) == bytes)) || fail "the sound device wrote $(($(sound_bytes) - bytes)) bytes while the game ran"
xdotool key x
wait_until 5 "the key at the game" test -s "$typed"
[[ $(<"$typed") == x ]] || fail "the game got \"$(<"$typed")\" for x"

# The page back, fullscreen, with its sound, its clicks and its keys.
wait_until 5 "the page back after the game" skyhop_world_on_screen
window_shown "Quil OS" || fail "the menu's window is not back"
wait_until 5 "the sound device open again" sound_written
click_at "${quil_menu_caption[@]}"
wait_until 5 "the home menu" menu_on_screen
click_at "${E2E_RIGHT_ARROW[@]}"
wait_until 5 "page 2 after a click" page_on_screen 2
xdotool key p
wait_until 5 "page 3 after P" page_on_screen 3
xdotool key m
wait_until 5 "page 2 after M" page_on_screen 2

# SIGHUP ends the program and, with it, the game and its helper.
click_at "${left_arrow[@]}"
wait_until 5 "page 1" page_on_screen 1
click_at "${tile_12[@]}"
wait_until 5 "Blitz the Porcupine's channel screen" blitz_on_screen
click_at "${start_caption[@]}"
wait_until 5 "the game and its helper" test -s "$game/helper" -a -s "$game/leader"
leader=$(<"$game/leader")
helper=$(<"$game/helper")
kill -HUP "$E2E_PROGRAM_PID"
hung_up=$(now_ms)
wait_until 6 "the game and its helper to go" both_gone "$leader" "$helper"
echo "the game and its helper went $(($(now_ms) - hung_up))ms after SIGHUP"
wait_until 2 "the program's end" program_ended
status=$(program_exit_status)
((status == 0)) || fail "SIGHUP: exit status $status"
