#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "catalogue/Geometry.h"

// The 36 channel screens as data, one row per screen. The screens differ only
// in these values and their platform's style; ChannelDesign lays every one of
// them out on the same template.
namespace quil::catalogue {

inline constexpr int kChannelCount = 36;

enum class Style { Kestrel, SuperKestrel, Kestrel64, Meridian };

// Where one screen leaves its template and style; every field is optional.
struct Departures {
  std::optional<TwipsRect> label1 = {};  // title
  std::optional<TwipsRect> label2 = {};  // platform caption
  std::optional<TwipsRect> image3 = {};  // screenshot
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

// In the order of the home menu's tiles.
extern const std::array<ChannelRow, kChannelCount> kChannels;

// The row of the screen with this form name; nullptr for none.
const ChannelRow* ChannelNamed(std::string_view form);

}  // namespace quil::catalogue
