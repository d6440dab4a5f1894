// Rebuilding the id maps from the tables.
#include "model/id_maps.h"

namespace jadvalon {
namespace {

template <class Map, class Record>
void rebuild(Map& map, const Record* slots, int count, int offset) {
  map.fill(0);
  for (int slot = 1; slot <= count; ++slot) {
    const int index = slots[slot].id - offset;
    if (index >= 0 && index < static_cast<int>(map.size()))
      map[static_cast<std::size_t>(index)] = static_cast<typename Map::value_type>(slot);
  }
}

}  // namespace

IdMaps::IdMaps() {
  classes_.fill(0);
  subjects_.fill(0);
  rooms_.fill(0);
  teachers_.fill(0);
  lessons_.fill(0);
}

void IdMaps::rebuildClasses(const TLoyiha& image) {
  rebuild(classes_, image.classes, image.classCount, 0);
  classes_[0] = 0;
}
void IdMaps::rebuildSubjects(const TLoyiha& image) {
  rebuild(subjects_, image.subjects, image.subjectCount, 0);
  subjects_[0] = 0;
}
void IdMaps::rebuildRooms(const TLoyiha& image) {
  rebuild(rooms_, image.rooms, image.roomCount, 0);
  rooms_[0] = 0;
}
void IdMaps::rebuildTeachers(const TLoyiha& image) {
  rebuild(teachers_, image.teachers, image.teacherCount, 0);
  teachers_[0] = 0;
}
void IdMaps::rebuildLessons(const TLoyiha& image) {
  rebuild(lessons_, image.lessons, image.lessonCount, 1);
}

void IdMaps::rebuildAll(const TLoyiha& image) {
  rebuildClasses(image);
  rebuildSubjects(image);
  rebuildRooms(image);
  rebuildTeachers(image);
  rebuildLessons(image);
}

}  // namespace jadvalon
