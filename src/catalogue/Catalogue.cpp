#include "catalogue/Catalogue.h"

#include <algorithm>

namespace quil::catalogue {
namespace {
using S = Style;
}  // namespace

const std::array<ChannelRow, kChannelCount> kChannels = {{
    // tile, code, form, title, style, year, players, screenshot, departures
    { 3,  4, "FormSkyhop64", "Skyhop 64", S::Kestrel64, 1997, "Players: 1", 247, 211, {.label4Width = 1575}},
    { 5,  1, "Form222", "Runeblade", S::Kestrel, 1987, "Players: 1", 247, 211,
     {.label4Width = 1575, .label5Left = 2420}},
    { 8,  5, "FormAlleyFury3", "Alley Fury 3", S::Meridian, 1994, "Players: 1-2", 247, 211,
     {.label2 = TwipsRect{7150, 225, 6615, 375}}},
    { 9,  2, "FormSkyhop", "Skyhop Quest", S::Kestrel, 1985, "Players: 1-2", 247, 211, {}},
    {11,  3, "FormSkyhopWorld", "Skyhop World", S::SuperKestrel, 1990, "Players: 1-2", 247, 211, {}},
    {12,  6, "FormBlitz", "Blitz the Porcupine", S::Meridian, 1991, "Players: 1", 247, 211, {}},
    {13,  7, "FormSkyhop3", "Skyhop Quest 3", S::Kestrel, 1990, "Players: 1-2", 247, 211, {}},
    {14,  8, "FormBlitz2", "Blitz the Porcupine 2", S::Meridian, 1992, "Players: 1-2", 351, 220,
     {.label1 = TwipsRect{3270, 5040, 5490, 735}, .label2 = TwipsRect{7500, 225, 5895, 375},
      .image3 = TwipsRect{3360, 1320, 5265, 3300}, .rulesEnd = 2880}},
    {15,  9, "FormFeralClash", "Feral Clash", S::SuperKestrel, 1994, "Players: 1-2", 247, 211, {}},
    {16, 10, "FormRuneblade3", "Runeblade: Echoes of the Past", S::SuperKestrel, 1992, "Players: 1", 247, 211,
     {.label1 = TwipsRect{3720, 4900, 4890, 1215}}},
    {17, 11, "FormFrogFist", "Frog Fist & Twin Tiger", S::SuperKestrel, 1993, "Players: 1-2", 247, 211,
     {.label1 = TwipsRect{3720, 4980, 4890, 1215}}},
    {18, 12, "FormFiddleFox", "Fiddle & Fox", S::Kestrel64, 1998, "Players: 1", 247, 211, {.label4Width = 1575}},
    {19, 13, "FormBlitz3", "Blitz the Porcupine 3", S::Meridian, 1994, "Players: 1-2", 247, 211,
     {.label1 = TwipsRect{3520, 5040, 5250, 735}}},
    {20, 14, "FormTimeRift", "Time Rift", S::SuperKestrel, 1995, "Players: 1", 247, 211, {}},
    {21, 16, "FormInkRealm", "Ink Realm", S::Meridian, 1995, "Players: 1", 247, 211, {}},
    {22, 15, "FormStarGunners", "Star Gunners", S::Meridian, 1993, "Players: 1-2", 247, 211, {}},
    {23, 17, "FormNightDancer", "Night Dancer", S::Meridian, 1990, "Players: 1", 247, 211,
     {.label1 = TwipsRect{3720, 4970, 4890, 1215}}},
    {24, 18, "FormWerecrest", "Werecrest", S::Meridian, 1988, "Players: 1-2", 247, 211, {}},
    {25, 19, "FormBlitzPinball", "Blitz Pinball", S::Meridian, 1993, "Players: 1-2", 247, 211, {}},
    {26, 20, "FormWhirlwind", "Whirlwind Island", S::Meridian, 1991, "Players: 1", 247, 211, {}},
    {27, 21, "FormHoverRush", "Hover Rush 64", S::Kestrel64, 1995, "Players: 1-2", 247, 211, {}},
    {28, 24, "FormRingKings", "Ring Kings", S::Meridian, 1995, "Players: 1-2", 247, 211, {}},
    {29, 22, "FormStarSwarm", "Star Swarm", S::Kestrel, 1981, "Players: 1-2", 247, 211, {.label5Left = 2420}},
    {30, 23, "FormApexRider", "Apex Rider", S::Meridian, 1989, "Players: 1", 247, 211, {}},
    {31, 25, "FormPuffball", "Puffball's Journey", S::Kestrel, 1993, "Players: 1", 247, 211,
     {.label4Width = 1575, .label5Left = 2420}},
    {32, 26, "FormShellSquad", "Shell Squad", S::Kestrel, 1989, "Players: 1-2", 247, 211,
     {.label1 = TwipsRect{3790, 4970, 4890, 1335}, .label5Left = 2420}},
    {33, 27, "FormZorbZip2", "Zorb & Zip 2", S::Meridian, 1993, "Players: 1-2", 247, 211, {}},
    {34, 28, "FormSkyhopRPG", "Skyhop RPG", S::SuperKestrel, 1996, "Players: 1", 247, 211, {}},
    {35, 29, "FormZorbZip", "Zorb & Zip", S::Meridian, 1992, "Players: 1-2", 247, 211, {}},
    {36, 30, "FormApeIsland", "Ape Island", S::SuperKestrel, 1994, "Players: 1-2", 247, 211,
     {.label1 = TwipsRect{3680, 5040, 5010, 735}}},
    {37, 31, "FormDinoDrop", "Dino Drop", S::Kestrel, 1992, "Players: 1-2", 247, 211, {.label5Left = 2420}},
    {38, 32, "FormVoidHunter2", "Void Hunter II", S::SuperKestrel, 1994, "Players: 1", 247, 211, {}},
    {41, 33, "FormSkyhopRacer64", "Skyhop Racer 64", S::Kestrel64, 1997, "Players: 1-4", 247, 211, {}},
    {42, 34, "FormJetGrid", "Jet Grid", S::SuperKestrel, 1991, "Players: 1-2", 247, 211, {}},
    {43, 35, "FormVoltBoy", "Volt Boy X", S::SuperKestrel, 1993, "Players: 1", 247, 211, {}},
    {45, 36, "FormVoidHunter", "Void Hunter", S::Kestrel, 1987, "Players: 1", 247, 211,
     {.label4Width = 1575, .label5Left = 2420}},
}};
// clang-format on

const ChannelRow* ChannelNamed(std::string_view form) {
  const auto row = std::find_if(kChannels.begin(), kChannels.end(), [form](const ChannelRow& r) { return r.form == form; });
  return row == kChannels.end() ? nullptr : &*row;
}

}  // namespace quil::catalogue
