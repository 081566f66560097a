#pragma once

#include <string_view>

// The sound effects, each relative to the application folder.
namespace quil::audio::effects {

// Pointer over something that can be clicked.
inline constexpr std::string_view kHover = "/Sfx/tool_tip_text_BEST2.wav";
inline constexpr std::string_view kClick = "/Sfx/A_click.wav";
// The menu coming up after the intro.
inline constexpr std::string_view kStartup = "/Sfx/startup2.wav";
inline constexpr std::string_view kNextPage = "/Sfx/next_page_click.wav";
// A game tile opening its channel.
inline constexpr std::string_view kGameTile = "/Sfx/retro_game_show.wav";
inline constexpr std::string_view kForecast = "/Sfx/forecast.wav";
inline constexpr std::string_view kNews = "/Sfx/news_channel.wav";
inline constexpr std::string_view kMusicPanelRaise = "/Sfx/home_menu_retro_popsup_shows.wav";
inline constexpr std::string_view kMusicPanelLower = "/Sfx/home_menu_close_button.wav";
inline constexpr std::string_view kQuilMenuButton = "/Sfx/quil_menu_button.wav";
inline constexpr std::string_view kStart = "/Sfx/start.wav";

}  // namespace quil::audio::effects
