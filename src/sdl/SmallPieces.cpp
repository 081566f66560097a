#include "sdl/SmallPieces.h"

#include <SDL_syswm.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <bit>

namespace quil::sdl {
namespace {

// The page arrows' swing shows two dozen pieces again and again; the screen
// painter keeps as many.
constexpr std::size_t kMostStored = 32;

// Whether the server reads a depth's pixels as the canvas holds them: 32
// bits each, in this machine's byte order.
bool TakesCanvasPixels(const xcb_setup_t* setup, std::uint8_t depth) {
  const std::uint8_t order =
      std::endian::native == std::endian::little ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
  if (setup->image_byte_order != order) return false;
  const xcb_format_t* formats = xcb_setup_pixmap_formats(setup);
  const int count = xcb_setup_pixmap_formats_length(setup);
  return std::any_of(formats, formats + count, [depth](const xcb_format_t& format) {
    return format.depth == depth && format.bits_per_pixel == 32 && format.scanline_pad == 32;
  });
}

paint::PixelRect Within(const paint::PixelRect& piece, const paint::Canvas& canvas) {
  const int x = std::max(piece.x, 0);
  const int y = std::max(piece.y, 0);
  return {x, y, std::min(piece.x + piece.width, canvas.Width()) - x,
          std::min(piece.y + piece.height, canvas.Height()) - y};
}

}  // namespace

std::unique_ptr<SmallPieces> SmallPieces::For(SDL_Window* window) {
  SDL_SysWMinfo wm;
  SDL_VERSION(&wm.version);
  if (!window || !SDL_GetWindowWMInfo(window, &wm) || wm.subsystem != SDL_SYSWM_X11) return nullptr;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(wm.info.x11.display, wm.info.x11.window, &attributes)) return nullptr;
  const Visual* visual = attributes.visual;
  // The canvas holds 0xAARRGGBB words; the server must read them as they
  // are. SDL gives a direct-colour window a colour map that leaves them so.
  if ((attributes.depth != 24 && attributes.depth != 32) ||
      (visual->c_class != TrueColor && visual->c_class != DirectColor) || visual->red_mask != 0xFF0000 ||
      visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
    return nullptr;
  xcb_connection_t* connection = XGetXCBConnection(wm.info.x11.display);
  const auto depth = static_cast<std::uint8_t>(attributes.depth);
  if (!connection || !TakesCanvasPixels(xcb_get_setup(connection), depth)) return nullptr;
  const auto x11Window = static_cast<std::uint32_t>(wm.info.x11.window);
  const std::uint32_t gc = xcb_generate_id(connection);
  // A copy must not answer with an event of its own, or every copy would wake the program.
  const std::uint32_t noExposures = 0;
  xcb_create_gc(connection, gc, x11Window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
  return std::unique_ptr<SmallPieces>(new SmallPieces(connection, x11Window, depth, gc));
}

SmallPieces::~SmallPieces() {
  for (const Stored& stored : stored_) xcb_free_pixmap(connection_, stored.pixmap);
  xcb_free_gc(connection_, gc_);
  xcb_flush(connection_);
}

void SmallPieces::Put(const paint::Canvas& canvas, const paint::PixelRect& place,
                      std::span<const paint::PixelRect> pieces,
                      std::span<const std::optional<paint::PaintedPieces::Number>> kept) {
  for (std::size_t index = 0; index < pieces.size(); ++index) {
    const paint::PixelRect piece = Within(pieces[index], canvas);
    if (piece.width <= 0 || piece.height <= 0) continue;
    const int x = place.x + piece.x;
    const int y = place.y + piece.y;
    if (index < kept.size() && kept[index]) {
      const Stored& stored = Store(*kept[index], canvas, piece);
      xcb_copy_area(connection_, stored.pixmap, window_, gc_, 0, 0, static_cast<std::int16_t>(x),
                    static_cast<std::int16_t>(y), static_cast<std::uint16_t>(stored.width),
                    static_cast<std::uint16_t>(stored.height));
    } else {
      Send(window_, canvas, piece, x, y);
    }
  }
  xcb_flush(connection_);
}

const SmallPieces::Stored& SmallPieces::Store(paint::PaintedPieces::Number number, const paint::Canvas& canvas,
                                              const paint::PixelRect& piece) {
  const auto found = std::find_if(stored_.begin(), stored_.end(), [&](const Stored& stored) {
    return stored.number == number && stored.width == piece.width && stored.height == piece.height;
  });
  if (found != stored_.end()) {
    stored_.splice(stored_.end(), stored_, found);
    return stored_.back();
  }
  if (stored_.size() >= kMostStored) {
    xcb_free_pixmap(connection_, stored_.front().pixmap);
    stored_.pop_front();
  }
  const std::uint32_t pixmap = xcb_generate_id(connection_);
  xcb_create_pixmap(connection_, depth_, pixmap, window_, static_cast<std::uint16_t>(piece.width),
                    static_cast<std::uint16_t>(piece.height));
  Send(pixmap, canvas, piece, 0, 0);
  return stored_.emplace_back(Stored{number, pixmap, piece.width, piece.height});
}

void SmallPieces::Send(std::uint32_t drawable, const paint::Canvas& canvas, const paint::PixelRect& piece, int x,
                       int y) {
  // The request carries the piece's rows one after another.
  rows_.resize(static_cast<std::size_t>(piece.width) * piece.height);
  const std::uint32_t* pixels = canvas.Pixels();
  for (int row = 0; row < piece.height; ++row) {
    const std::uint32_t* from = pixels + static_cast<std::size_t>(piece.y + row) * canvas.Width() + piece.x;
    std::copy(from, from + piece.width, rows_.begin() + static_cast<std::ptrdiff_t>(row) * piece.width);
  }
  xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, gc_, static_cast<std::uint16_t>(piece.width),
                static_cast<std::uint16_t>(piece.height), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0,
                depth_, static_cast<std::uint32_t>(rows_.size() * sizeof(std::uint32_t)),
                reinterpret_cast<const std::uint8_t*>(rows_.data()));
}

}  // namespace quil::sdl
