#include "audio/MixerLibrary.h"

#include "lazyload/LazyLibrary.h"

namespace quil::audio {
namespace {

// The SDL2_mixer 2.x series keeps this name for its whole life.
constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

}  // namespace

const MixerLibrary* MixerLibrary::Get() {
  return lazyload::Once<MixerLibrary>(kLibraryName, [](const lazyload::Symbols& symbols, MixerLibrary& mix) {
    return symbols("Mix_Init", mix.Init) && symbols("Mix_Quit", mix.Quit) && symbols("Mix_OpenAudio", mix.OpenAudio) &&
           symbols("Mix_CloseAudio", mix.CloseAudio) && symbols("Mix_AllocateChannels", mix.AllocateChannels) &&
           symbols("Mix_SetPostMix", mix.SetPostMix) && symbols("Mix_LoadWAV", mix.LoadWAV) &&
           symbols("Mix_FreeChunk", mix.FreeChunk) && symbols("Mix_PlayChannel", mix.PlayChannel) &&
           symbols("Mix_Playing", mix.Playing) && symbols("Mix_GetChunk", mix.GetChunk) &&
           symbols("Mix_LoadMUS", mix.LoadMUS) && symbols("Mix_FreeMusic", mix.FreeMusic) &&
           symbols("Mix_PlayMusic", mix.PlayMusic) && symbols("Mix_HaltMusic", mix.HaltMusic) &&
           symbols("Mix_PlayingMusic", mix.PlayingMusic);
  });
}

}  // namespace quil::audio
