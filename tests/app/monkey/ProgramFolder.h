#pragma once

#include "support/ScratchFolder.h"

namespace quil::test {

// A program folder of its own, with a file for every sound effect in Sfx and
// every playlist track in Music; removed with everything in it when it goes.
class ProgramFolder : public ScratchFolder {
 public:
  ProgramFolder();
};

}  // namespace quil::test
