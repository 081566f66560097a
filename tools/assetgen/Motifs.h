#pragma once

#include "Paint.h"
#include "Random.h"

namespace quil::assetgen {

// Background art of a tile card, behind its title.
enum class Motif {
  Disc, Avatar, Shop, Forecast, News,  // the console's own channels
  Sunburst, Stars, Hills, Grid, Flames, Waves, City, Jungle, Blocks, Sword, Speed, Ring, Planet, Ink, Checker,
  Bubbles,
};

struct CardColours {
  Rgb sky, ground, accent;
};

struct Box {
  double x, y, w, h;  // fractions of the card
};

// Draws the motif over a card of w x h and tells where its title goes.
Box DrawMotif(cairo_t* cr, Motif motif, double w, double h, const CardColours& colours, Random& random);

}  // namespace quil::assetgen
