// The least any program can spend on the menu's music: SDL2_mixer opened as
// Quil OS opens it (44.1 kHz, stereo, 512-frame buffers, one effect channel),
// playing one track over and over and doing nothing else until it is killed.
// The idle benchmark sets its CPU share beside the program's sound thread.
//
//   quil-music-floor TRACK.mp3

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quil-music-floor TRACK.mp3\n");
    return 2;
  }
  // Nothing here reads SDL's events, so SIGTERM must end the program itself.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 512) != 0) {
    std::fprintf(stderr, "quil-music-floor: %s\n", SDL_GetError());
    return 1;
  }
  Mix_AllocateChannels(1);
  Mix_Music* music = Mix_LoadMUS(argv[1]);
  if (!music || Mix_PlayMusic(music, -1) != 0) {
    std::fprintf(stderr, "quil-music-floor: %s\n", Mix_GetError());
    return 1;
  }
  for (;;) SDL_Delay(60'000);
}
