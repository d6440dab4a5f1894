// Layout of the room shares and the parallel counters.
#include "generator/working_records.h"

#include <algorithm>

namespace jadvalon {

void RoomShareTable::layOut(const std::vector<TDarsImkon>& lessons, int lessonCount) {
  layouts_.resize(static_cast<std::size_t>(lessonCount) + 1);
  std::size_t offset = 0;
  constexpr std::size_t kSlots = static_cast<std::size_t>(kDays) * kPeriods;
  for (int l = 0; l <= lessonCount; ++l) {
    const TDarsImkon& lesson = lessons[l];
    const int counts[2] = {lesson.rooms1.count, lesson.twoGroups ? lesson.rooms2.count : 0};
    for (int list = 0; list < 2; ++list) {
      const int count = l == 0 ? 0 : counts[list];
      const int blocks = count == 0 ? 0 : lesson.oddHalfUnit ? 3 : 1;
      layouts_[l][list] = {offset, count, blocks};
      offset += kSlots * static_cast<std::size_t>(blocks * (1 + count));
    }
  }
  values_.resize(offset);
  clear();
}

void RoomShareTable::clear() { std::fill(values_.begin(), values_.end(), 0.0); }

void ParallelCounters::resize(int keyCount) {
  stride_ = static_cast<std::size_t>(keyCount) + 1;
  counts_.resize(stride_ * kDays);
  clear();
}

void ParallelCounters::clear() { std::fill(counts_.begin(), counts_.end(), std::uint8_t{0}); }

void ParallelCounters::add(int day, int key, int units) {
  if (key <= 0 || static_cast<std::size_t>(key) >= stride_) return;
  std::uint8_t& count = counts_[static_cast<std::size_t>(day - 1) * stride_ + key];
  count = static_cast<std::uint8_t>(std::min(255, count + units));
}

}  // namespace jadvalon
