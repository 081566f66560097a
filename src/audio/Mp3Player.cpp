#include "audio/Mp3Player.h"

#include <algorithm>
#include <filesystem>

#include "audio/ShortPath.h"

namespace quil::audio {
namespace {

constexpr std::string_view kOpenVerb = "open ";
constexpr std::string_view kOpenType = " type MPEGVideo Alias ";

// Characters, not bytes: a UTF-8 sequence is one character of the field.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::ranges::count_if(text, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

// "open <path> type MPEGVideo Alias MP3Play" must fit the command field; a
// longer command would be cut and open some other file, so the path is refused.
std::size_t CommandLength(const std::string& path) {
  return kOpenVerb.size() + CharacterCount(path) + kOpenType.size() + Mp3Player::kAlias.size();
}

bool FitsCommandField(const std::string& path) { return CommandLength(path) <= Mp3Player::kCommandField; }

bool IsOrdinaryFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

Mp3Player::Mp3Player(Multimedia& device) : device_(device) {}

void Mp3Player::MP3Play(const std::string& path) {
  if (!IsOrdinaryFile(path)) {
    status_ = kStatusInputFile;
    return;
  }
  // A long path travels in its short form, as the command field has room for
  // the longest path that leaves the rest of the command whole.
  const std::string shortPath = ShortPathName(path, kCommandField - CommandLength(""));
  if (!FitsCommandField(shortPath)) {
    status_ = kStatusPathTooLong;
    return;
  }
  const std::string alias(kAlias);
  const int opened = device_.OpenMusic(shortPath, alias);
  if (opened != 0) {
    status_ = device_.ErrorText(opened);
    return;
  }
  status_ = kStatusSuccess;
  device_.PlayMusic(alias);
}

void Mp3Player::MP3Stop() {
  const std::string alias(kAlias);
  device_.StopMusic(alias);
  device_.CloseMusic(alias);
}

void Mp3Player::MP3Stop2() { device_.StopMusic(std::string(kAlias)); }

}  // namespace quil::audio
