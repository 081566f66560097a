#include "BrokenMedia.h"

#include <lame/lame.h>
#include <png.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>

#include "ToneFiles.h"

namespace quil::test {
namespace {

namespace fs = std::filesystem;

void CutTo(const std::string& path, double fraction) {
  fs::resize_file(path, static_cast<std::uintmax_t>(static_cast<double>(fs::file_size(path)) * fraction));
}

struct LameClose {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

// One second of a quiet tone as self-contained frames (no bit reservoir, no
// header frame), so that copies laid end to end make one long, valid track.
std::vector<unsigned char> OneSecondOfFrames() {
  constexpr int kRate = 8000;
  std::unique_ptr<lame_global_flags, LameClose> lame(lame_init());
  lame_set_in_samplerate(lame.get(), kRate);
  lame_set_out_samplerate(lame.get(), kRate);
  lame_set_num_channels(lame.get(), 1);
  lame_set_mode(lame.get(), MONO);
  lame_set_brate(lame.get(), 8);
  lame_set_disable_reservoir(lame.get(), 1);
  lame_set_bWriteVbrTag(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame refused its settings");
  // A whole number of frames: 576 samples each at this rate.
  std::vector<short> pcm(576 * 14);
  for (std::size_t i = 0; i < pcm.size(); ++i)
    pcm[i] = static_cast<short>(3000 * std::sin(2 * std::numbers::pi * 300 * static_cast<double>(i) / kRate));
  std::vector<unsigned char> mp3(pcm.size() * 5 / 4 + 7200);
  int bytes = lame_encode_buffer(lame.get(), pcm.data(), pcm.data(), static_cast<int>(pcm.size()), mp3.data(),
                                 static_cast<int>(mp3.size()));
  if (bytes < 0) throw std::runtime_error("lame could not encode");
  bytes += lame_encode_flush_nogap(lame.get(), mp3.data() + bytes, static_cast<int>(mp3.size()) - bytes);
  mp3.resize(static_cast<std::size_t>(bytes));
  return mp3;
}

void WriteTwoHourMp3(const std::string& path) {
  const std::vector<unsigned char> frames = OneSecondOfFrames();
  std::ofstream file(path, std::ios::binary);
  // Each copy holds just over a second (14 frames of 72 ms).
  for (int copy = 0; copy < 7200; ++copy) file.write(reinterpret_cast<const char*>(frames.data()), static_cast<std::streamsize>(frames.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

void WritePng(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file.get());
  constexpr int kSide = 16;
  png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(kSide * 3);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(x * y);
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

}  // namespace

const std::vector<BrokenMediaKind>& BrokenMediaKinds() {
  static const std::vector<BrokenMediaKind> kinds{
      {BrokenMedia::Empty, "empty"},          {BrokenMedia::TruncatedWav, "truncated-wav"},
      {BrokenMedia::Text, "text"},            {BrokenMedia::TruncatedMp3, "truncated-mp3"},
      {BrokenMedia::Png, "png"},              {BrokenMedia::Directory, "directory"},
      {BrokenMedia::Fifo, "fifo"},            {BrokenMedia::TwoHourMp3, "two-hour-mp3"},
  };
  return kinds;
}

void MakeBrokenMedia(BrokenMedia kind, const std::string& path) {
  std::error_code ignored;
  fs::remove_all(path, ignored);
  switch (kind) {
    case BrokenMedia::Empty:
      std::ofstream(path, std::ios::binary);
      break;
    case BrokenMedia::TruncatedWav:
      WriteToneWav(path, 0.5);
      CutTo(path, 0.6);
      break;
    case BrokenMedia::Text:
      std::ofstream(path) << "These are words, not sound.\n";
      break;
    case BrokenMedia::TruncatedMp3:
      WriteToneMp3(path, 2);
      CutTo(path, 0.5);
      break;
    case BrokenMedia::Png:
      WritePng(path);
      break;
    case BrokenMedia::Directory:
      fs::create_directory(path);
      break;
    case BrokenMedia::Fifo:
      if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe at " + path);
      break;
    case BrokenMedia::TwoHourMp3:
      WriteTwoHourMp3(path);
      break;
  }
}

}  // namespace quil::test
