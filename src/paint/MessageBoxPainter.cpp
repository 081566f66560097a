#include "paint/MessageBoxPainter.h"

#include <algorithm>

#include "paint/CairoColour.h"
#include "paint/MessageIcon.h"
#include "paint/ScreenSize.h"

namespace quil::paint {
namespace {

const rt::Font kPromptFont{"Arial", 9};
const rt::Font kTitleFont{"Arial", 9, true};
const rt::Font kButtonFont{"Arial", 9};

constexpr rt::Colour kFace = rt::SystemColour(15);
constexpr rt::Colour kCaption = rt::SystemColour(2);
constexpr rt::Colour kCaptionText = rt::SystemColour(9);
constexpr rt::Colour kText = rt::SystemColour(18);
constexpr rt::Colour kHighlight = rt::SystemColour(20);
constexpr rt::Colour kShadow = rt::SystemColour(16);
constexpr rt::Colour kDarkShadow = rt::SystemColour(21);

constexpr int kEdge = 2;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kMaxPromptWidth = 420;
constexpr int kMinWidth = 200;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

void FillRect(cairo_t* cr, int x, int y, int w, int h, rt::Colour colour) {
  SetSourceColour(cr, colour);
  FillOnDevicePixels(cr, x, y, x + w, y + h);
}

// Two-tone one-pixel edge around `box`, inset by `inset`: light on the top and
// left, dark on the bottom and right, as a raised face has.
void Bevel(cairo_t* cr, const PixelRect& box, int inset, rt::Colour light, rt::Colour dark) {
  const int left = box.x + inset;
  const int top = box.y + inset;
  const int right = box.x + box.width - 1 - inset;
  const int bottom = box.y + box.height - 1 - inset;
  FillRect(cr, left, top, right - left + 1, 1, light);
  FillRect(cr, left, top, 1, bottom - top + 1, light);
  FillRect(cr, left, bottom, right - left + 1, 1, dark);
  FillRect(cr, right, top, 1, bottom - top + 1, dark);
}

}  // namespace

MessageBoxPainter::MessageBoxPainter(TextPainter& text, rt::MessageBoxRequest message, double scale)
    : text_(text), message_(std::move(message)), scale_(scale) {
  const TextBlock title = Title();
  titleHeight_ = title.height + 6;
  const TextBlock prompt = Prompt();
  const int bodyTop = kEdge + titleHeight_ + kMargin;
  icon_ = {kEdge + kMargin, bodyTop, kIconSize, kIconSize};
  // A box taller than the screen would hide its own button, or get no
  // surface at all: a longer prompt loses its end.
  const int chrome = bodyTop + kMargin + 2 + kButtonHeight + kMargin + kEdge;
  const int promptHeight = std::min(prompt.height, kScreenHeight - chrome);
  const int contentHeight = std::max(kIconSize, promptHeight);
  prompt_ = {icon_.x + kIconSize + kMargin, bodyTop + (contentHeight - promptHeight) / 2, prompt.width, promptHeight};
  width_ = std::max({prompt_.x + prompt.width + kMargin + kEdge, title.width + 2 * kMargin + 2 * kEdge, kMinWidth});
  okButton_ = {(width_ - kButtonWidth) / 2, bodyTop + contentHeight + kMargin + 2, kButtonWidth, kButtonHeight};
  height_ = okButton_.y + kButtonHeight + kMargin + kEdge;
}

TextBlock MessageBoxPainter::Prompt() { return text_.Layout(message_.prompt, kPromptFont, kMaxPromptWidth); }
TextBlock MessageBoxPainter::Title() { return text_.Layout(message_.title, kTitleFont); }

void MessageBoxPainter::Paint(cairo_t* cr, bool okPressed) {
  cairo_save(cr);
  SetSourceColour(cr, kFace);
  cairo_paint(cr);
  cairo_scale(cr, scale_, scale_);
  const PixelRect whole{0, 0, width_, height_};
  Bevel(cr, whole, 0, kFace, kDarkShadow);
  Bevel(cr, whole, 1, kHighlight, kShadow);
  PaintTitleBar(cr);
  DrawMessageIcon(cr, message_.style, icon_.x, icon_.y, icon_.width);
  cairo_save(cr);
  cairo_rectangle(cr, prompt_.x, prompt_.y, prompt_.width, prompt_.height);
  cairo_clip(cr);
  TextPainter::Show(cr, Prompt(), prompt_.x, prompt_.y, kText);
  cairo_restore(cr);
  PaintButton(cr, okPressed);
  cairo_restore(cr);
}

void MessageBoxPainter::PaintTitleBar(cairo_t* cr) {
  FillRect(cr, kEdge, kEdge, width_ - 2 * kEdge, titleHeight_, kCaption);
  const TextBlock title = Title();
  TextPainter::Show(cr, title, kEdge + 4, kEdge + (titleHeight_ - title.height) / 2, kCaptionText);
}

void MessageBoxPainter::PaintButton(cairo_t* cr, bool pressed) {
  const PixelRect& box = okButton_;
  // The default button wears a black rim; pressed, its face sinks by a pixel.
  Bevel(cr, box, 0, rt::SystemColour(6), rt::SystemColour(6));
  if (pressed) {
    Bevel(cr, box, 1, kShadow, kShadow);
  } else {
    Bevel(cr, box, 1, kHighlight, kDarkShadow);
    Bevel(cr, box, 2, kFace, kShadow);
  }
  const TextBlock label = text_.Layout("OK", kButtonFont);
  const int shift = pressed ? 1 : 0;
  TextPainter::Show(cr, label, box.x + (box.width - label.width) / 2 + shift,
                    box.y + (box.height - label.height) / 2 + shift, kText);

  // The dotted focus rectangle: the keyboard answers this button.
  const double dots[] = {1.0, 1.0};
  cairo_set_dash(cr, dots, 2, 0);
  cairo_set_line_width(cr, 1);
  SetSourceColour(cr, kText);
  cairo_rectangle(cr, box.x + 4.5, box.y + 4.5, box.width - 9, box.height - 9);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

}  // namespace quil::paint
