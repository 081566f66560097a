#include "home/Form1Design.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "audio/Effects.h"
#include "catalogue/Catalogue.h"
#include "pictures/Pictures.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
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

struct ImageRow {
  const char* name;
  Rect rect;
  const char* picture;  // nullptr: none
  bool stretch;
  const char* toolTip;
  bool visible;
  const char* mouseIcon;  // the pointer picture the control stores, if any
};

const ImageRow kImages[] = {
    {"ImageLabelQuil", {1275, 7510, 675, 405}, "ImageLabelQuil", false, "Quil Options", false, nullptr},
    {"Image6", {480, 5040, 255, 255}, "Image6", true, nullptr, false, nullptr},
    {"ImageMail", {9910, 7430, 885, 540}, "ImageMail", true, "Quil Message Board", false, nullptr},
    {"Image4", {120, 5400, 255, 255}, nullptr, true, nullptr, false, nullptr},
    {"Image3", {120, 5040, 255, 255}, "Image3", true, nullptr, false, nullptr},
    {"Image2", {120, 4680, 255, 255}, "Image2", true, nullptr, false, nullptr},
    {"ImageExit", {5130, 8180, 1770, 495}, "ImageExit", false, "Exit", false, nullptr},
    {"ImageCurveLine2", {9120, 6580, 3330, 2295}, "ImageCurveLine2", false, nullptr, false, nullptr},
    {"Image1", {-15000, -15000, 9885, 7695}, "Image1", true, nullptr, false, nullptr},
    {"ImageMouse", {-240, 1800, 540, 540}, "PointerHand", false, nullptr, false, "PointerHand"},
    {"ImageTrans", {-240, 1440, 540, 540}, "PointerBlank", false, nullptr, false, "PointerBlank"},
    {"ImageCurveLine1", {-450, 6580, 3330, 2295}, "ImageCurveLine1", false, nullptr, false, nullptr},
    {"ImageLine", {0, 6480, 13065, 945}, "ImageLine", false, nullptr, false, nullptr},
    {"ImageGreyBar", {0, 7320, 12150, 2430}, "ImageGreyBar", false, nullptr, false, nullptr},
};

struct LabelRow {
  const char* name;
  Rect rect;
  const char* caption;
  rt::Label::Look look;
  const char* toolTip;
  bool visible;
};

const rt::Label::Look kPlain{};
const rt::Label::Look kMusicButton{{"Webdings", 14.25, true}, 0x00676767, rt::Alignment::Center};

const LabelRow kLabels[] = {
    {"LabelMusicBack", {240, 240, 375, 375}, "9", kMusicButton, nullptr, true},
    {"LabelMusicNext", {720, 240, 375, 375}, ":", kMusicButton, nullptr, true},
    {"LabelRes", {3360, -5000, 1215, 255}, "", {rt::Font{}, rt::kSysButtonText, rt::Alignment::Left, true}, nullptr, false},
    {"ShapeQuilLabel", {840, 6960, 1575, 1455}, "", kPlain, "Quil Options", false},
    {"ShapeMailLabel", {9560, 6960, 1575, 1455}, "", kPlain, "Quil Message Board", false},
    {"LabelMenu", {5280, 6790, 1455, 375}, "Quil Menu", {{"Arial", 14.25, false}, rt::kSysHighlight, rt::Alignment::Center},
     nullptr, false},
    {"Label1", {4440, 7440, 3135, 615}, "Sun 12/30", {{"Arial", 26.25, false}, 0x00676767, rt::Alignment::Center},
     nullptr, false},
};

struct ShapeRow {
  const char* name;
  Rect rect;
  rt::Shape::Look look;
};

const ShapeRow kShapes[] = {
    {"ShapeMailButton2", {9690, 7020, 1080, 1020}, {rt::ShapeKind::Oval, 0x00E6E6E6, std::nullopt, 1}},
    {"ShapeMailButton1", {9570, 6960, 1575, 1455}, {rt::ShapeKind::Oval, 0x00D9D9D9, 0x00B0B000, 2}},
    {"ShapeQuilButton2", {960, 7005, 1080, 1020}, {rt::ShapeKind::Oval, 0x00E6E6E6, std::nullopt, 1}},
    {"ShapeQuilButton1", {840, 6960, 1575, 1455}, {rt::ShapeKind::Oval, 0x00D9D9D9, 0x00B0B000, 2}},
    {"ShapeHC", {870, 1080, 735, 1095}, {rt::ShapeKind::Circle, 0x00676767, rt::kSysWindowText, 1}},
};

// Tab order: the next-page arrow first, then the zoom box, then the previous-page arrow.
struct PictureBoxRow {
  const char* name;
  Rect rect;
  rt::Colour backColor;
  const char* picture;
  const char* toolTip;
  int tabIndex;
};

const PictureBoxRow kPictureBoxes[] = {
    {"Picture1", {5880, 4440, 255, 255}, rt::kSysMenuText, nullptr, nullptr, 1},
    {"ImageAR", {360, 3000, 495, 720}, kMenuBackground, "ImageAR", "Next Page", 0},
    {"ImageAL", {0, 3240, 495, 720}, kMenuBackground, "ImageAL", "Previous Page", 7},
};

