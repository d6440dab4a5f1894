// Column widths of the six layouts for the column and short-name options.
#include <gtest/gtest.h>

#include "reports/report_builder.h"
#include "school_fixture.h"

namespace jadvalon {
namespace {

enum Flag : unsigned {
  kTimes = 1,
  kSecond = 2,
  kThird = 4,
  kSeparate = 8,
  kShortFirst = 16,
  kShortSecond = 32,
  kShortThird = 64,
};

struct WidthCase {
  ReportKind kind;
  ReportArrangement arrangement;
  unsigned flags;
  std::vector<int> expected;  // the columns of a table of two entities (or of one day-across)
};

class ColumnWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidths, FollowTheOptions) {
  testing::SchoolFixture fixture;
  const WidthCase& c = GetParam();
  ReportOptions o;
  o.kind = c.kind;
  o.arrangement = c.arrangement;
  o.selection = {1, 2};
  o.times = c.flags & kTimes;
  o.secondColumn = c.flags & kSecond;
  o.thirdColumn = c.flags & kThird;
  o.separateColumn = c.flags & kSeparate;
  o.shortFirst = c.flags & kShortFirst;
  o.shortSecond = c.flags & kShortSecond;
  o.shortThird = c.flags & kShortThird;
  const Report report = buildReport(fixture.project(), o);
  ASSERT_FALSE(report.tables.empty());
  const std::vector<int>& widths = report.tables[0].columnWidths;
  // Day-across tables repeat the day's columns six times: compare the first day only.
  const std::vector<int> compared =
      c.arrangement == ReportArrangement::Separate && c.kind != ReportKind::Classes
          ? std::vector<int>(widths.begin(), widths.begin() + static_cast<long>(c.expected.size()))
          : widths;
  EXPECT_EQ(compared, c.expected);
}

using A = ReportArrangement;
using K = ReportKind;

INSTANTIATE_TEST_SUITE_P(
    Layouts, ColumnWidths,
    ::testing::Values(
        WidthCase{K::Classes, A::Separate, 0, {40, 30, 300}},
        WidthCase{K::Classes, A::Separate, kShortFirst, {40, 30, 150}},
        WidthCase{K::Classes, A::Separate, kShortFirst | kSecond, {40, 30, 300}},
        WidthCase{K::Classes,
                  A::Separate,
                  kShortFirst | kSecond | kShortSecond | kThird,
                  {40, 30, 150, 150}},
        WidthCase{K::Classes,
                  A::Separate,
                  kTimes | kSecond | kSeparate | kShortSecond | kThird | kShortThird,
                  {40, 30, 80, 200, 100, 75}},
        WidthCase{K::Classes, A::Combined, kSecond | kShortFirst, {40, 30, 200, 200}},
        WidthCase{K::Classes,
                  A::Combined,
                  kSecond | kShortFirst | kShortSecond | kThird,
                  {40, 30, 100, 60, 100, 60}},
        WidthCase{K::Classes,
                  A::Combined,
                  kShortFirst | kThird | kShortThird | kTimes,
                  {40, 30, 80, 100, 35, 100, 35}},
        WidthCase{K::Teachers, A::Separate, 0, {30, 100}},
        WidthCase{K::Teachers, A::Separate, kShortFirst | kTimes, {30, 80, 75}},
        WidthCase{K::Teachers, A::Separate, kSecond | kShortSecond | kThird, {30, 100, 60}},
        WidthCase{K::Teachers,
                  A::Separate,
                  kSecond | kSeparate | kShortFirst | kThird | kShortThird,
                  {30, 75, 150, 35}},
        WidthCase{K::Teachers, A::Combined, kSecond | kShortFirst, {40, 30, 100, 100}},
        WidthCase{K::Teachers, A::Combined, kShortFirst | kThird, {40, 30, 50, 60, 50, 60}},
        WidthCase{K::Teachers,
                  A::Combined,
                  kSecond | kSeparate | kShortSecond,
                  {40, 30, 100, 75, 100, 75}},
        // Rooms: class 75/50, teacher 100/50, subject 100/50 in one cell; no times column.
        WidthCase{K::Rooms, A::Separate, kTimes, {30, 75}},
        WidthCase{K::Rooms, A::Separate, kSecond | kThird | kShortThird, {30, 225}},
        WidthCase{K::Rooms,
                  A::Combined,
                  kShortFirst | kSecond | kShortSecond | kThird,
                  {40, 30, 200, 200}}));

}  // namespace
}  // namespace jadvalon
