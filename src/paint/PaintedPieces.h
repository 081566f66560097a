#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/Colour.h"
#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/Picture.h"
#include "paint/Canvas.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// Small pieces of the screen as they were painted, kept with what they
// showed. Where only pictures lie on the form's ground, a piece that shows
// the same again (the page arrows swinging to and fro, twenty times a
// second) is copied back instead of painted afresh. Anything else there, a
// text or a shape, and the piece is painted as usual.
class PaintedPieces {
 public:
  // What lies in `area` (screen pixels) of the form, if only pictures do.
  class Scene {
   public:
    bool operator==(const Scene& other) const;

   private:
    friend class PaintedPieces;
    struct Shown {
      const rt::Control* control;
      rt::Rect bounds;
      bool hasPicture;
      std::weak_ptr<const rt::Picture> picture;
      rt::Colour ground;
      bool stretch;
    };
    PixelRect area;
    rt::Colour ground = 0;
    std::vector<Shown> shown;
  };

  // A kept piece's number: the same whenever its pixels are shown again, never
  // given to another piece.
  using Number = std::uint64_t;

  // What lies in `area` (screen pixels) of the form, if only pictures do;
  // the form's damage for the frame must be collected.
  static std::optional<Scene> SceneOf(const rt::Form& form, const PixelRect& area);
  // Whether a piece of this size (screen pixels) may be kept at all.
  static bool MayKeep(const PixelRect& area);
  // Copies the pixels kept for the scene to `device` of the canvas and gives
  // their number; nothing when none are kept.
  std::optional<Number> Restore(const Scene& scene, Canvas& canvas, const PixelRect& device);
  // Keeps `device` of the canvas, just painted, as the scene's pixels.
  Number Keep(Scene scene, const Canvas& canvas, const PixelRect& device);
  // Forgets every piece: the form or the scale is another.
  void Clear() { kept_.clear(); }

 private:
  struct Kept {
    Scene scene;
    PixelRect device;
    Number number;
    std::vector<std::uint32_t> pixels;
  };
  // The piece used longest ago first: a picture changed leaves its pieces
  // there, to go before those still shown.
  std::list<Kept> kept_;
  Number lastNumber_ = 0;
};

}  // namespace quil::paint
