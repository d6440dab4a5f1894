// The reader of school descriptions: splits the text into sections, then reads them in the
// order their references need (header and shifts first, lessons last).
#include "tools/school_compiler/description_parser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <set>

#include "model/text_codec.h"

namespace jadvalon::school {
namespace {

constexpr std::array<const char*, kDays> kDayShortNames{"Du", "Se", "Ch", "Pa", "Ju", "Sh"};
// More errors than this are not worth reading: the first ones usually explain the rest.
constexpr std::size_t kMaxErrors = 25;

// Where a short name was defined: its position in its list and its line.
struct Entry {
  int position = 0;
  int line = 0;
};
using Index = std::map<std::string, Entry>;

struct Line {
  int number = 0;
  std::string text;  // comment removed, trimmed
};

enum class Section { School, Shifts, Periods, Subjects, Rooms, Classes, Teachers, Lessons };
constexpr std::array<const char*, 8> kSectionNames{"school", "shifts",  "periods",  "subjects",
                                                   "rooms",  "classes", "teachers", "lessons"};

std::string trim(std::string_view s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return std::string(s.substr(begin, end - begin));
}

std::vector<std::string> split(std::string_view s, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = s.find(separator, start);
    parts.push_back(trim(s.substr(start, at == std::string_view::npos ? at : at - start)));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::optional<int> toInt(std::string_view s) {
  int value = 0;
  const auto [end, rc] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (rc != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return value;
}

// Hours per week as the lesson editor offers them: 0,5 .. 5 in steps of 0,5, then 6 .. 10.
std::optional<int> toHalfUnits(std::string_view s) {
  std::string text(s);
  std::replace(text.begin(), text.end(), '.', ',');
  const std::size_t comma = text.find(',');
  const std::optional<int> whole = toInt(text.substr(0, comma));
  if (!whole) return std::nullopt;
  if (comma == std::string::npos) {
    if (*whole >= 1 && *whole <= 10) return 2 * *whole;
    return std::nullopt;
  }
  if (text.substr(comma + 1) != "5" || *whole < 0 || *whole > 4) return std::nullopt;
  return 2 * *whole + 1;
}

std::optional<int> dayNumber(std::string_view s) {
  for (int d = 0; d < kDays; ++d)
    if (equalsIgnoringCase(s, kDayShortNames[static_cast<std::size_t>(d)])) return d;
  return std::nullopt;
}

std::size_t storedLength(const std::string& utf8) { return utf8ToCp1251(utf8).size(); }

class Parser {
 public:
  explicit Parser(std::string fileName) : fileName_(std::move(fileName)) {}

  ParseResult run(std::string_view text) {
    splitSections(text);
    if (errors_.empty()) readSections();
    ParseResult result;
    result.errors = std::move(errors_);
    if (result.errors.empty()) result.school = std::move(school_);
    return result;
  }

 private:
  void error(int line, const std::string& message) {
    if (errors_.size() == kMaxErrors)
      errors_.push_back(fileName_ + ": too many errors, stopping here");
    if (errors_.size() > kMaxErrors) return;
    errors_.push_back(fileName_ + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                      message);
  }

  // --- Lines and sections ---

  void splitSections(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::optional<Section> current;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view raw = text.substr(start, end - start);
      start = end + 1;
      ++number;
      if (!isValidUtf8(raw)) {
        error(number, "the line is not valid UTF-8 text; save the file as UTF-8");
        continue;
      }
      const std::string content = trim(raw.substr(0, raw.find('#')));
      if (content.empty()) continue;
      if (content.front() == '[') {
        current = openSection(number, content);
        continue;
      }
      if (!current) {
        error(number, "text before the first section; a description starts with [school]");
        continue;
      }
      sections_[*current].push_back({number, content});
    }
    for (Section required : {Section::School, Section::Shifts, Section::Periods})
      if (!opened_.contains(required))
        error(0,
              std::string("missing section [") + kSectionNames[static_cast<int>(required)] + "]");
  }

  std::optional<Section> openSection(int number, const std::string& header) {
    if (header.back() != ']') {
      error(number, "a section name ends with ']': " + header);
      return std::nullopt;
    }
    const std::string name = trim(std::string_view(header).substr(1, header.size() - 2));
    for (std::size_t i = 0; i < kSectionNames.size(); ++i) {
      if (name != kSectionNames[i]) continue;
      const auto section = static_cast<Section>(i);
      if (opened_.contains(section)) {
        error(number, "section [" + name + "] appears a second time (first at line " +
                          std::to_string(opened_[section]) + ")");
        return std::nullopt;
      }
      opened_[section] = number;
      return section;
    }
    error(number, "unknown section [" + name +
                      "]; the sections are [school], [shifts], [periods], [subjects], [rooms], "
                      "[classes], [teachers] and [lessons]");
    return std::nullopt;
  }

  void readSections() {
    for (const Line& line : sections_[Section::School]) readHeaderLine(line);
    if (!sawWorkingDays_ && opened_.contains(Section::School))
      error(opened_[Section::School],
            "[school] needs the working days: \"days: 5\" or \"days: 6\"");
    for (const Line& line : sections_[Section::Shifts]) readShift(line);
    if (std::none_of(school_.shifts.begin(), school_.shifts.end(),
                     [](const ShiftDescription& s) { return s.firstPeriod > 0; }) &&
        opened_.contains(Section::Shifts))
      error(opened_[Section::Shifts], "[shifts] describes no shift");
    for (const Line& line : sections_[Section::Periods]) readPeriod(line);
    for (const Line& line : sections_[Section::Subjects]) readSubject(line);
    for (const Line& line : sections_[Section::Rooms]) readRoom(line);
    for (const Line& line : sections_[Section::Classes]) readClass(line);
    for (const Line& line : sections_[Section::Teachers]) readTeacher(line);
    for (const Line& line : sections_[Section::Lessons]) readLesson(line);
  }

  // --- Field helpers ---

  // Checks the number of fixed fields and returns the options that follow them.
  std::optional<std::vector<std::string>> fields(const Line& line, std::size_t fixed,
                                                 const char* layout) {
    std::vector<std::string> parts = split(line.text, '|');
    if (parts.size() < fixed) {
      error(line.number, std::string("expected ") + layout);
      return std::nullopt;
    }
    return parts;
  }

  bool checkText(int line, const std::string& what, const std::string& text, std::size_t capacity,
                 bool required) {
    if (required && text.empty()) {
      error(line, what + " is empty");
      return false;
    }
    if (storedLength(text) > capacity) {
      error(line,
            what + " \"" + text + "\" is longer than " + std::to_string(capacity) + " characters");
      return false;
    }
    return true;
  }

  std::optional<int> number(int line, const std::string& what, const std::string& text, int min,
                            int max) {
    const std::optional<int> value = toInt(text);
    if (!value || *value < min || *value > max) {
      error(line, what + " \"" + text + "\" is not a whole number from " + std::to_string(min) +
                      " to " + std::to_string(max));
      return std::nullopt;
    }
    return value;
  }

  // Names and short names of one table: both required, short names unique within the table.
  bool checkNames(const Line& line, const char* table, const std::string& name,
                  const std::string& shortName, std::size_t nameCapacity, const Index& index) {
    bool ok = checkText(line.number, "the name", name, nameCapacity, true);
    ok = checkText(line.number, "the short name", shortName, 10, true) && ok;
    if (!ok) return false;
    if (const auto at = index.find(shortName); at != index.end()) {
      error(line.number, std::string("the short name \"") + shortName +
                             "\" is already used by the " + table + " at line " +
                             std::to_string(at->second.line));
      return false;
    }
    return true;
  }

  std::optional<int> lookup(const Line& line, const Index& index, const char* what,
                            const std::string& shortName) {
    const auto at = index.find(shortName);
    if (at != index.end()) return at->second.position;
    error(line.number, std::string("unknown ") + what + " \"" + shortName + "\"");
    return std::nullopt;
  }

  // Accepts a record: it gets the next position of its list, under its short name.
  template <class Record>
  void accept(std::vector<Record>& list, Index& index, Record record) {
    index.emplace(record.shortName, Entry{static_cast<int>(list.size()), record.line});
    list.push_back(std::move(record));
  }

  // "Du", "Du3", "Du1-3", separated by commas.
  bool readSlots(const Line& line, const std::string& value, Unavailable& off) {
    if (value.empty()) {
      error(line.number, "\"off\" needs slots such as Du, Ju5 or Sh1-3");
      return false;
    }
    for (std::string item : split(value, ',')) {
      std::erase_if(item, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
      std::size_t digits = 0;
      while (digits < item.size() && !std::isdigit(static_cast<unsigned char>(item[digits])))
        ++digits;
      const std::optional<int> day = dayNumber(std::string_view(item).substr(0, digits));
      int first = 1, last = kPeriods;
      bool ok = day.has_value();
      if (ok && digits < item.size()) {
        const std::vector<std::string> range = split(std::string_view(item).substr(digits), '-');
        const std::optional<int> a = toInt(range.front());
        const std::optional<int> b = range.size() == 2 ? toInt(range.back()) : a;
        ok = range.size() <= 2 && a && b && *a >= 1 && *a <= *b && *b <= kPeriods;
        if (ok) first = *a, last = *b;
      }
      if (!ok) {
        error(line.number, "bad slot \"" + item +
                               "\": write a day (Du Se Ch Pa Ju Sh) with an optional period or "
                               "range of periods 1..14, such as Ju or Du1-3");
        return false;
      }
      for (int p = first; p <= last; ++p)
        off[static_cast<std::size_t>(*day)][static_cast<std::size_t>(p - 1)] = true;
    }
    return true;
  }

  bool readMethodDays(const Line& line, const std::string& value, std::array<bool, kDays>& days) {
    for (const std::string& item : split(value, ',')) {
      const std::optional<int> day = dayNumber(item);
      if (!day) {
        error(line.number, "bad method day \"" + item + "\": write Du, Se, Ch, Pa, Ju or Sh");
        return false;
      }
      if (*day >= school_.workingDays) {
        error(line.number, "method day " + item + " is not a working day");
        return false;
      }
      days[static_cast<std::size_t>(*day)] = true;
    }
    return true;
  }

  // Splits an option into its keyword and value; calls `handle(keyword, value)`, which returns
  // false for an unknown keyword.
  template <class Handler>
  void readOptions(const Line& line, const std::vector<std::string>& parts, std::size_t fixed,
                   const char* known, Handler&& handle) {
    for (std::size_t i = fixed; i < parts.size(); ++i) {
      const std::string& option = parts[i];
      const std::size_t space = option.find(' ');
      const std::string keyword = option.substr(0, space);
      const std::string value = space == std::string::npos ? "" : trim(option.substr(space));
      if (keyword.empty()) {
        error(line.number, "an empty field between two '|'");
      } else if (!handle(keyword, value)) {
        error(line.number, "unknown option \"" + keyword + "\"; here the options are " + known);
      }
    }
  }

  bool flag(const Line& line, const std::string& keyword, const std::string& value, bool& target) {
    if (!value.empty()) error(line.number, "\"" + keyword + "\" takes no value");
    target = true;
    return true;
  }

  bool withinLimit(const Line& line, std::size_t count, int limit, const char* what) {
    if (count < static_cast<std::size_t>(limit)) return true;
    error(line.number, std::string("more than ") + std::to_string(limit) + " " + what +
                           "; a project holds at most " + std::to_string(limit));
    return false;
  }

  // --- Sections ---

  void readHeaderLine(const Line& line) {
    const std::size_t colon = line.text.find(':');
    if (colon == std::string::npos) {
      error(line.number,
            "expected \"key: value\" (institution, director, town, year, deputy, "
            "psychologist, days)");
      return;
    }
    const std::string key = trim(std::string_view(line.text).substr(0, colon));
    const std::string value = trim(std::string_view(line.text).substr(colon + 1));
    if (!headerKeys_.insert(key).second) {
      error(line.number, "\"" + key + "\" is given a second time");
      return;
    }
    struct Field {
      const char* key;
      std::string* target;
      std::size_t capacity;
    };
    const Field textFields[] = {{"institution", &school_.institution, 100},
                                {"director", &school_.director, 50},
                                {"town", &school_.town, 50},
                                {"year", &school_.academicYear, 20},
                                {"deputy", &school_.deputyDirector, 47},
                                {"psychologist", &school_.psychologist, 47}};
    for (const Field& field : textFields) {
      if (key != field.key) continue;
      if (checkText(line.number, "the " + key, value, field.capacity, false)) *field.target = value;
      return;
    }
    if (key == "days") {
      sawWorkingDays_ = true;
      if (value == "5" || value == "6")
        school_.workingDays = value[0] - '0';
      else
        error(line.number, "the working days are 5 or 6, not \"" + value + "\"");
      return;
    }
    error(line.number, "unknown key \"" + key +
                           "\"; the keys are institution, director, town, year, deputy, "
                           "psychologist and days");
  }

  void readShift(const Line& line) {
    const auto parts = fields(line, 3, "shift | first period | lessons per day, such as 1 | 1 | 6");
    if (!parts) return;
    if (parts->size() > 3) error(line.number, "a shift line has three fields");
    const auto shift = number(line.number, "the shift", (*parts)[0], 1, 3);
    const auto first = number(line.number, "the first period", (*parts)[1], 1, 10);
    const auto lessons = number(line.number, "the lessons per day", (*parts)[2], 4, 10);
    if (!shift || !first || !lessons) return;
    if (*first + *lessons - 1 > kPeriods) {
      error(line.number, "the shift would end after period 14");
      return;
    }
    ShiftDescription& target = school_.shifts[static_cast<std::size_t>(*shift - 1)];
    if (target.firstPeriod != 0) {
      error(line.number, "shift " + std::to_string(*shift) + " is described a second time");
      return;
    }
    target = {*first, *lessons};
  }

  void readPeriod(const Line& line) {
    const auto parts = fields(line, 2, "period | time, such as 1 | 08:00-08:45");
    if (!parts) return;
    if (parts->size() > 2) error(line.number, "a period line has two fields");
    const auto period = number(line.number, "the period", (*parts)[0], 1, kPeriods);
    if (!period || !checkText(line.number, "the time", (*parts)[1], 15, false)) return;
    std::string& target = school_.periodTimes[static_cast<std::size_t>(*period - 1)];
    if (!target.empty()) {
      error(line.number, "period " + std::to_string(*period) + " is given a second time");
      return;
    }
    target = (*parts)[1];
  }

  void readSubject(const Line& line) {
    const auto parts = fields(line, 3, "name | short name | difficulty 0..14");
    if (!parts) return;
    SubjectDescription subject;
    subject.line = line.number;
    subject.name = (*parts)[0];
    subject.shortName = (*parts)[1];
    if (!withinLimit(line, school_.subjects.size(), kMaxSubjects, "subjects")) return;
    bool ok = checkNames(line, "subject", subject.name, subject.shortName, 50, subjectIndex_);
    const auto difficulty = number(line.number, "the difficulty", (*parts)[2], 0, 14);
    ok = ok && difficulty;
    if (difficulty) {
      subject.difficulty = *difficulty;
      subject.bands.fill(*difficulty);
    }
    readOptions(line, *parts, 3, "bands and off",
                [&](const std::string& key, const std::string& v) {
                  if (key == "off") {
                    ok = readSlots(line, v, subject.off) && ok;
                    return true;
                  }
                  if (key != "bands") return false;
                  const std::vector<std::string> values = split(v, ',');
                  if (values.size() != 7) {
                    error(line.number,
                          "\"bands\" needs seven difficulties: grades 1-4, 5, 6, 7, 8, 9, 10-11");
                    ok = false;
                    return true;
                  }
                  for (std::size_t b = 0; b < 7; ++b) {
                    const auto value = number(line.number, "a band difficulty", values[b], 0, 14);
                    if (value) subject.bands[b] = *value;
                    ok = ok && value;
                  }
                  return true;
                });
    if (ok) accept(school_.subjects, subjectIndex_, std::move(subject));
  }

  void readRoom(const Line& line) {
    const auto parts = fields(line, 2, "name | short name");
    if (!parts) return;
    RoomDescription room;
    room.line = line.number;
    room.name = (*parts)[0];
    room.shortName = (*parts)[1];
    if (!withinLimit(line, school_.rooms.size(), kMaxRooms, "rooms")) return;
    bool ok = checkNames(line, "room", room.name, room.shortName, 50, roomIndex_);
    readOptions(line, *parts, 2, "off", [&](const std::string& key, const std::string& v) {
      if (key != "off") return false;
      ok = readSlots(line, v, room.off) && ok;
      return true;
    });
    if (ok) accept(school_.rooms, roomIndex_, std::move(room));
  }

  void readClass(const Line& line) {
    const auto parts = fields(line, 4, "name | short name | grade 0..11 | shift 1..3");
    if (!parts) return;
    ClassDescription cls;
    cls.line = line.number;
    cls.name = (*parts)[0];
    cls.shortName = (*parts)[1];
    if (!withinLimit(line, school_.classes.size(), kMaxClasses, "classes")) return;
    bool ok = checkNames(line, "class", cls.name, cls.shortName, 50, classIndex_);
    const auto grade = number(line.number, "the grade", (*parts)[2], 0, 11);
    const auto shift = number(line.number, "the shift", (*parts)[3], 1, 3);
    if (shift && school_.shifts[static_cast<std::size_t>(*shift - 1)].firstPeriod == 0) {
      error(line.number, "shift " + (*parts)[3] + " is not described in [shifts]");
      ok = false;
    }
    ok = ok && grade && shift;
    if (grade) cls.grade = *grade;
    if (shift) cls.shift = *shift;
    readOptions(line, *parts, 4, "off", [&](const std::string& key, const std::string& v) {
      if (key != "off") return false;
      ok = readSlots(line, v, cls.off) && ok;
      return true;
    });
    if (ok) accept(school_.classes, classIndex_, std::move(cls));
  }

  void readTeacher(const Line& line) {
    const auto parts = fields(line, 3, "name | short name | lessons per day 0..10");
    if (!parts) return;
    TeacherDescription teacher;
    teacher.line = line.number;
    teacher.name = (*parts)[0];
    teacher.shortName = (*parts)[1];
    if (!withinLimit(line, school_.teachers.size(), kMaxAddedTeachers, "teachers")) return;
    bool ok = checkNames(line, "teacher", teacher.name, teacher.shortName, 47, teacherIndex_);
    const auto maximum = number(line.number, "the lessons per day", (*parts)[2], 0, 10);
    ok = ok && maximum;
    if (maximum) teacher.dailyMaximum = *maximum;
    readOptions(line, *parts, 3, "gaps, parallel, method, off and phone",
                [&](const std::string& key, const std::string& v) {
                  if (key == "gaps") return flag(line, key, v, teacher.gaps);
                  if (key == "parallel") return flag(line, key, v, teacher.parallel);
                  if (key == "method") {
                    ok = readMethodDays(line, v, teacher.methodDays) && ok;
                  } else if (key == "off") {
                    ok = readSlots(line, v, teacher.off) && ok;
                  } else if (key == "phone") {
                    if (v.size() != 9 || !std::all_of(v.begin(), v.end(), [](char c) {
                          return std::isdigit(static_cast<unsigned char>(c));
                        })) {
                      error(line.number,
                            "the phone is the nine digits after +998, not \"" + v + "\"");
                      ok = false;
                    }
                    teacher.phone = v;
                  } else {
                    return false;
                  }
                  return true;
                });
    if (ok) accept(school_.teachers, teacherIndex_, std::move(teacher));
  }

  bool readRoomList(const Line& line, const std::string& value, std::vector<int>& rooms) {
    for (const std::string& item : split(value, ',')) {
      const auto room = lookup(line, roomIndex_, "room", item);
      if (!room) return false;
      if (std::find(rooms.begin(), rooms.end(), *room) != rooms.end()) {
        error(line.number, "room \"" + item + "\" is listed twice");
        return false;
      }
      rooms.push_back(*room);
    }
    if (rooms.size() > 10) {
      error(line.number, "a group has at most 10 candidate rooms");
      return false;
    }
    return true;
  }

  void readLesson(const Line& line) {
    const auto parts =
        fields(line, 4, "class | subject | teacher | hours, such as 5A | Mat | KarimovA | 2,5");
    if (!parts) return;
    if (!withinLimit(line, school_.lessons.size(), kMaxLessons, "lessons")) return;
    LessonDescription lesson;
    lesson.line = line.number;
    const auto cls = lookup(line, classIndex_, "class", (*parts)[0]);
    const auto subject = lookup(line, subjectIndex_, "subject", (*parts)[1]);
    const auto teacher = lookup(line, teacherIndex_, "teacher", (*parts)[2]);
    const auto halfUnits = toHalfUnits((*parts)[3]);
    bool ok = cls && subject && teacher;
    if (!halfUnits) {
      error(line.number, "bad hours \"" + (*parts)[3] +
                             "\": write 0,5 to 5 in steps of 0,5, or 6, 7, 8, 9 or 10");
      ok = false;
    }
    std::optional<int> teacher2, subject2;
    bool hasRooms2 = false;
    readOptions(line, *parts, 4, "rooms, teacher2, subject2, rooms2, pair and off",
                [&](const std::string& key, const std::string& v) {
                  if (key == "pair") return flag(line, key, v, lesson.pair);
                  if (key == "rooms") {
                    ok = readRoomList(line, v, lesson.rooms1) && ok;
                  } else if (key == "rooms2") {
                    hasRooms2 = true;
                    ok = readRoomList(line, v, lesson.rooms2) && ok;
                  } else if (key == "teacher2") {
                    teacher2 = lookup(line, teacherIndex_, "teacher", v);
                    ok = teacher2 && ok;
                  } else if (key == "subject2") {
                    subject2 = lookup(line, subjectIndex_, "subject", v);
                    ok = subject2 && ok;
                  } else if (key == "off") {
                    ok = readSlots(line, v, lesson.off) && ok;
                  } else {
                    return false;
                  }
                  return true;
                });
    if (!ok) return;
    if (!teacher2 && (subject2 || hasRooms2)) {
      error(line.number, "subject2 and rooms2 belong to a second group: give teacher2 as well");
      return;
    }
    if (teacher2 && *teacher2 == *teacher) {
      error(line.number, "teacher2 is the teacher of group 1; two groups need two teachers");
      return;
    }
    if (lesson.pair && *halfUnits % 4 != 0) {
      error(line.number,
            "\"pair\" needs 2, 4, 6, 8 or 10 hours (whole double periods), not " + (*parts)[3]);
      return;
    }
    const auto key = std::make_pair(*cls, *subject);
    if (const auto at = lessonLines_.find(key); at != lessonLines_.end()) {
      error(line.number, "class \"" + (*parts)[0] + "\" already has a lesson of \"" + (*parts)[1] +
                             "\" at line " + std::to_string(at->second) +
                             "; put the hours into one lesson or use a second group");
      return;
    }
    lessonLines_.emplace(key, line.number);
    lesson.classIndex = *cls;
    lesson.subject1 = *subject;
    lesson.teacher1 = *teacher;
    lesson.teacher2 = teacher2.value_or(*teacher);
    lesson.subject2 = teacher2 ? subject2.value_or(*subject) : *subject;
    if (!teacher2) lesson.rooms2.clear();
    lesson.halfUnits = *halfUnits;
    school_.lessons.push_back(std::move(lesson));
  }

  std::string fileName_;
  std::vector<std::string> errors_;
  std::map<Section, std::vector<Line>> sections_;
  std::map<Section, int> opened_;
  std::set<std::string> headerKeys_;
  bool sawWorkingDays_ = false;
  SchoolDescription school_;
  Index subjectIndex_, roomIndex_, classIndex_, teacherIndex_;
  std::map<std::pair<int, int>, int> lessonLines_;
};

}  // namespace

ParseResult parseSchoolDescription(std::string_view text, const std::string& fileName) {
  return Parser(fileName).run(text);
}

}  // namespace jadvalon::school
