// The Excel and Word files of a report, opened the way an office program opens them: unzipped,
// every part parsed, then spans, texts and page set-up read back.
#include <gtest/gtest.h>

#include "package_reader.h"
#include "reports/docx_report_writer.h"
#include "reports/report_builder.h"
#include "reports/xlsx_report_writer.h"
#include "school_fixture.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

using testing::countOf;
using testing::readPackage;
using testing::SchoolFixture;
using testing::xmlProblem;

using Package = std::map<std::string, std::string>;

struct OfficeFixture : ::testing::Test {
  Report report(ReportKind kind, std::vector<int> selection, ReportArrangement arrangement,
                bool approval) {
    ReportOptions o;
    o.kind = kind;
    o.selection = std::move(selection);
    o.arrangement = arrangement;
    o.approval = approval;
    o.times = o.secondColumn = o.thirdColumn = true;
    return buildReport(fixture.project(), o);
  }
  Package written(const ReportWriter& writer, const Report& report) {
    const auto path = dir / ("report" + writer.extension());
    const WriteResult result = writer.write(report, path);
    EXPECT_TRUE(result.ok()) << result.detail;
    return readPackage(path);
  }
  void expectWellFormed(const Package& package, const std::vector<std::string>& required) {
    for (const std::string& name : required) EXPECT_TRUE(package.count(name)) << name;
    for (const auto& [name, text] : package) {
      if (name.ends_with(".xml") || name.ends_with(".rels")) {
        EXPECT_EQ(xmlProblem(text), "") << name;
      }
    }
  }
  SchoolFixture fixture;
  testing::TempFolder dir;
};

TEST_F(OfficeFixture, WorkbookHasOneSheetPerTeacherWithMergedSpans) {
  // Teacher 3's short name is not a valid sheet name as it stands.
  storeText(fixture.project().edit().teachers[3].shortName, "Sai/D?");
  const Package xlsx = written(
      XlsxReportWriter(), report(ReportKind::Teachers, {1, 3}, ReportArrangement::Separate, true));
  expectWellFormed(
      xlsx, {"[Content_Types].xml", "xl/workbook.xml", "xl/styles.xml", "xl/sharedStrings.xml",
             "xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"});
  EXPECT_NE(xlsx.at("xl/workbook.xml").find("name=\"Kar\""), std::string::npos);
  EXPECT_NE(xlsx.at("xl/workbook.xml").find("name=\"Sai_D_\""), std::string::npos);

  // Rows: heading, three approval lines, caption, two header rows, four periods, a gap and
  // the two signatures; columns: period, time, and two per day.
  const std::string& sheet = xlsx.at("xl/worksheets/sheet1.xml");
  for (const char* range : {"A1:N1", "A2:N2", "A4:N4", "A5:N5", "A6:A7", "B6:B7", "C6:D6", "M6:N6",
                            "A13:N13", "A14:N14"})
    EXPECT_NE(sheet.find(std::string("ref=\"") + range + "\""), std::string::npos) << range;
  EXPECT_EQ(countOf(sheet, "<mergeCell "), 15);
  EXPECT_NE(sheet.find("orientation=\"landscape\""), std::string::npos);
  // One page wide and one page tall, the default of a fitted page.
  EXPECT_NE(sheet.find("<pageSetUpPr fitToPage=\"1\"/>"), std::string::npos);
  EXPECT_EQ(sheet.find("fitToHeight="), std::string::npos);

  const std::string& strings = xlsx.at("xl/sharedStrings.xml");
  EXPECT_NE(strings.find("Karimova &lt;&amp;&gt; N."), std::string::npos);
  EXPECT_EQ(strings.find("<&>"), std::string::npos);
  EXPECT_NE(strings.find(">5-A/6-B<"), std::string::npos);  // the clash, bold, with its subject
  EXPECT_NE(strings.find("line 554"), std::string::npos);
}

TEST_F(OfficeFixture, WorkbookOfCombinedClassesMergesDayCells) {
  const Report combined =
      report(ReportKind::Classes, {1, 2, 3}, ReportArrangement::Combined, false);
  const Package xlsx = written(XlsxReportWriter(), combined);
  expectWellFormed(xlsx, {"xl/worksheets/sheet1.xml"});
  EXPECT_FALSE(xlsx.count("xl/worksheets/sheet2.xml"));
  const std::string& sheet = xlsx.at("xl/worksheets/sheet1.xml");
  // Caption, then day/period/time over both header rows, then each class over its columns;
  // days 1, 2 and 3 each keep two periods.
  for (const char* range :
       {"A2:A3", "B2:B3", "C2:C3", "D2:E2", "F2:G2", "H2:I2", "A4:A5", "A6:A7", "A8:A9"})
    EXPECT_NE(sheet.find(std::string("ref=\"") + range + "\""), std::string::npos) << range;
  EXPECT_NE(sheet.find("fitToHeight=\"0\""), std::string::npos);
}

