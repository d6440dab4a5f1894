// The files reports go to: the preview page, the numbered exports with their document beside
// them, the grid workbook, and worksheet names an office program accepts.
#include "reports/report_files.h"

#include <gtest/gtest.h>

#include "golden.h"
#include "package_reader.h"
#include "reports/grid_workbook.h"
#include "reports/html_report_writer.h"
#include "reports/report_builder.h"
#include "reports/worksheet_names.h"
#include "school_fixture.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

using testing::countOf;

struct FilesFixture : ::testing::Test {
  FilesFixture() {
    folder.ensureDataFolders();
    ReportOptions o;
    o.kind = ReportKind::Classes;
    o.selection = {1};
    report = buildReport(school.project(), o);
  }
  testing::TempFolder dir;
  ProgramFolder folder{dir.path()};
  ReportFiles files{folder};
  testing::SchoolFixture school;
  Report report;
};

TEST_F(FilesFixture, PreviewIsTempHtmlOverwrittenEachTime) {
  testing::writeBytes(folder.temp() / "temp.html", std::string("old"));
  ASSERT_TRUE(files.writePreview(report).ok());
  EXPECT_EQ(testing::readText(folder.temp() / "temp.html"), HtmlReportWriter::render(report));
}

TEST_F(FilesFixture, ExportsTakeTheNextFreeNumberWithTheDocumentBeside) {
  const ExportedReport first = files.exportReport(report, ExportTarget::Word);
  const ExportedReport second = files.exportReport(report, ExportTarget::Word);
  const ExportedReport third = files.exportReport(report, ExportTarget::Excel);
  ASSERT_TRUE(first.result.ok() && second.result.ok() && third.result.ok());
  EXPECT_EQ(first.number, 0);
  EXPECT_EQ(second.number, 1);
  EXPECT_EQ(third.number, 2);
  for (const auto& name :
       {"html0.html", "html0.docx", "html1.html", "html1.docx", "html2.html", "html2.xlsx"})
    EXPECT_TRUE(std::filesystem::exists(folder.temp() / name)) << name;
  EXPECT_EQ(third.document, folder.temp() / "html2.xlsx");
  EXPECT_EQ(testing::readText(first.page), HtmlReportWriter::render(report));
  EXPECT_FALSE(testing::readPackage(second.document).empty());
}

TEST_F(FilesFixture, NumberOfADocumentStillOpenIsNotReused) {
  testing::writeBytes(folder.temp() / "html0.docx", std::string("open in Word"));
  EXPECT_EQ(files.firstFreeNumber(), 1);
  // The start-up clean-up removes the export files, and numbering starts again at 0.
  folder.removeReportFiles();
  EXPECT_EQ(files.firstFreeNumber(), 0);
}

TEST_F(FilesFixture, MissingTempFolderIsReportedAndNothingIsWritten) {
  std::filesystem::remove_all(folder.temp());
  EXPECT_FALSE(files.writePreview(report).ok());
  const ExportedReport exported = files.exportReport(report, ExportTarget::Excel);
  EXPECT_FALSE(exported.result.ok());
  EXPECT_FALSE(std::filesystem::exists(folder.temp()));
}

TEST(GridWorkbook, WritesTextsWidthsBordersAndColouredFixedCells) {
  testing::TempFolder dir;
  TextGrid grid;
  grid.rows = {{"", "Du", "Se"}, {"5-A", "<&>", "12"}, {"6-B", "=1+1"}};
  grid.columnWidths = {75, 150, 30};
  grid.fixedRows = 1;
  grid.fixedColumns = 1;
  grid.fixedColour = 0xC0E0FF;
  ASSERT_TRUE(writeGridWorkbook(grid, dir / "grid.xlsx").ok());
  const auto parts = testing::readPackage(dir / "grid.xlsx");
  ASSERT_TRUE(parts.count("xl/worksheets/sheet1.xml"));
  for (const auto& [name, text] : parts) {
    if (name.ends_with(".xml")) {
      EXPECT_EQ(testing::xmlProblem(text), "") << name;
    }
  }
  const std::string& sheet = parts.at("xl/worksheets/sheet1.xml");
  // 150 pixels / 7.5 = 20 characters.
  EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"20.7109375\" customWidth=\"1\"/>"),
            std::string::npos);
  // Nine cells, the short last row filled up so its border is complete.
  EXPECT_EQ(countOf(sheet, "<c r="), 9);
  EXPECT_NE(sheet.find("<c r=\"C3\" s="), std::string::npos);
  // Texts stay texts: no formula is made of "=1+1".
  EXPECT_EQ(sheet.find("<f>"), std::string::npos);
  const std::string& strings = parts.at("xl/sharedStrings.xml");
  EXPECT_NE(strings.find("&lt;&amp;&gt;"), std::string::npos);
  const std::string& styles = parts.at("xl/styles.xml");
  EXPECT_NE(styles.find("formatCode=\"@\""), std::string::npos);
  EXPECT_NE(styles.find("rgb=\"FFC0E0FF\""), std::string::npos);
  // A fixed cell and a plain cell have different styles.
  const auto styleOf = [&](const std::string& ref) {
    const std::size_t at = sheet.find("<c r=\"" + ref + "\" s=\"");
    return at == std::string::npos ? std::string() : sheet.substr(at + ref.size() + 10, 2);
  };
  EXPECT_EQ(styleOf("A2"), styleOf("B1"));
  EXPECT_NE(styleOf("A2"), styleOf("B2"));
}

struct NameCase {
  std::vector<std::string> wanted;
  std::vector<std::string> expected;
};

class WorksheetNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(WorksheetNames, AreValidAndUnique) {
  EXPECT_EQ(worksheetNames(GetParam().wanted), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorksheetNames,
    ::testing::Values(NameCase{{"5A", "6B"}, {"5A", "6B"}},
                      NameCase{{"5/A", "a:b*c?[d]\\e"}, {"5_A", "a_b_c__d__e"}},
                      NameCase{{"", "  "}, {"1", "2"}}, NameCase{{"'Xona'"}, {"_Xona_"}},
                      NameCase{{"History"}, {"History_"}},
                      // Letter case does not make names different, also in Cyrillic.
                      NameCase{{"Kar", "KAR", "kar"}, {"Kar", "KAR (2)", "kar (3)"}},
                      NameCase{{"Каримова", "КАРИМОВА"}, {"Каримова", "КАРИМОВА (2)"}},
                      // 31 characters at most, counted as characters, not bytes.
                      NameCase{{std::string(40, 'x')}, {std::string(31, 'x')}},
                      NameCase{{"Ўқитувчилар жадвали ва хоналар бандлиги"},
                               {"Ўқитувчилар жадвали ва хоналар "}},
                      NameCase{{std::string(31, 'y'), std::string(31, 'y')},
                               {std::string(31, 'y'), std::string(27, 'y') + " (2)"}}));

}  // namespace
}  // namespace jadvalon
