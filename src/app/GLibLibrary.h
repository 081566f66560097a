#pragma once

#include <glib.h>

namespace quil::app {

// The GLib functions that read the channels file, from the library loaded
// when there is a file to read rather than with the program: its first screen
// needs none of them, and Pango, which brings GLib along, is loaded late too.
struct GLibLibrary {
  // The library, loaded on the first call; nullptr when it cannot be loaded.
  static const GLibLibrary* Get();

  decltype(&g_key_file_new) KeyFileNew;
  decltype(&g_key_file_free) KeyFileFree;
  decltype(&g_key_file_load_from_data) KeyFileLoadFromData;
  decltype(&g_key_file_get_start_group) KeyFileGetStartGroup;
  decltype(&g_key_file_get_keys) KeyFileGetKeys;
  decltype(&g_key_file_get_string) KeyFileGetString;
  decltype(&g_key_file_error_quark) KeyFileErrorQuark;
  decltype(&g_shell_parse_argv) ShellParseArgv;
  decltype(&g_utf8_validate) Utf8Validate;
  decltype(&g_error_free) ErrorFree;
  decltype(&g_strfreev) Strfreev;
  decltype(&g_free) Free;
};

}  // namespace quil::app
