#include "app/OwnChannelForms.h"

#include <memory>

#include "app/MediaFolder.h"
#include "app/DrawnPictures.h"
#include "channels/ChannelPage.h"

namespace quil::app {
namespace {

constexpr std::string_view kFormPrefix = "OwnChannel";
// The picture boxes of a tile and of a screenshot, in screen pixels.
constexpr int kTileWidth = 137, kTileHeight = 97;
constexpr int kScreenshotWidth = 247, kScreenshotHeight = 211;

}  // namespace

int OwnScreenCode(std::size_t index) { return catalogue::kGameCount + 1 + static_cast<int>(index); }

std::string OwnFormName(int screenCode) {
  return screenCode > catalogue::kGameCount ? std::string(kFormPrefix) + std::to_string(screenCode) : std::string();
}

std::vector<home::OwnTile> RegisterOwnChannels(rt::Application& app, audio::Multimedia& media,
                                               const std::vector<catalogue::OwnChannel>& own,
                                               const OwnChannelSetting& setting,
                                               const channels::ChannelScreen::MenuReturn& returnToMenu) {
  std::vector<home::OwnTile> tiles;
  for (std::size_t i = 0; i < own.size(); ++i) {
    const catalogue::OwnChannel& channel = own[i];
    if (!channel.tile) continue;
    const int code = OwnScreenCode(i);
    const std::string form = OwnFormName(code);
    app.RegisterForm(form, [&media, &channel, &setting, returnToMenu, form](rt::Application& a) {
      rt::PictureRef screenshot = userpictures::UserPicture(
          ScreenshotFiles(channel, setting.mediaHome), kScreenshotWidth, kScreenshotHeight,
          userpictures::Fit::Contain, DrawnPanel(channel.title), setting.report);
      return std::make_unique<channels::ChannelScreen>(a, media, channels::PageOf(channel, form, screenshot),
                                                       returnToMenu, setting.games);
    });
    tiles.push_back({channel.tile, channel.title,
                     userpictures::UserPicture(TilePictureFiles(channel, setting.mediaHome), kTileWidth, kTileHeight,
                                               userpictures::Fit::Cover, DrawnCard(channel.title), setting.report),
                     code});
  }
  return tiles;
}

}  // namespace quil::app
