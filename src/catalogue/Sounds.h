#pragma once

#include <array>
#include <string_view>

// Every sound of the program, each relative to the application folder. The
// asset tool composes each under its file name and the build makes the files
// listed here, so a sound is renamed here alone.
namespace quil::catalogue::sounds {

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

// The home menu's music, in playlist order: the menu's own track first.
inline constexpr std::array<std::string_view, 5> kMusic = {
    "/Music/Menu.mp3", "/Music/1.mp3", "/Music/2.mp3", "/Music/3.mp3", "/Music/4.mp3",
};

// The name a sound's file has in its folder.
constexpr std::string_view FileName(std::string_view sound) { return sound.substr(sound.rfind('/') + 1); }

}  // namespace quil::catalogue::sounds
