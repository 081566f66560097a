#include "home/Form1Design.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "audio/Effects.h"
#include "catalogue/Catalogue.h"
#include "pictures/Pictures.h"
#include "runtime/Design.h"
#include "runtime/Shape.h"

namespace quil::home::design {
namespace {

using rt::Rect;
using rt::MessageBoxStyle::Information;
using rt::MessageBoxStyle::Stop;
namespace effects = audio::effects;

// The empty slots: grey frames around a picture control without picture or
// tooltip. Every other tile, a game's or a console channel's, shows a card and
// is laid out from the catalogue.
struct EmptySlot {
  int number;
  Rect picture;
  bool stretch;
};

constexpr rt::Colour kEmptySlotGrey = 0x00C0C0C0;

const EmptySlot kEmptySlots[] = {
    {10, {3735, 4800, 2040, 1455}, true},   {39, {45840, 960, 2055, 1455}, true},
    {40, {48360, 960, 2055, 1455}, false},  {44, {48375, 2880, 2040, 1455}, true},
    {46, {43320, 4800, 2055, 1455}, false}, {47, {45840, 4800, 2055, 1455}, true},
    {48, {48360, 4800, 2055, 1455}, true},
};

// The disc, avatar and shop channels answer with a box titled with the tile's name.
struct MessageRow {
  int tile;
  const char* prompt;
  rt::MessageBoxStyle style;
};

const MessageRow kMessages[] = {
    {1, "HA HA HA yea, like you can really play Crimson Edge. NOOB!", Stop},
    {2, "LOL, there are no Tuvos here. Go play a real Quil to get them!", Information},
    {4, "ALL GAMES FREE! WOOT! NO NEED TO SHOP!", Information},
};

struct BroadcastRow {
  int tile;
  BroadcastClick click;
};

const BroadcastRow kBroadcasts[] = {
    {6, {effects::kForecast, "lol, weather"}},
    {7, {effects::kNews, "lol, news"}},
};

// Their clicks leave the hover-sound flag as the pointer's hover set it.
bool LeavesHoverFlag(int tile) { return tile == 11 || tile == 12; }

TileRow CardTile(int number, const catalogue::TilePicture& picture, const char* name) {
  const catalogue::TwipsRect& box = picture.box;
  return {number, picture.frameFill, {box.left, box.top, box.width, box.height}, picture.stretch, name};
}

TileRow TileNumbered(int number) {
  if (const catalogue::Game* game = catalogue::GameOnTile(number))
    return CardTile(number, game->picture, catalogue::TileName(*game));
  if (const catalogue::ConsoleTile* tile = catalogue::ConsoleTileNumbered(number))
    return CardTile(number, tile->picture, tile->name);
  const auto slot = std::ranges::find(kEmptySlots, number, &EmptySlot::number);
  if (slot == std::end(kEmptySlots)) throw std::logic_error("no design for tile " + std::to_string(number));
  return {number, kEmptySlotGrey, slot->picture, slot->stretch, nullptr};
}

// A game tile's click opens the channel screen of the game's code.
TileClick ClickOn(int tile) {
  if (const catalogue::Game* game = catalogue::GameOnTile(tile))
    return GameClick{game->code, LeavesHoverFlag(tile) ? HoverFlag::Untouched : HoverFlag::HoldBack};
  for (const MessageRow& row : kMessages)
    if (row.tile == tile) return MessageClick{row.prompt, row.style, catalogue::ConsoleTileNumbered(tile)->name};
  for (const BroadcastRow& row : kBroadcasts)
    if (row.tile == tile) return row.click;
  return NoClick{};
}

template <class Row>
std::array<Row, kTileCount> PerTile(Row (*of)(int)) {
  std::array<Row, kTileCount> rows;
  for (int n = 1; n <= kTileCount; ++n) rows[static_cast<std::size_t>(n - 1)] = of(n);
  return rows;
}

const std::array<TileRow, kTileCount> kTiles = PerTile(TileNumbered);
const std::array<TileClick, kTileCount> kTileClicks = PerTile(ClickOn);

using pictures::Picture;

const rt::Label::Look kPlain{};
const rt::Label::Look kMusicButton{{"Webdings", 14.25, true}, 0x00676767, rt::Alignment::Center};
const rt::Label::Look kResolution{rt::Font{}, rt::kSysButtonText, rt::Alignment::Left, true};
const rt::Label::Look kMenuCaption{{"Arial", 14.25, false}, rt::kSysHighlight, rt::Alignment::Center};
const rt::Label::Look kDate{{"Arial", 26.25, false}, 0x00676767, rt::Alignment::Center};
// The bar's two round buttons: a face inside a teal ring.
const rt::Shape::Look kButtonFace{rt::ShapeKind::Oval, 0x00E6E6E6, std::nullopt, 1};
const rt::Shape::Look kButtonRing{rt::ShapeKind::Oval, 0x00D9D9D9, 0x00B0B000, 2};
// A hidden circle that travels with page 1.
const rt::Shape::Look kPageOneCircle{rt::ShapeKind::Circle, 0x00676767, rt::kSysWindowText, 1};

// Page 1 waits hidden for the reveal; the other pages lie off screen to the right.
bool TileVisibleAtStart(int number) { return TilePage(number) > 0; }

rt::ControlRow TileFrameRow(int number) {
  const rt::Shape::Look look{rt::ShapeKind::RoundedRectangle, Tile(number).fill, kFrameGrey, 1};
  return rt::ShapeRow{std::string(TileFrameName(number)), TileFrame(number), look, TileVisibleAtStart(number)};
}

// An empty slot keeps its picture control, without picture or tooltip.
rt::ControlRow TilePictureRow(int number) {
  const TileRow& tile = Tile(number);
  const std::string name(TilePictureName(number));
  return rt::ImageRow{name,
                      tile.picture,
                      tile.toolTip ? Picture(name) : nullptr,
                      tile.stretch,
                      tile.toolTip ? tile.toolTip : "",
                      TileVisibleAtStart(number)};
}

// Every control, front to back. Tab order: the next-page arrow first, then the
// zoom box, then the previous-page arrow. The music panel waits below the
// screen, its two buttons inside it.
std::vector<rt::ControlRow> Controls() {
  return {
      rt::PictureBoxRow{"Picture1", {5880, 4440, 255, 255}, rt::kSysMenuText, nullptr, 1, {}, false},
      rt::FrameRow{"Frame1", {3120, 10000, 1335, 735}, "Music", {"Arial", 9, false}, 0x00D8CECA},
      rt::LabelRow{"LabelMusicBack", {240, 240, 375, 375}, "9", kMusicButton, {}, true, "Frame1"},
      rt::LabelRow{"LabelMusicNext", {720, 240, 375, 375}, ":", kMusicButton, {}, true, "Frame1"},
      rt::PictureBoxRow{"ImageAR", {360, 3000, 495, 720}, kMenuBackground, Picture("ImageAR"), 0, "Next Page", false},
      rt::PictureBoxRow{"ImageAL", {0, 3240, 495, 720}, kMenuBackground, Picture("ImageAL"), 7, "Previous Page", false},
      rt::LabelRow{"LabelRes", {3360, -5000, 1215, 255}, "", kResolution, {}, false},
      rt::ImageRow{"ImageLabelQuil", {1275, 7510, 675, 405}, Picture("ImageLabelQuil"), false, "Quil Options", false},
      TilePictureRow(38), TilePictureRow(45), TilePictureRow(39), TilePictureRow(40), TilePictureRow(44),
      TilePictureRow(48), TilePictureRow(43), TilePictureRow(42), TilePictureRow(41), TilePictureRow(47),
      TilePictureRow(46), TilePictureRow(37), TilePictureRow(27), TilePictureRow(36), TileFrameRow(27),
      TilePictureRow(35), TilePictureRow(34), TilePictureRow(33), TilePictureRow(32), TilePictureRow(31),
      TilePictureRow(30), TilePictureRow(29), TilePictureRow(28), TilePictureRow(26), TilePictureRow(25),
      TilePictureRow(24), TilePictureRow(21), TilePictureRow(19), TilePictureRow(17), TilePictureRow(23),
      TilePictureRow(18), TilePictureRow(16), TilePictureRow(14), TilePictureRow(22), TilePictureRow(15),
      TilePictureRow(13), TilePictureRow(20),
      rt::ImageRow{"Image6", {480, 5040, 255, 255}, Picture("Image6"), true, {}, false},
      rt::ImageRow{"ImageMail", {9910, 7430, 885, 540}, Picture("ImageMail"), true, "Quil Message Board", false},
      rt::ImageRow{"Image4", {120, 5400, 255, 255}, nullptr, true, {}, false},
      rt::ImageRow{"Image3", {120, 5040, 255, 255}, Picture("Image3"), true, {}, false},
      rt::ImageRow{"Image2", {120, 4680, 255, 255}, Picture("Image2"), true, {}, false},
      TilePictureRow(3),
      rt::ImageRow{"ImageExit", {5130, 8180, 1770, 495}, Picture("ImageExit"), false, "Exit", false},
      TilePictureRow(12), TilePictureRow(10), TilePictureRow(9), TilePictureRow(11), TilePictureRow(8),
      TilePictureRow(6), TilePictureRow(5), TilePictureRow(7), TilePictureRow(4), TilePictureRow(2),
      TilePictureRow(1),
      rt::LabelRow{"ShapeQuilLabel", {840, 6960, 1575, 1455}, "", kPlain, "Quil Options", false},
      rt::LabelRow{"ShapeMailLabel", {9560, 6960, 1575, 1455}, "", kPlain, "Quil Message Board", false},
      TileFrameRow(12), TileFrameRow(11), TileFrameRow(10), TileFrameRow(8), TileFrameRow(7), TileFrameRow(6),
      TileFrameRow(4), TileFrameRow(3), TileFrameRow(2),
      rt::ShapeRow{"ShapeMailButton2", {9690, 7020, 1080, 1020}, kButtonFace, false},
      rt::ShapeRow{"ShapeMailButton1", {9570, 6960, 1575, 1455}, kButtonRing, false},
      rt::ImageRow{"ImageCurveLine2", {9120, 6580, 3330, 2295}, Picture("ImageCurveLine2"), false, {}, false},
      rt::ShapeRow{"ShapeQuilButton2", {960, 7005, 1080, 1020}, kButtonFace, false},
      rt::ShapeRow{"ShapeQuilButton1", {840, 6960, 1575, 1455}, kButtonRing, false},
      TileFrameRow(9), TileFrameRow(5),
      rt::LabelRow{"LabelMenu", {5280, 6790, 1455, 375}, "Quil Menu", kMenuCaption, {}, false},
      rt::LabelRow{"Label1", {4440, 7440, 3135, 615}, "Sun 12/30", kDate, {}, false},
      rt::ImageRow{"Image1", {-15000, -15000, 9885, 7695}, Picture("Image1"), true, {}, false},
      rt::ImageRow{"ImageMouse", {-240, 1800, 540, 540}, Picture("PointerHand"), false, {}, false,
                   Picture("PointerHand")},
      rt::ImageRow{"ImageTrans", {-240, 1440, 540, 540}, Picture("PointerBlank"), false, {}, false,
                   Picture("PointerBlank")},
      rt::ImageRow{"ImageCurveLine1", {-450, 6580, 3330, 2295}, Picture("ImageCurveLine1"), false, {}, false},
      rt::ImageRow{"ImageLine", {0, 6480, 13065, 945}, Picture("ImageLine"), false, {}, false},
      TileFrameRow(1),
      rt::ImageRow{"ImageGreyBar", {0, 7320, 12150, 2430}, Picture("ImageGreyBar"), false, {}, false},
      rt::ShapeRow{"ShapeHC", {870, 1080, 735, 1095}, kPageOneCircle, false},
      TileFrameRow(24), TileFrameRow(21), TileFrameRow(20), TileFrameRow(19), TileFrameRow(16), TileFrameRow(17),
      TileFrameRow(18), TileFrameRow(13), TileFrameRow(14), TileFrameRow(15), TileFrameRow(22), TileFrameRow(23),
      TileFrameRow(25), TileFrameRow(28), TileFrameRow(29), TileFrameRow(34), TileFrameRow(33), TileFrameRow(32),
      TileFrameRow(30), TileFrameRow(26), TileFrameRow(36), TileFrameRow(35), TileFrameRow(31), TileFrameRow(37),
      TileFrameRow(44), TileFrameRow(41), TileFrameRow(42), TileFrameRow(45), TileFrameRow(38), TileFrameRow(39),
      TileFrameRow(40), TileFrameRow(48), TileFrameRow(47), TileFrameRow(46), TileFrameRow(43)
  };
}

const std::array<std::string, kTileCount> kFrameNames = [] {
  std::array<std::string, kTileCount> names;
  for (int n = 1; n <= kTileCount; ++n) names[n - 1] = "Shape" + std::to_string(n);
  return names;
}();

const std::array<std::string, kTileCount> kPictureNames = [] {
  std::array<std::string, kTileCount> names;
  for (int n = 1; n <= kTileCount; ++n) names[n - 1] = "Shape" + std::to_string(n) + "Image";
  return names;
}();

}  // namespace

const std::array<rt::TimerRow, 14> kTimers = {{
    {"Timer1", 1000},
    {"Timer2", 500},
    {"Timer3", 2000},
    {"TimerIntro", 120},
    {"TimerAR", 50},
    {"TimerPage", 1},
    {"TimerZoom", 1},
    {"TimerMainMenuMusic", 1500},
    {"TimerMusicChange", 100},
    {"TimerNewsMusic", 1000},
    {"TimerPhotoMusic", 1000},
    {"TimerWeatherMusic", 1000},
    {"TimerMusic", 1},
    {"TimerMusic2", 1},
}};

const TileRow& Tile(int number) { return kTiles.at(static_cast<std::size_t>(number - 1)); }

const TileClick& ClickOf(int tile) { return kTileClicks.at(static_cast<std::size_t>(tile - 1)); }

int TilePage(int number) { return (number - 1) / kTilesPerPage; }

double TileColumnLeft(int number) { return 1080.0 + 2520 * ((number - 1) % 4); }

rt::Rect TileFrame(int number) {
  const int row = ((number - 1) % kTilesPerPage) / 4;
  return Rect{TileColumnLeft(number) + 13200 * TilePage(number), 840.0 + 1920 * row, 2295, 1695};
}

std::string_view TileFrameName(int number) { return kFrameNames.at(static_cast<std::size_t>(number - 1)); }

std::string_view TilePictureName(int number) { return kPictureNames.at(static_cast<std::size_t>(number - 1)); }

void Build(rt::Form& form) { rt::Build(form, Controls(), kTimers); }

}  // namespace quil::home::design
