// Any grid of texts on screen (the distribution views, for one) as an Excel workbook: column
// widths from the grid, thin borders, text cells, and the fixed rows and columns coloured.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/atomic_file.h"

namespace jadvalon {

struct TextGrid {
  std::vector<std::vector<std::string>> rows;  // cell texts, row by row (UTF-8)
  std::vector<int> columnWidths;               // pixels; missing columns get 64
  int fixedRows = 0;
  int fixedColumns = 0;
  std::uint32_t fixedColour = 0xF0F0F0;  // 0xRRGGBB
  std::string fontName = "Tahoma";
  double fontSize = 8;
};

WriteResult writeGridWorkbook(const TextGrid& grid, const std::filesystem::path& target);

}  // namespace jadvalon
