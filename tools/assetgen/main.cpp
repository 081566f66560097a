// quil_assetgen: draws every picture and composes every sound of Quil OS.
//
//   quil_assetgen pictures SVG_DIR PNG_DIR GENERATED_DIR CONTACT_SHEET
//   quil_assetgen effect NAME OUT.wav
//   quil_assetgen music NAME OUT.mp3
//   quil_assetgen icon SVG SIZE OUT.png
#include <cstdio>
#include <exception>
#include <string>

#include "PictureSet.h"
#include "Sounds.h"

namespace {

int Usage() {
  std::fputs(
      "usage: quil_assetgen pictures SVG_DIR PNG_DIR GENERATED_DIR CONTACT_SHEET\n"
      "       quil_assetgen effect NAME OUT.wav\n"
      "       quil_assetgen music NAME OUT.mp3\n"
      "       quil_assetgen icon SVG SIZE OUT.png\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quil::assetgen;
  try {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "pictures" && argc == 6) {
      PictureSet set;
      AddTileCards(set);
      AddScreenshots(set);
      AddBanners(set);
      AddChrome(set);
      AddIcons(set, argv[2]);
      WritePictures(set, argv[3], argv[4]);
      WriteContactSheet(set, argv[5]);
      return 0;
    }
    if (command == "effect" && argc == 4) {
      WriteEffect(argv[2], argv[3]);
      return 0;
    }
    if (command == "music" && argc == 4) {
      WriteTrack(argv[2], argv[3]);
      return 0;
    }
    if (command == "icon" && argc == 5) {
      WriteIcon(argv[2], std::stoi(argv[3]), argv[4]);
      return 0;
    }
    return Usage();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quil_assetgen: %s\n", e.what());
    return 1;
  }
}
