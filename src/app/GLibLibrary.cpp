#include "app/GLibLibrary.h"

#include "lazyload/LazyLibrary.h"

namespace quil::app {

const GLibLibrary* GLibLibrary::Get() {
  return lazyload::Once<GLibLibrary>("libglib-2.0.so.0", [](const lazyload::Symbols& symbols, GLibLibrary& glib) {
    return symbols("g_key_file_new", glib.KeyFileNew) && symbols("g_key_file_free", glib.KeyFileFree) &&
           symbols("g_key_file_load_from_data", glib.KeyFileLoadFromData) &&
           symbols("g_key_file_get_start_group", glib.KeyFileGetStartGroup) &&
           symbols("g_key_file_get_keys", glib.KeyFileGetKeys) &&
           symbols("g_key_file_get_string", glib.KeyFileGetString) &&
           symbols("g_key_file_error_quark", glib.KeyFileErrorQuark) &&
           symbols("g_shell_parse_argv", glib.ShellParseArgv) && symbols("g_utf8_validate", glib.Utf8Validate) &&
           symbols("g_error_free", glib.ErrorFree) && symbols("g_strfreev", glib.Strfreev) &&
           symbols("g_free", glib.Free);
  });
}

}  // namespace quil::app
