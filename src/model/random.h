// The program's one pseudo-random generator: tie-breaks of the generator and teacher colours.
#pragma once

#include <cstdint>
#include <random>

namespace jadvalon {

class Random {
 public:
  // Seeded from the clock; callers that need reproducible runs pass a seed.
  Random();
  explicit Random(std::uint64_t seed) : engine_(seed) {}

  void reseed(std::uint64_t seed) { engine_.seed(seed); }
  void reseedFromClock();
  // A whole number in 0..n-1 (0 when n <= 0).
  int below(int n);

 private:
  std::mt19937_64 engine_;
};

}  // namespace jadvalon
