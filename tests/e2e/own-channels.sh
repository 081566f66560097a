#!/usr/bin/env bash
# Channels of the user's own: a channels file with two of them. The first
# finds its pictures in the media folder: its JPEG on tile 10, its PNG
# screenshot fitted on its channel screen, and its "Start" runs its script.
# The second asks for tile 12, a built-in game's, and has no pictures: a card
# drawn in its own colours stands there.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario own-channels "$@"

tile_10=(317 368)
start_caption=(539 512)
quil_menu_caption=(267 512)
# The screenshot's box, 247 x 211 pixels; a 16:9 picture fits it in a band
# 139 pixels high across its middle.
screenshot_middle=411,193
above_screenshot=411,100
green=32,192,64
blue=48,80,224

export XDG_CONFIG_HOME=$E2E_WORK/config XDG_DATA_HOME=$E2E_WORK/data
media=$XDG_DATA_HOME/quil-os/media/Moonlit\ Harbour
mkdir -p "$XDG_CONFIG_HOME/quil-os" "$media"
convert -size 1000x1400 "xc:rgb($green)" "$media/tile.jpg"
convert -size 1920x1080 "xc:rgb($blue)" "$media/screenshot.png"
printf '#!/bin/sh\necho started >"%s"\n' "$E2E_WORK/started" >"$E2E_WORK/moonlit.sh"
chmod +x "$E2E_WORK/moonlit.sh"
printf '%s\n' "[Moonlit Harbour]" "Exec=\"$E2E_WORK/moonlit.sh\"" "Platform=Kestrel Portable" "Year=1994" "" \
  "[Second Wind]" "Exec=true" "Tile=12" >"$XDG_CONFIG_HOME/quil-os/channels.conf"
chmod 600 "$XDG_CONFIG_HOME/quil-os/channels.conf"

# near SHOT X,Y R,G,B: within a JPEG's rounding of the colour.
near() {
  local -a a b
  IFS=, read -ra a < <(pixels "$1" "$2")
  IFS=, read -ra b <<<"$3"
  local i
  for i in 0 1 2; do ((a[i] - b[i] <= 8 && b[i] - a[i] <= 8)) || return 1; done
}
moonlit_screen() { shoot probe && near probe $screenshot_middle $blue; }
game_started() { [[ -f "$E2E_WORK/started" ]]; }

start_display
start_program
wait_for_main_window
reveal_menu

shoot menu
near menu "${tile_10[0]},${tile_10[1]}" $green ||
  fail "tile 10 does not show its picture: $(pixels menu "${tile_10[0]},${tile_10[1]}")"
# The card's sky, at the top of tile 12's picture: the colour "Second Wind" chooses.
near menu 652,324 11,122,117 || fail "tile 12 does not show the drawn card: $(pixels menu 652,324)"

click_at "${tile_10[@]}"
wait_until 5 "the own channel's screen with its screenshot" moonlit_screen
[[ $(pixels probe $above_screenshot) != "$blue" ]] || fail "the screenshot was stretched over its whole box"
click_at "${start_caption[@]}"
wait_until 5 "the own channel's game to start" game_started
wait_until 5 "the page back after the game" moonlit_screen
click_at "${quil_menu_caption[@]}"
wait_until 5 "the home menu" menu_on_screen
! grep -Eq "channels.conf|stands in" "$E2E_WORK/program.log" || fail "problems on stderr: $(cat "$E2E_WORK/program.log")"
