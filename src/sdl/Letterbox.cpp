#include "sdl/Letterbox.h"

#include <algorithm>
#include <cmath>

#include "paint/DeviceScale.h"
#include "paint/ScreenSize.h"

namespace quil::sdl {
namespace {

// The window may cover at most this much of the work area each way.
constexpr double kComfortableShare = 0.9;
constexpr double kScaleStep = 0.25;

}  // namespace

Letterbox::Letterbox(int windowWidth, int windowHeight) {
  windowWidth = std::max(windowWidth, 1);
  windowHeight = std::max(windowHeight, 1);
  scale_ = std::min(static_cast<double>(windowWidth) / paint::kScreenWidth,
                    static_cast<double>(windowHeight) / paint::kScreenHeight);
  const int width = paint::ScaledLength(paint::kScreenWidth, scale_);
  const int height = paint::ScaledLength(paint::kScreenHeight, scale_);
  screen_ = {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

PixelPoint Letterbox::ToScreenBeyond(int x, int y) const {
  return {paint::ScreenPixelAt(x - screen_.x, scale_), paint::ScreenPixelAt(y - screen_.y, scale_)};
}

std::optional<PixelPoint> Letterbox::ToScreen(int x, int y) const {
  if (!screen_.Contains(x, y)) return std::nullopt;
  // The screen's picture is rounded to whole window pixels, so its last
  // column or row may reach a hair past the 800th screen pixel.
  const PixelPoint point = ToScreenBeyond(x, y);
  return PixelPoint{std::min(point.x, paint::kScreenWidth - 1), std::min(point.y, paint::kScreenHeight - 1)};
}

PixelPoint Letterbox::ToWindow(PixelPoint screen) const {
  return {screen_.x + static_cast<int>(std::floor((screen.x + 0.5) * scale_)),
          screen_.y + static_cast<int>(std::floor((screen.y + 0.5) * scale_))};
}

double ComfortableScale(int areaWidth, int areaHeight) {
  return LargestScaleWithin(kComfortableShare * areaWidth, kComfortableShare * areaHeight);
}

double LargestScaleWithin(double areaWidth, double areaHeight) {
  const double fits = std::min(areaWidth / paint::kScreenWidth, areaHeight / paint::kScreenHeight);
  return std::max(0.0, std::floor(fits / kScaleStep) * kScaleStep);
}

}  // namespace quil::sdl