const std::array<std::string_view, 126> kStacking = {
    "Picture1", "Frame1", "LabelMusicBack", "LabelMusicNext", "ImageAR", "ImageAL", "LabelRes", "ImageLabelQuil",
    "Shape38Image", "Shape45Image", "Shape39Image", "Shape40Image", "Shape44Image", "Shape48Image", "Shape43Image",
    "Shape42Image", "Shape41Image", "Shape47Image", "Shape46Image", "Shape37Image", "Shape27Image", "Shape36Image",
    "Shape27", "Shape35Image", "Shape34Image", "Shape33Image", "Shape32Image", "Shape31Image", "Shape30Image",
    "Shape29Image", "Shape28Image", "Shape26Image", "Shape25Image", "Shape24Image", "Shape21Image", "Shape19Image",
    "Shape17Image", "Shape23Image", "Shape18Image", "Shape16Image", "Shape14Image", "Shape22Image", "Shape15Image",
    "Shape13Image", "Shape20Image", "Image6", "ImageMail", "Image4", "Image3", "Image2", "Shape3Image", "ImageExit",
    "Shape12Image", "Shape10Image", "Shape9Image", "Shape11Image", "Shape8Image", "Shape6Image", "Shape5Image",
    "Shape7Image", "Shape4Image", "Shape2Image", "Shape1Image", "ShapeQuilLabel", "ShapeMailLabel", "Shape12",
    "Shape11", "Shape10", "Shape8", "Shape7", "Shape6", "Shape4", "Shape3", "Shape2", "ShapeMailButton2",
    "ShapeMailButton1", "ImageCurveLine2", "ShapeQuilButton2", "ShapeQuilButton1", "Shape9", "Shape5", "LabelMenu",
    "Label1", "Image1", "ImageMouse", "ImageTrans", "ImageCurveLine1", "ImageLine", "Shape1", "ImageGreyBar",
    "ShapeHC", "Shape24", "Shape21", "Shape20", "Shape19", "Shape16", "Shape17", "Shape18", "Shape13", "Shape14",
    "Shape15", "Shape22", "Shape23", "Shape25", "Shape28", "Shape29", "Shape34", "Shape33", "Shape32", "Shape30",
    "Shape26", "Shape36", "Shape35", "Shape31", "Shape37", "Shape44", "Shape41", "Shape42", "Shape45", "Shape38",
    "Shape39", "Shape40", "Shape48", "Shape47", "Shape46", "Shape43",
};

rt::PictureRef PictureOrNone(const char* name) { return name ? pictures::Picture(name) : nullptr; }

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

using Maker = std::function<void(rt::Form&)>;

void AddTileMakers(std::unordered_map<std::string_view, Maker>& makers) {
  for (const TileRow& tile : kTiles) {
    // Page 1 waits hidden for the reveal; the other pages lie off screen to the right.
    const bool visible = TilePage(tile.number) > 0;
    makers[TileFrameName(tile.number)] = [&tile, visible](rt::Form& form) {
      const rt::Shape::Look look{rt::ShapeKind::RoundedRectangle, tile.fill, kFrameGrey, 1};
      form.Add<rt::Shape>(std::string(TileFrameName(tile.number)), TileFrame(tile.number), look).SetVisible(visible);
    };
    makers[TilePictureName(tile.number)] = [&tile, visible](rt::Form& form) {
      const std::string name(TilePictureName(tile.number));
      auto& image = form.Add<rt::Image>(name, tile.picture, tile.toolTip ? pictures::Picture(name) : nullptr, tile.stretch);
      if (tile.toolTip) image.SetToolTip(tile.toolTip);
      image.SetVisible(visible);
    };
  }
}

void AddOtherMakers(std::unordered_map<std::string_view, Maker>& makers) {
  for (const ImageRow& row : kImages) {
    makers[row.name] = [&row](rt::Form& form) {
      auto& image = form.Add<rt::Image>(row.name, row.rect, PictureOrNone(row.picture), row.stretch);
      if (row.toolTip) image.SetToolTip(row.toolTip);
      image.SetMouseIcon(PictureOrNone(row.mouseIcon));
      image.SetVisible(row.visible);
    };
  }
  for (const LabelRow& row : kLabels) {
    makers[row.name] = [&row](rt::Form& form) {
      auto& label = form.Add<rt::Label>(row.name, row.rect, row.caption, row.look);
      if (row.toolTip) label.SetToolTip(row.toolTip);
      label.SetVisible(row.visible);
    };
  }
  for (const ShapeRow& row : kShapes) {
    makers[row.name] = [&row](rt::Form& form) { form.Add<rt::Shape>(row.name, row.rect, row.look).SetVisible(false); };
  }
  for (const PictureBoxRow& row : kPictureBoxes) {
    makers[row.name] = [&row](rt::Form& form) {
      auto& box = form.Add<rt::PictureBox>(row.name, row.rect, row.backColor, PictureOrNone(row.picture), row.tabIndex);
      if (row.toolTip) box.SetToolTip(row.toolTip);
      box.SetVisible(false);
    };
  }
  // The music panel waits below the screen, its two buttons inside it.
  makers["Frame1"] = [](rt::Form& form) {
    form.Add<rt::Frame>("Frame1", Rect{3120, 10000, 1335, 735}, "Music", rt::Font{"Arial", 9, false}, 0x00D8CECA);
  };
}

}  // namespace

const std::array<TimerRow, 14> kTimers = {{
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

std::span<const std::string_view> StackingOrder() { return kStacking; }

void Build(rt::Form& form) {
  std::unordered_map<std::string_view, Maker> makers;
  AddTileMakers(makers);
  AddOtherMakers(makers);
  for (std::string_view name : kStacking) {
    const auto maker = makers.find(name);
    if (maker == makers.end()) throw std::logic_error("no design for control " + std::string(name));
    maker->second(form);
  }
  auto& panel = form.Get<rt::Frame>("Frame1");
  form.Get<rt::Label>("LabelMusicBack").PlaceIn(panel);
  form.Get<rt::Label>("LabelMusicNext").PlaceIn(panel);
  for (const TimerRow& timer : kTimers) form.AddTimer(timer.name, timer.intervalMs);
}

}  // namespace quil::home::design
