#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quil::test {

// Sound files as people break them: empty, cut short, text, a picture under a
// sound's name, a folder or a named pipe where a file should be, and a track
// of two hours. Each is made here, in the place of one of the program's files.
enum class BrokenMedia { Empty, TruncatedWav, Text, TruncatedMp3, Png, Directory, Fifo, TwoHourMp3 };

struct BrokenMediaKind {
  BrokenMedia kind;
  std::string_view name;  // as the tool takes it: "truncated-wav"
};

const std::vector<BrokenMediaKind>& BrokenMediaKinds();

// Makes `kind` at `path` in place of whatever was there; the folder must exist.
void MakeBrokenMedia(BrokenMedia kind, const std::string& path);

}  // namespace quil::test
