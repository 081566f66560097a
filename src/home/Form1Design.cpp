#include "home/Form1Design.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "assets/Pictures.h"
#include "audio/Effects.h"
#include "shell/runtime/Form.h"
#include "shell/runtime/Frame.h"
#include "shell/runtime/Image.h"
#include "shell/runtime/Label.h"
#include "shell/runtime/PictureBox.h"
#include "shell/runtime/Shape.h"

namespace quil::home::design {
namespace {

using rt::Rect;

}  // namespace

// Tile pictures: the picture control's Left, Top, Width, Height in twips.
const std::array<TileRow, kTileCount> kTiles = {{
    { 1, 0x00FFFFFF, {1200, 960, 2055, 1455}, true, "Crimson Edge - Northgate"},
    { 2, 0x00E6E6E6, {3720, 960, 2055, 1455}, true, "Tuvo Channel"},
    { 3, 0x00000000, {6240, 1080, 2055, 1125}, false, "Skyhop 64"},
    { 4, 0x00FFFFFF, {8650, 1020, 2260, 1330}, true, "Quil Shop Channel"},
    { 5, 0x00B0BCFC, {1110, 2880, 2235, 1455}, false, "Runeblade"},
    { 6, 0x00FFFFFF, {3740, 2880, 2055, 1455}, true, "Forecast Channel"},
    { 7, 0x00FFFFFF, {6240, 2880, 2055, 1455}, true, "News Channel"},
    { 8, 0x00000000, {8760, 3000, 2055, 1215}, true, "Alley Fury 3"},
    { 9, 0x00FB925C, {1200, 4800, 2055, 1455}, true, "Skyhop Quest"},
    {10, 0x00C0C0C0, {3735, 4800, 2040, 1455}, true, nullptr},
    {11, 0x00E7E79D, {6240, 4800, 2055, 1455}, true, "Skyhop World"},
    {12, 0x00B10317, {8760, 4800, 2055, 1455}, true, "Blitz the Porcupine"},
    {13, 0x00AADAFE, {14400, 960, 2055, 1455}, true, "Skyhop Quest 3"},
    {14, 0x00F42202, {16825, 960, 2235, 1455}, true, "Blitz the Porcupine 2"},
    {15, 0x000B2B3B, {19455, 960, 2055, 1455}, true, "Feral Clash"},
    {16, 0x00DE9386, {21960, 960, 2055, 1455}, true, "Runeblade: Echoes of the Past"},
    {17, 0x00180800, {14400, 2880, 2055, 1440}, false, "Frog Fist & Twin Tiger"},
    {18, 0x00033809, {16935, 2880, 2040, 1455}, true, "Fiddle & Fox"},
    {19, 0x00F91C1E, {19455, 2880, 2055, 1455}, true, "Blitz the Porcupine 3"},
    {20, 0x00020202, {21960, 2880, 2055, 1455}, true, "Time Rift"},
    {21, 0x00ABABAB, {14400, 4800, 2055, 1455}, true, "Ink Realm"},
    {22, 0x000249FD, {16920, 4800, 2055, 1470}, false, "Star Gunners"},
    {23, 0x00030202, {19455, 4800, 2055, 1455}, false, "Night Dancer Tour"},
    {24, 0x006A926A, {21960, 4800, 2055, 1455}, true, "Werecrest"},
    {25, 0x00030203, {27600, 960, 2055, 1455}, true, "Blitz Pinball"},
    {26, 0x0002FAFA, {30195, 940, 1935, 1575}, true, "Whirlwind Island"},
    {27, 0x00302110, {32655, 960, 2055, 1455}, true, "Hover Rush 64"},
    {28, 0x0045271C, {35160, 960, 2055, 1455}, true, "Ring Kings"},
    {29, 0x00000000, {27600, 2880, 2055, 1455}, false, "Star Swarm"},
    {30, 0x00020202, {30135, 2880, 2040, 1455}, true, "Apex Rider"},
    {31, 0x00FCFCFC, {32640, 2880, 2055, 1455}, true, "Puffball's Journey"},
    {32, 0x00000000, {35160, 2880, 2055, 1455}, true, "Shell Squad"},
    {33, 0x00000000, {27600, 4800, 2055, 1455}, true, "Zorb & Zip 2"},
    {34, 0x00000000, {30135, 4700, 2055, 1660}, true, "Skyhop RPG"},
    {35, 0x0002FBFB, {32640, 4800, 2055, 1455}, true, "Zorb & Zip"},
    {36, 0x00042708, {35160, 4800, 2055, 1455}, false, "Ape Island"},
    {37, 0x00FCFCFC, {40800, 960, 2055, 1455}, true, "Dino Drop"},
    {38, 0x00040202, {43320, 960, 2055, 1455}, true, "Void Hunter II"},
    {39, 0x00C0C0C0, {45840, 960, 2055, 1455}, true, nullptr},
    {40, 0x00C0C0C0, {48360, 960, 2055, 1455}, false, nullptr},
    {41, 0x00000000, {40815, 2880, 2055, 1455}, true, "Skyhop Racer 64"},
    {42, 0x009E1AB6, {43320, 2880, 2055, 1455}, true, "Jet Grid"},
    {43, 0x00020202, {45840, 2880, 2055, 1455}, true, "Volt Boy X"},
    {44, 0x00C0C0C0, {48375, 2880, 2040, 1455}, true, nullptr},
    {45, 0x00020202, {40800, 4800, 2055, 1455}, true, "Void Hunter"},
    {46, 0x00C0C0C0, {43320, 4800, 2055, 1455}, false, nullptr},
    {47, 0x00C0C0C0, {45840, 4800, 2055, 1455}, true, nullptr},
    {48, 0x00C0C0C0, {48360, 4800, 2055, 1455}, true, nullptr},
}};

namespace {

using rt::MessageBoxStyle::Information;
using rt::MessageBoxStyle::Stop;
namespace effects = audio::effects;

}  // namespace

// Tile clicks. A game row names the channel screen its code opens; the codes
// follow neither tile nor page order.
const std::array<TileClickRow, kTileCount> kTileClicks = {{
    { 1, MessageClick{"HA HA HA yea, like you can really play Crimson Edge. NOOB!", Stop, "Crimson Edge - Northgate"}},
    { 2, MessageClick{"LOL, there are no Tuvos here. Go play a real Quil to get them!", Information, "Tuvo Channel"}},
    { 3, GameClick{4}},   // FormSkyhop64
    { 4, MessageClick{"ALL GAMES FREE! WOOT! NO NEED TO SHOP!", Information, "Quil Shop Channel"}},
    { 5, GameClick{1}},   // Form222
    { 6, BroadcastClick{effects::kForecast, "lol, weather"}},
    { 7, BroadcastClick{effects::kNews, "lol, news"}},
    { 8, GameClick{5}},   // FormAlleyFury3
    { 9, GameClick{2}},   // FormSkyhop
    {10, NoClick{}},
    {11, GameClick{3, HoverFlag::Untouched}},  // FormSkyhopWorld
    {12, GameClick{6, HoverFlag::Untouched}},  // FormBlitz
    {13, GameClick{7}},   // FormSkyhop3
    {14, GameClick{8}},   // FormBlitz2
    {15, GameClick{9}},   // FormFeralClash
    {16, GameClick{10}},  // FormRuneblade3
    {17, GameClick{11}},  // FormFrogFist
    {18, GameClick{12}},  // FormFiddleFox
    {19, GameClick{13}},  // FormBlitz3
    {20, GameClick{14}},  // FormTimeRift
    {21, GameClick{16}},  // FormInkRealm
    {22, GameClick{15}},  // FormStarGunners
    {23, GameClick{17}},  // FormNightDancer
    {24, GameClick{18}},  // FormWerecrest
    {25, GameClick{19}},  // FormBlitzPinball
    {26, GameClick{20}},  // FormWhirlwind
    {27, GameClick{21}},  // FormHoverRush
    {28, GameClick{24}},  // FormRingKings
    {29, GameClick{22}},  // FormStarSwarm
    {30, GameClick{23}},  // FormApexRider
    {31, GameClick{25}},  // FormPuffball
    {32, GameClick{26}},  // FormShellSquad
    {33, GameClick{27}},  // FormZorbZip2
    {34, GameClick{28}},  // FormSkyhopRPG
    {35, GameClick{29}},  // FormZorbZip
    {36, GameClick{30}},  // FormApeIsland
    {37, GameClick{31}},  // FormDinoDrop
    {38, GameClick{32}},  // FormVoidHunter2
    {39, NoClick{}},
    {40, NoClick{}},
    {41, GameClick{33}},  // FormSkyhopRacer64
    {42, GameClick{34}},  // FormJetGrid
    {43, GameClick{35}},  // FormVoltBoy
    {44, NoClick{}},
    {45, GameClick{36}},  // FormVoidHunter
    {46, NoClick{}},
    {47, NoClick{}},
    {48, NoClick{}},
}};

namespace {

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

// Front to back; controls are created in this order.
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

rt::PictureRef PictureOrNone(const char* name) { return name ? assets::Picture(name) : nullptr; }

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
      auto& image = form.Add<rt::Image>(name, tile.picture, tile.toolTip ? assets::Picture(name) : nullptr, tile.stretch);
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

const TileClick& ClickOf(int tile) { return kTileClicks.at(static_cast<std::size_t>(tile - 1)).click; }

int TilePage(int number) { return (number - 1) / kTilesPerPage; }

double TileColumnLeft(int number) { return 1080.0 + 2520 * ((number - 1) % 4); }

rt::Rect TileFrame(int number) {
  const int row = ((number - 1) % kTilesPerPage) / 4;
  return Rect{TileColumnLeft(number) + 13200 * TilePage(number), 840.0 + 1920 * row, 2295, 1695};
}

std::string_view TileFrameName(int number) { return kFrameNames.at(static_cast<std::size_t>(number - 1)); }

std::string_view TilePictureName(int number) { return kPictureNames.at(static_cast<std::size_t>(number - 1)); }

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
