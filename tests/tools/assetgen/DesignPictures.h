#pragma once

#include <string>
#include <vector>

namespace quil::assets::test {

struct DesignPicture {
  std::string name;
  int width, height;
};

// Every picture the screens show, with the pixel size it is drawn at.
inline std::vector<DesignPicture> DesignPictures() {
  std::vector<DesignPicture> all = {
      {"Shape1Image", 137, 97},   {"Shape2Image", 137, 97},   {"Shape3Image", 137, 75},   {"Shape4Image", 137, 97},
      {"Shape5Image", 149, 97},   {"Shape6Image", 137, 97},   {"Shape7Image", 137, 97},   {"Shape8Image", 226, 107},
      {"Shape9Image", 135, 95},   {"Shape11Image", 127, 90},  {"Shape12Image", 137, 97},  {"Shape13Image", 137, 92},
      {"Shape14Image", 140, 95},  {"Shape15Image", 137, 97},  {"Shape16Image", 137, 97},  {"Shape17Image", 137, 96},
      {"Shape18Image", 137, 97},  {"Shape19Image", 137, 97},  {"Shape20Image", 218, 97},  {"Shape21Image", 137, 97},
      {"Shape22Image", 137, 98},  {"Shape23Image", 137, 97},  {"Shape24Image", 137, 97},  {"Shape25Image", 137, 97},
      {"Shape26Image", 137, 97},  {"Shape27Image", 137, 97},  {"Shape28Image", 137, 97},  {"Shape29Image", 137, 97},
      {"Shape30Image", 137, 97},  {"Shape31Image", 137, 97},  {"Shape32Image", 137, 97},  {"Shape33Image", 137, 97},
      {"Shape34Image", 137, 97},  {"Shape35Image", 137, 97},  {"Shape36Image", 137, 97},  {"Shape37Image", 137, 97},
      {"Shape38Image", 137, 97},  {"Shape41Image", 137, 97},  {"Shape42Image", 137, 97},  {"Shape43Image", 137, 97},
      {"Shape45Image", 137, 97},
      {"Image1", 451, 337},       {"Image2", 451, 337},       {"Image3", 451, 337},       {"Image6", 451, 337},
      {"ImageLine", 871, 63},     {"ImageGreyBar", 810, 162}, {"ImageCurveLine1", 222, 153},
      {"ImageCurveLine2", 222, 153}, {"ImageAR", 33, 48},     {"ImageAL", 33, 48},        {"ImageLabelQuil", 45, 27},
      {"ImageMail", 43, 28},      {"ImageExit", 118, 33},     {"ChannelButton", 118, 33}, {"PointerHand", 32, 32},
      {"PointerBlank", 32, 32},   {"AppIcon48", 48, 48},      {"AppIcon32", 32, 32},      {"AppIcon24", 24, 24},
      {"AppIcon16", 16, 16},      {"ChannelIcon", 32, 32},    {"BannerKestrel", 444, 65},
      {"BannerSuperKestrel", 444, 65}, {"BannerKestrel64", 444, 65}, {"BannerMeridian", 444, 65},
  };
  for (const char* form : {"FormSkyhop64", "Form222", "FormAlleyFury3", "FormSkyhop", "FormSkyhopWorld", "FormBlitz",
                           "FormSkyhop3", "FormFeralClash", "FormRuneblade3", "FormFrogFist", "FormFiddleFox",
                           "FormBlitz3", "FormTimeRift", "FormInkRealm", "FormStarGunners", "FormNightDancer",
                           "FormWerecrest", "FormBlitzPinball", "FormWhirlwind", "FormHoverRush", "FormRingKings",
                           "FormStarSwarm", "FormApexRider", "FormPuffball", "FormShellSquad", "FormZorbZip2",
                           "FormSkyhopRPG", "FormZorbZip", "FormApeIsland", "FormDinoDrop", "FormVoidHunter2",
                           "FormSkyhopRacer64", "FormJetGrid", "FormVoltBoy", "FormVoidHunter"})
    all.push_back({std::string(form) + "Screenshot", 247, 211});
  all.push_back({"FormBlitz2Screenshot", 351, 220});
  return all;
}

}  // namespace quil::assets::test
