#!/usr/bin/env bash
# The user's channels file, in one run of the program: "Start" on a mapped
# channel runs the user's command in its folder, without a shell, once the
# screen is black and the pointer gone; the screen stays black while the game
# runs (the menu's window makes way for it) and the page comes back when it
# ends, without a movement. A command
# that cannot start brings a message box over the page. SIGTERM while a game
# runs ends the game too. Around that run, `--channels` shows what "Start"
# runs, and ignores a file that others may write to.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario user-games "$@"

start_caption=(539 512)
quil_menu_caption=(267 512)
tile_12=(652 368)  # Blitz the Porcupine, beside Skyhop World
white=255,255,255
title_box=326x49+248+336

# The game lasts two seconds and notes its start: the time, its folder and its arguments.
games=$E2E_WORK/games
started=$E2E_WORK/started
mkdir -p "$games"
cat >"$E2E_WORK/game.sh" <<EOF
#!/bin/sh
echo "\$(date +%s%3N) \$\$ \$(pwd) [\$1] [\$2]" >>"$started"
sleep 2
EOF
chmod +x "$E2E_WORK/game.sh"
export XDG_CONFIG_HOME=$E2E_WORK/config
conf=$XDG_CONFIG_HOME/quil-os/channels.conf
mkdir -p "$(dirname "$conf")"
cat >"$conf" <<EOF
[Skyhop World]
Exec="$E2E_WORK/game.sh" "two words" \$HOME;
Path=$games

[Blitz the Porcupine]
Exec=quil-e2e-no-such-game --fullscreen
[Skyhop Wrld]
Exec=true
EOF
chmod 600 "$conf"

title_shown() { shoot probe && (($(colour_count probe $title_box $white) > 60)); }
screen_black() { shoot probe && [[ $(brightness probe) == 0 ]]; }
# The MERIDIAN title band of Blitz the Porcupine.
blitz_on_screen() { shoot probe && [[ $(pixels probe 20,300) == 113,116,115 ]]; }
games_started() { [[ -f "$started" ]] && (($(wc -l <"$started") >= $1)); }
# start_game: "Start" on the open Skyhop World screen; waits for the game's
# start and sets GAME_START (its clock) and GAME_PID.
start_game() {
  local count=0
  [[ -f "$started" ]] && count=$(wc -l <"$started")
  click_at "${start_caption[@]}"
  wait_until 5 "the game to start" games_started $((count + 1))
  read -r GAME_START GAME_PID _ < <(tail -n 1 "$started")
}

# --channels: what "Start" runs; a title no built-in channel has is one of the user's own.
"$E2E_PROGRAM" --channels >"$E2E_WORK/channels.txt" 2>"$E2E_WORK/channels.err" || fail "--channels failed"
grep -q "^  11  Skyhop World  .*game.sh\" \"two words\"" "$E2E_WORK/channels.txt" || fail "--channels: no command for Skyhop World"
grep -q "^  10  Skyhop Wrld  .*yours" "$E2E_WORK/channels.txt" || fail "--channels: the own channel is not on tile 10"

start_display
start_program
wait_for_main_window
reveal_menu
sleep_until $((CLICK_MARK + 3000))

# The game: black meanwhile, and the page back after it without a movement.
click_at "${E2E_TILE_11[@]}"
wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
clicked=$(now_ms)
start_game
echo "the game started $((GAME_START - clicked))ms after Start"
((GAME_START - clicked >= 400)) || fail "the game started before the pointer had gone"
read -r _ _ folder arguments < <(tail -n 1 "$started")
# shellcheck disable=SC2016  # the game got $HOME as it was written
[[ "$folder" == "$games" && "$arguments" == '[two words] [$HOME;]' ]] ||
  fail "the game ran in $folder with $arguments"
wait_until 1 "the menu's window to make way for the game" window_gone "Quil OS"
sleep_until $((clicked + 1700))
point_at 600 400
sleep 0.2
if (($(now_ms) < GAME_START + 1900)); then
  screen_black || fail "a movement brought the page back while the game ran"
fi
wait_until 6 "the page back after the game" skyhop_world_on_screen
echo "the page came back $(($(now_ms) - GAME_START))ms after the game started"
(($(now_ms) - GAME_START >= 1900)) || fail "the page came back while the game ran"
title_shown || fail "the title did not come back with the page"
pointer_visible || fail "the pointer did not come back with the page"
grep -q 'the game of "Skyhop World" ended with exit status 0' "$E2E_WORK/program.log" ||
  fail "no line for the game's end on standard error"

# A command that cannot start: its message box over the page.
click_at "${quil_menu_caption[@]}"
wait_until 5 "the home menu" menu_on_screen
click_at "${tile_12[@]}"
wait_until 5 "Blitz the Porcupine's channel screen" blitz_on_screen
click_at "${start_caption[@]}"
wait_until 5 "the message box of the missing command" window_shown "Blitz the Porcupine"
blitz_on_screen || fail "the page is not back under the message box"
xdotool key Return
wait_until 5 "the message box to close" window_gone "Blitz the Porcupine"

# SIGTERM while a game runs ends the game, and the program waits for it.
click_at "${quil_menu_caption[@]}"
wait_until 5 "the home menu" menu_on_screen
click_at "${E2E_TILE_11[@]}"
wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
start_game
kill -TERM "$E2E_PROGRAM_PID"
wait_until 5 "the program's end after SIGTERM" program_ended
status=$(program_exit_status)
((status == 0)) || fail "SIGTERM: exit status $status"
[[ ! -e /proc/$GAME_PID ]] || fail "the game outlived the program"
grep -q 'the game of "Skyhop World" ended with signal 15' "$E2E_WORK/program.log" ||
  fail "the game was not ended by the program's end"

# A file that others may write to is ignored whole, with one line.
chmod o+w "$conf"
"$E2E_PROGRAM" --channels >"$E2E_WORK/channels.txt" 2>"$E2E_WORK/channels.err"
! grep -q game.sh "$E2E_WORK/channels.txt" || fail "a file others may write to was read"
[[ $(cat "$E2E_WORK/channels.err") == *"channels.conf: is ignored: others may write to it"* &&
  $(wc -l <"$E2E_WORK/channels.err") -eq 1 ]] || fail "the ignored file: $(cat "$E2E_WORK/channels.err")"
