// jadvalon-cli report: a stored school's timetables as HTML, XLSX and DOCX, in the language of
// the program folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/cli_runner.h"
#include "reports/golden.h"
#include "reports/package_reader.h"
#include "reports/school_fixture.h"
#include "storage/stored_image.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

struct ReportCli : ::testing::Test {
  ReportCli() {
    // A program folder with the shipped languages and no index file: language 1 is used.
    const auto languages = home.path() / "sozlash" / "til";
    std::filesystem::create_directories(languages);
    for (const char* file : {"1.til", "3.til"})
      std::filesystem::copy_file(
          std::filesystem::path(JADVALON_SOURCE_DATA_DIR) / "sozlash" / "til" / file,
          languages / file);
    setenv("JADVALON_HOME", home.path().c_str(), 1);
    testing::writeBytes(dir / "school.nol",
                        encodeImage(school.project().image(), StoredForm::Plain));
  }
  ~ReportCli() override { unsetenv("JADVALON_HOME"); }

  testing::CliRun report(std::vector<std::string> args) {
    args.insert(args.begin(), {"report", (dir / "school.nol").string()});
    return testing::runCli(args, dir / "stderr.txt");
  }
  testing::TempFolder home;
  testing::TempFolder dir;
  testing::SchoolFixture school;
};

TEST_F(ReportCli, WritesHtmlInTheProgramFoldersLanguage) {
  const auto run = report({"--kind", "classes", "--select", "1", "--second", "--third",
                           "--approval", "-o", (dir / "5a.html").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string html = testing::readText(dir / "5a.html");
  EXPECT_EQ(html.substr(0, 7), "<html>\n");
  EXPECT_NE(html.find("<p align=right>\nTASDIQLAYMAN\n<br>"), std::string::npos);
  EXPECT_NE(html.find("<caption><b>5-A sinfining dars jadvali</b></caption>"), std::string::npos);
  EXPECT_NE(html.find("<b>Matematika</b>\n<br>Karimova &lt;&amp;&gt; N.</P></TD>"),
            std::string::npos);
  // Day names come from the language, not from what the file happened to hold.
  EXPECT_NE(html.find("><B>Du</B></P></TD>"), std::string::npos);
  EXPECT_EQ(html.find("Day 1"), std::string::npos);
}

TEST_F(ReportCli, FollowsTheChosenLanguage) {
  testing::writeBytes(home.path() / "sozlash" / "til" / "til_index.txt", std::string("3"));
  const auto run = report({"--kind", "classes", "--approval", "-o", (dir / "r.html").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(testing::readText(dir / "r.html").find("УТВЕРЖДАЮ"), std::string::npos);
}

TEST_F(ReportCli, WritesAWorkbookWithOneSheetPerTeacher) {
  const auto out = dir / "teachers.xlsx";
  const auto run = report({"--kind", "teachers", "--layout", "separate", "--times", "--second",
                           "--format", "xlsx", "-o", out.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto parts = testing::readPackage(out);
  ASSERT_TRUE(parts.count("xl/workbook.xml"));
  for (const char* sheet : {"name=\"Kar\"", "name=\"Rah\"", "name=\"Sai\""})
    EXPECT_NE(parts.at("xl/workbook.xml").find(sheet), std::string::npos) << sheet;
  EXPECT_NE(parts.at("xl/sharedStrings.xml").find("O'qituvchilarning dars jadvali"),
            std::string::npos);
}

TEST_F(ReportCli, WritesAWordDocumentOfChosenRooms) {
  const auto out = dir / "rooms.docx";
  const auto run = report({"--kind", "rooms", "--select", "1,3", "--layout", "combined", "--second",
                           "--short-second", "--format", "docx", "-o", out.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto parts = testing::readPackage(out);
  ASSERT_TRUE(parts.count("word/document.xml"));
  const std::string& document = parts.at("word/document.xml");
  EXPECT_EQ(testing::xmlProblem(document), "");
  EXPECT_NE(document.find("Xonalar bandligi"), std::string::npos);
  EXPECT_NE(document.find(">Sport zali<"), std::string::npos);
  EXPECT_EQ(document.find(">Xona 14<"), std::string::npos);  // not chosen
  EXPECT_NE(document.find("5-A, Kar"), std::string::npos);
}

struct RefusalCase {
  std::vector<std::string> args;
  const char* message;
};

class ReportCliRefuses : public ReportCli, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ReportCliRefuses, WithAClearMessageAndNoFile) {
  std::vector<std::string> args = GetParam().args;
  args.push_back("-o");
  args.push_back((dir / "out.html").string());
  const auto run = report(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.html"));
}

INSTANTIATE_TEST_SUITE_P(
    BadUsage, ReportCliRefuses,
    ::testing::Values(RefusalCase{{}, "usage: jadvalon-cli report"},
                      RefusalCase{{"--kind", "pupils"}, "--kind must be"},
                      RefusalCase{{"--kind", "rooms", "--select", "4"},
                                  "--select: room 4 does not exist (the project has 3)"},
                      RefusalCase{{"--kind", "rooms", "--select", "1,x"},
                                  "\"x\" is not a position"},
                      RefusalCase{{"--kind", "rooms", "--layout", "side"}, "--layout must be"},
                      RefusalCase{{"--kind", "rooms", "--format", "pdf"}, "--format must be"}));

TEST_F(ReportCli, UnwritableTargetSaysWhy) {
  const auto run = report(
      {"--kind", "classes", "--format", "docx", "-o", (dir / "missing" / "x.docx").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("cannot be written"), std::string::npos) << run.err;
}

TEST_F(ReportCli, UnreadableProjectSaysWhy) {
  testing::writeBytes(dir / "school.nol", std::string("not a project"));
  const auto run = report({"--kind", "classes", "-o", (dir / "x.html").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("school.nol"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "x.html"));
}

}  // namespace
}  // namespace jadvalon
