// The platform banners across the top of the channel screens: a band of the
// platform's colour with a raised tab on its right, edged in black, in exactly
// three flat colours so that it melts into the page behind it.
#include <cmath>

#include "PictureSet.h"

namespace quil::assetgen {

namespace {

struct BannerStyle {
  const char* name;
  std::uint32_t tab;    // 0x00BBGGRR
  int tabColumn;        // first pixel column of the tab
  std::uint32_t blend;  // left of and below the tab
};

constexpr BannerStyle kBanners[] = {
    {"BannerKestrel", 0x00A19BA1, 186, 0x00E6E6E6},
    {"BannerSuperKestrel", 0x00E09779, 186, 0x00E6E6E6},
    {"BannerKestrel64", 0x00FC3856, 311, 0x00E6E6E6},
    {"BannerMeridian", 0x005E1792, 311, 0x00222320},
};

constexpr int kWidth = 444, kHeight = 65;
constexpr double kBandTop = 6, kBandBottom = 28, kTabBottom = 59, kEdge = 2;
constexpr double kStepRadius = 12, kFilletRadius = 8;

void TabOutline(cairo_t* cr, double column) {
  cairo_move_to(cr, 0, kBandTop);
  cairo_line_to(cr, kWidth, kBandTop);
  cairo_line_to(cr, kWidth, kTabBottom);
  cairo_line_to(cr, column + kStepRadius, kTabBottom);
  cairo_arc(cr, column + kStepRadius, kTabBottom - kStepRadius, kStepRadius, M_PI / 2, M_PI);
  cairo_line_to(cr, column, kBandBottom + kFilletRadius);
  cairo_arc_negative(cr, column - kFilletRadius, kBandBottom + kFilletRadius, kFilletRadius, 0, -M_PI / 2);
  cairo_line_to(cr, 0, kBandBottom);
  cairo_close_path(cr);
}

void DrawBanner(cairo_t* cr, const BannerStyle& style) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, Bgr(style.blend));
  cairo_paint(cr);
  cairo_save(cr);
  cairo_translate(cr, 0, kEdge);
  TabOutline(cr, style.tabColumn);
  cairo_restore(cr);
  SetColour(cr, {0, 0, 0});
  cairo_fill(cr);
  TabOutline(cr, style.tabColumn);
  SetColour(cr, Bgr(style.tab));
  cairo_fill(cr);
}

}  // namespace

void AddBanners(PictureSet& set) {
  for (const auto& style : kBanners)
    set.push_back({style.name, AtEverySize([&](int factor) {
                     return Drawn(kWidth, kHeight, factor, [&](cairo_t* cr) { DrawBanner(cr, style); });
                   })});
}

}  // namespace quil::assetgen
