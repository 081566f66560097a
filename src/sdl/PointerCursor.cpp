#include "sdl/PointerCursor.h"

#include <SDL_events.h>

#include <algorithm>

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
  SDL_Cursor* previous = cursor_;
  cursor_ = nullptr;
  hidden_ = picture && picture->FullyTransparent();
  if (picture && !hidden_) {
    if (SurfacePtr surface = StraightAlphaSurface(*picture)) {
      const rt::Picture::HotSpot hot = picture->Hot();
      cursor_ = SDL_CreateColorCursor(surface.get(), std::clamp(hot.x, 0, picture->Width() - 1),
                                      std::clamp(hot.y, 0, picture->Height() - 1));
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
