// Helpers shared by the tests: a prompter that records what it was asked, and builders that add
// records through the project's own operations.
#pragma once

#include <string>
#include <vector>

#include "model/project.h"
#include "model/text_codec.h"

namespace jadvalon::testing {

class RecordingPrompter : public Prompter {
 public:
  void message(const std::string& text) override { messages.push_back(text); }
  bool confirm(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  bool answer = true;
};

// Every line reads "line N", so a test can tell which line a message came from.
inline LanguageTable numberedTexts() {
  LanguageTable table;
  for (int n = 1; n <= LanguageTable::kLineCount; ++n)
    table.setLine(n, "line " + std::to_string(n));
  return table;
}

// A project with its own texts and prompter.
struct TestProject {
  LanguageTable texts = numberedTexts();
  RecordingPrompter prompter;
  Project project{texts, prompter};

  int addClass(const std::string& name, int shift = 1) {
    project.prepareNewClass();
    storeText(project.edit().classBuffer.name, name);
    storeText(project.edit().classBuffer.shortName, name);
    project.edit().classBuffer.shift = static_cast<std::uint8_t>(shift);
    return project.append(Table::Classes) ? project.image().classNextId : 0;
  }
  int addSubject(const std::string& name) {
    project.prepareNewSubject();
    storeText(project.edit().subjectBuffer.name, name);
    storeText(project.edit().subjectBuffer.shortName, name);
    return project.append(Table::Subjects) ? project.image().subjectNextId : 0;
  }
  int addRoom(const std::string& name) {
    project.prepareNewRoom();
    storeText(project.edit().roomBuffer.name, name);
    storeText(project.edit().roomBuffer.shortName, name);
    return project.append(Table::Rooms) ? project.image().roomNextId : 0;
  }
  int addTeacher(const std::string& name, int dailyMaximum = 6) {
    project.prepareNewTeacher();
    storeText(project.edit().teacherBuffer.name, name);
    storeText(project.edit().teacherBuffer.shortName, name);
    project.edit().teacherBuffer.dailyMaximum = static_cast<std::uint8_t>(dailyMaximum);
    return project.append(Table::Teachers) ? project.image().teacherNextId : 0;
  }
  // A lesson; a second teacher different from the first makes it a two-group lesson.
  int addLesson(int classId, int subject, int teacher, int load, std::vector<int> rooms = {},
                int teacher2 = 0, int subject2 = 0, std::vector<int> rooms2 = {}) {
    project.prepareNewLesson();
    TDars& l = project.edit().lessonBuffer;
    l.classId = static_cast<std::uint16_t>(classId);
    l.subject1 = static_cast<std::uint16_t>(subject);
    l.teacher1 = static_cast<std::uint16_t>(teacher);
    l.teacher2 = static_cast<std::uint16_t>(teacher2 ? teacher2 : teacher);
    l.subject2 = static_cast<std::uint16_t>(teacher2 && subject2 ? subject2 : subject);
    l.twoGroups = l.teacher1 != l.teacher2;
    l.weeklyLoad = static_cast<std::uint8_t>(load);
    l.roomCount1 = static_cast<std::uint8_t>(rooms.size());
    for (std::size_t i = 0; i < rooms.size(); ++i)
      l.rooms1[i] = static_cast<std::uint16_t>(rooms[i]);
    l.roomCount2 = static_cast<std::uint8_t>(rooms2.size());
    for (std::size_t i = 0; i < rooms2.size(); ++i)
      l.rooms2[i] = static_cast<std::uint16_t>(rooms2[i]);
    return project.append(Table::Lessons) ? project.image().lessonNextId : 0;
  }
};

}  // namespace jadvalon::testing
