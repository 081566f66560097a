/* Prints the pointer the X server shows right now, as a screenshot cannot:
 * "visible" or "hidden" (no pixel that is not fully transparent), its size and
 * its count of non-transparent pixels, for example "visible 32x32 211". */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fputs("cursor-state: cannot open the display\n", stderr);
    return 2;
  }
  int eventBase = 0, errorBase = 0;
  if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
    fputs("cursor-state: the X server has no XFixes\n", stderr);
    XCloseDisplay(display);
    return 2;
  }
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) {
    fputs("cursor-state: no cursor image\n", stderr);
    XCloseDisplay(display);
    return 2;
  }
  unsigned long seen = 0;
  for (int i = 0; i < image->width * image->height; ++i)
    if ((image->pixels[i] >> 24) & 0xFF) ++seen;
  printf("%s %dx%d %lu\n", seen ? "visible" : "hidden", image->width, image->height, seen);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}
