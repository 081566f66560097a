// The bottom bar, the button faces and the warning screen of the home menu
// and the channel screens.
#include <cmath>

#include "Palette.h"
#include "PictureSet.h"

namespace quil::assetgen {

namespace {

using namespace palette;

// The top edge of the bottom bar: high at the sides where the round buttons
// sit, dipping in the middle under the menu title.
void BarEdge(cairo_t* cr) {
  const double w = 871, high = 8, low = 50, troughStart = 170, troughEnd = 640, slope = 90;
  auto edge = [&] {
    cairo_move_to(cr, 0, high);
    cairo_line_to(cr, troughStart, high);
    cairo_curve_to(cr, troughStart + slope / 2, high, troughStart + slope / 2, low, troughStart + slope, low);
    cairo_line_to(cr, troughEnd - slope, low);
    cairo_curve_to(cr, troughEnd - slope / 2, low, troughEnd - slope / 2, high, troughEnd, high);
    cairo_line_to(cr, w, high);
  };
  edge();
  cairo_line_to(cr, w, 63);
  cairo_line_to(cr, 0, 63);
  cairo_close_path(cr);
  SetColour(cr, kBar);
  cairo_fill(cr);
  // A soft sheen just under the line.
  cairo_save(cr);
  cairo_translate(cr, 0, 3);
  edge();
  cairo_restore(cr);
  SetColour(cr, kWhite, 0.45);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  edge();
  SetColour(cr, kTeal);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void GreyBar(cairo_t* cr) {
  SetColour(cr, kBar);
  cairo_paint(cr);
}

// The grey curve that runs in along the bottom and bends up around the left
// side of the message-board button; mirrored, it wraps the options button.
void CurveLine(cairo_t* cr) {
  const double cx = 82.5, cy = 74.5, r = 66;
  cairo_move_to(cr, 222, cy + r);
  cairo_line_to(cr, cx, cy + r);
  cairo_arc(cr, cx, cy, r, M_PI / 2, M_PI * 1.42);
  SetColour(cr, kCurve);
  cairo_set_line_width(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void GlossyPill(cairo_t* cr, double w, double h, Rgb rim) {
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, (h - 3) / 2);
  VerticalGradient(cr, 0, h, kWhite, Lighter(kPaleBlue, 0.35));
  cairo_fill_preserve(cr);
  SetColour(cr, rim);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, 6, 4, w - 12, h / 2 - 4, (h / 2 - 4) / 2);
  SetColour(cr, kWhite, 0.7);
  cairo_fill(cr);
}

void ChannelButton(cairo_t* cr) { GlossyPill(cr, 118, 33, kSkyBlue); }

void ExitButton(cairo_t* cr) {
  RoundedRect(cr, 1.5, 1.5, 115, 30, 12);
  VerticalGradient(cr, 0, 33, kWhite, kPaleBlue);
  cairo_fill_preserve(cr);
  SetColour(cr, kSkyBlue);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, 5, 4, 108, 12, 6);
  SetColour(cr, kWhite, 0.75);
  cairo_fill(cr);
  PlaceText(cr, "Exit", {.font = "Nimbus Sans Bold", .fill = kLabelGrey}, 17, 59, 17, true);
}

void QuilLabel(cairo_t* cr) { FitText(cr, "Quil", {.font = "Comfortaa Bold", .fill = Hex(0x8A8A8A)}, 1, 2, 43, 23); }

// The health-and-safety screen; prompt brightness 0 leaves the prompt out.
void Warning(cairo_t* cr, double promptBrightness) {
  SetColour(cr, {0, 0, 0});
  cairo_paint(cr);

  // Warning sign: a rounded triangle with an exclamation mark.
  const double cx = 84, top = 38, size = 40;
  cairo_move_to(cr, cx, top);
  cairo_line_to(cr, cx + size * 0.58, top + size);
  cairo_line_to(cr, cx - size * 0.58, top + size);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 6);
  SetColour(cr, kWhite);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  SetColour(cr, {0, 0, 0});
  RoundedRect(cr, cx - 2.5, top + 12, 5, 16, 2.5);
  cairo_fill(cr);
  cairo_arc(cr, cx, top + 33, 3, 0, 2 * M_PI);
  cairo_fill(cr);

  TextStyle heading{.font = "Nimbus Sans Bold", .fill = kWhite};
  PlaceText(cr, "WARNING - HEALTH AND SAFETY", heading, 19, 122, 44);
  TextStyle body{.font = "Nimbus Sans", .fill = kWhite, .lineSpacing = 1.15};
  FitText(cr,
          "Before you play, read the health and safety notes that came with your console. "
          "They hold important advice for your wellbeing.",
          body, 40, 104, 371, 64, 16);
  FitText(cr, "Take a short break every hour, play in a well-lit room and sit a comfortable distance from the screen.",
          body, 40, 176, 371, 48, 15);
  SetColour(cr, kWhite, 0.35);
  cairo_rectangle(cr, 60, 242, 331, 1);
  cairo_fill(cr);
  if (promptBrightness > 0)
    PlaceText(cr, "Click anywhere to continue.", {.font = "Nimbus Sans", .fill = Mix({0, 0, 0}, kWhite, promptBrightness)},
              16, 225.5, 282, true);
}

struct ChromePicture {
  const char* name;
  int width, height;
  std::function<void(cairo_t*)> draw;
  bool mirrored = false;
};

const ChromePicture kChrome[] = {
    {"ImageLine", 871, 63, BarEdge},
    {"ImageGreyBar", 810, 162, GreyBar},
    {"ImageCurveLine1", 222, 153, CurveLine, true},
    {"ImageCurveLine2", 222, 153, CurveLine},
    {"ImageLabelQuil", 45, 27, QuilLabel},
    {"ImageExit", 118, 33, ExitButton},
    {"ChannelButton", 118, 33, ChannelButton},
    {"Image1", 451, 337, [](cairo_t* cr) { Warning(cr, 0); }},
    {"Image2", 451, 337, [](cairo_t* cr) { Warning(cr, 0.3); }},
    {"Image6", 451, 337, [](cairo_t* cr) { Warning(cr, 0.62); }},
    {"Image3", 451, 337, [](cairo_t* cr) { Warning(cr, 1.0); }},
};

}  // namespace

void AddChrome(PictureSet& set) {
  for (const ChromePicture& picture : kChrome)
    set.push_back({picture.name, AtEverySize([&](int factor) {
                     Surface drawn = Drawn(picture.width, picture.height, factor, picture.draw);
                     return picture.mirrored ? Mirrored(drawn) : std::move(drawn);
                   })});
}

}  // namespace quil::assetgen
