#!/usr/bin/env bash
# The benchmark behind `make bench`: runs the real program in a private
# 800 x 600 Xvfb and prints one table of figures.
#
#   bench/run.sh [build-dir]          VISITS=200 RUNS=40 bench/run.sh
#
# 1. Start-up: hyperfine times the bare SDL2 floor program and quil-os (with
#    QUIL_FIRST_FRAME_ONLY=1, so it ends right after its first frame) in one
#    run; callgrind counts the instructions each executes to that frame.
# 2. What rest costs without the program: the menu's music played alone by a
#    bare SDL2_mixer program opened as the program opens it, a still form
#    on the program's runtime, and a bare X client that has a small piece
#    copied into its window twenty times a second, each left alone for
#    IDLE_SECONDS (20). Then the program itself at rest on its menu, the music
#    playing, untraced, as it is run.
# 3. One session of quil-os with QUIL_TRACE on, driven by xdotool: the intro
#    click, hovers over a tile, a rest on the menu with the music playing
#    (the arrows' swing, resident memory), a page scroll there and back, the music
#    panel up and down, two zooms into a channel screen and back (resident
#    memory), then VISITS more channel visits over page 1's six game tiles
#    (resident memory again) and the exit button. KEEP=DIR keeps the traces
#    and the hyperfine figures there.
# 4. A shorter session at twice the size, `quil-os --scale 2` in a private
#    1600 x 1200 Xvfb, which its window fills: the intro click, the hovers
#    and two zooms into a channel screen and back; then the rest, untraced.
# 5. quil-bench-report reads it all and prints the table.
# 6. quil-channel-visits visits the channel screens VISITS times on the tests'
#    virtual clock, painting every frame, and reports its resident memory;
#    then 10 times painting at twice the size, against the same figure at 1x.
set -euo pipefail

build=$(realpath "${1:-build}")
visits=${VISITS:-200}
runs=${RUNS:-40}
program="$build/bin/quil-os"
floor="$build/bench/quil-first-frame-floor"
music_floor="$build/bench/quil-music-floor"
still_form="$build/bench/quil-idle-demo"
wake_floor="$build/bench/quil-wake-floor"
report="$build/bench/quil-bench-report"
channel_visits="$build/bench/quil-channel-visits"
for tool in "$program" "$floor" "$music_floor" "$still_form" "$wake_floor" "$report" "$channel_visits"; do
  [[ -x $tool ]] || { echo "no $tool: build first (make bench does)" >&2; exit 2; }
done
for command in hyperfine valgrind Xvfb xdotool; do
  command -v "$command" >/dev/null || { echo "$command is missing: scripts/install-deps installs it" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display"

say() { echo "bench: $*" >&2; }

# --- 1. start-up --------------------------------------------------------------
say "start-up, $runs runs each"
QUIL_FIRST_FRAME_ONLY=1 hyperfine --shell=none --style=none --warmup 5 --runs "$runs" \
  --export-csv "$work/startup.csv" "$floor" "$program" >/dev/null

instructions() {
  QUIL_FIRST_FRAME_ONLY=1 valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
    awk '/Collected :/ { print $NF }' | tail -1
}
say "instruction counts"
floor_ir=$(instructions "$floor")
quil_ir=$(instructions "$program")

# --- 2. what rest costs without the program: its music alone, and a still form --
idle_seconds=${IDLE_SECONDS:-20}
# cpu_ns PID [TASK]: the CPU time the threads of a process (or one of them)
# have run, in nanoseconds: the scheduler's own count, finer than the
# clock ticks of /proc/PID/stat (a tick is 0.05 % of 20 s).
cpu_ns() {
  local tasks=("/proc/$1/task/"*)
  [[ -n ${2:-} ]] && tasks=("/proc/$1/task/$2")
  cat "${tasks[@]/%//schedstat}" 2>/dev/null | awk '{ sum += $1 } END { printf "%d", sum }'
}
# cpu_share PID SECONDS [TASK]: the CPU share of a process (or of one of its
# threads) over SECONDS, in percent of a core.
cpu_share() {
  local before after start end
  before=$(cpu_ns "$1" "${3:-}")
  start=$(date +%s.%N)
  sleep "$2"
  after=$(cpu_ns "$1" "${3:-}")
  end=$(date +%s.%N)
  awk -v used=$((after - before)) -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", 100 * used / 1e9 / (e - s) }'
}
# rest_share COMMAND...: the share of COMMAND left alone for idle_seconds.
rest_share() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 2
  cpu_share "$pid" "$idle_seconds"
  kill "$pid" && wait "$pid" 2>/dev/null || true
}
say "the music alone, a still form, a bare X client waking"
music_only=$(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null rest_share "$music_floor" "$(dirname "$program")/Music/Menu.mp3")
still_only=$(rest_share "$still_form")
wake_only=$(rest_share "$wake_floor")

click() { xdotool mousemove "$1" "$2" click 1; }
point() { xdotool mousemove "$1" "$2"; }
# rest_on_menu X Y AWAY_X AWAY_Y [OPTION...]: quil-os, untraced, clicked at
# (X, Y) past its warning and left on its menu with the pointer at (AWAY_X,
# AWAY_Y) and the music playing; prints its share and its interface
# thread's over idle_seconds.
rest_on_menu() {
  local x=$1 y=$2 away_x=$3 away_y=$4
  shift 4
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$program" "$@" 2>/dev/null &
  program_pid=$!
  sleep 2.5
  click "$x" "$y"
  sleep 4                     # the jingle's hold-off ends, the music has started
  point "$away_x" "$away_y"
  sleep 2
  cpu_share "$program_pid" "$idle_seconds" >"$work/rest" &
  local main
  main=$(cpu_share "$program_pid" "$idle_seconds" "$program_pid")
  wait $!
  echo "$(<"$work/rest") $main"
  kill "$program_pid" && wait "$program_pid" 2>/dev/null
  program_pid=""
}
say "quil-os at rest on its menu"
rest_on_menu 400 300 30 30 >"$work/rest-1x"
read -r idle idle_main <"$work/rest-1x"

