#!/usr/bin/env bash
# Without a display the program says so and ends with a non-zero status, never
# waiting on a window nobody can see: DISPLAY unset, DISPLAY naming no server,
# and the X server killed under a game started from the menu, which must end
# the program within a second, without spinning, and the game with it.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario display-faults "$@"

# expect_refusal WHAT ENV...: the program, run with ENV, ends within 5 s with
# a non-zero status and one line on stderr that names the display.
expect_refusal() {
  local what=$1 status=0
  shift
  timeout 5 env "$@" SDL_AUDIODRIVER=dummy "$E2E_PROGRAM" >"$E2E_WORK/$what.log" 2>&1 || status=$?
  ((status != 124)) || fail "$what: still running after 5 s"
  ((status != 0)) || fail "$what: exit status 0"
  grep -q "display" "$E2E_WORK/$what.log" || fail "$what: no word of the display in: $(<"$E2E_WORK/$what.log")"
  echo "$what: status $status, said: $(grep display "$E2E_WORK/$what.log")"
}

expect_refusal no-display -u DISPLAY -u WAYLAND_DISPLAY
expect_refusal dead-display -u WAYLAND_DISPLAY DISPLAY=:"$((RANDOM % 1000 + 5000))"

export XDG_CONFIG_HOME=$E2E_WORK/config
mkdir -p "$XDG_CONFIG_HOME/quil-os"
printf '[Skyhop World]\nExec=sh -c "echo $$ > game.pid; exec sleep 300"\nPath=%s\n' "$E2E_WORK" \
  >"$XDG_CONFIG_HOME/quil-os/channels.conf"
chmod 600 "$XDG_CONFIG_HOME/quil-os/channels.conf"

start_display
start_program
wait_for_main_window
reveal_menu
sleep 1
click_at "${E2E_TILE_11[@]}"
wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
click_at 539 512
wait_until 5 "the game to start" test -s "$E2E_WORK/game.pid"
game=$(<"$E2E_WORK/game.pid")
killed=$(now_ms)
kill -9 "$E2E_XVFB_PID"
E2E_XVFB_PID=""
wait_until 3 "the program to end once the X server is gone" program_ended
took=$(($(now_ms) - killed))
status=$(program_exit_status)
echo "ended ${took}ms after the X server, status $status"
((took <= 1500)) || fail "the program took ${took}ms to end after the X server died"
((status != 0)) || fail "exit status 0 after losing the display"
grep -qi "X connection\|display" "$E2E_WORK/program.log" || fail "no word of the lost display in: $(<"$E2E_WORK/program.log")"
[[ ! -e /proc/$game ]] || [[ $(awk '{ print $3 }' "/proc/$game/stat") == Z ]] || fail "the game outlived the display"
