// Saving and opening projects: the project file with its archive copy and last-project note, the
// template of new projects and the example schools. Failures reach the user through the
// project's prompter, and a failed read leaves the open project exactly as it was.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "model/project.h"
#include "storage/atomic_file.h"
#include "storage/program_folder.h"
#include "storage/stored_image.h"

namespace jadvalon {

class ProjectStorage {
 public:
  ProjectStorage(Project& project, ProgramFolder folder);

  // Writes the project file (and an archive copy, and the last-project note); the path becomes
  // the project's path. On failure: a message saying why, the modified flag is kept.
  bool save(const std::filesystem::path& path);
  // Reads a project file (project form only). The file commands reset branch numbers that no
  // list can show; reopening the last project from the welcome panel keeps the file as it is.
  bool open(const std::filesystem::path& path, bool resetBranchNumbers = true);
  // Starts an untitled project from the template.
  bool newFromTemplate();
  // Opens an example school by its file name in the examples folder; it stays untitled.
  bool openExample(const std::string& fileName);

  const ProgramFolder& folder() const { return folder_; }
  // The name of an untitled project: "<line 8><line 19>".
  std::string untitledName() const;
  // "yyyymmdd_hhnnss.jdn" for a local time.
  static std::string archiveFileName(const std::tm& localTime);

  // Tests fail a save between writing the temporary file and renaming it.
  void setFaultBeforeRename(std::function<bool()> fault) { faultBeforeRename_ = std::move(fault); }
  // Tests fix the clock of the archive names.
  void setClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

  // The message for a failed read or write, as the user sees it.
  std::string readErrorText(ReadError error, const std::string& detail,
                            const std::filesystem::path& path) const;
  std::string writeErrorText(const WriteResult& result, const std::filesystem::path& path) const;

 private:
  bool readInto(const std::filesystem::path& path, StoredForm form, std::unique_ptr<TLoyiha>& out,
                int failureLine);
  // Puts a read image in place with the path and name it is known by from now on.
  void adopt(const TLoyiha& image, std::string path, std::string displayName);

  Project& project_;
  ProgramFolder folder_;
  std::function<bool()> faultBeforeRename_;
  std::function<std::time_t()> clock_;
};

}  // namespace jadvalon
