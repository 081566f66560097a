#pragma once

#include <optional>

struct _XDisplay;

namespace quil::sdl {

// A window's property that holds one 32-bit value of `type` (a window, a
// cardinal), looked up by name; nothing when it is missing or of another kind.
std::optional<unsigned long> OneValueProperty(_XDisplay* display, unsigned long window, const char* name,
                                              unsigned long type);

}  // namespace quil::sdl
