#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <tuple>

#include "runtime/Picture.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// Pictures as the device shows them: stretched to their box, and scaled with
// the screen when it is shown larger or smaller, from the picture's drawing
// for the screen's scale (a screen shown twice as large takes the picture
// drawn twice as large, decoded for the copy alone). Each is filtered once
// per size and the copy kept while the picture lives and is drawn: a tile picture drawn in
// every frame of a page scroll is filtered once, not in every frame, and a
// channel screen's screenshot goes with its screen. A picture that can be
// drawn at any size is drawn at the device size by its source instead.
//
//   ScaledPictures scaled;
//   scaled.Draw(cr, image.Picture(), box);
class ScaledPictures {
 public:
  ScaledPictures() = default;
  ~ScaledPictures();
  ScaledPictures(const ScaledPictures&) = delete;
  ScaledPictures& operator=(const ScaledPictures&) = delete;

  // Draws `picture` scaled to fill `box` (user space of `cr`), over what is
  // already there. The box is rounded to whole device pixels, so a picture at
  // a scale that is not whole has sharp edges too.
  void Draw(cairo_t* cr, const rt::PictureRef& picture, const PixelRect& box);
  // Lets every copy go: once the screen's scale changed, none is drawn again.
  void Clear();
  // Another form is about to be painted in front: copies drawn since neither
  // of the last two forms came to the front are let go, such as the intro's
  // warning after the first visits to a channel screen; the menu's own
  // outlast a channel screen's visit.
  void FormInFront();

 private:
  struct Scaled {
    // Not held: a scaled copy must not keep its picture alive. It tells
    // whether the picture at the key's address is still this one.
    std::weak_ptr<const rt::Picture> picture;
    cairo_surface_t* surface;
    unsigned drawnIn;  // the number of the form in front when it was last drawn
  };
  // The picture, the size of its drawing filtered, and the device size.
  using Key = std::tuple<const rt::Picture*, int, int, int>;

  cairo_surface_t* SurfaceFor(const rt::PictureRef& picture, int factor, int width, int height);
  void ForgetLetGo();

  std::map<Key, Scaled> scaled_;
  unsigned front_ = 0;
};

}  // namespace quil::paint
