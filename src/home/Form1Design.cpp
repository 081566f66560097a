#include "home/Form1Design.h"

#include <string>
#include <vector>

#include "pictures/Pictures.h"
#include "audio/Effects.h"
#include "runtime/Design.h"
#include "runtime/Shape.h"

namespace quil::home::design {

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

const TileClick& ClickOf(int tile) { return kTileClicks.at(static_cast<std::size_t>(tile - 1)).click; }

int TilePage(int number) { return (number - 1) / kTilesPerPage; }

double TileColumnLeft(int number) { return 1080.0 + 2520 * ((number - 1) % 4); }

rt::Rect TileFrame(int number) {
  const int row = ((number - 1) % kTilesPerPage) / 4;
  return rt::Rect{TileColumnLeft(number) + 13200 * TilePage(number), 840.0 + 1920 * row, 2295, 1695};
}

std::string_view TileFrameName(int number) { return kFrameNames.at(static_cast<std::size_t>(number - 1)); }

std::string_view TilePictureName(int number) { return kPictureNames.at(static_cast<std::size_t>(number - 1)); }

void Build(rt::Form& form) { rt::Build(form, Controls(), kTimers); }

}  // namespace quil::home::design
