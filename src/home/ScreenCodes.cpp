#include "home/ScreenCodes.h"

#include <array>

namespace quil::home {
namespace {

// By screen code, from 1. Codes follow neither the tiles nor the pages.
constexpr std::array<std::string_view, kScreenCodeCount> kChannelScreens = {
    "Form222", "FormSkyhop", "FormSkyhopWorld", "FormSkyhop64",  // 1 to 4
    "FormAlleyFury3", "FormBlitz", "FormSkyhop3", "FormBlitz2",  // 5 to 8
    "FormFeralClash", "FormRuneblade3", "FormFrogFist", "FormFiddleFox",  // 9 to 12
    "FormBlitz3", "FormTimeRift", "FormStarGunners", "FormInkRealm",  // 13 to 16
    "FormNightDancer", "FormWerecrest", "FormBlitzPinball", "FormWhirlwind",  // 17 to 20
    "FormHoverRush", "FormStarSwarm", "FormApexRider", "FormRingKings",  // 21 to 24
    "FormPuffball", "FormShellSquad", "FormZorbZip2", "FormSkyhopRPG",  // 25 to 28
    "FormZorbZip", "FormApeIsland", "FormDinoDrop", "FormVoidHunter2",  // 29 to 32
    "FormSkyhopRacer64", "FormJetGrid", "FormVoltBoy", "FormVoidHunter",  // 33 to 36
};

}  // namespace

std::string_view ChannelScreenName(int screenCode) {
  if (screenCode < 1 || screenCode > kScreenCodeCount) return {};
  return kChannelScreens[static_cast<std::size_t>(screenCode - 1)];
}

}  // namespace quil::home
