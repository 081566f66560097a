/* How long a part of the screen takes to change after a command: grabs the
 * rectangle, runs the command, then grabs it again every 5 ms until it differs
 * and prints the milliseconds from the command's start. Exits 1 when nothing
 * changed within TIMEOUT_MS, 2 on wrong use. Grabbing from one process keeps
 * the measure to a few milliseconds, where a screenshot program takes tenths
 * of a second to start.
 *   quil-screen-change TIMEOUT_MS X Y WIDTH HEIGHT COMMAND [ARGUMENT...] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long NowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

static int Same(const XImage* a, const XImage* b) {
  const size_t bytes = (size_t)a->bytes_per_line * (size_t)a->height;
  return a->bytes_per_line == b->bytes_per_line && memcmp(a->data, b->data, bytes) == 0;
}

static int Run(char** command) {
  const pid_t child = fork();
  if (child == 0) {
    execvp(command[0], command);
    _exit(127);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int main(int argc, char** argv) {
  if (argc < 7 || atoi(argv[1]) <= 0 || atoi(argv[4]) <= 0 || atoi(argv[5]) <= 0) {
    fputs("usage: quil-screen-change TIMEOUT_MS X Y WIDTH HEIGHT COMMAND [ARGUMENT...]\n", stderr);
    return 2;
  }
  const long timeout = atol(argv[1]);
  const int x = atoi(argv[2]), y = atoi(argv[3]);
  const unsigned width = (unsigned)atoi(argv[4]), height = (unsigned)atoi(argv[5]);
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fputs("quil-screen-change: cannot open the display\n", stderr);
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XImage* before = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
  if (!before) return 2;
  const long start = NowMs();
  if (!Run(argv + 6)) {
    fprintf(stderr, "quil-screen-change: %s failed\n", argv[6]);
    return 2;
  }
  const struct timespec pause = {0, 5 * 1000000L};
  int changed = 0;
  while (!changed && NowMs() - start < timeout) {
    XImage* now = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
    changed = now && !Same(before, now);
    if (now) XDestroyImage(now);
    if (!changed) nanosleep(&pause, NULL);
  }
  printf("%ld\n", NowMs() - start);
  XDestroyImage(before);
  XCloseDisplay(display);
  return changed ? 0 : 1;
}
