#!/usr/bin/env bash
# --scale 2 on a 1920 x 1080 desktop asks for a window taller than the
# desktop: the program says so in one line on stderr and shows the largest
# quarter step that fits, 1.75, the whole window on the desktop with its title
# bar, with no window manager and under openbox. A window the user makes
# larger than the desktop comes back inside it.
# Usage: window-placement.sh PROGRAM ARTIFACTS_DIR
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario window-placement "$@"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# whole_on_desktop: the window, with the frame a window manager put around it, lies on the desktop.
whole_on_desktop() {
  follow_scaled_window
  local width height x y left=0 right=0 top=0 bottom=0
  read -r width height x y < <(tr 'x+' '  ' <<<"$E2E_WINDOW_GEOMETRY")
  local extents
  extents=$(xprop -id "$E2E_WINDOW" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  [[ -z $extents ]] || read -r left right top bottom <<<"$extents"
  ((x - left >= 0 && y - top >= 0 && x + width + right <= 1920 && y + height + bottom <= 1080))
}

# scale_two_falls_back DESKTOP: --scale 2 shows the window at 1.75, whole, and says so once.
scale_two_falls_back() {
  start_program "$E2E_PROGRAM" --window --scale 2
  wait_for_scaled_window
  wait_until 5 "the whole window on the desktop $1" whole_on_desktop
  [[ $E2E_WINDOW_GEOMETRY == 1400x1050+* ]] ||
    fail "$1: the window's inside is $E2E_WINDOW_GEOMETRY, not 1.75 times the screen"
  local said
  said=$(grep -c "scale of 2 does not fit" "$E2E_WORK/program.log" || true)
  ((said == 1)) || fail "$1: the fallback said $said times on stderr: $(<"$E2E_WORK/program.log")"
  echo "$1: window $E2E_WINDOW_GEOMETRY"
}

start_display 1920x1080
scale_two_falls_back "without a window manager"
xdotool windowsize "$E2E_WINDOW" 2400 1400
wait_until 5 "a window grown past the desktop back on it" whole_on_desktop
echo "grown past the desktop: window $E2E_WINDOW_GEOMETRY"
stop_program

openbox >"$E2E_WORK/openbox.log" 2>&1 &
wait_until 10 "openbox to manage the desktop" wm_running
scale_two_falls_back "under openbox"
stop_program
