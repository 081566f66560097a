#include "userpictures/FittedDecoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "userpictures/GdkPixbufLibrary.h"

namespace quil::userpictures {
namespace {

constexpr std::array<unsigned char, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<unsigned char, 3> kJpegSignature{0xFF, 0xD8, 0xFF};

template <std::size_t N>
bool StartsWith(std::span<const unsigned char> bytes, const std::array<unsigned char, N>& signature) {
  return bytes.size() >= N && std::equal(signature.begin(), signature.end(), bytes.begin());
}

const char* FormatOf(std::span<const unsigned char> bytes) {
  if (StartsWith(bytes, kPngSignature)) return "png";
  if (StartsWith(bytes, kJpegSignature)) return "jpeg";
  return nullptr;
}

struct Size {
  int width, height;
};

// The size the original is decoded at: the box's on one side, more (Cover) or
// less (Contain) on the other, as the original's shape makes it.
Size DecodedSize(Size original, Size box, Fit fit) {
  const double across = static_cast<double>(box.width) / original.width;
  const double down = static_cast<double>(box.height) / original.height;
  const double scale = fit == Fit::Cover ? std::max(across, down) : std::min(across, down);
  const auto side = [&](int length, int boxLength) {
    const int scaled = static_cast<int>(std::lround(length * scale));
    return fit == Fit::Cover ? std::max(scaled, boxLength) : std::clamp(scaled, 1, boxLength);
  };
  return {side(original.width, box.width), side(original.height, box.height)};
}

// What the loader learns from the picture's header, before it decodes.
struct Request {
  const GdkPixbufLibrary* gdk;
  Size box;
  Fit fit;
  bool tooLarge = false;
};

void SizePrepared(GdkPixbufLoader* loader, int width, int height, gpointer data) {
  auto& request = *static_cast<Request*>(data);
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    request.tooLarge = width > kMaxSide || height > kMaxSide;
    // A size of nothing makes the decoder stop before it allocates.
    request.gdk->LoaderSetSize(loader, 0, 0);
    return;
  }
  const Size size = DecodedSize({width, height}, request.box, request.fit);
  request.gdk->LoaderSetSize(loader, size.width, size.height);
}

std::uint32_t Premultiplied(const guint8* p, bool alpha) {
  const std::uint32_t a = alpha ? p[3] : 255;
  const auto channel = [a](guint8 value) { return (value * a + 127) / 255; };
  return a << 24 | channel(p[0]) << 16 | channel(p[1]) << 8 | channel(p[2]);
}

// The decoded picture centred on the box: cropped where it is larger,
// transparent around it where it is smaller.
rt::Picture::Pixels32 Centred(const GdkPixbufLibrary& gdk, const GdkPixbuf* pixbuf, Size box) {
  const int width = gdk.Width(pixbuf), height = gdk.Height(pixbuf);
  const int stride = gdk.Rowstride(pixbuf), channels = gdk.Channels(pixbuf);
  const bool alpha = gdk.HasAlpha(pixbuf);
  const guint8* pixels = gdk.ReadPixels(pixbuf);
  const int dx = (width - box.width) / 2, dy = (height - box.height) / 2;
  rt::Picture::Pixels32 out(static_cast<std::size_t>(box.width) * box.height, 0);
  for (int y = std::max(0, -dy); y < std::min(box.height, height - dy); ++y) {
    const guint8* row = pixels + static_cast<std::size_t>(y + dy) * stride;
    for (int x = std::max(0, -dx); x < std::min(box.width, width - dx); ++x)
      out[static_cast<std::size_t>(y) * box.width + x] = Premultiplied(row + static_cast<std::size_t>(x + dx) * channels, alpha);
  }
  return out;
}

class Loader {
 public:
  explicit Loader(const GdkPixbufLibrary& gdk) : gdk_(gdk) {}
  ~Loader() {
    if (loader_) {
      // A loader must be closed before it goes; a failing close only repeats the error.
      if (!closed_) gdk_.LoaderClose(loader_, nullptr);
      gdk_.ObjectUnref(loader_);
    }
    if (error_) gdk_.ErrorFree(error_);
  }
  Loader(const Loader&) = delete;
  Loader& operator=(const Loader&) = delete;

  Decoded Decode(std::span<const unsigned char> bytes, const char* format, Size box, Fit fit) {
    loader_ = gdk_.LoaderNewWithType(format, &error_);
    if (!loader_) return Failed("cannot be decoded");
    Request request{&gdk_, box, fit};
    gdk_.SignalConnectData(loader_, "size-prepared", G_CALLBACK(SizePrepared), &request, nullptr, GConnectFlags{});
    const bool written = gdk_.LoaderWrite(loader_, bytes.data(), bytes.size(), &error_);
    if (request.tooLarge) return {.problem = "is more than 8192 pixels wide or high"};
    if (!written) return Failed("cannot be decoded");
    closed_ = true;
    if (!gdk_.LoaderClose(loader_, &error_)) return Failed("cannot be decoded");
    const GdkPixbuf* pixbuf = gdk_.LoaderGetPixbuf(loader_);
    if (!pixbuf) return {.problem = "cannot be decoded: it holds no picture"};
    return {.pixels = Centred(gdk_, pixbuf, box)};
  }

 private:
  Decoded Failed(const std::string& what) const {
    return {.problem = error_ ? what + ": " + error_->message : what};
  }

  const GdkPixbufLibrary& gdk_;
  GdkPixbufLoader* loader_ = nullptr;
  GError* error_ = nullptr;
  bool closed_ = false;
};

}  // namespace

Decoded DecodeFitted(std::span<const unsigned char> bytes, int width, int height, Fit fit) {
  if (width <= 0 || height <= 0) return {};
  const char* format = FormatOf(bytes);
  if (!format) return {.problem = "is not a PNG or JPEG picture"};
  const GdkPixbufLibrary* gdk = GdkPixbufLibrary::Get();
  if (!gdk) return {.problem = "cannot be decoded: gdk-pixbuf cannot be loaded"};
  return Loader(*gdk).Decode(bytes, format, {width, height}, fit);
}

}  // namespace quil::userpictures
