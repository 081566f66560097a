#include "sdl/PointerCursor.h"

#include <SDL_events.h>

#include <algorithm>

#include "paint/PicturePainter.h"
#include "sdl/PictureSurface.h"

namespace quil::sdl {

PointerCursor::~PointerCursor() {
  if (cursor_) {
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_FreeCursor(cursor_);
  }
}

void PointerCursor::Set(const rt::PictureRef& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  Make();
}

void PointerCursor::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  if (picture_) Make();
}

void PointerCursor::Make() {
  SDL_Cursor* previous = cursor_;
  cursor_ = nullptr;
  hidden_ = picture_ && picture_->FullyTransparent();
  if (picture_ && !hidden_) {
    const int factor = picture_->FactorFor(scale_);
    const rt::PictureRef drawn = factor == 1 ? picture_ : picture_->Drawn(factor);
    const rt::PictureRef shown = scale_ == 1 ? picture_ : paint::ScaledPicture(*drawn, scale_ / factor);
    if (SurfacePtr surface = StraightAlphaSurface(*shown)) {
      const rt::Picture::HotSpot hot = shown->Hot();
      cursor_ = SDL_CreateColorCursor(surface.get(), std::clamp(hot.x, 0, shown->Width() - 1),
                                      std::clamp(hot.y, 0, shown->Height() - 1));
    }
  }
  Apply();
  // Only now is the old cursor no longer the one in use.
  if (previous) SDL_FreeCursor(previous);
}

void PointerCursor::OverForm(bool overForm) {
  if (overForm == overForm_) return;
  overForm_ = overForm;
  Apply();
}

void PointerCursor::Apply() {
  if (!overForm_) {
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_ShowCursor(SDL_ENABLE);
    return;
  }
  SDL_SetCursor(cursor_ ? cursor_ : SDL_GetDefaultCursor());
  SDL_ShowCursor(hidden_ ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace quil::sdl
