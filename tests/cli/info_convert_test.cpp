// jadvalon-cli info and convert on files a user could hand it.
#include <gtest/gtest.h>

#include <cstring>

#include "cli/cli_runner.h"
#include "model/test_support.h"
#include "storage/stored_image.h"
#include "storage/temp_folder.h"

namespace jadvalon {
namespace {

struct CliFixture : ::testing::Test {
  CliFixture() {
    storeText(school.project.edit().header.institution, "Qishloq \"Nur\" maktabi");
    school.project.edit().header.workingDays = 6;
    const int c = school.addClass("5-A");
    const int s = school.addSubject("Matematika");
    const int t = school.addTeacher("Karimova");
    school.addLesson(c, s, t, 6);
    school.addLesson(c, school.addSubject("Tarix"), t, 3);
    testing::writeBytes(dir / "school.nol", encodeImage(school.project.image(), StoredForm::Plain));
    testing::writeBytes(dir / "school.jdn",
                        encodeImage(school.project.image(), StoredForm::ProjectFile));
  }
  testing::CliRun cli(const std::vector<std::string>& args) {
    return testing::runCli(args, dir / "stderr.txt");
  }
  testing::TempFolder dir;
  testing::TestProject school;
};

TEST_F(CliFixture, InfoReadsBothFormsAsJson) {
  for (const char* name : {"school.nol", "school.jdn"}) {
    const auto run = cli({"info", (dir / name).string(), "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* key :
         {"\"classes\":1", "\"subjects\":2", "\"rooms\":0", "\"teachers\":1", "\"lessons\":2",
          "\"placements\":0", "\"substitutions\":0", "\"total_half_units\":9",
          "\"institution\":\"Qishloq \\\"Nur\\\" maktabi\""})
      EXPECT_NE(run.out.find(key), std::string::npos) << key << " in " << run.out;
  }
  const auto text = cli({"info", (dir / "school.jdn").string()});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("Lessons:       2"), std::string::npos) << text.out;
}

TEST_F(CliFixture, DamagedOrMissingFilesGiveOneLineAndStatus2) {
  auto bytes = testing::readBytes(dir / "school.jdn");
  bytes.resize(bytes.size() / 3);
  testing::writeBytes(dir / "cut.jdn", bytes);
  testing::writeBytes(dir / "text.jdn", std::string("hello"));
  for (const char* name : {"cut.jdn", "text.jdn", "missing.jdn"}) {
    const auto run = cli({"info", (dir / name).string()});
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_TRUE(run.out.empty()) << name;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
  }
  EXPECT_EQ(cli({"info"}).status, 2);
  EXPECT_EQ(cli({"nonsense"}).status, 2);
}

TEST_F(CliFixture, ConvertWritesTheRequestedFormWithTheSameImage) {
  const auto toProject = cli(
      {"convert", (dir / "school.nol").string(), (dir / "out.jdn").string(), "--form", "project"});
  ASSERT_EQ(toProject.status, 0) << toProject.err;
  EXPECT_EQ(testing::readBytes(dir / "out.jdn"), testing::readBytes(dir / "school.jdn"));
  ASSERT_EQ(
      cli({"convert", (dir / "out.jdn").string(), (dir / "back.nol").string(), "--form", "plain"})
          .status,
      0);
  const ReadResult back = readImageFile(dir / "back.nol", StoredForm::Plain);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(std::memcmp(back.image.get(), &school.project.image(), kImageSize), 0);

  EXPECT_EQ(
      cli({"convert", (dir / "school.nol").string(), (dir / "x.jdn").string(), "--form", "zip"})
          .status,
      2);
  EXPECT_EQ(cli({"convert", (dir / "school.nol").string(), (dir / "no" / "x.jdn").string(),
                 "--form", "plain"})
                .status,
            2);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.jdn"));
}

}  // namespace
}  // namespace jadvalon
