// The undo history of the timetable board: numbered snapshots of the placement list in the temp
// folder, and a position that undo and redo move.
#pragma once

#include <filesystem>
#include <string>

#include "model/project.h"

namespace jadvalon {

class UndoHistory {
 public:
  explicit UndoHistory(std::filesystem::path tempFolder) : temp_(std::move(tempFolder)) {}

  // "NNNNN.tmp": the last five digits of 100000 + n.
  static std::string snapshotFileName(int number);

  // Writes the placements as the next snapshot; nothing when there are none.
  void take(const Project& project);
  // Puts the snapshot at the current position in place; false when its file is missing or
  // unreadable (then nothing changes but the position the caller moved).
  bool restore(Project& project) const;
  bool undo(Project& project);
  bool redo(Project& project);
  bool canUndo() const { return position_ >= 2; }
  bool canRedo() const { return position_ < counter_; }
  // Deletes the snapshot files up to the recorded counter (3000 when the counter file is
  // missing) and starts again from 0.
  void clear();

  int counter() const { return counter_; }
  int position() const { return position_; }

 private:
  std::filesystem::path counterFile() const { return temp_ / "tems.tmp"; }

  std::filesystem::path temp_;
  int counter_ = 0;
  int position_ = 0;
};

}  // namespace jadvalon
