#include "sdl/WindowProperty.h"

#include <X11/Xlib.h>

namespace quil::sdl {

std::optional<unsigned long> OneValueProperty(Display* display, unsigned long window, const char* name,
                                              unsigned long type) {
  // A property nobody ever set has no atom either.
  const Atom atom = XInternAtom(display, name, True);
  if (atom == None) return std::nullopt;
  Atom got = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<unsigned long> value;
  if (XGetWindowProperty(display, window, atom, 0, 1, False, type, &got, &format, &count, &after, &data) == Success &&
      data && got == type && format == 32 && count == 1)
    value = *reinterpret_cast<unsigned long*>(data);
  if (data) XFree(data);
  return value;
}

}  // namespace quil::sdl
