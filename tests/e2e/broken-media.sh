#!/usr/bin/env bash
# Broken sound files, each alone beside the program: it still reaches the
# menu, a channel screen and the music panel and ends through its exit with
# status 0, silent where the file is bad, naming each bad file on stderr at
# most once and saying nothing else. The third argument is the tool that
# makes the broken files, the fourth the group of cases: effects or music.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
broken_media=$(realpath "$3")
group=$4
e2e_scenario "broken-$group" "$1" "$2"

# A tile of a game (Skyhop Quest), the channel screen's "Quil Menu" button,
# and a point that is grey bar on the menu but page on a channel screen.
game_tile=(150 370)
quil_menu=(267 512)
channel_probe=400,585
channel_on_screen() { shoot probe && [[ $(pixels probe $channel_probe) == 230,230,230 ]]; }

# NAME:CHANGE:MUSIC, MUSIC telling whether the menu music is heard at the end.
# shellcheck disable=SC2034  # the group argument names one of the two lists
effects=(
  "no-sfx:rm -r Sfx:heard"
  "empty-wav:empty Sfx/A_click.wav:heard"
  "truncated-wav:truncated-wav Sfx/tool_tip_text_BEST2.wav:heard"
  "text-wav:text Sfx/retro_game_show.wav:heard"
  "fifo-wav:fifo Sfx/tool_tip_text_BEST2.wav:heard"
)
# shellcheck disable=SC2034
music=(
  "no-music:rm -r Music:silent"
  "empty-mp3:empty Music/Menu.mp3:silent"
  "truncated-mp3:truncated-mp3 Music/Menu.mp3:silent"
  "png-mp3:png Music/Menu.mp3:silent"
  "directory-mp3:directory Music/Menu.mp3:silent"
  "two-hour-mp3:two-hour-mp3 Music/Menu.mp3:heard"
)
declare -n cases=$group

bin=$(dirname "$E2E_PROGRAM")
mkdir "$E2E_WORK/whole"
cp -r "$bin/Sfx" "$bin/Music" "$E2E_PROGRAM" "$E2E_WORK/whole/"
start_display

for case in "${cases[@]}"; do
  IFS=: read -r name change heard <<<"$case"
  app="$E2E_WORK/$name"
  cp -al "$E2E_WORK/whole" "$app"
  if [[ $change == rm* ]]; then
    (cd "$app" && $change)
  else
    "$broken_media" "${change%% *}" "$app/${change#* }"
  fi
  started=$(now_ms)
  start_program "$app/$(basename "$E2E_PROGRAM")"
  wait_for_main_window
  reveal_menu
  for point in 150,120 400,200 480,370; do
    point_at "${point%,*}" "${point#*,}"
    sleep 0.1
  done
  click_at "${game_tile[@]}"
  wait_until 10 "$name: the channel screen" channel_on_screen
  back=$(sound_mark)
  click_at "${quil_menu[@]}"
  wait_until 10 "$name: the menu again" menu_on_screen
  click_at "${E2E_RIGHT_ARROW[@]}"
  sleep 0.3
  xdotool key 1
  wait_until 10 "$name: the music panel" music_panel_open
  # Heard from when the menu track, started again 1.5 s after the return, is
  # playing and a cut one, a second long, is over, and the sounds of the
  # arrow and the panel are too.
  from=$((back + 3000)) after_panel=$(($(sound_mark) + 1000))
  ((from > after_panel)) || from=$after_panel
  wait_for_sound_until $((from + 700))
  level=$(sound_rms "$from" $((from + 700)))
  if [[ $heard == heard ]]; then
    awk -v level="$level" 'BEGIN { exit !(level > 0.005) }' || fail "$name: no menu music (RMS $level)"
  else
    awk -v level="$level" 'BEGIN { exit !(level < 0.001) }' || fail "$name: sound where the track is bad (RMS $level)"
  fi
  click_at 400 561
  wait_until 10 "$name: the end after the exit click" program_ended
  status=$(program_exit_status)
  ((status == 0)) || fail "$name: exit status $status"
  said=$(grep -v '^CRITICAL: ' "$E2E_WORK/program.log" || true)
  bad_lines=$(grep -c "^Quil OS: cannot play $app/" <<<"$said" || true)
  other_lines=$(grep -vc "^Quil OS: cannot play $app/" <<<"$said" || true)
  [[ -z "$said" ]] && other_lines=0
  ((bad_lines <= 1 && other_lines == 0)) || fail "$name: the program said:"$'\n'"$said"
  echo "$name: menu, channel screen and panel reached, music $heard (RMS $level), $bad_lines line on stderr," \
    "$(($(now_ms) - started))ms"
  rm -rf "$app"
done
