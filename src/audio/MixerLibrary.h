#pragma once

#include <SDL_mixer.h>

namespace quil::audio {

// SDL2_mixer's functions, from the library loaded when sound is first needed
// rather than with the program: the mixer and the codec libraries it brings
// along (MOD, MIDI, FLAC, Opus...) cost more to map, link and initialise than
// the program's whole first frame.
struct MixerLibrary {
  // The library, loaded on the first call; nullptr when it cannot be loaded,
  // and then the program has no sound.
  static const MixerLibrary* Get();

  decltype(&Mix_Init) Init;
  decltype(&Mix_Quit) Quit;
  decltype(&Mix_OpenAudio) OpenAudio;
  decltype(&Mix_CloseAudio) CloseAudio;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_SetPostMix) SetPostMix;
  decltype(&Mix_LoadWAV) LoadWAV;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_PlayChannel) PlayChannel;
  decltype(&Mix_Playing) Playing;
  decltype(&Mix_GetChunk) GetChunk;
  decltype(&Mix_LoadMUS) LoadMUS;
  decltype(&Mix_FreeMusic) FreeMusic;
  decltype(&Mix_PlayMusic) PlayMusic;
  decltype(&Mix_HaltMusic) HaltMusic;
  decltype(&Mix_PlayingMusic) PlayingMusic;
};

}  // namespace quil::audio
