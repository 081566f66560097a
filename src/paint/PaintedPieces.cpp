#include "paint/PaintedPieces.h"

#include <algorithm>
#include <cstring>

#include "runtime/Image.h"
#include "runtime/PictureBox.h"
#include "paint/DamageRects.h"

namespace quil::paint {
namespace {

// A swing shows a dozen pieces an arrow, two dozen for both arrows, and a
// picture changed must not push the others' out before its own old ones go.
constexpr std::size_t kMostKept = 32;
// Larger pieces are rarely the same twice, and dear to keep.
constexpr int kLargestSide = 64;

bool SamePicture(const std::weak_ptr<const rt::Picture>& a, const std::weak_ptr<const rt::Picture>& b) {
  return !a.expired() && !a.owner_before(b) && !b.owner_before(a);
}

bool SameRect(const rt::Rect& a, const rt::Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

bool PaintedPieces::Scene::operator==(const Scene& other) const {
  if (area.x != other.area.x || area.y != other.area.y || area.width != other.area.width ||
      area.height != other.area.height || ground != other.ground || shown.size() != other.shown.size())
    return false;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const Shown& a = shown[i];
    const Shown& b = other.shown[i];
    // A picture let go may be followed by another at its address: the owners tell them apart.
    if (a.control != b.control || !SameRect(a.bounds, b.bounds) || a.ground != b.ground || a.stretch != b.stretch ||
        a.hasPicture != b.hasPicture || (a.hasPicture && !SamePicture(a.picture, b.picture)))
      return false;
  }
  return true;
}

bool PaintedPieces::MayKeep(const PixelRect& area) { return area.width <= kLargestSide && area.height <= kLargestSide; }

std::optional<PaintedPieces::Scene> PaintedPieces::SceneOf(const rt::Form& form, const PixelRect& area) {
  if (!MayKeep(area)) return std::nullopt;
  Scene scene;
  scene.area = area;
  scene.ground = form.BackColor();
  const PixelRect only[] = {area};
  // The extents the form collected for this frame say where each control is
  // shown now; only those that touch the area are looked at.
  const std::vector<std::optional<rt::Rect>>& extents = form.PaintedExtents();
  for (std::size_t index = 0; index < extents.size(); ++index) {
    if (!extents[index] || !Touches(CoveringPixels(*extents[index]), only)) continue;
    const rt::Control* control = form.Controls()[index].get();
    if (control->Container()) return std::nullopt;
    if (const auto* box = dynamic_cast<const rt::PictureBox*>(control))
      scene.shown.push_back({box, box->Bounds(), box->Picture() != nullptr, box->Picture(), box->BackColor(), false});
    else if (const auto* image = dynamic_cast<const rt::Image*>(control))
      scene.shown.push_back({image, image->Bounds(), image->Picture() != nullptr, image->Picture(), 0, image->Stretch()});
    else
      return std::nullopt;
  }
  return scene;
}

std::optional<PaintedPieces::Number> PaintedPieces::Restore(const Scene& scene, Canvas& canvas,
                                                            const PixelRect& device) {
  // At a scale that is not whole, two rectangles of device pixels may show the same screen pixels.
  const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) {
    return kept.device.x == device.x && kept.device.y == device.y && kept.device.width == device.width &&
           kept.device.height == device.height && kept.scene == scene;
  });
  if (found == kept_.end()) return std::nullopt;
  kept_.splice(kept_.end(), kept_, found);
  std::uint32_t* pixels = canvas.PixelsToChange();
  for (int row = 0; row < device.height; ++row)
    std::memcpy(pixels + static_cast<std::size_t>(device.y + row) * canvas.Width() + device.x,
                found->pixels.data() + static_cast<std::size_t>(row) * device.width, device.width * sizeof(std::uint32_t));
  canvas.Changed(device);
  return found->number;
}

PaintedPieces::Number PaintedPieces::Keep(Scene scene, const Canvas& canvas, const PixelRect& device) {
  if (kept_.size() >= kMostKept) kept_.pop_front();
  Kept kept{std::move(scene), device, ++lastNumber_, {}};
  kept.pixels.reserve(static_cast<std::size_t>(device.width) * device.height);
  const std::uint32_t* pixels = canvas.Pixels();
  for (int row = 0; row < device.height; ++row) {
    const std::uint32_t* from = pixels + static_cast<std::size_t>(device.y + row) * canvas.Width() + device.x;
    kept.pixels.insert(kept.pixels.end(), from, from + device.width);
  }
  kept_.push_back(std::move(kept));
  return lastNumber_;
}

}  // namespace quil::paint
