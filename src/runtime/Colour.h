#pragma once

#include <cstdint>

namespace quil::rt {

// A colour as 0x00BBGGRR, or 0x80000000 + n for the desktop's system colour n.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;
inline constexpr Colour SystemColour(int index) { return kSystemColourFlag + static_cast<Colour>(index); }

inline constexpr Colour kSysMenuText = SystemColour(7);
inline constexpr Colour kSysWindowText = SystemColour(8);
inline constexpr Colour kSysHighlight = SystemColour(13);
inline constexpr Colour kSysButtonText = SystemColour(18);

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// The colour as red, green and blue, system colours taken from a fixed palette
// of classic desktop defaults; an unknown system index reads as black.
Rgb ToRgb(Colour colour);

}  // namespace quil::rt
