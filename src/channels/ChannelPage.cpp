#include "channels/ChannelPage.h"

#include "pictures/Pictures.h"

namespace quil::channels {
namespace {

// Titles longer than this take the title box of two lines.
constexpr std::size_t kOneLineTitle = 20;
constexpr catalogue::TwipsRect kTwoLineTitle{3720, 4970, 4890, 1215};

std::string Released(std::string_view year) { return year.empty() ? "" : "Released  " + std::string(year); }

}  // namespace

ChannelPage PageOf(const catalogue::Game& row) {
  const StyleRow& style = StyleOf(row.style);
  return {row.form,      row.title, style.caption, Released(std::to_string(row.year)),
          row.players,   &style,    pictures::Picture(std::string(row.form) + "Screenshot"),
          row.departures};
}

ChannelPage PageOf(const catalogue::OwnChannel& channel, std::string form, rt::PictureRef screenshot) {
  catalogue::Departures departures;
  if (channel.title.size() > kOneLineTitle) departures.label1 = kTwoLineTitle;
  return {std::move(form),
          channel.title,
          channel.platform,
          Released(channel.year),
          channel.players.empty() ? "" : "Players: " + channel.players,
          &StyleOf(channel.style),
          std::move(screenshot),
          departures};
}

}  // namespace quil::channels