# --- 3. one traced session ------------------------------------------------------
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }
# The program has five seconds to end after its exit button.
await_exit() {
  for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

say "traced session"
QUIL_TRACE="$work/trace.txt" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$program" 2>/dev/null &
program_pid=$!
sleep 2.5
click 400 300                 # the intro click reveals the menu
sleep 4                       # the jingle's hold-off ends, the music has started

for _ in 1 2 3 4 5 6; do      # tile 2 lights up and sounds, the background resets it
  point 30 30
  sleep 0.3
  point 316 112
  sleep 0.4
done
point 30 30
sleep 2
rss_start=$(rss_kb)
sleep "$idle_seconds"         # the arrows swing

click 762 248                 # the next-page arrow: page 2 slides in
sleep 1.2
xdotool key 1                 # the music panel rises
sleep 1.5
xdotool key 2                 # and goes down again
sleep 1.5
click 34 248                  # the previous-page arrow: back to page 1
sleep 1.2

# The game tiles of page 1 (3, 5, 8, 9, 11, 12), one after another: each
# zooms into its channel screen, and "Quil Menu" returns.
game_tiles=("484 109" "148 240" "652 240" "148 368" "484 368" "652 368")
visit() {
  # shellcheck disable=SC2086  # a tile is its two coordinates
  click ${game_tiles[$1 % ${#game_tiles[@]}]}
  sleep "$2"
  click 267 512
  sleep "$3"
}
visit 0 1.2 1
visit 1 1.2 1
rss_warm=$(rss_kb)            # every picture and font of a channel screen now loaded
say "$visits channel visits"
for ((i = 0; i < visits; i++)); do visit "$i" 0.7 0.5; done
sleep 1
rss_after=$(rss_kb)

click 401 561                 # the exit button
await_exit

# --- 4. the same at twice the size ---------------------------------------------------
kill "$xvfb_pid" && wait "$xvfb_pid" 2>/dev/null
Xvfb -displayfd "$fd" -screen 0 1600x1200x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display"
# The window fills the desktop: the screen's pixel (x, y) is at (2x + 1, 2y + 1).
click2() { click $((2 * $1 + 1)) $((2 * $2 + 1)); }
point2() { point $((2 * $1 + 1)) $((2 * $2 + 1)); }

say "traced session at twice the size"
QUIL_TRACE="$work/trace-2x.txt" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$program" --scale 2 2>/dev/null &
program_pid=$!
sleep 2.5
click2 400 300
sleep 4
for _ in 1 2 3 4 5 6; do
  point2 30 30
  sleep 0.3
  point2 316 112
  sleep 0.4
done
point2 30 30
sleep 2
visit2() {
  # shellcheck disable=SC2086  # a tile is its two coordinates
  click2 ${game_tiles[$1]}
  sleep 1.2
  click2 267 512
  sleep 1
}
visit2 0
visit2 1
click2 401 561
await_exit
say "quil-os at rest at twice the size"
rest_on_menu 801 601 61 61 --scale 2 >"$work/rest-2x"
read -r _ idle_main_2x <"$work/rest-2x"

if [[ -n ${KEEP:-} ]]; then
  mkdir -p "$KEEP"
  cp "$work/trace.txt" "$work/trace-2x.txt" "$work/startup.csv" "$KEEP/"
fi

# --- 5. the table -------------------------------------------------------------------
echo
echo "Quil OS benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$report" --startup "$work/startup.csv" --instructions "$floor_ir" "$quil_ir" --trace "$work/trace.txt" \
  --idle "$idle" "$idle_main" --idle-floors "$music_only" "$still_only" "$wake_only" --rss "$rss_start" "$rss_warm" "$rss_after" --visits "$visits" \
  --trace-2x "$work/trace-2x.txt" --idle-2x "$idle_main_2x"

# --- 6. channel visits on the virtual clock ---------------------------------------
say "$visits channel visits on the virtual clock"
verdict=ok
headless=$("$channel_visits" "$visits") || verdict=MISS
echo
echo "Channel visits on the tests' virtual clock, every frame painted (target: within 1 MB): $headless $verdict"
# The same at twice the size: the pictures drawn for it are four times the
# pixels, so resident memory after every page and 10 visits is held to 1.5x.
say "10 channel visits at twice the size"
twice=$("$channel_visits" 10 2) || true
kib() { sed -n 's/.*and 10 visits: \([0-9]*\) KiB.*/\1/p' <<<"$1"; }
awk -v one="$(kib "$headless")" -v two="$(kib "$twice")" 'BEGIN {
  printf "At twice the size, resident memory after every page and 10 visits: %d KiB = %.2fx the 1x figure (target: <= 1.5x) %s\n",
    two, two / one, two <= 1.5 * one ? "ok" : "MISS" }'

# --- 7. own channels -----------------------------------------------------------------
"$(dirname "$0")/own-channels.sh" "$build"
