#!/usr/bin/env bash
# On a 1024 x 768 screen the launcher opens an 800 x 600 nested X server
# window titled "Quil OS" with the program inside, taking the pointer through
# to it; when the program ends, when the window is closed and when the
# launcher is told to stop, the program, the nested server and their files go;
# when the launcher is killed outright, the program and the server still go.
# Usage: nested-window.sh PROGRAM ARTIFACTS_DIR
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/../e2e/lib.sh"
e2e_scenario nested-window "$@"

launcher=$(realpath "$(dirname "$0")/../../src/app/launcher.sh")
export QUIL_OS_PROGRAM=$E2E_PROGRAM
# The launcher's own files go here, to be seen gone.
export TMPDIR="$E2E_WORK/tmp"
mkdir "$TMPDIR"

# start_nested: runs the launcher; sets XEPHYR and APP, the pids of its two
# children, once the program's window is up in the nested server.
start_nested() {
  start_program "$launcher"
  wait_for_main_window
  wait_until 10 "the program inside the nested server" nested_children
}
nested_children() {
  XEPHYR=$(pgrep -P "$E2E_PROGRAM_PID" -x Xephyr) || return 1
  APP=$(pgrep -P "$E2E_PROGRAM_PID" -x "$(basename "$E2E_PROGRAM")") || return 1
  local nested
  nested=$(tr '\0' '\n' <"/proc/$APP/environ" | sed -n 's/^DISPLAY=//p')
  [[ "$nested" != "$DISPLAY" ]] || fail "the program runs on the screen itself, not in a nested server"
  DISPLAY=$nested XAUTHORITY=$(ls "$TMPDIR"/quil-os.*/Xauthority) \
    xdotool search --onlyvisible --name '^Quil OS$' >/dev/null 2>&1
}
# expect_all_gone WHAT STATUS: the launcher ended with STATUS and left nothing.
expect_all_gone() {
  wait_until 5 "the launcher to end after $1" program_ended
  local status
  status=$(program_exit_status)
  ((status == $2)) || fail "after $1 the launcher's exit status is $status, expected $2"
  wait_until 3 "the program and Xephyr to go after $1" gone "$APP" "$XEPHYR"
  ! window_shown "Quil OS" || fail "the window is still on screen after $1"
  [[ -z "$(ls -A "$TMPDIR")" ]] || fail "files left after $1: $(ls "$TMPDIR")"
}
gone() { ! kill -0 "$@" 2>/dev/null; }

start_display 1024x768

# The program ends: the exit button on the menu, clicked through the window.
start_nested
reveal_menu
sleep 0.5
click_at 400 561
expect_all_gone "the exit click" 0

# The window is closed, as a window manager's close does when Xephyr is gone.
start_nested
xdotool search --onlyvisible --name '^Quil OS$' windowkill
expect_all_gone "the window was closed" 0

# The launcher itself is stopped, as at the end of a desktop session.
start_nested
kill -TERM "$E2E_PROGRAM_PID"
expect_all_gone "the launcher was stopped" 143

# The launcher is killed outright, so its own clean-up cannot run: the nested
# server still goes, told by the kernel, and the program with it. Only the
# launcher's folder of cookies is left.
start_nested
kill -KILL "$E2E_PROGRAM_PID"
wait_until 3 "the program and Xephyr to go after the launcher was killed" gone "$APP" "$XEPHYR"
! window_shown "Quil OS" || fail "the window is still on screen after the launcher was killed"
