#!/usr/bin/env bash
# The benchmark behind `make bench`: runs the real program in a private
# 800 x 600 Xvfb and prints one table of figures.
#
#   bench/run.sh [build-dir]          VISITS=200 RUNS=40 bench/run.sh
#
# 1. Start-up: hyperfine times the bare SDL2 floor program and quil-os (with
#    QUIL_FIRST_FRAME_ONLY=1, so it ends right after its first frame) in one
#    run; callgrind counts the instructions each executes to that frame.
# 2. One session of quil-os with QUIL_TRACE on, driven by xdotool: the intro
#    click, hovers over a tile, a rest on the menu with the music playing
#    (CPU share and resident memory), a page scroll there and back, the music
#    panel up and down, two zooms into a channel screen and back (resident
#    memory), then VISITS more channel visits (resident memory again) and the
#    exit button. KEEP=DIR keeps the trace and the hyperfine figures there.
# 3. quil-bench-report reads it all and prints the table.
set -euo pipefail

build=$(realpath "${1:-build}")
visits=${VISITS:-200}
runs=${RUNS:-40}
program="$build/bin/quil-os"
floor="$build/bench/quil-first-frame-floor"
report="$build/bench/quil-bench-report"
for tool in "$program" "$floor" "$report"; do
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

# --- 2. one traced session ------------------------------------------------------
click() { xdotool mousemove "$1" "$2" click 1; }
point() { xdotool mousemove "$1" "$2"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/stat"; }
main_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/task/$program_pid/stat"; }

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
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
main_before=$(main_ticks)
start=$(date +%s.%N)
sleep "${IDLE_SECONDS:-20}"
after=$(cpu_ticks)
main_after=$(main_ticks)
end=$(date +%s.%N)
share() { awk -v used="$1" -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", 100 * used / hz / (e - s) }'; }
idle=$(share $((after - before)))
idle_main=$(share $((main_after - main_before)))

click 762 248                 # the next-page arrow: page 2 slides in
sleep 1.2
xdotool key 1                 # the music panel rises
sleep 1.5
xdotool key 2                 # and goes down again
sleep 1.5
click 34 248                  # the previous-page arrow: back to page 1
sleep 1.2

visit() {                     # tile 3 zooms into its channel screen; "Quil Menu" returns
  click 484 109
  sleep "$1"
  click 267 512
  sleep "$2"
}
visit 1.2 1
visit 1.2 1
rss_warm=$(rss_kb)            # every picture and font of a channel screen now loaded
say "$visits channel visits"
for ((i = 0; i < visits; i++)); do visit 0.7 0.5; done
sleep 1
rss_after=$(rss_kb)

click 401 561                 # the exit button
for _ in $(seq 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$program_pid" 2>/dev/null || true
program_pid=""

if [[ -n ${KEEP:-} ]]; then
  mkdir -p "$KEEP"
  cp "$work/trace.txt" "$work/startup.csv" "$KEEP/"
fi

# --- 3. the table -------------------------------------------------------------------
echo
echo "Quil OS benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$report" --startup "$work/startup.csv" --instructions "$floor_ir" "$quil_ir" --trace "$work/trace.txt" \
  --idle "$idle" "$idle_main" --rss "$rss_start" "$rss_warm" "$rss_after" --visits "$visits"
