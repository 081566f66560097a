#!/usr/bin/env bash
# The real program under random X input for QUIL_X_MONKEY_SECONDS (30 unless
# set): pointer moves, clicks and keys anywhere in the window, message boxes
# answered, the program started again whenever Escape or the exit button ends
# it. It must never crash (every end has status 0), never stop answering (a
# click on a tile changes the screen within QUIL_X_MONKEY_ANSWER_MS, 2500
# unless set), write no X or SDL error to its log, and grow its memory by at
# most 2 MB over a long life. QUIL_X_MONKEY_SEED repeats a run.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario x-monkey "$@"

seconds=${QUIL_X_MONKEY_SECONDS:-30}
answer_limit=${QUIL_X_MONKEY_ANSWER_MS:-2500}
seed=${QUIL_X_MONKEY_SEED:-$((SRANDOM % 100000))}
RANDOM=$seed
echo "seed $seed, ${seconds}s"

keys=(p m 1 2 p m 1 2 Tab Return space a z F1 Left Right BackSpace shift+1 ctrl+p KP_1 Escape)
# Each life of the program: its pid, when it started, its memory samples.
starts=0 ends=0 checks=0 slowest=0 life_start=0
first_sample_ms=$((seconds * 500 < 60000 ? seconds * 500 : 60000))
rss_first="" rss_last="" rss_report=""

launch() {
  SDL_AUDIODRIVER=dummy "$E2E_PROGRAM" >>"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  starts=$((starts + 1))
  life_start=$(now_ms) rss_first="" rss_last=""
  wait_for_main_window
}

rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$E2E_PROGRAM_PID/status" 2>/dev/null || echo 0; }

# Memory a minute into a life (half-way through a short run) against the
# life's last sample.
judge_memory() {
  [[ -n "$rss_first" && -n "$rss_last" ]] || return 0
  local growth=$((rss_last - rss_first))
  rss_report+="life $starts: ${rss_first}kB to ${rss_last}kB ($((growth / 1024))MB); "
  ((growth <= 2048)) || fail "memory grew by ${growth}kB over one life of the program"
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

# The menu at rest with no box over it: a click on a tile must change the screen.
check_answers() {
  menu_on_screen || return 0
  (($(xdotool search --onlyvisible --name '.' | wc -l) == 1)) || return 0
  cp "$(shot probe)" "$(shot before)"
  local clicked took
  clicked=$(now_ms)
  click_at 150 370
  until shoot after && [[ $(compare -metric AE "$(shot before)" "$(shot after)" null: 2>&1) != 0 ]]; do
    took=$(($(now_ms) - clicked))
    ((took < answer_limit)) || fail "no change on screen ${took}ms after a click on a tile"
    program_ended && return 0
  done
  took=$(($(now_ms) - clicked))
  ((took > slowest)) && slowest=$took
  checks=$((checks + 1))
}

start_display
: >"$E2E_WORK/program.log"
launch
began=$(now_ms)
next_check=$((began + 3000))
while (($(now_ms) - began < seconds * 1000)); do
  relaunch_if_ended
  roll=$((RANDOM % 100))
  x=$((RANDOM % 800)) y=$((RANDOM % 600))
  if ((roll < 35)); then
    xdotool mousemove "$x" "$y" 2>/dev/null || true
  elif ((roll < 70)); then
    # The exit button is left alone most of the time, so lives last.
    if ((x > 330 && x < 470 && y > 540 && RANDOM % 20 != 0)); then y=$((RANDOM % 500)); fi
    xdotool mousemove "$x" "$y" click "$((RANDOM % 10 == 0 ? 3 : 1))" 2>/dev/null || true
  elif ((roll < 95)); then
    key=${keys[RANDOM % ${#keys[@]}]}
    [[ $key == Escape && $((RANDOM % 8)) != 0 ]] && key=Return
    xdotool key "$key" 2>/dev/null || true
  else
    sleep "0.$((RANDOM % 9 + 1))"
  fi
  now=$(now_ms)
  if ((now >= next_check)); then
    life=$((now - life_start))
    rss=$(rss_kb)
    # The first sample a minute into a life, or half-way through a short run.
    if ((life >= first_sample_ms)); then
      [[ -n "$rss_first" ]] || rss_first=$rss
      rss_last=$rss
    fi
    check_answers
    next_check=$((now + 3000))
  fi
done
relaunch_if_ended
judge_memory
errors=$(grep -iE 'X Error|BadWindow|BadMatch|BadDrawable|X connection|SDL|terminate|Sanitizer|Segmentation|core dumped' \
  "$E2E_WORK/program.log" || true)
[[ -z "$errors" ]] || fail "the program's log shows errors:"$'\n'"$errors"
echo "${seconds}s: ${starts} lives, ${ends} ends through the program's own exit, ${checks} tile clicks answered," \
  "slowest ${slowest}ms; memory: ${rss_report:-no life long enough to judge}"
