#!/usr/bin/env bash
# Tile hover: once the jingle's hold-off is over, crossing the background and
# reaching a tile picture outlines the tile's frame in teal, 2 pixels wide, and
# plays the hover sound once; back on the background the outline is thin grey.
# The program runs without its Music folder, so the effects are heard alone.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario tile-hover "$@"

teal=0,213,213
grey=128,128,128
fill=230,230,230  # tile 2's frame, between its edge and its picture
background=30,30
picture=316,112   # on tile 2's picture; its frame spans x 240-392, y 56-168

outline_is() {  # outline_is SHOT COLOUR WIDTH
  local checks=("left@240,112=$2" "right@392,112=$2" "top@316,56=$2" "bottom@316,168=$2")
  if (($3 == 2)); then
    checks+=("left, inner@241,112=$2" "right, inner@391,112=$2" "top, inner@316,57=$2" "bottom, inner@316,167=$2"
      "inside@242,112=$fill" "inside@316,58=$fill")
  else
    checks+=("inside@241,112=$fill" "inside@391,112=$fill" "inside@316,57=$fill" "inside@316,167=$fill")
  fi
  expect_pixels "$1" "${checks[@]}"
}
tile_lit() { shoot probe && [[ $(pixels probe 240,112) == "$teal" ]]; }
tile_unlit() { shoot probe && [[ $(pixels probe 240,112) == "$grey" ]]; }

# hover_sounds_once FROM WHAT: exactly one sound, soon after FROM.
hover_sounds_once() {
  wait_for_sound_until $(($1 + 1000))
  mapfile -t onsets < <(sound_onsets $(($1 - 50)) $(($1 + 1000)))
  ((${#onsets[@]} == 1)) || fail "$2: ${#onsets[@]} sounds within a second (at ${onsets[*]}ms), expected the hover sound once"
  ((onsets[0] - $1 <= 500)) || fail "$2: the hover sound came $((onsets[0] - $1))ms late"
}

# hold_off: starts the program and reveals the menu, then judges the hold-off:
# the background resets nothing, and the reveal leaves the tiles unable to
# light until a reset, so the tile stays grey. Returns 1, having judged
# nothing, when the machine was too busy to look within the hold-off.
hold_off() {
  start_program "$app"
  wait_for_main_window
  reveal_menu
  revealed=$(now_ms)
  point_at ${background/,/ }
  point_at ${picture/,/ }
  sleep 0.3
  shoot during-hold-off
  (($(now_ms) - CLICK_MS < 2000)) || return 1
  outline_is during-hold-off $grey 1
}

start_display
app=$(app_folder Sfx)
until_judged 3 "the hold-off" hold_off

# After the hold-off, with the jingle over.
sleep_until $((revealed + 3000))
point_at ${background/,/ }
sleep 0.3
wait_for_sound_until $((CLICK_MARK + 3200))
mark=$(sound_mark)
expect_silence $((mark - 300)) "$mark" "before the hover"
point_at ${picture/,/ }
wait_until 3 "tile 2's teal outline" tile_lit
shoot hovered
outline_is hovered $teal 2
expect_pixels hovered "tile 1 left@72,112=$grey" "tile 3 left@408,112=$grey" "tile 6 left@240,240=$grey"
# Moving on over the same picture does not play it again.
for step in 320,115 330,120 300,100 316,112; do
  point_at ${step/,/ }
  sleep 0.1
done
hover_sounds_once "$mark" "first visit to tile 2"

point_at ${background/,/ }
wait_until 3 "tile 2's grey outline again" tile_unlit
shoot left
outline_is left $grey 1

# The background re-armed the hover sound: the next visit sounds again.
sleep 0.3
mark=$(sound_mark)
point_at ${picture/,/ }
wait_until 3 "tile 2's teal outline on the second visit" tile_lit
hover_sounds_once "$mark" "second visit to tile 2"
