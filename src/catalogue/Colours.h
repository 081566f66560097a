#pragma once

#include <cstdint>

// The colours the menu's controls and the asset tool's pictures share,
// 0x00BBGGRR like every colour of the forms.
namespace quil::catalogue::colours {

// The grey of button captions, the date and the music panel's symbols.
inline constexpr std::uint32_t kCaptionGrey = 0x00676767;
// The bottom bar's body, and the music panel's ground.
inline constexpr std::uint32_t kBar = 0x00D8CECA;
// The bar's edge and the round buttons' rims.
inline constexpr std::uint32_t kTeal = 0x00B0B000;

}  // namespace quil::catalogue::colours
