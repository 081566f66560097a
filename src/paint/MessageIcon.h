#pragma once

#include <cairo.h>

#include "runtime/MessageBox.h"

namespace quil::paint {

// The message box's icon in a square of `size` pixels at (x, y): a red disc with
// a white cross for Stop, a blue disc with a white "i" for Information.
void DrawMessageIcon(cairo_t* cr, rt::MessageBoxStyle style, double x, double y, double size);

}  // namespace quil::paint
