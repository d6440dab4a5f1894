// The HTML pages of the six report layouts, byte for byte, and the rules behind their rows and
// cell texts.
#include <gtest/gtest.h>

#include <string>

#include "golden.h"
#include "reports/html_report_writer.h"
#include "reports/report_builder.h"
#include "school_fixture.h"

namespace jadvalon {
namespace {

using testing::SchoolFixture;

std::string page(Project& project, const ReportOptions& options) {
  return HtmlReportWriter::render(buildReport(project, options));
}

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

ReportOptions options(ReportKind kind, std::vector<int> selection,
                      ReportArrangement arrangement = ReportArrangement::Separate) {
  ReportOptions o;
  o.kind = kind;
  o.selection = std::move(selection);
  o.arrangement = arrangement;
  return o;
}

struct GoldenCase {
  const char* file;
  ReportOptions options;
};

class GoldenPages : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPages, MatchByteForByte) {
  SchoolFixture fixture;
  if (std::string(GetParam().file) == "teachers_separate.html")
    storeText(fixture.project().edit().header.director, "");  // the underscore line
  testing::expectGolden(GetParam().file, page(fixture.project(), GetParam().options));
}

ReportOptions with(ReportOptions o, void (*change)(ReportOptions&)) {
  change(o);
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    SixLayouts, GoldenPages,
    ::testing::Values(
        // One class: approval, times, teacher under the subject in bold, rooms.
        GoldenCase{"classes_separate.html", with(options(ReportKind::Classes, {1, 2}),
                                                 [](ReportOptions& o) {
                                                   o.approval = o.times = o.secondColumn =
                                                       o.thirdColumn = true;
                                                 })},
        // Three classes side by side, teacher in its own column, short rooms, no approval.
        GoldenCase{"classes_combined.html",
                   with(options(ReportKind::Classes, {1, 2, 3}, ReportArrangement::Combined),
                        [](ReportOptions& o) {
                          o.secondColumn = o.thirdColumn = o.separateColumn = true;
                          o.shortThird = true;
                        })},
        // Day-across tables with clock times, an empty director name and no psychologist.
        GoldenCase{"teachers_separate.html", with(options(ReportKind::Teachers, {1, 3}),
                                                  [](ReportOptions& o) {
                                                    o.approval = o.times = o.secondColumn =
                                                        o.thirdColumn = true;
                                                  })},
        GoldenCase{"teachers_combined.html",
                   with(options(ReportKind::Teachers, {1, 2, 3}, ReportArrangement::Combined),
                        [](ReportOptions& o) {
                          o.approval = o.times = o.secondColumn = true;
                          o.shortFirst = true;
                        })},
        // The approval option gives the signatures at the end but no block above room tables.
        GoldenCase{"rooms_separate.html", with(options(ReportKind::Rooms, {1}),
                                               [](ReportOptions& o) {
                                                 o.approval = o.secondColumn = o.thirdColumn = true;
                                                 o.shortSecond = true;
                                               })},
        GoldenCase{"rooms_combined.html",
                   with(options(ReportKind::Rooms, {1, 2, 3}, ReportArrangement::Combined),
                        [](ReportOptions& o) {
                          o.secondColumn = true;
                          o.shortFirst = o.shortSecond = true;
                        })}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
      std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

TEST(HtmlReport, ApprovalOffWritesSpacersAndNoSignatures) {
  SchoolFixture fixture;
  for (const ReportKind kind : {ReportKind::Classes, ReportKind::Teachers, ReportKind::Rooms}) {
    const std::string html = page(fixture.project(), options(kind, {1, 2}));
    EXPECT_EQ(occurrences(html, "<P> </P>\n<table WIDTH="), 2);
    EXPECT_EQ(html.find("<p align=right>"), std::string::npos);
    EXPECT_EQ(html.find("line 37"), std::string::npos);
    EXPECT_EQ(html.find("line 38"), std::string::npos);
  }
}

TEST(HtmlReport, RoomReportKeepsNoApprovalBlockButSignsAtTheEnd) {
  SchoolFixture fixture;
  ReportOptions o = options(ReportKind::Rooms, {1, 2});
  o.approval = true;
  const std::string html = page(fixture.project(), o);
  EXPECT_EQ(html.find("<p align=right>"), std::string::npos);
  EXPECT_EQ(occurrences(html, "<P> </P>"), 2);
  EXPECT_NE(html.find("&nbsp;&nbsp;&nbsp;line 37&nbsp;&nbsp;_________&nbsp;&nbspTursunova M.\n"),
            std::string::npos);
}

TEST(HtmlReport, SingleChosenEntityIsWrittenSeparateEvenWhenCombinedIsAsked) {
  SchoolFixture fixture;
  for (const ReportKind kind : {ReportKind::Classes, ReportKind::Teachers, ReportKind::Rooms}) {
    ReportOptions combined = options(kind, {2}, ReportArrangement::Combined);
    combined.approval = combined.secondColumn = true;
    ReportOptions separate = combined;
    separate.arrangement = ReportArrangement::Separate;
    EXPECT_EQ(page(fixture.project(), combined), page(fixture.project(), separate));
    EXPECT_EQ(buildReport(fixture.project(), combined).tables.size(), 1u);
  }
}

TEST(HtmlReport, DayWithoutLessonsIsLeftOutOfClassTable) {
  SchoolFixture fixture;  // 5-A has lessons on days 1 and 3 only
  const std::string html = page(fixture.project(), options(ReportKind::Classes, {1}));
  EXPECT_NE(html.find(">D1</B>"), std::string::npos);
  EXPECT_EQ(html.find(">D2</B>"), std::string::npos);
  EXPECT_NE(html.find(">D3</B>"), std::string::npos);
  EXPECT_EQ(occurrences(html, "<TD ROWSPAN=2 BGCOLOR=\"#dddddd\"><P ALIGN=CENTER><B>"), 2);
}

TEST(HtmlReport, TeacherClashShowsBothClasses) {
  SchoolFixture fixture;
  const std::string html = page(fixture.project(), options(ReportKind::Teachers, {1}));
  EXPECT_NE(html.find("<P ALIGN=CENTER>5-A/6-B</P></TD>"), std::string::npos);
}

TEST(HtmlReport, RoomClashStacksBothLessons) {
  SchoolFixture fixture;
  const std::string html = page(fixture.project(), options(ReportKind::Rooms, {1}));
  EXPECT_NE(html.find("<P ALIGN=CENTER>5-A /<br> 6-B</P></TD>"), std::string::npos);
}

struct SplitCase {
  int classPosition;
  const char* subjects;
  const char* teachers;
  const char* rooms;
};

class SplitLessons : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLessons, ShowBothGroups) {
  SchoolFixture fixture;
  ReportOptions o = options(ReportKind::Classes, {GetParam().classPosition});
  o.secondColumn = o.thirdColumn = o.separateColumn = true;
  const std::string html = page(fixture.project(), o);
  const std::string body = "<TD BGCOLOR=\"#ffffcc\"><P ALIGN=CENTER>";
  EXPECT_NE(html.find(body + GetParam().subjects + "</P></TD>\n" + body + GetParam().teachers +
                      "</P></TD>\n<TD BGCOLOR=\"#ffffaa\"><P ALIGN=CENTER>" + GetParam().rooms +
                      "</P></TD>"),
            std::string::npos)
      << html;
}

INSTANTIATE_TEST_SUITE_P(
    Groups, SplitLessons,
    ::testing::Values(
        // Two subjects: both, joined by ", ".
        SplitCase{1, "Ingliz tili, Informatika", "Rahimov B., Saidova D.", "Xona 14, Sport zali"},
        // The same subject in both groups: once.
        SplitCase{2, "Ingliz tili", "Rahimov B., Saidova D.", "Xona 12, Xona 14"},
        // Two fortnightly lessons in one slot: week 1 first, then week 2.
        SplitCase{1, "Ona tili/Informatika", "Rahimov B./Saidova D.", "Xona 12 / Sport zali"}));

TEST(HtmlReport, TeacherReportWithTimesCarriesClockTimeAfterPeriod) {
  SchoolFixture fixture;
  for (const auto arrangement : {ReportArrangement::Separate, ReportArrangement::Combined}) {
    ReportOptions o = options(ReportKind::Teachers, {1, 2}, arrangement);
    o.times = true;
    const Report report = buildReport(fixture.project(), o);
    ASSERT_FALSE(report.tables.empty());
    for (const ReportRow& row : report.tables[0].bodyRows) {
      const std::size_t period = row.cells[0].kind == CellKind::DaySpan ? 1 : 0;
      const int number = std::stoi(row.cells[period].lines[0]);
      EXPECT_EQ(row.cells[period + 1].lines[0],
                std::to_string(7 + number) + ":00-" + std::to_string(7 + number) + ":45");
    }
  }
}

TEST(HtmlReport, DaySixIsWrittenAcrossInAFiveDayWeek) {
  SchoolFixture fixture;
  for (const ReportKind kind : {ReportKind::Teachers, ReportKind::Rooms}) {
    const std::string html = page(fixture.project(), options(kind, {1}));
    EXPECT_NE(html.find(">Day 6</B>"), std::string::npos);
    EXPECT_EQ(html.find(">Day 7</B>"), std::string::npos);
  }
}

TEST(HtmlReport, UserTextIsEscaped) {
  SchoolFixture fixture;
  storeText(fixture.project().edit().header.institution, "\"Nur\" <maktab>");
  ReportOptions o = options(ReportKind::Teachers, {1});
  o.approval = true;
  const std::string html = page(fixture.project(), o);
  EXPECT_NE(html.find("Karimova &lt;&amp;&gt; N."), std::string::npos);
  EXPECT_NE(html.find("<br>&quot;Nur&quot; &lt;maktab&gt;line 542"), std::string::npos);
  EXPECT_EQ(html.find("<&>"), std::string::npos);
  EXPECT_EQ(html.find("<maktab>"), std::string::npos);
}

TEST(HtmlReport, NothingChosenWritesTheFrameOnly) {
  SchoolFixture fixture;
  EXPECT_EQ(page(fixture.project(), options(ReportKind::Classes, {})),
            "<html>\n<head>\n"
            "<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=utf-8\">\n"
            "<title>line 156\n</title>\n</head>\n"
            "<body LANG=\"uz-UZ\" LINK=\"#000080\" VLINK=\"#800000\" DIR=\"LTR\">\n"
            "<FONT FACE=\"Calibri, sans-serif\">\n<span style=\"font-size:9pt;\">\n"
            "</span>\n<P><BR></P>\n</body>\n</html>\n");
}

TEST(HtmlReport, LessonBeyondTheUsablePeriodsIsStillPrinted) {
  SchoolFixture fixture;  // the class grids end at period 4
  fixture.place(5, 6, 3, 1, fixture.room12);
  const Report report = buildReport(fixture.project(), options(ReportKind::Teachers, {1}));
  ASSERT_EQ(report.tables.size(), 1u);
  ASSERT_EQ(report.tables[0].bodyRows.size(), 6u);
  EXPECT_EQ(report.tables[0].bodyRows[5].cells[5].lines[0], "5-A");  // day 5, period 6
}

TEST(HtmlReport, SeparateColumnNeedsTheSecondColumn) {
  SchoolFixture fixture;
  ReportOptions o = options(ReportKind::Classes, {1, 2}, ReportArrangement::Combined);
  o.separateColumn = true;  // without the second column, as the dialog never leaves it
  o.thirdColumn = true;
  const Report report = buildReport(fixture.project(), o);
  ASSERT_EQ(report.tables.size(), 1u);
  // day, period, then per class one text column and the room column
  EXPECT_EQ(report.tables[0].columnCount(), 2 + 2 * 2);
  EXPECT_EQ(report.tables[0].headerRows[0].cells[2].colSpan, 2);
}

}  // namespace
}  // namespace jadvalon
