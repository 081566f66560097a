#include "paint/TextPainter.h"

#include <pango/pangocairo.h>

#include "paint/CairoColour.h"
#include "paint/PangoLibrary.h"

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

void TextPainter::LayoutUnref::operator()(PangoLayout* layout) const { PangoLibrary::Get()->ObjectUnref(layout); }

TextPainter::TextPainter() = default;

void TextPainter::Start() {
  if (!pango_) pango_ = PangoLibrary::Get();
}

PangoContext* TextPainter::Context() {
  if (context_ || !pango_) return context_;
  context_ = pango_->FontMapCreateContext(pango_->CairoFontMapGetDefault());
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_->CairoContextSetFontOptions(context_, options);
  cairo_font_options_destroy(options);
  return context_;
}

TextPainter::~TextPainter() {
  layouts_.clear();
  if (context_) pango_->ObjectUnref(context_);
}

void TextPainter::Prepare(const rt::Font& font) {
  // Measuring a text makes Pango pick and load the face.
  Layout("Quil", font);
}

TextBlock TextPainter::Layout(const std::string& text, const rt::Font& font, int wrapWidth,
                              rt::Alignment alignment) {
  Start();
  if (!Context()) return {};
  const PangoLibrary& pango = *pango_;
  const std::string key = CacheKey(text, font, wrapWidth, alignment);
  auto found = layouts_.find(key);
  if (found == layouts_.end()) {
    if (layouts_.size() >= kMaxCachedLayouts) layouts_.clear();
    PangoLayout* layout = pango.LayoutNew(context_);
    PangoFontDescription* description = pango.FontDescriptionNew();
    pango.FontDescriptionSetFamily(description, font.family.c_str());
    pango.FontDescriptionSetAbsoluteSize(description, PointsToPixels(font.sizePoints) * PANGO_SCALE);
    pango.FontDescriptionSetWeight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango.LayoutSetFontDescription(layout, description);
    pango.FontDescriptionFree(description);
    if (wrapWidth > 0) {
      pango.LayoutSetWidth(layout, wrapWidth * PANGO_SCALE);
      pango.LayoutSetWrap(layout, PANGO_WRAP_WORD);
      pango.LayoutSetAlignment(layout, ToPango(alignment));
    }
    pango.LayoutSetText(layout, text.c_str(), static_cast<int>(text.size()));
    found = layouts_.emplace(key, LayoutPtr(layout)).first;
  }
  TextBlock block{found->second.get()};
  pango.LayoutGetPixelSize(block.layout, &block.width, &block.height);
  return block;
}

void TextPainter::Show(cairo_t* cr, const TextBlock& block, double x, double y, rt::Colour colour) {
  // Without Pango there is no layout, and nothing to show.
  if (!block.layout) return;
  SetSourceColour(cr, colour);
  cairo_move_to(cr, x, y);
  PangoLibrary::Get()->CairoShowLayout(cr, block.layout);
}

}  // namespace quil::paint
