// Comparing a rendered page with its golden file byte for byte. Run a test with
// JADVALON_UPDATE_GOLDEN=1 to write the files anew after an intended change, then read the diff.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace jadvalon::testing {

inline std::filesystem::path goldenPath(const std::string& name) {
  return std::filesystem::path(JADVALON_TEST_DATA_DIR) / "golden" / name;
}

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void expectGolden(const std::string& name, const std::string& actual) {
  const std::filesystem::path path = goldenPath(name);
  if (std::getenv("JADVALON_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << actual;
  ASSERT_TRUE(std::filesystem::exists(path)) << path;
  const std::string expected = readText(path);
  EXPECT_EQ(actual, expected) << "differs from " << path;
}

}  // namespace jadvalon::testing
