#include "channels/Styles.h"

#include <algorithm>

#include "catalogue/Colours.h"

namespace quil::channels {
namespace {

using catalogue::Style;

// The year and the players in the label's default text colour.
constexpr rt::Colour kDefaultText = rt::SystemColour(18);
// The rules in the desktop's inactive caption colour.
constexpr rt::Colour kInactiveCaption = rt::SystemColour(3);

constexpr rt::Rect kBanner{-60, -75, 12085, 705};

}  // namespace

// clang-format off
const std::array<StyleRow, 4> kStyles = {{
    // style, platform caption, its box, points, colour; details colour; rules; title band colour, width;
    // thin band colour, width; dark panel; banner box, banner picture
    {Style::Kestrel, "KESTREL ENTERTAINMENT SYSTEM", {5280, 225, 6615, 375}, 15.75, 0x000000FF,
     kDefaultText, kInactiveCaption, 0x00808080, 12015, 0x00C0C0C0, 12130, false, kBanner, "BannerKestrel"},
    {Style::SuperKestrel, "SUPER KESTREL ENTERTAINMENT SYSTEM", {5400, 240, 6615, 375}, 14.25,
     catalogue::colours::kCaptionGrey,
     kDefaultText, kInactiveCaption, 0x00808080, 12015, 0x00C0C0C0, 12130, false, {-50, -75, 12060, 705},
     "BannerSuperKestrel"},
    {Style::Kestrel64, "KESTREL64", {6960, 225, 6615, 375}, 15.75, 0x00FFFFFF,
     kDefaultText, 0x00C1B0B1, 0x00A2888A, 12015, 0x00C1B0B1, 12130, false, kBanner, "BannerKestrel64"},
    {Style::Meridian, "MERIDIAN", {7120, 225, 6615, 375}, 15.75, 0x00FFFFFF,
     0x00FFFFFF, 0x005E1792, 0x00737471, 12080, 0x00696969, 12150, true, kBanner, "BannerMeridian"},
}};
// clang-format on

const StyleRow& StyleOf(Style style) { return *std::ranges::find(kStyles, style, &StyleRow::style); }

const StyleRow& StyleOf(std::optional<Style> style) {
  // Greys that belong to no platform, on the plainest banner; the caption,
  // the user's own text, set dark on its grey tab.
  static constexpr StyleRow kNeutral{Style::Kestrel, "", {5280, 225, 6615, 375}, 15.75, 0x00333333,
                                     kDefaultText, 0x00A19BA1, 0x00606060, 12015, 0x00A19BA1, 12130, false,
                                     kBanner, "BannerKestrel"};
  return style ? StyleOf(*style) : kNeutral;
}

}  // namespace quil::channels
