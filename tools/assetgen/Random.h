#pragma once

#include <cstdint>

namespace quil::assetgen {

// A small seeded generator (SplitMix64) so that every build draws the same
// pictures and plays the same tunes, whatever the standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double Unit() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // In [lo, hi].
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1)); }
  bool Chance(double p) { return Unit() < p; }

 private:
  std::uint64_t state_;
};

}  // namespace quil::assetgen
