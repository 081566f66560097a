// The sound files beside the program: names, formats, lengths and levels.
#include <gtest/gtest.h>
#include <mpg123.h>
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

namespace {

const std::set<std::string> kEffects = {
    "tool_tip_text_BEST2.wav", "A_click.wav", "startup2.wav", "next_page_click.wav",
    "retro_game_show.wav", "forecast.wav", "news_channel.wav", "home_menu_retro_popsup_shows.wav",
    "home_menu_close_button.wav", "quil_menu_button.wav", "start.wav"};
const std::set<std::string> kTracks = {"Menu.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"};

std::set<std::string> FilesIn(const char* dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

struct Decoded {
  long rate = 0;
  int channels = 0;
  int kbps = 0;
  std::vector<short> samples;  // interleaved
  double Seconds() const { return channels ? samples.size() / static_cast<double>(channels) / rate : 0; }
};

Decoded ReadWav(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  Decoded d;
  if (!file) return d;
  EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << path;
  d.rate = info.samplerate;
  d.channels = info.channels;
  d.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
  sf_readf_short(file, d.samples.data(), info.frames);
  sf_close(file);
  return d;
}

Decoded ReadMp3(const std::string& path) {
  Decoded d;
  mpg123_handle* mh = mpg123_new(nullptr, nullptr);
  mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  mpg123_format_none(mh);
  mpg123_format(mh, 44100, MPG123_STEREO | MPG123_MONO, MPG123_ENC_SIGNED_16);
  if (mpg123_open(mh, path.c_str()) == MPG123_OK) {
    int encoding = 0;
    mpg123_getformat(mh, &d.rate, &d.channels, &encoding);
    mpg123_frameinfo info{};
    std::vector<unsigned char> buffer(1 << 16);
    std::size_t got = 0;
    int status;
    while ((status = mpg123_read(mh, buffer.data(), buffer.size(), &got)) == MPG123_OK || got > 0) {
      auto* s = reinterpret_cast<short*>(buffer.data());
      d.samples.insert(d.samples.end(), s, s + got / 2);
      if (status != MPG123_OK) break;
    }
    mpg123_info(mh, &info);
    d.kbps = info.bitrate;
    mpg123_close(mh);
  }
  mpg123_delete(mh);
  return d;
}

int Peak(const Decoded& d) {
  int peak = 0;
  for (short s : d.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

double Rms(const Decoded& d) {
  double sum = 0;
  for (short s : d.samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(d.samples.size()));
}

TEST(SoundFiles, SfxHoldsExactlyTheElevenEffects) { EXPECT_EQ(FilesIn(QUIL_SFX_DIR), kEffects); }

TEST(SoundFiles, MusicHoldsExactlyTheFiveTracks) { EXPECT_EQ(FilesIn(QUIL_MUSIC_DIR), kTracks); }

TEST(SoundFiles, EffectsAreShortCleanCdQualityWav) {
  for (const auto& name : kEffects) {
    SCOPED_TRACE(name);
    Decoded d = ReadWav(std::string(QUIL_SFX_DIR) + "/" + name);
    ASSERT_GT(d.channels, 0);
    EXPECT_EQ(d.rate, 44100);
    EXPECT_GE(d.Seconds(), 0.05);
    EXPECT_LE(d.Seconds(), 3.0);
    EXPECT_LT(Peak(d), 32700) << "clipped";
    EXPECT_GT(Peak(d), 3000) << "too quiet to hear";
    // No click: the first and last frames start and end at rest.
    for (int c = 0; c < d.channels; ++c) {
      EXPECT_LT(std::abs(d.samples[static_cast<std::size_t>(c)]), 200);
      EXPECT_LT(std::abs(d.samples[d.samples.size() - 1 - static_cast<std::size_t>(c)]), 200);
    }
  }
}

TEST(SoundFiles, TracksAreLongEvenlyLevelledStereoMp3) {
  mpg123_init();
  std::vector<double> levels;
  std::vector<Decoded> tracks;
  for (const auto& name : kTracks) {
    SCOPED_TRACE(name);
    Decoded d = ReadMp3(std::string(QUIL_MUSIC_DIR) + "/" + name);
    ASSERT_FALSE(d.samples.empty());
    EXPECT_EQ(d.rate, 44100);
    EXPECT_EQ(d.channels, 2);
    EXPECT_GE(d.kbps, 128);
    EXPECT_GE(d.Seconds(), 45.0);
    EXPECT_LT(Peak(d), 32700) << "clipped";
    levels.push_back(20 * std::log10(Rms(d)));
    tracks.push_back(std::move(d));
  }
  auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
  EXPECT_LT(*loudest - *quietest, 1.5) << "decibels between the loudest and the quietest track";

  // Five different tunes: no track is the same signal as another.
  for (std::size_t i = 0; i < tracks.size(); ++i)
    for (std::size_t j = i + 1; j < tracks.size(); ++j) {
      std::size_t n = std::min<std::size_t>(44100 * 2 * 20, std::min(tracks[i].samples.size(), tracks[j].samples.size()));
      double dot = 0, a2 = 0, b2 = 0;
      for (std::size_t k = 0; k < n; ++k) {
        double a = tracks[i].samples[k], b = tracks[j].samples[k];
        dot += a * b, a2 += a * a, b2 += b * b;
      }
      EXPECT_LT(std::abs(dot) / std::sqrt(a2 * b2), 0.5) << i << " and " << j;
    }
}

}  // namespace
