// The file commands' work on the project document.
#include "storage/project_storage.h"

#include <cstdio>

#include "i18n/lines.h"

namespace jadvalon {
namespace {

// Opening a project or an example resets branch numbers that no list can show.
void resetBranches(TLoyiha& image) {
  image.classBuffer.branch = 0;
  for (int i = 1; i <= image.classCount; ++i)
    if (image.classes[i].branch > 2) image.classes[i].branch = 0;
}

}  // namespace

ProjectStorage::ProjectStorage(Project& project, ProgramFolder folder)
    : project_(project), folder_(std::move(folder)), clock_([] { return std::time(nullptr); }) {}

std::string ProjectStorage::untitledName() const {
  return project_.texts().line(lines::kUntitledProjectName) +
         project_.texts().line(lines::kProjectFileExtension);
}

std::string ProjectStorage::archiveFileName(const std::tm& t) {
  char name[64];
  std::snprintf(name, sizeof name, "%04d%02d%02d_%02d%02d%02d.jdn", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return name;
}

std::string ProjectStorage::readErrorText(ReadError error, const std::string& detail,
                                          const std::filesystem::path& path) const {
  const LanguageTable& texts = project_.texts();
  std::string text;
  switch (error) {
    case ReadError::None:
      return {};
    case ReadError::Unreadable:
      text = texts.line(lines::kFileUnreadable) + ": " + detail;
      break;
    case ReadError::NotThisForm:
      text = texts.line(lines::kFileNotProjectFile);
      break;
    case ReadError::Damaged:
      text = texts.line(lines::kFileDamaged);
      break;
    case ReadError::Incomplete:
      text = texts.line(lines::kFileIncomplete);
      break;
    case ReadError::TablesOutOfRange:
      text = texts.line(lines::kFileTablesOutOfRange);
      break;
  }
  return text + "\n" + path.string();
}

std::string ProjectStorage::writeErrorText(const WriteResult& result,
                                           const std::filesystem::path& path) const {
  const LanguageTable& texts = project_.texts();
  std::string reason;
  switch (result.error) {
    case WriteError::None:
      return {};
    case WriteError::FolderMissing:
      reason = texts.line(lines::kFolderMissing);
      break;
    case WriteError::DiskFull:
      reason = texts.line(lines::kDiskFull);
      break;
    case WriteError::WriteProtected:
      reason = texts.line(lines::kWriteProtected);
      break;
    case WriteError::Other:
      reason = result.detail;
      break;
  }
  return texts.line(lines::kSaveFailed) + ": " + reason + "\n" + path.string();
}

bool ProjectStorage::save(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = encodeImage(project_.image(), StoredForm::ProjectFile);
  const WriteResult written = writeFileAtomically(path, bytes, faultBeforeRename_);
  if (!written.ok()) {
    project_.prompter().message(writeErrorText(written, path));
    return false;
  }
  // The user's file is safe now; a missing archive or note is reported but does not undo it.
  const std::time_t now = clock_();
  std::tm local{};
  localtime_r(&now, &local);
  const auto archivePath = folder_.archive() / archiveFileName(local);
  const WriteResult archived = writeFileAtomically(archivePath, bytes);
  if (!archived.ok()) project_.prompter().message(writeErrorText(archived, archivePath));
  const std::string absolute = std::filesystem::absolute(path).string();
  const WriteResult noted = writeTextAtomically(folder_.lastProjectNote(), absolute);
  if (!noted.ok()) project_.prompter().message(writeErrorText(noted, folder_.lastProjectNote()));

  project_.setPath(absolute);
  project_.setDisplayName(path.filename().string());
  project_.setSaveReminderSeconds(0);
  project_.setModified(false);
  return true;
}

bool ProjectStorage::readInto(const std::filesystem::path& path, StoredForm form,
                              std::unique_ptr<TLoyiha>& out, int failureLine) {
  ReadResult read = readImageFile(path, form);
  if (!read.ok()) {
    std::string text = readErrorText(read.error, read.detail, path);
    if (failureLine != 0) text = project_.texts().line(failureLine) + "\n" + text;
    project_.prompter().message(text);
    return false;
  }
  out = std::move(read.image);
  return true;
}

void ProjectStorage::adopt(const TLoyiha& image, std::string path, std::string displayName) {
  project_.replaceImage(image);
  project_.setPath(std::move(path));
  project_.setDisplayName(std::move(displayName));
}

bool ProjectStorage::open(const std::filesystem::path& path, bool resetBranchNumbers) {
  std::unique_ptr<TLoyiha> image;
  if (!readInto(path, StoredForm::ProjectFile, image, 0)) return false;
  if (resetBranchNumbers) resetBranches(*image);
  adopt(*image, std::filesystem::absolute(path).string(), path.filename().string());
  return true;
}

bool ProjectStorage::newFromTemplate() {
  std::unique_ptr<TLoyiha> image;
  if (!readInto(folder_.templateFile(), StoredForm::Plain, image, lines::kTemplateMissing))
    return false;
  image->teacherBuffer.dailyMaximum = 8;
  adopt(*image, {}, untitledName());
  return true;
}

bool ProjectStorage::openExample(const std::string& fileName) {
  std::unique_ptr<TLoyiha> image;
  if (!readInto(folder_.examples() / fileName, StoredForm::Plain, image,
                lines::kExampleNotReadable))
    return false;
  // Examples promise every teacher a daily maximum of 8.
  image->teacherBuffer.dailyMaximum = 8;
  for (int i = 1; i <= image->teacherCount; ++i) image->teachers[i].dailyMaximum = 8;
  resetBranches(*image);
  adopt(*image, {}, fileName);
  return true;
}

}  // namespace jadvalon
