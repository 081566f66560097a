# shellcheck shell=bash
# Harness of the end-to-end scenarios, sourced by each of them.
#
# A scenario runs the real program in an X server of its own (Xvfb), with SDL's
# disk audio driver writing the mixed sound output to a file, drives it with
# xdotool, and judges it on screenshots (ImageMagick) and on the captured sound
# (sox). Everything a scenario writes goes into its work folder, which is
# removed when the scenario passes and kept, screenshots and all, when it fails.
#
# Usage in a scenario:  source lib.sh; e2e_scenario NAME PROGRAM ARTIFACTS_DIR

set -euo pipefail

# The mixer opens the device at 44100 Hz, signed 16-bit, stereo; the disk
# driver writes exactly that, in real time, from the moment the program starts.
E2E_SOX_RAW=(-t raw -r 44100 -e signed -b 16 -c 2)
E2E_SOUND_BYTES_PER_SECOND=$((44100 * 2 * 2))
# Above this fraction of full scale a sample counts as sound (silence is 0).
E2E_SOUND_LEVEL=0.01
# Silence shorter than this does not split one sound into two.
E2E_SOUND_GAP_MS=100
# Tolerance per colour channel when a pixel is compared with its expected colour.
E2E_COLOUR_TOLERANCE=3

E2E_WORK=""
E2E_PROGRAM=""
E2E_PROGRAM_PID=""
E2E_XVFB_PID=""

# --- scenario lifetime ------------------------------------------------------

# e2e_scenario NAME PROGRAM ARTIFACTS_DIR: starts afresh in the work folder
# ARTIFACTS_DIR/NAME.
e2e_scenario() {
  [[ -x "$2" ]] || fail "no program at $2"
  E2E_PROGRAM=$(realpath "$2")
  E2E_WORK="$3/$1"
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_WORK"
  E2E_WORK=$(realpath "$E2E_WORK")
  trap e2e_finish EXIT
}

e2e_finish() {
  local status=$?
  stop_program
  stop_display
  if ((status == 0)); then
    rm -rf "$E2E_WORK"
  else
    echo "Screenshots, program output and captured sound kept in $E2E_WORK" >&2
  fi
  exit "$status"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

now_ms() {
  local micro=${EPOCHREALTIME/./}
  echo $((micro / 1000))
}

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; fails
# naming WHAT when SECONDS pass first.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(($(now_ms) + seconds * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || fail "waited ${seconds}s in vain for: $what"
    sleep 0.05
  done
}

# until_judged TRIES WHAT STEP...: runs STEP, which judges a moment that a
# busy machine can miss, until it has judged it. STEP returns 1, having judged
# nothing, when the moment was missed; then the program it started is stopped
# and it runs again, up to TRIES times in all.
until_judged() {
  local tries=$1 what=$2 try
  shift 2
  for ((try = 1; ; try++)); do
    "$@" && return 0
    ((try < tries)) || fail "the machine was too busy to judge $what in $tries tries"
    echo "note: the machine was too busy to judge $what; trying again"
    stop_program
  done
}

# sleep_until MS: sleeps until the clock of now_ms reaches MS.
sleep_until() {
  local remaining=$(($1 - $(now_ms)))
  ((remaining <= 0)) || sleep "$(seconds "$remaining")"
}

seconds() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

# --- X server ---------------------------------------------------------------

# start_display [WIDTHxHEIGHT]: an Xvfb on a free display number, made current.
start_display() {
  local size=${1:-800x600}
  local number_file="$E2E_WORK/display-number"
  : >"$number_file"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$number_file" >"$E2E_WORK/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  wait_until 10 "Xvfb to start" test -s "$number_file"
  DISPLAY=":$(<"$number_file")"
  export DISPLAY
}

stop_display() {
  [[ -n "$E2E_XVFB_PID" ]] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=""
}

