#include "paint/PangoLibrary.h"

#include "lazyload/LazyLibrary.h"

namespace quil::paint {
namespace {

// PangoCairo brings Pango and GObject along; symbols are looked up in it and
// everything it loaded.
constexpr const char* kLibraryName = "libpangocairo-1.0.so.0";

}  // namespace

const PangoLibrary* PangoLibrary::Get() {
  return lazyload::Once<PangoLibrary>(kLibraryName, [](const lazyload::Symbols& symbols, PangoLibrary& pango) {
    return symbols("pango_cairo_font_map_get_default", pango.CairoFontMapGetDefault) &&
           symbols("pango_font_map_create_context", pango.FontMapCreateContext) &&
           symbols("pango_cairo_context_set_font_options", pango.CairoContextSetFontOptions) &&
           symbols("pango_cairo_show_layout", pango.CairoShowLayout) && symbols("pango_layout_new", pango.LayoutNew) &&
           symbols("pango_layout_set_font_description", pango.LayoutSetFontDescription) &&
           symbols("pango_layout_set_width", pango.LayoutSetWidth) &&
           symbols("pango_layout_set_wrap", pango.LayoutSetWrap) &&
           symbols("pango_layout_set_alignment", pango.LayoutSetAlignment) &&
           symbols("pango_layout_set_text", pango.LayoutSetText) &&
           symbols("pango_layout_get_pixel_size", pango.LayoutGetPixelSize) &&
           symbols("pango_font_description_new", pango.FontDescriptionNew) &&
           symbols("pango_font_description_set_family", pango.FontDescriptionSetFamily) &&
           symbols("pango_font_description_set_absolute_size", pango.FontDescriptionSetAbsoluteSize) &&
           symbols("pango_font_description_set_weight", pango.FontDescriptionSetWeight) &&
           symbols("pango_font_description_free", pango.FontDescriptionFree) &&
           symbols("g_object_unref", pango.ObjectUnref);
  });
}

}  // namespace quil::paint
