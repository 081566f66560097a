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
};

constexpr IconSource kIcons[] = {
    {"PointerHand", "pointer-hand.svg", 32, 32, false, 10, 1},
    {"ImageAR", "arrow.svg", 33, 48, false, 0, 0},
    {"ImageAL", "arrow.svg", 33, 48, true, 0, 0},
    {"ImageMail", "envelope.svg", 43, 28, false, 0, 0},
    {"ChannelIcon", "console.svg", 32, 32, false, 0, 0},
    {"AppIcon48", "app-icon.svg", 48, 48, false, 0, 0},
    {"AppIcon32", "app-icon.svg", 32, 32, false, 0, 0},
    {"AppIcon24", "app-icon.svg", 24, 24, false, 0, 0},
    {"AppIcon16", "app-icon.svg", 16, 16, false, 0, 0},
};

Surface Render(const IconSource& icon, const std::filesystem::path& svgDir) {
  GError* error = nullptr;
  auto file = svgDir / icon.file;
  RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &error);
  if (!handle) {
    std::string why = error ? error->message : "unknown error";
    g_clear_error(&error);
    throw std::runtime_error("cannot read " + file.string() + ": " + why);
  }
  Surface s = NewSurface(icon.width, icon.height);
  Context c = Draw(s);
  RsvgRectangle viewport{0, 0, static_cast<double>(icon.width), static_cast<double>(icon.height)};
  bool ok = rsvg_handle_render_document(handle, c.get(), &viewport, &error);
  g_object_unref(handle);
  if (!ok) {
    std::string why = error ? error->message : "unknown error";
    g_clear_error(&error);
    throw std::runtime_error("cannot render " + file.string() + ": " + why);
  }
  // librsvg refuses a mirroring transform, so the mirror is made afterwards.
  return icon.mirrored ? Mirrored(s) : std::move(s);
}

}  // namespace

void AddIcons(PictureSet& set, const std::filesystem::path& svgDir) {
  for (const auto& icon : kIcons) set.push_back({icon.name, Render(icon, svgDir), icon.hotX, icon.hotY});
  set.push_back({"PointerBlank", NewSurface(32, 32)});
}

}  // namespace quil::assetgen
