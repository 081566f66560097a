#include "runtime/Image.h"

#include <algorithm>

namespace quil::rt {

Image::Image(Form& form, std::string name, Rect rect, PictureRef picture, bool stretch)
    : Control(form, ControlKind::Image, std::move(name), rect), picture_(std::move(picture)), stretch_(stretch) {}

void Image::SetPicture(PictureRef picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  FitToPicture();
  Changed();
}

Rect Image::PaintExtent() const {
  Rect extent = FormBounds();
  if (stretch_ || !picture_) return extent;
  extent.width = std::max(extent.width, PixelsToTwips(picture_->Width()));
  extent.height = std::max(extent.height, PixelsToTwips(picture_->Height()));
  return extent;
}

void Image::FitToPicture() {
  if (stretch_ || !picture_) return;
  SetWidth(PixelsToTwips(picture_->Width()));
  SetHeight(PixelsToTwips(picture_->Height()));
}

}  // namespace quil::rt
