#include "support/FakeMultimedia.h"

#include <filesystem>

#include "audio/MusicError.h"

namespace quil::test {
namespace {

using audio::kMusicAliasInUse;
using audio::kMusicAliasNotOpen;
using audio::kMusicFileUnplayable;
using audio::kMusicOk;

bool OnDisk(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::string CommandText(const MusicCall& call) {
  switch (call.kind) {
    case MusicCall::Kind::Open:
      return "open " + call.path + " " + call.alias;
    case MusicCall::Kind::Play:
      return "play " + call.alias;
    case MusicCall::Kind::Stop:
      return "stop " + call.alias;
    case MusicCall::Kind::Close:
      return "close " + call.alias;
  }
  return {};
}

}  // namespace

bool FakeMultimedia::PlayEffect(const std::string& path) {
  effects_.push_back(path);
  return OnDisk(path);
}

int FakeMultimedia::OpenMusic(const std::string& path, const std::string& alias) {
  int result = kMusicOk;
  if (open_.contains(alias)) {
    result = kMusicAliasInUse;
  } else if (!OnDisk(path)) {
    result = kMusicFileUnplayable;
  } else {
    open_.emplace(alias, Device{path});
  }
  return Record({MusicCall::Kind::Open, alias, path, result});
}

int FakeMultimedia::PlayMusic(const std::string& alias) {
  auto device = open_.find(alias);
  if (device == open_.end()) return Record({MusicCall::Kind::Play, alias, {}, kMusicAliasNotOpen});
  // The machine has one music stream: a track put on it ends any other.
  for (auto& [name, other] : open_) other.sounding = false;
  device->second.sounding = true;
  return Record({MusicCall::Kind::Play, alias, {}, kMusicOk});
}

int FakeMultimedia::StopMusic(const std::string& alias) {
  auto device = open_.find(alias);
  if (device == open_.end()) return Record({MusicCall::Kind::Stop, alias, {}, kMusicAliasNotOpen});
  device->second.sounding = false;
  return Record({MusicCall::Kind::Stop, alias, {}, kMusicOk});
}

int FakeMultimedia::CloseMusic(const std::string& alias) {
  const int result = open_.erase(alias) ? kMusicOk : kMusicAliasNotOpen;
  return Record({MusicCall::Kind::Close, alias, {}, result});
}

std::string FakeMultimedia::ErrorText(int code) const { return audio::MusicErrorText(code); }

bool FakeMultimedia::MusicSounding(const std::string& alias) const {
  auto device = open_.find(alias);
  return device != open_.end() && device->second.sounding;
}

void FakeMultimedia::FinishTrack() {
  for (auto& [name, device] : open_) device.sounding = false;
}

std::string FakeMultimedia::SoundingTrack() const {
  for (const auto& [name, device] : open_) {
    if (device.sounding) return device.path;
  }
  return {};
}

void FakeMultimedia::ClearLog() {
  effects_.clear();
  commands_.clear();
  calls_.clear();
}

int FakeMultimedia::Record(MusicCall call) {
  commands_.push_back(CommandText(call));
  calls_.push_back(std::move(call));
  return calls_.back().result;
}

}  // namespace quil::test
