// Helpers on the grids of the project image.
#include "model/image.h"

#include <cstring>

namespace jadvalon {

std::uint8_t countAvailable(const Grid& grid) {
  int count = 0;
  for (const auto& day : grid)
    for (std::uint8_t cell : day) count += cell != 0;
  return static_cast<std::uint8_t>(count);
}

void fillGrid(Grid& grid, std::uint8_t value) { std::memset(grid, value, sizeof(Grid)); }

}  // namespace jadvalon
