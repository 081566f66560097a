#include "ToneFiles.h"

#include <lame/lame.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace quil::test {
namespace {

constexpr int kSampleRate = 44100;
constexpr double kPitchHz = 440;

std::vector<short> Tone(double seconds, double pitchHz = kPitchHz) {
  std::vector<short> samples(static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<short>(kToneLoudness * std::sin(2 * std::numbers::pi * pitchHz * i / kSampleRate));
  return samples;
}

struct LameClose {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

}  // namespace

void WriteToneMp3(const std::string& path, double seconds) {
  std::unique_ptr<lame_global_flags, LameClose> lame(lame_init());
  lame_set_in_samplerate(lame.get(), kSampleRate);
  lame_set_num_channels(lame.get(), 1);
  lame_set_mode(lame.get(), MONO);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame refused its settings");

  std::vector<short> pcm = Tone(seconds);
  // The size lame asks for: 1.25 times the samples plus 7200 bytes.
  std::vector<unsigned char> mp3(pcm.size() * 5 / 4 + 7200);
  int bytes = lame_encode_buffer(lame.get(), pcm.data(), pcm.data(), static_cast<int>(pcm.size()), mp3.data(),
                                 static_cast<int>(mp3.size()));
  if (bytes < 0) throw std::runtime_error("lame could not encode");
  const int flushed = lame_encode_flush(lame.get(), mp3.data() + bytes, static_cast<int>(mp3.size()) - bytes);
  if (flushed < 0) throw std::runtime_error("lame could not flush");
  bytes += flushed;

  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(mp3.data()), bytes);
  if (!file) throw std::runtime_error("cannot write " + path);
}

void WriteToneWav(const std::string& path, double seconds, double pitchHz) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) throw std::runtime_error("cannot write " + path);
  std::vector<short> pcm = Tone(seconds, pitchHz);
  const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
  sf_close(file);
  if (written != static_cast<sf_count_t>(pcm.size())) throw std::runtime_error("short write to " + path);
}

}  // namespace quil::test
