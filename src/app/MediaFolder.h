#pragma once

#include <string>
#include <string_view>

#include "catalogue/OwnChannels.h"
#include "userpictures/UserPicture.h"

// Where an own channel's pictures are found when its group names none:
//
//   $XDG_DATA_HOME/quil-os/media/<title>/tile.png or tile.jpg
//                                       /screenshot.png or screenshot.jpg
//
// ($XDG_DATA_HOME is ~/.local/share when unset or not an absolute path.)
namespace quil::app {

// The folder's name for a title: a title's "/" cannot be part of a name and
// other systems' file systems refuse ":", so each is written "-"
// ("Runeblade: Echoes/Past" is in "Runeblade- Echoes-Past"). A title that would
// be "." or ".." has no folder: empty.
std::string MediaFolderName(std::string_view title);

// The channel's folder under `mediaHome` (MediaHome()), or empty.
std::string MediaFolder(const std::string& mediaHome, std::string_view title);

// $XDG_DATA_HOME/quil-os/media, or ~/.local/share/quil-os/media.
std::string MediaHome();

// The files that may hold the channel's tile picture and screenshot: those its
// group names, else those of its media folder.
userpictures::PictureFiles TilePictureFiles(const catalogue::OwnChannel& channel, const std::string& mediaHome);
userpictures::PictureFiles ScreenshotFiles(const catalogue::OwnChannel& channel, const std::string& mediaHome);

}  // namespace quil::app
