#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "runtime/Colour.h"
#include "runtime/Twips.h"

// The 36 channel screens as data: one row per platform style, one row per
// screen. The screens differ only in these values; ChannelDesign lays every
// one of them out on the same template.
namespace quil::catalogue {

inline constexpr int kChannelCount = 36;

enum class Style { Kestrel, SuperKestrel, Kestrel64, Meridian };

// What a platform style fixes of a page: the platform caption and the colours.
struct StyleRow {
  Style style;
  const char* caption;  // Label2
  rt::Rect captionBox;
  double captionPoints;  // Arial, regular
  rt::Colour captionColour;
  rt::Colour detailsColour;  // Label3 (year) and Label4 (players)
  rt::Colour rules;          // Line5 and Line6
  rt::Colour titleBand;      // Shape2
  double titleBandWidth;
  rt::Colour thinBand;  // Shape3
  double thinBandWidth;
  bool darkPanel;  // Shape4 behind the year and players
  rt::Rect bannerBox;  // Image4, the banner stretched to it
  const char* banner;  // its picture
};

// Where one screen leaves its template and style; every field is optional.
struct Departures {
  std::optional<rt::Rect> label1 = {};  // title
  std::optional<rt::Rect> label2 = {};  // platform caption
  std::optional<rt::Rect> image3 = {};  // screenshot
  std::optional<double> label4Width = {};
  std::optional<double> label5Left = {};
  std::optional<double> rulesEnd = {};  // x where Line5 and Line6 end
};

struct ChannelRow {
  int tile;  // the home menu tile that opens it
  int code;  // the screen code that links tile and screen
  const char* form;
  const char* title;
  Style style;
  int year;
  const char* players;
  int screenshotWidth, screenshotHeight;  // pixels
  Departures departures;
};

extern const std::array<StyleRow, 4> kStyles;
// In the order of the home menu's tiles.
extern const std::array<ChannelRow, kChannelCount> kChannels;

const StyleRow& StyleOf(Style style);
// The row of the screen with this form name; nullptr for none.
const ChannelRow* ChannelNamed(std::string_view form);

}  // namespace quil::catalogue
