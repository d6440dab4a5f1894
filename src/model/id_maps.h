// Id maps: from a record id to its table slot, rebuilt from the tables whenever they change.
#pragma once

#include <array>
#include <cstdint>

#include "model/image.h"

namespace jadvalon {

// Highest ids each map can hold. A next-id counter that would pass its bound makes the table be
// renumbered; room ids also stay within one byte because a placement keeps one byte of them.
inline constexpr int kMaxClassId = 2000;
inline constexpr int kMaxSubjectId = 2000;
inline constexpr int kMaxRoomId = 255;
inline constexpr int kMaxTeacherId = 5000;
inline constexpr int kMaxLessonId = 20000;

class IdMaps {
 public:
  IdMaps();

  void rebuildClasses(const TLoyiha& image);
  void rebuildSubjects(const TLoyiha& image);
  void rebuildRooms(const TLoyiha& image);
  void rebuildTeachers(const TLoyiha& image);
  void rebuildLessons(const TLoyiha& image);
  void rebuildAll(const TLoyiha& image);

  // Slot of the record with that id; 0 when there is none (or the id is out of range).
  int classSlot(int id) const { return id >= 1 && id <= 2000 ? classes_[id] : 0; }
  int subjectSlot(int id) const { return id >= 1 && id <= 2000 ? subjects_[id] : 0; }
  int roomSlot(int id) const { return id >= 1 && id <= 2000 ? rooms_[id] : 0; }
  int teacherSlot(int id) const { return id >= 1 && id <= 5000 ? teachers_[id] : 0; }
  int lessonSlot(int id) const { return id >= 1 && id <= 20000 ? lessons_[id - 1] : 0; }

 private:
  std::array<std::uint8_t, 2001> classes_;
  std::array<std::uint16_t, 2001> subjects_;
  std::array<std::uint8_t, 2001> rooms_;
  std::array<std::uint16_t, 5001> teachers_;
  std::array<std::uint16_t, 20000> lessons_;  // indexed by id - 1
};

}  // namespace jadvalon
