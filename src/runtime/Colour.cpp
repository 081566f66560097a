#include "runtime/Colour.h"

#include <array>

namespace quil::rt {
namespace {

constexpr Rgb FromBgr(std::uint32_t bgr) {
  return Rgb{static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
             static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

// The desktop's system colours, by index, as 0x00BBGGRR: the classic
// defaults, but for menu text, which Quil OS shows only as the white zoom box.
constexpr std::array<std::uint32_t, 25> kSystemPalette = {
    0x00C8D0D4,  // 0 scroll bar
    0x00A56E3A,  // 1 desktop
    0x006A240A,  // 2 active caption
    0x00808080,  // 3 inactive caption
    0x00C8D0D4,  // 4 menu
    0x00FFFFFF,  // 5 window
    0x00000000,  // 6 window frame
    0x00FFFFFF,  // 7 menu text
    0x00000000,  // 8 window text
    0x00FFFFFF,  // 9 caption text
    0x00C8D0D4,  // 10 active border
    0x00C8D0D4,  // 11 inactive border
    0x00808080,  // 12 application workspace
    0x00C56A31,  // 13 highlight
    0x00FFFFFF,  // 14 highlight text
    0x00C8D0D4,  // 15 button face
    0x00808080,  // 16 button shadow
    0x00808080,  // 17 grey text
    0x00000000,  // 18 button text
    0x00C8D0D4,  // 19 inactive caption text
    0x00FFFFFF,  // 20 button highlight
    0x00404040,  // 21 3D dark shadow
    0x00C8D0D4,  // 22 3D light
    0x00000000,  // 23 tooltip text
    0x00E1FFFF,  // 24 tooltip background
};

}  // namespace

Rgb ToRgb(Colour colour) {
  if (colour & kSystemColourFlag) {
    const std::uint32_t index = colour & ~kSystemColourFlag;
    return index < kSystemPalette.size() ? FromBgr(kSystemPalette[index]) : Rgb{};
  }
  return FromBgr(colour);
}

}  // namespace quil::rt
