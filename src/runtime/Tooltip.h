#pragma once

#include <string>

namespace quil::rt {

// The tooltip on screen, if any: its text and the pointer position (twips) it
// belongs to.
struct Tooltip {
  bool visible = false;
  std::string text;
  double x = 0;
  double y = 0;
};

}  // namespace quil::rt
