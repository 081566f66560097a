#pragma once

#include <pango/pangocairo.h>

namespace quil::paint {

// The Pango functions that text drawing uses, from libraries loaded when the
// first text is laid out rather than with the program: Pango, HarfBuzz,
// GLib and their company cost the start of the program a tenth of its time,
// and its first screen has no text.
struct PangoLibrary {
  // The libraries, loaded on the first call; nullptr when they cannot be
  // loaded, and then no text is drawn.
  static const PangoLibrary* Get();

  decltype(&pango_cairo_font_map_get_default) CairoFontMapGetDefault;
  decltype(&pango_font_map_create_context) FontMapCreateContext;
  decltype(&pango_cairo_context_set_font_options) CairoContextSetFontOptions;
  decltype(&pango_cairo_show_layout) CairoShowLayout;
  decltype(&pango_layout_new) LayoutNew;
  decltype(&pango_layout_set_font_description) LayoutSetFontDescription;
  decltype(&pango_layout_set_width) LayoutSetWidth;
  decltype(&pango_layout_set_wrap) LayoutSetWrap;
  decltype(&pango_layout_set_alignment) LayoutSetAlignment;
  decltype(&pango_layout_set_text) LayoutSetText;
  decltype(&pango_layout_get_pixel_size) LayoutGetPixelSize;
  decltype(&pango_font_description_new) FontDescriptionNew;
  decltype(&pango_font_description_set_family) FontDescriptionSetFamily;
  decltype(&pango_font_description_set_absolute_size) FontDescriptionSetAbsoluteSize;
  decltype(&pango_font_description_set_weight) FontDescriptionSetWeight;
  decltype(&pango_font_description_free) FontDescriptionFree;
  decltype(&g_object_unref) ObjectUnref;
};

}  // namespace quil::paint
