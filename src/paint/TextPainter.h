#pragma once

#include <cairo.h>
#include <pango/pango.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/Colour.h"
#include "runtime/Font.h"

namespace quil::paint {

struct PangoLibrary;

// A laid-out text and its size in pixels. Valid until the next Layout call.
struct TextBlock {
  PangoLayout* layout = nullptr;
  int width = 0;
  int height = 0;
};

// Lays out and draws text with Pango, fonts found by family through fontconfig.
// Layouts are kept between frames: the same captions are drawn again and again.
// Pango is loaded, and fontconfig started, on the first layout and not
// before: a screen without text (the program's black first frame) never
// waits for them. Without Pango texts are empty and nothing is drawn.
class TextPainter {
 public:
  TextPainter();
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // The text exactly as given (no markup, no mnemonics). With a wrap width the
  // lines break at words within it and are aligned inside it.
  TextBlock Layout(const std::string& text, const rt::Font& font, int wrapWidth = 0,
                   rt::Alignment alignment = rt::Alignment::Left);
  static void Show(cairo_t* cr, const TextBlock& block, double x, double y, rt::Colour colour);
  // Starts Pango and loads the font of `font` now, ahead of the first text.
  void Prepare(const rt::Font& font);

  // Font sizes are points on a 96 dpi desktop.
  static double PointsToPixels(double points) { return points * 96.0 / 72.0; }

 private:
  struct LayoutUnref {
    void operator()(PangoLayout* layout) const;
  };
  using LayoutPtr = std::unique_ptr<PangoLayout, LayoutUnref>;

  void Start();
  PangoContext* Context();

  const PangoLibrary* pango_ = nullptr;
  PangoContext* context_ = nullptr;
  std::unordered_map<std::string, LayoutPtr> layouts_;
};

}  // namespace quil::paint
