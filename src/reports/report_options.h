// What the user asked a timetable report to show: the kind, the entities, the columns, the names.
#pragma once

#include <vector>

namespace jadvalon {

enum class ReportKind { Classes, Teachers, Rooms };

// One table for all chosen entities, or one table per entity.
enum class ReportArrangement { Combined, Separate };

struct ReportOptions {
  ReportKind kind = ReportKind::Classes;
  // Approval block above the tables (classes and teachers) and the signature lines at the end.
  bool approval = false;
  bool times = false;  // a column with the period's clock time (classes and teachers)
  // Classes: the teacher; teachers: the subject; rooms: the teacher added to the cell.
  bool secondColumn = false;
  // Classes and teachers: the room; rooms: the subject added to the cell.
  bool thirdColumn = false;
  // The second piece in a column of its own instead of under the first (classes and teachers).
  bool separateColumn = false;
  bool shortFirst = false;
  bool shortSecond = false;
  bool shortThird = false;
  ReportArrangement arrangement = ReportArrangement::Combined;
  // Chosen entities as 1-based table positions, in the order they are printed.
  std::vector<int> selection;
};

}  // namespace jadvalon
