#!/usr/bin/env bash
# CPU share of one core that the program takes at rest: a still form on the
# real backend, in a private 800 x 600 X server, measured over a few seconds.
# Exits non-zero above 1%.
#
#   bench/idle-cpu.sh [build-dir] [seconds]
set -euo pipefail

build=${1:-build}
seconds=${2:-10}
demo="$build/bench/quil-idle-demo"
limit_percent=1

[[ -x $demo ]] || { echo "no $demo: build the quil-idle-demo target first" >&2; exit 2; }

xvfb_pid=""
demo_pid=""
cleanup() {
  [[ -n $demo_pid ]] && kill "$demo_pid" 2>/dev/null && wait "$demo_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells it on the pipe.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start" >&2; exit 2; }

DISPLAY=":$display" "$demo" &
demo_pid=$!
# Let it start and paint its first frames before measuring.
sleep 1

ticks() { awk '{ print $14 + $15 }' "/proc/$demo_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks)
end=$(date +%s.%N)

awk -v used="$((after - before))" -v hz="$hz" -v start="$start" -v end="$end" -v limit="$limit_percent" 'BEGIN {
  share = 100 * used / hz / (end - start)
  printf "quil-idle-demo at rest: %.2f%% of a core (%d ticks of CPU in %.1f s)\n", share, used, end - start
  exit share > limit ? 1 : 0
}'
