#!/bin/bash
# quil-os: starts Quil OS on the current X display.
#
# The program needs an 800 x 600 screen and refuses any other with a "Sorry"
# message. On an 800 x 600 screen this runs it directly; on a screen of any
# other size it opens an 800 x 600 nested X server window (Xephyr) titled
# "Quil OS", runs the program inside it and closes the window when the program
# ends. Without Xephyr the program runs directly and says "Sorry" itself.
#
# The program lies in ../lib/quil-os/ from this script's real place, with its
# Sfx/ and Music/ folders; QUIL_OS_PROGRAM names another one (the build tree's).
set -euo pipefail

usage() {
  echo "Usage: quil-os [--channels]"
  echo "Starts Quil OS, in an 800 x 600 window of its own when the screen is of another size."
  echo "--channels lists every channel's title and what its \"Start\" runs."
}

if [[ "${1-}" == -h || "${1-}" == --help ]]; then
  usage
  exit 0
fi

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
program=${QUIL_OS_PROGRAM:-$here/../lib/quil-os/quil-os}
if [[ ! -x "$program" ]]; then
  echo "quil-os: the program is missing: $program" >&2
  exit 1
fi
# Arguments are the program's to judge; none of them needs a screen.
if (($# > 0)); then
  exec "$program" "$@"
fi

if [[ -z "${DISPLAY:-}" ]]; then
  echo "quil-os: Quil OS needs an X display, and none is set (DISPLAY is empty)." >&2
  echo "Run it from a desktop session, or start one with: Xvfb :1 -screen 0 800x600x24 & DISPLAY=:1 quil-os" >&2
  exit 1
fi

size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ { print $2; exit }') || true
if [[ -z "$size" ]]; then
  echo "quil-os: cannot reach the X display $DISPLAY." >&2
  exit 1
fi

if [[ "$size" == 800x600 ]]; then
  exec "$program"
fi
if ! command -v Xephyr >/dev/null || ! command -v xauth >/dev/null; then
  echo "quil-os: the screen is $size, not 800x600; with Xephyr and xauth installed" \
    "(packages xserver-xephyr, xauth) Quil OS runs in a window of its own." >&2
  exec "$program"
fi

# The nested server --------------------------------------------------------

work=$(mktemp -d "${TMPDIR:-/tmp}/quil-os.XXXXXX")
xephyr="" app=""
# shellcheck disable=SC2317  # run by the trap
finish() {
  local status=$?
  trap - EXIT HUP INT TERM
  [[ -z "$app" ]] || kill "$app" 2>/dev/null || true
  [[ -z "$xephyr" ]] || kill "$xephyr" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Only clients holding this cookie may connect to the nested server: it shows
# what is typed into its window. The server reads every cookie of its file
# whatever display it is filed under; clients look theirs up by display number,
# which the server tells once it listens (-displayfd: it picks a free one).
# Xephyr itself is a client of this display, with the user's own cookie.
auth=$work/Xauthority
: >"$auth"
cookie=$(mcookie)
xauth -q -f "$auth" add :0 . "$cookie"
# Killed outright, this script cannot close the window; the nested server is
# then told to end by the kernel (util-linux's setpriv), and the program with it.
nested_server=(Xephyr)
if command -v setpriv >/dev/null; then nested_server=(setpriv --pdeathsig TERM Xephyr); fi
"${nested_server[@]}" -displayfd 3 -auth "$auth" -screen 800x600 -title "Quil OS" -no-host-grab -nolisten tcp \
  3>"$work/display" >"$work/xephyr.log" 2>&1 &
xephyr=$!
until [[ -s "$work/display" ]]; do
  if ! kill -0 "$xephyr" 2>/dev/null; then
    echo "quil-os: the nested X server (Xephyr) did not start:" >&2
    cat "$work/xephyr.log" >&2
    exit 1
  fi
  sleep 0.05
done
nested=:$(<"$work/display")
xauth -q -f "$auth" add "$nested" . "$cookie"

# Xephyr has ended or ends within half a second (a child that has ended stays
# as a zombie until it is waited for).
xephyr_ends() {
  local state
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    state=$(awk '{ print $3 }' "/proc/$xephyr/stat" 2>/dev/null) || return 0
    [[ "$state" != Z ]] || return 0
    sleep 0.05
  done
  return 1
}

DISPLAY=$nested XAUTHORITY=$auth "$program" &
app=$!
status=0
ended=""
wait -n -p ended "$app" "$xephyr" || status=$?
[[ "$ended" != "$app" ]] || app=""
# A closed window takes Xephyr away, and the program fails for the lost
# screen, often before Xephyr's end is seen. That is an ordinary end.
if [[ "$ended" == "$xephyr" ]] || { ((status != 0)) && xephyr_ends; }; then
  status=0
fi
exit "$status"
