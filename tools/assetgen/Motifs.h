#pragma once

#include "Paint.h"
#include "Random.h"
#include "catalogue/Art.h"

namespace quil::assetgen {

using catalogue::Motif;

struct CardColours {
  Rgb sky, ground, accent;
};

struct Box {
  double x, y, w, h;  // fractions of the card
};

// Draws the motif over a card of w x h and tells where its title goes.
Box DrawMotif(cairo_t* cr, Motif motif, double w, double h, const CardColours& colours, Random& random);

}  // namespace quil::assetgen
