#include "shell/sdl/TextPainter.h"

#include <pango/pangocairo.h>

#include "shell/sdl/CairoColour.h"

namespace quil::paint {
namespace {

// Captions change (the date, a channel's title), so the cache is emptied now
// and then instead of growing with every text ever shown.
constexpr std::size_t kMaxCachedLayouts = 512;

std::string CacheKey(const std::string& text, const rt::Font& font, int wrapWidth, rt::Alignment alignment) {
  std::string key = font.family;
  key += '\x1f' + std::to_string(font.sizePoints) + '\x1f' + (font.bold ? 'b' : 'r') + '\x1f' +
         std::to_string(wrapWidth) + '\x1f' + std::to_string(static_cast<int>(alignment)) + '\x1f';
  key += text;
  return key;
}

PangoAlignment ToPango(rt::Alignment alignment) {
  switch (alignment) {
    case rt::Alignment::Center: return PANGO_ALIGN_CENTER;
    case rt::Alignment::Right: return PANGO_ALIGN_RIGHT;
    case rt::Alignment::Left: break;
  }
  return PANGO_ALIGN_LEFT;
}

}  // namespace

void TextPainter::LayoutUnref::operator()(PangoLayout* layout) const { g_object_unref(layout); }

TextPainter::TextPainter() = default;

PangoContext* TextPainter::Context() {
  if (context_) return context_;
  context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  return context_;
}

TextPainter::~TextPainter() {
  layouts_.clear();
  if (context_) g_object_unref(context_);
}

void TextPainter::Prepare(const rt::Font& font) {
  // Measuring a text makes Pango pick and load the face.
  Layout("Quil", font);
}

TextBlock TextPainter::Layout(const std::string& text, const rt::Font& font, int wrapWidth,
                              rt::Alignment alignment) {
  const std::string key = CacheKey(text, font, wrapWidth, alignment);
  auto found = layouts_.find(key);
  if (found == layouts_.end()) {
    if (layouts_.size() >= kMaxCachedLayouts) layouts_.clear();
    PangoLayout* layout = pango_layout_new(Context());
    PangoFontDescription* description = pango_font_description_new();
    pango_font_description_set_family(description, font.family.c_str());
    pango_font_description_set_absolute_size(description, PointsToPixels(font.sizePoints) * PANGO_SCALE);
    pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    if (wrapWidth > 0) {
      pango_layout_set_width(layout, wrapWidth * PANGO_SCALE);
      pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
      pango_layout_set_alignment(layout, ToPango(alignment));
    }
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    found = layouts_.emplace(key, LayoutPtr(layout)).first;
  }
  TextBlock block{found->second.get()};
  pango_layout_get_pixel_size(block.layout, &block.width, &block.height);
  return block;
}

void TextPainter::Show(cairo_t* cr, const TextBlock& block, double x, double y, rt::Colour colour) {
  SetSourceColour(cr, colour);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, block.layout);
}

}  // namespace quil::paint
