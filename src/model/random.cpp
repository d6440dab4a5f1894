// Clock seeding and bounded draws.
#include "model/random.h"

#include <chrono>

namespace jadvalon {

Random::Random() { reseedFromClock(); }

void Random::reseedFromClock() {
  engine_.seed(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int Random::below(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(engine_() % static_cast<std::uint64_t>(n));
}

}  // namespace jadvalon
