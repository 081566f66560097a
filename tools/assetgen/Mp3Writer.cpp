#include "Mp3Writer.h"

#include <lame/lame.h>

#include <fstream>
#include <memory>
#include <stdexcept>

namespace quil::assetgen {

void WriteMp3(const Stereo& take, int kbps, const std::filesystem::path& file) {
  std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), lame_close);
  if (!lame) throw std::runtime_error("cannot start the MP3 encoder");
  lame_set_in_samplerate(lame.get(), kRate);
  lame_set_out_samplerate(lame.get(), kRate);
  lame_set_num_channels(lame.get(), 2);
  lame_set_mode(lame.get(), JOINT_STEREO);
  lame_set_brate(lame.get(), kbps);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_quality(lame.get(), 5);
  lame_set_write_id3tag_automatic(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("the MP3 encoder refused its settings");

  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  constexpr int kChunk = 8192;
  std::vector<unsigned char> mp3(static_cast<std::size_t>(1.25 * kChunk + 7200));
  for (std::size_t at = 0; at < take.Frames(); at += kChunk) {
    int n = static_cast<int>(std::min<std::size_t>(kChunk, take.Frames() - at));
    int bytes = lame_encode_buffer_ieee_float(lame.get(), &take.left[at], &take.right[at], n, mp3.data(),
                                              static_cast<int>(mp3.size()));
    if (bytes < 0) throw std::runtime_error("MP3 encoding failed");
    out.write(reinterpret_cast<const char*>(mp3.data()), bytes);
  }
  int bytes = lame_encode_flush(lame.get(), mp3.data(), static_cast<int>(mp3.size()));
  if (bytes < 0) throw std::runtime_error("MP3 encoding failed");
  out.write(reinterpret_cast<const char*>(mp3.data()), bytes);
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace quil::assetgen
