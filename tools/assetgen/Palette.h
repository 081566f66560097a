#pragma once

#include "Paint.h"

// The home menu's own colours, shared by the bar, the buttons and the icons.
namespace quil::assetgen::palette {

inline constexpr Rgb kBar = Bgr(0x00D8CECA);       // bottom bar body
inline constexpr Rgb kTeal = Bgr(0x00B0B000);      // bar edge and button rims
inline constexpr Rgb kCurve = Bgr(0x00C0C0C0);     // curves around the bar buttons
inline constexpr Rgb kLabelGrey = Bgr(0x00676767);  // the menu's grey lettering
inline constexpr Rgb kSkyBlue = Hex(0x34BEED);     // light-blue accents
inline constexpr Rgb kPaleBlue = Hex(0xBFE9FA);
inline constexpr Rgb kWhite = Hex(0xFFFFFF);

}  // namespace quil::assetgen::palette
