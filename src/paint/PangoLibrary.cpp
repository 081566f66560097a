#include "paint/PangoLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace quil::paint {
namespace {

// PangoCairo brings Pango and GObject along; symbols are looked up in it and
// everything it loaded.
constexpr const char* kLibraryName = "libpangocairo-1.0.so.0";

template <class Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

std::optional<PangoLibrary> Load() {
  // Loaded for good: laid-out texts are kept for the life of the program.
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  PangoLibrary pango{};
  const bool complete =
      Resolve(library, "pango_cairo_font_map_get_default", pango.CairoFontMapGetDefault) &&
      Resolve(library, "pango_font_map_create_context", pango.FontMapCreateContext) &&
      Resolve(library, "pango_cairo_context_set_font_options", pango.CairoContextSetFontOptions) &&
      Resolve(library, "pango_cairo_show_layout", pango.CairoShowLayout) &&
      Resolve(library, "pango_layout_new", pango.LayoutNew) &&
      Resolve(library, "pango_layout_set_font_description", pango.LayoutSetFontDescription) &&
      Resolve(library, "pango_layout_set_width", pango.LayoutSetWidth) &&
      Resolve(library, "pango_layout_set_wrap", pango.LayoutSetWrap) &&
      Resolve(library, "pango_layout_set_alignment", pango.LayoutSetAlignment) &&
      Resolve(library, "pango_layout_set_text", pango.LayoutSetText) &&
      Resolve(library, "pango_layout_get_pixel_size", pango.LayoutGetPixelSize) &&
      Resolve(library, "pango_font_description_new", pango.FontDescriptionNew) &&
      Resolve(library, "pango_font_description_set_family", pango.FontDescriptionSetFamily) &&
      Resolve(library, "pango_font_description_set_absolute_size", pango.FontDescriptionSetAbsoluteSize) &&
      Resolve(library, "pango_font_description_set_weight", pango.FontDescriptionSetWeight) &&
      Resolve(library, "pango_font_description_free", pango.FontDescriptionFree) &&
      Resolve(library, "g_object_unref", pango.ObjectUnref);
  if (!complete) return std::nullopt;
  return pango;
}

}  // namespace

const PangoLibrary* PangoLibrary::Get() {
  static const std::optional<PangoLibrary> library = Load();
  return library ? &*library : nullptr;
}

}  // namespace quil::paint
