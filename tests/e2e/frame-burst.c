/* Grabs the whole screen COUNT times, INTERVAL_MS apart, from one process, so
 * that an animation of a few hundred milliseconds is caught frame by frame
 * where starting a screenshot program for each frame would be too slow.
 * Writes PREFIX-1.ppm to PREFIX-COUNT.ppm once the burst is over.
 *   quil-frame-burst COUNT INTERVAL_MS PREFIX */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static int channel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  while (!(mask & 1)) {
    mask >>= 1;
    pixel >>= 1;
  }
  return (int)((pixel & mask) * 255 / mask);
}

static int Write(XImage* image, const char* prefix, int number) {
  char path[4096];
  snprintf(path, sizeof path, "%s-%d.ppm", prefix, number);
  FILE* file = fopen(path, "wb");
  if (!file) return 0;
  fprintf(file, "P6\n%d %d\n255\n", image->width, image->height);
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      const unsigned char rgb[3] = {(unsigned char)channel(pixel, image->red_mask),
                                    (unsigned char)channel(pixel, image->green_mask),
                                    (unsigned char)channel(pixel, image->blue_mask)};
      fwrite(rgb, 1, 3, file);
    }
  return fclose(file) == 0;
}

int main(int argc, char** argv) {
  if (argc != 4 || atoi(argv[1]) <= 0 || atoi(argv[2]) < 0) {
    fputs("usage: quil-frame-burst COUNT INTERVAL_MS PREFIX\n", stderr);
    return 2;
  }
  const int count = atoi(argv[1]);
  const long interval = atol(argv[2]);
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fputs("quil-frame-burst: cannot open the display\n", stderr);
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XWindowAttributes screen;
  XGetWindowAttributes(display, root, &screen);
  XImage** frames = calloc((size_t)count, sizeof *frames);
  if (!frames) return 2;
  const struct timespec pause = {interval / 1000, (interval % 1000) * 1000000L};
  for (int i = 0; i < count; ++i) {
    frames[i] = XGetImage(display, root, 0, 0, (unsigned)screen.width, (unsigned)screen.height, AllPlanes, ZPixmap);
    if (i + 1 < count) nanosleep(&pause, NULL);
  }
  int status = 0;
  for (int i = 0; i < count; ++i) {
    if (!frames[i] || !Write(frames[i], argv[3], i + 1)) status = 1;
    if (frames[i]) XDestroyImage(frames[i]);
  }
  free(frames);
  XCloseDisplay(display);
  return status;
}
