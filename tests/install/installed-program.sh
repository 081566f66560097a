#!/usr/bin/env bash
# An installed quil-os launcher, reached through a link on PATH from another
# working directory, starts the program on an 800 x 600 screen, too small for
# a window with room around it, so the menu covers it: the window offers its
# icon in every size, the warning comes, and the intro click brings
# the menu with sound, so the program found its Sfx/ folder where it lies.
# Usage: installed-program.sh LAUNCHER ARTIFACTS_DIR
# shellcheck disable=SC2119  # start_display takes an optional size
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../e2e/lib.sh"
e2e_scenario installed-program "$@"

mkdir "$E2E_WORK/path"
ln -s "$E2E_PROGRAM" "$E2E_WORK/path/quil-os"
export PATH="$E2E_WORK/path:$PATH"
cd /

start_display
start_program quil-os
wait_for_main_window
window=$(xdotool search --onlyvisible --name '^Quil OS$')
sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -dc '0-9x\n' | xargs)
[[ "$sizes" == "48x48 32x32 24x24 16x16" ]] || fail "window icon sizes: '$sizes', expected 48, 32, 24 and 16"

reveal_menu
wait_for_sound_until $((CLICK_MARK + 1200))
onsets=$(sound_onsets "$CLICK_MARK" $((CLICK_MARK + 1200)))
[[ -n "$onsets" ]] || fail "no sound after the intro click: the sound folders were not found beside the program"
echo "menu shown, sound at ${onsets//$'\n'/ } ms (click at $CLICK_MARK ms)"
