#!/usr/bin/env bash
# Own channels, the heavy case: 43 of them, each with a 1000 x 1400 JPEG tile
# picture and a 1920 x 1080 PNG screenshot in its media folder. Prints its own
# table after bench/run.sh's, which calls it with the build folder and the
# X display it runs on.
#
# - Start-up: hyperfine times quil-os to its first frame without a channels
#   file and with this one, in one run; callgrind counts the instructions of
#   each. The file's pictures are not read before they are shown, so the two
#   should be close.
# - quil-own-channels (bench/OwnChannels.cpp), headless at twice the size on
#   the tests' virtual clock: what the first scroll to a page of twelve own
#   tiles costs beyond a later one (their pictures decoded and filtered), and
#   the resident memory after every page and 10 own channel screens (the
#   2x canvas and every picture at 2x included), and after more visits.
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${RUNS:-40}
visits=${VISITS:-200}
program="$build/bin/quil-os"
own_channels="$build/bench/quil-own-channels"
for tool in "$program" "$own_channels"; do
  [[ -x $tool ]] || { echo "no $tool: build first (make bench does)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
  return 0
}
trap cleanup EXIT
say() { echo "bench: $*" >&2; }

# The program's own screen: an 800 x 600 display of its own.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display"

say "own channels: 43 channels' pictures"
config=$work/config data=$work/data
mkdir -p "$config/quil-os" "$work/none"
convert -size 1000x1400 plasma:tomato-steelblue -quality 90 "$work/tile.jpg"
convert -size 1920x1080 plasma:gold-navy "$work/screenshot.png"
for i in $(seq -w 1 43); do
  media="$data/quil-os/media/Own Game $i"
  mkdir -p "$media"
  ln "$work/tile.jpg" "$media/tile.jpg"
  ln "$work/screenshot.png" "$media/screenshot.png"
  printf '[Own Game %s]\nExec=true\nPlatform=Kestrel Portable\nYear=1994\nPlayers=1-2\n\n' "$i"
done >"$config/quil-os/channels.conf"
chmod 600 "$config/quil-os/channels.conf"

say "own channels: start-up, $runs runs each"
XDG_DATA_HOME=$data QUIL_FIRST_FRAME_ONLY=1 hyperfine --shell=none --style=none --warmup 5 --runs "$runs" \
  --export-csv "$work/startup.csv" \
  --command-name without "env XDG_CONFIG_HOME=$work/none $program" \
  --command-name with "env XDG_CONFIG_HOME=$config $program" >/dev/null
instructions() {
  XDG_CONFIG_HOME=$1 XDG_DATA_HOME=$data QUIL_FIRST_FRAME_ONLY=1 \
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" 2>&1 | awk '/Collected :/ { print $NF }' | tail -1
}
ir_without=$(instructions "$work/none")
ir_with=$(instructions "$config")

say "own channels: pages and screens at twice the size, headless"
headless=$(XDG_DATA_HOME=$data "$own_channels" "$config/quil-os/channels.conf" "$visits")

verdict() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }' && echo ok || echo MISS; }
read -r mean_without mean_with < <(awk -F, 'NR == 2 { a = $2 } NR == 3 { b = $2 } END { printf "%.1f %.1f\n", a * 1000, b * 1000 }' "$work/startup.csv")
ratio=$(awk -v a="$mean_without" -v b="$mean_with" 'BEGIN { printf "%.3f", b / a }')
ir_ratio=$(awk -v a="$ir_without" -v b="$ir_with" 'BEGIN { printf "%.3f", b / a }')
read -r first_page rss_visited rss_more more <<<"$headless"

echo
echo "Own channels: 43, each a 1000 x 1400 JPEG tile and a 1920 x 1080 PNG screenshot"
echo
echo "| Measure | Figure | Target | |"
echo "|---|---|---|---|"
printf '| start-up without the file, with it (mean) | %s ms, %s ms = %sx | <= 1.05x | %s |\n' \
  "$mean_without" "$mean_with" "$ratio" "$(verdict "$ratio" 1.05)"
printf '| instructions to the first frame (callgrind) | %s / %s = %sx | <= 1.05x | %s |\n' \
  "$ir_with" "$ir_without" "$ir_ratio" "$(verdict "$ir_ratio" 1.05)"
printf '| first page of 12 own tiles at 2x: their decoding and filtering (headless) | %s ms | <= 150 ms | %s |\n' \
  "$first_page" "$(verdict "$first_page" 150)"
printf '| resident after every page and 10 own screens (headless) | %.1f MB | <= 60 MB | %s |\n' \
  "$(awk -v k="$rss_visited" 'BEGIN { print k / 1024 }')" "$(verdict "$rss_visited" $((60 * 1024)))"
printf '| after %s more visits | %+d KiB | flat, within 1 MB | %s |\n' \
  "$more" "$((rss_more - rss_visited))" "$(verdict $((rss_more - rss_visited)) 1024)"
