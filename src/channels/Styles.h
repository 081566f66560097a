#pragma once

#include <array>
#include <optional>

#include "catalogue/Catalogue.h"
#include "runtime/Colour.h"
#include "runtime/Twips.h"

// What a platform style fixes of a channel screen: the platform caption and
// the colours of the page.
namespace quil::channels {

struct StyleRow {
  catalogue::Style style;
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

extern const std::array<StyleRow, 4> kStyles;

const StyleRow& StyleOf(catalogue::Style style);
// The look of a channel of the user's own: the platform look it names, or
// a neutral one of its own.
const StyleRow& StyleOf(std::optional<catalogue::Style> style);

}  // namespace quil::channels
