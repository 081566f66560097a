// Pictures drawn from the SVG sources beside this tool: pointer, arrows,
// envelope and icons.
#include <librsvg/rsvg.h>

#include <stdexcept>

#include "PictureSet.h"

namespace quil::assetgen {

namespace {

struct IconSource {
  const char* name;
  const char* file;
  int width, height;
  bool mirrored;
  int hotX, hotY;
  // The window icon's sizes go to the desktop as they are; the screens never show them larger.
  bool onScreen = true;
};

constexpr IconSource kIcons[] = {
    {"PointerHand", "pointer-hand.svg", 32, 32, false, 10, 1},
    {"ImageAR", "arrow.svg", 33, 48, false, 0, 0},
    {"ImageAL", "arrow.svg", 33, 48, true, 0, 0},
    {"ImageMail", "envelope.svg", 43, 28, false, 0, 0},
    {"ChannelIcon", "console.svg", 32, 32, false, 0, 0},
    {"AppIcon48", "app-icon.svg", 48, 48, false, 0, 0, false},
    {"AppIcon32", "app-icon.svg", 32, 32, false, 0, 0, false},
    {"AppIcon24", "app-icon.svg", 24, 24, false, 0, 0, false},
    {"AppIcon16", "app-icon.svg", 16, 16, false, 0, 0, false},
};

Surface Render(const std::filesystem::path& file, int width, int height) {
  GError* error = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &error);
  if (!handle) {
    std::string why = error ? error->message : "unknown error";
    g_clear_error(&error);
    throw std::runtime_error("cannot read " + file.string() + ": " + why);
  }
  Surface s = NewSurface(width, height);
  Context c = Draw(s);
  RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
  bool ok = rsvg_handle_render_document(handle, c.get(), &viewport, &error);
  g_object_unref(handle);
  if (!ok) {
    std::string why = error ? error->message : "unknown error";
    g_clear_error(&error);
    throw std::runtime_error("cannot render " + file.string() + ": " + why);
  }
  return s;
}

Surface Render(const IconSource& icon, const std::filesystem::path& svgDir, int factor) {
  Surface s = Render(svgDir / icon.file, icon.width * factor, icon.height * factor);
  // librsvg refuses a mirroring transform, so the mirror is made afterwards.
  return icon.mirrored ? Mirrored(s) : std::move(s);
}

}  // namespace

void AddIcons(PictureSet& set, const std::filesystem::path& svgDir) {
  for (const auto& icon : kIcons) {
    std::vector<Surface> drawn;
    if (icon.onScreen)
      drawn = AtEverySize([&](int factor) { return Render(icon, svgDir, factor); });
    else
      drawn.push_back(Render(icon, svgDir, 1));
    set.push_back({icon.name, std::move(drawn), icon.hotX, icon.hotY});
  }
  set.push_back({"PointerBlank", AtEverySize([](int factor) { return NewSurface(32 * factor, 32 * factor); })});
}

void WriteIcon(const std::filesystem::path& svg, int size, const std::filesystem::path& png) {
  if (size < 1 || size > 1024) throw std::runtime_error("an icon size must lie between 1 and 1024 pixels");
  Surface s = Render(svg, size, size);
  if (cairo_surface_write_to_png(s.get(), png.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + png.string());
}

}  // namespace quil::assetgen
