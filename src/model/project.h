// The open project: the image, the state beside it (modified flag, path, display name,
// save reminder, id maps) and every operation that changes its tables.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "i18n/language_table.h"
#include "model/id_maps.h"
#include "model/image.h"
#include "model/prompter.h"
#include "model/random.h"

namespace jadvalon {

enum class Table { Classes, Subjects, Rooms, Teachers, Lessons };

// What changed, for views that listen instead of being told by every caller.
enum class ProjectChange {
  ImageReplaced,  // a file, the template or an example was read: refill everything
  Tables,         // records were added, replaced, deleted or moved
  Placements,     // the timetable changed
  Substitutions,
  Modified,  // the modified flag changed
};

class Project {
 public:
  using Listener = std::function<void(ProjectChange)>;

  Project(const LanguageTable& texts, Prompter& prompter);
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  const TLoyiha& image() const { return *image_; }
  // Write access to the image; every caller changes something, so this sets the modified flag.
  TLoyiha& edit();

  // Replaces the whole image (after a read), rebuilds the id maps, clears the modified flag and
  // the save reminder, and tells the listeners. Path and display name are the caller's business.
  void replaceImage(const TLoyiha& image);
  // The image as a block of exactly kImageSize bytes.
  const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(image_.get()); }

  bool isModified() const { return modified_; }
  void setModified(bool modified);
  const std::string& path() const { return path_; }
  void setPath(std::string path) { path_ = std::move(path); }
  const std::string& displayName() const { return displayName_; }
  void setDisplayName(std::string name) { displayName_ = std::move(name); }
  int saveReminderSeconds() const { return saveReminderSeconds_; }
  void setSaveReminderSeconds(int seconds) { saveReminderSeconds_ = seconds; }

  const IdMaps& ids() const { return ids_; }
  void rebuildIdMaps();
  void rebuildIdMap(Table table);

  const LanguageTable& texts() const { return texts_; }
  Prompter& prompter() const { return prompter_; }
  Random& random() { return random_; }

  int subscribe(Listener listener);
  void unsubscribe(int token);
  void notify(ProjectChange change);

  // --- Edit buffers: defaults for a new record ---
  void prepareNewClass();
  void prepareNewSubject();
  void prepareNewRoom();
  void prepareNewTeacher();
  void prepareNewLesson();

  // --- Table operations ---
  // Appends the table's edit buffer with a new id; false (after a message or a declined
  // question) when refused. The id map is rebuilt.
  bool append(Table table);
  // Copies the edit buffer over slot `slot` (1..count).
  void replace(Table table, int slot);
  // Deletes the record with that id and everything that depends on it. An unknown id does nothing.
  void remove(Table table, int id);
  // Deletes several records; the ids are collected first because slots move after each delete.
  void removeAll(Table table, const std::vector<int>& ids);
  // Moves the block of slots first..last up or down by one; outside the table nothing happens.
  void moveUp(Table table, int first, int last);
  void moveDown(Table table, int first, int last);

  int count(Table table) const;
  int idAt(Table table, int slot) const;

  // --- Placements and substitutions ---
  // Appends a placement (locked flag 0); false with a message when the table is full.
  bool appendPlacement(int day, int period, int kind, int lessonId, int room1, int room2);
  void deletePlacement(int number);
  // Removes every placement whose locked flag is 0.
  void clearUnlockedPlacements();
  // Puts a stored list of placements in place of the current one (undo and redo); the modified
  // flag stays as it is. False, and nothing changes, when the list is longer than the table.
  bool replacePlacements(std::span<const TJoy> placements);
  bool appendSubstitution(const TAlmashtirish& substitution);
  void deleteSubstitution(int number);

  // --- Derived data kept in the image ---
  // Weekly loads of every class, subject, room and teacher from the lessons (u8, wrapping).
  void recomputeLoads();
  // Shift grids from their first period, lessons per day and the working days. Only a grid that
  // comes out different marks the project modified.
  void deriveShiftGrids();
  // Sets a shift's (1..3) first period and lessons per day and derives its grid.
  void setShift(int shift, int firstPeriod, int lessonsPerDay);

  // Half-units of a lesson's weekly load as hours, as the lesson editor shows them ("2,5").
  static std::string formatHours(int halfUnits);

 private:
  bool appendEntity(Table table);
  bool appendLesson();
  void deleteLesson(int id);
  void deleteClass(int id);
  void deleteSubject(int id);
  void deleteTeacher(int id);
  void deleteRoom(int id);
  void deleteLessonsWhere(const std::function<bool(const TDars&)>& matches);
  void deleteSubstitutionsWhere(const std::function<bool(const TAlmashtirish&)>& matches);
  void renumberIfNeeded(Table table);
  void renumber(Table table);

  std::unique_ptr<TLoyiha> image_;
  const LanguageTable& texts_;
  Prompter& prompter_;
  Random random_;
  IdMaps ids_;
  bool modified_ = false;
  std::string path_;
  std::string displayName_;
  int saveReminderSeconds_ = 0;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListenerToken_ = 1;
};

// Difficulty of a subject for a class of the given grade (grades above 11 use the last band).
int subjectDifficulty(const TFan& subject, int grade);

}  // namespace jadvalon
