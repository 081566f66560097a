// quil_broken_media KIND PATH: puts a broken sound file of KIND at PATH, for
// the end-to-end scenarios. KIND is one of the names of BrokenMediaKinds.
#include <cstdio>
#include <string_view>

#include "BrokenMedia.h"

int main(int argc, char** argv) {
  if (argc == 3) {
    for (const auto& kind : quil::test::BrokenMediaKinds()) {
      if (kind.name != argv[1]) continue;
      quil::test::MakeBrokenMedia(kind.kind, argv[2]);
      return 0;
    }
  }
  std::fprintf(stderr, "usage: quil_broken_media KIND PATH, KIND one of:");
  for (const auto& kind : quil::test::BrokenMediaKinds()) std::fprintf(stderr, " %s", kind.name.data());
  std::fprintf(stderr, "\n");
  return 2;
}
