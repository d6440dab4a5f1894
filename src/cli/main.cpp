// jadvalon-cli: the core of the timetable program without a display.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

#include "model/image.h"

int main(int argc, char** argv) {
  if (argc < 3 || std::strcmp(argv[1], "info") != 0) {
    std::cerr << "usage: jadvalon-cli info FILE\n";
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < jadvalon::kImageSize) {
    std::cerr << "jadvalon-cli: " << argv[2] << ": not a project image\n";
    return 2;
  }
  auto img = std::make_unique<jadvalon::TLoyiha>();
  std::memcpy(img.get(), bytes.data(), sizeof(jadvalon::TLoyiha));
  std::printf("classes %d\nsubjects %d\nrooms %d\nteachers %d\nlessons %d\n", img->classCount,
              img->subjectCount, img->roomCount, img->teacherCount, img->lessonCount);
  return 0;
}
