#!/bin/bash
# quil-os: starts Quil OS on the current X display, in a window of its own.
#
# The program alone covers an 800 x 600 screen and refuses a screen of any
# other size with a "Sorry" message. Started from here it shows its 800 x 600
# screen in a window of any size instead (its --window), as large as the
# desktop comfortably holds; F11 turns it fullscreen and back. The program's
# other options pass through: --fullscreen, --scale N, --channels, --help.
#
# The program lies in ../lib/quil-os/ from this script's real place, with its
# Sfx/ and Music/ folders; QUIL_OS_PROGRAM names another one (the build tree's).
set -euo pipefail

here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
program=${QUIL_OS_PROGRAM:-$here/../lib/quil-os/quil-os}
if [[ ! -x "$program" ]]; then
  echo "quil-os: the program is missing: $program" >&2
  exit 1
fi
# Help and the channel list need no screen.
for argument in "$@"; do
  case "$argument" in
    -h | --help | --channels) exec "$program" "$@" ;;
  esac
done

if [[ -z "${DISPLAY:-}" ]]; then
  echo "quil-os: Quil OS needs an X display, and none is set (DISPLAY is empty)." >&2
  echo "Run it from a desktop session, or start one with: Xvfb :1 -screen 0 1280x1024x24 & DISPLAY=:1 quil-os" >&2
  exit 1
fi

exec "$program" --window "$@"
