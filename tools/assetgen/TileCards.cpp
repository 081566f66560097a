// The title cards on the home menu's tiles: one drawing routine over a table
// of the channels, lettered and decorated in the manner of each platform.
#include "Motifs.h"
#include "PictureSet.h"

namespace quil::assetgen {

namespace {

enum class Look { System, Kestrel, SuperKestrel, Kestrel64, Meridian };

struct Card {
  int tile;
  const char* title;
  int width, height;
  Look look;
  Motif motif;
  std::uint32_t sky, ground, accent, ink, outline;  // 0xRRGGBB
  const char* font = nullptr;                        // instead of the platform's face
  bool opaque = false;                               // square corners, no transparency
};

// Colours are picked to sit on each tile's frame fill.
constexpr Card kCards[] = {
    {1, "Crimson Edge - Northgate", 137, 97, Look::System, Motif::Disc, 0xFFFFFF, 0xE1E6EB, 0xC0392B, 0x9E1B1B, 0, "League Spartan Black"},
    {2, "Tuvo Channel", 137, 97, Look::System, Motif::Avatar, 0xF7F7F7, 0xD5DADF, 0x34BEED, 0x5A5A5A, 0},
    {3, "Skyhop 64", 137, 75, Look::Kestrel64, Motif::Hills, 0x3F9BEA, 0xA6DDFF, 0x3DBE4A, 0xFFD23F, 0xB3261E},
    {4, "Quil Shop Channel", 137, 97, Look::System, Motif::Shop, 0xFFFFFF, 0xD8F1FB, 0x34BEED, 0x2E86B0, 0},
    {5, "Runeblade", 149, 97, Look::Kestrel, Motif::Sword, 0x1F5F2A, 0x0C2C12, 0xE0B040, 0xFFE27A, 0x3A1A00},
    {6, "Forecast Channel", 137, 97, Look::System, Motif::Forecast, 0x9ED8F7, 0xEAF7FD, 0x3BA3D8, 0x2A6A94, 0},
    {7, "News Channel", 137, 97, Look::System, Motif::News, 0xFFFFFF, 0xE2E2E2, 0x3C8DD6, 0xFFFFFF, 0},
    {8, "Alley Fury 3", 226, 107, Look::Meridian, Motif::City, 0x4A0E60, 0x16051F, 0xFF4F8B, 0xFFFFFF, 0xD81B5A},
    {9, "Skyhop Quest", 135, 95, Look::Kestrel, Motif::Hills, 0x5C94FC, 0x9CC0FF, 0x00A800, 0xFFFFFF, 0x000000},
    {11, "Skyhop World", 127, 90, Look::SuperKestrel, Motif::Hills, 0x7FD8F0, 0xD2F6F6, 0x4CBB3A, 0xFFD700, 0xB5261E},
    {12, "Blitz the Porcupine", 137, 97, Look::Meridian, Motif::Speed, 0x1747E0, 0x0A1C8C, 0x38C8FF, 0xFFFFFF, 0x06156A},
    {13, "Skyhop Quest 3", 137, 92, Look::Kestrel, Motif::Blocks, 0xF8B050, 0xFCE0A8, 0xC84C0C, 0xFFFFFF, 0x000000},
    {14, "Blitz the Porcupine 2", 140, 95, Look::Meridian, Motif::Speed, 0x0544F0, 0x0A2A9C, 0xFFD23A, 0xFFFFFF, 0x07206E},
    {15, "Feral Clash", 137, 97, Look::SuperKestrel, Motif::Flames, 0x2A1A06, 0x120A02, 0xD9541E, 0xFFE9A8, 0x4A1400},
    {16, "Runeblade: Echoes of the Past", 137, 97, Look::SuperKestrel, Motif::Sword, 0x7483DA, 0x2E3A8C, 0xD4AF37, 0xFFFFFF, 0x1D2566},
    {17, "Frog Fist & Twin Tiger", 137, 96, Look::SuperKestrel, Motif::Flames, 0x0A1A3A, 0x000818, 0x3FBF3F, 0xF7C623, 0x000000, "Bebas Neue Bold"},
    {18, "Fiddle & Fox", 137, 97, Look::Kestrel64, Motif::Jungle, 0x2E7D1E, 0x0D3806, 0x7CC242, 0xFF9F2E, 0x4A1E00, "Lobster Two Bold"},
    {19, "Blitz the Porcupine 3", 137, 97, Look::Meridian, Motif::Speed, 0x2A28F0, 0x0C0A7A, 0xFF5A5A, 0xFFFFFF, 0x07055A},
    {20, "Time Rift", 218, 97, Look::SuperKestrel, Motif::Grid, 0x12062E, 0x2A0C50, 0xFF4FD8, 0x8FF3FF, 0x200A40},
    {21, "Ink Realm", 137, 97, Look::Meridian, Motif::Ink, 0xF2EFE6, 0xD6D0C0, 0xD93A2B, 0xFFE033, 0x000000},
    {22, "Star Gunners", 137, 98, Look::Meridian, Motif::Planet, 0x3A0E00, 0x150400, 0xFF6A1A, 0xFFFFFF, 0xC43000},
    {23, "Night Dancer Tour", 137, 97, Look::Meridian, Motif::City, 0x24103E, 0x05020A, 0xC9A0FF, 0xFFFFFF, 0x4A1F7A},
    {24, "Werecrest", 137, 97, Look::Meridian, Motif::Sunburst, 0x3E5A3E, 0x1C2A1C, 0xA7C957, 0xF2E8C9, 0x1C2A1C, "C059 Bold"},
    {25, "Blitz Pinball", 137, 97, Look::Meridian, Motif::Checker, 0x1C1448, 0x0A0620, 0x2F6BFF, 0xFFD23A, 0x0A0620},
    {26, "Whirlwind Island", 137, 97, Look::Meridian, Motif::Waves, 0x6FD6FF, 0xFFF6A0, 0x1E90D6, 0xFFFFFF, 0x0B5C99},
    {27, "Hover Rush 64", 137, 97, Look::Kestrel64, Motif::Grid, 0x0B1E3A, 0x10213A, 0x35E0FF, 0xFFFFFF, 0x0A4A8A},
    {28, "Ring Kings", 137, 97, Look::Meridian, Motif::Ring, 0x1C2745, 0x0E1428, 0xD8282E, 0xFFD23A, 0x7A0A0E},
    {29, "Star Swarm", 137, 97, Look::Kestrel, Motif::Stars, 0x000000, 0x000020, 0x3CBCFC, 0xF8D800, 0xA80020},
    {30, "Apex Rider", 137, 97, Look::Meridian, Motif::Speed, 0x2A2A2A, 0x050505, 0xF2C12E, 0xFFFFFF, 0xC0392B},
    {31, "Puffball's Journey", 137, 97, Look::Kestrel, Motif::Bubbles, 0xFFC8DC, 0xFCE8F0, 0xF878A8, 0xFFFFFF, 0xD8306F},
    {32, "Shell Squad", 137, 97, Look::Kestrel, Motif::City, 0x1C3A1C, 0x0A140A, 0x58D854, 0xF8F8F8, 0x006800},
    {33, "Zorb & Zip 2", 137, 97, Look::Meridian, Motif::Planet, 0x2A0845, 0x0D0218, 0x9CFF3A, 0xFF7AF0, 0x2A0845},
    {34, "Skyhop RPG", 137, 97, Look::SuperKestrel, Motif::Stars, 0x101848, 0x040818, 0xF8D878, 0xFFFFFF, 0x3A2A8A},
    {35, "Zorb & Zip", 137, 97, Look::Meridian, Motif::Bubbles, 0xFFE83A, 0xFFB020, 0xFF3A9C, 0x3A1A8A, 0xFFFFFF},
    {36, "Ape Island", 137, 97, Look::SuperKestrel, Motif::Jungle, 0x3A7A24, 0x0F2A06, 0x8FD14F, 0xFFD23A, 0x5A2A00},
    {37, "Dino Drop", 137, 97, Look::Kestrel, Motif::Blocks, 0xBDF0FF, 0xE8FAFF, 0x58C848, 0xF87800, 0x000000, nullptr, true},
    {38, "Void Hunter II", 137, 97, Look::SuperKestrel, Motif::Planet, 0x0A0410, 0x1A0A20, 0xD05A2A, 0xD8F0FF, 0x3A0A10},
    {41, "Skyhop Racer 64", 137, 97, Look::Kestrel64, Motif::Checker, 0x2E8BF0, 0x9ED6FF, 0xE8262C, 0xFFD23A, 0xB01015},
    {42, "Jet Grid", 137, 97, Look::SuperKestrel, Motif::Grid, 0x4A0A5E, 0xB61A9E, 0xFF8AE8, 0xFFFFFF, 0x3A0045, nullptr, true},
    {43, "Volt Boy X", 137, 97, Look::SuperKestrel, Motif::Sunburst, 0x0A2A6A, 0x020A2A, 0x29B6F6, 0xFFFFFF, 0x0A3A9A, "Bebas Neue Bold"},
    {45, "Void Hunter", 137, 97, Look::Kestrel, Motif::Planet, 0x000000, 0x100010, 0xA83C00, 0xF8B800, 0x000000},
};

TextStyle TitleStyle(const Card& card) {
  Rgb ink = Hex(card.ink), outline = Hex(card.outline);
  auto font = [&](const char* platformFace) { return std::string(card.font ? card.font : platformFace); };
  switch (card.look) {
    case Look::System:
      return {.font = font("Comfortaa Bold"), .fill = ink};
    case Look::Kestrel:
      return {.font = font("DejaVu Sans Bold"), .fill = ink, .outline = 1, .outlineColour = outline, .crisp = true};
    case Look::SuperKestrel:
      return {.font = font("League Spartan Black"), .fill = ink, .outline = 1.6, .outlineColour = outline,
              .shadow = 1.5, .fillBottom = Darker(ink, 0.3)};
    case Look::Kestrel64:
      return {.font = font("Bebas Neue Bold"), .fill = Lighter(ink, 0.4), .outline = 1.2, .outlineColour = outline,
              .fillBottom = ink};
    case Look::Meridian:
      return {.font = font("Nimbus Sans Bold Italic"), .fill = ink, .outline = 2, .outlineColour = outline,
              .shadow = 1.5};
  }
  return {};
}

void DrawCard(cairo_t* cr, const Card& card, double w, double h) {
  const double radius = card.opaque ? 0 : std::max(3.0, h * 0.08);
  RoundedRect(cr, 0, 0, w, h, radius);
  cairo_clip(cr);
  VerticalGradient(cr, 0, h, Hex(card.sky), Hex(card.ground));
  cairo_paint(cr);
  Random random(static_cast<std::uint64_t>(card.tile) * 7919);
  Box box = DrawMotif(cr, card.motif, w, h, {Hex(card.sky), Hex(card.ground), Hex(card.accent)}, random);
  TextStyle style = TitleStyle(card);
  double bx = box.x * w, by = box.y * h, bw = box.w * w, bh = box.h * h;
  if (card.look == Look::Kestrel64) {
    // Early-3D lettering: the title stands out of the card on a solid extrusion.
    TextStyle depth = style;
    depth.fill = Hex(card.outline);
    depth.fillBottom = {-1, 0, 0};
    for (int step = 3; step >= 1; --step) FitText(cr, card.title, depth, bx + step * 0.7, by + step * 0.9, bw, bh);
  }
  FitText(cr, card.title, style, bx, by, bw, bh);
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, radius);
  SetColour(cr, Hex(0xFFFFFF), 0.3);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

Surface PaintCard(const Card& card) {
  if (card.look == Look::Kestrel)
    return Pixelated(card.width, card.height, 2, [&](cairo_t* cr, int w, int h) { DrawCard(cr, card, w, h); });
  Surface s = NewSurface(card.width, card.height);
  Context c = Draw(s);
  DrawCard(c.get(), card, card.width, card.height);
  return s;
}

}  // namespace

void AddTileCards(PictureSet& set) {
  for (const Card& card : kCards) set.push_back({"Shape" + std::to_string(card.tile) + "Image", PaintCard(card)});
}

}  // namespace quil::assetgen