TEST_F(OfficeFixture, DocumentHasLandscapeTablesWithSpansAndPageBreaks) {
  const Report teachers = report(ReportKind::Teachers, {1, 3}, ReportArrangement::Separate, true);
  const Package docx = written(DocxReportWriter(), teachers);
  expectWellFormed(docx, {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                          "word/_rels/document.xml.rels", "word/styles.xml"});
  const std::string& document = docx.at("word/document.xml");
  EXPECT_NE(document.find("w:orient=\"landscape\""), std::string::npos);
  EXPECT_EQ(countOf(document, "<w:tbl>"), 2);
  EXPECT_EQ(countOf(document, "<w:pageBreakBefore/>"), 1);  // before the second table
  // Per table: six days over two columns; period and time down both header rows.
  EXPECT_EQ(countOf(document, "<w:gridSpan w:val=\"2\"/>"), 12);
  EXPECT_EQ(countOf(document, "<w:vMerge w:val=\"restart\"/>"), 4);
  EXPECT_EQ(countOf(document, "<w:vMerge/>"), 4);
  EXPECT_EQ(countOf(document, "<w:tblHeader/>"), 4);
  EXPECT_NE(document.find("<w:jc w:val=\"right\"/></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t "
                          "xml:space=\"preserve\">line 541</w:t>"),
            std::string::npos);
  EXPECT_NE(document.find("Karimova &lt;&amp;&gt; N."), std::string::npos);
  EXPECT_EQ(document.find("<&>"), std::string::npos);
  EXPECT_NE(document.find("w:fill=\"DDDDDD\""), std::string::npos);
  EXPECT_NE(document.find("w:fill=\"FFFFAA\""), std::string::npos);
  EXPECT_NE(document.find("w:fill=\"FFFFCC\""), std::string::npos);
  // The signatures close the document.
  EXPECT_NE(document.find("line 37   _________   Tursunova M."), std::string::npos);
  EXPECT_GT(document.find("line 38   _________   ____"), document.rfind("</w:tbl>"));
}

TEST_F(OfficeFixture, DocumentOfDayDownTableMergesEachDayCell) {
  const Report classes = report(ReportKind::Classes, {1, 2, 3}, ReportArrangement::Combined, false);
  const std::string document = DocxReportWriter::documentXml(classes);
  EXPECT_EQ(xmlProblem(document), "");
  // Day, period and time over the two header rows; three days with two kept periods each.
  EXPECT_EQ(countOf(document, "<w:vMerge w:val=\"restart\"/>"), 3 + 3);
  EXPECT_EQ(countOf(document, "<w:vMerge/>"), 3 + 3);
  EXPECT_EQ(countOf(document, "<w:gridSpan w:val=\"2\"/>"), 3);
  // 930 pixels fit the landscape page as they are.
  EXPECT_NE(document.find("<w:tblW w:w=\"13950\" w:type=\"dxa\"/>"), std::string::npos);
}

TEST_F(OfficeFixture, DocumentShrinksTablesWiderThanThePaper) {
  // 1670 pixels of teacher table against 15398 twips of landscape page.
  const std::string document = DocxReportWriter::documentXml(
      report(ReportKind::Teachers, {1}, ReportArrangement::Separate, false));
  const std::size_t at = document.find("<w:tblW w:w=\"");
  ASSERT_NE(at, std::string::npos);
  const int width = std::stoi(document.substr(at + 13));
  EXPECT_LE(width, 15398);
  EXPECT_GT(width, 15398 - 14);  // each of the 14 columns rounds down by less than a twip
}

TEST_F(OfficeFixture, NarrowClassTablesStandUpright) {
  const Report classes = report(ReportKind::Classes, {1, 2}, ReportArrangement::Separate, true);
  const std::string document = DocxReportWriter::documentXml(classes);
  EXPECT_EQ(xmlProblem(document), "");
  EXPECT_NE(document.find("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"), std::string::npos);
  // The approval block of the second class starts the new page, not its table.
  EXPECT_EQ(countOf(document, "<w:pageBreakBefore/>"), 1);
  EXPECT_LT(document.find("<w:pageBreakBefore/>"),
            document.find("line 541", document.find("</w:tbl>")));
}

TEST_F(OfficeFixture, ControlCharactersInNamesNeverBreakTheDocument) {
  storeText(fixture.project().edit().classes[1].name, std::string("5-A\x01\x1f"));
  const std::string document = DocxReportWriter::documentXml(
      report(ReportKind::Classes, {1}, ReportArrangement::Separate, false));
  EXPECT_EQ(xmlProblem(document), "");
  EXPECT_EQ(document.find('\x01'), std::string::npos);
}

TEST_F(OfficeFixture, FailedWriteReportsWhyAndLeavesNoFile) {
  const Report classes = report(ReportKind::Classes, {1}, ReportArrangement::Separate, false);
  const auto missing = dir / "no-such-folder";
  const XlsxReportWriter excel;
  const DocxReportWriter word;
  for (const ReportWriter* writer :
       {static_cast<const ReportWriter*>(&excel), static_cast<const ReportWriter*>(&word)}) {
    const WriteResult result = writer->write(classes, missing / ("x" + writer->extension()));
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.detail.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace jadvalon
