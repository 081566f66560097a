#pragma once

#include <string>

namespace quil::rt {

struct Font {
  std::string family = "MS Sans Serif";
  double sizePoints = 8.25;
  bool bold = false;
};

enum class Alignment { Left, Right, Center };

}  // namespace quil::rt
