#pragma once

#include <cairo.h>

#include <string>

#include "runtime/Colour.h"
#include "runtime/Font.h"
#include "paint/PixelRect.h"

namespace quil::paint {

// Webdings has no free face, and the captions written in it are media-player
// symbols: "9" skip back (|<<) and ":" skip forward (>>|). They are drawn as figures.
bool IsSymbolFont(const rt::Font& font);

// Draws the symbol of `caption` centred in `box`, sized to the font; false
// (and nothing drawn) for a caption that has no figure.
bool DrawTransportSymbol(cairo_t* cr, const std::string& caption, const rt::Font& font, const PixelRect& box,
                         rt::Colour colour);

}  // namespace quil::paint
