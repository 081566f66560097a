// A still form with one control of every kind on the real backend, running
// until it is closed or killed: what the program costs when nothing moves.

#include <cstdio>
#include <exception>
#include <memory>

#include "runtime/Application.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "sdl/SdlPlatform.h"

namespace {

using namespace quil::rt;

PictureRef Solid(int width, int height, std::uint32_t argb) {
  return std::make_shared<Picture>(width, height, Picture::Pixels32(static_cast<std::size_t>(width) * height, argb));
}

class StillForm : public Form {
 public:
  explicit StillForm(Application& app) : Form(app, "StillForm") {
    SetBackColor(0x00F1F1F1);
    auto& panel = Add<Frame>("Panel", Rect{3120, 6000, 1335, 735}, "Music", Font{"Arial", 9}, 0x00D8CECA);
    Add<Label>("Back", Rect{240, 240, 375, 375}, "9",
               Label::Look{Font{"Webdings", 14.25, true}, 0x00676767, Alignment::Center})
        .PlaceIn(panel);
    Add<PictureBox>("Arrow", Rect{360, 3000, 495, 720}, 0x00F1F1F1, Solid(33, 48, 0xFF5CB0FB), 0);
    Add<Label>("Date", Rect{4440, 7440, 3135, 615}, "Sun 12/30",
               Label::Look{Font{"Arial", 26.25}, 0x00676767, Alignment::Center});
    Add<Image>("Tile", Rect{1200, 960, 2055, 1455}, Solid(137, 97, 0xFF3060C0), true)
        .SetToolTip("Crimson Edge - Northgate");
    Add<Shape>("Frame", Rect{1080, 840, 2295, 1695},
               Shape::Look{ShapeKind::RoundedRectangle, Colour{0x00FFFFFF}, Colour{0x00808080}, 1});
    Add<Line>("Rule", 0, 6480, 12000, 6480, 0x00B0B000, 2);
  }
};

}  // namespace

int main() {
  try {
    quil::sdl::SdlPlatform platform;
    Application app(platform);
    app.RegisterForm("StillForm", [](Application& a) { return std::make_unique<StillForm>(a); });
    app.Start("StillForm");
    return app.Run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quil-idle-demo: %s\n", error.what());
    return 1;
  }
}
