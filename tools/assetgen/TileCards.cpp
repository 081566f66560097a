// The title cards on the home menu's tiles: one drawing routine over the
// catalogue's tiles, lettered and decorated in the manner of each platform.
#include <algorithm>
#include <optional>

#include "Motifs.h"
#include "PictureSet.h"
#include "catalogue/Catalogue.h"

namespace quil::assetgen {

namespace {

using catalogue::Style;

struct Card {
  int tile;
  const char* title;
  catalogue::PixelSize size;
  std::optional<Style> platform;  // none: the console's own lettering
  catalogue::Card art;
};

TextStyle TitleStyle(const Card& card) {
  Rgb ink = Hex(card.art.ink), outline = Hex(card.art.outline);
  auto font = [&](const char* platformFace) { return std::string(card.art.font ? card.art.font : platformFace); };
  if (!card.platform) return {.font = font("Comfortaa Bold"), .fill = ink};
  switch (*card.platform) {
    case Style::Kestrel:
      return {.font = font("DejaVu Sans Bold"), .fill = ink, .outline = 1, .outlineColour = outline, .crisp = true};
    case Style::SuperKestrel:
      return {.font = font("League Spartan Black"), .fill = ink, .outline = 1.6, .outlineColour = outline,
              .shadow = 1.5, .fillBottom = Darker(ink, 0.3)};
    case Style::Kestrel64:
      return {.font = font("Bebas Neue Bold"), .fill = Lighter(ink, 0.4), .outline = 1.2, .outlineColour = outline,
              .fillBottom = ink};
    case Style::Meridian:
      return {.font = font("Nimbus Sans Bold Italic"), .fill = ink, .outline = 2, .outlineColour = outline,
              .shadow = 1.5};
  }
  return {};
}

void DrawCard(cairo_t* cr, const Card& card, double w, double h) {
  const catalogue::Card& art = card.art;
  const double radius = art.opaque ? 0 : std::max(3.0, h * 0.08);
  RoundedRect(cr, 0, 0, w, h, radius);
  cairo_clip(cr);
  VerticalGradient(cr, 0, h, Hex(art.sky), Hex(art.ground));
  cairo_paint(cr);
  Random random(static_cast<std::uint64_t>(card.tile) * 7919);
  Box box = DrawMotif(cr, art.motif, w, h, {Hex(art.sky), Hex(art.ground), Hex(art.accent)}, random);
  TextStyle style = TitleStyle(card);
  double bx = box.x * w, by = box.y * h, bw = box.w * w, bh = box.h * h;
  if (card.platform == Style::Kestrel64) {
    // Early-3D lettering: the title stands out of the card on a solid extrusion.
    TextStyle depth = style;
    depth.fill = Hex(art.outline);
    depth.fillBottom = {-1, 0, 0};
    for (int step = 3; step >= 1; --step) FitText(cr, card.title, depth, bx + step * 0.7, by + step * 0.9, bw, bh);
  }
  FitText(cr, card.title, style, bx, by, bw, bh);
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, radius);
  SetColour(cr, Hex(0xFFFFFF), 0.3);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

Surface PaintCard(const Card& card, int factor) {
  const auto [width, height] = card.size;
  if (card.platform == Style::Kestrel)
    return Pixelated(width, height, 2, factor, [&](cairo_t* cr, int w, int h) { DrawCard(cr, card, w, h); });
  return Drawn(width, height, factor, [&](cairo_t* cr) { DrawCard(cr, card, width, height); });
}

std::vector<Card> CardsInTileOrder() {
  std::vector<Card> cards;
  for (const catalogue::ConsoleTile& tile : catalogue::kConsoleTiles)
    cards.push_back({tile.tile, tile.name, tile.picture.size, std::nullopt, tile.picture.card});
  for (const catalogue::Game& game : catalogue::kGames)
    cards.push_back({game.tile, catalogue::TileName(game), game.picture.size, game.style, game.picture.card});
  std::ranges::sort(cards, {}, &Card::tile);
  return cards;
}

}  // namespace

void AddTileCards(PictureSet& set) {
  for (const Card& card : CardsInTileOrder())
    set.push_back({"Shape" + std::to_string(card.tile) + "Image",
                   AtEverySize([&](int factor) { return PaintCard(card, factor); })});
}

}  // namespace quil::assetgen
