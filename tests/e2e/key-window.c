/* A game in its smallest form: one window titled "Quil Test Game", named as
 * its process's (_NET_WM_PID), as SDL and the toolkits name theirs, shown half
 * a second after its start, as a game loads before it shows. The first key
 * typed at it is written to the file given, and it ends. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fputs("usage: key-window FILE\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fputs("key-window: cannot open the display\n", stderr);
    return 2;
  }
  const int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 100, 100, 300, 200, 0,
                                      BlackPixel(display, screen), WhitePixel(display, screen));
  XStoreName(display, window, "Quil Test Game");
  const unsigned long pid = (unsigned long)getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                  (const unsigned char*)&pid, 1);
  XSelectInput(display, window, KeyPressMask);
  usleep(500000);
  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != KeyPress) continue;
    char name[32] = "";
    XLookupString(&event.xkey, name, sizeof name - 1, NULL, NULL);
    FILE* file = fopen(argv[1], "w");
    if (!file) return 1;
    fprintf(file, "%s\n", name);
    fclose(file);
    XCloseDisplay(display);
    return 0;
  }
}
