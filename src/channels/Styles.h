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
  const char* caption;  // the platform caption
  rt::Rect captionBox;
  double captionPoints;  // Arial, regular
  rt::Colour captionColour;
  rt::Colour detailsColour;  // the year and the players
  rt::Colour rules;          // the two rules around the year
  rt::Colour titleBand;      // the band behind the title
  double titleBandWidth;
  rt::Colour thinBand;  // the thin band above it
  double thinBandWidth;
  bool darkPanel;  // a dark panel behind the year and players
  rt::Rect bannerBox;  // the banner, stretched to it
  const char* banner;  // its picture
};

extern const std::array<StyleRow, 4> kStyles;

const StyleRow& StyleOf(catalogue::Style style);
// The look of a channel of the user's own: the platform look it names, or
// a neutral one of its own.
const StyleRow& StyleOf(std::optional<catalogue::Style> style);

}  // namespace quil::channels
