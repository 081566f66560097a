#!/usr/bin/env bash
# The real program under QUIL_X_MONKEY_ACTIONS (600 unless set, about a
# minute) random X actions: pointer moves, clicks and keys anywhere in the
# window, message boxes answered, the program started again whenever Escape or
# the exit button ends it. It must never crash (every end has status 0), never
# stop answering (a click on a tile changes that tile's part of the screen
# within QUIL_X_MONKEY_ANSWER_MS, 1000 unless set, timed by
# QUIL_SCREEN_CHANGE), write no X or SDL error to its log, and grow its memory
# by at most 2 MB over its long last life. QUIL_X_MONKEY_SEED chooses the
# actions, a fresh seed otherwise; the seed and the count repeat them, though
# where they land depends on the program's pace. At the end it says what the
# actions reached, read from the program's traces.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
planned=${QUIL_X_MONKEY_ACTIONS:-600}
answer_limit=${QUIL_X_MONKEY_ANSWER_MS:-1000}
seed=${QUIL_X_MONKEY_SEED:-$((SRANDOM % 100000))}
RANDOM=$seed
e2e_scenario "x-monkey-$seed" "$@"
echo "seed $seed, $planned actions; the same actions again:" \
  "QUIL_X_MONKEY_SEED=$seed QUIL_X_MONKEY_ACTIONS=$planned QUIL_SCREEN_CHANGE=${QUIL_SCREEN_CHANGE:-} bash $0 $*"

# Return answers message boxes, so it comes often; Escape ends the program
# while an arrow has the focus.
keys=(p m 1 2 p m 1 2 Tab Return Return Return space a z F1 Left Right BackSpace shift+1 ctrl+p KP_1 Escape Escape)
# Counts over all lives; the judged life's memory samples.
starts=0 ends=0 checks=0 slowest=0 actions=0 judged=0
rss_samples=() rss_report=""
# Each life's trace, and how much of the judged life's trace its tour wrote.
traces="$E2E_WORK/traces"
tour_bytes=0
mkdir "$traces"

launch() {
  QUIL_TRACE="$traces/life-$((starts + 1))" SDL_AUDIODRIVER=dummy "$E2E_PROGRAM" >>"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  starts=$((starts + 1))
  rss_samples=() judged=0
  wait_for_main_window
}

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$E2E_PROGRAM_PID/status" 2>/dev/null || echo 0; }

