#include "app/OwnChannelKeys.h"

#include <algorithm>
#include <charconv>

namespace quil::app {
namespace {

bool Digits(std::string_view text, std::size_t most) {
  return !text.empty() && text.size() <= most && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// "2" or "1-4".
bool PlayerCount(std::string_view text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return Digits(text, 2);
  const std::string_view from = text.substr(0, dash), to = text.substr(dash + 1);
  return Digits(from, 2) && Digits(to, 2) && std::stoi(std::string(from)) <= std::stoi(std::string(to));
}

std::optional<int> Number(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

}  // namespace

catalogue::OwnChannel ReadOwnChannelKeys(std::string title, const KeyValue& value, const BadKey& bad) {
  catalogue::OwnChannel channel{.title = std::move(title)};
  // The text of `key` when it is good by `good`; a bad one is reported and read as empty.
  const auto read = [&](const char* key, auto good, const std::string& expected) -> std::string {
    std::optional<std::string> text = value(key);
    if (!text || text->empty() || good(*text)) return text.value_or("");
    bad(key, std::string(key) + "=" + *text + " is not " + expected);
    return {};
  };
  const auto any = [](const std::string&) { return true; };
  const auto absolute = [](const std::string& path) { return path.front() == '/'; };

  channel.platform = read("Platform", any, "");
  channel.year = read("Year", [](const std::string& text) { return Digits(text, 4); }, "a year");
  channel.players = read("Players", PlayerCount, "a number of players, such as 2 or 1-4");
  const std::string tile = read(
      "Tile", [](const std::string& text) { return catalogue::OpenToOwnChannels(Number(text).value_or(0)); },
      "an empty tile or a game's (3 to 48, but not 4, 6 or 7)");
  channel.tile = Number(tile).value_or(0);
  const std::string style = read(
      "Style", [](const std::string& text) { return catalogue::StyleNamed(text).has_value(); },
      "KESTREL, SUPER KESTREL, KESTREL64 or MERIDIAN");
  channel.style = catalogue::StyleNamed(style);
  channel.picture = read("Picture", absolute, "an absolute path");
  channel.screenshot = read("Screenshot", absolute, "an absolute path");
  return channel;
}

}  // namespace quil::app
