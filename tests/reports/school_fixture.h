// A small school with a timetable for the report tests: a split lesson with two subjects, one
// with the same subject, fortnightly lessons sharing a slot, a teacher and a room used twice at
// once (a clash), clock times, and a class with lessons on days 1 and 3 only.
#pragma once

#include "model/test_support.h"
#include "model/text_codec.h"

namespace jadvalon::testing {

struct SchoolFixture {
  TestProject school;
  // Ids of the records.
  int classA = 0, classB = 0, classC = 0;
  int maths = 0, mother = 0, english = 0, computing = 0;
  int karimova = 0, rahimov = 0, saidova = 0;
  int room12 = 0, room14 = 0, gym = 0;

  SchoolFixture() {
    Project& p = school.project;
    TLoyiha& image = p.edit();
    storeText(image.header.institution, "25-maktab");
    storeText(image.header.director, "Aliyev A.");
    image.header.workingDays = 5;
    for (int d = 1; d <= 7; ++d) {
      storeText(image.header.dayNames[d - 1].fullName, "Day " + std::to_string(d));
      storeText(image.header.dayNames[d - 1].shortName, "D" + std::to_string(d));
    }
    for (int period = 1; period <= kPeriods; ++period)
      storeText(image.header.periodTimes[period - 1],
                std::to_string(7 + period) + ":00-" + std::to_string(7 + period) + ":45");
    storeText(image.teachers[kDeputyDirectorSlot].name, "Tursunova M.");

    classA = addClass("5-A", "5A");
    classB = addClass("6-B", "6B");
    classC = addClass("7-V", "7V");
    maths = addSubject("Matematika", "Mat");
    mother = addSubject("Ona tili", "Ona");
    english = addSubject("Ingliz tili", "Ing");
    computing = addSubject("Informatika", "Inf");
    karimova = addTeacher("Karimova <&> N.", "Kar");
    rahimov = addTeacher("Rahimov B.", "Rah");
    saidova = addTeacher("Saidova D.", "Sai");
    room12 = addRoom("Xona 12", "12");
    room14 = addRoom("Xona 14", "14");
    gym = addRoom("Sport zali", "SZ");

    const int mathsA = school.addLesson(classA, maths, karimova, 4, {room12});
    const int splitA =
        school.addLesson(classA, english, rahimov, 2, {room14}, saidova, computing, {gym});
    const int motherA = school.addLesson(classA, mother, rahimov, 1, {room12});
    const int computingA = school.addLesson(classA, computing, saidova, 1, {gym});
    const int motherB = school.addLesson(classB, mother, saidova, 1);
    const int mathsB = school.addLesson(classB, maths, karimova, 2, {room12});
    const int englishB =
        school.addLesson(classB, english, rahimov, 2, {room12}, saidova, english, {room14});

    place(1, 1, 3, mathsA, room12);
    place(3, 2, 3, mathsA, room12);
    place(1, 2, 3, splitA, room14, gym);
    place(3, 1, 2, computingA, gym);  // listed first, shown second: it is the week-2 half
    place(3, 1, 1, motherA, room12);
    place(2, 3, 2, motherB, 0);
    place(1, 1, 3, mathsB, room12);  // Karimova and room 12 twice at once
    place(2, 1, 3, englishB, room12, room14);
  }

  void place(int day, int period, int kind, int lesson, int room1, int room2 = 0) {
    school.project.appendPlacement(day, period, kind, lesson, room1, room2);
  }

  Project& project() { return school.project; }

 private:
  int addClass(const std::string& name, const std::string& shortName) {
    const int id = school.addClass(name);
    TSinf& c = school.project.edit().classes[school.project.image().classCount];
    storeText(c.shortName, shortName);
    // Lessons may be held in periods 1 to 4 of the five working days.
    fillGrid(c.grid, 0);
    for (int d = 0; d < 5; ++d)
      for (int period = 0; period < 4; ++period) c.grid[d][period] = 1;
    c.availableCount = countAvailable(c.grid);
    return id;
  }
  int addSubject(const std::string& name, const std::string& shortName) {
    const int id = school.addSubject(name);
    storeText(school.project.edit().subjects[school.project.image().subjectCount].shortName,
              shortName);
    return id;
  }
  int addTeacher(const std::string& name, const std::string& shortName) {
    const int id = school.addTeacher(name);
    storeText(school.project.edit().teachers[school.project.image().teacherCount].shortName,
              shortName);
    return id;
  }
  int addRoom(const std::string& name, const std::string& shortName) {
    const int id = school.addRoom(name);
    storeText(school.project.edit().rooms[school.project.image().roomCount].shortName, shortName);
    return id;
  }
};

}  // namespace jadvalon::testing
