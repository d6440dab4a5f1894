// The program folder and the data folders and files under it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace jadvalon {

class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

  // `--home DIR` wins, then JADVALON_HOME, then the folder of the running executable.
  static ProgramFolder resolve(const std::optional<std::string>& homeOption);

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path temp() const { return root_ / "temp"; }
  std::filesystem::path archive() const { return root_ / "arxiv"; }
  std::filesystem::path templateFile() const { return root_ / "andaza" / "normal.nol"; }
  std::filesystem::path examples() const { return root_ / "misollar"; }
  std::filesystem::path languages() const { return root_ / "sozlash" / "til"; }
  std::filesystem::path styleIndex() const { return root_ / "sozlash" / "dizayn_index.txt"; }
  std::filesystem::path icons() const { return root_ / "rasm"; }
  std::filesystem::path manual() const { return root_ / "Yuriqnoma"; }
  std::filesystem::path lastProjectNote() const { return temp() / "0101.txt"; }

  // Creates the data folders that are missing; false when one cannot be created.
  bool ensureDataFolders() const;
  // Removes the report files temp/html0..99 with every extension the report commands write.
  void removeReportFiles() const;
  // The path kept in the last-project note, when the note exists.
  std::optional<std::string> lastProject() const;
  // File names in the examples folder, sorted.
  std::vector<std::string> exampleNames() const;

 private:
  std::filesystem::path root_;
};

// The folder of the running executable.
std::filesystem::path executableFolder();

}  // namespace jadvalon