# window_shown NAME: a mapped window has exactly this title.
window_shown() {
  xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

window_gone() { ! window_shown "$1"; }

# --- the program ------------------------------------------------------------

# app_folder FOLDER...: a copy of the program in a folder of its own with only
# the named sound folders (Sfx, Music) beside it, so that one kind of sound can
# be heard without the other. Prints the copy's path.
app_folder() {
  local app="$E2E_WORK/app" bin
  bin=$(dirname "$E2E_PROGRAM")
  mkdir -p "$app"
  cp "$E2E_PROGRAM" "$app/"
  local folder
  for folder in "$@"; do ln -s "$bin/$folder" "$app/$folder"; done
  echo "$app/$(basename "$E2E_PROGRAM")"
}

# start_program [PROGRAM [OPTION...]]: runs it on the current display with its
# sound written to $E2E_WORK/sound.raw.
start_program() {
  local program=${1:-$E2E_PROGRAM}
  shift $(($# > 0))
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_WORK/sound.raw" \
    "$program" "$@" >"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
}

# program_ended: the program has ended (it may still wait to be reaped).
program_ended() {
  [[ -n "$E2E_PROGRAM_PID" ]] || return 0
  local state
  { read -r _ _ state _ <"/proc/$E2E_PROGRAM_PID/stat"; } 2>/dev/null || return 0
  [[ "$state" == Z ]]
}

# program_exit_status: waits for the program's end and prints its exit status.
program_exit_status() {
  local status=0
  wait "$E2E_PROGRAM_PID" || status=$?
  E2E_PROGRAM_PID=""
  echo "$status"
}

stop_program() {
  [[ -n "$E2E_PROGRAM_PID" ]] || return 0
  kill "$E2E_PROGRAM_PID" 2>/dev/null || true
  wait "$E2E_PROGRAM_PID" 2>/dev/null || true
  E2E_PROGRAM_PID=""
}

# wait_for_main_window: the program's window is up at 800 x 600 at the origin.
wait_for_main_window() {
  wait_until 10 'the "Quil OS" window' window_shown "Quil OS"
  local geometry
  geometry=$(xdotool search --onlyvisible --name '^Quil OS$' getwindowgeometry | tr -d ' ' | tr '\n' ' ')
  [[ "$geometry" == *"Position:0,0"*"Geometry:800x600"* ]] || fail "main window misplaced: $geometry"
}

# --- the screen in a scaled window ---------------------------------------------
# Started with --window (as the launcher starts it) the program shows its
# 800 x 600 screen scaled into a window of any size, in the middle, with black
# bars where the window's shape differs. The input helpers and pixels take the
# screen's pixels and find them on the desktop; shoot takes the screen's part
# of the desktop. Counts over regions of a shot are in the window's pixels.

# Where the screen lies on the desktop; the whole desktop until a scaled
# window is followed.
E2E_SCREEN_X=0
E2E_SCREEN_Y=0
E2E_SCREEN_SCALE=1
E2E_SCREEN_CROP=""
E2E_WINDOW=""

# wait_for_scaled_window: the "Quil OS" window is up; follows it.
wait_for_scaled_window() {
  wait_until 10 'the "Quil OS" window' window_shown "Quil OS"
  E2E_WINDOW=$(xdotool search --onlyvisible --name '^Quil OS$' | head -1)
  follow_scaled_window
}

# follow_scaled_window: takes the window's place and size as they are now, and
# with them the screen's: as large as fits with its shape kept, in the middle.
# Sets E2E_WINDOW_GEOMETRY to WxH+X+Y of the window's inside.
follow_scaled_window() {
  local x y width height
  # xwininfo, not xdotool: under a window manager xdotool counts the frame twice.
  read -r x y width height < <(xwininfo -id "$E2E_WINDOW" |
    awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
         /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
  # shellcheck disable=SC2034  # read by the scenarios
  E2E_WINDOW_GEOMETRY="${width}x${height}+${x}+${y}"
  read -r E2E_SCREEN_SCALE E2E_SCREEN_X E2E_SCREEN_Y E2E_SCREEN_CROP < <(
    awk -v x="$x" -v y="$y" -v w="$width" -v h="$height" 'BEGIN {
      s = w / 800; if (h / 600 < s) s = h / 600
      sw = int(800 * s + 0.5); sh = int(600 * s + 0.5)
      left = x + int((w - sw) / 2); top = y + int((h - sh) / 2)
      printf "%.6f %d %d %dx%d+%d+%d\n", s, left, top, sw, sh, left, top
    }')
}

# desktop_point X Y: the desktop pixel in the middle of where the screen pixel (X, Y) is shown.
desktop_point() {
  awk -v x="$1" -v y="$2" -v s="$E2E_SCREEN_SCALE" -v left="$E2E_SCREEN_X" -v top="$E2E_SCREEN_Y" \
    'BEGIN { printf "%d %d\n", left + int((x + 0.5) * s), top + int((y + 0.5) * s) }'
}

# --- screenshots ------------------------------------------------------------

# shoot NAME: a screenshot of the whole screen as $E2E_WORK/NAME.png.
shoot() {
  if [[ -n "$E2E_SCREEN_CROP" ]]; then
    import -window root -crop "$E2E_SCREEN_CROP" +repage "$E2E_WORK/$1.png"
  else
    import -window root "$E2E_WORK/$1.png"
  fi
}

# shot NAME: the file of a screenshot, NAME.png, or NAME.ppm when a burst took it.
shot() {
  local file="$E2E_WORK/$1.png"
  [[ -f $file || ! -f "$E2E_WORK/$1.ppm" ]] || file="$E2E_WORK/$1.ppm"
  echo "$file"
}

# start_burst NAME COUNT INTERVAL_MS: in the background, COUNT screenshots
# INTERVAL_MS apart, NAME-1 to NAME-COUNT, fast enough to catch an animation;
# finish_burst waits for them. The tool's path is in QUIL_FRAME_BURST.
start_burst() {
  [[ -x "${QUIL_FRAME_BURST:-}" ]] || fail "no frame-burst tool: set QUIL_FRAME_BURST"
  "$QUIL_FRAME_BURST" "$2" "$3" "$E2E_WORK/$1" &
  E2E_BURST_PID=$!
}
finish_burst() {
  wait "$E2E_BURST_PID" || fail "the burst of screenshots failed"
}

# burst_pixels NAME COUNT X,Y...: for each screenshot of a burst, one line
# with the R,G,B of each point, separated by blanks.
burst_pixels() {
  local name=$1 count=$2 format="" point x y i
  shift 2
  for point in "$@"; do
    x=${point%,*} y=${point#*,}
    format+="%[fx:round(255*p{$x,$y}.r)],%[fx:round(255*p{$x,$y}.g)],%[fx:round(255*p{$x,$y}.b)] "
  done
  local files=()
  for ((i = 1; i <= count; i++)); do files+=("$E2E_WORK/$name-$i.ppm"); done
  convert "${files[@]}" -format "${format% }\n" info:
}

# pixels SHOT X,Y...: prints R,G,B (0-255) of each point, one per line. The
# points are screen pixels, found where a scaled window shows them.
pixels() {
  local image format="" point x y
  image=$(shot "$1")
  shift
  for point in "$@"; do
    x=${point%,*} y=${point#*,}
    if [[ "$E2E_SCREEN_SCALE" != 1 ]]; then
      read -r x y < <(awk -v x="$x" -v y="$y" -v s="$E2E_SCREEN_SCALE" \
        'BEGIN { printf "%d %d\n", int((x + 0.5) * s), int((y + 0.5) * s) }')
    fi
    format+="%[fx:round(255*p{$x,$y}.r)],%[fx:round(255*p{$x,$y}.g)],%[fx:round(255*p{$x,$y}.b)]\n"
  done
  convert "$image" -format "$format" info:
}

# expect_pixels SHOT WHAT@X,Y=R,G,B...: every point has its colour, within
# E2E_COLOUR_TOLERANCE per channel; fails listing every point that does not.
expect_pixels() {
  local name=$1
  shift
  local -a points=() wanted=() labels=()
  local check
  for check in "$@"; do
    labels+=("${check%@*}")
    check=${check#*@}
    points+=("${check%=*}")
    wanted+=("${check#*=}")
  done
  local -a seen
  mapfile -t seen < <(pixels "$name" "${points[@]}")
  local i errors=""
  for i in "${!points[@]}"; do
    colours_close "${seen[i]}" "${wanted[i]}" ||
      errors+=$'\n'"  ${labels[i]} at ${points[i]}: ${seen[i]}, expected ${wanted[i]}"
  done
  [[ -z "$errors" ]] || fail "$name.png:$errors"
}

colours_close() {
  local -a a b
  IFS=, read -ra a <<<"$1"
  IFS=, read -ra b <<<"$2"
  local i
  for i in 0 1 2; do
    local d=$((a[i] - b[i]))
    ((d <= E2E_COLOUR_TOLERANCE && d >= -E2E_COLOUR_TOLERANCE)) || return 1
  done
}

# colour_count SHOT WxH+X+Y R,G,B: how many pixels of the region have the
# colour, within E2E_COLOUR_TOLERANCE per channel.
colour_count() {
  local r g b
  IFS=, read -r r g b <<<"$3"
  local t="$E2E_COLOUR_TOLERANCE/255"
  matching_count "$1" "$2" "abs(r-$r/255)<=$t && abs(g-$g/255)<=$t && abs(b-$b/255)<=$t"
}

# matching_count SHOT WxH+X+Y FX: how many pixels of the region satisfy the
# ImageMagick fx condition FX (channels r, g, b from 0 to 1).
matching_count() {
  convert "$(shot "$1")" -crop "$2" +repage -fx "$3" -format '%[fx:round(mean*w*h)]' info:
}

# expect_count_at_least MINIMUM COUNT WHAT
expect_count_at_least() {
  (($2 >= $1)) || fail "$3: $2 pixels, expected at least $1"
}

# brightness SHOT: mean level of the screen, 0 to 1.
brightness() {
  convert "$(shot "$1")" -format '%[fx:mean]' info:
}

# content_box SHOT: WxH+X+Y of what differs from the colour of the corners.
content_box() {
  convert "$(shot "$1")" -fuzz 2% -format '%@' info:
}

# --- captured sound ---------------------------------------------------------
# Times are milliseconds of captured sound since the program opened its device.

# sound_mark: how much sound has been captured so far, that is the sound
# position of this moment.
sound_mark() {
  local bytes=0
  [[ -f "$E2E_WORK/sound.raw" ]] && bytes=$(stat -c %s "$E2E_WORK/sound.raw")
  echo $((bytes * 1000 / E2E_SOUND_BYTES_PER_SECOND))
}

captured_past() { (($(sound_mark) >= $1)); }

# wait_for_sound_until MS: waits until the capture reaches MS.
wait_for_sound_until() {
  wait_until $((($1 - $(sound_mark)) / 1000 + 10)) "sound captured up to ${1}ms" captured_past "$1"
}

# captured FROM TO: the captured sound between FROM and TO as sox's text
# listing; nothing when the span holds no captured sound (FROM before the
# capture began counts from its start).
captured() {
  local from=$(($1 < 0 ? 0 : $1)) to=$2
  ((to > from)) || return 0
  sox "${E2E_SOX_RAW[@]}" "$E2E_WORK/sound.raw" -t dat - trim "$(seconds "$from")" "$(seconds $((to - from)))"
}

# sound_onsets FROM TO: the start of each sound between FROM and TO, one per
# line; sounds closer than E2E_SOUND_GAP_MS count as one.
sound_onsets() {
  local from=$(($1 < 0 ? 0 : $1)) to=$2
  captured "$from" "$to" |
    awk -v from="$from" -v level="$E2E_SOUND_LEVEL" -v gap="$E2E_SOUND_GAP_MS" '
      /^;/ { next }
      {
        loud = ($2 > level || $2 < -level || $3 > level || $3 < -level)
        if (!loud) next
        ms = $1 * 1000
        if (!heard || ms - last > gap) printf "%d\n", from + ms
        heard = 1; last = ms
      }'
}

# sound_end FROM TO: the end of the last sound between FROM and TO; FROM when
# there is none.
sound_end() {
  local from=$(($1 < 0 ? 0 : $1)) to=$2
  captured "$from" "$to" |
    awk -v from="$from" -v level="$E2E_SOUND_LEVEL" '
      /^;/ { next }
      $2 > level || $2 < -level || $3 > level || $3 < -level { last = $1 * 1000 }
      END { printf "%d\n", from + last }'
}

# sound_rms FROM TO: the RMS level between FROM and TO, 0 to 1.
sound_rms() {
  local from=$(($1 < 0 ? 0 : $1))
  (($2 > from)) || { echo 0; return 0; }
  sox "${E2E_SOX_RAW[@]}" "$E2E_WORK/sound.raw" -n trim "$(seconds "$from")" "$(seconds $(($2 - from)))" stat 2>&1 |
    awk '/RMS +amplitude/ { print $3 }'
}

# expect_silence FROM TO WHAT
expect_silence() {
  local onsets
  onsets=$(sound_onsets "$1" "$2")
  [[ -z "$onsets" ]] || fail "$3: sound at ${onsets//$'\n'/ } ms, expected silence from $1 to $2 ms"
}

# Loudness envelopes: the RMS level of each 10 ms of a sound, one per line, for
# telling which piece of music is heard.
E2E_ENVELOPE_WINDOW=441

# envelope FROM LENGTH SOX_INPUT...: the envelope of LENGTH milliseconds from
# FROM of a sox input (its options and file), mixed to mono.
envelope() {
  local from=$1 length=$2
  shift 2
  sox "$@" -t dat -r 44100 -c 1 - trim "$(seconds "$from")" "$(seconds "$length")" |
    awk -v window="$E2E_ENVELOPE_WINDOW" '/^;/ { next }
      { sum += $2 * $2; if (++n == window) { printf "%.6f\n", sqrt(sum / n); sum = 0; n = 0 } }'
}

# captured_envelope FROM TO: the envelope of the captured sound between FROM and TO.
captured_envelope() {
  local from=$(($1 < 0 ? 0 : $1))
  (($2 > from)) || return 0
  envelope "$from" $(($2 - from)) "${E2E_SOX_RAW[@]}" "$E2E_WORK/sound.raw"
}

# best_match REFERENCE CAPTURED MAX_LAG: how closely the CAPTURED envelope file
# follows the REFERENCE one when it starts up to MAX_LAG windows later; prints
# the best correlation (-1 to 1) and its lag in milliseconds.
best_match() {
  awk -v maxlag="$3" 'NR == FNR { ref[n++] = $1; next } { cap[m++] = $1 }
    END {
      best = -2
      for (lag = 0; lag <= maxlag && lag + n <= m; lag++) {
        sr = sc = srr = scc = src = 0
        for (i = 0; i < n; i++) {
          r = ref[i]; c = cap[i + lag]
          sr += r; sc += c; srr += r * r; scc += c * c; src += r * c
        }
        v = (srr - sr * sr / n) * (scc - sc * sc / n)
        if (v <= 0) continue
        corr = (src - sr * sc / n) / sqrt(v)
        if (corr > best) { best = corr; bestlag = lag }
      }
      printf "%.3f %d\n", best, bestlag * 10
    }' "$1" "$2"
}

# --- the pointer ------------------------------------------------------------

# pointer_state: "visible" or "hidden", as the X server shows the pointer now;
# screenshots leave the pointer out. The tool's path is in QUIL_CURSOR_STATE.
pointer_state() {
  [[ -x "${QUIL_CURSOR_STATE:-}" ]] || fail "no cursor-state tool: set QUIL_CURSOR_STATE"
  local state _
  read -r state _ < <("$QUIL_CURSOR_STATE")
  echo "$state"
}
pointer_hidden() { [[ $(pointer_state) == hidden ]]; }
pointer_visible() { [[ $(pointer_state) == visible ]]; }

# --- input ------------------------------------------------------------------

# point_at X, click_at X Y: to the screen pixel (X, Y) wherever the screen is shown.
point_at() {
  local at
  read -r -a at < <(desktop_point "$1" "$2")
  xdotool mousemove "${at[@]}"
}
click_at() {
  point_at "$1" "$2"
  xdotool click 1
}

# reveal_menu: waits for the warning picture and clicks it, between the
# columns of tiles; CLICK_MARK is the sound position of the click, CLICK_MS
# the clock's (now_ms) just before it.
# shellcheck disable=SC2034  # CLICK_MARK and CLICK_MS are read by the scenarios
reveal_menu() {
  wait_for_warning
  CLICK_MARK=$(sound_mark)
  CLICK_MS=$(now_ms)
  click_at 400 300
  wait_until 5 "the menu after the intro click" menu_on_screen
}

# The warning picture is the only thing lit on the black intro screen.
warning_on_screen() {
  shoot probe && [[ $(brightness probe) != 0 ]]
}

wait_for_warning() {
  wait_until 10 "the warning picture" warning_on_screen
}

# The menu's light background has replaced the black one.
menu_on_screen() {
  shoot probe && [[ $(pixels probe 20,20) == 241,241,241 ]]
}

# Skyhop World, tile 11 on page 1, a SUPER KESTREL screen: its title band
# and its banner.
E2E_TILE_11=(484 368)
skyhop_world_on_screen() {
  shoot probe && [[ $(pixels probe 20,300 100,10 | tr '\n' ' ') == "128,128,128 121,151,224 " ]]
}

# The first tile's frame of each page, seen between the frame's edge and its
# picture, shows the page: its fill is page 1 white, page 2 peach, page 3
# near-black, page 4 off-white.
E2E_PAGE_POINT=76,112
# shellcheck disable=SC2054  # each element is one R,G,B colour
E2E_PAGE_FILLS=(255,255,255 254,218,170 3,2,3 252,252,252)

# page_on_screen N: page N's tiles are at rest on the screen.
page_on_screen() {
  shoot probe && [[ $(pixels probe $E2E_PAGE_POINT) == "${E2E_PAGE_FILLS[$1 - 1]}" ]]
}

# The right arrow, at a point inside it at both ends of its swing.
# shellcheck disable=SC2034  # read by the scenarios
E2E_RIGHT_ARROW=(765 248)

# The open music panel's two symbols, in their grey.
E2E_PANEL_SYMBOLS=(25x25+224+539 25x25+256+539)
E2E_SYMBOL_GREY=103,103,103

# panel_symbols SHOT: how many pixels of the open panel's symbols show their ink.
panel_symbols() {
  local region count=0
  for region in "${E2E_PANEL_SYMBOLS[@]}"; do
    count=$((count + $(colour_count "$1" "$region" $E2E_SYMBOL_GREY)))
  done
  echo "$count"
}
music_panel_open() { shoot probe && (($(panel_symbols probe) > 40)); }
music_panel_gone() { shoot probe && (($(panel_symbols probe) == 0)); }