# The peak memory of the first half of the judged life's samples against the
# peak of the second half. Peaks, because a single sample depends on the
# screen showing when it is taken (a channel screen holds its screenshot),
# while a leak lifts every later peak.
judge_memory() {
  local count=${#rss_samples[@]} early=0 late=0 i
  ((count >= 2)) || return 0
  for ((i = 0; i < count; i++)); do
    if ((i < count / 2)); then
      ((rss_samples[i] > early)) && early=${rss_samples[i]}
    else
      ((rss_samples[i] > late)) && late=${rss_samples[i]}
    fi
  done
  local growth=$((late - early))
  rss_report+="life $starts: peak ${early}kB then ${late}kB ($((growth / 1024))MB); "
  ((growth <= 2048)) || fail "memory grew by ${growth}kB over one life of the program (samples: ${rss_samples[*]} kB)"
}

# The program ended: through its own end, with status 0, or it crashed.
relaunch_if_ended() {
  program_ended || return 0
  local status
  status=$(program_exit_status)
  ((status == 0)) || fail "the program ended with status $status after ${starts} starts"
  ends=$((ends + 1))
  judge_memory
  launch
}

windows_shown() { xdotool search --onlyvisible --name '.' | wc -l; }
box_shown() { (($(windows_shown) == 2)); }
box_gone() { (($(windows_shown) == 1)); }
back_to_menu() {
  click_at 267 512 # "Quil Menu"
  sleep 0.3
  menu_on_screen
}

turn_to_page() {
  click_at "$1" 248 # an arrow
  wait_until 5 "page $2" page_on_screen "$2"
}

# The long life whose memory is judged starts afresh (SIGTERM ends the one
# before, cleanly) and first goes everywhere once, so that what is loaded on
# first sight (the other pages' pictures, a channel screen's fonts, the box's
# window, the music panel) is in before the first sample.
begin_judged_life() {
  kill -TERM "$E2E_PROGRAM_PID"
  wait_until 5 "the program's end on SIGTERM" program_ended
  relaunch_if_ended
  reveal_menu
  click_at "${E2E_TILE_11[@]}"
  wait_until 5 "Skyhop World's channel screen" skyhop_world_on_screen
  wait_until 5 "the menu after Quil Menu" back_to_menu
  click_at 148 112 # tile 1's joke box
  wait_until 5 "tile 1's message box" box_shown
  xdotool key Return
  wait_until 5 "the message box's end" box_gone
  turn_to_page 765 2
  xdotool key 1 # the arrow's focus takes the key
  wait_until 5 "the music panel up" music_panel_open
  xdotool key 2
  wait_until 5 "the music panel down" music_panel_gone
  turn_to_page 765 3
  turn_to_page 765 4
  turn_to_page 34 3
  turn_to_page 34 2
  turn_to_page 34 1
  # What the program has written of its trace so far is the tour's; at most
  # a buffer of the tour's last page turns comes later.
  tour_bytes=$(stat -c %s "$traces/life-$starts")
  rss_samples=()
  judged=1
}

# The menu at rest with no box over it: a click on a tile must change that
# tile's part of the screen (the arrows, which never rest, lie outside it).
# Tile 9 of page 1 lies there, and on every other page a tile that answers too.
check_answers() {
  # A zoom or a page scroll set off by the last actions ends first, so the
  # menu seen now is still the menu at the click.
  sleep 0.5
  menu_on_screen || return 0
  box_gone || return 0
  point_at 30 30 # the background, so that the tile's outline is off
  sleep 0.2
  local took
  if ! took=$("$QUIL_SCREEN_CHANGE" "$answer_limit" 60 300 180 140 xdotool mousemove 150 370 click 1); then
    program_ended && return 0
    fail "the tile's part of the screen did not change within ${answer_limit}ms of a click on it"
  fi
  ((took > slowest)) && slowest=$took
  checks=$((checks + 1))
}

[[ -x "${QUIL_SCREEN_CHANGE:-}" ]] || fail "no screen-change tool: set QUIL_SCREEN_CHANGE"
# reached: what the random actions reached, from the lives' traces (the
# judged life's after its tour): the menu's pages whose tiles the pointer met,
# the channel screens shown and those whose "Start" was pressed, the message
# boxes answered and the music panel's rises.
reached() {
  local life trace skip
  for trace in "$traces"/life-*; do
    life=${trace##*-} skip=0
    ((life == judged_life)) && skip=$tour_bytes
    tail -c +$((skip + 1)) "$trace"
  done | awk '
    $3 == "handler" && $4 == "Form1" && $5 ~ /^Shape[0-9]+Image$/ {
      n = substr($5, 6) + 0; pages[int((n - 1) / 12) + 1] = 1 }
    $3 == "handler" && $6 == "Load" && $4 != "Form1" { if (!($4 in shown)) names = names " " $4; shown[$4] = 1 }
    $3 == "handler" && $4 != "Form1" && ($5 == "Label6" || $5 == "Image2") && $6 == "Click" { started[$4] = 1 }
    $3 == "input" && $4 == "MessageBoxDismissed" { boxes++ }
    $3 == "timer-on" && $4 == "Form1" && $5 == "TimerMusic" { rises++ }
    END {
      for (p = 1; p <= 4; p++) if (p in pages) list = list " " p
      for (f in started) starts++
      printf "pages%s; channel screens%s, Start on %d; %d message boxes answered; the music panel raised %d times\n",
        (list == "" ? " none" : list), (names == "" ? " none" : names), starts, boxes, rises
    }'
}

start_display
: >"$E2E_WORK/program.log"
launch
began=$(now_ms)
next_check=$((began + 3000))
# Escape and the exit button end lives in the first third of the actions; the
# rest is one long life, whose memory is judged.
calm_from=$((planned / 3))
judged_life=0
# next_action: appends one random action to the xdotool command in `batch`.
# It draws the same numbers whatever it makes of them, so a seed gives the
# same actions however the run goes.
next_action() {
  local roll=$((RANDOM % 100)) x=$((RANDOM % 800)) y=$((RANDOM % 600)) aside=$((RANDOM % 4))
  local lower_y=$((RANDOM % 500)) place=$((RANDOM % 12)) button=$((RANDOM % 10 == 0 ? 3 : 1))
  local key=${keys[RANDOM % ${#keys[@]}]} pause=$((RANDOM % 9 + 1)) calm_now=$((actions >= calm_from))
  actions=$((actions + 1))
  if ((roll < 35)); then
    batch+=(mousemove "$x" "$y")
  elif ((roll < 70)); then
    if ((x > 330 && x < 470 && y > 540 && (calm_now || aside != 0))); then y=$lower_y; fi
    # Now and then a channel screen's "Quil Menu" button, to come back to the
    # menu, the right arrow, whose focus lets the keys act, or the exit.
    case $place in
      0) x=267 y=512 ;;
      1) x=765 y=248 ;;
      2) ((calm_now)) || x=400 y=561 ;;
    esac
    batch+=(mousemove "$x" "$y" click "$button")
  elif ((roll < 95)); then
    [[ $key == Escape ]] && ((calm_now)) && key=Return
    batch+=(key "$key")
  else
    batch+=(sleep "0.$pause")
  fi
}

while ((actions < planned)); do
  relaunch_if_ended
  if ((!judged && actions >= calm_from)); then
    begin_judged_life
    judged_life=$starts
  fi
  # Several actions to one xdotool: one process start is the costly part.
  batch=()
  for _ in 1 2 3 4 5 6 7 8; do next_action; done
  xdotool "${batch[@]}" 2>/dev/null || true
  now=$(now_ms)
  if ((now >= next_check)); then
    ((judged)) && rss_samples+=("$(rss_kb)")
    check_answers
    next_check=$((now + 3000))
  fi
done
relaunch_if_ended
judge_memory
errors=$(grep -iE 'X Error|BadWindow|BadMatch|BadDrawable|X connection|SDL|terminate|Sanitizer|Segmentation|core dumped' \
  "$E2E_WORK/program.log" || true)
[[ -z "$errors" ]] || fail "the program's log shows errors:"$'\n'"$errors"
echo "seed $seed: ${actions} actions in $((($(now_ms) - began) / 1000))s, ${starts} lives, ${ends} ends with status 0" \
  "(the last by SIGTERM), ${checks} tile clicks answered, slowest ${slowest}ms; memory: ${rss_report:-no life long enough to judge}"
stop_program
echo "reached: $(reached)"
