#include "audio/MixerLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace quil::audio {
namespace {

// The SDL2_mixer 2.x series keeps this name for its whole life.
constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

template <class Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

std::optional<MixerLibrary> Load() {
  // Loaded for good: chunks and tracks live until the program ends.
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  MixerLibrary mix{};
  const bool complete =
      Resolve(library, "Mix_Init", mix.Init) && Resolve(library, "Mix_Quit", mix.Quit) &&
      Resolve(library, "Mix_OpenAudio", mix.OpenAudio) && Resolve(library, "Mix_CloseAudio", mix.CloseAudio) &&
      Resolve(library, "Mix_AllocateChannels", mix.AllocateChannels) &&
      Resolve(library, "Mix_SetPostMix", mix.SetPostMix) && Resolve(library, "Mix_LoadWAV", mix.LoadWAV) &&
      Resolve(library, "Mix_FreeChunk", mix.FreeChunk) && Resolve(library, "Mix_PlayChannel", mix.PlayChannel) &&
      Resolve(library, "Mix_Playing", mix.Playing) && Resolve(library, "Mix_GetChunk", mix.GetChunk) &&
      Resolve(library, "Mix_LoadMUS", mix.LoadMUS) && Resolve(library, "Mix_FreeMusic", mix.FreeMusic) &&
      Resolve(library, "Mix_PlayMusic", mix.PlayMusic) && Resolve(library, "Mix_HaltMusic", mix.HaltMusic) &&
      Resolve(library, "Mix_PlayingMusic", mix.PlayingMusic);
  if (!complete) return std::nullopt;
  return mix;
}

}  // namespace

const MixerLibrary* MixerLibrary::Get() {
  static const std::optional<MixerLibrary> library = Load();
  return library ? &*library : nullptr;
}

}  // namespace quil::audio
