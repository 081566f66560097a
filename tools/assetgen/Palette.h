#pragma once

#include "Paint.h"
#include "catalogue/Colours.h"

// The home menu's own colours, shared by the bar, the buttons and the icons.
namespace quil::assetgen::palette {

inline constexpr Rgb kBar = Bgr(catalogue::colours::kBar);
inline constexpr Rgb kTeal = Bgr(catalogue::colours::kTeal);
inline constexpr Rgb kCurve = Bgr(0x00C0C0C0);     // curves around the bar buttons
inline constexpr Rgb kLabelGrey = Bgr(catalogue::colours::kCaptionGrey);
inline constexpr Rgb kSkyBlue = Hex(0x34BEED);     // light-blue accents
inline constexpr Rgb kPaleBlue = Hex(0xBFE9FA);
inline constexpr Rgb kWhite = Hex(0xFFFFFF);

}  // namespace quil::assetgen::palette
