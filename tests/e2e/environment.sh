#!/usr/bin/env bash
# The program in odd surroundings, one Xvfb for all: SIGTERM and SIGINT end it
# cleanly; the sound output failing mid-run leaves it going, silent; a
# read-only program folder, and folders named with spaces, with non-ASCII
# letters and more than 255 characters long all work, effects and music
# included.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario environment "$@"

game_tile=(150 370)
channel_on_screen() { shoot probe && [[ $(pixels probe 400,585) == 230,230,230 ]]; }

# visit WHAT: the menu, a channel screen and back; the program answers throughout.
visit() {
  wait_for_main_window
  reveal_menu
  click_at "${game_tile[@]}"
  wait_until 10 "$1: the channel screen" channel_on_screen
  click_at 267 512
  wait_until 10 "$1: the menu again" menu_on_screen
}

# exit_cleanly WHAT: the exit button ends it with status 0.
exit_cleanly() {
  click_at 400 561
  wait_until 10 "$1: the end after the exit click" program_ended
  local status
  status=$(program_exit_status)
  ((status == 0)) || fail "$1: exit status $status"
}

start_display

# Signals: a clean end, status 0, within a second, also with a message box open.
for signal in TERM INT; do
  # A shell's background jobs ignore SIGINT; the program gets the default back.
  SDL_AUDIODRIVER=dummy env --default-signal=INT "$E2E_PROGRAM" >"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  visit "SIG$signal"
  click_at 680 520
  wait_until 10 "SIG$signal: the message board's box" window_shown "lol, e-mail"
  sent=$(now_ms)
  kill -s "$signal" "$E2E_PROGRAM_PID"
  wait_until 3 "SIG$signal: the end" program_ended
  status=$(program_exit_status)
  echo "SIG$signal: ended in $(($(now_ms) - sent))ms, status $status"
  ((status == 0)) || fail "SIG$signal: exit status $status"
done

# The sound output dies: its reader goes away after half a second of sound.
mkfifo "$E2E_WORK/output"
head -c 88200 "$E2E_WORK/output" >/dev/null &
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_WORK/output" "$E2E_PROGRAM" >"$E2E_WORK/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
visit "lost sound output"
exit_cleanly "lost sound output"
echo "lost sound output: menu and channel screen answered, clean exit"

# A read-only program folder, in a mount namespace of its own.
app=$(app_folder Sfx Music)
# shellcheck disable=SC2016  # the inner shell expands its own arguments
env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_WORK/sound.raw" \
  unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && exec "$2"' \
  sh "$(dirname "$app")" "$app" >"$E2E_WORK/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
visit "read-only folder"
exit_cleanly "read-only folder"
echo "read-only folder: works"

# odd_folder NAME: the program with its sounds in folder NAME; effects and
# music must be heard. The hover sound is listened for on a channel screen,
# which plays no music, once the jingle and the tile's sound are over: a
# sound there is the hover's alone.
odd_folder() {
  local name=$1 folder="$E2E_WORK/$2"
  mkdir -p "$folder"
  cp -r "$(dirname "$E2E_PROGRAM")/Sfx" "$(dirname "$E2E_PROGRAM")/Music" "$E2E_PROGRAM" "$folder/"
  start_program "$folder/$(basename "$E2E_PROGRAM")"
  wait_for_main_window
  reveal_menu
  local tile_mark opened
  tile_mark=$(sound_mark)
  click_at "${game_tile[@]}"
  wait_until 10 "$name: the channel screen" channel_on_screen
  opened=$(now_ms)
  local quiet=$((tile_mark + 1600 > CLICK_MARK + 2800 ? tile_mark + 1600 : CLICK_MARK + 2800))
  # Past the buttons' hover hold-off, the background re-arms the hover sound.
  sleep_until $((opened + 2500))
  point_at 733 400
  wait_for_sound_until $((quiet + 300))
  local mark
  mark=$(sound_mark)
  expect_silence "$quiet" "$mark" "$name: the channel screen before the hover"
  point_at 267 484             # the "Quil Menu" button, above its caption
  sleep 0.5
  [[ -n $(sound_onsets "$mark" "$(sound_mark)") ]] || fail "$name: no hover sound"
  click_at 267 512
  wait_until 10 "$name: the menu again" menu_on_screen
  local before
  before=$(sound_mark)
  wait_for_sound_until $((before + 2500))
  level=$(sound_rms "$before" $((before + 2500)))
  awk -v level="$level" 'BEGIN { exit !(level > 0.005) }' || fail "$name: no music after the return (RMS $level)"
  exit_cleanly "$name"
  echo "$name (${#folder} characters): effects and music heard"
}
odd_folder "spaces" "a folder with spaces/and more"
odd_folder "non-ASCII" "Übersicht/ミュージック/ñandú"
long=""
for _ in 1 2 3 4 5; do long+="/$(printf 'long-folder-name-%.0s' 1 2 3)"; done
odd_folder "a long path" "deep$long"
