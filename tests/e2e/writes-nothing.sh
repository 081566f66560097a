#!/usr/bin/env bash
# The program writes no files: traced through a whole visit (intro, menu,
# hovers, clicks, keys, message boxes, exit) on this machine's own sound
# setup, it never opens a file for writing nor makes, removes, renames or
# changes one, not even through the libraries it uses.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/lib.sh"
e2e_scenario writes-nothing "$@"
command -v strace >/dev/null || fail "strace is not installed"

start_display
trace="$E2E_WORK/files.trace"
strace -f -qq -e trace=%file -o "$trace" env -u SDL_AUDIODRIVER "$E2E_PROGRAM" >"$E2E_WORK/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
wait_for_main_window
reveal_menu
for point in 150,120 330,120 500,200 700,300 600,540 760,300 400,450 120,500 680,520; do
  point_at "${point%,*}" "${point#*,}"
  sleep 0.2
done
# The arrow takes the focus; then the page and panel keys, then the message
# boards' boxes, each answered.
click_at 762 270
xdotool key p key 1 key 2 key m
for button in 120,500 680,520; do
  click_at "${button%,*}" "${button#*,}"
  sleep 0.5
  xdotool key Return
  sleep 0.3
done
click_at 400 561
wait_until 10 "the program to end after the exit click" program_ended
program_exit_status >/dev/null

# Writing opens, and every call that makes, removes, renames or changes a file.
writes=$(grep -E '(^|[^a-z_])(open|openat|openat2|creat)\(.*O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)|(^|[^a-z_])(mkdir|mkdirat|mknod|mknodat|unlink|unlinkat|rmdir|rename|renameat|renameat2|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|fchownat|lchown|utimensat|futimesat|utimes)\(' "$trace" |
  grep -vE '"/dev/' || true)
echo "$(wc -l <"$trace") file calls traced"
[[ -z "$writes" ]] || fail "the program wrote to the file system:"$'\n'"$writes"
