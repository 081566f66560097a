#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace quil::userpictures {

// The gdk-pixbuf functions that decode a user's pictures, from the library
// loaded when the first of them is painted: a menu without such pictures, and
// the first frame of every menu, need none of it.
struct GdkPixbufLibrary {
  // The library, loaded on the first call; nullptr when it cannot be loaded.
  static const GdkPixbufLibrary* Get();

  decltype(&gdk_pixbuf_loader_new_with_type) LoaderNewWithType;
  decltype(&gdk_pixbuf_loader_set_size) LoaderSetSize;
  decltype(&gdk_pixbuf_loader_write) LoaderWrite;
  decltype(&gdk_pixbuf_loader_close) LoaderClose;
  decltype(&gdk_pixbuf_loader_get_pixbuf) LoaderGetPixbuf;
  decltype(&gdk_pixbuf_get_width) Width;
  decltype(&gdk_pixbuf_get_height) Height;
  decltype(&gdk_pixbuf_get_rowstride) Rowstride;
  decltype(&gdk_pixbuf_get_n_channels) Channels;
  decltype(&gdk_pixbuf_get_has_alpha) HasAlpha;
  decltype(&gdk_pixbuf_read_pixels) ReadPixels;
  decltype(&g_signal_connect_data) SignalConnectData;
  decltype(&g_object_unref) ObjectUnref;
  decltype(&g_error_free) ErrorFree;
};

}  // namespace quil::userpictures
