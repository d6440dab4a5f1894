// Snapshot files of the placement list.
#include "storage/undo_history.h"

#include <charconv>
#include <cstring>
#include <vector>

#include "storage/atomic_file.h"
#include "storage/file_bytes.h"

namespace jadvalon {

std::string UndoHistory::snapshotFileName(int number) {
  return std::to_string(100000 + number).substr(1) + ".tmp";
}

void UndoHistory::take(const Project& project) {
  const TLoyiha& img = project.image();
  if (img.placementCount == 0) return;
  ++counter_;
  position_ = counter_;
  writeFileAtomically(temp_ / snapshotFileName(counter_),
                      std::span(reinterpret_cast<const std::uint8_t*>(&img.placements[1]),
                                img.placementCount * sizeof(TJoy)));
  writeTextAtomically(counterFile(), std::to_string(counter_));
}

bool UndoHistory::restore(Project& project) const {
  const std::optional<std::string> bytes = readFileBytes(temp_ / snapshotFileName(position_)).bytes;
  if (!bytes) return false;
  std::vector<TJoy> placements(bytes->size() / sizeof(TJoy));
  std::memcpy(placements.data(), bytes->data(), placements.size() * sizeof(TJoy));
  return project.replacePlacements(placements);
}

bool UndoHistory::undo(Project& project) {
  --position_;
  return restore(project);
}

bool UndoHistory::redo(Project& project) {
  ++position_;
  return restore(project);
}

void UndoHistory::clear() {
  int recorded = 3000;
  if (const auto text = readFileBytes(counterFile()).bytes) {
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error == std::errc() && value >= 0) recorded = value;
  }
  for (int n = 1; n <= recorded; ++n) {
    std::error_code ec;
    std::filesystem::remove(temp_ / snapshotFileName(n), ec);
  }
  counter_ = 0;
  position_ = 0;
}

}  // namespace jadvalon
