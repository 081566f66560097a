#include "home/MenuDesign.h"

#include <string>
#include <vector>

#include "catalogue/Sounds.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Colours.h"
#include "home/MenuGeometry.h"
#include "pictures/Pictures.h"
#include "runtime/Design.h"
#include "runtime/Shape.h"

namespace quil::home::design {
namespace {

using rt::Rect;
namespace colours = catalogue::colours;
using rt::MessageBoxStyle::Information;
using rt::MessageBoxStyle::Stop;
namespace sounds = catalogue::sounds;

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
    {6, {sounds::kForecast, "lol, weather"}},
    {7, {sounds::kNews, "lol, news"}},
};

// Their clicks leave the hover-sound flag as the pointer's hover set it.
bool LeavesHoverFlag(int tile) { return tile == 11 || tile == 12; }

TileRow TileNumbered(int number) {
  const catalogue::Tile tile = catalogue::TileNumbered(number);
  return {number, tile.frameFill, {tile.box.left, tile.box.top, tile.box.width, tile.box.height}, tile.stretch,
          tile.name};
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
std::array<Row, geometry::kTileCount> PerTile(Row (*of)(int)) {
  std::array<Row, geometry::kTileCount> rows;
  for (int n = 1; n <= geometry::kTileCount; ++n) rows[static_cast<std::size_t>(n - 1)] = of(n);
  return rows;
}

const std::array<TileRow, geometry::kTileCount> kTiles = PerTile(TileNumbered);
const std::array<TileClick, geometry::kTileCount> kTileClicks = PerTile(ClickOn);

using pictures::Picture;

const rt::Label::Look kPlain{};
const rt::Label::Look kMusicButton{{"Webdings", 14.25, true}, colours::kCaptionGrey, rt::Alignment::Center};
const rt::Label::Look kResolution{rt::Font{}, rt::kSysButtonText, rt::Alignment::Left, true};
const rt::Label::Look kMenuCaption{{"Arial", 14.25, false}, rt::kSysHighlight, rt::Alignment::Center};
const rt::Label::Look kDate{{"Arial", 26.25, false}, colours::kCaptionGrey, rt::Alignment::Center};
// The bar's two round buttons: a face inside a teal ring.
const rt::Shape::Look kButtonFace{rt::ShapeKind::Oval, 0x00E6E6E6, std::nullopt, 1};
const rt::Shape::Look kButtonRing{rt::ShapeKind::Oval, 0x00D9D9D9, colours::kTeal, 2};
// A hidden circle that travels with page 1.
const rt::Shape::Look kFirstPageMarker{rt::ShapeKind::Circle, colours::kCaptionGrey, rt::kSysWindowText, 1};
constexpr const char* kMessageBoardName = "Quil Message Board";

// Page 1 waits hidden for the reveal; the other pages lie off screen to the right.
bool TileVisibleAtStart(int number) { return geometry::PageOf(number) > geometry::kFirstPage; }

rt::ShapeRow TileFrameRow(int number) {
  const rt::Shape::Look look{rt::ShapeKind::RoundedRectangle, Tile(number).fill, kFrameGrey, 1};
  return rt::ShapeRow{std::string(TileFrameName(number)), TileFrame(number), look, TileVisibleAtStart(number)};
}

// An empty slot keeps its picture control, without picture or tooltip.
rt::ImageRow TilePictureRow(int number) {
  const TileRow& tile = Tile(number);
  const std::string name(TilePictureName(number));
  return rt::ImageRow{name,
                      tile.picture,
                      tile.toolTip ? Picture(name) : nullptr,
                      tile.stretch,
                      tile.toolTip ? tile.toolTip : "",
                      TileVisibleAtStart(number)};
}

// The tiles' controls as the design adds them, by tile number less one.
struct TileAdder {
  rt::Designer& design;
  Tiles::Controls added{};

  void Frames(std::initializer_list<int> tiles) {
    for (int tile : tiles) added.frames[static_cast<std::size_t>(tile - 1)] = &design.Add(TileFrameRow(tile));
  }
  void Pictures(std::initializer_list<int> tiles) {
    for (int tile : tiles) added.pictures[static_cast<std::size_t>(tile - 1)] = &design.Add(TilePictureRow(tile));
  }
};

}  // namespace

// Every control, front to back. Tab order: the next-page arrow first, then the
// zoom box, then the previous-page arrow. The music panel waits below the
// screen, its two buttons inside it.
MenuControls Build(rt::Form& form) {
  rt::Designer d(form);
  TileAdder tiles{d};
  auto& zoomBox = d.Add(rt::PictureBoxRow{"Picture1", geometry::kZoomBoxRest, rt::kSysMenuText, nullptr, 1, {}, false});
  auto& panel = d.Add(rt::FrameRow{"Frame1", {3120, 10000, 1335, 735}, "Music", {"Arial", 9, false}, colours::kBar});
  auto& previousTrack =
      d.Add(rt::LabelRow{"LabelMusicBack", {240, 240, 375, 375}, "9", kMusicButton, {}, true, "Frame1"});
  auto& nextTrack = d.Add(rt::LabelRow{"LabelMusicNext", {720, 240, 375, 375}, ":", kMusicButton, {}, true, "Frame1"});
  auto& nextPage = d.Add(
      rt::PictureBoxRow{"ImageAR", {360, 3000, 495, 720}, kMenuBackground, Picture("ImageAR"), 0, "Next Page", false});
  auto& previousPage = d.Add(rt::PictureBoxRow{"ImageAL", {0, 3240, 495, 720}, kMenuBackground, Picture("ImageAL"), 7,
                                                "Previous Page", false});
  auto& resolution = d.Add(rt::LabelRow{"LabelRes", {3360, -5000, 1215, 255}, "", kResolution, {}, false});
  auto& optionsFace = d.Add(
      rt::ImageRow{"ImageLabelQuil", {1275, 7510, 675, 405}, Picture("ImageLabelQuil"), false, kOptionsName, false});
  tiles.Pictures({38, 45, 39, 40, 44, 48, 43, 42, 41, 47, 46, 37, 27, 36});
  tiles.Frames({27});
  tiles.Pictures({35, 34, 33, 32, 31, 30, 29, 28, 26, 25, 24, 21, 19, 17, 23, 18, 16, 14, 22, 15, 13, 20});
  auto& promptMiddle = d.Add(rt::ImageRow{"Image6", {480, 5040, 255, 255}, Picture("Image6"), true, {}, false});
  auto& messageFace =
      d.Add(rt::ImageRow{"ImageMail", {9910, 7430, 885, 540}, Picture("ImageMail"), true, kMessageBoardName, false});
  auto& promptOff = d.Add(rt::ImageRow{"Image4", {120, 5400, 255, 255}, nullptr, true, {}, false});
  auto& promptFull = d.Add(rt::ImageRow{"Image3", {120, 5040, 255, 255}, Picture("Image3"), true, {}, false});
  auto& promptFaint = d.Add(rt::ImageRow{"Image2", {120, 4680, 255, 255}, Picture("Image2"), true, {}, false});
  tiles.Pictures({3});
  auto& exit = d.Add(rt::ImageRow{"ImageExit", {5130, 8180, 1770, 495}, Picture("ImageExit"), false, "Exit", false});
  tiles.Pictures({12, 10, 9, 11, 8, 6, 5, 7, 4, 2, 1});
  auto& optionsHotSpot =
      d.Add(rt::LabelRow{"ShapeQuilLabel", {840, 6960, 1575, 1455}, "", kPlain, kOptionsName, false});
  auto& messageHotSpot =
      d.Add(rt::LabelRow{"ShapeMailLabel", {9560, 6960, 1575, 1455}, "", kPlain, kMessageBoardName, false});
  tiles.Frames({12, 11, 10, 8, 7, 6, 4, 3, 2});
  auto& messageDisc = d.Add(rt::ShapeRow{"ShapeMailButton2", {9690, 7020, 1080, 1020}, kButtonFace, false});
  auto& messageRing = d.Add(rt::ShapeRow{"ShapeMailButton1", {9570, 6960, 1575, 1455}, kButtonRing, false});
  auto& messageCurve =
      d.Add(rt::ImageRow{"ImageCurveLine2", {9120, 6580, 3330, 2295}, Picture("ImageCurveLine2"), false, {}, false});
  auto& optionsDisc = d.Add(rt::ShapeRow{"ShapeQuilButton2", {960, 7005, 1080, 1020}, kButtonFace, false});
  auto& optionsRing = d.Add(rt::ShapeRow{"ShapeQuilButton1", {840, 6960, 1575, 1455}, kButtonRing, false});
  tiles.Frames({9, 5});
  auto& caption = d.Add(rt::LabelRow{"LabelMenu", {5280, 6790, 1455, 375}, "Quil Menu", kMenuCaption, {}, false});
  auto& date = d.Add(
      rt::LabelRow{"Label1", {geometry::kDateLeft, geometry::kDateTop, 3135, 615}, "Sun 12/30", kDate, {}, false});
  auto& warning = d.Add(rt::ImageRow{"Image1", {-15000, -15000, 9885, 7695}, Picture("Image1"), true, {}, false});
  auto& handPointer = d.Add(rt::ImageRow{"ImageMouse", {-240, 1800, 540, 540}, Picture("PointerHand"), false, {}, false,
                                          Picture("PointerHand")});
  auto& blankPointer = d.Add(rt::ImageRow{"ImageTrans", {-240, 1440, 540, 540}, Picture("PointerBlank"), false, {},
                                           false, Picture("PointerBlank")});
  auto& optionsCurve =
      d.Add(rt::ImageRow{"ImageCurveLine1", {-450, 6580, 3330, 2295}, Picture("ImageCurveLine1"), false, {}, false});
  auto& line = d.Add(rt::ImageRow{"ImageLine", {0, 6480, 13065, 945}, Picture("ImageLine"), false, {}, false});
  tiles.Frames({1});
  auto& greyBar =
      d.Add(rt::ImageRow{"ImageGreyBar", {0, 7320, 12150, 2430}, Picture("ImageGreyBar"), false, {}, false});
  auto& firstPageMarker = d.Add(rt::ShapeRow{"ShapeHC", {870, 1080, 735, 1095}, kFirstPageMarker, false});
  tiles.Frames({24, 21, 20, 19, 16, 17, 18, 13, 14, 15, 22, 23, 25, 28, 29, 34, 33, 32,
                30, 26, 36, 35, 31, 37, 44, 41, 42, 45, 38, 39, 40, 48, 47, 46, 43});
  d.Finish();

  auto& blackSecond = d.Add(rt::TimerRow{"Timer1", 1000});
  auto& jingleDelay = d.Add(rt::TimerRow{"Timer2", 500});
  auto& jingleHoldOff = d.Add(rt::TimerRow{"Timer3", 2000});
  auto& pulse = d.Add(rt::TimerRow{"TimerIntro", 120});
  auto& swing = d.Add(rt::TimerRow{"TimerAR", 50});
  auto& scroll = d.Add(rt::TimerRow{"TimerPage", 1});
  auto& zoomGrowth = d.Add(rt::TimerRow{"TimerZoom", 1});
  auto& menuTrackDelay = d.Add(rt::TimerRow{"TimerMainMenuMusic", 1500});
  auto& trackChange = d.Add(rt::TimerRow{"TimerMusicChange", 100});
  d.Add(rt::TimerRow{"TimerNewsMusic", 1000});
  d.Add(rt::TimerRow{"TimerPhotoMusic", 1000});
  auto& broadcastSilence = d.Add(rt::TimerRow{"TimerWeatherMusic", 1000});
  auto& panelRaise = d.Add(rt::TimerRow{"TimerMusic", 1});
  auto& panelLower = d.Add(rt::TimerRow{"TimerMusic2", 1});

  return MenuControls{
      .intro = {warning, promptFaint, promptMiddle, promptFull, promptOff, blackSecond, pulse, jingleDelay,
                jingleHoldOff},
      .reveal = {line, greyBar, date, caption, handPointer, blankPointer},
      .tiles = tiles.added,
      .pages = {nextPage, previousPage, firstPageMarker, swing, scroll},
      .zoom = {zoomBox, zoomGrowth},
      .bar = {{optionsHotSpot, optionsFace, optionsRing, optionsDisc, optionsCurve},
              {messageHotSpot, messageFace, messageRing, messageDisc, messageCurve},
              exit},
      .panel = {panel, previousTrack, nextTrack, panelRaise, panelLower},
      .resolution = resolution,
      .line = line,
      .barPictures = {&greyBar, &optionsCurve, &messageCurve},
      .menuTrackDelay = menuTrackDelay,
      .trackChange = trackChange,
      .broadcastSilence = broadcastSilence,
  };
}

namespace {

const std::array<std::string, geometry::kTileCount> kFrameNames = [] {
  std::array<std::string, geometry::kTileCount> names;
  for (int n = 1; n <= geometry::kTileCount; ++n) names[n - 1] = "Shape" + std::to_string(n);
  return names;
}();

const std::array<std::string, geometry::kTileCount> kPictureNames = [] {
  std::array<std::string, geometry::kTileCount> names;
  for (int n = 1; n <= geometry::kTileCount; ++n) names[n - 1] = "Shape" + std::to_string(n) + "Image";
  return names;
}();

}  // namespace

const TileRow& Tile(int number) { return kTiles.at(static_cast<std::size_t>(number - 1)); }

const TileClick& ClickOf(int tile) { return kTileClicks.at(static_cast<std::size_t>(tile - 1)); }

rt::Rect TileFrame(int number) {
  using namespace geometry;
  const int row = ((number - 1) % kTilesPerPage) / kColumns;
  return Rect{ColumnLeft(number) + kPageWidth * (PageOf(number) - kFirstPage), kFirstRowTop + kRowPitch * row,
              kTileFrameWidth, kTileFrameHeight};
}

std::string_view TileFrameName(int number) { return kFrameNames.at(static_cast<std::size_t>(number - 1)); }

std::string_view TilePictureName(int number) { return kPictureNames.at(static_cast<std::size_t>(number - 1)); }

}  // namespace quil::home::design
