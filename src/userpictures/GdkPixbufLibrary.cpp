#include "userpictures/GdkPixbufLibrary.h"

#include "lazyload/LazyLibrary.h"

namespace quil::userpictures {

// GObject's and GLib's functions are found through gdk-pixbuf, which links both.
const GdkPixbufLibrary* GdkPixbufLibrary::Get() {
  return lazyload::Once<GdkPixbufLibrary>(
      "libgdk_pixbuf-2.0.so.0", [](const lazyload::Symbols& symbols, GdkPixbufLibrary& gdk) {
        return symbols("gdk_pixbuf_loader_new_with_type", gdk.LoaderNewWithType) &&
               symbols("gdk_pixbuf_loader_set_size", gdk.LoaderSetSize) &&
               symbols("gdk_pixbuf_loader_write", gdk.LoaderWrite) &&
               symbols("gdk_pixbuf_loader_close", gdk.LoaderClose) &&
               symbols("gdk_pixbuf_loader_get_pixbuf", gdk.LoaderGetPixbuf) &&
               symbols("gdk_pixbuf_get_width", gdk.Width) && symbols("gdk_pixbuf_get_height", gdk.Height) &&
               symbols("gdk_pixbuf_get_rowstride", gdk.Rowstride) &&
               symbols("gdk_pixbuf_get_n_channels", gdk.Channels) &&
               symbols("gdk_pixbuf_get_has_alpha", gdk.HasAlpha) &&
               symbols("gdk_pixbuf_read_pixels", gdk.ReadPixels) &&
               symbols("g_signal_connect_data", gdk.SignalConnectData) &&
               symbols("g_object_unref", gdk.ObjectUnref) && symbols("g_error_free", gdk.ErrorFree);
      });
}

}  // namespace quil::userpictures
