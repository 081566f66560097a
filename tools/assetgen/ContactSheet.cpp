// One overview picture of every generated picture with its name, for review.
#include <algorithm>
#include <stdexcept>

#include "PictureSet.h"

namespace quil::assetgen {

namespace {

constexpr int kSheetWidth = 1800, kGap = 14, kLabel = 16, kMaxCell = 460;

struct Placed {
  const NamedPicture* picture;
  double x, y, scale;
};

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int row = 0; row * 8 < h; ++row)
    for (int col = 0; col * 8 < w; ++col) {
      SetColour(cr, ((row + col) % 2) ? Hex(0xD0D0D0) : Hex(0xF4F4F4));
      cairo_rectangle(cr, x + col * 8, y + row * 8, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

}  // namespace

void WriteContactSheet(const PictureSet& set, const std::filesystem::path& file) {
  std::vector<Placed> placed;
  double x = kGap, y = kGap, rowHeight = 0;
  for (const auto& p : set) {
    double w = WidthOf(p.drawn.front()), h = HeightOf(p.drawn.front());
    double scale = std::min(1.0, kMaxCell / w);
    // Tiny pictures are enlarged so their details can be judged.
    if (w <= 48 && h <= 48) scale = 2;
    double cw = std::max(w * scale, 110.0), ch = h * scale + kLabel;
    if (x + cw > kSheetWidth - kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&p, x, y, scale});
    x += cw + kGap;
    rowHeight = std::max(rowHeight, ch);
  }
  int height = static_cast<int>(y + rowHeight + kGap);

  Surface sheet = NewSurface(kSheetWidth, height);
  Context c = Draw(sheet);
  cairo_t* cr = c.get();
  SetColour(cr, Hex(0xFFFFFF));
  cairo_paint(cr);
  TextStyle label{.font = "DejaVu Sans 9", .fill = Hex(0x333333)};
  for (const auto& item : placed) {
    double w = WidthOf(item.picture->drawn.front()) * item.scale, h = HeightOf(item.picture->drawn.front()) * item.scale;
    Checker(cr, item.x, item.y, w, h);
    cairo_save(cr);
    cairo_translate(cr, item.x, item.y);
    cairo_scale(cr, item.scale, item.scale);
    cairo_set_source_surface(cr, item.picture->drawn.front().get(), 0, 0);
    if (item.scale > 1) cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    PlaceText(cr, item.picture->name, label, 11, item.x, item.y + h + 1);
  }
  if (cairo_surface_write_to_png(sheet.get(), file.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + file.string());
}

}  // namespace quil::assetgen
