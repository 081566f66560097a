#pragma once

#include <cairo.h>

#include "runtime/Shape.h"

namespace quil::paint {

// Replaces the current path with the outline of `kind` fitted into the box.
void SetShapePath(cairo_t* cr, rt::ShapeKind kind, double x, double y, double width, double height);

// The rounded rectangle's corner radius for a box of this size.
double CornerRadius(double width, double height);

}  // namespace quil::paint
