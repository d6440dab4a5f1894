// A step allocates nothing: the desktop program runs one step per timer tick on its UI thread,
// and the working records are sized when the run is prepared. The global allocation functions of
// this test program count what is allocated while a step runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "school_builder.h"

namespace {

bool countingAllocations = false;
long allocationCount = 0;

void* allocate(std::size_t size) {
  if (countingAllocations) ++allocationCount;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace jadvalon {
namespace {

TEST(StepAllocation, StepsAllocateNothing) {
  for (const bool considerRooms : {true, false}) {
    testing::GeneratorFixture f;
    testing::buildRandomSchool(f.t, 21);
    f.t.project.random().reseed(21);
    GeneratorOptions options;
    options.considerRooms = considerRooms;
    options.teacherGaps = true;
    options.level = 2;
    f.run.start(options);
    allocationCount = 0;
    countingAllocations = true;
    int steps = 0;
    while (f.run.step()) ++steps;
    countingAllocations = false;
    EXPECT_GT(steps, 10);
    EXPECT_EQ(allocationCount, 0);
  }
}

}  // namespace
}  // namespace jadvalon
